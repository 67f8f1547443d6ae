#include "app/about_form.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "controls/dialog_frame.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

// Places in twips: left, top, width, height.
constexpr double kBoxWidth = 6900;
constexpr double kBoxHeight = 3600;

void SetColour(QWidget* widget, QPalette::ColorRole role, std::uint32_t colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, ColourFromValue(colour, palette));
    widget->setPalette(palette);
}

}  // namespace

QString AboutForm::AboutLines() {
    return QStringLiteral(
               "Lumeta %1, %2\n"
               "A number puzzle for the Linux desktop.\n"
               "\n"
               "Fill each hexagon with numbers 1 to 6.\n"
               "Two numbers at touching sides must add up to 7.\n"
               "\n"
               "Every puzzle Lumeta makes has exactly one solution.\n"
               "Licence: %3. Lumeta comes without any warranty.")
        .arg(QStringLiteral(LUMETA_VERSION), QStringLiteral(LUMETA_YEAR),
             QStringLiteral(LUMETA_LICENSE));
}

AboutForm::AboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(DialogFrame());
    setAutoFillBackground(true);

    const TwipScale scale = TwipScale::ForWidget(this);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Lumeta"));
    const int pictureSize = scale.PixelsX(720);
    QPixmap picture =
        ProgramPicture().scaled(pictureSize * devicePixelRatio(), pictureSize * devicePixelRatio(),
                                Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(devicePixelRatio());
    Image1->setPixmap(picture);
    Image1->setGeometry(scale.Pixels(180, 180, 720, 720));

    AboutText = new QPlainTextEdit(this);
    AboutText->setObjectName(QStringLiteral("AboutText"));
    AboutText->setAccessibleName(QStringLiteral("About Lumeta"));
    AboutText->setReadOnly(true);
    AboutText->setFrameShape(QFrame::NoFrame);
    AboutText->setPlainText(AboutLines());
    AboutText->setGeometry(scale.Pixels(1080, 180, kBoxWidth - 1260, 2580));
    AboutText->viewport()->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("Version " LUMETA_VERSION), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(scale.Pixels(180, 2940, 1800, 345));

    aboutok = new BoxControl(this);
    aboutok->setObjectName(QStringLiteral("aboutok"));
    aboutok->SetCaption(QStringLiteral("OK"));
    aboutok->SetBackColor(kSystemColourBit | 15);  // the system's button face until coloured
    aboutok->setAccessibleName(QStringLiteral("OK"));
    aboutok->setGeometry(scale.Pixels(kBoxWidth - 1065, 2940, 885, 345));
    connect(aboutok, &BoxControl::MouseUp, this, &QWidget::hide);

    setFixedSize(scale.PixelsX(kBoxWidth), scale.PixelsY(kBoxHeight));
}

void AboutForm::ApplyColours(const ColourScheme& scheme, std::uint32_t textColour) {
    // A dark scheme names its own light text.
    const std::uint32_t nearBlack = scheme.TextColour.value_or(textColour);
    const std::uint32_t background = scheme.SchemeColours[2];
    SetColour(this, QPalette::Window, background);
    SetColour(AboutText, QPalette::Base, background);
    // Dark text on the scheme's background, whatever the desktop's own text colour.
    SetColour(AboutText, QPalette::Text, nearBlack);
    SetColour(Label1, QPalette::Window, scheme.ButtonColour());
    SetColour(Label1, QPalette::WindowText, nearBlack);
    aboutok->SetBackColor(scheme.ButtonColour());
    aboutok->SetForeColor(nearBlack);
}

void AboutForm::closeEvent(QCloseEvent* event) {
    // Unloading releases the box (not at once: its modal loop is still running).
    QDialog::closeEvent(event);
    deleteLater();
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == AboutText->viewport() && event->type() == QEvent::MouseButtonPress) {
        close();  // unloads the box
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace lumeta
