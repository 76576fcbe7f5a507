// The File and Paste commands and drops: a new picture from a graphic file, from the clipboard,
// or dropped on the window. Every new picture, these and the screen's, is shown by ShowArrival.

#include "app/frmHuemark.h"
#include "controls/PictureBox.h"
#include "controls/Tag.h"
#include "desktop/BusyPointer.h"
#include "pixels/RegularFile.h"
#include "sources/FileUri.h"
#include "sources/PictureArrival.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSysInfo>
#include <QUrl>
#include <sys/stat.h>

namespace {
const QString kGraphicFiles =
    QStringLiteral("*.gif;*.jpg;*.bmp;*.ico;*.cur;*.rle;*.wmf;*.emf;"
                   "*.png;*.jpeg;*.webp;*.avif;*.heic;*.heif;*.jxl;*.tif;*.tiff;*.svg");
const QString kAppName = QStringLiteral("Huemark");

// However long its formats take in all, the clipboard is waited for about a second.
constexpr int kClipboardDeadlineMs = 1000;

// The one local file a drop brings, or nothing: text, folders, several files and remote
// addresses are no picture file to open. A file address of another machine is taken, so that the
// drop can say why it opens nothing: otherHost names that machine.
struct DroppedPath {
    QString path;
    QString otherHost;
};
DroppedPath DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return {};
    }
    const QUrl url = data->urls().front();
    const LocalPath local = FromFileUri(url, QSysInfo::machineHostName());
    if (!local.otherHost.isEmpty()) {
        return {url.toDisplayString(), local.otherHost};
    }
    // The system's bytes, not text: a name that is not UTF-8 still names its file.
    struct stat st {};
    const bool file =
        !local.path.isEmpty() && ::stat(local.path.constData(), &st) == 0 && !S_ISDIR(st.st_mode);
    return {file ? QFileInfo(FileNameText(local.path)).absoluteFilePath() : QString(), {}};
}

} // namespace

void frmHuemark::ShowArrival(const PictureArrival& arrival, bool sayFailure) {
    // Start-up brings its picture before the window is ready for the focus.
    const bool ready = TagIsTrue(picColor);
    if (!arrival.ok) {
        // Nothing changes: caption, picture, tags and clean copy stay as they were.
        if (sayFailure) {
            m_services.messageBox->showMessage(this, arrival.message, kAppName);
        }
        if (ready) {
            picColor->setFocus();
        }
        return;
    }
    setCaption(arrival.caption);
    {
        // Converting a picture's colours can take a while.
        BusyPointer busy;
        ShowNewPicture(arrival.picture, arrival.caption);
    }
    if (ready) {
        picColor->setFocus();
    }
    refreshReadout();
}

void frmHuemark::cmdFile_Click() {
    // Cancel, and any failure of the dialog, ends the command quietly.
    try {
        dlgWinDialog->CancelError = true;
        // The filters' words are translated, their patterns not.
        dlgWinDialog->Filter = QStringLiteral("%1|%2|%3 (*.*)|*.*")
                                   //: The open-picture dialog's file types: pictures.
                                   .arg(tr("Graphic files"), kGraphicFiles,
                                        //: A file dialog's file types: any file.
                                        tr("All files"));
        dlgWinDialog->FilterIndex = 1;
        dlgWinDialog->Flags = CommonDialog::kFileMustExist | CommonDialog::kHideReadOnly;
        dlgWinDialog->InitDir = QDir::currentPath();
        dlgWinDialog->ShowOpen();
    } catch (const std::exception&) {
        return;
    }
    OpenPictureFile(dlgWinDialog->FileName);
}

void frmHuemark::OpenPictureFile(const QString& path, const QString& readFrom) {
    // The file is loaded before anything changes; one that cannot be loaded is reported (the
    // dialog keeps proposing it).
    BusyPointer busy;
    std::optional<PictureArrival> ahead = m_startupAhead.take(path, readFrom);
    const PictureArrival arrival =
        ahead ? std::move(*ahead) : PictureFromFile(path, readFrom, picColor->size());
    busy.end();
    ShowArrival(arrival, true);
}

void frmHuemark::cmdPaste_Click() {
    BusyPointer busy;
    const PictureArrival arrival = PictureFromClipboard(
        *m_services.clipboard, QDeadlineTimer(kClipboardDeadlineMs), picColor->size());
    busy.end();
    // A clipboard that cannot be read during start-up is not said: the caption stays "Huemark".
    ShowArrival(arrival, TagIsTrue(picColor));
}

bool frmHuemark::AcceptsDrop(const QMimeData* data) {
    return !DroppedFile(data).path.isEmpty() || OffersPictureData(data);
}

void frmHuemark::DropFile(const QMimeData* data) {
    const DroppedPath dropped = DroppedFile(data);
    if (!dropped.otherHost.isEmpty()) {
        PictureArrival elsewhere;
        //: Why a dropped file cannot be opened. %1: the name of the machine it lies on.
        const QString why =
            QCoreApplication::translate("frmHuemark", "The file lies on another machine (%1).")
                .arg(dropped.otherHost);
        //: A message box, its lines broken by carriage returns. %1: the dropped file's address; %2:
        //: why (a sentence).
        elsewhere.message = QCoreApplication::translate(
                                "frmHuemark", "The picture file cannot be opened:\r%1\r\r%2")
                                .arg(dropped.path, why);
        ShowArrival(elsewhere, true);
        return;
    }
    if (!dropped.path.isEmpty()) {
        OpenFileNamed(dropped.path);
    } else if (OffersPictureData(data)) {
        BusyPointer busy;
        const PictureArrival arrival = PictureFromDroppedData(data, picColor->size());
        busy.end();
        ShowArrival(arrival, true);
    }
}

void frmHuemark::OpenFileNamed(const QString& path, const QString& readFrom) {
    // As if it had been chosen in the open-file dialog: the dialog proposes it next time, and its
    // folder becomes the current one.
    const QFileInfo file(path);
    dlgWinDialog->FileName = file.absoluteFilePath();
    QDir::setCurrent(file.absolutePath());
    OpenPictureFile(dlgWinDialog->FileName, readFrom);
}

void frmHuemark::mnuFileInput_Click() {
    cmdFile_Click();
}

void frmHuemark::mnuEditPaste_Click() {
    cmdPaste_Click();
}
