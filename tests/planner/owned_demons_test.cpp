// The owned demons as the "R/S" entries a front end keeps.
#include "planner/owned_demons.h"

#include <gtest/gtest.h>

namespace qmoor {
namespace {

TEST(OwnedDemons, EntriesReadBackAndDamagedEntriesArePassedOver) {
  const std::vector<DemonRef> owned{{7, 8}, {12, 0}, {31, 8}};
  EXPECT_EQ(ownedDemonsFrom({"7/8", "12/0", "31/8"}), owned);
  // A repeat, no demon at 7/9, a race out of range, and texts of no "R/S" shape.
  const std::vector<std::string> damaged{"7/8", "7/8", "7/9", "32/0", "-1/0", "7", "7/", "/8", "a/b", "7/8/9", "12/0", ""};
  EXPECT_EQ(ownedDemonsFrom(damaged), (std::vector<DemonRef>{{7, 8}, {12, 0}}));
}

}  // namespace
}  // namespace qmoor
