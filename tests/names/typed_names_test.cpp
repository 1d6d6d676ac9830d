// Names as people type them, and the reading order (50音順) of names.
#include <gtest/gtest.h>

#include "names/names.h"
#include "names/reading_order.h"
#include "names/typed_names.h"

namespace qmoor {
namespace {

TEST(TypedNames, WidthBlanksAndHiraganaAreTakenAsTyped) {
  const struct {
    const char* typed;
    const char* plain;
    const char* key;
  } cases[] = {
      {"ぴくしー", "ぴくしー", "ピクシー"},
      {"だいそうじょう", "だいそうじょう", "ダイソウジョウ"},
      {"７／８", "7/8", "7/8"},
      {"　Ｐｉｘｉｅ ", "Pixie", "pixie"},
      {"\tＪａｃｋ　Ｆｒｏｓｔ\n", "Jack Frost", "jack frost"},
      {"ゝゞ", "ゝゞ", "ヽヾ"},
      {"\xff ぴ", "\xff ぴ", "\xff ピ"},  // a malformed byte is kept, not lost
      {"　 ", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(plainTyping(c.typed), c.plain) << c.typed;
    EXPECT_EQ(nameKey(c.typed), c.key) << c.typed;
  }
  EXPECT_EQ(demonsNamed("ぴくしー"), (std::vector<DemonRef>{{7, 8}}));
  EXPECT_EQ(demonsNamed(" ダイソウジョウ　"), (std::vector<DemonRef>{{31, 7}}));
  EXPECT_EQ(raceNamed("　妖精 "), Race{7});
  EXPECT_EQ(skillNamed("あぎ"), 1);
  EXPECT_EQ(skillNamed("LV57地母神パールヴァティ"), std::nullopt);  // an evolution entry is no skill
}

TEST(ReadingOrder, NamesSortAsAReaderLooksThemUp) {
  // Each name comes before the next.
  const std::vector<std::string_view> ordered{
      "Agi", "agilao", "Arahabaki", "Ara Mitama", "Dís", "Dominion", "Jack Frost", "Jack-o'-Lantern", "Pixie", "アークエンジェル", "アーシーズ", "アクアンズ", "ヴィシュヌ", "ウコバク", "ウリエル",
      "エリゴール", "スカアハ", "スカディ", "ソウルバランス", "だいそうじょう", "タム・リン", "ダンテ",
      "パールヴァティ", "ハイピクシー", "バイブ・カハ", "ヒートウェーブ", "ピクシー", "ミシャグジさま",
      "ヤクシニー", "ヨモツイクサ", "ン", "鬼女",
      // Kana that differ only in their marks: plain, small, voiced, half-voiced.
      "ウイ", "ヴイ", "ハツ", "ハッ", "ハヅ", "ハヒ", "ハビ", "ハピ"};
  for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
    if (ordered[i] == "鬼女") continue;  // the marks' cases start over
    EXPECT_LT(readingKey(ordered[i]), readingKey(ordered[i + 1])) << ordered[i] << " < " << ordered[i + 1];
  }
  EXPECT_EQ(readingKey("ぴくしー"), readingKey("ピクシー"));
  EXPECT_EQ(readingKey("バイブ・カハ"), readingKey("バイブカハ"));
}

}  // namespace
}  // namespace qmoor
