#pragma once

#include "camera/cameraedits.h"
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
    CameraEdits m_edits;
};
