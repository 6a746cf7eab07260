#pragma once

#include "catalog.h"
#include "dem.h"
#include "options.h"
#include "tiles.h"

#include <QJsonValue>
#include <atomic>
#include <memory>
#include <string>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace kvcloud {

// The HTTP endpoints of the stand-in web service:
//   GET /cameracheck/other                         the camera list
//   GET /cameracheck/downloadcalibration?camera_id=&camera_lens_id=
//                                                  the address of a calibration file
//   GET /calibration/<file>                        the 128-byte calibration block
//   GET /data/getcamera?uas_serial_id=             a camera by aircraft serial
//   GET /bing/getelevationbypoint?lat_lng=LAT%2CLNG  terrain elevation, from
//                                                  the DEM where it has a
//                                                  height, else the flat one
//   GET /tiles/<layer>/<z>/<x>/<y>.png              a map tile (with --tiles)
// with the faults of Options injected into every reply.
class Service
{
public:
    // dem may be null: every position then has the flat height.
    Service(Options options, Catalog catalog, std::unique_ptr<Dem> dem = nullptr);
    ~Service();
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;

    // The raster of /tiles; without one those requests answer 404.
    void SetTiles(std::unique_ptr<Tiles> tiles) { m_tiles = std::move(tiles); }

    // Binds the socket; returns the port (the chosen one for port 0) or -1.
    int Bind();
    // Serves until the process ends or Stop() is called.
    bool Run();
    void Stop();

private:
    // Sleeps as asked; true when this request is one of the failures asked
    // for, with res already filled.
    bool Fault(httplib::Response& res) const;
    // The reply body of a JSON endpoint: {"status":..,"data":..} with the
    // injected faults applied; ok false gives status "1".
    std::string JsonBody(bool ok, const QJsonValue& data) const;
    void SendJson(httplib::Response& res, const std::string& body) const;

    void CameraList(const httplib::Request& req, httplib::Response& res) const;
    void CalibrationUrl(const httplib::Request& req, httplib::Response& res) const;
    void CalibrationFile(const httplib::Request& req, httplib::Response& res) const;
    void CameraBySerial(const httplib::Request& req, httplib::Response& res) const;
    void Elevation(const httplib::Request& req, httplib::Response& res) const;
    void Tile(const httplib::Request& req, httplib::Response& res) const;

    Options m_options;
    Catalog m_catalog;
    std::unique_ptr<Dem> m_dem;
    std::unique_ptr<Tiles> m_tiles;
    std::unique_ptr<httplib::Server> m_server;
    int m_port = -1;
    std::string m_cameraListBody; // built once: the list may hold many cameras
    mutable std::atomic<int> m_failuresLeft {0};
};

} // namespace kvcloud
