// DriveHost: see drive_host.h.
#include "script/drive_host.h"

namespace qmoor {

std::optional<std::string> DriveHost::nextAnswer() {
  if (answers_.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers_.front());
  answers_.pop_front();
  return answer;
}

std::optional<std::string> DriveHost::askSavePath(const std::string&) { return nextAnswer(); }
std::optional<std::string> DriveHost::askLoadPath(const std::string&) { return nextAnswer(); }

std::vector<std::string> DriveHost::takeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages_);
  return taken;
}

}  // namespace qmoor
