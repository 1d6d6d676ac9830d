// A host for the headless view in benchmarks: every file dialog is
// cancelled, no file can be read or written, messages and titles go nowhere.
#pragma once

#include <cerrno>
#include <optional>
#include <string>

#include "view/view_host.h"

class SilentHost : public qmoor::ViewHost {
 public:
  std::optional<std::string> askSavePath(const std::string&) override { return std::nullopt; }
  std::optional<std::string> askLoadPath(const std::string&) override { return std::nullopt; }
  qmoor::FileContents readFile(const std::string&, std::size_t) override {
    return {.bytes = {}, .whole = false, .error = {qmoor::FileErrorKind::CannotRead, EROFS}};
  }
  qmoor::FileError writeFile(const std::string&, std::span<const std::uint8_t>) override {
    return {qmoor::FileErrorKind::CannotWrite, EROFS};
  }
  void showMessage(const std::string&) override {}
  void setTitle(const std::string&) override {}
};
