// ListViewModel: see list_view_model.h.
#include "app/form_widget/list_view_model.h"

namespace qmoor {

namespace {
// A report view without columns shows no rows.
int rowsShown(const ListView& view) { return view.columns().empty() ? 0 : view.rowCount(); }
}  // namespace

ListViewModel::ListViewModel(const ListView& source, QObject* parent)
    : QAbstractTableModel(parent),
      source_(source),
      rows_(rowsShown(source)),
      columns_(static_cast<int>(source.columns().size())) {}

int ListViewModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ListViewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  // Until the next reset the source may hold fewer rows or columns than announced.
  if (!source_.isValidRow(index.row()) || index.column() >= static_cast<int>(source_.columns().size())) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(source_.cell(index.row(), index.column()));
  // The hot row (the material pair last picked) keeps a light tint of its own.
  if (role == Qt::BackgroundRole && index.row() == source_.hotRow()) return HotRowTint;
  return {};
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  if (section < 0 || section >= columns_ || section >= static_cast<int>(source_.columns().size())) return {};
  return QString::fromStdString(source_.columns()[static_cast<size_t>(section)].header);
}

void ListViewModel::refresh() {
  beginResetModel();
  rows_ = rowsShown(source_);
  columns_ = static_cast<int>(source_.columns().size());
  endResetModel();
}

}  // namespace qmoor
