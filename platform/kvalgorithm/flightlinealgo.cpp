#include "kvalgorithm/flightlinealgo.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kvalgorithm {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 6378137.0 * kPi / 180.0;
constexpr double kMaxDegreeExtent = 2.0;

struct Point
{
    int slot; // position in the list of valid images
    double x;
    double y;
};

using Piece = std::vector<int>; // indices into the points

bool HasPosition(const kvfd::EOP& e)
{
    return std::isfinite(e.X) && std::isfinite(e.Y) && !(e.X == 0.0 && e.Y == 0.0);
}

// Longitude and latitude become metres east and north of the first point; a
// survey never spans degrees, so a small extent tells degrees from metres.
void ToMetresIfDegrees(std::vector<Point>& points)
{
    const double x0 = points.front().x, y0 = points.front().y;
    double minX = 0, maxX = 0, minY = 0, maxY = 0, latSum = 0;
    for (const Point& p : points) {
        if (std::fabs(p.x) > 180.0 || std::fabs(p.y) > 90.0)
            return;
        const double dx = std::remainder(p.x - x0, 360.0), dy = p.y - y0;
        minX = std::min(minX, dx), maxX = std::max(maxX, dx);
        minY = std::min(minY, dy), maxY = std::max(maxY, dy);
        latSum += p.y;
    }
    if (maxX - minX >= kMaxDegreeExtent || maxY - minY >= kMaxDegreeExtent)
        return;
    const double east = kMetresPerDegree * std::cos(latSum / double(points.size()) * kPi / 180.0);
    for (Point& p : points) {
        p.x = std::remainder(p.x - x0, 360.0) * east;
        p.y = (p.y - y0) * kMetresPerDegree;
    }
}

double MedianStep(const std::vector<Point>& points)
{
    std::vector<double> steps;
    for (std::size_t k = 1; k < points.size(); ++k) {
        const double step
            = std::hypot(points[k].x - points[k - 1].x, points[k].y - points[k - 1].y);
        if (step > 0.0)
            steps.push_back(step);
    }
    if (steps.empty())
        return 0.0;
    auto middle = steps.begin() + std::ptrdiff_t(steps.size() / 2);
    std::nth_element(steps.begin(), middle, steps.end());
    return *middle;
}

// The angle in degrees between the step into the piece's last point and the
// direction from its first point to the one before the last.
double Deviation(const std::vector<Point>& points, const Piece& piece)
{
    const Point& first = points[std::size_t(piece.front())];
    const Point& before = points[std::size_t(piece[piece.size() - 2])];
    const Point& last = points[std::size_t(piece.back())];
    const double cx = before.x - first.x, cy = before.y - first.y;
    const double sx = last.x - before.x, sy = last.y - before.y;
    const double norm = std::hypot(cx, cy) * std::hypot(sx, sy);
    if (norm <= 0.0)
        return 0.0;
    const double c = std::clamp((cx * sx + cy * sy) / norm, -1.0, 1.0);
    return std::acos(c) * 180.0 / kPi;
}

// Cuts the track where it turns or jumps.
std::vector<Piece> CutTrack(const std::vector<Point>& points)
{
    const double median = MedianStep(points);
    const double cosTurn = std::cos(FlightLineAlgo::kTurnDegrees * kPi / 180.0);
    std::vector<Piece> pieces {{0}};
    for (int k = 1; k < int(points.size()); ++k) {
        Piece& piece = pieces.back();
        const Point& last = points[std::size_t(k - 1)];
        const double sx = points[std::size_t(k)].x - last.x, sy = points[std::size_t(k)].y - last.y;
        const double step = std::hypot(sx, sy);
        bool cut = step > FlightLineAlgo::kGapFactor * median;
        const Point& first = points[std::size_t(piece.front())];
        const double cx = last.x - first.x, cy = last.y - first.y;
        const double chord = std::hypot(cx, cy);
        if (!cut && step > 0.0 && chord > 0.0)
            cut = (sx * cx + sy * cy) / (step * chord) < cosTurn;
        if (!cut) {
            piece.push_back(k);
            continue;
        }
        // A turn often begins an image or two early: such images, already off the
        // line's direction, start the new piece instead.
        Piece next {k};
        while (int(next.size()) <= FlightLineAlgo::kShortPiece && piece.size() >= 3
               && Deviation(points, piece) > FlightLineAlgo::kTurnDegrees / 2.0) {
            next.insert(next.begin(), piece.back());
            piece.pop_back();
        }
        pieces.push_back(std::move(next));
    }
    return pieces;
}

// Turns between lines leave short pieces: they go with the line that follows.
std::vector<Piece> JoinShortPieces(const std::vector<Piece>& pieces)
{
    std::vector<Piece> lines;
    Piece pending;
    for (const Piece& piece : pieces) {
        if (int(piece.size()) <= FlightLineAlgo::kShortPiece) {
            pending.insert(pending.end(), piece.begin(), piece.end());
            continue;
        }
        lines.push_back(pending);
        lines.back().insert(lines.back().end(), piece.begin(), piece.end());
        pending.clear();
    }
    if (lines.empty())
        return pieces;
    lines.back().insert(lines.back().end(), pending.begin(), pending.end());
    return lines;
}

} // namespace

bool FlightLineAlgo::CalcFlightLine(const kvfd::ImageInfoSet& local, kvfd::ImageInfoSet& images)
{
    std::vector<int> valid;
    std::vector<Point> points;
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (!image)
            continue;
        const kvfd::ImageInfo* source = local.GetImage(i) ? local.GetImage(i) : image;
        if (HasPosition(source->GetEOP()))
            points.push_back({int(valid.size()), source->GetEOP().X, source->GetEOP().Y});
        valid.push_back(i);
    }
    if (valid.empty())
        return false;

    std::vector<int> lineOfSlot(valid.size(), -1);
    if (!points.empty()) {
        ToMetresIfDegrees(points);
        const std::vector<Piece> lines = JoinShortPieces(CutTrack(points));
        for (std::size_t line = 0; line < lines.size(); ++line) {
            for (int k : lines[line])
                lineOfSlot[std::size_t(points[std::size_t(k)].slot)] = int(line);
        }
    }
    // Images without a position follow the one before them; leading ones the first.
    int previous = points.empty() ? 0 : lineOfSlot[std::size_t(points.front().slot)];
    for (std::size_t s = 0; s < valid.size(); ++s) {
        if (lineOfSlot[s] < 0)
            lineOfSlot[s] = previous;
        previous = lineOfSlot[s];
        images.GetImageExt(valid[s])->flight = lineOfSlot[s];
    }
    return true;
}

} // namespace kvalgorithm
