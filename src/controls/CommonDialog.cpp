#include "controls/CommonDialog.h"

#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList CommonDialog::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts[i];
        // "All files (*.*)" already names its patterns; Qt wants them in brackets at the end.
        const qsizetype bracket = description.indexOf(QLatin1Char('('));
        if (bracket >= 0) {
            description = description.left(bracket).trimmed();
        }
        if (patterns == QLatin1String("*.*")) {
            patterns = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters;
}

QStringList CommonDialog::filterSuffixes(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList suffixes;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString first = parts[i + 1].section(QLatin1Char(';'), 0, 0).trimmed();
        const QString suffix = first.startsWith(QLatin1String("*.")) ? first.mid(2) : QString();
        suffixes << (suffix.contains(QLatin1Char('*')) ? QString() : suffix);
    }
    return suffixes;
}

void CommonDialog::ShowOpen() {
    OpenFileRequest request;
    //: The open-file dialog's title when its caller gives none.
    request.title =
        DialogTitle.isEmpty() ? QCoreApplication::translate("CommonDialog", "Open") : DialogTitle;
    request.filters = nameFilters(Filter);
    request.selectedFilter = FilterIndex - 1; // FilterIndex counts from 1
    request.initialDir = InitDir;
    request.proposedFile = FileName;
    request.fileMustExist = (Flags & kFileMustExist) != 0;
    const std::optional<QString> chosen = m_services.fileDialog->getOpenFileName(m_owner, request);
    if (!chosen) {
        if (CancelError) {
            throw PlatformError(
                kErrCancel, QCoreApplication::translate("CommonDialog", "Cancel was selected."));
        }
        return;
    }
    FileName = *chosen;
    // Like the classic dialog, a choice makes the file's folder the current directory.
    if ((Flags & kNoChangeDir) == 0) {
        QDir::setCurrent(QFileInfo(FileName).absolutePath());
    }
}

void CommonDialog::ShowSave() {
    SaveFileRequest request;
    //: The save-file dialog's title when its caller gives none.
    request.title = DialogTitle.isEmpty() ? QCoreApplication::translate("CommonDialog", "Save As")
                                          : DialogTitle;
    request.filters = nameFilters(Filter);
    request.suffixes = filterSuffixes(Filter);
    request.selectedFilter = FilterIndex - 1;
    request.initialDir = InitDir;
    request.proposedFile = FileName;
    request.overwritePrompt = (Flags & kOverwritePrompt) != 0;
    const std::optional<SaveFileAnswer> chosen =
        m_services.fileDialog->getSaveFileName(m_owner, request);
    if (!chosen) {
        if (CancelError) {
            throw PlatformError(
                kErrCancel, QCoreApplication::translate("CommonDialog", "Cancel was selected."));
        }
        return;
    }
    FileName = chosen->path;
    FilterIndex = chosen->selectedFilter + 1;
    if ((Flags & kNoChangeDir) == 0) {
        QDir::setCurrent(QFileInfo(FileName).absolutePath());
    }
}

void CommonDialog::ShowPrinter() {
    PrintDialogRequest request;
    request.setupOnly = (Flags & kPrintSetup) != 0;
    request.pageRange = (Flags & kPrintNoPageNums) == 0;
    const bool chosen =
        m_services.printDialog->showPrinter(m_owner, m_services.printerOutput->printer(), request);
    if (!chosen && CancelError) {
        throw PlatformError(kErrCancel,
                            QCoreApplication::translate("CommonDialog", "Cancel was selected."));
    }
}

void CommonDialog::ShowHelp() {
    m_services.helpViewer->showHelp(m_owner, HelpFile,
                                    HelpCommand == kHelpContents ? 0 : HelpContext);
}
