#include "help/HelpDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {
QString Problem(const QString& path, const QString& what) {
    return QCoreApplication::translate("HelpViewer", "The help document %1 %2")
        .arg(QDir::toNativeSeparators(path), what);
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
} // namespace

HelpDocument HelpDocumentFromBytes(const QString& path, const QByteArray& bytes) {
    HelpDocument doc;
    if (bytes.contains('\0')) {
        doc.problem = Problem(path, QCoreApplication::translate(
                                        "HelpViewer", "is damaged: it is not a text document."));
        return doc;
    }
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(bytes);
    if (decode.hasError()) {
        doc.problem = Problem(path, QCoreApplication::translate(
                                        "HelpViewer", "is damaged: it is not a text document."));
        return doc;
    }
    static const QRegularExpression html(QStringLiteral("<(html|body)[\\s>]"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (!html.match(text).hasMatch()) {
        doc.problem = Problem(
            path, QCoreApplication::translate("HelpViewer", "is damaged: it holds no HTML."));
        return doc;
    }
    doc.html = std::move(text);
    return doc;
}

HelpDocument ReadHelpDocument(const QString& path) {
    HelpDocument doc;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        doc.problem = Problem(path, QCoreApplication::translate("HelpViewer", "was not found."));
    } else if (info.isDir()) {
        doc.problem = Problem(
            path, QCoreApplication::translate("HelpViewer", "is a folder, not a document."));
    } else if (!info.isFile()) {
        doc.problem = Problem(path, QCoreApplication::translate("HelpViewer", "is not a file."));
    } else if (info.size() > kMaxHelpDocumentBytes) {
        doc.problem = Problem(
            path, QCoreApplication::translate("HelpViewer", "is damaged: it is far too large."));
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            doc.problem =
                Problem(path, QCoreApplication::translate("HelpViewer", "cannot be read: %1.")
                                  .arg(file.errorString()));
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
    return QDir(folder).filePath(QStringLiteral("Huemark.html"));
}
