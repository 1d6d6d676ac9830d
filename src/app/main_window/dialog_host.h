// DialogHost: what the view asks of the program's window. The saved-tabs file
// is chosen with a file dialog, messages appear in message boxes, and titles
// go to the window; a dialog can also be answered in advance (a file named on
// the command line, or the save and load lines of a script). The dialogs start
// in the folder of the last file used.
#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "script/drive_host.h"

class QFileDialog;
class QWidget;

namespace qmoor {

enum class TabsDialog { Save, Load };

// A file dialog for the saved-tabs file: filter "(*.qmf)", default suffix
// qmf, the suggested name in startFolder; saving asks before it overwrites a file.
void configureTabsDialog(QFileDialog& dialog, TabsDialog mode, const QString& suggestedName,
                         const QString& startFolder);

// Where the file dialogs start: the folder of the file last saved or loaded,
// remembered between runs, or the user's documents folder before the first
// one and when that folder is gone.
QString tabsDialogFolder();
void rememberTabsDialogFolder(const QString& folder);

class DialogHost : public ScriptedHost {
 public:
  // The window that owns the dialogs and shows the title.
  void setWindow(QWidget* window) { window_ = window; }
  // Unattended (while taking a screenshot): a dialog without an answer given
  // in advance is cancelled, and messages go to standard error instead of a box.
  void setUnattended(bool unattended) { unattended_ = unattended; }

  std::optional<std::string> askSavePath(const std::string& suggestedName) override;
  std::optional<std::string> askLoadPath(const std::string& suggestedName) override;
  void showMessage(const std::string& text) override;
  void setTitle(const std::string& title) override;
  // Remembered for the next dialog of this run and of later runs; an
  // unattended run leaves the user's settings alone.
  void rememberFolderOf(const std::string& path) override;

  void answerNextDialog(std::optional<std::string> path) override { answers_.push_back(std::move(path)); }
  std::string title() const override;
  std::vector<std::string> takeMessages() override;

 private:
  std::optional<std::string> ask(TabsDialog mode, const std::string& suggestedName);

  QWidget* window_ = nullptr;
  bool unattended_ = false;
  std::deque<std::optional<std::string>> answers_;
  std::vector<std::string> messages_;
};

}  // namespace qmoor
