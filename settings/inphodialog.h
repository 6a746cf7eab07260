#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvui_export.h"

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Content of "Export Project" (an Inpho project): whether to move the
// project to its centre, whether images are undistorted, the project folder
// and, only with undistortion, a folder for the undistorted images. OK needs
// a project folder.
class KVUI_EXPORT InphoWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit InphoWidget(QWidget* parent = nullptr);

    bool IsToCenter() const;
    bool IsUnDistortion() const;
    QString ProjectPath() const;
    // Empty unless the images box is enabled and checked.
    QString ImagesPath() const;

public Q_SLOTS:
    void ClickBrowseDImages();
    void ClickBrowsePrj();
    void ClickHasImages(bool on);
    void ClickUnDistortion(bool on);
    void ClickCancel();
    void ClickOK();

private:
    QCheckBox* m_toCenter = nullptr;
    QCheckBox* m_undistortion = nullptr;
    QLineEdit* m_project = nullptr;
    QCheckBox* m_hasImages = nullptr;
    QLineEdit* m_images = nullptr;
    QPushButton* m_browseImages = nullptr;
};

class KVUI_EXPORT InphoDialog : public kvui::ContentDialog<InphoWidget>
{
    Q_OBJECT

public:
    InphoDialog();
};

// Runs "Export Project" modally. Accepted: the outputs take the form's values
// (paths[1] empty unless undistorted images are to be written) and the result
// is true. Cancelled: nothing is written and the result is false.
KVUI_EXPORT bool ShowInphoDialog(bool& toCenter, bool& undistortion, std::string paths[2]);
