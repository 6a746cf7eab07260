#pragma once

#include "modalanswer.h"

#include <QStringList>
#include <functional>

namespace kvtest {

// Answers the four pages of the project wizard in turn, as an operator would:
// names the project, lists the photos, lets positions place the images on the
// image-and-POS page and confirms the preview (after looking at it with preview,
// when given). Arm it before the wizard starts.
class WizardAnswers
{
public:
    using PageAction = std::function<void(QWidget* dialog)>;

    WizardAnswers(const QString& name, const QStringList& photos, PageAction positions,
                  PageAction preview = PageAction());
    void Arm();
    // Every page was answered; otherwise Error() says where it stopped.
    bool Done() const;
    QString Error() const;

private:
    ModalAnswer m_description;
    ModalAnswer m_images;
    ModalAnswer m_positions;
    ModalAnswer m_preview;
};

} // namespace kvtest
