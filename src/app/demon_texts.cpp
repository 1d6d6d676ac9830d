// The tool windows' texts for demons, races and skills: see demon_texts.h.
#include "app/demon_texts.h"

#include <QCoreApplication>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"

namespace qmoor {

namespace {
QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

QString demonNameText(DemonRef demon) { return fromUtf8(cell(Column::Name, demon)).trimmed(); }

QString raceText(Race race) { return fromUtf8(raceName(race)).trimmed(); }

QString skillText(int skill) {
  if (skill <= 0 || skill >= SkillSentinel) return {};
  return fromUtf8(skillName(skill));
}

QString demonEntryText(DemonRef demon) {
  return QCoreApplication::translate("DemonTexts", "Lv%1 %2 %3")
      .arg(level(demon))
      .arg(raceText(demon.race), demonNameText(demon));
}

}  // namespace qmoor
