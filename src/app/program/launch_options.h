// The program's command line:
//   quillmoor [FILE.qmf]                                start with that file's tabs loaded
//   quillmoor ... --lang ja|en                          show the interface in that language for this run
//   quillmoor [FILE.qmf] --screenshot PNG [--script SCRIPT] [--tool N]
//                                                       replay a qmoor-drive script, save a picture of the window
//                                                       (or of the window the N-th entry of the ツール menu opens), exit
//   quillmoor --help | --version                        print the usage or the version, exit
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "names/names.h"

namespace qmoor {

struct LaunchOptions {
  QString tabsFile;    // loaded at start-up as LOAD would; empty for none
  QString screenshot;  // where the picture goes; empty to run the window
  QString script;      // replayed before the picture; empty for none
  int tool = 0;        // --tool N: the picture is of the window the N-th ツール entry opens; 0: the main window
  QString error;       // why the command line cannot be used; empty when it can
  std::optional<Language> language;  // --lang: this run's display language, not remembered
  bool help = false;     // --help: print LaunchUsage and exit
  bool version = false;  // --version: print LaunchVersion and exit
};

// arguments: as QCoreApplication::arguments() gives them, the program first.
LaunchOptions parseLaunchOptions(const QStringList& arguments);

extern const char* const LaunchUsage;
extern const char* const LaunchVersion;  // "quillmoor " and the program's version

}  // namespace qmoor
