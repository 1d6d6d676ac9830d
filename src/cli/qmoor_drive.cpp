// qmoor-drive [--lang ja|en] [SCRIPT]: starts the view as the program starts,
// in the display language chosen, replays the script (or standard input) and
// prints the dumps it asks for.
#include <fstream>
#include <iostream>
#include <string_view>

#include "script/drive_host.h"
#include "script/script_runner.h"

int main(int argc, char** argv) {
  qmoor::Language language = qmoor::Language::Japanese;
  int next = 1;
  if (argc > 2 && std::string_view(argv[1]) == "--lang") {
    const auto chosen = qmoor::languageFromCode(argv[2]);
    if (!chosen) {
      std::cerr << "qmoor-drive: --lang takes ja or en\n";
      return 2;
    }
    language = *chosen;
    next = 3;
  }
  if (argc > next + 1 || (argc > next && std::string_view(argv[next]).starts_with("--"))) {
    std::cerr << "usage: qmoor-drive [--lang ja|en] [SCRIPT]\n";
    return 2;
  }
  qmoor::DriveHost host;
  qmoor::CQmoorView view(host);
  view.SetLanguage(language);
  view.InitialUpdate();
  qmoor::ScriptRunner runner(view, host, std::cout);
  if (argc == next + 1) {
    std::ifstream script(argv[next]);
    if (!script) {
      std::cerr << "qmoor-drive: cannot open " << argv[next] << '\n';
      return 2;
    }
    return runner.run(script, std::cerr);
  }
  return runner.run(std::cin, std::cerr);
}
