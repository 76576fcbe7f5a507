#include "app/frmHuemark.h"

#include "app/WindowIcon.h"
#include "platform/Clipboard.h"
#include "platform/FlexGrid.h"
#include "platform/FormClient.h"
#include "platform/ImageControl.h"
#include "platform/KeyCodes.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

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
    if (!m_services.clipboard) {
        m_services.clipboard = NewClipboard(); // services made before the clipboard was one
    }
    setObjectName(QStringLiteral("frmHuemark"));
    setCaption(QStringLiteral("Huemark"));
    setWindowIcon(MakeWindowIcon());
    // A compact tool strip: the controls are small, so the user-interface font is too.
    QFont uiFont = font();
    uiFont.setPointSizeF(8.25);
    setFont(uiFont);
    createControls();
    createMenus();
    bindEvents();
    resize(TwipsToPixelsX(kClientWidth),
           TwipsToPixelsY(kClientHeight) + menuBar()->sizeHint().height());
}

frmHuemark::~frmHuemark() = default;

void frmHuemark::createControls() {
    client = new FormClient(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    fraNeighbors = new QGroupBox(QStringLiteral(" average"), client);
    fraNeighbors->setObjectName(QStringLiteral("fraNeighbors"));
    fraNeighbors->setToolTip(QStringLiteral("Average over adjacent pixels"));
    fraNeighbors->setAccessibleName(QStringLiteral("Average"));
    fraNeighbors->setFlat(true);
    // The radius box sits over the frame's top-left corner, in front of the caption, so the
    // radius reads as the caption's first word: the caption starts where that box ends.
    fraNeighbors->setStyleSheet(QStringLiteral(
        "QGroupBox { border: none; border-top: 1px solid palette(mid); margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 9px; padding: 0px; }"));
    PlaceTwips(fraNeighbors, 1440, 120, 855, 495);

    hscNeighbors = new QScrollBar(Qt::Horizontal, fraNeighbors);
    hscNeighbors->setObjectName(QStringLiteral("hscNeighbors"));
    hscNeighbors->setAccessibleName(QStringLiteral("Averaging radius"));
    hscNeighbors->setRange(0, 32767);
    hscNeighbors->setSingleStep(1);
    hscNeighbors->setPageStep(1);
    hscNeighbors->setFocusPolicy(Qt::TabFocus);
    PlaceTwips(hscNeighbors, 0, 240, 735, 255);

    txtNeighbors = makeTextBox(fraNeighbors, QStringLiteral("5"), QStringLiteral("txtNeighbors"));
    txtNeighbors->setToolTip(QStringLiteral("Average over adjacent pixels"));
    txtNeighbors->setAccessibleName(QStringLiteral("Averaging radius value"));
    txtNeighbors->setReadOnly(true);
    txtNeighbors->setFocusPolicy(Qt::NoFocus);
    txtNeighbors->setFrame(false);
    txtNeighbors->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setColors(txtNeighbors, QColor(0xC8, 0xC8, 0xC8), Qt::black);
    PlaceTwips(txtNeighbors, 0, 0, 135, 285);

    cmdExit = makeButton(client, QStringLiteral("Exit"), QStringLiteral("Save settings and exit"),
                         QStringLiteral("cmdExit"));
    PlaceTwips(cmdExit, 840, 360, 495, 255);
    cmdPaste = makeButton(client, QStringLiteral("Paste"), QStringLiteral("Paste in the clipboard"),
                          QStringLiteral("cmdPaste"));
    PlaceTwips(cmdPaste, 120, 360, 615, 255);
    cmdFile = makeButton(client, QStringLiteral("File"), QStringLiteral("Input a graphic file"),
                         QStringLiteral("cmdFile"));
    PlaceTwips(cmdFile, 120, 120, 615, 255);
    cmdPrint = makeButton(client, QStringLiteral("Print"),
                          QStringLiteral("Print the list and screen"), QStringLiteral("cmdPrint"));
    PlaceTwips(cmdPrint, 840, 120, 495, 255);

    txtDesc = makeTextBox(client, QString(), QStringLiteral("txtDesc"));
    txtDesc->setAccessibleName(QStringLiteral("Description"));
    txtDesc->setFont(listFont());
    txtDesc->setFrame(false);
    setColors(txtDesc, QColor(0xFF, 0xFF, 0xC0), Qt::black);
    PlaceTwips(txtDesc, 6910, 320, 1215, 210);
    txtDesc->hide();

    chkTags = new QCheckBox(QStringLiteral("Tags"), client);
    chkTags->setObjectName(QStringLiteral("chkTags"));
    chkTags->setToolTip(QStringLiteral("Save and print clicked tags on screen"));
    chkTags->setChecked(true);
    PlaceTwips(chkTags, 2400, 0, 735, 315);

    cmdClearTags = makeButton(client, QStringLiteral("Clear"),
                              QStringLiteral("Clear all tags on screen and list"),
                              QStringLiteral("cmdClearTags"));
    PlaceTwips(cmdClearTags, 2400, 360, 735, 255);

    grdList = new FlexGrid(client);
    grdList->setObjectName(QStringLiteral("grdList"));
    grdList->setAccessibleName(QStringLiteral("Picked colours"));
    grdList->setFont(listFont());
    grdList->horizontalHeader()->setFont(listFont());
    grdList->setRows(2);
    grdList->setFormatString(
        QStringLiteral(">WebColor|> WebBack|>  Red|>Green|> Blue|<Description"));
    PlaceTwips(grdList, 3120, 0, 5415, 615);

    dlgWinDialog = std::make_unique<CommonDialog>(this, m_services);

    picColor = new PictureBox(client);
    picColor->setObjectName(QStringLiteral("picColor"));
    picColor->setAccessibleName(QStringLiteral("Picture"));
    PlaceTwips(picColor, 120, 720, 8415, 1215);

    // The read-out floats over the picture; the pointer passes through it to the picture.
    txtCursor = makeTextBox(picColor, QStringLiteral("#FFFFFF"), QStringLiteral("txtCursor"));
    txtCursor->setAccessibleName(QStringLiteral("Colour under pointer"));
    txtCursor->setReadOnly(true);
    txtCursor->setFocusPolicy(Qt::NoFocus);
    txtCursor->setAttribute(Qt::WA_TransparentForMouseEvents);
    setColors(txtCursor, Qt::white, Qt::black);
    PlaceTwips(txtCursor, 3120, 240, 855, 285);

    // Shown, the description editor lies over the list.
    txtDesc->raise();

    imgCache = new ImageControl(client);
    imgCache->setObjectName(QStringLiteral("imgCache"));
    PlaceTwips(imgCache, 720, 360, 375, 375);

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
    auto addItem = [](QMenu* menu, const QString& caption, const QKeySequence& shortcut,
                          const QString& name) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
        }
        return action;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileInput = addItem(mnuFile, QStringLiteral("&Input File"),
                           QKeySequence(Qt::CTRL | Qt::Key_I), QStringLiteral("mnuFileInput"));
    mnuFilePrint = addItem(mnuFile, QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P),
                           QStringLiteral("mnuFilePrint"));
    mnuFilePrintSetup =
        addItem(mnuFile, QStringLiteral("Print Set&up"), QKeySequence(Qt::CTRL | Qt::Key_U),
                QStringLiteral("mnuFilePrintSetup"));
    mnuFileExit =
        addItem(mnuFile, QStringLiteral("E&xit"), QKeySequence(), QStringLiteral("mnuFileExit"));

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditPaste = addItem(mnuEdit, QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                           QStringLiteral("mnuEditPaste"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = addItem(mnuHelp, QStringLiteral("&Contents"), QKeySequence(),
                              QStringLiteral("mnuHelpContents"));
    mnuHelpHowTo = addItem(mnuHelp, QStringLiteral("HowTo"), QKeySequence(Qt::Key_F1),
                           QStringLiteral("mnuHelpHowTo"));
    mnuHelpAbout =
        addItem(mnuHelp, QStringLiteral("&About"), QKeySequence(), QStringLiteral("mnuHelpAbout"));
}

void frmHuemark::bindEvents() {
    connect(client, &FormClient::MouseMove, this, &frmHuemark::Form_MouseMove);
    connect(picColor, &PictureBox::MouseMove, this, &frmHuemark::picColor_PointerMoved);
    connect(picColor, &PictureBox::MouseDown, this, &frmHuemark::picColor_MouseDown);
    connect(picColor, &PictureBox::KeyDown, this, &frmHuemark::picColor_KeyDown);
    connect(hscNeighbors, &QScrollBar::valueChanged, this, &frmHuemark::hscNeighbors_Change);
    connect(grdList, &FlexGrid::MouseDown, this, &frmHuemark::grdList_MouseDown);
    connect(grdList, &FlexGrid::Scroll, this, &frmHuemark::grdList_Scroll);
    txtDesc->installEventFilter(this);
    connect(chkTags, &QCheckBox::toggled, this, &frmHuemark::chkTags_Click);
    connect(cmdClearTags, &QPushButton::clicked, this, &frmHuemark::cmdClearTags_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmHuemark::cmdPrint_Click);
    connect(cmdFile, &QPushButton::clicked, this, &frmHuemark::cmdFile_Click);
    connect(cmdPaste, &QPushButton::clicked, this, &frmHuemark::cmdPaste_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmHuemark::cmdExit_Click);
    connect(mnuFileInput, &QAction::triggered, this, &frmHuemark::mnuFileInput_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmHuemark::mnuFilePrint_Click);
    connect(mnuFilePrintSetup, &QAction::triggered, this, &frmHuemark::mnuFilePrintSetup_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmHuemark::mnuFileExit_Click);
    connect(mnuEditPaste, &QAction::triggered, this, &frmHuemark::mnuEditPaste_Click);
    connect(mnuHelpContents, &QAction::triggered, this, &frmHuemark::mnuHelpContents_Click);
    connect(mnuHelpHowTo, &QAction::triggered, this, &frmHuemark::mnuHelpHowTo_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmHuemark::mnuHelpAbout_Click);
}

bool frmHuemark::eventFilter(QObject* watched, QEvent* event) {
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

void frmHuemark::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmHuemark::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

QString frmHuemark::Caption() const {
    QString text = windowTitle();
    return text.replace(QLatin1String("[*][*]"), QLatin1String("[*]"));
}

void frmHuemark::setCaption(const QString& text) {
    // "[*]" is Qt's placeholder for a modified mark; doubled, it shows as itself.
    QString title = text;
    setWindowTitle(title.replace(QLatin1String("[*]"), QLatin1String("[*][*]")));
}

int frmHuemark::Left() const {
    return static_cast<int>(std::lround(PixelsToTwipsX(frameGeometry().x())));
}
int frmHuemark::Top() const {
    return static_cast<int>(std::lround(PixelsToTwipsY(frameGeometry().y())));
}
int frmHuemark::Width() const {
    return static_cast<int>(std::lround(PixelsToTwipsX(frameGeometry().width())));
}
int frmHuemark::Height() const {
    return static_cast<int>(std::lround(PixelsToTwipsY(frameGeometry().height())));
}
