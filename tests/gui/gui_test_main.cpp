#include "platform/numeric_locale.h"

#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

// The GUI tests need one application object for all of them; they draw offscreen, also when
// the test discovery runs them outside CTest's environment.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    finplan::useCNumericLocale();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
