// libFuzzer target: any file opened with LOAD, and each of its first tabs
// entered, must leave the view without a fault and with every invariant of
// view_invariants.h intact (twins in step, selections within their lists,
// every listed row a way of making the current demon).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "view/view.h"
#include "view_invariants.h"

namespace {

// Answers every open dialog with the one file the fuzzer writes.
class FileHost : public qmoor::ViewHost {
 public:
  explicit FileHost(std::string path) : path_(std::move(path)) {}
  ~FileHost() override { std::remove(path_.c_str()); }
  FileHost(const FileHost&) = delete;
  FileHost& operator=(const FileHost&) = delete;
  std::optional<std::string> askSavePath(const std::string&) override { return std::nullopt; }
  std::optional<std::string> askLoadPath(const std::string&) override { return path_; }
  void showMessage(const std::string&) override {}
  void setTitle(const std::string&) override {}
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

FileHost& host() {
  static FileHost fileHost("/tmp/qmoor-fuzz-load-" + std::to_string(getpid()) + ".qmf");
  return fileHost;
}

qmoor::CQmoorView& startedView() {
  static qmoor::CQmoorView view(host());
  static const bool started = (view.InitialUpdate(), true);
  (void)started;
  return view;
}

void check(qmoor::CQmoorView& view, const char* when) {
  const std::string broken = qmoor::testing::brokenInvariant(view);
  if (broken.empty()) return;
  std::fprintf(stderr, "view invariant broken %s: %s\n", when, broken.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qmoor::CQmoorView& view = startedView();
  std::FILE* file = std::fopen(host().path().c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  view.command(qmoor::CommandId::LoadTabs);
  check(view, "after loading");
  qmoor::TabControl& tabs = view.form().tabs();
  for (int tab = 1; tab < tabs.count() && tab < 4; ++tab) {
    view.notify(qmoor::ControlId::TabBar, qmoor::Notification::SelectionChanging);
    tabs.setSelection(tab);
    view.notify(qmoor::ControlId::TabBar, qmoor::Notification::SelectionChanged);
    check(view, "after entering a loaded tab");
  }
  return 0;
}
