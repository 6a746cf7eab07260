#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace kvkernel {
class KvProgress;
}

// One run of an outside program (the GNSS solver, the calibration tools) from
// a worker thread: its output is handed to a callback as it comes, and a
// progress that answers false kills it. The host's runs share it so that all
// of them stop the same way when the operator cancels.
class ToolProcess
{
public:
    struct Outcome
    {
        bool started = false;
        bool cancelled = false;
        bool crashed = false;
        int exitCode = -1;
        QByteArray errorTail; // the last lines of standard error, for messages
    };

    // Called with every piece of standard output and standard error as it
    // arrives; returns false to stop the run (as a cancel).
    using OutputHandler = std::function<bool(const QByteArray& output)>;

    // The program's full path on PATH, or empty.
    static QString Find(const QString& program);

    // Runs program with arguments in workDir and waits for it. progress may be
    // null; otherwise SetInformation(message, step) is polled about every
    // 200 ms with the step the handler last set through *step, and a false
    // answer kills the program.
    static Outcome Run(const QString& program, const QStringList& arguments, const QString& workDir,
                       kvkernel::KvProgress* progress, const std::string& message, const int* step,
                       const OutputHandler& handler = {});
};
