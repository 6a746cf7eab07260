#include "imagery/gpsloaddialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/language.h"
#include "framework/runwizard.h"
#include "imagery/gpssettingdialog.h"
#include "imagery/rinexheader.h"
#include "kvfd/kvconststringfactory.h"
#include "kvgps/gpshelper.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <vector>

namespace {

constexpr int kNoRover = 123;
constexpr int kNoBase = 124;
constexpr int kNoBasePosition = 125;

// The distance is put in where "%.1lf" stands.
const char* const kDeviation = QT_TRANSLATE_NOOP("kvui", "坐标偏差: %.1lfkm, 是否继续!");

// The number in a coordinate field; false for an empty field and for text
// that is no number, which is never taken for 0.
bool FieldValue(const QLineEdit* edit, double& value)
{
    bool ok = false;
    value = edit->text().trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

GPSLoadWidget::GPSLoadWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("GPSLoadWidget"));
    setFixedSize(640, 420);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 16, 30, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    const QSize editSize(0, 28);
    const QSize browseSize(28, 28);

    grid->addWidget(kvui::MakeLabel(this, tr("Rover")), 0, 0);
    const kvui::BrowseRow rover
        = kvui::AddBrowseRow(grid, 1, 0, tr("Observation"), "gpslw_move_obs_", editSize,
                             "gpslw_add_move_obs_", browseSize);
    m_roverObs = rover.edit;

    m_useBase = new QCheckBox(tr("Base"), this);
    m_useBase->setObjectName(QStringLiteral("gpslw_use_base_"));
    grid->addWidget(m_useBase, 2, 0, 1, 2);
    const kvui::BrowseRow base
        = kvui::AddBrowseRow(grid, 3, 0, tr("Observation"), "gpslw_base_obs_", editSize,
                             "gpslw_add_base_obs_", browseSize);
    m_baseObs = base.edit;
    m_addBase = base.browse;

    auto* sources = new QHBoxLayout();
    m_fromRinex = kvui::MakeRadioButton(this, "gpslw_xyz_from_rinex_", tr("Rinex Header"), QSize(),
                                        nullptr);
    m_auto = kvui::MakeRadioButton(this, "gpslw_xyz_auto_", tr("Auto"), QSize(), nullptr);
    m_custom = kvui::MakeRadioButton(this, "gpslw_xyz_custom_", tr("Custom"), QSize(), nullptr);
    auto* sourceGroup = new QButtonGroup(this);
    for (QRadioButton* button : {m_fromRinex, m_auto, m_custom}) {
        sourceGroup->addButton(button);
        sources->addWidget(button);
    }
    sources->addStretch();
    grid->addLayout(sources, 4, 1, 1, 2);

    auto* position = new QGridLayout();
    m_latitude
        = kvui::AddLineEditRow(position, 0, 0, tr("Latitude(°)"), "gpslw_latitude_", editSize).edit;
    m_longitude
        = kvui::AddLineEditRow(position, 1, 0, tr("Longitude(°)"), "gpslw_longitude_", editSize)
              .edit;
    m_height
        = kvui::AddLineEditRow(position, 2, 0, tr("Elevation(m)"), "gpslw_height_", editSize).edit;
    kvui::AcceptReal(m_latitude, -90.0, 90.0);
    kvui::AcceptReal(m_longitude, -180.0, 180.0);
    kvui::AcceptReal(m_height, -1000.0, 100000.0);
    grid->addLayout(position, 5, 1, 1, 2);

    auto* navigation = new QHBoxLayout();
    m_navRover = kvui::MakeRadioButton(this, "gpslw_nav_rover_", tr("Rover"), QSize(), nullptr);
    m_navBase = kvui::MakeRadioButton(this, "gpslw_nav_base_", tr("Base"), QSize(), nullptr);
    auto* navigationGroup = new QButtonGroup(this);
    navigationGroup->addButton(m_navRover);
    navigationGroup->addButton(m_navBase);
    navigation->addWidget(m_navRover);
    navigation->addWidget(m_navBase);
    navigation->addStretch();
    grid->addWidget(kvui::MakeLabel(this, tr("Navigation")), 6, 0);
    grid->addLayout(navigation, 6, 1, 1, 2);
    grid->setRowStretch(7, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("gpslw_ok_", tr("Next"), "kvcombtn");
    QPushButton* cancel = buttons.Add("gpslw_cancel_", tr("Exit"), "kvquitbtn");
    ok->setDefault(true);
    grid->addLayout(buttons.Layout(), 8, 0, 1, 3);

    m_fromRinex->setChecked(true);
    m_navRover->setChecked(true);
    ClickUseBase(false);

    connect(m_useBase, &QCheckBox::toggled, this, &GPSLoadWidget::ClickUseBase);
    connect(rover.browse, &QPushButton::clicked, this, &GPSLoadWidget::AddMoveObs);
    connect(m_addBase, &QPushButton::clicked, this, &GPSLoadWidget::AddBaseObs);
    connect(m_fromRinex, &QRadioButton::toggled, this, &GPSLoadWidget::ClickXYZRinex);
    connect(m_auto, &QRadioButton::toggled, this, &GPSLoadWidget::ClickXYZAuto);
    connect(m_custom, &QRadioButton::toggled, this, &GPSLoadWidget::ClickXYZCustom);
    connect(ok, &QPushButton::clicked, this, &GPSLoadWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &GPSLoadWidget::ClickCancel);
}

void GPSLoadWidget::SetGPSParam(const kvgps::GPSParam& param)
{
    // Exit hands back what was given, not a default record.
    m_param = param;
    m_roverObs->setText(String2QString(param.rover_obs_path));
    if (!param.use_base)
        return;
    m_useBase->setChecked(true);
    m_baseObs->setText(String2QString(param.base_obs_path));
    (param.nav_source == 1 ? m_navRover : m_navBase)->setChecked(true);
    ClickUseBase(true);
    switch (param.base_position_mode) {
    case 0:
        m_fromRinex->setChecked(true);
        FillFromHeader();
        break;
    case 1:
        m_auto->setChecked(true);
        break;
    case 2:
        m_custom->setChecked(true);
        m_longitude->setText(QString::number(param.base_longitude, 'f', 12));
        m_latitude->setText(QString::number(param.base_latitude, 'f', 12));
        m_height->setText(QString::number(param.base_height, 'f', 6));
        break;
    default:
        break;
    }
    UpdateCoordinateFields();
}

void GPSLoadWidget::ClickUseBase(bool checked)
{
    for (QWidget* widget : std::initializer_list<QWidget*> {
             m_baseObs, m_addBase, m_fromRinex, m_auto, m_custom, m_navRover, m_navBase})
        widget->setEnabled(checked);
    UpdateCoordinateFields();
}

void GPSLoadWidget::UpdateCoordinateFields()
{
    const bool typed = m_useBase->isChecked() && m_custom->isChecked();
    for (QLineEdit* edit : {m_latitude, m_longitude, m_height})
        edit->setEnabled(typed);
}

void GPSLoadWidget::FillFromHeader()
{
    double xyz[3];
    if (kvui::ReadRinexApproxPosition(QString2String(m_baseObs->text().trimmed()), xyz)
        != kvui::RinexHeaderResult::Found)
        return;
    double llh[3];
    kvgps::GPSHelper::ECEF2LL(xyz, llh);
    m_longitude->setText(QString::number(llh[0], 'f', 8));
    m_latitude->setText(QString::number(llh[1], 'f', 8));
    m_height->setText(QString::number(llh[2], 'f', 4));
}

void GPSLoadWidget::AddBaseObs()
{
    const QString file
        = kvui::ChooseFile(this, tr("Add Base Data"), tr("Observation (*.*o);;All(*.*)"));
    if (file.isEmpty())
        return;
    m_baseObs->setText(file);
    if (m_fromRinex->isChecked())
        FillFromHeader();
}

void GPSLoadWidget::AddMoveObs()
{
    const QString file
        = kvui::ChooseFile(this, tr("Add Rover Data"), tr("Observation (*.*o;*_MO.RNX);;All(*.*)"));
    if (!file.isEmpty())
        m_roverObs->setText(file);
}

void GPSLoadWidget::ClickXYZAuto(bool)
{
    UpdateCoordinateFields();
}

void GPSLoadWidget::ClickXYZCustom(bool)
{
    UpdateCoordinateFields();
}

void GPSLoadWidget::ClickXYZRinex(bool checked)
{
    if (checked)
        FillFromHeader();
    UpdateCoordinateFields();
}

void GPSLoadWidget::ClickOK()
{
    kvgps::GPSParam param;
    const QString rover = m_roverObs->text().trimmed();
    if (rover.isEmpty()) {
        KvMessageBox::Show(kvfd::KvGetConstString(kNoRover), KvMessageBox::BT_OK);
        return;
    }
    param.rover_obs_path = QString2String(rover);

    if (m_useBase->isChecked()) {
        const QString base = m_baseObs->text().trimmed();
        if (base.isEmpty()) {
            KvMessageBox::Show(kvfd::KvGetConstString(kNoBase), KvMessageBox::BT_OK);
            return;
        }
        param.use_base = 1;
        param.positioning = 1;
        param.base_obs_path = QString2String(base);
        param.nav_source = m_navRover->isChecked() ? 1 : 0;

        if (m_auto->isChecked()) {
            param.base_position_mode = 1;
        } else {
            param.base_position_mode = 2;
            double llh[3];
            if (!FieldValue(m_longitude, llh[0]) || !FieldValue(m_latitude, llh[1])
                || !FieldValue(m_height, llh[2])) {
                KvMessageBox::Show(kvfd::KvGetConstString(kNoBasePosition), KvMessageBox::BT_OK);
                return;
            }
            param.base_longitude = llh[0];
            param.base_latitude = llh[1];
            param.base_height = llh[2];

            double header[3];
            if (kvui::ReadRinexApproxPosition(param.base_obs_path, header)
                == kvui::RinexHeaderResult::Found) {
                double typed[3];
                kvgps::GPSHelper::LL2ECEF(llh, typed);
                const double distance
                    = std::hypot(typed[0] - header[0], typed[1] - header[1], typed[2] - header[2]);
                if (distance > kMaxDeviation) {
                    // Translated before the distance goes in: the box would
                    // not find the whole message in the catalogue.
                    QString question = kvui::LocalText(kDeviation);
                    question.replace(QLatin1String("%.1lf"),
                                     QString::number(distance / 1000.0, 'f', 1));
                    if (KvMessageBox::Show(QString2String(question), KvMessageBox::BT_YES_NO)
                        != KvMessageBox::BC_OK)
                        return;
                }
            }
        }
    }
    m_param = param;
    AcceptDialog();
}

void GPSLoadWidget::ClickCancel()
{
    RejectDialog();
}

GPSLoadDialog::GPSLoadDialog(QWidget* parent)
    : ContentDialog(tr("Import GPS"), parent)
{ }

WResut ShowGPSLoadDialog(kvgps::GPSParam& param)
{
    GPSLoadDialog dialog;
    dialog.SetGPSParam(param);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    param = dialog.GetGPSParam();
    return accepted ? WR_NEXT : WR_CANCEL;
}

bool ShowGPSDialog(kvgps::GPSParam& param)
{
    std::vector<kvui::WizardStep<kvgps::GPSParam>> pages;
    pages.emplace_back([](kvgps::GPSParam& stage) { return ShowGPSLoadDialog(stage); });
    pages.emplace_back([](kvgps::GPSParam& stage) { return ShowGPSSettingDialog(stage); });
    return kvui::RunWizard(param, pages);
}
