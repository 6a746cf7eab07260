#pragma once

// What the host's suites share: a scripted progress, the test data, whole
// files, and windows with some of the modules.

#include "host/hostmodule.h"
#include "host/kvmainwindow.h"
#include "kvkernel/kvprogress.h"

#include <QAction>
#include <QFile>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#define VERIFY_ANSWERED(answer) QVERIFY2((answer).Done(), qPrintable((answer).Error()))

namespace hosttest {

// Records the reports; SetInformation answers false once it has answered true
// `allowed` times (never, with -1).
class StubProgress : public kvkernel::KvProgress
{
public:
    explicit StubProgress(int allowed = -1)
        : m_allowed(allowed)
    { }
    void Start(std::string, int total_step) override { total = total_step; }
    bool SetInformation(std::string msg, int step) override
    {
        messages.push_back(std::move(msg));
        steps.push_back(step);
        last = std::max(last, step);
        return m_allowed < 0 || int(steps.size()) <= m_allowed;
    }
    void End(bool success) override
    {
        ended = success;
        ++ends;
    }
    bool Success() override { return ended; }
    void NeverEnd(bool) override { }
    kvfd::KvError GetError() override { return 0; }
    void SetError(kvfd::KvError) override { }
    void Popup(std::string) override { }

    int total = -1, last = -1, ends = 0;
    bool ended = false;
    std::vector<std::string> messages;
    std::vector<int> steps;

private:
    int m_allowed;
};

inline QString Data(const QString& path)
{
    return QStringLiteral(KVUI_SOURCE_DIR "/tests/data/") + path;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QAction* Action(const KvMainWindow& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

// A window with only these modules.
template <class... Modules> std::unique_ptr<KvMainWindow> WindowWith()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    (modules.push_back(std::make_unique<Modules>()), ...);
    return std::make_unique<KvMainWindow>(std::move(modules));
}

} // namespace hosttest
