// ScriptRunner: see script_runner.h.
#include "script/script_runner.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <ostream>

#include "script/dumps.h"
#include "form/layout.h"

namespace qmoor {

namespace {

std::string_view trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Splits off the first blank-separated word; rest keeps what follows it.
std::string_view firstWord(std::string_view text, std::string_view& rest) {
  text = trim(text);
  const auto end = text.find_first_of(" \t");
  if (end == std::string_view::npos) {
    rest = {};
    return text;
  }
  rest = text.substr(end + 1);
  return text.substr(0, end);
}

int parseInt(std::string_view text, const char* what) {
  text = trim(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size())
    throw ScriptError(std::string("expected ") + what + ", got '" + std::string(text) + "'");
  return value;
}

void expectNoMore(std::string_view rest) {
  if (!trim(rest).empty()) throw ScriptError("unexpected '" + std::string(trim(rest)) + "'");
}

}  // namespace

Control& ScriptRunner::reachable(std::string_view idText) {
  const int number = parseInt(idText, "a control identifier");
  const auto id = static_cast<ControlId>(number);
  if (!view_.form().has(id)) throw ScriptError("no control " + std::to_string(number));
  Control& control = view_.form().control(id);
  if (!control.enabled()) throw ScriptError("control " + std::to_string(number) + " is disabled");
  return control;
}

// The control and the index of "ID INDEX", the control of one of kinds.
std::pair<Control&, int> ScriptRunner::controlAndIndex(std::string_view args, std::initializer_list<ControlKind> kinds,
                                                       const char* what) {
  std::string_view rest;
  Control& control = reachable(firstWord(args, rest));
  std::string_view more;
  const int index = parseInt(firstWord(rest, more), what);
  expectNoMore(more);
  if (std::find(kinds.begin(), kinds.end(), control.kind()) == kinds.end())
    throw ScriptError("control " + std::to_string(static_cast<int>(control.id())) + " does not take a " + what);
  return {control, index};
}

void ScriptRunner::select(std::string_view args) {
  auto [control, index] = controlAndIndex(args, {ControlKind::ComboBox, ControlKind::ListBox}, "item index");
  auto& list = static_cast<ListBox&>(control);
  if (index != -1 && !list.isValidIndex(index))
    throw ScriptError("item " + std::to_string(index) + " does not exist (" + std::to_string(list.count()) + " items)");
  list.setSelection(index);
  view_.notify(control.id(), Notification::SelectionChanged);
}

void ScriptRunner::click(std::string_view args) {
  std::string_view rest;
  Control& control = reachable(firstWord(args, rest));
  expectNoMore(rest);
  const LayoutEntry* entry = layoutEntryOf(control.id());
  switch (control.kind()) {
    case ControlKind::CheckBox:
      static_cast<CheckBox&>(control).toggle();
      break;
    case ControlKind::Button:
      break;
    case ControlKind::Static:
    case ControlKind::GroupBox:
      if (entry && entry->hasStyle("notify")) break;
      [[fallthrough]];
    default:
      throw ScriptError("control " + std::to_string(static_cast<int>(control.id())) + " does not take clicks");
  }
  view_.notify(control.id(), Notification::Click);
}

void ScriptRunner::row(std::string_view args) {
  auto [control, index] = controlAndIndex(args, {ControlKind::ListView}, "row index");
  auto& view = static_cast<ListView&>(control);
  if (index != -1 && !view.isValidRow(index))
    throw ScriptError("row " + std::to_string(index) + " does not exist (" + std::to_string(view.rowCount()) + " rows)");
  view.setSelectedRow(index);
  view.setFocusedRow(index);
  view_.notify(control.id(), Notification::Click);
}

void ScriptRunner::doubleClick(std::string_view args) {
  std::string_view rest;
  Control& control = reachable(firstWord(args, rest));
  if (control.kind() == ControlKind::ListBox) {
    expectNoMore(rest);
    if (static_cast<ListBox&>(control).selection() < 0) throw ScriptError("the list has no selection to double-click");
  } else if (control.kind() == ControlKind::ListView) {
    std::string_view more;
    const int index = parseInt(firstWord(rest, more), "a row index");
    expectNoMore(more);
    auto& view = static_cast<ListView&>(control);
    if (!view.isValidRow(index)) throw ScriptError("row " + std::to_string(index) + " does not exist");
    view.setSelectedRow(index);
    view.setFocusedRow(index);
  } else {
    throw ScriptError("control does not take double clicks");
  }
  view_.notify(control.id(), Notification::DoubleClick);
}

void ScriptRunner::type(std::string_view args) {
  std::string_view text;
  Control& control = reachable(firstWord(args, text));
  const std::string typed(trim(text));
  if (control.kind() == ControlKind::Edit) {
    static_cast<Edit&>(control).setText(typed);
    return;
  }
  const LayoutEntry* entry = layoutEntryOf(control.id());
  if (control.kind() != ControlKind::ComboBox || !entry || !entry->hasStyle("dropdown"))
    throw ScriptError("control has no text field to type into");
  static_cast<ComboBox&>(control).setText(typed);
  view_.notify(control.id(), Notification::TextTyped);
}

void ScriptRunner::spin(std::string_view args) {
  std::string_view rest;
  const std::string_view direction = firstWord(args, rest);
  expectNoMore(rest);
  UpDown& spin = view_.form().upDown();
  if (!spin.enabled()) throw ScriptError("the up-down control is disabled");
  if (direction == "up") spin.stepUp();
  else if (direction == "down") spin.stepDown();
  else throw ScriptError("spin takes up or down");
}

void ScriptRunner::tab(std::string_view args) {
  std::string_view rest;
  const int index = parseInt(firstWord(args, rest), "a tab index");
  expectNoMore(rest);
  TabControl& tabs = view_.form().tabs();
  if (index < 0 || index >= tabs.count())
    throw ScriptError("tab " + std::to_string(index) + " does not exist (" + std::to_string(tabs.count()) + " tabs)");
  if (index == tabs.selection()) return;  // the tab bar reports no change for the tab already shown
  view_.notify(ControlId::TabBar, Notification::SelectionChanging);
  tabs.setSelection(index);
  view_.notify(ControlId::TabBar, Notification::SelectionChanged);
}

void ScriptRunner::command(std::string_view args) {
  std::string_view rest;
  const int number = parseInt(firstWord(args, rest), "a command identifier");
  expectNoMore(rest);
  const auto id = static_cast<CommandId>(number);
  if (id != CommandId::SaveTabs && id != CommandId::LoadTabs && id != CommandId::ClearTabs)
    throw ScriptError("command " + std::to_string(number) + " is not a command of the view");
  // A file dialog opened by SAVE or LOAD takes the answer queued by save/load, or is cancelled.
  view_.command(id);
}

void ScriptRunner::fileCommand(CommandId command, std::optional<std::string> path) {
  host_.answerNextDialog(std::move(path));
  view_.command(command);
}

void ScriptRunner::dump(std::string_view args) {
  std::string_view rest;
  const std::string_view what = firstWord(args, rest);
  expectNoMore(rest);
  if (what == "state") {
    out_ << dumpState(view_).dump() << '\n';
  } else if (what == "window") {
    out_ << dumpWindow(host_).dump() << '\n';
  } else if (what == "all") {
    for (const auto& control : view_.form().controls()) out_ << dumpControl(*control).dump() << '\n';
    out_ << dumpState(view_).dump() << '\n' << dumpWindow(host_).dump() << '\n';
  } else {
    const int number = parseInt(what, "a control identifier, state, window or all");
    const auto id = static_cast<ControlId>(number);
    if (!view_.form().has(id)) throw ScriptError("no control " + std::to_string(number));
    out_ << dumpControl(view_.form().control(id)).dump() << '\n';
  }
}

void ScriptRunner::runLine(std::string_view line) {
  const auto comment = line.find('#');
  if (comment != std::string_view::npos) line = line.substr(0, comment);
  std::string_view args;
  const std::string_view verb = firstWord(line, args);
  if (verb.empty()) return;
  if (verb == "select") select(args);
  else if (verb == "click") click(args);
  else if (verb == "row") row(args);
  else if (verb == "dblclick") doubleClick(args);
  else if (verb == "type") type(args);
  else if (verb == "spin") spin(args);
  else if (verb == "tab") tab(args);
  else if (verb == "command") command(args);
  else if (verb == "save" || verb == "load") {
    const std::string path(trim(args));
    if (path.empty()) throw ScriptError(std::string(verb) + " needs a path");
    fileCommand(verb == "save" ? CommandId::SaveTabs : CommandId::LoadTabs, path);
  } else if (verb == "save-cancel" || verb == "load-cancel") {
    expectNoMore(args);
    fileCommand(verb == "save-cancel" ? CommandId::SaveTabs : CommandId::LoadTabs, std::nullopt);
  } else if (verb == "dump") dump(args);
  else throw ScriptError("unknown command '" + std::string(verb) + "'");
}

int ScriptRunner::run(std::istream& in, std::ostream& err) {
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    try {
      runLine(line);
    } catch (const std::exception& error) {
      out_.flush();
      err << "line " << number << ": " << error.what() << '\n';
      return 2;
    }
  }
  out_.flush();
  return 0;
}

}  // namespace qmoor
