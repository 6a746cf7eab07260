#include "framework/qkvprogressdialog.h"

#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "kvfd/kvconststringfactory.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

QProgressWidget::QProgressWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("QProgressWidget"));
    setFixedSize(400, 150);
    auto* layout = new QVBoxLayout(this);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("progress_info_"));
    QFont messageFont = font();
    messageFont.setPointSize(messageFont.pointSize() + 1);
    m_message->setFont(messageFont);
    m_message->setTextFormat(Qt::PlainText);
    layout->addWidget(m_message);

    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progress_bar_"));
    m_bar->setValue(0);
    QFont barFont = font();
    barFont.setPointSize(barFont.pointSize() + 2);
    m_bar->setFont(barFont);
    layout->addWidget(m_bar);

    kvui::ButtonRow buttons(this, QSize(100, 32));
    m_minimizeButton = buttons.Add("minimize_btn_", tr("Minimize"), "kvquitbtn");
    m_minimizeButton->hide();
    m_pauseButton = buttons.Add("pause_btn_", tr("Pause"), "kvcombtn");
    m_cancelButton = buttons.Add("cancel_btn_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons.Layout());

    connect(m_minimizeButton, &QPushButton::clicked, this, &QProgressWidget::Minimize);
    connect(m_pauseButton, &QPushButton::clicked, this, &QProgressWidget::Pause);
    connect(m_cancelButton, &QPushButton::clicked, this, &QProgressWidget::ClickCancel);
}

void QProgressWidget::ShowMessage(const QString& message, int step)
{
    m_message->setText(IsCanceled() ? tr("Please wait!") : message);
    m_bar->setValue(step);
}

void QProgressWidget::SetRange(int total)
{
    m_bar->setRange(0, total);
}

void QProgressWidget::ShowStopping()
{
    m_bar->setMaximum(0);
    ShowMessage(QString(), 0);
}

void QProgressWidget::ClickCancel()
{
    // The worker stays inside SetInformation while the question is open.
    m_waiting = true;
    if (KvMessageBox::Show(kvfd::KvGetConstString(130), KvMessageBox::BT_YES_NO)
        == KvMessageBox::BC_OK) {
        m_canceled = true;
        ShowStopping();
    }
    m_waiting = false;
}

void QProgressWidget::Pause()
{
    m_waiting = !m_waiting;
    m_pauseButton->setText(m_waiting ? tr("Continue") : tr("Pause"));
}

void QProgressWidget::Minimize()
{
    QWidget* frame = parentWidget();
    QWidget* dialog = frame ? frame->parentWidget() : nullptr;
    QWidget* host = dialog ? dialog->parentWidget() : nullptr;
    if (host)
        host->showMinimized();
}

QKvProgressDialog::QKvProgressDialog(QWidget* parent)
    : ContentDialog(QString(), parent)
{
    setFixedSize(430, 210);
    Frame()->setFixedWidth(404);
    Frame()->SetNeedCheck(true);
}

bool QKvProgressDialog::IsCanceled() const
{
    return Content()->IsCanceled();
}

bool QKvProgressDialog::IsWaiting() const
{
    return Content()->IsWaiting() || Frame()->IsChecking();
}

bool QKvProgressDialog::IsRunning() const
{
    return Content()->IsRunning();
}

void QKvProgressDialog::Cancel()
{
    Content()->SetWaiting(false);
    Content()->SetCanceled(true);
}

void QKvProgressDialog::Run()
{
    Content()->SetRunning(true);
    if (m_pendingStart) {
        m_pendingStart = false;
        Start(m_pendingTitle, m_pendingTotal);
    }
    exec();
}

void QKvProgressDialog::Start(QString title, int total_step)
{
    // A start that some other event loop delivers before Run() is kept and
    // shown when Run() begins, instead of waiting for a loop that cannot come.
    if (!Content()->IsRunning()) {
        m_pendingStart = true;
        m_pendingTitle = title;
        m_pendingTotal = total_step;
        return;
    }
    Frame()->SetTitle(title);
    Content()->ShowMessage(title, 0);
    Content()->SetRange(total_step);
}

void QKvProgressDialog::SetAutoSkip() { }

bool QKvProgressDialog::SetInformation(QString msg, int current_step)
{
    Content()->ShowMessage(msg, current_step);
    return !Content()->IsCanceled();
}

void QKvProgressDialog::End(bool success)
{
    // A run the operator cancelled stays cancelled, whatever the worker
    // reports at the end: it did not finish its work.
    if (!success)
        Content()->SetCanceled(true);
    QDialog::done(0);
}

void QKvProgressDialog::Popup(QString msg)
{
    Content()->SetWaiting(true);
    if (KvMessageBox::Show(QString2String(msg), KvMessageBox::BT_YES_NO) == KvMessageBox::BC_NO) {
        Content()->SetCanceled(true);
        Content()->ShowStopping();
    }
    Content()->SetWaiting(false);
}

void QKvProgressDialog::done(int)
{
    Cancel();
}

void QKvProgressDialog::reject()
{
    Cancel();
    QDialog::reject();
}

void QKvProgressDialog::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
}
