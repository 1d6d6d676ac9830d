// A window's contents that scroll where the window is smaller than they need:
// on a small screen at a large scale a tool window is fitted to the screen
// and its controls scroll, rather than running off the screen. Where the
// window has room, no scroll bar shows. A control scrolled away comes into
// view when it takes the focus.
#pragma once

class QWidget;

namespace qmoor {

// Moves the window's layout, with its widgets, into a scroll area that fills
// the window; the order of the focus chain stays as it was.
void scrollContentsWhenCramped(QWidget& window);

}  // namespace qmoor
