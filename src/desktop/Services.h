#pragma once
// The modal and external services the window uses, each behind a small interface so that tests
// can script them. Services::qtDefaults() gives the real ones.

#include "desktop/Clipboard.h"
#include "desktop/capture/ScreenCapture.h"
#include "history/PickHistory.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class SettingsStore;

// What the open-file dialog is asked for; the answer is the chosen path, or nothing on Cancel.
struct OpenFileRequest {
    QString title;
    QStringList filters; // "Graphic files (*.gif *.jpg)" style entries
    int selectedFilter = 0;
    QString initialDir;
    QString proposedFile;
    bool fileMustExist = true;
};

// What the save-file dialog is asked for; the answer is the chosen path and the filter it was
// chosen under, or nothing on Cancel.
struct SaveFileRequest {
    QString title;
    QStringList filters;
    QStringList suffixes; // each filter's extension, added to a name typed without one
    int selectedFilter = 0;
    QString initialDir;
    QString proposedFile;
    bool overwritePrompt = true;
};

struct SaveFileAnswer {
    QString path;
    int selectedFilter = 0;
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<QString> getOpenFileName(QWidget* parent, const OpenFileRequest& r) = 0;
    virtual std::optional<SaveFileAnswer> getSaveFileName(QWidget* parent,
                                                          const SaveFileRequest& r) = 0;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // A modal message with an OK button; returns when the user closes it.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& caption) = 0;
    // A modal question with Yes and No, No the default; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& caption) = 0;
};

// What the colour template dialog shows under the text typed: the current colour through it, or
// why it cannot be filled for it, or why the text is no template (then OK cannot be pressed).
struct TemplatePreview {
    QString text;
    bool valid = true;
};

class TemplateDialogService {
public:
    virtual ~TemplateDialogService() = default;
    // The modal dialog that edits a colour template, starting from current; preview is asked at
    // every change of the text. The template taken with OK, or nothing on Cancel.
    virtual std::optional<QString>
    editTemplate(QWidget* parent, const QString& current,
                 const std::function<TemplatePreview(const QString&)>& preview) = 0;
};

// The dialog's explanation with its placeholders and escapes ("{l:.1}", "{{", "\\n") kept whole:
// a word joiner between their characters, so a wrapped line breaks only between them.
QString KeepPlaceholdersWhole(const QString& text);

// The screen pointer, in screen pixels.
class PointerService {
public:
    virtual ~PointerService() = default;
    virtual QPoint pos() const = 0;
    // Moves the pointer there; false when the desktop refused to move it (some desktops keep the
    // pointer to the user). Stopping at a screen's edge is no refusal.
    virtual bool setPos(QPoint p) = 0;
    // Puts the pointer on a device pixel of the screen, where logical pixels are too coarse to
    // name it (a scaled screen); false where the desktop cannot do that.
    virtual bool setDevicePos(QPoint /*devicePixel*/) { return false; }
    // The device pixel of the screen the pointer is on, where the desktop tells it.
    virtual std::optional<QPoint> devicePos() const { return std::nullopt; }
    // Whether pos() follows the pointer wherever it is: a Wayland client learns the pointer's
    // place only from the events of its own windows, as the pointer comes over them and moves.
    virtual bool tellsPlace() const { return true; }
    // Whether pos() is where the pointer is, over the widget: on Wayland only while the pointer
    // is over it, and pos() is stale otherwise.
    virtual bool knownOver(const QWidget* /*widget*/) const { return tellsPlace(); }
};

class HelpViewerService {
public:
    virtual ~HelpViewerService() = default;
    // Shows the contents page (context 0) or the page registered under a context number.
    virtual void showHelp(QWidget* parent, const QString& helpFile, int context) = 0;
};

class QDateTime;
class QPainter;
class QPrinter;

// What the print dialog is asked for.
struct PrintDialogRequest {
    bool setupOnly = false; // choose the printer and its paper, print nothing yet
    bool pageRange = true;  // offer the choice of a page range
};

class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    // The modal print dialog on the printer; true after OK, which leaves the choice on it.
    virtual bool showPrinter(QWidget* parent, QPrinter& printer, const PrintDialogRequest& r) = 0;
};

// A long task's progress, with a way to cancel it. It shows itself only once the task has taken a
// while (about half a second), and keeps the window painted while it runs.
class ProgressService {
public:
    virtual ~ProgressService() = default;
    // A task of `total` steps begins.
    virtual void start(QWidget* parent, const QString& label, int total) = 0;
    // `done` steps are done; false once the user has cancelled.
    virtual bool advance(int done) = 0;
    // The task has ended, whichever way.
    virtual void finish() = 0;
};

// The printer of the run and the documents printed on it. A step that fails throws
// PlatformError with the description of the failure.
class PrinterOutputService {
public:
    virtual ~PrinterOutputService() = default;
    // One printer for the whole run, created on first use, so start-up never asks the print
    // service anything.
    virtual QPrinter& printer() = 0;
    // Starts a document titled for the print queue, with the painter drawing on it.
    virtual void begin(QPainter& painter, const QString& title) = 0;
    virtual void newPage() = 0;
    // Ends the document and hands it over: to the print service, or into the chosen file.
    virtual void end(QPainter& painter) = 0;
    // Throws an unfinished document away: nothing of it reaches the printer or the file.
    virtual void abort(QPainter& painter) = 0;
};

// The printer output over QPrinter and the print service (Printer.cpp).
std::shared_ptr<PrinterOutputService> MakeQtPrinterOutput();

class ClockService {
public:
    virtual ~ClockService() = default;
    virtual QDateTime now() const = 0;
};

struct Services {
    std::shared_ptr<PrintDialogService> printDialog;
    std::shared_ptr<PrinterOutputService> printerOutput;
    std::shared_ptr<ClockService> clock;
    std::shared_ptr<FileDialogService> fileDialog;
    std::shared_ptr<MessageBoxService> messageBox;
    std::shared_ptr<TemplateDialogService> templateDialog;
    std::shared_ptr<PointerService> pointer;
    std::shared_ptr<HelpViewerService> helpViewer;
    std::shared_ptr<SettingsStore> settings;
    std::shared_ptr<ClipboardService> clipboard;
    std::shared_ptr<ProgressService> progress;
    std::shared_ptr<ScreenCaptureService> screen;
    // Where every pick is kept across runs.
    std::shared_ptr<HistoryService> history;

    // Every service is there: the window relies on each of them.
    bool complete() const;
    // The desktop's own, for the platform the application runs on.
    static Services qtDefaults();
};
