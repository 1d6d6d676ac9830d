// Filter settings written as one expression in tests, e.g. Filters().cap(50).neutral().
#pragma once

#include "rules/filter_settings.h"

namespace qmoor {

struct Filters {
  FilterSettings settings;
  Filters& curse(bool on = true) { settings.curse = on; return *this; }
  Filters& neutral(bool on = true) { settings.neutral = on; return *this; }
  Filters& choice(int materialRaceChoice) { settings.materialRaceChoice = materialRaceChoice; return *this; }
  Filters& cap(int cap) { settings.cap = cap; return *this; }
  Filters& skill1(int skill) { settings.skills.on1 = true; settings.skills.skill1 = skill; return *this; }
  Filters& skill2(int skill) { settings.skills.on2 = true; settings.skills.skill2 = skill; return *this; }
  operator FilterSettings() const { return settings; }  // NOLINT: used where settings are expected
};

}  // namespace qmoor
