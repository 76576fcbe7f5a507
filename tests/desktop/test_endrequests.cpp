// Ending from outside: each of SIGTERM, SIGHUP and SIGINT becomes one end request from the event
// loop, never a call inside the signal handler, and the program is not killed by it.

#include "desktop/EndRequests.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

class TestEndRequests : public QObject {
    Q_OBJECT
private slots:
    void eachSignal_data();
    void eachSignal();
};

void TestEndRequests::eachSignal_data() {
    QTest::addColumn<int>("signum");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
}

void TestEndRequests::eachSignal() {
    QFETCH(int, signum);
    EndRequests requests;
    QSignalSpy spy(&requests, &EndRequests::endRequested);
    std::raise(signum);
    std::raise(signum); // a second one before the loop runs is the same request
    QCOMPARE(spy.count(), 0);
    QVERIFY(spy.wait(5000));
    QTest::qWait(50);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestEndRequests)
#include "test_endrequests.moc"
