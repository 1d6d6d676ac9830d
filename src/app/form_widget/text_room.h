// Room for every text of the form, at any font size and scale: the width a
// control needs for its text, the form's controls widened into the free space
// beside them, list columns widened to the rows in view, and the whole value
// in a tooltip where a field still cannot hold it.
#pragma once

#include <QRect>
#include <QString>
#include <vector>

class QComboBox;
class QLineEdit;
class QTableView;
class QWidget;

namespace qmoor {

// The pixels a line edit gives its text: inside its frame, less Qt's fixed
// margin of 2 pixels a side and the text margins.
int textRoom(const QLineEdit& edit);

// The width widget needs to show text whole (its frame and margins included);
// 0 for kinds that show no text of their own.
int widthForText(const QWidget& widget, const QString& text);

struct RoomRequest {
  QRect place;             // where the control is
  int width = 0;           // the width it needs; less than place's means no growth
  int rightLimit = 0;      // the last column it may reach
  bool holdsValue = false; // a value (a level, a name) gets its room before a caption
};

// The controls' new places. Controls grow to the width they need, those
// holding values first, each group from the left; a control that the growth of one to its left on the same line would
// touch moves right, keeping a gap of 2 pixels (or the smaller one it had).
// A growth that would push any control past its limit is cut to what fits.
std::vector<QRect> makeRoom(const std::vector<RoomRequest>& requests);

// The whole text as the tooltip of a field that cannot show it, else none.
void explainIfCut(QLineEdit& edit, QWidget& owner);

// Widens the columns of table to the widest cell of the rows in view, never
// below floorWidths; the horizontal scroll bar reaches the rest. A table
// without one (too low to spare it the height) keeps floorWidths, and its
// cut cells show their whole text in a tooltip.
void widenColumnsToRowsInView(QTableView& table, const std::vector<int>& floorWidths);
// The same, never below the columns' present widths.
void widenColumnsToRowsInView(QTableView& table);

// A width in pixels given for the form's font at 96 dots an inch (12-pixel
// letters), scaled to the font as widget draws it.
int scaledToFont(const QWidget& widget, int designPixels);

// Hovering a cell of table too narrow for its text shows the whole text.
void explainCutCells(QTableView& table);

}  // namespace qmoor
