#pragma once
// The common dialog: settings for the open-file dialog, the print-setup dialog and the help
// viewer, and the calls that show them. It has no window of its own.

#include "desktop/Services.h"

#include <QString>

class QWidget;

class CommonDialog {
public:
    static constexpr int kOverwritePrompt = 0x2;
    static constexpr int kNoChangeDir = 0x8;
    static constexpr int kFileMustExist = 0x1000;
    static constexpr int kHideReadOnly = 0x4;
    static constexpr int kPrintNoPageNums = 0x8;
    static constexpr int kPrintSetup = 0x40;
    static constexpr int kHelpContext = 1;
    static constexpr int kHelpContents = 3;

    CommonDialog(QWidget* owner, Services& services) : m_owner(owner), m_services(services) {}

    QString DialogTitle; // the file dialogs' title; empty for "Open" and "Save As"
    QString FileName;
    QString Filter; // "description|pattern|description|pattern"
    int FilterIndex = 0;
    int Flags = 0;
    QString InitDir;
    bool CancelError = false;
    QString HelpFile;
    int HelpCommand = 0;
    int HelpContext = 0;

    // Shows the open-file dialog; on OK FileName holds the chosen path. Cancel raises
    // PlatformError(kErrCancel) when CancelError is set, and otherwise just returns. Unless
    // Flags holds kNoChangeDir, the chosen file's folder becomes the current directory.
    void ShowOpen();
    // Shows the save-file dialog; on OK FileName holds the chosen path and FilterIndex the
    // filter it was chosen under. Cancel and the current directory as for ShowOpen;
    // kOverwritePrompt asks before an existing file is replaced.
    void ShowSave();
    // Shows the print dialog (the print-setup dialog with kPrintSetup) on the printer of the run;
    // the choice made with OK is what the next printout uses. Cancel raises
    // PlatformError(kErrCancel) when CancelError is set.
    void ShowPrinter();
    // Starts the help viewer on HelpFile as HelpCommand says and returns at once.
    void ShowHelp();

    // The Filter text as the dialog's list of name filters ("Graphic files (*.gif *.jpg)").
    static QStringList nameFilters(const QString& filter);
    // Each filter's extension: that of its first pattern ("*.gpl" gives "gpl"), empty for "*.*".
    static QStringList filterSuffixes(const QString& filter);

private:
    QWidget* m_owner;
    Services& m_services;
};
