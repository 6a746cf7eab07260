#include "processing/distortiondialog.h"

#include "camera/camerafile.h"
#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "kvfd/kvconfiguration.h"
#include "kvfd/stringconverter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

// Model codes of the hidden type list's items.
const int kTypeCodes[] = {1, 3, 4};

const QSize kFieldSize(110, 28);

QPushButton* MakeCheckButton(QWidget* parent, const char* name, bool checked)
{
    QPushButton* button = kvui::MakeButton(parent, name, QString(), QSize(20, 20), "kvcheckbox");
    button->setCheckable(true);
    button->setChecked(checked);
    button->setAutoDefault(false);
    return button;
}

double Number(const QLineEdit* edit)
{
    return edit->text().trimmed().toDouble();
}

} // namespace

namespace kvui {

void FillCameraCombo(QComboBox* combo, const kvfd::CameraInfoSet& cameras)
{
    QStringList names;
    names.reserve(cameras.Size() + 1);
    names.append(QString());
    for (int i = 0; i < cameras.Size(); ++i)
        names.append(String2QString(cameras.GetCamera(i)->fullname));
    // A database holds thousands of cameras: one string-list model rather than
    // an item each, and a drop-down that measures only the rows it shows.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(20);
    auto* view = new QListView(combo);
    view->setUniformItemSizes(true);
    combo->setView(view);
    combo->setModel(new QStringListModel(names, combo));
    combo->setStyleSheet(QStringLiteral("combobox-popup: 0;"));
    combo->setCurrentIndex(0);
}

} // namespace kvui

DistortionWidget::DistortionWidget(QWidget* parent)
    : BaseWidget(parent)
    , m_cameras(kvfd::KvConfiguration::Instance()->GetCameraInfoSet())
{
    setFixedSize(720, 611);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 12, 30, 16);
    layout->setSpacing(10);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    layout->addLayout(grid);
    grid->addWidget(kvui::MakeLabel(this, tr("Process: ")), 0, 0);
    grid->addWidget(kvui::MakeLabel(this, tr("Distortion")), 0, 1);

    grid->addWidget(kvui::MakeLabel(this, tr("Images: ")), 1, 0);
    const kvui::AllSelectedPair scope
        = kvui::MakeAllSelectedPair(this, "dstw_all_btn_", "dstw_selected_btn_", nullptr);
    m_all = scope.all;
    m_selected = scope.selected;
    auto* scopeRow = new QHBoxLayout();
    scopeRow->setSpacing(30);
    scopeRow->addWidget(m_all);
    scopeRow->addWidget(m_selected);
    scopeRow->addStretch(1);
    grid->addLayout(scopeRow, 1, 1, 1, 3);

    grid->addWidget(kvui::MakeLabel(this, tr("Output：")), 2, 0);
    m_toTif = MakeCheckButton(this, "dstw_to_tif_", false);
    m_toCenter = MakeCheckButton(this, "dstw_to_center_", true);
    m_customCamera = MakeCheckButton(this, "dstw_custom_camera_", true);
    auto* options = new QHBoxLayout();
    options->setSpacing(6);
    const std::pair<QPushButton*, QString> optionLabels[]
        = {{m_toTif, tr("TIF")}, {m_toCenter, tr("Center")}, {m_customCamera, tr("Custom Camera")}};
    for (const auto& option : optionLabels) {
        options->addWidget(option.first);
        options->addWidget(kvui::MakeLabel(this, option.second));
        options->addSpacing(24);
    }
    options->addStretch(1);
    grid->addLayout(options, 2, 1, 1, 3);

    const kvui::BrowseRow output
        = kvui::AddBrowseRow(grid, 3, 0, tr("Destination: "), "dstw_output_", QSize(0, 28),
                             "dstw_browse_btn_", QSize(28, 28));
    m_output = output.edit;
    output.browse->setAutoDefault(false);

    m_camera
        = kvui::AddComboRow(grid, 4, 0, tr("Camera Model"), "dstw_camera_", QSize(0, 28)).combo;
    kvui::FillCameraCombo(m_camera, m_cameras);
    auto* cameraButtons = new QHBoxLayout();
    m_import = kvui::MakeToolButton(this, "dstw_import_btn_", tr("Import Camera"), QSize(28, 28));
    m_export = kvui::MakeToolButton(this, "dstw_export_btn_", tr("Save Camera"), QSize(28, 28),
                                    QString(), "kvsavefilebtn");
    cameraButtons->addWidget(m_import);
    cameraButtons->addWidget(m_export);
    grid->addLayout(cameraButtons, 4, 2);
    grid->setColumnStretch(1, 1);

    layout->addWidget(kvui::MakeLabel(this, tr("Camera Parameters")));
    auto* fields = new QGridLayout();
    fields->setHorizontalSpacing(10);
    fields->setVerticalSpacing(8);
    layout->addLayout(fields);
    const std::pair<QString, const char*> fieldNames[7]
        = {{tr("Focal(px): "), "dstw_focal_length_"},
           {tr("Width(px): "), "dstw_width_"},
           {tr("Height(px): "), "dstw_height_"},
           {tr("CCD Width(mm): "), "dstw_ccd_width_"},
           {tr("CCD Height(mm): "), "dstw_ccd_height_"},
           {tr("x0(px): "), "dstw_x0_"},
           {tr("y0(px): "), "dstw_y0_"}};
    for (int i = 0; i < 7; ++i) {
        m_fields[i] = kvui::AddLineEditRow(fields, i / 2, (i % 2) * 2, fieldNames[i].first,
                                           fieldNames[i].second, QSize(200, 28))
                          .edit;
        kvui::AcceptReal(m_fields[i]);
    }

    auto* typeRow = new QHBoxLayout();
    QLabel* typeLabel = kvui::MakeLabel(this, tr("Distortion:"));
    m_type = kvui::MakeComboBox(this, "dstw_dtype_", QSize(160, 28));
    m_type->addItems({tr("Type 1(AUS)"), tr("Type 2(Bronw)"), tr("Type 3(Inpho)")});
    m_type->setCurrentIndex(0);
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(m_type);
    typeRow->addStretch(1);
    layout->addLayout(typeRow);
    // The model follows the camera; the list stays for the host to show.
    typeLabel->hide();
    m_type->hide();

    auto* coefficients = new QGridLayout();
    coefficients->setHorizontalSpacing(10);
    coefficients->setVerticalSpacing(8);
    layout->addLayout(coefficients);
    const std::pair<QString, const char*> coefficientNames[10]
        = {{tr("K1: "), "dstw_k1_"}, {tr("K2: "), "dstw_k2_"}, {tr("K3: "), "dstw_k3_"},
           {tr("K4: "), "dstw_k4_"}, {tr("K5: "), "dstw_k5_"}, {tr("K6: "), "dstw_k6_"},
           {tr("P1: "), "dstw_p1_"}, {tr("P2: "), "dstw_p2_"}, {tr("A: "), "dstw_alpha_"},
           {tr("B :"), "dstw_beta_"}};
    for (int i = 0; i < 10; ++i) {
        const kvui::LineEditRow row
            = kvui::AddLineEditRow(coefficients, i / 3, (i % 3) * 2, coefficientNames[i].first,
                                   coefficientNames[i].second, kFieldSize);
        m_coefficients[i] = row.edit;
        m_coefficientLabels[i] = row.label;
        kvui::AcceptReal(row.edit);
    }
    layout->addStretch(1);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("dstw_ok_btn_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("dstw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons.Layout());

    connect(ok, &QPushButton::clicked, this, &DistortionWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &DistortionWidget::ClickCancel);
    connect(output.browse, &QPushButton::clicked, this, &DistortionWidget::ClickBrowse);
    connect(m_camera, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DistortionWidget::ChangeCamera);
    connect(m_type, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DistortionWidget::ChangeType);
    connect(m_customCamera, &QPushButton::clicked, this, &DistortionWidget::ClickCamera);
    connect(m_import, &QPushButton::clicked, this, &DistortionWidget::ClickImportCamera);
    connect(m_export, &QPushButton::clicked, this, &DistortionWidget::ClickExportCamera);
}

void DistortionWidget::SetAll(bool all)
{
    m_all->setChecked(all);
    m_selected->setChecked(!all);
}

bool DistortionWidget::IsSelected() const
{
    return m_selected->isChecked();
}

void DistortionWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    const int found = m_cameras.FindCamera(camera.name, camera.focal);
    // Shows the database's camera first; the caller's values then replace it.
    if (found >= 0 && m_camera->count() > found + 1)
        m_camera->setCurrentIndex(found + 1);
    ShowCamera(camera);
}

void DistortionWidget::ShowCamera(const kvfd::CameraInfo& camera)
{
    m_fields[0]->setText(QString::number(camera.focal / camera.pixel_size_x, 'g', 6));
    m_fields[1]->setText(QString::number(camera.width));
    m_fields[2]->setText(QString::number(camera.height));
    const double rest[] = {camera.ccd_width, camera.ccd_height, camera.x0, camera.y0};
    for (int i = 0; i < 4; ++i)
        m_fields[3 + i]->setText(QString::number(rest[i], 'g', 10));
    const double values[10] = {camera.k1, camera.k2, camera.k3, camera.k4,    camera.k5,
                               camera.k6, camera.p1, camera.p2, camera.alpha, camera.beta};
    for (int i = 0; i < 10; ++i)
        m_coefficients[i]->setText(QString::number(values[i], 'g', 10));
    // Item 2 is never chosen from a camera: a model-4 camera shows as item 0.
    m_type->setCurrentIndex(camera.dtype == 3 ? 1 : 0);
}

kvfd::CameraInfo DistortionWidget::GetCamera() const
{
    kvfd::CameraInfo camera;
    camera.width = m_fields[1]->text().trimmed().toInt();
    camera.height = m_fields[2]->text().trimmed().toInt();
    camera.ccd_width = Number(m_fields[3]);
    camera.ccd_height = Number(m_fields[4]);
    camera.pixel_size_x = camera.ccd_width / camera.width;
    camera.pixel_size_y = camera.ccd_height / camera.height;
    camera.x0 = Number(m_fields[5]);
    camera.y0 = Number(m_fields[6]);
    camera.focal = Number(m_fields[0]) * camera.pixel_size_x;
    double* const values[10] = {&camera.k1, &camera.k2, &camera.k3, &camera.k4,    &camera.k5,
                                &camera.k6, &camera.p1, &camera.p2, &camera.alpha, &camera.beta};
    for (int i = 0; i < 10; ++i)
        *values[i] = Number(m_coefficients[i]);
    const int type = m_type->currentIndex();
    camera.dtype = kTypeCodes[type >= 0 && type < 3 ? type : 0];
    camera.mount_angle = 0;
    return camera;
}

std::string DistortionWidget::GetPath() const
{
    std::string path;
    kvfd::StringConverter::Convert(m_output->text().toStdWString(), path);
    return path;
}

bool DistortionWidget::ToCenter() const
{
    return m_toCenter->isChecked();
}

bool DistortionWidget::ToTif() const
{
    return m_toTif->isChecked();
}

bool DistortionWidget::UseCamera() const
{
    return m_customCamera->isChecked();
}

void DistortionWidget::ClickOK()
{
    if (!m_output->text().isEmpty())
        AcceptDialog();
}

void DistortionWidget::ClickCamera(bool on)
{
    m_camera->setEnabled(on);
    m_type->setEnabled(on);
    m_import->setEnabled(on);
    m_export->setEnabled(on);
    for (QLineEdit* field : m_fields)
        field->setEnabled(on);
    for (QLineEdit* field : m_coefficients)
        field->setEnabled(on);
}

void DistortionWidget::ClickCancel()
{
    RejectDialog();
}

void DistortionWidget::ClickBrowse()
{
    const QString folder = kvui::ChooseFolder(this, tr("Open Directory"));
    if (!folder.isEmpty())
        m_output->setText(folder);
}

void DistortionWidget::ChangeCamera(int index)
{
    if (index <= 0)
        return;
    if (const kvfd::CameraInfo* camera = m_cameras.GetCamera(index - 1))
        ShowCamera(kvfd::CameraInfo(*camera)); // not SetCamera: the second of two equal keys stays
}

void DistortionWidget::ChangeType(int type)
{
    // The labels beside k1, k2, k3, p1, p2, alpha and beta.
    const int relabelled[7] = {0, 1, 2, 6, 7, 8, 9};
    const char* const brown[7] = {"K0:", "K1:", "K2:", "K3:", "K4:", "P1:", "P2:"};
    const char* const other[7] = {"K1:", "K2:", "K3:", "P1:", "P2:", "A:", "B:"};
    for (int i = 0; i < 7; ++i)
        m_coefficientLabels[relabelled[i]]->setText(QLatin1String(type == 2 ? brown[i] : other[i]));
}

void DistortionWidget::ClickImportCamera()
{
    const QString file
        = kvui::ChooseFile(this, tr("Import Camera"), QStringLiteral("Varnel Camera File (*.xml)"));
    if (file.isEmpty())
        return;
    kvfd::CameraInfo camera;
    if (ImportCameraFile(camera, file))
        SetCamera(camera);
}

void DistortionWidget::ClickExportCamera()
{
    const QString file
        = kvui::ChooseFile(this, tr("Save Camera"), QStringLiteral("Varnel Camera File (*.xml)"),
                           kvui::FileAction::Save);
    if (!file.isEmpty())
        ExportCameraFile(GetCamera(), file);
}

DistortionDialog::DistortionDialog(QWidget* parent)
    : ContentDialog(tr("Distortion"), parent)
{ }
