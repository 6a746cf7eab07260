#pragma once

#include "framework/basewidget.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"
#include "processing/parameterwidgetinterface.h"

class QComboBox;
class QLineEdit;

// The batch chain's distortion page: the camera whose distortion is removed,
// picked from the camera database or typed. GetParameter makes a
// DistortionParameter of the fields (model 1, no name, no images; TIF off,
// Center and Custom Camera on). Nothing checks the fields: empty ones give a
// camera of size 0 and a pixel size that is no number.
class KVUI_EXPORT DistortionParameterWidget : public BaseWidget, public ParameterWidgetInterface
{
    Q_OBJECT

public:
    explicit DistortionParameterWidget(QWidget* parent = nullptr);

    kvfd::KvPtr<AlgoParameter> GetParameter() override;
    // Selects the camera in the list when the database has it, then shows
    // this camera's values.
    void SetCamera(const kvfd::CameraInfo& camera);

public Q_SLOTS:
    void ChangeCamera(int index);

private:
    void ShowCamera(const kvfd::CameraInfo& camera);

    kvfd::CameraInfoSet m_cameras;
    QComboBox* m_camera = nullptr;
    // Focal, width, height, CCD width, CCD height, x0, y0.
    QLineEdit* m_fields[7] = {};
    // k1, k2, k3, k4, p1, p2, alpha, beta.
    QLineEdit* m_coefficients[8] = {};
};
