#include "app/next_step_hint.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFileInfo>

namespace strikepad {

NextStepHint::NextStepHint(const QAbstractItemModel& games, const QAbstractItemModel& characters,
                           const QAbstractItemModel& combos, const QKeySequence& newComboKey, QWidget* parent)
    : QLabel(parent), games_(games), characters_(characters), combos_(combos), newComboKey_(newComboKey) {
  setObjectName("nextStepHint");
  setTextFormat(Qt::PlainText);  // a file name is shown as it is
  setWordWrap(true);
  hide();
  for (const QAbstractItemModel* list : {&games_, &characters_, &combos_}) follow(*list);
}

void NextStepHint::follow(const QAbstractItemModel& list) {
  connect(&list, &QAbstractItemModel::rowsInserted, this, &NextStepHint::refresh);
  connect(&list, &QAbstractItemModel::rowsRemoved, this, &NextStepHint::refresh);
  connect(&list, &QAbstractItemModel::modelReset, this, &NextStepHint::refresh);
}

void NextStepHint::setCatalogue(const std::filesystem::path& file, bool open) {
  const QFileInfo tried(file);
  file_ = QDir::toNativeSeparators(tried.absoluteFilePath());
  catalogue_ = open ? Catalogue::Open : tried.exists() ? Catalogue::Unopened : Catalogue::Missing;
  refresh();
}

void NextStepHint::refresh() {
  const QString step = nextStep();
  setText(step);
  setVisible(!step.isEmpty());
}

QString NextStepHint::nextStep() const {
  switch (catalogue_) {
    case Catalogue::NotTried: return {};
    case Catalogue::Missing:
      return tr("No catalogue at %1. Right-click the window for \u201cNew catalogue\u2026\u201d or \u201cOpen "
                "catalogue\u2026\u201d, or run \u201cstrikepad-cli init\u201d in that folder to make an empty one.")
          .arg(file_);
    case Catalogue::Unopened:
      return tr("The catalogue %1 did not open; the message said why. Right-click the window to open another "
                "catalogue, or start strikepad again once that is fixed.")
          .arg(file_);
    case Catalogue::Open: break;
  }
  if (games_.rowCount() == 0)
    return tr("The catalogue is empty: right-click the game list to add a game, or drop an .SPK file on the "
              "window to import one.");
  if (characters_.rowCount() == 0)
    return tr("This game has no characters yet: right-click the character list to add one.");
  if (combos_.rowCount() == 0)
    return tr("This character has no combos yet: right-click the combo list to add one from the adapter's "
              "slot, or press %1 to type one as a script.")
        .arg(newComboKey_.toString(QKeySequence::NativeText));
  return {};
}

}  // namespace strikepad
