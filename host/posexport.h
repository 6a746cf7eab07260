#pragma once

#include "kvfd/coordinateinfo.h"
#include "kvfd/eop.h"

#include <QString>
#include <vector>

// Writing a project's image positions to a POS text file, as the export
// settings dialog describes the file: which images, which angle convention,
// which coordinates, which separator, names with or without extension. The
// file reads back through the library's POS import (one line per image: name,
// X, Y, Z, Omega, Phi, Kappa after one header line; begin line 2, angles in
// degrees, "BLH" checked for longitude/latitude).
//
// Angle conventions. The project holds Omega, Phi, Kappa (radians) of the
// rotation from image to map space
//     R = Rx(Omega) Ry(Phi) Rz(Kappa)
// with the right-handed elementary rotations
//     Rx(a) = [1 0 0; 0 c -s; 0 s c], Ry(a) = [c 0 s; 0 1 0; -s 0 c],
//     Rz(a) = [c -s 0; s c 0; 0 0 1]   (c = cos a, s = sin a).
// - "International" (angle 1) writes these angles as they are: the
//   Omega-Phi-Kappa system with X as primary axis.
// - "China" (angle 0) writes the angles of the same matrix in the Phi-Omega-Kappa
//   system of Chinese photogrammetry, Y as primary axis and Phi counted the
//   other way round:
//     R = Ry(-Phi) Rx(Omega) Rz(Kappa), so that
//     R = [cPcK - sPsOsK, -cPsK - sPsOcK, -sPcO;
//          cOsK,           cOcK,           -sO;
//          sPcK + cPsOsK, -sPsK + cPsOcK,  cPcO]
//   and Omega = asin(-R23), Phi = atan2(-R13, R33), Kappa = atan2(R21, R22).
// Both give Omega in [-90, 90] degrees and Phi and Kappa in (-180, 180]; at
// Omega (China) or Phi (International) of exactly +-90 degrees the split
// between the other two is arbitrary, the matrix is not.
struct PosExportImage
{
    QString name; // file name with extension
    kvfd::EOP eop;
    bool selected = false;
    bool enabled = true;
};

struct PosExportJob
{
    std::vector<PosExportImage> images;
    int images_mask = 0; // 0 all; else 1 the selected, 2 the enabled, 3 both
    int angle = 0;       // 0 China, 1 International
    int name = 0;        // 0 with extension, 1 without
    int coord = 0;       // 0 projected, 1 longitude/latitude
    char separator = '\t';
    QString path;
    // The project's coordinate system, for coord 1: X, Y, Z are taken to
    // WGS84 longitude, latitude and height.
    kvfd::CoordinateInfo coordinate;
};

struct PosExportResult
{
    bool ok = false;
    int written = 0;
    QString message; // why nothing was written
};

class PosExport
{
public:
    // Writes the file aside and renames it into place; on failure an earlier
    // file stays as it was.
    static PosExportResult Write(const PosExportJob& job);

    // The rotation matrix of a convention's angles (row-major), and back.
    static void Matrix(int angle, double omega, double phi, double kappa, double* r);
    static void Angles(int angle, const double* r, double& omega, double& phi, double& kappa);
};
