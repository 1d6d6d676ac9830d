// DriveHost: see drive_host.h.
#include "script/drive_host.h"

#include "files/file_io.h"

namespace qmoor {

FileContents ScriptedHost::readFile(const std::string& path, std::size_t maxBytes) {
  return readFileUpTo(path, maxBytes);
}

FileError ScriptedHost::writeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  return writeFileSafely(path, bytes);
}

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
