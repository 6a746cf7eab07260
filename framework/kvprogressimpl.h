#pragma once

#include "framework/qkvprogressdialog.h"
#include "kvkernel/kvprogress.h"
#include "kvui_export.h"

#include <QObject>
#include <atomic>

// KvProgress for a worker thread, shown as a modal progress dialog on the GUI
// thread. Every call crosses to the GUI thread as a queued signal; the worker
// learns of Pause and Cancel by polling flags. Progress is reported at most
// once per whole percent (and always for the last step), so a worker may
// report every item. Titles and messages are local-code-page text, translated
// as KvMessageBox::Show translates (framework/language.h).
//
// Create it on the GUI thread, hand it to the worker, start the worker and
// call Run(), which returns when the worker has called End.
class KVUI_EXPORT KvProgressImpl : public QObject, public kvkernel::KvProgress
{
    Q_OBJECT

public:
    explicit KvProgressImpl(QWidget* parent = nullptr);

    void Start(std::string title, int total_step) override;
    bool SetInformation(std::string msg, int current_step) override;
    void End(bool success) override;
    bool Success() override;
    void NeverEnd(bool on) override;
    kvfd::KvError GetError() override;
    void SetError(kvfd::KvError error) override;
    void Popup(std::string msg) override;

    virtual void SetAutoSkip();
    virtual void Run();

    bool IsCanceled() const;
    QKvProgressDialog& Dialog() { return m_dialog; }

Q_SIGNALS:
    void OnStart(QString title, int total_step);
    void OnSetAutoSkip();
    void OnSetInformation(QString msg, int current_step);
    void OnEnd(bool success);
    void OnPopup(QString msg);

private:
    QKvProgressDialog m_dialog;
    std::atomic<int> m_total {100};
    std::atomic<int> m_lastStep {0};
    std::atomic<bool> m_emitEnd {true};
    std::atomic<bool> m_success {true};
    std::atomic<kvfd::KvError> m_error {0};
};
