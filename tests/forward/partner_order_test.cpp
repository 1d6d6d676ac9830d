// The order of a partner list sorted by a column.
#include "forward/partner_order.h"

#include <gtest/gtest.h>

#include "data/compendium.h"
#include "names/names.h"

namespace qmoor {
namespace {

TEST(PartnerOrder, SortsByTheColumnAndKeepsRaceSlotOrderAmongEquals) {
  const std::vector<Partnership> rows = partners({7, 8}, false);  // ピクシー
  ASSERT_GT(rows.size(), 10u);
  const auto englishName = [](DemonRef demon) { return demonName(demon, Language::English); };
  for (const PartnerColumn column : {PartnerColumn::Level, PartnerColumn::Name, PartnerColumn::Normal,
                                     PartnerColumn::Phase, PartnerColumn::Spirit}) {
    for (const bool descending : {false, true}) {
      const std::vector<int> order = partnerOrder(rows, column, descending, englishName);
      ASSERT_EQ(order.size(), rows.size());
      for (std::size_t i = 1; i < order.size(); ++i) {
        const Partnership& a = rows[static_cast<std::size_t>(order[i - 1])];
        const Partnership& b = rows[static_cast<std::size_t>(order[i])];
        auto key = [&](const Partnership& p) -> std::pair<int, std::string_view> {
          switch (column) {
            case PartnerColumn::Level: return {level(p.partner), {}};
            case PartnerColumn::Name: return {0, englishName(p.partner)};
            case PartnerColumn::Normal: return {p.outcome.normal ? level(*p.outcome.normal) : -1, {}};
            case PartnerColumn::Phase: return {p.outcome.phase.empty() ? -1 : level(p.outcome.phase[0]), {}};
            default: return {p.outcome.spirit ? level(*p.outcome.spirit) : -1, {}};
          }
        };
        const bool inOrder = descending ? key(b) <= key(a) : key(a) <= key(b);
        ASSERT_TRUE(inOrder) << "column " << static_cast<int>(column) << " row " << i;
        if (key(a) == key(b)) {
          EXPECT_LT(order[i - 1], order[i]) << "equal rows keep race/slot order";
        }
      }
    }
  }
}

}  // namespace
}  // namespace qmoor
