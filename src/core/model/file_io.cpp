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

} // namespace finplan
