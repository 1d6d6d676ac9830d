// Reading and writing the saved-tabs file on disk without ever leaving a
// half-written file in the user's place.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qmoor {

// Writes bytes to a temporary file in the target's folder and renames it over
// the target only when every byte is written, so a failure leaves any previous
// file intact. Returns an empty text on success, otherwise the reason.
std::string writeFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);

// Reads at most maxBytes from the start of the file; none with the reason on failure.
std::optional<std::vector<std::uint8_t>> readFilePrefix(const std::string& path, std::size_t maxBytes,
                                                        std::string& reason);

// The file name and extension without the folder.
std::string fileNameOf(const std::string& path);

}  // namespace qmoor
