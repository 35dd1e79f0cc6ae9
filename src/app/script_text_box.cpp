#include "app/script_text_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>

namespace strikepad {

namespace {

constexpr int kMarginPadding = 6;

}  // namespace

class ScriptTextBox::StepMargin final : public QWidget {
 public:
  explicit StepMargin(ScriptTextBox& box) : QWidget(&box), box_(box) { setObjectName("stepMargin"); }
  QSize sizeHint() const override { return {width(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { box_.paintMargin(event); }

 private:
  ScriptTextBox& box_;
};

ScriptTextBox::ScriptTextBox(QWidget* parent) : QPlainTextEdit(parent), margin_(new StepMargin(*this)) {
  setLineWrapMode(QPlainTextEdit::NoWrap);  // long lines scroll sideways, as the script is read by line
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      margin_->scroll(0, dy);
    } else {
      margin_->update(0, rect.y(), margin_->width(), rect.height());
    }
  });
  fitMargin();
}

bool ScriptTextBox::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
      event->ignore();
      return true;
    }
  }
  return QPlainTextEdit::event(event);
}

void ScriptTextBox::keyPressEvent(QKeyEvent* event) {
  const QString lower = event->text().toLower();
  if (lower == event->text()) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent lowered(event->type(), event->key(), event->modifiers(), lower,
                    event->isAutoRepeat(), static_cast<ushort>(event->count()));
  QPlainTextEdit::keyPressEvent(&lowered);
  event->setAccepted(lowered.isAccepted());
}

void ScriptTextBox::insertFromMimeData(const QMimeData* source) {
  if (source->hasText()) insertPlainText(source->text().toLower());
}

void ScriptTextBox::showCheck(const ScriptCheck& check) {
  numbersByLine_.clear();
  for (const StepSpan& step : check.steps)
    numbersByLine_[document()->findBlock(step.begin).blockNumber()].append(step.number);

  QList<QTextEdit::ExtraSelection> marks;
  failingNumber_ = 0;
  if (check.failing) {
    failingNumber_ = check.failing->number;
    numbersByLine_[document()->findBlock(check.failing->begin).blockNumber()].append(failingNumber_);
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(document());
    mark.cursor.setPosition(check.failing->begin);
    mark.cursor.setPosition(std::max(check.failing->end, check.failing->begin + 1), QTextCursor::KeepAnchor);
    mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    mark.format.setUnderlineColor(ScriptTextBox::failingColour());
    mark.format.setBackground(QColor(0xff, 0xe5, 0xe5));
    marks.append(mark);
  }
  setExtraSelections(marks);
  fitMargin();
  margin_->update();
}

QWidget* ScriptTextBox::stepMargin() const { return margin_; }

QList<int> ScriptTextBox::stepNumbersOnLine(int line) const {
  const auto found = numbersByLine_.find(line);
  return found == numbersByLine_.end() ? QList<int>{} : found->second;
}

QString ScriptTextBox::marginText(int line) const {
  QStringList numbers;
  for (int number : stepNumbersOnLine(line)) numbers << QString::number(number);
  return numbers.join(u' ');
}

void ScriptTextBox::fitMargin() {
  int widest = fontMetrics().horizontalAdvance(QStringLiteral("45"));
  for (const auto& [line, numbers] : numbersByLine_)
    widest = std::max(widest, fontMetrics().horizontalAdvance(marginText(line)));
  const int width = widest + 2 * kMarginPadding;
  if (width == margin_->width() && viewportMargins().left() == width) return;
  setViewportMargins(width, 0, 0, 0);
  const QRect area = contentsRect();
  margin_->setGeometry(area.left(), area.top(), width, area.height());
}

void ScriptTextBox::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  const QRect area = contentsRect();
  margin_->setGeometry(area.left(), area.top(), margin_->width(), area.height());
}

void ScriptTextBox::paintMargin(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    const int height = qRound(blockBoundingRect(block).height());
    const QList<int> numbers = stepNumbersOnLine(block.blockNumber());
    if (!numbers.isEmpty() && block.isVisible()) {
      const bool failing = numbers.last() == failingNumber_;
      painter.setPen(failing ? ScriptTextBox::failingColour() : palette().color(QPalette::PlaceholderText));
      painter.drawText(0, top, margin_->width() - kMarginPadding, fontMetrics().height(), Qt::AlignRight,
                       marginText(block.blockNumber()));
    }
    block = block.next();
    top += height;
  }
}

}  // namespace strikepad
