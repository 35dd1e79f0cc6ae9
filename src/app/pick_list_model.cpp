#include "app/pick_list_model.h"

#include <utility>

#include "app/qt_text.h"

namespace strikepad {

int PickListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

QVariant PickListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shown_) return {};
  const Entry& shownEntry = entry(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return toQString(shownEntry.text);
    case Qt::UserRole:
      return shownEntry.id;
    default:
      return {};
  }
}

void PickListModel::append(std::string text, RecordId id) { entries_.push_back({std::move(text), id}); }

void PickListModel::showAppended() {
  if (shown_ == size()) return;
  beginInsertRows(QModelIndex(), shown_, size() - 1);
  shown_ = size();
  endInsertRows();
}

void PickListModel::remove(int row) {
  showAppended();
  beginRemoveRows(QModelIndex(), row, row);
  entries_.erase(entries_.begin() + row);
  --shown_;
  endRemoveRows();
}

void PickListModel::clear() {
  beginResetModel();
  entries_.clear();
  shown_ = 0;
  endResetModel();
}

}  // namespace strikepad
