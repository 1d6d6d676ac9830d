// libFuzzer target: any text read as a file of my demons must be read
// without a fault; a text read as a file must come back the same through
// writing and reading again, every entry as it was, and every entry checks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "stock/demons_file_format.h"
#include "stock/holding_rule.h"

namespace {

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "file of my demons: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const qmoor::DemonsFileRead read = qmoor::parseDemonsFile(text);
  if (read.problem != qmoor::DemonsFileProblem::None) {
    if (!read.demons.empty()) broken("a refused file gave entries");
    return 0;
  }
  for (const qmoor::MyDemon& entry : read.demons) {
    if (!entry.unread.empty() && entry.unread.size() > size) broken("an unread entry longer than the file");
    (void)qmoor::checkEntry(entry);
  }
  const std::string written = qmoor::serialiseDemonsFile(read.demons);
  const qmoor::DemonsFileRead again = qmoor::parseDemonsFile(written);
  if (again.problem != qmoor::DemonsFileProblem::None) broken("what was written cannot be read");
  if (again.demons != read.demons) broken("an entry changed through writing and reading");
  if (qmoor::serialiseDemonsFile(again.demons) != written) broken("writing twice gave two texts");
  return 0;
}
