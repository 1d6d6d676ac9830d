// The five demon labels: plain concatenations of the Level text, the race name
// (trailing blanks included) or short name, and the demon's name.
#include "data/compendium.h"

#include <cstddef>
#include <initializer_list>

#include "data/races.h"

namespace qmoor {
namespace {

std::string joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  text.reserve(size);
  for (std::string_view piece : pieces) text += piece;
  return text;
}

}  // namespace

std::string fullLabel(DemonRef demon) {
  return joined({"LV", cell(Column::Level, demon), " ", raceName(demon.race), " ", cell(Column::Name, demon)});
}

std::string holderLabel(DemonRef demon) {
  return joined({"LV", cell(Column::Level, demon), "　", raceName(demon.race), " ", cell(Column::Name, demon)});
}

std::string raceLabel(DemonRef demon) { return joined({"LV", cell(Column::Level, demon), " ", cell(Column::Name, demon)}); }

std::string materialLabel(DemonRef demon) { return joined({cell(Column::Level, demon), " ", cell(Column::Name, demon)}); }

std::string resultLabel(DemonRef demon) {
  return joined({raceShortName(demon.race), " ", cell(Column::Level, demon), " ", cell(Column::Name, demon)});
}

}  // namespace qmoor
