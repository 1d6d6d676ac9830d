// What the view asks of the program around it: the file dialogs, message
// boxes and the window title. The desktop program answers with real dialogs,
// qmoor-drive from its script.
#pragma once

#include <optional>
#include <string>

namespace qmoor {

class ViewHost {
 public:
  virtual ~ViewHost() = default;
  // The chosen path, or none when the user cancelled. suggestedName is the
  // file name (no folder) the dialog proposes.
  virtual std::optional<std::string> askSavePath(const std::string& suggestedName) = 0;
  virtual std::optional<std::string> askLoadPath(const std::string& suggestedName) = 0;
  virtual void showMessage(const std::string& text) = 0;
  virtual void setTitle(const std::string& title) = 0;
  // The folder of the file just saved or loaded, where the next file dialog
  // starts; a host without file dialogs has no use for it.
  virtual void rememberFolder(const std::string& folder) { static_cast<void>(folder); }
};

}  // namespace qmoor
