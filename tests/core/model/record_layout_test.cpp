#include "model/scenario.h"
#include "model/scenario_image.h"

#include <gtest/gtest.h>

namespace finplan {
namespace {

TEST(RecordLayout, SizesAddUpToTheFileLayout) {
    EXPECT_EQ(kScenarioFixedBytes, 14450u);
}

} // namespace
} // namespace finplan
