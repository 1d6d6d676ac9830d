// Plain aligned text tables: columns padded to the widest cell as a terminal
// shows it, two blanks between columns and no trailing blanks, with free
// lines of notes under rows.
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
  // A line of free text under the last row, indented by two blanks and not
  // counted in the column widths.
  void addNote(std::string text);
  bool empty() const { return rows_.empty(); }
  void write(std::ostream& out) const;

 private:
  std::vector<Column> columns_;
  std::vector<std::vector<std::string>> rows_;
  std::vector<std::vector<std::string>> notes_;  // the notes under each row
};

}  // namespace qmoor::query
