#pragma once
// The line under the lists that says what to do next while the window has nothing to show:
// how to make or open a catalogue (naming the file start-up tried) when none opened, and
// which list to right-click when the catalogue, the game or the character holds nothing yet.
// It follows the entries the lists show, and hides once every list has some.

#include <QKeySequence>
#include <QLabel>
#include <filesystem>

class QAbstractItemModel;

namespace strikepad {

class NextStepHint final : public QLabel {
  Q_OBJECT

 public:
  // Follows the models of the three lists, as set when the hint is made; `newComboKey` types
  // a new combo as a script.
  NextStepHint(const QAbstractItemModel& games, const QAbstractItemModel& characters,
               const QAbstractItemModel& combos, const QKeySequence& newComboKey, QWidget* parent);

  // What start-up found: the catalogue file it tried, and whether it opened. Until then the
  // hint says nothing.
  void setCatalogue(const std::filesystem::path& file, bool open);

 private:
  void follow(const QAbstractItemModel& list);
  void refresh();
  QString nextStep() const;

  const QAbstractItemModel& games_;
  const QAbstractItemModel& characters_;
  const QAbstractItemModel& combos_;
  QKeySequence newComboKey_;
  enum class Catalogue { NotTried, Open, Missing, Unopened } catalogue_ = Catalogue::NotTried;
  QString file_;
};

}  // namespace strikepad
