#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <string>

#include "controls/colour_value.h"
#include "controls/fn_dialog.h"
#include "controls/twips.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

using lumeta::testing::ReadBytes;
using lumeta::testing::TempDir;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Closes whatever modal box is still up: a dialog left open is a failure, never a hang.
void CloseLeftovers(FNDialog& control) {
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ADD_FAILURE() << "unexpected message: " << box->text().toStdString();
            box->done(0);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        } else {
            break;
        }
        QApplication::processEvents();
    }
    if (control.ShownDialog()) control.ShownDialog()->reject();
}

// Calls GetFileName(mode) and, once its dialog is up, lets `answer` work the dialog as the
// user would. Returns what GetFileName returned.
QString Answer(FNDialog& control, const QString& mode, std::function<void(QFileDialog*)> answer) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &control, [&control] { CloseLeftovers(control); });
    guard.start(5000);
    QTimer::singleShot(0, &control, [&control, answer] {
        EXPECT_TRUE(QTest::qWaitFor(
            [&control] { return control.ShownDialog() && control.ShownDialog()->isVisible(); }));
        if (QFileDialog* dialog = control.ShownDialog()) answer(dialog);
    });
    return control.GetFileName(mode);
}

void Choose(QFileDialog* dialog, const QString& name) {
    dialog->selectFile(name);
    // The dialog's own check runs as on its OK button (accept is public on QDialog).
    static_cast<QDialog*>(dialog)->accept();
}

class FNDialogTest : public ::testing::Test {
  protected:
    FNDialogTest() : control(&holder), workingBefore(QDir::currentPath()) {
        holder.resize(300, 200);
        control.setGeometry(10, 10, 60, 25);
        control.SetTitle(QStringLiteral("Select a saved game file to load"));
        control.SetFileTypes(QStringLiteral("*.txt"));
        control.SetFileTypesName(QStringLiteral("Lumeta Files"));
        control.SetDefaultDir(Q(files.path().string()));
        holder.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }
    ~FNDialogTest() override { QDir::setCurrent(workingBefore); }

    QWidget holder;
    FNDialog control;
    TempDir files;
    TempDir elsewhere;
    const QString workingBefore;
};

TEST_F(FNDialogTest, NewControlStartsWithItsDefaults) {
    FNDialog fresh(&holder);
    EXPECT_EQ(fresh.FileTypes(), "");
    EXPECT_EQ(fresh.FileTypesName(), "");
    EXPECT_EQ(fresh.DefaultDir(), "");
    EXPECT_EQ(fresh.title().toString(), "0");
    EXPECT_EQ(fresh.Caption(), "...");
    EXPECT_EQ(fresh.Command1->text(), "...");
    EXPECT_TRUE(fresh.Picture().isNull());
    EXPECT_EQ(fresh.ForeColor(), 0u);
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.Font().family(), holder.font().family());
}

TEST_F(FNDialogTest, OpenDialogShowsTheSettingsAndReturnsTheChosenFile) {
    const QString chosen = Q(files.Write("puzzles.txt", "1\r\n"));
    QString title, filter;
    QStringList filters;
    QDir start;
    QFileDialog::AcceptMode acceptMode{};
    QFileDialog::FileMode fileMode{};
    bool nonNative = false;
    bool modal = false;
    QWidget* owner = nullptr;
    const QString result = Answer(control, "OPEN", [&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        start = dialog->directory();
        acceptMode = dialog->acceptMode();
        fileMode = dialog->fileMode();
        nonNative = dialog->testOption(QFileDialog::DontUseNativeDialog);
        modal = dialog->isModal();
        owner = dialog->parentWidget();
        Choose(dialog, chosen);
    });
    EXPECT_EQ(result, chosen);
    EXPECT_EQ(title, "Select a saved game file to load");
    EXPECT_EQ(filters, QStringList{"Lumeta Files (*.txt)"});
    EXPECT_EQ(control.FilterText(), "Lumeta Files (*.txt)");
    EXPECT_EQ(start.absolutePath(), QDir(Q(files.path().string())).absolutePath());
    EXPECT_EQ(acceptMode, QFileDialog::AcceptOpen);
    EXPECT_EQ(fileMode, QFileDialog::ExistingFile);
    EXPECT_TRUE(nonNative);
    EXPECT_TRUE(modal);
    EXPECT_EQ(owner, holder.window());
    EXPECT_EQ(control.ShownDialog(), nullptr);
}

TEST_F(FNDialogTest, OnlySaveInAnyLetterCaseShowsTheSaveDialog) {
    for (const char* mode : {"SAVE", "save", "Save", "sAvE"}) {
        QFileDialog::AcceptMode shown{};
        Answer(control, mode, [&](QFileDialog* dialog) {
            shown = dialog->acceptMode();
            dialog->reject();
        });
        EXPECT_EQ(shown, QFileDialog::AcceptSave) << mode;
    }
    for (const char* mode : {"OPEN", "open", "", "   ", "load", "saved", " SAVE"}) {
        QFileDialog::AcceptMode shown{};
        QFileDialog::FileMode fileMode{};
        Answer(control, mode, [&](QFileDialog* dialog) {
            shown = dialog->acceptMode();
            fileMode = dialog->fileMode();
            dialog->reject();
        });
        EXPECT_EQ(shown, QFileDialog::AcceptOpen) << '"' << mode << '"';
        EXPECT_EQ(fileMode, QFileDialog::ExistingFile) << '"' << mode << '"';
    }
    EXPECT_TRUE(FNDialog::IsSaveMode("Save"));
    EXPECT_FALSE(FNDialog::IsSaveMode(QString()));
}

TEST_F(FNDialogTest, MissingArgumentShowsTheOpenDialog) {
    QTimer::singleShot(0, &control, [this] {
        ASSERT_TRUE(QTest::qWaitFor([this] { return control.ShownDialog() != nullptr; }));
        EXPECT_EQ(control.ShownDialog()->acceptMode(), QFileDialog::AcceptOpen);
        control.ShownDialog()->reject();
    });
    EXPECT_EQ(control.GetFileName(), "");
}

TEST_F(FNDialogTest, CancelReturnsEmptyTextInBothModes) {
    files.Write("puzzles.txt", "1\r\n");
    for (const char* mode : {"OPEN", "SAVE"}) {
        const QString result = Answer(control, mode, [&](QFileDialog* dialog) {
            dialog->selectFile(Q(files.File("puzzles.txt")));
            dialog->reject();
        });
        EXPECT_EQ(result, "") << mode;
    }
}

TEST_F(FNDialogTest, OpenDialogRefusesAFileThatDoesNotExist) {
    const QString missing = Q(files.File("missing.txt"));
    bool stayedOpen = false;
    bool warned = false;
    const QString result = Answer(control, "open", [&](QFileDialog* dialog) {
        // The dialog tells the user in a box of its own; close it as the user would.
        QTimer::singleShot(0, dialog, [&warned] {
            if (QTest::qWaitFor(
                    [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); })) {
                warned = true;
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->done(0);
            }
        });
        Choose(dialog, missing);
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(warned);
    EXPECT_EQ(result, "");
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(FNDialogTest, SaveDialogTakesAnExistingFileWithoutAskingAndLeavesItAlone) {
    const QString existing = Q(files.Write("mine.txt", "111\r\n"));
    const QString result =
        Answer(control, "SAVE", [&](QFileDialog* dialog) { Choose(dialog, existing); });
    EXPECT_EQ(result, existing);
    EXPECT_EQ(ReadBytes(existing.toStdString()), "111\r\n");
}

TEST_F(FNDialogTest, SaveDialogReturnsATypedNameWithoutAddingAnExtension) {
    const QString result =
        Answer(control, "SAVE", [&](QFileDialog* dialog) { Choose(dialog, "collection"); });
    EXPECT_EQ(result, Q(files.File("collection")));
    EXPECT_FALSE(QFileInfo::exists(result));  // the control only asks; it writes nothing
}

TEST_F(FNDialogTest, WorkingFolderAfterwardsIsTheOneBeforeWhateverTheDialogDid) {
    const QString other = Q(elsewhere.path().string());
    const QString chosen = Q(elsewhere.Write("there.txt", "1\r\n"));
    const QString before = QDir::currentPath();
    ASSERT_NE(before, other);
    QString result = Answer(control, "OPEN", [&](QFileDialog* dialog) {
        dialog->setDirectory(other);
        QDir::setCurrent(other);
        Choose(dialog, chosen);
    });
    EXPECT_EQ(result, chosen);
    EXPECT_EQ(QDir::currentPath(), before);

    result = Answer(control, "SAVE", [&](QFileDialog* dialog) {
        QDir::setCurrent(other);
        dialog->reject();
    });
    EXPECT_EQ(result, "");
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(FNDialogTest, EmptyDefaultDirStartsInTheRootFolder) {
    control.SetDefaultDir("");
    EXPECT_EQ(control.StartFolder(), "/");
    QString start;
    Answer(control, "OPEN", [&](QFileDialog* dialog) {
        start = dialog->directory().absolutePath();
        dialog->reject();
    });
    EXPECT_EQ(start, "/");
}

TEST_F(FNDialogTest, DefaultDirWithOrWithoutTrailingSlashStartsThere) {
    const QString folder = Q(elsewhere.path().string());
    for (const QString& setting : {folder, folder + "/"}) {
        control.SetDefaultDir(setting);
        EXPECT_EQ(control.StartFolder(), folder + "/");
        QString start;
        Answer(control, "SAVE", [&](QFileDialog* dialog) {
            start = dialog->directory().absolutePath();
            dialog->reject();
        });
        EXPECT_EQ(start, folder) << setting.toStdString();
    }
}

TEST_F(FNDialogTest, FolderThatIsGoneStartsInTheWorkingFolder) {
    QDir::setCurrent(Q(elsewhere.path().string()));
    control.SetDefaultDir(Q(files.File("no such folder")));
    QString start;
    Answer(control, "OPEN", [&](QFileDialog* dialog) {
        start = dialog->directory().absolutePath();
        dialog->reject();
    });
    EXPECT_EQ(start, QDir::currentPath());
}

TEST_F(FNDialogTest, LongPathsAreReturnedWhole) {
    for (const std::size_t length : {std::size_t{254}, std::size_t{400}}) {
        // Nested folders bring the full path to exactly `length` characters.
        std::filesystem::path folder = files.path();
        while (folder.string().size() + 1 + 100 + 1 + 1 + 1 + 5 < length)
            folder /= std::string(100, 'd');
        const std::size_t fill = length - folder.string().size() - 1 - 1 - 5;
        folder /= std::string(fill, 'f');
        std::filesystem::create_directories(folder);
        const std::string file = (folder / "a.txt").string();
        ASSERT_EQ(file.size(), length);
        {
            std::FILE* out = std::fopen(file.c_str(), "wb");
            ASSERT_NE(out, nullptr);
            std::fclose(out);
        }
        const QString result =
            Answer(control, "OPEN", [&](QFileDialog* dialog) { Choose(dialog, Q(file)); });
        EXPECT_EQ(result, Q(file));
    }
}

TEST_F(FNDialogTest, BlanksAroundAFileNameAreKept) {
    const QString chosen = Q(files.Write(" spaced .txt ", "1\r\n"));
    const QString result =
        Answer(control, "OPEN", [&](QFileDialog* dialog) { Choose(dialog, chosen); });
    EXPECT_EQ(result, chosen);
    EXPECT_TRUE(QFileInfo::exists(result));
}

TEST_F(FNDialogTest, SeveralPatternsAreAllOffered) {
    control.SetFileTypes("*.txt;*.dat");
    QStringList filters;
    Answer(control, "OPEN", [&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        dialog->reject();
    });
    EXPECT_EQ(filters, QStringList{"Lumeta Files (*.txt *.dat)"});
    EXPECT_EQ(control.FilterText(), "Lumeta Files (*.txt;*.dat)");
}

TEST_F(FNDialogTest, InnerButtonAlwaysFillsTheControl) {
    EXPECT_EQ(control.Command1->geometry(), QRect(0, 0, 60, 25));
    control.resize(90, 31);
    EXPECT_EQ(control.Command1->geometry(), QRect(0, 0, 90, 31));
}

TEST_F(FNDialogTest, ButtonPropertiesReachTheInnerButton) {
    control.SetCaption("Open");
    EXPECT_EQ(control.Command1->text(), "Open");
    EXPECT_EQ(control.Caption(), "Open");

    QPixmap picture(16, 16);
    picture.fill(Qt::blue);
    control.SetPicture(picture);
    EXPECT_FALSE(control.Command1->icon().isNull());
    EXPECT_EQ(control.Command1->iconSize(), QSize(16, 16));
    control.SetPicture(QPixmap());
    EXPECT_TRUE(control.Command1->icon().isNull());
    EXPECT_TRUE(control.Picture().isNull());

    control.SetBackColor(RGBValue(255, 0, 0));
    EXPECT_EQ(control.BackColor(), RGBValue(255, 0, 0));
    EXPECT_EQ(control.Command1->palette().color(QPalette::Button), QColor(255, 0, 0));
    control.SetCaption("");
    const QImage face = control.grab().toImage();
    const QColor middle(face.pixel(30, 12));
    EXPECT_GT(middle.red(), 200) << middle.name().toStdString();
    EXPECT_GT(middle.red() - middle.green(), 100) << middle.name().toStdString();
    EXPECT_EQ(middle.green(), middle.blue()) << middle.name().toStdString();

    control.SetForeColor(RGBValue(0, 128, 0));
    EXPECT_EQ(control.ForeColor(), RGBValue(0, 128, 0));

    QFont bigger = control.Font();
    bigger.setPointSize(15);
    control.SetFont(bigger);
    EXPECT_EQ(control.Command1->font().pointSize(), 15);
}

class FNDialogEventTest : public FNDialogTest {
  protected:
    FNDialogEventTest()
        : clicks(&control, &FNDialog::Click),
          downs(&control, &FNDialog::MouseDown),
          moves(&control, &FNDialog::MouseMove),
          ups(&control, &FNDialog::MouseUp),
          keyDowns(&control, &FNDialog::KeyDown),
          keyPresses(&control, &FNDialog::KeyPress),
          keyUps(&control, &FNDialog::KeyUp) {}

    double Tx(double pixels) const { return TwipScale::ForWidget(&control).TwipsX(pixels); }
    double Ty(double pixels) const { return TwipScale::ForWidget(&control).TwipsY(pixels); }

    QSignalSpy clicks, downs, moves, ups, keyDowns, keyPresses, keyUps;
};

TEST_F(FNDialogEventTest, LeftClickForwardsDownUpAndClickWithTwipPositions) {
    QTest::mousePress(control.Command1, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 5));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).toInt(), 1);
    EXPECT_EQ(downs.at(0).at(1).toInt(), 1);
    EXPECT_FLOAT_EQ(downs.at(0).at(2).toFloat(), static_cast<float>(Tx(10)));
    EXPECT_FLOAT_EQ(downs.at(0).at(3).toFloat(), static_cast<float>(Ty(5)));
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(control.Command1, Qt::LeftButton, Qt::NoModifier, QPoint(12, 6));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).toInt(), 1);
    EXPECT_EQ(ups.at(0).at(1).toInt(), 0);
    EXPECT_FLOAT_EQ(ups.at(0).at(2).toFloat(), static_cast<float>(Tx(12)));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(control.Command1->text(), "...");  // still a working button
}

TEST_F(FNDialogEventTest, RightButtonForwardsTwoAndDoesNotClick) {
    QTest::mousePress(control.Command1, Qt::RightButton, Qt::ControlModifier, QPoint(3, 3));
    QTest::mouseRelease(control.Command1, Qt::RightButton, Qt::ControlModifier, QPoint(3, 3));
    ASSERT_EQ(downs.count(), 1);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).toInt(), 2);
    EXPECT_EQ(downs.at(0).at(1).toInt(), 2);
    EXPECT_EQ(ups.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FNDialogEventTest, MovesAreForwardedWithTheButtonsHeld) {
    QTest::mouseMove(control.Command1, QPoint(20, 8));
    ASSERT_GE(moves.count(), 1);
    EXPECT_EQ(moves.last().at(0).toInt(), 0);
    EXPECT_FLOAT_EQ(moves.last().at(2).toFloat(), static_cast<float>(Tx(20)));
    EXPECT_FLOAT_EQ(moves.last().at(3).toFloat(), static_cast<float>(Ty(8)));
}

TEST_F(FNDialogEventTest, KeysAreForwardedWithKeyCodeAndCharacter) {
    control.Command1->setFocus();
    QTest::keyClick(control.Command1, Qt::Key_A);
    QTest::keyClick(control.Command1, 'A', Qt::ShiftModifier);  // Shift goes down first
    QTest::keyClick(control.Command1, Qt::Key_7);
    QTest::keyClick(control.Command1, Qt::Key_Left);
    ASSERT_EQ(keyDowns.count(), 5);
    ASSERT_EQ(keyUps.count(), 5);
    EXPECT_EQ(keyDowns.at(0).at(0).toInt(), 65);
    EXPECT_EQ(keyDowns.at(0).at(1).toInt(), 0);
    EXPECT_EQ(keyDowns.at(1).at(0).toInt(), 16);
    EXPECT_EQ(keyDowns.at(2).at(0).toInt(), 65);
    EXPECT_EQ(keyDowns.at(2).at(1).toInt(), 1);
    EXPECT_EQ(keyDowns.at(3).at(0).toInt(), 55);
    EXPECT_EQ(keyDowns.at(4).at(0).toInt(), 37);
    EXPECT_EQ(keyUps.at(4).at(0).toInt(), 37);
    // Only keys that type a character give a key press.
    ASSERT_EQ(keyPresses.count(), 3);
    EXPECT_EQ(keyPresses.at(0).at(0).toInt(), 'a');
    EXPECT_EQ(keyPresses.at(1).at(0).toInt(), 'A');
    EXPECT_EQ(keyPresses.at(2).at(0).toInt(), '7');
}

TEST_F(FNDialogEventTest, SpaceClicksTheButton) {
    control.Command1->setFocus();
    QTest::keyClick(control.Command1, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(keyDowns.count(), 1);
    EXPECT_EQ(keyDowns.at(0).at(0).toInt(), 32);
}

TEST_F(FNDialogEventTest, DisabledControlForwardsNothingButStillAsks) {
    control.SetEnabled(false);
    EXPECT_FALSE(control.Enabled());
    QTest::mouseClick(control.Command1, Qt::LeftButton);
    QTest::keyClick(control.Command1, Qt::Key_Space);
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(ups.count(), 0);
    EXPECT_EQ(clicks.count(), 0);

    const QString chosen = Q(files.Write("puzzles.txt", "1\r\n"));
    const QString result =
        Answer(control, "OPEN", [&](QFileDialog* dialog) { Choose(dialog, chosen); });
    EXPECT_EQ(result, chosen);

    control.SetEnabled(true);
    QTest::mouseClick(control.Command1, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
}  // namespace lumeta
