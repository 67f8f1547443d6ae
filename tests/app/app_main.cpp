#include <gtest/gtest.h>

#include <QApplication>

// The window tests show widgets and answer modal boxes, so they need an application
// object. They run without a display unless one is asked for, also when CTest lists them.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumeta"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
