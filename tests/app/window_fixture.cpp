#include "window_fixture.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "controls/colour_value.h"
#include "controls/msg_form.h"
#include "view/board_picture.h"

namespace lumeta::testing {

BoxAnswers::BoxAnswers(Form1*& form) : form_(form) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &BoxAnswers::Poll);
    timer_.start();
}

void BoxAnswers::Poll() {
    if (!form_ || !form_->msgForm) return;
    MsgForm* box = form_->msgForm;
    if (!box->isVisible() || QApplication::activeModalWidget() != box) return;

    Seen seen;
    seen.prompt = box->Label1->text();
    for (QPushButton* button : box->cmd)
        if (button->isVisible()) seen.buttons << button->text();
    for (int slot = 0; slot < kMessageIconSlots; ++slot)
        if (box->icons[slot]->isVisible()) seen.icons.push_back(slot);
    seen_.push_back(seen);

    QString answer;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box: " << seen.prompt.toStdString();
        answer = seen.buttons.value(0);
    } else {
        answer = answers_.front();
        answers_.pop_front();
    }
    for (QPushButton* button : box->cmd) {
        if (button->isVisible() && button->text() == answer) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << answer.toStdString() << " on " << seen.prompt.toStdString();
    box->done(0);
}

QStringList BoxAnswers::Prompts() const {
    QStringList prompts;
    for (const Seen& seen : seen_)
        prompts << seen.prompt;
    return prompts;
}

bool KeyCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress) ++presses;
    return false;
}

WindowTest::WindowTest() {
    std::filesystem::create_directories(dir.path() / "app");
    std::filesystem::create_directories(dir.path() / "work");
    oldWorkingFolder_ = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString((dir.path() / "work").string()));
}

WindowTest::~WindowTest() {
    EXPECT_TRUE(boxes.AllAnswered()) << "a message box the test waited for never came";
    owned_.reset();
    form = nullptr;
    QDir::setCurrent(oldWorkingFolder_);
}

std::string WindowTest::PuzzleLineNo(int n) {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> read;
        std::ifstream in(LUMETA_DATA_DIR "/puzzles.txt", std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            read.push_back(line);
        }
        return read;
    }();
    return lines.at(static_cast<std::size_t>(n - 1));
}

std::string WindowTest::WritePuzzles(const std::string& name, int count) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += PuzzleLineNo(n) + "\r\n";
    const std::string path = WorkFile(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

void WindowTest::WriteConfig(const std::string& puzzleFile, int puzzleNo,
                             const std::vector<std::string>& recent) {
    std::string text = "xp.col\r\n" + puzzleFile + "\r\nArial\r\n " + std::to_string(puzzleNo) +
                       "  10  0  255  0  128  16777215  2  0 \r\n";
    for (std::size_t i = 0; i < 5; ++i)
        text += (i < recent.size() ? recent[i] : std::string(" ")) + "\r\n";
    std::ofstream(ConfigPath(), std::ios::binary) << text;
}

Form1& WindowTest::Start(std::uint64_t seed) {
    owned_ = std::make_unique<Form1>(AppDir(), RandomSource::Fixed(seed));
    form = owned_.get();
    form->Startup();
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
    return *form;
}

QPoint WindowTest::BoxCentre(int row, int col) const {
    const GameState& s = form->State();
    const double x = s.geometry.CellX[row][col] + s.layout.ColStep / 2.0;
    const double y = s.geometry.CellY[row][col] + s.layout.RowStep / 2.0;
    return QPoint(static_cast<int>(x / s.TwipsPerPixelX), static_cast<int>(y / s.TwipsPerPixelY));
}

void WindowTest::PointAt(int row, int col) {
    MovePointer(BoxCentre(row, col));
}

void WindowTest::PointAtTwips(double x, double y) {
    const GameState& s = form->State();
    MovePointer(
        QPoint(static_cast<int>(x / s.TwipsPerPixelX), static_cast<int>(y / s.TwipsPerPixelY)));
}

void WindowTest::MovePointer(QPoint to) {
    // A move to where the pointer already is reports nothing: come from the window's corner,
    // which lies outside the board picture.
    if (QCursor::pos() == form->Picture1->mapToGlobal(to))
        QTest::mouseMove(form->centralWidget(), QPoint(0, 0));
    QTest::mouseMove(form->Picture1, to);
}

void WindowTest::Key(Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(form->Picture1, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(form->Picture1, &release);
}

void WindowTest::Release(Qt::Key key) {
    QTest::keyRelease(form->Picture1, key);
}

void WindowTest::Click(QWidget* button, Qt::MouseButton mouseButton) {
    QTest::mousePress(button, mouseButton);
    QTest::mouseRelease(button, mouseButton);
}

QString WindowTest::Status() const {
    return form->Statx->text();
}

QString WindowTest::PuzzleLabel() const {
    return form->Label1->text();
}

QString WindowTest::FileLabel() const {
    return form->label4->text();
}

std::string WindowTest::PuzzleNumbers() const {
    const CurrentPuzzle& c = form->State().current;
    return std::to_string(c.PuzzleNo) + " of " + std::to_string(c.PuzzleCount);
}

int WindowTest::ColourInBox(int row, int col, std::uint32_t colour, int range) const {
    const GameState& s = form->State();
    const QImage& image = form->Picture1->Image();
    const double ratio = image.devicePixelRatio();
    const QColor want = ColourFromValue(colour);
    const int left = static_cast<int>(s.geometry.CellX[row][col] * ratio / s.TwipsPerPixelX);
    const int top = static_cast<int>(s.geometry.CellY[row][col] * ratio / s.TwipsPerPixelY);
    const int width = static_cast<int>(s.layout.ColStep * ratio / s.TwipsPerPixelX);
    const int height = static_cast<int>(s.layout.RowStep * ratio / s.TwipsPerPixelY);
    int count = 0;
    for (int y = top + 3; y < top + height - 3; ++y) {
        for (int x = left + 3; x < left + width - 3; ++x) {
            if (!image.rect().contains(x, y)) continue;
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - want.red()) <= range &&
                std::abs(pixel.green() - want.green()) <= range &&
                std::abs(pixel.blue() - want.blue()) <= range)
                ++count;
        }
    }
    return count;
}

}  // namespace lumeta::testing
