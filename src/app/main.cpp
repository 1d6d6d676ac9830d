// quillmoor: the desktop program. See app/qmoor_app.h for the command line
// and the path of a user's action.
#include <QApplication>
#include <algorithm>
#include <cstring>

#include "app/qmoor_app.h"

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
  drawScreenshotsOffscreen(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qmoor"));
  qmoor::CQmoorApp program;
  if (!program.InitInstance(QApplication::arguments())) return 2;
  return program.Run();
}
