// The form: one control model per identified control of the layout, looked
// up by identifier with the type its kind gives.
#pragma once

#include <memory>
#include <vector>

#include "form/controls.h"

namespace qmoor {

class Form {
 public:
  Form();  // one model per layout entry that has an identifier

  bool has(ControlId id) const;
  Control& control(ControlId id);
  const Control& control(ControlId id) const;
  ListBox& list(ControlId id);          // list boxes and combo boxes
  ComboBox& combo(ControlId id);
  ListView& listView(ControlId id);
  TabControl& tabs(ControlId id = ControlId::TabBar);
  UpDown& upDown(ControlId id = ControlId::LimitSpin);
  Edit& edit(ControlId id);
  CheckBox& check(ControlId id);
  Captioned& captioned(ControlId id);   // buttons, notify statics, group boxes
  // The same getters for reading. Every getter throws std::logic_error naming
  // the id when the form has no such control or it is of another kind.
  const ListBox& list(ControlId id) const;
  const ComboBox& combo(ControlId id) const;
  const ListView& listView(ControlId id) const;
  const TabControl& tabs(ControlId id = ControlId::TabBar) const;
  const UpDown& upDown(ControlId id = ControlId::LimitSpin) const;
  const Edit& edit(ControlId id) const;
  const CheckBox& check(ControlId id) const;
  const Captioned& captioned(ControlId id) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  void setObserver(ControlObserver* observer);

 private:
  std::vector<std::unique_ptr<Control>> controls_;  // template order
  std::vector<Control*> byId_;                      // indexed by id - FirstId
};

}  // namespace qmoor
