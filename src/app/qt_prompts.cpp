#include "app/qt_prompts.h"

#include <QFileDialog>
#include <QStringList>

#include "app/message_boxes.h"
#include "app/name_input_dialog.h"
#include "app/qt_text.h"
#include "app/script_editor.h"

namespace strikepad {

QString toQtFileFilter(const std::string& filter) {
  const QStringList parts = toQString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(';', ' ');
    if (description.isEmpty()) continue;
    // Qt reads the patterns from the description's last parentheses; add them when it has none.
    filters << (description.endsWith(')') ? description : description + " (" + patterns + ")");
  }
  return filters.join(";;");
}

namespace {

// "*.SPK" -> "SPK"
QString suffixOf(const std::string& defaultExtension) {
  QString suffix = toQString(defaultExtension);
  return suffix.mid(suffix.lastIndexOf('.') + 1);
}

}  // namespace

void QtPrompts::notice(const std::string& text) { showMessage(window_, toQString(text)); }

void QtPrompts::warning(const std::string& text) { showMessage(window_, toQString(text), QMessageBox::Warning); }

bool QtPrompts::ask(const std::string& text, const std::string& caption) {
  return askYesNo(window_, toQString(text), toQString(caption));
}

std::string QtPrompts::askName(const std::string& caption, const std::string& initial) {
  return toStdString(NameInputDialog::ask(toQString(caption), toQString(initial), window_));
}

std::string QtPrompts::chooseOpenFile(const FileFilter& filter) {
  return toStdString(QFileDialog::getOpenFileName(window_, {}, {}, toQtFileFilter(filter.filter)));
}

std::string QtPrompts::chooseSaveFile(const FileFilter& filter) {
  QFileDialog dialog(window_, {}, {}, toQtFileFilter(filter.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffixOf(filter.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return toStdString(dialog.selectedFiles().first());
}

bool QtPrompts::editScript(ComboBlock& block) {
  ScriptEditor editor(block, window_);
  return editor.exec() == QDialog::Accepted;
}

void QtPrompts::setTitle(const std::string& title) {
  if (window_) window_->setWindowTitle(toQString(title));
}

}  // namespace strikepad
