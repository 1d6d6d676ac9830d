// MouseClicks: see mouse_clicks.h.
#include "app/form_widget/mouse_clicks.h"

#include <QMouseEvent>
#include <QWidget>

namespace qmoor {

MouseClicks::MouseClicks(QWidget* target) : QObject(target), target_(target) { target->installEventFilter(this); }

bool MouseClicks::eventFilter(QObject* watched, QEvent* event) {
  if (watched != target_) return false;
  const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
  if (!mouse || mouse->button() != Qt::LeftButton) return false;
  const QPoint position = mouse->position().toPoint();
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      pressed_ = true;
      break;
    case QEvent::MouseButtonDblClick:
      pressed_ = false;
      endsDoubleClick_ = true;
      emit doubleClicked(position);
      break;
    case QEvent::MouseButtonRelease:
      if (pressed_ && !endsDoubleClick_ && target_->rect().contains(position)) emit clicked(position);
      pressed_ = false;
      endsDoubleClick_ = false;
      break;
    default:
      break;
  }
  return false;
}

}  // namespace qmoor
