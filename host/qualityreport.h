#pragma once

#include "host/exportresult.h"
#include "host/footprint.h"

#include <QImage>
#include <QString>
#include <QtNumeric>
#include <string>
#include <vector>

namespace kvhost {

// The design parameters of a quality assessment (those of the QA setting bar)
// and the limits of what counts as a bad attitude or position.
struct QualityJob
{
    std::string scale = "1:1000"; // shown in the report only
    double resolution = 0.1;      // design ground sample distance, metres
    int forwardOverlap = 60;      // percent
    int sideOverlap = 30;         // percent
    double maxRoll = 12.0;        // degrees; omega of a nadir image
    double maxPitch = 12.0;       // degrees; phi of a nadir image
    double jumpFactor = 5.0;      // a step this many times the flight's median step is a jump
};

// Why an image fails; an image may fail for several reasons.
enum QualityFlag : unsigned {
    QF_Resolution = 1u << 0, // ground sample distance known and coarser than the design
    QF_Forward = 1u << 1,    // forward overlap below the design
    QF_Side = 1u << 2,       // side overlap below the design
    QF_Roll = 1u << 3,
    QF_Pitch = 1u << 4,
    QF_ZeroAltitude = 1u << 5, // Z is 0: no position or an altitude never filled
    QF_Duplicate = 1u << 6,    // the same centre (to the millimetre) as another image
    QF_Jump = 1u << 7,         // far from the previous image of its flight
    QF_NoFootprint = 1u << 8,  // no ground footprint: not above the mean elevation, or no camera
};

// The quality of every enabled image of a project against the design.
//
// Ground sample distance: pixel size x (Z - mean elevation) / focal length.
// Overlaps are areas of footprint intersections (footprints on the plane of
// the project's mean elevation, convex quadrilaterals clipped exactly) over
// the image's own footprint area, in percent:
// - forward: with the next image of the same flight in project order (the
//   last image of a flight: with the one before);
// - side: with the image of each neighbouring flight (the next lower and next
//   higher flight number present) whose centre is nearest to this image's;
//   the larger of the two. An image of a project with one flight has no side
//   overlap, and is not judged on it.
// Jumps: the distance to the previous image of the flight against the
// median of those distances in the flight.
class QualityReport
{
public:
    struct Image
    {
        int id = -1; // index in the project
        QString name;
        int flight = 0;
        kvfd::EOP eop;
        double gsd = qQNaN();     // metres
        double forward = qQNaN(); // percent
        double side = qQNaN();    // percent
        bool hasFootprint = false;
        Footprint::Corners footprint {};
        unsigned flags = 0;
    };

    static QualityReport Assess(const kvprj::KvProject& project, const QualityJob& job);

    const QualityJob& Job() const { return m_job; }
    const std::vector<Image>& Images() const { return m_images; }
    int FailingCount() const;
    // Flag texts of one image, comma-separated.
    static QString Problems(unsigned flags);

    // The footprints drawn into a picture of at most size pixels on its longer
    // side; failing images in red.
    QImage Map(int size = 1000) const;
    // The whole report as one HTML page, the map embedded as a PNG.
    QString Html() const;

    ExportResult WriteHtml(const QString& path) const;
    // The page printed to PDF by a web engine page, waiting in a local event
    // loop (at most timeoutMs).
    ExportResult WritePdf(const QString& path, int timeoutMs = 30000) const;
    // The failing images as a POS text file: "name X Y Z omega phi kappa"
    // (angles in degrees) per line, after a '#' header line.
    ExportResult WriteQaPos(const QString& path) const;

private:
    QualityJob m_job;
    QString m_projectName;
    double m_groundZ = 0.0;
    std::vector<Image> m_images;
};

} // namespace kvhost
