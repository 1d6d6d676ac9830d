// quillmoor: the desktop program. See app/program/qmoor_app.h for the command line
// and the path of a user's action.
#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/program/launch_options.h"
#include "app/program/qmoor_app.h"
#include "app/program/qt_translations.h"

namespace {
// A screenshot needs no screen: without a display it is drawn offscreen.
void drawScreenshotsOffscreen(int argc, char** argv) {
  const bool screenshot = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "--screenshot") == 0; });
  if (screenshot && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
}
}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer without a display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const qmoor::LaunchOptions options = qmoor::parseLaunchOptions(arguments);
  if (options.help || options.version) {
    std::cout << (options.help ? qmoor::LaunchUsage : qmoor::LaunchVersion) << '\n';
    return 0;
  }
  drawScreenshotsOffscreen(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qmoor"));
  qmoor::useQtTranslations(QStringLiteral("ja"));
  qmoor::CQmoorApp program;
  if (!program.InitInstance(QApplication::arguments())) return 2;
  const int status = program.Run();
  // With the picture written, the process ends at once: taking the window
  // apart widget by widget would only delay the exit.
  if (!options.screenshot.isEmpty()) std::exit(status);
  return status;
}
