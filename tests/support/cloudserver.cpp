#include "cloudserver.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#ifndef KVUI_BINARY_DIR
#error "KVUI_BINARY_DIR must name the build folder (set by tests/CMakeLists.txt)"
#endif

namespace kvtest {

CloudServer::CloudServer(QStringList extraArgs)
    : m_args(std::move(extraArgs))
{ }

CloudServer::~CloudServer()
{
    Stop();
}

QString CloudServer::Program()
{
    return QStringLiteral(KVUI_BINARY_DIR "/bin/kvcloud");
}

bool CloudServer::Start()
{
    Stop();
    m_error.clear();
    m_log.clear();
    // stderr stays apart so that the first stdout line is the address.
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    // --stop-with-parent: a test program that crashes takes its server along
    // instead of leaving it listening.
    m_process.start(Program(),
                    QStringList {QStringLiteral("--port"), QStringLiteral("0"),
                                 QStringLiteral("--stop-with-parent")}
                        + m_args);
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(Program(), m_process.errorString());
        return false;
    }

    static const QRegularExpression listening(QStringLiteral("listening on ([^:\\s]+):(\\d+)"));
    QByteArray seen;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        if (!m_process.canReadLine())
            m_process.waitForReadyRead(100);
        while (m_process.canReadLine()) {
            const QByteArray line = m_process.readLine();
            seen += line;
            const auto match = listening.match(QString::fromUtf8(line));
            if (match.hasMatch()) {
                m_port = match.captured(2).toInt();
                qputenv("KVUI_SERVICE_URL", Address().toUtf8());
                return true;
            }
        }
        if (m_process.state() == QProcess::NotRunning)
            break;
    }
    m_error
        = QStringLiteral("kvcloud did not report its port; stdout: %1 stderr: %2")
              .arg(QString::fromUtf8(seen), QString::fromUtf8(m_process.readAllStandardError()));
    Stop();
    return false;
}

QStringList CloudServer::Requests(int settleMs)
{
    // The server logs a request after answering it; give late lines a moment.
    QElapsedTimer clock;
    clock.start();
    // Waiting on the process also moves what it wrote to stderr into its buffer.
    while (m_process.state() != QProcess::NotRunning && clock.elapsed() < settleMs)
        m_process.waitForReadyRead(int(settleMs - clock.elapsed()));
    m_log += m_process.readAllStandardError();
    QStringList requests;
    for (const QByteArray& line : m_log.split('\n')) {
        if (line.startsWith("GET ") || line.startsWith("HEAD ") || line.startsWith("POST "))
            requests << QString::fromUtf8(line.trimmed());
    }
    return requests;
}

int CloudServer::CountRequests(const QString& path, int settleMs)
{
    int count = 0;
    for (const QString& line : Requests(settleMs)) {
        const QString target = line.section(QLatin1Char(' '), 1, 1);
        count += target.startsWith(path);
    }
    return count;
}

int CloudServer::WaitForRequests(const QString& path, int count, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    int seen = CountRequests(path, 0);
    while (seen < count && clock.elapsed() < timeoutMs
           && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(50);
        seen = CountRequests(path, 0);
    }
    return seen;
}

QString CloudServer::Address() const
{
    return m_port > 0 ? QStringLiteral("http://127.0.0.1:%1").arg(m_port) : QString();
}

void CloudServer::Stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
        m_log += m_process.readAllStandardError();
    }
    m_port = 0;
}

} // namespace kvtest
