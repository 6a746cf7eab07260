#include "map/maptiles.h"

#include "framework/kvservice.h"
#include "framework/kvsettingskeys.h"

#include <QSettings>

namespace kvui {

namespace {

QString Key(const QString& layer)
{
    return QLatin1String(maptiles::kGroup) + QLatin1Char('/') + layer;
}

QSettings Store()
{
    return QSettings(QLatin1String(settings::kOrganization), QLatin1String(settings::kApplication));
}

QString Fill(QString urlTemplate, int z, int x, int y)
{
    return urlTemplate.replace(QLatin1String(maptiles::kZ), QString::number(z))
        .replace(QLatin1String(maptiles::kX), QString::number(x))
        .replace(QLatin1String(maptiles::kY), QString::number(y));
}

} // namespace

QString TileLayer(MapType type)
{
    switch (type) {
    case MAP_AMAP_HYBRID:
        return QStringLiteral("amap_hybrid");
    case MAP_AMAP_SAT:
        return QStringLiteral("amap_sat");
    case MAP_GOOGLE_HYBRID:
        return QStringLiteral("google_hybrid");
    case MAP_GOOGLE_SAT:
        return QStringLiteral("google_sat");
    case MAP_NONE:
        break;
    }
    return QString();
}

QString DefaultTileUrlTemplate(MapType type)
{
    const QString layer = TileLayer(type);
    if (layer.isEmpty())
        return QString();
    return ServiceAddress() + QStringLiteral("/tiles/") + layer
        + QStringLiteral("/{z}/{x}/{y}.png");
}

bool IsTileUrlTemplate(const QString& urlTemplate)
{
    for (const char* placeholder : {maptiles::kZ, maptiles::kX, maptiles::kY}) {
        if (!urlTemplate.contains(QLatin1String(placeholder)))
            return false;
    }
    // The braces are no URL characters: judge the address of a real tile.
    const QUrl url(Fill(urlTemplate, 0, 0, 0), QUrl::StrictMode);
    return url.isValid() && !url.isRelative() && (url.isLocalFile() || !url.host().isEmpty());
}

QString TileUrlTemplate(MapType type)
{
    const QString layer = TileLayer(type);
    if (layer.isEmpty())
        return QString();
    const QString stored = Store().value(Key(layer)).toString();
    return IsTileUrlTemplate(stored) ? stored : DefaultTileUrlTemplate(type);
}

bool SetTileUrlTemplate(MapType type, const QString& urlTemplate)
{
    const QString layer = TileLayer(type);
    if (layer.isEmpty())
        return false;
    QSettings store = Store();
    if (urlTemplate.isEmpty()) {
        store.remove(Key(layer));
        return true;
    }
    if (!IsTileUrlTemplate(urlTemplate))
        return false;
    store.setValue(Key(layer), urlTemplate);
    return true;
}

QUrl TileUrl(MapType type, int z, int x, int y)
{
    const QString urlTemplate = TileUrlTemplate(type);
    if (urlTemplate.isEmpty())
        return QUrl();
    return QUrl(Fill(urlTemplate, z, x, y));
}

} // namespace kvui
