#include "framework/kvstyle.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QTableView>
#include <QVariant>
#include <QWidget>

namespace kvui {

void SetStyleName(QWidget* widget, const char* styleName)
{
    if (!widget)
        return;
    if (!widget->objectName().isEmpty())
        widget->setProperty("kvFormName", widget->objectName());
    widget->setObjectName(QLatin1String(styleName));
}

void SetListFont(QTableView* table, const QWidget* form)
{
    const QFont formFont = form->font();
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (formFont.pointSize() > 1)
        font.setPointSize(formFont.pointSize() - 1);
    else if (formFont.pixelSize() > 1)
        font.setPixelSize(formFont.pixelSize() - 1);
    font.setFixedPitch(true);
    table->setFont(font);
    table->horizontalHeader()->setFont(font);
    table->verticalHeader()->setFont(font);
}

} // namespace kvui
