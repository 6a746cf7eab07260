#include "host/gnssrunprocess.h"

#include "kvkernel/kvprogress.h"

#include <QProcess>
#include <QStandardPaths>

QString ToolProcess::Find(const QString& program)
{
    return QStandardPaths::findExecutable(program);
}

ToolProcess::Outcome ToolProcess::Run(const QString& program, const QStringList& arguments,
                                      const QString& workDir, kvkernel::KvProgress* progress,
                                      const std::string& message, const int* step,
                                      const OutputHandler& handler)
{
    Outcome outcome;
    // Created on the worker thread, which has no event loop: the waitFor
    // calls below drive it.
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.setProgram(program);
    process.setArguments(arguments);
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(10000))
        return outcome;
    outcome.started = true;

    QByteArray errors;
    bool stop = false;
    auto take = [&]() {
        const QByteArray out = process.readAllStandardOutput();
        const QByteArray err = process.readAllStandardError();
        errors += err;
        // Only the tail is kept: a solver may print a line per epoch.
        if (errors.size() > 8192)
            errors = errors.right(4096);
        if (handler && (!out.isEmpty() || !err.isEmpty()) && !handler(out + err))
            stop = true;
    };
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(200);
        take();
        if (!stop && progress && !progress->SetInformation(message, step ? *step : 0))
            stop = true;
        if (stop) {
            process.kill();
            process.waitForFinished(5000);
            outcome.cancelled = true;
            break;
        }
    }
    if (!outcome.cancelled) {
        process.waitForFinished(-1);
        take();
    }
    outcome.crashed = process.exitStatus() == QProcess::CrashExit;
    outcome.exitCode = process.exitCode();
    // The last few lines are what explains a failure.
    const QList<QByteArray> lines = errors.replace('\r', '\n').split('\n');
    QList<QByteArray> tail;
    for (auto it = lines.crbegin(); it != lines.crend() && tail.size() < 4; ++it)
        if (!it->trimmed().isEmpty())
            tail.prepend(it->trimmed());
    outcome.errorTail = tail.join('\n');
    return outcome;
}
