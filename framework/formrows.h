#pragma once

#include "kvui_export.h"

#include <QSize>
#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Builders for the controls and rows that forms repeat: a label beside a line
// edit, a label beside a combo box, a label, line edit and browse button. Each
// takes the child's form name, its size and the style name the host's sheet
// selects on, so a form still reads control by control. A size component of
// zero or less leaves that dimension to the layout; a positive one fixes it.
namespace kvui {

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
KVUI_EXPORT BrowseRow AddBrowseRow(QGridLayout* grid, int row, int column, const QString& label,
                                   const char* editName, QSize editSize, const char* buttonName,
                                   QSize buttonSize, const char* buttonStyle = "kvopenfilebtn",
                                   const char* editStyle = "kvlineedit");

// What a browse button does: asks for a file to open (or, with save, a file to
// write) at the remembered folder, remembers the answer's folder and puts the
// answer into edit. Caption and filter are in the local code page. Cancelling
// changes nothing.
KVUI_EXPORT void BrowseInto(QWidget* parent, QLineEdit* edit, const char* caption,
                            const char* filter, bool save);

} // namespace kvui
