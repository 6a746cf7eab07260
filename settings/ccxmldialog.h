#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/coordinateinfo.h"
#include "kvui_export.h"

#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;

// Content of "CC XML Export": the target coordinate system (a type, then one
// of the configuration's systems of that type), whether images are to be
// undistorted, and the output folder. The widget keeps the systems listed in
// its coordinate combo, in combo order. OK needs an output folder.
class KVUI_EXPORT CCXmlWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CCXmlWidget(QWidget* parent = nullptr);

    // A local system (type 4 or above) changes nothing; an id not among the
    // systems of its type leaves the first of them selected.
    void Set(const kvfd::CoordinateInfo& coordinate);
    // A default record when the coordinate combo is empty.
    void Get(kvfd::CoordinateInfo& coordinate, std::string& output, bool& undistortion) const;

public Q_SLOTS:
    void ClickType(int type);
    void ClickBrowseOutput();
    void ClickOK();
    void ClickCancel();

private:
    QComboBox* m_type = nullptr;
    QComboBox* m_coordinate = nullptr;
    QCheckBox* m_undistortion = nullptr;
    QLineEdit* m_output = nullptr;
    kvfd::CoordinateInfoSet m_coordinates;
};

class KVUI_EXPORT CCXmlDialog : public kvui::ContentDialog<CCXmlWidget>
{
    Q_OBJECT

public:
    explicit CCXmlDialog(QWidget* parent = nullptr);

    void Set(kvfd::CoordinateInfo coordinate) { Content()->Set(coordinate); }
    void Get(kvfd::CoordinateInfo& coordinate, std::string& output, bool& undistortion) const
    {
        Content()->Get(coordinate, output, undistortion);
    }
};
