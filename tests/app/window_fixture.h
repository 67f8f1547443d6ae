#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "support/temp_dir.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace lumeta::testing {

// Answers the window's message boxes while they are shown: each box takes the next queued
// button caption. A box nobody expected is a failure and is closed with its first button.
class BoxAnswers : public QObject {
  public:
    explicit BoxAnswers(Form1*& form);

    void Queue(const QString& caption) { answers_.push_back(caption); }

    struct Seen {
        QString prompt;
        QStringList buttons;
        std::vector<int> icons;
    };
    const std::vector<Seen>& seen() const { return seen_; }
    QStringList Prompts() const;
    bool AllAnswered() const { return answers_.empty(); }

  private:
    void Poll();

    Form1*& form_;
    QTimer timer_;
    std::deque<QString> answers_;
    std::vector<Seen> seen_;
};

// A started game window: the program's folder and the working folder are fresh temporary
// folders ("app" and "work") and the random source is fixed.
class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    std::string AppDir() const { return (dir.path() / "app").string() + "/"; }
    std::string WorkFile(const std::string& name) const {
        return (dir.path() / "work" / name).string();
    }
    std::string ConfigPath() const { return AppDir() + "lumeta.cfg"; }

    // A puzzle file of `count` distinct lines (from the shipped collection) in the working
    // folder; returns its full path.
    std::string WritePuzzles(const std::string& name, int count);
    static std::string PuzzleLineNo(int n);  // line n of the shipped collection
    void WriteConfig(const std::string& puzzleFile, int puzzleNo,
                     const std::vector<std::string>& recent = {});

    Form1& Start(std::uint64_t seed = 1);

    // Pointer and keys, as the player gives them.
    QPoint BoxCentre(int row, int col) const;  // pixels of the board picture
    void PointAt(int row, int col);
    void PointAtTwips(double x, double y);
    void MovePointer(QPoint to);  // pixels of the board picture
    void Key(Qt::Key key, const QString& text = QString());
    void Release(Qt::Key key);
    void Click(QWidget* button, Qt::MouseButton mouseButton = Qt::LeftButton);

    // The state and controls the tests look at.
    GameState& S() { return form->State(); }
    std::string Entry(int row, int col) { return S().puzzle.Entry[row][col]; }
    QString Status() const;
    QString PuzzleLabel() const;
    QString FileLabel() const;
    std::string PuzzleNumbers() const;  // "3 of 10"

    // Pixels of the board picture's image within `range` of a colour, in box (row, col).
    int ColourInBox(int row, int col, std::uint32_t colour, int range = 60) const;

    TempDir dir;
    Form1* form = nullptr;
    BoxAnswers boxes{form};

  private:
    QString oldWorkingFolder_;
    std::unique_ptr<Form1> owned_;
};

// Counts the key presses that reach a widget without being consumed on the way.
class KeyCounter : public QObject {
  public:
    explicit KeyCounter(QObject* target) { target->installEventFilter(this); }
    int presses = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override;
};

}  // namespace lumeta::testing
