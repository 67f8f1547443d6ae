#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/form1.h"
#include "controls/box_control.h"
#include "controls/msg_form.h"
#include "support/fake_print_system.h"
#include "support/temp_dir.h"
#include "view/board_picture.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace lumeta::testing {

namespace fs = std::filesystem;

// A game window in fresh folders ("app" the program's, "work" the working folder), random
// source fixed. Modal windows take the queued `answers`: a message box a button caption, a
// file dialog a path ("" cancels; the working folder moves meanwhile, as browsing may do).
class WindowTest : public ::testing::Test {
  protected:
    static QString Q(const std::string& text) { return QString::fromStdString(text); }
    WindowTest() {
        for (const char* folder : {"app", "work", "elsewhere"})
            fs::create_directories(dir.path() / folder);
        // Installed beside the program, as the build does.
        fs::copy_file(LUMETA_DATA_DIR "/all.col", AppDir() + "all.col");
        QDir::setCurrent(Q(WorkFile("")));
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerModal(); });
        timer_.start(5);
    }
    ~WindowTest() override {
        EXPECT_TRUE(answers.isEmpty()) << "a window the test waited for never came";
        EXPECT_EQ(QDir::currentPath() + "/", Q(WorkFile(""))) << "the working folder moved";
        owned_.reset();
        QDir::setCurrent(oldWorkingFolder_);
    }

    std::string AppDir() const { return (dir.path() / "app").string() + "/"; }
    std::string WorkFile(std::string name) const { return (dir.path() / "work" / name).string(); }
    std::string ConfigPath() const { return AppDir() + "lumeta.cfg"; }
    static std::string PuzzleLineNo(int n) {  // of the shipped collection
        std::ifstream in(LUMETA_DATA_DIR "/puzzles.txt", std::ios::binary);
        std::string line;
        while (n-- > 0)
            std::getline(in, line);
        return line.substr(0, line.find('\r'));
    }
    std::string WritePuzzles(const std::string& name, int count) const {  // lines 1..count
        std::ofstream out(WorkFile(name), std::ios::binary);
        for (int n = 1; n <= count; ++n)
            out << PuzzleLineNo(n) << "\r\n";
        return WorkFile(name);
    }
    void WriteConfig(const std::string& file, int no, std::vector<std::string> recent = {}) {
        recent.resize(5, " ");
        std::string text = "xp.col\r\n" + file + "\r\nArial\r\n " + std::to_string(no) +
                           "  10  0  255  0  128  16777215  2  0 ";
        for (const std::string& line : recent)
            text += "\r\n" + line;
        std::ofstream(ConfigPath(), std::ios::binary) << text + "\r\n";
    }
    void StartOn(int puzzles, int current) {  // "file.txt" of that many puzzles, remembered
        WriteConfig(WritePuzzles("file.txt", puzzles), current);
        Start();
    }
    std::shared_ptr<FakePrintSystem> printSystem = std::make_shared<FakePrintSystem>();
    void Start(std::uint64_t seed = 1) {
        owned_.reset();
        form = &owned_.emplace(AppDir(), RandomSource::Fixed(seed));
        form->printSystem = printSystem;  // never the machine's printers
        form->Startup();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    }

    // The player's pointer, keys and buttons; board positions in twips.
    QPoint Pixels(QPointF twips) const { return (twips / S().TwipsPerPixelX).toPoint(); }
    QRect BoxPixels(int row, int col, double ratio = 1) {
        const QPoint size = Pixels({S().layout.ColStep * ratio, S().layout.RowStep * ratio});
        return QRect(
            Pixels({S().geometry.CellX[row][col] * ratio, S().geometry.CellY[row][col] * ratio}),
            QSize(size.x(), size.y()));
    }
    void PointAt(int row, int col) { MovePointer(BoxPixels(row, col).center()); }
    void PointAtTwips(double x, double y) { MovePointer(Pixels({x, y})); }
    void MovePointer(QPoint to) {
        if (QCursor::pos() == form->Picture1->mapToGlobal(to))  // else no move is reported
            QTest::mouseMove(form->centralWidget(), QPoint(0, 0));
        QTest::mouseMove(form->Picture1, to);
    }
    bool Key(int key, const QString& text) {  // true when the window took the press
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(form->Picture1, &press);
        QApplication::sendEvent(form->Picture1, &release);
        return press.isAccepted();
    }
    void Type(const QString& text) {
        for (QChar c : text)
            Key(c.unicode(), QString(c));
    }
    void Enter(int row, int col, const QString& keys) { PointAt(row, col), Type(keys); }
    void Release(Qt::Key key) { QTest::keyRelease(form->Picture1, key); }
    void Click(QWidget* button, Qt::MouseButton mouseButton = Qt::LeftButton) {
        QTest::mousePress(button, mouseButton);
        QTest::mouseRelease(button, mouseButton);
    }
    void Shortcut(Qt::Key key) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, key, Qt::ControlModifier);
    }

    // What the tests look at.
    GameState& S() const { return form->State(); }
    std::string Entry(int row, int col) { return S().puzzle.Entry[row][col]; }
    std::string OnBoard() { return PuzzleLine(S().layout, S().puzzle); }
    QString Status() const { return form->Statx->text(); }
    QString Shown() const {
        return Status() + " | " + PuzzleLabel() + " | " + form->label4->text();
    }
    QString PuzzleLabel() const { return form->Label1->text(); }
    QRectF Marker() const { return form->Picture1->MarkerRectTwips(); }
    std::pair<int, int> Selected() { return {S().selection.CurRow, S().selection.CurCol}; }
    // The recent files by their whole paths: a long one is shortened on the menu.
    QStringList RecentMenu() const {
        QStringList entries;
        for (QAction* a : form->menuBar()->actions()[0]->menu()->actions().mid(7, 5))
            entries << (a->isVisible() ? a->toolTip() : "[" + a->text() + "]");
        return entries;
    }
    // Pixels of the board picture within `range` of a colour, inside grid box (row, col).
    int ColourInBox(int row, int col, QColor want, int range = 60) {
        const QImage& image = form->Picture1->Image();
        const QRect box =
            BoxPixels(row, col, image.devicePixelRatio()).adjusted(3, 3, -3, -3) & image.rect();
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count +=
                    std::max({std::abs(c.red() - want.red()), std::abs(c.green() - want.green()),
                              std::abs(c.blue() - want.blue())}) <= range;
            }
        return count;
    }

    TempDir dir;
    Form1* form = nullptr;
    QStringList answers;
    // Every modal window shown: a prompt, or "open|save <folder> <filters>: <title>".
    QStringList texts;
    QStringList boxes;  // each message box's icon and buttons: "icon 0: Yes No"

  private:
    void AnswerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* notice = qobject_cast<QMessageBox*>(modal)) {
            texts << notice->text();
            return notice->button(QMessageBox::Ok)->click();
        }
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        auto* box = qobject_cast<MsgForm*>(modal);
        if (!(dialog || box) || !modal->isVisible()) return;
        EXPECT_FALSE(answers.isEmpty()) << "unexpected " << modal->windowTitle().toStdString();
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (dialog) {
            const bool save = dialog->acceptMode() == QFileDialog::AcceptSave;
            texts << (save ? "save " : "open ") + dialog->directory().absolutePath() + "/ " +
                         dialog->nameFilters().join(';') + ": " + dialog->windowTitle();
            QDir::setCurrent(Q((dir.path() / "elsewhere").string()));
            dialog->selectFile(answer);
            return answer.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
        }
        texts << box->Label1->text();
        QStringList shown;
        for (int slot = 0; slot < kMessageIconSlots; ++slot)
            if (box->icons[slot]->isVisible()) shown << QString("icon %1:").arg(slot);
        for (QPushButton* button : box->cmd)
            if (button->isVisible()) shown << button->text();
        boxes << shown.join(' ');
        for (QPushButton* button : box->cmd)
            if (button->isVisible() && button->text() == answer)
                return QTest::mouseClick(button, Qt::LeftButton);
        box->done(0);
    }

    QString oldWorkingFolder_ = QDir::currentPath();
    QTimer timer_;
    std::optional<Form1> owned_;
};

}  // namespace lumeta::testing
