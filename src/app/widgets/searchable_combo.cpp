// Searchable combo boxes: see searchable_combo.h.
#include "app/widgets/searchable_combo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <string>
#include <vector>

#include "app/tools/tool_window.h"
#include "names/names.h"
#include "names/typed_names.h"

namespace qmoor {
namespace {

// The names an entry answers to, as keys: its whole text and, for a demon,
// the demon's name in either language.
std::vector<std::string> entryKeys(const QComboBox& combo, int entry) {
  std::vector<std::string> keys{nameKey(combo.itemText(entry).toStdString())};
  if (const std::optional<DemonRef> demon = demonFromData(combo.itemData(entry, DemonRole))) {
    for (Language language : {Language::Japanese, Language::English}) keys.push_back(nameKey(demonName(*demon, language)));
  }
  return keys;
}

// The entry the typed text names, compared as names are typed (hiragana,
// full width, blanks around, any case): the one entry a name of which it is
// whole, else the one entry a name of which it begins; -1 for none or several.
int entryNamed(const QComboBox& combo, const QString& typed) {
  const std::string key = nameKey(typed.toStdString());
  if (key.empty()) return -1;
  std::vector<int> whole, begun;
  for (int entry = 0; entry < combo.count(); ++entry) {
    const std::vector<std::string> keys = entryKeys(combo, entry);
    if (std::ranges::find(keys, key) != keys.end()) {
      whole.push_back(entry);
    } else if (std::ranges::any_of(keys, [&key](const std::string& name) { return name.starts_with(key); })) {
      begun.push_back(entry);
    }
  }
  const std::vector<int>& found = whole.empty() ? begun : whole;
  return found.size() == 1 ? found.front() : -1;
}

// Chooses the entry the field's text names, when it names one other than the chosen.
void chooseNamedEntry(QComboBox& combo) {
  if (combo.currentText() == combo.itemText(combo.currentIndex())) return;
  const int named = entryNamed(combo, combo.currentText());
  if (named < 0) return;
  combo.setCurrentIndex(named);
  combo.setEditText(combo.itemText(named));
}

// Return in the box chooses the entry its text names and, with an entry
// chosen, moves on to the next control; it goes no further, so it never
// presses a default button. The keys reach the box, which hands them to its
// field; an open completion list takes Return itself and hands it to the
// field (returnPressed), after its pick.
class ReturnChooses : public QObject {
 public:
  explicit ReturnChooses(QComboBox* combo) : QObject(combo), combo_(combo), field_(combo->lineEdit()) {
    combo->installEventFilter(this);
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::returnPressed, this, &ReturnChooses::chooseAndMoveOn);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((watched != combo_ && watched != field_) || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
      return false;
    chooseAndMoveOn();
    return true;
  }

 private:
  void chooseAndMoveOn() {
    chooseNamedEntry(*combo_);
    if (combo_->currentIndex() < 0 || combo_->currentText() != combo_->itemText(combo_->currentIndex())) return;
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);  // on, as Tab goes
    QCoreApplication::sendEvent(combo_, &tab);
  }

  QComboBox* combo_;
  QLineEdit* field_;
};

}  // namespace

void askRoomForNames(QComboBox* combo, int characters) {
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(characters);
}

QComboBox* makeSearchableCombo(QAbstractItemModel* entries, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  askRoomForNames(combo);
  combo->setModel(entries);
  makeSearchable(combo);
  combo->setCurrentIndex(-1);
  return combo;
}

void makeSearchable(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  QCompleter* completer = combo->completer();
  completer->setCompletionMode(QCompleter::PopupCompletion);
  completer->setFilterMode(Qt::MatchContains);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  new ReturnChooses(combo);
  // Only a choice (Return on an entry or a whole name, or an entry taken from
  // the search) changes the selection; leaving the field shows the chosen
  // entry again.
  QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] {
    const QString chosen = combo->itemText(combo->currentIndex());
    if (combo->currentText() != chosen) combo->setEditText(chosen);
  });
}

}  // namespace qmoor
