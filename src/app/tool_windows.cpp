// ToolWindows: see tool_windows.h.
#include "app/tool_windows.h"

#include <QEvent>
#include <QMenu>

#include "app/compendium_window.h"
#include "app/fusion_chart_window.h"
#include "app/fusion_simulator_window.h"
#include "app/planner_window.h"
#include "app/skill_table_window.h"

namespace qmoor {

namespace {

template <typename Window>
Window* presentOne(QPointer<Window>& window, const DemonOpener& opener, QWidget* owner) {
  if (!window) window = new Window(opener, owner);
  window->present();
  return window;
}

}  // namespace

ToolWindows::ToolWindows(QMenu* menu, DemonOpener opener, QWidget* owner)
    : QObject(owner),
      menu_(menu),
      opener_(std::move(opener)),
      owner_(owner),
      simulatorAction_(menu->addAction(QString(), this, &ToolWindows::showFusionSimulator)),
      compendiumAction_(menu->addAction(QString(), this, &ToolWindows::showCompendium)),
      plannerAction_(menu->addAction(QString(), this, &ToolWindows::showPlanner)),
      skillTableAction_(menu->addAction(QString(), this, &ToolWindows::showSkillTable)),
      chartAction_(menu->addAction(QString(), this, &ToolWindows::showFusionChart)) {
  retranslate();
  menu_->installEventFilter(this);
}

FusionSimulatorWindow* ToolWindows::showFusionSimulator() { return presentOne(simulator_, opener_, owner_); }

CompendiumWindow* ToolWindows::showCompendium() { return presentOne(compendium_, opener_, owner_); }

PlannerWindow* ToolWindows::showPlanner() { return presentOne(planner_, opener_, owner_); }

SkillTableWindow* ToolWindows::showSkillTable() {
  if (!skillTable_) {
    skillTable_ = new SkillTableWindow(opener_, [this](int skill) { showPlanner()->wantSkill(skill); }, owner_);
  }
  skillTable_->present();
  return skillTable_;
}

FusionChartWindow* ToolWindows::showFusionChart() { return presentOne(chart_, opener_, owner_); }

bool ToolWindows::eventFilter(QObject* watched, QEvent* event) {
  if (watched == menu_ && event->type() == QEvent::LanguageChange) retranslate();
  return QObject::eventFilter(watched, event);
}

void ToolWindows::retranslate() {
  simulatorAction_->setText(tr("合体シミュレーター(&F)..."));
  compendiumAction_->setText(tr("悪魔全書(&D)..."));
  plannerAction_->setText(tr("スキル継承プランナー(&P)..."));
  skillTableAction_->setText(tr("スキル一覧(&S)..."));
  chartAction_->setText(tr("合体表(&C)..."));
}

}  // namespace qmoor
