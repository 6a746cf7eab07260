#pragma once

#include "patience.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kvtest {

// Runs the stand-in web service (bin/kvcloud) on 127.0.0.1 on a free port for
// the length of a test, and points the application at it through
// KVUI_SERVICE_URL. Extra arguments select data or inject faults:
//
//     kvtest::CloudServer cloud({"--status", "1"});
//     QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
//     ... code that calls kvui::ServiceUrl(...) ...
//
// The server is stopped by Stop() or the destructor; the variable is left set,
// so that a later request goes to a closed port rather than to a real service.
class CloudServer
{
public:
    explicit CloudServer(QStringList extraArgs = {});
    ~CloudServer();
    CloudServer(const CloudServer&) = delete;
    CloudServer& operator=(const CloudServer&) = delete;

    // Starts the server and waits (5 s at most) for the port it listens on.
    bool Start();
    // http://127.0.0.1:<port>, empty before a successful Start().
    QString Address() const;
    int Port() const { return m_port; }
    void Stop();

    // The requests served so far, one "GET <target> <status>" each. A line is
    // written once its reply is out, so requests on separate connections may
    // appear in either order. Waits settleMs for lines still on the way.
    QStringList Requests(int settleMs = 100);
    // Requests() whose target starts with path.
    int CountRequests(const QString& path, int settleMs = 100);
    // Waits until at least count requests whose target starts with path are
    // logged (or timeoutMs passed, or the server stopped) and returns how many
    // are. For a request whose reply has arrived: its line may still be on the
    // way, later on a loaded machine than any fixed settling time.
    int WaitForRequests(const QString& path, int count, int timeoutMs = kPatienceMs);

    // Why Start() failed, with what the server printed.
    QString Error() const { return m_error; }
    // The path of the server program.
    static QString Program();

private:
    QStringList m_args;
    QProcess m_process;
    int m_port = 0;
    QString m_error;
    QByteArray m_log;
};

} // namespace kvtest
