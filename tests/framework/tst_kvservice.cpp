#include "framework/kvservice.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

QUrl Local(quint16 port, const char* path = "/x")
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(QLatin1String(path)));
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
    void refusedConnectionNamesTheReason()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        const quint16 port = probe.serverPort();
        probe.close();
        const kvui::HttpResult result = kvui::HttpGet(Local(port), 5000);
        QVERIFY(result.failed && result.Unreachable() && !result.timedOut);
        QVERIFY2(result.error.contains(QLatin1String("refused"), Qt::CaseInsensitive),
                 qPrintable(result.error));
    }

    void silentServerTimesOutWithAReason()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const kvui::HttpResult result = kvui::HttpGet(Local(silent.serverPort()), 300);
        QVERIFY(result.timedOut);
        QVERIFY(!result.error.isEmpty());
    }

    void overLongReplyIsAbandonedWithAReason()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        ReplyWith(server,
                  "HTTP/1.1 200 OK\r\nContent-Length: 200000\r\n\r\n" + QByteArray(200000, 'x'));
        const kvui::HttpResult result
            = kvui::HttpGet(Local(server.serverPort()), 10000, true, 1000);
        QVERIFY(result.failed);
        QVERIFY(result.body.isEmpty());
        QVERIFY(result.error.contains(QLatin1String("MB")));
    }

    void failingServerIsToldByItsStatus()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        ReplyWith(server, "HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\n\r\n");
        const kvui::HttpResult result
            = kvui::HttpGet(Local(server.serverPort(), "/a/long/path?q=1"), 10000);
        QVERIFY(result.failed && result.Unreachable());
        QCOMPARE(result.error, QStringLiteral("HTTP 503 Service Unavailable"));
    }
};

QTEST_MAIN(TestKvService)
#include "tst_kvservice.moc"
