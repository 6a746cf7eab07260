#include "options.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace kvcloud {

namespace {

bool ToInteger(std::string_view text, long long low, long long high, long long& out)
{
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()
        || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ToReal(std::string_view text, double& out)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()
        || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

} // namespace

const char* Options::Usage()
{
    return "usage: kvcloud [--host ADDR] [--port N] [--data DIR] [--elevation M] [--dem PATH]\n"
           "               [--delay-ms N] [--malformed] [--status S] [--status-number]\n"
           "               [--top-array] [--http-status N] [--calibration-size N]\n"
           "               [--empty-data] [--pad-bytes N] [--elevation-as-string]\n"
           "               [--fail-first N] [--camera-list-file PATH] [--tiles PATH]\n"
           "               [--stop-with-parent]\n"
           "  --port 0 picks a free port; the first line printed is\n"
           "  \"listening on HOST:PORT\". Each request is logged to stderr as\n"
           "  \"GET <target> <status>\".\n"
           "  --dem answers elevations from a raster GDAL reads (heights in metres,\n"
           "  any coordinate system); positions outside it or on cells without data\n"
           "  get the flat --elevation.\n"
           "  --tiles serves /tiles/<layer>/{z}/{x}/{y}.png, Web Mercator map tiles\n"
           "  cut from a raster GDAL reads (any layer name gives the same tiles).\n";
}

bool Options::Parse(int argc, char** argv, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        const auto integer = [&](long long low, long long high, long long& out) {
            std::string_view text;
            if (!value(text))
                return false;
            if (!ToInteger(text, low, high, out)) {
                error = std::string(arg) + ": not a number in " + std::to_string(low) + ".."
                    + std::to_string(high) + ": " + std::string(text);
                return false;
            }
            return true;
        };
        std::string_view text;
        long long number = 0;
        if (arg == "--host") {
            if (!value(text))
                return false;
            host = std::string(text);
        } else if (arg == "--port") {
            if (!integer(0, 65535, number))
                return false;
            port = int(number);
        } else if (arg == "--data") {
            if (!value(text))
                return false;
            dataDir = std::string(text);
        } else if (arg == "--delay-ms") {
            if (!integer(0, 600000, number))
                return false;
            delayMs = int(number);
        } else if (arg == "--malformed") {
            malformed = true;
        } else if (arg == "--status") {
            if (!value(text))
                return false;
            status = std::string(text);
        } else if (arg == "--status-number") {
            statusNumber = true;
        } else if (arg == "--top-array") {
            topArray = true;
        } else if (arg == "--http-status") {
            if (!integer(100, 599, number))
                return false;
            httpStatus = int(number);
        } else if (arg == "--calibration-size") {
            if (!integer(0, 1 << 20, number))
                return false;
            calibrationSize = int(number);
        } else if (arg == "--fail-first") {
            if (!integer(0, 1000000, number))
                return false;
            failFirst = int(number);
        } else if (arg == "--empty-data") {
            emptyData = true;
        } else if (arg == "--pad-bytes") {
            if (!integer(0, 256LL << 20, number))
                return false;
            padBytes = number;
        } else if (arg == "--elevation") {
            if (!value(text))
                return false;
            if (!ToReal(text, elevation)) {
                error = "--elevation: not a number: " + std::string(text);
                return false;
            }
        } else if (arg == "--dem") {
            if (!value(text))
                return false;
            demPath = std::string(text);
        } else if (arg == "--camera-list-file") {
            if (!value(text))
                return false;
            cameraListFile = std::string(text);
        } else if (arg == "--tiles") {
            if (!value(text))
                return false;
            tilesPath = std::string(text);
        } else if (arg == "--elevation-as-string") {
            elevationAsString = true;
        } else if (arg == "--help" || arg == "-h") {
            error.clear();
            return false;
        } else {
            error = "unknown option " + std::string(arg);
            return false;
        }
    }
    return true;
}

} // namespace kvcloud
