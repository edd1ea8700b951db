#include "cli_test_support.h"
#include "support/case_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace finplan::test {
namespace {

namespace fs = std::filesystem;

// The checked-in example must be exactly what the sample command writes today, so a change to
// the sample or to the file writer cannot slip by without regenerating it.
TEST(CheckedInSample, MatchesAFreshSampleRunByteForByte) {
    const fs::path checkedIn = testData("../../examples/sample.RET");
    ASSERT_TRUE(fs::is_regular_file(checkedIn)) << checkedIn << " is missing";

    TempDir dir;
    const std::string fresh = (dir / "fresh.RET").string();
    const CliRun run = runCliWith({"sample", fresh});
    ASSERT_EQ(run.code, 0) << run.err;

    const std::vector<Byte> expected = readAll(fresh);
    const std::vector<Byte> actual = readAll(checkedIn);
    std::size_t firstDifference = 0;
    while (firstDifference < expected.size() && firstDifference < actual.size() &&
           expected[firstDifference] == actual[firstDifference]) {
        ++firstDifference;
    }
    EXPECT_TRUE(expected == actual)
        << "examples/sample.RET differs from a fresh sample run (" << actual.size() << " bytes "
        << "checked in, " << expected.size() << " written, first difference at byte "
        << firstDifference << ").\nIf the change is intended, regenerate it from the source "
        << "directory with\n    <build>/src/cli/finplan-cli sample examples/sample.RET\n"
        << "and check in the new file.";
}

} // namespace
} // namespace finplan::test
