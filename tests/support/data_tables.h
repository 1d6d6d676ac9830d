// Reading the project's tab-separated data files (data/*.tsv) in tests, so
// that a test compares the compiled-in tables with the file they come from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qmoor::testing {

using Fields = std::vector<std::string>;

// The text cut at every separator; a trailing separator leaves an empty last field.
Fields split(const std::string& text, char separator);

struct DataTable {
  Fields header;
  std::vector<Fields> rows;  // every line after the header, cut at its tabs
};
// The file data/NAME of the source tree; an unreadable file gives no header and no rows.
DataTable readDataTable(std::string_view name);

}  // namespace qmoor::testing
