// A started view driven by script lines, as qmoor-drive drives it, with
// short accessors for the controls and state the tests read.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>

#include "script/drive_host.h"
#include "script/script_runner.h"
#include "data/compendium.h"
#include "data/races.h"
#include "view/view.h"

namespace qmoor::testing {

class ViewFixture : public ::testing::Test {
 protected:
  void SetUp() override { view.InitialUpdate(); }

  // Runs each line of script as a user action; a refused line fails the test.
  void run(std::string_view script) {
    size_t start = 0;
    while (start <= script.size()) {
      const size_t end = std::min(script.find('\n', start), script.size());
      const std::string_view line = script.substr(start, end - start);
      try {
        runner.runLine(line);
      } catch (const std::exception& error) {
        ADD_FAILURE() << "'" << line << "' was refused: " << error.what();
      }
      start = end + 1;
    }
  }
  // Chooses demon from the race-order list.
  void choose(DemonRef demon) { run("select 1026 " + std::to_string(raceOrderIndexOf(demon))); }

  ListBox& list(ControlId id) { return view.form().list(id); }
  ComboBox& combo(ControlId id) { return view.form().combo(id); }
  ListView& rows() { return view.form().listView(ControlId::MaterialPairView); }
  const std::string& text(ControlId id) { return view.form().edit(id).text(); }
  bool checked(ControlId id) { return view.form().check(id).checked(); }
  bool enabled(ControlId id) { return view.form().control(id).enabled(); }
  const WorkingState& state() { return view.working(); }
  std::vector<std::string> tabLabels() { return view.form().tabs().labels(); }

  DriveHost host;
  CQmoorView view{host};
  std::ostringstream dumps;
  ScriptRunner runner{view, host, dumps};
};

}  // namespace qmoor::testing
