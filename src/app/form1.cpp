#include "app/form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <system_error>

#include "app/about_form.h"
#include "app/app_files.h"
#include "app/board_size.h"
#include "app/board_window.h"
#include "app/button_pictures.h"
#include "app/created_puzzle.h"
#include "app/form1_layout.h"
#include "app/help_me_menu.h"
#include "app/local_text.h"
#include "app/navigation.h"
#include "app/play_menu.h"
#include "app/program_picture.h"
#include "appearance/apply_colours.h"
#include "appearance/options_form.h"
#include "appearance/scheme_file.h"
#include "appearance/window_look.h"
#include "controls/box_control.h"
#include "controls/fn_dialog.h"
#include "controls/msg_form.h"
#include "controls/twips.h"
#include "generator/graded_create.h"
#include "output/clipboard_copy.h"
#include "output/print_system.h"
#include "output/prnt_form.h"
#include "output/puzzle_printing.h"
#include "puzzlefiles/puzzle_writer.h"
#include "view/board_font.h"
#include "view/board_picture.h"

namespace lumeta {

namespace {

// The hidden list whose background the message box takes: a list's default, the system
// window colour.
constexpr std::uint32_t kListBackColour = kSystemColourBit | 5;
// Buttons start in the system's button face until a colour scheme is applied.
constexpr std::uint32_t kButtonFaceColour = kSystemColourBit | 15;

// How long a puzzle's creation runs between two looks at the window's events.
constexpr qint64 kCreatePumpMs = 10;

// The widest a recent file's path is shown in the menu, in pixels.
constexpr int kRecentFileWidth = 420;

// A file path as a menu shows it: "&" is a literal character there.
QString MenuCaption(const std::string& path) {
    QString caption = QtText(path);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption;
}

}  // namespace

Form1::Form1(const std::string& appDir, RandomSource random, QWidget* parent)
    : Form1(PortableFolders(appDir), std::move(random), parent) {}

Form1::Form1(AppFolders folders, RandomSource random, QWidget* parent)
    : QMainWindow(parent), random_(std::move(random)) {
    state_.folders = std::move(folders);
    created_ = std::make_unique<CreatedPuzzleFile>(TempPuzzlePath());
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kCaption));
    // The window keeps its designed size: it can be minimised, not maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    SetProgramIcon(*this);

    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    const TwipsPerPixel scale = ScreenTwipsPerPixel(QGuiApplication::primaryScreen());
    state_.TwipsPerPixelX = scale.x;
    state_.TwipsPerPixelY = scale.y;

    BuildControls();
    boardWindow_ = std::make_unique<BoardWindow>(*this, *Picture1, state_);
    BuildMenus();
    ConnectCommands();
    helpMeMenu = new HelpMeMenu(*this);  // after the Play menu, which ConnectCommands makes
    boardSizeMenu = new BoardSizeMenu(*menuBar()->findChild<QMenu*>(QStringLiteral("mnupuzzle")),
                                      state_.folders.ConfigDir, this);
    PlaceControls();
}

Form1::~Form1() {
    SetBusyPointer(false);
}

bool Form1::Busy() const {
    return !cmdcreate->isEnabled();
}

// ---------------------------------------------------------------------------------------
// Controls and menus

BoxControl* Form1::NewButton(const char* name, const QString& tooltip) {
    auto* button = new BoxControl(centralWidget());
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);
    button->SetBackColor(kButtonFaceColour);
    return button;
}

void Form1::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    cmdload = NewButton("cmdload", QStringLiteral("Load a puzzle file"));
    label4 = new QLabel(client);
    Label1 = new QLabel(client);
    const std::array<QString, 3> arrowTips = {
        QStringLiteral("Previous puzzle; rightclick for first"), QStringLiteral("Random puzzle"),
        QStringLiteral("Next puzzle; rightclick for last")};
    for (int index = 0; index < 3; ++index) {
        const std::string name = "cmdarrow" + std::to_string(index);
        cmdarrow[index] = NewButton(name.c_str(), arrowTips[index]);
    }
    cmdcreate = NewButton("cmdcreate", QStringLiteral("Create a new puzzle"));

    Picture1 = new BoardPicture(client);
    Picture1->SetTwipsPerPixel(state_.TwipsPerPixelX, state_.TwipsPerPixelY);
    Picture1->installEventFilter(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Puzzle board"));
    Picture1->SetModel(&state_.layout, &state_.puzzle, &state_.geometry, &state_.selection);

    cmdshowsol = NewButton("cmdshowsol", QStringLiteral("Show Solution"));
    Statx = new QLabel(client);
    cmdverify = NewButton("cmdverify", QStringLiteral("Verify solution"));
    cmdverify->SetCaption(QStringLiteral("!"));
    cmdundo = NewButton("cmdundo", QStringLiteral("Undo user entry, rightclick to reset"));

    label4->setObjectName(QStringLiteral("label4"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Statx->setObjectName(QStringLiteral("Statx"));
    QFont labelFont(QStringLiteral("Arial Narrow"));
    labelFont.setPointSizeF(8.25);
    for (QLabel* label : {label4, Label1, Statx}) {
        label->setTextFormat(Qt::PlainText);  // file names may hold "<" or "&"
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    label4->setFont(labelFont);
    Label1->setFont(labelFont);

    // Only its dialogs are used; as a button it stays out of sight.
    gf1 = new FNDialog(client);
    gf1->setObjectName(QStringLiteral("gf1"));
    gf1->hide();

    SetButtonPictures();
}

void Form1::SetButtonPictures() {
    const int size = RoundHalfEven(kButtonPictureTwips / state_.TwipsPerPixelX);
    // Sharp on the sharpest screen the window may go to.
    const qreal ratio = qApp->devicePixelRatio();
    const auto picture = [&](BoxControl* button, ButtonPicture kind) {
        button->SetPicture(ButtonPicturePixmap(kind, size, ratio, button->isEnabled()));
    };
    picture(cmdload, ButtonPicture::OpenFile);
    picture(cmdarrow[kPrevious], ButtonPicture::Previous);
    picture(cmdarrow[kRandom], ButtonPicture::Random);
    picture(cmdarrow[kNext], ButtonPicture::Next);
    // The create button keeps its look while it is disabled as the busy flag.
    cmdcreate->SetPicture(ButtonPicturePixmap(ButtonPicture::Create, size, ratio));
    picture(cmdshowsol, ButtonPicture::ShowSolution);
    picture(cmdundo, ButtonPicture::Undo);
}

void Form1::PlaceControls() {
    const TwipScale scale{static_cast<double>(state_.TwipsPerPixelX),
                          static_cast<double>(state_.TwipsPerPixelY)};
    lumeta::PlaceControls(*centralWidget(), scale, Picture1->size());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::BuildMenus() {
    const auto entry = [](QMenu* menu, const char* name, const QString& text,
                          const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        return action;
    };
    // "Cancel" closes the menu and does nothing else.
    const auto cancel = [](QMenu* menu) {
        menu->addAction(QStringLiteral("Cancel"))->setObjectName(QStringLiteral("mnucancel"));
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnufile"));
    mnuloadpuzfile = entry(file, "mnuloadpuzfile", QStringLiteral("Load Puzzle file"),
                           QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    mnucolsch = entry(file, "mnucolsch", QStringLiteral("Edit Options"));
    mnusaveopts = entry(file, "mnusaveopts", QStringLiteral("Save Options"));
    file->addSeparator();
    mnuprint = entry(file, "mnuprint", QStringLiteral("Print Puzzle File"));
    file->addSeparator();
    for (int index = 0; index < RecentFiles::kEntries; ++index) {
        const std::string name = "mnuoldfiles" + std::to_string(index);
        mnuoldfiles[index] = entry(file, name.c_str(), QString());
    }
    mnuoldfiles[5] = file->addSeparator();
    mnuoldfiles[5]->setObjectName(QStringLiteral("mnuoldfiles5"));
    mnuhelp = entry(file, "mnuhelp", QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    mnuabout = entry(file, "mnuabout", QStringLiteral("About"));
    cmdexitx = entry(file, "cmdexitx", QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    file->addSeparator();
    cancel(file);

    QMenu* puzzle = menuBar()->addMenu(QStringLiteral("Puzzle"));
    puzzle->setObjectName(QStringLiteral("mnupuzzle"));
    mnucreate =
        entry(puzzle, "mnucreate", QStringLiteral("Create"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnusave = entry(puzzle, "mnusave", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnureset = entry(puzzle, "mnureset", QStringLiteral("Reset"));
    puzzle->addSeparator();
    QMenu* clipboard = puzzle->addMenu(QStringLiteral("Copy to Clipboard"));
    clipboard->setObjectName(QStringLiteral("mnuclipboard"));
    mnucopy2clip = entry(clipboard, "mnucopy2clip", QStringLiteral("Puzzle"));
    mnucopyclipsol = entry(clipboard, "mnucopyclipsol", QStringLiteral("Solution"));
    clipboard->addSeparator();
    cancel(clipboard);
    mnuprint1 =
        entry(puzzle, "mnuprint1", QStringLiteral("Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    puzzle->addSeparator();
    cancel(puzzle);

    ShowRecentFiles();
}

void Form1::ConnectCommands() {
    connect(mnuloadpuzfile, &QAction::triggered, this, [this] { OpenPuzzleFile(); });
    connect(mnucolsch, &QAction::triggered, this, [this] { Options().exec(); });
    connect(mnusaveopts, &QAction::triggered, this, [this] { SaveOptions(); });
    connect(cmdexitx, &QAction::triggered, this, [this] { Exit(); });
    connect(mnucreate, &QAction::triggered, this, [this] { CreateCommand(); });
    connect(mnusave, &QAction::triggered, this, [this] { SavePuzzle(); });
    connect(mnureset, &QAction::triggered, this, [this] { ResetCommand(); });
    connect(mnuprint, &QAction::triggered, this, [this] { PrintCommand(true); });
    connect(mnuprint1, &QAction::triggered, this, [this] { PrintCommand(false); });
    connect(mnucopy2clip, &QAction::triggered, this, [this] { CopyToClipboard(false); });
    connect(mnucopyclipsol, &QAction::triggered, this, [this] { CopyToClipboard(true); });
    connect(mnuhelp, &QAction::triggered, this, [this] { HelpCommand(); });
    connect(mnuabout, &QAction::triggered, this, [this] { AboutCommand(); });
    for (int index = 0; index < RecentFiles::kEntries; ++index)
        connect(mnuoldfiles[index], &QAction::triggered, this,
                [this, index] { OpenRecentFile(index); });

    connect(cmdload, &BoxControl::MouseUp, this, [this] { OpenPuzzleFile(); });
    for (int index = 0; index < 3; ++index)
        connect(cmdarrow[index], &BoxControl::MouseUp, this,
                [this, index](int button, int, float, float) { Navigate(index, button); });
    connect(cmdcreate, &BoxControl::MouseUp, this, [this] { CreateCommand(); });
    connect(cmdverify, &BoxControl::MouseDown, this,
            [this](int button, int, float, float) { VerifyPressed(button); });
    connect(cmdverify, &BoxControl::MouseUp, this, [this] { VerifyReleased(); });
    connect(cmdshowsol, &BoxControl::MouseDown, this, [this] { ShowSolutionPressed(); });
    connect(cmdshowsol, &BoxControl::MouseUp, this, [this] { ShowSolutionReleased(); });
    connect(cmdundo, &BoxControl::MouseUp, this,
            [this](int button, int, float, float) { UndoReleased(button); });
    connect(Picture1, &BoardPicture::MouseMove, this,
            [this](int, int, double x, double y) { PointerMoved(x, y); });
    playMenu = new PlayMenu(
        *this,
        {[this] { VerifyPressed(1), VerifyReleased(); }, [this] { UndoReleased(1); },
         [this](bool shown) { shown ? ShowSolutionPressed() : ShowSolutionReleased(); },
         [this](int index, int button) { Navigate(index, button); }, [this] { ResetCommand(); }});
}

void Form1::ShowRecentFiles() {
    for (int index = 0; index < RecentFiles::kEntries; ++index) {
        // A long path is shortened in its middle, where it says least; the caption the
        // configuration keeps stays whole.
        const QString path = QtText(state_.recent.caption[index]);
        const QString shown = fontMetrics().elidedText(path, Qt::ElideMiddle, kRecentFileWidth);
        mnuoldfiles[index]->setText(MenuCaption(LocalText(shown)));
        mnuoldfiles[index]->setToolTip(path);
        mnuoldfiles[index]->setVisible(state_.recent.Visible(index));
    }
    mnuoldfiles[5]->setVisible(state_.recent.SeparatorVisible());
}

// ---------------------------------------------------------------------------------------
// Start-up and shutdown

void Form1::Startup() {
    GameState& s = state_;
    s.appearance.BorderWidth = 2;
    s.AppTitle = "Lumeta";
    s.appearance.BoardFontName = "Arial";
    s.appearance.BoardFontSize = 10;
    s.scheme.SchemeColours[13] = 0;

    // The message box: the hidden list's background for the box and its buttons, black
    // text, the program's name as its title.
    if (!msgForm) msgForm = new MsgForm(s.scheme, this);
    msgForm->SetBackColor(kListBackColour);
    msgForm->SetButtonColor(kListBackColour);
    QFont boxFont(QStringLiteral("Arial"));
    boxFont.setPointSize(9);
    boxFont.setBold(false);
    msgForm->setFont(boxFont);
    msgForm->SetForeColor(0);
    msgForm->setWindowTitle(QtText(s.AppTitle));
    if (!printing) {
        if (!printSystem) printSystem = SystemPrintService();
        printing = new PuzzlePrinting({s.layout, s.puzzle, s.current, s.appearance, s.AppTitle},
                                      *msgForm, this, printSystem);
        printing->PuzzleReloaded = [this](const LoadReport& report) {
            TakeLoadReport(report);
            DrawBoard(0);
        };
    }

    s.NearBlack = RGBValue(2, 2, 2);
    s.appearance.BorderColour = RGBValue(0, 0, 0);
    s.appearance.FixedColour = RGBValue(255, 0, 0);
    s.appearance.GridColour = RGBValue(255, 255, 255);
    s.perm = DigitPerm{};

    s.layout.NumHex = -1;  // no board yet
    ApplyBoardLook();

    ReadConfiguration();
    int found = 1;
    LoadScheme(s.scheme.SchemeName, found);
    ApplyColours();

    s.layout.NumHex = 7;
    BuildBoard();

    // The remembered puzzle file, else the collection in the working folder; an installed
    // copy, started from a folder without one, opens the collection it ships.
    if (s.current.PuzzleFile.empty() || !FileExists(s.current.PuzzleFile)) {
        s.current.PuzzleFile = "puzzles.txt";
        s.current.PuzzleNo = 1;
        const std::string shipped = s.folders.DataDir + "puzzles.txt";
        if (!FileExists(s.current.PuzzleFile) && s.folders.installed && FileExists(shipped))
            s.current.PuzzleFile = shipped;
        if (!FileExists(s.current.PuzzleFile)) {
            s.current.PuzzleFile.clear();
            Statx->clear();
            s.current.PuzzleNo = 0;
            cmdcreate->SetEnabled(true);
            return;
        }
    }

    SetBusyPointer(true);
    cmdcreate->SetEnabled(false);
    s.current.PuzzleCount = CountPuzzles(s.current.PuzzleFile);
    if (s.current.PuzzleNo < 1) s.current.PuzzleNo = 1;
    int err = 0;
    const std::string file = s.current.PuzzleFile;
    TakeLoadReport(LoadPuzzle(s.layout, s.puzzle, s.current, file, s.current.PuzzleNo, err));
    if (err != 0) {
        // The remembered puzzle lies beyond the file's end: start without a puzzle.
        s.current.PuzzleNo = 0;
        s.current.PuzzleFile.clear();
        Statx->clear();
    } else {
        DrawBoard(0);
        Statx->setText(QStringLiteral("Ready ..."));
    }
    cmdcreate->SetEnabled(true);
    SetBusyPointer(false);
}

void Form1::ReadConfiguration() {
    // An installed copy's folder for it may not exist yet on a first start.
    std::error_code ec;
    const std::string& folder = state_.folders.ConfigDir;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    // Without a folder for it (no home) the defaults hold and nothing is written.
    const ConfigRead read = folder.empty() ? ConfigRead{} : ReadcfgFile(folder + kConfigFileName);
    const ConfigSettings& c = read.settings;
    GameState& s = state_;
    s.scheme.SchemeName = c.SchemeName;
    // A created puzzle is played from this copy's own file, out of other copies' reach.
    s.current.PuzzleFile = created_->TakeRemembered(c.PuzzleFile);
    s.appearance.BoardFontName = c.BoardFontName;
    s.current.PuzzleNo = c.PuzzleNo;
    s.appearance.BoardFontSize = c.BoardFontSize;
    s.appearance.BorderColour = c.BorderColour;
    s.appearance.FixedColour = c.FixedColour;
    s.appearance.GridColour = c.GridColour;
    s.appearance.UserColour = c.UserColour;
    s.appearance.HexFillColour = c.HexFillColour;
    s.appearance.BorderWidth = c.BorderWidth;
    s.scheme.SchemeColours[13] = c.UserButtonColour;
    s.recent = s.recentSaved = c.recent;
    ShowRecentFiles();
}

ConfigSettings Form1::CurrentSettings() const {
    const GameState& s = state_;
    ConfigSettings c;
    c.SchemeName = s.scheme.SchemeName;
    c.PuzzleFile = s.current.PuzzleFile;
    c.BoardFontName = s.appearance.BoardFontName;
    c.PuzzleNo = s.current.PuzzleNo;
    c.BoardFontSize = s.appearance.BoardFontSize;
    c.BorderColour = s.appearance.BorderColour;
    c.FixedColour = s.appearance.FixedColour;
    c.GridColour = s.appearance.GridColour;
    c.UserColour = s.appearance.UserColour;
    c.HexFillColour = s.appearance.HexFillColour;
    c.BorderWidth = s.appearance.BorderWidth;
    c.UserButtonColour = s.scheme.SchemeColours[13];
    c.recent = s.recent;
    return c;
}

void Form1::ApplyBoardLook() {
    // The digits' font goes on the board picture before the board is built, so their
    // centring is measured in it; the marker takes the border colour.
    Picture1->setFont(BoardFont(state_.appearance));
    Picture1->SetMarkerColour(state_.appearance.BorderColour);
}

void Form1::LoadScheme(const std::string& name, int& found) {
    found = 1;
    SchemeTextColour text;
    const bool loaded = lumeta::LoadScheme(state_.folders.DataDir + kSchemeFileName, name,
                                           state_.scheme.SchemeColours, &text);
    state_.scheme.TextColour = text.colour;
    if (!text.problem.empty())
        Message("Colour Scheme: " + name + ": " + text.problem,
                QStringLiteral("vbok+vbexclamation"));
    if (loaded) return;
    Message("Colour Scheme: " + name + " not found", QStringLiteral("vbok+vbcritical"));
    found = 0;
    state_.scheme.SchemeName = "xp.col";
}

void Form1::ApplyColours() {
    ColourTargets targets;
    targets.client = centralWidget();
    targets.picture = Picture1;
    targets.buttons = {cmdcreate, cmdshowsol,  cmdload,     cmdverify,
                       cmdundo,   cmdarrow[0], cmdarrow[1], cmdarrow[2]};
    targets.labels = {Label1, label4, Statx};
    targets.menuBar = menuBar();
    targets.msgForm = msgForm;
    // The print window, made on first use, takes the look then: start-up needs no fonts for it.
    targets.printWindow = printing ? printing->MadeForm() : nullptr;
    const WindowLook look =
        lumeta::ApplyColours(state_.scheme, state_.appearance, state_.NearBlack, targets);
    if (printing) printing->FormMade = [look](PrntForm& window) { ColourWindow(window, look); };
}

void Form1::ApplyCommand() {
    int found = 1;
    LoadScheme(state_.scheme.SchemeName, found);
    ApplyColours();
    DrawBoard(0);
}

bool Form1::SaveOptions() {
    const std::string path = state_.folders.ConfigDir + kConfigFileName;
    // Without a folder for the settings (no home) there is nowhere to keep them.
    if (!state_.folders.ConfigDir.empty()) {
        ConfigSettings settings = CurrentSettings();
        settings.PuzzleFile = created_->NameToRemember(settings.PuzzleFile);
        // Another copy of the program may have saved its recent files since: they stay.
        const std::optional<ConfigSettings> onDisk = PeekcfgFile(path);
        if (onDisk && onDisk->recent.caption != state_.recentSaved.caption)
            settings.recent = MergeRecentFiles(settings.recent, state_.recentSaved, onDisk->recent);
        if (SavecfgFile(path, settings)) {
            state_.recent = state_.recentSaved = settings.recent;
            ShowRecentFiles();
            return true;
        }
    }
    Message("Configuration file:\r\n" + path + "\r\ncould not be accessed, options not saved",
            QStringLiteral("vbcritical+vbok"));
    return false;
}

void Form1::Exit() {
    if (Message("Exit?", QStringLiteral("vbQuestion + vbYesNo")) != kResultYes) return;
    SaveOptions();
    CloseOtherWindows();
    close();
}

void Form1::CloseOtherWindows() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing ends the program without a question and without saving; it is never refused.
    CloseOtherWindows();
    SetBusyPointer(false);
    event->accept();
}

// ---------------------------------------------------------------------------------------
// The board

void Form1::BuildBoard() {
    lumeta::BuildBoard(state_.layout, state_.puzzle);
    state_.undo.Clear();
    boardWindow_->Fit();
}

void Form1::DrawBoard(int showSolution) {
    // A puzzle line of another size has built the board again since it was last drawn.
    if (boardWindow_->BoardChanged()) boardWindow_->Fit();
    Picture1->DrawBoard(state_.layout, state_.puzzle, state_.geometry, state_.appearance,
                        showSolution);
}

void Form1::TakeLoadReport(const LoadReport& report) {
    Picture1->HideMarker();
    if (report.kind == LoadReport::Kind::NoPuzzles)
        Message(report.message, QStringLiteral("vbok+vbcritical"));
    if (!report.loaded()) return;
    Label1->setText(QtText(report.puzzleLabel));
    ShowFileName(QtText(report.fileLabel));
    label4->setToolTip(QtText(report.fileTooltip));
    state_.selection.Clear();
    state_.undo.Clear();
    Picture1->setFocus();
    if (helpMeMenu) helpMeMenu->ShowGrade();
    // Said after the command that loaded has written its own status.
    std::string note = UnfittingLineNote(report);
    if (!report.viewProblem.empty())
        note += (note.empty() ? "" : "; ") +
                ("View field not used: " + report.viewProblem + "; the outer sides are shown");
    if (!note.empty())
        QTimer::singleShot(0, this, [this, note = QtText(note)] { Statx->setText(note); });
}

void Form1::ShowFileName(const QString& name) {
    // A long name is cut short rather than run into the puzzle number; the tooltip keeps
    // the full path.
    label4->setText(label4->fontMetrics().elidedText(name, Qt::ElideRight, label4->width()));
}

void Form1::SetBusyPointer(bool busy) {
    if (busy == busyPointer_) return;
    busyPointer_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

int Form1::Message(const std::string& prompt, const QString& style) {
    const int answer = msgForm->MsgboxA(QtText(prompt), style);
    QCoreApplication::processEvents();
    return answer;
}

// ---------------------------------------------------------------------------------------
// Printing and clipboard pictures

void Form1::PrintCommand(bool wholeFile) {
    // While a puzzle is being created the board holds its candidates, not a puzzle.
    if (Busy() || !printing) return;
    if (wholeFile)
        printing->PrintPuzzleFile(label4->toolTip());
    else
        printing->PrintCurrentPuzzle();
}

void Form1::CopyToClipboard(bool solution) {
    if (Busy()) return;
    GameState& s = state_;
    PuzzleSheet sheet{s.layout,   s.puzzle,           s.appearance,
                      s.AppTitle, s.current.PuzzleNo, s.current.PuzzleFile};
    if (solution)
        CopySolutionToClipboard(sheet, s.TwipsPerPixelX, s.TwipsPerPixelY);
    else
        CopyBoardToClipboard(sheet, s.TwipsPerPixelX, s.TwipsPerPixelY);
}

// ---------------------------------------------------------------------------------------
// Navigation

void Form1::Navigate(int index, int button) {
    GameState& s = state_;
    if (Busy() || s.current.PuzzleFile.empty()) return;
    s.current.PuzzleCount = CountPuzzles(s.current.PuzzleFile);
    // A file of one puzzle is never reloaded by navigation.
    if (s.current.PuzzleCount == 1) return;
    const std::optional<int> target =
        NavigateTarget(index, button, s.current.PuzzleNo, s.current.PuzzleCount, random_);
    if (!target) return;
    s.current.PuzzleNo = *target;

    Statx->setText(QStringLiteral("Reading Puzzle ..."));
    SetBusyPointer(true);
    int err = 0;
    const std::string file = s.current.PuzzleFile;
    TakeLoadReport(LoadPuzzle(s.layout, s.puzzle, s.current, file, s.current.PuzzleNo, err));
    if (err != 0) {
        Statx->setText(QStringLiteral("Error reading puzzle"));
    } else {
        Statx->setText(QStringLiteral("Puzzle read"));
        DrawBoard(0);
    }
    SetBusyPointer(false);
}

// ---------------------------------------------------------------------------------------
// Create

void Form1::CreateCommand(std::optional<Grade> grade) {
    if (Busy()) return;
    GameState& s = state_;
    SetBusyPointer(true);
    Picture1->HideMarker();
    cmdcreate->SetEnabled(false);
    Statx->setText(QStringLiteral("Creating a puzzle ..."));

    s.layout.NumHex = boardSizeMenu->Hexagons();
    BuildBoard();
    // The window stays responsive: pending events run between attempts, at the first and
    // then every few milliseconds, not at each of the thousands a big board may take.
    QElapsedTimer sincePump;
    const AttemptHook pump = [&sincePump] {
        if (sincePump.isValid() && !sincePump.hasExpired(kCreatePumpMs)) return;
        QCoreApplication::processEvents();
        sincePump.start();
    };
    if (grade)
        PlacePuzzleLine(s.layout, s.puzzle,
                        GradedCreator(s.layout).Create(*grade, s.puzzle, s.perm, random_, pump));
    else
        CreatePuzzle(s.layout, s.puzzle, s.perm, random_, pump);

    const std::string file = created_->OwnPath();
    const bool written = WritePuzzleLine(s.layout, s.puzzle, file, WriteMode::Replace);
    if (written) {
        created_->Publish();
        s.current.PuzzleCount = 1;
        int n = 1;
        int err = 0;
        TakeLoadReport(LoadPuzzle(s.layout, s.puzzle, s.current, file, n, err));
    } else {
        KeepUnwrittenPuzzle();
    }
    DrawBoard(0);
    // Without its file the puzzle can be played but not reset, reloaded or saved again.
    Statx->setText(written ? QStringLiteral("Puzzle created ...")
                           : QStringLiteral("Puzzle created, but not written to a file"));
    cmdcreate->SetEnabled(true);
    SetBusyPointer(false);

    if (!written) {
        std::error_code ec;
        const std::string path = std::filesystem::absolute(file, ec).string();
        Message("Puzzle file:\r\n" + (ec ? file : path) + "\r\ncould not be written",
                QStringLiteral("vbok+vbcritical"));
    }
}

std::string Form1::TempPuzzlePath() const {
    return state_.folders.WorkDir + kTempPuzzleFile;
}

void Form1::KeepUnwrittenPuzzle() {
    // The new puzzle stays on the board to be played, but no file holds it: nothing may
    // load an older one in its place.
    GameState& s = state_;
    Picture1->HideMarker();
    ClearEntries(s.puzzle);
    s.selection.Clear();
    s.undo.Clear();
    s.current = CurrentPuzzle{};
    Label1->clear();
    ShowFileName(QString());
    label4->setToolTip(QString());
}

}  // namespace lumeta
