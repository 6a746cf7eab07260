#pragma once

#include <string>

namespace kvcloud {

// What the command line asks for: where to listen, which data to serve and
// which faults to inject into every reply.
struct Options
{
    std::string host = "127.0.0.1";
    int port = 8642;
    std::string dataDir;

    int delayMs = 0;                // sleep before each reply
    bool malformed = false;         // JSON endpoints answer with text that is not JSON
    std::string status = "0";       // "status" of a successful reply
    bool statusNumber = false;      // "status" as the JSON number 0
    bool topArray = false;          // the reply object wrapped in a top-level array
    int failFirst = 0;              // the first N requests answer HTTP 503
    int httpStatus = 200;           // HTTP status code of every reply
    int calibrationSize = -1;       // calibration files cut or zero-padded to this size
    bool emptyData = false;         // "data" is [] or {}
    long long padBytes = 0;         // blanks appended to every JSON reply
    double elevation = 50.0;        // the flat terrain's height in metres
    std::string demPath;            // terrain model answering elevations; flat where it has none
    bool elevationAsString = false; // elevation sent as a JSON string
    std::string cameraListFile;     // the camera list reply: these bytes as they are
    std::string tilesPath;          // raster served as map tiles under /tiles/<layer>/

    // Parses argv; on a bad command line returns false with a message in error.
    bool Parse(int argc, char** argv, std::string& error);
    static const char* Usage();
};

} // namespace kvcloud
