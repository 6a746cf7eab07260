#include "service.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <httplib.h>
#include <iterator>
#include <thread>

namespace kvcloud {

namespace {

// With a charset the type is not one that cpp-httplib compresses: gzip would
// cost more than it saves on the loopback, and brotli at its default quality
// takes half a minute for a list of 20000 cameras.
const char* kJsonType = "application/json; charset=utf-8";

QString Param(const httplib::Request& req, const char* key)
{
    return req.has_param(key) ? QString::fromStdString(req.get_param_value(key)) : QString();
}

// "lat,lng" with nothing else around the two numbers.
bool ParseLatLng(const std::string& text, double& lat, double& lng)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    const auto parse = [](const char* first, const char* last, double& out) {
        const auto result = std::from_chars(first, last, out);
        return first != last && result.ec == std::errc() && result.ptr == last
            && std::isfinite(out);
    };
    const char* begin = text.data();
    return parse(begin, begin + comma, lat) && parse(begin + comma + 1, begin + text.size(), lng)
        && lat >= -90.0 && lat <= 90.0 && lng >= -180.0 && lng <= 180.0;
}

bool IsWildcard(const std::string& host)
{
    return host.empty() || host == "0.0.0.0" || host == "::" || host == "[::]";
}

} // namespace

Service::Service(Options options, Catalog catalog, std::unique_ptr<Dem> dem)
    : m_options(std::move(options))
    , m_catalog(std::move(catalog))
    , m_dem(std::move(dem))
    , m_server(std::make_unique<httplib::Server>())
{
    m_cameraListBody = JsonBody(true, m_catalog.Cameras());
    // A reply of any bytes, for clients that must cope with what no catalog
    // gives: cut, malformed or oddly encoded JSON.
    if (!m_options.cameraListFile.empty()) {
        std::ifstream file(m_options.cameraListFile, std::ios::binary);
        m_cameraListBody.assign(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
    }
    m_failuresLeft = m_options.failFirst;

    httplib::Server& server = *m_server;
    // Only GETs without a body are served; anything large is refused early,
    // and a silent client does not hold a worker for long.
    server.set_payload_max_length(4096);
    server.set_read_timeout(5, 0);
    server.set_write_timeout(5, 0);
    server.set_keep_alive_max_count(20);
    server.Get("/cameracheck/other", [this](const httplib::Request& req, httplib::Response& res) {
        CameraList(req, res);
    });
    server.Get(
        "/cameracheck/downloadcalibration",
        [this](const httplib::Request& req, httplib::Response& res) { CalibrationUrl(req, res); });
    server.Get(
        R"(/calibration/([^/]{1,128}))",
        [this](const httplib::Request& req, httplib::Response& res) { CalibrationFile(req, res); });
    server.Get("/data/getcamera", [this](const httplib::Request& req, httplib::Response& res) {
        CameraBySerial(req, res);
    });
    server.Get(
        "/bing/getelevationbypoint",
        [this](const httplib::Request& req, httplib::Response& res) { Elevation(req, res); });
    server.Get(R"(/tiles/([A-Za-z0-9_-]{1,32})/(\d{1,2})/(\d{1,9})/(\d{1,9})\.png)",
               [this](const httplib::Request& req, httplib::Response& res) { Tile(req, res); });
    // One line per request on stderr: what the tests count attempts by.
    server.set_logger([](const httplib::Request& req, const httplib::Response& res) {
        std::string target = req.target.substr(0, 300);
        for (char& c : target)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                c = '?';
        std::fprintf(stderr, "%s %s %d\n", req.method.c_str(), target.c_str(), res.status);
        std::fflush(stderr);
    });
    // Whatever a handler might throw becomes a plain 500, never a dead server.
    server.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
            res.status = 500;
            res.set_content("internal error", "text/plain; charset=utf-8");
        });
}

Service::~Service() = default;

int Service::Bind()
{
    if (m_options.port == 0)
        m_port = m_server->bind_to_any_port(m_options.host);
    else
        m_port = m_server->bind_to_port(m_options.host, m_options.port) ? m_options.port : -1;
    return m_port;
}

bool Service::Run()
{
    return m_server->listen_after_bind();
}

void Service::Stop()
{
    m_server->stop();
}

bool Service::Fault(httplib::Response& res) const
{
    if (m_options.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(m_options.delayMs));
    int left = m_failuresLeft.load();
    while (left > 0 && !m_failuresLeft.compare_exchange_weak(left, left - 1)) { }
    if (left <= 0)
        return false;
    res.status = 503;
    res.set_content("busy", "text/plain; charset=utf-8");
    return true;
}

std::string Service::JsonBody(bool ok, const QJsonValue& data) const
{
    if (m_options.malformed)
        return "<html><body>503 Service Temporarily Unavailable</body></html>";

    QJsonObject reply;
    if (!ok)
        reply.insert(QStringLiteral("status"), QStringLiteral("1"));
    else if (m_options.statusNumber)
        reply.insert(QStringLiteral("status"), 0);
    else
        reply.insert(QStringLiteral("status"), QString::fromStdString(m_options.status));

    if (ok && m_options.emptyData)
        reply.insert(QStringLiteral("data"),
                     data.isArray() ? QJsonValue(QJsonArray()) : QJsonValue(QJsonObject()));
    else
        reply.insert(QStringLiteral("data"), data);

    const QJsonDocument document
        = m_options.topArray ? QJsonDocument(QJsonArray {reply}) : QJsonDocument(reply);
    std::string body = document.toJson(QJsonDocument::Compact).toStdString();
    // Trailing blanks keep the JSON valid while making the reply as long as asked.
    if (m_options.padBytes > 0)
        body.append(std::size_t(m_options.padBytes), ' ');
    return body;
}

void Service::SendJson(httplib::Response& res, const std::string& body) const
{
    res.status = m_options.httpStatus;
    res.set_content(body, m_options.malformed ? "text/html; charset=utf-8" : kJsonType);
}

void Service::CameraList(const httplib::Request&, httplib::Response& res) const
{
    if (Fault(res))
        return;
    SendJson(res, m_cameraListBody);
}

void Service::CalibrationUrl(const httplib::Request& req, httplib::Response& res) const
{
    if (Fault(res))
        return;
    const QString file
        = m_catalog.CalibrationFile(Param(req, "camera_id"), Param(req, "camera_lens_id"));
    if (file.isEmpty()) {
        SendJson(res, JsonBody(false, QJsonObject()));
        return;
    }
    std::string authority = m_options.host + ':' + std::to_string(m_port);
    if (IsWildcard(m_options.host) && req.has_header("Host"))
        authority = req.get_header_value("Host");
    const QString url
        = QStringLiteral("http://%1/calibration/%2").arg(QString::fromStdString(authority), file);
    SendJson(res, JsonBody(true, QJsonObject {{QStringLiteral("url"), url}}));
}

void Service::CalibrationFile(const httplib::Request& req, httplib::Response& res) const
{
    if (Fault(res))
        return;
    const QByteArray* block
        = m_catalog.CalibrationBlock(QString::fromStdString(req.matches[1].str()));
    if (!block) {
        res.status = 404;
        res.set_content("no such calibration file", "text/plain; charset=utf-8");
        return;
    }
    QByteArray content = *block;
    if (m_options.calibrationSize >= 0) {
        if (content.size() > m_options.calibrationSize)
            content.truncate(m_options.calibrationSize);
        else
            content.append(QByteArray(m_options.calibrationSize - content.size(), '\0'));
    }
    res.status = m_options.httpStatus;
    res.set_content(content.constData(), std::size_t(content.size()), "application/octet-stream");
}

void Service::CameraBySerial(const httplib::Request& req, httplib::Response& res) const
{
    if (Fault(res))
        return;
    const QJsonObject* camera = m_catalog.Serial(Param(req, "uas_serial_id"));
    SendJson(res, camera ? JsonBody(true, *camera) : JsonBody(false, QJsonObject()));
}

void Service::Elevation(const httplib::Request& req, httplib::Response& res) const
{
    if (Fault(res))
        return;
    double lat = 0.0;
    double lng = 0.0;
    if (!req.has_param("lat_lng") || !ParseLatLng(req.get_param_value("lat_lng"), lat, lng)) {
        SendJson(res, JsonBody(false, QJsonObject()));
        return;
    }
    // Outside the terrain model, on its cells without data, or without one,
    // the terrain is flat.
    double height = m_options.elevation;
    if (m_dem && !m_dem->Sample(lat, lng, height))
        height = m_options.elevation;
    const QJsonValue elevation = m_options.elevationAsString
        ? QJsonValue(QString::number(height, 'g', 15))
        : QJsonValue(height);
    SendJson(res, JsonBody(true, elevation));
}

void Service::Tile(const httplib::Request& req, httplib::Response& res) const
{
    if (Fault(res))
        return;
    std::string png;
    if (!m_tiles || req.matches.size() < 5
        || !m_tiles->Render(std::stoi(req.matches[2].str()), std::stoll(req.matches[3].str()),
                            std::stoll(req.matches[4].str()), png)) {
        res.status = 404;
        res.set_content("no such tile", "text/plain; charset=utf-8");
        return;
    }
    if (m_options.malformed)
        png = "this is no picture";
    res.status = m_options.httpStatus;
    res.set_content(png, "image/png");
}

} // namespace kvcloud
