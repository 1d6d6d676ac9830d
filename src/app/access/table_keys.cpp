// Arrow keys in a tool window's table: see table_keys.h.
#include "app/access/table_keys.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace qmoor {

namespace {

class FirstArrow : public QObject {
 public:
  explicit FirstArrow(QAbstractItemView* view) : QObject(view), view_(view) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != view_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool arrow = key->key() == Qt::Key_Down || key->key() == Qt::Key_Up || key->key() == Qt::Key_Left ||
                       key->key() == Qt::Key_Right;
    QItemSelectionModel* selection = view_->selectionModel();
    if (!arrow || key->modifiers() != Qt::NoModifier || !selection || selection->hasSelection()) return false;
    QModelIndex current = view_->currentIndex();
    if (!current.isValid()) current = view_->model()->index(0, 0);
    if (!current.isValid()) return false;
    // The current cell is set anew, not just chosen: the view announces a
    // cell to a screen reader only when it becomes current, and tabbing in
    // made it current without a word.
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    view_->setCurrentIndex(current);
    return true;
  }

 private:
  QAbstractItemView* view_;
};

}  // namespace

void chooseCurrentOnFirstArrow(QAbstractItemView* view) { view->installEventFilter(new FirstArrow(view)); }

}  // namespace qmoor
