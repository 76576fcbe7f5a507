// The history of picks kept across runs: every pick on the list's top row is added to it (unless
// Keep a History is off); File, Open History puts it on the list, newest on top.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "desktop/SettingsStore.h"
#include "palette/ListFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsForms.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

void frmHuemark::createHistoryCommands() {
    mnuFileOpenHistory = new QAction(tr("Open &History"), mnuFile);
    mnuFileOpenHistory->setObjectName(QStringLiteral("mnuFileOpenHistory"));
    connect(mnuFileOpenHistory, &QAction::triggered, this, &frmHuemark::mnuFileOpenHistory_Click);
    mnuFile->insertAction(mnuFileSaveList, mnuFileOpenHistory);
    mnuFileKeepHistory = new QAction(tr("&Keep a History"), mnuFile);
    mnuFileKeepHistory->setObjectName(QStringLiteral("mnuFileKeepHistory"));
    mnuFileKeepHistory->setCheckable(true);
    mnuFileKeepHistory->setChecked(true);
    connect(mnuFileKeepHistory, &QAction::triggered, this, &frmHuemark::mnuFileKeepHistory_Click);
    mnuFile->insertAction(mnuFileSaveList, mnuFileKeepHistory);
    connect(m_services.history.get(), &HistoryService::failed, this, [this](const QString& reason) {
        // Said once a run: the picks stay on the list all the same.
        if (std::exchange(m_historyFailureSaid, true)) {
            return;
        }
        //: A message box. %1: why the pick could not be kept (a sentence).
        m_services.messageBox->showMessage(
            this,
            tr("The pick is on the list but could not be kept in the history.\r%1").arg(reason),
            QStringLiteral("Huemark"));
    });
}

void frmHuemark::ReadHistoryOption() {
    mnuFileKeepHistory->setChecked(
        SettingsForms::ReadTags(m_services.settings->GetSetting(Settings::kApp, Settings::kOptions,
                                                                Settings::kKeepHistory,
                                                                QStringLiteral("1")))
            .value_or(1) != 0);
}

void frmHuemark::SaveHistoryOption() {
    m_services.settings->SaveSetting(Settings::kApp, Settings::kOptions, Settings::kKeepHistory,
                                     QString::number(mnuFileKeepHistory->isChecked() ? 1 : 0));
}

void frmHuemark::KeepInHistory(const Pick& pick) {
    if (mnuFileKeepHistory->isChecked()) {
        m_services.history->add(pick);
    }
}

void frmHuemark::mnuFileOpenHistory_Click() {
    const ListRead read = m_services.history->read();
    if (!read.ok()) {
        m_services.messageBox->showMessage(
            this, OpenFailureMessage(m_services.history->place(), read), QStringLiteral("Huemark"));
        return;
    }
    if (read.rows.isEmpty()) {
        //: A message box: File, Open History found nothing kept.
        m_services.messageBox->showMessage(this, tr("The history holds no picks yet."),
                                           QStringLiteral("Huemark"));
        return;
    }
    txtDesc->setVisible(false);
    m_picks->addOnTop(read.rows);
    grdList->setRow(1);
    grdList->setCol(1);
    grdList->setFillStyle(0);
    grdList->scrollToTop();
    picColor->setFocus();
}

void frmHuemark::mnuFileKeepHistory_Click() {
    if (mnuFileKeepHistory->isChecked()) {
        return;
    }
    //: A question when Keep a History is turned off.
    if (m_services.messageBox->askYesNo(this,
                                        tr("New picks are no longer kept.\rClear the history "
                                           "kept so far as well?"),
                                        QStringLiteral("Huemark"))) {
        if (const QString reason = m_services.history->clear(); !reason.isEmpty()) {
            //: A message box. %1: the history file; %2: why it could not be removed.
            m_services.messageBox->showMessage(this,
                                               tr("The history %1 could not be cleared.\r%2")
                                                   .arg(m_services.history->place(), reason),
                                               QStringLiteral("Huemark"));
        }
    }
}
