#include "store/tables/catalogue_tables.h"

#include <algorithm>

namespace strikepad {

namespace {

template <typename Each>
std::string joined(const CatalogueTable& table, Each each) {
  std::string list;
  for (const TableColumn& column : table.columns) list += (list.empty() ? "" : ", ") + std::string(each(column));
  return list;
}

}  // namespace

const CatalogueTable& tableOfLevel(int level) { return *kCatalogueTables.at(static_cast<std::size_t>(level - 1)); }

std::string createStatement(const CatalogueTable& table) {
  return std::string("create table ") + table.name + "(" +
         joined(table, [](const TableColumn& column) { return std::string(column.name) + " " + column.declaration; }) +
         ")";
}

std::string columnList(const CatalogueTable& table) {
  return joined(table, [](const TableColumn& column) { return column.name; });
}

std::string historyColumnList(const CatalogueTable& table) {
  return joined(table, [](const TableColumn& column) { return column.historyColumn; });
}

std::vector<std::string> historyValueColumns() {
  // The parent's id first, where the history has always kept it.
  std::vector<std::string> columns{kHistoryParentId};
  for (const CatalogueTable* table : kCatalogueTables)
    for (const TableColumn& column : table->columns)
      if (column.historyColumn != std::string(kHistoryRecordId) &&
          std::ranges::find(columns, column.historyColumn) == columns.end())
        columns.emplace_back(column.historyColumn);
  return columns;
}

}  // namespace strikepad
