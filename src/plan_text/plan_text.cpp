// The words of a planner answer: see plan_text.h.
#include "plan_text/plan_text.h"

#include <algorithm>
#include <string_view>

#include "data/compendium.h"
#include "data/skills.h"

namespace qmoor {
namespace {

std::string_view say(Language language, std::string_view japanese, std::string_view english) {
  return language == Language::Japanese ? japanese : english;
}

// "1 fusion", "2 fusions": a count with its English noun.
std::string counted(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// The plan's number and the keys plans are ranked by: its fusions, the
// demons not mine where my demons may be taken besides others, its highest
// level and its distinct demons.
std::string planTitle(const PlanRequest& request, const Plan& plan, std::size_t number, Language language) {
  const bool japanese = language == Language::Japanese;
  const std::size_t fusions = plan.steps.size();
  std::string title = japanese ? "プラン" + std::to_string(number) + ": 合体" + std::to_string(fusions) + "回"
                               : "Plan " + std::to_string(number) + ": " + counted(fusions, "fusion", "fusions");
  if (!request.mine.empty() && !request.onlyMine) {
    const auto notMine = static_cast<std::size_t>(plan.notMine);
    title += japanese ? ", 所持外" + std::to_string(notMine) + "体"
                      : ", " + counted(notMine, "demon", "demons") + " not mine";
  }
  const std::string highest = std::to_string(plan.highestLevel);
  const auto demons = static_cast<std::size_t>(plan.distinctDemons);
  return title + (japanese ? ", 最高LV" + highest + ", 悪魔" + std::to_string(demons) + "体"
                           : ", highest level " + highest + ", " + counted(demons, "demon", "demons"));
}

// The wanted skills a demon of a plan holds of its own, before it inherits
// or learns anything: its first list, or what one of mine holds now; in the
// request's order. They say where a wanted skill comes from when no line
// shows it inherited or learned.
std::vector<int> wantedHeld(const PlanRequest& request, const PlanMaterial& material) {
  const bool isMine = !material.step && material.mine;
  std::vector<int> held;
  for (int skill : request.skills) {
    const bool has = isMine ? std::ranges::count(request.mine[static_cast<std::size_t>(*material.mine)].skills, skill) > 0
                            : std::ranges::count(skillsOf(material.demon, SkillList::First), skill) > 0;
    if (has) held.push_back(skill);
  }
  return held;
}

// "　固有: マハラギ" after a demon that holds wanted skills of its own
// ("　所持スキル: " for one of mine); "" when it holds none.
std::string heldText(const PlanMaterial& material, const std::vector<int>& held, Language language) {
  if (held.empty()) return {};
  const bool isMine = !material.step && material.mine;
  return std::string(isMine ? say(language, "　所持スキル: ", ", holds: ") : say(language, "　固有: ", ", innate: ")) +
         skillListText(held, language);
}

// "LV20→LV23: 習得 マハラギ" under a demon levelled before it is used.
void addLevelUp(std::vector<PlanLine>& lines, int from, const PlanMaterial& material, int depth, Language language) {
  if (material.level <= from) return;
  std::string text = "LV" + std::to_string(from) + "→LV" + std::to_string(material.level);
  if (!material.learned.empty()) {
    text += std::string(say(language, ": 習得 ", ": learns ")) + skillListText(material.learned, language);
  }
  lines.push_back({depth + 1, text, std::nullopt});
}

// The demon and, for one a step makes, how it is fused and what it inherits,
// then what it learns levelling up, then its two materials one level deeper.
void addDemon(std::vector<PlanLine>& lines, const PlanRequest& request, const Plan& plan, const PlanMaterial& material,
              int depth, Language language) {
  const std::vector<int> held = wantedHeld(request, material);
  if (!material.step) {
    // One of my demons at the level it has, or a demon at its base level.
    const int start = material.mine ? request.mine[static_cast<std::size_t>(*material.mine)].level : level(material.demon);
    const std::string_view mark = material.mine ? say(language, "［所持］", "[mine]") : say(language, "［素材］", "[base]");
    lines.push_back({depth,
                     demonLabel(material.demon, start, language) + "  " + std::string(mark) +
                         heldText(material, held, language),
                     material.demon, held});
    addLevelUp(lines, start, material, depth, language);
    return;
  }
  std::string text = demonLabel(material.demon, language);
  const PlanStep& step = plan.steps[static_cast<std::size_t>(*material.step)];
  text += "  ← " + std::string(fusionKindName(step.kind, language));
  if (!step.inherited.empty()) {
    text += std::string(say(language, "　継承: ", ", inherits: ")) + skillListText(step.inherited, language);
  }
  text += heldText(material, held, language);
  std::vector<int> named = step.inherited;
  named.insert(named.end(), held.begin(), held.end());
  lines.push_back({depth, text, material.demon, named});
  addLevelUp(lines, level(material.demon), material, depth, language);
  addDemon(lines, request, plan, step.first, depth + 1, language);
  addDemon(lines, request, plan, step.second, depth + 1, language);
}

}  // namespace

std::string planHeading(const PlanRequest& request, Language language) {
  return std::string(say(language, "対象: ", "target: ")) + demonLabel(request.target, language) +
         std::string(say(language, "　スキル: ", "  skills: ")) + skillListText(request.skills, language);
}

std::vector<PlanLine> planLines(const PlanRequest& request, const PlanAnswer& answer, Language language) {
  std::vector<PlanLine> lines;
  for (std::size_t p = 0; p < answer.plans.size(); ++p) {
    const Plan& plan = answer.plans[p];
    lines.push_back({0, planTitle(request, plan, p + 1, language), std::nullopt});
    const int last = static_cast<int>(plan.steps.size()) - 1;
    const PlanMaterial top =
        last < 0 ? PlanMaterial{request.target, std::nullopt, plan.targetMine, plan.targetLevel, plan.targetLearned}
                 : PlanMaterial{plan.steps.back().result, last, std::nullopt, plan.targetLevel, plan.targetLearned};
    addDemon(lines, request, plan, top, 1, language);
  }
  return lines;
}

std::string planLinesText(const std::vector<PlanLine>& lines) {
  std::string text;
  for (const PlanLine& line : lines) text += std::string(static_cast<std::size_t>(line.depth) * 2, ' ') + line.text + '\n';
  return text;
}

std::string planReasonText(const PlanRequest& request, const PlanAnswer& answer, Language language) {
  const std::string target = demonLabel(request.target, language);
  const std::string skill(skillName(answer.skill, language));
  switch (answer.problem) {
    case PlanProblem::SkillNotObtainable:
      return language == Language::Japanese ? target + " は " + skill + " を継承できません"
                                            : target + " cannot inherit " + skill;
    case PlanProblem::SkillHeldByNone:
      return language == Language::Japanese ? skill + " を持つ悪魔も覚える悪魔もいません"
                                            : "no demon a plan may use has or learns " + skill;
    case PlanProblem::SkillsDoNotFit:
      return language == Language::Japanese ? target + " が継承で覚えられるスキルの数を超えています"
                                            : "more skills than " + target + " can inherit";
    case PlanProblem::TargetAboveLimit:
      return language == Language::Japanese ? target + " はレベル上限を超えています"
                                            : target + " is above the level limit";
    case PlanProblem::TooManyOfMine:
      return language == Language::Japanese ? "所持悪魔が多すぎます（" + std::to_string(MostMyDemons) + "体まで）"
                                            : "more of my demons than " + std::to_string(MostMyDemons);
    case PlanProblem::Cancelled:
      return std::string(say(language, "検索を取り消しました", "the search was cancelled"));
    default:
      return {};
  }
}

std::string noPlanText(const PlanRequest& request, const PlanAnswer& answer, Language language) {
  if (std::string reason = planReasonText(request, answer, language); !reason.empty()) return reason;
  const auto depth = static_cast<std::size_t>(request.maxFusions);
  return language == Language::Japanese ? "合体" + std::to_string(depth) + "回以内のプランはありません"
                                        : "no plan within " + counted(depth, "fusion", "fusions");
}

std::string planAnswerText(const PlanRequest& request, const PlanAnswer& answer, Language language) {
  std::string text = planHeading(request, language) + '\n' + planLinesText(planLines(request, answer, language));
  if (answer.plans.empty()) text += noPlanText(request, answer, language) + '\n';
  return text;
}

}  // namespace qmoor
