// The tool windows' report tables: see report_table.h.
#include "app/report_table.h"

#include <QHeaderView>
#include <QTableView>

namespace qmoor {

// Room above and below a line of text in a row, in pixels of the font's size.
constexpr int RowPadding = 6;

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
  return table;
}

}  // namespace qmoor
