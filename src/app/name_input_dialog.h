#pragma once
// The small dialog that asks for the name of a game, a character or a combo.

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace strikepad {

class NameInputDialog final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxTyped = 50;

  // The caption is the caller's; the initial text is shown whole and selected, even when it
  // is longer than the user may type.
  NameInputDialog(const QString& caption, const QString& initial, QWidget* parent = nullptr);

  // The field as it was when OK was pressed, unchanged; empty when the dialog was cancelled.
  QString result() const { return result_; }

  QLineEdit* field() const { return field_; }
  QPushButton* okButton() const { return ok_; }

  // Runs the dialog and returns result().
  static QString ask(const QString& caption, const QString& initial, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void confirm();

  QLineEdit* field_;
  QPushButton* ok_;
  QString result_;
};

}  // namespace strikepad
