// Column widths as a terminal shows them, and tables aligned by them.
#include <gtest/gtest.h>

#include <sstream>

#include "query/text_table.h"
#include "query/text_width.h"

namespace qmoor::query {
namespace {

TEST(DisplayWidth, WideCharactersCountTwo) {
  const struct {
    const char* text;
    int width;
  } cases[] = {
      {"", 0},
      {"Pixie", 5},
      {"ピクシー", 8},          // katakana and the long vowel mark
      {"魔神", 4},              // ideographs
      {"精霊　", 6},            // ideographic space
      {"ＬＶ", 4},              // fullwidth Latin
      {"ｱｷﾞ", 3},               // halfwidth katakana stay narrow
      {"LV93 魔神 ヴィシュヌ", 20},
      {"\xE3\x81", 2},          // each byte of a cut-off sequence is one replacement
      {"a\xFF" "b", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(displayWidth(c.text), c.width) << c.text;
}

TEST(TextTable, AlignsMixedWidthsWithoutTrailingBlanks) {
  TextTable table({{"LV", Align::Right}, {"種族"}, {"悪魔"}});
  table.addRow({"2", "妖精", "ピクシー"});
  table.addRow({"93", "破壊神", "Vishnu"});
  table.addRow({"7"});
  std::ostringstream out;
  table.write(out);
  EXPECT_EQ(out.str(),
            "LV  種族    悪魔\n"
            " 2  妖精    ピクシー\n"
            "93  破壊神  Vishnu\n"
            " 7\n");
}

}  // namespace
}  // namespace qmoor::query
