// The file of my demons as a document: where it lives, and each state a
// read comes to.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "stock/demons_file.h"

namespace qmoor {
namespace {

TEST(DemonsFile, LivesUnderTheDataHome) {
  EXPECT_EQ(defaultDemonsFilePath("/data", "/home/me"), "/data/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath(nullptr, "/home/me"), "/home/me/.local/share/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath("", "/home/me"), "/home/me/.local/share/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath("relative", "/home/me"), "/home/me/.local/share/Quillmoor/demons.json");
  EXPECT_EQ(defaultDemonsFilePath(nullptr, nullptr), "");
}

TEST(DemonsFile, EndsEachReadInItsState) {
  const std::string good = "{\"format\":\"quillmoor-demons\",\"version\":1,\"demons\":[{\"race\":7,\"slot\":8,\"level\":2,\"skills\":[]}]}";
  const struct {
    int error;
    std::string text;
    bool whole;
    DemonsFileState state;
    std::size_t demons;
  } cases[] = {
      {0, good, true, DemonsFileState::Loaded, 1},
      {ENOENT, "", false, DemonsFileState::NoFile, 0},
      {EISDIR, "", false, DemonsFileState::CannotRead, 0},
      {0, good, false, DemonsFileState::TooLarge, 0},
      {0, "{", true, DemonsFileState::CannotParse, 0},
  };
  for (const auto& c : cases) {
    const DemonsFileLoad load = demonsFileLoad(c.error, c.text, c.whole);
    EXPECT_EQ(load.state, c.state) << c.error << " " << c.text;
    EXPECT_EQ(load.read.demons.size(), c.demons) << c.error << " " << c.text;
  }
}

}  // namespace
}  // namespace qmoor
