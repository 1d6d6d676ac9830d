// Reading and writing the saved-tabs file on disk: saving writes into the
// file the user chose, as opening it for writing would, and never leaves a
// half-written file in the user's place.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qmoor {

// Writes bytes into the file at path; through a symbolic link into the file it
// names. Refused exactly where opening the file for writing is refused. The
// file keeps its mode, owner, group, hard links and extended attributes. A
// regular file with one link and no extended attributes in a folder the user
// may write to is replaced whole by a complete copy written beside it; any
// other file is written in place and gets its old bytes back when the write
// fails. Returns an empty text on success, otherwise the
// reason (which says so when even the old bytes could not be put back).
std::string saveIntoFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Reads at most maxBytes from the start of the file; none with the reason on failure.
std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t maxBytes,
                                                        std::string& reason);

// The file name and extension without the folder.
std::string fileNameOf(const std::string& path);

// The absolute path of the folder that holds path (the folder itself for a
// path ending in a slash).
std::string folderOf(const std::string& path);

}  // namespace qmoor
