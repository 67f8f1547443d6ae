#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "appearance/colour_picker.h"
#include "appearance/options_form.h"
#include "controls/box_control.h"
#include "controls/colour_value.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

class OptionsFormTest : public ::testing::Test {
  protected:
    OptionsFormTest() : form(scheme, appearance, dir.path().string() + "/", RGBValue(2, 2, 2)) {
        // Two schemes, "sea" and the one in use, as a player's always is in the list.
        std::string lines = "1;1;1\r\n1;1;1\r\n40;80;200\r\n1;1;1\r\n60;70;80\r\n";
        for (int line = 5; line < 13; ++line)
            lines += "1;1;1\r\n";
        dir.Write("all.col", "sea.col\r\n" + lines + "xp.col\r\n" + lines);
        scheme.SchemeName = "xp.col";
        scheme.SchemeColours[2] = RGBValue(230, 230, 220);
        scheme.SchemeColours[4] = RGBValue(250, 5, 128);
        appearance.BorderWidth = 20;
        appearance.BoardFontSize = 32;
        appearance.HexFillColour = RGBValue(1, 2, 3);
        form.ListFonts();
        form.ListSchemes();
        // Every message box is answered and its text kept, so none can hang a test.
        boxes.callOnTimeout([this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        boxes.start(20);
        form.show();
    }
    void TearDown() override { EXPECT_EQ(shown, QStringList{}) << "an unexpected box"; }
    void Release(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(widget, button, {}, QPoint(2, 2));
    }
    int FontSize() const { return form.Label7->font().pointSize(); }

    testing::TempDir dir;
    ColourScheme scheme;
    BoardAppearance appearance;
    OptionsForm form;
    QStringList shown;
    QTimer boxes;
};

TEST_F(OptionsFormTest, ShowsTheSettingsAndKeepsSizesWidthsAndButtonColoursInRange) {
    EXPECT_EQ(form.Combo1->currentText(), "xp");
    EXPECT_EQ(form.SwatchColour(4), RGBValue(1, 2, 3));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(230, 230, 220));
    EXPECT_EQ(form.palette().color(QPalette::WindowText), QColor(2, 2, 2));

    Release(form.Label7);
    EXPECT_EQ(FontSize(), 32);
    for (int click = 0; click < 30; ++click)
        Release(form.Label7, Qt::RightButton);
    EXPECT_EQ(FontSize(), 8);
    Release(form.frame2);
    EXPECT_EQ(form.SampleWidth(), 1);  // past 20 it wraps to the thinnest
    Release(form.frame2, Qt::RightButton);
    EXPECT_EQ(form.SampleWidth(), 1);
    Release(form.frame2);
    EXPECT_EQ(form.SampleWidth(), 2);

    Release(form.cmdadjust4, Qt::RightButton);
    EXPECT_EQ(scheme.SchemeColours[4], RGBValue(255, 15, 138));
    EXPECT_EQ(scheme.SchemeColours[13], RGBValue(255, 15, 138));
    EXPECT_EQ(form.Command1->BackColor(), RGBValue(255, 15, 138));
    scheme.SchemeColours[4] = RGBValue(250, 5, 128);
    Release(form.cmdadjust4);
    EXPECT_EQ(scheme.SchemeColours[4], RGBValue(240, 10, 118));
}

TEST_F(OptionsFormTest, FindsTheBoardFontInAnyCapitalsAndSwatchesTakeThePickedColour) {
    // The test's own families, whatever fonts the machine has.
    form.List2->clear();
    form.List2->addItems({"Alpha Sans", "Beta Serif", "Gamma Mono"});
    appearance.BoardFontName = "BETA SERIF";
    form.hide();
    form.show();
    ASSERT_EQ(form.List2->selectedItems().size(), 1);
    EXPECT_EQ(form.List2->selectedItems().first()->text(), "Beta Serif");
    EXPECT_EQ(form.Label7->font().family(), "Beta Serif");

    form.ColPik1->SetSchemeColor(RGBValue(9, 99, 199));
    Release(form.swatches[2], Qt::RightButton);  // a left click only
    EXPECT_EQ(form.SwatchColour(2), appearance.GridColour);
    Release(form.swatches[2]);
    EXPECT_EQ(form.SwatchColour(2), RGBValue(9, 99, 199));
    Release(form.swatches[0], Qt::RightButton);  // any button
    EXPECT_EQ(form.SwatchColour(0), RGBValue(9, 99, 199));
}

TEST_F(OptionsFormTest, PickingASchemePreviewsItAndApplyingWritesTheSettings) {
    QSignalSpy applied(&form, &OptionsForm::ApplyChanges);
    const std::uint32_t fixedColour = form.SwatchColour(1);
    form.Combo1->setCurrentIndex(0);
    emit form.Combo1->activated(0);
    EXPECT_EQ(scheme.SchemeColours[2], RGBValue(40, 80, 200));
    EXPECT_EQ(scheme.SchemeColours[13], RGBValue(60, 70, 80));
    EXPECT_EQ(form.SwatchColour(1), fixedColour);  // clue digits stay readable
    EXPECT_EQ(form.Frame1->title(), "Colour Scheme: sea");
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(40, 80, 200));
    EXPECT_EQ(form.ColPik1->SchemeColor(), RGBValue(40, 80, 200));
    EXPECT_EQ(scheme.SchemeName, "xp.col");  // only applying names the scheme

    Release(form.Label7, Qt::RightButton);
    Release(form.Command1);
    ASSERT_EQ(applied.size(), 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(scheme.SchemeName, "sea.col");
    EXPECT_EQ(appearance.FixedColour, fixedColour);
    EXPECT_EQ(appearance.BoardFontSize, 31);

    form.Combo1->setEditText("lost");
    emit form.Combo1->activated(0);
    EXPECT_EQ(shown, QStringList{"Color Scheme: lost.col not found"});
    shown.clear();
    EXPECT_EQ(scheme.SchemeName, "default.col");
    EXPECT_EQ(form.ColPik1->SchemeColor(), 0u);
    Release(form.Command2);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(OptionsFormTest, ClosingTheSchemeListWithEscapeKeepsTheButtonColour) {
    scheme.SchemeColours[13] = RGBValue(10, 100, 10);
    QApplication::setActiveWindow(&form);
    // The player is in the scheme's field when opening the list.
    form.Combo1->lineEdit()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Combo1->lineEdit()->hasFocus(); }));
    QTest::keyClick(form.Combo1, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }));
    EXPECT_EQ(scheme.SchemeColours[13], RGBValue(10, 100, 10));
    EXPECT_EQ(scheme.SchemeColours[2], RGBValue(230, 230, 220));
    EXPECT_EQ(form.Frame1->title(), "Colour Scheme: xp.col");
}

}  // namespace
}  // namespace lumeta
