// The Help menu: contents, the how-to page and the About message.

#include "app/frmHuemark.h"
#include "help/About.h"

namespace {
// The context number under which the help document registers its how-to section.
constexpr int kHowToContext = 4;
} // namespace

void frmHuemark::mnuHelpContents_Click() {
    dlgWinDialog->HelpCommand = CommonDialog::kHelpContents;
    dlgWinDialog->ShowHelp();
}

void frmHuemark::mnuHelpHowTo_Click() {
    dlgWinDialog->HelpContext = kHowToContext;
    dlgWinDialog->HelpCommand = CommonDialog::kHelpContext;
    dlgWinDialog->ShowHelp();
}

void frmHuemark::mnuHelpAbout_Click() {
    ShowAbout();
}

void frmHuemark::ShowAbout() {
    const VersionInfo version = ProgramVersion();
    m_services.messageBox->showMessage(this, AboutMessage(version), AboutCaption(version));
}
