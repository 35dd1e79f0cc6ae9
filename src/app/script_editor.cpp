#include "app/script_editor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <memory>

#include "app/keyword_palette.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/script_check.h"
#include "app/script_highlighter.h"
#include "app/script_text_box.h"
#include "app/step_timeline.h"
#include "combo/combo_steps.h"
#include "combo/script_printer.h"
#include "combo/script_warnings.h"

namespace strikepad {

namespace {

QLabel* usageLine(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QToolButton* barButton(QAction* action, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setDefaultAction(action);
  button->setFocusPolicy(Qt::NoFocus);  // the keys reach every action from the timeline itself
  return button;
}

// The timeline's scroll area asks for no more height than its least, the header and a few
// lanes: the rest scrolls under the header, and the editor fits a small screen.
class TimelineArea final : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override { return QScrollArea::sizeHint().boundedTo({QWIDGETSIZE_MAX, minimumHeight()}); }
};

// The text as the box holds it: line ends are single line feeds there.
QString printed(const ComboBlock& block) { return toQString(printScript(block)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

// Whether the text has a field's end at `position`: a space, a line end, or the text's end.
bool fieldEndsAt(const QTextDocument& text, int position) {
  const QChar c = text.characterAt(position);
  return c.isNull() || c == u' ' || c == QChar::ParagraphSeparator;
}

// Where line `line` (from 0) of `text` starts, or the text's end.
int lineStart(const QString& text, int line) {
  int at = 0;
  for (int k = 0; k < line && at >= 0; ++k) at = text.indexOf(u'\n', at) + 1;
  return at > 0 || line == 0 ? at : static_cast<int>(text.size());
}

}  // namespace

ScriptEditor::ScriptEditor(ComboBlock& block, QWidget* parent)
    : QDialog(parent),
      block_(block),
      original_(block),
      text_(new ScriptTextBox(this)),
      highlighter_(new ScriptHighlighter(text_->document())),
      status_(new QLabel(this)),
      palette_(new KeywordPalette(this)),
      timeline_(new StepTimeline(this)),
      stepCount_(new QLabel(this)),
      undo_(new QUndoStack(this)),
      ok_(new QPushButton(tr("OK"), this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
  setWindowTitle(QStringLiteral("Dialog"));
  setSizeGripEnabled(true);
  text_->setObjectName("scriptText");
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setPlainText(printed(block));
  recorded_ = {text_->toPlainText(), 0};
  text_->setMinimumSize(text_->fontMetrics().averageCharWidth() * 60, text_->fontMetrics().lineSpacing() * 10);
  status_->setObjectName("scriptStatus");
  status_->setTextFormat(Qt::PlainText);
  stepCount_->setObjectName("stepCount");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &ScriptEditor::parseAndClose);
  connect(cancel_, &QPushButton::clicked, this, &ScriptEditor::reject);
  connect(text_, &QPlainTextEdit::textChanged, this, &ScriptEditor::textChanged);
  connect(palette_, &KeywordPalette::picked, this, &ScriptEditor::insertKeyword);
  connect(timeline_, &StepTimeline::edited, this, &ScriptEditor::recordTimelineEdit);
  connect(timeline_, &StepTimeline::refused, status_, &QLabel::setText);
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
    connect(new QShortcut(keys, this), &QShortcut::activated, ok_, &QPushButton::click);

  auto* timelineArea = new TimelineArea(this);
  timelineArea->setWidget(timeline_);
  timelineArea->setWidgetResizable(true);
  timelineArea->setFocusPolicy(Qt::NoFocus);
  timelineArea->setMinimumHeight(text_->fontMetrics().lineSpacing() * 12);
  connect(timeline_, &StepTimeline::currentCellMoved, timelineArea, [timelineArea](const QRect& cell) {
    timelineArea->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2 + 4, cell.height() / 2 + 4);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(usageLine(QStringLiteral("Usage: [time],[key]/[analog key] [value]],......"), this));
  layout->addWidget(usageLine(QStringLiteral("time:the state of these keys will be hold  within this time"), this));
  layout->addWidget(usageLine(QStringLiteral("key: up,down,left,right,triangular,circle,cross,square,l1,l2,l3,r1,r2,r3,"
                                             "select,start\nanalog key:lx,ly,rx,ry\nvalue:from -127 to 127"),
                              this));
  layout->addWidget(usageLine(QStringLiteral("example:100 down rx -127 square cross"), this));
  auto* units = usageLine(tr("One line is one step: its hold time, in the adapter's own unit (0 to 65535), then "
                             "the key words held for that time."),
                          this);
  units->setObjectName("scriptUnits");
  layout->addWidget(units);
  auto* textRow = new QHBoxLayout;
  textRow->addWidget(text_, 1);
  textRow->addWidget(palette_);
  layout->addLayout(textRow, 1);
  layout->addWidget(status_);
  layout->addLayout(buildTimelineBar());
  layout->addWidget(timelineArea, 2);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(ok_);
  buttonRow->addWidget(cancel_);
  buttonRow->addStretch();
  layout->addLayout(buttonRow);
  setTabOrder(text_, timeline_);
  setTabOrder(timeline_, ok_);
  setTabOrder(ok_, cancel_);
  // Wide enough for the timeline of a short combo, within the screen.
  resize(sizeHint().expandedTo(QSize(820, 0)).boundedTo(screen()->availableGeometry().size()));
  text_->setFocus();
  checkAsTyped();
}

// An undo or redo action whose text stays short; its tooltip names the edit.
QAction* ScriptEditor::historyAction(const QString& text, QKeySequence::StandardKey keys, bool undo) {
  auto* action = new QAction(text, this);
  action->setShortcuts(keys);
  action->setEnabled(false);
  addAction(action);
  connect(action, &QAction::triggered, undo_, undo ? &QUndoStack::undo : &QUndoStack::redo);
  connect(undo_, undo ? &QUndoStack::canUndoChanged : &QUndoStack::canRedoChanged, action, &QAction::setEnabled);
  connect(undo_, undo ? &QUndoStack::undoTextChanged : &QUndoStack::redoTextChanged, action,
          [action, text](const QString& what) { action->setToolTip(what.isEmpty() ? text : text + u' ' + what); });
  return action;
}

QLayout* ScriptEditor::buildTimelineBar() {
  QAction* undo = historyAction(tr("Undo"), QKeySequence::Undo, true);
  QAction* redo = historyAction(tr("Redo"), QKeySequence::Redo, false);

  auto* bar = new QHBoxLayout;
  for (QAction* action : {undo, redo}) bar->addWidget(barButton(action, this));
  bar->addSpacing(fontMetrics().averageCharWidth() * 2);
  for (QAction* action : timeline_->stepActions()) bar->addWidget(barButton(action, this));
  bar->addStretch();
  bar->addWidget(stepCount_);
  offerHistoryInTextMenu(undo, redo);
  return bar;
}

// The text box's own menu, with the editor's undo and redo in place of the box's, which has none.
void ScriptEditor::offerHistoryInTextMenu(QAction* undo, QAction* redo) {
  text_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(text_, &QWidget::customContextMenuRequested, this, [this, undo, redo](const QPoint& at) {
    const std::unique_ptr<QMenu> menu(text_->createStandardContextMenu(at));
    for (QAction* own : menu->actions()) {
      QAction* history = own->objectName() == u"edit-undo" ? undo : own->objectName() == u"edit-redo" ? redo : nullptr;
      if (!history) continue;
      menu->insertAction(own, history);
      menu->removeAction(own);
    }
    menu->exec(text_->viewport()->mapToGlobal(at));
  });
}

QPlainTextEdit* ScriptEditor::textBox() const { return text_; }

void ScriptEditor::textChanged() {
  const ScriptText now{text_->toPlainText(), text_->textCursor().position()};
  if (!applying_ && now.text != recorded_.text) {
    const auto apply = [this](const ScriptText& text) { applyText(text); };
    undo_->push(inserting_ ? ScriptTextChange::inserted(apply, recorded_, now, *inserting_)
                           : ScriptTextChange::typed(apply, recorded_, now, text_->textCursor().blockNumber()));
    recorded_ = now;
  }
  checkAsTyped();
}

// The word goes in as a field of its own: a space parts it from its neighbours on the line,
// and an empty line gets a hold time first, so that the line stays a step.
void ScriptEditor::insertKeyword(const QString& word, bool isAxis) {
  QTextCursor cursor = text_->textCursor();
  const QTextDocument& text = *text_->document();
  const int start = cursor.selectionStart();
  QString before;
  if (!cursor.hasSelection() && cursor.block().text().isEmpty()) {
    before = QString::number(kNewStepTime) + u' ';
  } else if (start > cursor.block().position() && !fieldEndsAt(text, start - 1)) {
    before = QStringLiteral(" ");
  }
  const QString value = isAxis ? QString::number(KeywordPalette::kAxisValue) : QString();
  const QString after = fieldEndsAt(text, cursor.selectionEnd()) ? QString() : QStringLiteral(" ");
  inserting_ = tr("Insert %1").arg(word);
  cursor.insertText(before + word + (isAxis ? u' ' + value : QString()) + after);
  inserting_.reset();
  if (isAxis) {
    const int valueEnd = cursor.position() - static_cast<int>(after.size());
    cursor.setPosition(valueEnd - static_cast<int>(value.size()));
    cursor.setPosition(valueEnd, QTextCursor::KeepAnchor);
  }
  text_->setTextCursor(cursor);
  text_->setFocus();
}

void ScriptEditor::checkAsTyped() {
  const ScriptCheck check = checkScript(text_->toPlainText(), original_);
  std::vector<int> timeStarts;
  for (const StepSpan& step : check.steps) timeStarts.push_back(step.begin);
  if (check.failing) timeStarts.push_back(check.failing->begin);
  highlighter_->setTimeStarts(std::move(timeStarts));
  text_->showCheck(check);
  status_->setText(statusText(check));
  QPalette palette = status_->palette();
  palette.setColor(QPalette::WindowText, check.failing ? ScriptTextBox::failingColour() : this->palette().color(QPalette::WindowText));
  status_->setPalette(palette);
  if (check.block) {
    timeline_->showBlock(*check.block);
  } else {
    timeline_->showStale();
  }
  stepCount_->setText(tr("%1 / %2 steps").arg(timeline_->stepCount()).arg(kStepCount));
}

void ScriptEditor::recordTimelineEdit(const ComboBlock& block, const QString& what) {
  const QString text = printed(block);
  const ScriptText after{text, lineStart(text, timeline_->currentStep())};
  undo_->push(ScriptTextChange::fromTimeline([this](const ScriptText& shown) { applyText(shown); }, recorded_, after, what));
}

void ScriptEditor::applyText(const ScriptText& text) {
  recorded_ = text;
  applying_ = true;
  QTextCursor all(text_->document());
  all.select(QTextCursor::Document);
  all.insertText(text.text);
  applying_ = false;
  QTextCursor cursor = text_->textCursor();
  cursor.setPosition(std::min(text.cursor, static_cast<int>(text.text.size())));
  text_->setTextCursor(cursor);
}

void ScriptEditor::reject() {
  if (!undo_->isClean() && !askYesNo(this, tr("The script has changed. Close the editor and discard the changes?")))
    return;
  QDialog::reject();
}

void ScriptEditor::parseAndClose() {
  const ScriptCheck check = checkScript(text_->toPlainText(), original_);
  if (!check.block) {
    showMessage(this, check.message);
    return;
  }
  if (!check.warnings.empty() &&
      !askYesNo(this, toQString(storeWithWarningsQuestion(check.warnings))))
    return;
  block_ = *check.block;
  accept();
}

}  // namespace strikepad
