// Plain aligned text tables: columns padded to the widest cell as a terminal
// shows it, two blanks between columns and no trailing blanks.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qmoor::query {

enum class Align { Left, Right };

class TextTable {
 public:
  struct Column {
    std::string heading;
    Align align = Align::Left;
  };
  explicit TextTable(std::vector<Column> columns);

  // Missing cells are blank; cells beyond the columns are dropped.
  void addRow(std::vector<std::string> cells);
  bool empty() const { return rows_.empty(); }
  void write(std::ostream& out) const;

 private:
  std::vector<Column> columns_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace qmoor::query
