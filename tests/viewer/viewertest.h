#pragma once

// Reading the viewer in its tests: the sample photos, a label's text, the
// message drawn in the view, waiting until the photo shown has loaded, and
// the report the program writes to KVUI_VIEWER_REPORT.

#include "host/viewer/photoview.h"
#include "host/viewer/viewerwindow.h"
#include "patience.h"

#include <QCoreApplication>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QMultiMap>
#include <QTest>

namespace kvtest {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");
const QByteArray kTiny = QFile::encodeName(kImages + QStringLiteral("/tiny_drone_image.jpg"));
const QByteArray kDji = QFile::encodeName(kImages + QStringLiteral("/DJI_0024.JPG"));
const QByteArray kMissing = QByteArrayLiteral("/no/such/folder/DJI_0009.JPG");

// The program, which the build links beside the tests.
inline QString Viewer()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Lumo_Viewer");
}

inline QMultiMap<QString, QString> ReadReport(const QString& path)
{
    QMultiMap<QString, QString> report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return report;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const int cut = line.indexOf('=');
        if (cut > 0)
            report.insert(QString::fromUtf8(line.left(cut)), QString::fromUtf8(line.mid(cut + 1)));
    }
    return report;
}

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
