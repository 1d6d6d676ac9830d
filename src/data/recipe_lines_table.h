// The explanation texts of the special recipes, shared inside the data module:
// 51 groups of six lines, shown verbatim (blank lines and spacing included).
#pragma once

#include <array>

#include "data/recipes.h"

namespace qmoor {

inline constexpr int RecipeLineGroupTotal = 51;
inline constexpr int FirstPhaseLineGroup = 43;  // groups 43..51 belong to the slots of race 31

inline constexpr std::array<RecipeLines, RecipeLineGroupTotal> RecipeLineGroups{
    /*  1 */ RecipeLines{"特殊合体", "LV45 鬼神 タケミカヅチ", "LV46 神獣 ヤタガラス", "", "イケニエ", "LV18 女神 アメノウズメ"},
    /*  2 */ RecipeLines{"特殊合体", "LV72 鬼女 ランダ", "LV60 神獣 バロン", "", "", ""},
    /*  3 */ RecipeLines{"変化", "LV46 幻魔 ハヌマーン", "↑", "LV37 妖魔 オンコット", "", ""},
    /*  4 */ RecipeLines{"変化", "LV64 女神 スカアハ", "", "", "", ""},
    /*  5 */ RecipeLines{"変化", "LV48 女神 サティ", "", "", "", ""},
    /*  6 */ RecipeLines{"変化", "LV18 魔獣 ネコマタ", "", "", "", ""},
    /*  7 */ RecipeLines{"変化", "LV44 妖魔 ジン", "", "", "", ""},
    /*  8 */ RecipeLines{"変化", "LV19 妖魔 コッパテング", "", "", "", ""},
    /*  9 */ RecipeLines{"変化", "LV. 2 妖精 ピクシー", "", "", "", ""},
    /* 10 */ RecipeLines{"変化", "LV. 8 夜魔 リリム", "", "", "", ""},
    /* 11 */ RecipeLines{"変化", "LV10 妖精 ハイピクシー", "↑", "LV 2 妖精 ピクシー", "", ""},
    /* 12 */ RecipeLines{"変化", "LV28 龍王 ナーガ", "", "", "", ""},
    /* 13 */ RecipeLines{"特殊合体", "LV66 妖鬼 フウキ", "LV62 妖鬼 スイキ", "LV59 妖鬼 キンキ", "", ""},
    /* 14 */ RecipeLines{"特殊合体", "LV64 天使 ソロネになる", "組み合わせ", "", "イケニエ", "邪神のいずれか"},
    /* 15 */ RecipeLines{"特殊合体", "LV48 妖魔 プルシキ", "になる組み合わせ", "", "イケニエ", "邪神のいずれか"},
    /* 16 */ RecipeLines{"変化", "LV20 妖鬼モムノフ", "", "", "", ""},
    /* 17 */ RecipeLines{"変化", "LV69 魔王アバドン", "", "", "", ""},
    /* 18 */ RecipeLines{"特殊合体", "LV87 大天使 ガブリエル", "LV84 大天使 ラファエル", "LV73 大天使 ウリエル", "", ""},
    /* 19 */ RecipeLines{"特殊合体", "LV84 大天使 ラファエル", "LV64 天使 ソロネ", "", "", ""},
    /* 20 */ RecipeLines{"特殊合体", "LV73 大天使 ウリエル", "LV50 天使 ドミニオン", "", "", ""},
    /* 21 */ RecipeLines{"変化", "LV64 天使 ソロネ", "", "", "", ""},
    /* 22 */ RecipeLines{"変化", "LV48 妖魔 プルシキ", "", "", "", ""},
    /* 23 */ RecipeLines{"変化", "LV23 妖魔 ディース", "", "", "", ""},
    /* 24 */ RecipeLines{"変化", "LV43 妖精 セタンタ", "", "", "", ""},
    /* 25 */ RecipeLines{"変化", "LV37 妖魔 オンコット", "", "", "", ""},
    /* 26 */ RecipeLines{"変化", "LV28 妖魔 カラステング", "↑", "LV19 妖魔 コッパテング", "", ""},
    /* 27 */ RecipeLines{"変化", "LV34 龍王 ミズチ", "", "", "", ""},
    /* 28 */ RecipeLines{"変化", "LV14 龍王 ノズチ", "", "", "", ""},
    /* 29 */ RecipeLines{"変化", "LV13 魔獣 イヌガミ", "", "", "", ""},
    /* 30 */ RecipeLines{"変化", "LV54 魔獣 スパルナ", "", "", "", ""},
    /* 31 */ RecipeLines{"特殊合体", "LV54 魔獣 スパルナ", "となる組合せ", "", "イケニエ", "魔王のいずれか"},
    /* 32 */ RecipeLines{"変化", "LV55 地霊 ゴグマゴグ", "", "", "", ""},
    /* 33 */ RecipeLines{"同種族合体", "", "聖獣", "大天使", "", ""},
    /* 34 */ RecipeLines{"同種族合体", "", "妖魔", "龍王", "鬼女", ""},
    /* 35 */ RecipeLines{"同種族合体", "", "妖精", "天使", "魔獣", "妖獣"},
    /* 36 */ RecipeLines{"同種族合体", "", "夜魔", "堕天使", "地霊", "妖鬼"},
    /* 37 */ RecipeLines{"造御魂合体", "LV20 精霊 フレイミーズ x", "LV15 精霊 アクアンズ", "", "", ""},
    /* 38 */ RecipeLines{"造御魂合体", "LV20 精霊 フレイミーズ x", "LV. 7 精霊 アーシーズ", "", "LV15 精霊 アクアンズ x", "LV11 精霊 エアロス"},
    /* 39 */ RecipeLines{"造御魂合体", "LV11 精霊 エアロス x", "LV. 7 精霊 アーシーズ", "", "", ""},
    /* 40 */ RecipeLines{"造御魂合体", "LV20 精霊 フレイミーズ x", "LV11 精霊 エアロス", "", "LV15 精霊 アクアンズ x", "LV. 7 精霊 アーシーズ"},
    /* 41 */ RecipeLines{"変化", "LV84 魔王 ベルゼブブ", "", "", "", ""},
    /* 42 */ RecipeLines{"特殊合体", "LV90 大天使 ミカエル", "大天使or天使", "", "イケニエ", "魔王のいずれか"},
    /* 43 */ RecipeLines{"カグツチFULL時に", "魔王になる組み合わせ", "", "", "", ""},
    /* 44 */ RecipeLines{"カグツチHALF時に", "魔王になる組み合わせ", "", "", "", ""},
    /* 45 */ RecipeLines{"カグツチSILENT時に", "魔王になる組み合わせ", "", "", "", ""},
    /* 46 */ RecipeLines{"カグツチSILENT時に", "夜魔になる組み合わせ", "", "", "", ""},
    /* 47 */ RecipeLines{"カグツチSILENT時に", "妖精になる組み合わせ", "", "", "", ""},
    /* 48 */ RecipeLines{"カグツチSILENT時に", "妖魔になる組み合わせ", "", "", "", ""},
    /* 49 */ RecipeLines{"カグツチHALF～7/8時に", "妖精になる組み合わせ", "", "", "", ""},
    /* 50 */ RecipeLines{"カグツチ5/8～FULL時に", "夜魔になる組み合わせ", "", "", "", ""},
    /* 51 */ RecipeLines{"カグツチSILENT～HALF時に", "妖魔になる組み合わせ", "", "", "", ""},
};

}  // namespace qmoor
