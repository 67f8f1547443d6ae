// The game window's other windows: options, help and about, each made when first wanted
// so that start-up builds only what the first picture shows.
#include <QCoreApplication>

#include "app/about_form.h"
#include "app/form1.h"
#include "app/help_form.h"
#include "appearance/options_form.h"

namespace lumeta {

OptionsForm& Form1::Options() {
    if (!optionsForm_) {
        GameState& s = state_;
        optionsForm_ =
            new OptionsForm(s.scheme, s.appearance, s.folders.DataDir, s.NearBlack, this);
        connect(optionsForm_, &OptionsForm::ApplyChanges, this, [this] { ApplyCommand(); });
        optionsForm_->ListFonts();
        optionsForm_->ListSchemes();
    }
    return *optionsForm_;
}

void Form1::HelpCommand() {
    if (!helpForm) helpForm = new Form4(this);
    helpForm->SetUrl(Form4::HelpAddress(state_.folders.DataDir));
    helpForm->exec();
    QCoreApplication::processEvents();
}

void Form1::AboutCommand() {
    if (!aboutForm) aboutForm = new AboutForm(this);
    aboutForm->ApplyColours(state_.scheme, state_.NearBlack);
    aboutForm->exec();
}

}  // namespace lumeta
