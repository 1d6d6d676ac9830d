// qmoor plan T --skill S...: the shortest fusion routes that bring the skills
// onto T, as an indented tree per plan or one JSON document.
#include <algorithm>
#include <functional>
#include <string>

#include "data/compendium.h"
#include "planner/plan.h"
#include "query/demon_output.h"
#include "query/name_lookup.h"
#include "query/usage_error.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"skill", true, true}, {"limit", true}, {"curse"},         {"depth", true},
                                  {"count", true},       {"owned", true}, {"no-levelling"}, {"exclude", true}};

constexpr int MostPlans = 1000;

std::vector<DemonRef> demonList(const std::string& list, const std::string& option) {
  std::vector<DemonRef> demons;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, end - start);
    if (name.empty()) throw UsageError("--" + option + " takes demon names separated by commas, with none empty");
    demons.push_back(resolveDemon(name));
    start = end + 1;
  }
  return demons;
}

PlanRequest requestFrom(const Arguments& arguments) {
  PlanRequest request;
  request.target = resolveDemon(arguments.positionals()[0]);
  for (const std::string& text : arguments.values("skill")) {
    const int skill = resolveSkill(text);
    if (std::ranges::find(request.skills, skill) == request.skills.end()) request.skills.push_back(skill);
  }
  request.levelLimit = arguments.number("limit", 1, 99).value_or(request.levelLimit);
  request.curse = arguments.has("curse");
  request.maxFusions = arguments.number("depth", 1, MostPlanFusions).value_or(request.maxFusions);
  request.planCount = arguments.number("count", 1, MostPlans).value_or(request.planCount);
  if (const auto owned = arguments.value("owned")) request.owned = demonList(*owned, "owned");
  if (const auto excluded = arguments.value("exclude")) request.excluded = demonList(*excluded, "exclude");
  request.levelling = !arguments.has("no-levelling");
  return request;
}

std::string refusalText(PlanProblem problem, int skill) {
  switch (problem) {
    case PlanProblem::TargetNotFusable: return "plan needs a demon made by fusion, not a special demon, a spirit or a 御魂";
    case PlanProblem::SkillCount: return "plan takes one to eight --skill options";
    case PlanProblem::UnknownSkill: return "skill " + std::to_string(skill) + " is not a selectable skill";
    default: return "plan cannot take this request";
  }
}

// The plain reason there is no plan, or "" when there is none to give.
std::string reasonText(const PlanRequest& request, const PlanAnswer& answer, const QueryContext& context) {
  const std::string target = demonLabel(request.target, context.language);
  const std::string skill(skillName(answer.skill, context.language));
  switch (answer.problem) {
    case PlanProblem::SkillNotObtainable:
      return context.language == Language::Japanese ? target + " は " + skill + " を継承できません"
                                                    : target + " cannot inherit " + skill;
    case PlanProblem::SkillHeldByNone:
      return context.language == Language::Japanese ? skill + " を持つ悪魔も覚える悪魔もいません"
                                                    : "no demon a plan may use has or learns " + skill;
    case PlanProblem::SkillsDoNotFit:
      return context.language == Language::Japanese ? target + " が継承で覚えられるスキルの数を超えています"
                                                    : "more skills than " + target + " can inherit";
    case PlanProblem::TargetAboveLimit:
      return context.language == Language::Japanese ? target + " はレベル上限を超えています"
                                                    : target + " is above the level limit";
    default: return {};
  }
}

std::string_view kindWord(FusionKind kind, const QueryContext& context) {
  switch (kind) {
    case FusionKind::Spirit: return context.say("精霊合体", "spirit fusion");
    case FusionKind::Phase: return context.say("月齢合体", "phase fusion");
    default: return context.say("通常合体", "normal fusion");
  }
}

std::string_view kindKey(FusionKind kind) {
  switch (kind) {
    case FusionKind::Spirit: return "spirit";
    case FusionKind::Phase: return "phase";
    default: return "normal";
  }
}

std::string skillList(const std::vector<int>& skills, Language language) {
  std::string text;
  for (int skill : skills) text += (text.empty() ? "" : ", ") + std::string(skillName(skill, language));
  return text;
}

// "LV20→LV23: 習得 マハラギ" under a demon levelled before it is used.
void writeLevelUp(int from, int to, const std::vector<int>& learned, int depth, const QueryContext& context) {
  if (to <= from) return;
  context.out << std::string(static_cast<std::size_t>(depth) * 2 + 2, ' ') << "LV" << from << "→LV" << to;
  if (!learned.empty()) context.out << context.say(": 習得 ", ": learns ") << skillList(learned, context.language);
  context.out << '\n';
}

void writePlanTree(const Plan& plan, const PlanRequest& request, const QueryContext& context) {
  const Language language = context.language;
  std::function<void(const PlanMaterial&, int)> write = [&](const PlanMaterial& material, int depth) {
    context.out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << demonLabel(material.demon, language);
    if (!material.step) {
      const int start = material.mine ? request.mine[static_cast<std::size_t>(*material.mine)].level : level(material.demon);
      context.out << "  " << (material.mine ? context.say("［所持］", "[mine]") : context.say("［素材］", "[base]"))
                  << '\n';
      writeLevelUp(start, material.level, material.learned, depth, context);
      return;
    }
    const PlanStep& step = plan.steps[static_cast<std::size_t>(*material.step)];
    context.out << "  ← " << kindWord(step.kind, context);
    if (!step.inherited.empty()) context.out << context.say("　継承: ", ", inherits: ") << skillList(step.inherited, language);
    context.out << '\n';
    writeLevelUp(level(material.demon), material.level, material.learned, depth, context);
    write(step.first, depth + 1);
    write(step.second, depth + 1);
  };
  const int last = static_cast<int>(plan.steps.size()) - 1;
  write({plan.steps.back().result, last, std::nullopt, plan.targetLevel, plan.targetLearned}, 1);
}

void writeText(const PlanRequest& request, const PlanAnswer& answer, const QueryContext& context) {
  const Language language = context.language;
  context.out << context.say("対象: ", "target: ") << demonLabel(request.target, language)
              << context.say("　スキル: ", "  skills: ") << skillList(request.skills, language) << '\n';
  for (std::size_t p = 0; p < answer.plans.size(); ++p) {
    const Plan& plan = answer.plans[p];
    const std::string number = std::to_string(p + 1);
    const std::string fusions = std::to_string(plan.steps.size());
    const std::string highest = std::to_string(plan.highestLevel);
    const std::string demons = std::to_string(plan.distinctDemons);
    context.out << (language == Language::Japanese
                        ? "プラン" + number + ": 合体" + fusions + "回, 最高LV" + highest + ", 悪魔" + demons + "体"
                        : "plan " + number + ": " + fusions + " fusions, highest level " + highest + ", " + demons +
                              " demons")
                << '\n';
    if (plan.steps.empty()) {
      const int start = plan.targetMine ? request.mine[static_cast<std::size_t>(*plan.targetMine)].level
                                        : level(request.target);
      context.out << "  " << demonLabel(request.target, language) << "  "
                  << (plan.targetMine ? context.say("［所持］", "[mine]") : context.say("［素材］", "[base]")) << '\n';
      writeLevelUp(start, plan.targetLevel, plan.targetLearned, 1, context);
    } else {
      writePlanTree(plan, request, context);
    }
  }
  if (answer.plans.empty()) {
    const std::string reason = reasonText(request, answer, context);
    const std::string depth = std::to_string(request.maxFusions);
    context.out << (!reason.empty()                      ? reason
                    : language == Language::Japanese ? "合体" + depth + "回以内のプランはありません"
                                                     : "no plan within " + depth + " fusions")
                << '\n';
  }
}

void writeSkillNames(JsonWriter& json, const std::vector<int>& skills, Language language) {
  json.beginArray();
  for (int skill : skills) json.value(skillName(skill, language));
  json.endArray();
}

void writeOptional(JsonWriter& json, std::optional<int> value) {
  if (value) {
    json.value(*value);
  } else {
    json.null();
  }
}

void writeJson(const PlanRequest& request, const PlanAnswer& answer, const QueryContext& context) {
  const Language language = context.language;
  JsonWriter json(context.out);
  writeRef(json.beginObject().key("target"), request.target, language);
  writeSkillNames(json.key("skills"), request.skills, language);
  json.key("plans").beginArray();
  for (const Plan& plan : answer.plans) {
    json.beginObject().key("fusions").value(static_cast<int>(plan.steps.size())).key("steps").beginArray();
    for (const PlanStep& step : plan.steps) {
      json.beginObject().key("materials").beginArray();
      for (const PlanMaterial& material : {step.first, step.second}) {
        writeRef(json.beginObject().key("demon"), material.demon, language);
        writeOptional(json.key("step"), material.step);
        writeOptional(json.key("mine"), material.mine);
        json.key("level").value(material.level);
        writeSkillNames(json.key("learned"), material.learned, language);
        json.endObject();
      }
      json.endArray();
      writeRef(json.key("result"), step.result, language);
      json.key("kind").value(kindKey(step.kind));
      writeSkillNames(json.key("inherited"), step.inherited, language);
      writeSkillNames(json.key("skills"), step.skills, language);
      json.endObject();
    }
    json.endArray();
    json.key("target").beginObject().key("level").value(plan.targetLevel);
    writeSkillNames(json.key("learned"), plan.targetLearned, language);
    json.endObject().endObject();
  }
  json.endArray();
  if (answer.plans.empty()) {
    if (const std::string reason = reasonText(request, answer, context); !reason.empty()) json.key("reason").value(reason);
  }
  json.endObject();
}

void runPlan(const Arguments& arguments, const QueryContext& context) {
  const PlanRequest request = requestFrom(arguments);
  const PlanAnswer answer = planRoutes(request);
  if (refusesRequest(answer.problem)) throw UsageError(refusalText(answer.problem, answer.skill));
  if (context.json) {
    writeJson(request, answer, context);
  } else {
    writeText(request, answer, context);
  }
}

}  // namespace

extern const Verb PlanVerb{
    "plan",
    "plan T --skill S... [--limit L] [--curse] [--depth D] [--count K] [--owned A,B,...] [--no-levelling] "
    "[--exclude A,B,...]",
    "the shortest fusion routes that bring the skills onto T",
    "  --skill S       a skill the target should hold (one to eight)\n"
    "  --limit L       every demon of a plan at most level L (default 99)\n"
    "  --curse         fuse by the CURSE chart\n"
    "  --depth D       at most D fusions (1..6, default 4)\n"
    "  --count K       at most K plans (default 10)\n"
    "  --owned A,B,... only these demons may be taken at base level\n"
    "  --no-levelling  no demon is levelled up\n"
    "  --exclude A,B,... demons a plan never uses\n",
    Options,
    1,
    1,
    runPlan,
};

}  // namespace qmoor::query
