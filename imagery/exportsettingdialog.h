#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Content of the "Export Setting" dialog: how the project's image positions
// are written to a POS text file (which images, angle convention, coordinates,
// separator, names with or without extension) and the target file. It only
// collects the choices; the caller writes the file. "OK" stays disabled until
// a target file is chosen.
class KVUI_EXPORT ExportSettingWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ExportSettingWidget(QWidget* parent = nullptr);

    // images: 0 for "All", else 1 ("Selected") and 2 ("Enabled") or-ed into
    // the caller's value; angle 0 China, 1 International; name 0 with
    // extension, 1 without; coord 0 projected, 1 longitude/latitude;
    // separator tab, blank, ',' or ';'; path the target file.
    void Get(int& images, int& angle, int& name, int& coord, char& separator,
             std::string& path) const;

public Q_SLOTS:
    void ClickAllCheck(int state);
    void ClickSelectedCheck(int state);
    void ClickEnableCheck(int state);
    void ClickSave();
    void ClickOK();
    void ClickCancel();

private:
    QCheckBox* m_all = nullptr;
    QCheckBox* m_selected = nullptr;
    QCheckBox* m_enabled = nullptr;
    QRadioButton* m_china = nullptr;
    QRadioButton* m_longLat = nullptr;
    QComboBox* m_gap = nullptr;
    QRadioButton* m_withoutExt = nullptr;
    QLineEdit* m_output = nullptr;
    QPushButton* m_ok = nullptr;
};

class KVUI_EXPORT ExportSettingDialog : public kvui::ContentDialog<ExportSettingWidget>
{
    Q_OBJECT

public:
    explicit ExportSettingDialog(QWidget* parent = nullptr);

    void Get(int& images, int& angle, int& name, int& coord, char& separator,
             std::string& path) const
    {
        Content()->Get(images, angle, name, coord, separator, path);
    }
    ExportSettingWidget* Widget() const { return Content(); }
};
