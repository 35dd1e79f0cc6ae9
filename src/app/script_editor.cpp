#include "app/script_editor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/script_check.h"
#include "app/script_highlighter.h"
#include "app/script_text_box.h"
#include "combo/script_parser.h"
#include "combo/script_printer.h"

namespace strikepad {

namespace {

QLabel* usageLine(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

ScriptEditor::ScriptEditor(ComboBlock& block, QWidget* parent)
    : QDialog(parent),
      block_(block),
      text_(new ScriptTextBox(this)),
      highlighter_(new ScriptHighlighter(text_->document())),
      status_(new QLabel(this)),
      ok_(new QPushButton(tr("OK"), this)) {
  setWindowTitle(QStringLiteral("Dialog"));
  text_->setObjectName("scriptText");
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setPlainText(toQString(printScript(block)));
  text_->setMinimumSize(text_->fontMetrics().averageCharWidth() * 60, text_->fontMetrics().lineSpacing() * 10);
  status_->setObjectName("scriptStatus");
  status_->setTextFormat(Qt::PlainText);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &ScriptEditor::parseAndClose);
  connect(text_, &QPlainTextEdit::textChanged, this, &ScriptEditor::checkAsTyped);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(usageLine(QStringLiteral("Usage: [time],[key]/[analog key] [value]],......"), this));
  layout->addWidget(usageLine(QStringLiteral("time:the state of these keys will be hold  within this time"), this));
  layout->addWidget(usageLine(QStringLiteral("key: up,down,left,right,triangular,circle,cross,square,l1,l2,l3,r1,r2,r3,"
                                             "select,start\nanalog key:lx,ly,rx,ry\nvalue:from -127 to 127"),
                              this));
  layout->addWidget(usageLine(QStringLiteral("example:100 down rx -127 square cross"), this));
  layout->addWidget(text_, 1);
  layout->addWidget(status_);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(ok_);
  buttonRow->addStretch();
  layout->addLayout(buttonRow);
  text_->setFocus();
  checkAsTyped();
}

QPlainTextEdit* ScriptEditor::textBox() const { return text_; }

void ScriptEditor::checkAsTyped() {
  const ScriptCheck check = checkScript(text_->toPlainText());
  std::vector<int> timeStarts;
  for (const StepSpan& step : check.steps) timeStarts.push_back(step.begin);
  if (check.failing) timeStarts.push_back(check.failing->begin);
  highlighter_->setTimeStarts(std::move(timeStarts));
  text_->showCheck(check);
  status_->setText(statusText(check));
  QPalette palette = status_->palette();
  palette.setColor(QPalette::WindowText, check.failing ? ScriptTextBox::failingColour() : this->palette().color(QPalette::WindowText));
  status_->setPalette(palette);
}

void ScriptEditor::parseAndClose() {
  const ParseResult parsed = parseScript(toStdString(text_->toPlainText()));
  if (!parsed.ok()) {
    showMessage(this, toQString(parsed.message));
    return;
  }
  if (!parsed.warnings.empty() &&
      !askYesNo(this, tr("%1\n\nStore the combo with these values?").arg(warningLines(parsed.warnings))))
    return;
  block_ = *parsed.block;
  accept();
}

}  // namespace strikepad
