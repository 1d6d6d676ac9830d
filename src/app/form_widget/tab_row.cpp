// TabRow: see tab_row.h.
#include "app/form_widget/tab_row.h"

#include <QAccessible>
#include <QEvent>
#include <QStyleOptionTab>

namespace qmoor {

QSize TabRow::tabSizeHint(int index) const {
  const QPair<QString, bool> key(tabText(index), index == currentIndex());
  auto found = sizes_.constFind(key);
  if (found == sizes_.constEnd()) found = sizes_.insert(key, QTabBar::tabSizeHint(index));
  return *found;
}

// Labels are never shortened, so the least size is the whole label's.
QSize TabRow::minimumTabSizeHint(int index) const {
  return elideMode() == Qt::ElideNone ? tabSizeHint(index) : QTabBar::minimumTabSizeHint(index);
}

// A tab wholly outside the row is not drawn: the painting reads only its
// place (and, for the mark of tabs cut off at an end, its shape and colours),
// so the measuring of its label is spared.
void TabRow::initStyleOption(QStyleOptionTab* option, int index) const {
  const QRect place = tabRect(index);
  const bool across = shape() == RoundedNorth || shape() == RoundedSouth || shape() == TriangularNorth ||
                      shape() == TriangularSouth;
  if (across ? place.right() >= 0 && place.left() <= width() : place.bottom() >= 0 && place.top() <= height()) {
    QTabBar::initStyleOption(option, index);
    return;
  }
  option->initFrom(this);
  option->rect = place;
  option->shape = shape();
  option->documentMode = documentMode();
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
