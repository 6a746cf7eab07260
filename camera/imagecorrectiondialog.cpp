#include "camera/imagecorrectiondialog.h"

#include "camera/camerafile.h"
#include "camera/getcameradialog.h"
#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "kvfd/distortion.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const kOpenFailed = QT_TRANSLATE_NOOP("kvui", "打开文件失败!");

QLineEdit* NumberRow(QGridLayout* grid, int row, int column, const QString& label, const char* name)
{
    QLineEdit* edit = kvui::AddLineEditRow(grid, row, column, label, name, QSize(0, 28)).edit;
    kvui::AcceptReal(edit);
    return edit;
}

QTableWidgetItem* Centred(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

CoefficientWidget::CoefficientWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("coef_widget_"));
    auto* grid = new QGridLayout(this);
    const char* const names[10] = {"cw_k1_", "cw_k2_", "cw_k3_", "cw_k4_",    "cw_k5_",
                                   "cw_k6_", "cw_p1_", "cw_p2_", "cw_alpha_", "cw_beta_"};
    const QString labels[10] = {tr("K1: "), tr("K2: "), tr("K3: "), tr("K4: "), tr("K5: "),
                                tr("K6: "), tr("P1: "), tr("P2: "), tr("A: "),  tr("B :")};
    for (int i = 0; i < 10; ++i)
        m_edits[i] = NumberRow(grid, i % 5, (i / 5) * 2, labels[i], names[i]);
}

void CoefficientWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    const double values[10] = {camera.k1, camera.k2, camera.k3, camera.k4,    camera.k5,
                               camera.k6, camera.p1, camera.p2, camera.alpha, camera.beta};
    for (int i = 0; i < 10; ++i)
        m_edits[i]->setText(QString::number(values[i], 'g', 12));
}

void CoefficientWidget::GetCamera(kvfd::CameraInfo& camera) const
{
    double* const values[10] = {&camera.k1, &camera.k2, &camera.k3, &camera.k4,    &camera.k5,
                                &camera.k6, &camera.p1, &camera.p2, &camera.alpha, &camera.beta};
    for (int i = 0; i < 10; ++i)
        *values[i] = m_edits[i]->text().toDouble();
}

GridWidget::GridWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("grid_widget_"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName(QStringLiteral("gw_table_widget_"));
    m_table->setHorizontalHeaderLabels({tr("ID"), tr("x"), tr("y"), tr("dx"), tr("dy")});
    m_table->verticalHeader()->setFixedWidth(48);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_table);
}

void GridWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    m_table->setRowCount(0);
    const long long width = camera.width;
    const long long height = camera.height;
    if (width <= 0 || height <= 0)
        return;
    const long long rows = ((height + kStep - 1) / kStep) * ((width + kStep - 1) / kStep);
    if (rows < 1 || rows > kMaxRows)
        return;
    m_table->setRowCount(int(rows));
    int row = 0;
    for (long long y = 0; y < height; y += kStep) {
        for (long long x = 0; x < width; x += kStep) {
            const kvfd::ImagePoint offset
                = kvfd::GetDistortionValue(camera, {double(x), double(y)});
            m_table->setItem(row, 0, Centred(QString::number(row)));
            m_table->setItem(row, 1, Centred(QString::number(x)));
            m_table->setItem(row, 2, Centred(QString::number(y)));
            m_table->setItem(row, 3, Centred(QString::number(offset.x, 'g', 6)));
            m_table->setItem(row, 4, Centred(QString::number(offset.y, 'g', 6)));
            ++row;
        }
    }
}

ImageCorrectionWidget::ImageCorrectionWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ImageCorrectionWidget"));
    setFixedSize(720, 600);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 12);
    auto* folders = new QGridLayout();
    const kvui::BrowseRow input
        = kvui::AddBrowseRow(folders, 0, 0, tr("Original:"), "icw_input_", QSize(0, 28),
                             "icw_browse_input_btn_", QSize(28, 28));
    m_input = input.edit;

    auto* options = new QHBoxLayout();
    const auto option = [this, options](const char* name, const QString& label) {
        QPushButton* button = kvui::MakeButton(this, name, QString(), QSize(20, 20), "kvcheckbox");
        button->setCheckable(true);
        button->setAutoDefault(false);
        options->addWidget(button);
        options->addWidget(kvui::MakeLabel(this, label));
        return button;
    };
    m_toTif = option("icw_to_tif_", tr("TIF"));
    m_toCenter = option("icw_to_center_", tr("Center"));
    options->addStretch();
    folders->addWidget(kvui::MakeLabel(this, tr("Option:")), 1, 0);
    folders->addLayout(options, 1, 1, 1, 2);

    const kvui::BrowseRow output
        = kvui::AddBrowseRow(folders, 2, 0, tr("Destination: "), "icw_output_", QSize(0, 28),
                             "icw_browse_output_btn_", QSize(28, 28));
    m_output = output.edit;
    layout->addLayout(folders);

    auto* cameraTitle = new QHBoxLayout();
    cameraTitle->addWidget(kvui::MakeLabel(this, tr("Camera Parameters")));
    QPushButton* import = kvui::MakeToolButton(this, "icw_import_camera_btn_", tr("Import"),
                                               QSize(28, 28), QString(), "kvopenfilebtn");
    QPushButton* exportButton = kvui::MakeToolButton(this, "icw_export_camera_btn_", tr("Export"),
                                                     QSize(28, 28), QString(), "kvsavefilebtn");
    QPushButton* download = kvui::MakeButton(this, "icw_download_camera_btn_", tr("Download"),
                                             QSize(96, 28), "kvcombtn");
    download->setAutoDefault(false);
    cameraTitle->addWidget(import);
    cameraTitle->addWidget(exportButton);
    cameraTitle->addStretch();
    cameraTitle->addWidget(download);
    layout->addLayout(cameraTitle);

    auto* camera = new QGridLayout();
    m_focal = NumberRow(camera, 0, 0, tr("Focal(px): "), "icw_focal_length_");
    m_width = NumberRow(camera, 1, 0, tr("Width(px): "), "icw_width_");
    m_height = NumberRow(camera, 2, 0, tr("Height(px): "), "icw_height_");
    m_ccdWidth = NumberRow(camera, 3, 0, tr("CCD Width(mm): "), "icw_ccd_width_");
    m_ccdHeight = NumberRow(camera, 0, 2, tr("CCD Height(mm): "), "icw_ccd_height_");
    m_x0 = NumberRow(camera, 1, 2, tr("x0(px): "), "icw_x0_");
    m_y0 = NumberRow(camera, 2, 2, tr("y0(px): "), "icw_y0_");
    kvui::AcceptInteger(m_width, 1, 1000000);
    kvui::AcceptInteger(m_height, 1, 1000000);
    layout->addLayout(camera);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("stackedWidget"));
    m_grid = new GridWidget(m_pages);
    m_coefficients = new CoefficientWidget(m_pages);
    m_pages->addWidget(m_grid);
    m_pages->addWidget(m_coefficients);
    m_pages->setCurrentIndex(kCoefficientPage);
    layout->addWidget(m_pages, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("icw_ok_btn_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("icw_cancel_btn_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons.Layout());

    connect(input.browse, &QPushButton::clicked, this, &ImageCorrectionWidget::ClickBrowseInput);
    connect(output.browse, &QPushButton::clicked, this, &ImageCorrectionWidget::ClickBrowseOutput);
    connect(import, &QPushButton::clicked, this, &ImageCorrectionWidget::ClickImportCamera);
    connect(exportButton, &QPushButton::clicked, this, &ImageCorrectionWidget::ClickExportCamera);
    connect(download, &QPushButton::clicked, this, &ImageCorrectionWidget::ClickDownload);
    connect(ok, &QPushButton::clicked, this, &ImageCorrectionWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &ImageCorrectionWidget::ClickCancel);
}

void ImageCorrectionWidget::Get(std::string& input, std::string& output, kvfd::CameraInfo& camera,
                                bool& center, bool& tif)
{
    UpdateCamera();
    input = QString2String(m_input->text().trimmed());
    output = QString2String(m_output->text().trimmed());
    camera = m_camera;
    center = m_toCenter->isChecked();
    tif = m_toTif->isChecked();
}

void ImageCorrectionWidget::ShowCamera(const kvfd::CameraInfo& camera, Page page)
{
    m_pages->setCurrentIndex(page);
    SetCamera(camera);
}

void ImageCorrectionWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    m_camera = camera;
    const auto fixed = [](double v) { return QString::number(v, 'f', 6); };
    m_focal->setText(fixed(camera.focal / camera.pixel_size_x));
    m_width->setText(QString::number(camera.width));
    m_height->setText(QString::number(camera.height));
    m_ccdWidth->setText(fixed(camera.ccd_width));
    m_ccdHeight->setText(fixed(camera.ccd_height));
    m_x0->setText(fixed(camera.x0));
    m_y0->setText(fixed(camera.y0));
    if (m_pages->currentIndex() == kCoefficientPage)
        m_coefficients->SetCamera(m_camera);
    else
        m_grid->SetCamera(m_camera);
}

void ImageCorrectionWidget::UpdateCamera()
{
    m_camera.id = 0;
    m_camera.width = m_width->text().toInt();
    m_camera.height = m_height->text().toInt();
    m_camera.ccd_width = m_ccdWidth->text().toDouble();
    m_camera.ccd_height = m_ccdHeight->text().toDouble();
    m_camera.x0 = m_x0->text().toDouble();
    m_camera.y0 = m_y0->text().toDouble();
    // Square pixels: the sensor height does not enter.
    m_camera.pixel_size_x = m_camera.ccd_width / m_camera.width;
    m_camera.pixel_size_y = m_camera.pixel_size_x;
    m_camera.focal = m_focal->text().toDouble() * m_camera.pixel_size_x;
    m_camera.dtype = 1;
    if (m_pages->currentIndex() == kCoefficientPage)
        m_coefficients->GetCamera(m_camera);
}

void ImageCorrectionWidget::ClickBrowseInput()
{
    const QString folder = kvui::ChooseFolder(this, tr("Open Directory"));
    if (!folder.isEmpty())
        m_input->setText(folder);
}

void ImageCorrectionWidget::ClickBrowseOutput()
{
    const QString folder = kvui::ChooseFolder(this, tr("Open Directory"));
    if (!folder.isEmpty())
        m_output->setText(folder);
}

void ImageCorrectionWidget::ClickImportCamera()
{
    const QString file
        = kvui::ChooseFile(this, tr("Import Camera"),
                           tr("Varnel Camera File (*.xml);;Varnel Binary Camera File (*.cam)"));
    if (file.isEmpty())
        return;
    kvfd::CameraInfo camera;
    if (!ImportCameraFile(camera, file)) {
        KvMessageBox::Show(kOpenFailed, KvMessageBox::BT_OK);
        return;
    }
    const bool binary = QFileInfo(file).suffix().toLower() == QLatin1String("cam");
    ShowCamera(camera, binary ? kGridPage : kCoefficientPage);
}

void ImageCorrectionWidget::ClickExportCamera()
{
    const bool binary = m_pages->currentIndex() == kGridPage;
    QString file = kvui::ChooseFile(this, tr("Save Camera"),
                                    binary ? tr("Varnel Binary Camera File (*.cam)")
                                           : tr("Varnel Camera File (*.xml)"),
                                    kvui::FileAction::Save);
    if (file.isEmpty())
        return;
    // The format follows the suffix; a name typed without one gets the
    // page's.
    const QString suffix = binary ? QStringLiteral("cam") : QStringLiteral("xml");
    if (QFileInfo(file).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        file += QLatin1Char('.') + suffix;
    UpdateCamera();
    ExportCameraFile(m_camera, file);
}

void ImageCorrectionWidget::ClickDownload()
{
    GetCameraDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ShowCamera(dialog.GetCamera(), kGridPage);
}

void ImageCorrectionWidget::ClickOK()
{
    for (const QLineEdit* edit :
         {m_input, m_output, m_focal, m_width, m_height, m_ccdWidth, m_ccdHeight, m_x0, m_y0}) {
        if (edit->text().trimmed().isEmpty())
            return;
    }
    AcceptDialog();
}

void ImageCorrectionWidget::ClickCancel()
{
    RejectDialog();
}

ImageCorrectionDialog::ImageCorrectionDialog(QWidget* parent)
    : ContentDialog(tr("Image Correction"), parent)
{ }

void ShowTestDialog(QWidget*)
{
    ImageCorrectionDialog dialog;
    dialog.exec();
}
