#include "settings/basettingdialog.h"

#include "framework/formrows.h"
#include "framework/kvstyle.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

BASettingWidget::BASettingWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("BASettingWidget"));
    setFixedSize(400, 150);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(40, 12, 40, 12);
    const auto row = [this, grid](int r, const QString& label, const char* name) {
        grid->addWidget(kvui::MakeLabel(this, label), r, 0);
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(name));
        kvui::SetStyleName(box, "kvcheckbox");
        grid->addWidget(box, r, 1);
        return box;
    };
    m_calibration = row(0, tr("Calibration:"), "basw_calibration_");
    m_calibration->setChecked(true);
    m_ppk = row(1, tr("PPK:"), "basw_ppk_");
    m_gcp = row(2, tr("GCP:"), "basw_gcp_");

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("basw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("basw_cancel_", tr("Cancel"), "kvquitbtn");
    ok->setDefault(true);
    grid->addLayout(buttons.Layout(), 3, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &BASettingWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &BASettingWidget::ClickCancel);
}

bool BASettingWidget::IsCalibration() const
{
    return m_calibration->isChecked();
}

bool BASettingWidget::IsPPK() const
{
    return m_ppk->isChecked();
}

bool BASettingWidget::IsGCP() const
{
    return m_gcp->isChecked();
}

void BASettingWidget::ClickOK()
{
    AcceptDialog();
}

void BASettingWidget::ClickCancel()
{
    RejectDialog();
}

BASettingDialog::BASettingDialog()
    : ContentDialog(tr("BA Setting"), nullptr)
{ }

bool ShowBASettingDialog(bool& calibration, bool& ppk, bool& gcp)
{
    BASettingDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    calibration = dialog.Content()->IsCalibration();
    ppk = dialog.Content()->IsPPK();
    gcp = dialog.Content()->IsGCP();
    return true;
}
