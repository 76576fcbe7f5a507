#pragma once
// The help viewer: a window of its own beside the program, with back, forward and contents, that
// shows the help document at its top or at the section registered under a context number. One
// window serves every request; a document that cannot be shown is reported in it.

#include "desktop/Services.h"

#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

class QAction;
class QLabel;

// The text browser serves the document as it was read and checked, never the file as it is now.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    void setDocument(const QUrl& url, const QString& html);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QUrl m_url;
    QString m_html;
};

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Reads the document afresh and shows it at its top (context 0) or at the section
    // registered under the context number.
    void showDocument(const QString& path, int context);

    HelpBrowser* browser() const { return m_browser; }
    // What the viewer says about the document or the request; empty when all is well.
    QString notice() const;

    QAction* backAction = nullptr;
    QAction* forwardAction = nullptr;
    QAction* contentsAction = nullptr;

private:
    void showContents();
    void placeCursorAt(const QString& anchor);
    void setNotice(const QString& text);

    HelpBrowser* m_browser = nullptr;
    QLabel* m_notice = nullptr;
    QUrl m_url;
    QString m_html;
};

class HelpViewer : public HelpViewerService {
public:
    ~HelpViewer() override;
    // An empty file name stands for the document beside the program.
    void showHelp(QWidget* parent, const QString& helpFile, int context) override;
    HelpWindow* window() const { return m_window; }

private:
    QPointer<HelpWindow> m_window;
};
