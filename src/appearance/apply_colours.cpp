#include "appearance/apply_colours.h"

#include <QLabel>
#include <QMenuBar>
#include <algorithm>
#include <cctype>

#include "appearance/flat_faces.h"
#include "appearance/window_look.h"
#include "controls/box_control.h"
#include "controls/msg_form.h"
#include "view/board_font.h"
#include "view/board_picture.h"

namespace lumeta {

bool KeepsMenuColours(const std::string& schemeName) {
    std::string upper = schemeName;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("DEFAULT") != std::string::npos;
}

WindowLook ApplyColours(ColourScheme& scheme, BoardAppearance& appearance, std::uint32_t nearBlack,
                        const ColourTargets& targets) {
    SchemeSlots& table = scheme.SchemeColours;
    scheme.ButtonSlot = kButtonFaceSlot;
    if (table[kUserButtonSlot] == 0) table[kUserButtonSlot] = table[kButtonFaceSlot];
    // A system colour (high bit, negative as a signed number) never replaces the face.
    if (static_cast<std::int32_t>(table[kUserButtonSlot]) > 0)
        table[scheme.ButtonSlot] = table[kUserButtonSlot];

    const WindowLook look = SchemeLook(scheme, nearBlack);
    if (targets.client) {
        // The labels and the status line are drawn on the client's background.
        targets.client->setPalette(LookPalette(look, targets.client->palette()));
        targets.client->setAutoFillBackground(true);
    }
    for (QLabel* label : targets.labels) {
        label->setPalette(LookPalette(look, label->palette()));
        label->setAutoFillBackground(true);
    }
    for (BoxControl* button : targets.buttons) {
        button->SetBackColor(look.button);
        button->SetForeColor(look.text);
    }
    appearance.BackColour = look.background;
    if (targets.picture) {
        targets.picture->SetBackColour(look.background);
        targets.picture->setFont(BoardFont(appearance));
        targets.picture->SetMarkerColour(appearance.BorderColour);
    }

    if (targets.menuBar && !KeepsMenuColours(scheme.SchemeName))
        SetMenuColour(*targets.menuBar, table[kMenuSlot], look.text);

    if (targets.msgForm) {
        // Its buttons and input field read their text from the window's palette.
        targets.msgForm->setPalette(LookPalette(look, targets.msgForm->palette()));
        UseFlatFaces(*targets.msgForm);
        targets.msgForm->SetBackColor(look.background);
        targets.msgForm->SetButtonColor(look.button);
        targets.msgForm->SetForeColor(look.text);
    }

    if (targets.printWindow) ColourWindow(*targets.printWindow, look);
    return look;
}

}  // namespace lumeta
