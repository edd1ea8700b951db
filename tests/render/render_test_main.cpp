#include "platform/numeric_locale.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts and the palette need one application object for all the drawing tests; it draws
// offscreen, also when the test discovery runs the tests outside CTest's environment.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);
    finplan::useCNumericLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
