// A row of controls that scrolls sideways where the window is narrower than
// the row: its height is the row's (with the scroll bar's when it shows), its
// width whatever the window gives it, so that a window stays whole on a
// narrow screen at any scale. A control scrolled away comes into view when it
// takes the focus.
#pragma once

class QWidget;

namespace qmoor {

// content becomes the scrolled widget of the returned area, made in parent.
QWidget* scrollingSideways(QWidget* content, QWidget* parent);

}  // namespace qmoor
