// The skill-route planner held to the reference model: every plan it returns
// is replayed step by step (levels, what each demon learns, fusion at the
// materials' levels, my demons), and on sampled requests a brute force over
// every plan of up to two fusions, with levelling on and off, confirms the
// fewest fusions and, with them, the lowest highest level. How we know it in
// general: the search proves, with a relaxation that can only overestimate
// what a step passes on, that no plan has fewer fusions; its exhaustive
// fallback leaves no filler choice out; it tries every level pair that can
// matter; and the lowest highest level is the lowest cap that still has a
// plan (see the search's own notes). These cases check all of it against
// enumeration.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "planner/skill_bits.h"
#include "planner/plan.h"
#include "planner/route_search.h"
#include "reference_planner.h"

namespace qmoor {
namespace {

std::string describe(const PlanRequest& request) {
  std::ostringstream text;
  text << cell(Column::Name, request.target) << " " << request.target.race << "/" << request.target.slot << " skills";
  for (int skill : request.skills) text << " " << skill;
  text << " limit " << request.levelLimit << (request.curse ? " curse" : "") << " depth " << request.maxFusions
       << (request.levelling ? "" : " no levelling");
  if (request.owned) text << " owned " << request.owned->size();
  return text.str();
}

std::vector<DemonRef> fusableDemons() {
  std::vector<DemonRef> demons;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      if (!obtainableSkills({race, slot}).empty()) demons.push_back({race, slot});
    }
  }
  return demons;
}

// Seeded requests: a fusable target and skills it can get, mostly ones it
// lacks, so that plans need fusions.
std::vector<PlanRequest> sampleRequests(unsigned seed, int total, int mostSkills, int depth) {
  std::mt19937 random(seed);
  const std::vector<DemonRef> targets = fusableDemons();
  std::vector<PlanRequest> requests;
  for (int i = 0; i < total; ++i) {
    PlanRequest request;
    request.target = targets[random() % targets.size()];
    std::vector<int> skills = obtainableSkills(request.target);
    std::shuffle(skills.begin(), skills.end(), random);
    const int wanted = 1 + static_cast<int>(random() % static_cast<unsigned>(mostSkills));
    request.skills.assign(skills.begin(), skills.begin() + std::min<std::ptrdiff_t>(wanted, std::ssize(skills)));
    request.curse = random() % 4 == 0;
    request.levelLimit = random() % 3 == 0 ? 30 + static_cast<int>(random() % 60) : 99;
    request.maxFusions = depth;
    request.planCount = 4;
    requests.push_back(request);
  }
  return requests;
}

TEST(PlannerAgainstBruteForce, FirstPlanIsTheBestUpToTwoFusions) {
  int found[3] = {0, 0, 0};
  int none = 0;
  int levelled = 0;
  std::vector<PlanRequest> requests = sampleRequests(11, 24, 2, 2);
  for (std::size_t i = 0; i < 6; ++i) {
    PlanRequest plain = requests[i];
    plain.levelling = false;
    requests.push_back(plain);
  }
  for (const PlanRequest& request : requests) {
    const PlanAnswer answer = planRoutes(request);
    EXPECT_EQ(reference::answerFault(request, answer), "") << describe(request);
    const std::optional<reference::PlanRank> best = reference::bestRankWithinTwo(request);
    if (!best) {
      EXPECT_TRUE(answer.plans.empty()) << describe(request);
      ++none;
      continue;
    }
    ASSERT_FALSE(answer.plans.empty()) << describe(request);
    const Plan& first = answer.plans[0];
    EXPECT_EQ(reference::rankOf(first), *best) << describe(request);
    ++found[std::get<0>(*best)];
    levelled += first.levelsGained > 0 ? 1 : 0;
  }
  // The sample reaches every case worth checking.
  EXPECT_GT(levelled, 0);
  EXPECT_GT(found[1], 0);
  EXPECT_GT(found[2], 0);
  EXPECT_GT(none, 0);
}

// Each pass keeps its promise on requests the brute force settles: with the
// budget of the best plan (its fusions, highest level, levels gained and
// distinct demons), the optimistic passes, which rule budgets out, and the
// exhaustive pass all find a plan; the exhaustive pass, which decides, finds
// none with one less of any key under the keys before it, nor with one
// fusion fewer.
TEST(PlannerPasses, EachPassKeepsItsPromiseOnBruteForcedRequests) {
  using Fillers = detail::RouteSearch::Fillers;
  using Budget = detail::RouteSearch::Budget;
  std::vector<PlanRequest> requests = sampleRequests(11, 12, 2, 2);
  for (std::size_t i = 0; i < 4; ++i) requests[i].levelling = false;
  int checked = 0;
  for (const PlanRequest& request : requests) {
    const std::optional<reference::PlanRank> best = reference::bestRankWithinTwo(request);
    if (!best || std::get<0>(*best) == 0) continue;
    const auto [fusions, notMine, highest, gained, demons] = *best;
    detail::RouteSearch search(request, {});
    const Budget met{highest, notMine, gained, demons};
    for (Fillers pass : {Fillers::Optimistic, Fillers::OptimisticPerLevel, Fillers::Every}) {
      EXPECT_TRUE(search.passFinds(pass, fusions, met)) << describe(request) << ", pass " << static_cast<int>(pass);
    }
    constexpr int anyNotMine = detail::DemonIndexTotal;
    const Budget beyond[] = {{highest - 1}, {highest, anyNotMine, gained - 1}, {highest, anyNotMine, gained, demons - 1}};
    for (const Budget& budget : beyond) {
      EXPECT_FALSE(search.passFinds(Fillers::Every, fusions, budget))
          << describe(request) << ", budget " << budget.levelCap << " " << budget.levelsGained << " " << budget.demons;
    }
    if (fusions > 1) {
      EXPECT_FALSE(search.passFinds(Fillers::Every, fusions - 1, {})) << describe(request);
    }
    ++checked;
  }
  EXPECT_GE(checked, 6);
}

// The exhaustive pass alone, which the planner falls back on, agrees on the
// fewest fusions and finds only sound plans.
TEST(PlannerAgainstBruteForce, TheExhaustivePassAgreesOnTheFewestFusions) {
  for (PlanRequest request : sampleRequests(31, 10, 2, 3)) {
    const PlanAnswer answer = planRoutes(request);
    if (answer.plans.empty() || answer.plans[0].steps.empty()) continue;
    const int fewest = static_cast<int>(answer.plans[0].steps.size());
    detail::RouteSearch search(request, {});
    for (int fusions = 1; fusions <= fewest; ++fusions) {
      const std::vector<Plan> plans = search.exhaustivePlansWith(fusions);
      EXPECT_EQ(plans.empty(), fusions < fewest) << describe(request) << ", " << fusions << " fusions";
      request.maxFusions = fusions;
      for (const Plan& plan : plans) EXPECT_EQ(reference::planFault(request, plan), "") << describe(request);
    }
  }
}

// Longer routes, beyond the brute force's reach: the first plan has the
// lowest highest level, as a level limit just below it leaves no plan of as
// few fusions.
TEST(PlannerAgainstBruteForce, NoLowerLevelLimitKeepsAPlanOfTheFewestFusions) {
  const std::vector<PlanRequest> requests{
      {{16, 2}, {50, 102, 16}, 70},  // タオティエ, four fusions
      {{18, 3}, {237}},              // three fusions
      {{31, 5}, {7, 24, 4}, 70},
      {{7, 2}, {148, 266, 56, 152}},  // セタンタ: plans only where a material levels past what is wanted
  };
  for (PlanRequest request : requests) {
    const PlanAnswer answer = planRoutes(request);
    ASSERT_FALSE(answer.plans.empty()) << describe(request);
    EXPECT_EQ(reference::answerFault(request, answer), "") << describe(request);
    const Plan& first = answer.plans[0];
    request.levelLimit = first.highestLevel - 1;
    request.maxFusions = static_cast<int>(first.steps.size());
    EXPECT_TRUE(planRoutes(request).plans.empty()) << describe(request);
  }
}

TEST(PlannerReplay, DeeperCursedLimitedAndOwnedRequestsFollowTheRules) {
  std::vector<PlanRequest> requests = sampleRequests(23, 12, 4, 4);
  std::vector<DemonRef> lowDemons;
  for (DemonRef demon : fusableDemons()) {
    if (level(demon) <= 35) lowDemons.push_back(demon);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    requests[i].owned = std::vector<DemonRef>(lowDemons.begin() + static_cast<std::ptrdiff_t>(i), lowDemons.end());
  }
  int withPlans = 0;
  for (const PlanRequest& request : requests) {
    const PlanAnswer answer = planRoutes(request);
    EXPECT_EQ(reference::answerFault(request, answer), "") << describe(request);
    withPlans += answer.plans.empty() ? 0 : 1;
  }
  EXPECT_GE(withPlans, 4);
}

TEST(PlannerRequests, ImpossibleAndRefusedRequestsSayWhy) {
  const DemonRef odin{0, 2};  // オーディン, level 65, has 口
  const DemonRef pixie{7, 8};
  struct Case {
    const char* name;
    PlanRequest request;
    PlanProblem problem;
    int skill;
  };
  const std::vector<Case> cases{
      {"unique skill", {odin, {80}}, PlanProblem::SkillNotObtainable, 80},
      {"missing mark", {pixie, {43, 116}}, PlanProblem::SkillNotObtainable, 116},
      {"target above the limit", {odin, {116}, 50}, PlanProblem::TargetAboveLimit, 0},
      {"no owned demon holds the skill", {odin, {116}, 99, false, 4, 10, std::vector<DemonRef>{pixie}},
       PlanProblem::None, 0},
      {"skill no demon within the limit holds or learns", {pixie, {232}, 30}, PlanProblem::SkillHeldByNone, 232},
      {"skill learned only by levelling, levelling off", {{0, 0}, {232}, 99, false, 4, 10, std::nullopt, {}, false, false},
       PlanProblem::SkillHeldByNone, 232},
      {"owned list without the materials", {odin, {116}, 99, false, 4, 10, std::vector<DemonRef>{{12, 0}, pixie}},
       PlanProblem::None, 0},
      {"special target", {{0, 3}, {1}}, PlanProblem::TargetNotFusable, 0},
      {"spirit target", {{SpiritRace, 0}, {1}}, PlanProblem::TargetNotFusable, 0},
      {"御魂 target", {{MitamaRace, 0}, {1}}, PlanProblem::TargetNotFusable, 0},
      {"empty slot", {{26, 1}, {1}}, PlanProblem::TargetNotFusable, 0},
      {"no skill", {odin, {}}, PlanProblem::SkillCount, 0},
      {"nine skills", {odin, {1, 2, 3, 4, 5, 6, 7, 8, 9}}, PlanProblem::SkillCount, 0},
      {"unused skill number", {odin, {113}}, PlanProblem::UnknownSkill, 113},
      {"unnamed skill", {odin, {278}}, PlanProblem::UnknownSkill, 278},
      {"seven fusions", {odin, {116}, 99, false, 7}, PlanProblem::FusionLimit, 0},
      {"no plan asked for", {odin, {116}, 99, false, 4, 0}, PlanProblem::PlanCountRange, 0},
      {"my demon below its base level", {odin, {116}, 99, false, 4, 10, std::nullopt, {{odin, 60, {}, {}}}},
       PlanProblem::MyDemonInvalid, 0},
      {"my demon with an unknown skill",
       {odin, {116}, 99, false, 4, 10, std::nullopt, {{pixie, 2, {}, {}}, {pixie, 5, {113}, {}}}},
       PlanProblem::MyDemonInvalid, 1},
      {"target excluded", {odin, {116}, 99, false, 4, 10, std::nullopt, {}, false, true, {odin}},
       PlanProblem::TargetExcluded, 0},
      {"only mine, none usable",
       {odin, {116}, 99, false, 4, 10, std::nullopt, {{pixie, 10, {}, {}}}, true, true, {pixie}},
       PlanProblem::NoMineUsable, 0},
      {"only mine, none at all", {odin, {116}, 99, false, 4, 10, std::nullopt, {}, true}, PlanProblem::NoMineUsable, 0},
  };
  for (const Case& c : cases) {
    const PlanAnswer answer = planRoutes(c.request);
    EXPECT_TRUE(answer.plans.empty()) << c.name;
    EXPECT_EQ(answer.problem, c.problem) << c.name;
    EXPECT_EQ(answer.skill, c.skill) << c.name;
  }
}

// A demon made from owned demons brings its own first list: the check
// before the search asks that some demon hold or learn the skill, not that
// a starting one does.
TEST(PlannerRequests, OwnedDemonsMayMakeTheDemonThatHoldsTheSkill) {
  const std::vector<PlanRequest> requests{
      // ハイピクシー + ミズチ make ディース, which holds マカジャマ; ディース + ラケシス make ヨモツイクサ.
      {{14, 5}, {36}, 99, false, 2, 10, std::vector<DemonRef>{{7, 6}, {11, 3}, {15, 2}}},
      // リリム + チン make イヌガミ, which holds ファイアブレス.
      {{8, 8}, {77}, 99, false, 4, 10, std::vector<DemonRef>{{8, 9}, {18, 5}, {10, 5}}},
  };
  for (const PlanRequest& request : requests) {
    const PlanAnswer answer = planRoutes(request);
    EXPECT_EQ(answer.problem, PlanProblem::None) << describe(request);
    EXPECT_FALSE(answer.plans.empty()) << describe(request);
    EXPECT_EQ(reference::answerFault(request, answer), "") << describe(request);
  }
}

// More wanted skills to inherit than the target's first list leaves room
// for is a reason of its own, not "no plan within N fusions".
TEST(PlannerRequests, SkillsBeyondTheRoomLeftSayWhy) {
  const DemonRef trumpeter{31, 0};  // five skills of its own: room for three
  std::vector<int> toInherit;
  for (int skill : obtainableSkills(trumpeter)) {
    if (!detail::innateSkills(trumpeter).contains(skill) &&
        !detail::learnableSkills(trumpeter, level(trumpeter), 99).contains(skill) && toInherit.size() < 4) {
      toInherit.push_back(skill);
    }
  }
  ASSERT_EQ(toInherit.size(), 4u);
  PlanRequest request{trumpeter, toInherit};
  EXPECT_EQ(planRoutes(request).problem, PlanProblem::SkillsDoNotFit);
  request.skills.pop_back();
  EXPECT_NE(planRoutes(request).problem, PlanProblem::SkillsDoNotFit);
}

// Every plan listed has the fewest fusions, so none holds a fusion it could
// do without and none is another plus extra steps (the answer used to list
// a plan 1 with a needless fusion added).
TEST(PlannerRequests, EveryListedPlanHasTheFewestFusions) {
  const PlanRequest request{{7, 8}, {1}};  // ピクシー, アギ
  const PlanAnswer answer = planRoutes(request);
  ASSERT_GT(answer.plans.size(), 1u);
  EXPECT_EQ(reference::answerFault(request, answer), "");
  for (const Plan& plan : answer.plans) EXPECT_EQ(plan.steps.size(), answer.plans[0].steps.size());
  EXPECT_EQ(static_cast<int>(answer.plans[0].steps.size()), reference::bestWithinTwo(request)->first);
}

TEST(PlannerRequests, AnInnateSkillNeedsNoFusionUnlessTheTargetIsNotOwned) {
  PlanRequest request{{0, 2}, {9}};  // オーディン holds ブフダイン from the start
  const PlanAnswer innate = planRoutes(request);
  ASSERT_EQ(innate.plans.size(), 1u);
  EXPECT_TRUE(innate.plans[0].steps.empty());
  request.owned = std::vector<DemonRef>{{17, 6}, {7, 1}, {15, 2}, {4, 1}};
  const PlanAnswer owned = planRoutes(request);
  EXPECT_EQ(reference::answerFault(request, owned), "");
  for (const Plan& plan : owned.plans) EXPECT_FALSE(plan.steps.empty());
}

// My demons start plans as they are, each at most once; with only mine,
// nothing is taken at base level. Demons excluded appear nowhere.
TEST(PlannerWithMyDemons, PlansUseMyDemonsAsTheyAreAndOnlyWhatIsAllowed) {
  const DemonRef pixie{7, 8};
  const DemonRef jackLantern{7, 5};  // holds アギ from the start
  const DemonRef aeros{29, 2};
  std::vector<MyDemon> mine{{jackLantern, 25, {1, 4}, {}}, {aeros, 11, {}, {}}, {pixie, 10, {1}, {}}, {{7, 7}, 9, {7}, {}}};
  struct Case {
    const char* name;
    PlanRequest request;
    int fusions;
    int notMine;
  };
  const std::vector<Case> cases{
      {"my Pixie already holds アギ", {pixie, {1}, 99, false, 4, 4, std::nullopt, mine}, 0, 0},
      {"only mine, ブフ to inherit", {pixie, {7}, 99, false, 4, 4, std::nullopt, mine, true}, -1, 0},
      {"mine beside base-level demons", {{7, 7}, {1}, 99, false, 4, 4, std::nullopt, mine}, 1, 0},
      {"excluded demons", {pixie, {1}, 99, false, 4, 4, std::nullopt, {}, false, true, {jackLantern, {21, 0}, {14, 8}}}, -1, -1},
  };
  for (const Case& c : cases) {
    const PlanAnswer answer = planRoutes(c.request);
    ASSERT_FALSE(answer.plans.empty()) << c.name;
    EXPECT_EQ(reference::answerFault(c.request, answer), "") << c.name;
    if (c.fusions >= 0) {
      EXPECT_EQ(static_cast<int>(answer.plans[0].steps.size()), c.fusions) << c.name;
    }
    if (c.notMine >= 0) {
      EXPECT_EQ(answer.plans[0].notMine, c.notMine) << c.name;
    }
  }
}

// Requests of three fusions, beyond the brute force's reach, whose last keys
// a work allowance once left unsettled: the first plan holds the values that
// the search settled with no allowance and the exhaustive pass alone.
TEST(PlannerRequests, ThreeFusionRequestsSettleEveryKey) {
  struct Case {
    PlanRequest request;
    int highestLevel;
    int levelsGained;
    int distinctDemons;
  };
  const std::vector<Case> cases{
      {{{11, 5}, {208, 52, 252}, 64}, 18, 6, 6},   // ノズチ
      {{{12, 2}, {275, 144, 95}}, 68, 11, 7},      // オルトロス
      {{{31, 4}, {229, 40, 221}}, 58, 4, 6},       // レッドライダー
  };
  for (const Case& c : cases) {
    const PlanAnswer answer = planRoutes(c.request);
    ASSERT_FALSE(answer.plans.empty()) << describe(c.request);
    EXPECT_EQ(reference::answerFault(c.request, answer), "") << describe(c.request);
    const Plan& first = answer.plans[0];
    EXPECT_EQ(first.steps.size(), 3u) << describe(c.request);
    EXPECT_EQ(std::tuple(first.highestLevel, first.levelsGained, first.distinctDemons),
              std::tuple(c.highestLevel, c.levelsGained, c.distinctDemons))
        << describe(c.request);
  }
}

TEST(PlannerRequests, ACancelledSearchStopsWithoutPlans) {
  const std::atomic<bool> cancel{true};
  const PlanAnswer answer = planRoutes({{4, 0}, {1, 7, 13}}, {&cancel, {}});
  EXPECT_EQ(answer.problem, PlanProblem::Cancelled);
  EXPECT_TRUE(answer.plans.empty());
}

}  // namespace
}  // namespace qmoor
