// The enumeration behind the result lists: the race pairs that fuse into a
// race or a demon, the material pairs of one race pair for a demon, and the
// spirit fusions of a demon, each for given filter settings. Pure.
#pragma once

#include <optional>
#include <vector>

#include "data/types.h"
#include "rules/filter_settings.h"

namespace qmoor {

// A line of the race-pair list: an ordinary pair (a, b), the spirit line of
// race R (R, 29), or the spirit x spirit line (29, 29).
struct RacePair {
  Race first = 0;
  Race second = 0;
  friend bool operator==(const RacePair&, const RacePair&) = default;
};

// A row of the material-pair list: material 1 and material 2 (for a spirit
// fusion, the source demon and the spirit).
// The most rows the material-pair list holds; the largest answer of the
// compendium (レギオン with CURSE) lists 1,590.
inline constexpr int MaterialPairCapacity = 2000;

struct MaterialPair {
  DemonRef first;
  DemonRef second;
  friend bool operator==(const MaterialPair&, const MaterialPair&) = default;
};

// The race pairs whose chart result is resultRace, in enumeration order
// (ascending, or from race 31 down with the larger race first when reversed),
// honouring the material-race choice, the chart of the CURSE setting and
// NEUTRAL. With a target (target mode) only pairs with at least one qualifying
// material pair are kept. After them, for a current race of 0..20, its spirit
// line when a spirit pair exists (in race mode: sources above slot 0).
std::vector<RacePair> enumerateRacePairs(Race resultRace, Race currentRace, std::optional<DemonRef> target,
                                         const FilterSettings& filters, bool reverse);

// Whether the spirit x spirit line of race 30 is listed for the current race.
bool listsSpiritSpiritLine(Race currentRace, const FilterSettings& filters);

// Appends the material pairs of the ordinary race pair (a, b) for target,
// a's demons as material 1 (outer loop), b's as material 2.
void appendMaterialPairs(Race a, Race b, DemonRef target, const FilterSettings& filters,
                         std::vector<MaterialPair>& out);

// Appends, line by line, the material pairs of every line of two ordinary
// races (neither the spirit nor the mitama race) for target: the rows listed
// for all lines at once.
void appendAllMaterialPairs(const std::vector<RacePair>& lines, DemonRef target, const FilterSettings& filters,
                            std::vector<MaterialPair>& out);

// Appends the spirit fusions (source, spirit) that yield target.
void appendSpiritPairs(DemonRef target, const FilterSettings& filters, std::vector<MaterialPair>& out);

// The complete answer for a normal or race-31 demon, as choosing it lists it:
// race pairs, then all material pairs of the ordinary lines followed by the
// spirit rows.
struct FusionAnswer {
  std::vector<RacePair> racePairs;
  std::vector<MaterialPair> materialPairs;
};
FusionAnswer answerFor(DemonRef target, const FilterSettings& filters, bool reverse);

}  // namespace qmoor
