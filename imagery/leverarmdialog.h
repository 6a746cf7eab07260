#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

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
    struct Row
    {
        QLabel* label;
        QLineEdit* edit;
        QPushButton* browse;
    };

    void Browse(QLineEdit* edit, const char* caption, const char* filter, bool save);
    static void ShowRow(const Row& row, bool visible);

    QComboBox* m_type = nullptr;
    Row m_hpPos {};
    Row m_gimbal {};
    Row m_orientation {};
    Row m_output {};
};

class KVUI_EXPORT LeverArmDialog : public FrameDialog
{
    Q_OBJECT

public:
    explicit LeverArmDialog(QWidget* parent = nullptr);

    LeverArmWidget* Widget() const { return m_widget; }

private:
    LeverArmWidget* m_widget = nullptr;
};

// Runs the lever-arm dialog; when it is accepted, type and paths[0..3]
// receive what LeverArmWidget::Get gives. Returns whether it was accepted.
KVUI_EXPORT bool ShowLeverArmDialog(int& type, std::string* paths);
