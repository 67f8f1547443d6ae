#include "app/help_me_menu.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/form1.h"
#include "app/local_text.h"
#include "generator/hint_finder.h"
#include "generator/player_model.h"
#include "view/board_picture.h"
#include "view/cursor_move.h"
#include "view/entry_marks.h"

namespace lumeta {

HelpMeMenu::HelpMeMenu(Form1& form) : QObject(&form), form_(form) {
    menu = form.menuBar()->addMenu(QStringLiteral("Help me"));
    menu->setObjectName(QStringLiteral("mnuhelpme"));
    mnuhint = menu->addAction(QStringLiteral("Hint"));
    mnuhint->setObjectName(QStringLiteral("mnuhint"));
    mnuhint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnucheckentries = menu->addAction(QStringLiteral("Check entries"));
    mnucheckentries->setObjectName(QStringLiteral("mnucheckentries"));
    menu->addSeparator();
    QMenu* create = menu->addMenu(QStringLiteral("Create"));
    create->setObjectName(QStringLiteral("mnucreategraded"));
    for (Grade grade : {Grade::Easy, Grade::Medium, Grade::Hard, Grade::Expert}) {
        QAction* action = create->addAction(QString::fromLatin1(GradeName(grade)));
        action->setObjectName(QStringLiteral("mnucreate") + QString::fromLatin1(GradeName(grade)));
        connect(action, &QAction::triggered, this, [this, grade] { form_.CreateCommand(grade); });
    }
    connect(mnuhint, &QAction::triggered, this, [this] { HintCommand(); });
    connect(mnucheckentries, &QAction::triggered, this, [this] { CheckEntriesCommand(); });

    gradeLabel = new QLabel(form.menuBar());
    gradeLabel->setObjectName(QStringLiteral("gradeLabel"));
    gradeLabel->setTextFormat(Qt::PlainText);
    gradeLabel->setContentsMargins(0, 0, 8, 0);
    form.menuBar()->setCornerWidget(gradeLabel, Qt::TopRightCorner);

    GameState& s = form.State();
    marks = new EntryMarks(form.Picture1, s.puzzle, s.geometry);
}

void HelpMeMenu::Select(int row, int col) {
    GameState& s = form_.State();
    const CursorPlace place = MoveCursor(s.layout, s.puzzle, s.geometry, row, col, "H");
    if (!place.placed) return;
    s.selection.CurRow = place.row;
    s.selection.CurCol = place.col;
    form_.Picture1->MoveMarker(place.markerLeft, place.markerTop);
    form_.Picture1->ShowMarker();
    form_.Picture1->setFocus();
}

void HelpMeMenu::HintCommand() {
    if (form_.Busy()) return;
    const GameState& s = form_.State();
    const Hint hint = FindHint(s.layout, s.puzzle);
    if (hint.kind == Hint::Kind::None) {
        form_.Statx->setText(VerifyPuzzle(s.layout, s.puzzle) == VerifyOutcome::AllDone
                                 ? QStringLiteral("Nothing left to fill in")
                                 : QStringLiteral("No hint for this board"));
        return;
    }
    Select(hint.row, hint.col);
    form_.Statx->setText(QtText(hint.text));
}

void HelpMeMenu::CheckEntriesCommand() {
    if (form_.Busy()) return;
    const GameState& s = form_.State();
    std::vector<GridCell> wrong = WrongEntries(s.layout, s.puzzle);
    const std::size_t count = wrong.size();
    marks->Mark(std::move(wrong));
    if (count == 0)
        form_.Statx->setText(QStringLiteral("No wrong entries"));
    else
        form_.Statx->setText(QString::number(count) +
                             (count == 1 ? QStringLiteral(" wrong entry is ringed")
                                         : QStringLiteral(" wrong entries are ringed")));
}

void HelpMeMenu::ShowGrade() {
    const GameState& s = form_.State();
    PuzzleGrader grader(s.layout);
    Grade grade = Grade::Easy;
    const bool graded = grader.GradeLine(PuzzleLineWithView(s.layout, s.puzzle), grade);
    gradeLabel->setText(graded ? QString::fromLatin1(GradeName(grade)) : QString());
    gradeLabel->setToolTip(graded ? QStringLiteral("Grade of this puzzle") : QString());
    // The menu bar sizes its corner only when it is laid out: given again, the label gets
    // room for its new text instead of keeping the old one's.
    form_.menuBar()->setCornerWidget(gradeLabel, Qt::TopRightCorner);
}

}  // namespace lumeta
