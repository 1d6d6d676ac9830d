// PlainTextDelegate: draws the one-line text items of the form's lists and
// tables as Qt's own delegate does, laying each text out once instead of three
// times (measure, elide, draw): most of the cost of drawing a list.
#pragma once

#include <QStyledItemDelegate>

namespace qmoor {

class PlainTextDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace qmoor
