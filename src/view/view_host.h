// What the view asks of the program around it: the file dialogs, the files
// themselves, message boxes and the window title. The desktop program answers
// with real dialogs, qmoor-drive from its script; the view never reaches the
// file system itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "files/file_error.h"

namespace qmoor {

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // The chosen path, or none when the user cancelled. suggestedName is the
  // file name (no folder) the dialog proposes.
  virtual std::optional<std::string> askSavePath(const std::string& suggestedName) = 0;
  virtual std::optional<std::string> askLoadPath(const std::string& suggestedName) = 0;
  // The file's first bytes, at most maxBytes, or why it cannot be read.
  virtual FileContents readFile(const std::string& path, std::size_t maxBytes) = 0;
  // Writes the whole file, never leaving it half written; what went wrong, if anything.
  virtual FileError writeFile(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
  virtual void showMessage(const std::string& text) = 0;
  virtual void setTitle(const std::string& title) = 0;
  // The file just saved or loaded, whose folder is where the next file dialog
  // starts; a host without file dialogs has no use for it.
  virtual void rememberFolderOf(const std::string& path) { static_cast<void>(path); }
};

}  // namespace qmoor
