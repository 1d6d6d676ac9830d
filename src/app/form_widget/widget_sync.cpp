// Widgets brought up to date with their control models: see widget_sync.h.
#include "app/form_widget/widget_sync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTableView>

#include "app/form_widget/list_view_model.h"
#include "app/widgets/signal_blocking.h"
#include "app/form_widget/text_room.h"

#include <algorithm>
#include <cstdlib>

namespace qmoor {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

QStringList qtList(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list.append(qt(item));
  return list;
}

// Whether a widget's items, read through textAt, are those of the model.
template <typename TextAt>
bool showsItems(int count, TextAt textAt, const std::vector<std::string>& items) {
  if (count != static_cast<int>(items.size())) return false;
  for (int i = 0; i < count; ++i)
    if (textAt(i) != qt(items[static_cast<size_t>(i)])) return false;
  return true;
}

// An empty line (a free skill slot, say) reads as "blank" to a screen
// reader, which would otherwise say nothing at all, in the language shown now.
void nameBlankItems(QListWidget& widget) {
  const QString blank = QCoreApplication::translate("ListBox", "空欄");
  for (int i = 0; i < widget.count(); ++i) {
    QListWidgetItem* item = widget.item(i);
    if (item->text().isEmpty() && item->data(Qt::AccessibleTextRole).toString() != blank) {
      const QSignalBlocker quiet(&widget);
      item->setData(Qt::AccessibleTextRole, blank);
    }
  }
}

}  // namespace

void syncComboBox(QComboBox& widget, const ComboBox& model) {
  if (!showsItems(widget.count(), [&](int i) { return widget.itemText(i); }, model.items())) {
    SignalBlocking(&widget)->clear();
    SignalBlocking(&widget)->addItems(qtList(model.items()));
  }
  QLineEdit* field = widget.lineEdit();
  if (widget.currentIndex() != model.selection()) {
    SignalBlocking(&widget)->setCurrentIndex(model.selection());
    if (field) field->setCursorPosition(0);  // a text set from code shows its start
  }
  if (field && widget.currentText() != qt(model.text())) {
    SignalBlocking(&widget)->setEditText(qt(model.text()));
    field->setCursorPosition(0);
  }
  if (field) explainIfCut(*field, widget);
}

void syncListBox(QListWidget& widget, const ListBox& model) {
  if (!showsItems(widget.count(), [&](int i) { return widget.item(i)->text(); }, model.items())) {
    SignalBlocking(&widget)->clear();
    SignalBlocking(&widget)->addItems(qtList(model.items()));
  }
  nameBlankItems(widget);
  if (widget.currentRow() != model.selection()) SignalBlocking(&widget)->setCurrentRow(model.selection());
}

void syncListView(QTableView& widget, ListViewModel& adapter, const ListView& model) {
  const int shownRows = adapter.rowCount();
  adapter.refresh();
  widget.setSelectionBehavior(model.fullRowSelect() ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);

  QItemSelectionModel* selection = widget.selectionModel();
  const QModelIndex selected = adapter.index(model.selectedRow(), 0);
  const auto rows = model.fullRowSelect() ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
  if (selected.isValid()) SignalBlocking(selection)->select(selected, QItemSelectionModel::ClearAndSelect | rows);
  else SignalBlocking(selection)->clearSelection();
  SignalBlocking(selection)->setCurrentIndex(adapter.index(model.focusedRow(), 0), QItemSelectionModel::NoUpdate);

  // The same rows again (a new selection, say) keep their place on screen; new rows start at the top.
  if (adapter.rowCount() != shownRows) widget.scrollToTop();
  std::vector<int> givenWidths;
  for (const auto& column : model.columns()) givenWidths.push_back(scaledToFont(widget, column.width));
  widenColumnsToRowsInView(widget, givenWidths);
  widget.viewport()->update();
}

// Each tab enters with its label, measured once (see TabRow). A shown tab
// row lays out all its tabs again at each tab that enters, leaves or is
// relabelled, and even a hidden one at each tab that enters. When several
// enter or leave at once (a LOAD, a clearing), the row is hidden meanwhile
// and so are the tabs entering, which the layout passes over: all are laid
// out once, as the row is shown again. Not while the row holds the focus,
// which hiding it would move away.
void syncTabControl(QTabBar& widget, const TabControl& model) {
  const bool batch = std::abs(widget.count() - model.count()) > 1 && !widget.isHidden() && !widget.hasFocus();
  if (batch) widget.hide();
  while (widget.count() > model.count()) SignalBlocking(&widget)->removeTab(widget.count() - 1);
  for (int i = 0; i < std::min(widget.count(), model.count()); ++i)
    if (widget.tabText(i) != qt(model.label(i))) widget.setTabText(i, qt(model.label(i)));
  while (widget.count() < model.count()) {
    const int added = SignalBlocking(&widget)->addTab(qt(model.label(widget.count())));
    if (batch && added != widget.currentIndex()) widget.setTabVisible(added, false);
  }
  if (batch) {
    for (int i = 0; i < widget.count(); ++i) widget.setTabVisible(i, true);
  }
  if (model.selection() >= 0 && widget.currentIndex() != model.selection())
    SignalBlocking(&widget)->setCurrentIndex(model.selection());
  if (batch) SignalBlocking(&widget)->show();
}

void syncEdit(QLineEdit& widget, const Edit& model) {
  if (widget.text() == qt(model.text())) return;
  SignalBlocking(&widget)->setText(qt(model.text()));
  explainIfCut(widget, widget);
}

void syncCaption(QWidget& widget, const Captioned& model) {
  if (auto* button = qobject_cast<QPushButton*>(&widget)) button->setText(qt(model.caption()));
  if (auto* box = qobject_cast<QGroupBox*>(&widget)) box->setTitle(qt(model.caption()));
  if (auto* label = qobject_cast<QLabel*>(&widget); label && label->pixmap().isNull()) label->setText(qt(model.caption()));
}

void syncCheckBox(QCheckBox& widget, const CheckBox& model) {
  if (widget.isChecked() != model.checked()) SignalBlocking(&widget)->setChecked(model.checked());
}

}  // namespace qmoor
