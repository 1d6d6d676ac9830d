// "R/S" texts of demons: see race_slot_text.h.
#include "data/race_slot_text.h"

#include <charconv>

namespace qmoor {
std::optional<int> wholeNumber(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

std::optional<DemonRef> raceSlotFrom(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::optional<int> race = wholeNumber(text.substr(0, slash));
  const std::optional<int> slot = wholeNumber(text.substr(slash + 1));
  if (!race || !slot) return std::nullopt;
  return DemonRef{*race, *slot};
}

}  // namespace qmoor
