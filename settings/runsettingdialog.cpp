#include "settings/runsettingdialog.h"

#include "framework/formrows.h"
#include "framework/kvstyle.h"
#include "kvfd/kvconfiguration.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Flag { Matching, Adjustment, PpkRtk, Gcp, QuickMosaic, Dsm, TrueOrtho, DsmMesh, Mesh3D };

} // namespace

RunSettingWidget::RunSettingWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("RunSettingWidget"));
    setFixedSize(480, 220);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 10, 30, 10);
    grid->setVerticalSpacing(4);
    const char* const names[kFlagCount]
        = {"rsw_matching_", "rsw_adjustment_", "rsw_ppk_rtk_",  "rsw_gcp_",    "rsw_quick_mosaic_",
           "rsw_dsm_",      "rsw_true_ortho_", "rsw_dsm_mesh_", "rsw_3d_mesh_"};
    const QString labels[kFlagCount] = {tr("Feature Extraction and Matching"),
                                        tr("Adjustment"),
                                        tr("PPK/RTK"),
                                        tr("GCP"),
                                        tr("快拼图"),
                                        tr("DSM"),
                                        tr("真正射"),
                                        tr("2.5维模型"),
                                        tr("三维模型")};
    int row = 0;
    for (int i = 0; i < kFlagCount; ++i) {
        if (i == QuickMosaic)
            grid->addWidget(kvui::MakeLabel(this, tr("输出"), "rsw_output_label_"), row++, 0, 1, 2);
        m_boxes[i] = new QCheckBox(this);
        m_boxes[i]->setObjectName(QLatin1String(names[i]));
        kvui::SetStyleName(m_boxes[i], "kvcheckbox");
        grid->addWidget(m_boxes[i], row, 0);
        grid->addWidget(kvui::MakeLabel(this, labels[i]), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    m_boxes[Matching]->setChecked(true);
    m_boxes[Adjustment]->setChecked(true);
    m_boxes[QuickMosaic]->setChecked(true);

    // OK above Cancel at the right, so that the labels keep the width.
    auto* buttons = new QVBoxLayout();
    buttons->setSpacing(8);
    buttons->addStretch();
    QPushButton* ok = kvui::MakeButton(this, "rsw_ok_", tr("OK"), kvui::kButtonSize, "kvcombtn");
    QPushButton* cancel
        = kvui::MakeButton(this, "rsw_cancel_", tr("Cancel"), kvui::kButtonSize, "kvcombtn");
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 0, 2, row, 1);
    connect(ok, &QPushButton::clicked, this, &RunSettingWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &RunSettingWidget::ClickCancel);
    connect(m_boxes[Adjustment], &QCheckBox::toggled, this, &RunSettingWidget::ClickBA);
    connect(m_boxes[Dsm], &QCheckBox::toggled, this, &RunSettingWidget::ClickDSM);
    connect(m_boxes[TrueOrtho], &QCheckBox::toggled, this, &RunSettingWidget::ClickTDOM);
    connect(m_boxes[DsmMesh], &QCheckBox::toggled, this, &RunSettingWidget::ClickDSMMesh);
    connect(m_boxes[Mesh3D], &QCheckBox::toggled, this, &RunSettingWidget::Click3DMesh);

    m_boxes[PpkRtk]->setChecked(kvfd::KvConfiguration::Instance()->GetAlgoSetting().hpGps >= 1);
}

void RunSettingWidget::Get(bool* out) const
{
    const auto on = [this](int flag) { return m_boxes[flag]->isChecked(); };
    out[Matching] = on(Matching);
    out[Adjustment] = on(Adjustment);
    out[PpkRtk] = on(Adjustment) && on(PpkRtk);
    out[Gcp] = on(Adjustment) && on(Gcp);
    for (int i = QuickMosaic; i < kFlagCount; ++i)
        out[i] = on(i);
}

void RunSettingWidget::ClickOK()
{
    AcceptDialog();
}

void RunSettingWidget::ClickCancel()
{
    RejectDialog();
}

void RunSettingWidget::ClickBA(bool on)
{
    m_boxes[PpkRtk]->setEnabled(on);
    m_boxes[Gcp]->setEnabled(on);
}

// The products need nothing from each other yet; the slots are where a
// dependency between them would go.
void RunSettingWidget::ClickDSM(bool) { }

void RunSettingWidget::ClickTDOM(bool) { }

void RunSettingWidget::ClickDSMMesh(bool) { }

void RunSettingWidget::Click3DMesh(bool) { }

RunSettingDialog::RunSettingDialog(QWidget* parent)
    : ContentDialog(tr("Select Method"), parent)
{ }
