#pragma once

#include "model/byte_io.h"
#include "model/safe_write.h"

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace finplan {

// Up to maxBytes of a file; empty when it cannot be opened for reading. Only a regular file is
// read: a FIFO, a device or a folder never is (nothing waits for a writer that is not there).
std::optional<std::vector<Byte>> readFileBytes(const std::filesystem::path& path,
                                               std::size_t maxBytes);

bool fileExists(const std::filesystem::path& path);

// Whether the file can be opened for writing without creating or truncating it.
bool canOpenForWriting(const std::filesystem::path& path);

// Creates an empty file where none exists; false when that fails or the file exists.
bool createNewFile(const std::filesystem::path& path);

// A work file of the program ("bigfile.tmp", the plot file) opened for writing from its start:
// created for the user alone, and only a regular file; null (with errno) otherwise.
std::FILE* openWorkFileForWriting(const std::filesystem::path& path);

// A regular file opened for reading; null (with errno) for anything else.
std::FILE* openRegularForReading(const std::filesystem::path& path);

} // namespace finplan
