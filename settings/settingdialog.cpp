#include "settings/settingdialog.h"

#include "framework/formrows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The seamline field keeps the algorithm's own code of the fine mode.
constexpr int kFineSeamline = 4;

const QSize kComboSize(200, 26);

} // namespace

SettingWidget::SettingWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("SettingWidget"));
    setFixedSize(600, 400);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 12, 30, 16);
    const auto group = [this, layout](const QString& title, const char* name) {
        // A group title takes "&" for a shortcut mark; these are plain ones.
        auto* box
            = new QGroupBox(QString(title).replace(QLatin1Char('&'), QLatin1String("&&")), this);
        box->setObjectName(QLatin1String(name));
        layout->addWidget(box);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(2, 1);
        return grid;
    };
    const auto combo = [](QGridLayout* grid, int row, const QString& label, const char* name,
                          const QStringList& items, const QString& tip) {
        QComboBox* made = kvui::AddComboRow(grid, row, 0, label, name, kComboSize).combo;
        made->addItems(items);
        made->setToolTip(tip);
        return made;
    };

    QGridLayout* dem = group(tr("DEM"), "sw_dem_group_");
    m_landscape = combo(dem, 0, tr("Landscape:"), "sw_landscape_",
                        {tr("City"), tr("Mountain"), tr("River")}, tr("DEM滤波算法"));
    m_filter
        = combo(dem, 1, tr("Filter:"), "sw_filter_", {tr("Auto"), tr("TIN")}, tr("DEM滤波算法"));
    QGridLayout* seamline = group(tr("Seamline"), "sw_seamline_group_");
    m_seamline = combo(seamline, 0, tr("Mode:"), "sw_seamline_", {tr("Regular"), tr("Fine")},
                       tr("镶嵌线算法"));
    QGridLayout* general = group(tr("General"), "sw_general_group_");
    m_device = combo(general, 0, tr("Device:"), "sw_device_",
                     {QStringLiteral("CUDA"), QStringLiteral("GLSL"), QStringLiteral("CPU")},
                     tr("计算设备"));
    QGridLayout* matching
        = group(tr("Feature & Matching & Bundle Adjustment"), "sw_matching_group_");
    m_usage = combo(matching, 0, tr("Usage:"), "sw_usage_", {tr("NoMapping"), tr("Mapping")},
                    tr("是否自检校"));
    m_calibration = combo(matching, 1, tr("Calibration:"), "sw_calibration_",
                          {tr("Ajust"), tr("Keep")}, tr("是否自检校"));
    layout->addStretch();

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("sw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("sw_cancel_", tr("Cancel"), "kvquitbtn");
    ok->setDefault(true);
    layout->addLayout(buttons.Layout());
    connect(ok, &QPushButton::clicked, this, &SettingWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &SettingWidget::ClickCancel);
}

void SettingWidget::SetAlgoSetting(const kvfd::AlgoSetting& setting)
{
    const auto set = [](QComboBox* combo, int index) {
        if (index >= 0 && index < combo->count())
            combo->setCurrentIndex(index);
    };
    set(m_landscape, setting.landscape);
    set(m_usage, setting.usage);
    set(m_seamline, setting.seamlineMode == kFineSeamline ? 1 : 0);
    set(m_calibration, setting.adjustCalibration ? 0 : 1);
    set(m_device, setting.device);
    set(m_filter, setting.demFilter != 0 ? 1 : 0);
}

kvfd::AlgoSetting SettingWidget::GetAlgoSetting() const
{
    kvfd::AlgoSetting setting;
    setting.landscape = m_landscape->currentIndex();
    setting.usage = m_usage->currentIndex();
    setting.seamlineMode = m_seamline->currentIndex() > 0 ? kFineSeamline : 0;
    setting.adjustCalibration = m_calibration->currentIndex() == 0;
    setting.device = m_device->currentIndex();
    setting.demFilter = m_filter->currentIndex();
    return setting;
}

void SettingWidget::ClickOK()
{
    AcceptDialog();
}

void SettingWidget::ClickCancel()
{
    RejectDialog();
}

SettingDialog::SettingDialog()
    : ContentDialog(tr("Setting"), nullptr)
{ }
