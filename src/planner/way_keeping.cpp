// Which ways of making a demon the route search keeps: a way is dropped
// when another covers it, and each pass chooses its fillers by its rules.
#include <algorithm>
#include <functional>

#include "data/compendium.h"
#include "data/skill_learning.h"
#include "planner/route_search.h"

namespace qmoor::detail {
namespace {

// What the memory bound counts for a way while it is gathered: its places
// in the lists that find it.
constexpr std::size_t WayIndexBytes = 48;

// Calls visit with each subset of `items` of the given size.
void forEachSubset(const std::vector<int>& items, int size, const std::function<void(const SkillBits&)>& visit) {
  std::vector<int> chosen;
  std::function<void(std::size_t)> step = [&](std::size_t from) {
    if (static_cast<int>(chosen.size()) == size) {
      SkillBits bits;
      for (int skill : chosen) bits.add(skill);
      visit(bits);
      return;
    }
    for (std::size_t i = from; i + (size - chosen.size()) <= items.size(); ++i) {
      chosen.push_back(items[i]);
      step(i + 1);
      chosen.pop_back();
    }
  };
  step(0);
}

}  // namespace

RouteSearch::Ways::Summary RouteSearch::summaryOf(const Way& way, const SkillBits& compared) {
  return {(way.visible & compared).folded(), way.size, way.start, way.unlearned, false};
}

// Whether `big` may cover `small`, by their summaries: holding as many
// skills, from the same start, with at least as many of them outside what it
// will learn (holding fewer of those leaves more to learn), and showing
// perhaps every compared skill `small` shows.
bool RouteSearch::mayCover(const Ways::Summary& big, const Ways::Summary& small) {
  return small.size <= big.size && small.start == big.start && small.unlearned <= big.unlearned &&
         (small.shownFolded & ~big.shownFolded) == 0;
}

// Whether `big` serves every step above as well as `small` does, asked only
// when their summaries say it may.
bool RouteSearch::covers(const Pass& pass, const Way& big, const Way& small, const SkillBits& compared) const {
  if (!(small.visible & compared).isSubsetOf(big.visible)) return false;
  if (withMine_ && (big.mine & ~small.mine).any()) return false;
  if (big.notMine > small.notMine && pass.budget.notMine < DemonIndexTotal) return false;
  if (big.levelsGained > small.levelsGained && pass.budget.levelsGained < UnboundedGain) return false;
  if (pass.budget.demons < DemonIndexTotal && (big.demons & ~small.demons).any()) return false;
  // The other passes answer whether a plan fits the level cap, which each
  // way meets already (the budget trials then find the lowest levels); the
  // canonical pass, which seeks good plans fast, keeps the lower way.
  return !pass.rules.comparesHighestLevel || big.highestLevel <= small.highestLevel;
}

// Adds the way unless another covers it, and drops those it covers; false
// when it is covered.
bool RouteSearch::offer(const Pass& pass, Ways& ways, const Way& way, const SkillBits& compared) {
  const SkillBits shown = way.visible & compared;
  const auto count = static_cast<std::size_t>(shown.count());
  const std::uint64_t shownKey = shown.hash() ^ static_cast<std::uint64_t>(way.start);
  const auto sameAt = ways.byShown.find(shownKey);
  const Ways::Summary summary = summaryOf(way, compared);
  auto coveredBy = [&](int i) {
    const auto at = static_cast<std::size_t>(i);
    const Ways::Summary& other = ways.summaries[at];
    if (other.dropped || !mayCover(other, summary) || !covers(pass, ways.gathered[at], way, compared)) return false;
    ways.lastCovering = i;
    return true;
  };
  // Ways offered one after another are often alike, so the way that covered
  // the last one is asked first.
  bool covered = ways.lastCovering >= 0 && coveredBy(ways.lastCovering);
  if (!covered && sameAt != ways.byShown.end()) covered = std::any_of(sameAt->second.begin(), sameAt->second.end(), coveredBy);
  for (std::size_t c = count + 1; !covered && c < ways.byCount.size(); ++c) {
    covered = std::any_of(ways.byCount[c].begin(), ways.byCount[c].end(), coveredBy);
  }
  if (covered) return false;
  auto dropIfCovered = [&](int i) {
    const auto at = static_cast<std::size_t>(i);
    Ways::Summary& other = ways.summaries[at];
    if (!other.dropped && mayCover(summary, other) && covers(pass, way, ways.gathered[at], compared)) other.dropped = true;
  };
  std::vector<int>& same = sameAt != ways.byShown.end() ? sameAt->second : ways.byShown[shownKey];
  std::for_each(same.begin(), same.end(), dropIfCovered);
  for (std::size_t c = 0; c < std::min(count, ways.byCount.size()); ++c) {
    std::for_each(ways.byCount[c].begin(), ways.byCount[c].end(), dropIfCovered);
  }
  const int index = static_cast<int>(ways.gathered.size());
  ways.gathered.push_back(way);
  waysBytes_ += sizeof(Way) + sizeof(Ways::Summary) + WayIndexBytes;
  ways.summaries.push_back(summary);
  if (ways.byCount.size() <= count) ways.byCount.resize(count + 1);
  ways.byCount[count].push_back(index);
  same.push_back(index);
  return true;
}

std::vector<RouteSearch::Way> RouteSearch::Ways::kept() const {
  std::vector<Way> alive;
  for (std::size_t i = 0; i < gathered.size(); ++i) {
    if (!summaries[i].dropped) alive.push_back(gathered[i]);
  }
  return alive;
}

// The ways of making `demon` at one step, seen from its parent: the wanted
// skills it must pass, plus fillers. Fillers the parent may take are kept in
// every combination that fits. Of the others, one the demon would learn
// anyway is worth less than one it would not (levelled past its learn level
// the demon gains nothing), and of two it would learn, the one learned later
// is worth more; so those are taken last, latest learned first, and the rest
// are interchangeable.
void RouteSearch::addWay(const Pass& pass, Ways& ways, int demon, int parent, const Made& made) {
  const int room = made.count - made.passed.count();
  const SkillBits takeable = takeableBy(parent);
  const SkillBits relevant = takeable | second_[demon];
  const SkillBits rest = made.pool.without(made.passed);
  const SkillBits useful = rest & takeable;
  const SkillBits plain = rest.without(relevant);
  // The best `count` fillers that the parent cannot take.
  auto others = [&](int count) {
    SkillBits chosen = plain.lowest(count);
    if (chosen.count() == count) return chosen;
    std::vector<int> learnedLater = (rest & second_[demon]).without(useful).list();
    std::sort(learnedLater.begin(), learnedLater.end(), [&](int x, int y) {
      return learnLevel(demonAt(demon), x) > learnLevel(demonAt(demon), y);
    });
    for (std::size_t i = 0; chosen.count() < count && i < learnedLater.size(); ++i) chosen.add(learnedLater[i]);
    return chosen;
  };
  const SkillBits compared = (pass.rules.comparesWantedOnly ? wanted_ : takeable) | second_[demon];
  if (overDemonBudget(pass, made.demons, parent)) return;
  auto keep = [&](const SkillBits& inherited) {
    const SkillBits shown = pass.rules.showsEveryFiller ? inherited | (rest & relevant) : inherited;
    Way way{(innate_[demon] | shown) & relevant, innateCount_[demon] + made.count, level_[demon],
                  made.highestLevel, made.levelsGained, made.notMine, made.mine, made.demons, 0, 0};
    // Joining two ways into one that shows both's skills, holds the larger
    // count and spends the least of each overestimates both, as the
    // optimistic passes may. Under a budget of demons not mine, of levels
    // gained or of demons, only ways that spend alike are joined: a join of
    // a cheap way and a rich one would be both, and could not rule that
    // budget out.
    const bool byNotMine = pass.budget.notMine < DemonIndexTotal;
    const bool byGained = pass.budget.levelsGained < UnboundedGain;
    const bool byDemons = pass.budget.demons < DemonIndexTotal;
    const std::uint64_t joinKey = !pass.rules.joinsWays ? 0
                                                : (way.visible & wanted_).hash() ^
                                                      (static_cast<std::uint64_t>(byNotMine ? way.notMine : 0) << 40) ^
                                                      (static_cast<std::uint64_t>(byGained ? way.levelsGained : 0) << 20) ^
                                                      (byDemons ? std::hash<DemonSet>{}(way.demons) : 0);
    const auto alike = pass.rules.joinsWays ? ways.byJoin.find(joinKey) : ways.byJoin.end();
    if (alike != ways.byJoin.end()) {
      for (int i : alike->second) {
        Way& other = ways.gathered[static_cast<std::size_t>(i)];
        if (!ways.summaries[static_cast<std::size_t>(i)].dropped && (other.visible & wanted_) == (way.visible & wanted_) &&
            (!byNotMine || other.notMine == way.notMine) && (!byGained || other.levelsGained == way.levelsGained) &&
            (!byDemons || other.demons == way.demons)) {
          other.visible = other.visible | way.visible;
          other.size = std::max(other.size, way.size);
          other.highestLevel = std::min(other.highestLevel, way.highestLevel);
          other.levelsGained = std::min(other.levelsGained, way.levelsGained);
          other.notMine = std::min(other.notMine, way.notMine);
          other.mine &= way.mine;
          other.demons &= way.demons;
          other.unlearned = other.size - (other.visible & second_[demon]).count();
          ways.summaries[static_cast<std::size_t>(i)] = summaryOf(other, compared);
          return;
        }
      }
    }
    way.unlearned = way.size - (way.visible & second_[demon]).count();
    if (!offer(pass, ways, way, compared)) return;
    if (pass.rules.joinsWays) ways.byJoin[joinKey].push_back(static_cast<int>(ways.gathered.size()) - 1);
    ways.gathered.back().node = static_cast<int>(nodes_.size());
    nodes_.push_back({demon, made.first, made.second, made.kind, inherited, made.firstLevel, made.secondLevel, -1});
  };
  const int most = std::min(room, useful.count());
  if (pass.rules.everyFillerChoice) {
    // Fewer of the fillers the parent may take matters only when the demon would learn one of them.
    const int least = (useful & second_[demon]).empty() ? most : std::max(0, room - (rest.count() - useful.count()));
    const std::vector<int> choices = useful.list();
    for (int taken = least; taken <= most; ++taken) {
      forEachSubset(choices, taken, [&](const SkillBits& chosen) {
        // A demon with many fillers to choose from has very many choices: a cancel must not wait for them all.
        if (!stopRequested()) keep(made.passed | chosen | others(room - taken));
      });
    }
  } else {
    keep(made.passed | useful.lowest(most) | others(room - most));
  }
}

}  // namespace qmoor::detail
