#include "app/play_menu.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace lumeta {

namespace {

// The key that shows the solution while it is held.
constexpr Qt::Key kShowSolutionKey = Qt::Key_F2;

}  // namespace

PlayMenu::PlayMenu(QMainWindow& window, PlayCommands commands)
    : QObject(&window), window_(window), commands_(std::move(commands)) {
    menu = window.menuBar()->addMenu(QStringLiteral("Play"));
    menu->setObjectName(QStringLiteral("mnuplay"));
    const auto entry = [this](const char* name, const QString& text, const QKeySequence& key,
                              std::function<void()> run) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, std::move(run));
        return action;
    };
    verify = entry("mnuverify", QStringLiteral("Verify solution"), QKeySequence(Qt::Key_F5),
                   [this] { commands_.verify(); });
    undo = entry("mnuundo", QStringLiteral("Undo entry"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                 [this] { commands_.undo(); });
    showSolution = entry("mnushowsol", QStringLiteral("Show solution (hold the key)"),
                         QKeySequence(kShowSolutionKey), [this] {
                             SetShown(true);
                             QTimer::singleShot(kShowFromMenuMs, this, [this] { SetShown(false); });
                         });
    // The key is read as it goes down and up (below); in the menu it only names it.
    showSolution->setShortcutContext(Qt::WidgetShortcut);
    menu->addSeparator();
    previous = entry("mnuprevious", QStringLiteral("Previous puzzle"), QKeySequence(Qt::Key_PageUp),
                     [this] { commands_.navigate(0, 1); });
    next = entry("mnunext", QStringLiteral("Next puzzle"), QKeySequence(Qt::Key_PageDown),
                 [this] { commands_.navigate(2, 1); });
    random = entry("mnurandom", QStringLiteral("Random puzzle"), QKeySequence(Qt::CTRL | Qt::Key_R),
                   [this] { commands_.navigate(1, 1); });
    first = entry("mnufirst", QStringLiteral("First puzzle"), QKeySequence(Qt::CTRL | Qt::Key_Home),
                  [this] { commands_.navigate(0, 2); });
    last = entry("mnulast", QStringLiteral("Last puzzle"), QKeySequence(Qt::CTRL | Qt::Key_End),
                 [this] { commands_.navigate(2, 2); });
    menu->addSeparator();
    reset = entry("mnuresetkey", QStringLiteral("Reset puzzle"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), [this] { commands_.reset(); });
    qApp->installEventFilter(this);
}

void PlayMenu::SetShown(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    commands_.showSolution(shown);
}

bool PlayMenu::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!widget || widget->window() != &window_ || key->key() != kShowSolutionKey ||
        key->modifiers() != Qt::NoModifier)
        return false;
    // A held key repeats as releases and presses: only the first press and the last
    // release count.
    if (!key->isAutoRepeat()) SetShown(type == QEvent::KeyPress);
    return true;
}

}  // namespace lumeta
