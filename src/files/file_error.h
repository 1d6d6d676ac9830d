// What went wrong with a file, as the system said it: a kind and the error
// number. The words for it are chosen by whoever shows it.
#pragma once

#include <cstdint>
#include <vector>

namespace qmoor {

enum class FileErrorKind {
  None,
  CannotRead,            // the file could not be opened or read
  CannotWrite,           // the file could not be written and holds what it held
  CannotWriteOrRestore,  // the write failed part way and the old bytes could not be put back
};

struct FileError {
  FileErrorKind kind = FileErrorKind::None;
  int number = 0;  // the system's error number (errno), 0 with None

  bool failed() const { return kind != FileErrorKind::None; }
  friend bool operator==(const FileError&, const FileError&) = default;
};

// A file read up to a size limit.
struct FileContents {
  std::vector<std::uint8_t> bytes;  // the file's first bytes, at most the limit; empty on failure
  bool whole = false;               // the file ends within the limit
  FileError error;
  friend bool operator==(const FileContents&, const FileContents&) = default;
};

}  // namespace qmoor
