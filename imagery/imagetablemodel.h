#pragma once

#include "kvfd/imageinfoset.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <vector>

// Read-only table over an image set: row k shows the image whose index is the
// k-th entry of a row list. The image set and the row list are the owner's and
// are referenced, not copied: the owner keeps both alive longer than the model
// and calls Reset() after changing either. Cells are made when a view asks for
// them, so a refresh costs the same for ten or ten thousand images.
//
// Flight mode shows every column; plain mode shows them from "Name" on.
class ImageTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column : int {
        ColEnable,
        ColUpdate,
        ColFlight,
        ColName,
        ColX,
        ColY,
        ColZ,
        ColOmega,
        ColPhi,
        ColKappa,
        ColPath,
        ColCount
    };

    // The texts come from the page that shows the table, so that they are
    // translated in its context.
    struct Texts
    {
        QStringList headers; // all ColCount columns
        QString flight;      // "Flight %1"
        QString yes;
        QString no;
    };

    ImageTableModel(const kvfd::ImageInfoSet& images, const std::vector<int>& rows, Texts texts,
                    QObject* parent = nullptr);

    // Call after the row list or the images changed.
    void Reset(bool flightMode);
    // Number of columns shown in the mode.
    static int ColumnCount(bool flightMode);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // The Column shown in a view column.
    int ColumnAt(int section) const;

    const kvfd::ImageInfoSet& m_images;
    const std::vector<int>& m_rows;
    Texts m_texts;
    QIcon m_checked;
    QIcon m_unchecked;
    bool m_flightMode = false;
};
