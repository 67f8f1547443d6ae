#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <iostream>

#include "support/temp_dir.h"

// The main of every test program that shows widgets. Test discovery runs without the
// offscreen setting that the tests get. What Qt keeps for the user (the file dialog's
// history, caches, the runtime folder) goes to a folder of the test program's own, never
// to the home folder; so does every temporary file, and one left behind fails the run.
int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const lumeta::testing::TempDir userFolders;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, QByteArray::fromStdString(userFolders.path().string()));
    const fs::path temp = userFolders.path() / "tmp";
    fs::create_directory(temp);
    qputenv("TMPDIR", QByteArray::fromStdString(temp.string()));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    int status = RUN_ALL_TESTS();
    for (const auto& left : fs::directory_iterator(temp)) {
        std::cerr << "left behind in the temporary folder: " << left.path().filename() << "\n";
        status = 1;
    }
    return status;
}
