// Runs the Qt program's tests inside one QApplication, drawn offscreen unless
// another platform is asked for, with settings and the file of my demons kept
// apart from the user's and from every other test process (ctest runs them
// side by side).
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);  // standard folders go to a test place, never the user's
  QApplication application(argc, argv);
  const QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  const QTemporaryDir dataFolder;
  qputenv("XDG_DATA_HOME", dataFolder.path().toLocal8Bit());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
