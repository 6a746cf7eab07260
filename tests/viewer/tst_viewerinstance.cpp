#include "host/viewer/viewerinstance.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <future>

namespace {

// HandOver blocks until it is answered, and the answer comes from this
// thread's event loop: it runs on another thread.
bool HandOverFromAnotherThread(const ViewerInstance& later)
{
    std::future<bool> answered
        = std::async(std::launch::async, [&later] { return later.HandOver(5000); });
    const bool finished = QTest::qWaitFor(
        [&answered] {
            return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        },
        kvtest::kPatienceMs);
    return finished && answered.get();
}

} // namespace

class TestViewerInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_lists = 0;

    // A list file of its own for each case, so that no two share a socket.
    QString NewList() { return m_dir.filePath(QStringLiteral("%1/viewer.ini").arg(++m_lists)); }

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // A live viewer keeps its name, and only a viewer of the same list hears
    // a hand-over (run end to end, between two programs, by the launch suite).
    void onlyTheSameListHandsOver()
    {
        const QString list = NewList();
        ViewerInstance running(list);
        QVERIFY(running.Listen());
        QVERIFY(!ViewerInstance(list).Listen());
        QSignalSpy requested(&running, &ViewerInstance::ListRequested);
        QVERIFY(!ViewerInstance(NewList()).HandOver(1000));
        QCOMPARE(requested.size(), 0);
    }

    // A viewer that crashed left its socket file: the next one takes over the name.
    void staleSocketIsReplaced()
    {
        const QString list = NewList();
        ViewerInstance next(list);
        QFile stale(QDir::temp().filePath(next.ServerName()));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QVERIFY(!next.HandOver(1000));
        QVERIFY(next.Listen());
        ViewerInstance later(list);
        QVERIFY(HandOverFromAnotherThread(later));
    }

    // Something else that connects is not taken for a viewer.
    void strangersAreNotAnswered_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("other request") << QByteArrayLiteral("show-everything\n");
        QTest::newRow("endless line") << QByteArray(4096, 'x');
    }

    void strangersAreNotAnswered()
    {
        QFETCH(QByteArray, sent);
        ViewerInstance running(NewList());
        QVERIFY(running.Listen());
        QSignalSpy requested(&running, &ViewerInstance::ListRequested);
        QLocalSocket stranger;
        stranger.connectToServer(running.ServerName());
        QVERIFY(stranger.waitForConnected(5000));
        stranger.write(sent);
        stranger.flush();
        QTRY_COMPARE_WITH_TIMEOUT(stranger.state(), QLocalSocket::UnconnectedState,
                                  kvtest::kPatienceMs);
        QCOMPARE(stranger.readAll(), QByteArray());
        QCOMPARE(requested.size(), 0);
    }
};

QTEST_MAIN(TestViewerInstance)
#include "tst_viewerinstance.moc"
