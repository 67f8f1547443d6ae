#include "app/program_picture.h"

#include <QIcon>
#include <QImageReader>
#include <QWidget>

#include "app/first_paint.h"

// The pictures live in the program's resources, which a library must load itself.
static void LoadProgramPictures() {
    Q_INIT_RESOURCE(app_pictures);
}

namespace lumeta {

QPixmap ProgramPicture(int size) {
    LoadProgramPictures();
    // Read as the PNG it is: a reader left to guess asks every image format plugin, and so
    // loads them all.
    QImageReader reader(size == 48 ? QStringLiteral(":/lumeta/lumeta-48.png")
                                   : QStringLiteral(":/lumeta/lumeta.png"),
                        "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void SetProgramIcon(QWidget& window) {
    window.setWindowIcon(QIcon(ProgramPicture(48)));
    // The large picture alone, as the desktop has always been given it: a window manager
    // offered both sizes may scale the small one for its title bar.
    AfterFirstPaint(window, [&window] { window.setWindowIcon(QIcon(ProgramPicture())); });
}

}  // namespace lumeta
