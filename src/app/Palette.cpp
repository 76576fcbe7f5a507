// The list leaving the program and coming back: saved as a palette, CSS, JSON or CSV, opened
// from a palette or JSON as if its colours had been picked, copied in a chosen notation, and the
// contrast of two of its rows.

#include "app/frmHuemark.h"
#include "controls/Announcer.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "desktop/SettingsStore.h"
#include "list/ListRules.h"
#include "palette/Contrast.h"
#include "palette/ListFiles.h"
#include "palette/ListFormats.h"
#include "palette/Template.h"
#include "pixels/PlatformError.h"
#include "settings/Settings.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QToolTip>
#include <algorithm>

namespace {
const QString kCopyNotationKey = QStringLiteral("CopyNotation");
const QString kListFolderKey = QStringLiteral("ListFolder");
const QString kCopyTemplateKey = QStringLiteral("CopyTemplate");
// CopyNotation's word while Copy As, Custom is chosen: no notation's key.
const QString kCustomKey = QStringLiteral("custom");
const char* const kCustomItem = "mnuEditCopyAsCustom";
// The template a user starts from, and the one kept when CopyTemplate holds none or none that
// parses.
const QString kDefaultTemplate = QStringLiteral("{hex}");
// Save List As's type after the list formats: the list through the remembered template, a line a
// colour. Only written: Open List cannot read it back.
//: A file type in the save dialog: the list written through the template of Edit, Copy As, Custom.
const char* const kTemplateFilterName = QT_TRANSLATE_NOOP("frmHuemark", "Custom template");
const QString kTemplateExtension = QStringLiteral("txt");
constexpr int kTemplateFilter = int(std::size(kListFormats)) + 1;

struct NotationItem {
    Notation notation;
    const char* name;
    const char* caption;
};
const NotationItem kNotationItems[] = {
    {Notation::WebCode, "mnuEditCopyAsWeb", QT_TRANSLATE_NOOP("frmHuemark", "&Web Code")},
    {Notation::Rgb, "mnuEditCopyAsRgb", QT_TRANSLATE_NOOP("frmHuemark", "&rgb()")},
    {Notation::Hsl, "mnuEditCopyAsHsl", QT_TRANSLATE_NOOP("frmHuemark", "&hsl()")},
    {Notation::Oklch, "mnuEditCopyAsOklch", QT_TRANSLATE_NOOP("frmHuemark", "&oklch()")},
    {Notation::GimpLine, "mnuEditCopyAsGpl", QT_TRANSLATE_NOOP("frmHuemark", "&GIMP Palette Line")},
    {Notation::ColorSrgb, "mnuEditCopyAsColorSrgb",
     QT_TRANSLATE_NOOP("frmHuemark", "color(&srgb)")},
    {Notation::ColorStored, "mnuEditCopyAsColorStored",
     QT_TRANSLATE_NOOP("frmHuemark", "color() as s&tored")},
    //: Edit, Copy As: the nearest CSS colour name.
    {Notation::Name, "mnuEditCopyAsName", QT_TRANSLATE_NOOP("frmHuemark", "&Name")}};

QString SaveFilter() {
    QStringList parts;
    for (const ListFormatInfo& info : kListFormats) {
        const QString pattern = QStringLiteral("*.") + QLatin1String(info.extension);
        parts << QCoreApplication::translate("ListFormats", info.filterName) +
                     QStringLiteral(" (%1)").arg(pattern)
              << pattern;
    }
    const QString pattern = QStringLiteral("*.") + kTemplateExtension;
    parts << QCoreApplication::translate("frmHuemark", kTemplateFilterName) +
                 QStringLiteral(" (%1)").arg(pattern)
          << pattern;
    return parts.join(QLatin1Char('|'));
}

// Every format read back together first, then each of them, then any file: the file's content
// tells its format, whatever its name.
QString OpenFilter(const QString& lists, const QString& all) {
    QStringList patterns;
    QStringList each;
    for (const ListFormatInfo& info : kListFormats) {
        if (!info.readable) {
            continue;
        }
        const QString pattern = QStringLiteral("*.") + QLatin1String(info.extension);
        patterns << pattern;
        each << QCoreApplication::translate("ListFormats", info.filterName) +
                    QStringLiteral(" (%1)").arg(pattern)
             << pattern;
    }
    const QString joined = patterns.join(QLatin1Char(';'));
    return (QStringList{lists + QStringLiteral(" (%1)").arg(joined), joined} + each +
            QStringList{all + QStringLiteral(" (*.*)"), QStringLiteral("*.*")})
        .join(QLatin1Char('|'));
}
} // namespace

void frmHuemark::createPaletteCommands() {
    const auto makeItem = [this](QAction*& item, const char* name, const QString& caption,
                                 const QKeySequence& shortcut, void (frmHuemark::*procedure)()) {
        item = new QAction(caption, mnuFile);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(shortcut);
        connect(item, &QAction::triggered, this, procedure);
        mnuFile->insertAction(mnuFileExit, item);
    };
    mnuFile->insertSeparator(mnuFileExit);
    makeItem(mnuFileOpenList, "mnuFileOpenList", tr("&Open List..."), Qt::CTRL | Qt::Key_O,
             &frmHuemark::mnuFileOpenList_Click);
    makeItem(mnuFileSaveList, "mnuFileSaveList", tr("&Save List As..."), Qt::CTRL | Qt::Key_S,
             &frmHuemark::mnuFileSaveList_Click);
    mnuFile->insertSeparator(mnuFileExit);

    mnuEditCopyAs = mnuEdit->addMenu(tr("Copy &As"));
    mnuEditCopyAs->setObjectName(QStringLiteral("mnuEditCopyAs"));
    auto* group = new QActionGroup(mnuEditCopyAs);
    for (const NotationItem& entry : kNotationItems) {
        QAction* item = mnuEditCopyAs->addAction(tr(entry.caption));
        item->setObjectName(QLatin1String(entry.name));
        item->setCheckable(true);
        item->setChecked(entry.notation == m_copyNotation);
        group->addAction(item);
        const Notation notation = entry.notation;
        connect(item, &QAction::triggered, this,
                [this, notation] { mnuEditCopyAs_Click(notation); });
    }
    QAction* custom = mnuEditCopyAs->addAction(tr("&Custom..."));
    custom->setObjectName(QLatin1String(kCustomItem));
    custom->setCheckable(true);
    group->addAction(custom);
    connect(custom, &QAction::triggered, this, &frmHuemark::mnuEditCopyAsCustom_Click);

    connect(grdList, &FlexGrid::SelChange, this, &frmHuemark::grdList_SelChange);
    connect(grdList, &FlexGrid::MouseUp, this, &frmHuemark::grdList_MouseUp);
}

void frmHuemark::ReadPaletteOptions() {
    SettingsStore& store = *m_services.settings;
    const QString notation = store.GetSetting(Settings::kApp, Settings::kOptions, kCopyNotationKey,
                                              NotationKey(Notation::WebCode));
    m_copyNotation = NotationOfKey(notation).value_or(Notation::WebCode);
    m_copyTemplate =
        store.GetSetting(Settings::kApp, Settings::kOptions, kCopyTemplateKey, kDefaultTemplate);
    if (!ColorTemplate(m_copyTemplate).valid()) {
        m_copyTemplate = kDefaultTemplate;
    }
    m_copyCustom = notation == kCustomKey;
    m_listFolder =
        store.GetSetting(Settings::kApp, Settings::kOptions, kListFolderKey, DefaultFolder());
    CheckCopyAsItem();
}

void frmHuemark::CheckCopyAsItem() {
    if (m_copyCustom) {
        findChild<QAction*>(QLatin1String(kCustomItem))->setChecked(true);
        return;
    }
    for (const NotationItem& entry : kNotationItems) {
        if (entry.notation == m_copyNotation) {
            findChild<QAction*>(QLatin1String(entry.name))->setChecked(true);
        }
    }
}

void frmHuemark::SavePaletteOptions() {
    SettingsStore& store = *m_services.settings;
    store.SaveSetting(Settings::kApp, Settings::kOptions, kCopyNotationKey,
                      m_copyCustom ? kCustomKey : NotationKey(m_copyNotation));
    store.SaveSetting(Settings::kApp, Settings::kOptions, kCopyTemplateKey, m_copyTemplate);
    store.SaveSetting(Settings::kApp, Settings::kOptions, kListFolderKey, m_listFolder);
}

QList<Pick> frmHuemark::PicksOfRows(int first, int last) const {
    // Grid row r shows pick r - 1; the empty last row shows none.
    const int from = std::max(first, 1) - 1;
    const int to = std::min(last, m_picks->count());
    return from < to ? m_picks->picks().mid(from, to - from) : QList<Pick>();
}

QString frmHuemark::SelectedRowsAs(Notation notation) const {
    QStringList lines;
    const int top = std::min(grdList->Row(), grdList->RowSel());
    const int bottom = std::max(grdList->Row(), grdList->RowSel());
    for (const Pick& row : PicksOfRows(top, bottom)) {
        lines << ColorAs(notation, row);
    }
    return lines.join(QLatin1Char('\n'));
}

QString frmHuemark::ReadoutAs(Notation notation) const {
    // A point outside the picture reads as white, as the read-out shows it.
    return ColorAs(notation, Pick{Color::fromValue(m_readoutValue), QString(), PickOrigin()});
}

std::optional<Pick> frmHuemark::ReadoutPick() const {
    if (m_readoutValue < 0 || !txtCursor->isVisible()) {
        return std::nullopt;
    }
    PickOrigin origin;
    origin.position = m_readoutPixel;
    return Pick{Color::fromValue(m_readoutValue), QString(), origin};
}

std::optional<Pick> frmHuemark::CurrentPick() const {
    if (grdList->hasFocus()) {
        const QList<Pick> row = PicksOfRows(grdList->Row(), grdList->Row());
        if (!row.isEmpty()) {
            return row.front();
        }
    }
    if (std::optional<Pick> readout = ReadoutPick()) {
        return readout;
    }
    if (!m_picks->picks().isEmpty()) {
        return m_picks->picks().front();
    }
    return std::nullopt;
}

std::optional<QString> frmHuemark::ThroughTemplate(const QList<Pick>& picks) {
    const TemplateLines lines = ColorTemplate(m_copyTemplate).renderEach(picks);
    if (!lines.ok()) {
        //: A message box, its lines broken by carriage returns. %1: why (a sentence).
        m_services.messageBox->showMessage(
            this, tr("The colour cannot be copied through the template.\r%1").arg(lines.error),
            QStringLiteral("Huemark"));
        return std::nullopt;
    }
    return lines.lines.join(QLatin1Char('\n'));
}

void frmHuemark::mnuEditCopyAs_Click(Notation notation) {
    m_copyNotation = notation;
    m_copyCustom = false;
    CheckCopyAsItem();
    // The choice copies at once what Ctrl+C copies from now on.
    CopySelection();
}

void frmHuemark::mnuEditCopyAsCustom_Click() {
    // The dialog takes the focus: the colour the preview shows is the one Ctrl+C copies now.
    const std::optional<Pick> current = CurrentPick();
    const auto preview = [&current](const QString& text) {
        // A template that cannot be filled for this colour (no place for {x}) may still be
        // taken: other colours have one.
        const ColorTemplate t(text);
        if (!t.valid()) {
            return TemplatePreview{t.error(), false};
        }
        if (!current) {
            return TemplatePreview{};
        }
        const TemplateText filled = t.render(*current);
        return TemplatePreview{filled.ok() ? filled.text : filled.error, true};
    };
    const std::optional<QString> chosen =
        m_services.templateDialog->editTemplate(this, m_copyTemplate, preview);
    if (!chosen || !ColorTemplate(*chosen).valid()) {
        // Cancelled: the choice in force stays checked.
        CheckCopyAsItem();
        return;
    }
    m_copyTemplate = *chosen;
    m_copyCustom = true;
    CheckCopyAsItem();
    CopySelection();
}

void frmHuemark::mnuFileSaveList_Click() {
    const QList<Pick>& rows = m_picks->picks();
    if (rows.isEmpty()) {
        m_services.messageBox->showMessage(this, tr("The list holds no colours to save."),
                                           QStringLiteral("Huemark"));
        return;
    }
    CommonDialog dialog(this, m_services);
    dialog.DialogTitle = tr("Save List As");
    dialog.Filter = SaveFilter();
    dialog.FilterIndex = m_listFilterIndex;
    dialog.InitDir = m_listFolder;
    dialog.Flags = CommonDialog::kOverwritePrompt | CommonDialog::kNoChangeDir;
    dialog.CancelError = true;
    try {
        dialog.ShowSave();
    } catch (const PlatformError&) {
        return;
    }
    const int filter = std::clamp(dialog.FilterIndex, 1, kTemplateFilter);
    // The name's extension chooses the type, as the type chosen adds its own to a name that has
    // none of theirs.
    const QString suffix = QFileInfo(dialog.FileName).suffix();
    const bool listSuffix = std::any_of(
        std::begin(kListFormats), std::end(kListFormats), [&suffix](const ListFormatInfo& info) {
            return suffix.compare(QLatin1String(info.extension), Qt::CaseInsensitive) == 0;
        });
    const bool throughTemplate = suffix.compare(kTemplateExtension, Qt::CaseInsensitive) == 0 ||
                                 (filter == kTemplateFilter && !listSuffix);
    const ListFormat format = FormatOfPath(
        dialog.FileName, kListFormats[std::min(filter, kTemplateFilter - 1) - 1].format);
    const QString path = throughTemplate
                             ? (suffix.compare(kTemplateExtension, Qt::CaseInsensitive) == 0
                                    ? dialog.FileName
                                    : dialog.FileName + QLatin1Char('.') + kTemplateExtension)
                             : PathWithExtension(dialog.FileName, format);
    const QFileInfo file(path);
    // The dialog asked about the name as typed; with the type's extension added it names another
    // file, which is not replaced without asking either.
    if (path != dialog.FileName && NameTaken(path) &&
        !m_services.messageBox->askYesNo(
            this,
            //: A message box, its lines broken by carriage returns. %1: the file's path.
            tr("%1 already exists.\rDo you want to replace it?")
                .arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Huemark"))) {
        return;
    }
    m_listFolder = file.absolutePath();
    QByteArray bytes;
    if (throughTemplate) {
        // One line a colour, top row first; a colour the template cannot be filled for (an
        // opened one has no place for {x}) leaves the file unwritten.
        const TemplateLines lines = ColorTemplate(m_copyTemplate).renderEach(rows);
        if (!lines.ok()) {
            m_services.messageBox->showMessage(this, SaveFailureMessage(path, lines.error),
                                               QStringLiteral("Huemark"));
            return;
        }
        for (const QString& line : lines.lines) {
            bytes += line.toUtf8() + '\n';
        }
    } else {
        bytes = WriteList(format, rows, file.completeBaseName());
    }
    const QString reason = SaveListFile(path, bytes);
    if (!reason.isEmpty()) {
        m_services.messageBox->showMessage(this, SaveFailureMessage(path, reason),
                                           QStringLiteral("Huemark"));
        return;
    }
    if (throughTemplate) {
        m_listFilterIndex = kTemplateFilter;
        return;
    }
    for (int i = 0; i < static_cast<int>(std::size(kListFormats)); ++i) {
        if (kListFormats[i].format == format) {
            m_listFilterIndex = i + 1;
        }
    }
}

void frmHuemark::mnuFileOpenList_Click() {
    CommonDialog dialog(this, m_services);
    dialog.DialogTitle = tr("Open List");
    // The filters' words are translated, their patterns not; the formats' names are the save
    // dialog's.
    //: The open-list dialog's file types: lists in either format.
    const QString lists = tr("Lists");
    //: A file dialog's file types: any file.
    const QString all = tr("All files");
    dialog.Filter = OpenFilter(lists, all);
    dialog.FilterIndex = 1;
    dialog.InitDir = m_listFolder;
    dialog.Flags = CommonDialog::kFileMustExist | CommonDialog::kNoChangeDir;
    dialog.CancelError = true;
    try {
        dialog.ShowOpen();
    } catch (const PlatformError&) {
        return;
    }
    const QString path = dialog.FileName;
    m_listFolder = QFileInfo(path).absolutePath();
    const ListRead read = OpenListFile(path);
    if (!read.ok()) {
        m_services.messageBox->showMessage(this, OpenFailureMessage(path, read),
                                           QStringLiteral("Huemark"));
        return;
    }
    if (read.rows.isEmpty()) {
        return;
    }
    // The editor writes into the current row, which is about to change.
    txtDesc->setVisible(false);

    // Each colour becomes a pick, the file's first colour the top row.
    QList<Pick> picks = read.rows;
    // A pick the file says nothing of came from the file itself.
    for (Pick& pick : picks) {
        if (pick.origin.source.isEmpty()) {
            pick.origin.source = path;
        }
    }
    m_picks->addOnTop(picks);
    // Where a pick leaves the list: the new top row's WebBack cell current, single fill.
    grdList->setRow(1);
    grdList->setCol(1);
    grdList->setFillStyle(0);
    grdList->scrollToTop();
    picColor->setFocus();
}

void frmHuemark::grdList_SelChange() {
    const int top = std::min(grdList->Row(), grdList->RowSel());
    const int bottom = std::max(grdList->Row(), grdList->RowSel());
    ContrastReport report;
    // Two rows side by side, or the current one and one chosen anywhere with Ctrl+click.
    QList<Pick> rows;
    if (const int other = grdList->OtherRow(); other != 0) {
        rows = PicksOfRows(std::min(top, other), std::min(top, other)) +
               PicksOfRows(std::max(top, other), std::max(top, other));
    } else if (bottom == top + 1) {
        rows = PicksOfRows(top, bottom);
    }
    if (rows.size() == 2) {
        report = ContrastReportOf(rows[0], rows[1]);
    }
    grdList->setToolTip(report.rich);
    grdList->setAccessibleDescription(report.plain);
    if (report.plain.isEmpty()) {
        return;
    }
    // Heard however the two rows were chosen; shown at once when the keys chose them, beside the
    // current cell (the mouse's choice shows it where the button comes up).
    m_announcer->announce(report.plain);
    if (grdList->hasFocus() && QGuiApplication::mouseButtons() == Qt::NoButton) {
        const QRect cell = grdList->visualRect(
            grdList->model()->index(std::max(0, grdList->Row() - 1), std::max(0, grdList->Col())));
        QToolTip::showText(grdList->viewport()->mapToGlobal(cell.bottomLeft()), report.rich,
                           grdList);
    }
}

void frmHuemark::grdList_MouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    // A selection of two rows ends here: their contrast shows at once, not only when the pointer
    // rests (a tooltip shown while the button is held would close as it is released).
    if (!grdList->toolTip().isEmpty()) {
        QToolTip::showText(QCursor::pos(), grdList->toolTip(), grdList);
    }
}
