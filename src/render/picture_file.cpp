#include "render/picture_file.h"

#include <QBuffer>

#include <string_view>

namespace finplan::render {

WriteResult writePngFile(const std::filesystem::path& path, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        return WriteResult::failure("The picture could not be made");
    }
    return writeBytesFile(path, bytes);
}

WriteResult writeBytesFile(const std::filesystem::path& path, const QByteArray& bytes) {
    return writeFileReplacing(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace finplan::render
