#pragma once

#include "framework/basewidget.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

class QLineEdit;

// A compact camera editor without camera list, files, fisheye flag or mounting
// angle, for forms that embed a camera. GetCamera picks the distortion model
// from the coefficients: none set gives dtype 0, one to three set gives 2,
// more gives 1. Unparsable text reads as 0.
class KVUI_EXPORT CameraParameterWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CameraParameterWidget(QWidget* parent = nullptr);

    void SetCamera(const kvfd::CameraInfo& camera);
    kvfd::CameraInfo GetCamera() const;

private:
    QLineEdit* m_name = nullptr;
    QLineEdit* m_focal = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_ccdWidth = nullptr;
    QLineEdit* m_ccdHeight = nullptr;
    QLineEdit* m_x0 = nullptr;
    QLineEdit* m_y0 = nullptr;
    QLineEdit* m_k1 = nullptr;
    QLineEdit* m_k2 = nullptr;
    QLineEdit* m_k3 = nullptr;
    QLineEdit* m_k4 = nullptr;
    QLineEdit* m_p1 = nullptr;
    QLineEdit* m_p2 = nullptr;
    QLineEdit* m_alpha = nullptr;
    QLineEdit* m_beta = nullptr;
};
