// UpDownWidget: the up-down control, two arrow buttons at the right edge of
// its buddy edit; the Up and Down keys in the buddy act as the arrows. A
// screen reader meets it as a spin button whose value is the buddy's text.
#pragma once

#include <QWidget>

class QAccessibleInterface;
class QLineEdit;
class QToolButton;

namespace qmoor {

// A factory for QAccessible::installFactory: up-downs read as spin buttons.
QAccessibleInterface* upDownAsSpinButton(const QString& className, QObject* object);

class UpDownWidget : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownWidget(QWidget* parent = nullptr);
  void setBuddy(QLineEdit* buddy);
  QLineEdit* buddy() const { return buddy_; }
  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

 signals:
  void steppedUp();
  void steppedDown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void nameArrows();  // for screen readers, in the display language

  QToolButton* up_;
  QToolButton* down_;
  QLineEdit* buddy_ = nullptr;
};

}  // namespace qmoor
