#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Content of the "Raw To Tif" dialog: the folder of camera raw files, an
// optional POS file and the folder for the TIFF files; the host converts. OK
// needs the RAW and TIF folders, and the POS file while its box is checked.
class KVUI_EXPORT Raw2TifWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit Raw2TifWidget(QWidget* parent = nullptr);

    // The trimmed RAW folder, POS file and TIF folder in the local code page;
    // the POS file even when its box is unchecked.
    void GetPaths(std::string paths[3]) const;

public Q_SLOTS:
    void ClickOpenRAW();
    void ClickOpenPOS();
    void ClickOpenTIF();
    void ClickPOS(bool on);
    void ClickCancel();
    void ClickOK();

private:
    QLineEdit* m_raw = nullptr;
    QCheckBox* m_usePos = nullptr;
    QLineEdit* m_pos = nullptr;
    QPushButton* m_openPos = nullptr;
    QLineEdit* m_tif = nullptr;
};

class KVUI_EXPORT Raw2TifDialog : public kvui::ContentDialog<Raw2TifWidget>
{
    Q_OBJECT

public:
    explicit Raw2TifDialog(QWidget* parent = nullptr);
};

// Runs the dialog; when it is accepted, paths[0] is the RAW folder, paths[1]
// the POS file and paths[2] the TIF folder, and the result is true. Otherwise
// paths stay as they were.
KVUI_EXPORT bool ShowRaw2TifDialog(std::string paths[3]);
