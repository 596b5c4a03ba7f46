// The GUI tests' own entry: without a display they run on the offscreen platform, which must be
// chosen before Qt starts (the test runner does not pass the test's environment on).
#include <QApplication>
#include <gtest/gtest.h>

#include "shell/tree_icons.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    lk::initShellResources();
    return RUN_ALL_TESTS();
}
