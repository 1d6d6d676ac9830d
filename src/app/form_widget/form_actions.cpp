// FormWidget: the user's actions. Each widget first lets its control model
// take the change, then the notification goes to the view, then the widgets
// whose controls changed are synced.
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTableView>

#include "app/form_widget/form_widget.h"
#include "app/form_widget/mouse_clicks.h"
#include "app/access/pick_keys.h"
#include "app/form_widget/up_down_widget.h"
#include "app/form_widget/widget_factory.h"
#include "form/layout.h"

namespace qmoor {

void FormWidget::forward(ControlId id, Notification notification) {
  notify_(id, notification);
  syncDirty();
}

void FormWidget::connectActions(ControlId id, ControlKind kind, QWidget* widget) {
  switch (kind) {
    case ControlKind::ComboBox:
      connectComboBox(id, static_cast<QComboBox*>(widget));
      break;
    case ControlKind::ListBox: {
      auto* list = static_cast<QListWidget*>(widget);
      connect(list, &QListWidget::currentRowChanged, this, [this, id](int row) {
        form_.list(id).setSelection(row);
        forward(id, Notification::SelectionChanged);
      });
      connect(list, &QListWidget::itemDoubleClicked, this, [this, id] { forward(id, Notification::DoubleClick); });
      break;
    }
    case ControlKind::ListView:
      connectListView(id, static_cast<QTableView*>(widget));
      break;
    case ControlKind::TabControl:
      connectTabControl(id, widget);
      break;
    case ControlKind::UpDown: {
      auto* upDown = static_cast<UpDownWidget*>(widget);
      connect(upDown, &UpDownWidget::steppedUp, this, [this, id] {
        form_.upDown(id).stepUp();
        syncDirty();
      });
      connect(upDown, &UpDownWidget::steppedDown, this, [this, id] {
        form_.upDown(id).stepDown();
        syncDirty();
      });
      break;
    }
    case ControlKind::Edit:
      // The edit's change handler tells the view.
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, [this, id](const QString& text) {
        form_.edit(id).setText(text.toStdString());
        syncDirty();
      });
      break;
    case ControlKind::CheckBox:
      connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this, [this, id] {
        form_.check(id).toggle();
        forward(id, Notification::Click);
      });
      break;
    case ControlKind::Button:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, [this, id] { forward(id, Notification::Click); });
      break;
    case ControlKind::Static:
    case ControlKind::GroupBox:
      if (layoutEntryOf(id)->hasStyle("notify"))
        connect(new MouseClicks(widget), &MouseClicks::clicked, this, [this, id] { forward(id, Notification::Click); });
      break;
  }
}

void FormWidget::connectComboBox(ControlId id, QComboBox* box) {
  connect(box, &QComboBox::activated, this, [this, id](int index) {
    form_.combo(id).setSelection(index);
    forward(id, Notification::SelectionChanged);
  });
  if (QLineEdit* field = box->lineEdit()) {
    connect(field, &QLineEdit::textEdited, this, [this, id](const QString& text) {
      form_.combo(id).setText(text.toStdString());
      forward(id, Notification::TextTyped);
    });
  }
}

// A click selects the row under the mouse, or none off any row; moving the
// selection or the focus with the keyboard changes the model and tells nobody.
// Space, Return or Enter picks the current row as a click on it does.
void FormWidget::connectListView(ControlId id, QTableView* table) {
  QItemSelectionModel* selection = table->selectionModel();
  connect(selection, &QItemSelectionModel::selectionChanged, this, [this, id, selection] {
    const QModelIndexList selected = selection->selectedIndexes();
    form_.listView(id).setSelectedRow(selected.isEmpty() ? -1 : selected.first().row());
  });
  connect(selection, &QItemSelectionModel::currentRowChanged, this,
          [this, id](const QModelIndex& current) { form_.listView(id).setFocusedRow(current.row()); });
  auto* clicks = new MouseClicks(table->viewport());
  connect(clicks, &MouseClicks::clicked, this, [this, id, table](QPoint position) {
    form_.listView(id).setSelectedRow(table->indexAt(position).row());
    forward(id, Notification::Click);
  });
  connect(new PickKeys(table), &PickKeys::picked, this, [this, id, table] {
    const int row = table->currentIndex().row();
    if (row < 0) return;
    table->selectRow(row);
    form_.listView(id).setSelectedRow(row);
    forward(id, Notification::Click);
  });
  connect(clicks, &MouseClicks::doubleClicked, this, [this, id, table](QPoint position) {
    form_.listView(id).setSelectedRow(table->indexAt(position).row());
    forward(id, Notification::DoubleClick);
  });
}

// The view hears of the tab being left while the model still selects it,
// then of the tab entered. Ctrl+Tab and Ctrl+PgDn step to the next tab,
// Ctrl+Shift+Tab and Ctrl+PgUp to the previous one, from anywhere in the
// window, round from the last to the first, as a user's click would.
void FormWidget::connectTabControl(ControlId id, QWidget* tabControl) {
  QTabBar* row = tabRowOf(tabControl);
  connect(row, &QTabBar::currentChanged, this, [this, id](int index) {
    notify_(id, Notification::SelectionChanging);
    form_.tabs(id).setSelection(index);
    forward(id, Notification::SelectionChanged);
  });
  auto stepOn = [this, row](int step, std::initializer_list<QKeySequence> keys) {
    for (const QKeySequence& key : keys) {
      connect(new QShortcut(key, this), &QShortcut::activated, row, [row, step] {
        if (row->count() > 1) row->setCurrentIndex((row->currentIndex() + step + row->count()) % row->count());
      });
    }
  };
  stepOn(1, {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
  stepOn(-1, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
              QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
}

}  // namespace qmoor
