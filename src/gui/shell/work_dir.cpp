#include "gui/shell/work_dir.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>

namespace finplan::gui {

namespace {

constexpr mode_t kOwnerOnly = 0700;

} // namespace

std::string makeWorkDir(const std::filesystem::path& given) {
    // "work/" names the folder "work".
    const std::filesystem::path dir = given.has_filename() ? given : given.parent_path();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(dir, error);
    if (std::filesystem::is_directory(status)) {
        return {};
    }
    if (std::filesystem::exists(status)) {
        return std::make_error_code(std::errc::not_a_directory).message();
    }
    if (dir.has_parent_path()) {
        std::filesystem::create_directories(dir.parent_path(), error);
        if (error) {
            return error.message();
        }
    }
    // Made with its mode at once, so that it is never open to others even for a moment; the
    // mode is set again in case the umask took from the owner's bits.
    if (::mkdir(dir.c_str(), kOwnerOnly) == 0) {
        ::chmod(dir.c_str(), kOwnerOnly);
        return {};
    }
    const int cause = errno;
    // Another program may have made it meanwhile.
    if (cause == EEXIST && std::filesystem::is_directory(dir, error)) {
        return {};
    }
    return std::error_code(cause, std::generic_category()).message();
}

} // namespace finplan::gui
