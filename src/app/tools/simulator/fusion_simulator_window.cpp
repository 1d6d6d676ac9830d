// FusionSimulatorWindow: see fusion_simulator_window.h.
#include "app/tools/simulator/fusion_simulator_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "app/widgets/demon_texts.h"
#include "app/program/display_language.h"
#include "app/tools/my_demons/my_demons_store.h"
#include "app/widgets/report_table.h"
#include "app/widgets/row_table_model.h"
#include "app/widgets/searchable_combo.h"
#include "app/widgets/signal_blocking.h"
#include "app/widgets/skill_texts.h"
#include "app/widgets/window_parts.h"
#include "data/compendium.h"
#include "data/races.h"
#include "data/recipes.h"
#include "forward/inheritance.h"
#include "forward/partner_order.h"
#include "stock/holding_rule.h"

namespace qmoor {

namespace {

QString entryOrBlank(const std::optional<DemonRef>& demon) { return demon ? demonEntryText(*demon) : QString(); }

std::optional<DemonRef> firstOf(const std::vector<DemonRef>& demons) {
  return demons.empty() ? std::nullopt : std::optional<DemonRef>(demons.front());
}

QString phaseText(const std::vector<DemonRef>& demons) {
  QStringList entries;
  for (DemonRef demon : demons) entries << demonEntryText(demon);
  return joinedNames(entries);
}


QString recipeText(DemonRef special) {
  const std::optional<RecipeLines> lines = recipeLines(special);
  if (!lines) return {};
  QStringList texts;
  for (std::string_view line : *lines)
    texts << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).trimmed();
  while (!texts.isEmpty() && texts.last().isEmpty()) texts.removeLast();
  return texts.join('\n');
}


QString skillNamesText(const std::vector<int>& skills) {
  QStringList names;
  for (int skill : skills) names << skillText(skill);
  return joinedNames(names);
}

QString atLevelText(DemonRef demon, int at) {
  return FusionSimulatorWindow::tr("Lv%1 %2 %3").arg(at).arg(raceText(demon.race), demonNameText(demon));
}

}  // namespace

FusionSimulatorWindow::FusionSimulatorWindow(MyDemonsStore* myDemons, DemonOpener opener, QWidget* owner)
    : ToolWindow(QStringLiteral("fusionSimulator"), QSize(760, 640), std::move(opener), owner), myDemons_(myDemons) {
  build();
  retranslate();
  connectActions();
}

FusionSimulatorWindow::~FusionSimulatorWindow() { deleteChildWidgets(); }

void FusionSimulatorWindow::build() {
  buildPairModels();
  buildMyFusionModel();

  pages_ = new QTabWidget(this);
  // The page row is the stop on the way through the window; the page widget
  // around it is a frame, not a control of its own.
  pages_->setFocusPolicy(Qt::NoFocus);
  pairPage_ = new QWidget(pages_);
  minePage_ = new QWidget(pages_);
  pages_->addTab(pairPage_, QString());
  pages_->addTab(minePage_, QString());

  buildPairPage();

  myFusionTable_ = labelled(myFusionsLabel_, minePage_, [this] { return makeReportTable(myFusionModel_, minePage_); });
  myFusionTable_->setSortingEnabled(false);
  auto* mineLayout = new QVBoxLayout(minePage_);
  mineLayout->addWidget(myFusionsLabel_);
  mineLayout->addWidget(myFusionTable_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(curse_, 0, Qt::AlignRight);
  layout->addWidget(pages_, 1);
  layout->addWidget(statusLine());

  offerDemonsOf(partnerTable_);
  offerDemonsOf(specialTable_);
  offerDemonsOf(myFusionTable_);
  showToolTipsOnRequest(myFusionTable_);
}

void FusionSimulatorWindow::buildPairModels() {
  demonEntries_ =
      new RowTableModel([] { return DemonTotal; },
                        {{[] { return QString(); }, [](int row) { return QVariant(demonEntryText(levelOrderAt(row))); },
                          [](int row) { return std::optional<DemonRef>(levelOrderAt(row)); }}},
                        {}, this);

  // A column of the partner table: its heading, its text and the demon it
  // stands for, read from the partnership of the shown row.
  auto partnerColumn = [this](std::function<QString()> heading, auto text, auto demon,
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto partnershipAt = [this](int row) -> const Partnership& {
      return partnerships_[static_cast<size_t>(partnerOrder_[static_cast<size_t>(row)])];
    };
    return TableColumn{std::move(heading), [=](int r) { return QVariant(text(partnershipAt(r))); },
                       [=](int r) { return demon(partnershipAt(r)); }, alignment};
  };
  auto partner = [](const Partnership& p) { return std::optional(p.partner); };
  partnerModel_ = new RowTableModel(
      [this] { return static_cast<int>(partnerOrder_.size()); },
      {
          partnerColumn([] { return tr("Lv"); }, [](const Partnership& p) { return level(p.partner); }, partner,
                        Qt::AlignRight | Qt::AlignVCenter),
          partnerColumn([] { return tr("種族"); }, [](const Partnership& p) { return raceText(p.partner.race); },
                        partner),
          partnerColumn([] { return tr("相手"); }, [](const Partnership& p) { return demonNameText(p.partner); },
                        partner),
          partnerColumn([] { return fusionKindText(FusionKind::Normal); },
                        [](const Partnership& p) { return entryOrBlank(p.outcome.normal); },
                        [](const Partnership& p) { return p.outcome.normal; }),
          partnerColumn([] { return fusionKindText(FusionKind::Phase); },
                        [](const Partnership& p) { return phaseText(p.outcome.phase); },
                        [](const Partnership& p) { return firstOf(p.outcome.phase); }),
          partnerColumn([] { return fusionKindText(FusionKind::Spirit); },
                        [](const Partnership& p) { return entryOrBlank(p.outcome.spirit); },
                        [](const Partnership& p) { return p.outcome.spirit; }),
      },
      [this](int column, Qt::SortOrder order) { sortPartners(column, order); }, this);

  auto special = [this](int r) { return specials_[static_cast<size_t>(r)]; };
  specialModel_ = new RowTableModel(
      [this] { return static_cast<int>(specials_.size()); },
      {
          {[] { return tr("特殊合体の悪魔"); }, [=](int r) { return QVariant(demonEntryText(special(r))); },
           [=](int r) { return std::optional(special(r)); }},
          {[] { return tr("作り方"); }, [=](int r) { return QVariant(recipeText(special(r))); },
           [=](int r) { return std::optional(special(r)); }},
      },
      {}, this);
}

void FusionSimulatorWindow::buildMyFusionModel() {
  // The fusion and result of a shown row of the table of my fusions.
  auto at = [this](int row) {
    const auto [fusion, result] = myFusionRows_[static_cast<std::size_t>(row)];
    const MyFusion& f = myFusions_[static_cast<std::size_t>(fusion)];
    return std::pair<const MyFusion&, const MyFusionResult&>(f, f.results[static_cast<std::size_t>(result)]);
  };
  // A column of the table of my fusions, read from the fusion and result of the shown row.
  auto fusionColumn = [at](std::function<QString()> heading, auto text, auto demon,
                           Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    return TableColumn{std::move(heading), [=](int r) { return QVariant(text(at(r).first, at(r).second)); },
                       [=](int r) { return std::optional<DemonRef>(demon(at(r).first, at(r).second)); }, alignment};
  };
  auto entryOf = [this](int index) -> const MyDemon& { return myDemons_->demons()[static_cast<std::size_t>(index)]; };
  auto materialText = [entryOf](int index) { return atLevelText(entryOf(index).demon, entryOf(index).level); };
  std::vector<TableColumn> fusionColumns{
    fusionColumn([] { return tr("素材1"); }, [=](const MyFusion& f, const MyFusionResult&) { return materialText(f.first); },
                 [=](const MyFusion& f, const MyFusionResult&) { return entryOf(f.first).demon; }),
    fusionColumn([] { return tr("素材2"); }, [=](const MyFusion& f, const MyFusionResult&) { return materialText(f.second); },
                 [=](const MyFusion& f, const MyFusionResult&) { return entryOf(f.second).demon; }),
    fusionColumn([] { return tr("合体"); }, [](const MyFusion&, const MyFusionResult& r) { return fusionKindText(r.kind); },
                 [](const MyFusion&, const MyFusionResult& r) { return r.result; }),
    fusionColumn([] { return tr("結果"); }, [](const MyFusion&, const MyFusionResult& r) { return demonEntryText(r.result); },
                 [](const MyFusion&, const MyFusionResult& r) { return r.result; }),
    fusionColumn([] { return tr("継承数"); },
                 [](const MyFusion&, const MyFusionResult& r) { return QString::number(r.inheritance.count); },
                 [](const MyFusion&, const MyFusionResult& r) { return r.result; }, Qt::AlignRight | Qt::AlignVCenter),
    fusionColumn([] { return tr("継承できるスキル"); },
                 [](const MyFusion&, const MyFusionResult& r) { return skillNamesText(r.inheritance.pool); },
                 [](const MyFusion&, const MyFusionResult& r) { return r.result; }),
  };
  fusionColumns.back().description = [at](int r) { return skillsToolTip(at(r).second.inheritance.pool); };
  myFusionModel_ = new RowTableModel([this] { return static_cast<int>(myFusionRows_.size()); },
                                     std::move(fusionColumns), {}, this);
}

void FusionSimulatorWindow::buildPairPage() {
  auto demonCombo = [this] { return makeSearchableCombo(demonEntries_, pairPage_); };
  material_ = labelled(materialLabel_, pairPage_, demonCombo);
  materialLevel_ = labelled<QSpinBox>(materialLevelLabel_, pairPage_);
  materialMine_ = labelled<QComboBox>(materialMineLabel_, pairPage_);
  // CURSE stands above the pages, and Tab reaches it after the material.
  curse_ = new QCheckBox(this);
  QHBoxLayout* materialRow = rowOf({materialLabel_, {material_, 1}, materialLevelLabel_, materialLevel_,
                                    materialMineLabel_, {materialMine_, 1}});

  partnerTable_ = labelled(partnersLabel_, pairPage_, [this] { return makeReportTable(partnerModel_, pairPage_); });

  partner_ = labelled(partnerLabel_, pairPage_, demonCombo);
  partnerLevel_ = labelled<QSpinBox>(partnerLevelLabel_, pairPage_);
  partnerMine_ = labelled<QComboBox>(partnerMineLabel_, pairPage_);
  QHBoxLayout* partnerRow = rowOf({partnerLabel_, {partner_, 1}, partnerLevelLabel_, partnerLevel_,
                                   partnerMineLabel_, {partnerMine_, 1}});
  for (QSpinBox* level : {materialLevel_, partnerLevel_}) {
    level->setRange(1, MaxLevel);
    level->setEnabled(false);
  }

  resultBox_ = new QGroupBox(pairPage_);
  resultName_ = new QLabel(resultBox_);
  QFont large = resultName_->font();
  large.setPointSizeF(large.pointSizeF() * 2);
  large.setBold(true);
  resultName_->setFont(large);
  letTabReach(resultName_);
  resultDetail_ = new QLabel(resultBox_);
  otherResults_ = new QLabel(resultBox_);
  otherResults_->setWordWrap(true);
  inherits_ = new QLabel(resultBox_);
  inherits_->setWordWrap(true);
  // Tab reaches what the result inherits, and Shift+F1 there tells each skill's facts.
  letTabReach(inherits_);
  showToolTipsOnRequest(inherits_);
  openResult_ = new QPushButton(resultBox_);
  auto* resultLayout = new QGridLayout(resultBox_);
  resultLayout->addWidget(resultName_, 0, 0);
  resultLayout->addWidget(openResult_, 0, 1, Qt::AlignRight | Qt::AlignVCenter);
  resultLayout->addWidget(resultDetail_, 1, 0, 1, 2);
  resultLayout->addWidget(otherResults_, 2, 0, 1, 2);
  resultLayout->addWidget(inherits_, 3, 0, 1, 2);
  resultLayout->setColumnStretch(0, 1);

  specialTable_ = labelled(specialsLabel_, pairPage_, [this] { return makeReportTable(specialModel_, pairPage_); });
  specialTable_->setSortingEnabled(false);
  specialTable_->setWordWrap(true);
  specialTable_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  auto* pairLayout = new QVBoxLayout(pairPage_);
  pairLayout->addLayout(materialRow);
  pairLayout->addWidget(partnersLabel_);
  pairLayout->addWidget(partnerTable_, 3);
  pairLayout->addLayout(partnerRow);
  pairLayout->addWidget(resultBox_);
  pairLayout->addWidget(specialsLabel_);
  pairLayout->addWidget(specialTable_, 1);
}

void FusionSimulatorWindow::connectActions() {
  connect(material_, &QComboBox::currentIndexChanged, this, &FusionSimulatorWindow::materialChosen);
  connect(materialLevel_, &QSpinBox::valueChanged, this, [this] {
    SignalBlocking(materialMine_)->setCurrentIndex(0);
    listPartners();
  });
  connect(materialMine_, &QComboBox::currentIndexChanged, this, [this] {
    takeFromMine(materialMine_, material_, materialLevel_);
    listPartners();
  });
  connect(curse_, &QCheckBox::toggled, this, &FusionSimulatorWindow::listPartners);
  connect(curse_, &QCheckBox::toggled, this, &FusionSimulatorWindow::listMyFusions);
  connect(partner_, &QComboBox::currentIndexChanged, this, &FusionSimulatorWindow::partnerChosen);
  connect(partnerLevel_, &QSpinBox::valueChanged, this, [this] {
    SignalBlocking(partnerMine_)->setCurrentIndex(0);
    showResult();
  });
  connect(partnerMine_, &QComboBox::currentIndexChanged, this, [this] {
    takeFromMine(partnerMine_, partner_, partnerLevel_);
    showResult();
  });
  connect(myDemons_, &MyDemonsStore::changed, this, [this] {
    fillMineCombos();
    listMyFusions();
  });
  connect(partnerTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &FusionSimulatorWindow::partnerRowSelected);
  connect(openResult_, &QPushButton::clicked, this, [this] {
    if (const auto result = shownResult()) openDemon(*result);
  });
}

void FusionSimulatorWindow::retranslate() {
  setWindowTitle(tr("合体シミュレーター"));
  materialLabel_->setText(tr("素材(&M):"));
  material_->setAccessibleName(tr("素材"));
  material_->lineEdit()->setPlaceholderText(tr("名前を入力して絞り込み"));
  curse_->setText(tr("CURSE(&C)"));
  curse_->setAccessibleName(tr("CURSE"));
  pages_->setTabText(0, tr("合体(&F)"));
  pages_->setTabText(1, tr("所持悪魔の合体(&W)"));
  pages_->tabBar()->setAccessibleName(tr("合体シミュレーターのページ"));
  materialLevelLabel_->setText(tr("Lv(&L):"));
  materialLevel_->setAccessibleName(tr("素材のレベル"));
  materialMineLabel_->setText(tr("所持悪魔から(&Y):"));
  materialMine_->setAccessibleName(tr("素材を所持悪魔から"));
  partnerLevelLabel_->setText(tr("Lv(&V):"));
  partnerLevel_->setAccessibleName(tr("相手のレベル"));
  partnerMineLabel_->setText(tr("所持悪魔から(&Z):"));
  partnerMine_->setAccessibleName(tr("相手を所持悪魔から"));
  myFusionsLabel_->setText(tr("所持悪魔どうしの合体(&T):"));
  myFusionTable_->setAccessibleName(tr("所持悪魔どうしの合体"));
  partnersLabel_->setText(tr("相手と合体結果(&P):"));
  partnerTable_->setAccessibleName(tr("相手と合体結果"));
  partnerLabel_->setText(tr("相手(&2):"));
  partner_->setAccessibleName(tr("相手"));
  partner_->lineEdit()->setPlaceholderText(tr("名前を入力して絞り込み"));
  resultBox_->setTitle(tr("合体結果"));
  resultName_->setAccessibleDescription(tr("合体結果"));  // read as its text, which changes
  openResult_->setText(tr("新しいタブで開く(&O)"));
  openResult_->setAccessibleName(tr("合体結果を新しいタブで開く"));
  specialsLabel_->setText(tr("この悪魔を素材にする特殊合体(&S):"));
  specialTable_->setAccessibleName(tr("この悪魔を素材にする特殊合体"));
  for (RowTableModel* model : {demonEntries_, partnerModel_, specialModel_, myFusionModel_}) model->retranslate();
  fillMineCombos();
  listPartners();
  listMyFusions();
}

// A demon picked by name starts at its base level, not as one of my demons.
void FusionSimulatorWindow::materialChosen() {
  const std::optional<DemonRef> material = chosen(material_);
  SignalBlocking(materialMine_)->setCurrentIndex(0);
  materialLevel_->setEnabled(material.has_value());
  if (material) {
    SignalBlocking(materialLevel_)->setRange(level(*material), MaxLevel);
    SignalBlocking(materialLevel_)->setValue(level(*material));
  }
  listPartners();
}

void FusionSimulatorWindow::partnerChosen() {
  const std::optional<DemonRef> partner = chosen(partner_);
  SignalBlocking(partnerMine_)->setCurrentIndex(0);
  partnerLevel_->setEnabled(partner.has_value());
  if (partner) {
    SignalBlocking(partnerLevel_)->setRange(level(*partner), MaxLevel);
    SignalBlocking(partnerLevel_)->setValue(level(*partner));
  }
  showResult();
}

// One of my demons picked: the demon and its level follow it.
void FusionSimulatorWindow::takeFromMine(QComboBox* mine, QComboBox* demon, QSpinBox* level) {
  const int choice = mine->currentIndex() - 1;
  if (choice < 0) return;
  const MyDemon& entry = myDemons_->demons()[static_cast<std::size_t>(mineEntries_[static_cast<std::size_t>(choice)])];
  SignalBlocking(demon)->setCurrentIndex(levelOrderIndexOf(entry.demon));
  level->setEnabled(true);
  SignalBlocking(level)->setRange(qmoor::level(entry.demon), MaxLevel);
  SignalBlocking(level)->setValue(entry.level);
}

// Each offers an empty entry, then my demons without a problem; a choice
// that is still there stays chosen.
void FusionSimulatorWindow::fillMineCombos() {
  const std::vector<MyDemon>& demons = myDemons_->demons();
  mineEntries_ = entriesWithoutProblem(demons);
  for (QComboBox* combo : {materialMine_, partnerMine_}) {
    const QString kept = combo->currentIndex() > 0 ? combo->currentText() : QString();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItem(QString());
    for (int index : mineEntries_) {
      const MyDemon& entry = demons[static_cast<std::size_t>(index)];
      combo->addItem(atLevelText(entry.demon, entry.level));
    }
    combo->setCurrentIndex(std::max(0, combo->findText(kept)));
  }
}

void FusionSimulatorWindow::listMyFusions() {
  myFusions_ = fusionsAmong(myDemons_->demons(), curse_->isChecked());
  myFusionRows_.clear();
  for (std::size_t f = 0; f < myFusions_.size(); ++f) {
    for (std::size_t r = 0; r < myFusions_[f].results.size(); ++r) {
      myFusionRows_.emplace_back(static_cast<int>(f), static_cast<int>(r));
    }
  }
  myFusionModel_->refresh();
  myFusionTable_->resizeColumnsToContents();
}

std::vector<int> FusionSimulatorWindow::skillsOf(const QComboBox* mine, DemonRef demon, int at) const {
  const int choice = mine->currentIndex() - 1;
  if (choice >= 0) return myDemons_->demons()[static_cast<std::size_t>(mineEntries_[static_cast<std::size_t>(choice)])].skills;
  return skillsAtLevel(demon, at);
}

std::optional<DemonRef> FusionSimulatorWindow::chosen(const QComboBox* combo) const {
  const int index = combo->currentIndex();
  if (index < 0 || index >= DemonTotal) return std::nullopt;
  return levelOrderAt(index);
}

void FusionSimulatorWindow::listPartners() {
  const std::optional<DemonRef> material = chosen(material_);
  partnerships_ =
      material ? partnersAtLevel({*material, materialLevel_->value()}, curse_->isChecked()) : std::vector<Partnership>{};
  specials_ = material ? specialsNaming(*material) : std::vector<DemonRef>{};
  partnerModel_->sort(sortColumn_, sortOrder_);
  specialModel_->refresh();
  partnerTable_->resizeColumnsToContents();
  specialTable_->resizeColumnsToContents();
  showResult();
}

void FusionSimulatorWindow::sortPartners(int column, Qt::SortOrder order) {
  sortColumn_ = column;
  sortOrder_ = order;
  if (column < 0) {
    partnerOrder_.resize(partnerships_.size());
    std::iota(partnerOrder_.begin(), partnerOrder_.end(), 0);
    return;
  }
  const Language language = displayLanguage();
  partnerOrder_ = partnerOrder(partnerships_, static_cast<PartnerColumn>(column), order == Qt::DescendingOrder,
                               [language](DemonRef demon) { return demonName(demon, language); });
}

void FusionSimulatorWindow::partnerRowSelected() {
  const QModelIndexList rows = partnerTable_->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  const DemonRef partner =
      partnerships_[static_cast<size_t>(partnerOrder_[static_cast<size_t>(rows.first().row())])].partner;
  partner_->setCurrentIndex(levelOrderIndexOf(partner));
}

// The facts of the skills the result can inherit, as the label's tooltip and
// description; without any, the description says what the label is for.
void FusionSimulatorWindow::describeInheritance(const std::vector<int>& pool) {
  const QString facts = skillsToolTip(pool);
  inherits_->setToolTip(facts);
  inherits_->setAccessibleDescription(facts.isEmpty() ? tr("継承") : facts);
}

std::optional<DemonRef> FusionSimulatorWindow::shownResult() const {
  if (outcome_.normal) return outcome_.normal;
  if (outcome_.spirit) return outcome_.spirit;
  return firstOf(outcome_.phase);
}

void FusionSimulatorWindow::showResult() {
  const std::optional<DemonRef> material = chosen(material_);
  const std::optional<DemonRef> partner = chosen(partner_);
  const bool pair = material && partner && *material != *partner;
  outcome_ = pair ? fuseAtLevels({*material, materialLevel_->value()}, {*partner, partnerLevel_->value()},
                                  curse_->isChecked())
                   : FusionOutcome{};

  const std::optional<DemonRef> result = shownResult();
  openResult_->setEnabled(result.has_value());
  if (!result) {
    const bool same = material && partner && *material == *partner;
    resultName_->setText(pair   ? tr("合体できません")
                         : same ? tr("同じ悪魔どうしは合体できません")
                                : tr("素材と相手を選んでください"));
    resultDetail_->clear();
    otherResults_->clear();
    inherits_->clear();
    describeInheritance({});
    return;
  }
  const Inheritance inherited = inheritance(skillsOf(materialMine_, *material, materialLevel_->value()),
                                            skillsOf(partnerMine_, *partner, partnerLevel_->value()), *result);
  inherits_->setText(tr("継承: %1 個（継承できるスキル: %2）").arg(inherited.count).arg(skillNamesText(inherited.pool)));
  describeInheritance(inherited.pool);
  resultName_->setText(demonNameText(*result));
  const QString kind = fusionKindText(result == outcome_.normal   ? FusionKind::Normal
                                      : result == outcome_.spirit ? FusionKind::Spirit
                                                                  : FusionKind::Phase);
  resultDetail_->setText(tr("Lv%1　%2　（%3）").arg(level(*result)).arg(raceText(result->race), kind));
  QStringList others;
  if (outcome_.spirit && outcome_.spirit != result) {
    others << tr("%1: %2").arg(fusionKindText(FusionKind::Spirit), demonEntryText(*outcome_.spirit));
  }
  std::vector<DemonRef> phase = outcome_.phase;
  std::erase(phase, *result);
  if (!phase.empty()) others << tr("%1: %2").arg(fusionKindText(FusionKind::Phase), phaseText(phase));
  otherResults_->setText(others.join('\n'));
}

}  // namespace qmoor
