#include "imagery/imageposloaddialog.h"

#include "camera/cameradialog.h"
#include "framework/buttongroup.h"
#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvstyle.h"
#include "framework/language.h"
#include "imagery/cameraslots.h"
#include "imagery/coordinatedialog.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/elevationdialog.h"
#include "imagery/exifpositions.h"
#include "imagery/imageloaddialog.h"
#include "imagery/imagetablemodel.h"
#include "imagery/posloaddialog.h"
#include "imagery/posmatch.h"
#include "kvfd/kvconfiguration.h"
#include "kvfd/kvconststringfactory.h"
#include "kvimage/kvimage.h"
#include "kvmath/geoprj.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>
#include <set>
#include <utility>

namespace {

const char* const kBadElevation = QT_TRANSLATE_NOOP("kvui", "平均高程无效，请输入数值！");
constexpr int kCameraMissingText = 127;
// Rows whose texts decide a column's width: the visible ones and this many
// more, so a refresh costs the same for ten or ten thousand images.
constexpr int kResizeSampleRows = 100;
// Flight numbers the page accepts when several images are edited at once.
constexpr int kFirstFlight = 1;
constexpr int kLastFlight = 99998;

// Width of the labels that start the page's rows, so the fields line up.
constexpr QSize kRowLabelSize(80, 0);

} // namespace

ImagePosLoadWidget::ImagePosLoadWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ImagePosLoadWidget"));
    resize(900, 680);
    m_detection.SetFoundLater(
        [this](int slot, const kvfd::CameraInfo& camera) { CameraFoundLater(slot, camera); });

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->setContentsMargins(40, 16, 40, 24);

    auto* elevationRow = new QHBoxLayout();
    elevationRow->addWidget(kvui::MakeLabel(this, tr("Elevation:"), nullptr, kRowLabelSize));
    m_aveZ = kvui::MakeLineEdit(this, "iplw_ave_z_line_edit_", QSize(100, 30));
    m_aveZ->setText(QStringLiteral("0"));
    kvui::AcceptReal(m_aveZ, ElevationWidget::kLowestElevation, ElevationWidget::kHighestElevation);
    elevationRow->addWidget(m_aveZ);
    elevationRow->addWidget(kvui::MakeLabel(this, tr("m")));
    m_getElevation
        = kvui::MakeButton(this, "iplw_getelevation_", tr("Get"), QSize(80, 32), "kvcombtn");
    elevationRow->addWidget(m_getElevation);
    m_elevationReason = kvui::MakeLabel(this, QString(), "iplw_elevation_reason_");
    elevationRow->addWidget(m_elevationReason, 1);
    layout->addLayout(elevationRow);

    auto* coordinateRow = new QHBoxLayout();
    coordinateRow->addWidget(kvui::MakeLabel(this, tr("Coordinate:"), nullptr, kRowLabelSize));
    m_coordinateEdit = kvui::MakeLineEdit(this, "iplw_coordinate_line_edit_", QSize(0, 30));
    m_coordinateEdit->setMinimumWidth(240);
    m_coordinateEdit->setMaximumWidth(300);
    coordinateRow->addWidget(m_coordinateEdit);
    m_coordinateOpen = kvui::MakeToolButton(this, "iplw_coordinate_open_btn_", tr("Set Coordinate"),
                                            QSize(60, 32));
    coordinateRow->addWidget(m_coordinateOpen);
    coordinateRow->addStretch();
    layout->addLayout(coordinateRow);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("iplw_group_box_"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setSpacing(8);

    auto* cameraRow = new QHBoxLayout();
    cameraRow->addWidget(kvui::MakeLabel(group, tr("Camera:"), nullptr, kRowLabelSize));
    m_cameraEdit = kvui::MakeLineEdit(group, "iplw_camera_line_edit_", QSize(0, 30));
    m_cameraEdit->setMinimumWidth(240);
    m_cameraEdit->setMaximumWidth(300);
    cameraRow->addWidget(m_cameraEdit);
    m_cameraOpen
        = kvui::MakeToolButton(group, "iplw_cam_open_btn_", tr("Set Camera"), QSize(60, 32));
    cameraRow->addWidget(m_cameraOpen);
    cameraRow->addStretch();
    groupLayout->addLayout(cameraRow);

    auto* gnssRow = new QHBoxLayout();
    gnssRow->addWidget(kvui::MakeLabel(group, tr("GNSS/IMU："), nullptr, kRowLabelSize));
    m_posCount = kvui::MakeLabel(group, QString(), "iplw_pos_line_edit_");
    m_posCount->setMinimumWidth(300);
    gnssRow->addWidget(m_posCount);
    m_posOpen = kvui::MakeToolButton(group, "iplw_pos_open_btn_", tr("Import POS"), QSize(60, 32));
    gnssRow->addWidget(m_posOpen);
    m_exif = kvui::MakeToolButton(group, "iplw_exif_btn_", tr("Read POS From EXIF"), QSize(60, 32));
    gnssRow->addWidget(m_exif);
    gnssRow->addStretch();
    groupLayout->addLayout(gnssRow);
    // What the last POS import or EXIF read did, beside the count of all
    // positioned images above it.
    m_posOutcome = kvui::MakeLabel(group, QString(), "iplw_pos_outcome_");
    m_posOutcome->setWordWrap(true);
    m_posOutcome->setContentsMargins(kRowLabelSize.width() + groupLayout->spacing(), 0, 0, 0);
    groupLayout->addWidget(m_posOutcome);

    auto* imagesRow = new QHBoxLayout();
    imagesRow->addWidget(kvui::MakeLabel(group, tr("Images:"), nullptr, kRowLabelSize));
    m_addImage = kvui::MakeToolButton(group, "iplw_add_image_btn_", tr("Add Image"), QSize(56, 32));
    m_removeImages = kvui::MakeToolButton(group, "iplw_remove_selected_image_btn_",
                                          tr("Delete Selected Images"), QSize(56, 32));
    m_clearImages
        = kvui::MakeToolButton(group, "iplw_clear_image_btn_", tr("Clear All"), QSize(56, 32));
    m_editImages = kvui::MakeToolButton(group, "iplw_edit_image_btn_", tr("Edit Selected Images"),
                                        QSize(56, 32));
    for (QPushButton* button : {m_addImage, m_removeImages, m_clearImages, m_editImages})
        imagesRow->addWidget(button);
    imagesRow->addStretch();
    groupLayout->addLayout(imagesRow);

    ImageTableModel::Texts texts;
    texts.headers
        = QStringList {tr("Enable"), tr("Update"), tr("Flight"), tr("Name"),  tr("X"),   tr("Y"),
                       tr("Z"),      tr("Omega"),  tr("Phi"),    tr("Kappa"), tr("Path")};
    texts.flight = tr("Flight %1");
    texts.yes = tr("Yes");
    texts.no = tr("No");
    m_model = new ImageTableModel(m_images, m_rows, std::move(texts), this);

    m_table = new QTableView(group);
    m_table->setObjectName(QStringLiteral("image_table_widget_"));
    m_table->setMinimumHeight(200);
    m_table->setMaximumSize(10000, 500);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setResizeContentsPrecision(kResizeSampleRows);
    m_table->verticalHeader()->setResizeContentsPrecision(kResizeSampleRows);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    kvui::SetListFont(m_table, this);
    m_table->setModel(m_model);

    m_tabs = new ButtonGroup(group);
    m_tabs->setObjectName(QStringLiteral("iplw_tab_"));
    m_tabs->setMinimumWidth(52);
    m_tabs->setStyleSheet(QStringLiteral("QWidget#iplw_tab_{\nborder: 0px;\n}"));

    auto* tableRow = new QHBoxLayout();
    tableRow->addWidget(m_table);
    tableRow->addWidget(m_tabs);
    groupLayout->addLayout(tableRow);
    layout->addWidget(group);

    kvui::ButtonRow buttons(this);
    m_back = buttons.Add("iplw_back_btn_", tr("Back"), "kvcombtn");
    m_next = buttons.Add("iplw_next_btn_", tr("Next"), "kvcombtn");
    m_quit = buttons.Add("iplw_quit_btn_", tr("Exit"), "kvquitbtn");
    layout->addLayout(buttons.Layout());

    connect(m_addImage, &QPushButton::clicked, this, &ImagePosLoadWidget::AddImages);
    connect(m_clearImages, &QPushButton::clicked, this, &ImagePosLoadWidget::ClearImages);
    connect(m_quit, &QPushButton::clicked, this, &ImagePosLoadWidget::ClickCancel);
    connect(m_back, &QPushButton::clicked, this, &ImagePosLoadWidget::ClickForward);
    connect(m_next, &QPushButton::clicked, this, &ImagePosLoadWidget::ClickNext);
    connect(m_editImages, &QPushButton::clicked, this, &ImagePosLoadWidget::EditImages);
    connect(m_removeImages, &QPushButton::clicked, this, &ImagePosLoadWidget::RemoveImages);
    connect(m_cameraOpen, &QPushButton::clicked, this, &ImagePosLoadWidget::SetCamera);
    connect(m_coordinateOpen, &QPushButton::clicked, this, &ImagePosLoadWidget::SetCoordinate);
    connect(m_tabs, qOverload<int>(&ButtonGroup::SetCurrent), this,
            &ImagePosLoadWidget::SetCurrentCamera);
    connect(m_tabs, &ButtonGroup::Remove, this, &ImagePosLoadWidget::RemoveCamera);
    connect(m_getElevation, &QPushButton::clicked, this, &ImagePosLoadWidget::SetElevation);
    connect(m_exif, &QPushButton::clicked, this, &ImagePosLoadWidget::SetExifPOS);
    connect(m_posOpen, &QPushButton::clicked, this, &ImagePosLoadWidget::SetPOS);
    connect(m_aveZ, &QLineEdit::textEdited, m_elevationReason, &QLabel::clear);

    UpdateTable();
}

ImagePosLoadWidget::~ImagePosLoadWidget()
{
    // The model reads members that are gone before Qt deletes the children.
    m_table->setModel(nullptr);
    delete m_model;
}

void ImagePosLoadWidget::SetProject(kvprj::KvProject* project, bool fromFlight)
{
    m_fromFlight = fromFlight;
    m_project = project;
    if (!project)
        return;
    m_cameras = project->GetCameraInfoSet();
    m_images = project->GetImageInfoSet();
    m_detection.Clear();
    ShowCameraName();

    const kvprj::PrjInfo& info = project->GetPrjInfo();
    m_aveZ->setText(QString::number(info.meanElevation, 'g', 6));
    m_coordinate = kvfd::CoordinateInfo();
    if (!kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinateByID(
            info.coordinateId, m_coordinate)) {
        // A system this installation does not know still belongs to the
        // project: keep its id so that "Next" does not replace it.
        m_coordinate = kvfd::CoordinateInfo();
        m_coordinate.id = info.coordinateId;
    }
    ShowCoordinateName();

    m_tabs->AddGroups(kvui::CameraSlotsInUse(m_cameras, m_images));

    if (!m_fromFlight) {
        for (int i = 0; i < m_images.Size(); ++i) {
            if (kvfd::ImageInfoExt* ext = m_images.GetImageExt(i))
                ext->enabled = false;
        }
    }
    UpdateTable();
}

const kvfd::CameraInfo* ImagePosLoadWidget::CurrentCameraRecord() const
{
    return m_cameras.GetCamera(m_currentCamera);
}

void ImagePosLoadWidget::ShowCameraName()
{
    const kvfd::CameraInfo* camera = CurrentCameraRecord();
    m_cameraEdit->setText(camera ? String2QString(camera->name) : QString());
}

void ImagePosLoadWidget::ShowCoordinateName()
{
    // The local system's name is a fixed text, the catalogue's names are data:
    // LocalText translates only the former.
    m_coordinateEdit->setText(kvui::LocalText(m_coordinate.name));
    // The project's summary projects every position into this system; its
    // transformation is searched for while the operator is still on this page.
    kvmath::GeoPrj::Prepare(kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetWGS84(),
                            m_coordinate);
}

bool ImagePosLoadWidget::HasCameraRecord(int slot) const
{
    const kvfd::CameraInfo* camera = m_cameras.GetCamera(slot);
    return camera && (camera->ccd_width > 0 || camera->ccd_height > 0 || camera->focal > 0);
}

void ImagePosLoadWidget::DetectCamera()
{
    kvfd::CameraInfo camera;
    if (!HasCameraRecord(m_currentCamera) && m_detection.Detect(m_images, m_currentCamera, camera))
        kvui::PutCamera(m_cameras, m_currentCamera, camera);
    ShowCameraName();
}

void ImagePosLoadWidget::CameraFoundLater(int slot, const kvfd::CameraInfo& camera)
{
    // The operator may have entered the camera while its photos were read.
    if (HasCameraRecord(slot))
        return;
    kvui::PutCamera(m_cameras, slot, camera);
    if (slot == m_currentCamera)
        ShowCameraName();
}

void ImagePosLoadWidget::UpdateTable()
{
    m_rows.clear();
    for (int i = 0; i < m_images.Size(); ++i) {
        const kvfd::ImageInfo* image = std::as_const(m_images).GetImage(i);
        if (image && image->GetCamera() == m_currentCamera)
            m_rows.push_back(i);
    }
    m_model->Reset(m_fromFlight);
    if (m_fromFlight) {
        for (int c = 0; c < ImageTableModel::ColumnCount(true); ++c)
            m_table->setColumnWidth(c, 80);
    } else {
        m_table->setColumnWidth(0, 120);
        for (int c = 1; c <= 6; ++c)
            m_table->setColumnWidth(c, 80);
        m_table->setColumnWidth(7, 200);
    }
    m_editImages->setVisible(m_fromFlight);
    m_table->resizeColumnsToContents();
}

void ImagePosLoadWidget::UpdateMatchCount()
{
    int enabled = 0;
    for (int i = 0; i < m_images.Size(); ++i) {
        const kvfd::ImageInfoExt* ext = std::as_const(m_images).GetImageExt(i);
        if (ext && ext->enabled)
            ++enabled;
    }
    m_posCount->setText(QStringLiteral("%1/%2").arg(enabled).arg(m_images.ValidSize()));
}

std::vector<int> ImagePosLoadWidget::SelectedImages() const
{
    std::set<int> rows;
    const QItemSelection selection = m_table->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.insert(row);
    }
    std::vector<int> images;
    for (int row : rows) {
        if (row >= 0 && row < int(m_rows.size()))
            images.push_back(m_rows[std::size_t(row)]);
    }
    return images;
}

void ImagePosLoadWidget::AddImages()
{
    AddImageFiles(kvui::ChooseFiles(this, tr("Add Images"), kvui::ImageFileFilter()));
}

void ImagePosLoadWidget::AddImageFiles(const QStringList& files)
{
    for (const QString& file : files) {
        const QFileInfo info(file);
        m_images.AddImage(QString2String(info.fileName()), QString2String(info.absolutePath()),
                          kvfd::EOP(), m_currentCamera, false);
    }
    if (!files.isEmpty())
        m_detection.Forget(m_currentCamera);
    DetectCamera();
    UpdateTable();
    if (!files.isEmpty())
        SetDefaultPath(files.first(), true);
}

void ImagePosLoadWidget::RemoveImages()
{
    for (int i : SelectedImages())
        m_images.RemoveImage(i);
    m_detection.Forget(m_currentCamera);
    UpdateTable();
}

void ImagePosLoadWidget::ClearImages()
{
    for (int i : m_rows)
        m_images.RemoveImage(i);
    m_detection.Forget(m_currentCamera);
    UpdateTable();
}

void ImagePosLoadWidget::ClickCancel()
{
    m_result = WR_CANCEL;
    RejectDialog();
}

void ImagePosLoadWidget::ClickForward()
{
    m_result = WR_BACK;
    AcceptDialog();
}

void ImagePosLoadWidget::ClickNext()
{
    for (int i = 0; i < m_images.Size(); ++i) {
        const kvfd::ImageInfo* image = std::as_const(m_images).GetImage(i);
        if (!image)
            continue;
        const kvfd::CameraInfo* camera = m_cameras.GetCamera(image->GetCamera());
        if (!camera || camera->ccd_width <= 0 || camera->ccd_height <= 0) {
            KvMessageBox::Show(kvfd::KvGetConstString(kCameraMissingText), KvMessageBox::BT_OK);
            return;
        }
    }
    // An empty or mistyped elevation would otherwise reach the project as 0.
    bool elevationOk = false;
    const double elevation = m_aveZ->text().trimmed().toDouble(&elevationOk);
    if (!elevationOk || !std::isfinite(elevation)) {
        KvMessageBox::Show(kBadElevation, KvMessageBox::BT_OK);
        m_aveZ->setFocus();
        return;
    }

    if (!m_fromFlight) {
        if (!ConfirmLeftOut())
            return;
        for (int i = 0; i < m_images.Size(); ++i) {
            const kvfd::ImageInfoExt* ext = std::as_const(m_images).GetImageExt(i);
            if (ext && !ext->enabled)
                m_images.RemoveImage(i);
        }
    }

    if (m_project) {
        // Removed camera tabs left blank slots so that the tabs kept their
        // numbers while the page was open; the project gets none of them.
        m_project->SetCameraInfoSet(kvui::CompactCameras(m_cameras, m_images));
        m_project->SetImageInfoSet(m_images);
        m_project->GetPrjInfo().meanElevation = elevation;
        m_project->GetPrjInfo().coordinateId = m_coordinate.id;
    }
    m_result = WR_NEXT;
    AcceptDialog();
}

bool ImagePosLoadWidget::ConfirmLeftOut()
{
    // The question box has room for a few short names: long ones keep their
    // start and their end.
    const auto shortName = [](const QString& name) {
        return name.size() <= kNameLength
            ? name
            : name.left(kNameLength / 2 - 1) + QChar(0x2026) + name.right(kNameLength / 2);
    };
    QStringList names;
    int count = 0;
    for (int i = 0; i < m_images.Size(); ++i) {
        const kvfd::ImageInfo* image = std::as_const(m_images).GetImage(i);
        const kvfd::ImageInfoExt* ext = std::as_const(m_images).GetImageExt(i);
        if (!image || !ext || ext->enabled)
            continue;
        if (++count <= kNamesShown)
            names << shortName(String2QString(image->Name()));
    }
    if (count == 0)
        return true;
    QString listed = names.join(QStringLiteral(", "));
    if (count > kNamesShown)
        listed = tr("%1 and %2 more").arg(listed).arg(count - kNamesShown);
    const QString question = tr("No position for %1 of %2 images: %3. Leave them out of the "
                                "project?")
                                 .arg(count)
                                 .arg(m_images.ValidSize())
                                 .arg(listed);
    // No, or closing the box, stays on the page so that positions can still
    // be given.
    return KvMessageBox::Show(QString2String(question), KvMessageBox::BT_YES_NO)
        == KvMessageBox::BC_OK;
}

void ImagePosLoadWidget::EditImages()
{
    const std::vector<int> selected = SelectedImages();
    if (selected.empty())
        return;
    EditImagePropertyDialog dialog;
    EditImagePropertyWidget* editor = dialog.Widget();
    if (selected.size() == 1) {
        const kvfd::ImageInfo* image = std::as_const(m_images).GetImage(selected.front());
        const kvfd::ImageInfoExt* ext = std::as_const(m_images).GetImageExt(selected.front());
        if (!image || !ext)
            return;
        editor->SetImage(*image, ext->flight);
    } else {
        std::vector<const kvfd::ImageInfo*> images;
        std::vector<int> flights;
        for (int i : selected) {
            const kvfd::ImageInfoExt* ext = std::as_const(m_images).GetImageExt(i);
            images.push_back(std::as_const(m_images).GetImage(i));
            flights.push_back(ext ? ext->flight : 0);
        }
        editor->SetImages(images, flights);
    }
    if (dialog.exec() != QDialog::Accepted)
        return;

    const std::string path = editor->GetPath();
    const int flight = editor->GetFlightIndex();
    if (selected.size() == 1) {
        kvfd::ImageInfo* image = m_images.GetImage(selected.front());
        kvfd::ImageInfoExt* ext = m_images.GetImageExt(selected.front());
        if (flight >= 0)
            ext->flight = flight;
        // An emptied path would leave the image without its folder.
        if (!path.empty())
            image->SetPath(path);
        image->SetEOP(editor->GetEOP());
    } else {
        const bool setFlight
            = !editor->GetFlightText().isEmpty() && flight >= kFirstFlight && flight <= kLastFlight;
        for (int i : selected) {
            kvfd::ImageInfo* image = m_images.GetImage(i);
            kvfd::ImageInfoExt* ext = m_images.GetImageExt(i);
            if (!image || !ext)
                continue;
            if (!path.empty())
                image->SetPath(path);
            if (setFlight)
                ext->flight = flight;
        }
    }
    UpdateTable();
}

void ImagePosLoadWidget::SetCamera()
{
    kvfd::CameraInfo camera;
    if (const kvfd::CameraInfo* current = CurrentCameraRecord())
        camera = *current;
    if (!ShowCameraDialog(camera, true))
        return;
    camera.id = m_currentCamera;
    kvui::PutCamera(m_cameras, m_currentCamera, camera);
    ShowCameraName();
}

void ImagePosLoadWidget::SetCoordinate()
{
    if (ShowCoordinateDialog(m_coordinate))
        ShowCoordinateName();
}

void ImagePosLoadWidget::SetCurrentCamera(int index)
{
    // The outcome told of the camera that was shown.
    if (index != m_currentCamera)
        m_posOutcome->clear();
    m_currentCamera = index;
    DetectCamera();
    UpdateTable();
}

void ImagePosLoadWidget::RemoveCamera(int index, int current)
{
    if (current >= 0)
        SetCurrentCamera(current);
    else if (index == m_currentCamera)
        SetCurrentCamera(0);
    // The other tabs keep their numbers, which their images refer to.
    kvui::RemoveCameraSlot(m_cameras, m_images, index);
    m_detection.Forget(index);
    UpdateTable();
}

void ImagePosLoadWidget::SetElevation()
{
    ElevationDialog dialog;
    for (int i = 0; i < m_images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = std::as_const(m_images).GetImage(i)) {
            dialog.Widget()->SetPosition(image->GetEOP().X, image->GetEOP().Y);
            break;
        }
    }
    if (dialog.exec() == QDialog::Accepted) {
        m_aveZ->setText(QString::number(dialog.Widget()->Elevation(), 'g', 6));
        m_elevationReason->clear();
        return;
    }
    const QString failure = dialog.Widget()->Failure();
    if (failure.isEmpty())
        m_elevationReason->clear();
    else
        m_elevationReason->setText(tr("No elevation from the web: %1").arg(failure));
}

void ImagePosLoadWidget::SetPOS()
{
    PosLoadDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    PosLoadWidget* pos = dialog.Widget();
    ApplyPosRecords(pos->GetPosDatas(), pos->GetMatchType(), pos->IsLatLong());
}

void ImagePosLoadWidget::ApplyPosRecords(std::vector<PosData> records, PosMatchType type,
                                         bool latLong)
{
    const std::size_t read = records.size();
    if (type == PosMatchOrder)
        kvui::RenameRecordsInOrder(records, m_images, m_currentCamera);
    const int matched = kvui::MatchPosRecords(records, type, m_images, m_currentCamera);
    UpdateMatchCount();
    UpdateTable();
    if (records.empty()) {
        // Records of another survey, or a wrong match rule: the operator's
        // coordinate system stays and the page says so.
        m_posOutcome->setText(tr("POS import: none of the %1 records matched an image of this "
                                 "camera; the coordinate system was left as it was.")
                                  .arg(read));
        return;
    }
    m_posOutcome->setText(tr("POS import: %1 of %2 records matched %3 of the %4 images of this "
                             "camera.")
                              .arg(records.size())
                              .arg(read)
                              .arg(matched)
                              .arg(m_rows.size()));
    m_coordinate = kvui::ChooseCoordinate(records, latLong);
    ShowCoordinateName();
}

void ImagePosLoadWidget::SetExifPOS()
{
    const std::vector<PosData> records = kvui::ReadExifPositions(m_images, m_currentCamera);
    UpdateMatchCount();
    UpdateTable();
    if (records.empty()) {
        m_posOutcome->setText(tr("EXIF: none of the %1 images of this camera has a GPS position; "
                                 "the coordinate system was left as it was.")
                                  .arg(m_rows.size()));
        return;
    }
    m_posOutcome->setText(tr("EXIF: %1 of the %2 images of this camera have a GPS position.")
                              .arg(records.size())
                              .arg(m_rows.size()));
    m_coordinate = kvui::ChooseCoordinate(records, true);
    ShowCoordinateName();
}

ImagePosLoadDialog::ImagePosLoadDialog()
    : ContentDialog(tr("影像POS设置"), nullptr)
{ }

WResut ShowImagePosLoadDialog(kvprj::KvProject& project, bool fromFlight)
{
    ImagePosLoadDialog dialog;
    dialog.Widget()->SetProject(&project, fromFlight);
    if (dialog.exec() != QDialog::Accepted)
        return WR_CANCEL;
    return dialog.Widget()->Result();
}

WResut ShowImagePosDialog(kvprj::KvProject& project, bool fromFlight)
{
    return ShowImagePosLoadDialog(project, fromFlight);
}
