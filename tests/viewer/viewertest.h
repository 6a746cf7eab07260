#pragma once

// Reading the viewer window in its tests: a label's text, the message drawn in
// the view, and waiting until the photo shown has loaded.

#include "host/viewer/photoview.h"
#include "host/viewer/viewerwindow.h"
#include "patience.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QTest>

namespace kvtest {

inline QString Label(const ViewerWindow& window, const char* name)
{
    const auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

inline QString ViewMessage(const ViewerWindow& window)
{
    for (QGraphicsItem* item : window.View()->scene()->items()) {
        if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item))
            return text->text();
    }
    return QString();
}

inline bool WaitLoaded(const ViewerWindow& window)
{
    return QTest::qWaitFor([&window] { return !window.IsLoading(); }, kPatienceMs);
}

} // namespace kvtest
