#include "imagery/elevationdialog.h"

#include "framework/formrows.h"
#include "framework/kvservice.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <cmath>

ElevationWidget::ElevationWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ElevationWidget"));
    setFixedSize(420, 200);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(40, 16, 40, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);
    const QSize editSize(0, 28);
    m_longitude
        = kvui::AddLineEditRow(layout, 0, 0, tr("Longitude"), "ew_longitude_", editSize).edit;
    m_latitude = kvui::AddLineEditRow(layout, 1, 0, tr("Latitude"), "ew_latitude_", editSize).edit;
    m_elevation
        = kvui::AddLineEditRow(layout, 2, 0, tr("Elevation"), "ew_elevation_", editSize).edit;
    kvui::AcceptReal(m_longitude, -180.0, 180.0);
    kvui::AcceptReal(m_latitude, -90.0, 90.0);
    kvui::AcceptReal(m_elevation, kLowestElevation, kHighestElevation);
    // Why the last query brought no height: told here rather than in a box, so
    // that the operator can type a height at once.
    m_reason = kvui::MakeLabel(this, QString(), "ew_reason_");
    m_reason->setWordWrap(true);
    layout->addWidget(m_reason, 3, 0, 1, 2);

    kvui::ButtonRow buttons(this, QSize(88, 30), kvui::ButtonRow::Centre);
    auto* get = buttons.Add("ew_get_", tr("Get"), "kvcombtn");
    m_apply = buttons.Add("ew_apply_", tr("Apply"), "kvcombtn");
    auto* quit = buttons.Add("ew_quit_", tr("Quit"), "kvquitbtn");
    // Three buttons in a narrow form: closer than a row's usual spacing.
    buttons.Layout()->setSpacing(24);
    layout->addLayout(buttons.Layout(), 4, 0, 1, 2);
    layout->setRowStretch(3, 1);

    connect(get, &QPushButton::clicked, this, &ElevationWidget::ClickGet);
    connect(m_apply, &QPushButton::clicked, this, &ElevationWidget::ClickApply);
    connect(quit, &QPushButton::clicked, this, &ElevationWidget::ClickQuit);
    // A typed height is the operator's answer: the reason of an earlier
    // failed query no longer holds.
    connect(m_elevation, &QLineEdit::textEdited, this, [this] { SetFailure(QString()); });
    connect(m_elevation, &QLineEdit::textChanged, this, &ElevationWidget::UpdateApply);
    UpdateApply();
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

bool ElevationWidget::CanApply() const
{
    return m_failure.isEmpty() && m_elevation->hasAcceptableInput();
}

void ElevationWidget::SetFailure(const QString& failure)
{
    m_failure = failure;
    m_reason->setText(failure);
    UpdateApply();
}

void ElevationWidget::UpdateApply()
{
    m_apply->setEnabled(CanApply());
}

void ElevationWidget::ClickGet()
{
    const double longitude = m_longitude->text().toDouble();
    const double latitude = m_latitude->text().toDouble();
    const QString invalid = tr("Invalid position: longitude within ±180°, latitude within ±90°.");
    // A typed "nan" or "inf" reads as a number but names no place.
    if (!(std::fabs(longitude) <= 180.0 && std::fabs(latitude) <= 90.0)) {
        SetFailure(invalid);
        return;
    }
    // asprintf formats in the C locale whatever the process locale is.
    const QUrl url = kvui::ServiceUrl(QString::asprintf(
        "/bing/getelevationbypoint?lat_lng=%.10lf%%2C%.10lf", latitude, longitude));
    // The service takes no longer address.
    if (!url.isValid() || url.toEncoded().size() > kMaxUrlLength) {
        SetFailure(invalid);
        return;
    }

    const QPointer<ElevationWidget> alive(this);
    const kvui::HttpResult reply = kvui::HttpGet(url, kTimeoutMs, true, kMaxReplyBytes);
    if (alive)
        TakeReply(reply);
}

void ElevationWidget::TakeReply(const kvui::HttpResult& reply)
{
    if (reply.timedOut) {
        SetFailure(tr("Time-out: the service did not answer within %1 s.")
                       .arg(kTimeoutMs / 1000.0, 0, 'g', 3));
        return;
    }
    if (reply.failed) {
        // No connection at all has no status; the network's own words say why.
        if (reply.status == 0)
            SetFailure(tr("Service unreachable: %1").arg(reply.error));
        else if (reply.status >= 400)
            SetFailure(tr("Refused by the service: HTTP status %1.").arg(reply.status));
        else
            SetFailure(tr("Unusable answer from the service: %1").arg(reply.error));
        return;
    }

    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (!document.isObject()) {
        SetFailure(tr("Unusable answer from the service: it is not a JSON object."));
        return;
    }
    const QJsonObject root = document.object();
    if (!root.contains(QLatin1String("status"))) {
        SetFailure(tr("Unusable answer from the service: it has no status."));
        return;
    }
    // "status" is a decimal text; any other type reads as 0.
    const QString status = root.value(QLatin1String("status")).toString();
    if (status.toInt() != 0) {
        SetFailure(
            tr("Refused by the service (status %1): no elevation for this position.").arg(status));
        return;
    }
    const double elevation = root.value(QLatin1String("data")).toDouble(0.0);
    if (!(elevation > kLowestElevation && elevation < kHighestElevation)) {
        SetFailure(tr("The service's elevation %1 m lies outside −200…10000 m.")
                       .arg(elevation, 0, 'g', 10));
        return;
    }
    m_elevation->setText(QString::number(elevation, 'f', 6));
    SetFailure(QString());
}

void ElevationWidget::ClickApply()
{
    if (CanApply())
        AcceptDialog();
}

void ElevationWidget::ClickQuit()
{
    RejectDialog();
}

ElevationDialog::ElevationDialog(QWidget* parent)
    : ContentDialog(tr("Get elevation from web"), parent)
{ }
