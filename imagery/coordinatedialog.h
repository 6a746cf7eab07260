#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/coordinateinfo.h"
#include "kvui_export.h"

class QComboBox;
class QRadioButton;

// Chooses the project's coordinate system: the local system, or a projected
// system of the configuration's catalogue picked by type and name.
class KVUI_EXPORT CoordinateWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CoordinateWidget(QWidget* parent = nullptr);

    // Shows coordinate: Local for id -1, otherwise its type and, when listed,
    // its name.
    void SetCoordinate(const kvfd::CoordinateInfo& coordinate);
    // The system chosen by OK (before that, the one last set).
    kvfd::CoordinateInfo GetCoordinate() const { return m_coordinate; }

public Q_SLOTS:
    void Accept();
    void Reject();
    void ClickLocal();
    void ClickPrj();
    void ClickType(int type);

private:
    void EnableCombos(bool enabled);

    kvfd::CoordinateInfo m_coordinate;
    kvfd::CoordinateInfoSet m_listed;
    QRadioButton* m_local = nullptr;
    QRadioButton* m_projected = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_name = nullptr;
};

class KVUI_EXPORT CoordinateDialog : public kvui::ContentDialog<CoordinateWidget>
{
    Q_OBJECT

public:
    explicit CoordinateDialog(QWidget* parent = nullptr);

    CoordinateWidget* Widget() const { return Content(); }
};

// Lets the user choose a coordinate system, starting from coordinate. When the
// dialog is accepted the choice replaces coordinate and the result is true;
// otherwise coordinate is left as it was.
KVUI_EXPORT bool ShowCoordinateDialog(kvfd::CoordinateInfo& coordinate);
