#include "camera/camerasettingwidget.h"

#include "camera/camerafile.h"
#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "kvfd/kvconfiguration.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

const char* const kAnglePictures[] = {
    ":/dialog/images/1280/new_ele/Camera_placement_angle0.png",
    ":/dialog/images/1280/new_ele/Camera_placement_angle90.png",
    ":/dialog/images/1280/new_ele/Camera_placement_angle180.png",
    ":/dialog/images/1280/new_ele/Camera_placement_angle270.png",
};
constexpr int kAngleCount = int(sizeof(kAnglePictures) / sizeof(kAnglePictures[0]));
const char* const kFormulaPicture = ":/dialog/images/1280/new_ele/Distortion_parameters_image.png";

// Camera file types offered by the choosers, translated where they are offered.
const char* const kXmlFilter
    = QT_TRANSLATE_NOOP("CameraSettingWidget", "Varnel Camera File (*.xml)");
const char* const kInphoFilter
    = QT_TRANSLATE_NOOP("CameraSettingWidget", "Inpho Camera File (*.prj)");
// The leading blank belongs to the text.
const char* const kOpticalFilter
    = QT_TRANSLATE_NOOP("CameraSettingWidget", " Context Capture Optical properties (*.opt)");

const QSize kToolButton(60, 32);
const QSize kFieldWidth(120, 0);
const QSize kCoefficientWidth(140, 0);

int AngleIndex(int angle)
{
    return angle >= 0 && angle < kAngleCount ? angle : 0;
}

QString Fixed6(double value)
{
    return QString::number(value, 'f', 6);
}

// A section title with a rule running to the right edge.
QHBoxLayout* SectionTitle(QWidget* parent, const QString& text)
{
    auto* row = new QHBoxLayout();
    QLabel* title = kvui::MakeLabel(parent, text);
    title->setMinimumWidth(105);
    title->setMaximumWidth(120);
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    row->addWidget(title);
    row->addWidget(rule, 1);
    return row;
}

} // namespace

CameraSettingWidget::CameraSettingWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("CameraSettingWidget"));
    BuildForm();

    connect(m_angle, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraSettingWidget::ChangeAngle);
    connect(m_cameraList, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraSettingWidget::ChangeCamera);
    connect(m_export, &QPushButton::clicked, this, &CameraSettingWidget::ExportCamera);
    connect(m_import, &QPushButton::clicked, this, &CameraSettingWidget::ImportCamera);
    connect(m_reload, &QPushButton::clicked, this, &CameraSettingWidget::ReloadCamera);
    connect(m_fisheye, &QPushButton::clicked, this, &CameraSettingWidget::SetFishEyeCamera);
    connect(m_zero, &QPushButton::clicked, this, &CameraSettingWidget::ReCenter);

    FillCameraList();
    m_formulaPicture->setPixmap(QPixmap(QLatin1String(kFormulaPicture)));
    SetCamera(kvfd::CameraInfo());
}

void CameraSettingWidget::BuildForm()
{
    resize(804, 800);
    setMinimumSize(800, 800);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(48, 18, 48, 18);

    // Name and file buttons.
    auto* nameRow = new QHBoxLayout();
    // 100 wide, or wider where the 12-point font needs it: a clipped name
    // label reads "Camera Nam".
    QLabel* nameLabel = kvui::MakeLabel(this, tr("Camera Name  "));
    QFont nameFont = nameLabel->font();
    nameFont.setPointSize(12);
    nameLabel->setFont(nameFont);
    nameLabel->setMinimumWidth(100);
    m_edits.name = kvui::MakeLineEdit(this, "csw_camera_name_", QSize(160, 0));
    m_edits.name->setMinimumHeight(30);
    nameLabel->setBuddy(m_edits.name);
    m_import = kvui::MakeToolButton(this, "csw_import_", tr("Import"), kToolButton);
    m_export = kvui::MakeToolButton(this, "csw_export_", tr("Export"), kToolButton);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_edits.name);
    nameRow->addWidget(m_import);
    nameRow->addWidget(m_export);
    nameRow->addStretch(1);
    layout->addLayout(nameRow);

    // The camera database.
    auto* modelRow = new QHBoxLayout();
    QLabel* modelLabel = kvui::MakeLabel(this, tr("Camera Model"));
    modelLabel->setMinimumWidth(100);
    m_cameraList = kvui::MakeComboBox(this, "csw_camera_base_", QSize(240, 0));
    m_cameraList->setMinimumHeight(24);
    modelLabel->setBuddy(m_cameraList);
    m_reload = kvui::MakeToolButton(this, "csw_reload_camera_", tr("重置"), kToolButton);
    m_zero = kvui::MakeToolButton(this, "csw_recenter_camera_", tr("居中清零"), kToolButton,
                                  tr("Zero"), "kvcombtn");
    modelRow->addWidget(modelLabel);
    modelRow->addWidget(m_cameraList);
    modelRow->addWidget(m_reload);
    modelRow->addWidget(m_zero);
    modelRow->addStretch(1);
    layout->addLayout(modelRow);

    layout->addLayout(SectionTitle(this, tr("Camera Setting")));

    // Interior orientation on the left; mounting angle and principal point on
    // the right.
    auto* setting = new QGridLayout();
    layout->addLayout(setting);
    setting->addWidget(kvui::MakeLabel(this, tr("Fisheye:")), 0, 0);
    m_fisheye = kvui::MakeButton(this, "csw_fisheye_", QString(), QSize(20, 20), "kvcheckbox");
    m_fisheye->setCheckable(true);
    m_fisheye->setAutoDefault(false);
    setting->addWidget(m_fisheye, 0, 1);
    m_edits.focal
        = kvui::AddLineEditRow(setting, 1, 0, tr("Focal(px):"), "csw_focal_length_", kFieldWidth)
              .edit;
    m_edits.width
        = kvui::AddLineEditRow(setting, 2, 0, tr("Width(px):"), "csw_width_", kFieldWidth).edit;
    m_edits.height
        = kvui::AddLineEditRow(setting, 3, 0, tr("Height(px):"), "csw_height_", kFieldWidth).edit;
    m_edits.ccdWidth
        = kvui::AddLineEditRow(setting, 4, 0, tr("CCD Width(mm):"), "csw_ccd_width_", kFieldWidth)
              .edit;
    m_edits.ccdHeight
        = kvui::AddLineEditRow(setting, 5, 0, tr("CCD Height(mm):"), "csw_ccd_height_", kFieldWidth)
              .edit;
    setting->setColumnMinimumWidth(2, 24);
    m_angle
        = kvui::AddComboRow(setting, 0, 3, tr("Mount Angle: "), "csw_angle_", kFieldWidth).combo;
    m_angle->addItems({QStringLiteral("0°"), QStringLiteral("90°"), QStringLiteral("180°"),
                       QStringLiteral("270°")});
    m_anglePicture = kvui::MakeLabel(this, QString(), "csw_angle_pixmap_", QSize(240, 130));
    m_anglePicture->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 255);"));
    m_anglePicture->setAlignment(Qt::AlignCenter);
    setting->addWidget(m_anglePicture, 1, 3, 3, 2, Qt::AlignLeft | Qt::AlignVCenter);
    m_edits.x0 = kvui::AddLineEditRow(setting, 4, 3, tr("x0(px):"), "csw_x0_", kFieldWidth).edit;
    m_edits.y0 = kvui::AddLineEditRow(setting, 5, 3, tr("y0(px):"), "csw_y0_", kFieldWidth).edit;
    setting->setColumnStretch(5, 1);

    layout->addLayout(SectionTitle(this, tr("Distortion")));

    auto* coefficients = new QGridLayout();
    layout->addLayout(coefficients);
    const auto coefficient = [&](int row, int pair, const QString& label, const char* name) {
        return kvui::AddLineEditRow(coefficients, row, pair * 2, label, name, kCoefficientWidth)
            .edit;
    };
    m_edits.k1 = coefficient(0, 0, tr("K1: "), "csw_k1_");
    m_edits.k2 = coefficient(0, 1, tr("K2: "), "csw_k2_");
    m_edits.k3 = coefficient(0, 2, tr("K3: "), "csw_k3_");
    m_edits.k4 = coefficient(1, 0, tr("K4: "), "csw_k4_");
    m_edits.p1 = coefficient(1, 1, tr("P1: "), "csw_p1_");
    m_edits.p2 = coefficient(1, 2, tr("P2: "), "csw_p2_");
    m_edits.alpha = coefficient(2, 0, tr("A: "), "csw_alpha_");
    m_edits.beta = coefficient(2, 1, tr("B: "), "csw_beta_");
    m_edits.AcceptNumbers();
    coefficients->setColumnStretch(6, 1);

    auto* formulaRow = new QHBoxLayout();
    formulaRow->addWidget(kvui::MakeLabel(this, tr("Formula")), 0, Qt::AlignTop);
    m_formulaPicture = kvui::MakeLabel(this, QString(), "csw_distortion_pixmap_");
    formulaRow->addWidget(m_formulaPicture);
    formulaRow->addStretch(1);
    layout->addLayout(formulaRow);
    layout->addStretch(1);
}

void CameraSettingWidget::FillCameraList()
{
    m_cameras = kvfd::KvConfiguration::Instance()->GetCameraInfoSet();
    QStringList names;
    names.reserve(m_cameras.Size() + 1);
    names.append(QString());
    for (int i = 0; i < m_cameras.Size(); ++i)
        names.append(String2QString(m_cameras.GetCamera(i)->fullname));
    // The database may hold tens of thousands of cameras: one string-list model
    // instead of an item per camera, a size hint that does not measure every
    // name, and a drop-down that does not either. Styles that place the list
    // over the current item (Fusion, for one) walk every row each time the list
    // drops down; a plain drop-down below the box only lays out what it shows.
    m_cameraList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cameraList->setMinimumContentsLength(20);
    auto* view = new QListView(m_cameraList);
    view->setUniformItemSizes(true);
    m_cameraList->setView(view);
    m_cameraList->setModel(new QStringListModel(names, m_cameraList));
    m_cameraList->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    m_cameraList->setCurrentIndex(0);
}

void CameraSettingWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    const int found = m_cameras.FindCamera(camera.name, camera.focal);
    if (found >= 0 && m_cameraList->count() > found + 1) {
        m_cameraList->setCurrentIndex(found + 1);
        m_reload->setEnabled(true);
    } else {
        m_reload->setEnabled(false);
    }
    ShowCamera(camera);
}

void CameraSettingWidget::ShowCamera(const kvfd::CameraInfo& camera)
{
    m_edits.Show(camera, 'f');

    // An angle code outside 0..3 would leave the combo box without a
    // selection and read back as -1; it is shown, and kept, as 0°.
    const int angle = AngleIndex(camera.mount_angle);
    m_angle->setCurrentIndex(angle);
    ChangeAngle(angle);
    SetFishEyeCamera(camera.dtype == 6);
}

kvfd::CameraInfo CameraSettingWidget::GetCamera() const
{
    kvfd::CameraInfo camera = m_edits.Read();
    camera.mount_angle = m_angle->currentIndex();
    camera.dtype = m_fisheye->isChecked() ? 6 : 1;
    return camera;
}

void CameraSettingWidget::ChangeAngle(int index)
{
    m_anglePicture->setPixmap(QPixmap(QLatin1String(kAnglePictures[AngleIndex(index)])));
}

void CameraSettingWidget::ChangeCamera(int index)
{
    const kvfd::CameraInfo* camera = index > 0 ? m_cameras.GetCamera(index - 1) : nullptr;
    m_reload->setEnabled(camera != nullptr);
    // The list already shows this camera; looking it up again by name and
    // focal length could jump to an earlier camera with the same key.
    if (camera)
        ShowCamera(*camera);
}

void CameraSettingWidget::ExportCamera()
{
    const QString filter = QStringList {tr(kXmlFilter), tr(kInphoFilter), tr(kOpticalFilter)}.join(
        QStringLiteral(";;"));
    const QString path = kvui::ChooseFile(this, tr("Save Camera"), filter, kvui::FileAction::Save);
    if (!path.isEmpty())
        ExportCameraFile(GetCamera(), path);
}

void CameraSettingWidget::ImportCamera()
{
    const QString path = kvui::ChooseFile(this, tr("Import Camera"), tr(kXmlFilter));
    kvfd::CameraInfo camera;
    if (!path.isEmpty() && ImportCameraFile(camera, path))
        SetCamera(camera);
}

void CameraSettingWidget::ReCenter()
{
    const kvfd::CameraInfo camera = GetCamera();
    // In double: a typed width of INT_MIN must not overflow.
    m_edits.x0->setText(Fixed6((double(camera.width) - 1.0) * 0.5));
    m_edits.y0->setText(Fixed6((double(camera.height) - 1.0) * 0.5));
    for (QLineEdit* edit : {m_edits.k1, m_edits.k2, m_edits.k3, m_edits.k4, m_edits.p1, m_edits.p2,
                            m_edits.alpha, m_edits.beta})
        edit->setText(QStringLiteral("0"));
}

void CameraSettingWidget::ReloadCamera()
{
    ChangeCamera(m_cameraList->currentIndex());
}

void CameraSettingWidget::SetFishEyeCamera(bool checked)
{
    m_fisheye->setChecked(checked);
    for (QLineEdit* edit : {m_edits.p1, m_edits.p2, m_edits.alpha, m_edits.beta})
        edit->setEnabled(!checked);
}
