// Timing of the skill-route planner: twenty requests of one to four skills
// and at most four fusions, drawn once from a seeded shuffle of targets and
// the skills each can get, so that they mix quick answers, long routes,
// CURSE, a level limit of 70 and requests with no route within four fusions.
#include <benchmark/benchmark.h>

#include <vector>

#include "planner/plan.h"

namespace qmoor {
namespace {

struct Case {
  const char* name;
  DemonRef target;
  std::vector<int> skills;
  int levelLimit;
  bool curse;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> table{
      {"Raijuu_3fusions", {18, 3}, {237}, 99, false},
      {"Futomimi_2skills", {4, 2}, {68, 15}, 99, false},
      {"Shikigami_limit70_none", {14, 8}, {101, 158, 40}, 70, false},
      {"Abaddon_curse_4skills_none", {17, 5}, {21, 38, 47, 54}, 99, true},
      {"Mouryou_3fusions", {20, 5}, {20}, 99, false},
      {"WhiteRider_phase", {31, 5}, {71, 78}, 99, false},
      {"Taotie_limit70_4fusions", {16, 2}, {50, 102, 16}, 70, false},
      {"Yaka_4skills_none", {19, 4}, {8, 43, 110, 102}, 99, false},
      {"Suiki_curse_none", {14, 2}, {257}, 99, true},
      {"Chin_4fusions", {18, 5}, {62, 198}, 99, false},
      {"Odin_limit70_3skills", {0, 2}, {36, 276, 271}, 70, false},
      {"Setanta_4skills_none", {7, 2}, {148, 266, 56, 152}, 99, false},
      {"Taotie_1fusion", {16, 2}, {82}, 99, false},
      {"Lakshmi_curse", {1, 1}, {31, 86}, 99, true},
      {"WhiteRider_limit70_3skills", {31, 5}, {7, 24, 4}, 70, false},
      {"Mada_4skills_none", {16, 0}, {141, 35, 262, 61}, 99, false},
      {"Orthrus_2fusions", {12, 2}, {70}, 99, false},
      {"Takeminakata_2skills", {4, 8}, {2, 252}, 99, false},
      {"Chimera_curse_limit70", {5, 0}, {104, 140, 93}, 70, true},
      {"Pazuzu_4skills_none", {16, 4}, {24, 77, 40, 2}, 99, false},
  };
  return table;
}

void BM_Plan(benchmark::State& state, const Case& c) {
  PlanRequest request;
  request.target = c.target;
  request.skills = c.skills;
  request.levelLimit = c.levelLimit;
  request.curse = c.curse;
  planRoutes(request);  // the fusion tables are built once per process
  std::size_t plans = 0;
  for (auto _ : state) {
    const PlanAnswer answer = planRoutes(request);
    plans = answer.plans.size();
    benchmark::DoNotOptimize(answer);
  }
  state.counters["plans"] = static_cast<double>(plans);
  state.SetItemsProcessed(state.iterations());
}

const bool registered = [] {
  for (const Case& c : cases()) {
    benchmark::RegisterBenchmark((std::string("BM_Plan/") + c.name).c_str(), BM_Plan, c)->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace qmoor
