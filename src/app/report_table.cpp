// The tool windows' report tables: see report_table.h.
#include "app/report_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

namespace qmoor {

namespace {

// Room above and below a line of text in a row, in pixels of the font's size.
constexpr int RowPadding = 6;

// Tab into a table makes its first row current without showing it chosen;
// the first arrow key then chooses that row instead of moving past it.
class FirstArrowChoosesCurrentRow : public QObject {
 public:
  explicit FirstArrowChoosesCurrentRow(QTableView* table) : QObject(table), table_(table) {
    table->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != table_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Down && key->key() != Qt::Key_Up) || key->modifiers() != Qt::NoModifier) return false;
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid() || table_->selectionModel()->isRowSelected(current.row(), current.parent())) return false;
    table_->selectRow(current.row());
    return true;
  }

 private:
  QTableView* table_;
};

}  // namespace

QTableView* makeReportTable(QAbstractItemModel* model, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + RowPadding);
  table->horizontalHeader()->setHighlightSections(false);
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  new FirstArrowChoosesCurrentRow(table);
  return table;
}

}  // namespace qmoor
