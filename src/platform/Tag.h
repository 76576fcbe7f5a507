#pragma once
// Every control can keep a free text, its Tag. Some of them carry a flag written as the text of a
// boolean ("True"/"False") and read back as a boolean.

#include <QString>

class QObject;

QString Tag(const QObject* control);
void SetTag(QObject* control, const QString& text);

QString BoolText(bool value);
// "True" (any case) or a non-zero number read as true; anything else as false.
bool TextIsTrue(const QString& text);
inline bool TagIsTrue(const QObject* control) {
    return TextIsTrue(Tag(control));
}
