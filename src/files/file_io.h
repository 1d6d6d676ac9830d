// Whole files in and out, byte for byte, for the documents the program keeps:
// a write that never leaves a half-written file in the user's place, and a
// read with a size limit. POSIX; failures come back as a FileError.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "files/file_error.h"

namespace qmoor {

// Writes bytes into the file at path; through a symbolic link into the file it
// names. Refused exactly where opening the file for writing is refused. The
// file keeps its mode, owner, group, hard links and extended attributes. A
// regular file with one link and no extended attributes in a folder the user
// may write to is replaced whole by a complete copy written beside it and
// renamed over it; any other file is written in place and gets its old bytes
// back when the write fails (CannotWriteOrRestore when even that fails).
FileError writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);

// Reads the file from its start, at most maxBytes; whole tells whether that
// was all of it. A folder cannot be read (EISDIR).
FileContents readFileUpTo(const std::string& path, std::size_t maxBytes);

// The absolute path of the folder that holds path (the folder itself for a
// path ending in a slash).
std::string folderOf(const std::string& path);

}  // namespace qmoor
