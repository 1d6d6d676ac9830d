// ToolWindows: the menu ツール(T) and the tool windows it opens, one of each.
// A window is made on its first request and kept when closed, so a second
// request brings the same window back to the front.
#pragma once

#include <QObject>
#include <QPointer>

#include "app/tool_window.h"

class QAction;
class QMenu;

namespace qmoor {

class CompendiumWindow;
class FusionChartWindow;
class FusionSimulatorWindow;
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();

  QMenu* menu_;
  DemonOpener opener_;
  QWidget* owner_;
  QAction* simulatorAction_;
  QAction* compendiumAction_;
  QAction* plannerAction_;
  QAction* skillTableAction_;
  QAction* chartAction_;
  QPointer<FusionSimulatorWindow> simulator_;
  QPointer<CompendiumWindow> compendium_;
  QPointer<PlannerWindow> planner_;
  QPointer<SkillTableWindow> skillTable_;
  QPointer<FusionChartWindow> chart_;
};

}  // namespace qmoor
