#pragma once

#include "model/byte_io.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace finplan {

// How a file write ended: the cause of a failure as the system words it ("No space left on
// device"), or nothing when every byte is in place.
class WriteResult {
public:
    static WriteResult success() { return WriteResult(); }
    static WriteResult failure(std::string cause) { return WriteResult(std::move(cause)); }

    explicit operator bool() const { return m_failed == false; }
    const std::string& cause() const { return m_cause; }

private:
    WriteResult() = default;
    explicit WriteResult(std::string cause)
        : m_cause(std::move(cause))
        , m_failed(true) {}

    std::string m_cause;
    bool m_failed = false;
};

// The system calls the safe writer makes, so that a test can make any of them fail.
struct WriteCalls {
    virtual ~WriteCalls() = default;
    virtual ssize_t write(int fd, const void* data, std::size_t size) const;
    virtual int fsync(int fd) const;
    virtual int close(int fd) const;
    virtual int rename(const char* from, const char* to) const;
};

// Who may read a file the writer creates: the user's files as the user's umask allows, the
// program's own work files the user alone.
enum class NewFileMode { AsUmaskAllows, OwnerOnly };

// The one way the program writes a file it or the user keeps. The content goes into a new
// temporary file of a unique name beside the target (created exclusively, never through a
// link, readable by the owner only), is flushed to the disk and renamed over the target, so
// the target holds either its old bytes or all the new ones. A target that is a link is
// replaced at the link's end, with its permissions kept. Anything but a regular file as the
// target is refused. On any failure the old file is untouched and no new file is left.
WriteResult writeFileReplacing(const std::filesystem::path& path, std::span<const Byte> content,
                               NewFileMode mode = NewFileMode::AsUmaskAllows,
                               const WriteCalls& calls = WriteCalls{});
WriteResult writeFileReplacing(const std::filesystem::path& path, std::string_view content,
                               NewFileMode mode = NewFileMode::AsUmaskAllows,
                               const WriteCalls& calls = WriteCalls{});

// "<path>: <cause>", the text a failed write shows.
std::string writeFailureText(const std::filesystem::path& path, const WriteResult& result);

} // namespace finplan
