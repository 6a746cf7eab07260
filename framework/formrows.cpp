#include "framework/formrows.h"

#include "framework/filechooser.h"
#include "framework/kvstyle.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kvui {

namespace {

// A child W(text..., parent) with its form name, size and style name.
template <class W, class... Text>
W* Build(QWidget* parent, const char* name, QSize size, const char* styleName, const Text&... text)
{
    auto* widget = new W(text..., parent);
    if (name)
        widget->setObjectName(QLatin1String(name));
    if (styleName)
        SetStyleName(widget, styleName);
    if (size.width() > 0)
        widget->setFixedWidth(size.width());
    if (size.height() > 0)
        widget->setFixedHeight(size.height());
    return widget;
}

// The label of a row at (row, column), the row's field right of it.
QLabel* AddRowLabel(QGridLayout* grid, int row, int column, const QString& text, QWidget* field)
{
    QLabel* label = MakeLabel(grid->parentWidget(), text);
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    return label;
}

} // namespace

QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name, QSize size)
{
    return Build<QLabel>(parent, name, size, nullptr, text);
}

QLineEdit* MakeLineEdit(QWidget* parent, const char* name, QSize size, const char* styleName)
{
    return Build<QLineEdit>(parent, name, size, styleName);
}

QComboBox* MakeComboBox(QWidget* parent, const char* name, QSize size, const char* styleName)
{
    return Build<QComboBox>(parent, name, size, styleName);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QSize size,
                        const char* styleName)
{
    return Build<QPushButton>(parent, name, size, styleName, text);
}

QPushButton* MakeToolButton(QWidget* parent, const char* name, const QString& toolTip, QSize size,
                            const QString& text, const char* styleName)
{
    QPushButton* button = MakeButton(parent, name, text, size, styleName);
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

QRadioButton* MakeRadioButton(QWidget* parent, const char* name, const QString& text, QSize size,
                              const char* styleName)
{
    return Build<QRadioButton>(parent, name, size, styleName, text);
}

ButtonRow::ButtonRow(QWidget* parent, QSize size, Placement placement)
    : m_parent(parent)
    , m_size(size)
    , m_layout(new QHBoxLayout())
    , m_centred(placement == Centre)
{
    m_layout->setSpacing(kButtonSpacing);
    m_layout->addStretch();
    if (m_centred)
        m_layout->addStretch();
}

QPushButton* ButtonRow::Add(const char* name, const QString& text, const char* styleName)
{
    QPushButton* button = MakeButton(m_parent, name, text, m_size, styleName);
    // A centred row keeps its closing stretch behind the last button.
    m_layout->insertWidget(m_layout->count() - (m_centred ? 1 : 0), button);
    return button;
}

void AllSelectedPair::SetAll(bool on) const
{
    (on ? all : selected)->setChecked(true);
}

bool AllSelectedPair::IsSelected() const
{
    return selected->isChecked();
}

AllSelectedPair MakeAllSelectedPair(QWidget* parent, const char* allName, const char* selectedName,
                                    const char* styleName)
{
    AllSelectedPair pair;
    pair.all = MakeRadioButton(parent, allName,
                               QCoreApplication::translate("kvui::AllSelectedPair", "All"), QSize(),
                               styleName);
    pair.selected = MakeRadioButton(
        parent, selectedName, QCoreApplication::translate("kvui::AllSelectedPair", "Selected"),
        QSize(), styleName);
    // Radio buttons of one parent exclude each other by default; the group
    // keeps the pair apart from the form's other choices.
    auto* group = new QButtonGroup(parent);
    group->addButton(pair.all);
    group->addButton(pair.selected);
    pair.all->setChecked(true);
    return pair;
}

LineEditRow AddLineEditRow(QGridLayout* grid, int row, int column, const QString& label,
                           const char* name, QSize size, const char* styleName)
{
    QLineEdit* edit = MakeLineEdit(grid->parentWidget(), name, size, styleName);
    return {AddRowLabel(grid, row, column, label, edit), edit};
}

ComboRow AddComboRow(QGridLayout* grid, int row, int column, const QString& label, const char* name,
                     QSize size, const char* styleName)
{
    QComboBox* combo = MakeComboBox(grid->parentWidget(), name, size, styleName);
    return {AddRowLabel(grid, row, column, label, combo), combo};
}

BrowseRow AddBrowseRow(QGridLayout* grid, int row, int column, const QString& label,
                       const char* editName, QSize editSize, const char* buttonName,
                       QSize buttonSize, const char* buttonStyle, const char* editStyle)
{
    QWidget* parent = grid->parentWidget();
    QLineEdit* edit = MakeLineEdit(parent, editName, editSize, editStyle);
    QPushButton* browse = MakeButton(parent, buttonName, QString(), buttonSize, buttonStyle);
    QLabel* rowLabel = AddRowLabel(grid, row, column, label, edit);
    grid->addWidget(browse, row, column + 2);
    return {rowLabel, edit, browse};
}

void BrowseInto(QWidget* parent, QLineEdit* edit, const char* caption, const char* filter,
                BrowseMode mode)
{
    QString answer;
    switch (mode) {
    case BrowseMode::Folder:
        answer = ChooseFolder(parent, caption);
        break;
    case BrowseMode::SaveFile:
        answer = ChooseFile(parent, caption, filter, FileAction::Save);
        break;
    case BrowseMode::OpenFile:
        answer = ChooseFile(parent, caption, filter, FileAction::Open);
        break;
    }
    if (!answer.isEmpty())
        edit->setText(answer);
}

void AcceptReal(QLineEdit* edit, double bottom, double top, int decimals)
{
    auto* validator = new QDoubleValidator(bottom, top, decimals < 0 ? 1000 : decimals, edit);
    validator->setNotation(QDoubleValidator::ScientificNotation);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    validator->setLocale(c);
    edit->setValidator(validator);
}

void AcceptInteger(QLineEdit* edit, int bottom, int top)
{
    auto* validator = new QIntValidator(bottom, top, edit);
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    validator->setLocale(c);
    edit->setValidator(validator);
}

} // namespace kvui
