#pragma once
// The help document: an HTML file beside the program, read and checked before it is shown, with
// its sections registered under context numbers by a data-help-context attribute on the element
// that starts them (<h2 id="howto" data-help-context="4">).

#include <QByteArray>
#include <QString>

struct HelpDocument {
    QString html;
    // Why the document cannot be shown, naming its path; empty when it can.
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

// A help document larger than this is not one: the viewer takes seconds to lay out half a megabyte
// of table rows.
constexpr qint64 kMaxHelpDocumentBytes = qint64(512) << 10;
// Elements nested deeper than this, or tables within tables deeper than this, are not shown: the
// viewer's layout time grows fast with nesting (twenty tables within each other take seconds,
// each one more about twice as long), and very deep nesting exhausts its stack.
constexpr int kMaxHelpNesting = 64;
constexpr int kMaxHelpTableNesting = 8;

// Reads the document at the path. Never blocks on something that is not a plain file.
HelpDocument ReadHelpDocument(const QString& path);

// The checks on a document's bytes: text in UTF-8 that holds HTML.
HelpDocument HelpDocumentFromBytes(const QString& path, const QByteArray& bytes);

// The id (or name) of the element registered under the context number; empty when there is none.
QString ContextAnchor(const QString& html, int context);

// The help document in a folder: "<folder>/Huemark.<language>.html" in the program's language
// where the folder holds one, else "<folder>/Huemark.html".
QString HelpFileIn(const QString& folder);
