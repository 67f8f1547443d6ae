#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>

#include "controls/colour_value.h"
#include "controls/controls_test_helpers.h"
#include "controls/fn_dialog.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using lumeta::testing::Caught;
using lumeta::testing::MouseArgs;

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

class FNDialogTest : public ::testing::Test {
  protected:
    FNDialogTest() : control(&holder), workingBefore(QDir::currentPath()) {
        control.SetFileTypes(QStringLiteral("*.txt"));
        control.SetFileTypesName(QStringLiteral("Lumeta Files"));
        control.SetDefaultDir(folder);
    }
    ~FNDialogTest() override { QDir::setCurrent(workingBefore); }

    // Calls GetFileName(mode) and, once its dialog is up, lets `answer` work it as the user would.
    QString Answer(const QString& mode, std::function<void(QFileDialog*)> answer) {
        return lumeta::testing::WhileModal(
            &control, [&] { answer(control.ShownDialog()); },
            [&] { return control.GetFileName(mode); });
    }
    // Chooses `name` as the dialog's OK button would, with the dialog's own checks.
    QString Choose(const QString& mode, const QString& name) {
        return Answer(mode, [&](QFileDialog* dialog) {
            dialog->selectFile(name);
            static_cast<QDialog*>(dialog)->accept();
        });
    }

    QWidget holder;
    FNDialog control;
    lumeta::testing::TempDir files, elsewhere;
    const QString folder = Q(files.path()), other = Q(elsewhere.path());
    const QString workingBefore;
};

TEST_F(FNDialogTest, OnlySaveInAnyLetterCaseShowsTheSaveDialogAndCancelGivesEmptyText) {
    const QString existing = Q(files.Write("puzzles.txt", "1\r\n"));
    control.SetFileTypes("*.txt;*.dat");  // every pattern is offered
    const auto save = QFileDialog::AcceptSave, open = QFileDialog::AcceptOpen;
    const std::pair<QString, QFileDialog::AcceptMode> cases[] = {{"SAVE", save},  {"sAvE", save},
                                                                 {"OPEN", open},  {"", open},
                                                                 {"saved", open}, {" SAVE", open}};
    for (const auto& [mode, shows] : cases) {
        const QString result = Answer(mode, [&](QFileDialog* dialog) {
            SCOPED_TRACE('"' + mode.toStdString() + '"');
            EXPECT_EQ(dialog->acceptMode(), shows);
            // Open asks for an existing file; either asks over its window.
            EXPECT_EQ(dialog->fileMode() == QFileDialog::ExistingFile, shows == open);
            EXPECT_TRUE(dialog->isModal() && dialog->parentWidget() == holder.window());
            EXPECT_EQ(dialog->nameFilters(), QStringList{"Lumeta Files (*.txt *.dat)"});
            dialog->selectFile(existing);
            QDir::setCurrent(other);
            dialog->reject();
        });
        EXPECT_EQ(result, "") << '"' << mode.toStdString() << '"';
        EXPECT_EQ(QDir::currentPath(), workingBefore);
    }
}

TEST_F(FNDialogTest, SaveDialogTakesANameAsTypedWithBlanksWithoutAskingOrAddingAnExtension) {
    const QString existing = Q(files.Write("mine.txt", "111\r\n"));
    EXPECT_EQ(Choose("SAVE", existing), existing);
    EXPECT_EQ(Choose("SAVE", "collection"), Q(files.File("collection")));
    EXPECT_EQ(Choose("SAVE", " spaced .txt "), Q(files.File(" spaced .txt ")));
    const QString longest = folder + "/" + QString(253 - folder.size(), 'n');
    EXPECT_EQ(Choose("SAVE", longest), longest);  // 254 characters, returned whole
}

TEST_F(FNDialogTest, DialogStartsInDefaultDirTheRootWhenEmptyOrTheWorkingFolderWhenGone) {
    QDir::setCurrent(folder);  // where a folder that is gone starts the dialog
    const std::pair<QString, QString> cases[] = {
        {"", "/"}, {other, other}, {other + "/", other}, {other + "/gone", folder}};
    for (const auto& [setting, start] : cases) {
        control.SetDefaultDir(setting);
        Answer("SAVE", [&](QFileDialog* dialog) {
            EXPECT_EQ(dialog->directory().absolutePath(), start) << setting.toStdString();
            dialog->reject();
        });
    }
}

// Placed on a window the control is a "..." button that fills it, in its back colour, and
// passes on its events (mouse positions in twips) only while enabled.
TEST_F(FNDialogTest, InnerButtonFillsTheControlAndPassesOnItsEventsInTwipsUnlessDisabled) {
    EXPECT_EQ(control.Command1->text(), "...");
    holder.show();
    control.resize(90, 31);
    EXPECT_EQ(control.Command1->geometry(), QRect(0, 0, 90, 31));
    control.SetBackColor(RGBValue(255, 0, 0));
    control.SetCaption("");
    const QColor middle(control.grab().toImage().pixel(45, 15));
    const bool red = middle.red() > 200 && middle.red() - middle.green() > 100;
    EXPECT_TRUE(red && middle.green() == middle.blue()) << middle.name().toStdString();

    QSignalSpy clicks(&control, &FNDialog::Click), downs(&control, &FNDialog::MouseDown),
        ups(&control, &FNDialog::MouseUp), presses(&control, &FNDialog::KeyPress);
    QTest::mousePress(control.Command1, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 5));
    QTest::mouseRelease(control.Command1, Qt::LeftButton, Qt::NoModifier, QPoint(12, 6));
    QTest::keyClick(control.Command1, 'A', Qt::ShiftModifier);
    control.SetEnabled(false);
    QTest::mouseClick(control.Command1, Qt::LeftButton);
    QTest::keyClick(control.Command1, Qt::Key_Space);
    EXPECT_EQ(MouseArgs(&control, downs), (Caught{{1, 1, 10, 5}}));
    EXPECT_EQ(MouseArgs(&control, ups), (Caught{{1, 0, 12, 6}}));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(presses.count(), 1);
}

}  // namespace
}  // namespace lumeta
