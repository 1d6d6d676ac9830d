// CMainFrame: the program's one window. It carries the title, the menu bar and
// the form in a scrolling client area, and sends the menu's commands on.
#pragma once

#include <QMainWindow>
#include <functional>

#include "form/control_ids.h"
#include "names/names.h"

class QAction;
class QMenu;
class QMenuBar;
class QScrollArea;

namespace qmoor {

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  using CommandSink = std::function<void(CommandId)>;

  // Takes form into the client area; commands receives SAVE, LOAD and the
  // clearing of the tabs.
  CMainFrame(QWidget* form, CommandSink commands, QWidget* parent = nullptr);

  // Sizes the window so that its client area fits the form exactly: shrunk
  // from its first size, or enlarged where the form's font draws the form
  // larger than that, but never beyond the screen's available area with the
  // window's frame, where the client area scrolls the form instead. A window
  // too short for the form, now or when framed, keeps room for its scroll bar
  // beside the form where the screen has it.
  void fitToForm();

  // The menu ツール(T), before バージョン情報; the tool windows fill it.
  QMenu* toolsMenu() const { return tools_; }
  // Ends the tools menu with 表示言語 → 日本語 / English; choose receives the
  // user's pick. languageChanged runs after the menus show a new language.
  void addLanguageMenu(std::function<void(Language)> choose);
  void onLanguageChange(std::function<void()> languageChanged) { languageChanged_ = std::move(languageChanged); }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildMenus();
  void retranslate();
  void makeRoomForScrollBar();
  QAction* addCommand(QWidget* menu, CommandId id);
  void showAbout();

  QScrollArea* client_;
  QMenu* file_ = nullptr;
  QMenu* show_ = nullptr;
  QMenu* tools_ = nullptr;
  QMenu* languages_ = nullptr;
  QAction* fileSave_ = nullptr;
  QAction* fileLoad_ = nullptr;
  QAction* exit_ = nullptr;
  QAction* statusBar_ = nullptr;
  QAction* help_ = nullptr;
  QAction* save_ = nullptr;
  QAction* load_ = nullptr;
  QAction* clearTabs_ = nullptr;
  QAction* about_ = nullptr;
  CommandSink commands_;
  std::function<void()> languageChanged_;
};

}  // namespace qmoor
