#pragma once

#include "framework/basewidget.h"
#include "framework/framedialog.h"
#include "kvfd/eop.h"
#include "kvfd/imageinfoset.h"
#include "kvui_export.h"

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Edits the folder, flight and exterior orientation of one image, or the
// folder and flight of several images at once. Angles are shown in degrees;
// the factor used both ways is the same, so an angle that is not touched
// comes back exactly as it went in. The widget only reads and presents: the
// caller applies what it reads back.
class KVUI_EXPORT EditImagePropertyWidget : public BaseWidget
{
    Q_OBJECT

public:
    // Degrees per radian as the form shows angles (both directions).
    static constexpr double kDegreesPerRadian = 57.296;

    explicit EditImagePropertyWidget(QWidget* parent = nullptr);

    // One image: its name, folder, flight list for flight and its orientation.
    void SetImage(const kvfd::ImageInfo& image, int flight);
    // Several images (flights[i] belongs to images[i]): the folder only when all
    // share it, the flight list only when all share the flight; no orientation.
    void SetImages(const std::vector<const kvfd::ImageInfo*>& images,
                   const std::vector<int>& flights);

    // The folder text in the local code page (may be empty).
    std::string GetPath() const;
    // The index of the chosen flight item: the flight number (0 for the empty item).
    int GetFlightIndex() const;
    // The text of the chosen flight item; empty when none or the empty item.
    QString GetFlightText() const;
    // The orientation from the tables. A cell that does not hold a number keeps
    // the value the widget was preset with.
    kvfd::EOP GetEOP() const;

public Q_SLOTS:
    void Accept();
    void Reject();
    void Slot_ComboxActivated(int index);
    void SetPath();

private:
    void BuildFlightList(int flight);
    void ShowEOP(const kvfd::EOP& eop);

    QTableWidget* m_tableXYZ = nullptr;
    QTableWidget* m_tableOPK = nullptr;
    QLabel* m_imageName = nullptr;
    QLineEdit* m_imagePath = nullptr;
    QPushButton* m_btnImagePath = nullptr;
    QComboBox* m_comboStripe = nullptr;
    QPushButton* m_btnOK = nullptr;
    QPushButton* m_btnCancel = nullptr;
    kvfd::EOP m_preset;
};

// The frame around EditImagePropertyWidget.
class KVUI_EXPORT EditImagePropertyDialog : public kvui::ContentDialog<EditImagePropertyWidget>
{
    Q_OBJECT

public:
    explicit EditImagePropertyDialog(QWidget* parent = nullptr);

    EditImagePropertyWidget* Widget() const { return Content(); }
};
