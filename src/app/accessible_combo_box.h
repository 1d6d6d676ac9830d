// Combo boxes that tell a screen reader their name. Qt's own interface for a
// combo box gives its current text as its name on Linux; this one gives the
// name set on the widget, and the current text as its value.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace qmoor {

// A factory for QAccessible::installFactory: combo boxes with an accessible
// name are presented by name and value.
QAccessibleInterface* comboBoxByName(const QString& className, QObject* object);

}  // namespace qmoor
