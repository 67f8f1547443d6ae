// Start-up to first paint, timed from outside as whole processes: the game window, or a
// minimal window with one label as the yardstick. Each quits as soon as it has painted.
//
//   for i in $(seq 40); do /usr/bin/time -f %e build/bin/startup_probe game;
//       /usr/bin/time -f %e build/bin/startup_probe label; done
//
// "eager" sets the printer up before the first paint, as start-up once did, to see what
// that costs. Run on a display (Xvfb will do); the ratio of the medians is the figure.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <optional>
#include <string>

#include "app/app_folders.h"
#include "app/font_warmup.h"
#include "app/form1.h"
#include "app/local_text.h"
#include "appearance/lazy_icons.h"
#include "generator/random_source.h"
#include "output/current_printer.h"
#include "output/puzzle_printing.h"
#include "view/board_picture.h"

namespace {

class QuitOnFirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "game";
    // The game's main, step by step; the label is a bare toolkit program.
    std::optional<lumeta::FontConfigWarmup> fonts;
    if (mode != "label") fonts.emplace();
    QApplication app(argc, argv);
    QuitOnFirstPaint quit;
    if (mode == "label") {
        QLabel label(QStringLiteral("Lumeta"));
        label.installEventFilter(&quit);
        label.show();
        return app.exec();
    }
    lumeta::UseLazyExtensionIcons();
    lumeta::Form1 window(
        lumeta::FindAppFolders(lumeta::LocalText(QCoreApplication::applicationDirPath())),
        lumeta::RandomSource::FromClock());
    fonts->Wait();
    window.Startup();
    if (mode == "eager") window.printing->Printer().Printer();
    window.Picture1->installEventFilter(&quit);
    window.show();
    return app.exec();
}
