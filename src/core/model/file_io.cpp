#include "model/file_io.h"

#include <fstream>
#include <string>
#include <system_error>

namespace finplan {

namespace fs = std::filesystem;

std::optional<std::vector<Byte>> readFileBytes(const fs::path& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<Byte> bytes(maxBytes);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool canOpenForWriting(const fs::path& path) {
    if (!fileExists(path)) {
        return false;
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    return static_cast<bool>(file);
}

bool createNewFile(const fs::path& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) {
        return false;
    }
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out);
}

namespace {

bool writeAll(const fs::path& path, const char* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    return !out.fail();
}

// The file the bytes must finally land in: a link's target, so the link stays a link.
fs::path finalTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path target = fs::canonical(path, ec);
        if (!ec) {
            return target;
        }
    }
    return path;
}

} // namespace

bool writeFileReplacing(const fs::path& path, std::span<const Byte> content) {
    const fs::path target = finalTarget(path);
    fs::path temp = target;
    temp += ".saving";
    if (!writeAll(temp, reinterpret_cast<const char*>(content.data()), content.size())) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    std::error_code ec;
    const auto oldStatus = fs::status(target, ec);
    if (!ec && fs::exists(oldStatus)) {
        fs::permissions(temp, oldStatus.permissions(), ec);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool writeFileReplacing(const fs::path& path, std::string_view content) {
    return writeFileReplacing(
        path, std::span<const Byte>(reinterpret_cast<const Byte*>(content.data()), content.size()));
}

} // namespace finplan
