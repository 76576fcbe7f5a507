#include "sources/FileUri.h"

#include <QUrl>

LocalPath FromFileUri(const QUrl& url, const QString& hostName) {
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0 &&
        host.compare(hostName, Qt::CaseInsensitive) != 0) {
        return {{}, host};
    }
    // Percent-escapes are the name's bytes, whatever encoding they are in.
    return {QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()), {}};
}
