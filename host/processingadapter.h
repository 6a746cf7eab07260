#pragma once

#include "host/imagework.h"
#include "kvfd/transient.h"
#include "processing/algoparameter.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kvkernel {
class AISContext;
}

// Turns what the processing dialogs gather (AlgoParameter records, a scope
// and a destination) into the image engine's jobs.
namespace kvhost {

using AlgoChain = std::vector<kvfd::KvPtr<AlgoParameter>>;

// The GDAL driver for a format name of the format dialogs ("BMP", "JPEG",
// "PNG", "GTiff"), letter case and the usual file-extension spellings ("JPG",
// "TIF", "TIFF") accepted; an unknown name is returned as it is, so that the
// engine refuses it with its own message.
QString GdalDriverOf(const QString& format);

// The image files of project: every image left in it (all), or the selected
// ones, in the project's order. The enabled flag only tells whether an image
// has received a position, which pre-processing does not need.
QStringList ProjectImages(const kvkernel::AISContext& project, bool all);

// The engine's step for one record. A distortion record that does not use
// its own camera ("Custom Camera" off) takes the camera of the project's
// first image (or its first camera); project may be null, and the record's
// camera is used then. False with error (for the operator) when the record's
// type or rotation is none the engine knows.
bool ToImageStep(const AlgoParameter& record, const kvkernel::AISContext* project, ImageStep& step,
                 QString& error);

// The whole job of a chain, in the chain's order, over the images of the
// scope of its first record (the batch dialog gives every record the same
// scope), writing into output. False with error when the chain is empty, a
// record is null or cannot be converted, or no project is open. What the
// engine itself checks (destination, camera, rate) is left to it.
bool MakeImageJob(const AlgoChain& chain, const QString& output,
                  const kvkernel::AISContext* project, ImageJob& job, QString& error);

// Raw-to-TIFF of every raw file of rawFolder into output, with the positions
// of posFile when it is given.
RawJob MakeRawJob(const QString& rawFolder, const QString& posFile, const QString& output);

// What every job of this host gets: LZW-compressed TIFFs and the thread count
// of the processing settings.
QStringList DefaultTiffOptions();
int ConfiguredThreads();

} // namespace kvhost
