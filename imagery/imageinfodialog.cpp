#include "imagery/imageinfodialog.h"

#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "kvfd/pathhelper.h"
#include "kvmath/mathhelper.h"

#include <QGridLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const QSize kPreviewSize(600, 300);

// The image scaled to fit the preview, decoded at that size where the format
// allows, so a large photo is never held at full resolution.
QImage LoadPreview(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !size.isEmpty())
        reader.setScaledSize(size.scaled(kPreviewSize, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (image.width() > kPreviewSize.width() || image.height() > kPreviewSize.height()
        || !size.isValid())
        image = image.scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

ImageInfoWidget::ImageInfoWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ImageInfoWidget"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setSpacing(12);

    m_image = kvui::MakeLabel(this, QString(), "iiw_image_");
    m_image->setMinimumSize(kPreviewSize);
    m_image->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_image);

    static const char* const kNames[6]
        = {"iiw_x_", "iiw_y_", "iiw_z_", "iiw_omega_", "iiw_phi_", "iiw_kappa_"};
    const QString captions[6] = {tr("X"), tr("Y"), tr("Z"), tr("Omega"), tr("Phi"), tr("Kappa")};
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    for (int i = 0; i < 6; ++i) {
        const int row = i % 3;
        const int column = (i / 3) * 2;
        grid->addWidget(kvui::MakeLabel(this, captions[i]), row, column);
        m_values[i] = kvui::MakeLabel(this, QString(), kNames[i]);
        grid->addWidget(m_values[i], row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
}

void ImageInfoWidget::SetData(const kvfd::EOP& eop, const std::string& path)
{
    const double values[6] = {eop.X,
                              eop.Y,
                              eop.Z,
                              kvmath::MathHelper::Rad2Deg(eop.Omega),
                              kvmath::MathHelper::Rad2Deg(eop.Phi),
                              kvmath::MathHelper::Rad2Deg(eop.Kappa)};
    for (int i = 0; i < 6; ++i) {
        m_values[i]->setText(QString::number(values[i], 'f', i < 3 ? 6 : 3));
        m_values[i]->adjustSize();
    }
    const QImage preview = LoadPreview(String2QString(path));
    if (preview.isNull())
        m_image->clear();
    else
        m_image->setPixmap(QPixmap::fromImage(preview));
}

ImageInfoDialog::ImageInfoDialog()
    : ContentDialog(tr("Camera Setting"), nullptr)
{ }

void ImageInfoDialog::SetData(kvfd::EOP eop, std::string path)
{
    const std::string name = kvfd::PathHelper::GetFileName(path);
    SetTitle(String2QString(name));
    Content()->SetData(eop, path);
}
