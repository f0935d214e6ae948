#include "pause.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <limits>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class TestPause : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waitsAndHandlesEvents_data();
    void waitsAndHandlesEvents();
    void nothingToWaitReturnsAtOnce_data();
    void nothingToWaitReturnsAtOnce();
    void nestedPauseFromAHandler();
};

void TestPause::waitsAndHandlesEvents_data()
{
    QTest::addColumn<double>("seconds");
    QTest::newRow("a twentieth of a second") << 0.05;
    QTest::newRow("the objective pause") << 0.3;
    QTest::newRow("one second") << 1.0;
}

void TestPause::waitsAndHandlesEvents()
{
    QFETCH(double, seconds);
    bool timerRan = false;
    bool queuedRan = false;
    QTimer::singleShot(int(seconds * 500), this, [&] { timerRan = true; });
    QMetaObject::invokeMethod(
        this, [&] { queuedRan = true; }, Qt::QueuedConnection);

    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = cpuSeconds();
    pauseFor(seconds);
    const double cpu = cpuSeconds() - cpuBefore;
    const double elapsed = double(clock.nsecsElapsed()) / 1e9;

    QVERIFY2(elapsed >= seconds, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < seconds + 0.25, qPrintable(QString::number(elapsed)));
    QVERIFY(timerRan);
    QVERIFY(queuedRan);
    // Waiting must not keep a processor busy.
    QVERIFY2(cpu < 0.25 * seconds + 0.02, qPrintable(QString::number(cpu)));
}

void TestPause::nothingToWaitReturnsAtOnce_data()
{
    QTest::addColumn<double>("seconds");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -5.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestPause::nothingToWaitReturnsAtOnce()
{
    QFETCH(double, seconds);
    bool queuedRan = false;
    QMetaObject::invokeMethod(
        this, [&] { queuedRan = true; }, Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    pauseFor(seconds);
    QVERIFY(clock.elapsed() < 50);
    QVERIFY(!queuedRan);
    QCoreApplication::processEvents();
    QVERIFY(queuedRan);
}

// A handler that runs inside a pause may pause too; both wait their full time.
void TestPause::nestedPauseFromAHandler()
{
    QElapsedTimer clock;
    clock.start();
    qint64 innerDoneAt = -1;
    QTimer::singleShot(50, this, [&] {
        pauseFor(0.1);
        innerDoneAt = clock.elapsed();
    });
    pauseFor(0.1);
    const qint64 outerDoneAt = clock.elapsed();
    QVERIFY(innerDoneAt >= 150);
    QVERIFY(outerDoneAt >= innerDoneAt);
}

QTEST_MAIN(TestPause)
#include "tst_pause.moc"
