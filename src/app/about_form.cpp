#include "app/about_form.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/button_pictures.h"
#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "controls/dialog_frame.h"
#include "controls/twips.h"

namespace lumeta {

namespace {

// Places in twips: left, top, width, height.
constexpr double kBoxWidth = 5400;
constexpr double kBoxHeight = 3300;

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
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);

    const TwipScale scale = TwipScale::ForWidget(this);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Lumeta"));
    const int pictureSize = scale.PixelsX(720);
    Image1->setPixmap(ButtonPicturePixmap(ButtonPicture::Create, pictureSize, devicePixelRatio()));
    Image1->setGeometry(scale.Pixels(180, 180, 720, 720));

    AboutText = new QPlainTextEdit(this);
    AboutText->setObjectName(QStringLiteral("AboutText"));
    AboutText->setAccessibleName(QStringLiteral("About Lumeta"));
    AboutText->setReadOnly(true);
    AboutText->setFrameShape(QFrame::NoFrame);
    AboutText->setPlainText(AboutLines());
    AboutText->setGeometry(scale.Pixels(1080, 180, 4140, 2280));
    AboutText->viewport()->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("Version " LUMETA_VERSION), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(scale.Pixels(180, 2640, 1800, 345));

    aboutok = new BoxControl(this);
    aboutok->setObjectName(QStringLiteral("aboutok"));
    aboutok->SetCaption(QStringLiteral("OK"));
    aboutok->setAccessibleName(QStringLiteral("OK"));
    aboutok->setGeometry(scale.Pixels(kBoxWidth - 1065, 2640, 885, 345));
    connect(aboutok, &BoxControl::MouseUp, this, &QWidget::hide);

    setFixedSize(scale.PixelsX(kBoxWidth), scale.PixelsY(kBoxHeight));
}

void AboutForm::ApplyColours(const ColourScheme& scheme, std::uint32_t nearBlack) {
    const std::uint32_t background = scheme.SchemeColours[2];
    SetColour(this, QPalette::Window, background);
    SetColour(AboutText, QPalette::Base, background);
    SetColour(Label1, QPalette::Window, scheme.ButtonColour());
    SetColour(Label1, QPalette::WindowText, nearBlack);
    aboutok->SetBackColor(scheme.ButtonColour());
    aboutok->SetForeColor(nearBlack);
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
