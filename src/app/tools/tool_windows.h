// ToolWindows: the menu ツール(T) and the tool windows it opens, one of each,
// and my demons, which the windows share.
// A window is made on its first request and kept when closed, so a second
// request brings the same window back to the front. Closing the owner while
// my demons hold changes the file does not asks first.
#pragma once

#include <QObject>
#include <QPointer>

#include "app/tools/tool_window.h"

class QAction;
class QMenu;

namespace qmoor {

class CompendiumWindow;
class FusionChartWindow;
class FusionSimulatorWindow;
class MyDemonsStore;
class MyDemonsWindow;
class PlannerWindow;
class SkillTableWindow;

class ToolWindows : public QObject {
  Q_OBJECT

 public:
  // Fills menu; the windows belong to owner and open demons through opener.
  ToolWindows(QMenu* menu, DemonOpener opener, QWidget* owner);

  FusionSimulatorWindow* showFusionSimulator();
  CompendiumWindow* showCompendium();
  PlannerWindow* showPlanner();
  SkillTableWindow* showSkillTable();
  FusionChartWindow* showFusionChart();
  MyDemonsWindow* showMyDemons();
  // My demons, read from their file on first use and shared by the windows.
  MyDemonsStore* myDemons();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();
  // True when nothing unsaved is lost, or the player chooses to lose it.
  bool mayClose();

  QMenu* menu_;
  DemonOpener opener_;
  QWidget* owner_;
  QAction* simulatorAction_;
  QAction* compendiumAction_;
  QAction* plannerAction_;
  QAction* skillTableAction_;
  QAction* chartAction_;
  QAction* myDemonsAction_;
  MyDemonsStore* myDemons_ = nullptr;
  QPointer<FusionSimulatorWindow> simulator_;
  QPointer<CompendiumWindow> compendium_;
  QPointer<PlannerWindow> planner_;
  QPointer<SkillTableWindow> skillTable_;
  QPointer<FusionChartWindow> chart_;
  QPointer<MyDemonsWindow> myDemonsWindow_;
};

}  // namespace qmoor
