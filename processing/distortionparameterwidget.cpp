#include "processing/distortionparameterwidget.h"

#include "framework/formrows.h"
#include "kvfd/kvconfiguration.h"
#include "processing/distortiondialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

namespace {

double Number(const QLineEdit* edit)
{
    return edit->text().trimmed().toDouble();
}

} // namespace

DistortionParameterWidget::DistortionParameterWidget(QWidget* parent)
    : BaseWidget(parent)
    , m_cameras(kvfd::KvConfiguration::Instance()->GetCameraInfoSet())
{
    setFixedSize(768, 493);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setSpacing(12);

    auto* head = new QGridLayout();
    head->setHorizontalSpacing(12);
    head->setVerticalSpacing(12);
    layout->addLayout(head);
    head->addWidget(kvui::MakeLabel(this, tr("Process: ")), 0, 0);
    head->addWidget(kvui::MakeLabel(this, tr("Distortion")), 0, 1);
    m_camera = kvui::AddComboRow(head, 1, 0, tr("Camera Model"), "dtpw_camera_base_", QSize(0, 28))
                   .combo;
    kvui::FillCameraCombo(m_camera, m_cameras);
    head->setColumnStretch(1, 1);

    const QString frame = QStringLiteral("QLineEdit{\nborder: 1px solid rgb(49, 154, 207);\n}");
    const QSize fieldSize(120, 28);
    const auto addFields = [&](const QString& title, const auto& names, QLineEdit** edits) {
        layout->addWidget(kvui::MakeLabel(this, title));
        auto* grid = new QGridLayout();
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(8);
        layout->addLayout(grid);
        int i = 0;
        for (const auto& name : names) {
            edits[i] = kvui::AddLineEditRow(grid, i / 3, (i % 3) * 2, name.first, name.second,
                                            fieldSize, nullptr)
                           .edit;
            edits[i]->setStyleSheet(frame);
            kvui::AcceptReal(edits[i]);
            ++i;
        }
    };
    const std::pair<QString, const char*> fields[7] = {{tr("Focal(px): "), "dtpw_focal_length_"},
                                                       {tr("Image Width(px): "), "dtpw_width_"},
                                                       {tr("Image Height(px): "), "dtpw_height_"},
                                                       {tr("CCD Width(mm): "), "dtpw_ccd_width_"},
                                                       {tr("CCD Height(mm): "), "dtpw_ccd_height_"},
                                                       {tr("x0(px): "), "dtpw_x0_"},
                                                       {tr("y0(px): "), "dtpw_y0_"}};
    addFields(tr("Camera Parameters"), fields, m_fields);
    const std::pair<QString, const char*> coefficients[8]
        = {{tr("K1："), "dtpw_k1_"},   {tr("K2："), "dtpw_k2_"}, {tr("K3："), "dtpw_k3_"},
           {tr("K4："), "dtpw_k4_"},   {tr("P1："), "dtpw_p1_"}, {tr("P2："), "dtpw_p2_"},
           {tr("α："), "dtpw_alpha_"}, {tr("β："), "dtpw_beta_"}};
    addFields(tr("Distortion"), coefficients, m_coefficients);
    layout->addStretch(1);

    connect(m_camera, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DistortionParameterWidget::ChangeCamera);
}

void DistortionParameterWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    const int found = m_cameras.FindCamera(camera.name, camera.focal);
    if (found >= 0 && m_camera->count() > found + 1)
        m_camera->setCurrentIndex(found + 1);
    ShowCamera(camera);
}

void DistortionParameterWidget::ShowCamera(const kvfd::CameraInfo& camera)
{
    const double sixDigits[7] = {camera.focal / camera.pixel_size_x,
                                 0,
                                 0,
                                 camera.ccd_width,
                                 camera.ccd_height,
                                 camera.x0,
                                 camera.y0};
    for (int i = 0; i < 7; ++i)
        m_fields[i]->setText(QString::number(sixDigits[i], 'g', 6));
    m_fields[1]->setText(QString::number(camera.width));
    m_fields[2]->setText(QString::number(camera.height));
    const double values[8] = {camera.k1, camera.k2, camera.k3,    camera.k4,
                              camera.p1, camera.p2, camera.alpha, camera.beta};
    for (int i = 0; i < 8; ++i)
        m_coefficients[i]->setText(QString::number(values[i], 'g', 10));
}

void DistortionParameterWidget::ChangeCamera(int index)
{
    if (index <= 0)
        return;
    if (const kvfd::CameraInfo* camera = m_cameras.GetCamera(index - 1))
        ShowCamera(kvfd::CameraInfo(*camera));
}

kvfd::KvPtr<AlgoParameter> DistortionParameterWidget::GetParameter()
{
    auto* record = new DistortionParameter();
    record->type = kvalgo::kDistortion;
    record->all = true;
    record->path.clear();
    kvfd::CameraInfo& camera = record->camera;
    camera.width = m_fields[1]->text().trimmed().toInt();
    camera.height = m_fields[2]->text().trimmed().toInt();
    camera.ccd_width = Number(m_fields[3]);
    camera.ccd_height = Number(m_fields[4]);
    camera.pixel_size_x = camera.ccd_width / camera.width;
    camera.pixel_size_y = camera.ccd_height / camera.height;
    camera.x0 = Number(m_fields[5]);
    camera.y0 = Number(m_fields[6]);
    camera.focal = Number(m_fields[0]) * camera.pixel_size_x;
    double* const values[8] = {&camera.k1, &camera.k2, &camera.k3,    &camera.k4,
                               &camera.p1, &camera.p2, &camera.alpha, &camera.beta};
    for (int i = 0; i < 8; ++i)
        *values[i] = Number(m_coefficients[i]);
    camera.dtype = 1;
    record->toTif = false;
    record->toCenter = true;
    record->useCamera = true;
    return kvfd::KvPtr<AlgoParameter>(record);
}
