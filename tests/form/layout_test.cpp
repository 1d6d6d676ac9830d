// The layout table: its identifiers, places, group boxes, styles and texts.
#include "form/layout.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace qmoor {
namespace {

using C = ControlId;
using K = ControlKind;

int num(ControlId id) { return static_cast<int>(id); }
std::string where(const LayoutEntry& e) { return std::to_string(num(e.id)) + " \"" + std::string(e.caption) + "\""; }
bool contains(const DialogRect& r, int x, int y) { return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height; }

// Every named identifier of control_ids.h, by the kind of control it names.
const std::map<ControlKind, std::vector<ControlId>> IdsByKind = {
    {K::ComboBox, {C::RaceOrderCombo, C::RaceCombo, C::MaterialRaceCombo, C::Skill1KindCombo, C::Skill1KanaCombo,
                   C::Skill2KindCombo, C::Skill2KanaCombo, C::HolderCombo1, C::HolderCombo2, C::RacePairCombo,
                   C::Material1Combo, C::Material2Combo, C::DemonCombo, C::LevelOrderCombo}},
    {K::ListBox, {C::DemonList, C::RecipeList, C::RacePairList, C::MaterialList1, C::UnusedList, C::MaterialList2,
                  C::DetailSkills1, C::DetailSkills2, C::Material1Skills1, C::Material1Skills2, C::Material2Skills1,
                  C::Material2Skills2, C::HolderList1, C::HolderList2}},
    {K::ListView, {C::StatsView, C::ResistanceView, C::MarksView, C::InheritanceView, C::MaterialPairView}},
    {K::TabControl, {C::TabBar}},
    {K::UpDown, {C::LimitSpin}},
    {K::Edit, {C::LimitEdit, C::UnusedEdit, C::Material1RaceEdit, C::Material2RaceEdit, C::DetailRaceEdit,
               C::DetailNameEdit, C::RequiredLowEdit, C::RequiredHighEdit, C::SelectedTotalEdit, C::DetailLevelEdit}},
    {K::CheckBox, {C::AutoLimitCheck, C::ManualLimitCheck, C::Skill1Check, C::Skill2Check, C::NeutralCheck,
                   C::ReverseCheck, C::CurseCheck}},
    {K::Button, {C::OpenDetailButton, C::CloseTabButton, C::OpenMaterial1Button, C::OpenMaterial2Button,
                 C::MoveLeftButton, C::MoveRightButton, C::DeleteLeftButton, C::DeleteRightButton}},
    {K::Static, {C::AutoLimitCaption, C::ManualLimitCaptionLv, C::ManualLimitCaptionBelow, C::Skill1KindCaption,
                 C::Skill1KanaCaption, C::Skill2KindCaption, C::Skill2KanaCaption, C::NeutralCaption,
                 C::ReverseCaption, C::CurseCaption}},
    {K::GroupBox, {C::Skill1Group}},
};

TEST(LayoutIdentifiers, NinetyControlsAndEveryNamedIdOnceWithItsKind) {
  ASSERT_EQ(formLayout().size(), 90u);
  std::multiset<ControlId> onForm;
  for (const LayoutEntry& e : formLayout()) {
    if (e.id != C::None) onForm.insert(e.id);
  }
  EXPECT_EQ(onForm.size(), 71u);
  std::set<ControlId> named;
  for (const auto& [kind, ids] : IdsByKind) {
    for (ControlId id : ids) {
      EXPECT_TRUE(named.insert(id).second) << num(id);
      EXPECT_EQ(onForm.count(id), 1u) << num(id);
      const LayoutEntry* entry = layoutEntryOf(id);
      ASSERT_NE(entry, nullptr) << num(id);
      EXPECT_EQ(std::pair(entry->id, entry->kind), std::pair(id, kind)) << num(id);
    }
  }
  EXPECT_EQ(named.size(), 71u);
  EXPECT_EQ(layoutEntryOf(C::None), nullptr);
  EXPECT_EQ(layoutEntryOf(static_cast<ControlId>(1006)), nullptr);
}

// A combo box's height includes its dropped-down list, which may reach beyond the form and its frame.
TEST(LayoutPlaces, EveryControlLiesOnTheFormInsideTheTabControlAndInItsOwnGroupBoxOnly) {
  const DialogRect tabArea = layoutEntryOf(C::TabBar)->rect;
  std::map<std::string_view, DialogRect> frames{{"", {0, 0, FormWidthDlu, FormHeightDlu}}};
  for (const LayoutEntry& e : formLayout()) {
    if (e.kind == K::GroupBox) { EXPECT_TRUE(frames.emplace(e.caption, e.rect).second) << where(e); }
  }
  ASSERT_EQ(frames.size(), 7u);
  for (const LayoutEntry& e : formLayout()) {
    const DialogRect& r = e.rect;
    const int bottom = e.kind == K::ComboBox ? r.y + 1 : r.y + r.height;
    EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0) << where(e);
    EXPECT_TRUE(contains(tabArea, r.x, r.y) && r.x + r.width <= tabArea.x + tabArea.width) << where(e);
    EXPECT_LE(bottom, tabArea.y + tabArea.height) << where(e);
    ASSERT_TRUE(frames.contains(e.groupBox)) << where(e);
    const DialogRect& frame = frames[e.groupBox];
    EXPECT_TRUE(r.x + r.width <= frame.x + frame.width && bottom <= frame.y + frame.height) << where(e);
    for (const auto& [caption, other] : frames) {
      if (e.kind != K::GroupBox && !caption.empty()) {
        EXPECT_EQ(contains(other, r.x, r.y), caption == e.groupBox) << where(e) << " in " << caption;
      }
    }
  }
}

TEST(LayoutStyles, HasStyleMatchesWholeWordsOnly) {
  const LayoutEntry e{C::None, K::Edit, "", "", {}, "border left autohscroll"};
  for (const char* word : {"border", "left", "autohscroll"}) EXPECT_TRUE(e.hasStyle(word)) << word;
  for (const char* word : {"hscroll", "bord", "left autohscroll", ""}) EXPECT_FALSE(e.hasStyle(word)) << word;
  EXPECT_FALSE((LayoutEntry{C::None, K::Static, "", "", {}, ""}).hasStyle("left"));
}

// The Tab key visits the tabstop controls that are not hidden, in template order.
TEST(LayoutStyles, HiddenControlsAndTabKeyOrder) {
  std::set<int> hidden;
  std::vector<int> visited;
  for (const LayoutEntry& e : formLayout()) {
    if (e.hasStyle("hidden")) hidden.insert(num(e.id));
    else if (e.hasStyle("tabstop")) visited.push_back(num(e.id));
  }
  EXPECT_EQ(hidden, (std::set<int>{1013, 1003, 1009, 1004, 1007, 1020, 1086, 1089, 1035}));
  EXPECT_EQ(visited, (std::vector<int>{1026, 1005, 1002, 1168, 1019, 1000, 1167, 1165, 1166, 1017, 1025, 1018,
                                       1028, 1001, 1172, 1173, 1174, 1053, 1180, 1181, 1182, 1021, 1022, 1057,
                                       1058, 1059, 1082, 1083, 1084, 1085, 1087, 1088, 1114, 1024, 1116}));
}

TEST(LayoutStyles, KindsCarryTheirOwnStylesAndCaptions) {
  for (const LayoutEntry& e : formLayout()) {
    // Whatever the Tab key or a click reaches must be addressable.
    if (e.hasStyle("tabstop") || e.hasStyle("notify")) { EXPECT_NE(e.id, C::None) << where(e); }
    if (e.kind == K::ComboBox) { EXPECT_NE(e.hasStyle("dropdown"), e.hasStyle("simple")) << where(e); }
    if (e.kind == K::ListView) { EXPECT_TRUE(e.hasStyle("report")) << where(e); }
    if (e.kind == K::Static) { EXPECT_EQ(e.caption.empty(), e.hasStyle("icon")) << where(e); }
    const bool captioned = e.kind == K::Button || e.kind == K::Static || e.kind == K::GroupBox;
    if (!captioned) { EXPECT_EQ(e.caption, "") << where(e); }
  }
  EXPECT_TRUE(layoutEntryOf(C::LimitSpin)->hasStyle("autobuddy"));
}

TEST(LayoutTexts, IdentifiedCaptionsReadAsTheUserSeesThem) {
  const std::map<ControlId, std::string_view> expected = {
      {C::OpenDetailButton, "新しいタブで開く"}, {C::OpenMaterial1Button, "新しいタブで開く"},
      {C::OpenMaterial2Button, "新しいタブで開く"}, {C::CloseTabButton, "このタブを閉じる"}, {C::MoveLeftButton, "←"},
      {C::MoveRightButton, "→"}, {C::DeleteLeftButton, "左のタブを削除"}, {C::DeleteRightButton, "右のタブを削除"},
      {C::AutoLimitCaption, "自動レベル制限"}, {C::ManualLimitCaptionLv, "LV"}, {C::ManualLimitCaptionBelow, "以下に制限"},
      {C::Skill1KindCaption, "種別順"}, {C::Skill1KanaCaption, "50音順"}, {C::Skill2KindCaption, "種別順"},
      {C::Skill2KanaCaption, "50音順"}, {C::Skill1Group, "スキル指定 1"}, {C::NeutralCaption, "NEUTRAL"},
      {C::ReverseCaption, "反転"}, {C::CurseCaption, "CURSE"},
  };
  for (const LayoutEntry& e : formLayout()) {
    const auto found = expected.find(e.id);
    if (e.id != C::None) { EXPECT_EQ(e.caption, found == expected.end() ? "" : found->second) << where(e); }
  }
}

// The text after converting to code page 932 and back, or a marker when it does not convert.
std::string throughCodePage932(std::string_view text) {
  std::string result;
  for (const auto& [from, to] : {std::pair{"UTF-8", "CP932"}, std::pair{"CP932", "UTF-8"}}) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
    std::string in(text);
    result.assign(in.size() * 2 + 1, '\0');
    char* src = in.data();
    char* dst = result.data();
    size_t srcLeft = in.size();
    size_t dstLeft = result.size();
    const size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) return "<not convertible>";
    result.resize(result.size() - dstLeft);
    text = result;
  }
  return result;
}

// The platform shows every text in Shift-JIS: each must come back unchanged.
TEST(LayoutTexts, EveryTextSurvivesCodePage932) {
  for (const LayoutEntry& e : formLayout()) {
    EXPECT_EQ(throughCodePage932(e.caption), e.caption) << where(e);
    EXPECT_EQ(throughCodePage932(e.groupBox), e.groupBox) << where(e);
  }
}

}  // namespace
}  // namespace qmoor
