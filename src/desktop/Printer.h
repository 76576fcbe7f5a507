#pragma once
// The printer: text line by line in a chosen font, new pages and pictures, on the printer of the
// run. Positions and sizes are twips (1/1440 inch) from the top-left corner of the page's
// printable area, turned into the printer's dots through its resolution. The first output starts
// a document; a line that would not fit on the page goes to the top of a new one.

#include "desktop/Services.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>

// A failure of the printer, as the platform numbers it.
constexpr int kErrPrinter = 482;

class Printer {
public:
    explicit Printer(std::shared_ptr<PrinterOutputService> output);
    // A document still open is thrown away.
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    QString FontName() const { return m_fontName; }
    void setFontName(const QString& name) { m_fontName = name; }
    double FontSize() const { return m_fontSize; }
    void setFontSize(double points) { m_fontSize = points; }
    // The title the print queue shows for the next document.
    QString DocName() const { return m_docName; }
    void setDocName(const QString& title) { m_docName = title; }

    // Writes the text at the left edge of the printable area on the current line, then moves to
    // the start of the next line (line height from the font).
    void Print(const QString& text);
    // Ends the current page; the next output starts at the top of a new one.
    void NewPage();
    // Draws the part of the picture that starts at (x2, y2) and is width2 by height2 twips, at
    // that size, with its top-left corner at (x1, y1). The picture's twips are screen twips (its
    // pixels as the screen shows them); the picture is drawn without smoothing or lossy
    // compression, so its colours print as they are.
    void PaintPicture(const QImage& picture, double x1, double y1, double x2, double y2,
                      double width2, double height2);
    // Ends the document and hands it to the printer.
    void EndDoc();
    // Throws the unfinished document away, so that nothing of it reaches the printer.
    void KillDoc();

    // The page being printed, from 1; 0 when no document is open.
    int Page() const { return m_open ? m_page : 0; }

private:
    void startDocument();
    QFont currentFont() const;
    double dotsX(double twips) const;
    double dotsY(double twips) const;

    std::shared_ptr<PrinterOutputService> m_output;
    QPainter m_painter;
    QString m_fontName = QStringLiteral("Courier New");
    double m_fontSize = 10;
    QString m_docName;
    bool m_open = false;
    int m_page = 0;
    double m_y = 0; // dots below the top of the printable area
};
