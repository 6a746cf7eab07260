#include "framework/formrows.h"

#include "framework/kvshared.h"
#include "framework/kvstyle.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvui {

namespace {

void ApplySize(QWidget* widget, QSize size)
{
    if (size.width() > 0)
        widget->setFixedWidth(size.width());
    if (size.height() > 0)
        widget->setFixedHeight(size.height());
}

void Name(QWidget* widget, const char* name, const char* styleName)
{
    if (name)
        widget->setObjectName(QLatin1String(name));
    if (styleName)
        SetStyleName(widget, styleName);
}

} // namespace

QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name, QSize size)
{
    auto* label = new QLabel(text, parent);
    Name(label, name, nullptr);
    ApplySize(label, size);
    return label;
}

QLineEdit* MakeLineEdit(QWidget* parent, const char* name, QSize size, const char* styleName)
{
    auto* edit = new QLineEdit(parent);
    Name(edit, name, styleName);
    ApplySize(edit, size);
    return edit;
}

QComboBox* MakeComboBox(QWidget* parent, const char* name, QSize size, const char* styleName)
{
    auto* combo = new QComboBox(parent);
    Name(combo, name, styleName);
    ApplySize(combo, size);
    return combo;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QSize size,
                        const char* styleName)
{
    auto* button = new QPushButton(text, parent);
    Name(button, name, styleName);
    ApplySize(button, size);
    return button;
}

LineEditRow AddLineEditRow(QGridLayout* grid, int row, int column, const QString& label,
                           const char* name, QSize size, const char* styleName)
{
    QWidget* parent = grid->parentWidget();
    LineEditRow result {MakeLabel(parent, label), MakeLineEdit(parent, name, size, styleName)};
    result.label->setBuddy(result.edit);
    grid->addWidget(result.label, row, column);
    grid->addWidget(result.edit, row, column + 1);
    return result;
}

ComboRow AddComboRow(QGridLayout* grid, int row, int column, const QString& label, const char* name,
                     QSize size, const char* styleName)
{
    QWidget* parent = grid->parentWidget();
    ComboRow result {MakeLabel(parent, label), MakeComboBox(parent, name, size, styleName)};
    result.label->setBuddy(result.combo);
    grid->addWidget(result.label, row, column);
    grid->addWidget(result.combo, row, column + 1);
    return result;
}

BrowseRow AddBrowseRow(QGridLayout* grid, int row, int column, const QString& label,
                       const char* editName, QSize editSize, const char* buttonName,
                       QSize buttonSize, const char* buttonStyle, const char* editStyle)
{
    QWidget* parent = grid->parentWidget();
    BrowseRow result {MakeLabel(parent, label), MakeLineEdit(parent, editName, editSize, editStyle),
                      MakeButton(parent, buttonName, QString(), buttonSize, buttonStyle)};
    result.label->setBuddy(result.edit);
    grid->addWidget(result.label, row, column);
    grid->addWidget(result.edit, row, column + 1);
    grid->addWidget(result.browse, row, column + 2);
    return result;
}

void BrowseInto(QWidget* parent, QLineEdit* edit, const char* caption, const char* filter,
                bool save)
{
    const QString title = QString::fromLocal8Bit(caption);
    const QString filters = QString::fromLocal8Bit(filter);
    const QString file = save
        ? QFileDialog::getSaveFileName(parent, title, GetDefaultPath(), filters)
        : QFileDialog::getOpenFileName(parent, title, GetDefaultPath(), filters);
    if (file.isEmpty())
        return;
    SetDefaultPath(file, true);
    edit->setText(file);
}

} // namespace kvui
