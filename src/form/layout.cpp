// The form's layout table: the 90 controls of the form in template order.
#include "form/layout.h"

#include <algorithm>
#include <array>

namespace qmoor {

namespace {

using C = ControlId;
using K = ControlKind;

// Group box captions, each written once.
constexpr std::string_view Search = "検索";
constexpr std::string_view LevelLimit = "レベル制限";
constexpr std::string_view Result = "結果";
constexpr std::string_view MaterialSkills = "素材悪魔所持スキル";
constexpr std::string_view SkillCondition1 = "スキル指定 1";
constexpr std::string_view SkillCondition2 = "スキル指定 2";

// Style words shared by many controls.
constexpr std::string_view DropDownCombo = "vscroll tabstop dropdown sort";
constexpr std::string_view TabList = "border vscroll tabstop notify sort nointegralheight";
constexpr std::string_view HiddenList = "hidden border vscroll tabstop notify sort nointegralheight";
constexpr std::string_view SkillList = "border vscroll notify sort nointegralheight";
constexpr std::string_view ReportView = "border report alignleft nosortheader";

constexpr std::array<LayoutEntry, LayoutControlTotal> Layout{{
  // id                         kind            caption                         group box         rectangle              style
  {C::RaceOrderCombo,           K::ComboBox,    "",                             Search,           {88, 91, 118, 318},    DropDownCombo},
  {C::RaceCombo,                K::ComboBox,    "",                             Search,           {11, 63, 39, 309},     DropDownCombo},
  {C::DemonList,                K::ListBox,     "",                             Search,           {11, 77, 70, 83},      TabList},
  {C::OpenDetailButton,         K::Button,      "新しいタブで開く",             Search,           {231, 55, 64, 16},     "tabstop"},
  {C::LimitEdit,                K::Edit,        "",                             LevelLimit,       {149, 285, 22, 12},    "border tabstop right"},
  {C::LimitSpin,                K::UpDown,      "",                             LevelLimit,       {179, 268, 10, 11},    "wrap setbuddyint alignright autobuddy arrowkeys"},
  {C::MaterialRaceCombo,        K::ComboBox,    "",                             "",               {121, 229, 39, 328},   DropDownCombo},
  {C::CloseTabButton,           K::Button,      "このタブを閉じる",             "",               {101, 25, 51, 14},     "tabstop"},
  {C::OpenMaterial1Button,      K::Button,      "新しいタブで開く",             MaterialSkills,   {310, 55, 64, 16},     "tabstop"},
  {C::OpenMaterial2Button,      K::Button,      "新しいタブで開く",             MaterialSkills,   {379, 55, 64, 16},     "tabstop"},
  {C::UnusedEdit,               K::Edit,        "",                             LevelLimit,       {191, 270, 14, 14},    "hidden border tabstop left multiline autovscroll wantreturn"},
  {C::None,                     K::GroupBox,    Search,                         "",               {7, 41, 293, 175},     ""},
  {C::None,                     K::Static,      "レベル順一覧検索",             Search,           {85, 51, 54, 8},       "left"},
  {C::None,                     K::Static,      "種族順一覧検索",               Search,           {86, 80, 49, 8},       "left"},
  {C::None,                     K::Static,      "種族別検索",                   Search,           {10, 51, 35, 8},       "left"},
  {C::None,                     K::GroupBox,    LevelLimit,                     "",               {121, 260, 93, 43},    ""},
  {C::AutoLimitCheck,           K::CheckBox,    "",                             LevelLimit,       {127, 270, 9, 12},     "tabstop"},
  {C::AutoLimitCaption,         K::Static,      "自動レベル制限",               LevelLimit,       {139, 272, 47, 8},     "tabstop left notify"},
  {C::ManualLimitCheck,         K::CheckBox,    "",                             LevelLimit,       {127, 286, 8, 11},     "tabstop"},
  {C::ManualLimitCaptionLv,     K::Static,      "LV",                           LevelLimit,       {139, 287, 9, 8},      "tabstop left notify"},
  {C::ManualLimitCaptionBelow,  K::Static,      "以下に制限",                   LevelLimit,       {173, 287, 35, 8},     "left notify"},
  {C::RecipeList,               K::ListBox,     "",                             "",               {120, 318, 93, 51},    "border notify sort nointegralheight"},
  {C::None,                     K::Static,      "Quillmoor",                    "",               {340, 28, 73, 8},      "left"},
  {C::None,                     K::Static,      "Ver 1.705",                    "",               {419, 28, 28, 8},      "left"},
  {C::None,                     K::GroupBox,    Result,                         "",               {219, 218, 229, 153},  ""},
  {C::None,                     K::Static,      "素材種族指定",                 "",               {120, 219, 42, 8},     "left"},
  {C::None,                     K::Static,      "合体可能種族",                 Result,           {223, 230, 42, 8},     "left"},
  {C::RacePairList,             K::ListBox,     "",                             Result,           {224, 241, 64, 122},   TabList},
  {C::Material1RaceEdit,        K::Edit,        "",                             MaterialSkills,   {310, 73, 25, 12},     "border left autohscroll"},
  {C::MaterialList1,            K::ListBox,     "",                             Search,           {143, 89, 70, 13},     HiddenList},
  {C::UnusedList,               K::ListBox,     "",                             "",               {303, 17, 23, 18},     HiddenList},
  {C::Material2RaceEdit,        K::Edit,        "",                             MaterialSkills,   {379, 73, 25, 12},     "border left autohscroll"},
  {C::MaterialList2,            K::ListBox,     "",                             Search,           {135, 79, 70, 12},     HiddenList},
  {C::DetailRaceEdit,           K::Edit,        "",                             Search,           {231, 73, 28, 12},     "border left autohscroll"},
  {C::DetailNameEdit,           K::Edit,        "",                             Search,           {231, 89, 64, 12},     "border left autohscroll"},
  {C::None,                     K::GroupBox,    MaterialSkills,                 "",               {304, 41, 144, 176},   ""},
  {C::RequiredLowEdit,          K::Edit,        "",                             Search,           {71, 197, 15, 12},     "border right autohscroll"},
  {C::RequiredHighEdit,         K::Edit,        "",                             Search,           {96, 197, 15, 12},     "border right autohscroll"},
  {C::None,                     K::Static,      "～",                           Search,           {88, 199, 8, 8},       "left"},
  {C::None,                     K::Static,      "必要な合計レベル",             Search,           {17, 198, 51, 8},      "left"},
  {C::SelectedTotalEdit,        K::Edit,        "",                             Search,           {209, 197, 15, 12},    "border right autohscroll"},
  {C::None,                     K::Static,      "選択中の悪魔2体の合計レベル",  Search,           {120, 199, 87, 8},     "left"},
  {C::Skill1KindCombo,          K::ComboBox,    "",                             SkillCondition1,  {49, 229, 61, 212},    DropDownCombo},
  {C::Skill1KanaCombo,          K::ComboBox,    "",                             SkillCondition1,  {49, 243, 61, 178},    DropDownCombo},
  {C::Skill1Check,              K::CheckBox,    "",                             SkillCondition1,  {14, 237, 8, 8},       "tabstop"},
  {C::Skill1KindCaption,        K::Static,      "種別順",                       SkillCondition1,  {25, 231, 22, 8},      "tabstop left notify"},
  {C::Skill1KanaCaption,        K::Static,      "50音順",                       SkillCondition1,  {25, 246, 22, 8},      "left notify"},
  {C::Skill1Group,              K::GroupBox,    SkillCondition1,                "",               {7, 218, 109, 73},     "notify"},
  {C::DetailSkills1,            K::ListBox,     "",                             Search,           {231, 104, 64, 52},    SkillList},
  {C::DetailSkills2,            K::ListBox,     "",                             Search,           {231, 160, 64, 52},    SkillList},
  {C::Material1Skills1,         K::ListBox,     "",                             MaterialSkills,   {310, 104, 64, 52},    SkillList},
  {C::Material1Skills2,         K::ListBox,     "",                             MaterialSkills,   {310, 160, 64, 52},    SkillList},
  {C::Material2Skills1,         K::ListBox,     "",                             MaterialSkills,   {379, 104, 63, 52},    SkillList},
  {C::Material2Skills2,         K::ListBox,     "",                             MaterialSkills,   {379, 160, 63, 52},    SkillList},
  {C::None,                     K::GroupBox,    SkillCondition2,                "",               {7, 293, 109, 76},     ""},
  {C::Skill2Check,              K::CheckBox,    "",                             SkillCondition2,  {14, 313, 9, 11},      "tabstop"},
  {C::Skill2KindCaption,        K::Static,      "種別順",                       SkillCondition2,  {25, 307, 22, 8},      "left notify"},
  {C::Skill2KanaCaption,        K::Static,      "50音順",                       SkillCondition2,  {25, 323, 22, 8},      "left notify"},
  {C::Skill2KindCombo,          K::ComboBox,    "",                             SkillCondition2,  {49, 304, 61, 216},    DropDownCombo},
  {C::Skill2KanaCombo,          K::ComboBox,    "",                             SkillCondition2,  {49, 318, 61, 171},    DropDownCombo},
  {C::None,                     K::Static,      "",                             Search,           {39, 167, 20, 20},     "icon"},
  {C::HolderList1,              K::ListBox,     "",                             Search,           {125, 75, 93, 19},     HiddenList},
  {C::HolderList2,              K::ListBox,     "",                             Search,           {101, 71, 93, 23},     HiddenList},
  {C::None,                     K::Static,      "スキル所持悪魔",               SkillCondition1,  {11, 261, 45, 8},      "left"},
  {C::None,                     K::Static,      "スキル所持悪魔",               SkillCondition2,  {10, 338, 45, 8},      "left"},
  {C::None,                     K::Static,      "特殊合体",                     "",               {119, 308, 28, 8},     "left"},
  {C::MoveLeftButton,           K::Button,      "←",                            "",               {8, 25, 12, 13},       "tabstop"},
  {C::MoveRightButton,          K::Button,      "→",                            "",               {21, 25, 12, 13},      "tabstop"},
  {C::NeutralCheck,             K::CheckBox,    "",                             "",               {168, 229, 9, 11},     "tabstop"},
  {C::ReverseCheck,             K::CheckBox,    "",                             "",               {127, 246, 9, 9},      "tabstop"},
  {C::CurseCheck,               K::CheckBox,    "",                             "",               {168, 246, 8, 9},      "tabstop"},
  {C::NeutralCaption,           K::Static,      "NEUTRAL",                      "",               {179, 231, 31, 8},     "left notify"},
  {C::ReverseCaption,           K::Static,      "反転",                         "",               {139, 247, 15, 8},     "left notify"},
  {C::CurseCaption,             K::Static,      "CURSE",                        "",               {180, 246, 23, 8},     "left notify"},
  {C::DeleteLeftButton,         K::Button,      "左のタブを削除",               "",               {52, 25, 47, 14},      "tabstop"},
  {C::DeleteRightButton,        K::Button,      "右のタブを削除",               "",               {154, 25, 45, 14},     "tabstop"},
  {C::HolderCombo1,             K::ComboBox,    "",                             SkillCondition1,  {12, 271, 98, 120},    DropDownCombo},
  {C::HolderCombo2,             K::ComboBox,    "",                             SkillCondition2,  {12, 348, 98, 127},    DropDownCombo},
  {C::RacePairCombo,            K::ComboBox,    "",                             Search,           {14, 131, 69, 57},     "hidden vscroll tabstop simple sort"},
  {C::Material1Combo,           K::ComboBox,    "",                             MaterialSkills,   {310, 89, 64, 111},    DropDownCombo},
  {C::Material2Combo,           K::ComboBox,    "",                             MaterialSkills,   {379, 89, 64, 108},    DropDownCombo},
  {C::DemonCombo,               K::ComboBox,    "",                             Search,           {11, 79, 72, 111},     "hidden vscroll tabstop dropdown sort"},
  {C::StatsView,                K::ListView,    "",                             Search,           {87, 115, 104, 22},    ReportView},
  {C::ResistanceView,           K::ListView,    "",                             Search,           {87, 141, 140, 22},    ReportView},
  {C::MarksView,                K::ListView,    "",                             Search,           {87, 167, 140, 22},    ReportView},
  {C::InheritanceView,          K::ListView,    "",                             Search,           {197, 115, 30, 22},    "border tabstop report alignleft nosortheader"},
  {C::LevelOrderCombo,          K::ComboBox,    "",                             Search,           {88, 63, 118, 318},    DropDownCombo},
  {C::DetailLevelEdit,          K::Edit,        "",                             Search,           {284, 71, 11, 12},     "hidden border left autohscroll"},
  {C::TabBar,                   K::TabControl,  "",                             "",               {0, 3, 453, 375},      ""},
  {C::MaterialPairView,         K::ListView,    "",                             Result,           {293, 228, 149, 135},  "border tabstop report alignleft nosortheader"},
}};

}  // namespace

bool LayoutEntry::hasStyle(std::string_view word) const {
  if (word.empty()) return false;
  std::string_view rest = style;
  while (!rest.empty()) {
    const size_t end = rest.find(' ');
    if (rest.substr(0, end) == word) return true;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return false;
}

std::span<const LayoutEntry> formLayout() { return Layout; }

const LayoutEntry* layoutEntryOf(ControlId id) {
  if (id == ControlId::None) return nullptr;
  const auto found = std::find_if(Layout.begin(), Layout.end(), [id](const LayoutEntry& e) { return e.id == id; });
  return found == Layout.end() ? nullptr : &*found;
}

}  // namespace qmoor
