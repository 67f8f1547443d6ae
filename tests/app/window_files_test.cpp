#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <utility>

#include "controls/box_control.h"
#include "controls/fn_dialog.h"
#include "view/board_picture.h"
#include "window_fixture.h"

namespace lumeta {
namespace {

using namespace lumeta::testing;
namespace fs = std::filesystem;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Works the window's file dialogs and its plain notices as the user would: each dialog
// takes the next queued answer (a path to choose, or none to cancel) and each notice is
// closed with OK. While a dialog is up, the working folder is moved elsewhere, as browsing
// may do; the command must put it back. A dialog nobody expected is a failure.
class DialogAnswers : public QObject {
  public:
    DialogAnswers(Form1*& form, std::string elsewhere) : form_(form), elsewhere_(elsewhere) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &DialogAnswers::Poll);
        timer_.start();
    }

    void Choose(const std::string& path) { answers_.push_back(Q(path)); }
    void Cancel() { answers_.push_back(std::nullopt); }
    // Runs just before the next answer is given.
    void BeforeAnswer(std::function<void()> step) { before_ = std::move(step); }

    struct Seen {
        QString title;
        QStringList filters;
        QString folder;
        bool save = false;
    };
    std::vector<Seen> dialogs;
    QStringList notices;
    bool AllAnswered() const { return answers_.empty(); }

  private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            notices << box->text();
            box->button(QMessageBox::Ok)->click();
            return;
        }
        if (!form_ || !form_->gf1) return;
        QFileDialog* dialog = form_->gf1->ShownDialog();
        if (!dialog || modal != dialog || !dialog->isVisible()) return;
        dialogs.push_back({dialog->windowTitle(), dialog->nameFilters(),
                           dialog->directory().absolutePath(),
                           dialog->acceptMode() == QFileDialog::AcceptSave});
        QDir::setCurrent(Q(elsewhere_));
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected dialog: " << dialog->windowTitle().toStdString();
            dialog->reject();
            return;
        }
        const std::optional<QString> answer = answers_.front();
        answers_.pop_front();
        if (before_) std::exchange(before_, nullptr)();
        if (!answer) {
            dialog->reject();
            return;
        }
        dialog->selectFile(*answer);
        static_cast<QDialog*>(dialog)->accept();  // as its OK button does
    }

    Form1*& form_;
    std::string elsewhere_;
    QTimer timer_;
    std::deque<std::optional<QString>> answers_;
    std::function<void()> before_;
};

// Lets no file grow past `bytes` while it lives; writes beyond fail instead of ending the
// program. Works for root as well, unlike file permissions.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

class FilesTest : public WindowTest {
  protected:
    FilesTest() { fs::create_directories(dir.path() / "elsewhere"); }
    ~FilesTest() override {
        EXPECT_TRUE(dialogs.AllAnswered()) << "a dialog the test waited for never came";
        EXPECT_EQ(QDir::currentPath(), Q(WorkFile("")).chopped(1));
    }

    void Open(const std::string& path) {
        dialogs.Choose(path);
        form->mnuloadpuzfile->trigger();
    }
    void Save(const std::string& path) {
        dialogs.Choose(path);
        form->mnusave->trigger();
    }
    QStringList RecentMenu() const {
        QStringList shown;
        for (int entry = 0; entry < 5; ++entry)
            shown << (form->mnuoldfiles[entry]->isVisible() ? form->mnuoldfiles[entry]->text()
                                                            : QStringLiteral("[]"));
        return shown;
    }
    std::string OnBoard() const { return PuzzleLine(form->State().layout, form->State().puzzle); }
    static QString SavedNotice(const std::string& path, int count) {
        return Q("Puzzle appended to file:\n" + path + "\n " + std::to_string(count) + " puzzles");
    }
    static QString UnwrittenMessage(const std::string& path) {
        return Q("Puzzle file:\n" + path + "\ncould not be written");
    }
    void ShortcutOnWindow(Qt::Key key) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, key, Qt::ControlModifier);
    }

    DialogAnswers dialogs{form, (dir.path() / "elsewhere").string()};
};

// ---- Opening through the dialog

TEST_F(FilesTest, OpeningAFileLoadsItsFirstPuzzleAndListsIt) {
    WriteConfig(WritePuzzles("file.txt", 5), 3);
    const std::string other = WritePuzzles("other.txt", 7);
    Start();
    PointAt(3, 6);
    QTest::keyClick(form->Picture1, Qt::Key_4);
    const QImage before = form->Picture1->Image();

    dialogs.Choose(other);
    Click(form->cmdload);
    ASSERT_EQ(dialogs.dialogs.size(), 1u);
    const DialogAnswers::Seen& seen = dialogs.dialogs[0];
    EXPECT_EQ(seen.title, "Select a saved game file to load");
    EXPECT_EQ(seen.filters, QStringList{"Lumeta Files (*.txt)"});
    EXPECT_EQ(seen.folder, Q(AppDir()).chopped(1));
    EXPECT_FALSE(seen.save);

    EXPECT_EQ(Status(), "Puzzle file read");
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 7");
    EXPECT_EQ(FileLabel(), "other.txt");
    EXPECT_EQ(form->label4->toolTip(), Q(other));
    EXPECT_EQ(S().current.PuzzleFile, other);
    EXPECT_EQ(PuzzleNumbers(), "1 of 7");
    EXPECT_EQ(OnBoard(), PuzzleLineNo(1));
    EXPECT_EQ(Entry(3, 6), "");
    EXPECT_TRUE(S().undo.empty());
    EXPECT_NE(form->Picture1->Image(), before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(RecentMenu(), QStringList({Q(other), "[]", "[]", "[]", "[]"}));
    EXPECT_TRUE(form->mnuoldfiles[5]->isVisible());
    EXPECT_TRUE(boxes.seen().empty());

    // The menu's shortcut opens the same dialog.
    dialogs.Choose(WorkFile("file.txt"));
    ShortcutOnWindow(Qt::Key_O);
    EXPECT_EQ(dialogs.dialogs.size(), 2u);
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 5");
    EXPECT_EQ(RecentMenu(), QStringList({Q(WorkFile("file.txt")), Q(other), "[]", "[]", "[]"}));
}

TEST_F(FilesTest, CancelledDialogsOrAFileWithoutPuzzlesChangeNothing) {
    WriteConfig(WritePuzzles("file.txt", 5), 3);
    const std::string empty = WorkFile("empty.txt");
    std::ofstream(empty, std::ios::binary);
    Start();
    PointAt(3, 6);
    QTest::keyClick(form->Picture1, Qt::Key_4);
    const QImage before = form->Picture1->Image();

    for (const std::optional<std::string>& answer : {std::optional<std::string>(), {empty}}) {
        if (answer)
            dialogs.Choose(*answer);
        else
            dialogs.Cancel();
        form->mnuloadpuzfile->trigger();
        EXPECT_EQ(Status(), "Hex = 4, Cell= 2");
        EXPECT_EQ(PuzzleLabel(), "p# 3 of 5");
        EXPECT_EQ(S().current.PuzzleFile, WorkFile("file.txt"));
        EXPECT_EQ(Entry(3, 6), "4");
        EXPECT_EQ(form->Picture1->Image(), before);
        EXPECT_EQ(RecentMenu(), QStringList({"[]", "[]", "[]", "[]", "[]"}));
        EXPECT_FALSE(form->mnuoldfiles[5]->isVisible());
    }

    // A cancelled save writes nothing, anywhere.
    dialogs.Cancel();
    form->mnusave->trigger();
    EXPECT_EQ(dialogs.dialogs.size(), 3u);
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_TRUE(boxes.seen().empty());
    const std::vector<std::pair<const char*, QStringList>> folders = {
        {"app", {"lumeta.cfg"}}, {"work", {"empty.txt", "file.txt"}}, {"elsewhere", {}}};
    for (const auto& [folder, names] : folders)
        EXPECT_EQ(QDir(Q((dir.path() / folder).string()))
                      .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  names)
            << folder;
}

// ---- The recent files

TEST_F(FilesTest, TheRecentFilesKeepTheNewestFiveNewestFirstWithoutDuplicates) {
    Start();
    std::vector<std::string> files;
    for (int i = 1; i <= 6; ++i)
        files.push_back(WritePuzzles("f" + std::to_string(i) + ".txt", i + 1));
    for (const std::string& file : files)
        Open(file);
    const QStringList newestFive = {Q(files[5]), Q(files[4]), Q(files[3]), Q(files[2]),
                                    Q(files[1])};
    EXPECT_EQ(RecentMenu(), newestFive);

    // Opening the file of entry 3 again loads it and leaves the order alone.
    Open(files[2]);
    EXPECT_EQ(PuzzleLabel(), "p# 1 of 4");
    EXPECT_EQ(RecentMenu(), newestFive);

    // A path that differs only in letter case is another file.
    const std::string upper = WritePuzzles("F6.txt", 3);
    Open(upper);
    EXPECT_EQ(RecentMenu(),
              QStringList({Q(upper), Q(files[5]), Q(files[4]), Q(files[3]), Q(files[2])}));

    // The list goes to the configuration file as the menu shows it.
    ASSERT_TRUE(form->SaveOptions());
    const std::string saved = ReadBytes(ConfigPath());
    EXPECT_NE(saved.find("\r\n" + upper + "\r\n" + files[5] + "\r\n" + files[4] + "\r\n" +
                         files[3] + "\r\n" + files[2] + "\r\n"),
              std::string::npos)
        << saved;
}

TEST_F(FilesTest, EntriesHiddenByTheConfigurationAreClosedUpWhenAFileIsOpened) {
    WriteConfig("", 0, {"/p/a.txt", "  ", "/p/c.txt", " ", "/p/e.txt"});
    Start();
    EXPECT_EQ(RecentMenu(), QStringList({"/p/a.txt", "[]", "/p/c.txt", "[]", "/p/e.txt"}));
    const std::string first = WritePuzzles("first.txt", 2);
    Open(first);
    EXPECT_EQ(RecentMenu(), QStringList({Q(first), "/p/a.txt", "/p/c.txt", "/p/e.txt", "[]"}));
    const std::string second = WritePuzzles("second.txt", 2);
    const std::string third = WritePuzzles("third.txt", 2);
    Open(second);
    Open(third);
    EXPECT_EQ(RecentMenu(), QStringList({Q(third), Q(second), Q(first), "/p/a.txt", "/p/c.txt"}));
}

TEST_F(FilesTest, ARecentFileThatIsGoneOrEmptyIsReportedAndStaysListed) {
    const std::string gone = WritePuzzles("gone.txt", 4);
    const std::string empty = WritePuzzles("empty.txt", 4);
    WriteConfig(WritePuzzles("file.txt", 5), 3, {gone, empty});
    Start();
    fs::remove(gone);
    std::ofstream(empty, std::ios::binary | std::ios::trunc);
    for (int entry : {0, 1}) {
        boxes.Queue("Ok");
        form->mnuoldfiles[entry]->trigger();
    }
    EXPECT_EQ(boxes.Prompts(), QStringList({Q("File does not exist:\n" + gone),
                                            Q("File does not exist:\n" + empty)}));
    EXPECT_EQ(boxes.seen()[0].buttons, QStringList{"Ok"});
    EXPECT_EQ(RecentMenu(), QStringList({Q(gone), Q(empty), "[]", "[]", "[]"}));
    EXPECT_EQ(PuzzleLabel(), "p# 3 of 5");
    EXPECT_EQ(Status(), "Ready ...");
}

// ---- Saving

TEST_F(FilesTest, SavingTwiceIntoANewNameWithoutADotGivesATxtFileOfTwoLines) {
    WriteConfig(WritePuzzles("file.txt", 10), 7);
    Start();
    const std::string saved = WorkFile("collection.txt");
    Save(WorkFile("collection"));
    ASSERT_EQ(dialogs.dialogs.size(), 1u);
    EXPECT_EQ(dialogs.dialogs[0].title, "Select a file to save current puzzle");
    EXPECT_EQ(dialogs.dialogs[0].filters, QStringList{"Lumeta Files (*.txt)"});
    EXPECT_EQ(dialogs.dialogs[0].folder, Q(AppDir()).chopped(1));
    EXPECT_TRUE(dialogs.dialogs[0].save);
    EXPECT_EQ(dialogs.notices, QStringList{SavedNotice(saved, 1)});
    EXPECT_EQ(ReadBytes(saved), PuzzleLineNo(7) + "\r\n");
    EXPECT_FALSE(fs::exists(WorkFile("collection")));

    Click(form->cmdarrow[2]);
    dialogs.Choose(WorkFile("collection"));
    ShortcutOnWindow(Qt::Key_S);
    EXPECT_EQ(dialogs.notices, QStringList({SavedNotice(saved, 1), SavedNotice(saved, 2)}));
    EXPECT_EQ(ReadBytes(saved), PuzzleLineNo(7) + "\r\n" + PuzzleLineNo(8) + "\r\n");

    // Saving leaves the current puzzle as it was.
    EXPECT_EQ(S().current.PuzzleFile, WorkFile("file.txt"));
    EXPECT_EQ(PuzzleNumbers(), "8 of 10");
    EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(FilesTest, ANameWithADotAnywhereIsUsedAsChosen) {
    WriteConfig(WritePuzzles("file.txt", 3), 2);
    fs::create_directories(WorkFile("dotted.dir"));
    Start();
    for (const std::string& name : {WorkFile("my.puzzles"), WorkFile("dotted.dir/plain")}) {
        Save(name);
        EXPECT_EQ(ReadBytes(name), PuzzleLineNo(2) + "\r\n") << name;
        EXPECT_FALSE(fs::exists(name + ".txt")) << name;
        EXPECT_EQ(dialogs.notices.last(), SavedNotice(name, 1));
    }
}

TEST_F(FilesTest, AFileWithoutItsLastLineEndGetsTheSavedPuzzleOnALineOfItsOwn) {
    WriteConfig(WritePuzzles("file.txt", 9), 9);
    const std::string target = WorkFile("handmade.txt");
    std::ofstream(target, std::ios::binary) << PuzzleLineNo(1) << "\n" << PuzzleLineNo(2);
    Start();
    Save(target);
    EXPECT_EQ(ReadBytes(target),
              PuzzleLineNo(1) + "\n" + PuzzleLineNo(2) + "\r\n" + PuzzleLineNo(9) + "\r\n");
    EXPECT_EQ(dialogs.notices, QStringList{SavedNotice(target, 3)});
}

TEST_F(FilesTest, AFileThatCannotBeWrittenStaysAsItWasAndIsNamed) {
    WriteConfig(WritePuzzles("file.txt", 5), 4);
    const std::string kept = PuzzleLineNo(1) + "\r\n" + PuzzleLineNo(2) + "\r\n";
    Start();

    // The chosen name, completed with ".txt", is a folder.
    fs::create_directories(WorkFile("box.txt"));
    boxes.Queue("Ok");
    Save(WorkFile("box"));
    EXPECT_TRUE(fs::is_directory(WorkFile("box.txt")));
    EXPECT_TRUE(fs::is_empty(WorkFile("box.txt")));

    // The disk takes part of the line and refuses the rest.
    const std::string full = WorkFile("full.txt");
    std::ofstream(full, std::ios::binary) << kept;
    std::optional<FileSizeLimit> limit;
    dialogs.BeforeAnswer([&] { limit.emplace(kept.size() + 10); });
    boxes.Queue("Ok");
    Save(full);
    limit.reset();
    EXPECT_EQ(ReadBytes(full), kept);

    QStringList expected = {UnwrittenMessage(WorkFile("box.txt")), UnwrittenMessage(full)};

    // Permissions hold only for a user other than root.
    if (geteuid() != 0) {
        const std::string locked = WorkFile("locked.txt");
        std::ofstream(locked, std::ios::binary) << kept;
        fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
        fs::create_directories(WorkFile("shut"));
        fs::permissions(WorkFile("shut"), fs::perms::owner_read | fs::perms::owner_exec);
        for (const std::string& target : {locked, WorkFile("shut/new.txt")}) {
            boxes.Queue("Ok");
            Save(target);
            expected << UnwrittenMessage(target);
        }
        fs::permissions(WorkFile("shut"), fs::perms::owner_all);
        EXPECT_EQ(ReadBytes(locked), kept);
        EXPECT_FALSE(fs::exists(WorkFile("shut/new.txt")));
    }
    EXPECT_EQ(boxes.Prompts(), expected);
    for (const auto& seen : boxes.seen())
        EXPECT_EQ(seen.buttons, QStringList{"Ok"});
    EXPECT_TRUE(dialogs.notices.isEmpty());

    // The program goes on: the next save works.
    Save(WorkFile("fine.txt"));
    EXPECT_EQ(ReadBytes(WorkFile("fine.txt")), PuzzleLineNo(4) + "\r\n");
    EXPECT_EQ(PuzzleNumbers(), "4 of 5");
}

TEST_F(FilesTest, AnEmptyBoardHasNothingToSave) {
    Start();
    boxes.Queue("Ok");
    form->mnusave->trigger();
    EXPECT_EQ(boxes.Prompts(), QStringList{"There is no puzzle to save"});
    EXPECT_TRUE(dialogs.dialogs.empty());
}

TEST_F(FilesTest, WhileAPuzzleIsCreatedNeitherDialogOpens) {
    WritePuzzles("puzzles.txt", 3);
    Start();
    bool checked = false;
    // Runs in the first event pump of the creation; a dialog would be an unexpected one.
    QTimer::singleShot(0, form, [&] {
        checked = true;
        ASSERT_TRUE(form->Busy());
        form->mnusave->trigger();
        form->mnuloadpuzfile->trigger();
        Click(form->cmdload);
    });
    form->mnucreate->trigger();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(dialogs.dialogs.empty());
    EXPECT_EQ(Status(), "Puzzle created ...");
}

}  // namespace
}  // namespace lumeta
