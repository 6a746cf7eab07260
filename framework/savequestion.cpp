#include "framework/savequestion.h"

#include "framework/formrows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const char* const kExclamationPicture = ":/dialog/images/1280/dialog/Exclamation_mark.png";

} // namespace

namespace kvui {

SaveAnswer AskToSave(QWidget* parent, const QString& projectName)
{
    SaveQuestionDialog box(projectName, parent);
    return box.Ask();
}

} // namespace kvui

SaveQuestionWidget::SaveQuestionWidget(QWidget* parent, const QString& projectName)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("SaveQuestionWidget"));
    // The message box's height; wider, for a third button.
    setFixedSize(460, 160);

    auto* icon = kvui::MakeLabel(this, QString(), "kvsq_icon_", QSize(42, 42));
    icon->setPixmap(QPixmap(QLatin1String(kExclamationPicture)));
    icon->setScaledContents(true);

    const QString text = projectName.isEmpty()
        ? tr("The project has unsaved changes. Save them before it is closed?")
        : tr("The project \"%1\" has unsaved changes. Save them before it is closed?")
              .arg(projectName);
    auto* message = kvui::MakeLabel(this, text, "kvsq_msg_");
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    // A project name is shown as it is, never read as markup.
    message->setTextFormat(Qt::PlainText);
    QFont messageFont = font();
    messageFont.setPointSize(messageFont.pointSize() + 3);
    message->setFont(messageFont);

    kvui::ButtonRow buttons(this, QSize(110, 36), kvui::ButtonRow::Centre);
    QPushButton* save = buttons.Add("kvsq_save_btn_", tr("Save"), "kvcombtn");
    QPushButton* discard = buttons.Add("kvsq_discard_btn_", tr("Discard"), "kvquitbtn");
    QPushButton* cancel = buttons.Add("kvsq_cancel_btn_", tr("Cancel"), "kvquitbtn");
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &SaveQuestionWidget::ClickSave);
    connect(discard, &QPushButton::clicked, this, &SaveQuestionWidget::ClickDiscard);
    connect(cancel, &QPushButton::clicked, this, &SaveQuestionWidget::ClickCancel);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(message, 0, 1);
    layout->addLayout(buttons.Layout(), 1, 0, 1, 2);
}

void SaveQuestionWidget::ClickSave()
{
    AcceptDialog();
}

void SaveQuestionWidget::ClickDiscard()
{
    FinishDialog(kDiscarded);
}

void SaveQuestionWidget::ClickCancel()
{
    RejectDialog();
}

SaveQuestionDialog::SaveQuestionDialog(const QString& projectName, QWidget* parent)
    : ContentDialog(tr("Unsaved Changes"), parent, projectName)
{ }

kvui::SaveAnswer SaveQuestionDialog::Ask()
{
    switch (exec()) {
    case QDialog::Accepted:
        return kvui::SaveAnswer::Save;
    case SaveQuestionWidget::kDiscarded:
        return kvui::SaveAnswer::Discard;
    default:
        return kvui::SaveAnswer::Cancel;
    }
}
