// The game window's puzzle file commands: opening a file through the dialog or from the
// recent files, and appending the puzzle on the board to a file of the player's.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <filesystem>
#include <system_error>

#include "app/app_files.h"
#include "app/form1.h"
#include "app/local_text.h"
#include "board/num_text.h"
#include "controls/fn_dialog.h"
#include "puzzlefiles/puzzle_writer.h"
#include "view/board_picture.h"

namespace lumeta {

QString Form1::AskFileName(const char* title, const QString& mode) {
    gf1->SetTitle(QString::fromLatin1(title));
    gf1->SetFileTypes(QStringLiteral("*.txt"));
    gf1->SetFileTypesName(QtText(state_.AppTitle + " Files"));
    gf1->SetDefaultDir(QtText(state_.folders.DialogDir));
    // "puzzles.txt" and the created puzzles' file are named relative to the working folder,
    // wherever the user browsed to.
    const QString working = QDir::currentPath();
    const QString chosen = gf1->GetFileName(mode);
    QCoreApplication::processEvents();
    QDir::setCurrent(working);
    return chosen;
}

void Form1::OpenPuzzleFile() {
    if (Busy()) return;
    const std::string path = LocalPath(AskFileName("Select a saved game file to load", "OPEN"));
    if (path.empty()) return;
    LoadFileAndRemember(path);
}

void Form1::OpenPuzzleFileNamed(const std::string& path) {
    if (Busy() || path.empty()) return;
    if (!FileExists(path)) {
        Message("File does not exist:\r\n" + path, QStringLiteral("vbok+vbcritical"));
        return;
    }
    // The configuration and the recent files keep full paths: the working folder changes.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    LoadFileAndRemember(ec ? path : full.lexically_normal().string());
}

void Form1::LoadFileAndRemember(const std::string& path) {
    const int count = CountPuzzles(path);
    if (count == 0) return;

    SetBusyPointer(true);
    Statx->setText(QStringLiteral("Loading puzzle ..."));
    if (LoadFirstPuzzle(path, count)) DrawBoard(0);
    SetBusyPointer(false);
    AddRecentFile(path);
}

void Form1::OpenRecentFile(int entry) {
    if (entry < 0 || entry >= RecentFiles::kEntries) return;
    if (Busy()) {
        Message("Cancel puzzle creation", QStringLiteral("vbok+vbexclamation"));
        return;
    }
    const std::string path = state_.recent.caption[entry];
    if (!HasText(path)) return;
    if (!FileExists(path)) {
        // The entry stays: the file may come back, as on a drive plugged in later.
        Message("File does not exist:\r\n" + path, QStringLiteral("vbok+vbcritical"));
        return;
    }
    SetBusyPointer(true);
    const int count = CountPuzzles(path);
    if (count == 0) {
        SetBusyPointer(false);
        return;
    }
    LoadFirstPuzzle(path, count);
    DrawBoard(0);
    SetBusyPointer(false);
    // The path came from the list, so the list stays as it is.
}

bool Form1::LoadFirstPuzzle(const std::string& path, int count) {
    GameState& s = state_;
    s.current.PuzzleCount = count;
    int n = 1;
    int err = 0;
    TakeLoadReport(LoadPuzzle(s.layout, s.puzzle, s.current, path, n, err));
    if (err != 0) {
        Statx->setText(QStringLiteral("Error loading puzzle file"));
        return false;
    }
    Label1->setText(QtText(PuzzleLabelText(s.current.PuzzleNo, s.current.PuzzleCount)));
    Statx->setText(QStringLiteral("Puzzle file read"));
    return true;
}

void Form1::AddRecentFile(const std::string& path) {
    if (!StorableName(path)) {
        // One line of the configuration holds one name: this one would break the file.
        Message("File name:\r\n" + ShownName(path) +
                    "\r\nholds a line break; it is not kept in the recent files",
                QStringLiteral("vbok+vbexclamation"));
        return;
    }
    if (lumeta::AddRecentFile(state_.recent, path)) ShowRecentFiles();
}

void Form1::SavePuzzle() {
    GameState& s = state_;
    // While a puzzle is being created the board holds its candidates, not a puzzle.
    if (Busy()) return;
    const std::string line = PuzzleLine(s.layout, s.puzzle);
    if (line.empty()) {
        // An empty line would count as a puzzle in the file and load as an empty board.
        Message("There is no puzzle to save", QStringLiteral("vbok+vbexclamation"));
        return;
    }
    std::string path = LocalPath(AskFileName("Select a file to save current puzzle", "SAVE"));
    if (path.empty()) return;
    AddDefaultExtension(path, "txt");
    if (!WritePuzzleLine(s.layout, s.puzzle, path, WriteMode::Append)) {
        Message("Puzzle file:\r\n" + path + "\r\ncould not be written",
                QStringLiteral("vbok+vbcritical"));
        return;
    }
    const int count = CountPuzzles(path);
    Notice("Puzzle appended to file:\r\n" + path + "\r\n" + BlankNumText(count) + " puzzles");
}

void Form1::Notice(const std::string& text) {
    // The system's plain box, not the program's own.
    QMessageBox box(QMessageBox::NoIcon, QtText(state_.AppTitle),
                    QtText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    QCoreApplication::processEvents();
}

}  // namespace lumeta
