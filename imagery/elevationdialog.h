#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

class QLineEdit;
class QPushButton;

// Content of the "Get elevation from web" dialog: a longitude and latitude,
// and the ground height that Get fetches for them from the elevation web
// service. A failed query says nothing; the elevation field keeps its value.
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

    explicit ElevationWidget(QWidget* parent = nullptr);

    // Fills the two position fields, in degrees with 8 decimals.
    void SetPosition(double longitude, double latitude);
    // The elevation field as a number (0 when it is not one).
    double Elevation() const;

public Q_SLOTS:
    // Asks the service for the height of the typed position, waiting at most
    // kTimeoutMs with user input held back, and writes a plausible answer
    // (above -200 m and below 10000 m) into the elevation field.
    void ClickGet();
    void ClickApply();
    void ClickQuit();

private:
    QLineEdit* m_longitude = nullptr;
    QLineEdit* m_latitude = nullptr;
    QLineEdit* m_elevation = nullptr;
};

class KVUI_EXPORT ElevationDialog : public kvui::ContentDialog<ElevationWidget>
{
    Q_OBJECT

public:
    explicit ElevationDialog(QWidget* parent = nullptr);

    ElevationWidget* Widget() const { return Content(); }
};
