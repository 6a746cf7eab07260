#pragma once

#include "framework/basewidget.h"
#include "framework/formrows.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QComboBox;
class QLineEdit;

// Content of the "Correct Lever Arm" dialog: the aircraft type and the files
// the host needs to correct positions by the antenna-to-camera offset. The
// first type carries a gimbal and reads a gimbal file; the others read an
// orientation file instead, so only the matching row is shown.
class KVUI_EXPORT LeverArmWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit LeverArmWidget(QWidget* parent = nullptr);

    // type: the aircraft type index (0 to 3); paths, in this order, the
    // trimmed HP POS, Orientation, Gimbal and Output fields.
    void Get(int& type, std::string paths[4]) const;

public Q_SLOTS:
    void ClickUAVType(int index);
    void ClickBrowseGimbal();
    void ClickBrowseHPPos();
    void ClickBrowseOrientation();
    void ClickBrowseOutput();
    void ClickCancel();
    void ClickOK();

private:
    static void ShowRow(const kvui::BrowseRow& row, bool visible);

    QComboBox* m_type = nullptr;
    kvui::BrowseRow m_hpPos {};
    kvui::BrowseRow m_gimbal {};
    kvui::BrowseRow m_orientation {};
    kvui::BrowseRow m_output {};
};

class KVUI_EXPORT LeverArmDialog : public kvui::ContentDialog<LeverArmWidget>
{
    Q_OBJECT

public:
    explicit LeverArmDialog(QWidget* parent = nullptr);

    LeverArmWidget* Widget() const { return Content(); }
};

// Runs the lever-arm dialog; when it is accepted, type and paths[0..3]
// receive what LeverArmWidget::Get gives. Returns whether it was accepted.
KVUI_EXPORT bool ShowLeverArmDialog(int& type, std::string* paths);
