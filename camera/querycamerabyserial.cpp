#include "camera/querycamerabyserial.h"

#include "framework/kvservice.h"
#include "framework/kvshared.h"
#include "framework/language.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QUrl>

namespace {

constexpr int kTimeoutMs = 3000;
const char* const kNoData = QT_TRANSLATE_NOOP("kvui", "数据不存在!");
// Every aircraft the service knows carries the same camera model.
constexpr const char* kCameraName = "ILCE-5100";

// The service sends every value as a JSON string; any other type reads as 0.
double Number(const QJsonObject& data, const char* key)
{
    return data.value(QLatin1String(key)).toString().toDouble();
}

int Integer(const QJsonObject& data, const char* key)
{
    return data.value(QLatin1String(key)).toString().toInt();
}

} // namespace

bool QueryCameraBySerial(kvfd::CameraInfo& camera, std::string serial)
{
    QString why;
    return QueryCameraBySerial(camera, std::move(serial), why);
}

bool QueryCameraBySerial(kvfd::CameraInfo& camera, std::string serial, QString& why)
{
    // The serial number is percent-encoded so that a "&", "#" or "=" in it
    // stays part of the value instead of starting another parameter or a
    // fragment.
    const QByteArray encoded = QUrl::toPercentEncoding(QByteArray::fromStdString(serial));
    const QUrl url = kvui::ServiceUrl(QStringLiteral("/data/getcamera?uas_serial_id=")
                                      + QString::fromLatin1(encoded));
    const kvui::HttpResult reply = kvui::HttpGet(url, kTimeoutMs);
    if (reply.Unreachable()) {
        why = reply.error;
        return false;
    }
    // The service answered; whatever is wrong with the answer, it holds no
    // camera for this serial.
    const auto noData = [&why] {
        why = kvui::LocalText(kNoData);
        return false;
    };

    const QJsonDocument document = QJsonDocument::fromJson(reply.body);
    if (!document.isObject())
        return noData();
    const QJsonObject root = document.object();
    if (!root.contains(QLatin1String("status"))
        || root.value(QLatin1String("status")).toString().toInt() != 0)
        return noData();
    const QJsonValue dataValue = root.value(QLatin1String("data"));
    if (!dataValue.isObject() || dataValue.toObject().isEmpty())
        return noData();
    const QJsonObject data = dataValue.toObject();

    camera.id = 0;
    camera.name = kCameraName;
    camera.fullname = kCameraName;
    camera.width = Integer(data, "image_width");
    camera.height = Integer(data, "image_height");
    // "dpi" is the pixel size in micrometres, "f" the focal length in pixels.
    const double pixelSize = Number(data, "dpi") * 0.001;
    camera.pixel_size_x = pixelSize;
    camera.pixel_size_y = pixelSize;
    camera.ccd_width = camera.width * pixelSize;
    camera.ccd_height = camera.height * pixelSize;
    camera.x0 = Number(data, "x0");
    camera.y0 = Number(data, "y0");
    camera.focal = Number(data, "f") * pixelSize;
    camera.dtype = 1;
    camera.k1 = Number(data, "k1");
    camera.k2 = Number(data, "k2");
    camera.k3 = Number(data, "k3");
    camera.p1 = Number(data, "p1");
    camera.p2 = Number(data, "p2");
    camera.alpha = Number(data, "alpha");
    camera.beta = Number(data, "beta");
    return true;
}
