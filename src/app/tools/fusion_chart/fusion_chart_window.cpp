// FusionChartWindow: see fusion_chart_window.h.
#include "app/tools/fusion_chart/fusion_chart_window.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/widgets/demon_texts.h"
#include "app/widgets/report_table.h"
#include "app/widgets/row_table_model.h"
#include "app/access/table_keys.h"
#include "app/widgets/window_parts.h"
#include "data/compendium.h"

namespace qmoor {

// The chart as a table: a row and a column per race, each cell the result
// race's name; the cell stands for the highest demon the pair makes.
class ChartModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setCurse(bool curse) {
    beginResetModel();
    curse_ = curse;
    chart_ = raceChart(curse);
    endResetModel();
  }
  bool curse() const { return curse_; }
  std::optional<Race> result(const QModelIndex& index) const {
    return index.isValid() ? chart_[index.row()][index.column()] : std::nullopt;
  }
  // "魔神 × 鬼神: 破壊神", or "…: なし" where the races make nothing.
  QString cellText(const QModelIndex& index) const {
    const std::optional<Race> made = result(index);
    return FusionChartWindow::tr("%1 × %2: %3")
        .arg(raceText(index.row()), raceText(index.column()), made ? raceText(*made) : FusionChartWindow::tr("なし"));
  }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : RaceTotal; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : RaceTotal;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    const std::optional<Race> made = result(index);
    switch (role) {
      case Qt::DisplayRole:
        return made ? raceText(*made) : QString();
      case Qt::ToolTipRole:
      case Qt::AccessibleTextRole:
        return cellText(index);
      case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
      case DemonRole: {
        const std::vector<ChartDemon> demons = chartDemons(index.row(), index.column(), curse_);
        return demons.empty() ? QVariant() : demonData(demons.front().demon);
      }
      default:
        return {};
    }
  }
  QVariant headerData(int section, Qt::Orientation, int role) const override {
    if (role != Qt::DisplayRole || section < 0 || section >= RaceTotal) return {};
    return raceText(section);
  }
  void retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, RaceTotal - 1);
    emit headerDataChanged(Qt::Vertical, 0, RaceTotal - 1);
    emit dataChanged(index(0, 0), index(RaceTotal - 1, RaceTotal - 1));
  }

 private:
  bool curse_ = false;
  RaceChart chart_ = raceChart(false);
};

namespace {

// The level sums that make a demon: "75～92", "155～", "～74"; a race-31
// demon is made at its moon phase whatever the sum.
QString windowText(const ChartDemon& made) {
  if (!made.window) return FusionChartWindow::tr("月齢合体");
  const QString low = made.window->low > 1 ? QString::number(made.window->low) : QString();
  const QString high = made.window->high ? QString::number(*made.window->high) : QString();
  return FusionChartWindow::tr("%1～%2").arg(low, high);
}

}  // namespace

FusionChartWindow::FusionChartWindow(DemonOpener opener, QWidget* owner)
    : ToolWindow(QStringLiteral("fusionChart"), QSize(1100, 760), std::move(opener), owner) {
  build();
  retranslate();
  connectActions();
}

FusionChartWindow::~FusionChartWindow() { deleteChildWidgets(); }

void FusionChartWindow::build() {
  chartModel_ = new ChartModel(this);
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
  auto column = [this](std::function<QString()> heading, std::function<QVariant(const ChartDemon&)> value,
                       Qt::Alignment alignment) {
    auto madeOf = [this](int r) -> const ChartDemon& { return cellDemons_[static_cast<size_t>(r)]; };
    return TableColumn{std::move(heading), [=](int r) { return value(madeOf(r)); },
                       [=](int r) { return std::optional(madeOf(r).demon); }, alignment};
  };
  demonModel_ = new RowTableModel(
      [this] { return static_cast<int>(cellDemons_.size()); },
      {column([] { return tr("Lv"); }, [](const ChartDemon& m) { return level(m.demon); },
              Qt::AlignRight | Qt::AlignVCenter),
       column([] { return tr("名前"); }, [](const ChartDemon& m) { return demonNameText(m.demon); }, left),
       column([] { return tr("種族"); }, [](const ChartDemon& m) { return raceText(m.demon.race); }, left),
       column([] { return tr("素材の合計レベル"); }, [](const ChartDemon& m) { return windowText(m); }, left)},
      {}, this);

  curse_ = new QCheckBox(this);
  chart_ = labelled<QTableView>(chartLabel_, this);
  chart_->setModel(chartModel_);
  chart_->setSelectionBehavior(QAbstractItemView::SelectItems);
  chart_->setSelectionMode(QAbstractItemView::SingleSelection);
  chart_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  chart_->setTabKeyNavigation(false);
  chart_->verticalHeader()->setDefaultSectionSize(chart_->fontMetrics().lineSpacing() + 6);

  demons_ = labelled(cellLabel_, this, [this] { return makeReportTable(demonModel_, this); });
  cellLabel_->setWordWrap(true);
  demons_->setSortingEnabled(false);
  auto* lower = new QWidget(this);
  auto* lowerLayout = marginless(new QVBoxLayout(lower));
  lowerLayout->addWidget(cellLabel_);
  lowerLayout->addWidget(demons_, 1);

  auto* upper = new QWidget(this);
  auto* upperLayout = marginless(new QVBoxLayout(upper));
  upperLayout->addLayout(rowOf({{chartLabel_, 1}, curse_}));
  upperLayout->addWidget(chart_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitUpDown(this, upper, 3, lower, 1), 1);
  layout->addWidget(statusLine());
  chooseCurrentOnFirstArrow(chart_);
  offerDemonsOf(chart_);
  offerDemonsOf(demons_);
}

void FusionChartWindow::connectActions() {
  connect(curse_, &QCheckBox::toggled, this, &FusionChartWindow::showChart);
  connect(chart_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FusionChartWindow::showCell);
}

void FusionChartWindow::retranslate() {
  setWindowTitle(tr("合体表"));
  curse_->setText(tr("CURSE(&C)"));
  curse_->setAccessibleName(tr("CURSE"));
  chartLabel_->setText(tr("合体表(&T): 行の種族 × 列の種族 → 結果の種族"));
  chart_->setAccessibleName(tr("種族の合体表"));
  demons_->setAccessibleName(tr("この組み合わせで作れる悪魔"));
  chartModel_->retranslate();
  fitColumns();
  demonModel_->retranslate();
  showCell();
}

// Every cell holds a race name, so one width, the widest name's, fits all
// columns under either chart and spares measuring the 1,024 cells.
void FusionChartWindow::fitColumns() {
  int widest = 0;
  for (Race race = 0; race < RaceTotal; ++race)
    widest = std::max(widest, chart_->fontMetrics().horizontalAdvance(raceText(race)));
  chart_->horizontalHeader()->setDefaultSectionSize(widest + 2 * chart_->fontMetrics().averageCharWidth());
}

void FusionChartWindow::showChart() {
  const QModelIndex chosen = chart_->currentIndex();
  const bool hadChoice = chart_->selectionModel()->hasSelection();
  chartModel_->setCurse(curse_->isChecked());
  if (hadChoice) chart_->setCurrentIndex(chartModel_->index(chosen.row(), chosen.column()));
  showCell();
}

void FusionChartWindow::showCell() {
  const QModelIndexList chosen = chart_->selectionModel()->selectedIndexes();
  const QModelIndex cell = chosen.isEmpty() ? QModelIndex() : chosen.front();
  cellDemons_ = cell.isValid() ? chartDemons(cell.row(), cell.column(), chartModel_->curse()) : std::vector<ChartDemon>{};
  demonModel_->refresh();
  demons_->resizeColumnsToContents();
  cellLabel_->setText(cell.isValid() ? tr("%1 (&D)").arg(chartModel_->cellText(cell))
                                     : tr("作れる悪魔(&D): 表の升目を選んでください"));
}

}  // namespace qmoor
