#pragma once

#include <csignal>
#include <cstddef>
#include <sys/resource.h>

namespace finplan::test {

// While it lives, no file of this process can grow beyond `bytes`: a write past the limit
// fails with EFBIG ("File too large") instead of raising SIGXFSZ. It stands in for a full
// disk, and works for any user, root included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::size_t bytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace finplan::test
