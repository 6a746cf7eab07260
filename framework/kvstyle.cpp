#include "framework/kvstyle.h"

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

} // namespace kvui
