#pragma once

#include <QTableWidget>

namespace kvfd {
class ImageInfoSet;
}

// The images of the open project as a read-only table: name, projection
// centre, angles in degrees, flight (numbered from 1 as the flight selector
// shows it) and whether the image takes part in processing.
class ImageTablePanel : public QTableWidget
{
    Q_OBJECT

public:
    enum Column : int {
        NameColumn,
        XColumn,
        YColumn,
        ZColumn,
        OmegaColumn,
        PhiColumn,
        KappaColumn,
        FlightColumn,
        EnabledColumn,
        ColumnCount
    };
    // The image's index in the project's image set, on the name cell.
    static constexpr int kImageIndexRole = Qt::UserRole + 1;

    explicit ImageTablePanel(QWidget* parent = nullptr);

    // One row per image left in the set; null empties the table.
    void ShowImages(const kvfd::ImageInfoSet* images);
};
