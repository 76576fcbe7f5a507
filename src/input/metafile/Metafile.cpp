#include "input/metafile/Metafile.h"

bool LooksLikeMetafile(const QByteArray&) { return false; }

std::optional<QImage> RenderMetafile(const QByteArray&, double, QString* error)
{
    if (error != nullptr) {
        *error = QStringLiteral("Metafiles are not supported yet");
    }
    return std::nullopt;
}
