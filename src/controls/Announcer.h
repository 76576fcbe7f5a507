#pragma once

#include <QString>
#include <QWidget>

// What a screen reader should say without the user moving the focus: the colour under a pointer
// that rests, a pick. The announcer is a notification that shows each message anew (screen
// readers speak a notification when it appears) and draws nothing; it takes no input.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Says the message: the notification appears again with it, even when it is the last one.
    void announce(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};
