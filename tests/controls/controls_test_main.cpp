#include <gtest/gtest.h>

#include <QApplication>

// The controls are real widgets: they need an application object, on the offscreen
// platform unless another one was asked for (test discovery runs without the environment).
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
