// Printing the list and the tagged picture, and printer setup.

#include "app/frmHuemark.h"
#include "controls/FlexGrid.h"
#include "controls/PictureBox.h"
#include "desktop/Printer.h"
#include "desktop/Twips.h"
#include "list/Printout.h"
#include "pixels/PlatformError.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>

namespace {
// Where the picture stands on its page, in twips from the printable area's top-left corner.
constexpr double kPictureLeft = 100;
constexpr double kPictureTop = 800;

QString DescriptionOf(const std::exception& e) {
    if (const auto* platform = dynamic_cast<const PlatformError*>(&e)) {
        return platform->description();
    }
    if (dynamic_cast<const std::bad_alloc*>(&e) != nullptr) {
        //: Put in for %1 of "Printing error %1".
        return QCoreApplication::translate("frmHuemark", "Out of memory");
    }
    return QString::fromLocal8Bit(e.what());
}

// The progress of one printout, ended on every way out.
class PrintProgress {
public:
    PrintProgress(ProgressService& service, QWidget* parent, int total) : m_service(service) {
        //: The progress dialog's text while the list prints.
        m_service.start(parent, QCoreApplication::translate("frmHuemark", "Printing..."), total);
    }
    ~PrintProgress() { m_service.finish(); }
    PrintProgress(const PrintProgress&) = delete;
    PrintProgress& operator=(const PrintProgress&) = delete;
    // One more step done; a printout cancelled, or a program ending meanwhile, stops here as a
    // failure would.
    void step(const bool& ending) {
        if (!m_service.advance(++m_done) || ending) {
            throw PlatformError(kErrPrinter, QCoreApplication::translate(
                                                 "frmHuemark", "The printout was cancelled."));
        }
    }

private:
    ProgressService& m_service;
    int m_done = 0;
};
} // namespace

Printer& frmHuemark::printer() {
    if (!m_printer) {
        m_printer = std::make_shared<Printer>(m_services.printerOutput);
    }
    return *m_printer;
}

void frmHuemark::cmdPrint_Click() {
    const int picks = m_picks->count();
    if (picks == 0) {
        return; // nothing to print
    }
    cmdPrint->setEnabled(false);
    bool busy = false;
    Printer& out = printer();
    try {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        busy = true;
        const QString timestamp = PrintTimestamp(m_services.clock->now());
        const bool tags = chkTags->isChecked();
        out.setDocName(QStringLiteral("Huemark"));
        out.setFontName(QStringLiteral("Courier New"));
        out.setFontSize(10);
        // A step a line of the list, and one for the picture page.
        PrintProgress progress(*m_services.progress, this, picks + 1 + (tags ? 1 : 0));

        out.Print(PrintIndent());
        out.Print(PrintIndent());
        out.Print(PrintTitleLine(Caption(), timestamp, PrintPageLabel(tags, 1)));
        out.Print(PrintRuleLine());
        out.Print(PrintIndent());
        // The titles, then the picks; the empty row that always stays last is never printed.
        QStringList titles;
        for (int c = 0; c < PickList::kColumns; ++c) {
            titles << m_picks->headerData(c, Qt::Horizontal).toString();
        }
        const PrintFields fields = PrintFieldWidths(titles);
        out.Print(PrintListLine(titles, true, fields));
        progress.step(m_unloaded);
        // A copy (shared, not copied until the list changes): the window stays painted while
        // this runs.
        const QList<Pick> rows = m_picks->picks();
        for (const Pick& pick : rows) {
            QStringList cells;
            for (int c = 0; c < PickList::kColumns; ++c) {
                cells << PickList::CellText(pick, c);
            }
            out.Print(PrintListLine(cells, false, fields));
            progress.step(m_unloaded);
        }

        if (tags) {
            out.NewPage();
            out.Print(PrintIndent());
            out.Print(PrintIndent());
            // The page's own number: a long list may have run onto further pages before it.
            out.Print(PrintTitleLine(Caption(), timestamp, PrintPageLabel(true, out.Page())));
            const QSize size = picColor->size();
            // The persistent image, tags included, cut to the picture control: only that part
            // is copied, however large the picture.
            out.PaintPicture(picColor->Image(QRect(QPoint(0, 0), size)), kPictureLeft, kPictureTop,
                             0, 0, PixelsToTwipsX(size.width()), PixelsToTwipsY(size.height()));
            progress.step(m_unloaded);
        }
        out.EndDoc();

        QApplication::restoreOverrideCursor();
        cmdPrint->setEnabled(true);
        picColor->setFocus();
    } catch (const std::exception& e) {
        // Nothing of a printout that failed part-way reaches the printer.
        out.KillDoc();
        // Ended from outside while printing: nobody is left to tell.
        if (!m_unloaded) {
            //: A message box. %1: why printing failed (a sentence).
            m_services.messageBox->showMessage(
                this,
                QCoreApplication::translate("frmHuemark", "Printing error %1")
                    .arg(DescriptionOf(e)),
                QStringLiteral("Huemark"));
        }
        if (busy) {
            QApplication::restoreOverrideCursor();
        }
        cmdPrint->setEnabled(true);
    }
}

void frmHuemark::mnuFilePrint_Click() {
    cmdPrint_Click();
}

void frmHuemark::mnuFilePrintSetup_Click() {
    // Cancel and every failure end the command quietly.
    bool busy = false;
    try {
        cmdPrint->setEnabled(false);
        QApplication::setOverrideCursor(Qt::BusyCursor);
        busy = true;
        dlgWinDialog->CancelError = true;
        dlgWinDialog->Flags = CommonDialog::kPrintSetup | CommonDialog::kPrintNoPageNums;
        dlgWinDialog->ShowPrinter();
    } catch (const std::exception&) {
    }
    cmdPrint->setEnabled(true);
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    picColor->setFocus();
}
