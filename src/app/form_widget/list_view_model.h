// ListViewModel: the one Qt item model over a list view's control model. A
// table view shows the control's columns and rows through it; nothing is copied.
#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "form/controls.h"

namespace qmoor {

class ListViewModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The background of the hot row, the light blue of a hover highlight.
  static inline const QColor HotRowTint{0xe5, 0xf1, 0xfb};

  explicit ListViewModel(const ListView& source, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The control model changed: the table is read anew (a model reset).
  void refresh();

 private:
  const ListView& source_;
  // The shape announced at the last reset; the source may change before the next one.
  int rows_ = 0;
  int columns_ = 0;
};

}  // namespace qmoor
