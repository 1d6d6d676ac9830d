// PickKeys: watches a widget for the keys that pick what holds the keyboard's
// attention, Space, Return and Enter without a modifier, and swallows them;
// the arrow keys stay the widget's own, to move without picking.
#pragma once

#include <QObject>

class QWidget;

namespace qmoor {

class PickKeys : public QObject {
  Q_OBJECT

 public:
  explicit PickKeys(QWidget* target);  // watches target, and is deleted with it

 signals:
  void picked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* target_;
};

}  // namespace qmoor
