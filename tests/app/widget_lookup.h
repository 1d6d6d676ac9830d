// What the window tests share for finding their way around a window: a widget
// by the name or description a screen reader reads for it, and the texts of a
// model's column.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QStringList>
#include <QWidget>

namespace qmoor {

template <typename W>
W* named(QWidget* window, const QString& accessibleName) {
  for (W* widget : window->findChildren<W*>())
    if (widget->accessibleName() == accessibleName || widget->accessibleDescription() == accessibleName) return widget;
  ADD_FAILURE() << "no widget named " << accessibleName.toStdString();
  return nullptr;
}

inline QStringList column(const QAbstractItemModel* model, int c) {
  QStringList texts;
  for (int r = 0; r < model->rowCount(); ++r) texts << model->index(r, c).data().toString();
  return texts;
}

}  // namespace qmoor
