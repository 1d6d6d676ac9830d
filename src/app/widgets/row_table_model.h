// RowTableModel: the one Qt item model the tool windows show their pure
// models through. The rows stay where the pure model keeps them; a table of
// columns says how to read row i, and sorting asks the owner to reorder.
#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <vector>

#include "data/types.h"

namespace qmoor {

struct TableColumn {
  std::function<QString()> header;  // translated when called
  std::function<QVariant(int row)> text;
  // The demon the cell stands for, opened by the window's open-in-new-tab.
  std::function<std::optional<DemonRef>(int row)> demon = {};
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  // What the cell stands for, as its tooltip and its accessible description;
  // without it the tooltip repeats the text.
  std::function<QString(int row)> description = {};
};

class RowTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Reorders the owner's rows by a column (-1: the natural order); none for
  // rows that keep their one order.
  using Sorter = std::function<void(int column, Qt::SortOrder order)>;

  RowTableModel(std::function<int()> rowCount, std::vector<TableColumn> columns, Sorter sorter,
                QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  // The owner's rows changed: the table is read anew (a model reset).
  void refresh();
  // The language changed: the headers and every cell are read anew, the
  // rows and their order staying as they are.
  void retranslate();

 private:
  std::function<int()> sourceRows_;
  std::vector<TableColumn> columns_;
  Sorter sorter_;
  int rows_ = 0;  // announced at the last reset
};

}  // namespace qmoor
