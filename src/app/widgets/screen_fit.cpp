// Windows whole on screen: see screen_fit.h.
#include "app/widgets/screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace qmoor {
namespace {

QMargins frameMargins(const QWidget& window) {
  const QRect client = window.geometry();
  const QRect frame = window.frameGeometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

}  // namespace

void fitToScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  const QMargins frame = frameMargins(window);
  const QRect fitted = fittedClient(window.geometry(), frame, screen->availableGeometry());
  if (fitted.size() != window.size()) window.resize(fitted.size());
  const QPoint framedCorner = fitted.topLeft() - QPoint(frame.left(), frame.top());
  if (framedCorner != window.frameGeometry().topLeft()) window.move(framedCorner);  // move() places the frame
}

namespace {

// Fits its window again when it is shown and when its frame first becomes
// known, never afterwards: a window the user moves stays where it is put.
class FrameWatch : public QObject {
 public:
  explicit FrameWatch(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    if (event->type() == QEvent::Show) {
      framed_ = !frameMargins(*window_).isNull();
      fitToScreen(*window_);
    } else if (!framed_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
               !frameMargins(*window_).isNull()) {
      framed_ = true;
      fitToScreen(*window_);
    }
    return false;
  }

 private:
  QWidget* window_;
  bool framed_ = false;
};

}  // namespace

QRect fittedClient(const QRect& client, const QMargins& frame, const QRect& area) {
  const QSize room = area.marginsRemoved(frame).size();
  const QSize size = client.size().boundedTo(room.expandedTo(QSize(1, 1)));
  const QRect framed = QRect(client.topLeft(), size).marginsAdded(frame);
  const int left = std::max(area.left(), std::min(framed.left(), area.right() + 1 - framed.width()));
  const int top = std::max(area.top(), std::min(framed.top(), area.bottom() + 1 - framed.height()));
  return QRect(QPoint(left + frame.left(), top + frame.top()), size);
}

void keepWholeOnScreen(QWidget& window) { new FrameWatch(&window); }

}  // namespace qmoor
