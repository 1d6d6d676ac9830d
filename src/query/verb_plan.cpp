// qmoor plan T --skill S...: the shortest fusion routes that bring the skills
// onto T, as an indented tree per plan or one JSON document.
#include <algorithm>
#include <string>

#include "data/compendium.h"
#include "names/typed_names.h"
#include "planner/plan.h"
#include "query/demon_output.h"
#include "query/my_demons_source.h"
#include "query/name_lookup.h"
#include "plan_text/plan_text.h"
#include "query/usage_error.h"
#include "stock/holding_rule.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"skill", true, true}, {"limit", true},    {"curse"},     {"depth", true},
                                  {"count", true},       {"owned", true},    {"use-mine"},  {"only-mine"},
                                  {"no-levelling"},      {"exclude", true}};

constexpr int MostPlans = 1000;

// Names separated by commas (full-width too), blanks around each allowed.
std::vector<DemonRef> demonList(const std::string& typed, const std::string& option) {
  const std::string list = plainTyping(typed);
  std::vector<DemonRef> demons;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(',', start), list.size());
    const std::string name = list.substr(start, end - start);
    if (plainTyping(name).empty())
      throw UsageError("--" + option + " には悪魔の名前をカンマで区切って指定してください（空の名前は不可）",
                       "--" + option + " takes demon names separated by commas, with none empty");
    demons.push_back(resolveDemon(name));
    start = end + 1;
  }
  return demons;
}

// The request, and where each of its demons of mine stands in the file of
// my demons, which the answer names them by.
struct AskedPlan {
  PlanRequest request;
  std::vector<int> minePlaces;
};

void refuseTogether(const Arguments& arguments, const std::string& one, const std::string& other) {
  if (arguments.has(one) && arguments.has(other))
    throw UsageError("--" + one + " と --" + other + " は同時に指定できません",
                     "--" + one + " and --" + other + " exclude each other");
}

// My demons join the request: the entries of the file without a problem,
// which the planner takes as they are.
void takeMine(AskedPlan& asked, const Arguments& arguments, const QueryContext& context) {
  refuseTogether(arguments, "use-mine", "only-mine");
  refuseTogether(arguments, "owned", "only-mine");
  if (!arguments.has("use-mine") && !arguments.has("only-mine")) return;
  const std::vector<MyDemon> file = readMyDemons(context);
  asked.minePlaces = entriesWithoutProblem(file);
  for (int place : asked.minePlaces) asked.request.mine.push_back(file[static_cast<std::size_t>(place)]);
  asked.request.onlyMine = arguments.has("only-mine");
}

PlanRequest requestFrom(const Arguments& arguments) {
  PlanRequest request;
  request.target = resolveDemon(arguments.positionals()[0]);
  for (const std::string& text : arguments.values("skill")) {
    addWantedSkill(request, resolveSkill(text));
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

UsageError refusal(const PlanRequest& request, const PlanAnswer& answer) {
  const int skill = answer.skill;
  switch (answer.problem) {
    case PlanProblem::TargetNotFusable:
      return {"plan には合体で作れる悪魔を指定してください（特殊悪魔・精霊・御魂は不可）",
              "plan needs a demon made by fusion, not a special demon, a spirit or a 御魂"};
    case PlanProblem::SkillCount: return {"plan の --skill は1～8個です", "plan takes one to eight --skill options"};
    case PlanProblem::UnknownSkill:
      return {"スキル " + std::to_string(skill) + " は選べるスキルではありません",
              "skill " + std::to_string(skill) + " is not a selectable skill"};
    default: break;
  }
  const std::string reason = planReasonText(request, answer, Language::English);
  if (!reason.empty()) return {planReasonText(request, answer, Language::Japanese), reason};
  return {"plan はこの指定を受け付けません", "plan cannot take this request"};
}

void writeText(const PlanRequest& request, const PlanAnswer& answer, const QueryContext& context) {
  context.out << planAnswerText(request, answer, context.language);
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

void writeJson(const AskedPlan& asked, const PlanAnswer& answer, const QueryContext& context) {
  const PlanRequest& request = asked.request;
  const auto placeInFile = [&](std::optional<int> mine) {
    return mine ? std::optional<int>(asked.minePlaces[static_cast<std::size_t>(*mine)]) : std::nullopt;
  };
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
        writeOptional(json.key("mine"), placeInFile(material.mine));
        json.key("level").value(material.level);
        writeSkillNames(json.key("learned"), material.learned, language);
        json.endObject();
      }
      json.endArray();
      writeRef(json.key("result"), step.result, language);
      json.key("kind").value(fusionKindKey(step.kind));
      writeSkillNames(json.key("inherited"), step.inherited, language);
      writeSkillNames(json.key("skills"), step.skills, language);
      json.endObject();
    }
    json.endArray();
    json.key("target").beginObject().key("level").value(plan.targetLevel);
    writeSkillNames(json.key("learned"), plan.targetLearned, language);
    writeOptional(json.key("mine"), placeInFile(plan.targetMine));
    json.endObject().endObject();
  }
  json.endArray();
  if (answer.plans.empty()) {
    const std::string reason = planReasonText(request, answer, language);
    if (!reason.empty()) json.key("reason").value(reason);
  }
  json.endObject();
}

void runPlan(const Arguments& arguments, const QueryContext& context) {
  AskedPlan asked{requestFrom(arguments), {}};
  takeMine(asked, arguments, context);
  const PlanAnswer answer = planRoutes(asked.request);
  if (refusesRequest(answer.problem)) throw refusal(asked.request, answer);
  if (context.json) {
    writeJson(asked, answer, context);
  } else {
    writeText(asked.request, answer, context);
  }
}

}  // namespace

extern const Verb PlanVerb{
    "plan",
    "plan T --skill S... [--limit L] [--curse] [--depth D] [--count K] [--owned A,B,...] [--use-mine | --only-mine] "
    "[--no-levelling] [--exclude A,B,...]",
    "the shortest fusion routes that bring the skills onto T",
    "  --skill S       a skill the target should hold (one to eight)\n"
    "  --limit L       every demon of a plan at most level L (default 99)\n"
    "  --curse         fuse by the CURSE chart\n"
    "  --depth D       at most D fusions (1..6, default 4)\n"
    "  --count K       at most K plans (default 10)\n"
    "  --owned A,B,... only these demons may be taken at base level\n"
    "  --use-mine      my demons may be taken too, each once, as they are (entries with a problem left out)\n"
    "  --only-mine     only my demons may be taken, each once, as they are\n"
    "  --no-levelling  no demon is levelled up\n"
    "  --exclude A,B,...\n"
    "                  demons a plan never uses\n",
    Options,
    1,
    1,
    runPlan,
    "スキルを T に継承させる最短の合体ルート",
    "  --skill S       対象に持たせるスキル（1～8個）\n"
    "  --limit L       プランのすべての悪魔をレベル L 以下に（既定 99）\n"
    "  --curse         CURSE の合体表で合体する\n"
    "  --depth D       合体は D 回まで（1～6、既定 4）\n"
    "  --count K       プランは K 個まで（既定 10）\n"
    "  --owned A,B,... 初期レベルで使う悪魔をこれらに限る\n"
    "  --use-mine      所持悪魔もそのままの姿で使う（各1回。問題のある項目は除く）\n"
    "  --only-mine     所持悪魔だけをそのままの姿で使う（各1回）\n"
    "  --no-levelling  悪魔のレベルを上げない\n"
    "  --exclude A,B,...\n"
    "                  プランのどこにも使わない悪魔\n",
};

}  // namespace qmoor::query
