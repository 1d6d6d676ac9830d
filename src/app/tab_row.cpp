// TabRow: see tab_row.h.
#include "app/tab_row.h"

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

}  // namespace qmoor
