#include "camera/downloadthread.h"

#include "framework/kvservice.h"
#include "framework/kvshared.h"
#include "kvfd/pathhelper.h"
#include "kvfd/tostring.h"
#include "kvsql/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <atomic>
#include <string>
#include <vector>

namespace {

constexpr int kAttempts = 10;
constexpr int kRequestMs = 60000;
constexpr int kPauseMs = 2000;

std::atomic<int> g_requestMs {kRequestMs};
std::atomic<int> g_pauseMs {kPauseMs};

// Values that are not JSON strings read as "" and so convert to 0.
QString Text(const QJsonObject& camera, const char* key)
{
    return camera.value(QLatin1String(key)).toString();
}

double Real(const QJsonObject& camera, const char* key)
{
    return Text(camera, key).toDouble();
}

const std::vector<kvsql::Field>& CameraFields()
{
    static const std::vector<kvsql::Field> fields = {
        {"id", 1, 0},     {"name", 3, 0},      {"fullname", 3, 0},   {"width", 1, 0},
        {"height", 1, 0}, {"ccd_width", 2, 0}, {"ccd_height", 2, 0}, {"focal", 2, 0},
        {"x0", 2, 0},     {"y0", 2, 0},        {"dtype", 1, 0},      {"k1", 2, 0},
        {"k2", 2, 0},     {"k3", 2, 0},        {"p1", 2, 0},         {"p2", 2, 0},
        {"alpha", 2, 0},  {"beta", 2, 0},
    };
    return fields;
}

void AppendTexts(const kvfd::CameraInfo& c, std::vector<std::string>& values)
{
    values.push_back(std::to_string(c.id));
    values.push_back(kvfd::ToString(c.name));
    values.push_back(kvfd::ToString(c.fullname));
    values.push_back(std::to_string(c.width));
    values.push_back(std::to_string(c.height));
    values.push_back(kvfd::ToString(c.ccd_width));
    values.push_back(kvfd::ToString(c.ccd_height));
    values.push_back(kvfd::ToString(c.focal));
    values.push_back(kvfd::ToString(c.x0));
    values.push_back(kvfd::ToString(c.y0));
    values.push_back(std::to_string(c.dtype));
    values.push_back(kvfd::ToString(c.k1));
    values.push_back(kvfd::ToString(c.k2));
    values.push_back(kvfd::ToString(c.k3));
    values.push_back(kvfd::ToString(c.p1));
    values.push_back(kvfd::ToString(c.p2));
    values.push_back(kvfd::ToString(c.alpha));
    values.push_back(kvfd::ToString(c.beta));
}

// The new database goes to a temporary file beside the one in use, is flushed
// to disk and then renamed over it, so a crash or a full disk never leaves a
// truncated camera database: readers see the old file or the new one.
bool ReplaceFile(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            break;
        }
    }
    return in.error() == QFileDevice::NoError && out.commit();
}

} // namespace

DownloadThread::DownloadThread(QObject* parent)
    : QThread(parent)
{ }

DownloadThread::~DownloadThread()
{
    requestInterruption();
    wait();
}

void DownloadThread::SetTimeouts(int requestMs, int pauseMs)
{
    g_requestMs = requestMs;
    g_pauseMs = pauseMs;
}

void DownloadThread::ResetTimeouts()
{
    SetTimeouts(kRequestMs, kPauseMs);
}

void DownloadThread::run()
{
    kvfd::CameraInfoSet cameras;
    bool received = false;
    for (int attempt = 0; attempt < kAttempts && !received; ++attempt) {
        if (isInterruptionRequested())
            return;
        received = download(cameras);
        if (!received) {
            // The pause is sliced so that a destructor waiting for the thread
            // is not held up by it.
            for (int left = g_pauseMs; left > 0 && !isInterruptionRequested(); left -= 50)
                QThread::msleep(static_cast<unsigned long>(qMin(left, 50)));
        }
    }
    // Ten failed attempts say nothing about the cameras: the database in use
    // stays, rather than being replaced by an empty one, and no finish() tells
    // the host to reload. A successful reply with no camera is still stored.
    if (received)
        save(cameras);
}

bool DownloadThread::download(kvfd::CameraInfoSet& cameras)
{
    // HttpGet runs its own event loop on this thread; the network objects live
    // and die within the call.
    const kvui::HttpResult reply
        = kvui::HttpGet(kvui::ServiceUrl(QStringLiteral("/cameracheck/other")), g_requestMs, false);
    if (reply.timedOut || reply.failed)
        return false;

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(reply.body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    if (!object.contains(QLatin1String("status")))
        return false;
    // A status that is not a JSON string reads as "" and so as 0.
    if (object.value(QLatin1String("status")).toString().toInt() != 0)
        return false;

    const QJsonArray data = object.value(QLatin1String("data")).toArray();
    for (int i = 0; i < data.size(); ++i) {
        const QJsonObject item = data.at(i).toObject();
        kvfd::CameraInfo c;
        c.id = i;
        c.name = QString2String(Text(item, "name").trimmed());
        c.fullname = QString2String(Text(item, "fullname").trimmed());
        c.width = Text(item, "width").toInt();
        c.height = Text(item, "height").toInt();
        c.ccd_width = Real(item, "ccdwidth");
        c.ccd_height = Real(item, "ccdheight");
        c.x0 = Real(item, "x0");
        c.y0 = Real(item, "y0");
        c.focal = Real(item, "focallength");
        c.k1 = Real(item, "k1");
        c.k2 = Real(item, "k2");
        c.k3 = Real(item, "k3");
        c.p1 = Real(item, "p1");
        c.p2 = Real(item, "p2");
        c.alpha = Real(item, "alpha");
        c.beta = Real(item, "beta");
        // A camera without an image size keeps the default pixel size rather
        // than an infinite one.
        if (c.width != 0)
            c.pixel_size_x = c.ccd_width / c.width;
        if (c.height != 0)
            c.pixel_size_y = c.ccd_height / c.height;
        c.dtype = 1;
        c.k4 = c.k5 = c.k6 = 0.0;
        c.mount_angle = 0;
        cameras.AddCamera(c);
    }
    return true;
}

void DownloadThread::save(kvfd::CameraInfoSet& cameras)
{
    const std::string dataDir = kvfd::PathHelper::GetSystemDataDirectory();
    const std::string downloadPath = kvfd::PathHelper::Merge(dataDir, "download/camera.db");
    const std::string inUsePath = kvfd::PathHelper::Merge(dataDir, "config/camera.db");
    const QString downloadFile = String2QString(downloadPath);
    const QString inUseFile = String2QString(inUsePath);
    if (!QDir().mkpath(QFileInfo(downloadFile).absolutePath())
        || !QDir().mkpath(QFileInfo(inUseFile).absolutePath()))
        return;

    std::vector<std::string> values;
    values.reserve(std::size_t(cameras.Size()) * CameraFields().size());
    for (int i = 0; i < cameras.Size(); ++i) {
        if (const kvfd::CameraInfo* camera = cameras.GetCamera(i))
            AppendTexts(*camera, values);
    }

    {
        kvsql::Database db;
        if (!db.Create(downloadPath) || !db.CreateTable("camera", CameraFields())
            || !db.AddRecords("camera", values, int(CameraFields().size())))
            return;
        db.Close();
    }
    if (!ReplaceFile(downloadFile, inUseFile))
        return;
    emit finish();
}
