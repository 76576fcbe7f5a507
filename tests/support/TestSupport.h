#pragma once
// Scripted stand-ins for the window's modal and external services, and small helpers shared by
// the window tests.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/FormClient.h"
#include "controls/Frame.h"
#include "controls/ImageControl.h"
#include "controls/PictureBox.h"
#include "desktop/Clipboard.h"
#include "desktop/Services.h"
#include "desktop/SettingsStore.h"

#include <QtWidgets>

#include <QImage>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

// Prints for real through the program's own printer output, and fails at one step of a document
// when told to; counts what it was asked.
class ScriptedPrinterOutput : public PrinterOutputService {
public:
    enum class Step { None, Begin, NewPage, End };
    Step failAt = Step::None;
    int printerRequests = 0;
    int aborts = 0;
    std::function<void()> onBegin; // runs as a document starts, to look at the window then
    std::shared_ptr<PrinterOutputService> real = MakeQtPrinterOutput();
    // Sends the printouts into a PDF file on A4 paper with half-inch margins.
    void printToFile(const QString& path);
    QPrinter& printer() override;
    void begin(QPainter& painter, const QString& title) override;
    void newPage() override;
    void end(QPainter& painter) override;
    void abort(QPainter& painter) override;
};

// Answers the print dialog from a queue (true for OK); an empty queue is Cancel.
class ScriptedPrintDialog : public PrintDialogService {
public:
    std::deque<bool> answers;
    std::vector<PrintDialogRequest> requests;
    std::function<void(QPrinter&)> whileOpen; // what the user does in the dialog
    bool showPrinter(QWidget*, QPrinter& printer, const PrintDialogRequest& r) override;
};

// Records a task's progress; cancels, or runs something, when a given step is reached.
class ScriptedProgress : public ProgressService {
public:
    int total = -1;
    int done = 0;
    int finishes = 0;
    int cancelAt = -1;
    std::function<void()> atCancelStep; // runs at cancelAt instead of cancelling, if set
    void start(QWidget*, const QString&, int steps) override {
        total = steps;
        done = 0;
    }
    bool advance(int steps) override {
        done = steps;
        if (steps != cancelAt) {
            return true;
        }
        if (atCancelStep) {
            atCancelStep();
            return true;
        }
        return false;
    }
    void finish() override { ++finishes; }
};

class FixedClock : public ClockService {
public:
    QDateTime time;
    QDateTime now() const override { return time; }
};

// Answers the open-file and save-file dialogs from queues; a null QString (a null path), or an
// empty queue, is Cancel.
class ScriptedFileDialog : public FileDialogService {
public:
    std::deque<QString> answers;
    std::vector<OpenFileRequest> requests;
    std::deque<SaveFileAnswer> saveAnswers;
    std::vector<SaveFileRequest> saveRequests;
    std::optional<QString> getOpenFileName(QWidget*, const OpenFileRequest& r) override;
    std::optional<SaveFileAnswer> getSaveFileName(QWidget*, const SaveFileRequest& r) override;
};

// Records every message instead of showing it.
class RecordingMessageBox : public MessageBoxService {
public:
    struct Message {
        QString text;
        QString caption;
    };
    std::vector<Message> messages;
    // The answers to questions, in turn; with none left the answer is No. Questions are recorded
    // among the messages.
    std::deque<bool> answers;
    void showMessage(QWidget*, const QString& text, const QString& caption) override;
    bool askYesNo(QWidget*, const QString& text, const QString& caption) override;
};

// Types each answer's text into the template dialog in turn, recording the previews it was shown,
// and presses OK, which a text the preview calls no template leaves disabled: then, and with no
// answers left, it is Cancel.
class ScriptedTemplateDialog : public TemplateDialogService {
public:
    struct Answer {
        QString typed;
        bool ok = true;
    };
    std::deque<Answer> answers;
    QStringList opened;                    // the template each opening started from
    std::vector<TemplatePreview> previews; // of the starting template and of each text typed
    std::optional<QString>
    editTemplate(QWidget*, const QString& current,
                 const std::function<TemplatePreview(const QString&)>& preview) override;
};

// A pointer that stays where it was put, optionally refusing to move (as some desktops do).
// When it moves, it tells the widget under it, as the desktop would.
class ScriptedPointer : public PointerService {
public:
    QPoint position{0, 0};
    bool movable = true;
    bool deliverMoves = true;
    bool known = true; // false: a stale place, as Wayland's before the pointer enters
    QPoint pos() const override { return position; }
    bool tellsPlace() const override { return known; }
    bool knownOver(const QWidget*) const override { return known; }
    bool setPos(QPoint p) override;
};

class RecordingHelpViewer : public HelpViewerService {
public:
    struct Request {
        QString file;
        int context;
    };
    std::vector<Request> requests;
    void showHelp(QWidget*, const QString& file, int context) override;
};

// A settings store in memory that records every write in order; Flush can be made to fail.
class RecordingSettingsStore : public SettingsStore {
public:
    std::map<QString, QString> values; // "app/section/key" -> text
    QStringList writes;                // "key=value" ("section/key=value" outside Settings)
    int flushes = 0;
    bool flushFails = false;
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& def) override;
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    bool Flush() override;
    // The value stored under a key of Huemark's settings, or a null text.
    QString setting(const QString& key) const;
};

// A clipboard whose owner offers the given formats, or never answers at all, or stops answering
// once asked for a format's bytes.
class ScriptedClipboard : public ClipboardService {
public:
    bool answers = true;
    bool handsOver = true;
    std::vector<std::pair<QString, QByteArray>> offer; // format, bytes
    std::optional<QStringList> formats(const QDeadlineTimer& deadline) override;
    ClipboardData data(const QString& format, const ClipboardLimit& limit,
                       const QDeadlineTimer& deadline) override;
    QImage image() override { return QImage(); }
};

// Answers every capture of the screen with the same result, and counts the captures.
class ScriptedScreenCapture : public ScreenCaptureService {
public:
    ScreenCaptureResult answer;
    int captures = 0;
    ScreenCaptureResult capture(QWidget* window) override;
    // The desktop's own colour picker: the colour it gives, else none (this desktop has none).
    std::optional<std::array<double, 3>> desktopPicks;
    std::optional<std::array<double, 3>> pickColor(QString* error) override {
        if (!desktopPicks) {
            *error = QStringLiteral("no colour picker here");
        }
        return desktopPicks;
    }
    bool hasColorPicker() override { return desktopPicks.has_value(); }
};

// Keeps the picks added in memory, newest first; fails every add with failWith when it is set.
class RecordingHistory : public HistoryService {
public:
    QList<Pick> picks;
    QString failWith;
    int clears = 0;
    void add(const Pick& pick) override;
    ListRead read() override;
    QString clear() override;
    QString place() const override { return QStringLiteral("/history.json"); }
};

struct TestServices {
    std::shared_ptr<ScriptedPrintDialog> printDialog = std::make_shared<ScriptedPrintDialog>();
    std::shared_ptr<ScriptedPrinterOutput> printerOutput =
        std::make_shared<ScriptedPrinterOutput>();
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>();
    std::shared_ptr<ScriptedProgress> progress = std::make_shared<ScriptedProgress>();
    std::shared_ptr<ScriptedFileDialog> fileDialog = std::make_shared<ScriptedFileDialog>();
    std::shared_ptr<RecordingMessageBox> messageBox = std::make_shared<RecordingMessageBox>();
    std::shared_ptr<ScriptedTemplateDialog> templateDialog =
        std::make_shared<ScriptedTemplateDialog>();
    std::shared_ptr<ScriptedPointer> pointer = std::make_shared<ScriptedPointer>();
    std::shared_ptr<RecordingHelpViewer> helpViewer = std::make_shared<RecordingHelpViewer>();
    std::shared_ptr<RecordingSettingsStore> settings = std::make_shared<RecordingSettingsStore>();
    // Qt's own clipboard, which this process fills on the offscreen platform.
    std::shared_ptr<ClipboardService> clipboard = std::make_shared<ToolkitClipboard>();
    std::shared_ptr<ScriptedScreenCapture> screen = std::make_shared<ScriptedScreenCapture>();
    std::shared_ptr<RecordingHistory> history = std::make_shared<RecordingHistory>();
    Services services() const;
};

// A window as start-up leaves it, shown and exposed, with the given picture on the surface;
// start-up reads the given settings ("app/section/key" -> text).
struct TestWindow {
    TestServices fakes;
    std::unique_ptr<frmHuemark> form;
    explicit TestWindow(const QImage& picture = QImage(),
                        const std::map<QString, QString>& settings = {});
    // Moves the (scripted) pointer to a picture pixel and lets the picture see the move.
    void pointAt(int x, int y);
    QPoint screenPointOf(int pictureX, int pictureY) const;
};

// An opaque RGB32 picture filled with one colour value (0x00BBGGRR).
QImage SolidPicture(int width, int height, quint32 colorValue);
// Sets one pixel of an RGB32 picture to a colour value (0x00BBGGRR).
void SetPixelValue(QImage& image, int x, int y, quint32 colorValue);
