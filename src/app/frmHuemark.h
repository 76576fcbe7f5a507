#pragma once
// The program's one window: its controls, its menu bar and every event procedure. The procedures
// live in src/app/, one file per area; the logic they ask lives below them, without widgets
// (picture/, readout/, list/, palette/, input/), the controls they use in controls/ and the
// desktop's services in desktop/. The picture shown is picColor's (a ShownPicture, its clean copy
// in imgCache): the window keeps no picture state of its own.
//
// How the data goes through the window:
// - Pointer move over the picture: PictureBox::mouseMoveEvent (the device pixel's picture pixel)
//   -> picColor_PointerMoved (Readout.cpp: remembers where the pointer is, ends an arrow-key pick
//   point once the user moves) -> picColor_MouseMove: ReadoutBoxPosition places txtCursor beside
//   the pointer, picColor->ReadAt (the pixel or the radius square, with where it came from when
//   the details line shows) fills it and the details line.
//   Over the bare window: FormClient -> Form_MouseMove hides the read-out.
// - Click on the picture: PictureBox::mousePressEvent -> picColor_MouseDown (Picking.cpp) closes
//   the description editor -> AddToGrid: PickAt (the colour and where it was taken), the tag drawn
//   into the picture's persistent image, and the Pick on top of the PickList; the grid shows the
//   model, its texts and cell colours made from each pick's colour.
// - Key on the picture: PictureBox::keyPressEvent -> picColor_KeyDown (Stepping.cpp). Arrows put
//   the pointer on the next picture pixel (PointerService), whose move event then runs the
//   pointer-move path; where the desktop refuses, a PickPoint steps instead. Page Up/Down change
//   hscNeighbors -> hscNeighbors_Change refreshes the read-out. Enter: PointerToPicture ->
//   AddToGrid.
// - A new picture, however it arrives, takes one way: the source's reading in sources/
//   (PictureArrival.h) gives the picture, its profile and its caption, or the message that says
//   why not, and ShowArrival (PictureCommands.cpp) shows it or says so.
//   Paste (button, Ctrl+V, start-up): cmdPaste_Click -> PictureFromClipboard (ClipboardService
//   with a deadline, then the decoders). File (button, Ctrl+I), a dropped file and a file named on
//   the command line: cmdFile_Click / DropFile / Form_Load -> OpenFileNamed -> OpenPictureFile
//   (path) -> PictureFromFile. Picture data dropped from a browser: DropFile ->
//   PictureFromDroppedData. Screen (Edit menu, Ctrl+Shift+V): mnuEditScreen_Click
//   (ScreenCommand.cpp) -> ScreenCaptureService (our windows hidden meanwhile) ->
//   PictureFromScreen (the loader's limit; a portal's file read, and deleted where
//   IsPortalsOwnFile tells the portal made it). Then ShowArrival -> caption -> ShowNewPicture
//   (PictureColors.cpp): a ShownPicture, in sRGB unless View, Colours as stored in the file is
//   checked -> ShowPicture: imgCache and picColor -> refreshReadout.
// - The list: FlexGrid::mousePressEvent -> grdList_MouseDown (List.cpp) opens txtDesc on a
//   Description cell; each key released in it -> txtDesc_KeyUp writes the pick's description in
//   the model, as does any change of its text by the user (txtDesc_Change). Saving, opening,
//   Copy As, the contrast and printing (Palette.cpp, Printing.cpp) read and write the model.
// - Life: main -> Form_Load (Startup.cpp: settings, geometry with Form_Resize in Layout.cpp, the
//   start-up paste) -> show; close box, Exit, File Exit -> Form_Unload (Shutdown.cpp).

#include "app/LayoutRules.h"
#include "controls/CommonDialog.h"
#include "desktop/Services.h"
#include "desktop/capture/ScreenCapture.h"
#include "input/LoadPicture.h"
#include "list/PickList.h"
#include "palette/Notations.h"
#include "picture/PictureSurface.h"
#include "picture/ShownPicture.h"
#include "pixels/ColorVision.h"
#include "readout/ColorCodes.h"
#include "readout/PickPoint.h"
#include "sources/PictureAhead.h"

#include <QMainWindow>
#include <QMargins>
#include <QPointF>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class AreaPanel;
class FlexGrid;
class FormClient;
class Frame;
class ImageControl;
class Loupe;
class Announcer;
class PictureBox;
class Printer;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QPushButton;
class QScrollBar;
struct PictureArrival;

class frmHuemark : public QMainWindow {
    Q_OBJECT
public:
    explicit frmHuemark(Services services = Services::qtDefaults(), QWidget* parent = nullptr);
    ~frmHuemark() override;

    // Controls, named as the window definition names them.
    FormClient* client = nullptr;
    Frame* fraNeighbors = nullptr;
    QScrollBar* hscNeighbors = nullptr;
    QLineEdit* txtNeighbors = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdPaste = nullptr;
    QPushButton* cmdFile = nullptr;
    QPushButton* cmdPrint = nullptr;
    QLineEdit* txtDesc = nullptr;
    // The details line (Readout.cpp): shown while View, Details is on, under the picture.
    QLabel* lblDetails = nullptr;
    QCheckBox* chkTags = nullptr;
    QPushButton* cmdClearTags = nullptr;
    FlexGrid* grdList = nullptr;
    std::unique_ptr<CommonDialog> dlgWinDialog;
    PictureBox* picColor = nullptr;
    QLineEdit* txtCursor = nullptr;
    ImageControl* imgCache = nullptr;

    // Menu bar.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileInput = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFilePrintSetup = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuEditScreen = nullptr;
    QAction* mnuEditPickScreen = nullptr;
    // View: zoom, fit, the loupe, and the colours a picture is shown in.
    QMenu* mnuView = nullptr;
    QAction* mnuViewZoomIn = nullptr;
    QAction* mnuViewZoomOut = nullptr;
    QAction* mnuViewActualSize = nullptr;
    QAction* mnuViewFit = nullptr;
    QAction* mnuViewLoupe = nullptr;
    QAction* mnuViewMeasureArea = nullptr;    // check item: the left button drags out an area
    QAction* mnuViewExtractPalette = nullptr; // the area's (or the picture's) dominant colours
    QAction* mnuViewStoredColors = nullptr;   // check item: the file's stored values, unconverted
    QAction* mnuViewProfile = nullptr;        // disabled line naming the picture's colour profile
    QAction* mnuViewDetails = nullptr;        // check item: the details line under the picture
    QMenu* mnuViewVision = nullptr;           // Simulate Colour Vision: one of five, checked
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpHowTo = nullptr;
    QAction* mnuHelpAbout = nullptr;

    Services& services() { return m_services; }
    // The picks the list shows.
    PickList& picks() { return *m_picks; }
    const PickList& picks() const { return *m_picks; }

    // The home folder stands for the default and the recovery folder.
    static QString DefaultFolder();

    // The title bar's text, shown exactly as given.
    QString Caption() const;
    void setCaption(const QString& text);
    // The window's title: the caption, and the profile's name while the details line shows.
    void showTitle();

    // Window position and outer size (frame, title bar and menu bar included), in twips. A size
    // set here lays the window out before it returns, as any change of size does.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    static constexpr int kNormal = 0;
    static constexpr int kMinimized = 1;
    static constexpr int kMaximized = 2;
    // The read-out box's width, in twips, for one code.
    static constexpr int kReadoutWidth = 855;
    int WindowState() const;

    // Event procedures.
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void Form_MouseMove(int button, int shift, float x, float y);
    void picColor_MouseMove(int button, int shift, float x, float y);
    void picColor_MouseDown(int button, int shift, float x, float y);
    void picColor_KeyDown(int& keyCode, int shift);
    void hscNeighbors_Change();
    void grdList_MouseDown(int button, int shift, float x, float y);
    void grdList_EditKey();
    void grdList_Scroll();
    void txtDesc_KeyUp(int& keyCode, int shift);
    // The editor's text changed without a key (a paste from its menu or the mouse, a drop, an
    // input method): written into the list as a key release writes it.
    void txtDesc_Change();
    void chkTags_Click();
    void cmdClearTags_Click();
    void cmdPrint_Click();
    void cmdFile_Click();
    void cmdPaste_Click();
    void cmdExit_Click();
    void mnuFileInput_Click();
    void mnuFilePrint_Click();
    void mnuFilePrintSetup_Click();
    void mnuFileExit_Click();
    void mnuEditPaste_Click();
    void mnuEditScreen_Click();
    void mnuEditPickScreen_Click();
    void mnuViewStoredColors_Click();
    void mnuViewDetails_Click();
    void mnuViewVision_Click(ColorVision vision);
    void mnuHelpContents_Click();
    void mnuHelpHowTo_Click();
    void mnuHelpAbout_Click();
    // View.cpp: zoom around the pointer (or the view's centre), fit, the loupe option; a zoom or
    // scroll refreshes the read-out at the pointer.
    void mnuViewZoomIn_Click();
    void mnuViewZoomOut_Click();
    void mnuViewActualSize_Click();
    void mnuViewFit_Click();
    void mnuViewLoupe_Click();
    void picColor_ViewChanged();
    // Measure.cpp: an area's figures in a panel beside the window, its mean or its palette into
    // the list.
    void mnuViewMeasureArea_Click();
    void mnuViewExtractPalette_Click();
    void picColor_AreaDragged(QRect area, bool finished);
    void cmdAddArea_Click();
    AreaPanel* areaPanelIfShown() const { return m_areaPanel; }

    // Other procedures.
    QString ColorToWeb(ColorValue c) const;
    QPointF PointerToPicture(QPoint screenPixel) const;
    void AddToGrid(const float& x, const float& y);
    void ShowAbout();
    // Ctrl+C: the list's selected cells, or the read-out's web code, as text.
    void CopySelection();
    // A picture file dropped on the window opens as if chosen in the open-file dialog, and so
    // does picture data dropped from a browser (PNG, JPEG, WebP, ...), its caption naming where
    // it came from; anything else dropped is refused.
    static bool AcceptsDrop(const QMimeData* data);
    void DropFile(const QMimeData* data);
    // A file named on the command line: start-up opens it as a dropped file instead of pasting,
    // reading it from readFrom when that is given (a name Qt cannot hold, see NamedFile). Its
    // loading may have started ahead, while the window was built.
    void setStartupFile(const QString& path, const QString& readFrom = QString(),
                        PictureAhead ahead = {}) {
        m_startupFile = path;
        m_startupReadFrom = readFrom;
        m_startupAhead = std::move(ahead);
    }
    // Whether shut-down has run: nothing of the window is to be used any more.
    bool Unloaded() const { return m_unloaded; }
    // The last notice about the picture's colours (an unusable profile), empty when none, or
    // when the stored values were asked for.
    QString ColorNotice() const;
    // A line over the picture that goes by itself; shown once the window is (looking again up
    // to tries times), while current().
    static constexpr int kNoticeTries = 30;
    void ShowPictureNotice(const QString& notice, const std::function<bool()>& current,
                           int tries = kNoticeTries);
    // Where the file ends early, when it does and that is known: said over the picture.
    void TellEndsEarly();

    // Lists leaving the program and coming back (Palette.cpp): File, Open List and Save List As;
    // Edit, Copy As, whose choice Ctrl+C follows; the contrast of two selected rows in the list's
    // tooltip.
    QAction* mnuFileOpenList = nullptr;
    QAction* mnuFileSaveList = nullptr;
    QMenu* mnuEditCopyAs = nullptr;
    void mnuFileOpenList_Click();
    void mnuFileSaveList_Click();
    // The history of picks (History.cpp): File, Open History and Keep a History.
    QAction* mnuFileOpenHistory = nullptr;
    QAction* mnuFileKeepHistory = nullptr;
    void mnuFileOpenHistory_Click();
    void mnuFileKeepHistory_Click();
    void mnuEditCopyAs_Click(Notation notation);
    // Edit, Copy As, Custom...: the template dialog; with OK, Ctrl+C copies through the template
    // from then on (and Save List As writes its custom type through it).
    void mnuEditCopyAsCustom_Click();
    void grdList_SelChange();
    void grdList_MouseUp(int button, int shift, float x, float y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void bindEvents();
    void createPaletteCommands();
    void createHistoryCommands();
    void ReadHistoryOption();
    void SaveHistoryOption();
    void KeepInHistory(const Pick& pick);
    bool m_historyFailureSaid = false;
    void createVisionCommands();
    void ReadVisionOption();
    void SaveVisionOption();
    // The simulated vision's name as the details line gives it ("protanopia").
    static QString VisionName(ColorVision vision);
    // The [Options] a list's journeys remember: read by Form_Load, written by Form_Unload.
    void ReadPaletteOptions();
    void SavePaletteOptions();
    // The picks of the list's rows first to last (the empty last row left out).
    QList<Pick> PicksOfRows(int first, int last) const;
    QString SelectedRowsAs(Notation notation) const;
    QString ReadoutAs(Notation notation) const;
    Notation m_copyNotation = Notation::WebCode;
    // Copy As, Custom: the remembered template (CopyTemplate), and whether Ctrl+C copies through
    // it rather than in m_copyNotation.
    QString m_copyTemplate = QStringLiteral("{hex}");
    bool m_copyCustom = false;
    // The picks through the template, one a line; said in a message box when it cannot be
    // filled (an opened colour has no place for {x}), and then nothing.
    std::optional<QString> ThroughTemplate(const QList<Pick>& picks);
    // The colour Ctrl+C would copy now: the list's current row, else the read-out's, else the
    // list's top row.
    std::optional<Pick> CurrentPick() const;
    // The pick the read-out shows, with its pixel; none while it shows nothing.
    std::optional<Pick> ReadoutPick() const;
    // Checks the Copy As item of the choice in force.
    void CheckCopyAsItem();
    ColorVision m_vision = ColorVision::Normal; // how the picture is drawn
    QString m_listFolder;
    int m_listFilterIndex = 1;
    // The printer of the run, made on first use: start-up never pays for printing.
    Printer& printer();
    std::shared_ptr<Printer> m_printer;
    // The picture's pointer moves arrive here first: they end a pick point that the arrow keys
    // stepped where the desktop refused to move the pointer, then run picColor_MouseMove.
    void picColor_PointerMoved(int button, int shift, float x, float y);
    void stepPointer(QPoint pointer, int dx, int dy);
    void forgetPickPoint();
    // A picture file, shown under its name; its bytes are read from readFrom where given.
    void OpenPictureFile(const QString& path, const QString& readFrom = QString());
    // Every new picture, from any source: shown, or, when it could not be had, said (unless
    // sayFailure is false) with everything left as it was.
    void ShowArrival(const PictureArrival& arrival, bool sayFailure);
    // A new picture from any source, shown in the colours the View menu asks for.
    void ShowNewPicture(const LoadedPicture& stored, const QString& source);
    // A picture as shown, assigned to imgCache and picColor. With keepView (the same picture in
    // other colours) the zoom and scroll stay, and the tags are drawn again where they were, in
    // the new colours.
    void ShowPicture(const ShownPicture& shown, bool keepView);
    // A pick's tag on the picture: a line from beside the pixel to the colour's web code, in
    // the inverse colour.
    void DrawTag(float x, float y, ColorValue c);
    // The tags on the picture now, in the order drawn (picture coordinates).
    QList<QPointF> m_tags;
    // What the user is told and asked where the desktop asks before the screen is captured:
    // message boxes over the window (ScreenCommand.cpp).
    CaptureTalk CaptureTalkHere();
    // A file opened as if chosen in the open-file dialog (drops, the command line).
    void OpenFileNamed(const QString& path, const QString& readFrom = QString());
    void setOuterSize(QSize pixels);
    void keepWantedOuterSize();
    void keepMinimumSize(QMargins frame);
    QMargins frameMarginsNow() const;
    // After a new picture: the read-out shows the colour now under the pointer, or hides when
    // the pointer is off the picture.
    void refreshReadout();
    // The loupe (View.cpp), while its option is on: the pixels around (x, y) at `at`.
    Loupe* m_loupe = nullptr;
    // What a screen reader says of the read-out: its colour once the pointer has rested a
    // moment, or at once after an arrow step; and each pick.
    Announcer* m_announcer = nullptr;
    QTimer m_pointerRests;
    bool m_announceReadout = false;
    // Where the read-out stands over a preview, whose colours are not yet the picture's.
    std::optional<QPointF> m_readoutWaits;
    void announceReadout();
    void showLoupe(float x, float y, QPoint at);
    void hideLoupe();
    // The area's commands (Measure.cpp).
    AreaPanel& areaPanel();
    // What the picture control shows without the tags, once all of it has arrived.
    const QImage& MeasuredPicture() const;
    void SayOutOfMemory();
    void MeasureAreaNow();
    // The arrows, Enter and Escape while an area is measured; false for a key it leaves alone.
    bool AreaKeyDown(int keyCode, int shift);
    AreaPanel* m_areaPanel = nullptr;
    int m_paletteColors = 6;
    // A pick on top of the list, its row made current as a pick's is.
    // The pick on the list's top row; said to a screen reader unless the caller says the whole.
    void AddPickOnTop(const Pick& pick, bool said = true);
    std::optional<QPointF> zoomAnchor() const;

    Services m_services;
    PickList* m_picks = nullptr;
    // The colour value the read-out shows (-1 when it shows a point outside the picture), and
    // the picture pixel it was read at.
    ColorValue m_readoutValue = -1;
    std::optional<QPoint> m_readoutPixel;
    PickPoint m_pickPoint;
    // The pointer's position at its last move over the picture, and where the picture stood:
    // while both stay, the picture's last pointer event says exactly which pixel it names.
    struct LastPointer {
        QPoint pointer;
        QPoint pictureOrigin;
    };
    std::optional<LastPointer> m_lastPointer;
    // The outer size start-up asked for, kept until the desktop has framed the window: only then
    // is it known how much of it the frame takes. Dropped once applied, or when something else
    // has resized the window in the meantime.
    std::optional<QSize> m_outerSizeWanted;
    QSize m_clientSizeSet;
    // The geometry last set, read back as set while the window still has the pixels it gave.
    LayoutRules::SetTwips m_leftSet, m_topSet, m_widthSet, m_heightSet;
    int roundingSlack() const;
    void giveTextsRoom();
    double narrowestWidth() const; // twips, room for translated texts included
    // Held while Form_Resize corrects the size: a run inside that correction lays out but does
    // not correct again, so a size the desktop refuses cannot recurse.
    bool m_correctingSize = false;
    // The room, in twips, that texts longer than English's took on the top band (giveTextsRoom).
    double m_textRoom = 0;
    int m_resizeEvents = 0;
    QString m_caption; // the title's text as set; "[*]" stands as itself
    // The details line of a reading the read-out made with where its colour came from.
    void showDetails(const Reading& reading);
    QString m_startupFile;
    QString m_startupReadFrom;
    PictureAhead m_startupAhead;
    // Set by shut-down: from then on no event procedure runs.
    bool m_unloaded = false;
};
