#include "runner/QuietOffscreen.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Some tests drive real windows headless.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quietOffscreenWarnings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
