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
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  void setObserver(ControlObserver* observer);

 private:
  std::vector<std::unique_ptr<Control>> controls_;  // template order
  std::vector<Control*> byId_;                      // indexed by id - FirstId
};

}  // namespace qmoor
