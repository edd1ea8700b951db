#include "model/file_io.h"
#include "model/safe_write.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace finplan {
namespace {

namespace fs = std::filesystem;

// System calls that fail at a chosen step, as a full disk or a broken device would.
struct FailingCalls : WriteCalls {
    enum class Step { None, SecondWrite, Fsync, Close, Rename };
    Step step = Step::None;
    int error = ENOSPC;
    mutable int writes = 0;

    ssize_t write(int fd, const void* data, std::size_t size) const override {
        if (step == Step::SecondWrite && ++writes == 2) {
            errno = error;
            return -1;
        }
        // Small pieces, so a whole file takes several writes.
        return WriteCalls::write(fd, data, size < 4 ? size : 4);
    }
    int fsync(int fd) const override {
        return step == Step::Fsync ? (errno = error, -1) : WriteCalls::fsync(fd);
    }
    int close(int fd) const override {
        const int closed = WriteCalls::close(fd);
        return step == Step::Close ? (errno = error, -1) : closed;
    }
    int rename(const char* from, const char* to) const override {
        return step == Step::Rename ? (errno = error, -1) : WriteCalls::rename(from, to);
    }
};

std::size_t filesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(SafeWrite, AnyFailedStepLeavesTheOldFileAndNoOtherFile) {
    using Step = FailingCalls::Step;
    const std::string cause = "No space left on device";
    for (const Step step : {Step::SecondWrite, Step::Fsync, Step::Close, Step::Rename}) {
        test::TempDir dir;
        const fs::path target = dir / "plan.csv";
        test::writeText(target, "old contents");
        FailingCalls calls;
        calls.step = step;
        const WriteResult result =
            writeFileReplacing(target, "new contents, longer", NewFileMode::AsUmaskAllows, calls);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.cause(), cause);
        EXPECT_EQ(writeFailureText(target, result), target.string() + ": " + cause);
        EXPECT_EQ(test::readText(target), "old contents");
        EXPECT_EQ(filesIn(dir.path()), 1u); // no temporary file left behind
    }
}

TEST(SafeWrite, APlantedLinkUnderTheOldTemporaryNameIsNeverFollowed) {
    test::TempDir dir;
    test::writeText(dir / "victim.txt", "precious");
    fs::create_symlink(dir / "victim.txt", dir / "OUT.RET.saving");
    ASSERT_TRUE(writeFileReplacing(dir / "OUT.RET", "scenario"));
    EXPECT_EQ(test::readText(dir / "victim.txt"), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "OUT.RET")));
    EXPECT_EQ(test::readText(dir / "OUT.RET"), "scenario");
}

TEST(SafeWrite, ALinkedTargetIsReplacedAtItsEndWithItsPermissionsKept) {
    test::TempDir dir;
    fs::create_directory(dir / "real");
    test::writeText(dir / "real/plan.RET", "old");
    fs::permissions(dir / "real/plan.RET",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/plan.RET", dir / "plan.RET");
    ASSERT_TRUE(writeFileReplacing(dir / "plan.RET", "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "plan.RET"));
    EXPECT_EQ(test::readText(dir / "real/plan.RET"), "new");
    EXPECT_EQ(fs::status(dir / "real/plan.RET").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SafeWrite, WorkFilesAreTheOwnersAloneAndOnlyRegularFilesAreReplaced) {
    test::TempDir dir;
    ASSERT_TRUE(writeFileReplacing(dir / "finance.dat", "x", NewFileMode::OwnerOnly));
    EXPECT_EQ(fs::status(dir / "finance.dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    const WriteResult toPipe = writeFileReplacing(dir / "pipe", "x");
    EXPECT_EQ(toPipe.cause(), "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
    fs::create_directory(dir / "folder");
    EXPECT_EQ(writeFileReplacing(dir / "folder", "x").cause(), "Not a regular file");
    EXPECT_EQ(writeFileReplacing(dir / "none/x.csv", "x").cause(), "No such file or directory");
}

TEST(RegularFilesOnly, AFifoOrAFolderIsNeitherReadNorOpenedAndNothingWaits) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    for (const char* name : {"pipe", "folder"}) {
        // Opening a FIFO without a writer would block for ever; these return at once.
        EXPECT_FALSE(readFileBytes(dir / name, 100).has_value()) << name;
        EXPECT_FALSE(canOpenForWriting(dir / name)) << name;
        EXPECT_EQ(openRegularForReading(dir / name), nullptr) << name;
        EXPECT_EQ(openWorkFileForWriting(dir / name), nullptr) << name;
    }
    test::writeText(dir / "plain", "abc");
    EXPECT_EQ(readFileBytes(dir / "plain", 100)->size(), 3u);
    std::FILE* work = openWorkFileForWriting(dir / "work.tmp");
    ASSERT_NE(work, nullptr);
    std::fclose(work);
    EXPECT_EQ(fs::status(dir / "work.tmp").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
} // namespace finplan
