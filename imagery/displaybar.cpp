#include "imagery/displaybar.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

namespace {

constexpr double kDegree = 0.017453292519943295;

} // namespace

DisplayBar::DisplayBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("DisplayBar"));
    resize(186, 700);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);

    QFont labelFont = font();
    labelFont.setPointSize(labelFont.pointSize() + 1);

    auto* switches = new QGridLayout();
    switches->setHorizontalSpacing(8);
    switches->setVerticalSpacing(6);
    int row = 0;
    const auto addSwitch = [&](const char* name, const QString& label, bool checked) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setCheckable(true);
        button->setChecked(checked);
        button->setFixedSize(40, 24);
        auto* text = new QLabel(label, this);
        text->setFont(labelFont);
        switches->addWidget(button, row, 0);
        switches->addWidget(text, row, 1);
        ++row;
        return button;
    };
    m_gps = addSwitch("db_gps_check_btn_", tr("GPS"), true);
    m_footprint = addSwitch("db_footprint_check_btn_", tr("Footprint"), true);
    m_imageId = addSwitch("db_imageid_check_btn_", tr("Image ID"), true);
    m_image = addSwitch("db_image_check_btn_", tr("Image"), false);
    m_flightLine = addSwitch("db_flight_line_check_btn_", tr("Flight"), false);
    m_link = addSwitch("db_link_check_btn_", tr("Link"), false);
    m_imu = addSwitch("db_imu_check_btn_", tr("IMU"), false);
    layout->addLayout(switches);

    auto* refresh = new QHBoxLayout();
    auto* refreshFlight = new QPushButton(this);
    refreshFlight->setObjectName(QStringLiteral("db_refresh_flight_btn_"));
    refreshFlight->setFixedSize(40, 24);
    auto* refreshImage = new QPushButton(this);
    refreshImage->setObjectName(QStringLiteral("db_refresh_image_btn_"));
    refreshImage->setFixedSize(40, 24);
    refresh->addWidget(refreshFlight);
    refresh->addWidget(refreshImage);
    refresh->addStretch();
    layout->addLayout(refresh);

    m_flights = new QComboBox(this);
    m_flights->setObjectName(QStringLiteral("comboBox_airline"));
    m_flights->setStyleSheet(QStringLiteral(
        "background-color:rgb(35, 24, 21);\nborder:2px solid rgb(217, 217, 217);\n"
        "border-radius:4px;\ncolor:rgb(255, 255, 255);\n QAbstractItemView {\n    border: 2px "
        "solid red;\n}"));
    m_flights->setFixedHeight(28);
    layout->addWidget(m_flights);

    m_thresholds = new QTableWidget(2, 3, this);
    m_thresholds->setObjectName(QStringLiteral("imu_setting_table_widget_"));
    m_thresholds->horizontalHeader()->setVisible(false);
    m_thresholds->verticalHeader()->setVisible(false);
    m_thresholds->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_thresholds->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_thresholds->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_thresholds->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_thresholds->setFixedHeight(64);
    const QString names[2] = {tr("Roll"), tr("Pitch")};
    for (int r = 0; r < 2; ++r) {
        auto* name = new QTableWidgetItem(names[r]);
        name->setFlags(Qt::ItemIsEnabled);
        m_thresholds->setItem(r, 0, name);
        m_thresholds->setItem(r, 1, new QTableWidgetItem(QString::number(m_threshold[r])));
        m_thresholds->setItem(r, 2, new QTableWidgetItem(QString::number(m_threshold[r + 2])));
    }
    layout->addWidget(m_thresholds);
    layout->addStretch();

    connect(m_gps, &QPushButton::clicked, this, qOverload<>(&DisplayBar::ShowGPS));
    connect(m_flightLine, &QPushButton::clicked, this, qOverload<>(&DisplayBar::ShowFlightLine));
    connect(m_footprint, &QPushButton::clicked, this, qOverload<>(&DisplayBar::ShowFootprint));
    connect(m_imageId, &QPushButton::clicked, this, qOverload<>(&DisplayBar::ShowImageId));
    connect(m_image, &QPushButton::clicked, this, qOverload<>(&DisplayBar::ShowImage));
    connect(m_imu, &QPushButton::clicked, this, qOverload<>(&DisplayBar::ShowIMU));
    connect(m_link, &QPushButton::clicked, this, qOverload<>(&DisplayBar::ShowLink));
    connect(refreshFlight, &QPushButton::clicked, this, &DisplayBar::RefreshFlight);
    connect(refreshImage, &QPushButton::clicked, this, &DisplayBar::RefreshImage);
    connect(m_flights, qOverload<int>(&QComboBox::activated), this, &DisplayBar::Activated);
    connect(m_thresholds, &QTableWidget::cellChanged, this, &DisplayBar::CellChanged);
}

void DisplayBar::Clear()
{
    m_gps->setChecked(true);
    m_footprint->setChecked(true);
    m_imageId->setChecked(true);
    m_image->setChecked(false);
    m_flightLine->setChecked(false);
    m_link->setChecked(false);
    m_imu->setChecked(false);
}

void DisplayBar::GetThreshold(double out[4]) const
{
    for (int i = 0; i < 4; ++i)
        out[i] = m_threshold[i] * kDegree;
}

void DisplayBar::SetImageChecked(bool checked)
{
    m_image->setChecked(checked);
}

void DisplayBar::InitCombox(int flights)
{
    m_flights->clear();
    m_flights->addItem(QString());
    for (int k = 1; k <= flights; ++k)
        m_flights->addItem(tr("Flight%1").arg(k));
    m_flights->addItem(tr("New Flight %1").arg(flights + 1));
    m_flights->setCurrentIndex(1);
}

void DisplayBar::SetIndex(int index)
{
    if (index == 0 || index == -1)
        m_flights->setCurrentIndex(0);
    else if (index > 0 && index < m_flights->count())
        m_flights->setCurrentIndex(index);
}

bool DisplayBar::IsIMUChecked() const
{
    return m_imu->isChecked();
}

void DisplayBar::ShowGPS()
{
    Q_EMIT ShowGPS(m_gps->isChecked());
}

void DisplayBar::ShowFlightLine()
{
    Q_EMIT ShowFlightLine(m_flightLine->isChecked());
}

void DisplayBar::ShowFootprint()
{
    Q_EMIT ShowFootprint(m_footprint->isChecked());
}

void DisplayBar::ShowImageId()
{
    Q_EMIT ShowImageId(m_imageId->isChecked());
}

void DisplayBar::ShowImage()
{
    Q_EMIT ShowImage(m_image->isChecked());
}

void DisplayBar::ShowIMU()
{
    Q_EMIT ShowIMU(m_imu->isChecked());
}

void DisplayBar::ShowLink()
{
    Q_EMIT ShowLink(m_link->isChecked());
}

void DisplayBar::Activated(int index)
{
    const int last = m_flights->count() - 1;
    if (index == last && index > 0) {
        // The new flight becomes a flight like the others, and another new
        // one waits behind it.
        m_flights->setItemText(index, tr("Flight%1").arg(index));
        m_flights->setCurrentIndex(index);
        m_flights->addItem(tr("New Flight %1").arg(m_flights->count()));
    } else if (index == 0) {
        index = 1;
        m_flights->setCurrentIndex(index);
    }
    Q_EMIT OnChangeFlight(index);
}

void DisplayBar::CellChanged(int row, int column)
{
    if (column != 1 && column != 2)
        return;
    if (row != 0 && row != 1)
        return;
    QTableWidgetItem* cell = m_thresholds->item(row, column);
    if (!cell)
        return;
    int& stored = m_threshold[row + (column - 1) * 2];
    bool ok = false;
    const double value = cell->text().trimmed().toDouble(&ok);
    // Below the range of int the number cannot be stored at all.
    if (!ok || !(value <= 360.0) || value < double(std::numeric_limits<int>::min())) {
        // Putting the old number back must not count as another edit.
        const QSignalBlocker blocker(m_thresholds);
        cell->setText(QString::number(stored));
        return;
    }
    stored = int(value);
    if (m_imu->isChecked())
        Q_EMIT UpdateIMU();
}
