// The tab row presented by name: see accessible_tab_row.h.
#include "app/access/accessible_tab_row.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include "app/form_widget/tab_row.h"

namespace qmoor {

namespace {

// One tab of the row, by position: it reads whatever tab is at its index now.
class RowTab : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  RowTab(TabRow* row, int index) : row_(row), index_(index) {}

  bool isValid() const override { return row_ && index_ < row_->count(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(row_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text kind) const override {
    if (!isValid()) return {};
    if (kind == QAccessible::Name) {
      const QString name = row_->accessibleTabName(index_);
      return name.isEmpty() ? row_->tabText(index_) : name;
    }
    return kind == QAccessible::Description ? row_->tabToolTip(index_) : QString();
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const bool current = index_ == row_->currentIndex();
    state.focusable = row_->focusPolicy() != Qt::NoFocus;
    state.focused = current && row_->hasFocus();
    state.selectable = true;
    state.selected = current;
    state.disabled = !row_->isEnabled() || !row_->isTabEnabled(index_);
    state.invisible = !row_->isVisible() || !row_->isTabVisible(index_);
    state.offscreen = !row_->rect().intersects(row_->tabRect(index_));
    return state;
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect place = row_->tabRect(index_);
    return QRect(row_->mapToGlobal(place.topLeft()), place.size());
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid()) row_->setCurrentIndex(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<TabRow> row_;
  int index_;
};

class NamedTabRow : public QAccessibleWidget {
 public:
  explicit NamedTabRow(TabRow* row) : QAccessibleWidget(row, QAccessible::PageTabList) {}
  ~NamedTabRow() override {
    for (QAccessible::Id id : std::as_const(tabs_)) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return row()->count(); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= row()->count()) return nullptr;
    if (const auto found = tabs_.constFind(index); found != tabs_.constEnd()) return QAccessible::accessibleInterface(*found);
    auto* tab = new RowTab(row(), index);
    tabs_.insert(index, QAccessible::registerAccessibleInterface(tab));
    return tab;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (auto entry = tabs_.constBegin(); entry != tabs_.constEnd(); ++entry)
      if (QAccessible::accessibleInterface(entry.value()) == child) return entry.key();
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override { return child(row()->tabAt(row()->mapFromGlobal(QPoint(x, y)))); }

  // The label of the current tab, read after the row's name.
  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Value) return QAccessibleWidget::text(kind);
    return row()->currentIndex() < 0 ? QString() : row()->tabText(row()->currentIndex());
  }

 private:
  TabRow* row() const { return static_cast<TabRow*>(widget()); }

  mutable QHash<int, QAccessible::Id> tabs_;
};

}  // namespace

QAccessibleInterface* tabRowByName(const QString& className, QObject* object) {
  auto* row = className == QLatin1String("QTabBar") ? dynamic_cast<TabRow*>(object) : nullptr;
  return row ? new NamedTabRow(row) : nullptr;
}

}  // namespace qmoor
