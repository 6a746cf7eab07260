#include "settings/matchsettingwidget.h"

#include "framework/formrows.h"
#include "framework/kvstyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

namespace {

const int kFeatureTable[] = {1000, 2000, 4000, 6000, 8000, 10000, 15000, 20000, 40000, 100000};
const int kBlockTable[] = {-1, 800, 1000, 1500, 2000, 3000, 4000, 5000};

const QSize kComboSize(120, 26);
const QSize kEditSize(80, 26);

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    kvui::SetStyleName(box, "kvcheckbox");
    return box;
}

template <std::size_t N> void FillTable(QComboBox* combo, const int (&table)[N])
{
    for (int value : table)
        combo->addItem(QString::number(value));
}

template <std::size_t N> void SelectInTable(QComboBox* combo, const int (&table)[N], int value)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == value) {
            combo->setCurrentIndex(int(i));
            return;
        }
    }
}

template <std::size_t N> int TableValue(const QComboBox* combo, const int (&table)[N])
{
    const int index = combo->currentIndex();
    return index >= 0 && index < int(N) ? table[index] : table[0];
}

// An index the combo does not have leaves it as it is, as the tables do,
// rather than leaving no item current.
void SetIndex(QComboBox* combo, int index)
{
    if (index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

QString Fixed2(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

MatchSettingWidget::MatchSettingWidget(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MatchSettingWidget"));
    setWindowTitle(tr("Algorithm Setting"));
    setFixedSize(699, 398);

    auto* top = new QGridLayout(this);
    top->setContentsMargins(16, 12, 16, 12);
    top->setHorizontalSpacing(12);
    top->setVerticalSpacing(8);

    // Feature extraction and matching.
    auto* match = new QGroupBox(tr("Feature Extraction And Match"), this);
    match->setObjectName(QStringLiteral("msw_match_group_"));
    auto* matchGrid = new QGridLayout(match);
    m_block = kvui::AddComboRow(matchGrid, 0, 0, tr("Block: "), "msw_block_", kComboSize).combo;
    FillTable(m_block, kBlockTable);
    m_features
        = kvui::AddComboRow(matchGrid, 1, 0, tr("Features: "), "msw_features_", kComboSize).combo;
    FillTable(m_features, kFeatureTable);
    matchGrid->addWidget(kvui::MakeLabel(match, tr("Oblique:")), 2, 0);
    m_oblique = MakeCheckBox(match, "msw_oblique_");
    matchGrid->addWidget(m_oblique, 2, 1);
    top->addWidget(match, 0, 0);

    // Bundle adjustment.
    auto* ba = new QGroupBox(tr("Bundle Adjustment"), this);
    ba->setObjectName(QStringLiteral("msw_ba_group_"));
    auto* baGrid = new QGridLayout(ba);
    baGrid->addWidget(kvui::MakeLabel(ba, tr("LSM:")), 0, 0);
    m_lsm = MakeCheckBox(ba, "msw_lsm_");
    baGrid->addWidget(m_lsm, 0, 1);
    baGrid->addWidget(kvui::MakeLabel(ba, tr("HP GPS: ")), 1, 0);
    m_hpGps = MakeCheckBox(ba, "msw_hp_gps_");
    baGrid->addWidget(m_hpGps, 1, 1);
    m_gcpWeight
        = kvui::AddLineEditRow(baGrid, 2, 0, tr("GCP Weight:"), "msw_gcp_weight_", kEditSize).edit;
    m_gcpWeight->setText(QStringLiteral("2.0"));
    baGrid->addWidget(kvui::MakeLabel(ba, tr("GPS Weight:")), 3, 0);
    auto* gps = new QHBoxLayout();
    const char* const gpsNames[3] = {"msw_gps_weight_0_", "msw_gps_weight_1_", "msw_gps_weight_2_"};
    for (int i = 0; i < 3; ++i) {
        m_gpsWeight[i] = kvui::MakeLineEdit(ba, gpsNames[i], QSize(60, 26));
        m_gpsWeight[i]->setText(QStringLiteral("1.0"));
        gps->addWidget(m_gpsWeight[i]);
    }
    baGrid->addLayout(gps, 3, 1);
    top->addWidget(ba, 1, 0);

    // Surface and ortho-image generation.
    auto* srtech = new QGroupBox(tr("SRTECH"), this);
    srtech->setObjectName(QStringLiteral("msw_srtech_group_"));
    auto* srGrid = new QGridLayout(srtech);
    m_scenario = kvui::AddComboRow(srGrid, 0, 0, tr("Scenario"), "msw_scenario_", kComboSize).combo;
    m_scenario->addItems({QStringLiteral("DEFAULT"), QStringLiteral("OBLIQUE")});
    m_scale = kvui::AddComboRow(srGrid, 1, 0, tr("Scale"), "msw_scale_", kComboSize).combo;
    m_scale->addItems({QStringLiteral("1:1"), QStringLiteral("1:2"), QStringLiteral("1:4"),
                       QStringLiteral("1:8"), QStringLiteral("1:16"), QStringLiteral("1:32")});
    m_dsm = kvui::AddComboRow(srGrid, 2, 0, tr("DSM"), "msw_dsm_", kComboSize).combo;
    m_dsm->addItems({QStringLiteral("LOWEST"), QStringLiteral("IWD")});
    m_autoResolution = MakeCheckBox(srtech, "msw_auto_resolution_", tr("AUTO RESOLUTION"));
    srGrid->addWidget(m_autoResolution, 3, 0, 1, 2);
    m_dsmFilter = MakeCheckBox(srtech, "msw_dsm_filter_", tr("DSM FILTER"));
    srGrid->addWidget(m_dsmFilter, 4, 0, 1, 2);
    m_radius
        = kvui::AddLineEditRow(srGrid, 5, 0, tr("Search Radius"), "msw_radius_", kEditSize).edit;
    m_maxModels
        = kvui::AddLineEditRow(srGrid, 6, 0, tr("Max Models"), "msw_max_models_", kEditSize).edit;
    top->addWidget(srtech, 0, 1, 2, 1);

    // True-ortho variants: QTDOM stands apart, the other three exclude each
    // other.
    auto* tdom = new QGroupBox(tr("TDOM"), this);
    tdom->setObjectName(QStringLiteral("msw_tdom_group_"));
    auto* tdomRow = new QHBoxLayout(tdom);
    m_qtdom = MakeCheckBox(tdom, "msw_qtdom_", QStringLiteral("QTDOM"));
    m_stdom = MakeCheckBox(tdom, "msw_stdom_", QStringLiteral("STDOM"));
    m_ftdom = MakeCheckBox(tdom, "msw_ftdom_", QStringLiteral("FTDOM"));
    m_sftdom = MakeCheckBox(tdom, "msw_sftdom_", QStringLiteral("SFTDOM"));
    for (QCheckBox* box : {m_qtdom, m_stdom, m_ftdom, m_sftdom})
        tdomRow->addWidget(box);
    m_tdomGroup = new QButtonGroup(this);
    m_tdomGroup->setExclusive(true);
    m_tdomGroup->addButton(m_stdom);
    m_tdomGroup->addButton(m_ftdom);
    m_tdomGroup->addButton(m_sftdom);
    top->addWidget(tdom, 2, 0, 1, 2);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("msw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("msw_cancel_", tr("Cancel"), "kvquitbtn");
    ok->setDefault(true);
    top->addLayout(buttons.Layout(), 3, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void MatchSettingWidget::Set(kvfd::AlgoSetting setting)
{
    SetFeatureNumber(setting.featureNumber);
    SetBlockSize(setting.blockSize);
    SetGCPWeight(setting.gcpWeight);
    SetGPSWeight(setting.gpsWeight);
    SetLSM(setting.lsm);
    SetHPGPS(setting.hpGps);
    SetOblique(setting.oblique);
    SetPYR(setting.pyr);
    SetAutoResolution(setting.autoResolution);
    SetRadius(setting.radius);
    SetIndex(m_dsm, setting.dsmMethod);
    m_dsmFilter->setChecked(setting.dsmFilter != 0);
    m_maxModels->setText(QString::number(setting.maxModels));
    SetScenario(setting.scenario);
    m_qtdom->setChecked(setting.qtdom != 0);
    // An exclusive group never lets its last checked box go; a record with
    // none of the three set must still clear them.
    m_tdomGroup->setExclusive(false);
    m_stdom->setChecked(setting.stdom != 0);
    m_ftdom->setChecked(setting.ftdom != 0);
    m_sftdom->setChecked(setting.sftdom != 0);
    m_tdomGroup->setExclusive(true);
}

void MatchSettingWidget::Get(kvfd::AlgoSetting& setting) const
{
    setting.oblique = GetOblique();
    setting.featureNumber = GetFeatureNumber();
    setting.blockSize = GetBlockSize();
    setting.gcpWeight = GetGCPWeight();
    GetGPSWeight(setting.gpsWeight);
    setting.hpGps = GetHPGPS();
    setting.lsm = GetLSM();
    setting.scenario = GetScenario();
    setting.pyr = GetPYR();
    setting.autoResolution = GetAutoResolution();
    setting.radius = GetRadius();
    setting.dsmMethod = m_dsm->currentIndex();
    setting.dsmFilter = m_dsmFilter->isChecked() ? 1 : 0;
    setting.maxModels = m_maxModels->text().toInt();
    setting.qtdom = m_qtdom->isChecked() ? 1 : 0;
    setting.stdom = m_stdom->isChecked() ? 1 : 0;
    setting.ftdom = m_ftdom->isChecked() ? 1 : 0;
    setting.sftdom = m_sftdom->isChecked() ? 1 : 0;
}

int MatchSettingWidget::GetFeatureNumber() const
{
    return TableValue(m_features, kFeatureTable);
}

void MatchSettingWidget::SetFeatureNumber(int n)
{
    SelectInTable(m_features, kFeatureTable, n);
}

int MatchSettingWidget::GetBlockSize() const
{
    return TableValue(m_block, kBlockTable);
}

void MatchSettingWidget::SetBlockSize(int n)
{
    SelectInTable(m_block, kBlockTable, n);
}

double MatchSettingWidget::GetGCPWeight() const
{
    return m_gcpWeight->text().toDouble();
}

void MatchSettingWidget::SetGCPWeight(double w)
{
    m_gcpWeight->setText(Fixed2(w));
}

void MatchSettingWidget::GetGPSWeight(double* w) const
{
    for (int i = 0; i < 3; ++i)
        w[i] = m_gpsWeight[i]->text().toDouble();
}

void MatchSettingWidget::SetGPSWeight(const double* w)
{
    for (int i = 0; i < 3; ++i)
        m_gpsWeight[i]->setText(Fixed2(w[i]));
}

int MatchSettingWidget::GetLSM() const
{
    return m_lsm->isChecked() ? 1 : 0;
}

void MatchSettingWidget::SetLSM(int v)
{
    m_lsm->setChecked(v != 0);
}

int MatchSettingWidget::GetHPGPS() const
{
    return m_hpGps->isChecked() ? 1 : 0;
}

void MatchSettingWidget::SetHPGPS(int v)
{
    m_hpGps->setChecked(v != 0);
}

bool MatchSettingWidget::GetOblique() const
{
    return m_oblique->isChecked();
}

void MatchSettingWidget::SetOblique(bool v)
{
    m_oblique->setChecked(v);
}

int MatchSettingWidget::GetPYR() const
{
    return m_scale->currentIndex();
}

void MatchSettingWidget::SetPYR(int v)
{
    SetIndex(m_scale, v);
}

int MatchSettingWidget::GetAutoResolution() const
{
    return m_autoResolution->isChecked() ? 1 : 0;
}

void MatchSettingWidget::SetAutoResolution(int v)
{
    m_autoResolution->setChecked(v >= 1);
}

int MatchSettingWidget::GetRadius() const
{
    return m_radius->text().toInt();
}

void MatchSettingWidget::SetRadius(int r)
{
    m_radius->setText(QString::number(r));
}

int MatchSettingWidget::GetScenario() const
{
    return m_scenario->currentIndex();
}

void MatchSettingWidget::SetScenario(int v)
{
    SetIndex(m_scenario, v);
}
