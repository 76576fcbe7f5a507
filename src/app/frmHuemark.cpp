#include "app/frmHuemark.h"

#include "controls/Announcer.h"
#include "controls/FlexGrid.h"
#include "controls/FormClient.h"
#include "controls/Frame.h"
#include "controls/ImageControl.h"
#include "controls/KeyCodes.h"
#include "controls/PictureBox.h"
#include "desktop/Twips.h"
#include "help/WindowIcon.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <cmath>
#include <limits>

namespace {
// Client area at creation, below the menu bar.
constexpr int kClientWidth = 8745;
constexpr int kClientHeight = 2145;

QFont listFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& tip,
                        const QString& name) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& text, const QString& name) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setAccessibleName(name);
    box->setFrame(true);
    box->setTextMargins(0, 0, 0, 0);
    box->setContentsMargins(0, 0, 0, 0);
    return box;
}

void setColors(QWidget* widget, const QColor& base, const QColor& text) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::Text, text);
    widget->setPalette(pal);
}
} // namespace

frmHuemark::frmHuemark(Services services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)) {
    if (!m_services.complete()) {
        qFatal(
            "frmHuemark: a desktop service is missing"); // a fault of the caller's, found at once
    }
    setObjectName(QStringLiteral("frmHuemark"));
    setCaption(QStringLiteral("Huemark"));
    setWindowIcon(MakeWindowIcon());
    setAcceptDrops(true);
    // A compact tool strip: the controls are small, so the user-interface font is too.
    QFont uiFont = font();
    uiFont.setPointSizeF(8.25);
    setFont(uiFont);
    createControls();
    createMenus();
    bindEvents();
    createPaletteCommands();
    createHistoryCommands();
    createVisionCommands();
    resize(TwipsToPixelsX(kClientWidth),
           TwipsToPixelsY(kClientHeight) + menuBar()->sizeHint().height());
}

frmHuemark::~frmHuemark() = default;

void frmHuemark::createControls() {
    client = new FormClient(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    //: The averaging frame's caption. The radius box stands before it, so it reads "5 average";
    //: keep the leading blank.
    fraNeighbors = new Frame(tr(" average"), client);
    fraNeighbors->setObjectName(QStringLiteral("fraNeighbors"));
    fraNeighbors->setToolTip(tr("Average over adjacent pixels"));
    //: The averaging frame's name for screen readers.
    fraNeighbors->setAccessibleName(tr("Average"));
    PlaceTwips(fraNeighbors, 1440, 120, 855, 495);

    hscNeighbors = new QScrollBar(Qt::Horizontal, fraNeighbors);
    hscNeighbors->setObjectName(QStringLiteral("hscNeighbors"));
    hscNeighbors->setAccessibleName(tr("Averaging radius"));
    hscNeighbors->setAccessibleDescription(
        tr("How many pixels around the pointer the read-out averages, from 0 to 5"));
    hscNeighbors->setRange(0, 32767);
    hscNeighbors->setSingleStep(1);
    hscNeighbors->setPageStep(1);
    hscNeighbors->setFocusPolicy(Qt::TabFocus);
    PlaceTwips(hscNeighbors, 0, 240, 735, 255);

    txtNeighbors = makeTextBox(fraNeighbors, QStringLiteral("5"), QStringLiteral("txtNeighbors"));
    txtNeighbors->setToolTip(tr("Average over adjacent pixels"));
    txtNeighbors->setAccessibleName(tr("Averaging radius value"));
    txtNeighbors->setReadOnly(true);
    txtNeighbors->setFocusPolicy(Qt::NoFocus);
    txtNeighbors->setAcceptDrops(false);
    txtNeighbors->setFrame(false);
    txtNeighbors->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The system colour of scroll bars.
    setColors(txtNeighbors, QColor(0xC8, 0xC8, 0xC8), Qt::black);
    PlaceTwips(txtNeighbors, 0, 0, 135, 285);
    // The radius box lies over the frame's top-left corner, in front of the caption, so the
    // radius reads as the caption's first word.
    fraNeighbors->setCaptionPlace(txtNeighbors->width(), txtNeighbors->height() / 2);

    //: A button: saves the settings and ends the program.
    cmdExit =
        makeButton(client, tr("Exit"), tr("Save settings and exit"), QStringLiteral("cmdExit"));
    PlaceTwips(cmdExit, 840, 360, 495, 255);
    //: A button and an Edit menu item: the clipboard's picture becomes the picture.
    cmdPaste =
        makeButton(client, tr("Paste"), tr("Paste in the clipboard"), QStringLiteral("cmdPaste"));
    PlaceTwips(cmdPaste, 120, 360, 615, 255);
    //: A button: opens a picture file.
    cmdFile = makeButton(client, tr("File"), tr("Input a graphic file"), QStringLiteral("cmdFile"));
    PlaceTwips(cmdFile, 120, 120, 615, 255);
    //: A button: prints the list (and the picture).
    cmdPrint = makeButton(client, tr("Print"), tr("Print the list and screen"),
                          QStringLiteral("cmdPrint"));
    PlaceTwips(cmdPrint, 840, 120, 495, 255);

    txtDesc = makeTextBox(client, QString(), QStringLiteral("txtDesc"));
    //: The editor of a picked colour's description, for screen readers.
    txtDesc->setAccessibleName(tr("Description"));
    txtDesc->setAccessibleDescription(tr("The description of the list's current row"));
    txtDesc->setFont(listFont());
    txtDesc->setFrame(false);
    // The editor holds what the list keeps of a description, typed or pasted.
    txtDesc->setMaxLength(PickList::kMaxDescription);
    setColors(txtDesc, QColor(0xFF, 0xFF, 0xC0), Qt::black);
    PlaceTwips(txtDesc, 6910, 320, 1215, 210);
    txtDesc->hide();

    //: A check box: each pick leaves a tag (a line and the code) on the picture.
    chkTags = new QCheckBox(tr("Tags"), client);
    chkTags->setObjectName(QStringLiteral("chkTags"));
    chkTags->setToolTip(tr("Save and print clicked tags on screen"));
    chkTags->setChecked(true);
    PlaceTwips(chkTags, 2400, 0, 735, 315);

    //: A button: clears the tags and the list.
    cmdClearTags = makeButton(client, tr("Clear"), tr("Clear all tags on screen and list"),
                              QStringLiteral("cmdClearTags"));
    PlaceTwips(cmdClearTags, 2400, 360, 735, 255);

    grdList = new FlexGrid(client);
    grdList->setObjectName(QStringLiteral("grdList"));
    grdList->setAccessibleName(tr("Picked colours"));
    grdList->setAccessibleDescription(
        tr("The picked colours, the newest first; Enter or F2 on a description types it in place"));
    grdList->setFont(listFont());
    grdList->horizontalHeader()->setFont(listFont());
    m_picks = new PickList(grdList);
    grdList->setModel(m_picks);
    //: The list's column titles, split by "|". The first character of each (">" right, "<" left)
    //: sets the column's alignment and is not shown; keep it, and the blanks after it that align
    //: the printed titles.
    grdList->setFormatString(tr(">WebColor|> WebBack|>  Red|>Green|> Blue|<Description"));
    PlaceTwips(grdList, 3120, 0, 5415, 615);

    dlgWinDialog = std::make_unique<CommonDialog>(this, m_services);

    picColor = new PictureBox(client);
    picColor->setObjectName(QStringLiteral("picColor"));
    //: The picture control, for screen readers.
    picColor->setAccessibleName(tr("Picture"));
    picColor->setAccessibleDescription(tr("Point at the picture to read a colour; a click or Enter "
                                          "picks it; the arrow keys move the pointer one pixel"));
    PlaceTwips(picColor, 120, 720, 8415, 1215);

    // The read-out floats over the picture; the pointer passes through it to the picture.
    txtCursor = makeTextBox(picColor, QStringLiteral("#FFFFFF"), QStringLiteral("txtCursor"));
    txtCursor->setAccessibleName(tr("Colour under pointer"));
    txtCursor->setReadOnly(true);
    txtCursor->setFocusPolicy(Qt::NoFocus);
    txtCursor->setAttribute(Qt::WA_TransparentForMouseEvents);
    txtCursor->setAcceptDrops(false);
    setColors(txtCursor, Qt::white, Qt::black);
    PlaceTwips(txtCursor, 3120, 240, kReadoutWidth, 285);

    // The details line lies under the picture while View, Details is on (Form_Resize).
    // A label lays its text out when it is painted, once a frame, not on every pointer move; its
    // text is what screen readers read as its name.
    lblDetails = new QLabel(client);
    lblDetails->setObjectName(QStringLiteral("lblDetails"));
    lblDetails->setAccessibleDescription(tr("Details under the pointer"));
    lblDetails->setTextFormat(Qt::PlainText);
    lblDetails->setContentsMargins(4, 0, 4, 0);
    lblDetails->hide();

    m_announcer = new Announcer(client);
    m_pointerRests.setObjectName(QStringLiteral("pointerRests"));
    m_pointerRests.setParent(this);
    m_pointerRests.setSingleShot(true);
    m_pointerRests.setInterval(500);
    connect(&m_pointerRests, &QTimer::timeout, this, &frmHuemark::announceReadout);

    // Shown, the description editor lies over the list.
    txtDesc->raise();

    imgCache = new ImageControl(client);
    imgCache->setObjectName(QStringLiteral("imgCache"));
    PlaceTwips(imgCache, 720, 360, 375, 375);
    giveTextsRoom();

    // Tab order; the read-only boxes and the frame take no focus.
    setTabOrder(picColor, cmdFile);
    setTabOrder(cmdFile, cmdPaste);
    setTabOrder(cmdPaste, cmdExit);
    setTabOrder(cmdExit, grdList);
    setTabOrder(grdList, cmdClearTags);
    setTabOrder(cmdClearTags, cmdPrint);
    setTabOrder(cmdPrint, chkTags);
    setTabOrder(chkTags, txtDesc);
    setTabOrder(txtDesc, hscNeighbors);
    picColor->setFocus();
}

void frmHuemark::createMenus() {
    // Each item is made, named and wired to its event procedure in one statement.
    using Procedure = void (frmHuemark::*)();
    const auto addItem = [this](QMenu* menu, QAction*& item, const char* name,
                                const QString& caption, const QKeySequence& shortcut,
                                Procedure procedure) {
        item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(shortcut);
        connect(item, &QAction::triggered, this, procedure);
    };
    const auto addMenu = [this](QMenu*& menu, const char* name, const QString& caption) {
        menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
    };
    //: The menu bar's File menu.
    addMenu(mnuFile, "mnuFile", tr("&File"));
    addItem(mnuFile, mnuFileInput, "mnuFileInput", tr("&Input File"), Qt::CTRL | Qt::Key_I,
            &frmHuemark::mnuFileInput_Click);
    //: File menu: prints the list (and the picture).
    addItem(mnuFile, mnuFilePrint, "mnuFilePrint", tr("&Print"), Qt::CTRL | Qt::Key_P,
            &frmHuemark::mnuFilePrint_Click);
    addItem(mnuFile, mnuFilePrintSetup, "mnuFilePrintSetup", tr("Print Set&up"),
            Qt::CTRL | Qt::Key_U, &frmHuemark::mnuFilePrintSetup_Click);
    //: File menu: saves the settings and ends the program.
    addItem(mnuFile, mnuFileExit, "mnuFileExit", tr("E&xit"), {}, &frmHuemark::mnuFileExit_Click);

    //: The menu bar's Edit menu.
    addMenu(mnuEdit, "mnuEdit", tr("&Edit"));
    //: A button and an Edit menu item: the clipboard's picture becomes the picture.
    addItem(mnuEdit, mnuEditPaste, "mnuEditPaste", tr("Paste"), Qt::CTRL | Qt::Key_V,
            &frmHuemark::mnuEditPaste_Click);
    //: Edit menu: the whole screen becomes the picture.
    addItem(mnuEdit, mnuEditScreen, "mnuEditScreen", tr("&Screen"),
            Qt::CTRL | Qt::SHIFT | Qt::Key_V, &frmHuemark::mnuEditScreen_Click);
    addItem(mnuEdit, mnuEditPickScreen, "mnuEditPickScreen", tr("Pick from Sc&reen"),
            Qt::CTRL | Qt::SHIFT | Qt::Key_C, &frmHuemark::mnuEditPickScreen_Click);

    // View: zoom around the pointer, fit, the loupe option, and how the picture's colours are
    // read.
    //: The menu bar's View menu.
    addMenu(mnuView, "mnuView", tr("&View"));
    addItem(mnuView, mnuViewZoomIn, "mnuViewZoomIn", tr("Zoom &In"), Qt::CTRL | Qt::Key_Plus,
            &frmHuemark::mnuViewZoomIn_Click);
    mnuViewZoomIn->setShortcuts({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal});
    addItem(mnuView, mnuViewZoomOut, "mnuViewZoomOut", tr("Zoom &Out"), Qt::CTRL | Qt::Key_Minus,
            &frmHuemark::mnuViewZoomOut_Click);
    addItem(mnuView, mnuViewActualSize, "mnuViewActualSize", tr("&Actual Size"),
            Qt::CTRL | Qt::Key_0, &frmHuemark::mnuViewActualSize_Click);
    addItem(mnuView, mnuViewFit, "mnuViewFit", tr("&Fit in Window"), {},
            &frmHuemark::mnuViewFit_Click);
    mnuView->addSeparator();
    //: View menu, a check item: a magnifier beside the pointer.
    addItem(mnuView, mnuViewLoupe, "mnuViewLoupe", tr("&Loupe"), {},
            &frmHuemark::mnuViewLoupe_Click);
    mnuViewLoupe->setCheckable(true);
    addItem(mnuView, mnuViewMeasureArea, "mnuViewMeasureArea", tr("&Measure Area"),
            Qt::CTRL | Qt::Key_M, &frmHuemark::mnuViewMeasureArea_Click);
    mnuViewMeasureArea->setCheckable(true);
    addItem(mnuView, mnuViewExtractPalette, "mnuViewExtractPalette", tr("Extract &Palette"),
            Qt::CTRL | Qt::Key_E, &frmHuemark::mnuViewExtractPalette_Click);
    mnuView->addSeparator();
    addItem(mnuView, mnuViewStoredColors, "mnuViewStoredColors",
            tr("Colours as &stored in the file"), {}, &frmHuemark::mnuViewStoredColors_Click);
    mnuViewStoredColors->setCheckable(true);
    mnuViewProfile = mnuView->addAction(tr("No colour profile"));
    mnuViewProfile->setObjectName(QStringLiteral("mnuViewProfile"));
    mnuViewProfile->setEnabled(false);
    //: View menu, a check item: the details line under the picture.
    addItem(mnuView, mnuViewDetails, "mnuViewDetails", tr("&Details"), {},
            &frmHuemark::mnuViewDetails_Click);
    mnuViewDetails->setCheckable(true);

    //: The menu bar's Help menu.
    addMenu(mnuHelp, "mnuHelp", tr("&Help"));
    //: Help menu: the help's table of contents.
    addItem(mnuHelp, mnuHelpContents, "mnuHelpContents", tr("&Contents"), {},
            &frmHuemark::mnuHelpContents_Click);
    //: Help menu: the help's how-to section.
    addItem(mnuHelp, mnuHelpHowTo, "mnuHelpHowTo", tr("HowTo"), Qt::Key_F1,
            &frmHuemark::mnuHelpHowTo_Click);
    //: Help menu: the program's version and notices.
    addItem(mnuHelp, mnuHelpAbout, "mnuHelpAbout", tr("&About"), {},
            &frmHuemark::mnuHelpAbout_Click);
}

void frmHuemark::bindEvents() {
    connect(client, &FormClient::MouseMove, this, &frmHuemark::Form_MouseMove);
    connect(picColor, &PictureBox::MouseMove, this, &frmHuemark::picColor_PointerMoved);
    connect(picColor, &PictureBox::MouseDown, this, &frmHuemark::picColor_MouseDown);
    connect(picColor, &PictureBox::KeyDown, this, &frmHuemark::picColor_KeyDown);
    connect(picColor, &PictureBox::ViewChanged, this, &frmHuemark::picColor_ViewChanged);
    connect(picColor, &PictureBox::PixelsArrived, this, [this] {
        if (m_readoutWaits && txtCursor->isVisible()) {
            picColor_MouseMove(0, 0, static_cast<float>(m_readoutWaits->x()),
                               static_cast<float>(m_readoutWaits->y()));
        }
    });
    connect(picColor, &PictureBox::ArrivalEnded, this, &frmHuemark::TellEndsEarly);
    connect(picColor, &PictureBox::AreaDragged, this, &frmHuemark::picColor_AreaDragged);
    connect(hscNeighbors, &QScrollBar::valueChanged, this, &frmHuemark::hscNeighbors_Change);
    connect(grdList, &FlexGrid::MouseDown, this, &frmHuemark::grdList_MouseDown);
    connect(grdList, &FlexGrid::EditKey, this, &frmHuemark::grdList_EditKey);
    connect(grdList, &FlexGrid::Scroll, this, &frmHuemark::grdList_Scroll);
    txtDesc->installEventFilter(this);
    // Only the user's edits: the text that opening the editor puts there writes nothing.
    connect(txtDesc, &QLineEdit::textEdited, this, &frmHuemark::txtDesc_Change);
    hscNeighbors->installEventFilter(this);
    connect(chkTags, &QCheckBox::toggled, this, &frmHuemark::chkTags_Click);
    connect(cmdClearTags, &QPushButton::clicked, this, &frmHuemark::cmdClearTags_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmHuemark::cmdPrint_Click);
    connect(cmdFile, &QPushButton::clicked, this, &frmHuemark::cmdFile_Click);
    connect(cmdPaste, &QPushButton::clicked, this, &frmHuemark::cmdPaste_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmHuemark::cmdExit_Click);
    // Copy has no menu item of its own; the key works wherever the window has the focus.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &frmHuemark::CopySelection);
}

bool frmHuemark::eventFilter(QObject* watched, QEvent* event) {
    if (m_unloaded) {
        return QMainWindow::eventFilter(watched, event);
    }
    // The scroll bar has no tooltip of its own; it must not show its frame's.
    if (watched == hscNeighbors && event->type() == QEvent::ToolTip) {
        return true;
    }
    // Ctrl+V pastes the clipboard's picture wherever the focus is, the description editor
    // included, so the editor must not claim it.
    if (watched == txtDesc && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        return true;
    }
    if (watched == txtDesc && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            int keyCode = KeyCodeOf(key->key());
            txtDesc_KeyUp(keyCode, ShiftStateOf(key->modifiers()));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmHuemark::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_unloaded && AcceptsDrop(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void frmHuemark::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_unloaded && AcceptsDrop(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void frmHuemark::dropEvent(QDropEvent* event) {
    if (m_unloaded || !AcceptsDrop(event->mimeData())) {
        return;
    }
    event->acceptProposedAction();
    DropFile(event->mimeData());
}

void frmHuemark::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

QString frmHuemark::Caption() const {
    return m_caption;
}

void frmHuemark::setCaption(const QString& text) {
    m_caption = text;
    showTitle();
}

void frmHuemark::showTitle() {
    // With the details line, the title names the profile the picture is read through too.
    QString title = m_caption;
    const QString profileName = picColor != nullptr ? picColor->picture().profileName() : QString();
    if (mnuViewDetails != nullptr && mnuViewDetails->isChecked() && !profileName.isEmpty()) {
        //: The window's title with the details line on. %1: the picture's caption (its file name);
        //: %2: its colour profile's name.
        title = tr("%1 (%2)").arg(title, profileName);
    }
    // "[*]" is Qt's placeholder for a modified mark; doubled, it shows as itself.
    setWindowTitle(title.replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}
