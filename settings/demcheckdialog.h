#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <QString>
#include <string>
#include <vector>

class DemCheckModel;
class QLineEdit;
class QTableView;

// Content of "DEM Check": reads check points (one "ID X Y Z" per line) from
// a text file, asks the algorithm library for the DEM's height difference at
// each (kvalgo::KvAlgo::DEMCheck) and shows and saves them. A check point
// that could not be checked (outside the DEM, on no-data) has no DZ.
class KVUI_EXPORT DemCheckWidget : public BaseWidget
{
    Q_OBJECT

public:
    struct CheckPoint
    {
        double x = 0;
        double y = 0;
        double z = 0;
        double dz = 0;
        bool hasDz = false;
        std::string id; // as written in the file (local code page)
    };

    explicit DemCheckWidget(QWidget* parent = nullptr);

    const std::vector<CheckPoint>& Points() const { return m_points; }

    void SetDemFile(const QString& path);
    // Reads a check file into the table and shows its path. Fields are separated by tabs,
    // blanks, commas or semicolons, a run of them counting as one; a line
    // with fewer than four fields, or holding a NUL byte (not text), is
    // skipped; fields after the fourth are ignored; a coordinate that is no
    // number reads as 0. False, with the points kept, when the file cannot
    // be read or is larger than 512 MiB.
    bool LoadCheckFile(const QString& path);
    // The tab-separated report: a header, then "id x y z[ dz]" per point with
    // three decimals, DZ only where it was computed. False, with any file
    // already at path left as it was, when it cannot be written.
    bool WriteReport(const QString& path) const;

public Q_SLOTS:
    void ClickOpenDem();
    void ClickOpenCheck();
    void ClickClear();
    // Chooses a report file and writes it; a report that cannot be written
    // is told in a message box.
    void ClickSave();
    // Without both paths nothing happens. A DEM that cannot be read, or
    // points that cannot be brought into its system, are told in a message.
    void ClickRun();

private:
    void FillTable();

    QLineEdit* m_dem = nullptr;
    QLineEdit* m_check = nullptr;
    QTableView* m_table = nullptr;
    DemCheckModel* m_model = nullptr;
    std::vector<CheckPoint> m_points;
};

class KVUI_EXPORT DEMCheckDialog : public kvui::ContentDialog<DemCheckWidget>
{
    Q_OBJECT

public:
    explicit DEMCheckDialog(QWidget* parent = nullptr);
};

// Runs "DEM Check" modally; true in every case.
KVUI_EXPORT bool ShowDEMDialog();
