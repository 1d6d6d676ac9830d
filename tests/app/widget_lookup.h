// What the window tests share for finding their way around a window: a widget
// by the name or description a screen reader reads for it, the texts of a
// model's column, and answering the next modal window.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

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

// Works the next modal window that opens with answer, from within its own
// event loop, made the active window first; answered tells when it has run.
inline void whenModal(const std::function<void(QWidget*)>& answer, bool& answered) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, answer, &answered] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    QApplication::setActiveWindow(modal);
    answer(modal);
    answered = true;
  });
  poll->start(10);
}

}  // namespace qmoor
