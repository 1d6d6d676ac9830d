// Timing of the skill-route planner, levelling on: twenty requests of one to
// four skills and at most four fusions, drawn once from a seeded shuffle of
// targets and the skills each can get, so that they mix quick answers, long
// routes, CURSE, a level limit of 70 and requests with no route within four
// fusions; the same with thirty demons of mine; and 600 seeded random
// requests of one to four skills, each planned once, for the spread of times
// (median, 90th percentile and highest; a request still running after the
// cut-off is cancelled and counted at the cut-off), none of them bounded.
// Then hard requests under the default bound on work, found by random search
// (many skills, no levelling, excluded demons, demons of mine): the time each
// takes within the bound and how many of the five orders it still settles.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
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
      {"Shikigami_limit70_4fusions", {14, 8}, {101, 158, 40}, 70, false},
      {"Abaddon_curse_4skills_2fusions", {17, 5}, {21, 38, 47, 54}, 99, true},
      {"Mouryou_3fusions", {20, 5}, {20}, 99, false},
      {"WhiteRider_phase", {31, 5}, {71, 78}, 99, false},
      {"Taotie_limit70_4fusions", {16, 2}, {50, 102, 16}, 70, false},
      {"Yaka_4skills_3fusions", {19, 4}, {8, 43, 110, 102}, 99, false},
      {"Suiki_curse_none", {14, 2}, {257}, 99, true},
      {"Chin_4fusions", {18, 5}, {62, 198}, 99, false},
      {"Odin_limit70_3skills", {0, 2}, {36, 276, 271}, 70, false},
      {"Setanta_4skills_3fusions", {7, 2}, {148, 266, 56, 152}, 99, false},
      {"Taotie_1fusion", {16, 2}, {82}, 99, false},
      {"Lakshmi_curse", {1, 1}, {31, 86}, 99, true},
      {"WhiteRider_limit70_3skills", {31, 5}, {7, 24, 4}, 70, false},
      {"Mada_4skills_2fusions", {16, 0}, {141, 35, 262, 61}, 99, false},
      {"Orthrus_2fusions", {12, 2}, {70}, 99, false},
      {"Takeminakata_2skills", {4, 8}, {2, 252}, 99, false},
      {"Chimera_curse_limit70", {5, 0}, {104, 140, 93}, 70, true},
      {"Pazuzu_4skills_3fusions", {16, 4}, {24, 77, 40, 2}, 99, false},
  };
  return table;
}

// Thirty demons of mine, drawn once: each a few levels above its base level
// holding its first list.
const std::vector<MyDemon>& myDemons() {
  static const std::vector<MyDemon> mine = [] {
    std::mt19937 random(7);
    std::vector<MyDemon> demons;
    while (demons.size() < 30) {
      const DemonRef demon{static_cast<Race>(random() % RaceTotal), static_cast<Slot>(random() % SlotsPerRace)};
      if (!isOccupied(demon) || obtainableSkills(demon).empty()) continue;
      std::vector<int> skills;
      for (int skill : skillsOf(demon, SkillList::First)) {
        if (skill != 0 && skill != 278) skills.push_back(skill);
      }
      demons.push_back({demon, std::min(99, level(demon) + static_cast<int>(random() % 6)), skills, {}});
    }
    return demons;
  }();
  return mine;
}

void BM_Plan(benchmark::State& state, const Case& c, bool withMine) {
  PlanRequest request;
  request.target = c.target;
  request.skills = c.skills;
  request.levelLimit = c.levelLimit;
  request.curse = c.curse;
  if (withMine) request.mine = myDemons();
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

// Hard requests, each named for what it is; the first three once took from
// half a minute to beyond any wait unbounded.
struct HardCase {
  const char* name;
  PlanRequest request;
  bool withMine = false;
};

const std::vector<HardCase>& hardCases() {
  const auto noLevelling = [](PlanRequest request) {
    request.levelling = false;
    return request;
  };
  const auto excluding = [](PlanRequest request, std::vector<DemonRef> excluded) {
    request.excluded = std::move(excluded);
    return request;
  };
  static const std::vector<HardCase> table{
      {"Mot_1skill_noLevelling", noLevelling({{17, 1}, {119}})},
      {"Vishnu_3skills_noLevelling", noLevelling({{0, 0}, {48, 65, 111}})},
      {"Beelzebub_6skills", {{17, 2}, {221, 192, 21, 205, 235, 30}}},
      {"Mizuchi_6skills", {{11, 3}, {266, 11, 32, 101, 191, 79}}},
      {"Rangda_3skills_noLevelling", noLevelling({{15, 0}, {242, 73, 14}})},
      {"Zhuque_5skills_6excluded",
       excluding({{5, 2}, {96, 64, 168, 73, 242}}, {{6, 7}, {15, 1}, {8, 1}, {16, 6}, {5, 5}, {7, 6}})},
      {"KoppaTengu_4skills_6excluded",
       excluding({{6, 6}, {34, 82, 18, 61}}, {{9, 0}, {19, 1}, {25, 2}, {6, 0}, {31, 1}, {17, 6}})},
      {"Pazuzu_3skills_noLevelling_13excluded",
       noLevelling(excluding({{16, 4}, {199, 17, 144}}, {{29, 3}, {19, 6}, {3, 0}, {12, 4}, {21, 1}, {18, 4}, {16, 2},
                                                         {14, 6}, {17, 6}, {10, 3}, {13, 0}, {8, 5}, {3, 3}}))},
      {"Yaksini_5skills_mine30", {{15, 5}, {234, 255, 84, 267, 150}}, true},
      {"Beelzebub_5skills_mine30", {{17, 2}, {115, 230, 220, 156, 59}}, true},
      {"Oni_5skills_mine30", {{14, 6}, {218, 44, 35, 26, 206}}, true},
  };
  return table;
}

void BM_PlanHard(benchmark::State& state, const HardCase& c) {
  PlanRequest request = c.request;
  if (c.withMine) request.mine = myDemons();
  PlanControl control;
  control.seconds = DefaultPlanSeconds;
  PlanAnswer answer;
  for (auto _ : state) {
    answer = planRoutes(request, control);
    benchmark::DoNotOptimize(answer);
  }
  const PlanSettled& settled = answer.settled;
  state.counters["plans"] = static_cast<double>(answer.plans.size());
  state.counters["settled"] = settled.fusions + settled.notMine + settled.highestLevel + settled.levelsGained +
                              settled.distinctDemons;
  state.SetItemsProcessed(state.iterations());
}

// 600 requests as a player might ask: a fusable target and one to four
// skills it can end up with, CURSE one time in four, a level limit one time in three.
std::vector<PlanRequest> sampledRequests() {
  std::mt19937 random(2026);
  std::vector<DemonRef> targets;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      if (!obtainableSkills({race, slot}).empty()) targets.push_back({race, slot});
    }
  }
  std::vector<PlanRequest> requests;
  while (requests.size() < 600) {
    PlanRequest request;
    request.target = targets[random() % targets.size()];
    std::vector<int> skills = obtainableSkills(request.target);
    std::shuffle(skills.begin(), skills.end(), random);
    skills.resize(std::min<std::size_t>(skills.size(), 1 + random() % 4));
    request.skills = skills;
    request.curse = random() % 4 == 0;
    request.levelLimit = random() % 3 == 0 ? 30 + static_cast<int>(random() % 60) : 99;
    requests.push_back(request);
  }
  return requests;
}

// Plans one request, cancelled once it has run for the cut-off; the milliseconds
// it took, and whether it left an order unsettled.
std::pair<double, bool> timedPlan(const PlanRequest& request, double boundSeconds, std::chrono::milliseconds cutOff) {
  std::atomic<bool> cancel{false};
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!finished.wait_for(lock, cutOff, [&] { return done; })) cancel = true;
  });
  const auto start = std::chrono::steady_clock::now();
  PlanControl control{&cancel, {}};
  control.seconds = boundSeconds;
  const PlanAnswer answer = planRoutes(request, control);
  benchmark::DoNotOptimize(answer);
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  finished.notify_one();
  watchdog.join();
  return {ms, !answer.settled.all()};
}

// The 600 requests unbounded (boundSeconds 0) or under the default bound,
// which must leave every order of every one of them settled.
void BM_PlanSampled(benchmark::State& state, double boundSeconds) {
  const std::vector<PlanRequest> requests = sampledRequests();
  planRoutes(requests.front());
  std::vector<double> times;
  int unsettled = 0;
  for (auto _ : state) {
    times.clear();
    unsettled = 0;
    for (const PlanRequest& request : requests) {
      const auto [ms, cut] = timedPlan(request, boundSeconds, std::chrono::seconds(10));
      times.push_back(ms);
      unsettled += cut ? 1 : 0;
    }
  }
  state.counters["unsettled"] = unsettled;
  std::ranges::sort(times);
  state.counters["median_ms"] = times[times.size() / 2];
  state.counters["p90_ms"] = times[times.size() * 9 / 10];
  state.counters["highest_ms"] = times.back();
  state.counters["cut_off"] = static_cast<double>(std::ranges::count_if(times, [](double t) { return t >= 10000; }));
}

const bool registered = [] {
  for (const Case& c : cases()) {
    benchmark::RegisterBenchmark((std::string("BM_Plan/") + c.name).c_str(), BM_Plan, c, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("BM_PlanMine30/") + c.name).c_str(), BM_Plan, c, true)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("BM_PlanSampled600", BM_PlanSampled, 0.0)->Iterations(1)->Unit(benchmark::kSecond);
  benchmark::RegisterBenchmark("BM_PlanSampled600Bounded", BM_PlanSampled, DefaultPlanSeconds)
      ->Iterations(1)
      ->Unit(benchmark::kSecond);
  for (const HardCase& c : hardCases()) {
    benchmark::RegisterBenchmark((std::string("BM_PlanHard/") + c.name).c_str(), BM_PlanHard, c)
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace qmoor
