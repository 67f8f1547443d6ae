#include "appearance/window_look.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "appearance/flat_faces.h"
#include "controls/box_control.h"
#include "controls/colour_value.h"

namespace lumeta {

namespace {

bool IsSystemColour(std::uint32_t colour) {
    return (colour & kSystemColourBit) != 0;
}

QPalette SystemPalette() {
    QPalette palette = QApplication::palette();
    palette.setCurrentColorGroup(QPalette::Active);
    return palette;
}

void SetRole(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
}

// Text for a ground: the look's text colour, greyed towards the ground when disabled.
void SetText(QPalette& palette, QPalette::ColorRole role, const QColor& text,
             const QColor& ground) {
    SetRole(palette, role, text);
    const QColor greyed((text.red() + ground.red()) / 2, (text.green() + ground.green()) / 2,
                        (text.blue() + ground.blue()) / 2);
    palette.setColor(QPalette::Disabled, role, greyed);
}

}  // namespace

WindowLook SchemeLook(const ColourScheme& scheme, std::uint32_t textColour) {
    return {scheme.Background(), scheme.ButtonColour(), scheme.TextColour.value_or(textColour)};
}

QPalette LookPalette(const WindowLook& look, const QPalette& base) {
    QPalette palette = base;
    const QPalette system = SystemPalette();
    const QColor background = ColourFromValue(look.background, system);
    const QColor button = ColourFromValue(look.button, system);
    const QColor text = ColourFromValue(look.text, system);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase})
        SetRole(palette, role, background);
    SetRole(palette, QPalette::Button, button);
    if (!IsSystemColour(look.background)) {
        SetText(palette, QPalette::WindowText, text, background);
        SetText(palette, QPalette::Text, text, background);
        SetRole(palette, QPalette::PlaceholderText, text);
    }
    if (!IsSystemColour(look.button)) SetText(palette, QPalette::ButtonText, text, button);
    return palette;
}

void ColourWindow(QWidget& window, const WindowLook& look) {
    // Push buttons follow the palette's button face; the program's own buttons hold theirs.
    window.setPalette(LookPalette(look, window.palette()));
    window.setAutoFillBackground(true);
    UseFlatFaces(window);
    for (BoxControl* button : window.findChildren<BoxControl*>()) {
        button->SetBackColor(look.button);
        button->SetForeColor(look.text);
    }
    // Text boxes take the button face, as the program's input fields always have.
    const WindowLook field{look.button, look.button, look.text};
    for (QWidget* box : window.findChildren<QWidget*>()) {
        // The field inside a spin box or combo box follows its holder.
        QWidget* holder = box->parentWidget();
        const bool spinField =
            qobject_cast<QAbstractSpinBox*>(holder) || qobject_cast<QComboBox*>(holder);
        if ((qobject_cast<QLineEdit*>(box) && !spinField) || qobject_cast<QAbstractSpinBox*>(box))
            box->setPalette(LookPalette(field, box->palette()));
    }
}

void SetMenuColour(QMenuBar& menuBar, std::uint32_t colour, std::uint32_t textColour) {
    const WindowLook look{colour, colour, textColour};
    const auto paint = [&look](QWidget& widget) {
        widget.setPalette(LookPalette(look, widget.palette()));
        widget.setAutoFillBackground(true);
    };
    paint(menuBar);
    QList<QMenu*> menus;
    for (QAction* action : menuBar.actions())
        if (action->menu()) menus << action->menu();
    // The menu of entries that overflow a narrow bar too.
    for (QMenu* menu : menuBar.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        if (!menus.contains(menu)) menus << menu;
    // Submenus are found as the menus are walked.
    for (qsizetype at = 0; at < menus.size(); ++at) {
        paint(*menus[at]);
        UseFlatFaces(*menus[at]);
        for (QAction* action : menus[at]->actions())
            if (action->menu() && !menus.contains(action->menu())) menus << action->menu();
    }
    // The menu of the bar's overflow button, when the menus do not fit the window.
    for (QMenu* menu : menuBar.findChildren<QMenu*>())
        if (!menus.contains(menu)) paint(*menu);
}

}  // namespace lumeta
