#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "imagery/posdata.h"
#include "kvui_export.h"

#include <QStringList>
#include <string>
#include <vector>

class PosRowsModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;

// Content of the "Import GNSS/IMU" dialog: reads a POS text file, shows it as
// a table and lets the operator label its columns (ID, X, Y, Z, Omega, Phi,
// -Phi, Kappa), choose the first data line, the angle unit and how records
// are matched to images. OK accepts only once ID, X, Y and Z are labelled.
class KVUI_EXPORT PosLoadWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit PosLoadWidget(QWidget* parent = nullptr);

    // The records from the begin line on, angles in radians.
    std::vector<PosData> GetPosDatas() const;
    PosMatchType GetMatchType() const;
    // "BLH" checked: X holds longitude and Y latitude, in degrees.
    bool IsLatLong() const;

    // Reads the file as if it had been chosen with the browse button. A file
    // that cannot be read changes nothing: the rows, the column labels and the
    // path shown stay those of the earlier load.
    void LoadFile(const QString& path);

    const std::vector<std::vector<std::string>>& Rows() const { return m_rows; }
    QStringList Labels() const { return m_labels; }
    int BeginLine() const { return m_beginLine; }

public Q_SLOTS:
    void LoadPos();
    void Next();
    void Quit();
    void ClickID();
    void ClickX();
    void ClickY();
    void ClickZ();
    void ClickOmega();
    void ClickPhi();
    void ClickNPhi();
    void ClickKappa();
    void ClickQuestion();
    void BeginLineChanged(const QString& text);

private:
    bool Load();
    void InitTableWidget();
    void UpdateTableWidget();
    void SetHeadText(const QString& label);

    std::string m_path;
    int m_beginLine = 1;
    std::vector<std::vector<std::string>> m_rows;
    QStringList m_labels;

    QLineEdit* m_posEdit = nullptr;
    QLineEdit* m_beginLineEdit = nullptr;
    QComboBox* m_degreeCombo = nullptr;
    QComboBox* m_matchCombo = nullptr;
    QCheckBox* m_longLat = nullptr;
    QTableView* m_table = nullptr;
    PosRowsModel* m_model = nullptr;
};

// The "Import GNSS/IMU" dialog. Run it modally; once accepted, read the
// records, the match type and the BLH flag from Widget().
class KVUI_EXPORT PosLoadDialog : public kvui::ContentDialog<PosLoadWidget>
{
    Q_OBJECT

public:
    explicit PosLoadDialog(QWidget* parent = nullptr);

    PosLoadWidget* Widget() const { return Content(); }
};
