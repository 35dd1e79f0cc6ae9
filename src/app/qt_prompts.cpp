#include "app/qt_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
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
    // Qt reads the patterns from the description's last parentheses: the description's own
    // give way to the pair's patterns, set off by a space.
    QString description = parts[i];
    if (const qsizetype open = description.lastIndexOf('('); open >= 0 && description.endsWith(')'))
      description.truncate(open);
    description = description.trimmed();
    if (description.isEmpty()) continue;
    filters << description + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return filters.join(";;");
}

QString suggestedFileName(const QString& subject, const QString& suffix) {
  static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
  QString name = subject;
  for (QChar& c : name)
    if (c.category() == QChar::Other_Control || kForbidden.contains(c)) c = '_';
  return name + '.' + suffix;
}

QString FileDialogFolder::start() const { return folder_.isEmpty() ? QDir::homePath() : folder_; }

void FileDialogFolder::remember(const QString& chosenFile) {
  if (!chosenFile.isEmpty()) folder_ = QFileInfo(chosenFile).absolutePath();
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
  const QString file = QFileDialog::getOpenFileName(window_, {}, folder_.start(), toQtFileFilter(filter.filter));
  folder_.remember(file);
  return toStdString(file);
}

std::string QtPrompts::chooseSaveFile(const FileFilter& filter, const std::string& subject) {
  const QString suffix = suffixOf(filter.defaultExtension);
  QFileDialog dialog(window_, {}, folder_.start(), toQtFileFilter(filter.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  if (!subject.empty()) dialog.selectFile(suggestedFileName(toQString(subject), suffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString file = dialog.selectedFiles().first();
  folder_.remember(file);
  return toStdString(file);
}

bool QtPrompts::editScript(ComboBlock& block) {
  ScriptEditor editor(block, window_);
  return editor.exec() == QDialog::Accepted;
}

void QtPrompts::setTitle(const std::string& title) {
  if (window_) window_->setWindowTitle(toQString(title));
}

void QtPrompts::report(const std::string& text) {
  if (reportLine_) reportLine_(toQString(text));
}

}  // namespace strikepad
