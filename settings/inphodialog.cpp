#include "settings/inphodialog.h"

#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QCheckBox* MakeCheckBox(QWidget* parent, const char* name)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    kvui::SetStyleName(box, "kvcheckbox");
    return box;
}

} // namespace

InphoWidget::InphoWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("InphoWidget"));
    setFixedSize(560, 280);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 16, 30, 16);
    grid->setVerticalSpacing(12);
    const QSize rowSize(0, 26);
    const QSize browseSize(28, 26);

    grid->addWidget(kvui::MakeLabel(this, tr("To Center")), 0, 0);
    m_toCenter = MakeCheckBox(this, "iw_to_center_");
    m_toCenter->setChecked(true);
    grid->addWidget(m_toCenter, 0, 1);
    grid->addWidget(kvui::MakeLabel(this, tr("UnDistortion")), 1, 0);
    m_undistortion = MakeCheckBox(this, "iw_undistortion_");
    m_undistortion->setChecked(true);
    grid->addWidget(m_undistortion, 1, 1);

    grid->addWidget(kvui::MakeLabel(this, tr("Project Path")), 2, 0);
    m_project = kvui::MakeLineEdit(this, "iw_project_", rowSize);
    grid->addWidget(m_project, 2, 1, 1, 2);
    QPushButton* browseProject = kvui::MakeToolButton(this, "iw_browse_project_", QString(),
                                                      browseSize, QString(), "kvopenfilebtn");
    grid->addWidget(browseProject, 2, 3);

    grid->addWidget(kvui::MakeLabel(this, tr("Images Path")), 3, 0);
    m_hasImages = MakeCheckBox(this, "iw_has_images_");
    grid->addWidget(m_hasImages, 3, 1);
    m_images = kvui::MakeLineEdit(this, "iw_images_", rowSize);
    m_images->setEnabled(false);
    grid->addWidget(m_images, 3, 2);
    m_browseImages = kvui::MakeToolButton(this, "iw_browse_images_", QString(), browseSize,
                                          QString(), "kvopenfilebtn");
    m_browseImages->setEnabled(false);
    grid->addWidget(m_browseImages, 3, 3);
    grid->setColumnStretch(2, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("iw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("iw_cancel_", tr("Cancel"), "kvquitbtn");
    ok->setDefault(true);
    grid->addLayout(buttons.Layout(), 4, 0, 1, 4);

    connect(m_browseImages, &QPushButton::clicked, this, &InphoWidget::ClickBrowseDImages);
    connect(browseProject, &QPushButton::clicked, this, &InphoWidget::ClickBrowsePrj);
    connect(m_hasImages, &QCheckBox::toggled, this, &InphoWidget::ClickHasImages);
    connect(m_undistortion, &QCheckBox::toggled, this, &InphoWidget::ClickUnDistortion);
    connect(cancel, &QPushButton::clicked, this, &InphoWidget::ClickCancel);
    connect(ok, &QPushButton::clicked, this, &InphoWidget::ClickOK);
}

bool InphoWidget::IsToCenter() const
{
    return m_toCenter->isChecked();
}

bool InphoWidget::IsUnDistortion() const
{
    return m_undistortion->isChecked();
}

QString InphoWidget::ProjectPath() const
{
    return m_project->text();
}

QString InphoWidget::ImagesPath() const
{
    return m_hasImages->isEnabled() && m_hasImages->isChecked() ? m_images->text() : QString();
}

void InphoWidget::ClickBrowseDImages()
{
    kvui::BrowseInto(this, m_images, QT_TRANSLATE_NOOP("kvui", "选择无畸变影像保存路径"), nullptr,
                     kvui::BrowseMode::Folder);
}

void InphoWidget::ClickBrowsePrj()
{
    kvui::BrowseInto(this, m_project, QT_TRANSLATE_NOOP("kvui", "选择Inpho工程保存路径"), nullptr,
                     kvui::BrowseMode::Folder);
}

void InphoWidget::ClickHasImages(bool on)
{
    m_images->setEnabled(on);
    m_browseImages->setEnabled(on);
}

void InphoWidget::ClickUnDistortion(bool on)
{
    m_hasImages->setEnabled(on);
    if (!on) {
        m_hasImages->setChecked(false);
        ClickHasImages(false);
    }
}

void InphoWidget::ClickCancel()
{
    RejectDialog();
}

void InphoWidget::ClickOK()
{
    if (m_project->text().isEmpty())
        return;
    AcceptDialog();
}

InphoDialog::InphoDialog()
    : ContentDialog(tr("Export Project"), nullptr)
{ }

bool ShowInphoDialog(bool& toCenter, bool& undistortion, std::string paths[2])
{
    InphoDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const InphoWidget* form = dialog.Content();
    toCenter = form->IsToCenter();
    undistortion = form->IsUnDistortion();
    paths[0] = QString2String(form->ProjectPath());
    paths[1] = QString2String(form->ImagesPath());
    return true;
}
