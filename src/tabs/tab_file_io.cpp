// Saved-tabs file input and output: see tab_file_io.h.
#include "tabs/tab_file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace qmoor {

namespace {

// The reason the system gave, in the words of the program's own interface
// for the failures a user meets; other failures keep the system's text.
std::string systemReason() {
  switch (errno) {
    case ENOENT: return "ファイルまたはフォルダーが見つかりません。";
    case EACCES:
    case EPERM: return "アクセスが拒否されました。";
    case EROFS: return "書き込みが禁止されています。";
    case ENOSPC: return "ディスクの空き容量が足りません。";
    case EISDIR: return "フォルダーです。";
    default: return std::strerror(errno);
  }
}

std::string temporarySibling(const std::filesystem::path& target) {
  std::random_device device;
  std::string name = ".";
  name.append(target.filename().string()).append(".tmp").append(std::to_string(device() % 1000000u));
  return (target.parent_path() / name).string();
}

}  // namespace

std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string writeFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path target(path);
  std::error_code code;
  if (std::filesystem::is_directory(target, code)) return "フォルダーには保存できません。";
  const std::string temporary = temporarySibling(target);
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return systemReason();
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const std::string writeReason = written ? std::string() : systemReason();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    const std::string reason = written ? systemReason() : writeReason;
    std::remove(temporary.c_str());
    return reason;
  }
  std::filesystem::rename(temporary, target, code);
  if (code) {
    std::remove(temporary.c_str());
    return code.message();
  }
  return {};
}

std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t maxBytes,
                                                        std::string& reason) {
  std::error_code code;
  if (std::filesystem::is_directory(path, code)) {
    reason = "フォルダーは読み込めません。";
    return std::nullopt;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    reason = systemReason();
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(maxBytes);
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
  const bool failed = std::ferror(file) != 0;
  if (failed) reason = systemReason();
  std::fclose(file);
  if (failed) return std::nullopt;
  bytes.resize(read);
  return bytes;
}

}  // namespace qmoor
