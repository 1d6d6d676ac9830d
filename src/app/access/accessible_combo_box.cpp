// Combo boxes presented by name: see accessible_combo_box.h.
#include "app/access/accessible_combo_box.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace qmoor {

namespace {

class NamedComboBox : public QAccessibleWidget {
 public:
  explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return value();
    const QString named = QAccessibleWidget::text(kind);
    return kind == QAccessible::Name && named.isEmpty() ? value() : named;
  }

 private:
  QString value() const {
    const auto* box = static_cast<const QComboBox*>(widget());
    return box->isEditable() ? box->lineEdit()->text() : box->currentText();
  }
};

}  // namespace

QAccessibleInterface* comboBoxByName(const QString& className, QObject* object) {
  auto* box = className == QLatin1String("QComboBox") ? qobject_cast<QComboBox*>(object) : nullptr;
  return box ? new NamedComboBox(box) : nullptr;
}

}  // namespace qmoor
