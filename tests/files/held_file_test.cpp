// Two holders of one file: each notices what the other (or a hand edit) did
// to the file since it last read or wrote it, however it was done, and never
// its own writes.
#include "files/held_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "files/file_io.h"

namespace qmoor::testing {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

class HeldFileTest : public ::testing::Test {
 protected:
  fs::path folder;
  std::string path;

  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qmoor-held-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    path = (folder / "demons.json").string();
  }
  void TearDown() override { fs::remove_all(folder); }

  void writeByHand(const std::string& text) const { std::ofstream(path, std::ios::binary | std::ios::trunc) << text; }
};

TEST_F(HeldFileTest, EachHolderNoticesTheOthersWriteButNotItsOwn) {
  writeByHand("one");
  HeldFile first(path, 64);
  HeldFile second(path, 64);
  first.read();
  second.read();
  EXPECT_FALSE(first.changedSince());

  ASSERT_FALSE(second.write(bytesOf("two")).failed());
  EXPECT_FALSE(second.changedSince());
  EXPECT_TRUE(first.changedSince());

  first.read();  // the first takes the second's list
  EXPECT_FALSE(first.changedSince());
  ASSERT_FALSE(first.write(bytesOf("three")).failed());
  EXPECT_TRUE(second.changedSince());
  EXPECT_FALSE(first.changedSince());
}

// Whatever another does to the file after it was read, the holder notices.
TEST_F(HeldFileTest, NoticesEveryWayTheFileCanChange) {
  const std::string full(64, 'o');  // as long as the limit: only as many bytes are read and compared
  const std::vector<std::pair<std::string, std::function<void()>>> changes{
      {"rewritten in place, same size", [&] { writeByHand(std::string(63, 'o') + "O"); }},
      {"replaced by a rename",
       [&] {
         std::ofstream(folder / "new", std::ios::binary) << "renamed";
         fs::rename(folder / "new", path);
       }},
      {"removed", [&] { fs::remove(path); }},
      {"grown past the limit", [&] { writeByHand(full + "ne"); }},
  };
  for (const auto& [what, change] : changes) {
    writeByHand(full);
    HeldFile holder(path, 64);
    holder.read();
    change();
    EXPECT_TRUE(holder.changedSince()) << what;
  }

  fs::remove(path);
  HeldFile holder(path, 64);
  EXPECT_FALSE(holder.read().error.number == 0);
  EXPECT_FALSE(holder.changedSince()) << "still no file";
  writeByHand(full);
  EXPECT_TRUE(holder.changedSince()) << "made";
  ASSERT_FALSE(holder.write(bytesOf(full + "y")).failed());
  EXPECT_FALSE(holder.changedSince()) << "its own write past the limit";
}

}  // namespace
}  // namespace qmoor::testing
