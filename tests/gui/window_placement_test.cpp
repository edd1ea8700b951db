// A window placement from the preferences file, fitted to the screen it shows on.
#include "gui/shell/window_placement.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace finplan::gui {
namespace {

std::vector<int> numbers(const std::string& text) {
    std::vector<int> values;
    std::istringstream in(text);
    for (long long v = 0; in >> v;) {
        values.push_back(static_cast<int>(v));
    }
    return values;
}

QRect rect(const std::string& text) {
    const std::vector<int> v = numbers(text);
    return {v.at(0), v.at(1), v.at(2), v.at(3)};
}

QSize size(const std::string& text) {
    const std::vector<int> v = numbers(text);
    return {v.at(0), v.at(1)};
}

TEST(WindowPlacement, StoredAndFirstPlacementsFitTheScreen) {
    const QSize minimum(600, 300);
    test::forEachCase("gui/window_placement.txt", "", 12, [&](const test::CaseLine& c) {
        const QSize wanted = size(c.input("size"));
        const QRect screen = rect(c.input("screen"));
        if (c.word == "fit") {
            const std::vector<int> at = numbers(c.input("at"));
            EXPECT_EQ(fitWindowToScreen({at.at(0), at.at(1)}, wanted, minimum, screen),
                      rect(c.answer("is")));
        } else {
            EXPECT_EQ(firstStartPlacement(wanted, minimum, screen), rect(c.answer("is")));
        }
    });
}

} // namespace
} // namespace finplan::gui
