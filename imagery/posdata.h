#pragma once

#include "kvfd/eop.h"

#include <string>

// One record of a POS text file: the image identifier and its exterior
// orientation. X, Y, Z are as written in the file (projected coordinates, or
// longitude, latitude and height in degrees and metres); the angles are radians.
struct PosData
{
    std::string name;
    kvfd::EOP eop;
};

// How the records of a POS file are given to the images (the index of the
// "Match" combo box of the POS page).
enum PosMatchType : int {
    PosMatchWithExt = 0,    // the ID equals the image file name, letter case ignored
    PosMatchWithoutExt = 1, // as above, or the names without extension are equal
    PosMatchOrder = 2,      // the records go to the images of the camera in order
};
