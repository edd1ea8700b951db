#include "platform/numeric_locale.h"

#include <QApplication>

#include <gtest/gtest.h>

// The windows need one application object; they draw offscreen, also when the test discovery
// runs the tests outside CTest's environment.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication application(argc, argv);
    finplan::useCNumericLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
