#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

class QLineEdit;

// Content of the "GPS TOOL" dialog: interpolates camera positions from the
// airborne RINEX file's event marks and a trajectory (kvgps::InterpolatePOS),
// optionally named and oriented by a block-adjusted POS file, moved by the
// antenna-to-camera offset X Y Z, and saves them as a POS file. The dialog
// stays open after each run and tells the result in a message box.
class KVUI_EXPORT GPSToolWidget : public BaseWidget
{
    Q_OBJECT

public:
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
