// Runs qmoor's command line in the test process and keeps what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "stock_files/demons_file_reading.h"
#include "query/query.h"

namespace qmoor::testing {

struct QueryRun {
  int status = 0;
  std::string out;
  std::string err;
};

inline QueryRun runQueryWords(const std::vector<std::string>& words) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = query::runQuery(words, out, err, readDemonsFileFromDisk);
  return {status, out.str(), err.str()};
}

}  // namespace qmoor::testing
