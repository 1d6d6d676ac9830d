// The tool windows' texts for demons, races and skills: see demon_texts.h.
#include "app/widgets/demon_texts.h"

#include <QCoreApplication>

#include "app/program/display_language.h"
#include "data/skills.h"
#include "data/compendium.h"
#include "data/types.h"
#include "names/names.h"

namespace qmoor {

namespace {
QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

// Names in the display language, read anew on each call, so that a window
// showing them again after LanguageChange shows them in the new language.
QString demonNameText(DemonRef demon) { return fromUtf8(demonName(demon, displayLanguage())).trimmed(); }

QString raceText(Race race) { return fromUtf8(raceName(race, displayLanguage())); }

QString skillText(int skill) {
  if (skillEntry(skill) == SkillEntry::None) return {};
  return fromUtf8(skillName(skill, displayLanguage()));
}

QString resistanceCellText(std::string_view cell) {
  const Language language = displayLanguage();
  if (language == Language::English && cell == "　") return {};
  return fromUtf8(resistanceValue(cell, language));
}

// The statistics follow HP and MP among the headings.
QString statHeadingText(int stat) { return fromUtf8(statHeading(stat + 2, displayLanguage())); }
QString resistanceHeadingText(int resistance) { return fromUtf8(resistanceHeading(resistance, displayLanguage())); }
QString markHeadingText(int mark) { return fromUtf8(markHeading(mark, displayLanguage())); }

QString inheritanceText(std::string_view word) { return fromUtf8(inheritanceWord(word, displayLanguage())); }

QString joinedNames(const QStringList& names) { return names.join(QCoreApplication::translate("DemonTexts", "、")); }

QString demonEntryText(DemonRef demon) { return fromUtf8(demonLabel(demon, displayLanguage())); }

QString fusionKindText(FusionKind kind) {
  QString name = fromUtf8(fusionKindName(kind, displayLanguage()));
  name[0] = name[0].toUpper();
  return name;
}

}  // namespace qmoor
