// Searchable combo boxes: see searchable_combo.h.
#include "app/searchable_combo.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace qmoor {

QComboBox* makeSearchableCombo(QAbstractItemModel* entries, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setModel(entries);
  combo->setCurrentIndex(-1);
  QCompleter* completer = combo->completer();
  completer->setCompletionMode(QCompleter::PopupCompletion);
  completer->setFilterMode(Qt::MatchContains);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] {
    if (combo->findText(combo->currentText()) < 0) combo->setEditText(combo->itemText(combo->currentIndex()));
  });
  return combo;
}

}  // namespace qmoor
