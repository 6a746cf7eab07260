#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/camerainfo.h"
#include "kvui_export.h"

#include <string>

class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// The ten distortion coefficients of a camera as editable fields.
class KVUI_EXPORT CoefficientWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CoefficientWidget(QWidget* parent = nullptr);

    void SetCamera(const kvfd::CameraInfo& camera);
    // Writes k1 ... k6, p1, p2, alpha and beta into camera; text that is no
    // number reads as 0.
    void GetCamera(kvfd::CameraInfo& camera) const;

private:
    // k1 ... k6, p1, p2, alpha, beta.
    QLineEdit* m_edits[10] = {};
};

// The distortion offsets of a camera on a 400-pixel grid of its image, one
// row per grid point: ID, x, y, dx, dy.
class KVUI_EXPORT GridWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kStep = 400;
    // A camera whose grid would have more points than this (an image far
    // larger than any sensor, as a damaged file may claim) gets no rows.
    static constexpr long long kMaxRows = 10000;

    explicit GridWidget(QWidget* parent = nullptr);

    void SetCamera(const kvfd::CameraInfo& camera);

private:
    QTableWidget* m_table = nullptr;
};

// Content of the "Image Correction" dialog: the input and output folders,
// the TIF and Center options and the camera of a distortion correction that
// the host runs. The camera comes from a camera XML file (shown with its
// coefficients), a binary camera file or the camera web service (both shown
// with their distortion offsets on a grid), or is typed in.
class KVUI_EXPORT ImageCorrectionWidget : public BaseWidget
{
    Q_OBJECT

public:
    // Pages of the camera's distortion view.
    enum Page : int { kGridPage = 0, kCoefficientPage = 1 };

    explicit ImageCorrectionWidget(QWidget* parent = nullptr);

    // Reads the camera back from the form first. center is the Center option,
    // tif the TIF option.
    void Get(std::string& input, std::string& output, kvfd::CameraInfo& camera, bool& center,
             bool& tif);
    // Shows a camera as an import does, on the page given.
    void ShowCamera(const kvfd::CameraInfo& camera, Page page);

private Q_SLOTS:
    void ClickBrowseInput();
    void ClickBrowseOutput();
    void ClickImportCamera();
    void ClickExportCamera();
    void ClickDownload();
    void ClickOK();
    void ClickCancel();

private:
    void SetCamera(const kvfd::CameraInfo& camera);
    void UpdateCamera();

    kvfd::CameraInfo m_camera;
    QLineEdit* m_input = nullptr;
    QLineEdit* m_output = nullptr;
    QPushButton* m_toTif = nullptr;
    QPushButton* m_toCenter = nullptr;
    QLineEdit* m_focal = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_ccdWidth = nullptr;
    QLineEdit* m_ccdHeight = nullptr;
    QLineEdit* m_x0 = nullptr;
    QLineEdit* m_y0 = nullptr;
    QStackedWidget* m_pages = nullptr;
    GridWidget* m_grid = nullptr;
    CoefficientWidget* m_coefficients = nullptr;
};

class KVUI_EXPORT ImageCorrectionDialog : public kvui::ContentDialog<ImageCorrectionWidget>
{
    Q_OBJECT

public:
    explicit ImageCorrectionDialog(QWidget* parent = nullptr);

    void Get(std::string& input, std::string& output, kvfd::CameraInfo& camera, bool& center,
             bool& tif)
    {
        Content()->Get(input, output, camera, center, tif);
    }
    ImageCorrectionWidget* Widget() const { return Content(); }
};

// Runs the image correction dialog modally; the parent is not used.
KVUI_EXPORT void ShowTestDialog(QWidget* parent);
