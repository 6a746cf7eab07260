#include "imagery/imagetablemodel.h"

#include "framework/kvshared.h"
#include "kvmath/mathhelper.h"

#include <utility>

namespace {

constexpr int kPlainFirstColumn = ImageTableModel::ColName;

} // namespace

ImageTableModel::ImageTableModel(const kvfd::ImageInfoSet& images, const std::vector<int>& rows,
                                 Texts texts, QObject* parent)
    : QAbstractTableModel(parent)
    , m_images(images)
    , m_rows(rows)
    , m_texts(std::move(texts))
    , m_checked(QStringLiteral(":/qaui/images/checked.png"))
    , m_unchecked(QStringLiteral(":/qaui/images/unchecked.png"))
{ }

void ImageTableModel::Reset(bool flightMode)
{
    beginResetModel();
    m_flightMode = flightMode;
    endResetModel();
}

int ImageTableModel::ColumnCount(bool flightMode)
{
    return flightMode ? ColCount : ColCount - kPlainFirstColumn;
}

int ImageTableModel::ColumnAt(int section) const
{
    return section + (m_flightMode ? 0 : kPlainFirstColumn);
}

int ImageTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImageTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount(m_flightMode);
}

QVariant ImageTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    const int i = m_rows[std::size_t(index.row())];
    const kvfd::ImageInfo* image = m_images.GetImage(i);
    const kvfd::ImageInfoExt* ext = m_images.GetImageExt(i);
    if (!image || !ext)
        return QVariant();
    const int column = ColumnAt(index.column());
    if (role == Qt::DecorationRole)
        return column == ColEnable ? QVariant(ext->enabled ? m_checked : m_unchecked) : QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();
    const kvfd::EOP& eop = image->GetEOP();
    switch (column) {
    case ColUpdate:
        return ext->update ? m_texts.yes : m_texts.no;
    case ColFlight:
        return m_texts.flight.arg(ext->flight);
    case ColName:
        return String2QString(image->Name());
    case ColX:
        return QString::number(eop.X, 'f', 8);
    case ColY:
        return QString::number(eop.Y, 'f', 8);
    case ColZ:
        return QString::number(eop.Z, 'f', 8);
    case ColOmega:
        return QString::number(kvmath::MathHelper::Rad2Deg(eop.Omega), 'f', 6);
    case ColPhi:
        return QString::number(kvmath::MathHelper::Rad2Deg(eop.Phi), 'f', 6);
    case ColKappa:
        return QString::number(kvmath::MathHelper::Rad2Deg(eop.Kappa), 'f', 6);
    case ColPath:
        return String2QString(image->Path());
    default:
        return QVariant();
    }
}

QVariant ImageTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        const int column = ColumnAt(section);
        return column >= 0 && column < m_texts.headers.size() ? m_texts.headers.at(column)
                                                              : QVariant();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ImageTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
