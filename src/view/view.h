// CQmoorView: the one form view. It owns the form's control models, the
// query's working state, the result lists and the tab table, and maps every
// notification of a control and every menu command to one operation.
//
// The path of a user's action: a widget (or a qmoor-drive script line) lets
// the control model take the change (a new selection, a toggled check, typed
// text), then calls notify(); notify() runs the operation the control stands
// for; the operation gathers its filter settings from the controls, calls
// the pure fusion engine and writes the answer back into the control models,
// which tell their observer (the widgets) what to repaint.
#pragma once

#include "form/form.h"
#include "view/view_host.h"

namespace qmoor {

class CQmoorView {
 public:
  explicit CQmoorView(ViewHost& host);

  Form& form() { return form_; }
  const Form& form() const { return form_; }

  // Fills the fixed lists, sets the start values and chooses the first demon.
  void InitialUpdate();
  // The user acted on control id; the control model already holds the change.
  void notify(ControlId id, Notification notification);
  // A menu command routed to the view (save, load, clear tabs).
  void command(CommandId id);

 private:
  ViewHost& host_;
  Form form_;
};

}  // namespace qmoor
