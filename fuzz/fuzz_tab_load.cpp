// libFuzzer target: any file opened with LOAD, and each of its first tabs
// entered, must leave the view without a fault and with every invariant of
// view_invariants.h intact (twins in step, selections within their lists,
// every listed row a way of making the current demon).
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "view/view.h"
#include "view_invariants.h"

namespace {

// Answers every open dialog with one file, whose bytes are the fuzzer's input.
class BytesHost : public qmoor::ViewHost {
 public:
  std::optional<std::string> askSavePath(const std::string&) override { return std::nullopt; }
  std::optional<std::string> askLoadPath(const std::string&) override { return "fuzz.qmf"; }
  qmoor::FileContents readFile(const std::string&, std::size_t maxBytes) override {
    qmoor::FileContents contents;
    contents.bytes.assign(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(std::min(maxBytes, bytes_.size())));
    contents.whole = bytes_.size() <= maxBytes;
    return contents;
  }
  qmoor::FileError writeFile(const std::string&, std::span<const std::uint8_t>) override {
    return {qmoor::FileErrorKind::CannotWrite, EROFS};
  }
  void showMessage(const std::string&) override {}
  void setTitle(const std::string&) override {}
  void setBytes(const std::uint8_t* data, std::size_t size) { bytes_.assign(data, data + size); }

 private:
  std::vector<std::uint8_t> bytes_;
};

BytesHost& host() {
  static BytesHost bytesHost;
  return bytesHost;
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
  host().setBytes(data, size);
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
