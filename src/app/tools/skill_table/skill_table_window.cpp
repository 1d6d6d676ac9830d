// SkillTableWindow: see skill_table_window.h.
#include "app/tools/skill_table/skill_table_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
#include "data/compendium.h"

namespace qmoor {

namespace {

// The skill table's columns; all but the help text sort by the pure model.
enum SkillTableColumn { NumberColumn, NameColumn, KindColumn, ElementColumn, CostColumn, TargetColumn, PowerColumn,
                        MarkColumn, DescriptionColumn };

constexpr SkillColumn SortColumns[] = {SkillColumn::Number, SkillColumn::Name,   SkillColumn::Kind,
                                       SkillColumn::Element, SkillColumn::Cost, SkillColumn::Target,
                                       SkillColumn::Power, SkillColumn::Mark};

// The mark combo: すべて, 制限なし, then the ten marks.
constexpr int FirstMarkEntry = 2;

QString orNone(const std::string& text) { return text.empty() ? QString() : QString::fromStdString(text); }

}  // namespace

SkillTableWindow::SkillTableWindow(DemonOpener opener, SkillPlanner planner, QWidget* owner)
    : ToolWindow(QStringLiteral("skillTable"), QSize(1000, 680), std::move(opener), owner),
      planner_(std::move(planner)) {
  build();
  retranslate();
  connectActions();
}

SkillTableWindow::~SkillTableWindow() { deleteChildWidgets(); }

void SkillTableWindow::build() {
  buildModels();

  QWidget* filterBar = buildFilterBar();
  count_ = new QLabel(this);
  table_ = labelled(tableLabel_, this, [this] { return makeReportTable(skillModel_, this); });
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* tablePanel = new QWidget(this);
  auto* tableLayout = marginless(new QVBoxLayout(tablePanel));
  tableLayout->addLayout(rowOf({tableLabel_, {count_, 1}}));
  tableLayout->addWidget(table_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scrollingSideways(filterBar, this));
  layout->addWidget(splitUpDown(this, tablePanel, 3, buildHolderPanel(), 2), 1);
  layout->addWidget(statusLine());
  for (QTableView* view : {table_, holders_}) showToolTipsOnRequest(view);
  offerDemonsOf(holders_);
}

void SkillTableWindow::buildModels() {
  auto column = [this](std::function<QString()> heading, std::function<QVariant(const SkillDetails&)> value,
                       Qt::Alignment alignment) {
    return TableColumn{std::move(heading),
                       [this, value](int r) { return value(skillRowDetails(shown_[static_cast<size_t>(r)])); },
                       {},
                       alignment};
  };
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  std::vector<TableColumn> columns{
      column([] { return tr("番号"); }, [](const SkillDetails& d) { return d.skill; }, right),
      column([] { return tr("スキル"); }, [](const SkillDetails& d) { return skillText(d.skill); }, left),
      column([] { return tr("種別"); }, [](const SkillDetails& d) { return skillKindText(d.kind); }, left),
      column([] { return tr("属性"); }, [](const SkillDetails& d) { return skillElementText(d.element); }, left),
      column([] { return tr("消費"); }, [](const SkillDetails& d) { return orNone(costText(d.cost)); }, left),
      column([] { return tr("対象"); }, [](const SkillDetails& d) { return skillTargetText(d.target); }, left),
      column([] { return tr("威力"); }, [](const SkillDetails& d) { return orNone(powerText(d.power)); }, right),
      column([] { return tr("継承"); }, [](const SkillDetails& d) { return skillMarkText(skillInheritance(d.skill)); },
             left),
      column([] { return tr("説明"); }, [](const SkillDetails& d) { return skillDescriptionText(d.skill); }, left),
  };
  columns[NameColumn].description = [this](int r) {
    return skillToolTip(skillRowDetails(shown_[static_cast<size_t>(r)]).skill);
  };
  skillModel_ = new RowTableModel([this] { return static_cast<int>(shown_.size()); }, std::move(columns),
                                  [this](int c, Qt::SortOrder order) { sortShown(c, order); }, this);

  auto holderColumn = [this](std::function<QString()> heading, std::function<QVariant(const SkillHolder&)> value,
                             Qt::Alignment alignment) {
    auto holderOf = [this](int r) -> const SkillHolder& { return holderRows_[static_cast<size_t>(r)]; };
    return TableColumn{std::move(heading), [=](int r) { return value(holderOf(r)); },
                       [=](int r) { return std::optional(holderOf(r).demon); }, alignment};
  };
  holderModel_ = new RowTableModel(
      [this] { return static_cast<int>(holderRows_.size()); },
      {holderColumn([] { return tr("Lv"); }, [](const SkillHolder& h) { return level(h.demon); }, right),
       holderColumn([] { return tr("名前"); }, [](const SkillHolder& h) { return demonNameText(h.demon); }, left),
       holderColumn([] { return tr("種族"); }, [](const SkillHolder& h) { return raceText(h.demon.race); }, left),
       holderColumn([] { return tr("習得"); },
                    [](const SkillHolder& h) {
                      return h.learnLevel ? tr("Lv%1で習得").arg(*h.learnLevel) : tr("初期スキル");
                    },
                    left)},
      {}, this);
}

QWidget* SkillTableWindow::buildFilterBar() {
  auto* bar = new QWidget(this);
  auto* row = marginless(new QHBoxLayout(bar));
  auto choice = [&](QLabel*& label, QComboBox*& combo, int entries) {
    combo = labelled<QComboBox>(label, bar);
    for (int i = 0; i < entries; ++i) combo->addItem(QString());
    addPlaced(row, {label, combo});
  };
  choice(kindLabel_, kind_, 1 + SkillKindTotal);
  choice(elementLabel_, element_, 1 + SkillElementTotal);
  choice(markLabel_, mark_, FirstMarkEntry + MarkTotal);
  choice(inheritableLabel_, inheritable_, 3);
  name_ = labelled<QLineEdit>(nameLabel_, bar);
  name_->setClearButtonEnabled(true);
  name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * RoomForASkill);
  clear_ = new QPushButton(bar);
  addPlaced(row, {nameLabel_, {name_, 1}, clear_});
  return bar;
}

QWidget* SkillTableWindow::buildHolderPanel() {
  auto* panel = new QWidget(this);
  auto* layout = marginless(new QVBoxLayout(panel));
  holders_ = labelled(holdersLabel_, panel, [this, panel] { return makeReportTable(holderModel_, panel); });
  holders_->setSortingEnabled(false);
  plan_ = new QPushButton(panel);
  plan_->setEnabled(false);
  layout->addLayout(rowOf({{holdersLabel_, 1}, plan_}));
  layout->addWidget(holders_, 1);
  return panel;
}

void SkillTableWindow::connectActions() {
  const auto apply = [this] { applyFilter(chosenSkill()); };
  for (QComboBox* combo : {kind_, element_, mark_, inheritable_})
    connect(combo, &QComboBox::currentIndexChanged, this, apply);
  connect(name_, &QLineEdit::textChanged, this, apply);
  connect(clear_, &QPushButton::clicked, this, &SkillTableWindow::clearFilter);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SkillTableWindow::showHolders);
  connect(plan_, &QPushButton::clicked, this, [this] {
    if (const int skill = chosenSkill()) planner_(skill);
  });
}

void SkillTableWindow::retranslate() {
  setWindowTitle(tr("スキル一覧"));
  kindLabel_->setText(tr("種別(&K):"));
  kind_->setAccessibleName(tr("種別"));
  elementLabel_->setText(tr("属性(&E):"));
  element_->setAccessibleName(tr("属性"));
  markLabel_->setText(tr("印(&M):"));
  mark_->setAccessibleName(tr("継承に要る印"));
  inheritableLabel_->setText(tr("継承(&I):"));
  inheritable_->setAccessibleName(tr("継承できるか"));
  for (QComboBox* combo : {kind_, element_, mark_, inheritable_}) combo->setItemText(0, tr("すべて"));
  for (int k = 0; k < SkillKindTotal; ++k) kind_->setItemText(k + 1, skillKindText(static_cast<SkillKind>(k)));
  for (int e = 0; e < SkillElementTotal; ++e)
    element_->setItemText(e + 1, skillElementText(static_cast<SkillElement>(e)));
  mark_->setItemText(1, skillMarkText({AnyDemon, true}));
  for (int m = 0; m < MarkTotal; ++m) mark_->setItemText(FirstMarkEntry + m, markHeadingText(m));
  inheritable_->setItemText(1, tr("継承可"));
  inheritable_->setItemText(2, skillMarkText({}));
  nameLabel_->setText(tr("名前(&N):"));
  name_->setAccessibleName(tr("名前に含む文字"));
  clear_->setText(tr("条件をクリア(&X)"));
  clear_->setAccessibleName(tr("条件をクリア"));
  tableLabel_->setText(tr("スキル(&S):"));
  table_->setAccessibleName(tr("スキルの一覧"));
  holders_->setAccessibleName(tr("スキルを持つ悪魔"));
  plan_->setText(tr("プランナーで探す(&P)"));
  plan_->setAccessibleName(tr("このスキルをプランナーで探す"));
  table_->setColumnHidden(DescriptionColumn, displayLanguage() == Language::Japanese);
  for (RowTableModel* model : {skillModel_, holderModel_}) model->retranslate();
  // Measures the columns over every skill, so that whatever a filter shows fits.
  const int chosen = chosenSkill();
  shown_.resize(static_cast<size_t>(skillRowTotal()));
  std::iota(shown_.begin(), shown_.end(), 0);
  skillModel_->refresh();
  fitColumnsToEverySkill();
  applyFilter(chosen);
}

// Each column as wide as its widest text over every skill, so that whatever a
// filter shows fits; the help text takes the room that is left.
void SkillTableWindow::fitColumnsToEverySkill() { fitColumnsToEveryRow(table_, NumberColumn, DescriptionColumn); }

SkillFilter SkillTableWindow::filter() const {
  SkillFilter conditions;
  if (kind_->currentIndex() > 0) conditions.kind = static_cast<SkillKind>(kind_->currentIndex() - 1);
  if (element_->currentIndex() > 0) conditions.element = static_cast<SkillElement>(element_->currentIndex() - 1);
  if (mark_->currentIndex() == 1) conditions.mark = AnyDemon;
  if (mark_->currentIndex() >= FirstMarkEntry) conditions.mark = mark_->currentIndex() - FirstMarkEntry;
  if (inheritable_->currentIndex() > 0) conditions.inheritable = inheritable_->currentIndex() == 1;
  conditions.nameText = name_->text().trimmed().toStdString();
  return conditions;
}

int SkillTableWindow::chosenSkill() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return 0;
  return skillRowDetails(shown_[static_cast<size_t>(rows.front().row())]).skill;
}

void SkillTableWindow::applyFilter(int chosen) {
  // sort() reads the rows anew through sortShown, which filters them first.
  skillModel_->sort(sortColumn_, sortOrder_);
  count_->setText(tr("%n件を表示", nullptr, static_cast<int>(shown_.size())));
  const auto still = std::find(shown_.begin(), shown_.end(), skillRowOf(chosen));
  if (chosen != 0 && still != shown_.end()) {
    table_->setCurrentIndex(skillModel_->index(static_cast<int>(still - shown_.begin()), NameColumn));
  }
  showHolders();
}

void SkillTableWindow::sortShown(int column, Qt::SortOrder order) {
  sortColumn_ = column;
  sortOrder_ = order;
  shown_ = filterSkillRows(filter());
  if (column < 0 || column >= DescriptionColumn) return;
  shown_ = sortSkillRows(std::move(shown_), {SortColumns[column], order == Qt::DescendingOrder}, displayLanguage());
}

void SkillTableWindow::showHolders() {
  const int skill = chosenSkill();
  holderRows_ = skill ? skillHolders(skill) : std::vector<SkillHolder>{};
  holderModel_->refresh();
  holders_->resizeColumnsToContents();
  holdersLabel_->setText(skill ? tr("「%1」を持つ悪魔(&H): %n体", nullptr, static_cast<int>(holderRows_.size()))
                                     .arg(skillText(skill))
                               : tr("スキルを持つ悪魔(&H): スキルを選んでください"));
  plan_->setEnabled(skill != 0);
}

void SkillTableWindow::clearFilter() {
  for (QComboBox* combo : {kind_, element_, mark_, inheritable_}) combo->setCurrentIndex(0);
  name_->clear();
}

}  // namespace qmoor
