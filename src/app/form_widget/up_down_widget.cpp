// UpDownWidget: see up_down_widget.h.
#include "app/form_widget/up_down_widget.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace qmoor {

namespace {
QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  return button;
}

class SpinButton : public QAccessibleWidget {
 public:
  explicit SpinButton(UpDownWidget* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox) {}

  QString text(QAccessible::Text kind) const override {
    const QLineEdit* buddy = static_cast<UpDownWidget*>(widget())->buddy();
    return kind == QAccessible::Value ? (buddy ? buddy->text() : QString()) : QAccessibleWidget::text(kind);
  }
};
}  // namespace

QAccessibleInterface* upDownAsSpinButton(const QString& className, QObject* object) {
  return className == QLatin1String("qmoor::UpDownWidget") ? new SpinButton(static_cast<UpDownWidget*>(object)) : nullptr;
}

UpDownWidget::UpDownWidget(QWidget* parent)
    : QWidget(parent), up_(arrowButton(Qt::UpArrow, this)), down_(arrowButton(Qt::DownArrow, this)) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  nameArrows();
  column->addWidget(up_);
  column->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, &UpDownWidget::steppedUp);
  connect(down_, &QToolButton::clicked, this, &UpDownWidget::steppedDown);
}

void UpDownWidget::setBuddy(QLineEdit* buddy) {
  if (buddy_) buddy_->removeEventFilter(this);
  buddy_ = buddy;
  if (buddy_) buddy_->installEventFilter(this);
}

void UpDownWidget::nameArrows() {
  up_->setAccessibleName(tr("増やす"));
  down_->setAccessibleName(tr("減らす"));
}

void UpDownWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) nameArrows();
  QWidget::changeEvent(event);
}

bool UpDownWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched != buddy_ || event->type() != QEvent::KeyPress || !isEnabled()) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Up) emit steppedUp();
  else if (key == Qt::Key_Down) emit steppedDown();
  else return false;
  return true;
}

}  // namespace qmoor
