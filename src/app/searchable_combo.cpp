// Searchable combo boxes: see searchable_combo.h.
#include "app/searchable_combo.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

#include "names/typed_names.h"

namespace qmoor {
namespace {

// The entry the typed text names: the entry itself, or the one whose last
// word (a demon's name after its level and race) it is, compared as names are
// typed (hiragana, full width, blanks around); -1 for none.
int entryNamed(const QComboBox& combo, const QString& typed) {
  const std::string key = nameKey(typed.toStdString());
  if (key.empty()) return -1;
  for (int i = 0; i < combo.count(); ++i) {
    const QString entry = combo.itemText(i);
    if (nameKey(entry.toStdString()) == key || nameKey(entry.section(QLatin1Char(' '), -1).toStdString()) == key) return i;
  }
  return -1;
}

}  // namespace

void askRoomForNames(QComboBox* combo, int characters) {
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(characters);
}

QComboBox* makeSearchableCombo(QAbstractItemModel* entries, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  askRoomForNames(combo);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setModel(entries);
  combo->setCurrentIndex(-1);
  QCompleter* completer = combo->completer();
  completer->setCompletionMode(QCompleter::PopupCompletion);
  completer->setFilterMode(Qt::MatchContains);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  // Return on a whole name chooses its entry, as a pick from the search does.
  QObject::connect(combo->lineEdit(), &QLineEdit::returnPressed, combo, [combo] {
    if (combo->currentText() == combo->itemText(combo->currentIndex())) return;
    const int named = entryNamed(*combo, combo->currentText());
    if (named < 0) return;
    combo->setCurrentIndex(named);
    combo->setEditText(combo->itemText(named));
  });
  // Only a choice (Return on an entry or a whole name, or an entry taken from
  // the search) changes the selection; leaving the field shows the chosen
  // entry again.
  QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] {
    const QString chosen = combo->itemText(combo->currentIndex());
    if (combo->currentText() != chosen) combo->setEditText(chosen);
  });
  return combo;
}

}  // namespace qmoor
