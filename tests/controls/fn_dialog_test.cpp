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

using lumeta::testing::MouseArgs;
using Caught = std::vector<std::vector<double>>;

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Argument `index` of every signal a spy caught.
std::vector<int> Column(const QSignalSpy& spy, int index) {
    std::vector<int> column;
    for (const QList<QVariant>& signal : spy)
        column.push_back(signal.at(index).toInt());
    return column;
}

class FNDialogTest : public ::testing::Test {
  protected:
    FNDialogTest() : control(&holder), workingBefore(QDir::currentPath()) {
        control.setGeometry(10, 10, 60, 25);
        control.SetTitle(QStringLiteral("Select a saved game file to load"));
        control.SetFileTypes(QStringLiteral("*.txt"));
        control.SetFileTypesName(QStringLiteral("Lumeta Files"));
        control.SetDefaultDir(folder);
        holder.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }
    ~FNDialogTest() override { QDir::setCurrent(workingBefore); }

    // Calls GetFileName(mode) and, once its dialog is up, lets `answer` work it as the user would.
    QString Answer(const QString& mode, std::function<void(QFileDialog*)> answer) {
        return lumeta::testing::WhileModal(
            &control, [&] { answer(control.ShownDialog()); },
            [&] { return control.GetFileName(mode); });
    }
    // Chooses `name` as the dialog's OK button would, with the dialog's own checks.
    static void Choose(QFileDialog* dialog, const QString& name) {
        dialog->selectFile(name);
        static_cast<QDialog*>(dialog)->accept();
    }
    QString Choose(const QString& mode, const QString& name) {
        return Answer(mode, [&](QFileDialog* dialog) { Choose(dialog, name); });
    }

    QWidget holder;
    FNDialog control;
    lumeta::testing::TempDir files, elsewhere;
    const QString folder = Q(files.path()), other = Q(elsewhere.path());
    const QString workingBefore;
};

TEST_F(FNDialogTest, OpenDialogShowsTheSettingsReturnsTheChoiceAndKeepsTheWorkingFolder) {
    const QString chosen = Q(elsewhere.Write(" spaced .txt ", "1\r\n"));  // blanks are kept
    const QString result = Answer("OPEN", [&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Select a saved game file to load");
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Lumeta Files (*.txt)"});
        EXPECT_EQ(dialog->directory().absolutePath(), folder);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->parentWidget(), holder.window());
        dialog->setDirectory(other);
        QDir::setCurrent(other);
        Choose(dialog, chosen);
    });
    EXPECT_EQ(result, chosen);
    EXPECT_EQ(QDir::currentPath(), workingBefore);
}

TEST_F(FNDialogTest, OnlySaveInAnyLetterCaseShowsTheSaveDialogAndCancelGivesEmptyText) {
    const QString existing = Q(files.Write("puzzles.txt", "1\r\n"));
    control.SetFileTypes("*.txt;*.dat");  // every pattern is offered
    const auto save = QFileDialog::AcceptSave, open = QFileDialog::AcceptOpen;
    const std::pair<QString, QFileDialog::AcceptMode> cases[] = {
        {"SAVE", save},    {"save", save}, {"sAvE", save},  {"OPEN", open},  {"", open},
        {QString(), open}, {"   ", open},  {"saved", open}, {" SAVE", open}, {"load", open}};
    for (const auto& [mode, shows] : cases) {
        const QString result = Answer(mode, [&](QFileDialog* dialog) {
            EXPECT_EQ(dialog->acceptMode(), shows) << '"' << mode.toStdString() << '"';
            EXPECT_EQ(dialog->nameFilters(), QStringList{"Lumeta Files (*.txt *.dat)"});
            dialog->selectFile(existing);
            QDir::setCurrent(other);
            dialog->reject();
        });
        EXPECT_EQ(result, "") << '"' << mode.toStdString() << '"';
        EXPECT_EQ(QDir::currentPath(), workingBefore);
    }
}

TEST_F(FNDialogTest, SaveDialogTakesANameAsTypedWithoutAskingOrAddingAnExtension) {
    const QString existing = Q(files.Write("mine.txt", "111\r\n"));
    EXPECT_EQ(Choose("SAVE", existing), existing);
    EXPECT_EQ(Choose("SAVE", "collection"), Q(files.File("collection")));
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

TEST_F(FNDialogTest, InnerButtonFillsTheControlInItsBackColour) {
    EXPECT_EQ(control.Command1->text(), "...");
    control.resize(90, 31);
    EXPECT_EQ(control.Command1->geometry(), QRect(0, 0, 90, 31));
    control.SetBackColor(RGBValue(255, 0, 0));
    control.SetCaption("");
    const QColor middle(control.grab().toImage().pixel(45, 15));
    const bool red = middle.red() > 200 && middle.red() - middle.green() > 100;
    EXPECT_TRUE(red && middle.green() == middle.blue()) << middle.name().toStdString();
}

TEST_F(FNDialogTest, InnerButtonPassesOnItsEventsInTwipsUnlessDisabled) {
    QSignalSpy clicks(&control, &FNDialog::Click), downs(&control, &FNDialog::MouseDown),
        ups(&control, &FNDialog::MouseUp), moves(&control, &FNDialog::MouseMove),
        keyDowns(&control, &FNDialog::KeyDown), presses(&control, &FNDialog::KeyPress),
        keyUps(&control, &FNDialog::KeyUp);
    QPushButton* button = control.Command1;
    QTest::mousePress(button, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 5));
    QTest::mouseMove(button, QPoint(20, 8));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(12, 6));
    QTest::mousePress(button, Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    QTest::mouseRelease(button, Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    QTest::keyClick(button, Qt::Key_A);
    QTest::keyClick(button, 'A', Qt::ShiftModifier);  // Shift goes down first
    QTest::keyClick(button, Qt::Key_7);
    QTest::keyClick(button, Qt::Key_Left);
    QTest::keyClick(button, Qt::Key_Space);
    control.SetEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Space);

    EXPECT_EQ(clicks.count(), 2);  // the left click and the space bar, not while disabled
    EXPECT_EQ(MouseArgs(&control, moves).at(0), (std::vector<double>{1, 0, 20, 8}));  // held
    EXPECT_EQ(MouseArgs(&control, downs), (Caught{{1, 1, 10, 5}, {2, 2, 3, 4}}));
    EXPECT_EQ(MouseArgs(&control, ups), (Caught{{1, 0, 12, 6}, {2, 2, 3, 4}}));
    EXPECT_EQ(Column(keyDowns, 0), (std::vector<int>{65, 16, 65, 55, 37, 32}));
    EXPECT_EQ(Column(keyUps, 0), (std::vector<int>{65, 65, 16, 55, 37, 32}));
    EXPECT_EQ(Column(presses, 0), (std::vector<int>{'a', 'A', '7', ' '}));  // typed characters
    const QString chosen = Q(files.Write("puzzles.txt", "1\r\n"));
    EXPECT_EQ(Choose("OPEN", chosen), chosen);  // a disabled control still asks
}

}  // namespace
}  // namespace lumeta
