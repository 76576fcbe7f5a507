#pragma once
// The modal and external services the window uses, each behind a small interface so that tests
// can script them. Services::qtDefaults() gives the real ones.

#include <QPoint>
#include <QString>
#include <QStringList>
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

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual std::optional<QString> getOpenFileName(QWidget* parent, const OpenFileRequest& r) = 0;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // A modal message with an OK button; returns when the user closes it.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& caption) = 0;
};

// The screen pointer, in screen pixels.
class PointerService {
public:
    virtual ~PointerService() = default;
    virtual QPoint pos() const = 0;
    virtual void setPos(QPoint p) = 0;
};

class HelpViewerService {
public:
    virtual ~HelpViewerService() = default;
    // Shows the contents page (context 0) or the page registered under a context number.
    virtual void showHelp(QWidget* parent, const QString& helpFile, int context) = 0;
};

struct Services {
    std::shared_ptr<FileDialogService> fileDialog;
    std::shared_ptr<MessageBoxService> messageBox;
    std::shared_ptr<PointerService> pointer;
    std::shared_ptr<HelpViewerService> helpViewer;
    std::shared_ptr<SettingsStore> settings;

    static Services qtDefaults();
};
