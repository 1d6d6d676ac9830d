// Reading and saving the file of my demons.
#include "stock/demons_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "tabs/file_reasons.h"
#include "tabs/tab_file_io.h"

namespace qmoor {
namespace {

// Reads the whole file, at most limit + 1 bytes; errno on failure.
int readWhole(const std::string& path, std::size_t limit, std::string& text) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno;
  char buffer[65536];
  int error = 0;
  while (text.size() <= limit) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error = errno;
    if (got <= 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return error;
}

}  // namespace

std::string defaultDemonsFilePath(const char* xdgDataHome, const char* home) {
  const std::string_view data = xdgDataHome ? xdgDataHome : "";
  if (data.starts_with('/')) return std::string(data) + "/Quillmoor/demons.json";
  const std::string_view homeFolder = home ? home : "";
  if (homeFolder.empty()) return {};
  return std::string(homeFolder) + "/.local/share/Quillmoor/demons.json";
}

DemonsFileLoad loadDemonsFile(const std::string& path) {
  DemonsFileLoad load;
  std::string text;
  if (const int error = readWhole(path, LargestDemonsFile, text)) {
    load.state = error == ENOENT ? DemonsFileState::NoFile : DemonsFileState::CannotRead;
    load.error = error;
    return load;
  }
  if (text.size() > LargestDemonsFile) {
    load.state = DemonsFileState::TooLarge;
    return load;
  }
  load.read = parseDemonsFile(text);
  if (load.read.problem != DemonsFileProblem::None) load.state = DemonsFileState::CannotParse;
  return load;
}

std::string saveDemonsFile(const std::string& path, std::span<const MyDemon> demons) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) return fileErrorReason(error.value());
  const std::string text = serialiseDemonsFile(demons);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  return saveIntoFile(path, std::span<const std::uint8_t>(bytes, text.size()));
}

}  // namespace qmoor
