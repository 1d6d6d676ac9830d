// Replays scripted user actions on the view, one command a line, and prints
// one JSON object a line for each dump. The commands act as a user would: a
// control the user could not reach, or an index the user could not pick, is
// a script error.
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <utility>
#include <stdexcept>
#include <string>
#include <string_view>

#include "script/drive_host.h"
#include "view/view.h"

namespace qmoor {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScriptRunner {
 public:
  ScriptRunner(CQmoorView& view, ScriptedHost& host, std::ostream& out) : view_(view), host_(host), out_(out) {}

  // Runs one line; throws ScriptError with the reason when the line is not a
  // command a user could carry out.
  void runLine(std::string_view line);
  // Runs every line of in; on the first error prints "line N: reason" to err
  // and returns 2, otherwise 0.
  int run(std::istream& in, std::ostream& err);

 private:
  void select(std::string_view args);
  void click(std::string_view args);
  void row(std::string_view args);
  void doubleClick(std::string_view args);
  void type(std::string_view args);
  void spin(std::string_view args);
  void tab(std::string_view args);
  void command(std::string_view args);
  void fileCommand(CommandId command, std::optional<std::string> path);
  void dump(std::string_view args);
  void language(std::string_view args);  // the user switches the display language
  Control& reachable(std::string_view idText);
  std::pair<Control&, int> controlAndIndex(std::string_view args, std::initializer_list<ControlKind> kinds,
                                           const char* what);

  CQmoorView& view_;
  ScriptedHost& host_;
  std::ostream& out_;
};

}  // namespace qmoor
