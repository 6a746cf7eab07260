#include "framework/qkvprogressdialog.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "framework/titlewidget.h"
#include "kvfd/kvconststringfactory.h"

#include <QHBoxLayout>
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

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    auto makeButton = [this, buttons](const char* name, const QString& text, const char* style) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(100, 32);
        kvui::SetStyleName(button, style);
        buttons->addWidget(button);
        return button;
    };
    m_minimizeButton = makeButton("minimize_btn_", tr("Minimize"), "kvquitbtn");
    m_minimizeButton->hide();
    m_pauseButton = makeButton("pause_btn_", tr("Pause"), "kvcombtn");
    m_cancelButton = makeButton("cancel_btn_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons);

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
    : TransparentDialog(parent)
{
    setFixedSize(430, 210);
    auto* layout = new QVBoxLayout(this);
    m_title = new TitleWidget(this, false, false, false);
    m_title->setFixedWidth(404);
    m_title->SetNeedCheck(true);
    layout->addWidget(m_title);
    m_widget = new QProgressWidget(m_title);
    m_widget->SetDialog(this);
    m_title->AddWidget(m_widget);
}

bool QKvProgressDialog::IsCanceled() const
{
    return m_widget->IsCanceled();
}

bool QKvProgressDialog::IsWaiting() const
{
    return m_widget->IsWaiting() || m_title->IsChecking();
}

bool QKvProgressDialog::IsRunning() const
{
    return m_widget->IsRunning();
}

void QKvProgressDialog::Cancel()
{
    m_widget->SetWaiting(false);
    m_widget->SetCanceled(true);
}

void QKvProgressDialog::Run()
{
    m_widget->SetRunning(true);
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
    if (!m_widget->IsRunning()) {
        m_pendingStart = true;
        m_pendingTitle = title;
        m_pendingTotal = total_step;
        return;
    }
    m_title->SetTitle(title);
    m_widget->ShowMessage(title, 0);
    m_widget->SetRange(total_step);
}

void QKvProgressDialog::SetAutoSkip() { }

bool QKvProgressDialog::SetInformation(QString msg, int current_step)
{
    m_widget->ShowMessage(msg, current_step);
    return !m_widget->IsCanceled();
}

void QKvProgressDialog::End(bool success)
{
    // A run the operator cancelled stays cancelled, whatever the worker
    // reports at the end: it did not finish its work.
    if (!success)
        m_widget->SetCanceled(true);
    QDialog::done(0);
}

void QKvProgressDialog::Popup(QString msg)
{
    m_widget->SetWaiting(true);
    if (KvMessageBox::Show(QString2String(msg), KvMessageBox::BT_YES_NO) == KvMessageBox::BC_NO) {
        m_widget->SetCanceled(true);
        m_widget->ShowStopping();
    }
    m_widget->SetWaiting(false);
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
