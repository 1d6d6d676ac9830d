// The planner under a bound on work: a search cut short still answers with
// what it found, says which orders it could not prove, and says so when it
// found no plan at all; unbounded, every order is proven. The bound is set
// here by memory, which cuts at the same point on every run; time cuts the
// same way and is checked through qmoor.
#include <gtest/gtest.h>

#include "planner/plan.h"
#include "reference_planner.h"

namespace qmoor {
namespace {

// A bound on time that never ends these searches, with the memory bound given.
PlanControl memoryBound(std::size_t bytes) {
  PlanControl control;
  control.seconds = 3600;
  control.memoryBytes = bytes;
  return control;
}

constexpr PlanSettled NoneSettled{false, false, false, false, false};

TEST(BoundedSearch, UnboundedAndAmpleBoundsSettleEveryOrder) {
  const PlanRequest request{{12, 2}, {275, 144, 95}};  // オルトロス, three fusions
  const PlanAnswer unbounded = planRoutes(request);
  const PlanAnswer ample = planRoutes(request, memoryBound(PlanMemoryBytes));
  EXPECT_TRUE(unbounded.settled.all());
  EXPECT_TRUE(ample.settled.all());
  ASSERT_FALSE(ample.plans.empty());
  EXPECT_EQ(reference::rankOf(ample.plans[0]), reference::rankOf(unbounded.plans[0]));
}

// Six skills onto ベルゼブブ: the proof of the fewest fusions outgrows a few
// megabytes, and the canonical pass alone still finds a plan within them.
TEST(BoundedSearch, ACutProofStillGivesTheQuickPlanWithNothingSettled) {
  const PlanRequest request{{17, 2}, {221, 192, 21, 205, 235, 30}};
  const PlanAnswer answer = planRoutes(request, memoryBound(std::size_t{4} << 20));
  ASSERT_FALSE(answer.plans.empty());
  EXPECT_EQ(answer.problem, PlanProblem::None);
  EXPECT_EQ(answer.settled, NoneSettled);
  EXPECT_EQ(reference::answerFault(request, answer), "");
}

// The fewest fusions proven, the later orders cut: the plans found are sound
// and in order, and the orders after the first one cut stay unsettled.
TEST(BoundedSearch, ACutAfterTheFewestFusionsLeavesTheLaterOrdersUnsettled) {
  const PlanRequest request{{17, 2}, {221, 192, 21, 205, 235, 30}};
  const PlanAnswer answer = planRoutes(request, memoryBound(std::size_t{96} << 20));
  ASSERT_FALSE(answer.plans.empty());
  EXPECT_TRUE(answer.settled.fusions);
  EXPECT_FALSE(answer.settled.all());
  EXPECT_FALSE(answer.settled.distinctDemons);
  EXPECT_EQ(reference::answerFault(request, answer), "");
}

TEST(BoundedSearch, ASearchCutBeforeAnyPlanSaysSo) {
  const PlanRequest request{{0, 0}, {48, 65, 111}, 99, false, 4, 10, std::nullopt, {}, false, false};
  const PlanAnswer answer = planRoutes(request, memoryBound(1));
  EXPECT_TRUE(answer.plans.empty());
  EXPECT_EQ(answer.problem, PlanProblem::SearchCut);
  EXPECT_EQ(answer.settled, NoneSettled);
}

}  // namespace
}  // namespace qmoor
