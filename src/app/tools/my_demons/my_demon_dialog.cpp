// MyDemonDialog: see my_demon_dialog.h.
#include "app/tools/my_demons/my_demon_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "app/widgets/demon_texts.h"
#include "app/widgets/row_table_model.h"
#include "app/widgets/searchable_combo.h"
#include "app/widgets/signal_blocking.h"
#include "app/widgets/skill_texts.h"
#include "data/compendium.h"
#include "data/races.h"
#include "stock/holding_rule.h"

namespace qmoor {

MyDemonDialog::MyDemonDialog(const std::optional<MyDemon>& entry, QWidget* parent) : QDialog(parent) {
  demonEntries_ =
      new RowTableModel([] { return DemonTotal; },
                        {{[] { return QString(); }, [](int row) { return QVariant(demonEntryText(levelOrderAt(row))); },
                          [](int row) { return std::optional<DemonRef>(levelOrderAt(row)); }}},
                        {}, this);
  demonLabel_ = new QLabel(this);
  demon_ = makeSearchableCombo(demonEntries_, this);
  demonLabel_->setBuddy(demon_);
  levelLabel_ = new QLabel(this);
  level_ = new QSpinBox(this);
  levelLabel_->setBuddy(level_);
  skillsLabel_ = new QLabel(this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(demonLabel_, 0, 0);
  layout->addWidget(demon_, 0, 1, 1, 3);
  layout->addWidget(levelLabel_, 1, 0);
  layout->addWidget(level_, 1, 1);
  layout->addWidget(skillsLabel_, 2, 0);
  for (std::size_t i = 0; i < skills_.size(); ++i) {
    skills_[i] = new QComboBox(this);
    followCurrentItemTip(skills_[i]);
    layout->addWidget(skills_[i], 2 + static_cast<int>(i) / 2, 1 + static_cast<int>(i) % 2 * 2, 1, 2);
  }
  skillsLabel_->setBuddy(skills_[0]);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons_, 7, 0, 1, 4);
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(3, 1);

  const bool named = entry && entry->unread.empty() && isOccupied(entry->demon);
  SignalBlocking(demon_)->setCurrentIndex(named ? levelOrderIndexOf(entry->demon) : -1);
  SignalBlocking(level_)->setRange(named ? level(entry->demon) : 1, MaxLevel);
  SignalBlocking(level_)->setValue(named ? entry->level : 1);
  level_->setEnabled(named);
  offerSkills(named ? entry->skills : std::vector<int>{});
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(named);

  connect(demon_, &QComboBox::currentIndexChanged, this, &MyDemonDialog::demonChosen);
  connect(level_, &QSpinBox::valueChanged, this, &MyDemonDialog::levelChanged);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  retranslate();
}

void MyDemonDialog::retranslate() {
  setWindowTitle(tr("所持悪魔"));
  demonLabel_->setText(tr("悪魔(&D):"));
  demon_->setAccessibleName(tr("悪魔"));
  demon_->lineEdit()->setPlaceholderText(tr("名前を入力して絞り込み"));
  levelLabel_->setText(tr("レベル(&L):"));
  level_->setAccessibleName(tr("レベル"));
  skillsLabel_->setText(tr("スキル(&S):"));
  for (std::size_t i = 0; i < skills_.size(); ++i) skills_[i]->setAccessibleName(tr("スキル %1").arg(i + 1));
}

MyDemon MyDemonDialog::entry() const {
  const int index = demon_->currentIndex();
  if (index < 0) return {};
  return {levelOrderAt(index), level_->value(), chosenSkills(), {}};
}

std::vector<int> MyDemonDialog::chosenSkills() const {
  std::vector<int> chosen;
  for (const QComboBox* combo : skills_) {
    const int choice = combo->currentIndex() - 1;
    if (choice >= 0) chosen.push_back(offered_[static_cast<std::size_t>(choice)]);
  }
  return chosen;
}

void MyDemonDialog::demonChosen() {
  const int index = demon_->currentIndex();
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(index >= 0);
  level_->setEnabled(index >= 0);
  if (index < 0) return;
  const DemonRef demon = levelOrderAt(index);
  SignalBlocking(level_)->setRange(level(demon), MaxLevel);
  SignalBlocking(level_)->setValue(level(demon));
  offerSkills(skillsAtLevel(demon, level(demon)));
}

// The skills chosen stay where the demon can still hold them; what it learns
// on the way up joins them while a slot is free.
void MyDemonDialog::levelChanged() {
  const int index = demon_->currentIndex();
  if (index < 0) return;
  const DemonRef demon = levelOrderAt(index);
  std::vector<int> kept;
  for (int skill : chosenSkills()) {
    if (canHold(demon, level_->value(), skill)) kept.push_back(skill);
  }
  for (int skill : learnedUpTo(demon, level_->value())) {
    if (kept.size() < skills_.size() && std::ranges::find(kept, skill) == kept.end()) kept.push_back(skill);
  }
  offerSkills(kept);
}

void MyDemonDialog::offerSkills(const std::vector<int>& skills) {
  const int index = demon_->currentIndex();
  offered_ = index < 0 ? std::vector<int>{} : holdableSkills(levelOrderAt(index), level_->value());
  for (std::size_t slot = 0; slot < skills_.size(); ++slot) {
    QComboBox* combo = skills_[slot];
    SignalBlocking(combo)->clear();
    combo->addItem(QString());
    for (int skill : offered_) combo->addItem(skillText(skill));
    const auto found = slot < skills.size() ? std::ranges::find(offered_, skills[slot]) : offered_.end();
    SignalBlocking(combo)->setCurrentIndex(found == offered_.end() ? 0 : static_cast<int>(found - offered_.begin()) + 1);
    describeSkillItems(combo, [this](int item) { return item > 0 ? offered_[static_cast<std::size_t>(item - 1)] : 0; });
    combo->setEnabled(index >= 0);
  }
}

}  // namespace qmoor
