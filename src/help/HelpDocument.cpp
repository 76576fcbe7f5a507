#include "help/HelpDocument.h"

#include "desktop/Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace {
// A sentence about the document, its path in place of %1.
QString Problem(const QString& path, const QString& sentence) {
    return sentence.arg(QDir::toNativeSeparators(path));
}

// The value of an attribute in the text of a start tag, quoted or not; null when absent.
QString AttributeValue(const QString& attributes, const QString& name) {
    const QRegularExpression re(
        QStringLiteral("(?:^|\\s)%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))")
            .arg(QRegularExpression::escape(name)),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(attributes);
    if (!m.hasMatch()) {
        return QString();
    }
    for (int i = 1; i <= 3; ++i) {
        if (m.capturedStart(i) >= 0) {
            return m.captured(i);
        }
    }
    return QString();
}
// How deep the document's elements nest, and its tables within tables, as a browser's parser
// would close them: elements without content and those written "<x/>" do not nest, and an element
// whose end tag may be left out (a paragraph, a list item, a table cell or row) ends where the
// next one of its kind starts.
struct Nesting {
    int elements = 0;
    int tables = 0;
};

Nesting NestingOf(const QString& html) {
    static const QSet<QString> empty{
        QStringLiteral("area"),  QStringLiteral("base"),  QStringLiteral("br"),
        QStringLiteral("col"),   QStringLiteral("embed"), QStringLiteral("hr"),
        QStringLiteral("img"),   QStringLiteral("input"), QStringLiteral("link"),
        QStringLiteral("meta"),  QStringLiteral("param"), QStringLiteral("source"),
        QStringLiteral("track"), QStringLiteral("wbr"),   QStringLiteral("!doctype")};
    static const QSet<QString> endsAtNext{
        QStringLiteral("p"),  QStringLiteral("li"), QStringLiteral("dt"), QStringLiteral("dd"),
        QStringLiteral("tr"), QStringLiteral("td"), QStringLiteral("th"), QStringLiteral("option")};
    static const QRegularExpression tag(
        QStringLiteral("<!--.*?-->|<(/?)([A-Za-z!][A-Za-z0-9]*)([^>]*)>"),
        QRegularExpression::DotMatchesEverythingOption);
    Nesting deepest;
    QStringList open;
    int tables = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(2).toLower();
        if (name.isEmpty() || empty.contains(name) || m.captured(3).endsWith(QLatin1Char('/'))) {
            continue; // a comment, or an element that holds nothing
        }
        if (m.capturedLength(1) > 0) { // an end tag closes its element and all within it
            const qsizetype at = open.lastIndexOf(name);
            for (qsizetype i = open.size() - 1; at >= 0 && i >= at; --i) {
                tables -= open[i] == QLatin1String("table");
            }
            if (at >= 0) {
                open.resize(at);
            }
            continue;
        }
        if (endsAtNext.contains(name) && !open.isEmpty() && open.back() == name) {
            open.removeLast();
        }
        open << name;
        tables += name == QLatin1String("table");
        deepest.elements = std::max(deepest.elements, int(open.size()));
        deepest.tables = std::max(deepest.tables, tables);
    }
    return deepest;
}
} // namespace

HelpDocument HelpDocumentFromBytes(const QString& path, const QByteArray& bytes) {
    HelpDocument doc;
    if (bytes.contains('\0')) {
        //: %1: the help document's path.
        doc.problem = Problem(
            path, QCoreApplication::translate(
                      "HelpViewer", "The help document %1 is damaged: it is not a text document."));
        return doc;
    }
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(bytes);
    if (decode.hasError()) {
        //: %1: the help document's path.
        doc.problem = Problem(
            path, QCoreApplication::translate(
                      "HelpViewer", "The help document %1 is damaged: it is not a text document."));
        return doc;
    }
    static const QRegularExpression html(QStringLiteral("<(html|body)[\\s>]"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (!html.match(text).hasMatch()) {
        //: %1: the help document's path.
        doc.problem =
            Problem(path, QCoreApplication::translate(
                              "HelpViewer", "The help document %1 is damaged: it holds no HTML."));
        return doc;
    }
    const Nesting nesting = NestingOf(text);
    if (nesting.elements > kMaxHelpNesting || nesting.tables > kMaxHelpTableNesting) {
        //: %1: the help document's path.
        doc.problem = Problem(
            path, QCoreApplication::translate(
                      "HelpViewer", "The help document %1 is damaged: it is nested too deeply."));
        return doc;
    }
    doc.html = std::move(text);
    return doc;
}

HelpDocument ReadHelpDocument(const QString& path) {
    HelpDocument doc;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        //: %1: the help document's path.
        doc.problem = Problem(
            path, QCoreApplication::translate("HelpViewer", "The help document %1 was not found."));
    } else if (info.isDir()) {
        //: %1: the help document's path.
        doc.problem =
            Problem(path, QCoreApplication::translate(
                              "HelpViewer", "The help document %1 is a folder, not a document."));
    } else if (!info.isFile()) {
        //: %1: the help document's path.
        doc.problem = Problem(
            path, QCoreApplication::translate("HelpViewer", "The help document %1 is not a file."));
    } else if (info.size() > kMaxHelpDocumentBytes) {
        //: %1: the help document's path.
        doc.problem = Problem(
            path, QCoreApplication::translate(
                      "HelpViewer", "The help document %1 is damaged: it is far too large."));
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            //: %1: the help document's path, %2: the system's reason.
            doc.problem = QCoreApplication::translate("HelpViewer",
                                                      "The help document %1 cannot be read: %2.")
                              .arg(QDir::toNativeSeparators(path), file.errorString());
            return doc;
        }
        // Read no more than the limit, should the file have grown since.
        return HelpDocumentFromBytes(path, file.read(kMaxHelpDocumentBytes + 1));
    }
    return doc;
}

QString ContextAnchor(const QString& html, int context) {
    static const QRegularExpression tag(QStringLiteral("<[A-Za-z][A-Za-z0-9]*(\\s[^>]*)>"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QString attributes = it.next().captured(1);
        bool isNumber = false;
        const int registered = AttributeValue(attributes, QStringLiteral("data-help-context"))
                                   .trimmed()
                                   .toInt(&isNumber);
        if (!isNumber || registered != context) {
            continue;
        }
        QString anchor = AttributeValue(attributes, QStringLiteral("id"));
        if (anchor.isEmpty()) {
            anchor = AttributeValue(attributes, QStringLiteral("name"));
        }
        if (!anchor.isEmpty()) {
            return anchor;
        }
    }
    return QString();
}

QString HelpFileIn(const QString& folder) {
    // The document in the program's language where there is one, else the English one.
    const QString language = ProgramLanguage();
    if (!language.isEmpty()) {
        const QString translated =
            QDir(folder).filePath(QStringLiteral("Huemark.%1.html").arg(language));
        if (QFileInfo::exists(translated)) {
            return translated;
        }
    }
    return QDir(folder).filePath(QStringLiteral("Huemark.html"));
}
