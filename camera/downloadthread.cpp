#include "camera/downloadthread.h"

#include "camera/servicefailure.h"
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
#include <QMutexLocker>
#include <QSaveFile>
#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>
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
// QSaveFile (Qt 5) commits even when its last flush or its sync failed, so
// both are checked here.
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
    if (in.error() != QFileDevice::NoError || !out.flush() || !kvui::SyncToDisk(out))
        out.cancelWriting();
    return out.commit();
}

// Whether the database at path is known to hold no camera: it is missing, or
// a database without camera rows. A file that cannot be read might hold
// cameras another version wrote, and so counts as holding some.
bool HoldsNoCamera(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::path(path), error) && !error)
        return true;
    kvsql::Database db;
    if (!db.Open(path))
        return false;
    bool any = false;
    if (db.Select("camera", {}, [&any](const std::vector<std::string>&) {
            any = true;
            return false;
        }))
        return !any;
    // No such table is no camera; any other failure tells nothing.
    bool hasTable = false;
    const bool listed
        = db.Select("sqlite_master", {"name"}, [&hasTable](const std::vector<std::string>& row) {
              hasTable = hasTable
                  || QString::fromStdString(row.at(0)).toLower() == QLatin1String("camera");
              return true;
          });
    return listed && !hasTable;
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

DownloadThread::Status DownloadThread::GetStatus() const
{
    return Status(m_status.load());
}

QString DownloadThread::NetworkError() const
{
    QMutexLocker lock(&m_errorLock);
    return m_networkError;
}

void DownloadThread::SetNetworkError(const QString& error)
{
    QMutexLocker lock(&m_errorLock);
    m_networkError = error;
}

QString DownloadThread::StatusText() const
{
    const QString networkError = NetworkError();
    // An unreachable service is no fault of the cameras; the operator is told
    // what the network said, so that a refused connection or a missing
    // network is not mistaken for a service without cameras.
    if (GetStatus() == KeptOnNoReply && !networkError.isEmpty())
        return tr("The camera service is not available (%1); the camera database in use is "
                  "kept")
            .arg(networkError);
    switch (GetStatus()) {
    case NotFinished:
        break;
    case Replaced:
        return tr("相机数据库已更新");
    case KeptOnEmptyList:
        return tr("相机服务未返回任何相机，保留现有相机数据库");
    case KeptOnNoReply:
        return tr("相机服务无有效回复，保留现有相机数据库");
    case KeptOnWriteError:
        return tr("无法写入新的相机数据库，保留现有相机数据库");
    }
    return QString();
}

void DownloadThread::run()
{
    m_status = NotFinished;
    SetNetworkError(QString());
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
    // the host to reload.
    if (received)
        save(cameras);
    else
        m_status = KeptOnNoReply;
}

bool DownloadThread::download(kvfd::CameraInfoSet& cameras)
{
    // HttpGet runs its own event loop on this thread; the network objects live
    // and die within the call.
    const kvui::HttpResult reply
        = kvui::HttpGet(kvui::ServiceUrl(QStringLiteral("/cameracheck/other")), g_requestMs, false);
    SetNetworkError(kvui::ServiceUnreachable(reply) ? kvui::UnreachableReason(reply) : QString());
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
    std::vector<std::string> values;
    values.reserve(std::size_t(cameras.Size()) * CameraFields().size());
    for (int i = 0; i < cameras.Size(); ++i) {
        if (const kvfd::CameraInfo* camera = cameras.GetCamera(i))
            AppendTexts(*camera, values);
    }
    // A service that lists no camera (a fault on its side, as likely as not)
    // must not empty a camera database that holds some.
    if (values.empty() && !HoldsNoCamera(inUsePath)) {
        m_status = KeptOnEmptyList;
        return;
    }

    m_status = KeptOnWriteError;
    if (!QDir().mkpath(QFileInfo(downloadFile).absolutePath())
        || !QDir().mkpath(QFileInfo(inUseFile).absolutePath()))
        return;

    bool stored = false;
    {
        kvsql::Database db;
        stored = db.Create(downloadPath) && db.CreateTable("camera", CameraFields())
            && db.AddRecords("camera", values, int(CameraFields().size()));
        db.Close();
    }
    if (!stored || !ReplaceFile(downloadFile, inUseFile)) {
        // What a failed run wrote is of no use to anyone; the next run starts over.
        QFile::remove(downloadFile);
        return;
    }
    m_status = Replaced;
    emit finish();
}
