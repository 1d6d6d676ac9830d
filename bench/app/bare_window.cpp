// A bare Qt window started and pictured the way `quillmoor --screenshot`
// does it: the yardstick for Quillmoor's start-up time and memory.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3 || QString::fromLocal8Bit(argv[1]) != QStringLiteral("--screenshot")) return 2;
  QMainWindow window;
  window.menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  window.resize(803, 625);
  window.show();
  return window.grab().save(QString::fromLocal8Bit(argv[2]), "PNG", 80) ? 0 : 1;
}
