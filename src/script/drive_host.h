// The host of the headless view in qmoor-drive: file dialogs answered from
// the script, message boxes and the window title recorded for dumps.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "view/view_host.h"

namespace qmoor {

// What a script needs of a host besides the view's own requests: a way to
// answer the next file dialog, and the window's title and messages. Files are
// read and written on disk.
class ScriptedHost : public ViewHost {
 public:
  FileContents readFile(const std::string& path, std::size_t maxBytes) override;
  FileError writeFile(const std::string& path, std::span<const std::uint8_t> bytes) override;
  // The next file dialog returns path; none means the user cancels it.
  virtual void answerNextDialog(std::optional<std::string> path) = 0;
  virtual std::string title() const = 0;
  // The texts of the message boxes shown since the previous call.
  virtual std::vector<std::string> takeMessages() = 0;
};

class DriveHost : public ScriptedHost {
 public:
  std::optional<std::string> askSavePath(const std::string& suggestedName) override;
  std::optional<std::string> askLoadPath(const std::string& suggestedName) override;
  void showMessage(const std::string& text) override { messages_.push_back(text); }
  void setTitle(const std::string& title) override { title_ = title; }

  void answerNextDialog(std::optional<std::string> path) override { answers_.push_back(std::move(path)); }
  std::string title() const override { return title_; }
  std::vector<std::string> takeMessages() override;

 private:
  std::optional<std::string> nextAnswer();
  std::deque<std::optional<std::string>> answers_;
  std::vector<std::string> messages_;
  std::string title_ = "Quillmoor ver.1.705";
};

}  // namespace qmoor
