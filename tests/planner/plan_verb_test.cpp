// qmoor plan as a script sees it: every plan of its JSON replayed against the
// reference model, the reason when there is none, and exit status 2 for a
// request it cannot take.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "../query/query_runner.h"
#include <set>

#include "data/compendium.h"
#include "data/skills.h"
#include "plan_text/plan_text.h"
#include "reference_planner.h"

namespace qmoor {
namespace {

DemonRef demonOf(const nlohmann::json& ref) { return {ref.at("race").get<int>(), ref.at("slot").get<int>()}; }

std::vector<int> skillsOf(const nlohmann::json& names) {
  std::vector<int> skills;
  for (const auto& name : names) {
    for (int skill = 1; skill < SkillSentinel; ++skill) {
      if (skillName(skill) == name.get<std::string>()) skills.push_back(skill);
    }
  }
  return skills;
}

// The plans of the JSON document, read back into the planner's own terms.
std::vector<Plan> plansOf(const nlohmann::json& document) {
  std::vector<Plan> plans;
  for (const auto& entry : document.at("plans")) {
    Plan plan;
    for (const auto& json : entry.at("steps")) {
      PlanStep step;
      PlanMaterial* materials[] = {&step.first, &step.second};
      for (int m = 0; m < 2; ++m) {
        const auto& material = json.at("materials").at(static_cast<std::size_t>(m));
        materials[m]->demon = demonOf(material.at("demon"));
        if (!material.at("step").is_null()) materials[m]->step = material.at("step").get<int>();
        if (!material.at("mine").is_null()) materials[m]->mine = material.at("mine").get<int>();
        materials[m]->level = material.at("level").get<int>();
        materials[m]->learned = skillsOf(material.at("learned"));
      }
      step.result = demonOf(json.at("result"));
      const std::string kind = json.at("kind");
      step.kind = kind == "spirit" ? FusionKind::Spirit : kind == "phase" ? FusionKind::Phase : FusionKind::Normal;
      step.inherited = skillsOf(json.at("inherited"));
      step.skills = skillsOf(json.at("skills"));
      plan.steps.push_back(step);
    }
    plan.targetLevel = entry.at("target").at("level").get<int>();
    plan.targetLearned = skillsOf(entry.at("target").at("learned"));
    // The document carries none of the figures; they follow from the steps.
    std::set<std::pair<int, int>> demons{{document.at("target").at("race").get<int>(), document.at("target").at("slot").get<int>()}};
    plan.highestLevel = plan.targetLevel;
    plan.levelsGained = plan.targetLevel - level(demonOf(document.at("target")));
    for (const PlanStep& step : plan.steps) {
      for (const PlanMaterial& material : {step.first, step.second}) {
        demons.insert({material.demon.race, material.demon.slot});
        plan.highestLevel = std::max(plan.highestLevel, material.level);
        plan.levelsGained += material.level - level(material.demon);
        plan.notMine += material.step ? 0 : 1;
      }
    }
    plan.distinctDemons = static_cast<int>(demons.size());
    if (plan.steps.empty()) plan.notMine = 1;
    EXPECT_EQ(entry.at("fusions").get<std::size_t>(), plan.steps.size());
    plans.push_back(plan);
  }
  return plans;
}

TEST(PlanVerb, JsonPlansReplayUnderTheRules) {
  struct Case {
    std::vector<std::string> words;
    PlanRequest request;
  };
  const std::vector<Case> cases{
      {{"plan", "オーディン", "--skill", "フォッグブレス", "--json"}, {{0, 2}, {116}}},
      {{"plan", "20/0", "--skill", "1", "--skill", "ブフ", "--curse", "--limit", "70", "--count", "3", "--json"},
       {{20, 0}, {1, 7}, 70, true, 4, 3}},
      {{"plan", "トランペッター", "--skill", "マハラギ", "--depth", "3", "--json"}, {{31, 0}, {4}, 99, false, 3}},
  };
  for (const Case& c : cases) {
    const testing::QueryRun run = testing::runQueryWords(c.words);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json document = nlohmann::json::parse(run.out);
    EXPECT_EQ(demonOf(document.at("target")), c.request.target);
    const std::vector<Plan> plans = plansOf(document);
    EXPECT_FALSE(plans.empty()) << run.out;
    for (const Plan& plan : plans) EXPECT_EQ(reference::planFault(c.request, plan), "") << run.out;
  }
}

TEST(PlanVerb, NoPlanExitsZeroWithThePlainReason) {
  const testing::QueryRun unreachable =
      testing::runQueryWords({"plan", "ピクシー", "--skill", "フォッグブレス", "--json", "--lang", "en"});
  ASSERT_EQ(unreachable.status, 0);
  const nlohmann::json document = nlohmann::json::parse(unreachable.out);
  EXPECT_TRUE(document.at("plans").empty());
  EXPECT_NE(document.at("reason").get<std::string>().find("Fog Breath"), std::string::npos);
  const testing::QueryRun tooShort = testing::runQueryWords({"plan", "オーディン", "--skill", "フォッグブレス", "--depth", "1", "--json"});
  ASSERT_EQ(tooShort.status, 0);
  EXPECT_FALSE(nlohmann::json::parse(tooShort.out).contains("reason"));
}

// A wanted skill that no line shows inherited or learned is named where a
// demon holds it of its own: here ディース's マカジャマ, which ヨモツイクサ inherits.
TEST(PlanVerb, ADemonsOwnWantedSkillIsNamedOnItsLine) {
  const testing::QueryRun run = testing::runQueryWords(
      {"plan", "ヨモツイクサ", "--skill", "マカジャマ", "--owned", "ハイピクシー,ミズチ,ラケシス", "--depth", "2"});
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("妖魔 ディース  ← 通常合体　継承: ブフーラ　固有: マカジャマ\n"), std::string::npos) << run.out;
}

TEST(PlanVerb, RequestsItCannotTakeExitTwo) {
  const std::vector<std::vector<std::string>> cases{
      {"plan", "アマテラス", "--skill", "アギ"},
      {"plan", "オーディン"},
      {"plan", "オーディン", "--skill", "nosuch"},
      {"plan", "オーディン", "--skill", "アギ", "--depth", "7"},
      {"plan", "オーディン", "--skill", "アギ", "--owned", "ピクシー,,ジャックフロスト"},
  };
  for (const auto& words : cases) EXPECT_EQ(testing::runQueryWords(words).status, 2) << words[1] << " " << words.back();
}

}  // namespace
}  // namespace qmoor
