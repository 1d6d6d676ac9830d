// The input guards: see input_guards.h.
#include "app/form_widget/input_guards.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QSignalBlocker>

namespace qmoor {

namespace {

class FocusKeepsSelection : public QObject {
 public:
  explicit FocusKeepsSelection(QAbstractItemView* view) : QObject(view), view_(view) { view->installEventFilter(this); }

 protected:
  // The view takes the focus event itself, silenced, and whatever current
  // row it chose is put back.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != view_ || event->type() != QEvent::FocusIn || !view_->selectionModel()) return false;
    QItemSelectionModel* selection = view_->selectionModel();
    const QPersistentModelIndex current = selection->currentIndex();
    const QSignalBlocker quietView(view_);
    const QSignalBlocker quietSelection(selection);
    static_cast<QObject*>(view_)->event(event);
    if (selection->currentIndex() != current) selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    return true;
  }

 private:
  QAbstractItemView* view_;
};

class WheelNeedsFocus : public QObject {
 public:
  explicit WheelNeedsFocus(QComboBox* box) : QObject(box), box_(box) { box->installEventFilter(this); }

 protected:
  // Ignored and filtered out, the wheel event goes on to the box's parent.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != box_ || event->type() != QEvent::Wheel || box_->hasFocus()) return false;
    event->ignore();
    return true;
  }

 private:
  QComboBox* box_;
};

}  // namespace

void keepSelectionOnFocus(QAbstractItemView* view) { new FocusKeepsSelection(view); }

void wheelOnlyWithFocus(QComboBox* box) { new WheelNeedsFocus(box); }

}  // namespace qmoor
