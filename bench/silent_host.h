// A host for the headless view in benchmarks: every file dialog is
// cancelled, messages and titles go nowhere.
#pragma once

#include <optional>
#include <string>

#include "view/view_host.h"

class SilentHost : public qmoor::ViewHost {
 public:
  std::optional<std::string> askSavePath(const std::string&) override { return std::nullopt; }
  std::optional<std::string> askLoadPath(const std::string&) override { return std::nullopt; }
  void showMessage(const std::string&) override {}
  void setTitle(const std::string&) override {}
};
