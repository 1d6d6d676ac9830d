// Every kept damaged or sample tab file (the fuzzers' finds among them) opens
// with LOAD without a fault, and the view's invariants hold after it and after
// entering each loaded tab.
#include <filesystem>

#include "view_fixture.h"
#include "view_invariants.h"

namespace qmoor::testing {
namespace {

namespace fs = std::filesystem;

using DamagedFiles = ViewFixture;

TEST_F(DamagedFiles, LoadWithoutBreakingTheView) {
  int files = 0;
  for (const fs::path& folder : {fs::path(QMOOR_TEST_DATA_DIR) / "tab-files", fs::path(QMOOR_SOURCE_DIR) / "fuzz" / "corpus"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      ++files;
      run("load " + entry.path().string());
      EXPECT_EQ(brokenInvariant(view), "") << entry.path();
      for (int tab = 1; tab < view.form().tabs().count(); ++tab) {
        run("tab " + std::to_string(tab));
        ASSERT_EQ(brokenInvariant(view), "") << entry.path() << " tab " << tab;
      }
    }
  }
  EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace qmoor::testing
