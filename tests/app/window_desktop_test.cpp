#include "app/about_form.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;

using DesktopTest = WindowTest;

TEST_F(DesktopTest, LongNamesAreShortenedWhereShownAndKeptWholeWhereStored) {
    const std::string name = std::string(80, 'x') + ".txt";
    const std::string path = WritePuzzles(name, 2);
    WriteConfig(path, 1, {path});
    Start();
    const QString label = form->label4->text();
    EXPECT_TRUE(label.endsWith(QChar(0x2026)));  // "…"
    EXPECT_LE(form->label4->fontMetrics().horizontalAdvance(label), form->label4->width());
    EXPECT_EQ(form->label4->toolTip(), Q(path));

    const QString entry = form->mnuoldfiles[0]->text();
    EXPECT_TRUE(entry.contains(QChar(0x2026)));
    EXPECT_TRUE(entry.endsWith(".txt"));  // shortened in the middle
    EXPECT_EQ(S().recent.caption[0], path);
    form->SaveOptions();
    EXPECT_NE(ReadBytes(ConfigPath()).find("\r\n" + path + "\r\n"), std::string::npos);
}

TEST_F(DesktopTest, TheMainWindowMinimisesButNeitherMaximisesNorStretchesAndBoxesAreDialogs) {
    Start();
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    AboutForm about;
    for (QWidget* box : std::initializer_list<QWidget*>{form->msgForm, &about}) {
        EXPECT_EQ(box->windowType(), Qt::Dialog);
        EXPECT_FALSE(box->windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    }
}

}  // namespace
}  // namespace lumeta
