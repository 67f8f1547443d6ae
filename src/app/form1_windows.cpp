// The game window's help and about commands.
#include <QCoreApplication>

#include "app/about_form.h"
#include "app/form1.h"
#include "app/help_form.h"

namespace lumeta {

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
