#include "host/imagetablepanel.h"

#include "framework/kvshared.h"
#include "kvfd/imageinfoset.h"

#include <QHeaderView>
#include <QtMath>
#include <cmath>

namespace {

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(int(alignment | Qt::AlignVCenter));
    return item;
}

QTableWidgetItem* Number(double value, int decimals)
{
    return Cell(QString::number(value, 'f', decimals), Qt::AlignRight);
}

} // namespace

ImageTablePanel::ImageTablePanel(QWidget* parent)
    : QTableWidget(parent)
{
    setObjectName(QStringLiteral("kv_image_table"));
    setColumnCount(ColumnCount);
    setHorizontalHeaderLabels({tr("Name"), tr("X"), tr("Y"), tr("Z"), tr("Omega (°)"),
                               tr("Phi (°)"), tr("Kappa (°)"), tr("Flight"), tr("Enabled")});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::ResizeToContents);
}

void ImageTablePanel::ShowImages(const kvfd::ImageInfoSet* images)
{
    setRowCount(0);
    if (!images)
        return;
    setRowCount(images->ValidSize());
    int row = 0;
    for (int i = 0; i < images->Size(); ++i) {
        const kvfd::ImageInfo* image = images->GetImage(i);
        const kvfd::ImageInfoExt* ext = images->GetImageExt(i);
        if (!image || !ext)
            continue;
        const kvfd::EOP& eop = image->GetEOP();
        QTableWidgetItem* name = Cell(String2QString(image->Name()), Qt::AlignLeft);
        name->setData(kImageIndexRole, i);
        name->setToolTip(String2QString(image->GetFullName()));
        setItem(row, NameColumn, name);
        // Positions read from photos stay longitude and latitude in degrees,
        // which need more decimals than metres.
        const int xy = std::abs(eop.X) <= 180.0 && std::abs(eop.Y) <= 90.0 ? 8 : 3;
        setItem(row, XColumn, Number(eop.X, xy));
        setItem(row, YColumn, Number(eop.Y, xy));
        setItem(row, ZColumn, Number(eop.Z, 3));
        setItem(row, OmegaColumn, Number(qRadiansToDegrees(eop.Omega), 4));
        setItem(row, PhiColumn, Number(qRadiansToDegrees(eop.Phi), 4));
        setItem(row, KappaColumn, Number(qRadiansToDegrees(eop.Kappa), 4));
        setItem(row, FlightColumn, Cell(QString::number(ext->flight + 1), Qt::AlignCenter));
        setItem(row, EnabledColumn, Cell(ext->enabled ? tr("Yes") : tr("No"), Qt::AlignCenter));
        ++row;
    }
    setRowCount(row);
}
