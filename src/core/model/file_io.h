#pragma once

#include "model/byte_io.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace finplan {

// Up to maxBytes of a file; empty when it cannot be opened for reading.
std::optional<std::vector<Byte>> readFileBytes(const std::filesystem::path& path,
                                               std::size_t maxBytes);

bool fileExists(const std::filesystem::path& path);

// Whether the file can be opened for writing without creating or truncating it.
bool canOpenForWriting(const std::filesystem::path& path);

// Creates an empty file where none exists; false when that fails or the file exists.
bool createNewFile(const std::filesystem::path& path);

// Writes the whole content to a temporary file beside the target and renames it over the
// target only when every byte was written, so a failure never destroys the previous file.
bool writeFileReplacing(const std::filesystem::path& path, std::span<const Byte> content);
bool writeFileReplacing(const std::filesystem::path& path, std::string_view content);

} // namespace finplan
