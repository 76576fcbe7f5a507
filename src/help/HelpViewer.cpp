#include "help/HelpViewer.h"

#include "help/HelpDocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>

namespace {
constexpr int kWidth = 640;
constexpr int kHeight = 560;

// The position of the first character that carries the anchor, or -1.
int AnchorPosition(const QTextDocument* document, const QString& anchor) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().anchorNames().contains(anchor) ||
            block.blockFormat().property(QTextFormat::AnchorName).toStringList().contains(anchor)) {
            return block.position();
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                return it.fragment().position();
            }
        }
    }
    return -1;
}

QString ProblemPage(const QString& problem) {
    return QStringLiteral("<html><body><h2>%1</h2><p>%2</p><p>%3</p></body></html>")
        .arg(QCoreApplication::translate("HelpViewer", "The help cannot be shown").toHtmlEscaped(),
             problem.toHtmlEscaped(),
             QCoreApplication::translate("HelpViewer",
                                         "Reinstalling Huemark puts the help document back.")
                 .toHtmlEscaped());
}
} // namespace

void HelpBrowser::setDocument(const QUrl& url, const QString& html) {
    m_url = url;
    m_html = html;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.adjusted(QUrl::RemoveFragment) == m_url) {
        return m_html;
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QCoreApplication::translate("HelpViewer", "Huemark Help"));
    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setAccessibleName(QCoreApplication::translate("HelpViewer", "Help text"));
    m_browser->setOpenExternalLinks(true);
    // The text takes the keyboard, so a reader starts at the section opened.
    m_browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    setCentralWidget(m_browser);

    //: The help window's tool bar, as its menu of tool bars names it.
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("HelpNavigation"));
    bar->setMovable(false);
    //: The help window's button: the page shown before.
    backAction = bar->addAction(tr("Back"), m_browser, &QTextBrowser::backward);
    backAction->setShortcut(QKeySequence::Back);
    backAction->setEnabled(false);
    //: The help window's button: the page shown after, once gone back.
    forwardAction = bar->addAction(tr("Forward"), m_browser, &QTextBrowser::forward);
    forwardAction->setShortcut(QKeySequence::Forward);
    forwardAction->setEnabled(false);
    //: The help window's button: the help's table of contents.
    contentsAction = bar->addAction(tr("Contents"), this, &HelpWindow::showContents);
    contentsAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(m_browser, &QTextBrowser::backwardAvailable, backAction, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forwardAction, &QAction::setEnabled);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("HelpNotice"));
    statusBar()->addWidget(m_notice, 1);
    statusBar()->hide();
    resize(kWidth, kHeight);
}

QString HelpWindow::notice() const {
    return m_notice->text();
}

void HelpWindow::setNotice(const QString& text) {
    m_notice->setText(text);
    statusBar()->setVisible(!text.isEmpty());
}

void HelpWindow::showDocument(const QString& path, int context) {
    // Read afresh each time: the document may have been changed, damaged or removed meanwhile.
    const HelpDocument doc = ReadHelpDocument(path);
    if (!doc.ok()) {
        m_url = QUrl();
        m_html.clear();
        m_browser->setDocument(QUrl(), QString());
        m_browser->clearHistory();
        m_browser->setHtml(ProblemPage(doc.problem));
        contentsAction->setEnabled(false);
        setWindowTitle(QCoreApplication::translate("HelpViewer", "Huemark Help"));
        setNotice(QString());
        return;
    }
    contentsAction->setEnabled(true);
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    const bool changed = url != m_url || doc.html != m_html;
    m_url = url;
    m_html = doc.html;
    m_browser->setDocument(url, doc.html);

    QString anchor;
    setNotice(QString());
    if (context != 0) {
        anchor = ContextAnchor(doc.html, context);
        if (anchor.isEmpty()) {
            setNotice(QCoreApplication::translate(
                "HelpViewer", "The help document has no section for this command; it is shown "
                              "from its contents."));
        }
    }
    QUrl target = url;
    if (!anchor.isEmpty()) {
        target.setFragment(anchor);
    }
    m_browser->setSource(target);
    if (changed) {
        // A new or changed document: load it even where its address is the one shown, and
        // forget the pages of the one before, which may no longer be there.
        m_browser->reload();
        m_browser->clearHistory();
    }
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QCoreApplication::translate("HelpViewer", "Huemark Help")
                                   : title);
    placeCursorAt(anchor);
}

void HelpWindow::showContents() {
    if (m_url.isEmpty()) {
        return;
    }
    m_browser->setSource(m_url);
    placeCursorAt(QString());
}

void HelpWindow::placeCursorAt(const QString& anchor) {
    const int position = anchor.isEmpty() ? 0 : AnchorPosition(m_browser->document(), anchor);
    QTextCursor cursor(m_browser->document());
    cursor.setPosition(std::max(position, 0));
    m_browser->setTextCursor(cursor);
    if (anchor.isEmpty()) {
        m_browser->verticalScrollBar()->setValue(0);
    } else {
        m_browser->scrollToAnchor(anchor);
    }
}

HelpViewer::~HelpViewer() {
    // A window without an owner goes with the viewer; an owned one goes with its owner.
    if (m_window && m_window->parent() == nullptr) {
        delete m_window;
    }
}

void HelpViewer::showHelp(QWidget* parent, const QString& helpFile, int context) {
    if (!m_window) {
        m_window = new HelpWindow(parent);
    }
    const QString path =
        helpFile.isEmpty() ? HelpFileIn(QCoreApplication::applicationDirPath()) : helpFile;
    m_window->showDocument(path, context);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
