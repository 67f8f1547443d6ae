#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <string_view>

#include "app/app_files.h"
#include "app/app_folders.h"
#include "app/form1.h"
#include "app/local_text.h"
#include "generator/random_source.h"
#include "puzzlefiles/safe_replace.h"

namespace {

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Lumeta, a number puzzle: fill each hexagon with the numbers 1 to 6 so "
                       "that the numbers on touching sides add up to 7."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A puzzle file to open at its first puzzle."),
                                 QStringLiteral("[FILE]"));
}

bool AsksForHelpOrVersion(int argc, char** argv) {
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--") return false;
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (argument == option) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    lumeta::InstallTempFileCleanup();  // signals and file-size limits leave no temporary file
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMETA_VERSION));
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    if (AsksForHelpOrVersion(argc, argv)) {
        // Answered without a window system, as in a terminal without a display.
        QCoreApplication terminal(argc, argv);
        parser.process(terminal);  // prints and ends the program
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumeta"));
    QApplication::setDesktopFileName(QStringLiteral(LUMETA_APP_ID));
    parser.process(app);  // a wrong option ends the program with a message
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) parser.showHelp(2);

    lumeta::AppFolders folders =
        lumeta::FindAppFolders(lumeta::LocalText(QCoreApplication::applicationDirPath()));
    if (!folders.notice.empty()) std::fprintf(stderr, "lumeta: %s\n", folders.notice.c_str());
    lumeta::Form1 window(std::move(folders), lumeta::RandomSource::FromClock());
    window.Startup();
    window.show();
    if (!files.isEmpty()) window.OpenPuzzleFileNamed(lumeta::LocalPath(files.first()));
    return app.exec();
}
