// The WebAssembly entry of qmoor: runs one qmoor command line and keeps what
// it printed, its errors and its exit status for the JavaScript that asked
// (build-web/qmoor.mjs under node, the site's Worker in the browser). The
// answer is exactly the native qmoor's: the same query library, the same
// reader of the file of my demons.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "stock_files/demons_file_reading.h"
#include "query/query.h"

namespace {

std::string output;
std::string errors;

// The words of a command line, each ended by a NUL byte.
std::vector<std::string> wordsOf(const char* packed, std::size_t size) {
  std::vector<std::string> words;
  std::size_t start = 0;
  for (std::size_t at = 0; at < size; ++at) {
    if (packed[at] == '\0') {
      words.emplace_back(packed + start, at - start);
      start = at + 1;
    }
  }
  return words;
}

}  // namespace

extern "C" {

// Runs qmoor on the size bytes of words at packed; returns its exit status.
EMSCRIPTEN_KEEPALIVE int qmoor_run(const char* packed, std::size_t size) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = qmoor::query::runQuery(wordsOf(packed, size), out, err, qmoor::readDemonsFileFromDisk);
  output = std::move(out).str();
  errors = std::move(err).str();
  return status;
}

// What the last run printed on its standard output and error.
EMSCRIPTEN_KEEPALIVE const char* qmoor_output() { return output.data(); }
EMSCRIPTEN_KEEPALIVE std::size_t qmoor_output_size() { return output.size(); }
EMSCRIPTEN_KEEPALIVE const char* qmoor_errors() { return errors.data(); }
EMSCRIPTEN_KEEPALIVE std::size_t qmoor_errors_size() { return errors.size(); }
}
