// The File and Paste commands: a new picture from a graphic file or from the clipboard.

#include "app/frmHuemark.h"
#include "platform/ImageControl.h"
#include "platform/PictureBox.h"
#include "platform/Tag.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void frmHuemark::cmdFile_Click() {}

void frmHuemark::cmdPaste_Click()
{
    imgCache->setPicture(QImage());
    imgCache->setPicture(QGuiApplication::clipboard()->image());
    picColor->setPicture(QImage());
    picColor->setPicture(imgCache->picture());
    setWindowTitle(QStringLiteral("Pasted from clipboard"));
    if (TagIsTrue(picColor)) {
        picColor->setFocus();
    }
}

void frmHuemark::mnuFileInput_Click() { cmdFile_Click(); }

void frmHuemark::mnuEditPaste_Click() { cmdPaste_Click(); }
