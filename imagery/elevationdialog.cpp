#include "imagery/elevationdialog.h"

#include "framework/formrows.h"
#include "framework/kvservice.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <cmath>

namespace {

// Heights outside these bounds (both excluded) are taken for a broken answer.
constexpr double kLowestElevation = -200.0;
constexpr double kHighestElevation = 10000.0;

} // namespace

ElevationWidget::ElevationWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ElevationWidget"));
    setFixedSize(420, 200);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(40, 20, 40, 16);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(10);
    const QSize editSize(0, 28);
    m_longitude
        = kvui::AddLineEditRow(layout, 0, 0, tr("Longitude"), "ew_longitude_", editSize).edit;
    m_latitude = kvui::AddLineEditRow(layout, 1, 0, tr("Latitude"), "ew_latitude_", editSize).edit;
    m_elevation
        = kvui::AddLineEditRow(layout, 2, 0, tr("Elevation"), "ew_elevation_", editSize).edit;

    kvui::ButtonRow buttons(this, QSize(88, 30), kvui::ButtonRow::Centre);
    auto* get = buttons.Add("ew_get_", tr("Get"), "kvcombtn");
    auto* apply = buttons.Add("ew_apply_", tr("Apply"), "kvcombtn");
    auto* quit = buttons.Add("ew_quit_", tr("Quit"), "kvquitbtn");
    // Three buttons in a narrow form: closer than a row's usual spacing.
    buttons.Layout()->setSpacing(24);
    layout->addLayout(buttons.Layout(), 3, 0, 1, 2);

    connect(get, &QPushButton::clicked, this, &ElevationWidget::ClickGet);
    connect(apply, &QPushButton::clicked, this, &ElevationWidget::ClickApply);
    connect(quit, &QPushButton::clicked, this, &ElevationWidget::ClickQuit);
}

void ElevationWidget::SetPosition(double longitude, double latitude)
{
    m_longitude->setText(QString::number(longitude, 'f', 8));
    m_latitude->setText(QString::number(latitude, 'f', 8));
}

double ElevationWidget::Elevation() const
{
    return m_elevation->text().toDouble();
}

void ElevationWidget::ClickGet()
{
    const double longitude = m_longitude->text().toDouble();
    const double latitude = m_latitude->text().toDouble();
    // A typed "nan" or "inf" reads as a number but names no place.
    if (!std::isfinite(longitude) || !std::isfinite(latitude))
        return;
    // asprintf formats in the C locale whatever the process locale is.
    const QUrl url = kvui::ServiceUrl(QString::asprintf(
        "/bing/getelevationbypoint?lat_lng=%.10lf%%2C%.10lf", latitude, longitude));
    // The service takes no longer address; absurdly large typed values that
    // make it longer are refused here, before any request.
    if (!url.isValid() || url.toEncoded().size() > kMaxUrlLength)
        return;

    const QPointer<ElevationWidget> alive(this);
    const kvui::HttpResult reply = kvui::HttpGet(url, kTimeoutMs, true, kMaxReplyBytes);
    if (!alive || reply.timedOut || reply.failed)
        return;

    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (!document.isObject())
        return;
    const QJsonObject root = document.object();
    // "status" is a decimal text; any other type reads as 0.
    if (!root.contains(QLatin1String("status"))
        || root.value(QLatin1String("status")).toString().toInt() != 0)
        return;
    const double elevation = root.value(QLatin1String("data")).toDouble(0.0);
    if (elevation > kLowestElevation && elevation < kHighestElevation)
        m_elevation->setText(QString::number(elevation, 'f', 6));
}

void ElevationWidget::ClickApply()
{
    AcceptDialog();
}

void ElevationWidget::ClickQuit()
{
    RejectDialog();
}

ElevationDialog::ElevationDialog(QWidget* parent)
    : ContentDialog(tr("Get elevation from web"), parent)
{ }
