#pragma once

#include "model/safe_write.h"

#include <QByteArray>
#include <QImage>

#include <filesystem>

namespace finplan::render {

// Pictures and pages are made whole in memory and then handed to the safe writer, so that a
// failed write leaves the old file as it was and no part of a new one.

// The image as a PNG file.
WriteResult writePngFile(const std::filesystem::path& path, const QImage& image);

// Bytes made in memory (a PDF document) as a file.
WriteResult writeBytesFile(const std::filesystem::path& path, const QByteArray& bytes);

} // namespace finplan::render
