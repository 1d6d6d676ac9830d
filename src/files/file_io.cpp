// Whole files in and out: see file_io.h.
#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <vector>

namespace qmoor {

namespace {

// As many links as the system follows before it gives up with ELOOP.
constexpr int MaxLinkHops = 40;

// A file descriptor closed when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports the error of the close, 0 when none.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

std::string parentOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// The path a chain of symbolic links ends at: the path itself when it is no
// link, and a path that need not exist for a link that names nothing yet.
std::optional<std::string> followLinks(std::string path, int& error) {
  for (int hop = 0; hop <= MaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(static_cast<size_t>(info.st_size) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) {
      error = errno;
      return std::nullopt;
    }
    target.resize(static_cast<size_t>(length));
    path = target.starts_with('/') ? target : (std::filesystem::path(parentOf(path)) / target).string();
  }
  error = ELOOP;
  return std::nullopt;
}

// Writes all bytes at offset 0; the error number, 0 on success. touched
// turns true once any byte of the file may have changed.
int writeAt(int fd, std::span<const std::uint8_t> bytes, bool& touched) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    touched = true;
    done += static_cast<size_t>(written);
  }
  return 0;
}

// The whole regular file, or none when it cannot be read.
std::optional<std::vector<std::uint8_t>> readWhole(const std::string& path, off_t size) {
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t read = ::pread(fd.get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (read < 0 && errno == EINTR) continue;
    if (read <= 0) return std::nullopt;
    done += static_cast<size_t>(read);
  }
  return bytes;
}

// Makes a regular file hold exactly bytes and flushes it to disk; the error
// number, 0 on success. touched as for writeAt.
int replaceContents(int fd, std::span<const std::uint8_t> bytes, bool& touched) {
  if (const int error = writeAt(fd, bytes, touched)) return error;
  touched = true;
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) return errno;
  return ::fsync(fd) == 0 ? 0 : errno;
}

// Whether the file carries extended attributes (an access-control list among
// them) that a new file would not get. The security label every file has
// where the system labels files is given to a new file anyway.
bool carriesAttributes(int fd) {
  const ssize_t size = ::flistxattr(fd, nullptr, 0);
  if (size <= 0) return false;
  std::string names(static_cast<size_t>(size), '\0');
  const ssize_t length = ::flistxattr(fd, names.data(), names.size());
  if (length < 0) return true;
  names.resize(static_cast<size_t>(length));
  for (size_t start = 0; start < names.size();) {
    const size_t end = names.find('\0', start);
    if (names.compare(start, end - start, "security.selinux") != 0) return true;
    start = end == std::string::npos ? names.size() : end + 1;
  }
  return false;
}

enum class Replaced { Done, Failed, NotPossible };

// The complete new file written beside target, given target's mode, owner and
// group, and renamed over it. NotPossible when the folder takes no new file,
// the owner or group cannot be given, or the folder refuses the rename (a
// sticky folder); the caller then writes in place.
Replaced replaceWhole(const std::string& target, const struct stat& info, std::span<const std::uint8_t> bytes,
                      int& error) {
  std::string name = ".";
  name.append(std::filesystem::path(target).filename().string()).append(".XXXXXX");
  std::string temporary = (std::filesystem::path(parentOf(target)) / name).string();
  Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
  if (!fd.valid()) return Replaced::NotPossible;
  const auto giveUp = [&temporary](Replaced how) {
    ::unlink(temporary.c_str());
    return how;
  };
  struct stat fresh {};
  const bool sameOwner = ::fstat(fd.get(), &fresh) == 0 && fresh.st_uid == info.st_uid && fresh.st_gid == info.st_gid;
  if (!sameOwner && ::fchown(fd.get(), info.st_uid, info.st_gid) != 0) return giveUp(Replaced::NotPossible);
  if (::fchmod(fd.get(), info.st_mode & 07777) != 0) return giveUp(Replaced::NotPossible);
  bool touched = false;
  error = replaceContents(fd.get(), bytes, touched);
  if (!error) error = fd.close();
  if (error) return giveUp(Replaced::Failed);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return giveUp(Replaced::NotPossible);
  const Descriptor folder(::open(parentOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) ::fsync(folder.get());  // the rename itself on disk; a folder that cannot sync keeps it in memory
  return Replaced::Done;
}

FileError cannotWrite(int error) { return {FileErrorKind::CannotWrite, error}; }

FileError cannotRead(int error) { return {FileErrorKind::CannotRead, error}; }

// Writes over the open file; a regular file gets its old bytes back when that fails.
FileError writeInPlace(Descriptor& fd, const std::string& target, const struct stat& info,
                       std::span<const std::uint8_t> bytes) {
  bool touched = false;
  if (!S_ISREG(info.st_mode)) {
    int error = writeAt(fd.get(), bytes, touched);
    if (!error) error = fd.close();
    return error ? cannotWrite(error) : FileError{};
  }
  const std::optional<std::vector<std::uint8_t>> old = readWhole(target, info.st_size);
  int error = replaceContents(fd.get(), bytes, touched);
  if (!error) error = fd.close();
  if (!error) return {};
  if (!touched) return cannotWrite(error);
  const Descriptor again(fd.valid() ? -1 : ::open(target.c_str(), O_WRONLY | O_CLOEXEC));
  const int restoreFd = fd.valid() ? fd.get() : again.get();
  bool retouched = false;
  if (!old || restoreFd < 0 || replaceContents(restoreFd, *old, retouched) != 0)
    return {FileErrorKind::CannotWriteOrRestore, error};
  return cannotWrite(error);
}

// A file that does not exist yet, created as opening it for writing would; a
// failed write removes it again.
FileError createAndWrite(const std::string& target, std::span<const std::uint8_t> bytes) {
  Descriptor fd(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (!fd.valid()) return cannotWrite(errno);
  bool touched = false;
  int error = replaceContents(fd.get(), bytes, touched);
  if (!error) error = fd.close();
  if (!error) return {};
  ::unlink(target.c_str());
  return cannotWrite(error);
}

}  // namespace

std::string folderOf(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return (error ? std::filesystem::path(path) : absolute).parent_path().string();
}

FileError writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (path.empty()) return cannotWrite(ENOENT);
  // The plain open decides what is refused; O_NONBLOCK keeps a pipe without a reader from hanging.
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
  const int openError = fd.valid() ? 0 : errno;
  if (openError && openError != ENOENT) return cannotWrite(openError);
  int error = 0;
  const std::optional<std::string> target = followLinks(path, error);
  if (!target) return cannotWrite(error);
  if (openError == ENOENT) return createAndWrite(*target, bytes);

  ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return cannotWrite(errno);
  if (S_ISREG(info.st_mode) && info.st_nlink == 1 && !carriesAttributes(fd.get())) {
    switch (replaceWhole(*target, info, bytes, error)) {
      case Replaced::Done: return {};
      case Replaced::Failed: return cannotWrite(error);
      case Replaced::NotPossible: break;
    }
  }
  return writeInPlace(fd, *target, info, bytes);
}

FileContents readFileUpTo(const std::string& path, std::size_t maxBytes) {
  FileContents contents;
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
    contents.error = cannotRead(errno);
    return contents;
  }
  if (S_ISDIR(info.st_mode)) {
    contents.error = cannotRead(EISDIR);
    return contents;
  }
  ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
  // One byte more than wanted tells whether the file goes on.
  std::vector<std::uint8_t>& bytes = contents.bytes;
  bytes.resize(maxBytes + 1);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t read = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) {
      contents.error = cannotRead(errno);
      bytes.clear();
      return contents;
    }
    if (read == 0) break;
    done += static_cast<size_t>(read);
  }
  contents.whole = done <= maxBytes;
  bytes.resize(std::min(done, maxBytes));
  return contents;
}

}  // namespace qmoor
