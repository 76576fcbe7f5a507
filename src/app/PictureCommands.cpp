// The File and Paste commands: a new picture from a graphic file or from the clipboard.

#include "app/CommandLine.h"
#include "app/frmHuemark.h"
#include "controls/ImageControl.h"
#include "controls/PictureBox.h"
#include "controls/Tag.h"
#include "desktop/BusyPointer.h"
#include "sources/ClipboardPicture.h"
#include "input/JpegFirstLook.h"
#include "input/LoadPicture.h"
#include "pixels/PlatformError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSysInfo>
#include <QUrl>

namespace {
const QString kGraphicFiles =
    QStringLiteral("*.gif;*.jpg;*.bmp;*.ico;*.cur;*.rle;*.wmf;*.emf;"
                   "*.png;*.jpeg;*.webp;*.avif;*.heic;*.heif;*.jxl;*.tif;*.tiff;*.svg");
const QString kAppName = QStringLiteral("Huemark");

// However long its formats take in all, the clipboard is waited for about a second.
constexpr int kClipboardDeadlineMs = 1000;

// Messages break lines with a carriage return alone.
QString CannotOpen(const QString& path, const QString& reason) {
    return QCoreApplication::translate("frmHuemark", "The picture file cannot be opened:\r%1\r\r%2")
        .arg(path, reason);
}

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
    const CommandLine::LocalPath local = CommandLine::FromFileUri(url, QSysInfo::machineHostName());
    if (!local.otherHost.isEmpty()) {
        return {url.toDisplayString(), local.otherHost};
    }
    const QFileInfo file(QFile::decodeName(local.path));
    return {!local.path.isEmpty() && file.exists() && !file.isDir() ? file.absoluteFilePath()
                                                                    : QString(),
            {}};
}

// The most faithful picture format a drop offers as data (a browser's picture), or nothing.
QString DroppedPictureFormat(const QMimeData* data) {
    QString best;
    int bestRank = -1;
    for (const QString& format : data != nullptr ? data->formats() : QStringList()) {
        const int rank = PictureFormatRank(format);
        if (rank >= 0 && (bestRank < 0 || rank < bestRank)) {
            best = format;
            bestRank = rank;
        }
    }
    return best;
}

QString CannotPaste(const QString& reason) {
    return QCoreApplication::translate("frmHuemark",
                                       "The clipboard's picture cannot be pasted.\r\r%1")
        .arg(reason);
}
} // namespace

void frmHuemark::cmdFile_Click() {
    // Cancel, and any failure of the dialog, ends the command quietly.
    try {
        dlgWinDialog->CancelError = true;
        dlgWinDialog->Filter = QCoreApplication::translate("frmHuemark", "Graphic files|") +
                               kGraphicFiles +
                               QCoreApplication::translate("frmHuemark", "|All files (*.*)|*.*");
        dlgWinDialog->FilterIndex = 1;
        dlgWinDialog->Flags = CommonDialog::kFileMustExist | CommonDialog::kHideReadOnly;
        dlgWinDialog->InitDir = QDir::currentPath();
        dlgWinDialog->ShowOpen();
    } catch (const std::exception&) {
        return;
    }
    OpenPictureFile();
}

// The picture file named by the dialog's FileName, whose folder is current.
void frmHuemark::OpenPictureFile() {
    // The file is loaded before anything changes: a file that cannot be loaded is reported and
    // leaves caption, picture, tags and clean copy as they were (the dialog keeps proposing it).
    const QString path = dlgWinDialog->FileName;
    BusyPointer busy;
    QImage picture;
    ColourProfile profile;
    QString reason;
    try {
        // A large JPEG shows first what the picture control shows; the rest follows.
        const FirstLookArea look(picColor->size());
        // Only the start-up file can have a name that does not reach it.
        picture = LoadPicture(m_startupReadFrom.isEmpty() ? path : m_startupReadFrom, &profile);
    } catch (const PlatformError& e) {
        reason = e.description();
    } catch (const std::bad_alloc&) {
        reason = QCoreApplication::translate("frmHuemark",
                                             "Out of memory: the picture does not fit in memory.");
    }
    // Start-up opens a file named on the command line before the window is ready for the focus.
    const bool ready = TagIsTrue(picColor);
    if (picture.isNull()) {
        busy.end();
        m_services.messageBox->showMessage(this, CannotOpen(path, reason), kAppName);
        if (ready) {
            picColor->setFocus();
        }
        return;
    }

    setCaption(path);
    ShowNewPicture(picture, profile);
    if (ready) {
        picColor->setFocus();
    }
    refreshReadout();
}

void frmHuemark::cmdPaste_Click() {
    BusyPointer busy;
    ClipboardPicture pasted;
    try {
        pasted = ReadClipboardPicture(*m_services.clipboard, QDeadlineTimer(kClipboardDeadlineMs));
    } catch (const std::bad_alloc&) {
        pasted = {ClipboardPicture::Outcome::Failed,
                  QImage(),
                  QCoreApplication::translate("frmHuemark",
                                              "Out of memory: the picture does not fit in memory."),
                  {}};
    }
    // A clipboard that cannot be read is one that cannot be opened: picture and caption stay.
    // Once the window is up that is said; during start-up it is not (the caption stays
    // "Huemark").
    if (pasted.outcome == ClipboardPicture::Outcome::Failed) {
        busy.end();
        if (TagIsTrue(picColor)) {
            m_services.messageBox->showMessage(this, CannotPaste(pasted.error), kAppName);
            picColor->setFocus();
        }
        return;
    }
    ShowNewPicture(pasted.picture, pasted.profile);
    setCaption(QCoreApplication::translate("frmHuemark", "Pasted from clipboard"));
    // Form_Load keeps this flag down while it pastes: the hidden window takes no focus.
    if (TagIsTrue(picColor)) {
        picColor->setFocus();
    }
    refreshReadout();
}

bool frmHuemark::AcceptsDrop(const QMimeData* data) {
    return !DroppedFile(data).path.isEmpty() || !DroppedPictureFormat(data).isEmpty();
}

void frmHuemark::DropFile(const QMimeData* data) {
    const DroppedPath dropped = DroppedFile(data);
    if (!dropped.otherHost.isEmpty()) {
        m_services.messageBox->showMessage(
            this,
            CannotOpen(dropped.path, QCoreApplication::translate(
                                         "frmHuemark", "The file lies on another machine (%1).")
                                         .arg(dropped.otherHost)),
            kAppName);
        picColor->setFocus();
        return;
    }
    if (dropped.path.isEmpty()) {
        DropPictureData(data);
        return;
    }
    OpenFileNamed(dropped.path);
}

void frmHuemark::OpenFileNamed(const QString& path) {
    // As if it had been chosen in the open-file dialog.
    const QFileInfo file(path);
    dlgWinDialog->FileName = file.absoluteFilePath();
    QDir::setCurrent(file.absolutePath());
    OpenPictureFile();
}

void frmHuemark::mnuFileInput_Click() {
    cmdFile_Click();
}

void frmHuemark::mnuEditPaste_Click() {
    cmdPaste_Click();
}

void frmHuemark::DropPictureData(const QMimeData* data) {
    const QString format = DroppedPictureFormat(data);
    if (format.isEmpty()) {
        return;
    }
    BusyPointer busy;
    QImage picture;
    ColourProfile profile;
    QString reason;
    try {
        const QByteArray bytes = data->data(format);
        if (bytes.size() > MaxEncodedPictureBytes()) {
            reason = QCoreApplication::translate(
                "frmHuemark", "Out of memory: the picture is too large to open.");
        } else {
            picture = LoadPictureFromData(bytes, PictureSource::Clipboard, &profile);
        }
    } catch (const PlatformError& e) {
        reason = e.description();
    } catch (const std::bad_alloc&) {
        reason = QCoreApplication::translate("frmHuemark",
                                             "Out of memory: the picture does not fit in memory.");
    }
    if (picture.isNull()) {
        busy.end();
        m_services.messageBox->showMessage(
            this,
            QCoreApplication::translate("frmHuemark", "The dropped picture cannot be opened.\r\r%1")
                .arg(reason),
            kAppName);
        picColor->setFocus();
        return;
    }
    // Where it came from, when the drop says (a browser names the picture's address).
    const QList<QUrl> urls = data->urls();
    setCaption(urls.isEmpty() ? QCoreApplication::translate("frmHuemark", "Dropped picture")
                              : urls.front().toString());
    ShowNewPicture(picture, profile);
    picColor->setFocus();
    refreshReadout();
}
