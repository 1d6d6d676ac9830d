// The program's command line:
//   quillmoor [FILE.qmf]                                start with that file's tabs loaded
//   quillmoor [FILE.qmf] --screenshot PNG [--script SCRIPT]
//                                                       replay a qmoor-drive script, save a picture of the window, exit
//   quillmoor --help | --version                        print the usage or the version, exit
#pragma once

#include <QString>
#include <QStringList>

namespace qmoor {

struct LaunchOptions {
  QString tabsFile;    // loaded at start-up as LOAD would; empty for none
  QString screenshot;  // where the picture goes; empty to run the window
  QString script;      // replayed before the picture; empty for none
  QString error;       // why the command line cannot be used; empty when it can
  bool help = false;     // --help: print LaunchUsage and exit
  bool version = false;  // --version: print LaunchVersion and exit
};

// arguments: as QCoreApplication::arguments() gives them, the program first.
LaunchOptions parseLaunchOptions(const QStringList& arguments);

extern const char* const LaunchUsage;
extern const char* const LaunchVersion;  // "quillmoor " and the program's version

}  // namespace qmoor
