// Sorting a partner list: see partner_order.h.
#include "forward/partner_order.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "data/compendium.h"

namespace qmoor {
namespace {

int levelOrNone(const std::optional<DemonRef>& demon) { return demon ? level(*demon) : -1; }

// What a row sorts by in the column: a number, then a text.
std::pair<int, std::string_view> sortKey(const Partnership& row, PartnerColumn column,
                                         const std::function<std::string_view(DemonRef)>& nameOf) {
  switch (column) {
    case PartnerColumn::Level: return {level(row.partner), {}};
    case PartnerColumn::Race: return {row.partner.race, {}};
    case PartnerColumn::Name: return {0, nameOf(row.partner)};
    case PartnerColumn::Normal: return {levelOrNone(row.outcome.normal), {}};
    case PartnerColumn::Phase:
      return {row.outcome.phase.empty() ? -1 : level(row.outcome.phase.front()), {}};
    case PartnerColumn::Spirit: return {levelOrNone(row.outcome.spirit), {}};
  }
  return {};
}

}  // namespace

std::vector<int> partnerOrder(const std::vector<Partnership>& partnerships, PartnerColumn column, bool descending,
                              const std::function<std::string_view(DemonRef)>& nameOf) {
  std::vector<int> order(partnerships.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const auto keyA = sortKey(partnerships[static_cast<std::size_t>(a)], column, nameOf);
    const auto keyB = sortKey(partnerships[static_cast<std::size_t>(b)], column, nameOf);
    return descending ? keyB < keyA : keyA < keyB;
  });
  return order;
}

}  // namespace qmoor
