// Many random user actions from the start-up state: the view must never fail
// and its invariants must hold after every action. Seeded and reproducible;
// QMOOR_RANDOM_SEED and QMOOR_RANDOM_ACTIONS override the defaults.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "script/drive_host.h"
#include "script/script_runner.h"
#include "data/types.h"
#include "form/layout.h"
#include "view_invariants.h"

namespace qmoor {
namespace {

unsigned long environmentNumber(const char* name, unsigned long fallback) {
  const char* text = std::getenv(name);
  return text ? std::strtoul(text, nullptr, 10) : fallback;
}

// Builds one script line a user could carry out in the current state.
class ActionPicker {
 public:
  explicit ActionPicker(unsigned long seed) : random_(seed) {}

  std::string next(CQmoorView& view) {
    Form& form = view.form();
    std::vector<const LayoutEntry*> candidates;
    for (const LayoutEntry& entry : formLayout())
      if (entry.id != ControlId::None && form.control(entry.id).enabled() && entry.kind != ControlKind::Edit)
        candidates.push_back(&entry);
    const int roll = pick(100);
    if (roll < 3) return pick(2) ? "spin up" : "spin down";
    if (roll < 6) return "type 1019 " + typedLimit();
    if (roll < 7) return "command 32778";
    // Most of a user's work is choosing demons, lines and rows: weigh them up.
    if (roll < 17) return "select 1026 " + std::to_string(pick(DemonTotal));
    const ListBox& lines = form.list(ControlId::RacePairList);
    if (roll < 25 && lines.count() > 0) return "select 1001 " + std::to_string(pick(lines.count()));
    const ListView& pairs = form.listView(ControlId::MaterialPairView);
    if (roll < 33 && pairs.rowCount() > 0) return "row 1116 " + std::to_string(pick(pairs.rowCount()));
    const LayoutEntry& entry = *candidates[static_cast<size_t>(pick(static_cast<int>(candidates.size())))];
    const std::string id = std::to_string(static_cast<int>(entry.id));
    switch (entry.kind) {
      case ControlKind::ComboBox:
      case ControlKind::ListBox: {
        const ListBox& list = form.list(entry.id);
        if (entry.kind == ControlKind::ComboBox && entry.hasStyle("dropdown") && pick(10) == 0) return "type " + id + " " + typedLimit();
        if (entry.kind == ControlKind::ListBox && list.selection() >= 0 && pick(6) == 0) return "dblclick " + id;
        if (list.count() == 0) return "dump state";
        return "select " + id + " " + std::to_string(pick(list.count()));
      }
      case ControlKind::ListView: {
        const ListView& rows = form.listView(entry.id);
        if (entry.id != ControlId::MaterialPairView) return "dump " + id;
        if (rows.rowCount() > 0 && pick(8) == 0) return "dblclick " + id + " " + std::to_string(pick(rows.rowCount()));
        return "row " + id + " " + std::to_string(pick(rows.rowCount() + 1) - 1);
      }
      case ControlKind::TabControl:
        return "tab " + std::to_string(pick(form.tabs().count()));
      case ControlKind::CheckBox:
      case ControlKind::Button:
        return "click " + id;
      case ControlKind::Static:
      case ControlKind::GroupBox:
        return entry.hasStyle("notify") ? "click " + id : "dump " + id;
      default:
        return "dump " + id;
    }
  }

 private:
  int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
  std::string typedLimit() {
    static const char* const texts[] = {"", "0", "7", "30", "50", "99", "100", "abc", " 12x", "-5", "+40", "300"};
    return texts[pick(static_cast<int>(std::size(texts)))];
  }
  std::mt19937 random_;
};

TEST(RandomActions, InvariantsHoldAfterEveryAction) {
  const unsigned long seed = environmentNumber("QMOOR_RANDOM_SEED", 20261207);
  const unsigned long actions = environmentNumber("QMOOR_RANDOM_ACTIONS", 100000);
  DriveHost host;
  CQmoorView view(host);
  view.InitialUpdate();
  std::ostringstream dumps;
  ScriptRunner runner(view, host, dumps);
  ActionPicker picker(seed);
  for (unsigned long n = 0; n < actions; ++n) {
    const std::string line = picker.next(view);
    try {
      runner.runLine(line);
    } catch (const std::exception& error) {
      FAIL() << "seed " << seed << ", action " << n << " '" << line << "' was refused: " << error.what();
    }
    const std::string broken = testing::brokenInvariant(view);
    ASSERT_TRUE(broken.empty()) << "seed " << seed << ", after action " << n << " '" << line << "': " << broken;
    dumps.str("");
  }
}

}  // namespace
}  // namespace qmoor
