// Printing through the window into real PDF files, read back with poppler's tools: the lines of
// the list page, the pages, the picture page's pixels; the busy state; failures part-way, which
// leave no document behind; printer setup.

#include "list/Printout.h"
#include "support/TestSupport.h"

#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QDateTime kWhen(QDate(2026, 12, 6), QTime(6, 40, 50));
const QString kTitle = QStringLiteral("    Pasted from clipboard  Printed: 12/06/2026 06:40:50");
const QString kTitles = QStringLiteral("       WebColor    WebBack Red Green Blue Description");
const QString kRule = QStringLiteral("    ") + QString(80, QLatin1Char('_'));

// Picture columns of 40 pixels, one colour each; picks are taken in the middle of a column.
constexpr int kColumn = 40;

QByteArray Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), p.readAllStandardError().constData());
        return QByteArray();
    }
    return p.readAllStandardOutput();
}

int PdfPages(const QString& path) {
    const QString info = QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {path}));
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

// A page's text as pdftotext lays it out in columns of 6 points (one character of Courier 10),
// from the first printed line on, less the half-inch margin left of the printable area (36
// points: 6 columns).
QStringList PdfLines(const QString& path, int page) {
    const QString text = QString::fromUtf8(
        Run(QStringLiteral("pdftotext"), {"-layout", "-fixed", "6", "-f", QString::number(page),
                                          "-l", QString::number(page), path, "-"}));
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
        lines.removeLast();
    }
    while (!lines.isEmpty() && lines.front().trimmed().isEmpty()) {
        lines.removeFirst();
    }
    for (QString& line : lines) {
        line = line.mid(6);
    }
    return lines;
}

// The top of the first word of each printed line, in points from the top of the page.
QList<double> PdfLineTops(const QString& path, int page) {
    const QString boxes = QString::fromUtf8(
        Run(QStringLiteral("pdftotext"),
            {"-bbox", "-f", QString::number(page), "-l", QString::number(page), path, "-"}));
    static const QRegularExpression word(QStringLiteral("<word [^>]*yMin=\"([0-9.]+)\""));
    QList<double> tops;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const double y = it.next().captured(1).toDouble();
        if (tops.isEmpty() || y > tops.back() + 1) {
            tops << y;
        }
    }
    return tops;
}

QImage ColumnsPicture(const QList<quint32>& colors, QSize size) {
    QImage picture = SolidPicture(size.width(), size.height(), 0x808080);
    for (int i = 0; i < colors.size(); ++i) {
        for (int y = 0; y < size.height(); ++y) {
            for (int x = i * kColumn; x < (i + 1) * kColumn && x < size.width(); ++x) {
                SetPixelValue(picture, x, y, colors[i]);
            }
        }
    }
    return picture;
}

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void init();
    void listPage_data();
    void listPage();
    void picturePage();
    void longList();
    void nothingToPrint();
    void busyWhilePrinting();
    void failures_data();
    void failures();
    void noPrinter();
    void fileMode_data();
    void fileMode();
    void setup_data();
    void setup();
    void startupMakesNoPrinter();
    void hugePicture();
    void hugeDescription();

private:
    // A window with the column picture, picks in the given columns (oldest first), each with
    // its description, printing into pdf.
    std::unique_ptr<TestWindow> windowWithPicks(const QList<quint32>& colors,
                                                const QStringList& descriptions, bool tags);
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_pdf;
};

void TestPrinting::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pdf = m_dir->filePath(QStringLiteral("out.pdf"));
}

std::unique_ptr<TestWindow> TestPrinting::windowWithPicks(const QList<quint32>& colors,
                                                          const QStringList& descriptions,
                                                          bool tags) {
    auto w = std::make_unique<TestWindow>();
    w->form->picColor->setPicture(ColumnsPicture(colors, w->form->picColor->size()));
    w->form->chkTags->setChecked(tags);
    w->fakes.clock->time = kWhen;
    w->fakes.printerOutput->printToFile(m_pdf);
    for (int i = 0; i < colors.size(); ++i) {
        w->form->AddToGrid(static_cast<float>(i * kColumn + kColumn / 2), 20.0f);
        w->form->grdList->setTextMatrix(1, 5, descriptions.value(i));
    }
    return w;
}

void TestPrinting::listPage_data() {
    QTest::addColumn<QList<quint32>>("colors");
    QTest::addColumn<QStringList>("descriptions");
    QTest::addColumn<QSizeF>("paperMm"); // empty for A4
    QTest::addColumn<QStringList>("expected");

    // Two lines of four blanks, the title, the rule, a line of four blanks, the titles, the picks
    // newest first: 8 lines.
    QTest::newRow("two picks, tags off")
        << QList<quint32>{0x0080FF, 0x00FF00} << QStringList{"orange", ""} << QSizeF()
        << QStringList{kTitle,
                       kRule,
                       "",
                       kTitles,
                       "        #00FF00    #FF00FF   0   255    0",
                       "        #FF8000    #007FFF 255   128    0 orange"};
    QTest::newRow("long description printed whole on wide paper")
        << QList<quint32>{0x0080FF} << QStringList{QString(300, QLatin1Char('d')) + "END"}
        << QSizeF(800, 297)
        << QStringList{kTitle, kRule, "", kTitles,
                       "        #FF8000    #007FFF 255   128    0 " +
                           QString(300, QLatin1Char('d')) + "END"};
    QTest::newRow("tabs and control characters print as blanks")
        << QList<quint32>{0xFFFFFF} << QStringList{QStringLiteral("a\tb\x01z\x7f!")} << QSizeF()
        << QStringList{kTitle, kRule, "", kTitles,
                       "        #FFFFFF    #000000 255   255  255 a     b z !"};
}

void TestPrinting::listPage() {
    QFETCH(QList<quint32>, colors);
    QFETCH(QStringList, descriptions);
    QFETCH(QSizeF, paperMm);
    QFETCH(QStringList, expected);

    auto w = windowWithPicks(colors, descriptions, false);
    if (!paperMm.isEmpty()) {
        w->fakes.printerOutput->real->printer().setPageSize(
            QPageSize(paperMm, QPageSize::Millimeter));
    }
    w->form->cmdPrint_Click();
    QVERIFY(w->fakes.messageBox->messages.empty());
    QCOMPARE(PdfPages(m_pdf), 1);
    QCOMPARE(PdfLines(m_pdf, 1), expected);
    // Above the title stand the two lines of blanks: it starts two line heights below the top
    // of the printable area, half an inch down the page.
    const QList<double> tops = PdfLineTops(m_pdf, 1);
    QVERIFY(tops.size() >= 4);
    const double lineHeight = (tops[3] - tops[0]) / 4; // from the title to the first pick
    QVERIFY2(qAbs((tops[0] - 36) / lineHeight - 2) < 0.05, qPrintable(QString::number(tops[0])));
}

// With tags on: the list page and the picture page, both titled with the one timestamp, and the
// picture (tags included) printed at its screen size, 100 and 800 twips into the printable area,
// with every pixel's colour as it was.
void TestPrinting::picturePage() {
    const QList<quint32> colors{0x0080FF, 0x000000, 0xFFFFFF, 0x123456};
    auto w = windowWithPicks(colors, {"a", "b", "c", "d"}, true);
    w->form->cmdPrint_Click();
    QVERIFY(w->fakes.messageBox->messages.empty());
    QCOMPARE(PdfPages(m_pdf), 2);
    QCOMPARE(PdfLines(m_pdf, 1).first(), kTitle + "  Page 1");
    QCOMPARE(PdfLines(m_pdf, 2), QStringList{kTitle + "  Page 2"});

    // At 480 dpi a screen pixel (1/96 inch) is 5 by 5 dots, drawn without smoothing. The
    // printable area starts at the half-inch margin.
    const QImage expected =
        w->form->picColor->Image().copy(QRect(QPoint(), w->form->picColor->size()));
    constexpr int kScale = 5;
    const int left = 480 / 2 + 100 * 480 / 1440;
    const int top = 480 / 2 + 800 * 480 / 1440;
    const QString prefix = m_dir->filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"),
        {"-f", "2", "-l", "2", "-r", "480", "-x", QString::number(left), "-y", QString::number(top),
         "-W", QString::number(expected.width() * kScale), "-H",
         QString::number(expected.height() * kScale), "-png", "-singlefile", m_pdf, prefix});
    const QImage printed(prefix + ".png");
    QCOMPARE(printed.size(), expected.size() * kScale);
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (printed.pixel(x * kScale + 2, y * kScale + 2) != expected.pixel(x, y)) {
                ++differing;
            }
        }
    }
    QCOMPARE(differing, 0);
    // The first pick's own colour and the start of its tag line, in its inverse colour.
    const QPoint pick(kColumn / 2, 20);
    QCOMPARE(printed.pixel((pick.x() - 3) * kScale + 2, pick.y() * kScale + 2), qRgb(255, 128, 0));
    QCOMPARE(printed.pixel((pick.x() + 1) * kScale + 2, (pick.y() + 1) * kScale + 2),
             qRgb(0, 127, 255));
}

// A list longer than a page runs onto further pages, every line once and in order; the picture
// page after it says which page it is.
void TestPrinting::longList() {
    constexpr int kPicks = 300;
    auto w = windowWithPicks({0x0080FF}, {}, true);
    for (int i = 1; i < kPicks; ++i) {
        w->form->AddToGrid(20.0f, 20.0f);
        w->form->grdList->setTextMatrix(1, 5, QStringLiteral("pick %1").arg(i + 1));
    }
    w->form->grdList->setTextMatrix(kPicks, 5, QStringLiteral("pick 1"));
    w->form->cmdPrint_Click();
    QVERIFY(w->fakes.messageBox->messages.empty());

    const int pages = PdfPages(m_pdf);
    QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
    QStringList listed;
    for (int p = 1; p < pages; ++p) {
        listed += PdfLines(m_pdf, p);
    }
    QStringList expected{kTitle + "  Page 1", kRule, "", kTitles};
    for (int i = kPicks; i >= 1; --i) {
        expected << QStringLiteral("        #FF8000    #007FFF 255   128    0 pick %1").arg(i);
    }
    QCOMPARE(listed, expected);
    QCOMPARE(PdfLines(m_pdf, pages), QStringList{kTitle + QStringLiteral("  Page %1").arg(pages)});
}

// A list without picks prints nothing and touches nothing.
void TestPrinting::nothingToPrint() {
    TestWindow w;
    w.fakes.printerOutput->printToFile(m_pdf);
    w.form->cmdPrint_Click();
    QVERIFY(!QFile::exists(m_pdf));
    QCOMPARE(w.fakes.printerOutput->printerRequests, 0);
    QVERIFY(w.fakes.messageBox->messages.empty());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(w.form->cmdPrint->isEnabled());
}

// The Print button is off and the pointer busy while a printout is composed; afterwards both are
// back and the picture has the focus.
void TestPrinting::busyWhilePrinting() {
    auto w = windowWithPicks({0x0080FF}, {"x"}, false);
    w->form->cmdExit->setFocus();
    bool buttonEnabled = true;
    int shape = -1;
    w->fakes.printerOutput->onBegin = [&] {
        buttonEnabled = w->form->cmdPrint->isEnabled();
        shape = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : -1;
    };
    w->form->mnuFilePrint->trigger();
    QVERIFY(!buttonEnabled);
    QCOMPARE(shape, int(Qt::BusyCursor));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(w->form->cmdPrint->isEnabled());
    QVERIFY(w->form->picColor->hasFocus());
    QCOMPARE(PdfPages(m_pdf), 1);
}

void TestPrinting::failures_data() {
    QTest::addColumn<int>("step"); // the printer step that fails, if any
    QTest::addColumn<QString>(
        "how"); // or: "disk full", "cancel", "ended" (a signal or the session)
    QTest::addColumn<QString>("message"); // empty: none
    const int none = int(ScriptedPrinterOutput::Step::None);
    QTest::newRow("begin") << int(ScriptedPrinterOutput::Step::Begin) << ""
                           << "Printing error The printer is out of paper.";
    QTest::newRow("new page") << int(ScriptedPrinterOutput::Step::NewPage) << ""
                              << "Printing error The printer jammed.";
    QTest::newRow("end") << int(ScriptedPrinterOutput::Step::End) << ""
                         << "Printing error The printer went offline.";
    QTest::newRow("disk full") << none << "disk full"
                               << "Printing error Cannot write the file <pdf>: the document was "
                                  "cut short (is the disk full?)";
    QTest::newRow("cancelled") << none << "cancel"
                               << "Printing error The printout was cancelled.";
    QTest::newRow("ended from outside") << none << "ended"
                                        << "";
}

// A failure part-way says what failed and leaves nothing behind: the document is thrown away (an
// earlier file of that name stays as it was, no spool file is left), the button and pointer are
// back, the list and the picture are as they were. A full disk (a file size limit, which holds for
// root too) is such a failure though the toolkit does not report it; so is Cancel in the progress
// dialog, and the program ended from outside while it prints, which then says nothing.
void TestPrinting::failures() {
    QFETCH(int, step);
    QFETCH(QString, how);
    QFETCH(QString, message);
    message.replace(QStringLiteral("<pdf>"), m_pdf);
    auto w = windowWithPicks({0x0080FF, 0x00FF00}, {"one", "two"}, true);
    {
        QFile old(m_pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier printout");
    }
    const QImage picture = w->form->picColor->Image();
    QStringList cells;
    for (int r = 0; r < w->form->grdList->Rows(); ++r) {
        for (int c = 0; c < 6; ++c) {
            cells << w->form->grdList->TextMatrix(r, c);
        }
    }
    w->fakes.printerOutput->failAt = ScriptedPrinterOutput::Step(step);
    w->fakes.progress->cancelAt = how.isEmpty() || how == QLatin1String("disk full") ? -1 : 2;
    if (how == QLatin1String("ended")) {
        w->fakes.progress->atCancelStep = [&w] { w->form->Form_Unload(); };
    }
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (how == QLatin1String("disk full")) {
        rlimit small = saved;
        small.rlim_cur = 2048;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    w->form->cmdPrint_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    if (message.isEmpty()) {
        QVERIFY(w->fakes.messageBox->messages.empty());
    } else {
        QCOMPARE(w->fakes.messageBox->messages.size(), std::size_t(1));
        QCOMPARE(w->fakes.messageBox->messages[0].text, message);
        QCOMPARE(w->fakes.messageBox->messages[0].caption, QStringLiteral("Huemark"));
    }
    QCOMPARE(w->fakes.printerOutput->aborts, 1);
    QCOMPARE(w->fakes.progress->finishes, 1);
    QFile old(m_pdf);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an earlier printout"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.pdf"});
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(w->form->cmdPrint->isEnabled());
    QCOMPARE(w->form->picColor->Image(), picture);
    QStringList after;
    for (int r = 0; r < w->form->grdList->Rows(); ++r) {
        for (int c = 0; c < 6; ++c) {
            after << w->form->grdList->TextMatrix(r, c);
        }
    }
    QCOMPARE(after, cells);
    if (how == QLatin1String("ended")) {
        return;
    }

    // The next printout goes through whole.
    w->fakes.printerOutput->failAt = ScriptedPrinterOutput::Step::None;
    w->fakes.progress->cancelAt = -1;
    w->form->cmdPrint_Click();
    QCOMPARE(PdfPages(m_pdf), 2);
}

// Without a print service there is no printer: the message says so and nothing else changes.
// (The tests' print service address leads nowhere.)
void TestPrinting::noPrinter() {
    auto w = windowWithPicks({0x0080FF}, {"x"}, false);
    QPrinter& printer = w->fakes.printerOutput->real->printer();
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::PdfFormat);
    w->form->cmdPrint_Click();
    QCOMPARE(w->fakes.messageBox->messages.size(), std::size_t(1));
    QCOMPARE(w->fakes.messageBox->messages[0].text,
             QStringLiteral("Printing error No printer is available: the print service is not "
                            "running."));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(w->form->cmdPrint->isEnabled());
    QCOMPARE(w->form->grdList->Rows(), 3);
}

void TestPrinting::setup_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK with another printer") << true;
    QTest::newRow("Cancel") << false;
}

// The setup dialog asks for a printer without a page range, with the Print button off and the
// pointer busy while it is open; afterwards both are back, nothing is said, the picture has the
// focus. What is chosen with OK is what the next printout uses.
void TestPrinting::setup() {
    QFETCH(bool, ok);
    auto w = windowWithPicks({0x0080FF}, {"x"}, false);
    const QString chosen = m_dir->filePath(QStringLiteral("chosen.pdf"));
    bool buttonEnabled = true;
    int shape = -1;
    w->fakes.printDialog->answers = {ok};
    w->fakes.printDialog->whileOpen = [&](QPrinter& printer) {
        buttonEnabled = w->form->cmdPrint->isEnabled();
        shape = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : -1;
        if (ok) {
            printer.setOutputFileName(chosen);
        }
    };
    w->form->cmdExit->setFocus();
    w->form->mnuFilePrintSetup->trigger();

    QCOMPARE(w->fakes.printDialog->requests.size(), std::size_t(1));
    QVERIFY(w->fakes.printDialog->requests[0].setupOnly);
    QVERIFY(!w->fakes.printDialog->requests[0].pageRange);
    QVERIFY(!buttonEnabled);
    QCOMPARE(shape, int(Qt::BusyCursor));
    QVERIFY(w->form->cmdPrint->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(w->form->picColor->hasFocus());
    QVERIFY(w->fakes.messageBox->messages.empty());

    w->form->cmdPrint_Click();
    QCOMPARE(QFile::exists(chosen), ok);
    QCOMPARE(QFile::exists(m_pdf), !ok);
}

// Start-up and ordinary use never make the printer: that waits for printing or setup.
void TestPrinting::startupMakesNoPrinter() {
    TestWindow w(SolidPicture(100, 50, 0x0080FF));
    w.form->AddToGrid(10, 10);
    w.form->mnuHelpAbout->trigger();
    QCOMPARE(w.fakes.printerOutput->printerRequests, 0);
}

// A picture far larger than the control: the picture page takes only what the control shows,
// so printing costs neither the picture's memory again nor its time.
void TestPrinting::hugePicture() {
    constexpr int kSide = 16000;
    constexpr size_t kBytes = size_t(kSide) * kSide * 4;
    // Pages of zeros that cost nothing until read: what is read shows what printing touched.
    void* pixels =
        mmap(nullptr, kBytes, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    QVERIFY(pixels != MAP_FAILED);
    {
        auto w = windowWithPicks({}, {}, true);
        const QImage huge(static_cast<const uchar*>(pixels), kSide, kSide, kSide * 4,
                          QImage::Format_RGB32);
        w->form->picColor->setPicture(huge);
        // A tag would copy the whole picture to draw on it: this pick draws none.
        w->form->chkTags->setChecked(false);
        w->form->AddToGrid(5, 5);
        w->form->chkTags->setChecked(true);
        const long before = PeakRssKb();
        w->form->cmdPrint_Click();
        const long grownMb = (PeakRssKb() - before) / 1024;
        QVERIFY(w->fakes.messageBox->messages.empty());
        QCOMPARE(PdfPages(m_pdf), 2);
        QVERIFY2(grownMb < 200, qPrintable(QStringLiteral("%1 MB more").arg(grownMb)));
    }
    munmap(pixels, kBytes);
}

// A description of 100 000 characters, tabs and control characters among them, prints on its one
// line, unwrapped, as far as the paper goes.
// A printed file gets the mode any new file gets (the spool file it was written as is private).
void TestPrinting::fileMode_data() {
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("mode");
    QTest::newRow("022") << 022 << 0644;
    QTest::newRow("002") << 002 << 0664;
    QTest::newRow("077") << 077 << 0600;
}

void TestPrinting::fileMode() {
    QFETCH(int, mask);
    QFETCH(int, mode);
    auto w = windowWithPicks({0x0080FF}, {"one"}, false);
    const mode_t saved = umask(mask);
    w->form->cmdPrint_Click();
    umask(saved);
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(m_pdf).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), mode);
}

void TestPrinting::hugeDescription() {
    QString description;
    for (int i = 0; description.size() < 100000; ++i) {
        description += QStringLiteral("word%1\t\x01\x1b[0m ").arg(i);
    }
    auto w = windowWithPicks({0x0080FF}, {description}, false);
    w->form->cmdPrint_Click();
    QVERIFY(w->fakes.messageBox->messages.empty());
    QCOMPARE(PdfPages(m_pdf), 1);
    const QStringList lines = PdfLines(m_pdf, 1);
    QCOMPARE(lines.size(), 5);
    QVERIFY2(
        lines[4].startsWith(QStringLiteral("        #FF8000    #007FFF 255   128    0 word0 ")),
        qPrintable(lines[4].left(80)));
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
