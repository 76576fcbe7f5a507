#pragma once
// A failure of a platform operation, carrying the platform's description of it. The procedures
// that trap failures catch this and report or swallow it as their own rules say.

#include <QString>
#include <stdexcept>

class PlatformError : public std::runtime_error {
public:
    PlatformError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description) {}
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// The dialog's Cancel, raised as an error when CancelError is set.
constexpr int kErrCancel = 32755;
