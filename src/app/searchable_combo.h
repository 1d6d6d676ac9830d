// A combo box over an item model whose text field searches it: typing shows
// the entries that contain the typed text; leaving the field brings back the
// chosen entry's text, so the field never shows what is not chosen.
#pragma once

class QAbstractItemModel;
class QComboBox;
class QWidget;

namespace qmoor {

QComboBox* makeSearchableCombo(QAbstractItemModel* entries, QWidget* parent);

}  // namespace qmoor
