#include "catalog.h"

#include "camerablock.h"
#include "seeddata.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>

namespace kvcloud {

namespace {

// The data files are the service's own: numbers may be written as strings or
// as JSON numbers.
double Number(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString().toDouble() : value.toDouble();
}

QString Text(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString()
        : value.isDouble()  ? QString::number(value.toDouble())
                            : QString();
}

QString PairKey(const QString& cameraId, const QString& lensId)
{
    return cameraId + QLatin1Char('\n') + lensId;
}

// Absent gives true with an undefined document; present but broken gives false.
bool ReadJson(const std::string& dataDir, const char* name, QJsonDocument& document,
              std::string& error)
{
    if (dataDir.empty())
        return true;
    QFile file(QString::fromStdString(dataDir) + QLatin1Char('/') + QLatin1String(name));
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.fileName().toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    QJsonParseError parse;
    document = QJsonDocument::fromJson(file.readAll(), &parse);
    if (parse.error != QJsonParseError::NoError) {
        error = file.fileName().toStdString() + ": " + parse.errorString().toStdString()
            + " at offset " + std::to_string(parse.offset);
        return false;
    }
    return true;
}

} // namespace

bool Catalog::Load(const std::string& dataDir, std::string& error)
{
    QJsonDocument cameras, calibrations, serials;
    if (!ReadJson(dataDir, "cameras.json", cameras, error)
        || !ReadJson(dataDir, "calibrations.json", calibrations, error)
        || !ReadJson(dataDir, "serials.json", serials, error))
        return false;

    if (cameras.isNull()) {
        m_cameras = SeedCameras();
    } else if (cameras.isArray()) {
        m_cameras = cameras.array();
    } else {
        error = "cameras.json: expected an array of camera objects";
        return false;
    }

    if (calibrations.isNull()) {
        if (!AddCalibrations(SeedCalibrations(), error))
            return false;
    } else if (!calibrations.isArray() || !AddCalibrations(calibrations.array(), error)) {
        if (error.empty())
            error = "calibrations.json: expected an array of calibration objects";
        return false;
    }

    QJsonObject serialObject;
    if (serials.isNull()) {
        serialObject = SeedSerials();
    } else if (serials.isObject()) {
        serialObject = serials.object();
    } else {
        error = "serials.json: expected an object of serial -> camera values";
        return false;
    }
    for (auto it = serialObject.begin(); it != serialObject.end(); ++it)
        m_serials.insert(it.key(), it.value().toObject());
    return true;
}

bool Catalog::AddCalibrations(const QJsonArray& entries, std::string& error)
{
    // File names are built from the ids only when those are plain, so that no
    // id can make a path of its own.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries.at(i).isObject()) {
            error = "calibrations.json: entry " + std::to_string(i) + " is not an object";
            return false;
        }
        const QJsonObject entry = entries.at(i).toObject();
        const QString cameraId = Text(entry, "camera_id");
        const QString lensId = Text(entry, "lens_id");
        QString file = plain.match(cameraId).hasMatch() && plain.match(lensId).hasMatch()
            ? cameraId + QLatin1Char('_') + lensId
            : QStringLiteral("calibration%1").arg(i);
        file += QStringLiteral(".cam");

        Calibration c;
        c.width = int(Number(entry, "width"));
        c.height = int(Number(entry, "height"));
        c.ccdWidth = Number(entry, "ccdwidth");
        c.focal = Number(entry, "focallength");
        c.x0 = Number(entry, "x0");
        c.y0 = Number(entry, "y0");
        c.k1 = Number(entry, "k1");
        c.k2 = Number(entry, "k2");
        c.k3 = Number(entry, "k3");
        c.k4 = Number(entry, "k4");
        c.k5 = Number(entry, "k5");
        c.k6 = Number(entry, "k6");
        c.p1 = Number(entry, "p1");
        c.p2 = Number(entry, "p2");
        c.alpha = Number(entry, "alpha");
        c.beta = Number(entry, "beta");
        m_calibrationFiles.insert(PairKey(cameraId, lensId), file);
        m_blocks.insert(file, EncodeCameraBlock(c));
    }
    return true;
}

QString Catalog::CalibrationFile(const QString& cameraId, const QString& lensId) const
{
    return m_calibrationFiles.value(PairKey(cameraId, lensId));
}

const QByteArray* Catalog::CalibrationBlock(const QString& file) const
{
    const auto it = m_blocks.constFind(file);
    return it == m_blocks.constEnd() ? nullptr : &it.value();
}

const QJsonObject* Catalog::Serial(const QString& serial) const
{
    const auto it = m_serials.constFind(serial);
    return it == m_serials.constEnd() ? nullptr : &it.value();
}

} // namespace kvcloud
