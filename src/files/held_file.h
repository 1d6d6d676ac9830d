// A file the program keeps as a document while it runs (the file of my
// demons): what it last read from the file or wrote into it, so that a change
// made meanwhile by anyone else (a second window of the program, a hand edit)
// is noticed before the program writes over it. POSIX, through file_io.h.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "files/file_error.h"

namespace qmoor {

class HeldFile {
 public:
  // Files are read up to maxBytes, as readFileUpTo reads them.
  HeldFile(std::string path, std::size_t maxBytes);

  const std::string& path() const { return path_; }

  // Reads the file; what it gave (the bytes, or the failure) is now what the
  // program knows the file to hold.
  FileContents read();
  // The file reads otherwise than it did when last read or written: it was
  // rewritten, made, removed, or can be read where it could not.
  bool changedSince() const;
  // Writes bytes as writeFileSafely does, whatever the file holds now; after
  // the write the program knows the file to hold what it holds then.
  FileError write(std::span<const std::uint8_t> bytes);

 private:
  std::string path_;
  std::size_t maxBytes_;
  FileContents known_;
};

}  // namespace qmoor
