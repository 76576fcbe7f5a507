#pragma once
// Every pick, kept across runs (screen or picture, window or command line): a JSON list in the
// program's own form, with each pick's provenance, newest first, the last kMaxHistory. It is
// written whole or not at all, readable by its owner alone, and Open List reads it as any list.

#include "list/Pick.h"
#include "palette/ListReaders.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

constexpr qsizetype kMaxHistory = 1000;

// $XDG_DATA_HOME/Huemark/history.json (~/.local/share where it is not set).
QString HistoryPath();

// The picks kept, newest first; an empty list where there is no file yet.
ListRead ReadHistory(const QString& path = HistoryPath());

// Puts the picks (newest first) before those kept and keeps the newest kMaxHistory. Another
// process adding at the same moment waits its turn. A file that cannot be read as a list is left
// as it is, and nothing is added. Returns why it failed, or an empty text.
QString AddToHistory(const QList<Pick>& newestFirst, const QString& path = HistoryPath());

// Removes the file; an empty text when it is gone (or never was).
QString ClearHistory(const QString& path = HistoryPath());

// The history as the window keeps it: a pick is added on a thread of its own, so that it never
// waits for the disk; the picks added are all written before this ends.
class HistoryService : public QObject {
    Q_OBJECT
public:
    ~HistoryService() override = default;
    virtual void add(const Pick& pick) = 0;
    virtual ListRead read() = 0;
    virtual QString clear() = 0;
    // The file it is kept in, as a message names it.
    virtual QString place() const = 0;

signals:
    // An add that failed, with why (from the thread that writes; connect to it as usual).
    void failed(const QString& reason);
};

std::shared_ptr<HistoryService> NewFileHistory(const QString& path = HistoryPath());
