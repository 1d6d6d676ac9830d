// TextTable: see text_table.h.
#include "query/text_table.h"

#include <algorithm>

#include "query/text_width.h"

namespace qmoor::query {
namespace {

struct Cell {
  const std::string* text;
  int width;
};

void writeLine(std::ostream& out, const std::vector<TextTable::Column>& columns, const std::vector<Cell>& cells,
               const std::vector<int>& widths) {
  std::string line;
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const std::string padding(static_cast<std::size_t>(widths[c] - cells[c].width), ' ');
    if (c > 0) line += "  ";
    line += columns[c].align == Align::Right ? padding + *cells[c].text : *cells[c].text + padding;
  }
  line.erase(line.find_last_not_of(' ') + 1);
  out << line << '\n';
}

std::vector<Cell> measured(const std::vector<std::string>& texts, std::vector<int>& widths) {
  std::vector<Cell> cells;
  cells.reserve(texts.size());
  for (std::size_t c = 0; c < texts.size(); ++c) {
    cells.push_back({&texts[c], displayWidth(texts[c])});
    widths[c] = std::max(widths[c], cells.back().width);
  }
  return cells;
}

}  // namespace

TextTable::TextTable(std::vector<Column> columns) : columns_(std::move(columns)) {}

void TextTable::addRow(std::vector<std::string> cells) {
  cells.resize(columns_.size());
  rows_.push_back(std::move(cells));
  notes_.emplace_back();
}

void TextTable::addNote(std::string text) {
  if (!notes_.empty()) notes_.back().push_back(std::move(text));
}

void TextTable::write(std::ostream& out) const {
  std::vector<int> widths(columns_.size(), 0);
  std::vector<std::string> headings;
  for (const Column& column : columns_) headings.push_back(column.heading);
  const std::vector<Cell> headingCells = measured(headings, widths);
  std::vector<std::vector<Cell>> rowCells;
  rowCells.reserve(rows_.size());
  for (const auto& row : rows_) rowCells.push_back(measured(row, widths));
  writeLine(out, columns_, headingCells, widths);
  for (std::size_t r = 0; r < rowCells.size(); ++r) {
    writeLine(out, columns_, rowCells[r], widths);
    for (const std::string& note : notes_[r]) out << "  " << note << '\n';
  }
}

}  // namespace qmoor::query
