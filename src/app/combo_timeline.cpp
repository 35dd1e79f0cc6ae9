#include "app/combo_timeline.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <numeric>
#include <vector>

#include "combo/script_keywords.h"

namespace strikepad {
namespace {

constexpr int kGap = 4;

struct Step {
  const std::uint8_t* record;
  int time;
};

std::vector<Step> stepsOf(const ComboBlock& block) {
  std::vector<Step> steps;
  for (std::size_t k = 0; k < stepCount(block); ++k) {
    const std::uint8_t* record = block.data() + k * kStepSize;
    steps.push_back({record, record[kTimeLow] | (record[kTimeHigh] << 8)});
  }
  return steps;
}

bool holds(const Step& step, const ButtonKeyword& button) { return (step.record[button.byte] & button.mask) != 0; }
int axisValue(const Step& step, const AxisKeyword& axis) { return std::max(-127, step.record[axis.byte] - 128); }

// Left edges of the steps and the right edge of the last, in plot pixels. A step of time 0
// (or of a tiny share) still gets a sliver so it can be seen.
std::vector<double> stepEdges(const std::vector<Step>& steps, double plotWidth) {
  const double total = std::accumulate(steps.begin(), steps.end(), 0.0, [](double sum, const Step& s) { return sum + s.time; });
  const double least = std::max(1.0, total / 60.0);
  std::vector<double> weights;
  for (const Step& step : steps) weights.push_back(std::max<double>(step.time, least));
  const double weightSum = std::accumulate(weights.begin(), weights.end(), 0.0);
  std::vector<double> edges{0.0};
  for (double weight : weights) edges.push_back(edges.back() + weight / weightSum * plotWidth);
  return edges;
}

}  // namespace

QPixmap drawComboTimeline(const ComboBlock& block, int width, qreal devicePixelRatio, const QFont& font,
                          const QPalette& palette) {
  const std::vector<Step> steps = stepsOf(block);
  if (steps.empty()) return {};

  std::vector<const ButtonKeyword*> buttons;
  for (const ButtonKeyword& button : kButtonKeywords)
    if (std::any_of(steps.begin(), steps.end(), [&](const Step& s) { return holds(s, button); })) buttons.push_back(&button);
  std::vector<const AxisKeyword*> axes;
  for (const AxisKeyword& axis : kAxisKeywords)
    if (std::any_of(steps.begin(), steps.end(), [&](const Step& s) { return axisValue(s, axis) != 0; })) axes.push_back(&axis);

  const QFontMetrics metrics(font);
  const int lane = metrics.height() + 2;
  int labelWidth = metrics.horizontalAdvance(QStringLiteral("time"));
  for (const ButtonKeyword* button : buttons)
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(QString::fromLatin1(button->word)));
  labelWidth += kGap;
  const int plotLeft = labelWidth;
  const double plotWidth = width - plotLeft - 1;
  const int lanesHeight = static_cast<int>(buttons.size()) * lane + static_cast<int>(axes.size()) * lane * kAxisLaneScale;
  const int height = lanesHeight + lane;  // the time axis below the lanes

  QPixmap picture(QSize(width, height) * devicePixelRatio);
  picture.setDevicePixelRatio(devicePixelRatio);
  picture.fill(palette.color(QPalette::Base));
  QPainter painter(&picture);
  painter.setFont(font);
  painter.setRenderHint(QPainter::Antialiasing);
  const std::vector<double> edges = stepEdges(steps, plotWidth);
  const QColor text = palette.color(QPalette::Text);
  const QColor faint = palette.color(QPalette::Mid);
  const QColor held = timelineHeldColour();
  const QColor stick = timelineStickColour();

  painter.setPen(QPen(faint, 0, Qt::DotLine));
  for (double edge : edges) painter.drawLine(QPointF(plotLeft + edge, 0), QPointF(plotLeft + edge, lanesHeight));

  int top = 0;
  for (const ButtonKeyword* button : buttons) {
    painter.setPen(text);
    painter.drawText(QRect(0, top, labelWidth - kGap, lane), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromLatin1(button->word));
    for (std::size_t k = 0; k < steps.size(); ++k) {
      if (!holds(steps[k], *button)) continue;
      painter.fillRect(QRectF(plotLeft + edges[k] + 0.5, top + 2, std::max(1.0, edges[k + 1] - edges[k] - 1), lane - 4), held);
    }
    top += lane;
  }
  for (const AxisKeyword* axis : axes) {
    const int laneHeight = lane * kAxisLaneScale;
    const double middle = top + laneHeight / 2.0;
    const double reach = laneHeight / 2.0 - 2;
    painter.setPen(text);
    painter.drawText(QRect(0, top, labelWidth - kGap, laneHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromLatin1(axis->word));
    painter.setPen(QPen(faint, 0, Qt::DashLine));
    painter.drawLine(QPointF(plotLeft, middle), QPointF(plotLeft + plotWidth, middle));
    QPolygonF trace;
    for (std::size_t k = 0; k < steps.size(); ++k) {
      const double y = middle - axisValue(steps[k], *axis) / 127.0 * reach;
      trace << QPointF(plotLeft + edges[k], y) << QPointF(plotLeft + edges[k + 1], y);
    }
    painter.setPen(QPen(stick, 1.5));
    painter.drawPolyline(trace);
    top += laneHeight;
  }

  const int total = std::accumulate(steps.begin(), steps.end(), 0, [](int sum, const Step& s) { return sum + s.time; });
  painter.setPen(text);
  painter.drawLine(QPointF(plotLeft, top + 0.5), QPointF(plotLeft + plotWidth, top + 0.5));
  painter.drawText(QRect(0, top, labelWidth - kGap, lane), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("time"));
  painter.drawText(QRect(plotLeft, top, static_cast<int>(plotWidth), lane), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("0"));
  painter.drawText(QRect(plotLeft, top, static_cast<int>(plotWidth), lane), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(total));
  return picture;
}

}  // namespace strikepad
