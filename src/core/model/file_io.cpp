#include "model/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace finplan {

namespace fs = std::filesystem;

namespace {

// A descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

bool isRegular(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return false;
    }
    return true;
}

// Opens without waiting (a FIFO or a device would block or misbehave), then keeps the file only
// when it is a regular one.
int openRegular(const fs::path& path, int flags, mode_t mode = 0) {
    Descriptor fd(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, mode));
    if (fd.get() < 0 || !isRegular(fd.get())) {
        return -1;
    }
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status < 0 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) != 0) {
        return -1;
    }
    return fd.release();
}

} // namespace

std::optional<std::vector<Byte>> readFileBytes(const fs::path& path, std::size_t maxBytes) {
    Descriptor fd(openRegular(path, O_RDONLY));
    if (fd.get() < 0) {
        return std::nullopt;
    }
    std::vector<Byte> bytes(maxBytes);
    std::size_t done = 0;
    while (done < maxBytes) {
        const ssize_t got = ::read(fd.get(), bytes.data() + done, maxBytes - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

bool fileExists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool canOpenForWriting(const fs::path& path) {
    return Descriptor(openRegular(path, O_RDWR)).get() >= 0;
}

bool createNewFile(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return Descriptor(fd).get() >= 0;
}

std::FILE* openWorkFileForWriting(const fs::path& path) {
    Descriptor fd(openRegular(path, O_WRONLY | O_CREAT | O_TRUNC, 0600));
    if (fd.get() < 0) {
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd.get(), "w");
    if (file != nullptr) {
        fd.release();
    }
    return file;
}

std::FILE* openRegularForReading(const fs::path& path) {
    Descriptor fd(openRegular(path, O_RDONLY));
    if (fd.get() < 0) {
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd.get(), "r");
    if (file != nullptr) {
        fd.release();
    }
    return file;
}

} // namespace finplan
