#pragma once
// A file: URI as the desktop hands it over (the command line, a drop): the path it names on this
// machine.

#include <QByteArray>
#include <QString>

class QUrl;

// The path a file: URI names on this machine: its host is empty, "localhost" or hostName
// (this machine's). Another machine's file is no file here: otherHost names that machine.
struct LocalPath {
    QByteArray path; // as the system spells it; empty when the address names no file here
    QString otherHost;
};
LocalPath FromFileUri(const QUrl& url, const QString& hostName);
