#pragma once
// The entries of one catalogue list, for a combo box or a list view: each shows the record's
// name and carries its id in Qt::UserRole.
//
// The text is kept as the store gives it and turned into a QString only for the rows a view
// shows. Entries appended one after another are kept at the end of the entries and announced to
// the views together by showAppended(): a view told of each new row on its own spends more time on
// the news than on the rows, and a character may have a hundred thousand combos. Reads through
// entry() and size() see every entry, announced or not.

#include <QAbstractListModel>
#include <string>
#include <vector>

#include "flows/pick_list.h"

namespace strikepad {

class PickListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  struct Entry {
    std::string text;  // UTF-8
    RecordId id;
  };

  explicit PickListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  // The rows the views know of.
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  int size() const { return static_cast<int>(entries_.size()); }
  const Entry& entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }

  // Keeps the entry at the end, for the views once showAppended() runs.
  void append(std::string text, RecordId id);
  // Tells the views of every entry appended since the last call, in one insertion.
  void showAppended();
  void remove(int row);
  void clear();

 private:
  std::vector<Entry> entries_;
  int shown_ = 0;  // entries_[0, shown_) are the rows the views know of
};

}  // namespace strikepad
