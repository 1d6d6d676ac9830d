// PickKeys: see pick_keys.h.
#include "app/access/pick_keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace qmoor {

PickKeys::PickKeys(QWidget* target) : QObject(target), target_(target) { target->installEventFilter(this); }

bool PickKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != target_ || event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  emit picked();
  return true;
}

}  // namespace qmoor
