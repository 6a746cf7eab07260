#include "camera/calibrationdialog.h"

#include "camera/cameraparameterwidget.h"
#include "framework/kvmessagebox.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/aiscontext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTooManyImages = 117;

// A tab page holding one camera editor.
CameraParameterWidget* AddCameraTab(QTabWidget* tabs, const char* pageName, const char* editorName,
                                    const QString& title)
{
    auto* page = new QWidget(tabs);
    page->setObjectName(QLatin1String(pageName));
    auto* layout = new QVBoxLayout(page);
    auto* editor = new CameraParameterWidget(page);
    editor->setObjectName(QLatin1String(editorName));
    layout->addWidget(editor, 0, Qt::AlignCenter);
    tabs->addTab(page, title);
    return editor;
}

} // namespace

CalibrationWidget::CalibrationWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("CalibrationWidget"));
    setFixedSize(720, 568);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 12);
    auto* images = new QHBoxLayout();
    m_images = kvui::MakeAllSelectedPair(this, "clbw_all_btn_", "clbw_selected_btn_", nullptr);
    images->addWidget(kvui::MakeLabel(this, tr("Images: ")));
    images->addWidget(m_images.all);
    images->addWidget(m_images.selected);
    images->addStretch();
    layout->addLayout(images);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_raw = AddCameraTab(m_tabs, "init_camera_parameters", "raw_widget_", tr("Initial Parameters"));
    m_new = AddCameraTab(m_tabs, "calibrated_camera_parameters", "new_widget_",
                         tr("Calibrated Parameters"));
    m_tabs->setCurrentIndex(1);
    layout->addWidget(m_tabs, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* run = buttons.Add("clbw_run_btn_", tr("Calibrate"), "kvcombtn");
    QPushButton* update = buttons.Add("clbw_update_btn_", tr("Update"), "kvcombtn");
    QPushButton* cancel = buttons.Add("clbw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons.Layout());

    connect(run, &QPushButton::clicked, this, &CalibrationWidget::ClickCalibration);
    connect(cancel, &QPushButton::clicked, this, &CalibrationWidget::ClickCancel);
    connect(update, &QPushButton::clicked, this, qOverload<>(&CalibrationWidget::UpdateCamera));
}

void CalibrationWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    m_raw->SetCamera(camera);
    m_new->SetCamera(camera);
}

void CalibrationWidget::UpdateCamera(const kvfd::CameraInfo& camera)
{
    m_new->SetCamera(camera);
}

kvfd::CameraInfo CalibrationWidget::GetCamera() const
{
    return m_new->GetCamera();
}

void CalibrationWidget::ClickCancel()
{
    RejectDialog();
}

void CalibrationWidget::ClickCalibration()
{
    const kvkernel::AISContext* project = kvkernel::KvGetContext();
    if (!project)
        return;
    const kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    const bool all = !m_images.IsSelected();
    int count = 0;
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfoExt* ext = images.GetImageExt(i);
        if (ext && (all || ext->selected))
            ++count;
    }
    if (count > kMaxImages) {
        KvMessageBox::Show(kvfd::KvGetConstString(kTooManyImages), KvMessageBox::BT_OK);
        return;
    }
    Q_EMIT RunCalibration();
}

CalibrationDialog::CalibrationDialog(QWidget* parent)
    : ContentDialog(tr("Calibration"), parent)
{
    setFixedSize(740, 620);
    connect(Content(), &CalibrationWidget::RunCalibration, this,
            &CalibrationDialog::RunCalibration);
    connect(Content(), qOverload<>(&CalibrationWidget::UpdateCamera), this,
            qOverload<>(&CalibrationDialog::UpdateCamera));
}
