// Combo boxes that tell a screen reader their name. Qt's own interface for a
// combo box gives its current text as its name on Linux; this one gives the
// name set on the widget, and the current text as its value.
#pragma once

namespace qmoor {

// Once for the process: combo boxes with an accessible name made from then
// on are presented by name and value.
void presentComboBoxesByName();

}  // namespace qmoor
