#include <QApplication>

#include "app/form1.h"
#include "generator/random_source.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumeta"));

    lumeta::Form1 window(QCoreApplication::applicationDirPath().toStdString(),
                         lumeta::RandomSource::FromClock());
    window.Startup();
    window.show();
    return app.exec();
}
