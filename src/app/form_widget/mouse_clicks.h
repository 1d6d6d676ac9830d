// MouseClicks: watches a widget for clicks (a press and a release of the left
// button inside it) and double clicks; the release that ends a double click
// is not a click of its own.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace qmoor {

class MouseClicks : public QObject {
  Q_OBJECT

 public:
  explicit MouseClicks(QWidget* target);  // watches target, and is deleted with it

 signals:
  void clicked(QPoint position);
  void doubleClicked(QPoint position);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* target_;
  bool pressed_ = false;
  bool endsDoubleClick_ = false;
};

}  // namespace qmoor
