// CQmoorApp: see qmoor_app.h.
#include "app/program/qmoor_app.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <fstream>
#include <iostream>

#include "app/program/display_language.h"
#include "app/form_widget/form_widget.h"
#include "app/main_window/main_frame.h"
#include "app/tools/tool_windows.h"
#include "script/script_runner.h"

namespace qmoor {

CQmoorApp::CQmoorApp() = default;
CQmoorApp::~CQmoorApp() = default;

bool CQmoorApp::InitInstance(const QStringList& arguments) {
  options_ = parseLaunchOptions(arguments);
  if (!options_.error.isEmpty()) {
    std::cerr << "quillmoor: " << options_.error.toStdString() << '\n' << LaunchUsage << '\n';
    return false;
  }
  QApplication::setFont(formFont());
  host_.setUnattended(!options_.screenshot.isEmpty());
  applyDisplayLanguage(options_.language.value_or(savedDisplayLanguage()));
  view_.SetLanguage(displayLanguage());
  // The models are filled first: each widget is then made and filled once,
  // rather than made empty and refilled.
  view_.InitialUpdate();

  form_ = new FormWidget(view_.form(), [this](ControlId id, Notification notification) { view_.notify(id, notification); });
  frame_ = std::make_unique<CMainFrame>(form_, [this](CommandId id) {
    view_.command(id);
    form_->syncDirty();
  });
  form_->describeSkillsBy([this](ControlId id, int item) { return view_.skillShownAt(id, item); });
  host_.setWindow(frame_.get());
  new ToolWindows(frame_->toolsMenu(), [this](DemonRef demon) {
    const bool opened = view_.openInNewTab(demon);
    form_->syncDirty();
    return opened;
  }, frame_.get());

  frame_->addLanguageMenu([](Language language) {
    applyDisplayLanguage(language);
    saveDisplayLanguage(language);
  });
  frame_->onLanguageChange([this] {
    view_.SetLanguage(displayLanguage());
    form_->showLanguage(displayLanguage());
  });

  frame_->fitToForm();
  form_->makeRoomForTexts();
  if (!options_.tabsFile.isEmpty()) {
    host_.answerNextDialog(QFile::encodeName(options_.tabsFile).toStdString());
    view_.command(CommandId::LoadTabs);
    form_->syncDirty();
  }
  // A picture needs the window laid out and drawn once, into the picture
  // itself: it is not put on the screen (or the offscreen surface) first.
  if (!options_.screenshot.isEmpty()) frame_->setAttribute(Qt::WA_DontShowOnScreen);
  frame_->show();
  return true;
}

// PNG quality 80 is zlib's fastest compression: a picture for documentation
// or a visual check need not wait for the smallest file.
constexpr int ScreenshotPngQuality = 80;

int CQmoorApp::Run() { return options_.screenshot.isEmpty() ? QApplication::exec() : takeScreenshot(); }

int CQmoorApp::takeScreenshot() {
  if (!options_.script.isEmpty()) {
    std::ifstream script(QFile::encodeName(options_.script).toStdString());
    if (!script) {
      std::cerr << "quillmoor: cannot open " << options_.script.toStdString() << '\n';
      return 2;
    }
    ScriptRunner runner(view_, host_, std::cout);
    const int status = runner.run(script, std::cerr);
    form_->syncDirty();
    if (status != 0) return status;
  }
  QWidget* pictured = frame_.get();
  if (options_.tool != 0) {
    const QList<QAction*> entries = frame_->toolsMenu()->actions();
    if (options_.tool > entries.size() || entries[options_.tool - 1]->menu()) {
      std::cerr << "quillmoor: the tools menu has no window at entry " << options_.tool << '\n';
      return 2;
    }
    entries[options_.tool - 1]->trigger();
    pictured = frame_->findChild<ToolWindow*>(QString(), Qt::FindDirectChildrenOnly);
  }
  // The pending events, but no drawing: the picture is the window's one.
  pictured->setUpdatesEnabled(false);
  QApplication::processEvents();
  pictured->setUpdatesEnabled(true);
  // The window is opaque: its picture needs no alpha channel, which spares
  // the encoder a pass over every pixel.
  const QImage picture = pictured->grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (!picture.save(options_.screenshot, "PNG", ScreenshotPngQuality)) {
    std::cerr << "quillmoor: cannot write " << options_.screenshot.toStdString() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace qmoor
