#pragma once
// The program's one window: its controls, its menu bar and every event procedure. The procedures
// of each area live beside that area's code (color/, list/, input/, help/); this header is the
// place to see them all.

#include "color/ColorCodes.h"
#include "color/PickPoint.h"
#include "platform/CommonDialog.h"
#include "platform/Services.h"

#include <QMainWindow>
#include <QPointF>
#include <memory>

class FlexGrid;
class FormClient;
class ImageControl;
class PictureBox;
class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

class frmHuemark : public QMainWindow {
    Q_OBJECT
public:
    explicit frmHuemark(Services services = Services::qtDefaults(), QWidget* parent = nullptr);
    ~frmHuemark() override;

    // Controls, named as the window definition names them.
    FormClient* client = nullptr;
    QGroupBox* fraNeighbors = nullptr;
    QScrollBar* hscNeighbors = nullptr;
    QLineEdit* txtNeighbors = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdPaste = nullptr;
    QPushButton* cmdFile = nullptr;
    QPushButton* cmdPrint = nullptr;
    QLineEdit* txtDesc = nullptr;
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
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpHowTo = nullptr;
    QAction* mnuHelpAbout = nullptr;

    Services& services() { return m_services; }

    // The title bar's text, shown exactly as given.
    QString Caption() const;
    void setCaption(const QString& text);

    // Window position and size, outer frame, in twips.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;

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
    void grdList_Scroll();
    void txtDesc_KeyUp(int& keyCode, int shift);
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
    void mnuHelpContents_Click();
    void mnuHelpHowTo_Click();
    void mnuHelpAbout_Click();

    // Other procedures.
    QString ColorToWeb(ColorValue c) const;
    QPointF PointerToPicture(QPoint screenPixel) const;
    void AddToGrid(const float& x, const float& y);
    void ShowAbout();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void bindEvents();
    // The picture's pointer moves arrive here first: they end a pick point that the arrow keys
    // stepped where the desktop refused to move the pointer, then run picColor_MouseMove.
    void picColor_PointerMoved(int button, int shift, float x, float y);
    void stepPointer(QPoint pointer, int dx, int dy);
    void forgetPickPoint();
    // After a new picture: the read-out shows the colour now under the pointer, or hides when
    // the pointer is off the picture.
    void refreshReadout();

    Services m_services;
    PickPoint m_pickPoint;
};
