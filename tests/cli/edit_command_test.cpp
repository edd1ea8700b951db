#include "cli_cases.h"
#include "model/scenario_image.h"
#include "support/case_file.h"
#include "support/scenario_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace finplan::test {
namespace {

// A small plan on disk and a copy of it; the runs and their answers are in
// tests/data/cli/edit_runs.txt.
TEST(EditCommand, ListEditsRefusalsBirthdaysCalculateSampleAndMisuse) {
    for (const char* word :
         {"list", "edited", "refused", "birthday", "calculate", "sample", "misuse"}) {
        const TempDir dir;
        const auto plan = encodeScenarioImage(
            makeScenario(test::textBlock("cli/edit_command_scenarios.txt", "scenario")));
        writeAll(dir / "plan.RET", plan);
        writeAll(dir / "before.RET", plan);
        writeText(dir / "taken.RET", "keep");
        runCliCases("cli/edit_runs.txt", word, dir.path());
    }
}

} // namespace
} // namespace finplan::test
