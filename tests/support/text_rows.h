// Rows a test holds for a list view to show: each row its cells in column
// order, made up front, so a test can fill, change and extend a listing as
// the program's own rows would.
#pragma once

#include <string>
#include <vector>

#include "form/controls.h"

namespace qmoor::testing {

struct TextRows final : ListRows {
  std::vector<std::vector<std::string>> rows;

  int count() const override { return static_cast<int>(rows.size()); }
  // A cell past the end of its row is empty.
  std::string cell(int row, int column) const override {
    const std::vector<std::string>& cells = rows.at(static_cast<size_t>(row));
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : std::string();
  }
};

// Two-column rows ("a0", "b0"), ("a1", "b1"), ... up to count.
inline TextRows numberedRows(int count) {
  TextRows made;
  for (int r = 0; r < count; ++r) {
    // Appending to a string rather than adding to a literal keeps GCC 12's -Wrestrict quiet at -O2.
    made.rows.push_back({std::string("a").append(std::to_string(r)), std::string("b").append(std::to_string(r))});
  }
  return made;
}

}  // namespace qmoor::testing
