#pragma once
// The ways the program is told to end from outside its window: SIGTERM (a session that ends, a
// kill), SIGHUP (its terminal closed), SIGINT (Ctrl+C in that terminal) and the session manager's
// end of session. Each is reported as endRequested() from the event loop, so the program can end
// as it does on Exit; a signal handler itself only writes a byte into a socket.

#include <QObject>

class QSocketNotifier;

class EndRequests : public QObject {
    Q_OBJECT
public:
    // One per program: it takes over the three signals until it is destroyed.
    explicit EndRequests(QObject* parent = nullptr);
    ~EndRequests() override;

signals:
    void endRequested();

private:
    void readSignals();
    QSocketNotifier* m_notifier = nullptr;
};
