#include "host/qualityreport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPainter>
#include <QPolygonF>
#include <QTemporaryFile>
#include <QTimer>
#include <QWebEnginePage>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace kvhost {

namespace {

using Polygon = std::vector<std::array<double, 2>>;

double SignedArea(const Polygon& p)
{
    double a = 0.0;
    for (std::size_t i = 0, n = p.size(); i < n; ++i) {
        const auto& u = p[i];
        const auto& v = p[(i + 1) % n];
        a += u[0] * v[1] - v[0] * u[1];
    }
    return a / 2.0;
}

Polygon CounterClockwise(const Footprint::Corners& c)
{
    Polygon p(c.begin(), c.end());
    if (SignedArea(p) < 0.0)
        std::reverse(p.begin(), p.end());
    return p;
}

// Sutherland-Hodgman: exact for a convex clip polygon, which a footprint of a
// frame image on a plane always is.
double IntersectionArea(const Polygon& subject, const Polygon& clip)
{
    Polygon out = subject;
    for (std::size_t i = 0, n = clip.size(); i < n && !out.empty(); ++i) {
        const auto& a = clip[i];
        const auto& b = clip[(i + 1) % n];
        const auto side = [&](const std::array<double, 2>& p) {
            return (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0]);
        };
        Polygon in;
        in.swap(out);
        for (std::size_t j = 0, m = in.size(); j < m; ++j) {
            const auto& p = in[j];
            const auto& q = in[(j + 1) % m];
            const double sp = side(p), sq = side(q);
            if (sp >= 0.0)
                out.push_back(p);
            if ((sp >= 0.0) != (sq >= 0.0)) {
                const double t = sp / (sp - sq);
                out.push_back({p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])});
            }
        }
    }
    return out.size() < 3 ? 0.0 : std::abs(SignedArea(out));
}

double Overlap(const QualityReport::Image& a, const QualityReport::Image& b)
{
    if (!a.hasFootprint || !b.hasFootprint)
        return qQNaN();
    const Polygon pa = CounterClockwise(a.footprint);
    const double area = SignedArea(pa);
    if (!(area > 0.0))
        return qQNaN();
    return 100.0 * IntersectionArea(pa, CounterClockwise(b.footprint)) / area;
}

double PixelSize(const kvfd::CameraInfo& camera)
{
    if (camera.pixel_size_x > 0.0)
        return camera.pixel_size_x;
    return camera.ccd_width > 0.0 && camera.width > 0 ? camera.ccd_width / camera.width : qQNaN();
}

QString Cell(double v, int decimals)
{
    return std::isfinite(v) ? QString::number(v, 'f', decimals) : QStringLiteral("-");
}

QString Text(const char* text)
{
    return QCoreApplication::translate("kvhost", text);
}

} // namespace

QualityReport QualityReport::Assess(const kvprj::KvProject& project, const QualityJob& job)
{
    QualityReport report;
    report.m_job = job;
    report.m_projectName = QString::fromUtf8(project.GetPrjInfo().name);
    report.m_groundZ = project.GetPrjInfo().meanElevation;
    const auto& images = project.GetImageInfoSet();
    const auto& cameras = project.GetCameraInfoSet();
    const double degrees = 180.0 / M_PI;

    std::map<std::tuple<long long, long long, long long>, int> centres;
    for (int i = 0; i < images.Size(); ++i) {
        const auto* info = images.GetImage(i);
        const auto* ext = images.GetImageExt(i);
        if (!info || !ext || !ext->enabled)
            continue;
        Image image;
        image.id = i;
        image.name = QString::fromStdString(info->Name());
        image.flight = ext->flight;
        image.eop = info->GetEOP();
        const kvfd::CameraInfo* camera = cameras.GetCamera(info->GetCamera());
        if (camera) {
            const double height = image.eop.Z - report.m_groundZ;
            if (height > 0.0 && camera->focal > 0.0)
                image.gsd = PixelSize(*camera) * height / camera->focal;
            image.hasFootprint
                = Footprint::Compute(image.eop, *camera, report.m_groundZ, image.footprint);
        }
        if (!image.hasFootprint)
            image.flags |= QF_NoFootprint;
        if (image.eop.Z == 0.0)
            image.flags |= QF_ZeroAltitude;
        if (std::abs(image.eop.Omega * degrees) > job.maxRoll)
            image.flags |= QF_Roll;
        if (std::abs(image.eop.Phi * degrees) > job.maxPitch)
            image.flags |= QF_Pitch;
        if (image.gsd > job.resolution * (1.0 + 1e-9))
            image.flags |= QF_Resolution;
        ++centres[{std::llround(image.eop.X * 1000.0), std::llround(image.eop.Y * 1000.0),
                   std::llround(image.eop.Z * 1000.0)}];
        report.m_images.push_back(image);
    }

    std::map<int, std::vector<int>> flights; // flight -> indices into m_images, project order
    for (std::size_t k = 0; k < report.m_images.size(); ++k) {
        Image& image = report.m_images[k];
        if (centres[{std::llround(image.eop.X * 1000.0), std::llround(image.eop.Y * 1000.0),
                     std::llround(image.eop.Z * 1000.0)}]
            > 1)
            image.flags |= QF_Duplicate;
        flights[image.flight].push_back(int(k));
    }

    auto& all = report.m_images;
    const auto distance = [&](int a, int b) {
        return std::hypot(all[a].eop.X - all[b].eop.X, all[a].eop.Y - all[b].eop.Y);
    };
    for (auto it = flights.begin(); it != flights.end(); ++it) {
        const std::vector<int>& line = it->second;
        std::vector<double> steps;
        for (std::size_t j = 0; j < line.size(); ++j) {
            Image& image = all[line[j]];
            if (line.size() > 1) {
                const int other = j + 1 < line.size() ? line[j + 1] : line[j - 1];
                image.forward = Overlap(image, all[other]);
            }
            if (j > 0)
                steps.push_back(distance(line[j], line[j - 1]));
        }
        if (steps.size() >= 2) {
            std::vector<double> sorted = steps;
            std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
            const double median = sorted[sorted.size() / 2];
            for (std::size_t j = 1; j < line.size(); ++j) {
                if (median > 0.0 && steps[j - 1] > job.jumpFactor * median)
                    all[line[j]].flags |= QF_Jump;
            }
        }
        // Side overlap with the nearest image of each neighbouring flight.
        std::vector<const std::vector<int>*> neighbours;
        if (it != flights.begin())
            neighbours.push_back(&std::prev(it)->second);
        if (std::next(it) != flights.end())
            neighbours.push_back(&std::next(it)->second);
        for (int k : line) {
            for (const std::vector<int>* other : neighbours) {
                int nearest = -1;
                double best = 0.0;
                for (int o : *other) {
                    const double d = distance(k, o);
                    if (nearest < 0 || d < best) {
                        nearest = o;
                        best = d;
                    }
                }
                const double overlap = Overlap(all[k], all[nearest]);
                if (std::isfinite(overlap)
                    && (!std::isfinite(all[k].side) || overlap > all[k].side))
                    all[k].side = overlap;
            }
        }
    }
    for (Image& image : all) {
        if (std::isfinite(image.forward) && image.forward < job.forwardOverlap)
            image.flags |= QF_Forward;
        if (std::isfinite(image.side) && image.side < job.sideOverlap)
            image.flags |= QF_Side;
    }
    return report;
}

int QualityReport::FailingCount() const
{
    return int(std::count_if(m_images.begin(), m_images.end(),
                             [](const Image& image) { return image.flags != 0; }));
}

QString QualityReport::Problems(unsigned flags)
{
    static const std::pair<unsigned, const char*> names[] = {
        {QF_Resolution, QT_TRANSLATE_NOOP("kvhost", "resolution")},
        {QF_Forward, QT_TRANSLATE_NOOP("kvhost", "forward overlap")},
        {QF_Side, QT_TRANSLATE_NOOP("kvhost", "side overlap")},
        {QF_Roll, QT_TRANSLATE_NOOP("kvhost", "roll")},
        {QF_Pitch, QT_TRANSLATE_NOOP("kvhost", "pitch")},
        {QF_ZeroAltitude, QT_TRANSLATE_NOOP("kvhost", "altitude 0")},
        {QF_Duplicate, QT_TRANSLATE_NOOP("kvhost", "duplicate position")},
        {QF_Jump, QT_TRANSLATE_NOOP("kvhost", "position jump")},
        {QF_NoFootprint, QT_TRANSLATE_NOOP("kvhost", "no footprint")},
    };
    QStringList list;
    for (const auto& name : names) {
        if (flags & name.first)
            list << Text(name.second);
    }
    return list.join(QStringLiteral(", "));
}

QImage QualityReport::Map(int size) const
{
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool any = false;
    for (const Image& image : m_images) {
        if (!image.hasFootprint)
            continue;
        for (const auto& c : image.footprint) {
            minX = any ? std::min(minX, c[0]) : c[0];
            maxX = any ? std::max(maxX, c[0]) : c[0];
            minY = any ? std::min(minY, c[1]) : c[1];
            maxY = any ? std::max(maxY, c[1]) : c[1];
            any = true;
        }
    }
    const double w = std::max(maxX - minX, 1e-6), h = std::max(maxY - minY, 1e-6);
    const double scale = (size - 20) / std::max(w, h);
    QImage picture(std::max(int(w * scale) + 20, 40), std::max(int(h * scale) + 20, 40),
                   QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (!any)
        return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Failing images last, so their red stays on top.
    for (int pass = 0; pass < 2; ++pass) {
        painter.setPen(QPen(pass ? QColor(220, 30, 30) : QColor(40, 120, 200), 1.0));
        painter.setBrush(pass ? QColor(220, 30, 30, 40) : QColor(40, 120, 200, 25));
        for (const Image& image : m_images) {
            if (!image.hasFootprint || (image.flags != 0) != bool(pass))
                continue;
            QPolygonF polygon;
            for (const auto& c : image.footprint)
                polygon << QPointF(10 + (c[0] - minX) * scale, 10 + (maxY - c[1]) * scale);
            painter.drawPolygon(polygon);
        }
    }
    return picture;
}

QString QualityReport::Html() const
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Map().save(&buffer, "PNG");

    const auto escape = [](const QString& s) { return s.toHtmlEscaped(); };
    QString html;
    html.reserve(int(m_images.size()) * 260 + png.size() * 4 / 3 + 4096);
    html += QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>")
        + escape(Text(QT_TRANSLATE_NOOP("kvhost", "Quality Report")))
        + QStringLiteral("</title><style>body{font-family:sans-serif;font-size:13px}"
                         "table{border-collapse:collapse}td,th{border:1px solid #bbb;"
                         "padding:2px 6px;text-align:right;overflow:hidden}"
                         "td.n{text-align:left}tr.bad{background:#fde4e4}"
                         "table.i{table-layout:fixed;width:1000px}"
                         "div.c{content-visibility:auto;contain-intrinsic-size:auto 2200px}"
                         "</style></head><body>\n");
    html += QStringLiteral("<h1>%1</h1>\n")
                .arg(escape(Text(QT_TRANSLATE_NOOP("kvhost", "Quality Report"))));
    if (!m_projectName.isEmpty())
        html += QStringLiteral("<p>%1</p>\n").arg(escape(m_projectName));

    const auto row = [](const QString& label, const QString& value) {
        return QStringLiteral("<tr><td class=\"n\">%1</td><td>%2</td></tr>\n")
            .arg(label.toHtmlEscaped(), value.toHtmlEscaped());
    };
    html += QStringLiteral("<h2>%1</h2>\n<table>\n")
                .arg(escape(Text(QT_TRANSLATE_NOOP("kvhost", "Design"))));
    html += row(Text(QT_TRANSLATE_NOOP("kvhost", "Scale")), QString::fromStdString(m_job.scale));
    html += row(Text(QT_TRANSLATE_NOOP("kvhost", "Resolution (m)")),
                QString::number(m_job.resolution));
    html += row(Text(QT_TRANSLATE_NOOP("kvhost", "Forward overlap (%)")),
                QString::number(m_job.forwardOverlap));
    html += row(Text(QT_TRANSLATE_NOOP("kvhost", "Side overlap (%)")),
                QString::number(m_job.sideOverlap));
    html += row(Text(QT_TRANSLATE_NOOP("kvhost", "Mean elevation (m)")),
                QString::number(m_groundZ, 'f', 2));
    html += row(Text(QT_TRANSLATE_NOOP("kvhost", "Images")), QString::number(m_images.size()));
    html += row(Text(QT_TRANSLATE_NOOP("kvhost", "Images failing")),
                QString::number(FailingCount()));
    for (unsigned flag = 1; flag <= QF_NoFootprint; flag <<= 1) {
        const auto count = std::count_if(m_images.begin(), m_images.end(),
                                         [flag](const Image& image) { return image.flags & flag; });
        if (count > 0)
            html += row(QStringLiteral("- ") + Problems(flag), QString::number(count));
    }
    html += QStringLiteral("</table>\n<h2>%1</h2>\n<img alt=\"map\" src=\"data:image/png;base64,")
                .arg(escape(Text(QT_TRANSLATE_NOOP("kvhost", "Footprints"))));
    html += QString::fromLatin1(png.toBase64());
    html += QStringLiteral("\">\n<h2>%1</h2>\n")
                .arg(escape(Text(QT_TRANSLATE_NOOP("kvhost", "Images"))));

    // A table of many thousand rows takes the web view seconds to lay out:
    // fixed-layout tables of kChunk rows each, which the view lays out only
    // when they scroll into sight, show at once.
    constexpr int kChunk = 100;
    const QString table = QStringLiteral(
        "<table class=\"i\"><colgroup><col style=\"width:170px\"><col style=\"width:60px\">"
        "<col style=\"width:90px\"><col style=\"width:90px\"><col style=\"width:80px\">"
        "<col style=\"width:80px\"><col style=\"width:80px\"><col></colgroup>\n");
    html += table + QStringLiteral("<tr>");
    for (const char* header :
         {QT_TRANSLATE_NOOP("kvhost", "Name"), QT_TRANSLATE_NOOP("kvhost", "Flight"),
          QT_TRANSLATE_NOOP("kvhost", "GSD (m)"), QT_TRANSLATE_NOOP("kvhost", "Forward (%)"),
          QT_TRANSLATE_NOOP("kvhost", "Side (%)"), QT_TRANSLATE_NOOP("kvhost", "Roll (°)"),
          QT_TRANSLATE_NOOP("kvhost", "Pitch (°)"), QT_TRANSLATE_NOOP("kvhost", "Problems")})
        html += QStringLiteral("<th>%1</th>").arg(escape(Text(header)));
    html += QStringLiteral("</tr>\n</table>\n");
    const double degrees = 180.0 / M_PI;
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        if (i % kChunk == 0)
            html += QStringLiteral("<div class=\"c\">") + table;
        const Image& image = m_images[i];
        html += image.flags ? QStringLiteral("<tr class=\"bad\">") : QStringLiteral("<tr>");
        html += QStringLiteral("<td class=\"n\">%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                               "<td>%6</td><td>%7</td><td class=\"n\">%8</td></tr>\n")
                    .arg(escape(image.name))
                    .arg(image.flight + 1)
                    .arg(Cell(image.gsd, 4), Cell(image.forward, 1), Cell(image.side, 1),
                         Cell(image.eop.Omega * degrees, 2), Cell(image.eop.Phi * degrees, 2),
                         escape(Problems(image.flags)));
        if (i % kChunk == kChunk - 1 || i + 1 == m_images.size())
            html += QStringLiteral("</table></div>\n");
    }
    html += QStringLiteral("</body></html>\n");
    return html;
}

ExportResult QualityReport::WriteHtml(const QString& path) const
{
    ExportResult result = PrepareFolder(QFileInfo(path).absolutePath());
    if (result.ok)
        WriteAside(path, Html().toUtf8(), result);
    return result;
}

ExportResult QualityReport::WritePdf(const QString& path, int timeoutMs) const
{
    ExportResult result = PrepareFolder(QFileInfo(path).absolutePath());
    if (!result.ok)
        return result;
    QWebEnginePage page;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QByteArray pdf;
    bool loaded = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        if (!ok) {
            loop.quit();
            return;
        }
        page.printToPdf([&](const QByteArray& data) {
            pdf = data;
            loop.quit();
        });
    });
    // setHtml takes at most 2 MB and the report of a large project is more:
    // the page reads the report from a file.
    QTemporaryFile html(QDir::temp().filePath(QStringLiteral("kvqa-XXXXXX.html")));
    if (html.open()) {
        html.write(Html().toUtf8());
        html.close();
        timeout.start(timeoutMs);
        page.load(QUrl::fromLocalFile(html.fileName()));
        loop.exec();
    }
    if (!loaded || pdf.isEmpty()) {
        result.ok = false;
        result.message = Text(QT_TRANSLATE_NOOP("kvhost", "The report could not be printed."));
        return result;
    }
    WriteAside(path, pdf, result);
    return result;
}

ExportResult QualityReport::WriteQaPos(const QString& path) const
{
    ExportResult result = PrepareFolder(QFileInfo(path).absolutePath());
    if (!result.ok)
        return result;
    const double degrees = 180.0 / M_PI;
    QByteArray text = "# name X Y Z omega phi kappa (degrees)\n";
    for (const Image& image : m_images) {
        if (!image.flags)
            continue;
        const kvfd::EOP& e = image.eop;
        text += QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                    .arg(image.name)
                    .arg(e.X, 0, 'f', 4)
                    .arg(e.Y, 0, 'f', 4)
                    .arg(e.Z, 0, 'f', 4)
                    .arg(e.Omega * degrees, 0, 'f', 7)
                    .arg(e.Phi * degrees, 0, 'f', 7)
                    .arg(e.Kappa * degrees, 0, 'f', 7)
                    .toUtf8();
    }
    WriteAside(path, text, result);
    return result;
}

} // namespace kvhost
