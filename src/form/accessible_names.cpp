// The accessible names of the form's controls: see accessible_names.h.
#include "form/accessible_names.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace qmoor {

namespace {

// Marks a name for Qt's translation tools, which gather the texts to
// translate from the sources; the desktop program translates the name itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

using C = ControlId;

constexpr std::pair<ControlId, std::string_view> Names[] = {
  {C::RaceOrderCombo, QT_TRANSLATE_NOOP("AccessibleName", "種族順一覧検索")},
  {C::LevelOrderCombo, QT_TRANSLATE_NOOP("AccessibleName", "レベル順一覧検索")},
  {C::RaceCombo, QT_TRANSLATE_NOOP("AccessibleName", "種族別検索")},
  {C::DemonList, QT_TRANSLATE_NOOP("AccessibleName", "種族別検索 悪魔")},
  {C::OpenDetailButton, QT_TRANSLATE_NOOP("AccessibleName", "検索 新しいタブで開く")},
  {C::DetailRaceEdit, QT_TRANSLATE_NOOP("AccessibleName", "検索 種族")},
  {C::DetailNameEdit, QT_TRANSLATE_NOOP("AccessibleName", "検索 悪魔名")},
  {C::DetailSkills1, QT_TRANSLATE_NOOP("AccessibleName", "検索 スキル 1")},
  {C::DetailSkills2, QT_TRANSLATE_NOOP("AccessibleName", "検索 スキル 2")},
  {C::StatsView, QT_TRANSLATE_NOOP("AccessibleName", "検索 能力値")},
  {C::ResistanceView, QT_TRANSLATE_NOOP("AccessibleName", "検索 耐性")},
  {C::MarksView, QT_TRANSLATE_NOOP("AccessibleName", "検索 継承")},
  {C::InheritanceView, QT_TRANSLATE_NOOP("AccessibleName", "検索 継承種別")},
  {C::RequiredLowEdit, QT_TRANSLATE_NOOP("AccessibleName", "必要な合計レベル 下限")},
  {C::RequiredHighEdit, QT_TRANSLATE_NOOP("AccessibleName", "必要な合計レベル 上限")},
  {C::SelectedTotalEdit, QT_TRANSLATE_NOOP("AccessibleName", "選択中の悪魔2体の合計レベル")},
  {C::OpenMaterial1Button, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 1 新しいタブで開く")},
  {C::OpenMaterial2Button, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 2 新しいタブで開く")},
  {C::Material1RaceEdit, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 1 種族")},
  {C::Material2RaceEdit, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 2 種族")},
  {C::Material1Combo, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 1")},
  {C::Material2Combo, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 2")},
  {C::Material1Skills1, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 1 スキル 1")},
  {C::Material1Skills2, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 1 スキル 2")},
  {C::Material2Skills1, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 2 スキル 1")},
  {C::Material2Skills2, QT_TRANSLATE_NOOP("AccessibleName", "素材悪魔 2 スキル 2")},
  {C::Skill1Check, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 1")},
  {C::Skill1KindCombo, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 1 種別順")},
  {C::Skill1KanaCombo, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 1 50音順")},
  {C::HolderCombo1, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 1 スキル所持悪魔")},
  {C::Skill2Check, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 2")},
  {C::Skill2KindCombo, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 2 種別順")},
  {C::Skill2KanaCombo, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 2 50音順")},
  {C::HolderCombo2, QT_TRANSLATE_NOOP("AccessibleName", "スキル指定 2 スキル所持悪魔")},
  {C::MaterialRaceCombo, QT_TRANSLATE_NOOP("AccessibleName", "素材種族指定")},
  {C::NeutralCheck, QT_TRANSLATE_NOOP("AccessibleName", "NEUTRAL")},
  {C::ReverseCheck, QT_TRANSLATE_NOOP("AccessibleName", "反転")},
  {C::CurseCheck, QT_TRANSLATE_NOOP("AccessibleName", "CURSE")},
  {C::AutoLimitCheck, QT_TRANSLATE_NOOP("AccessibleName", "レベル制限 自動レベル制限")},
  {C::ManualLimitCheck, QT_TRANSLATE_NOOP("AccessibleName", "レベル制限 LV 以下に制限")},
  {C::LimitEdit, QT_TRANSLATE_NOOP("AccessibleName", "レベル制限 LV")},
  {C::LimitSpin, QT_TRANSLATE_NOOP("AccessibleName", "レベル制限 LV 増減")},
  {C::RecipeList, QT_TRANSLATE_NOOP("AccessibleName", "特殊合体")},
  {C::RacePairList, QT_TRANSLATE_NOOP("AccessibleName", "結果 合体可能種族")},
  {C::MaterialPairView, QT_TRANSLATE_NOOP("AccessibleName", "結果 素材悪魔の組み合わせ")},
  {C::TabBar, QT_TRANSLATE_NOOP("AccessibleName", "タブ")},
  {C::MoveLeftButton, QT_TRANSLATE_NOOP("AccessibleName", "タブを左へ移動")},
  {C::MoveRightButton, QT_TRANSLATE_NOOP("AccessibleName", "タブを右へ移動")},
  {C::DeleteLeftButton, QT_TRANSLATE_NOOP("AccessibleName", "左のタブを削除")},
  {C::DeleteRightButton, QT_TRANSLATE_NOOP("AccessibleName", "右のタブを削除")},
  {C::CloseTabButton, QT_TRANSLATE_NOOP("AccessibleName", "このタブを閉じる")},
};

}  // namespace

std::string_view accessibleNameOf(ControlId id) {
  const auto found = std::find_if(std::begin(Names), std::end(Names), [id](const auto& entry) { return entry.first == id; });
  return found == std::end(Names) ? std::string_view() : found->second;
}

}  // namespace qmoor
