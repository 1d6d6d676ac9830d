// MyDemonsWindow: see my_demons_window.h.
#include "app/tools/my_demons/my_demons_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/widgets/demon_texts.h"
#include "app/tools/my_demons/my_demon_dialog.h"
#include "app/tools/my_demons/my_demons_store.h"
#include "app/widgets/report_table.h"
#include "app/widgets/row_table_model.h"
#include "app/widgets/skill_texts.h"
#include "app/widgets/window_parts.h"
#include "data/compendium.h"
#include "data/skills.h"
#include "stock/holding_rule.h"

namespace qmoor {

namespace {

bool named(const MyDemon& entry) { return entry.unread.empty() && isOccupied(entry.demon); }

QString skillsText(const std::vector<int>& skills) {
  QStringList names;
  for (int skill : skills) {
    names << (skillEntry(skill) != SkillEntry::None ? skillText(skill) : QStringLiteral("#%1").arg(skill));
  }
  return joinedNames(names);
}

// The words for each reason an entry breaks the rules.
QString entryProblemText(const MyDemon& entry) {
  const EntryCheck check = checkEntry(entry);
  const QString skill = skillsText({check.skill});
  switch (check.problem) {
    case EntryProblem::None: return {};
    case EntryProblem::Unreadable: return MyDemonsWindow::tr("読めない項目（そのまま残します）");
    case EntryProblem::UnknownDemon: return MyDemonsWindow::tr("%1/%2 の悪魔はいません").arg(entry.demon.race).arg(entry.demon.slot);
    case EntryProblem::LevelOutOfRange: return MyDemonsWindow::tr("レベルは %1～%2 です").arg(level(entry.demon)).arg(MaxLevel);
    case EntryProblem::TooManySkills: return MyDemonsWindow::tr("スキルが %1 個を超えています").arg(MostSkillsHeld);
    case EntryProblem::UnknownSkill: return MyDemonsWindow::tr("スキル番号 %1 はありません").arg(check.skill);
    case EntryProblem::NotASkill: return MyDemonsWindow::tr("%1 は持てるスキルではありません").arg(skill);
    case EntryProblem::RepeatedSkill: return MyDemonsWindow::tr("%1 が二度あります").arg(skill);
    case EntryProblem::CannotHold: return MyDemonsWindow::tr("%1 はこのレベルでは持てません").arg(skill);
  }
  return {};
}

}  // namespace

MyDemonsWindow::MyDemonsWindow(MyDemonsStore* store, DemonOpener opener, QWidget* owner)
    : ToolWindow(QStringLiteral("myDemons"), QSize(720, 480), std::move(opener), owner), store_(store) {
  build();
  retranslate();
  connectActions();
}

MyDemonsWindow::~MyDemonsWindow() { deleteChildWidgets(); }

void MyDemonsWindow::build() {
  auto entryAt = [this](int row) -> const MyDemon& { return store_->demons()[static_cast<std::size_t>(row)]; };
  auto demonOf = [=](int row) { return named(entryAt(row)) ? std::optional(entryAt(row).demon) : std::nullopt; };
  model_ = new RowTableModel(
      [this] { return static_cast<int>(store_->demons().size()); },
      {
          {[] { return tr("Lv"); },
           [=](int r) { return entryAt(r).unread.empty() ? QVariant(entryAt(r).level) : QVariant(); }, demonOf,
           Qt::AlignRight | Qt::AlignVCenter},
          {[] { return tr("種族"); }, [=](int r) { return QVariant(named(entryAt(r)) ? raceText(entryAt(r).demon.race) : QString()); },
           demonOf},
          {[] { return tr("悪魔"); }, [=](int r) { return QVariant(named(entryAt(r)) ? demonNameText(entryAt(r).demon) : QString()); },
           demonOf},
          {[] { return tr("スキル"); }, [=](int r) { return QVariant(skillsText(entryAt(r).skills)); }, demonOf,
           Qt::AlignLeft | Qt::AlignVCenter, [=](int r) { return skillsToolTip(entryAt(r).skills); }},
          {[] { return tr("問題"); }, [=](int r) { return QVariant(entryProblemText(entryAt(r))); }, demonOf},
      },
      {}, this);
  table_ = labelled(tableLabel_, this, [this] { return makeReportTable(model_, this); });
  table_->setSortingEnabled(false);
  add_ = new QPushButton(this);
  edit_ = new QPushButton(this);
  remove_ = new QPushButton(this);
  up_ = new QPushButton(this);
  down_ = new QPushButton(this);
  save_ = new QPushButton(this);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  letTabReach(status_);  // where the list is saved and why a save failed
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tableLabel_);
  layout->addWidget(table_, 1);
  layout->addLayout(rowOf({add_, edit_, remove_, up_, down_, Stretch, save_}));
  layout->addWidget(status_);
  layout->addWidget(statusLine());
  offerDemonsOf(table_);
  showToolTipsOnRequest(table_);
}

void MyDemonsWindow::connectActions() {
  connect(add_, &QPushButton::clicked, this, &MyDemonsWindow::addDemon);
  connect(edit_, &QPushButton::clicked, this, &MyDemonsWindow::editDemon);
  connect(remove_, &QPushButton::clicked, this, &MyDemonsWindow::removeDemon);
  connect(up_, &QPushButton::clicked, this, [this] { moveDemon(-1); });
  connect(down_, &QPushButton::clicked, this, [this] { moveDemon(1); });
  connect(save_, &QPushButton::clicked, this, &MyDemonsWindow::saveOnPurpose);
  connect(store_, &MyDemonsStore::changed, this, &MyDemonsWindow::refresh);
  // A change on disk found while the window is away is asked about on the next save.
  connect(store_, &MyDemonsStore::conflictFound, this, [this] {
    if (isVisible()) resolveChangeOnDisk();
  });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { refresh(); });
}

void MyDemonsWindow::retranslate() {
  setWindowTitle(tr("所持悪魔"));
  tableLabel_->setText(tr("所持悪魔(&T):"));
  table_->setAccessibleName(tr("所持悪魔の一覧"));
  add_->setText(tr("追加(&A)..."));
  add_->setAccessibleName(tr("追加"));
  edit_->setText(tr("編集(&E)..."));
  edit_->setAccessibleName(tr("編集"));
  remove_->setText(tr("削除(&R)"));
  remove_->setAccessibleName(tr("削除"));
  up_->setText(tr("上へ(&U)"));
  up_->setAccessibleName(tr("上へ"));
  down_->setText(tr("下へ(&N)"));
  down_->setAccessibleName(tr("下へ"));
  save_->setText(tr("上書き保存(&S)"));
  save_->setAccessibleName(tr("上書き保存"));
  status_->setAccessibleDescription(tr("保存の状態"));  // read as its text, which changes
  model_->retranslate();
  refresh();
}

int MyDemonsWindow::selectedRow() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void MyDemonsWindow::refresh() {
  const int row = selectedRow();
  const int count = static_cast<int>(store_->demons().size());
  if (model_->rowCount() != count) {
    model_->refresh();
    select(std::min(row, count - 1));
  } else {
    model_->retranslate();
  }
  table_->resizeColumnsToContents();
  const int chosen = selectedRow();
  edit_->setEnabled(chosen >= 0 && store_->demons()[static_cast<std::size_t>(chosen)].unread.empty());
  remove_->setEnabled(chosen >= 0);
  up_->setEnabled(chosen > 0);
  down_->setEnabled(chosen >= 0 && chosen + 1 < count);
  save_->setEnabled(store_->heldBack() || !store_->problem().isEmpty());
  const QString problem = store_->problem();
  status_->setText(problem.isEmpty() ? tr("保存先: %1").arg(store_->path())
                   : store_->changedOnDisk()
                       ? tr("%1\n変更はまだ保存していません。「上書き保存」で、読み直すか上書きするかを選べます。").arg(problem)
                   : store_->heldBack()
                       ? tr("%1\n変更はファイルに保存されません。「上書き保存」でファイルを置き換えます。").arg(problem)
                       : problem);
}

// A change on disk is asked about first, whether known or found now.
void MyDemonsWindow::saveOnPurpose() {
  if (store_->changedOnDisk()) {
    resolveChangeOnDisk();
  } else if (!store_->checkFile()) {
    store_->saveOnPurpose();
  }
}

void MyDemonsWindow::resolveChangeOnDisk() {
  QMessageBox question(QMessageBox::Warning, tr("所持悪魔"),
                       tr("所持悪魔のファイルが、読み込んだ後にほかで変更されました。\n%1").arg(store_->path()),
                       QMessageBox::NoButton, this);
  question.setInformativeText(tr("この一覧にはファイルにない変更があります。どうしますか？"));
  QPushButton* reload = question.addButton(tr("ファイルを読み直す(&R)"), QMessageBox::DestructiveRole);
  QPushButton* keep = question.addButton(tr("この一覧で上書き(&K)"), QMessageBox::AcceptRole);
  QPushButton* elsewhere = question.addButton(tr("別名で保存(&A)..."), QMessageBox::ActionRole);
  QPushButton* later = question.addButton(tr("あとで決める"), QMessageBox::RejectRole);
  question.setDefaultButton(later);
  question.setEscapeButton(later);
  question.exec();
  if (question.clickedButton() == reload) {
    store_->reload();
  } else if (question.clickedButton() == keep) {
    store_->saveOnPurpose();
  } else if (question.clickedButton() == elsewhere) {
    QFileDialog where(this, tr("所持悪魔を別名で保存"), QFileInfo(store_->path()).absolutePath(),
                      tr("所持悪魔のファイル (*.json)"));
    where.setAcceptMode(QFileDialog::AcceptSave);
    where.setDefaultSuffix(QStringLiteral("json"));
    if (where.exec() != QDialog::Accepted || where.selectedFiles().isEmpty()) return;
    if (const QString problem = store_->saveElsewhere(where.selectedFiles().first()); !problem.isEmpty()) {
      QMessageBox::warning(this, tr("所持悪魔"), problem);
    }
  }
}

void MyDemonsWindow::select(int row) {
  if (row < 0) {
    table_->clearSelection();
    return;
  }
  table_->selectRow(row);
  table_->setCurrentIndex(model_->index(row, 0));
}

void MyDemonsWindow::addDemon() {
  MyDemonDialog dialog(std::nullopt, this);
  if (dialog.exec() != QDialog::Accepted) return;
  std::vector<MyDemon> demons = store_->demons();
  demons.push_back(dialog.entry());
  store_->change(std::move(demons));
  select(static_cast<int>(store_->demons().size()) - 1);
}

void MyDemonsWindow::editDemon() {
  const int row = selectedRow();
  if (row < 0) return;
  MyDemonDialog dialog(store_->demons()[static_cast<std::size_t>(row)], this);
  if (dialog.exec() != QDialog::Accepted) return;
  std::vector<MyDemon> demons = store_->demons();
  MyDemon& edited = demons[static_cast<std::size_t>(row)];
  std::string otherFields = std::move(edited.otherFields);  // a later version's, kept through the edit
  edited = dialog.entry();
  edited.otherFields = std::move(otherFields);
  store_->change(std::move(demons));
  select(row);
}

void MyDemonsWindow::removeDemon() {
  const int row = selectedRow();
  if (row < 0) return;
  std::vector<MyDemon> demons = store_->demons();
  demons.erase(demons.begin() + row);
  store_->change(std::move(demons));
  select(std::min(row, static_cast<int>(store_->demons().size()) - 1));
}

void MyDemonsWindow::moveDemon(int step) {
  const int row = selectedRow();
  const int to = row + step;
  if (row < 0 || to < 0 || to >= static_cast<int>(store_->demons().size())) return;
  std::vector<MyDemon> demons = store_->demons();
  std::swap(demons[static_cast<std::size_t>(row)], demons[static_cast<std::size_t>(to)]);
  store_->change(std::move(demons));
  select(to);
}

}  // namespace qmoor
