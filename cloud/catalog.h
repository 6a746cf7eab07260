#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <string>

namespace kvcloud {

// The data the service answers from: the camera list, the calibration files
// by (camera id, lens id) and the cameras by aircraft serial. Read once at
// start, read-only afterwards, so the request threads share it freely.
class Catalog
{
public:
    // Reads cameras.json, calibrations.json and serials.json from dataDir
    // where present; the built-in seed stands in for each missing one. A file
    // that is present but unreadable is an error.
    bool Load(const std::string& dataDir, std::string& error);

    // The camera objects, served as they were read.
    const QJsonArray& Cameras() const { return m_cameras; }
    // The file name of a calibration, empty when the pair is unknown.
    QString CalibrationFile(const QString& cameraId, const QString& lensId) const;
    // The 128-byte block of a file name; null when there is none.
    const QByteArray* CalibrationBlock(const QString& file) const;
    // The camera values of a serial; null when unknown.
    const QJsonObject* Serial(const QString& serial) const;

private:
    bool AddCalibrations(const QJsonArray& entries, std::string& error);

    QJsonArray m_cameras;
    QHash<QString, QString> m_calibrationFiles; // "camera\nlens" -> file
    QHash<QString, QByteArray> m_blocks;        // file -> block
    QHash<QString, QJsonObject> m_serials;
};

} // namespace kvcloud
