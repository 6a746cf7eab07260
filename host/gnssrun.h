#pragma once

#include <QString>

class QWidget;

namespace kvkernel {
class KvProgress;
}

// What the GNSS parameter dialogs collect, as the host runs it. The fields
// mirror the library's GPS parameter record one for one (paths as QString), so
// an adapter fills one from the other.
struct GnssJob
{
    bool useBase = false;
    int basePositionMode = 0;   // 0 the base file's "APPROX POSITION XYZ", 1 automatic, 2 entered
    int navSource = 0;          // navigation data: 0 from the base, 1 from the rover
    int gnssSystems = 33;       // 1 GPS, 2 SBAS, 4 GLONASS, 32 BeiDou
    int positioning = 0;        // 0 single-point, 1 differential
    double baseLongitude = 0.0; // degrees, with basePositionMode 2
    double baseLatitude = 0.0;
    double baseHeight = 0.0;    // metres above the ellipsoid
    double antennaHeight = 0.0; // rover antenna, metres
    QString baseObsPath;
    QString roverObsPath;
    QString outputDir;
    QString program = QStringLiteral("rnx2rtkp"); // looked up on PATH
};

// The solution of a run, read back from the solution file.
struct GnssResult
{
    enum Outcome { Solved, Failed, Cancelled };
    Outcome outcome = Failed;
    QString message;      // why it failed, for the operator
    QString solutionPath; // outputDir/<rover name>.pos
    QString configPath;   // outputDir/<rover name>.conf, as handed to the solver
    int epochs = 0;
    int fixed = 0;         // epochs with an integer-fixed ambiguity solution
    double fixRatio = 0.0; // fixed / epochs
    double meanLongitude = 0.0;
    double meanLatitude = 0.0;
    double meanHeight = 0.0;
};

// GNSS post-processing of a rover observation file, alone or against a base
// station, by the solver program of the "rtklib" package started as a process
// with a configuration file written for the job.
class GnssRun
{
public:
    // Runs on the calling thread. progress may be null; Start, SetInformation
    // while the solver works (a false answer kills it) and End are called.
    static GnssResult Run(const GnssJob& job, kvkernel::KvProgress* progress);

    // Run on a worker thread behind the library's modal progress dialog; a
    // failure is told in a message box.
    static GnssResult RunWithDialog(const GnssJob& job, QWidget* parent);

    // The solver's configuration for the job; basePosition is the base's
    // earth-centred X, Y, Z used with basePositionMode 0.
    static QByteArray ConfigText(const GnssJob& job, const double* basePosition);

    // The "APPROX POSITION XYZ" of an observation file's header (first 64
    // lines, up to "END OF HEADER"); false when there is none or it is zero.
    static bool HeaderPosition(const QString& path, double* xyz);

    // Reads a solution file into result's epoch counts and means; false when
    // it cannot be read or holds no epoch.
    static bool ReadSolution(const QString& path, GnssResult& result);
};
