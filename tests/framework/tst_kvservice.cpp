#include "framework/kvservice.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

QUrl Local(quint16 port)
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/a/long/path?q=1").arg(port));
}

// Answers every request with reply.
void ReplyWith(QTcpServer& server, const QByteArray& reply)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, reply] {
        QTcpSocket* socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, reply] {
            socket->readAll();
            socket->write(reply);
        });
    });
}

} // namespace

// What HttpGet tells the operator when no body comes: the network's reason,
// never an empty text that a dialog would turn into "no such data".
class TestKvService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failureNamesTheReason_data()
    {
        QTest::addColumn<QByteArray>("reply"); // null: nobody listens; empty: no answer
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("unreachable");
        QTest::addColumn<bool>("timedOut");
        QTest::newRow("refused") << QByteArray() << 5000 << "refused" << true << false;
        QTest::newRow("silent") << QByteArray("") << 300 << "" << true << true;
        QTest::newRow("over long")
            << "HTTP/1.1 200 OK\r\nContent-Length: 200000\r\n\r\n" + QByteArray(200000, 'x')
            << 10000 << "MB" << false << false;
        QTest::newRow("503") << QByteArray("HTTP/1.1 503 Service Unavailable\r\n"
                                           "Content-Length: 0\r\n\r\n")
                             << 10000 << "HTTP 503 Service Unavailable" << true << false;
    }

    void failureNamesTheReason()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, timeoutMs);
        QFETCH(QString, reason);
        QFETCH(bool, unreachable);
        QFETCH(bool, timedOut);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const quint16 port = server.serverPort();
        if (reply.isNull())
            server.close();
        else if (!reply.isEmpty())
            ReplyWith(server, reply);
        const kvui::HttpResult result = kvui::HttpGet(Local(port), timeoutMs, true, 1000);
        QVERIFY((result.failed || result.timedOut) && result.body.isEmpty());
        QCOMPARE(result.Unreachable(), unreachable);
        QCOMPARE(result.timedOut, timedOut);
        QVERIFY2(!result.error.isEmpty() && result.error.contains(reason, Qt::CaseInsensitive),
                 qPrintable(result.error));
    }
};

QTEST_MAIN(TestKvService)
#include "tst_kvservice.moc"
