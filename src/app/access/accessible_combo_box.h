// Combo boxes that tell a screen reader their name. Qt's own interface for a
// combo box gives its current text as its name on Linux; this one gives the
// name set on the widget (or its label's), and the current text as its value.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace qmoor {

// A factory for QAccessible::installFactory: every combo box is presented by
// name and value. The name is read when asked, so a box whose interface was
// made before its name was set (as a screen reader's bus asks while a window
// is built) still reads its name; a box with neither name nor label reads as
// its value.
QAccessibleInterface* comboBoxByName(const QString& className, QObject* object);

}  // namespace qmoor
