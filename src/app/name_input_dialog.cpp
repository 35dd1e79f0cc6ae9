#include "app/name_input_dialog.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "app/caption_width.h"

namespace strikepad {

namespace {

// QLineEdit::setMaxLength would cut a longer initial text. This limit only refuses edits that
// make the text longer than the limit allows, so a long initial name stays whole and can
// still be shortened or replaced.
class TypingLimit final : public QValidator {
 public:
  TypingLimit(QLineEdit& field, int limit) : QValidator(&field), limit_(limit), length_(field.text().size()) {
    // The field already holds the edited text when it asks; the length before the edit is
    // the one it last showed.
    connect(&field, &QLineEdit::textChanged, this, [this](const QString& text) { length_ = text.size(); });
  }

  State validate(QString& input, int&) const override {
    return input.size() > length_ && input.size() > limit_ ? Invalid : Acceptable;
  }

 private:
  int limit_;
  qsizetype length_;
};

}  // namespace

NameInputDialog::NameInputDialog(const QString& caption, const QString& initial, QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(initial, this)), ok_(new QPushButton(tr("OK"), this)) {
  setWindowTitle(caption);
  field_->setObjectName("nameField");
  field_->setValidator(new TypingLimit(*field_, kMaxTyped));  // owned by the field
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &NameInputDialog::confirm);

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(ok_);
  buttonRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(field_);
  layout->addLayout(buttonRow);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // The field sets the dialog's width: room for a name, and for the whole caption above it.
  const QMargins margins = layout->contentsMargins();
  field_->setMinimumWidth(std::max(field_->fontMetrics().averageCharWidth() * 36,
                                   captionWidth(caption) - margins.left() - margins.right()));
}

void NameInputDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  field_->selectAll();
  field_->setFocus(Qt::OtherFocusReason);
}

void NameInputDialog::confirm() {
  result_ = field_->text();
  accept();
}

QString NameInputDialog::ask(const QString& caption, const QString& initial, QWidget* parent) {
  NameInputDialog dialog(caption, initial, parent);
  dialog.exec();
  return dialog.result();
}

}  // namespace strikepad
