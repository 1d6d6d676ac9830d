// Arrow keys in a tool window's table: tabbing into a table makes its first
// cell current without choosing it, and Qt's next arrow key would then move
// past row 0. With nothing chosen, the first arrow key chooses the current
// cell (row 0 after tabbing in) instead, so ↓ starts at the first row, and
// makes it current anew, so that a screen reader hears it.
#pragma once

class QAbstractItemView;

namespace qmoor {

void chooseCurrentOnFirstArrow(QAbstractItemView* view);

}  // namespace qmoor
