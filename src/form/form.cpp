// The form: see form.h.
#include "form/form.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "form/layout.h"

namespace qmoor {

namespace {

constexpr int FirstId = static_cast<int>(ControlId::MaterialRaceCombo);

std::string idText(ControlId id) { return std::to_string(static_cast<int>(id)); }

std::string kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::ComboBox: return "combo box";
    case ControlKind::ListBox: return "list box";
    case ControlKind::ListView: return "list view";
    case ControlKind::TabControl: return "tab control";
    case ControlKind::UpDown: return "up-down control";
    case ControlKind::Edit: return "edit";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::Button: return "button";
    case ControlKind::Static: return "static";
    case ControlKind::GroupBox: return "group box";
  }
  return "control of unknown kind";
}

std::unique_ptr<Control> makeModel(const LayoutEntry& entry) {
  switch (entry.kind) {
    case ControlKind::ComboBox: return std::make_unique<ComboBox>(entry.id);
    case ControlKind::ListBox: return std::make_unique<ListBox>(entry.id);
    case ControlKind::ListView: return std::make_unique<ListView>(entry.id);
    case ControlKind::TabControl: return std::make_unique<TabControl>(entry.id);
    case ControlKind::UpDown: return std::make_unique<UpDown>(entry.id);
    case ControlKind::Edit: return std::make_unique<Edit>(entry.id);
    case ControlKind::CheckBox: return std::make_unique<CheckBox>(entry.id);
    case ControlKind::Button:
    case ControlKind::Static:
    case ControlKind::GroupBox: return std::make_unique<Captioned>(entry.id, entry.kind, std::string(entry.caption));
  }
  throw std::logic_error("form control " + idText(entry.id) + " has an unknown kind");
}

// The model of the wanted class, or a logic_error naming the control.
template <class Model>
const Model& as(const Control& control, const char* wanted) {
  if (const auto* model = dynamic_cast<const Model*>(&control)) return *model;
  throw std::logic_error("form control " + idText(control.id()) + " (" + kindName(control.kind()) + ") is not " + wanted);
}

}  // namespace

Form::Form() {
  int lastId = FirstId;
  for (const LayoutEntry& entry : formLayout()) lastId = std::max(lastId, static_cast<int>(entry.id));
  byId_.assign(static_cast<size_t>(lastId - FirstId + 1), nullptr);

  Control* previous = nullptr;  // the model of the previous layout entry (autobuddy)
  for (const LayoutEntry& entry : formLayout()) {
    Control* model = nullptr;
    if (entry.id != ControlId::None) {
      Control*& slot = byId_.at(static_cast<size_t>(static_cast<int>(entry.id) - FirstId));
      if (slot) throw std::logic_error("form control " + idText(entry.id) + " appears twice in the layout");
      controls_.push_back(makeModel(entry));
      model = slot = controls_.back().get();
      // An auto-buddy up-down control takes the control before it in template order.
      if (entry.kind == ControlKind::UpDown && entry.hasStyle("autobuddy")) {
        static_cast<UpDown*>(model)->setBuddy(dynamic_cast<Edit*>(previous));
      }
    }
    previous = model;
  }
}

bool Form::has(ControlId id) const {
  const int index = static_cast<int>(id) - FirstId;
  return index >= 0 && index < static_cast<int>(byId_.size()) && byId_[static_cast<size_t>(index)] != nullptr;
}

const Control& Form::control(ControlId id) const {
  if (!has(id)) throw std::logic_error("the form has no control " + idText(id));
  return *byId_[static_cast<size_t>(static_cast<int>(id) - FirstId)];
}

const ListBox& Form::list(ControlId id) const { return as<ListBox>(control(id), "a list box or combo box"); }
const ComboBox& Form::combo(ControlId id) const { return as<ComboBox>(control(id), "a combo box"); }
const ListView& Form::listView(ControlId id) const { return as<ListView>(control(id), "a list view"); }
const TabControl& Form::tabs(ControlId id) const { return as<TabControl>(control(id), "a tab control"); }
const UpDown& Form::upDown(ControlId id) const { return as<UpDown>(control(id), "an up-down control"); }
const Edit& Form::edit(ControlId id) const { return as<Edit>(control(id), "an edit"); }
const CheckBox& Form::check(ControlId id) const { return as<CheckBox>(control(id), "a check box"); }
const Captioned& Form::captioned(ControlId id) const {
  return as<Captioned>(control(id), "a button, static or group box");
}

// The writable getters share the checks of the reading ones.
Control& Form::control(ControlId id) { return const_cast<Control&>(std::as_const(*this).control(id)); }
ListBox& Form::list(ControlId id) { return const_cast<ListBox&>(std::as_const(*this).list(id)); }
ComboBox& Form::combo(ControlId id) { return const_cast<ComboBox&>(std::as_const(*this).combo(id)); }
ListView& Form::listView(ControlId id) { return const_cast<ListView&>(std::as_const(*this).listView(id)); }
TabControl& Form::tabs(ControlId id) { return const_cast<TabControl&>(std::as_const(*this).tabs(id)); }
UpDown& Form::upDown(ControlId id) { return const_cast<UpDown&>(std::as_const(*this).upDown(id)); }
Edit& Form::edit(ControlId id) { return const_cast<Edit&>(std::as_const(*this).edit(id)); }
CheckBox& Form::check(ControlId id) { return const_cast<CheckBox&>(std::as_const(*this).check(id)); }
Captioned& Form::captioned(ControlId id) { return const_cast<Captioned&>(std::as_const(*this).captioned(id)); }

void Form::setObserver(ControlObserver* observer) {
  for (const auto& model : controls_) model->setObserver(observer);
}

}  // namespace qmoor
