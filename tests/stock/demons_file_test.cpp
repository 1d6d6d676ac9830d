// The file of my demons on disk: where it lives, each state a load ends in,
// and saving into a folder not made yet.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "stock/demons_file.h"

namespace qmoor {
namespace {

namespace fs = std::filesystem;

class DemonsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("demons-file-test-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
    return (folder_ / name).string();
  }
  fs::path folder_;
};

TEST_F(DemonsFile, LivesUnderTheDataHome) {
  EXPECT_EQ(defaultDemonsFilePath("/data", "/home/me"), "/data/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath(nullptr, "/home/me"), "/home/me/.local/share/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath("", "/home/me"), "/home/me/.local/share/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath("relative", "/home/me"), "/home/me/.local/share/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath(nullptr, nullptr), "");
}

TEST_F(DemonsFile, EndsEachLoadInItsState) {
  const struct {
    std::string path;
    DemonsFileState state;
  } cases[] = {
      {write("good.json", "{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[]}"), DemonsFileState::Loaded},
      {(folder_ / "none.json").string(), DemonsFileState::NoFile},
      {folder_.string(), DemonsFileState::CannotRead},
      {write("big.json", std::string(LargestDemonsFile + 1, ' ')), DemonsFileState::TooLarge},
      {write("bad.json", "{"), DemonsFileState::CannotParse},
  };
  for (const auto& c : cases) EXPECT_EQ(loadDemonsFile(c.path).state, c.state) << c.path;
}

TEST_F(DemonsFile, SavesIntoAFolderMadeOnTheWay) {
  const std::string path = (folder_ / "Quillmoor" / "demons.json").string();
  const std::vector<MyDemon> demons{{{7, 8}, 20, {43, 13}, {}}, {{}, 0, {}, "\"kept\""}};
  ASSERT_EQ(saveDemonsFile(path, demons), "");
  const DemonsFileLoad load = loadDemonsFile(path);
  ASSERT_TRUE(load.loaded());
  EXPECT_EQ(load.read.demons, demons);
}

}  // namespace
}  // namespace qmoor
