#include "framework/kvmessagebox.h"

#include "framework/kvstyle.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const kExclamationPicture = ":/dialog/images/1280/dialog/Exclamation_mark.png";

QLabel* MakeIcon(QWidget* parent, const char* name)
{
    auto* icon = new QLabel(parent);
    icon->setObjectName(QLatin1String(name));
    icon->setFixedSize(42, 42);
    icon->setPixmap(QPixmap(QLatin1String(kExclamationPicture)));
    icon->setScaledContents(true);
    return icon;
}

QLabel* MakeMessage(QWidget* parent, const char* name, const QString& text)
{
    auto* message = new QLabel(text, parent);
    message->setObjectName(QLatin1String(name));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    QFont font = parent->font();
    font.setPointSize(font.pointSize() + 3);
    message->setFont(font);
    return message;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const char* style)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(120, 36);
    kvui::SetStyleName(button, style);
    return button;
}

} // namespace

KvMessageBox::KvMessageBox(const QString& text, BoxType type)
    : FrameDialog(nullptr)
{
    SetTitle(tr("Warning"));
    if (type == BT_OK)
        SetContent<KvMessageBoxWidget>(text);
    else if (type == BT_YES_NO)
        SetContent<KvMessageBoxWidget2>(text);
}

KvMessageBox::BoxCode KvMessageBox::Show(std::string text, BoxType type)
{
    KvMessageBox box(QString::fromLocal8Bit(text.data(), int(text.size())), type);
    switch (box.exec()) {
    case QDialog::Accepted:
        return BC_OK;
    case QDialog::Rejected:
        return BC_CLOSED;
    default:
        return BC_NO;
    }
}

KvMessageBoxWidget::KvMessageBoxWidget(QWidget* parent, const QString& text)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("KvMessageBox"));
    setFixedSize(400, 160);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->addWidget(MakeIcon(this, "kvsb_icon_"), 0, 0);
    layout->addWidget(MakeMessage(this, "kvsb_msg_", text), 0, 1);
    QPushButton* ok = MakeButton(this, "kvsb_ok_btn_", tr("OK"), "kvquitbtn");
    ok->setDefault(true);
    layout->addWidget(ok, 1, 0, 1, 2, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, this, &KvMessageBoxWidget::ClickOK);
}

void KvMessageBoxWidget::ClickOK()
{
    if (m_dialog)
        m_dialog->accept();
}

KvMessageBoxWidget2::KvMessageBoxWidget2(QWidget* parent, const QString& text)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("KvMessageBoxWidget2"));
    setFixedSize(400, 150);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->addWidget(MakeIcon(this, "kvbw2_icon_"), 0, 0);
    layout->addWidget(MakeMessage(this, "kvbw2_msg_", text), 0, 1);
    auto* buttons = new QHBoxLayout();
    QPushButton* yes = MakeButton(this, "kvbw2_ok_", tr("Yes"), "kvcombtn");
    QPushButton* no = MakeButton(this, "kvbw2_cancel_", tr("No"), "kvquitbtn");
    yes->setDefault(true);
    buttons->addWidget(yes);
    buttons->addWidget(no);
    layout->addLayout(buttons, 1, 0, 1, 2, Qt::AlignCenter);
    connect(yes, &QPushButton::clicked, this, &KvMessageBoxWidget2::ClickOK);
    connect(no, &QPushButton::clicked, this, &KvMessageBoxWidget2::ClickCancel);
}

void KvMessageBoxWidget2::ClickOK()
{
    if (m_dialog)
        m_dialog->accept();
}

void KvMessageBoxWidget2::ClickCancel()
{
    if (m_dialog)
        m_dialog->done(-1);
}
