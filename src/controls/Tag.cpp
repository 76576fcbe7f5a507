#include "controls/Tag.h"

#include <QObject>
#include <QVariant>

namespace {
constexpr const char* kTagProperty = "huemarkTag";
}

QString Tag(const QObject* control) {
    return control->property(kTagProperty).toString();
}

void SetTag(QObject* control, const QString& text) {
    control->setProperty(kTagProperty, text);
}

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool TextIsTrue(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    bool isNumber = false;
    const double number = t.toDouble(&isNumber);
    return isNumber && number != 0.0;
}
