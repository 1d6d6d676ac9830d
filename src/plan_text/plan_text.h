// A planner answer in words, in either language: the request's heading, each
// plan as a title and a tree of lines (one a demon, each made demon saying
// how it is fused and what it inherits, and each demon the wanted skills it
// holds of its own), and why there is no plan. qmoor plan
// prints these lines and the planner window shows and copies the same ones,
// so a plan reads alike wherever it is shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "names/names.h"
#include "planner/plan.h"

namespace qmoor {

// One line of the plans: a plan's title at depth 0, then its demons below it,
// the target at depth 1 and each made demon's two materials one deeper.
struct PlanLine {
  int depth = 0;
  std::string text;
  std::optional<DemonRef> demon;  // none for a plan's title
  std::vector<int> skills{};      // the skills the line names (what the demon inherits or holds of its own)
};

// "対象: LV65 魔神 オーディン　スキル: フォッグブレス"
std::string planHeading(const PlanRequest& request, Language language);
// Every plan of the answer, best first.
std::vector<PlanLine> planLines(const PlanRequest& request, const PlanAnswer& answer, Language language);
// The lines as text, each indented two blanks a level, one a line.
std::string planLinesText(const std::vector<PlanLine>& lines);
// Why the answer holds no plan where the reason is plain (a skill the target
// cannot get, the target above the limit, too many of my demons, a cancelled
// search); "" otherwise.
std::string planReasonText(const PlanRequest& request, const PlanAnswer& answer, Language language);
// What to say for an answer without plans: the plain reason, or that none
// exists within the most fusions asked for.
std::string noPlanText(const PlanRequest& request, const PlanAnswer& answer, Language language);
// The whole answer as qmoor prints it and the planner window copies it: the
// heading, the plans' lines, and for an answer without plans what to say.
std::string planAnswerText(const PlanRequest& request, const PlanAnswer& answer, Language language);

}  // namespace qmoor
