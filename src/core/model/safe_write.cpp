#include "model/safe_write.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace finplan {

namespace fs = std::filesystem;

ssize_t WriteCalls::write(int fd, const void* data, std::size_t size) const {
    return ::write(fd, data, size);
}

int WriteCalls::fsync(int fd) const {
    return ::fsync(fd);
}

int WriteCalls::close(int fd) const {
    return ::close(fd);
}

int WriteCalls::rename(const char* from, const char* to) const {
    return ::rename(from, to);
}

namespace {

constexpr int kMaxLinks = 40;

WriteResult systemFailure() {
    return WriteResult::failure(std::strerror(errno));
}

// The file the bytes must land in: the end of a chain of links, so each link stays a link.
std::optional<fs::path> finalTarget(fs::path path) {
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) {
            return path;
        }
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    errno = ELOOP;
    return std::nullopt;
}

// The user's umask, read without changing it (umask() would race with other threads).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "Umask:") {
            std::string value;
            status >> value;
            return static_cast<mode_t>(std::strtoul(value.c_str(), nullptr, 8));
        }
    }
    return 022;
}

// The permissions the new content gets: the old file's, or those of a new file.
std::optional<mode_t> permissionsFor(const fs::path& target, NewFileMode mode) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            errno = EINVAL;
            return std::nullopt;
        }
        return old.st_mode & 07777;
    }
    if (errno != ENOENT) {
        return std::nullopt;
    }
    return mode == NewFileMode::OwnerOnly ? mode_t{0600} : (0666 & ~currentUmask());
}

// A temporary file beside the target, made for this write alone; removed again unless kept.
class TemporaryFile {
public:
    TemporaryFile(const fs::path& target, const WriteCalls& calls)
        : m_calls(calls) {
        const std::string pattern =
            (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
        m_name.assign(pattern.begin(), pattern.end());
        m_name.push_back('\0');
        // Exclusive creation: an existing name, or a link planted under it, is never opened.
        m_fd = ::mkostemp(m_name.data(), O_CLOEXEC);
    }
    ~TemporaryFile() {
        closeFile();
        if (m_fd != -2) {
            ::unlink(m_name.data());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool created() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    const char* name() const { return m_name.data(); }

    bool closeFile() {
        if (m_fd < 0) {
            return true;
        }
        const int fd = m_fd;
        m_fd = -1;
        return m_calls.close(fd) == 0;
    }
    // The file now has the target's name: nothing to remove.
    void renamed() { m_fd = -2; }

private:
    const WriteCalls& m_calls;
    std::vector<char> m_name;
    int m_fd = -1; // -1 closed, -2 renamed
};

WriteResult writeAll(const TemporaryFile& file, std::span<const Byte> content,
                     const WriteCalls& calls) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written =
            calls.write(file.fd(), content.data() + done, content.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemFailure();
        }
        if (written == 0) {
            errno = ENOSPC;
            return systemFailure();
        }
        done += static_cast<std::size_t>(written);
    }
    return WriteResult::success();
}

// The rename is lasting only once the folder itself is on the disk; a folder that cannot be
// synced (some file systems refuse) still holds the complete file.
void syncFolder(const fs::path& folder, const WriteCalls& calls) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        calls.fsync(fd);
        ::close(fd);
    }
}

} // namespace

WriteResult writeFileReplacing(const fs::path& path, std::span<const Byte> content,
                               NewFileMode mode, const WriteCalls& calls) {
    const auto target = finalTarget(path.empty() ? path : fs::path(path));
    if (!target) {
        return systemFailure();
    }
    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    const fs::path placed = folder / target->filename();
    const auto permissions = permissionsFor(placed, mode);
    if (!permissions) {
        return errno == EINVAL ? WriteResult::failure("Not a regular file") : systemFailure();
    }
    TemporaryFile temp(placed, calls);
    if (!temp.created()) {
        return systemFailure();
    }
    if (const WriteResult written = writeAll(temp, content, calls); !written) {
        return written;
    }
    if (::fchmod(temp.fd(), *permissions) != 0 || calls.fsync(temp.fd()) != 0) {
        return systemFailure();
    }
    if (!temp.closeFile()) {
        return systemFailure();
    }
    if (calls.rename(temp.name(), placed.c_str()) != 0) {
        return systemFailure();
    }
    temp.renamed();
    syncFolder(folder, calls);
    return WriteResult::success();
}

WriteResult writeFileReplacing(const fs::path& path, std::string_view content, NewFileMode mode,
                               const WriteCalls& calls) {
    return writeFileReplacing(
        path, std::span<const Byte>(reinterpret_cast<const Byte*>(content.data()), content.size()),
        mode, calls);
}

std::string writeFailureText(const fs::path& path, const WriteResult& result) {
    return path.string() + ": " + result.cause();
}

} // namespace finplan
