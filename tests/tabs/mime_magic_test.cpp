// The magic rule of the .qmf file type (src/app/quillmoor-mime.xml), which
// lets a desktop without the file's name (xdg-open, a file manager's preview)
// know the file: every file the codec writes matches it, other files do not.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "tabs/tab_codec.h"

namespace qmoor {
namespace {

struct Match {
  std::size_t offset;
  std::string value;
};

std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The string matches of the rule, outermost first; the rule nests them, so all must hold.
std::vector<Match> magicMatches() {
  const std::string xml = fileText(QMOOR_SOURCE_DIR "/src/app/quillmoor-mime.xml");
  const std::regex match(R"re(<match type="string" offset="(\d+)" value="([^"]*)")re");
  std::vector<Match> matches;
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), match); it != std::sregex_iterator(); ++it) {
    std::string value;
    const std::string escaped = (*it)[2];
    for (std::size_t i = 0; i < escaped.size(); ++i) {
      if (escaped.compare(i, 2, "\\x") == 0) {
        value += static_cast<char>(std::stoi(escaped.substr(i + 2, 2), nullptr, 16));
        i += 3;
      } else {
        value += escaped[i];
      }
    }
    matches.push_back({std::stoul((*it)[1]), value});
  }
  return matches;
}

bool matchesMagic(const std::string& bytes, const std::vector<Match>& matches) {
  for (const Match& m : matches) {
    if (bytes.size() < m.offset + m.value.size() || bytes.compare(m.offset, m.value.size(), m.value) != 0) return false;
  }
  return true;
}

TEST(MimeMagic, EveryFileTheCodecWritesMatchesAndOtherFilesDoNot) {
  const std::vector<Match> matches = magicMatches();
  ASSERT_FALSE(matches.empty());
  for (const std::size_t count : {std::size_t{1}, std::size_t{2}, std::size_t{MaxTabs}}) {
    const std::vector<TabState> tabs(count);
    const std::vector<std::uint8_t> written = encodeTabs(tabs);
    EXPECT_TRUE(matchesMagic(std::string(written.begin(), written.end()), matches)) << count << " tabs";
  }
  for (const char* other : {"/src/app/icons/frame-32.png", "/src/app/quillmoor-mime.xml", "/README.md"}) {
    EXPECT_FALSE(matchesMagic(fileText(std::string(QMOOR_SOURCE_DIR) + other), matches)) << other;
  }
  EXPECT_FALSE(matchesMagic(std::string(64, '\0'), matches));
}

}  // namespace
}  // namespace qmoor
