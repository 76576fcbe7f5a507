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

// Holds a control's flag at a value for as long as it lives and turns it to the other value when
// it goes, on every path out of the scope (an exception's included).
class TagFlag {
public:
    TagFlag(QObject* control, bool whileHeld) : m_control(control), m_whileHeld(whileHeld) {
        SetTag(m_control, BoolText(m_whileHeld));
    }
    ~TagFlag() { SetTag(m_control, BoolText(!m_whileHeld)); }
    TagFlag(const TagFlag&) = delete;
    TagFlag& operator=(const TagFlag&) = delete;

private:
    QObject* m_control;
    bool m_whileHeld;
};
