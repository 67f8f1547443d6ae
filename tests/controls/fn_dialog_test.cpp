#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "controls/controls_test_helpers.h"
#include "controls/fn_dialog.h"
#include "support/temp_dir.h"

namespace lumeta {
namespace {

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

}  // namespace
}  // namespace lumeta
