// The accessible names of the form's controls: see accessible_names.h.
#include "form/accessible_names.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace qmoor {

namespace {

using C = ControlId;

constexpr std::pair<ControlId, std::string_view> Names[] = {
  {C::RaceOrderCombo, "種族順一覧検索"},
  {C::LevelOrderCombo, "レベル順一覧検索"},
  {C::RaceCombo, "種族別検索"},
  {C::DemonList, "種族別検索 悪魔"},
  {C::OpenDetailButton, "検索 新しいタブで開く"},
  {C::DetailRaceEdit, "検索 種族"},
  {C::DetailNameEdit, "検索 悪魔名"},
  {C::DetailSkills1, "検索 スキル 1"},
  {C::DetailSkills2, "検索 スキル 2"},
  {C::StatsView, "検索 能力値"},
  {C::ResistanceView, "検索 耐性"},
  {C::MarksView, "検索 継承"},
  {C::InheritanceView, "検索 継承種別"},
  {C::RequiredLowEdit, "必要な合計レベル 下限"},
  {C::RequiredHighEdit, "必要な合計レベル 上限"},
  {C::SelectedTotalEdit, "選択中の悪魔2体の合計レベル"},
  {C::OpenMaterial1Button, "素材悪魔 1 新しいタブで開く"},
  {C::OpenMaterial2Button, "素材悪魔 2 新しいタブで開く"},
  {C::Material1RaceEdit, "素材悪魔 1 種族"},
  {C::Material2RaceEdit, "素材悪魔 2 種族"},
  {C::Material1Combo, "素材悪魔 1"},
  {C::Material2Combo, "素材悪魔 2"},
  {C::Material1Skills1, "素材悪魔 1 スキル 1"},
  {C::Material1Skills2, "素材悪魔 1 スキル 2"},
  {C::Material2Skills1, "素材悪魔 2 スキル 1"},
  {C::Material2Skills2, "素材悪魔 2 スキル 2"},
  {C::Skill1Check, "スキル指定 1"},
  {C::Skill1KindCombo, "スキル指定 1 種別順"},
  {C::Skill1KanaCombo, "スキル指定 1 50音順"},
  {C::HolderCombo1, "スキル指定 1 スキル所持悪魔"},
  {C::Skill2Check, "スキル指定 2"},
  {C::Skill2KindCombo, "スキル指定 2 種別順"},
  {C::Skill2KanaCombo, "スキル指定 2 50音順"},
  {C::HolderCombo2, "スキル指定 2 スキル所持悪魔"},
  {C::MaterialRaceCombo, "素材種族指定"},
  {C::NeutralCheck, "NEUTRAL"},
  {C::ReverseCheck, "反転"},
  {C::CurseCheck, "CURSE"},
  {C::AutoLimitCheck, "レベル制限 自動レベル制限"},
  {C::ManualLimitCheck, "レベル制限 LV 以下に制限"},
  {C::LimitEdit, "レベル制限 LV"},
  {C::LimitSpin, "レベル制限 LV 増減"},
  {C::RecipeList, "特殊合体"},
  {C::RacePairList, "結果 合体可能種族"},
  {C::MaterialPairView, "結果 素材悪魔の組み合わせ"},
  {C::TabBar, "タブ"},
  {C::MoveLeftButton, "タブを左へ移動"},
  {C::MoveRightButton, "タブを右へ移動"},
  {C::DeleteLeftButton, "左のタブを削除"},
  {C::DeleteRightButton, "右のタブを削除"},
  {C::CloseTabButton, "このタブを閉じる"},
};

}  // namespace

std::string_view accessibleNameOf(ControlId id) {
  const auto found = std::find_if(std::begin(Names), std::end(Names), [id](const auto& entry) { return entry.first == id; });
  return found == std::end(Names) ? std::string_view() : found->second;
}

}  // namespace qmoor
