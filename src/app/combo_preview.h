#pragma once
// What hovering over a combo in the combo list shows: the combo's script, as the printer
// writes it, and its timeline picture. The popup reads the combo's record from the store each
// time it is shown and keeps only what it displays; away from an entry the list's own
// tooltip shows, and the popup's footer repeats it.

#include <QFrame>
#include <QPersistentModelIndex>
#include <QPointer>
#include <cstdint>
#include <vector>

class QLabel;
class QListView;

namespace strikepad {

class Catalogue;

inline constexpr const char* kNoComboData = "(no data)";

class ComboPreview final : public QFrame {
  Q_OBJECT

 public:
  // A popup of its own beside the pointer; `footer` is shown at its foot.
  ComboPreview(const QString& footer, QWidget* parent);

  // Shows combo `name` whose stored `data` field holds these bytes, near `globalPosition`.
  void showCombo(const QString& name, const std::vector<std::uint8_t>& data, const QPoint& globalPosition);

  QString title() const;
  // The printed script as shown: line ends as "\n", none after the last line; "(no data)"
  // for an empty data field.
  QString scriptText() const;
  bool hasTimeline() const;
  QString footer() const;

 private:
  void placeNear(const QPoint& globalPosition);

  QLabel* title_;
  QLabel* script_;
  QLabel* timeline_;
  QLabel* footer_;
};

// Shows the preview of the combo under the pointer where the list would show a tooltip, and
// hides it when the pointer leaves that entry or the user clicks, scrolls or types.
class ComboHoverPreview final : public QObject {
  Q_OBJECT

 public:
  ComboHoverPreview(QListView& list, Catalogue& catalogue, const QString& footer);

  ComboPreview* popup() const { return popup_; }
  // The row whose preview is showing, -1 when none is.
  int shownRow() const { return shown_.isValid() ? shown_.row() : -1; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool showFor(const QModelIndex& row, const QPoint& globalPosition);
  void hide();

  QListView& list_;
  Catalogue& catalogue_;
  QPointer<ComboPreview> popup_;
  QPersistentModelIndex shown_;  // invalid once its entry is gone
};

}  // namespace strikepad
