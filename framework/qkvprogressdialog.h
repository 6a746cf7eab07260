#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

// Content of the progress dialog: message, bar, Pause and Cancel. Its three
// flags are written on the GUI thread and polled by the worker without a lock.
class KVUI_EXPORT QProgressWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit QProgressWidget(QWidget* parent);

    bool IsCanceled() const { return m_canceled.load(); }
    bool IsRunning() const { return m_running.load(); }
    bool IsWaiting() const { return m_waiting.load(); }
    void SetCanceled(bool on) { m_canceled = on; }
    void SetRunning(bool on) { m_running = on; }
    void SetWaiting(bool on) { m_waiting = on; }

    void ShowMessage(const QString& message, int step);
    void SetRange(int total);
    // Turns the bar into a busy indicator and tells the operator to wait for
    // the worker to stop.
    void ShowStopping();

public Q_SLOTS:
    void ClickCancel();
    void Minimize();
    void Pause();

private:
    QLabel* m_message = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_minimizeButton = nullptr;
    QPushButton* m_pauseButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    std::atomic<bool> m_canceled {false};
    std::atomic<bool> m_running {false};
    std::atomic<bool> m_waiting {false};
};

// The modal progress dialog. It closes only through End: cancelling or
// closing it asks the worker to stop and waits for it to call End.
class KVUI_EXPORT QKvProgressDialog : public kvui::ContentDialog<QProgressWidget>
{
    Q_OBJECT

public:
    explicit QKvProgressDialog(QWidget* parent = nullptr);

    bool IsCanceled() const;
    // True while paused, while a question is open, or while the title bar asks
    // whether to quit. Safe from any thread.
    bool IsWaiting() const;
    bool IsRunning() const;
    void Cancel();
    void Run();

public Q_SLOTS:
    void Start(QString title, int total_step);
    void SetAutoSkip();
    bool SetInformation(QString msg, int current_step);
    void End(bool success);
    void Popup(QString msg);

    void done(int result) override;
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool m_pendingStart = false;
    QString m_pendingTitle;
    int m_pendingTotal = 0;
};
