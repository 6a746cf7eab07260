#include "host/exportresult.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>

namespace kvhost {

ExportResult UnsupportedExport(const QString& format)
{
    ExportResult result;
    result.message = QCoreApplication::translate("kvhost", "This host does not write %1 projects.")
                         .arg(format);
    return result;
}

std::vector<int> ExportedImages(const kvprj::KvProject& project)
{
    std::vector<int> ids;
    const auto& images = project.GetImageInfoSet();
    const auto& cameras = project.GetCameraInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        const auto* image = images.GetImage(i);
        const auto* ext = images.GetImageExt(i);
        if (image && ext && ext->enabled && cameras.GetCamera(image->GetCamera()))
            ids.push_back(i);
    }
    return ids;
}

QString NoImagesMessage()
{
    return QCoreApplication::translate("kvhost", "The project has no enabled image with a camera.");
}

bool HasPosition(const kvfd::EOP& eop)
{
    return !(eop.X == 0.0 && eop.Y == 0.0 && eop.Z == 0.0);
}

std::vector<int> PlacedImages(const kvprj::KvProject& project, ExportResult& result)
{
    std::vector<int> ids = ExportedImages(project);
    const auto& images = project.GetImageInfoSet();
    ids.erase(std::remove_if(ids.begin(), ids.end(),
                             [&](int id) { return !HasPosition(images.GetImage(id)->GetEOP()); }),
              ids.end());
    if (ids.empty()) {
        result.ok = false;
        result.message = ExportedImages(project).empty()
            ? NoImagesMessage()
            : QCoreApplication::translate("kvhost", "No enabled image has a position.");
    }
    return ids;
}

ExportResult PrepareFolder(const QString& folder)
{
    ExportResult result;
    if (folder.trimmed().isEmpty()) {
        result.message = QCoreApplication::translate("kvhost", "Choose an export folder.");
        return result;
    }
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder)) {
        result.message
            = QCoreApplication::translate("kvhost", "The folder %1 cannot be created.").arg(folder);
        return result;
    }
    // Permission bits do not tell the whole story (read-only mounts, ACLs,
    // an administrator's account): only a file actually written proves the
    // folder takes files.
    QTemporaryFile probe(dir.filePath(QStringLiteral(".kvexport-XXXXXX")));
    if (!probe.open() || probe.write("k", 1) != 1 || !probe.flush()) {
        result.message = QCoreApplication::translate(
                             "kvhost", "The folder %1 is read-only: nothing was exported.")
                             .arg(QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath()));
        return result;
    }
    result.ok = true;
    return result;
}

bool WriteAside(const QString& path, const QByteArray& data, ExportResult& result)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit()) {
        result.files << QFileInfo(path).absoluteFilePath();
        return true;
    }
    result.ok = false;
    result.message = QCoreApplication::translate("kvhost", "The file %1 could not be written: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

bool UndistortImages(const kvprj::KvProject& project, const std::vector<int>& ids,
                     const QString& folder, const UndistortHook& hook, ExportResult& result)
{
    if (!hook) {
        result.ok = false;
        result.message = QCoreApplication::translate(
            "kvhost", "Undistorted images cannot be written yet: nothing was exported.");
        return false;
    }
    const ExportResult prepared = PrepareFolder(folder);
    if (!prepared.ok) {
        result.ok = false;
        result.message = prepared.message;
        return false;
    }
    const auto& images = project.GetImageInfoSet();
    for (int id : ids) {
        const auto* image = images.GetImage(id);
        const auto* camera = project.GetCameraInfoSet().GetCamera(image->GetCamera());
        const QString source = QString::fromStdString(image->GetFullName());
        const QString target = QDir(folder).filePath(QString::fromStdString(image->Name()));
        if (!hook(source, target, *camera)) {
            result.ok = false;
            result.message
                = QCoreApplication::translate("kvhost", "The image %1 could not be undistorted.")
                      .arg(QDir::toNativeSeparators(source));
            return false;
        }
        result.files << QFileInfo(target).absoluteFilePath();
    }
    return true;
}

} // namespace kvhost
