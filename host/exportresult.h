#pragma once

#include "kvfd/camerainfo.h"
#include "kvprj/kvproject.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kvhost {

// What an export hands back to the host: whether every file was written, the
// operator's message when not, and the files it wrote (absolute paths).
struct ExportResult
{
    bool ok = false;
    QString message;
    QStringList files;
};

// Writes an undistorted copy of the image source to target for its camera;
// true on success. The undistortion run belongs to the image-correction
// tools: exports ask for it through this hook and refuse the option while the
// host has set none.
using UndistortHook = std::function<bool(const QString& source, const QString& target,
                                         const kvfd::CameraInfo& camera)>;

// Runs hook over the images into folder (created when missing), keeping their
// file names; the written files are appended to result.files. False with
// result's message on the first failure or without a hook.
bool UndistortImages(const kvprj::KvProject& project, const std::vector<int>& ids,
                     const QString& folder, const UndistortHook& hook, ExportResult& result);

// An export the host offers but does not write (SSK, PhotoMod): a failed
// result whose message names the format.
ExportResult UnsupportedExport(const QString& format);

// The images an export writes: enabled, valid slots with a camera of the
// project, in project order.
std::vector<int> ExportedImages(const kvprj::KvProject& project);

// Checks that folder exists (creating it when missing) and takes files; a
// failed result with a message naming the folder otherwise.
ExportResult PrepareFolder(const QString& folder);

// Writes data to path aside and renames it into place, so an interrupted
// export never leaves a partial file under the final name. Appends path to
// result.files on success, sets ok false and the message otherwise.
bool WriteAside(const QString& path, const QByteArray& data, ExportResult& result);

// The message of an export with nothing to write.
QString NoImagesMessage();

// Whether the image has a position at all: a centre at exactly (0, 0, 0) is
// what images loaded without POS data carry.
bool HasPosition(const kvfd::EOP& eop);

// ExportedImages without the images that have no position; a failed result
// with a message when none is left.
std::vector<int> PlacedImages(const kvprj::KvProject& project, ExportResult& result);

} // namespace kvhost
