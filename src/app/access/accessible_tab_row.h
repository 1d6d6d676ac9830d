// The tab row as a screen reader meets it. Qt's own interface for a tab bar
// names the row after its current tab and marks that tab focused, never
// selected; this one names the row by the name set on it and each tab by its
// label, the current tab selected and focused only while the row has focus.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace qmoor {

// A factory for QAccessible::installFactory: tab rows (TabRow) are presented this way.
QAccessibleInterface* tabRowByName(const QString& className, QObject* object);

}  // namespace qmoor
