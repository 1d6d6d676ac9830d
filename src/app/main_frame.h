// CMainFrame: the program's one window. It carries the title, the menu bar and
// the form in a scrolling client area, and sends the menu's commands on.
#pragma once

#include <QMainWindow>
#include <functional>

#include "form/control_ids.h"

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
  // larger than that, but never beyond the screen's available area, where
  // the client area scrolls the form instead.
  void fitToForm();

  // The menu ツール(T), before バージョン情報; the tool windows fill it.
  QMenu* toolsMenu() const { return tools_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void keepWithinScreen();
  void buildMenus();
  void addCommand(QWidget* menu, const QString& text, CommandId id);
  void showAbout();

  QScrollArea* client_;
  QMenu* tools_ = nullptr;
  CommandSink commands_;
};

}  // namespace qmoor
