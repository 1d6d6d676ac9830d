// Reading the data files in tests: see data_tables.h.
#include "support/data_tables.h"

#include <fstream>
#include <sstream>

namespace qmoor::testing {

Fields split(const std::string& text, char separator) {
  Fields parts;
  std::string part;
  std::istringstream stream(text);
  while (std::getline(stream, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

DataTable readDataTable(std::string_view name) {
  std::ifstream file(std::string(QMOOR_SOURCE_DIR "/data/") + std::string(name));
  DataTable table;
  std::string line;
  if (!std::getline(file, line)) return table;
  table.header = split(line, '\t');
  while (std::getline(file, line)) table.rows.push_back(split(line, '\t'));
  return table;
}

}  // namespace qmoor::testing
