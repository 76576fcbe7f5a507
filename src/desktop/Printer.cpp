#include "desktop/Printer.h"

#include "desktop/Twips.h"
#include "pixels/OptionalLibrary.h"
#include "pixels/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cups/cups.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

Printer::Printer(std::shared_ptr<PrinterOutputService> output) : m_output(std::move(output)) {}

Printer::~Printer() {
    KillDoc();
}

QFont Printer::currentFont() const {
    QFont font(m_fontName);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(m_fontSize > 0 ? m_fontSize : 10);
    return font;
}

double Printer::dotsX(double twips) const {
    const QPaintDevice* device = m_painter.device();
    return device != nullptr ? twips * device->logicalDpiX() / 1440.0 : 0;
}

double Printer::dotsY(double twips) const {
    const QPaintDevice* device = m_painter.device();
    return device != nullptr ? twips * device->logicalDpiY() / 1440.0 : 0;
}

void Printer::startDocument() {
    if (m_open) {
        return;
    }
    // Open before asking, so that a failed start is thrown away like any other failure.
    m_open = true;
    m_page = 1;
    m_y = 0;
    m_output->begin(m_painter, m_docName);
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.setPen(Qt::black);
}

void Printer::Print(const QString& text) {
    startDocument();
    m_painter.setFont(currentFont());
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const double lineHeight = metrics.height();
    // A line that would run past the bottom of the page starts the next one.
    if (m_y > 0 && m_y + lineHeight > m_painter.device()->height()) {
        NewPage();
    }
    m_painter.drawText(QPointF(0, m_y + metrics.ascent()), text);
    m_y += lineHeight;
}

void Printer::NewPage() {
    startDocument();
    m_output->newPage();
    ++m_page;
    m_y = 0;
}

void Printer::PaintPicture(const QImage& picture, double x1, double y1, double x2, double y2,
                           double width2, double height2) {
    startDocument();
    // The part asked for, in the picture's pixels, and only what of it the picture has.
    const QRect wanted(static_cast<int>(std::lround(x2 / TwipsPerPixelX())),
                       static_cast<int>(std::lround(y2 / TwipsPerPixelY())),
                       static_cast<int>(std::lround(width2 / TwipsPerPixelX())),
                       static_cast<int>(std::lround(height2 / TwipsPerPixelY())));
    const QRect part = wanted.intersected(picture.rect());
    if (part.isEmpty()) {
        return;
    }
    const QRectF target(dotsX(x1 + (part.x() - wanted.x()) * TwipsPerPixelX()),
                        dotsY(y1 + (part.y() - wanted.y()) * TwipsPerPixelY()),
                        dotsX(part.width() * TwipsPerPixelX()),
                        dotsY(part.height() * TwipsPerPixelY()));
    m_painter.drawImage(target, picture, QRectF(part));
}

void Printer::EndDoc() {
    if (!m_open) {
        return;
    }
    m_output->end(m_painter);
    m_open = false;
    m_page = 0;
    m_y = 0;
}

void Printer::KillDoc() {
    if (!m_open) {
        return;
    }
    m_open = false;
    m_page = 0;
    m_y = 0;
    try {
        m_output->abort(m_painter);
    } catch (const std::exception&) {
        // Nothing more can be done with a document that is being thrown away.
    }
}

namespace {
// Qt's CUPS engine keeps the job options chosen in the print dialog ("number-up", "page-set",
// ...) under this key of its own.
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

[[noreturn]] void ThrowPrinterError(const QString& description) {
    throw PlatformError(kErrPrinter, description);
}

// The print service's client library, loaded when first needed: linked, it would be loaded with
// some twenty libraries of its own at every start-up, printing or not. Qt's print support loads
// the same library, so both share its state.
struct Cups {
    decltype(&::cupsGetDests2) getDests2 = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    decltype(&::cupsGetDest) getDest = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsPrintFile) printFile = nullptr;

    static const Cups& get() {
        static const Cups cups = load();
        if (cups.printFile == nullptr) {
            ThrowPrinterError(QCoreApplication::translate(
                "Printer",
                "No printer is available: the print service's library (libcups.so.2) is missing."));
        }
        return cups;
    }

private:
    static Cups load() {
        Cups c;
        const OptionalLibrary lib("libcups.so.2");
        const bool all =
            lib.find(c.getDests2, "cupsGetDests2") && lib.find(c.freeDests, "cupsFreeDests") &&
            lib.find(c.getDest, "cupsGetDest") && lib.find(c.getOption, "cupsGetOption") &&
            lib.find(c.lastError, "cupsLastError") &&
            lib.find(c.lastErrorString, "cupsLastErrorString") &&
            lib.find(c.printFile, "cupsPrintFile");
        if (!all) {
            c.printFile = nullptr;
        }
        return c;
    }
};

// The print service's queues, asked afresh each time: a printer may have gone since setup.
class CupsDestinations {
public:
    CupsDestinations() : m_cups(Cups::get()) {
        m_count = m_cups.getDests2(CUPS_HTTP_DEFAULT, &m_dests);
        m_status = m_cups.lastError();
    }
    ~CupsDestinations() { m_cups.freeDests(m_count, m_dests); }
    CupsDestinations(const CupsDestinations&) = delete;
    CupsDestinations& operator=(const CupsDestinations&) = delete;

    bool serviceDown() const {
        return m_count == 0 && m_status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
    }
    int count() const { return m_count; }
    // A queue name as Qt gives it: "queue" or "queue/instance".
    const cups_dest_t* find(const QString& name) const {
        const qsizetype slash = name.indexOf(QLatin1Char('/'));
        const QByteArray queue = name.left(slash < 0 ? name.size() : slash).toLocal8Bit();
        const QByteArray instance = slash < 0 ? QByteArray() : name.mid(slash + 1).toLocal8Bit();
        return m_cups.getDest(queue.constData(),
                              instance.isEmpty() ? nullptr : instance.constData(), m_count,
                              m_dests);
    }
    const char* option(const cups_dest_t* dest, const char* name) const {
        return m_cups.getOption(name, dest->num_options, dest->options);
    }

private:
    const Cups& m_cups;
    cups_dest_t* m_dests = nullptr;
    int m_count = 0;
    ipp_status_t m_status = IPP_STATUS_OK;
};

QString NoPrinterText(const CupsDestinations& dests) {
    return dests.serviceDown()
               ? QCoreApplication::translate(
                     "Printer", "No printer is available: the print service is not running.")
               : QCoreApplication::translate("Printer",
                                             "No printer is available. Add a printer in the "
                                             "system's printer settings, then print again.");
}

class QtPrinterOutput : public PrinterOutputService {
public:
    ~QtPrinterOutput() override {
        if (m_spool) {
            m_spool->remove();
        }
    }

    QPrinter& printer() override {
        if (!m_printer) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        }
        return *m_printer;
    }

    void begin(QPainter& painter, const QString& title) override {
        QPrinter& p = printer();
        discardSpool();
        m_title = title;
        // The document goes into a spool file of our own first and is handed over only once it is
        // complete: Qt's printer would hand a half document to the print service when stopped.
        QString folder;
        if (p.outputFormat() == QPrinter::PdfFormat && p.outputFileName().isEmpty()) {
            // A printer set up after the printer object was made is taken as it comes.
            const QString fallback = QPrinterInfo::defaultPrinterName();
            if (fallback.isEmpty()) {
                ThrowPrinterError(NoPrinterText(CupsDestinations()));
            }
            p.setOutputFormat(QPrinter::NativeFormat);
            p.setPrinterName(fallback);
        }
        if (p.outputFormat() == QPrinter::NativeFormat) {
            m_queue = p.printerName();
            checkQueue();
            m_target.clear();
            folder = QDir::tempPath();
        } else {
            m_queue.clear();
            m_target = QFileInfo(p.outputFileName()).absoluteFilePath();
            folder = QFileInfo(m_target).absolutePath();
        }
        m_spool = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/.huemark-XXXXXX"));
        if (!m_spool->open()) {
            const QString why = m_spool->errorString();
            m_spool.reset();
            //: %1: the folder's path; %2: the system's reason.
            ThrowPrinterError(
                QCoreApplication::translate("Printer", "Cannot write in the folder %1: %2")
                    .arg(folder, why));
        }
        m_spool->close();
        p.setOutputFileName(m_spool->fileName());
        p.setDocName(title);
        if (!painter.begin(&p)) {
            restoreOutput();
            discardSpool();
            ThrowPrinterError(QCoreApplication::translate(
                "Printer", "The printer could not start the document."));
        }
    }

    void newPage() override {
        if (!printer().newPage()) {
            ThrowPrinterError(
                QCoreApplication::translate("Printer", "The printer could not start a new page."));
        }
    }

    void end(QPainter& painter) override {
        if (!m_spool) {
            ThrowPrinterError(
                QCoreApplication::translate("Printer", "The printer has no document to finish."));
        }
        const bool ended = !painter.isActive() || painter.end();
        restoreOutput();
        if (!ended) {
            discardSpool();
            ThrowPrinterError(QCoreApplication::translate(
                "Printer", "The printer could not finish the document."));
        }
        checkSpool();
        if (m_target.isEmpty()) {
            submit();
        } else {
            moveIntoPlace();
        }
    }

    void abort(QPainter& painter) override {
        if (painter.isActive()) {
            painter.end(); // into the spool file, which goes with it
        }
        restoreOutput();
        discardSpool();
    }

private:
    void checkQueue() const {
        const CupsDestinations dests;
        if (dests.count() == 0) {
            ThrowPrinterError(NoPrinterText(dests));
        }
        const cups_dest_t* dest = dests.find(m_queue);
        if (dest == nullptr) {
            //: %1: the printer's name. "Print Setup" is the File menu's item "Print Set&up".
            ThrowPrinterError(QCoreApplication::translate(
                                  "Printer", "The printer \"%1\" is not available. Choose "
                                             "another printer in Print Setup.")
                                  .arg(m_queue));
        }
        const char* accepting = dests.option(dest, "printer-is-accepting-jobs");
        if (accepting != nullptr && std::strcmp(accepting, "false") == 0) {
            //: %1: the printer's name.
            ThrowPrinterError(
                QCoreApplication::translate("Printer", "The printer \"%1\" is not accepting jobs.")
                    .arg(m_queue));
        }
    }

    // Hands the spool file to the print service with the choices made in the print dialog, as
    // Qt's own printer would.
    void submit() {
        QPrinter& p = printer();
        std::vector<std::pair<QByteArray, QByteArray>> options;
        options.emplace_back("media", p.pageLayout().pageSize().key().toLocal8Bit());
        if (p.copyCount() > 1) {
            options.emplace_back("copies", QByteArray::number(p.copyCount()));
            if (p.collateCopies()) {
                options.emplace_back("Collate", "True");
            }
        }
        const bool portrait = p.pageLayout().orientation() == QPageLayout::Portrait;
        switch (p.duplex()) {
        case QPrinter::DuplexNone:
            options.emplace_back("sides", "one-sided");
            break;
        case QPrinter::DuplexAuto:
            options.emplace_back("sides",
                                 portrait ? "two-sided-long-edge" : "two-sided-short-edge");
            break;
        case QPrinter::DuplexLongSide:
            options.emplace_back("sides", "two-sided-long-edge");
            break;
        case QPrinter::DuplexShortSide:
            options.emplace_back("sides", "two-sided-short-edge");
            break;
        }
        if (!portrait) {
            options.emplace_back("landscape", "");
        }
        const QStringList chosen = p.printEngine()->property(kCupsOptionsKey).toStringList();
        for (qsizetype i = 0; i + 1 < chosen.size(); i += 2) {
            options.emplace_back(chosen[i].toLocal8Bit(), chosen[i + 1].toLocal8Bit());
        }
        std::vector<cups_option_t> cupsOptions;
        for (auto& [name, value] : options) {
            cupsOptions.push_back({name.data(), value.data()});
        }
        const QByteArray queue = m_queue.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
        const QByteArray file = QFile::encodeName(m_spool->fileName());
        const Cups& cups = Cups::get();
        const int job =
            cups.printFile(queue.constData(), file.constData(), m_title.toLocal8Bit().constData(),
                           static_cast<int>(cupsOptions.size()), cupsOptions.data());
        const QString why = QString::fromLocal8Bit(cups.lastErrorString());
        discardSpool();
        if (job == 0) {
            //: %1: the print service's reason, usually in English.
            ThrowPrinterError(QCoreApplication::translate(
                                  "Printer", "The print service did not take the document: %1")
                                  .arg(why));
        }
    }

    // Qt's engine does not report a write that failed: a full disk leaves the document cut short,
    // and a disk that filled up may say so only when the file is synced. Only a whole document,
    // on disk, goes further.
    void checkSpool() {
        const QByteArray name = QFile::encodeName(m_spool->fileName());
        QString why;
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0) {
            why = QString::fromLocal8Bit(std::strerror(errno));
        } else if (!EndsAsDocument(fd)) {
            //: Put in for %2 of "Cannot write the file %1: %2".
            why = QCoreApplication::translate("Printer",
                                              "the document was cut short (is the disk full?)");
        }
        if (fd >= 0) {
            ::close(fd);
        }
        if (why.isEmpty()) {
            return;
        }
        const QString folder = QFileInfo(m_spool->fileName()).absolutePath();
        discardSpool();
        if (m_target.isEmpty()) {
            //: %1: the folder's path; %2: the reason.
            ThrowPrinterError(QCoreApplication::translate(
                                  "Printer", "Cannot write the print job in the folder %1: %2")
                                  .arg(folder, why));
        }
        //: Printing to a file. %1: the file's path; %2: the reason.
        ThrowPrinterError(QCoreApplication::translate("Printer", "Cannot write the file %1: %2")
                              .arg(m_target, why));
    }

    // A PDF ends with its "%%EOF" line, written last.
    static bool EndsAsDocument(int fd) {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || st.st_size < 5) {
            return false;
        }
        char tail[32] = {};
        const off_t from = std::max<off_t>(0, st.st_size - off_t(sizeof tail));
        const ssize_t got = ::pread(fd, tail, sizeof tail, from);
        return got > 0 && QByteArray(tail, got).contains("%%EOF");
    }

    // The mode a file made now would get: the spool file is made private, the chosen file not.
    static mode_t NewFileMode() {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }

    // The chosen file is replaced only by a complete document.
    void moveIntoPlace() {
        const QByteArray from = QFile::encodeName(m_spool->fileName());
        const QByteArray to = QFile::encodeName(m_target);
        if (::chmod(from.constData(), NewFileMode()) != 0 ||
            std::rename(from.constData(), to.constData()) != 0) {
            const QString why = QString::fromLocal8Bit(std::strerror(errno));
            discardSpool();
            ThrowPrinterError(QCoreApplication::translate("Printer", "Cannot write the file %1: %2")
                                  .arg(m_target, why));
        }
        m_spool->setAutoRemove(false);
        m_spool.reset();
        // The new name on disk too.
        const int folder = ::open(QFile::encodeName(QFileInfo(m_target).absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }

    void restoreOutput() {
        if (m_spool && m_printer && m_printer->outputFileName() == m_spool->fileName()) {
            m_printer->setOutputFileName(m_target);
        }
    }

    void discardSpool() {
        if (m_spool) {
            m_spool->remove();
            m_spool.reset();
        }
    }

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QTemporaryFile> m_spool;
    QString m_queue;  // the print queue, when printing to a printer
    QString m_target; // the file, when printing to a file
    QString m_title;
};
} // namespace

std::shared_ptr<PrinterOutputService> MakeQtPrinterOutput() {
    return std::make_shared<QtPrinterOutput>();
}
