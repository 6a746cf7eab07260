#include "framework/kvmessagebox.h"

#include "framework/formrows.h"
#include "framework/language.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

namespace {

const char* const kExclamationPicture = ":/dialog/images/1280/dialog/Exclamation_mark.png";

// Lays out what both boxes show, the picture beside the message over a
// centred row; the box adds its buttons to the row it gets back.
kvui::ButtonRow BuildBox(QWidget* box, const char* iconName, const char* messageName,
                         const QString& text)
{
    auto* icon = kvui::MakeLabel(box, QString(), iconName, QSize(42, 42));
    icon->setPixmap(QPixmap(QLatin1String(kExclamationPicture)));
    icon->setScaledContents(true);

    auto* message = kvui::MakeLabel(box, text, messageName);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    QFont font = box->font();
    font.setPointSize(font.pointSize() + 3);
    message->setFont(font);

    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(message, 0, 1);
    kvui::ButtonRow buttons(box, QSize(120, 36), kvui::ButtonRow::Centre);
    layout->addLayout(buttons.Layout(), 1, 0, 1, 2);
    return buttons;
}

// Boxes keep their size unless the message would be cut off: then they grow,
// first wider, then taller, so that no word of a long message is lost.
void FitMessage(QWidget* box, QSize size)
{
    box->setFixedSize(size);
    QLayout* layout = box->layout();
    for (int width : {size.width(), 560}) {
        const int needed = layout->totalHeightForWidth(width);
        if (needed <= size.height()) {
            box->setFixedSize(width, size.height());
            return;
        }
        if (width == 560)
            box->setFixedSize(width, qMin(needed, 640));
    }
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
    // Callers pass fixed messages in the local code page: they are translated
    // here, once for every caller.
    KvMessageBox box(kvui::LocalText(text), type);
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
    kvui::ButtonRow buttons = BuildBox(this, "kvsb_icon_", "kvsb_msg_", text);
    QPushButton* ok = buttons.Add("kvsb_ok_btn_", tr("OK"), "kvquitbtn");
    FitMessage(this, QSize(400, 160));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &KvMessageBoxWidget::ClickOK);
}

void KvMessageBoxWidget::ClickOK()
{
    AcceptDialog();
}

KvMessageBoxWidget2::KvMessageBoxWidget2(QWidget* parent, const QString& text)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("KvMessageBoxWidget2"));
    kvui::ButtonRow buttons = BuildBox(this, "kvbw2_icon_", "kvbw2_msg_", text);
    QPushButton* yes = buttons.Add("kvbw2_ok_", tr("Yes"), "kvcombtn");
    QPushButton* no = buttons.Add("kvbw2_cancel_", tr("No"), "kvquitbtn");
    FitMessage(this, QSize(400, 150));
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &KvMessageBoxWidget2::ClickOK);
    connect(no, &QPushButton::clicked, this, &KvMessageBoxWidget2::ClickCancel);
}

void KvMessageBoxWidget2::ClickOK()
{
    AcceptDialog();
}

void KvMessageBoxWidget2::ClickCancel()
{
    FinishDialog(-1);
}
