#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/app_folders.h"
#include "app/config_file.h"
#include "app/game_state.h"
#include "generator/player_model.h"
#include "generator/random_source.h"
#include "puzzlefiles/puzzle_loader.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;

namespace lumeta {

class AboutForm;
class BoardPicture;
class BoardSizeMenu;
class BoardWindow;
class BoxControl;
class CreatedPuzzleFile;
class FNDialog;
class Form4;
class MsgForm;
class PrintSystem;
class PuzzlePrinting;
class OptionsForm;
class HelpMeMenu;
class PlayMenu;
struct CursorPlace;

// The game window: the board picture, the command buttons, the two labels naming the
// puzzle, the status line and the menus. It owns the game state; its handlers are thin
// and leave the work to the board, puzzle file, view and configuration functions.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr const char* kCaption = "  Lumeta";
    // The one-puzzle file every created puzzle is loaded from, in the working folder.
    static constexpr const char* kTempPuzzleFile = "tempcellnetpuzzle.txt";

    // folders says where the program's files lie; random is the program's one source of
    // chance.
    Form1(AppFolders folders, RandomSource random, QWidget* parent = nullptr);
    // A portable copy in appDir, making its puzzles in the working folder.
    Form1(const std::string& appDir, RandomSource random, QWidget* parent = nullptr);
    ~Form1() override;

    // From the built-in defaults to the remembered puzzle on the board: reads the
    // configuration, builds the board and loads the puzzle file.
    void Startup();

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }

    // The busy flag: the create button is disabled while a puzzle file is loaded at
    // start-up and while a puzzle is created.
    bool Busy() const;

    // Commands, as the buttons and menus raise them.
    void Exit();
    bool SaveOptions();
    // Without a grade, as the create button makes puzzles; with one, a puzzle of that grade.
    void CreateCommand(std::optional<Grade> grade = std::nullopt);
    void ResetCommand();
    void Navigate(int index, int button);
    void OpenPuzzleFile();
    void OpenRecentFile(int entry);
    void SavePuzzle();
    void PrintCommand(bool wholeFile);
    void CopyToClipboard(bool solution);
    void HelpCommand();
    void AboutCommand();
    // Opens a file named on the command line as "Load Puzzle file" opens the one chosen.
    void OpenPuzzleFileNamed(const std::string& path);
    // Where a created puzzle is written.
    std::string TempPuzzlePath() const;
    // Lists a file just opened in the "File" menu.
    void AddRecentFile(const std::string& path);
    // The apply command the options dialog raises: reloads the scheme, puts it and the
    // board font on the windows and redraws the board.
    void ApplyCommand();
    void ApplyColours();

    // The controls, named as the window names them.
    BoardPicture* Picture1 = nullptr;
    BoxControl* cmdload = nullptr;
    std::array<BoxControl*, 3> cmdarrow{};
    BoxControl* cmdcreate = nullptr;
    BoxControl* cmdshowsol = nullptr;
    BoxControl* cmdverify = nullptr;
    BoxControl* cmdundo = nullptr;
    QLabel* Label1 = nullptr;  // puzzle number
    QLabel* label4 = nullptr;  // file name, full path as tooltip
    QLabel* Statx = nullptr;   // status line
    MsgForm* msgForm = nullptr;
    // "Lumeta Options", made the first time it is asked for and kept for the run.
    OptionsForm& Options();
    FNDialog* gf1 = nullptr;  // the open and save dialogs; never shown as a button
    // The printing commands with the print-dialog object and the print window.
    PuzzlePrinting* printing = nullptr;
    // The printers printing may use: the system's, unless another is set before Startup.
    std::shared_ptr<PrintSystem> printSystem;
    Form4* helpForm = nullptr;
    HelpMeMenu* helpMeMenu = nullptr;  // "Help me" and the grade on the menu bar
    QPointer<AboutForm> aboutForm;     // released when the about box is unloaded

    QAction* mnuloadpuzfile = nullptr;
    QAction* mnucolsch = nullptr;
    QAction* mnusaveopts = nullptr;
    QAction* mnuprint = nullptr;
    std::array<QAction*, 6> mnuoldfiles{};  // 0..4 recent files, 5 the separator after them
    QAction* mnuhelp = nullptr;
    QAction* mnuabout = nullptr;
    QAction* cmdexitx = nullptr;
    QAction* mnucreate = nullptr;
    QAction* mnusave = nullptr;
    QAction* mnureset = nullptr;
    QAction* mnucopy2clip = nullptr;
    QAction* mnucopyclipsol = nullptr;
    QAction* mnuprint1 = nullptr;
    PlayMenu* playMenu = nullptr;            // the buttons' commands with keys
    BoardSizeMenu* boardSizeMenu = nullptr;  // the board Create makes puzzles on

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void ConnectCommands();
    BoxControl* NewButton(const char* name, const QString& tooltip);
    void PlaceControls();
    void SetButtonPictures();

    void ReadConfiguration();
    ConfigSettings CurrentSettings() const;
    void ShowRecentFiles();
    void ShowFileName(const QString& name);
    void ApplyBoardLook();
    void LoadScheme(const std::string& name, int& found);

    void BuildBoard();
    void DrawBoard(int showSolution);
    void TakeLoadReport(const LoadReport& report);
    // Loads puzzle 1 of a file of `count` puzzles and says on the status line how it went.
    bool LoadFirstPuzzle(const std::string& path, int count);
    void SetBusyPointer(bool busy);
    void LoadFileAndRemember(const std::string& path);
    int Message(const std::string& prompt, const QString& style);
    void Notice(const std::string& text);
    QString AskFileName(const char* title, const QString& mode);
    void KeepUnwrittenPuzzle();

    void PointerMoved(double x, double y);
    bool CharacterKey(const QKeyEvent& key);
    void KeyReleased(const QKeyEvent& key);
    void SelectByKey(const CursorPlace& place);
    void VerifyPressed(int button);
    void VerifyReleased();
    void ShowSolutionPressed();
    void ShowSolutionReleased();
    void UndoReleased(int button);
    void FinishSwallowedPress(BoxControl* button, int mouseButton);

    void CloseOtherWindows();

    GameState state_;
    OptionsForm* optionsForm_ = nullptr;
    std::unique_ptr<CreatedPuzzleFile> created_;
    std::unique_ptr<BoardWindow> boardWindow_;  // the window the size of its board
    RandomSource random_;
    bool busyPointer_ = false;
};

}  // namespace lumeta
