// A combo box over an item model whose text field searches it: typing shows
// the entries that contain the typed text, and text that names no entry gives
// way to the chosen one when the field is left.
#pragma once

class QAbstractItemModel;
class QComboBox;
class QWidget;

namespace qmoor {

QComboBox* makeSearchableCombo(QAbstractItemModel* entries, QWidget* parent);

}  // namespace qmoor
