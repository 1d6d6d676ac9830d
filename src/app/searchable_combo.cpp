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
  // Only a choice (Return on an entry, or an entry taken from the search)
  // changes the selection; leaving the field shows the chosen entry again.
  QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] {
    const QString chosen = combo->itemText(combo->currentIndex());
    if (combo->currentText() != chosen) combo->setEditText(chosen);
  });
  return combo;
}

}  // namespace qmoor
