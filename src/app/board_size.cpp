#include "app/board_size.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <fstream>

#include "board/board_layout.h"
#include "board/num_text.h"
#include "puzzlefiles/safe_replace.h"

namespace lumeta {

int ReadBoardSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (!in || !std::getline(in, text)) return 7;
    while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    for (const int hexagons : kBoardHexCounts)
        if (text == NumText(hexagons)) return hexagons;
    return 7;
}

bool WriteBoardSize(const std::string& path, int hexagons) {
    return ReplaceFileContents(path, NumText(hexagons) + "\r\n");
}

std::string UnfittingLineNote(const LoadReport& report) {
    if (!report.loaded() || report.lineHexagons != 0) return {};
    return "Line of " + NumText(static_cast<long long>(report.lineLength)) +
           " characters fits no board";
}

BoardSizeMenu::BoardSizeMenu(QMenu& puzzleMenu, std::string folder, QObject* parent)
    : QObject(parent), path_(folder.empty() ? std::string() : folder + kBoardSizeFileName) {
    puzzleMenu.addSeparator();
    menu = puzzleMenu.addMenu(QStringLiteral("Board size"));
    menu->setObjectName(QStringLiteral("mnuboardsize"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (std::size_t index = 0; index < kBoardHexCounts.size(); ++index) {
        const int hexagons = kBoardHexCounts[index];
        QAction* action = menu->addAction(QStringLiteral("%1 hexagons").arg(hexagons));
        action->setObjectName(QStringLiteral("mnuboardsize%1").arg(hexagons));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, hexagons] { Choose(hexagons); });
        mnuboardsize[index] = action;
    }
    hexagons_ = path_.empty() ? 7 : ReadBoardSize(path_);
    for (std::size_t index = 0; index < kBoardHexCounts.size(); ++index)
        mnuboardsize[index]->setChecked(kBoardHexCounts[index] == hexagons_);
}

void BoardSizeMenu::Choose(int hexagons) {
    if (!IsKnownHexCount(hexagons)) return;
    hexagons_ = hexagons;
    for (std::size_t index = 0; index < kBoardHexCounts.size(); ++index)
        mnuboardsize[index]->setChecked(kBoardHexCounts[index] == hexagons);
    // Not being able to keep it spoils nothing: the choice holds for this run.
    if (!path_.empty()) WriteBoardSize(path_, hexagons);
}

}  // namespace lumeta
