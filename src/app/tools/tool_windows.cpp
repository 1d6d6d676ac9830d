// ToolWindows: see tool_windows.h.
#include "app/tools/tool_windows.h"

#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "app/tools/compendium/compendium_window.h"
#include "app/tools/fusion_chart/fusion_chart_window.h"
#include "app/tools/simulator/fusion_simulator_window.h"
#include "app/tools/my_demons/my_demons_store.h"
#include "app/tools/my_demons/my_demons_window.h"
#include "app/tools/planner/planner_window.h"
#include "app/tools/skill_table/skill_table_window.h"

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
      chartAction_(menu->addAction(QString(), this, &ToolWindows::showFusionChart)),
      myDemonsAction_(menu->addAction(QString(), this, &ToolWindows::showMyDemons)) {
  retranslate();
  menu_->installEventFilter(this);
  owner_->installEventFilter(this);
}

FusionSimulatorWindow* ToolWindows::showFusionSimulator() {
  if (!simulator_) simulator_ = new FusionSimulatorWindow(myDemons(), opener_, owner_);
  simulator_->present();
  return simulator_;
}

CompendiumWindow* ToolWindows::showCompendium() { return presentOne(compendium_, opener_, owner_); }

PlannerWindow* ToolWindows::showPlanner() {
  if (!planner_) planner_ = new PlannerWindow(myDemons(), [this] { showMyDemons(); }, opener_, owner_);
  planner_->present();
  return planner_;
}

MyDemonsWindow* ToolWindows::showMyDemons() {
  if (!myDemonsWindow_) myDemonsWindow_ = new MyDemonsWindow(myDemons(), opener_, owner_);
  myDemonsWindow_->present();
  return myDemonsWindow_;
}

MyDemonsStore* ToolWindows::myDemons() {
  if (!myDemons_) myDemons_ = new MyDemonsStore(this);
  return myDemons_;
}

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
  if (watched == owner_ && event->type() == QEvent::Close && !mayClose()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

bool ToolWindows::mayClose() {
  if (!myDemons_ || !myDemons_->unsaved()) return true;
  QMessageBox warning(QMessageBox::Warning, tr("所持悪魔"), tr("所持悪魔の変更がファイルに保存されていません。"),
                      QMessageBox::NoButton, owner_);
  const QString problem = myDemons_->problem();
  warning.setInformativeText((problem.isEmpty() ? QString() : problem + QLatin1Char('\n')) +
                             tr("このまま終了すると、変更は失われます。"));
  QPushButton* quit = warning.addButton(tr("保存せずに終了(&Q)"), QMessageBox::DestructiveRole);
  QPushButton* stay = warning.addButton(tr("終了しない"), QMessageBox::RejectRole);
  warning.setDefaultButton(stay);
  warning.setEscapeButton(stay);
  warning.exec();
  if (warning.clickedButton() == quit) return true;
  showMyDemons();
  return false;
}

void ToolWindows::retranslate() {
  simulatorAction_->setText(tr("合体シミュレーター(&F)..."));
  compendiumAction_->setText(tr("悪魔全書(&D)..."));
  plannerAction_->setText(tr("スキル継承プランナー(&P)..."));
  skillTableAction_->setText(tr("スキル一覧(&S)..."));
  chartAction_->setText(tr("合体表(&C)..."));
  myDemonsAction_->setText(tr("所持悪魔(&M)..."));
}

}  // namespace qmoor
