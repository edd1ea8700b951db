#pragma once

#include "model/byte_io.h"
#include "model/safe_write.h"

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

} // namespace finplan
