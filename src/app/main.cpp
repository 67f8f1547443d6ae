#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#include "app/app_files.h"
#include "app/app_folders.h"
#include "app/font_warmup.h"
#include "app/form1.h"
#include "app/local_text.h"
#include "appearance/lazy_icons.h"
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
    // The window system's own options ("-platform offscreen", "-style fusion"), which the
    // application takes out once it starts; read here so they are not called unknown.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                             "geometry", "qwindowgeometry", "qwindowicon", "qwindowtitle", "title",
                             "name", "session", "style", "stylesheet"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "sync", "nograb", "dograb", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Reads the command line before any window system is needed, so a terminal without a
// display still gets its answer. Help and version end the program (standard output,
// status 0); a wrong command line ends it with the usage on standard error and status 2.
// Otherwise returns the files named.
QStringList ReadCommandLine(int argc, char** argv) {
    QCoreApplication terminal(argc, argv);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    QString wrong;
    if (!parser.parse(terminal.arguments()))
        wrong = parser.errorText();
    else if (parser.positionalArguments().size() > 1)
        wrong = QStringLiteral("Only one FILE can be opened.");
    if (!wrong.isEmpty()) {
        const QByteArray said = (QCoreApplication::applicationName() + QStringLiteral(": ") +
                                 wrong + QLatin1Char('\n') + parser.helpText())
                                    .toLocal8Bit();
        std::fputs(said.constData(), stderr);
        std::exit(2);
    }
    parser.process(terminal);  // help and version print and end the program
    return parser.positionalArguments();
}

}  // namespace

int main(int argc, char** argv) {
    lumeta::InstallTempFileCleanup();  // signals and file-size limits leave no temporary file
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMETA_VERSION));
    const QStringList files = ReadCommandLine(argc, argv);

    lumeta::FontConfigWarmup fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumeta"));
    QApplication::setDesktopFileName(QStringLiteral(LUMETA_APP_ID));
    lumeta::UseLazyExtensionIcons();

    lumeta::AppFolders folders =
        lumeta::FindAppFolders(lumeta::LocalText(QCoreApplication::applicationDirPath()));
    if (!folders.notice.empty()) std::fprintf(stderr, "lumeta: %s\n", folders.notice.c_str());
    lumeta::Form1 window(std::move(folders), lumeta::RandomSource::FromClock());
    fonts.Wait();  // the board is measured next
    window.Startup();
    window.show();
    if (!files.isEmpty()) window.OpenPuzzleFileNamed(lumeta::LocalPath(files.first()));
    return app.exec();
}
