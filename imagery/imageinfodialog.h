#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/eop.h"
#include "kvui_export.h"

#include <string>

class QLabel;

// Read-only view of one image: a preview that fits 600 x 300 and its exterior
// orientation (angles in degrees).
class KVUI_EXPORT ImageInfoWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ImageInfoWidget(QWidget* parent = nullptr);

    // Shows the orientation and the image at path (local code page). An image
    // that cannot be read leaves the preview empty; the values still show.
    void SetData(const kvfd::EOP& eop, const std::string& path);

private:
    QLabel* m_image = nullptr;
    QLabel* m_values[6] = {};
};

// The frame around ImageInfoWidget; SetData titles it with the file name.
class KVUI_EXPORT ImageInfoDialog : public kvui::ContentDialog<ImageInfoWidget>
{
    Q_OBJECT

public:
    ImageInfoDialog();

    void SetData(kvfd::EOP eop, std::string path);
    ImageInfoWidget* Widget() const { return Content(); }
};
