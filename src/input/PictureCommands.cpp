// The File and Paste commands: a new picture from a graphic file or from the clipboard.

#include "app/frmHuemark.h"
#include "input/LoadPicture.h"
#include "platform/ImageControl.h"
#include "platform/PictureBox.h"
#include "platform/Tag.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace {
const QString kGraphicFiles = QStringLiteral("*.gif;*.jpg;*.bmp;*.ico;*.cur;*.rle;*.wmf;*.emf");

} // namespace

void frmHuemark::cmdFile_Click() {
    // Any failure ends the command quietly; what was done before it stays done.
    try {
        dlgWinDialog->CancelError = true;
        dlgWinDialog->Filter = QStringLiteral("Graphic files|") + kGraphicFiles +
                               QStringLiteral("|All files (*.*)|*.*");
        dlgWinDialog->FilterIndex = 1;
        dlgWinDialog->Flags = CommonDialog::kFileMustExist | CommonDialog::kHideReadOnly;
        dlgWinDialog->InitDir = QDir::currentPath();
        dlgWinDialog->ShowOpen();

        setCaption(dlgWinDialog->FileName);
        imgCache->setPicture(QImage());
        imgCache->setPicture(LoadPicture(dlgWinDialog->FileName));
        picColor->setPicture(QImage());
        picColor->setPicture(imgCache->picture());
        forgetPickPoint();
        picColor->setFocus();
    } catch (const std::exception&) {
        // PlatformError (Cancel included) and anything else the platform throws.
    }
}

void frmHuemark::cmdPaste_Click() {
    imgCache->setPicture(QImage());
    imgCache->setPicture(NormalizePicture(QGuiApplication::clipboard()->image()));
    picColor->setPicture(QImage());
    picColor->setPicture(imgCache->picture());
    forgetPickPoint();
    setCaption(QStringLiteral("Pasted from clipboard"));
    if (TagIsTrue(picColor)) {
        picColor->setFocus();
    }
}

void frmHuemark::mnuFileInput_Click() {
    cmdFile_Click();
}

void frmHuemark::mnuEditPaste_Click() {
    cmdPaste_Click();
}
