// The demon labels with names in the chosen language: Japanese hands over
// to the compendium's labels, English builds the same shapes from its names.
#include <initializer_list>
#include <string>

#include "data/compendium.h"
#include "names/names.h"

namespace qmoor {
namespace {

std::string joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

std::string_view levelText(DemonRef demon) { return cell(Column::Level, demon); }

}  // namespace

std::string demonLabel(DemonRef demon, Language language) {
  return joined({"LV", std::to_string(level(demon)), " ", raceName(demon.race, language), " ", demonName(demon, language)});
}

std::string fullLabel(DemonRef demon, Language language) {
  if (language == Language::Japanese) return fullLabel(demon);
  return joined({"LV", levelText(demon), " ", raceName(demon.race, language), " ", demonName(demon, language)});
}

std::string holderLabel(DemonRef demon, Language language) {
  if (language == Language::Japanese) return holderLabel(demon);
  return joined({"LV", levelText(demon), " ", raceName(demon.race, language), " ", demonName(demon, language)});
}

std::string raceLabel(DemonRef demon, Language language) {
  if (language == Language::Japanese) return raceLabel(demon);
  return joined({"LV", levelText(demon), " ", demonName(demon, language)});
}

std::string materialLabel(DemonRef demon, Language language) {
  if (language == Language::Japanese) return materialLabel(demon);
  return joined({levelText(demon), " ", demonName(demon, language)});
}

std::string resultLabel(DemonRef demon, Language language) {
  if (language == Language::Japanese) return resultLabel(demon);
  return joined({raceName(demon.race, language), " ", levelText(demon), " ", demonName(demon, language)});
}

}  // namespace qmoor
