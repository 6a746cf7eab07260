#pragma once

#include "framework/basewidget.h"
#include "kvui_export.h"

class QComboBox;
class QPushButton;
class QTableWidget;

// The switches of what the host's view draws (GPS positions, footprints, image
// ids, images, flight lines, links, attitude warnings), two refresh buttons,
// the flight selector that assigns images to flights and the attitude
// thresholds. It holds no project data: each switch becomes a signal.
class KVUI_EXPORT DisplayBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit DisplayBar(QWidget* parent = nullptr);

    // Back to the switches of a fresh bar, without signals.
    void Clear();
    // Roll low, pitch low, roll high, pitch high, in radians.
    void GetThreshold(double out[4]) const;
    void SetImageChecked(bool checked);
    // An empty item, "Flight1" to "Flight<flights>" and "New Flight <flights+1>";
    // Flight1 is selected.
    void InitCombox(int flights);
    // 0 or -1 selects the empty item; an index past the items changes nothing.
    void SetIndex(int index);
    bool IsIMUChecked() const;

Q_SIGNALS:
    void ShowGPS(bool on);
    void ShowFlightLine(bool on);
    void ShowFootprint(bool on);
    void ShowImageId(bool on);
    void ShowImage(bool on);
    void ShowIMU(bool on);
    void ShowLink(bool on);
    void UpdateIMU();
    void RefreshFlight();
    void RefreshImage();
    // The flight (1-based item of the selector) the operator chose.
    void OnChangeFlight(int flight);

private Q_SLOTS:
    void ShowGPS();
    void ShowFlightLine();
    void ShowFootprint();
    void ShowImageId();
    void ShowImage();
    void ShowIMU();
    void ShowLink();
    void Activated(int index);
    void CellChanged(int row, int column);

private:
    QPushButton* m_gps = nullptr;
    QPushButton* m_footprint = nullptr;
    QPushButton* m_imageId = nullptr;
    QPushButton* m_image = nullptr;
    QPushButton* m_flightLine = nullptr;
    QPushButton* m_link = nullptr;
    QPushButton* m_imu = nullptr;
    QComboBox* m_flights = nullptr;
    QTableWidget* m_thresholds = nullptr;
    // Degrees: roll low, pitch low, roll high, pitch high.
    int m_threshold[4] = {5, 5, 180, 180};
};
