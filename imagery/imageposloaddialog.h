#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "framework/kvshared.h"
#include "imagery/cameraslots.h"
#include "imagery/posdata.h"
#include "kvfd/camerainfo.h"
#include "kvfd/coordinateinfo.h"
#include "kvfd/imageinfoset.h"
#include "kvprj/kvproject.h"
#include "kvui_export.h"

#include <QStringList>
#include <vector>

class ButtonGroup;
class ImageTableModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The wizard page that assembles a project's images camera by camera with
// their positions: average elevation, coordinate system, the camera of each
// camera tab and, per tab, its images with positions from a POS file or from
// the images' GPS tags. It edits copies of the project's cameras and images
// and writes them back only on "Next"; "Back" and "Exit" leave the project as
// it was.
//
// In flight mode (a project built from a flight mission) the images keep
// their enabled flags and the table shows flight, enable and update columns;
// in plain mode every image starts disabled, receives the flag with a
// position, and images still without one are dropped on "Next", once the
// operator has agreed to leave them out.
//
// Each POS import or EXIF read says on the page how many records or images
// it positioned; one that positions nothing leaves the coordinate system as
// it was. When the elevation dialog brings no height, the page says why
// beside its elevation field.
class KVUI_EXPORT ImagePosLoadWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ImagePosLoadWidget(QWidget* parent = nullptr);
    ~ImagePosLoadWidget() override;

    // Takes a working copy of the project (not owned; written on "Next").
    void SetProject(kvprj::KvProject* project, bool fromFlight);
    WResut Result() const { return m_result; }

    // What SetPOS does once the POS dialog was accepted: renames the records
    // for order matching, gives them to the current camera's images, shows the
    // match count and the import's outcome and, when any record matched,
    // chooses the coordinate system.
    void ApplyPosRecords(std::vector<PosData> records, PosMatchType type, bool latLong);
    // What AddImages does with the chosen files.
    void AddImageFiles(const QStringList& files);

    const kvfd::ImageInfoSet& Images() const { return m_images; }
    const kvfd::CameraInfoSet& Cameras() const { return m_cameras; }
    const kvfd::CoordinateInfo& Coordinate() const { return m_coordinate; }
    int CurrentCamera() const { return m_currentCamera; }
    // Image index of each table row, in row order.
    const std::vector<int>& RowImages() const { return m_rows; }

    // How many of the images without a position the left-out question names
    // (the rest are counted), and at most how many characters of each name.
    static constexpr int kNamesShown = 3;
    static constexpr int kNameLength = 14;

public Q_SLOTS:
    void AddImages();
    void ClearImages();
    void ClickCancel();
    void ClickForward();
    void ClickNext();
    void EditImages();
    void RemoveImages();
    void SetCamera();
    void SetCoordinate();
    void SetCurrentCamera(int index);
    void RemoveCamera(int index, int current);
    void SetElevation();
    void SetExifPOS();
    void SetPOS();

private:
    bool HasCameraRecord(int slot) const;
    void DetectCamera();
    void CameraFoundLater(int slot, const kvfd::CameraInfo& camera);
    void UpdateTable();
    void UpdateMatchCount();
    void ShowCameraName();
    void ShowCoordinateName();
    // In plain mode: asks whether the images without a position may be left
    // out. True when there are none or the operator agrees.
    bool ConfirmLeftOut();
    const kvfd::CameraInfo* CurrentCameraRecord() const;
    std::vector<int> SelectedImages() const;

    kvfd::CoordinateInfo m_coordinate;
    kvfd::CameraInfoSet m_cameras;
    kvfd::ImageInfoSet m_images;
    kvprj::KvProject* m_project = nullptr;
    int m_currentCamera = 0;
    bool m_fromFlight = false;
    WResut m_result = WR_CANCEL;
    std::vector<int> m_rows;
    kvui::CameraDetection m_detection;

    QLineEdit* m_aveZ = nullptr;
    QPushButton* m_getElevation = nullptr;
    QLabel* m_elevationReason = nullptr;
    QLineEdit* m_coordinateEdit = nullptr;
    QPushButton* m_coordinateOpen = nullptr;
    QLineEdit* m_cameraEdit = nullptr;
    QPushButton* m_cameraOpen = nullptr;
    QLabel* m_posCount = nullptr;
    QLabel* m_posOutcome = nullptr;
    QPushButton* m_posOpen = nullptr;
    QPushButton* m_exif = nullptr;
    QPushButton* m_addImage = nullptr;
    QPushButton* m_removeImages = nullptr;
    QPushButton* m_clearImages = nullptr;
    QPushButton* m_editImages = nullptr;
    QTableView* m_table = nullptr;
    ImageTableModel* m_model = nullptr;
    ButtonGroup* m_tabs = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_quit = nullptr;
};

// The frame around ImagePosLoadWidget.
class KVUI_EXPORT ImagePosLoadDialog : public kvui::ContentDialog<ImagePosLoadWidget>
{
    Q_OBJECT

public:
    ImagePosLoadDialog();

    ImagePosLoadWidget* Widget() const { return Content(); }
};

// Runs the page on project. Returns the page's result when it ended with
// "Next" or "Back", WR_CANCEL otherwise; only "Next" changes the project.
KVUI_EXPORT WResut ShowImagePosLoadDialog(kvprj::KvProject& project, bool fromFlight);
// The same as ShowImagePosLoadDialog.
KVUI_EXPORT WResut ShowImagePosDialog(kvprj::KvProject& project, bool fromFlight);
