#include "wizardanswers.h"

#include "imagery/imageloaddialog.h"

#include <QLineEdit>

namespace kvtest {

WizardAnswers::WizardAnswers(const QString& name, const QStringList& photos, PageAction positions,
                             PageAction preview)
{
    m_description.ExpectTitle(QStringLiteral("Project Information"))
        .Do([this, name](QWidget* dialog) {
            if (auto* edit = Find<QLineEdit>(dialog, QStringLiteral("prj_name")))
                edit->setText(name);
            m_images.Arm();
        })
        .Click(QStringLiteral("prj_nextBtn"));
    m_images.ExpectTitle(QStringLiteral("Import Images"))
        .Do([this, photos](QWidget* dialog) {
            dialog->findChild<ImageLoadWidget*>()->AddImages(photos);
            m_positions.Arm();
        })
        .Click(QStringLiteral("next_btn_"));
    m_positions.ExpectTitle(QStringLiteral("影像POS设置"))
        .Do([this, positions](QWidget* dialog) {
            if (positions)
                positions(dialog);
            m_preview.Arm();
        })
        .Click(QStringLiteral("iplw_next_btn_"));
    m_preview.ExpectTitle(QStringLiteral("Project Information"))
        .Do([preview](QWidget* dialog) {
            if (preview)
                preview(dialog);
        })
        .Click(QStringLiteral("finishBtn"));
}

void WizardAnswers::Arm()
{
    m_description.Arm();
}

bool WizardAnswers::Done() const
{
    return m_preview.Done() && Error().isEmpty();
}

QString WizardAnswers::Error() const
{
    QString error;
    const char* pages[] = {"description", "images", "positions", "preview"};
    const ModalAnswer* answers[] = {&m_description, &m_images, &m_positions, &m_preview};
    for (int i = 0; i < 4; ++i) {
        if (!answers[i]->Error().isEmpty() || (!answers[i]->Done() && error.isEmpty()))
            error += QStringLiteral("%1 page: %2; ")
                         .arg(QLatin1String(pages[i]),
                              answers[i]->Done() ? answers[i]->Error()
                                                 : QStringLiteral("not answered"));
        if (!answers[i]->Done())
            break;
    }
    return error;
}

} // namespace kvtest
