#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvui {
struct HttpResult;
}

// Content of the "Get elevation from web" dialog: a longitude and latitude,
// and the ground height that Get fetches for them from the elevation web
// service. When a query brings no height the elevation field keeps its value
// and a line under the fields says why; Apply is then withheld until a height
// is typed or fetched, so that the kept value is not taken for the answer.
class KVUI_EXPORT ElevationWidget : public BaseWidget
{
    Q_OBJECT

public:
    // How long one query may take.
    static constexpr int kTimeoutMs = 3000;
    // Longest query URL the service is asked for.
    static constexpr int kMaxUrlLength = 255;
    // A longer reply cannot be an elevation and is not read to its end.
    static constexpr qint64 kMaxReplyBytes = 64 * 1024;
    // Heights outside these bounds (both excluded) are taken for a broken answer.
    static constexpr double kLowestElevation = -200.0;
    static constexpr double kHighestElevation = 10000.0;

    explicit ElevationWidget(QWidget* parent = nullptr);

    // Fills the two position fields, in degrees with 8 decimals.
    void SetPosition(double longitude, double latitude);
    // The elevation field as a number (0 when it is not one).
    double Elevation() const;
    // Why the last Get brought no height, as the dialog shows it; empty after
    // a Get that brought one, before any Get and once a height is typed.
    QString Failure() const { return m_failure; }
    // Whether Apply is offered: the field holds a height that was typed or
    // fetched, not one kept over a failed query.
    bool CanApply() const;

    // What Get does with the service's answer: a plausible height (above
    // -200 m and below 10000 m) goes into the elevation field, anything else
    // is told as the reason why none came.
    void TakeReply(const kvui::HttpResult& reply);

public Q_SLOTS:
    // Asks the service for the height of the typed position, waiting at most
    // kTimeoutMs with user input held back. A position that is no place on
    // earth is not asked for.
    void ClickGet();
    // Accepts the dialog when CanApply().
    void ClickApply();
    void ClickQuit();

private:
    void SetFailure(const QString& failure);
    void UpdateApply();

    QLineEdit* m_longitude = nullptr;
    QLineEdit* m_latitude = nullptr;
    QLineEdit* m_elevation = nullptr;
    QLabel* m_reason = nullptr;
    QPushButton* m_apply = nullptr;
    QString m_failure;
};

class KVUI_EXPORT ElevationDialog : public kvui::ContentDialog<ElevationWidget>
{
    Q_OBJECT

public:
    explicit ElevationDialog(QWidget* parent = nullptr);

    ElevationWidget* Widget() const { return Content(); }
};
