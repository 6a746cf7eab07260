#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

class QLineEdit;

namespace kvgps {
struct InterpolateError;
}

// Content of the "GPS TOOL" dialog: interpolates camera positions from the
// airborne RINEX file's event marks and a trajectory (kvgps::InterpolatePOS),
// optionally named and oriented by a block-adjusted POS file, moved by the
// antenna-to-camera offset X Y Z, and saves them as a POS file. The dialog
// stays open after each run and tells the result in a message box; a failure
// names the file at fault and why.
class KVUI_EXPORT GPSToolWidget : public BaseWidget
{
    Q_OBJECT

public:
    // Larger antenna-to-camera offsets (metres) cannot be typed as acceptable.
    static constexpr double kMaxOffset = 100.0;

    explicit GPSToolWidget(QWidget* parent = nullptr);

public Q_SLOTS:
    void OpenRinex();
    void OpenTrajectory();
    void OpenBAPOS();
    void SavePOS();
    // Without a RINEX file, trajectory or output nothing happens.
    void Run();
    void Quit();

private:
    // The sentence that follows the failure message: the file at fault, by
    // its name, and what is wrong with it.
    QString FailureReason(const kvgps::InterpolateError& error) const;

    QLineEdit* m_rinex = nullptr;
    QLineEdit* m_trajectory = nullptr;
    QLineEdit* m_baPos = nullptr;
    QLineEdit* m_pos = nullptr;
    QLineEdit* m_offset[3] = {};
};

class KVUI_EXPORT GPSToolDialog : public kvui::ContentDialog<GPSToolWidget>
{
    Q_OBJECT

public:
    explicit GPSToolDialog(QWidget* parent = nullptr);

    GPSToolWidget* Widget() const { return Content(); }
};

// Runs the GPS tool dialog modally; the parent is not used.
KVUI_EXPORT void ShowGPSToolDialog(QWidget* parent);
