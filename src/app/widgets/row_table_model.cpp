// RowTableModel: see row_table_model.h.
#include "app/widgets/row_table_model.h"

#include "app/tools/tool_window.h"

namespace qmoor {

RowTableModel::RowTableModel(std::function<int()> rowCount, std::vector<TableColumn> columns, Sorter sorter,
                             QObject* parent)
    : QAbstractTableModel(parent),
      sourceRows_(std::move(rowCount)),
      columns_(std::move(columns)),
      sorter_(std::move(sorter)),
      rows_(sourceRows_()) {}

int RowTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int RowTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ || index.column() >= columnCount()) return {};
  const TableColumn& column = columns_[static_cast<size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:  // what a combo box's search matches
      return column.text(index.row());
    case Qt::ToolTipRole:
      return column.description ? column.description(index.row()) : column.text(index.row());
    case Qt::AccessibleDescriptionRole:
      return column.description ? column.description(index.row()) : QVariant();
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(column.alignment);
    case DemonRole: {
      const std::optional<DemonRef> demon = column.demon ? column.demon(index.row()) : std::nullopt;
      return demon ? demonData(*demon) : QVariant();
    }
    default:
      return {};
  }
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount()) return {};
  return columns_[static_cast<size_t>(section)].header();
}

void RowTableModel::sort(int column, Qt::SortOrder order) {
  beginResetModel();
  if (sorter_) sorter_(column < columnCount() ? column : -1, order);
  rows_ = sourceRows_();
  endResetModel();
}

void RowTableModel::refresh() {
  beginResetModel();
  rows_ = sourceRows_();
  endResetModel();
}

void RowTableModel::retranslate() {
  if (columnCount() == 0) return;
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
}

}  // namespace qmoor
