#pragma once

#include "kvui_export.h"

#include <QSize>
#include <QString>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// Builders for the controls and rows that forms repeat: a label beside a line
// edit, a label beside a combo box, a label, line edit and browse button, the
// row of dialog buttons, picture buttons, radio buttons and the All/Selected
// pair. Each takes the child's form name, its size and the style name the
// host's sheet selects on, so a form still reads control by control. A size
// component of zero or less leaves that dimension to the layout; a positive one
// fixes it. A child given a style name is renamed to it (kvui::SetStyleName);
// its form name stays readable as the property "kvFormName".
//
// A typical form:
//
//     auto* grid = new QGridLayout(this);
//     m_name = kvui::AddLineEditRow(grid, 0, 0, tr("Name:"), "xyw_name_", QSize(0, 28)).edit;
//     const kvui::BrowseRow output = kvui::AddBrowseRow(grid, 1, 0, tr("Output:"), "xyw_out_",
//                                                       QSize(0, 28), "xyw_out_btn_", QSize(28,
//                                                       28));
//     connect(output.browse, &QPushButton::clicked, this, [this, output] {
//         kvui::BrowseInto(this, output.edit, QT_TRANSLATE_NOOP("kvui", "输出目录"), nullptr,
//                          kvui::BrowseMode::Folder);
//     });
//
//     kvui::ButtonRow buttons(this);
//     QPushButton* ok = buttons.Add("xyw_ok_btn_", tr("OK"), "kvcombtn");
//     QPushButton* cancel = buttons.Add("xyw_cancel_btn_", tr("Cancel"), "kvquitbtn");
//     ok->setDefault(true);
//     grid->addLayout(buttons.Layout(), 2, 0, 1, 3);
//     connect(ok, &QPushButton::clicked, this, &XyWidget::ClickOK);
//     connect(cancel, &QPushButton::clicked, this, &BaseWidget::RejectDialog);
namespace kvui {

// Size of a dialog button (OK, Cancel, Back, Next, Exit) unless a form says
// otherwise.
constexpr QSize kButtonSize(88, 32);
// Space between neighbouring buttons of a button row.
constexpr int kButtonSpacing = 36;

// A label; a name of nullptr leaves the label unnamed.
KVUI_EXPORT QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name = nullptr,
                              QSize size = QSize());

KVUI_EXPORT QLineEdit* MakeLineEdit(QWidget* parent, const char* name, QSize size,
                                    const char* styleName = "kvlineedit");

KVUI_EXPORT QComboBox* MakeComboBox(QWidget* parent, const char* name, QSize size,
                                    const char* styleName = "kvcombobox");

// A plain push button; a style name of nullptr keeps the form name, for buttons
// whose look the sheet gives by that name.
KVUI_EXPORT QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                                    QSize size, const char* styleName = nullptr);

// A button beside a field (import, export, reload, browse), usually showing a
// picture that the sheet gives by its name, with a tool tip. It never acts as
// the dialog's default button, so Enter in a field never opens a chooser.
KVUI_EXPORT QPushButton* MakeToolButton(QWidget* parent, const char* name, const QString& toolTip,
                                        QSize size, const QString& text = QString(),
                                        const char* styleName = nullptr);

KVUI_EXPORT QRadioButton* MakeRadioButton(QWidget* parent, const char* name, const QString& text,
                                          QSize size = QSize(),
                                          const char* styleName = "kvradiobutton");

// The row of buttons that ends a form: every button of one size, kButtonSpacing
// apart, pushed to the right edge or centred. Buttons appear in the order they
// are added. Put Layout() into the form's layout once the buttons are added;
// the row itself is a handle and may go out of scope.
class KVUI_EXPORT ButtonRow
{
public:
    enum Placement { Right, Centre };

    explicit ButtonRow(QWidget* parent, QSize size = kButtonSize, Placement placement = Right);

    // A button with its form name, text and style name ("kvcombtn" for
    // confirming, "kvquitbtn" for cancel and exit; nullptr keeps the form name).
    QPushButton* Add(const char* name, const QString& text, const char* styleName);
    QHBoxLayout* Layout() const { return m_layout; }

private:
    QWidget* m_parent;
    QSize m_size;
    QHBoxLayout* m_layout;
    bool m_centred;
};

// "All" and "Selected": whether a tool works on every image or on the selected
// ones. The two exclude each other and no other radio button of the form;
// "All" starts checked.
struct KVUI_EXPORT AllSelectedPair
{
    QRadioButton* all = nullptr;
    QRadioButton* selected = nullptr;

    // Checks "All" when all is true, "Selected" otherwise.
    void SetAll(bool all) const;
    bool IsSelected() const;
};

KVUI_EXPORT AllSelectedPair MakeAllSelectedPair(QWidget* parent, const char* allName,
                                                const char* selectedName,
                                                const char* styleName = "kvradiobutton");

struct LineEditRow
{
    QLabel* label;
    QLineEdit* edit;
};

struct ComboRow
{
    QLabel* label;
    QComboBox* combo;
};

struct BrowseRow
{
    QLabel* label;
    QLineEdit* edit;
    QPushButton* browse;
};

// Puts the label at (row, column) and the edit at (row, column + 1).
KVUI_EXPORT LineEditRow AddLineEditRow(QGridLayout* grid, int row, int column, const QString& label,
                                       const char* name, QSize size,
                                       const char* styleName = "kvlineedit");

// Puts the label at (row, column) and the combo box at (row, column + 1).
KVUI_EXPORT ComboRow AddComboRow(QGridLayout* grid, int row, int column, const QString& label,
                                 const char* name, QSize size,
                                 const char* styleName = "kvcombobox");

// Label at (row, column), edit at column + 1, browse button at column + 2.
// The browse button does nothing until the form connects it, usually to
// BrowseInto.
KVUI_EXPORT BrowseRow AddBrowseRow(QGridLayout* grid, int row, int column, const QString& label,
                                   const char* editName, QSize editSize, const char* buttonName,
                                   QSize buttonSize, const char* buttonStyle = "kvopenfilebtn",
                                   const char* editStyle = "kvlineedit");

enum class BrowseMode {
    OpenFile, // an existing file
    SaveFile, // a file to write
    Folder,   // a folder; the filter is not used
};

// What a browse button does: asks with ChooseFile or ChooseFolder
// (framework/filechooser.h), which open at the remembered folder and remember
// the answer, and puts the answer into edit. Caption and filter are in the
// local code page and are translated (framework/language.h). Cancelling
// changes nothing.
KVUI_EXPORT void BrowseInto(QWidget* parent, QLineEdit* edit, const char* caption,
                            const char* filter, BrowseMode mode);
inline void BrowseInto(QWidget* parent, QLineEdit* edit, const char* caption, const char* filter,
                       bool save)
{
    BrowseInto(parent, edit, caption, filter, save ? BrowseMode::SaveFile : BrowseMode::OpenFile);
}

// Numeric fields check what is typed as it is typed, so text that is no number
// ("abc-0") never reaches a record as 0 through a form that reads unparsable
// text as 0. Decimal point only, no group separators, whatever the locale. A
// value outside bottom..top can be typed but is not acceptable: the field
// emits no editingFinished or returnPressed for it.
// AcceptReal also takes exponents ("1.5e-05", as lens coefficients are
// written); decimals < 0 sets no limit on the digits after the point.
KVUI_EXPORT void AcceptReal(QLineEdit* edit, double bottom = -1e300, double top = 1e300,
                            int decimals = -1);
KVUI_EXPORT void AcceptInteger(QLineEdit* edit, int bottom, int top);

} // namespace kvui
