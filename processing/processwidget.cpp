#include "processing/processwidget.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

ProcessWidget::ProcessWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ProcessWidget"));
    setFixedSize(188, 698);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 10, 0, 10);
    layout->setSpacing(8);

    const auto makeButton = [this](const char* name, QSize size, bool checkable) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(size);
        button->setCheckable(checkable);
        return button;
    };
    auto* batch = makeButton("pw_batch_process_btn_", QSize(140, 30), false);
    auto* calibration = makeButton("pw_flight_calibration_btn_", QSize(140, 30), false);
    layout->addWidget(batch, 0, Qt::AlignHCenter);
    layout->addWidget(calibration, 0, Qt::AlignHCenter);

    auto* groups = new QHBoxLayout();
    groups->setContentsMargins(10, 0, 10, 0);
    groups->setSpacing(4);
    auto* imageGroup = makeButton("pw_image_group_", QSize(52, 30), true);
    auto* gpsGroup = makeButton("pw_gps_group_", QSize(52, 30), true);
    auto* utilityGroup = makeButton("pw_utility_group_", QSize(52, 30), true);
    imageGroup->setChecked(true);
    groups->addWidget(imageGroup);
    groups->addWidget(gpsGroup);
    groups->addWidget(utilityGroup);
    layout->addLayout(groups);

    m_toolArea = new QWidget(this);
    m_toolArea->setObjectName(QStringLiteral("pw_tool_area_"));
    layout->addWidget(m_toolArea);
    Init();
    layout->addStretch();

    auto* views = new QGridLayout();
    views->setContentsMargins(20, 0, 20, 0);
    m_tileView = makeButton("pw_tile_view_btn_", QSize(40, 30), true);
    m_geoView = makeButton("pw_geo_view_btn_", QSize(40, 30), true);
    m_geoView->setChecked(true);
    m_tileLabel = new QLabel(tr("Tile"), this);
    m_geoLabel = new QLabel(tr("GPS"), this);
    views->addWidget(m_tileView, 0, 0, Qt::AlignHCenter);
    views->addWidget(m_geoView, 0, 1, Qt::AlignHCenter);
    views->addWidget(m_tileLabel, 1, 0, Qt::AlignHCenter);
    views->addWidget(m_geoLabel, 1, 1, Qt::AlignHCenter);
    layout->addLayout(views);
    // One view at a time: the tile view or the geographic one.
    auto* viewGroup = new QButtonGroup(this);
    viewGroup->addButton(m_tileView);
    viewGroup->addButton(m_geoView);

    auto* groupButtons = new QButtonGroup(this);
    groupButtons->setExclusive(true);
    groupButtons->addButton(imageGroup);
    groupButtons->addButton(gpsGroup);
    groupButtons->addButton(utilityGroup);

    connect(batch, &QPushButton::clicked, this, &ProcessWidget::ClickBatch);
    connect(calibration, &QPushButton::clicked, this, &ProcessWidget::ClickCalibration);
    connect(imageGroup, &QPushButton::clicked, this, &ProcessWidget::ShowImageButtons);
    connect(gpsGroup, &QPushButton::clicked, this, &ProcessWidget::ShowGPSButtons);
    connect(utilityGroup, &QPushButton::clicked, this, &ProcessWidget::ShowUtilities);
    connect(m_tileView, &QPushButton::clicked, this, &ProcessWidget::ClickTileView);
    connect(m_geoView, &QPushButton::clicked, this, &ProcessWidget::ClickGeoView);
    ShowImageButtons();
}

void ProcessWidget::Init()
{
    if (!m_tools.isEmpty())
        return;
    struct Entry
    {
        const char* name;
        Group group;
        void (ProcessWidget::*signal)();
    };
    static const Entry entries[] = {
        {"pw_change_format_btn_", ImageGroup, &ProcessWidget::ClickChangeFormat},
        {"pw_resample_btn_", ImageGroup, &ProcessWidget::ClickResample},
        {"pw_rotate_btn_", ImageGroup, &ProcessWidget::ClickRotation},
        {"pw_pyramid_btn_", ImageGroup, &ProcessWidget::ClickPyramid},
        {"pw_init_correct_btn_", ImageGroup, &ProcessWidget::ClickInitCorrection},
        {"pw_distortion_btn_", ImageGroup, &ProcessWidget::ClickUnDistortion},
        {"pw_enhancement_btn_", ImageGroup, &ProcessWidget::ClickEnhancement},
        {"pw_balance_color_btn_", ImageGroup, &ProcessWidget::ClickBalanceColor},
        {"pw_exif_", ImageGroup, &ProcessWidget::ClickExif},
        {"pw_rt27_", GPSGroup, &ProcessWidget::ClickRT27},
        {"pw_atom_", GPSGroup, &ProcessWidget::ClickATOM},
        {"pw_rinex_check_", GPSGroup, &ProcessWidget::ClickAddEventMark},
        {"pw_gps_solve_", GPSGroup, &ProcessWidget::ClickGPSSolve},
        // Adding a flight from GPS data is kept for the host, never offered.
        {"pw_gps_add_flight_", HiddenGroup, &ProcessWidget::ClickGPSAddFlight},
        {"pw_dem_check_", UtilityGroup, &ProcessWidget::ClickDEMClick},
        {"pw_rename_", UtilityGroup, &ProcessWidget::ClickRename},
        {"pw_lever_arm_btn_", UtilityGroup, &ProcessWidget::ClickLeverArm},
        {"pw_raw2tif_btn_", UtilityGroup, &ProcessWidget::ClickRAW2TIF},
    };
    auto* column = new QVBoxLayout(m_toolArea);
    column->setContentsMargins(24, 0, 24, 0);
    column->setSpacing(0);
    for (const Entry& entry : entries) {
        auto* button = new QPushButton(m_toolArea);
        button->setObjectName(QLatin1String(entry.name));
        button->setFixedSize(140, 30);
        column->addWidget(button);
        connect(button, &QPushButton::clicked, this, entry.signal);
        m_tools.append({button, entry.group});
    }
    column->addItem(new QSpacerItem(168, 70, QSizePolicy::Minimum, QSizePolicy::Fixed));
}

void ProcessWidget::SetSimple(bool simple)
{
    m_tileView->setVisible(!simple);
    m_tileLabel->setVisible(!simple);
    m_geoView->setVisible(!simple);
    m_geoLabel->setVisible(!simple);
    if (simple)
        m_tileView->setChecked(true);
    else
        m_geoView->setChecked(true);
}

void ProcessWidget::ShowImageButtons()
{
    ShowGroup(ImageGroup, QSize(188, 332));
}

void ProcessWidget::ShowGPSButtons()
{
    ShowGroup(GPSGroup, QSize(188, 160));
}

void ProcessWidget::ShowUtilities()
{
    ShowGroup(UtilityGroup, QSize(188, 160));
}

void ProcessWidget::ShowGroup(Group group, QSize area)
{
    for (const Tool& tool : qAsConst(m_tools))
        tool.button->setVisible(tool.group == group);
    m_toolArea->setFixedSize(area);
}
