// TabRow: see tab_row.h.
#include "app/tab_row.h"

#include <QAccessible>
#include <QEvent>

namespace qmoor {

QSize TabRow::tabSizeHint(int index) const {
  const QPair<QString, bool> key(tabText(index), index == currentIndex());
  auto found = sizes_.constFind(key);
  if (found == sizes_.constEnd()) found = sizes_.insert(key, QTabBar::tabSizeHint(index));
  return *found;
}

void TabRow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) sizes_.clear();
  QTabBar::changeEvent(event);
}

// Once the row itself is announced (Qt does that after this event), the focus
// moves on to the current tab, as when the current tab changes while the row
// has the focus.
void TabRow::focusInEvent(QFocusEvent* event) {
  QTabBar::focusInEvent(event);
  if (!QAccessible::isActive()) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!hasFocus() || currentIndex() < 0) return;
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentIndex());
        QAccessible::updateAccessibility(&focus);
      },
      Qt::QueuedConnection);
}

}  // namespace qmoor
