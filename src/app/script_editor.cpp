#include "app/script_editor.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "combo/script_parser.h"
#include "combo/script_printer.h"

namespace strikepad {

LowerCaseTextEdit::LowerCaseTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);  // long lines scroll sideways, as the script is read by line
  setTabChangesFocus(true);
}

void LowerCaseTextEdit::keyPressEvent(QKeyEvent* event) {
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

void LowerCaseTextEdit::insertFromMimeData(const QMimeData* source) {
  if (source->hasText()) insertPlainText(source->text().toLower());
}

namespace {

QLabel* usageLine(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

ScriptEditor::ScriptEditor(ComboBlock& block, QWidget* parent)
    : QDialog(parent), block_(block), text_(new LowerCaseTextEdit(this)), ok_(new QPushButton(tr("OK"), this)) {
  setWindowTitle(QStringLiteral("Dialog"));
  text_->setObjectName("scriptText");
  text_->setPlainText(toQString(printScript(block)));
  text_->setMinimumSize(text_->fontMetrics().averageCharWidth() * 60, text_->fontMetrics().lineSpacing() * 10);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &ScriptEditor::parseAndClose);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(usageLine(QStringLiteral("Usage: [time],[key]/[analog key] [value]],......"), this));
  layout->addWidget(usageLine(QStringLiteral("time:the state of these keys will be hold  within this time"), this));
  layout->addWidget(usageLine(QStringLiteral("key: up,down,left,right,triangular,circle,cross,square,l1,l2,l3,r1,r2,r3,"
                                             "select,start\nanalog key:lx,ly,rx,ry\nvalue:from -127 to 127"),
                              this));
  layout->addWidget(usageLine(QStringLiteral("example:100 down rx -127 square cross"), this));
  layout->addWidget(text_, 1);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(ok_);
  buttonRow->addStretch();
  layout->addLayout(buttonRow);
  text_->setFocus();
}

void ScriptEditor::parseAndClose() {
  const ParseResult parsed = parseScript(toStdString(text_->toPlainText()));
  if (!parsed.ok()) {
    showMessage(this, toQString(parsed.message));
    return;
  }
  block_ = *parsed.block;
  accept();
}

}  // namespace strikepad
