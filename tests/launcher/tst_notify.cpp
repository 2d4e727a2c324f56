#include "notify-adapter.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

// What a receiver on the main thread saw, in arrival order, each with the
// thread it arrived on when that was not the main one.
class Receiver : public QObject
{
    Q_OBJECT

public:
    QStringList deliveries;

public slots:
    void progress(int total, int current)
    {
        deliveries << QStringLiteral("progress %1 %2").arg(total).arg(current) + elsewhere();
    }
    void dialogText(QString text) { deliveries << QStringLiteral("text ") + text + elsewhere(); }

private:
    static QString elsewhere()
    {
        const bool onMain = QThread::currentThread() == QCoreApplication::instance()->thread();
        return onMain ? QString() : QStringLiteral(" off the main thread");
    }
};

class tst_Notify : public QObject
{
    Q_OBJECT

private slots:
    void concurrentFirstCalls();
    void sameInstanceAcrossThreads();
    void directEmission();
    void queuedInEmissionOrder_data();
    void queuedInEmissionOrder();
};

// Runs before anything else touches the instance, so these really are the
// first calls; the instance is parentless whoever wins.
void tst_Notify::concurrentFirstCalls()
{
    constexpr int kThreads = 8;
    std::atomic<bool> go{false};
    std::vector<Notify_Adapter *> seen(kThreads, nullptr);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&go, &seen, i] {
            while (!go.load())
                std::this_thread::yield();
            seen[i] = Notify_Adapter::getInstance();
        });
    }
    go.store(true);
    for (auto &t : threads)
        t.join();
    for (Notify_Adapter *p : seen) {
        QVERIFY(p != nullptr);
        QCOMPARE(p, seen.front());
    }
    QCOMPARE(seen.front()->parent(), static_cast<QObject *>(nullptr));
}

void tst_Notify::sameInstanceAcrossThreads()
{
    Notify_Adapter *onMain = Notify_Adapter::getInstance();
    Notify_Adapter *onOther = nullptr;
    std::thread t([&onOther] { onOther = Notify_Adapter::getInstance(); });
    t.join();
    QCOMPARE(onOther, onMain);
    QCOMPARE(Notify_Adapter::getInstance(), onMain);
}

void tst_Notify::directEmission()
{
    Notify_Adapter *relay = Notify_Adapter::getInstance();
    QSignalSpy progress(relay, &Notify_Adapter::sigUpdateProgress);
    QSignalSpy text(relay, &Notify_Adapter::sigUpdateDialogText);

    relay->UpdateProgress(7, 3);
    relay->UpdateDialogText(QStringLiteral("label"));

    QCOMPARE(progress.count(), 1);
    QCOMPARE(progress.at(0), (QVariantList{7, 3}));
    QCOMPARE(text.count(), 1);
    QCOMPARE(text.at(0).at(0).toString(), QStringLiteral("label"));
}

void tst_Notify::queuedInEmissionOrder_data()
{
    QTest::addColumn<int>("rounds");
    QTest::newRow("progress then text") << 1;
    QTest::newRow("interleaved many") << 200;
}

// The emitting thread changes and drops its string right after each call:
// the receiver must still see the text as it was when emitted.
void tst_Notify::queuedInEmissionOrder()
{
    QFETCH(int, rounds);
    Receiver receiver;
    Notify_Adapter *relay = Notify_Adapter::getInstance();
    QVERIFY(connect(relay, SIGNAL(sigUpdateProgress(int, int)), &receiver, SLOT(progress(int, int))));
    QVERIFY(connect(relay, SIGNAL(sigUpdateDialogText(QString)), &receiver, SLOT(dialogText(QString))));

    std::thread worker([rounds] {
        Notify_Adapter *r = Notify_Adapter::getInstance();
        for (int i = 0; i < rounds; ++i) {
            r->UpdateProgress(5 + i, 2 + i);
            QString text = QStringLiteral("step %1").arg(i);
            r->UpdateDialogText(text);
            text.fill(QLatin1Char('x'));
        }
    });
    worker.join();
    // Nothing has been delivered yet: the receiver lives on this thread.
    QCOMPARE(receiver.deliveries.size(), 0);
    QCoreApplication::sendPostedEvents();

    QCOMPARE(receiver.deliveries.size(), 2 * rounds);
    QStringList expected;
    for (int i = 0; i < rounds; ++i)
        expected << QStringLiteral("progress %1 %2").arg(5 + i).arg(2 + i) << QStringLiteral("text step %1").arg(i);
    QCOMPARE(receiver.deliveries, expected);
}

QTEST_GUILESS_MAIN(tst_Notify)
#include "tst_notify.moc"
