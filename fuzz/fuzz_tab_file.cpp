// libFuzzer target: any byte sequence read as a saved-tabs file must decode
// without a fault and keep every invariant of tab_file_invariants.h.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "tab_file_invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = qmoor::tab_file_invariants::violation(std::span(data, size));
  if (!problem.empty()) {
    std::fprintf(stderr, "saved-tabs invariant broken: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
