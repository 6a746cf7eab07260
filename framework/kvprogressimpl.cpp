#include "framework/kvprogressimpl.h"

#include "framework/language.h"

#include <chrono>
#include <thread>

namespace {

// Whole percent of step, rounded half up; a total of 0 or less counts as done.
int Percent(int step, int total)
{
    if (total <= 0)
        return 100;
    return int(double(step) * 100.0 / total + 0.5);
}

} // namespace

KvProgressImpl::KvProgressImpl(QWidget* parent)
    : m_dialog(parent)
{
    connect(this, &KvProgressImpl::OnStart, &m_dialog, &QKvProgressDialog::Start,
            Qt::QueuedConnection);
    connect(this, &KvProgressImpl::OnSetInformation, &m_dialog, &QKvProgressDialog::SetInformation,
            Qt::QueuedConnection);
    connect(this, &KvProgressImpl::OnEnd, &m_dialog, &QKvProgressDialog::End, Qt::QueuedConnection);
    connect(this, &KvProgressImpl::OnPopup, &m_dialog, &QKvProgressDialog::Popup,
            Qt::QueuedConnection);
}

void KvProgressImpl::Start(std::string title, int total_step)
{
    m_total = total_step;
    m_lastStep = 0;
    Q_EMIT OnStart(kvui::LocalText(title), total_step);
}

bool KvProgressImpl::SetInformation(std::string msg, int current_step)
{
    // Pausing and questions hold the worker here: a paused run makes no
    // progress, and nothing happens behind an open question.
    while (m_dialog.IsWaiting())
        std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const int total = m_total;
    if (Percent(m_lastStep, total) != Percent(current_step, total) || current_step == total) {
        Q_EMIT OnSetInformation(kvui::LocalText(msg), current_step);
        m_lastStep = current_step;
    }
    return !m_dialog.IsCanceled();
}

void KvProgressImpl::End(bool success)
{
    m_success = success;
    if (m_emitEnd)
        Q_EMIT OnEnd(success);
}

bool KvProgressImpl::Success()
{
    return !m_dialog.IsCanceled() && m_success;
}

void KvProgressImpl::NeverEnd(bool on)
{
    m_emitEnd = !on;
}

kvfd::KvError KvProgressImpl::GetError()
{
    return m_error;
}

void KvProgressImpl::SetError(kvfd::KvError error)
{
    m_error = error;
}

void KvProgressImpl::Popup(std::string msg)
{
    Q_EMIT OnPopup(kvui::LocalText(msg));
}

void KvProgressImpl::SetAutoSkip() { }

void KvProgressImpl::Run()
{
    m_dialog.Run();
}

bool KvProgressImpl::IsCanceled() const
{
    return m_dialog.IsCanceled();
}
