// Loading a saved file of 200 tabs: in the headless view (the load and the
// restore of the current tab), and into the open window, offscreen, where the
// tab row and every control are synced after it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/form_widget/form_widget.h"
#include "app/main_window/main_frame.h"
#include "app/program/qmoor_app.h"
#include "script/drive_host.h"
#include "view/view.h"

namespace {

constexpr int TabCount = 200;

// A saved-tabs file of TabCount tabs, written once.
const std::string& twoHundredTabs() {
  static QTemporaryDir folder;
  static const std::string path = [] {
    const std::string file = folder.filePath(QStringLiteral("tabs.qmf")).toStdString();
    qmoor::DriveHost host;
    qmoor::CQmoorView view(host);
    view.InitialUpdate();
    while (view.form().tabs().count() < TabCount)
      view.notify(qmoor::ControlId::OpenDetailButton, qmoor::Notification::Click);
    host.answerNextDialog(file);
    view.command(qmoor::CommandId::SaveTabs);
    return file;
  }();
  return path;
}

void BM_LoadTabsHeadless(benchmark::State& state) {
  const std::string& file = twoHundredTabs();
  qmoor::DriveHost host;
  qmoor::CQmoorView view(host);
  view.InitialUpdate();
  for (auto _ : state) {
    state.PauseTiming();
    view.command(qmoor::CommandId::ClearTabs);
    state.ResumeTiming();
    host.answerNextDialog(file);
    view.command(qmoor::CommandId::LoadTabs);
  }
  if (view.form().tabs().count() != TabCount) state.SkipWithError("the tabs did not load");
}

void BM_LoadTabsIntoTheWindow(benchmark::State& state) {
  const std::string& file = twoHundredTabs();
  qmoor::CQmoorApp app;
  if (!app.InitInstance({QStringLiteral("quillmoor")})) {
    state.SkipWithError("start-up failed");
    return;
  }
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    app.view().command(qmoor::CommandId::ClearTabs);
    app.form().syncDirty();
    QApplication::processEvents();
    state.ResumeTiming();
    app.host().answerNextDialog(file);
    app.view().command(qmoor::CommandId::LoadTabs);
    app.form().syncDirty();
    QApplication::processEvents();
  }
  if (app.view().form().tabs().count() != TabCount) state.SkipWithError("the tabs did not load");
}

}  // namespace

BENCHMARK(BM_LoadTabsHeadless)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTabsIntoTheWindow)->Unit(benchmark::kMillisecond);
