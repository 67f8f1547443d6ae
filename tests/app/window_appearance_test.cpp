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

QColor Colour(std::uint32_t value) {
    return ColourFromValue(value);
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
    void WriteLook(const std::string& scheme, std::int32_t buttonColour = 0) {
        std::ofstream(ConfigPath(), std::ios::binary)
            << scheme + "\r\n\r\nArial\r\n 0  10  0  255  0  128  16777215  2 " +
                   std::to_string(buttonColour) + " \r\n \r\n \r\n \r\n \r\n \r\n";
    }
    QColor Background() const { return form->centralWidget()->palette().color(QPalette::Window); }
    QColor MenuColour() const { return form->menuBar()->palette().color(QPalette::Window); }
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

// Every pixel of the widget's face, `inset` pixels in from its edges, has the colour.
void ExpectFlatFace(QWidget* widget, const QColor& colour, int inset = 3) {
    const QImage image = widget->grab().toImage();
    int others = 0;
    for (int y = inset; y < image.height() - inset; ++y)
        for (int x = inset; x < image.width() - inset; ++x)
            others += image.pixelColor(x, y) != colour;
    EXPECT_EQ(others, 0) << widget->objectName().toStdString();
}

TEST_F(AppearanceTest, StartUpFromAnotherFolderListsTheSchemesAndPutsTheNamedOneOnEveryWindow) {
    WriteLook("harbour.col");
    const SchemeSlots harbour = Shipped("harbour.col");
    Start();  // no puzzle: the board's ground is the window's
    EXPECT_EQ(form->Picture1->Image().pixelColor(0, 0), Colour(harbour[2]));
    WritePuzzles("puzzles.txt", 2);
    Start();
    const std::vector<std::string> names = ListSchemes(LUMETA_DATA_DIR "/all.col");
    ASSERT_EQ(form->Options().Combo1->count(), static_cast<int>(names.size()));
    EXPECT_EQ(form->Options().Combo1->itemText(1), Q(names[1]));

    EXPECT_EQ(S().scheme.SchemeColours[2], harbour[2]);
    EXPECT_EQ(S().scheme.SchemeColours[13], harbour[4]);  // the unset user colour
    EXPECT_EQ(Background(), Colour(harbour[2]));
    EXPECT_EQ(MenuColour(), Colour(harbour[3]));
    const QImage menuBar = form->menuBar()->grab().toImage();
    EXPECT_EQ(menuBar.pixelColor(menuBar.width() - 3, menuBar.height() / 2), Colour(harbour[3]));
    // The menus in the bar's colour, buttons and frames as flat faces.
    QMenu* menu = form->menuBar()->actions().first()->menu();
    const QImage popup = menu->grab().toImage();
    EXPECT_EQ(popup.pixelColor(popup.width() - 4, popup.height() / 2), Colour(harbour[3]));
    form->msgForm->cmd[0]->resize(60, 23);
    ExpectFlatFace(form->msgForm->cmd[0], Colour(harbour[4]));
    form->Options().show();
    const QImage frame = form->Options().Frame1->grab().toImage();
    for (int y = form->Options().Frame1->fontMetrics().height() + 6; y < frame.height() - 3; ++y)
        ASSERT_EQ(frame.pixelColor(4, y), Colour(harbour[2])) << y;  // left of its controls
    form->Options().hide();
    for (BoxControl* button : {form->cmdload, form->cmdarrow[1], form->cmdverify, form->cmdundo})
        EXPECT_EQ(button->BackColor(), harbour[4]) << button->objectName().toStdString();
    EXPECT_EQ(form->msgForm->BackColor(), harbour[2]);
    EXPECT_EQ(form->msgForm->ButtonColor(), harbour[4]);
    EXPECT_EQ(form->msgForm->ForeColor(), S().NearBlack);
    EXPECT_EQ(form->Picture1->Image().pixelColor(0, 0), Colour(harbour[2]));
    const QImage shown = form->grab().toImage();
    const QPoint client = form->centralWidget()->mapTo(form, QPoint(0, 0));
    EXPECT_EQ(shown.pixelColor(client + form->Statx->geometry().center() + QPoint(120, 0)),
              Colour(harbour[2]));
}

// A dark desktop for the life of a test: light text on dark grounds.
struct DarkDesktop {
    DarkDesktop() {
        QPalette dark = before;
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(40, 40, 40)},
                                    {QPalette::Base, QColor(30, 30, 30)},
                                    {QPalette::Button, QColor(50, 50, 50)}})
            dark.setColor(role, colour);
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
    });
}

TEST_F(AppearanceTest, TheUserButtonColourReplacesTheFaceUnlessItIsASystemColour) {
    const SchemeSlots xp = Shipped("xp.col");
    const std::uint32_t own = RGBValue(10, 100, 10);
    const std::pair<std::int32_t, std::uint32_t> cases[] = {
        {0, xp[4]}, {static_cast<std::int32_t>(own), own}, {-2147483633, xp[4]}};
    for (const auto& [saved, face] : cases) {
        SCOPED_TRACE(saved);
        WriteLook("xp.col", saved);
        Start();
        EXPECT_EQ(S().scheme.SchemeColours[4], face);
        EXPECT_EQ(form->cmdcreate->BackColor(), face);
        EXPECT_EQ(S().scheme.SchemeColours[13], saved ? static_cast<std::uint32_t>(saved) : xp[4]);
    }
}

TEST_F(AppearanceTest, SchemesNamedDefaultLeaveTheMenusAsTheyAre) {
    std::ofstream(AppDir() + "all.col", std::ios::app | std::ios::binary)
        << "OurDeFaults.col\r\n0;0;0\r\n0;0;0\r\n90;200;90\r\n0;0;0\r\n200;200;200\r\n"
           "0;0;0\r\n0;0;0\r\n0;0;0\r\n0;0;0\r\n0;0;0\r\n0;0;0\r\n0;0;0\r\n0;0;0\r\n";
    WriteLook("OurDeFaults.col");
    Start();
    EXPECT_EQ(MenuColour(), QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(Background(), QColor(90, 200, 90));

    S().scheme.SchemeName = "xp.col";
    form->ApplyCommand();
    const QColor painted = Colour(Shipped("xp.col")[3]);
    EXPECT_EQ(MenuColour(), painted);
    for (QMenu* menu : form->menuBar()->findChildren<QMenu*>())
        EXPECT_EQ(menu->palette().color(QPalette::Window), painted) << menu->title().toStdString();
    S().scheme.SchemeName = "OurDeFaults.col";
    form->ApplyCommand();
    EXPECT_EQ(MenuColour(), painted);
    EXPECT_EQ(Background(), QColor(90, 200, 90));
}

TEST_F(AppearanceTest, ApplyChangesRestylesTheWindowAndSaveOptionsKeepsItForTheNextStart) {
    WritePuzzles("puzzles.txt", 3);
    Start();
    const SchemeSlots sandstone = Shipped("sandstone.col");
    const std::uint32_t blue = RGBValue(0, 0, 255);
    const auto offsets = S().geometry.DigitDY;  // measured when the board was built
    WorkOptions([&](OptionsForm& options) {
        Pick(options, "sandstone");
        options.ColPik1->SetSchemeColor(blue);
        Release(options.swatches[4]);  // the hexagon fill
        Release(options.Label7);
        Release(options.frame2);
        Release(options.Command1);
        EXPECT_TRUE(options.isVisible());
        EXPECT_EQ(Background(), Colour(sandstone[2]));
        EXPECT_EQ(form->Picture1->font().pointSize(), 11);
        EXPECT_EQ(S().geometry.DigitDY, offsets);
        EXPECT_GT(ColourInBox(3, 6, Qt::blue, 0), 50);
    });
    form->mnusaveopts->trigger();
    std::ifstream saved(ConfigPath(), std::ios::binary);
    std::string scheme, file, font, numbers;
    std::getline(saved, scheme), std::getline(saved, file), std::getline(saved, font);
    std::getline(saved, numbers);
    EXPECT_EQ(scheme, "sandstone.col\r");
    // The clue digits keep their red through the scheme pick.
    EXPECT_EQ(numbers,
              " 1  11  0  255  0  128  16711680  3  " + std::to_string(sandstone[4]) + " \r");

    Start();
    EXPECT_EQ(S().scheme.SchemeName, "sandstone.col");
    EXPECT_EQ(Background(), Colour(sandstone[2]));
    EXPECT_EQ(form->cmdundo->BackColor(), sandstone[4]);
    EXPECT_EQ(form->Picture1->font().pointSize(), 11);
    EXPECT_GT(ColourInBox(3, 6, Qt::blue, 0), 50);
}

// The options dialog and the print window are made on first use; a scheme picked in the
// dialog but not applied stays off the window and off the print window made after it.
TEST_F(AppearanceTest, APickedSchemeLeavesEveryWindowAsItWasUntilApplied) {
    WriteLook("harbour.col");
    WritePuzzles("puzzles.txt", 2);
    Start();
    EXPECT_TRUE(form->findChildren<OptionsForm*>().isEmpty());
    EXPECT_EQ(form->printing->MadeForm(), nullptr);
    const QColor before = Background(), menu = MenuColour();
    const std::uint32_t buttons = form->cmdverify->BackColor();
    WorkOptions([](OptionsForm& options) { Pick(options, "meadow"); });
    EXPECT_EQ(S().scheme.SchemeColours[2], Shipped("meadow.col")[2]);
    EXPECT_EQ(S().scheme.SchemeName, "harbour.col");
    EXPECT_EQ(Background(), before);
    EXPECT_EQ(MenuColour(), menu);
    EXPECT_EQ(form->cmdverify->BackColor(), buttons);
    const QWidget& printWindow = form->printing->Form();
    EXPECT_EQ(printWindow.palette().color(QPalette::Window), Colour(Shipped("harbour.col")[2]));
}

TEST_F(AppearanceTest, WithoutASchemeFileTheListIsEmptyAndTheLoaderSaysSoOnce) {
    fs::remove(AppDir() + "all.col");
    WriteLook("harbour.col");
    answers << "Ok";
    Start();
    EXPECT_EQ(texts, QStringList{"Colour Scheme: harbour.col not found"});
    EXPECT_EQ(boxes, QStringList{"icon 4: Ok"});
    EXPECT_EQ(S().scheme.SchemeName, "xp.col");
    EXPECT_EQ(form->Options().Combo1->count(), 0);
    // The windows keep the system's colours and text.
    EXPECT_EQ(Background(), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(form->Statx->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
}

}  // namespace
}  // namespace lumeta
