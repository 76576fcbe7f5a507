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

// Pictures are kept opaque (RGB32) when they are, so the surface can share their pixels.
QImage clipboardPicture() {
    QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        return image;
    }
    if (image.hasAlphaChannel()) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        bool opaque = true;
        for (int y = 0; y < argb.height() && opaque; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x) {
                if (qAlpha(line[x]) != 255) {
                    opaque = false;
                    break;
                }
            }
        }
        return opaque ? argb.convertToFormat(QImage::Format_RGB32)
                      : argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}
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
    imgCache->setPicture(clipboardPicture());
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
