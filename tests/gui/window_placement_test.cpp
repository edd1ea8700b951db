// A window placement from the preferences file, fitted to the screen it shows on.
#include "gui/shell/window_placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace finplan::gui {
namespace {

TEST(WindowPlacement, StoredWindowsAreFittedToTheScreen) {
    const QSize minimum(600, 300);
    const QRect screen(0, 0, 1920, 1080);
    struct Case {
        const char* what;
        QPoint position;
        QSize size;
        QRect available;
        QRect fitted;
    };
    const Case cases[] = {
        {"fits as it is", {100, 100}, {600, 500}, screen, {100, 100, 600, 500}},
        {"too large", {100, 100}, {20000, 20000}, screen, {0, 0, 1920, 1080}},
        {"off to the right and below", {5000, 3000}, {800, 600}, screen, {1120, 480, 800, 600}},
        {"off to the left and above", {-32000, -32000}, {800, 600}, screen, {0, 0, 800, 600}},
        {"below the minimum", {10, 20}, {0, -5}, screen, {10, 20, 600, 300}},
        {"extreme numbers", {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, screen, {0, 0, 1920, 1080}},
        {"a second screen",
         {2000, 100},
         {3000, 900},
         {1920, 0, 1280, 1024},
         {1920, 100, 1280, 900}},
        {"a screen below the minimum", {50, 50}, {800, 600}, {0, 0, 500, 200}, {0, 0, 600, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fitWindowToScreen(c.position, c.size, minimum, c.available), c.fitted);
    }
}

TEST(WindowPlacement, AFirstStartIsCentredWithinNinetyPercentOfTheScreen) {
    const QSize minimum(600, 300);
    struct Case {
        const char* what;
        QSize wanted;
        QRect available;
        QRect placed;
    };
    const Case cases[] = {
        {"room enough", {1280, 800}, {0, 0, 1600, 1000}, {160, 100, 1280, 800}},
        {"at most 90 %", {2000, 1200}, {0, 0, 1600, 1000}, {80, 50, 1440, 900}},
        {"a screen beside the first", {1280, 800}, {1920, 30, 1600, 1000}, {2080, 130, 1280, 800}},
        {"a small screen keeps the minimum", {1280, 800}, {0, 0, 640, 320}, {20, 10, 600, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(firstStartPlacement(c.wanted, minimum, c.available), c.placed);
    }
}

} // namespace
} // namespace finplan::gui
