#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Content of the "Distortion" dialog: which images, the output folder, the
// TIF, Center and Custom Camera options and the camera whose distortion is
// removed (picked from the camera database, imported from a camera file or
// typed). The controls are the state; the host reads them back after exec()
// and runs the correction. OK without an output folder is ignored.
class KVUI_EXPORT DistortionWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit DistortionWidget(QWidget* parent = nullptr);

    void SetAll(bool all);
    bool IsSelected() const;
    // Selects the camera in the list when the database has it (name and focal
    // length), then shows this camera's values.
    void SetCamera(const kvfd::CameraInfo& camera);
    // The fields as a camera without a name; unreadable numbers read as 0.
    kvfd::CameraInfo GetCamera() const;
    // The output folder in the local narrow encoding.
    std::string GetPath() const;
    bool ToCenter() const;
    bool ToTif() const;
    bool UseCamera() const;

public Q_SLOTS:
    void ClickOK();
    // Enables or disables every camera control together.
    void ClickCamera(bool on);
    void ClickCancel();
    void ClickBrowse();
    void ChangeCamera(int index);
    void ChangeType(int type);
    void ClickImportCamera();
    void ClickExportCamera();

private:
    void ShowCamera(const kvfd::CameraInfo& camera);

    kvfd::CameraInfoSet m_cameras;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_selected = nullptr;
    QPushButton* m_toTif = nullptr;
    QPushButton* m_toCenter = nullptr;
    QPushButton* m_customCamera = nullptr;
    QLineEdit* m_output = nullptr;
    QComboBox* m_camera = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_export = nullptr;
    QComboBox* m_type = nullptr;
    // Focal, width, height, CCD width, CCD height, x0, y0.
    QLineEdit* m_fields[7] = {};
    // k1..k6, p1, p2, alpha, beta.
    QLineEdit* m_coefficients[10] = {};
    QLabel* m_coefficientLabels[10] = {};
};

class KVUI_EXPORT DistortionDialog : public kvui::ContentDialog<DistortionWidget>
{
    Q_OBJECT

public:
    explicit DistortionDialog(QWidget* parent = nullptr);

    void SetAll(bool all) { Content()->SetAll(all); }
    bool IsSelected() const { return Content()->IsSelected(); }
    void SetCamera(const kvfd::CameraInfo& camera) { Content()->SetCamera(camera); }
    kvfd::CameraInfo GetCamera() const { return Content()->GetCamera(); }
    std::string GetPath() const { return Content()->GetPath(); }
    bool ToCenter() const { return Content()->ToCenter(); }
    bool ToTif() const { return Content()->ToTif(); }
    bool UseCamera() const { return Content()->UseCamera(); }
};

namespace kvui {

// Fills a camera list: an empty item, then the database's cameras by their
// long names, item i + 1 for camera i. Cheap for large databases.
KVUI_EXPORT void FillCameraCombo(QComboBox* combo, const kvfd::CameraInfoSet& cameras);

} // namespace kvui
