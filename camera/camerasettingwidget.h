#pragma once

#include "camera/cameraedits.h"
#include "framework/basewidget.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The full camera editor of the camera dialog: name, a pick from the camera
// database, image and sensor size, focal length in pixels, principal point,
// mounting angle, fisheye flag and distortion coefficients, with import from
// and export to camera files. The edits are its only state: GetCamera reads a
// record out of them and SetCamera writes one in. Unparsable text reads as 0.
class KVUI_EXPORT CameraSettingWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CameraSettingWidget(QWidget* parent = nullptr);

    // Shows camera, selecting its entry in the camera list when the database
    // holds a camera of that name and focal length.
    void SetCamera(const kvfd::CameraInfo& camera);
    // A fresh record from the edits; fullname stays empty and id -1.
    kvfd::CameraInfo GetCamera() const;

public Q_SLOTS:
    void ChangeAngle(int index);
    void ChangeCamera(int index);
    void ExportCamera();
    void ImportCamera();
    void ReCenter();
    void ReloadCamera();
    void SetFishEyeCamera(bool checked);

private:
    void BuildForm();
    void FillCameraList();
    // Writes camera into the edits without looking it up in the list.
    void ShowCamera(const kvfd::CameraInfo& camera);

    // The database as it was when the form was built: the list items stand
    // for these records even if a download replaces the database meanwhile.
    kvfd::CameraInfoSet m_cameras;

    CameraEdits m_edits;
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
    QComboBox* m_cameraList = nullptr;
    QPushButton* m_reload = nullptr;
    QPushButton* m_zero = nullptr;
    QPushButton* m_fisheye = nullptr;
    QComboBox* m_angle = nullptr;
    QLabel* m_anglePicture = nullptr;
    QLabel* m_formulaPicture = nullptr;
};
