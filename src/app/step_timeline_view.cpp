// The timeline's layout and painting.

#include <QFontMetrics>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "app/combo_timeline.h"
#include "app/step_timeline.h"
#include "combo/script_keywords.h"

namespace strikepad {
namespace {

constexpr int kGap = 4;
constexpr int kEdgeReach = 3;

QString laneName(int lane) {
  return QString::fromLatin1(lane < StepTimeline::kButtonLanes ? kButtonKeywords[lane].word
                                                               : kAxisKeywords[lane - StepTimeline::kButtonLanes].word);
}

}  // namespace

void StepTimeline::measureText() {
  buttonLaneHeight_ = fontMetrics().height() + 2;
  int widest = 0;
  for (int k = 0; k < kLaneCount; ++k) widest = std::max(widest, fontMetrics().horizontalAdvance(laneName(k)));
  labelWidth_ = widest + 2 * kGap;
  minimumColumn_ = fontMetrics().horizontalAdvance(QStringLiteral("65535")) + 2 * kGap;
}

void StepTimeline::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    measureText();
    updateGeometry();
  }
}

int StepTimeline::laneHeight(int laneIndex) const { return laneIndex < kButtonLanes ? lane() : lane() * kAxisLaneScale; }

int StepTimeline::laneTop(int laneIndex) const {
  int top = headerHeight();
  for (int k = 0; k < laneIndex; ++k) top += laneHeight(k);
  return top;
}

// Each column is the least width plus a share of the room left that follows its hold time.
std::vector<int> StepTimeline::columnEdges() const {
  const ComboSteps all = steps();
  const int count = static_cast<int>(all.count());
  long long total = 0;
  for (int k = 0; k < count; ++k) total += all.holdTime(k);
  const int room = std::max(0, width() - labelWidth() - 1 - count * minimumColumn());
  std::vector<int> edges{labelWidth()};
  long long timeSoFar = 0;
  for (int k = 0; k < count; ++k) {
    timeSoFar += all.holdTime(k);
    const long long share = total > 0 ? room * timeSoFar / total : 0;
    edges.push_back(labelWidth() + (k + 1) * minimumColumn() + static_cast<int>(share));
  }
  return edges;
}

QSize StepTimeline::sizeHint() const {
  const int columns = static_cast<int>(std::max<std::size_t>(stepCount(), 1));
  return {labelWidth() + columns * minimumColumn() + 1, laneTop(kLaneCount) + 1};
}

QRect StepTimeline::cellRect(int step, int laneIndex) const {
  const std::vector<int> edges = columnEdges();
  if (step < 0 || step + 1 >= static_cast<int>(edges.size())) return {};
  const int top = laneIndex < 0 ? headerTop_ : laneTop(laneIndex);
  const int height = laneIndex < 0 ? headerHeight() : laneHeight(laneIndex);
  return QRect(edges[step], top, edges[step + 1] - edges[step], height);
}

int StepTimeline::rightEdge(int step) const { return columnEdges()[step + 1]; }

int StepTimeline::stepAt(int x) const {
  const std::vector<int> edges = columnEdges();
  for (std::size_t k = 0; k + 1 < edges.size(); ++k)
    if (x >= edges[k] && x < edges[k + 1]) return static_cast<int>(k);
  return -1;
}

int StepTimeline::laneAt(int y) const {
  if (y < headerHeight() || (y >= headerTop_ && y < headerTop_ + headerHeight())) return -1;
  for (int k = 0; k < kLaneCount; ++k)
    if (y < laneTop(k + 1)) return k;
  return kLaneCount;
}

int StepTimeline::edgeNear(int x) const {
  const std::vector<int> edges = columnEdges();
  for (std::size_t k = 1; k < edges.size(); ++k)
    if (std::abs(x - edges[k]) <= kEdgeReach) return static_cast<int>(k) - 1;
  return -1;
}

void StepTimeline::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Base));
  if (stale_) painter.setOpacity(0.35);

  const ComboSteps all = steps();
  const std::vector<int> edges = columnEdges();
  const int count = static_cast<int>(all.count());
  const int bottom = laneTop(kLaneCount);
  const QColor text = colours.color(QPalette::Text);
  const QColor faint = colours.color(QPalette::Mid);

  for (int k = 0; k < kLaneCount; ++k) {
    painter.setPen(text);
    painter.drawText(QRect(0, laneTop(k), labelWidth() - kGap, laneHeight(k)), Qt::AlignRight | Qt::AlignVCenter,
                     laneName(k));
  }
  if (count == 0) {
    painter.setPen(colours.color(QPalette::PlaceholderText));
    painter.drawText(QRect(labelWidth(), 0, width() - labelWidth(), bottom), Qt::AlignCenter,
                     tr("No steps: Insert adds one"));
    return;
  }

  const StepRange chosen = selection();
  for (int s = 0; s < count; ++s) {
    const QRect column(edges[s], 0, edges[s + 1] - edges[s], bottom);
    if (!column.adjusted(0, 0, 1, 0).intersects(event->rect())) continue;  // scrolled out of sight
    const bool selected = static_cast<std::size_t>(s) >= chosen.first && static_cast<std::size_t>(s) < chosen.end();
    if (selected) painter.fillRect(column, colours.color(QPalette::AlternateBase));
    painter.setPen(QPen(faint, 0, Qt::DotLine));
    painter.drawLine(column.topRight(), column.bottomRight());

    const auto cellOf = [&](int laneIndex) { return QRect(column.left(), laneTop(laneIndex), column.width(), laneHeight(laneIndex)); };
    for (int b = 0; b < kButtonLanes; ++b) {
      if (!all.holds(s, b)) continue;
      painter.fillRect(cellOf(b).adjusted(1, 2, -1, -2), timelineHeldColour());
    }
    for (int a = 0; a < kLaneCount - kButtonLanes; ++a) {
      const QRect cell = cellOf(kButtonLanes + a);
      const int value = all.axisValue(s, a);
      const int middle = cell.center().y();
      const int reach = value * (cell.height() / 2 - 2) / kMaxAxisValue;
      painter.setPen(QPen(faint, 0, Qt::DashLine));
      painter.drawLine(cell.left(), middle, cell.right(), middle);
      if (value == 0) continue;
      painter.fillRect(QRect(cell.left() + 2, std::min(middle, middle - reach), cell.width() - 4, std::abs(reach)),
                       timelineStickColour());
      // The value beside the bar, on the side of the middle line that the bar leaves free.
      const QRect free = value > 0 ? QRect(cell.left(), middle, cell.width(), cell.height() / 2)
                                   : QRect(cell.left(), cell.top(), cell.width(), cell.height() / 2);
      painter.setPen(text);
      painter.drawText(free, Qt::AlignCenter, QString::number(value));
    }
  }

  const QRect current = cellRect(current_, lane_);
  if (hasFocus()) {
    painter.setOpacity(1.0);
    painter.setPen(QPen(colours.color(QPalette::Highlight), 2));
    painter.drawRect(current.adjusted(1, 1, -1, -1));
  } else {
    painter.setPen(QPen(text, 0, Qt::DotLine));
    painter.drawRect(current.adjusted(0, 0, -1, -1));
  }
  if (stale_) painter.setOpacity(0.35);
  paintHeader(painter, event->rect());
}

// The step numbers and hold times, drawn last over the lanes that scrolled under them.
void StepTimeline::paintHeader(QPainter& painter, const QRect& exposed) {
  const QPalette& colours = palette();
  painter.fillRect(QRect(0, headerTop_, width(), headerHeight()), colours.color(QPalette::Base));
  const ComboSteps all = steps();
  const std::vector<int> edges = columnEdges();
  const StepRange chosen = selection();
  for (int s = 0; s < static_cast<int>(all.count()); ++s) {
    const QRect column(edges[s], headerTop_, edges[s + 1] - edges[s], headerHeight());
    if (!column.adjusted(0, 0, 1, 0).intersects(exposed)) continue;
    if (static_cast<std::size_t>(s) >= chosen.first && static_cast<std::size_t>(s) < chosen.end())
      painter.fillRect(column, colours.color(QPalette::AlternateBase));
    painter.setPen(QPen(colours.color(QPalette::Mid), 0, Qt::DotLine));
    painter.drawLine(column.topRight(), column.bottomRight());
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(QRect(column.left(), headerTop_, column.width(), lane()), Qt::AlignCenter, QString::number(s + 1));
    const bool dragged = drag_ && drag_->kind == Drag::Kind::HoldTime && drag_->step == s;
    QFont timeFont = font();
    timeFont.setBold(dragged);
    painter.setFont(timeFont);
    painter.drawText(QRect(column.left(), headerTop_ + lane(), column.width(), lane()), Qt::AlignCenter,
                     QString::number(all.holdTime(s)));
    painter.setFont(font());
  }
  painter.setPen(colours.color(QPalette::Mid));
  painter.drawLine(labelWidth(), headerTop_ + headerHeight(), edges.back(), headerTop_ + headerHeight());
}

void StepTimeline::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // In a scroll area the timeline moves up as its lanes scroll: the header follows the top
  // of the part in sight.
  const int top = std::max(0, -y());
  if (top == headerTop_) return;
  headerTop_ = top;
  update();
}

}  // namespace strikepad
