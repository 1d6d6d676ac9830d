// Every recorded damaged input and every fuzzing seed decodes without
// breaking an invariant of the saved-tabs codec.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tab_file_invariants.h"

namespace qmoor {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int checkFolder(const fs::path& folder) {
  int files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    EXPECT_EQ(tab_file_invariants::violation(readFile(entry.path())), "") << entry.path();
  }
  return files;
}

TEST(RecordedTabFiles, DamagedInputsKeepTheInvariants) {
  EXPECT_GT(checkFolder(fs::path(QMOOR_TEST_DATA_DIR) / "tab-files"), 0);
}

TEST(RecordedTabFiles, FuzzingSeedsKeepTheInvariants) {
  EXPECT_GT(checkFolder(fs::path(QMOOR_SOURCE_DIR) / "fuzz" / "corpus"), 0);
}

TEST(RecordedTabFiles, FuzzingSeedsAreCompleteFiles) {
  for (const char* name : {"one-tab.qmf", "max-tabs.qmf", "version-1600.qmf"}) {
    const TabDecodeResult read =
        decodeTabs(readFile(fs::path(QMOOR_SOURCE_DIR) / "fuzz" / "corpus" / name));
    EXPECT_EQ(read.status, TabFileStatus::Complete) << name;
  }
}

// The checks above are only as good as the oracle: it must notice bad records.
TEST(RecordedTabFiles, OracleRejectsRecordsOutOfRange) {
  const TabState good{.slot = -1, .limitText = "0"};
  ASSERT_EQ(tab_file_invariants::fieldViolation(good), "");
  TabState bad = good;
  bad.race = RaceTotal;
  EXPECT_NE(tab_file_invariants::fieldViolation(bad), "");
  bad = good;
  bad.skill2Index = SelectableSkillTotal;
  EXPECT_NE(tab_file_invariants::fieldViolation(bad), "");
  bad = good;
  bad.materialRaceChoice = 4;
  EXPECT_NE(tab_file_invariants::fieldViolation(bad), "");
  bad = good;
  bad.curse = 2;
  EXPECT_NE(tab_file_invariants::fieldViolation(bad), "");
  bad = good;
  bad.limitText = "07";
  EXPECT_NE(tab_file_invariants::fieldViolation(bad), "");
}

}  // namespace
}  // namespace qmoor
