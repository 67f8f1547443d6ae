#include "appearance/colour_picker.h"
#include "appearance/options_form.h"
#include "appearance/scheme_file.h"
#include "controls/msg_form.h"
#include "output/prnt_form.h"
#include "output/puzzle_printing.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

// The shipped scheme as the loader reads it.
SchemeSlots Shipped(const std::string& name) {
    SchemeSlots table{};
    EXPECT_TRUE(LoadScheme(LUMETA_DATA_DIR "/all.col", name, table)) << name;
    return table;
}

// The darkest pixel of what a widget shows: its text, where it has any.
int DarkestPixel(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, image.pixelColor(x, y).lightness());
    return darkest;
}

class AppearanceTest : public WindowTest {
  protected:
    QColor Background() const { return form->centralWidget()->palette().color(QPalette::Window); }
    static void Release(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(widget, button, {}, QPoint(2, 2));
    }
    // Picks a scheme in the dialog's list as the player does.
    static void Pick(OptionsForm& options, const QString& name) {
        const int index = options.Combo1->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        options.Combo1->setCurrentIndex(index);
        emit options.Combo1->activated(index);
    }
    // "Edit Options": `act` works the dialog while it is up, then it is closed.
    void WorkOptions(std::function<void(OptionsForm&)> act) {
        QTimer::singleShot(0, form, [this, act] {
            OptionsForm& options = form->Options();
            if (QTest::qWaitFor([&] { return options.isVisible(); })) act(options);
            Release(options.Command2);
        });
        form->mnucolsch->trigger();
        EXPECT_FALSE(form->Options().isVisible());
    }
};

// A dark desktop for the life of a test: light text on dark grounds.
struct DarkDesktop {
    DarkDesktop() {
        QPalette dark = before;
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(40, 40, 40));
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(240, 240, 240));
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() { QApplication::setPalette(before); }
    const QPalette before = QApplication::palette();
};

TEST_F(AppearanceTest, UnderADarkDesktopTheTextOnSchemeColoursStaysDark) {
    const DarkDesktop desktop;
    Start();
    form->Statx->setText("Ready ...");
    EXPECT_LT(DarkestPixel(form->Statx), 60);
    EXPECT_LT(DarkestPixel(form->menuBar()), 60);
    EXPECT_EQ(form->msgForm->palette().color(QPalette::ButtonText), QColor(2, 2, 2));
    WorkOptions([](OptionsForm& options) {
        EXPECT_LT(DarkestPixel(options.frameFonts->findChild<QListWidget*>()), 60);
        EXPECT_LT(DarkestPixel(options.ColPik1->Label2), 60);
        // The picker's numbers in their dark colours on the scheme's light ground.
        for (QLabel* degree : {options.ColPik1->lblRedDegree, options.ColPik1->lblGreenDegree,
                               options.ColPik1->lblBlueDegree})
            EXPECT_LT(degree->palette().color(QPalette::WindowText).lightness(), 128);
    });
}

// A scheme picked in the options dialog goes on the windows only when applied, and Save Options
// keeps it for the next start.
TEST_F(AppearanceTest, ApplyChangesRestylesTheWindowAndSaveOptionsKeepsItForTheNextStart) {
    WritePuzzles("puzzles.txt", 3);
    Start();
    const QColor xp = Background();
    const SchemeSlots sandstone = Shipped("sandstone.col");
    const auto offsets = S().geometry.DigitDY;  // measured when the board was built
    WorkOptions([&](OptionsForm& options) {
        Pick(options, "sandstone");
        EXPECT_EQ(S().scheme.SchemeColours[2], sandstone[2]);
        EXPECT_EQ(Background(), xp);
        EXPECT_EQ(form->printing->Form().palette().color(QPalette::Window), xp);
        options.ColPik1->SetSchemeColor(RGBValue(0, 0, 255));
        Release(options.swatches[4]);  // the hexagon fill
        Release(options.Label7);
        Release(options.frame2);
        Release(options.Command1);
        EXPECT_TRUE(options.isVisible());
        EXPECT_EQ(Background(), ColourFromValue(sandstone[2]));
        EXPECT_EQ(form->Picture1->font().pointSize(), 11);
        EXPECT_EQ(S().geometry.DigitDY, offsets);
        EXPECT_GT(ColourInBox(3, 6, Qt::blue, 0), 50);
    });
    form->mnusaveopts->trigger();
    // The clue digits keep their red through the scheme pick.
    const std::string saved =
        "sandstone.col\r\npuzzles.txt\r\nArial\r\n 1  11  0  255  0  128  "
        "16711680  3  " +
        std::to_string(sandstone[4]) + " \r\n";
    EXPECT_EQ(ReadBytes(ConfigPath()).substr(0, saved.size()), saved);
    Start();  // on every window
    EXPECT_EQ(Background(), ColourFromValue(sandstone[2]));
    EXPECT_EQ(form->msgForm->BackColor(), sandstone[2]);
    EXPECT_EQ(form->cmdundo->BackColor(), sandstone[4]);
    EXPECT_GT(ColourInBox(3, 6, Qt::blue, 0), 50);
}

}  // namespace
}  // namespace lumeta
