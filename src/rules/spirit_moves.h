// The spirit fusions that lead to a slot of a race, gathered into a fixed
// buffer so that the enumeration needs no allocation.
#pragma once

#include <array>

#include "rules/fusion_rules.h"

namespace qmoor::detail {

struct SpiritSourceBuffer {
  std::array<SpiritSource, 16> items{};  // four groups of at most four spirits
  int size = 0;
  const SpiritSource* begin() const { return items.data(); }
  const SpiritSource* end() const { return items.data() + size; }
};

// The (source, spirit) pairs whose spirit fusion lands on slot `slot` of
// `race`, in the four groups of spiritSources. A slot of -1 stands for the
// place above slot 0, which only sources that shift up reach.
SpiritSourceBuffer collectSpiritSources(Race race, int slot, bool curse);

}  // namespace qmoor::detail
