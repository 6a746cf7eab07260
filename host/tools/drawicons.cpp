// Draws the host's resource images and the .qrc that lists them. It runs at
// build time so that the tree keeps no binary picture: every picture is a row of
// kImages below, drawn from shapes on a 24-unit grid. To add a picture, add a
// row (and, for a new shape, a Glyph and its case in DrawGlyph).
//
// Usage: kvhost_drawicons <output folder> <qrc file>
// The pictures land in <output folder>/<resource path>; the qrc lists them with
// prefix "/", so a row "a/b/c" becomes ":/a/b/c.png" (or c_nor.png, ...).

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <cstdio>

namespace {

enum class Glyph {
    Exclamation, // yellow warning disc
    Maximise,
    Restore,
    Close,
    Minimise,
    Save,
    Home,
    About,
    List,
    Grid,
    Enable,
    Disable,
    Delete,
    CheckBox,
    Radio,
    EnableBox,
    Eye,
    Pulldown,
    ArrowDown,
    CameraMount0, // camera body with its image-top arrow, turned by the mounting angle
    CameraMount90,
    CameraMount180,
    CameraMount270,
    Distortion, // barrel-distorted grid with radial and tangential displacement
    Open,       // folder with an arrow into it
    Reload,     // circular arrow
};

// Which files a row writes.
enum class Variants {
    Single, // <path>.png
    Button, // <path>_nor.png, <path>_hov.png, <path>_pre.png
    Toggle, // <path>_on.png, <path>_off.png
};

// Colour of a button's hover and pressed backdrop.
enum class Tone { Plain, Danger };

struct ImageRow
{
    const char* path; // resource path without state suffix and ".png"
    int size;         // square, in pixels
    Glyph glyph;
    Variants variants;
    Tone tone;
};

// One row per line reads best as a table.
// clang-format off
const ImageRow kImages[] = {
    // Pictures the library names itself.
    {"dialog/images/1280/dialog/Exclamation_mark", 64, Glyph::Exclamation, Variants::Single, Tone::Plain},
    {"top/images/1280/top_bar/Full_but", 22, Glyph::Maximise, Variants::Button, Tone::Plain},
    {"top/images/1280/top_bar/Window_but", 22, Glyph::Restore, Variants::Button, Tone::Plain},

    // Pictures the host's style sheet puts on the library's named buttons.
    {"kvhost/images/title/close", 22, Glyph::Close, Variants::Button, Tone::Danger},
    {"kvhost/images/title/minimise", 22, Glyph::Minimise, Variants::Button, Tone::Plain},
    {"kvhost/images/title/save", 22, Glyph::Save, Variants::Button, Tone::Plain},
    {"kvhost/images/title/home", 22, Glyph::Home, Variants::Button, Tone::Plain},
    {"kvhost/images/title/about", 22, Glyph::About, Variants::Button, Tone::Plain},
    {"kvhost/images/camera/import", 24, Glyph::Open, Variants::Button, Tone::Plain},
    {"kvhost/images/camera/export", 24, Glyph::Save, Variants::Button, Tone::Plain},
    {"kvhost/images/camera/reload", 24, Glyph::Reload, Variants::Button, Tone::Plain},
    {"kvhost/images/ltw/disable", 24, Glyph::Disable, Variants::Button, Tone::Plain},
    {"kvhost/images/ltw/enable", 24, Glyph::Enable, Variants::Button, Tone::Plain},
    {"kvhost/images/ltw/delete", 24, Glyph::Delete, Variants::Button, Tone::Danger},
    {"kvhost/images/ltw/list", 24, Glyph::List, Variants::Button, Tone::Plain},
    {"kvhost/images/ltw/grid", 24, Glyph::Grid, Variants::Button, Tone::Plain},
    {"kvhost/images/catalogue/enable", 18, Glyph::EnableBox, Variants::Toggle, Tone::Plain},
    {"kvhost/images/catalogue/visible", 18, Glyph::Eye, Variants::Toggle, Tone::Plain},
    {"kvhost/images/catalogue/pulldown", 18, Glyph::Pulldown, Variants::Toggle, Tone::Plain},
    {"kvhost/images/controls/checkbox", 16, Glyph::CheckBox, Variants::Toggle, Tone::Plain},
    {"kvhost/images/controls/radio", 16, Glyph::Radio, Variants::Toggle, Tone::Plain},
    {"kvhost/images/controls/arrow_down", 12, Glyph::ArrowDown, Variants::Single, Tone::Plain},

    // Camera dialog: the mounting angle (shown on white) and the distortion model.
    {"dialog/images/1280/new_ele/Camera_placement_angle0", 120, Glyph::CameraMount0, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Camera_placement_angle90", 120, Glyph::CameraMount90, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Camera_placement_angle180", 120, Glyph::CameraMount180, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Camera_placement_angle270", 120, Glyph::CameraMount270, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Distortion_parameters_image", 168, Glyph::Distortion, Variants::Single, Tone::Plain},
};
// clang-format on

// The theme's colours, shared with the style sheet.
const QColor kInk(0xc9, 0xd3, 0xe1);
const QColor kInkBright(0xff, 0xff, 0xff);
const QColor kAccent(0x2f, 0x7d, 0xe1);
const QColor kGreen(0x3f, 0xb9, 0x73);
const QColor kOrange(0xe8, 0x9f, 0x3a);
const QColor kRed(0xd9, 0x4f, 0x4a);
const QColor kFrameDark(0x14, 0x1a, 0x24);
const QColor kOutline(0x87, 0x96, 0xab);

// How one file of a row looks.
struct Look
{
    QColor ink = kInk;
    QColor backdrop = Qt::transparent;
    bool on = true;      // Toggle rows: the checked picture
    bool active = false; // hovered or pressed
};

QPen Stroke(const QColor& colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawCheck(QPainter& p, const QColor& colour, double width)
{
    p.setPen(Stroke(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{7.5, 12.5}, {10.8, 15.8}, {16.8, 8.8}}));
}

void DrawSlash(QPainter& p, const QColor& colour, double width)
{
    p.setPen(Stroke(colour, width));
    p.drawLine(QPointF(6.3, 17.7), QPointF(17.7, 6.3));
}

// A camera seen from below on a white card: a dial marks the flight direction
// at the top, the body and its viewfinder bump turn with the mounting angle,
// and the arrow shows where the top of the image points.
void DrawCameraMount(QPainter& p, double degrees)
{
    const QColor dial(0xb4, 0xbd, 0xc9);
    const QColor body(0x3a, 0x42, 0x4e);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dial, 0.5, Qt::DashLine));
    p.drawEllipse(QPointF(12, 12), 9.8, 9.8);
    // Flight direction: a fixed chevron above the dial.
    p.setPen(Stroke(dial, 0.9));
    p.drawPolyline(QPolygonF({{10.6, 1.5}, {12, 0.4}, {13.4, 1.5}}));

    p.save();
    p.translate(12, 12);
    p.rotate(degrees);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-2.4, -5.6, 4.8, 1.6), 0.5, 0.5); // viewfinder bump
    p.drawRoundedRect(QRectF(-6.5, -4.2, 13, 9), 1.6, 1.6);
    p.setBrush(QColor(0x1d, 0x22, 0x29));
    p.drawEllipse(QPointF(0, 0.3), 3.4, 3.4);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(0, 0.3), 2.2, 2.2);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(-0.8, -0.5), 0.7, 0.7);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(4.6, -2.6), 0.7, 0.7);
    // Image-top arrow, from the body out to the dial.
    p.setPen(Stroke(kRed, 1.1));
    p.drawLine(QPointF(0, -5.8), QPointF(0, -8.2));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({{-1.4, -7.8}, {1.4, -7.8}, {0, -9.8}}));
    p.restore();
}

// Where a point of the ideal grid lands under barrel distortion.
QPointF Barrel(double x, double y)
{
    const double r2 = x * x + y * y;
    const double scale = 1.0 - 0.11 * r2;
    return QPointF(12 + 9 * x * scale, 12 + 9 * y * scale);
}

// The distortion model as a picture: the ideal grid, the grid the lens
// records, the principal point, and a radial and a tangential displacement.
void DrawDistortion(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 0.25, Qt::DashLine));
    for (int i = -2; i <= 2; ++i) {
        const double t = i / 2.0;
        p.drawLine(QPointF(12 + 9 * t, 3), QPointF(12 + 9 * t, 21));
        p.drawLine(QPointF(3, 12 + 9 * t), QPointF(21, 12 + 9 * t));
    }
    p.setPen(Stroke(kInk, 0.45));
    constexpr int kSamples = 32;
    for (int i = -2; i <= 2; ++i) {
        const double t = i / 2.0;
        QPolygonF across;
        QPolygonF down;
        for (int j = 0; j <= kSamples; ++j) {
            const double u = -1.0 + 2.0 * j / kSamples;
            across << Barrel(u, t);
            down << Barrel(t, u);
        }
        p.drawPolyline(across);
        p.drawPolyline(down);
    }
    // Radial: the ideal corner and where it is recorded.
    const QPointF ideal(21, 3);
    const QPointF recorded = Barrel(1, -1);
    p.setPen(QPen(kOrange, 0.4, Qt::DotLine));
    p.drawLine(QPointF(12, 12), ideal);
    p.setPen(Stroke(kOrange, 0.7));
    p.drawLine(ideal, recorded);
    p.setPen(Qt::NoPen);
    p.setBrush(kOrange);
    p.drawEllipse(ideal, 0.6, 0.6);
    p.drawPolygon(
        QPolygonF({recorded, recorded + QPointF(0.2, -1.4), recorded + QPointF(1.4, -0.2)}));
    // Tangential: a short turn across the radius.
    QPainterPath turn;
    turn.moveTo(Barrel(-1, 0.5));
    turn.quadTo(QPointF(3.3, 19), Barrel(-0.5, 1) + QPointF(-1.4, 0.3));
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(kGreen, 0.7));
    p.drawPath(turn);
    const QPointF tip = Barrel(-0.5, 1) + QPointF(-1.4, 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(
        QPolygonF({tip + QPointF(0.6, 0), tip + QPointF(-0.8, -0.9), tip + QPointF(-0.6, 0.8)}));
    // Principal point.
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(12, 12), 0.9, 0.9);
}

// Draws glyph on the 24 x 24 grid.
void DrawGlyph(QPainter& p, Glyph glyph, const Look& look)
{
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Exclamation:
        p.setPen(QPen(QColor(0xc9, 0x85, 0x10), 0.8));
        p.setBrush(QColor(0xf4, 0xb7, 0x32));
        p.drawEllipse(QPointF(12, 12), 11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2b, 0x2f, 0x36));
        p.drawRoundedRect(QRectF(10.6, 4.8, 2.8, 9.6), 1.4, 1.4);
        p.drawEllipse(QPointF(12, 17.8), 1.7, 1.7);
        break;
    case Glyph::Maximise:
        p.setPen(Stroke(look.ink, 1.6));
        p.drawRect(QRectF(6, 6, 12, 12));
        p.drawLine(QPointF(6, 7.4), QPointF(18, 7.4));
        break;
    case Glyph::Restore:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawPolyline(QPolygonF({{9, 8.5}, {9, 5.5}, {18.5, 5.5}, {18.5, 15}, {15.5, 15}}));
        p.drawRect(QRectF(5.5, 9, 10, 9.5));
        break;
    case Glyph::Close:
        p.setPen(Stroke(look.ink, 1.9));
        p.drawLine(QPointF(7, 7), QPointF(17, 17));
        p.drawLine(QPointF(17, 7), QPointF(7, 17));
        break;
    case Glyph::Minimise:
        p.setPen(Stroke(look.ink, 1.9));
        p.drawLine(QPointF(6.5, 15.5), QPointF(17.5, 15.5));
        break;
    case Glyph::Save: {
        QPainterPath body;
        body.moveTo(5.5, 5.5);
        body.lineTo(15.5, 5.5);
        body.lineTo(18.5, 8.5);
        body.lineTo(18.5, 18.5);
        body.lineTo(5.5, 18.5);
        body.closeSubpath();
        p.setPen(Stroke(look.ink, 1.5));
        p.drawPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(look.ink);
        p.drawRect(QRectF(8.5, 6.2, 5.5, 3.6));
        p.setBrush(Qt::NoBrush);
        p.setPen(Stroke(look.ink, 1.3));
        p.drawRect(QRectF(8.3, 12.8, 7.4, 5.7));
        break;
    }
    case Glyph::Open:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawPolyline(QPolygonF({{4.5, 18.5}, {4.5, 6.5}, {9.5, 6.5}, {11, 8.5}, {19.5, 8.5},
                                  {19.5, 18.5}, {4.5, 18.5}}));
        p.drawLine(QPointF(12, 10.5), QPointF(12, 16.5));
        p.drawPolyline(QPolygonF({{9.5, 14}, {12, 16.5}, {14.5, 14}}));
        break;
    case Glyph::Reload: {
        p.setPen(Stroke(look.ink, 1.6));
        p.drawArc(QRectF(5.5, 5.5, 13, 13), 60 * 16, 290 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(look.ink);
        p.drawPolygon(QPolygonF({{15.2, 3.6}, {19.6, 6.6}, {14.8, 8.6}}));
        break;
    }
    case Glyph::Home:
        p.setPen(Stroke(look.ink, 1.6));
        p.drawPolyline(QPolygonF({{4.5, 12}, {12, 5}, {19.5, 12}}));
        p.drawPolyline(QPolygonF({{7, 10.5}, {7, 19}, {17, 19}, {17, 10.5}}));
        p.setPen(Qt::NoPen);
        p.setBrush(look.ink);
        p.drawRect(QRectF(10.5, 14, 3, 5));
        break;
    case Glyph::About:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(look.ink);
        p.drawEllipse(QPointF(12, 8.3), 1.2, 1.2);
        p.drawRoundedRect(QRectF(11.1, 10.6, 1.8, 6.2), 0.6, 0.6);
        break;
    case Glyph::List:
        for (double y : {7.0, 12.0, 17.0}) {
            p.setPen(Qt::NoPen);
            p.setBrush(look.ink);
            p.drawEllipse(QPointF(6, y), 1.3, 1.3);
            p.setPen(Stroke(look.ink, 1.6));
            p.drawLine(QPointF(9.5, y), QPointF(19, y));
        }
        break;
    case Glyph::Grid:
        p.setPen(Stroke(look.ink, 1.4));
        for (double x : {5.0, 13.0})
            for (double y : {5.0, 13.0})
                p.drawRoundedRect(QRectF(x, y, 6, 6), 1.2, 1.2);
        break;
    case Glyph::Enable: {
        const QColor green = look.active ? kGreen.lighter(125) : kGreen;
        p.setPen(Stroke(green, 1.6));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        DrawCheck(p, green, 1.8);
        break;
    }
    case Glyph::Disable: {
        const QColor orange = look.active ? kOrange.lighter(120) : kOrange;
        p.setPen(Stroke(orange, 1.6));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        DrawSlash(p, orange, 1.6);
        break;
    }
    case Glyph::Delete:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawLine(QPointF(5, 7), QPointF(19, 7));
        p.drawPolyline(QPolygonF({{10, 7}, {10, 4.8}, {14, 4.8}, {14, 7}}));
        p.drawPolyline(QPolygonF({{7, 7}, {8, 19.2}, {16, 19.2}, {17, 7}}));
        p.setPen(Stroke(look.ink, 1.2));
        p.drawLine(QPointF(10.5, 10), QPointF(10.6, 16.5));
        p.drawLine(QPointF(13.5, 10), QPointF(13.4, 16.5));
        break;
    case Glyph::CheckBox:
    case Glyph::EnableBox: {
        const QColor fill = glyph == Glyph::CheckBox ? kAccent : kGreen;
        const QRectF box(3, 3, 18, 18);
        if (look.on) {
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawRoundedRect(box, 3.5, 3.5);
            DrawCheck(p, kInkBright, 2.4);
        } else {
            p.setPen(Stroke(kOutline, 1.6));
            p.setBrush(kFrameDark);
            p.drawRoundedRect(box.adjusted(0.8, 0.8, -0.8, -0.8), 3, 3);
        }
        break;
    }
    case Glyph::Radio:
        p.setPen(Stroke(look.on ? kAccent : kOutline, 1.8));
        p.setBrush(kFrameDark);
        p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
        if (look.on) {
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawEllipse(QPointF(12, 12), 4.6, 4.6);
        }
        break;
    case Glyph::Eye: {
        const QColor ink = look.on ? kInkBright : kOutline;
        QPainterPath eye;
        eye.moveTo(2.5, 12);
        eye.quadTo(12, 3, 21.5, 12);
        eye.quadTo(12, 21, 2.5, 12);
        p.setPen(Stroke(ink, 1.6));
        p.drawPath(eye);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(12, 12), 3, 3);
        if (!look.on)
            DrawSlash(p, ink, 1.8);
        break;
    }
    case Glyph::Pulldown:
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        if (look.on)
            p.drawPolygon(QPolygonF({{6.5, 9}, {17.5, 9}, {12, 15.5}}));
        else
            p.drawPolygon(QPolygonF({{9, 6.5}, {15.5, 12}, {9, 17.5}}));
        break;
    case Glyph::ArrowDown:
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF({{4, 8}, {20, 8}, {12, 17}}));
        break;
    case Glyph::CameraMount0:
        DrawCameraMount(p, 0);
        break;
    case Glyph::CameraMount90:
        DrawCameraMount(p, 90);
        break;
    case Glyph::CameraMount180:
        DrawCameraMount(p, 180);
        break;
    case Glyph::CameraMount270:
        DrawCameraMount(p, 270);
        break;
    case Glyph::Distortion:
        DrawDistortion(p);
        break;
    }
}

QImage Render(const ImageRow& row, const Look& look)
{
    QImage image(row.size, row.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (look.backdrop.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(look.backdrop);
        p.drawRoundedRect(QRectF(0, 0, row.size, row.size), 4, 4);
    }
    p.scale(row.size / 24.0, row.size / 24.0);
    DrawGlyph(p, row.glyph, look);
    p.end();
    return image;
}

// (file suffix, look) of every file a row writes.
QVector<QPair<QString, Look>> Files(const ImageRow& row)
{
    QVector<QPair<QString, Look>> files;
    switch (row.variants) {
    case Variants::Single:
        files.append({QString(), Look()});
        break;
    case Variants::Button: {
        const bool danger = row.tone == Tone::Danger;
        Look hover;
        hover.ink = kInkBright;
        hover.backdrop = danger ? kRed : QColor(255, 255, 255, 40);
        hover.active = true;
        Look pressed;
        pressed.ink = danger ? kInkBright : QColor(0xe6, 0xec, 0xf5);
        pressed.backdrop = danger ? kRed.darker(125) : QColor(0, 0, 0, 80);
        pressed.active = true;
        files.append({QStringLiteral("_nor"), Look()});
        files.append({QStringLiteral("_hov"), hover});
        files.append({QStringLiteral("_pre"), pressed});
        break;
    }
    case Variants::Toggle: {
        Look off;
        off.on = false;
        files.append({QStringLiteral("_on"), Look()});
        files.append({QStringLiteral("_off"), off});
        break;
    }
    }
    return files;
}

bool Fail(const QString& message)
{
    std::fprintf(stderr, "kvhost_drawicons: %s\n", qPrintable(message));
    return false;
}

bool WriteAll(const QString& outputDir, const QString& qrcPath)
{
    QStringList listed;
    QSet<QString> seen;
    for (const ImageRow& row : kImages) {
        for (const auto& file : Files(row)) {
            const QString relative = QLatin1String(row.path) + file.first + QStringLiteral(".png");
            if (seen.contains(relative))
                return Fail(QStringLiteral("%1 is listed twice").arg(relative));
            seen.insert(relative);
            const QString target = outputDir + QLatin1Char('/') + relative;
            if (!QDir().mkpath(QFileInfo(target).absolutePath()))
                return Fail(QStringLiteral("cannot create the folder of %1").arg(target));
            if (!Render(row, file.second).save(target, "PNG"))
                return Fail(QStringLiteral("cannot write %1").arg(target));
            listed << relative;
        }
    }

    const QString qrcDir = QFileInfo(qrcPath).absolutePath();
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& relative : listed) {
        const QString file = QDir(qrcDir).relativeFilePath(outputDir + QLatin1Char('/') + relative);
        qrc += "  <file alias=\"" + relative.toUtf8() + "\">" + file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    QSaveFile out(qrcPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(qrc) != qrc.size() || !out.commit())
        return Fail(QStringLiteral("cannot write %1").arg(qrcPath));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Only shapes are painted, on images: no screen, window system or font is
    // needed, so the tool runs on a build machine without any.
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: kvhost_drawicons <output folder> <qrc file>\n");
        return 2;
    }
    return WriteAll(QDir(args.at(1)).absolutePath(), QFileInfo(args.at(2)).absoluteFilePath()) ? 0
                                                                                               : 1;
}
