// CompendiumWindow: see compendium_window.h.
#include "app/tools/compendium/compendium_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "app/widgets/demon_texts.h"
#include "app/program/display_language.h"
#include "app/widgets/report_table.h"
#include "app/widgets/row_table_model.h"
#include "app/widgets/searchable_combo.h"
#include "app/widgets/sideways_scroller.h"
#include "app/widgets/skill_texts.h"
#include "app/widgets/window_parts.h"
#include "data/races.h"
#include "data/skill_learning.h"
#include "data/skills.h"

namespace qmoor {

namespace {

// Indexed by Resistance, weakest first.
const char* const GradeTexts[ResistanceGradeTotal] = {
    QT_TRANSLATE_NOOP("qmoor::CompendiumWindow", "弱"), QT_TRANSLATE_NOOP("qmoor::CompendiumWindow", "通常"),
    QT_TRANSLATE_NOOP("qmoor::CompendiumWindow", "強"), QT_TRANSLATE_NOOP("qmoor::CompendiumWindow", "無"),
    QT_TRANSLATE_NOOP("qmoor::CompendiumWindow", "吸"), QT_TRANSLATE_NOOP("qmoor::CompendiumWindow", "反")};

QString skillsText(const std::array<int, SkillListLength>& skills) {
  QStringList names;
  for (int skill : skills)
    if (const QString name = skillText(skill); !name.isEmpty()) names << name;
  return joinedNames(names);
}

// The second list with the level at which the demon learns each skill,
// "プロミネンス(Lv94)"; the evolution entry closing some lists as it is.
QString learnedSkillsText(const CompendiumRow& row) {
  QStringList names;
  for (int skill : row.second) {
    const QString name = skillText(skill);
    if (name.isEmpty()) continue;
    const int learned = learnLevel(row.demon, skill);
    names << (learned ? CompendiumWindow::tr("%1(Lv%2)").arg(name).arg(learned) : name);
  }
  return joinedNames(names);
}

const CompendiumRow& rowAt(int index) { return compendiumRows()[static_cast<size_t>(index)]; }

// The table's columns in order: figures, resistances, marks, 継承, then the
// two skill lists. Every column but the skill lists maps to a compendium column.
constexpr int FirstStatColumn = 5;
constexpr int FirstResistanceColumn = FirstStatColumn + StatTotal;
constexpr int FirstMarkColumn = FirstResistanceColumn + ResistanceTotal;
constexpr int InheritanceColumn = FirstMarkColumn + MarkTotal;
constexpr int FirstSkillsColumn = InheritanceColumn + 1;

// The compendium column a table column sorts by; none for the race and the skill lists.
std::optional<Column> compendiumColumn(int column) {
  if (column >= FirstSkillsColumn) return std::nullopt;
  if (column == 0) return Column::Level;
  if (column == 1) return Column::Name;
  if (column == 2) return std::nullopt;
  return static_cast<Column>(static_cast<int>(Column::HP) + column - 3);
}

}  // namespace

CompendiumWindow::CompendiumWindow(DemonOpener opener, QWidget* owner)
    : ToolWindow(QStringLiteral("compendium"), QSize(1000, 680), std::move(opener), owner) {
  build();
  retranslate();
  connectActions();
}

CompendiumWindow::~CompendiumWindow() { deleteChildWidgets(); }

void CompendiumWindow::build() {
  buildModels();

  // The filter bar exists before the table, whose first sort reads it.
  QWidget* filterBar = buildFilterBar();
  table_ = makeReportTable(tableModel_, this);

  count_ = new QLabel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scrollingSideways(filterBar, this));
  layout->addWidget(count_);
  layout->addWidget(table_, 1);
  layout->addWidget(statusLine());
  offerDemonsOf(table_);
  showToolTipsOnRequest(table_);
}

void CompendiumWindow::buildModels() {
  // A column: its heading, and its text read from the compendium row of the
  // shown row, which is also the demon every cell stands for.
  auto column = [this](std::function<QString()> heading, std::function<QVariant(const CompendiumRow&)> value,
                       Qt::Alignment alignment) {
    auto rowOf = [this](int r) -> const CompendiumRow& { return rowAt(shown_[static_cast<size_t>(r)]); };
    return TableColumn{std::move(heading), [=](int r) { return value(rowOf(r)); },
                       [=](int r) { return std::optional(rowOf(r).demon); }, alignment};
  };
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  std::vector<TableColumn> columns{
      column([] { return tr("Lv"); }, [](const CompendiumRow& r) { return r.level; }, right),
      column([] { return tr("名前"); }, [](const CompendiumRow& r) { return demonNameText(r.demon); }, left),
      column([] { return tr("種族"); }, [](const CompendiumRow& r) { return raceText(r.demon.race); }, left),
      column([] { return tr("HP"); }, [](const CompendiumRow& r) { return r.hp; }, right),
      column([] { return tr("MP"); }, [](const CompendiumRow& r) { return r.mp; }, right),
  };
  for (size_t k = 0; k < StatTotal; ++k)
    columns.push_back(
        column([k] { return statHeadingText(k); }, [k](const CompendiumRow& r) { return r.stats[k]; }, right));
  for (size_t k = 0; k < ResistanceTotal; ++k)
    columns.push_back(column([k] { return resistanceHeadingText(k); },
                             [k](const CompendiumRow& r) {
                               return resistanceCellText(resistanceText(r.resistances[k]));
                             },
                             Qt::AlignCenter));
  for (size_t k = 0; k < MarkTotal; ++k)
    columns.push_back(column([k] { return markHeadingText(k); },
                             [k](const CompendiumRow& r) { return r.marks[k] ? markHeadingText(k) : QString(); },
                             Qt::AlignCenter));
  columns.push_back(
      column([] { return tr("継承"); }, [](const CompendiumRow& r) { return inheritanceText(r.inheritance); }, left));
  columns.push_back(
      column([] { return tr("初期スキル"); }, [](const CompendiumRow& r) { return skillsText(r.first); }, left));
  columns.back().description = [this](int r) { return skillsToolTip(rowAt(shown_[static_cast<size_t>(r)]).first); };
  columns.push_back(
      column([] { return tr("習得スキル"); }, [](const CompendiumRow& r) { return learnedSkillsText(r); }, left));
  columns.back().description = [this](int r) { return skillsToolTip(rowAt(shown_[static_cast<size_t>(r)]).second); };
  tableModel_ = new RowTableModel([this] { return static_cast<int>(shown_.size()); }, std::move(columns),
                                  [this](int column, Qt::SortOrder order) { sortShown(column, order); }, this);

  skillEntries_ = new RowTableModel(
      [] { return SkillOrderLength; },
      {{[] { return QString(); }, [](int r) { return QVariant(skillText(kindOrderAt(r))); }, {},
        Qt::AlignLeft | Qt::AlignVCenter, [](int r) { return skillToolTip(kindOrderAt(r)); }}},
      {}, this);
}

namespace {

// The marks' label gives its key to the first mark: a label hands the focus
// only to a buddy that takes the focus itself, and the row of marks does not.
class KeyToFirstMark : public QObject {
 public:
  KeyToFirstMark(QLabel* label, QCheckBox* first) : QObject(label), label_(label), first_(first) {
    label->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != label_ || event->type() != QEvent::Shortcut) return false;
    first_->setFocus(Qt::ShortcutFocusReason);
    return true;
  }

 private:
  QLabel* label_;
  QCheckBox* first_;
};

}  // namespace

QWidget* CompendiumWindow::buildFilterBar() {
  auto* bar = new QWidget(this);
  auto* rows = marginless(new QVBoxLayout(bar));

  race_ = labelled<QComboBox>(raceLabel_, bar);
  for (Race race = -1; race < RaceTotal; ++race) race_->addItem(QString());
  name_ = labelled<QLineEdit>(nameLabel_, bar);
  name_->setClearButtonEnabled(true);
  minLevel_ = labelled<QSpinBox>(levelLabel_, bar);
  maxLevel_ = new QSpinBox(bar);
  for (QSpinBox* box : {minLevel_, maxLevel_}) box->setRange(1, 99);
  maxLevel_->setValue(99);
  levelDash_ = new QLabel(bar);
  QHBoxLayout* raceNameLevelRow =
      rowOf({raceLabel_, race_, nameLabel_, {name_, 1}, levelLabel_, minLevel_, levelDash_, maxLevel_});

  resistance_ = labelled<QComboBox>(resistanceLabel_, bar);
  resistance_->addItem(QString());
  for (int k = 0; k < ResistanceTotal; ++k) resistance_->addItem(QString());
  QHBoxLayout* resistanceRow = rowOf({resistanceLabel_, resistance_});
  for (QCheckBox*& grade : grades_) resistanceRow->addWidget(grade = new QCheckBox(bar));
  resistanceRow->addStretch(1);
  marksLabel_ = new QLabel(bar);
  auto* marksRow = new QHBoxLayout;
  marksRow->addWidget(marksLabel_);
  // The label's key leads to the marks without ticking one: its buddy is the
  // row of marks, which passes the focus on to the first.
  auto* marks = new QWidget(bar);
  auto* marksBoxes = marginless(new QHBoxLayout(marks));
  for (QCheckBox*& mark : marks_) marksBoxes->addWidget(mark = new QCheckBox(marks));
  marks->setFocusProxy(marks_[0]);
  marksLabel_->setBuddy(marks);
  new KeyToFirstMark(marksLabel_, marks_[0]);
  marksRow->addWidget(marks);
  marksRow->addStretch(1);

  skillsLabel_ = new QLabel(bar);
  auto* skillsRow = new QHBoxLayout;
  skillsRow->addWidget(skillsLabel_);
  for (QComboBox*& skill : skills_) {
    skill = makeSearchableCombo(skillEntries_, bar);
    followCurrentItemTip(skill);
    skill->setCurrentIndex(0);
    skillsRow->addWidget(skill, 1);
  }
  skillsLabel_->setBuddy(skills_[0]);
  innateOnly_ = new QCheckBox(bar);
  clear_ = new QPushButton(bar);
  skillsRow->addWidget(innateOnly_);
  skillsRow->addWidget(clear_);

  for (QHBoxLayout* row : {raceNameLevelRow, resistanceRow, marksRow, skillsRow}) rows->addLayout(row);
  return bar;
}

void CompendiumWindow::connectActions() {
  const auto apply = [this] { applyFilter(); };
  for (QComboBox* combo : {race_, resistance_}) connect(combo, &QComboBox::currentIndexChanged, this, apply);
  for (QComboBox* combo : skills_) connect(combo, &QComboBox::currentIndexChanged, this, apply);
  connect(name_, &QLineEdit::textChanged, this, apply);
  for (QSpinBox* box : {minLevel_, maxLevel_}) connect(box, &QSpinBox::valueChanged, this, apply);
  for (QCheckBox* box : grades_) connect(box, &QCheckBox::toggled, this, apply);
  for (QCheckBox* box : marks_) connect(box, &QCheckBox::toggled, this, apply);
  connect(innateOnly_, &QCheckBox::toggled, this, apply);
  connect(clear_, &QPushButton::clicked, this, &CompendiumWindow::clearFilter);
}

void CompendiumWindow::retranslate() {
  setWindowTitle(tr("悪魔全書"));
  raceLabel_->setText(tr("種族(&R):"));
  race_->setItemText(0, tr("すべて"));
  for (Race race = 0; race < RaceTotal; ++race) race_->setItemText(race + 1, raceText(race));
  race_->setAccessibleName(tr("種族"));
  nameLabel_->setText(tr("名前(&N):"));
  name_->setAccessibleName(tr("名前に含む文字"));
  levelLabel_->setText(tr("レベル(&L):"));
  minLevel_->setAccessibleName(tr("最低レベル"));
  levelDash_->setText(tr("〜"));
  maxLevel_->setAccessibleName(tr("最高レベル"));
  resistanceLabel_->setText(tr("耐性(&E):"));
  resistance_->setItemText(0, tr("指定なし"));
  for (int k = 0; k < ResistanceTotal; ++k) resistance_->setItemText(k + 1, resistanceHeadingText(k));
  resistance_->setAccessibleName(tr("耐性の属性"));
  for (int g = 0; g < ResistanceGradeTotal; ++g) {
    grades_[static_cast<size_t>(g)]->setText(tr(GradeTexts[g]));
    grades_[static_cast<size_t>(g)]->setAccessibleName(tr("耐性が%1").arg(tr(GradeTexts[g])));
  }
  marksLabel_->setText(tr("印(&A):"));
  for (int k = 0; k < MarkTotal; ++k) {
    marks_[static_cast<size_t>(k)]->setText(markHeadingText(k));
    marks_[static_cast<size_t>(k)]->setAccessibleName(tr("印 %1 あり").arg(markHeadingText(k)));
  }
  skillsLabel_->setText(tr("スキル(&K):"));
  for (size_t k = 0; k < skills_.size(); ++k) {
    skills_[k]->setAccessibleName(tr("スキル%1").arg(k + 1));
    skills_[k]->lineEdit()->setPlaceholderText(tr("スキル名を入力"));
  }
  innateOnly_->setText(tr("初期スキルのみ(&I)"));
  innateOnly_->setAccessibleName(tr("初期スキルのみ"));
  clear_->setText(tr("条件をクリア(&X)"));
  clear_->setAccessibleName(tr("条件をクリア"));
  table_->setAccessibleName(tr("悪魔の一覧"));
  count_->setAccessibleDescription(tr("表示している悪魔の数"));  // read as its text, which changes
  for (RowTableModel* model : {tableModel_, skillEntries_}) model->retranslate();
  fitColumnsToEveryDemon();
}

void CompendiumWindow::fitColumnsToEveryDemon() {
  shown_.resize(compendiumRows().size());
  std::iota(shown_.begin(), shown_.end(), 0);
  tableModel_->refresh();
  fitColumnsToEveryRow(table_, 0, tableModel_->columnCount());
  applyFilter();
}

CompendiumFilter CompendiumWindow::filter() const {
  CompendiumFilter conditions;
  if (race_->currentIndex() > 0) conditions.race = race_->currentIndex() - 1;
  conditions.nameText = name_->text().trimmed().toStdString();
  conditions.minLevel = minLevel_->value();
  conditions.maxLevel = maxLevel_->value();
  ResistanceCondition resistance{resistance_->currentIndex() - 1, {}};
  for (size_t g = 0; g < grades_.size(); ++g) resistance.accepted[g] = grades_[g]->isChecked();
  const bool anyGrade =
      std::find(resistance.accepted.begin(), resistance.accepted.end(), true) != resistance.accepted.end();
  if (resistance.resistance >= 0 && anyGrade) conditions.resistances.push_back(resistance);
  for (size_t k = 0; k < marks_.size(); ++k) conditions.requiredMarks[k] = marks_[k]->isChecked();
  for (const QComboBox* skill : skills_)
    if (skill->currentIndex() > 0) conditions.skills.push_back(kindOrderAt(skill->currentIndex()));
  conditions.innateOnly = innateOnly_->isChecked();
  return conditions;
}

void CompendiumWindow::applyFilter() {
  // sort() reads the rows anew through sortShown, which filters them first.
  tableModel_->sort(sortColumn_, sortOrder_);
  showCount();
}

void CompendiumWindow::showCount() { count_->setText(tr("%n体を表示", nullptr, static_cast<int>(shown_.size()))); }

// The compendium model filters and sorts, by the names on screen.
void CompendiumWindow::sortShown(int column, Qt::SortOrder order) {
  sortColumn_ = column;
  sortOrder_ = order;
  const Language language = displayLanguage();
  const DemonNameOf nameOf = [language](DemonRef demon) { return demonName(demon, language); };
  shown_ = filterRows(filter(), nameOf);
  if (column < 0) return;
  SortKey key{compendiumColumn(column), order == Qt::DescendingOrder};
  if (column >= FirstSkillsColumn) key.skills = column == FirstSkillsColumn ? SkillList::First : SkillList::Second;
  shown_ = sortRows(std::move(shown_), key, nameOf, [language](int skill) { return skillName(skill, language); });
}

void CompendiumWindow::clearFilter() {
  race_->setCurrentIndex(0);
  name_->clear();
  minLevel_->setValue(1);
  maxLevel_->setValue(99);
  resistance_->setCurrentIndex(0);
  for (QCheckBox* box : grades_) box->setChecked(false);
  for (QCheckBox* box : marks_) box->setChecked(false);
  for (QComboBox* skill : skills_) skill->setCurrentIndex(0);
  innateOnly_->setChecked(false);
}

}  // namespace qmoor
