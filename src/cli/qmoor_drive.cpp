// qmoor-drive [SCRIPT]: starts the view as the program starts, replays the
// script (or standard input) and prints the dumps it asks for.
#include <fstream>
#include <iostream>

#include "script/drive_host.h"
#include "script/script_runner.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: qmoor-drive [SCRIPT]\n";
    return 2;
  }
  qmoor::DriveHost host;
  qmoor::CQmoorView view(host);
  view.InitialUpdate();
  qmoor::ScriptRunner runner(view, host, std::cout);
  if (argc == 2) {
    std::ifstream script(argv[1]);
    if (!script) {
      std::cerr << "qmoor-drive: cannot open " << argv[1] << '\n';
      return 2;
    }
    return runner.run(script, std::cerr);
  }
  return runner.run(std::cin, std::cerr);
}
