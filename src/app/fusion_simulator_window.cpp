// FusionSimulatorWindow: see fusion_simulator_window.h.
#include "app/fusion_simulator_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "app/demon_texts.h"
#include "app/display_language.h"
#include "app/report_table.h"
#include "app/row_table_model.h"
#include "app/searchable_combo.h"
#include "data/compendium.h"
#include "data/races.h"
#include "data/recipes.h"
#include "forward/partner_order.h"

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

}  // namespace

FusionSimulatorWindow::FusionSimulatorWindow(DemonOpener opener, QWidget* owner)
    : ToolWindow(QStringLiteral("fusionSimulator"), QSize(760, 640), std::move(opener), owner) {
  build();
  retranslate();
  connectActions();
}

FusionSimulatorWindow::~FusionSimulatorWindow() { deleteChildWidgets(); }

void FusionSimulatorWindow::build() {
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

  materialLabel_ = new QLabel(this);
  material_ = makeSearchableCombo(demonEntries_, this);
  materialLabel_->setBuddy(material_);
  curse_ = new QCheckBox(this);
  auto* materialRow = new QHBoxLayout;
  materialRow->addWidget(materialLabel_);
  materialRow->addWidget(material_, 1);
  materialRow->addWidget(curse_);

  partnersLabel_ = new QLabel(this);
  partnerTable_ = makeReportTable(partnerModel_, this);
  partnersLabel_->setBuddy(partnerTable_);

  partnerLabel_ = new QLabel(this);
  partner_ = makeSearchableCombo(demonEntries_, this);
  partnerLabel_->setBuddy(partner_);
  auto* partnerRow = new QHBoxLayout;
  partnerRow->addWidget(partnerLabel_);
  partnerRow->addWidget(partner_, 1);

  resultBox_ = new QGroupBox(this);
  resultName_ = new QLabel(resultBox_);
  QFont large = resultName_->font();
  large.setPointSizeF(large.pointSizeF() * 2);
  large.setBold(true);
  resultName_->setFont(large);
  resultName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  resultDetail_ = new QLabel(resultBox_);
  otherResults_ = new QLabel(resultBox_);
  otherResults_->setWordWrap(true);
  openResult_ = new QPushButton(resultBox_);
  auto* resultLayout = new QGridLayout(resultBox_);
  resultLayout->addWidget(resultName_, 0, 0);
  resultLayout->addWidget(openResult_, 0, 1, Qt::AlignRight | Qt::AlignVCenter);
  resultLayout->addWidget(resultDetail_, 1, 0, 1, 2);
  resultLayout->addWidget(otherResults_, 2, 0, 1, 2);
  resultLayout->setColumnStretch(0, 1);

  specialsLabel_ = new QLabel(this);
  specialTable_ = makeReportTable(specialModel_, this);
  specialTable_->setSortingEnabled(false);
  specialTable_->setWordWrap(true);
  specialTable_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  specialsLabel_->setBuddy(specialTable_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(materialRow);
  layout->addWidget(partnersLabel_);
  layout->addWidget(partnerTable_, 3);
  layout->addLayout(partnerRow);
  layout->addWidget(resultBox_);
  layout->addWidget(specialsLabel_);
  layout->addWidget(specialTable_, 1);

  offerDemonsOf(partnerTable_);
  offerDemonsOf(specialTable_);
}

void FusionSimulatorWindow::connectActions() {
  connect(material_, &QComboBox::currentIndexChanged, this, &FusionSimulatorWindow::listPartners);
  connect(curse_, &QCheckBox::toggled, this, &FusionSimulatorWindow::listPartners);
  connect(partner_, &QComboBox::currentIndexChanged, this, &FusionSimulatorWindow::showResult);
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
  partnersLabel_->setText(tr("相手と合体結果(&P):"));
  partnerTable_->setAccessibleName(tr("相手と合体結果"));
  partnerLabel_->setText(tr("相手(&2):"));
  partner_->setAccessibleName(tr("相手"));
  partner_->lineEdit()->setPlaceholderText(tr("名前を入力して絞り込み"));
  resultBox_->setTitle(tr("合体結果"));
  resultName_->setAccessibleName(tr("合体結果"));
  openResult_->setText(tr("新しいタブで開く(&O)"));
  openResult_->setAccessibleName(tr("合体結果を新しいタブで開く"));
  specialsLabel_->setText(tr("この悪魔を素材にする特殊合体(&S):"));
  specialTable_->setAccessibleName(tr("この悪魔を素材にする特殊合体"));
  for (RowTableModel* model : {demonEntries_, partnerModel_, specialModel_}) model->retranslate();
  listPartners();
}

std::optional<DemonRef> FusionSimulatorWindow::chosen(const QComboBox* combo) const {
  const int index = combo->currentIndex();
  if (index < 0 || index >= DemonTotal) return std::nullopt;
  return levelOrderAt(index);
}

void FusionSimulatorWindow::listPartners() {
  const std::optional<DemonRef> material = chosen(material_);
  partnerships_ = material ? partners(*material, curse_->isChecked()) : std::vector<Partnership>{};
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

std::optional<DemonRef> FusionSimulatorWindow::shownResult() const {
  if (outcome_.normal) return outcome_.normal;
  if (outcome_.spirit) return outcome_.spirit;
  return firstOf(outcome_.phase);
}

void FusionSimulatorWindow::showResult() {
  const std::optional<DemonRef> material = chosen(material_);
  const std::optional<DemonRef> partner = chosen(partner_);
  const bool pair = material && partner && *material != *partner;
  outcome_ = pair ? fuse(*material, *partner, curse_->isChecked()) : FusionOutcome{};

  const std::optional<DemonRef> result = shownResult();
  openResult_->setEnabled(result.has_value());
  if (!result) {
    const bool same = material && partner && *material == *partner;
    resultName_->setText(pair   ? tr("合体できません")
                         : same ? tr("同じ悪魔どうしは合体できません")
                                : tr("素材と相手を選んでください"));
    resultDetail_->clear();
    otherResults_->clear();
    return;
  }
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
