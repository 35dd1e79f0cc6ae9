#pragma once
// The find box (Ctrl+F): a text field over the list of the games, characters and combos whose
// names hold the text, refreshed as the user types. Enter or a double click chooses a match;
// Escape closes the box. The box handles its own keys, so neither reaches the window, where
// they would end the program.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "operations/find_operations.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace strikepad {

class FindBox final : public QDialog {
  Q_OBJECT

 public:
  // What the box shows for a text; `more` adds a line that asks for more of the name.
  using Search = std::function<FindResult(const std::string& text)>;

  FindBox(Search search, QWidget* parent);

  // The match chosen; none when the box was closed without one.
  const std::optional<RecordPath>& chosen() const { return chosen_; }

  QLineEdit* field() const { return field_; }
  QListWidget* matches() const { return matches_; }
  QLabel* status() const { return status_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void showMatches(const QString& text);
  void choose(int row);

  Search search_;
  QLineEdit* field_;
  QListWidget* matches_;
  QLabel* status_;
  std::vector<RecordPath> paths_;  // of the rows of matches_
  std::optional<RecordPath> chosen_;
};

}  // namespace strikepad
