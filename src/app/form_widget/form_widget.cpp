// FormWidget: building the widgets from the layout table, and mirroring the
// control models. The user's actions are in form_actions.cpp.
#include "app/form_widget/form_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <algorithm>
#include <utility>

#include "app/form_widget/list_view_model.h"
#include "app/access/screen_reader_interfaces.h"
#include "app/widgets/skill_texts.h"
#include "app/form_widget/up_down_widget.h"
#include "app/form_widget/widget_factory.h"
#include "app/form_widget/text_room.h"
#include "app/form_widget/widget_sync.h"

namespace qmoor {

FormWidget::FormWidget(Form& form, NotifySink notify, QWidget* parent)
    : QWidget(parent), form_(form), notify_(std::move(notify)), units_(DialogUnits::of(formFont())) {
  presentFormControlsToScreenReaders();
  setFont(formFont());
  setFixedSize(units_.size(FormWidthDlu, FormHeightDlu));
  build();
  for (const auto& [id, widget] : byId_) syncControl(id);
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i)
    if (widgets_[i] && layout[i].id != ControlId::None) connectActions(layout[i].id, layout[i].kind, widgets_[i]);
  form_.setObserver(this);
}

FormWidget::~FormWidget() { form_.setObserver(nullptr); }

QWidget* FormWidget::widgetFor(ControlId id) const {
  const auto found = byId_.find(id);
  return found == byId_.end() ? nullptr : found->second;
}

ListViewModel* FormWidget::listViewModel(ControlId id) const {
  const auto found = listViewModels_.find(id);
  return found == listViewModels_.end() ? nullptr : found->second;
}

// The widgets are made in template order, which makes it the order of the Tab key.
void FormWidget::build() {
  const auto layout = formLayout();
  widgets_.assign(layout.size(), nullptr);
  for (size_t i = 0; i < layout.size(); ++i) {
    const LayoutEntry& entry = layout[i];
    if (entry.hasStyle("hidden")) continue;
    QWidget* widget = makeControlWidget(entry, units_.rect(entry.rect), this);
    widgets_[i] = widget;
    if (entry.id == ControlId::None) continue;
    byId_[entry.id] = widget;
    if (entry.kind == ControlKind::ListView) {
      auto* table = static_cast<QTableView*>(widget);
      auto* model = new ListViewModel(form_.listView(entry.id), widget);
      table->setModel(model);
      listViewModels_[entry.id] = model;
      // Rows scrolled into view widen the columns they need.
      connect(table->verticalScrollBar(), &QScrollBar::valueChanged, table, [table] { widenColumnsToRowsInView(*table); });
    }
  }
  for (size_t i = 0; i < layout.size(); ++i)
    if (widgets_[i] && layout[i].kind == ControlKind::UpDown && layout[i].hasStyle("autobuddy")) attachUpDownToBuddy(i);
  stackInTemplateOrder();
  for (QWidget* widget : widgets_) homes_.push_back(widget ? widget->geometry() : QRect());
}

// The buddy of an up-down control is the control before it in template order;
// with alignright the arrows take the right end of the buddy's rectangle.
void FormWidget::attachUpDownToBuddy(size_t upDownIndex) {
  auto* buddy = upDownIndex > 0 ? qobject_cast<QLineEdit*>(widgets_[upDownIndex - 1]) : nullptr;
  if (!buddy) return;
  auto* upDown = static_cast<UpDownWidget*>(widgets_[upDownIndex]);
  upDown->setBuddy(buddy);
  if (!formLayout()[upDownIndex].hasStyle("alignright")) return;
  const QRect field = buddy->geometry();
  const int arrows = std::min(upDown->width(), field.width() / 2);
  buddy->setGeometry(field.x(), field.y(), field.width() - arrows, field.height());
  upDown->setGeometry(field.x() + field.width() - arrows, field.y(), arrows, field.height());
}

// The first control of the template lies on top; group boxes lie beneath the
// controls, and the tab control beneath everything, as its pane spans the form.
void FormWidget::stackInTemplateOrder() {
  const auto layout = formLayout();
  auto layer = [](ControlKind kind) { return kind == ControlKind::TabControl ? 2 : kind == ControlKind::GroupBox ? 1 : 0; };
  for (int pass = 0; pass < 3; ++pass)
    for (size_t i = 0; i < layout.size(); ++i)
      if (widgets_[i] && layer(layout[i].kind) == pass) widgets_[i]->lower();
}

// Once shown, the tables measure the rows in view, and the text fields (a
// combo box's among them) have the widths their tooltips depend on.
void FormWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  explainCutFields();
  widenTableColumns();
}

void FormWidget::widenTableColumns() {
  for (const auto& [id, model] : listViewModels_) {
    std::vector<int> givenWidths;
    auto* table = static_cast<QTableView*>(widgetFor(id));
    for (const auto& column : form_.listView(id).columns()) givenWidths.push_back(scaledToFont(*table, column.width));
    widenColumnsToRowsInView(*table, givenWidths);
  }
}

void FormWidget::controlChanged(ControlId id) { dirty_.insert(id); }

void FormWidget::syncDirty() {
  const std::set<ControlId> changed = std::exchange(dirty_, {});
  for (ControlId id : changed) syncControl(id);
}

void FormWidget::describeSkillsBy(SkillOfItem skillOf) {
  skillOf_ = std::move(skillOf);
  for (const auto& [id, widget] : byId_) {
    if (!skillOf_(id, 0)) continue;
    if (auto* list = qobject_cast<QAbstractItemView*>(widget)) showToolTipsOnRequest(list);
    describeSkills(id, widget);
  }
}

// A skill combo's items change only with the language, when they are made
// anew without their descriptions: only then are its 251 described again.
void FormWidget::describeSkills(ControlId id, QWidget* widget) {
  if (!skillOf_ || !skillOf_(id, 0)) return;
  const auto skillAt = [&](int item) { return skillOf_(id, item).value_or(0); };
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    if (combo->count() > 0 && !combo->itemData(combo->count() - 1, Qt::ToolTipRole).isValid()) {
      describeSkillItems(combo->model(), skillAt);
    }
    showCurrentItemTip(combo);
  } else if (auto* list = qobject_cast<QAbstractItemView*>(widget)) {
    describeSkillItems(list->model(), skillAt);
  }
}

void FormWidget::syncControl(ControlId id) {
  QWidget* widget = widgetFor(id);
  if (!widget) return;
  const Control& control = form_.control(id);
  widget->setEnabled(control.enabled());
  switch (control.kind()) {
    case ControlKind::ComboBox:
      syncComboBox(*static_cast<QComboBox*>(widget), form_.combo(id));
      describeSkills(id, widget);
      break;
    case ControlKind::ListBox:
      syncListBox(*static_cast<QListWidget*>(widget), form_.list(id));
      describeSkills(id, widget);
      break;
    case ControlKind::ListView:
      syncListView(*static_cast<QTableView*>(widget), *listViewModel(id), form_.listView(id));
      break;
    case ControlKind::TabControl:
      syncTabControl(*tabRowOf(widget), form_.tabs(id));
      break;
    case ControlKind::Edit:
      syncEdit(*static_cast<QLineEdit*>(widget), form_.edit(id));
      break;
    case ControlKind::CheckBox:
      syncCheckBox(*static_cast<QCheckBox*>(widget), form_.check(id));
      break;
    case ControlKind::Button:
    case ControlKind::Static:
    case ControlKind::GroupBox:
      syncCaption(*widget, form_.captioned(id));
      break;
    case ControlKind::UpDown:
      break;
  }
}

// Captions and accessible names in the language; the view has put its own
// texts into the models. Every control then takes its room anew from its
// place in the layout, so a shorter language gives the room back.
void FormWidget::showLanguage(Language language) {
  syncDirty();
  const auto layout = formLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    if (!widgets_[i]) continue;
    retranslateControlWidget(layout[i], widgets_[i], language);
    widgets_[i]->setGeometry(homes_[i]);
    if (qobject_cast<QLabel*>(widgets_[i])) widgets_[i]->setToolTip(QString());
  }
  makeRoomForTexts();
  widenTableColumns();
}

}  // namespace qmoor
