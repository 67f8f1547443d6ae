#include <gtest/gtest.h>

#include <QApplication>

#include "support/temp_dir.h"

// The main of every test program that shows widgets. Test discovery runs without the
// offscreen setting that the tests get. What Qt keeps for the user (the file dialog's
// history, caches, the runtime folder) goes to a folder of the test program's own, never
// to the home folder or /tmp.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const lumeta::testing::TempDir userFolders;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, QByteArray::fromStdString(userFolders.path().string()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
