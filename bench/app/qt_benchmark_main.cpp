// The entry point of the desktop program's benchmarks: one QApplication,
// drawn offscreen, around Google Benchmark's run, with settings and the file
// of my demons kept in folders of their own so that a benchmark never reads
// or writes the user's.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QApplication application(argc, argv);
  const QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
  const QTemporaryDir dataFolder;
  qputenv("XDG_DATA_HOME", dataFolder.path().toLocal8Bit());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
