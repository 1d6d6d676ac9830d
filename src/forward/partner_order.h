// The order in which a list of partners is shown, sorted by one of its
// columns: the partner's level, race or name (by the caller's names), or the
// level of what the pairing makes by normal, phase (its first demon) or spirit
// fusion, a pairing that makes nothing of that kind first.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "forward/forward_fusion.h"

namespace qmoor {

enum class PartnerColumn { Level, Race, Name, Normal, Phase, Spirit };

// Indices into partnerships, reordered by the column; equal rows keep the
// given order (race/slot order) in both directions.
std::vector<int> partnerOrder(const std::vector<Partnership>& partnerships, PartnerColumn column, bool descending,
                              const std::function<std::string_view(DemonRef)>& nameOf);

}  // namespace qmoor
