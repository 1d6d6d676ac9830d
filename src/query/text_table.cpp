// TextTable: see text_table.h.
#include "query/text_table.h"

#include <algorithm>

#include "query/text_width.h"

namespace qmoor::query {
namespace {

void writeLine(std::ostream& out, const std::vector<TextTable::Column>& columns, const std::vector<std::string>& cells,
               const std::vector<int>& widths) {
  std::string line;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const std::string& cell = cells[c];
    const std::string padding(static_cast<std::size_t>(widths[c] - displayWidth(cell)), ' ');
    if (c > 0) line += "  ";
    line += columns[c].align == Align::Right ? padding + cell : cell + padding;
  }
  line.erase(line.find_last_not_of(' ') + 1);
  out << line << '\n';
}

}  // namespace

TextTable::TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}

void TextTable::addRow(std::vector<std::string> cells) {
  cells.resize(columns_.size());
  rows_.push_back(std::move(cells));
}

void TextTable::write(std::ostream& out) const {
  std::vector<int> widths(columns_.size(), 0);
  std::vector<std::string> headings;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    headings.push_back(columns_[c].heading);
    widths[c] = displayWidth(columns_[c].heading);
    for (const auto& row : rows_) widths[c] = std::max(widths[c], displayWidth(row[c]));
  }
  writeLine(out, columns_, headings, widths);
  for (const auto& row : rows_) writeLine(out, columns_, row, widths);
}

}  // namespace qmoor::query
