// HeldFile: see held_file.h.
#include "files/held_file.h"

#include <algorithm>
#include <utility>

#include "files/file_io.h"

namespace qmoor {

HeldFile::HeldFile(std::string path, std::size_t maxBytes) : path_(std::move(path)), maxBytes_(maxBytes) {}

FileContents HeldFile::read() {
  known_ = readFileUpTo(path_, maxBytes_);
  return known_;
}

bool HeldFile::changedSince() const { return readFileUpTo(path_, maxBytes_) != known_; }

FileError HeldFile::write(std::span<const std::uint8_t> bytes) {
  const FileError error = writeFileSafely(path_, bytes);
  if (!error.failed()) {
    // What a read would give now, without reading it back.
    const std::size_t kept = std::min(bytes.size(), maxBytes_);
    known_ = {{bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kept)}, bytes.size() <= maxBytes_, {}};
  } else if (error.kind == FileErrorKind::CannotWriteOrRestore) {
    read();  // the file holds neither the old bytes nor the new
  }
  return error;
}

}  // namespace qmoor
