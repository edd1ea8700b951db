#include "cli_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <iostream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

constexpr int kCannotMount = 77;

// Runs `body` in a child process that sees a small tmpfs at `mountPoint`, in a mount namespace
// of its own (nothing outside the child sees it). The child's status, or kCannotMount.
int onSmallDisk(const fs::path& mountPoint, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(kCannotMount);
        }
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

// Fills the disk of `folder` until a write fails.
void fill(const fs::path& folder) {
    std::ofstream filler(folder / "filler", std::ios::binary);
    const std::string block(1024, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) &&
           filler.flush()) {
    }
}

// A check inside the child: prints what failed and gives its number.
int expect(bool holds, int number, const std::string& what) {
    if (!holds) {
        std::cerr << "check " << number << " failed: " << what << '\n';
    }
    return holds ? 0 : number;
}

TEST(FullDisk, NoOutputReportsSuccessAndNoOldFileIsLost) {
    TempDir dir;
    const std::string sample = (dir / "s.RET").string();
    ASSERT_EQ(runCliWith({"sample", sample}).code, 0);
    const fs::path disk = dir / "disk";
    fs::create_directory(disk);
    const int status = onSmallDisk(disk, [&] {
        writeText(disk / "old.csv", "old export\n");
        fs::create_directory(disk / "work");
        fill(disk);
        const std::string work = (dir / "work").string();
        int failed = 0;
        const auto check = [&](const std::vector<std::string>& words, const fs::path& kept,
                               const std::string& keptText, int number) {
            const CliRun run = runCliWith(words);
            failed = failed != 0 ? failed
                                 : expect(run.code == 3, number,
                                          "exit " + std::to_string(run.code) + "; " + run.err);
            failed = failed != 0
                         ? failed
                         : expect(run.err.find("No space left on device") != std::string::npos,
                                  number + 1, "no cause in: " + run.err);
            if (!kept.empty()) {
                std::ifstream in(kept);
                const std::string text((std::istreambuf_iterator<char>(in)), {});
                failed = failed != 0 ? failed : expect(text == keptText, number + 2, kept);
            }
        };
        check({"--yes", "run", sample, "--workdir", work, "--export-csv",
               (disk / "old.csv").string()},
              disk / "old.csv", "old export\n", 10);
        check({"run", sample, "--workdir", work, "--schedule", (disk / "new.sch").string()}, {}, {},
              20);
        check({"run", sample, "--workdir", work, "--save-graphs", (disk / "new.tvp").string()}, {},
              {}, 30);
        // The run's own files on the full disk.
        check({"run", sample, "--workdir", (disk / "work").string()}, {}, {}, 40);
        if (failed == 0) {
            failed = expect(!fs::exists(disk / "new.sch") && !fs::exists(disk / "new.tvp"), 50,
                            "a failed output was left behind");
        }
        return failed;
    });
    if (status == kCannotMount) {
        GTEST_SKIP() << "this machine lets no test mount a small file system";
    }
    EXPECT_EQ(status, 0) << "see the check named above";
}

} // namespace
} // namespace finplan::test
