// The verbs of qmoor, in the order qmoor --help lists them.
#include <iterator>

#include "query/verb.h"

namespace qmoor::query {

extern const Verb FuseVerb;
extern const Verb PartnersVerb;
extern const Verb RecipesVerb;
extern const Verb DemonsVerb;
extern const Verb PlanVerb;
extern const Verb SkillsVerb;
extern const Verb ChartVerb;

namespace {

constexpr const Verb* VerbTable[] = {&FuseVerb, &PartnersVerb, &RecipesVerb, &DemonsVerb, &PlanVerb, &SkillsVerb, &ChartVerb};

}  // namespace

std::span<const Verb* const> verbs() { return VerbTable; }

}  // namespace qmoor::query
