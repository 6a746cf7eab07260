#pragma once

#include "kvfd/algosetting.h"
#include "kvui_export.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

// "Algorithm Setting": feature extraction, matching, bundle adjustment,
// surface and ortho-image options of kvfd::AlgoSetting. An ordinary framed
// dialog; it stores nothing itself. Get writes only the fields this form
// shows, so a caller can read back into the configuration's own record.
class KVUI_EXPORT MatchSettingWidget : public QDialog
{
    Q_OBJECT

public:
    explicit MatchSettingWidget(QWidget* parent = nullptr);

    void Set(kvfd::AlgoSetting setting);
    void Get(kvfd::AlgoSetting& setting) const;

    // A value outside the feature or block table leaves the combo as it is.
    int GetFeatureNumber() const;
    void SetFeatureNumber(int n);
    int GetBlockSize() const;
    void SetBlockSize(int n);
    // Text that is no number reads as 0.
    double GetGCPWeight() const;
    void SetGCPWeight(double w);
    void GetGPSWeight(double* w) const;
    void SetGPSWeight(const double* w);
    int GetLSM() const;
    void SetLSM(int v);
    int GetHPGPS() const;
    void SetHPGPS(int v);
    bool GetOblique() const;
    void SetOblique(bool v);
    int GetPYR() const;
    void SetPYR(int v);
    int GetAutoResolution() const;
    void SetAutoResolution(int v);
    int GetRadius() const;
    void SetRadius(int r);
    int GetScenario() const;
    void SetScenario(int v);

private:
    QComboBox* m_block = nullptr;
    QComboBox* m_features = nullptr;
    QCheckBox* m_oblique = nullptr;
    QCheckBox* m_lsm = nullptr;
    QCheckBox* m_hpGps = nullptr;
    QLineEdit* m_gcpWeight = nullptr;
    QLineEdit* m_gpsWeight[3] = {};
    QComboBox* m_scenario = nullptr;
    QComboBox* m_scale = nullptr;
    QComboBox* m_dsm = nullptr;
    QCheckBox* m_autoResolution = nullptr;
    QCheckBox* m_dsmFilter = nullptr;
    QLineEdit* m_radius = nullptr;
    QLineEdit* m_maxModels = nullptr;
    QCheckBox* m_qtdom = nullptr;
    QCheckBox* m_stdom = nullptr;
    QCheckBox* m_ftdom = nullptr;
    QCheckBox* m_sftdom = nullptr;
    QButtonGroup* m_tdomGroup = nullptr;
};
