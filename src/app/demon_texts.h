// The texts the tool windows show for demons, races and skills: one place
// that reads the names, so another language changes them here alone.
#pragma once

#include <QString>

#include "data/types.h"

namespace qmoor {

QString demonNameText(DemonRef demon);
QString raceText(Race race);   // without the padding blanks
QString skillText(int skill);  // empty for 0 and the sentinel
// "Lv95 魔王 ベルゼブブ": level, race and name, as the demon pickers list them.
QString demonEntryText(DemonRef demon);

}  // namespace qmoor
