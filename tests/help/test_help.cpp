// The About message from the version information; the help document's checks and its context
// numbers; the help viewer opened at the requested place, reused, and reporting a document it
// cannot show; the document the build ships.

#include "help/About.h"
#include "help/HelpDocument.h"
#include "help/HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <sys/stat.h>

namespace {
const QString kDocument = QStringLiteral(
    "<html><head><title>Guide</title></head><body>"
    "<h1>Contents</h1><p><a href=\"#howto\">How to</a></p>"
    "<h2 id=\"start\" data-help-context='2'>Starting</h2><p>Start here.</p>"
    "<h2 id=\"howto\" data-help-context=\"4\">Picking exactly</h2><p>Use the arrow keys.</p>"
    "%1</body></html>");

QString Filler() {
    QString filler;
    for (int i = 0; i < 200; ++i) {
        filler += QStringLiteral("<p>Line %1 of the rest.</p>").arg(i);
    }
    return filler;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The text from the viewer's cursor on, as a screen reader would start reading it.
QString TextAtCursor(HelpWindow* window, int length) {
    QTextCursor cursor = window->browser()->textCursor();
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, length);
    return cursor.selectedText();
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void aboutMessage_data();
    void aboutMessage();
    void documentChecks_data();
    void documentChecks();
    void contextAnchor_data();
    void contextAnchor();
    void viewerOpensAtSection();
    void viewerReportsDamage_data();
    void viewerReportsDamage();
    void shippedDocument();
};

void TestHelp::aboutMessage_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("1.4 build 12") << 1 << 4 << 12 << "Huemark Ver 1.4  Build(12)";
    QTest::newRow("no leading zeros") << 2 << 0 << 7 << "Huemark Ver 2.0  Build(7)";
    QTest::newRow("two-digit minor") << 10 << 11 << 0 << "Huemark Ver 10.11  Build(0)";
}

// Five lines joined by a bare carriage return.
void TestHelp::aboutMessage() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, firstLine);
    VersionInfo v{QStringLiteral("Huemark"),
                  major,
                  minor,
                  revision,
                  QStringLiteral("Desc"),
                  QStringLiteral("Legal"),
                  QStringLiteral("https://x.example/")};
    QCOMPARE(AboutMessage(v),
             QStringList({firstLine, QStringLiteral("For 32-bit Microsoft\u00AE Windows 95/98/NT"),
                          "Desc", "Legal", "Get updates at https://x.example/"})
                 .join(QLatin1Char('\r')));
    QVERIFY(!AboutMessage(v).contains(QLatin1Char('\n')));
}

void TestHelp::documentChecks_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem"); // empty: the document can be shown
    QTest::newRow("a document") << "good"
                                << "";
    QTest::newRow("missing") << "missing"
                             << "was not found.";
    QTest::newRow("a folder") << "folder"
                              << "is a folder, not a document.";
    QTest::newRow("binary") << "binary"
                            << "is damaged: it is not a text document.";
    QTest::newRow("not UTF-8") << "latin1"
                               << "is damaged: it is not a text document.";
    QTest::newRow("text without HTML") << "text"
                                       << "is damaged: it holds no HTML.";
    QTest::newRow("a pipe, which would block a read") << "fifo"
                                                      << "is not a file.";
    QTest::newRow("far too large") << "large"
                                   << "is damaged: it is far too large.";
    QTest::newRow("elements nested deeply") << "deep"
                                            << "is damaged: it is nested too deeply.";
    QTest::newRow("tables within tables") << "tables"
                                          << "is damaged: it is nested too deeply.";
    QTest::newRow("paragraphs, items and cells without end tags") << "unclosed"
                                                                  << "";
}

void TestHelp::documentChecks() {
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Huemark.html"));
    if (kind == "good") {
        WriteFile(path, kDocument.arg(QString()).toUtf8());
    } else if (kind == "deep") {
        WriteFile(path, kDocument.arg(QStringLiteral("<div>").repeated(100000)).toUtf8());
    } else if (kind == "tables") {
        WriteFile(path, kDocument.arg(QStringLiteral("<table><tr><td>").repeated(20)).toUtf8());
    } else if (kind == "unclosed") {
        const QString loose = QStringLiteral("<p>a<br><img src=x><ul><li>b<li>c</ul>"
                                             "<table><tr><td>d<td>e<tr><td>f</table><hr/>");
        WriteFile(path, kDocument.arg(loose.repeated(2000)).toUtf8());
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == "binary") {
        WriteFile(path, QByteArray("<html>\x89PNG\0\0\x01", 13));
    } else if (kind == "latin1") {
        WriteFile(path, QByteArray("<html><body>Gr\xfc\xdf"));
    } else if (kind == "text") {
        WriteFile(path, "just words");
    } else if (kind == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "large") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(kMaxHelpDocumentBytes + 1));
    }
    const HelpDocument doc = ReadHelpDocument(path);
    if (problem.isEmpty()) {
        QVERIFY2(doc.ok(), qPrintable(doc.problem));
        QVERIFY(doc.html.contains(QStringLiteral("Picking exactly")));
    } else {
        QCOMPARE(doc.problem, QStringLiteral("The help document %1 %2").arg(path, problem));
        QVERIFY(doc.html.isEmpty());
    }
}

void TestHelp::contextAnchor_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("anchor");
    QTest::newRow("double quotes") << kDocument.arg(QString()) << 4 << "howto";
    QTest::newRow("single quotes") << kDocument.arg(QString()) << 2 << "start";
    QTest::newRow("not registered") << kDocument.arg(QString()) << 3 << "";
    QTest::newRow("by name, unquoted, other case")
        << "<BODY><A NAME=steps DATA-HELP-CONTEXT=4></A></BODY>" << 4 << "steps";
    QTest::newRow("a lookalike attribute does not count")
        << "<p id=\"a\" data-help-context-x=\"4\"></p><p id=\"b\" data-help-context=\" 4 \"></p>"
        << 4 << "b";
    QTest::newRow("registered without an anchor")
        << "<p data-help-context=\"4\">x</p><h2 id=\"later\" data-help-context=\"4\">" << 4
        << "later";
}

void TestHelp::contextAnchor() {
    QFETCH(QString, html);
    QFETCH(int, context);
    QFETCH(QString, anchor);
    QCOMPARE(ContextAnchor(html, context), anchor);
}

// The viewer opens at the section registered under the context number (the cursor on its heading,
// the heading in view) and at the top for the contents, in one window that keeps its history.
void TestHelp::viewerOpensAtSection() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Huemark.html"));
    WriteFile(path, kDocument.arg(Filler()).toUtf8());
    HelpViewer viewer;

    viewer.showHelp(nullptr, path, 4);
    HelpWindow* window = viewer.window();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Guide"));
    QCOMPARE(TextAtCursor(window, 15), QStringLiteral("Picking exactly"));
    const QRect heading = window->browser()->cursorRect();
    QVERIFY(window->browser()->viewport()->rect().contains(heading));
    QVERIFY(window->notice().isEmpty());

    viewer.showHelp(nullptr, path, 0);
    QCOMPARE(viewer.window(), window);
    QCOMPARE(TextAtCursor(window, 8), QStringLiteral("Contents"));
    QCOMPARE(window->browser()->verticalScrollBar()->value(), 0);
    QVERIFY(window->backAction->isEnabled());
    window->backAction->trigger();
    QCOMPARE(window->browser()->source().fragment(), QStringLiteral("howto"));

    // A context the document does not register: the top, and a word about it.
    viewer.showHelp(nullptr, path, 9);
    QCOMPARE(TextAtCursor(window, 8), QStringLiteral("Contents"));
    QVERIFY(!window->notice().isEmpty());

    // Closed, it opens again where asked.
    window->close();
    viewer.showHelp(nullptr, path, 4);
    QCOMPARE(viewer.window(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(TextAtCursor(window, 15), QStringLiteral("Picking exactly"));
}

void TestHelp::viewerReportsDamage_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("replaced by a binary file") << "binary";
    QTest::newRow("replaced by a folder") << "folder";
    QTest::newRow("removed") << "removed";
}

// A document that is damaged or gone since it was last shown is reported in the viewer, naming
// the path; put back, it shows again.
void TestHelp::viewerReportsDamage() {
    QFETCH(QString, damage);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Huemark.html"));
    WriteFile(path, kDocument.arg(QString()).toUtf8());
    HelpViewer viewer;
    viewer.showHelp(nullptr, path, 4);

    QFile::remove(path);
    if (damage == "binary") {
        WriteFile(path, QByteArray("\x7f"
                                   "ELF\x02\x01\x01\0\0\0",
                                   10));
    } else if (damage == "folder") {
        QVERIFY(QDir().mkdir(path));
    }
    viewer.showHelp(nullptr, path, 4);
    const QString shown = viewer.window()->browser()->toPlainText();
    QVERIFY2(shown.contains(path), qPrintable(shown));
    QVERIFY(!shown.contains(QStringLiteral("Picking exactly")));
    QVERIFY(!viewer.window()->backAction->isEnabled());
    QVERIFY(!viewer.window()->contentsAction->isEnabled());

    QDir().rmdir(path);
    QFile::remove(path);
    WriteFile(path, kDocument.arg(QString()).toUtf8());
    viewer.showHelp(nullptr, path, 4);
    QCOMPARE(TextAtCursor(viewer.window(), 15), QStringLiteral("Picking exactly"));
}

// The document beside the program: readable, with the how-to section under context 4, its
// pictures beside it and its links inside it leading somewhere.
void TestHelp::shippedDocument() {
    const QString path = qEnvironmentVariable("HUEMARK_HELP_FILE");
    QVERIFY(!path.isEmpty());
    const HelpDocument doc = ReadHelpDocument(path);
    QVERIFY2(doc.ok(), qPrintable(doc.problem));
    QCOMPARE(ContextAnchor(doc.html, 4), QStringLiteral("howto"));

    static const QRegularExpression image(QStringLiteral("<img [^>]*src=\"([^\"]+)\""));
    int images = 0;
    for (auto it = image.globalMatch(doc.html); it.hasNext(); ++images) {
        const QString file = QFileInfo(path).dir().filePath(it.next().captured(1));
        QVERIFY2(!QImage(file).isNull(), qPrintable(file));
    }
    QVERIFY(images > 0);
    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto it = link.globalMatch(doc.html); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(doc.html.contains(QStringLiteral("id=\"%1\"").arg(target)), qPrintable(target));
    }
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
