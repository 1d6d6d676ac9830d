// Keeping a window whole on its screen, frame included: the client area
// shrinks where the window with its frame would not fit, and the window moves
// in. A window manager gives a window its frame only after it is shown, so a
// window kept whole is fitted again once its frame is known.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace qmoor {

// The client geometry for a window of the given client geometry and frame
// margins that puts the window, frame included, whole within area.
QRect fittedClient(const QRect& client, const QMargins& frame, const QRect& area);

// Fits the window to its screen's available area now.
void fitToScreen(QWidget& window);
// Fits the window whenever it is shown, and once more when the window manager
// has framed it: called once, as the window is made.
void keepWholeOnScreen(QWidget& window);

}  // namespace qmoor
