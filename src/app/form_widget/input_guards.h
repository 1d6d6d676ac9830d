// Two event filters that keep input from changing a query by accident: a list
// that gains the focus keeps its current row and selection and tells nobody,
// and the mouse wheel turns a combo box only while it has the focus.
#pragma once

#include <QObject>

class QAbstractItemView;
class QComboBox;

namespace qmoor {

// Qt's item views make their first row current when the focus enters a view
// without a current row; that change would read as the user's choice.
void keepSelectionOnFocus(QAbstractItemView* view);

// A wheel turned over a combo box without the focus scrolls what contains it.
void wheelOnlyWithFocus(QComboBox* box);

}  // namespace qmoor
