// The table the tool windows list rows in: read-only, whole rows selected one
// at a time, sortable by a click on a heading, rows as high as the font's
// lines. Its owner fits the columns to their texts (resizeColumnsToContents,
// or fitColumnsToEveryRow for a long table) when new rows arrive: measuring
// every cell on each change would slow every filter and sort.
#pragma once

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace qmoor {

// Starts in the model's natural order (sort column -1) until a heading is
// clicked; the first arrow key after tabbing in chooses its first row (table_keys.h).
QTableView* makeReportTable(QAbstractItemModel* model, QWidget* parent);

// Makes the columns from first to end (not included) as wide as the widest of
// their texts over every row, and their headings, as the cells draw them.
// Each distinct text is measured once rather than every cell laid out: most
// columns repeat a few words, so a long table fits its columns quickly.
void fitColumnsToEveryRow(QTableView* table, int first, int end);

}  // namespace qmoor
