// The texts the tool windows show for demons, races and skills: one place
// that reads the names, so another language changes them here alone.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "data/types.h"

namespace qmoor {

QString demonNameText(DemonRef demon);
QString raceText(Race race);   // without the padding blanks
QString skillText(int skill);  // empty for 0 and the sentinel
// "LV95 魔王 ベルゼブブ": level, race and name, as the demon pickers list them.
QString demonEntryText(DemonRef demon);
// 通常合体, 月齢合体, 精霊合体 ("Normal fusion" ...), as a heading or a line begins.
QString fusionKindText(FusionKind kind);
// A compendium resistance cell (強 無 吸 反 弱, blank for none) and an
// inheritance word, in the display language.
QString resistanceCellText(std::string_view cell);
QString inheritanceText(std::string_view word);
// The compendium's headings in the display language: the five statistics
// (0..4, 力 .. 運), the ten resistances and the ten marks.
QString statHeadingText(int stat);
QString resistanceHeadingText(int resistance);
QString markHeadingText(int mark);
// Names listed in one cell or line: "、" between them, ", " in English.
QString joinedNames(const QStringList& names);

}  // namespace qmoor
