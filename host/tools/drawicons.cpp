// Draws the host's resource images and the .qrc that lists them. It runs at
// build time so that the tree keeps no binary picture: every picture is a row of
// kImages below, drawn from shapes on a 24-unit grid (the start page's project
// thumbnail alone is drawn in pixels, see DrawThumbnail). To add a picture, add
// a row (and, for a new shape, a Glyph and its case in DrawGlyph).
//
// Usage: kvhost_drawicons <output folder> <qrc file>
// The pictures land in <output folder>/<resource path>; the qrc lists them with
// prefix "/", so a row "a/b/c" becomes ":/a/b/c.png" (or c_nor.png, ...).

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QtMath>
#include <cmath>
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
    Distortion,  // barrel-distorted grid with radial and tangential displacement
    Open,        // folder with an arrow into it
    Reload,      // circular arrow
    AddFolder,   // folder with a plus
    AddImage,    // picture with a plus
    RemoveImage, // picture with a minus
    ClearList,   // list crossed out
    Edit,        // pencil
    Globe,       // meridians and parallels
    Camera,      // camera body seen from the front
    ImportPos,   // document with an arrow into it
    ExifPos,     // picture with a location pin
    SaveAs,      // disk with a pencil
    Menu,        // three bars
    Ticked,      // table cell: check box ticked
    Unticked,    // table cell: check box empty
    Export,      // tray with an arrow out of it
    Copy,        // two overlapping sheets
    Chevron,     // open down-pointing chevron
    Search,      // magnifier
    Thumbnail,   // a project's aerial map with its flight lines, in pixels
};

// Which files a row writes.
enum class Variants {
    Single, // <path>.png
    Button, // <path>_nor.png, <path>_hov.png, <path>_pre.png
    Toggle, // <path>_on.png, <path>_off.png
    Framed, // <path>_nor.png, _hov.png, _pre.png, _dis.png: ink only, for buttons
            // whose backdrop and border the style sheet draws
    Disc,   // <path>_nor.png, _hov.png: ink on a round backdrop of its own, for
            // the buttons the start page lays over a project's thumbnail
};

// Colour of a button's hover and pressed backdrop.
enum class Tone { Plain, Danger };

struct ImageRow
{
    const char* path; // resource path without state suffix and ".png"
    int size;         // width in pixels; also the height unless height is given
    Glyph glyph;
    Variants variants;
    Tone tone;
    int height = 0;
};

// One row per line reads best as a table.
// clang-format off
const ImageRow kImages[] = {
    // Pictures the library names itself.
    {"dialog/images/1280/dialog/Exclamation_mark", 64, Glyph::Exclamation, Variants::Single, Tone::Plain},
    {"top/images/1280/top_bar/Full_but", 22, Glyph::Maximise, Variants::Button, Tone::Plain},
    {"top/images/1280/top_bar/Window_but", 22, Glyph::Restore, Variants::Button, Tone::Plain},
    {"qaui/images/checked", 16, Glyph::Ticked, Variants::Single, Tone::Plain},
    {"qaui/images/unchecked", 16, Glyph::Unticked, Variants::Single, Tone::Plain},
    // The view tool bar's map button, one picture per background map.
    {"map/images/1280/map/map_show_but", 42, Glyph::Globe, Variants::Button, Tone::Plain},
    {"map/images/1280/map/map_gdjt_but", 42, Glyph::Globe, Variants::Button, Tone::Plain},
    {"map/images/1280/map/map_gdwx_but", 42, Glyph::Globe, Variants::Button, Tone::Plain},
    {"map/images/1280/map/map_gghh_but", 42, Glyph::Globe, Variants::Button, Tone::Plain},
    {"map/images/1280/map/map_ggwx_but", 42, Glyph::Globe, Variants::Button, Tone::Plain},

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

    // Image and POS pages: text-less buttons on a backdrop of the sheet's own.
    {"kvhost/images/imagery/add_folder", 24, Glyph::AddFolder, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/add_images", 24, Glyph::AddImage, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/remove", 24, Glyph::RemoveImage, Variants::Framed, Tone::Danger},
    {"kvhost/images/imagery/clear", 24, Glyph::ClearList, Variants::Framed, Tone::Danger},
    {"kvhost/images/imagery/edit", 24, Glyph::Edit, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/coordinate", 24, Glyph::Globe, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/camera", 24, Glyph::Camera, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/import_pos", 24, Glyph::ImportPos, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/exif_pos", 24, Glyph::ExifPos, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/browse", 24, Glyph::Open, Variants::Framed, Tone::Plain},
    {"kvhost/images/imagery/save", 24, Glyph::Save, Variants::Framed, Tone::Plain},

    // Project menu: icons beside the labels the sheet gives its buttons.
    {"kvhost/images/menu/edit", 28, Glyph::Edit, Variants::Single, Tone::Plain},
    {"kvhost/images/menu/save", 28, Glyph::Save, Variants::Single, Tone::Plain},
    {"kvhost/images/menu/save_as", 28, Glyph::SaveAs, Variants::Single, Tone::Plain},
    {"kvhost/images/menu/main", 28, Glyph::Menu, Variants::Single, Tone::Plain},

    // Camera dialog: the mounting angle (shown on white) and the distortion model.
    {"dialog/images/1280/new_ele/Camera_placement_angle0", 120, Glyph::CameraMount0, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Camera_placement_angle90", 120, Glyph::CameraMount90, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Camera_placement_angle180", 120, Glyph::CameraMount180, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Camera_placement_angle270", 120, Glyph::CameraMount270, Variants::Single, Tone::Plain},
    {"dialog/images/1280/new_ele/Distortion_parameters_image", 168, Glyph::Distortion, Variants::Single, Tone::Plain},

    // Start page: the project tiles' thumbnail and the buttons over a selected
    // tile, which the library names itself, and the pictures the sheet puts on
    // the page's title and search buttons.
    {"project/images/1280/Engineering/Thumbnails", 225, Glyph::Thumbnail, Variants::Single, Tone::Plain, 164},
    {"project/images/1280/Engineering/eng_Export_but", 32, Glyph::Export, Variants::Disc, Tone::Plain},
    {"project/images/1280/Engineering/eng_Copy_but", 32, Glyph::Copy, Variants::Disc, Tone::Plain},
    {"project/images/1280/Engineering/eng_Delete_but", 32, Glyph::Delete, Variants::Disc, Tone::Danger},
    {"kvhost/images/start/select", 24, Glyph::Chevron, Variants::Framed, Tone::Plain},
    {"kvhost/images/start/search", 24, Glyph::Search, Variants::Single, Tone::Plain},
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
    bool disc = false;   // the backdrop is a circle with a rim, not a rounded square
    QColor rim = Qt::transparent;
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

// A folder, its tab at the top left.
void DrawFolder(QPainter& p, const QColor& colour)
{
    p.setPen(Stroke(colour, 1.5));
    // clang-format off
    p.drawPolyline(QPolygonF({{4.5, 18.5}, {4.5, 6.5}, {9.5, 6.5}, {11, 8.5}, {19.5, 8.5},
                              {19.5, 18.5}, {4.5, 18.5}}));
    // clang-format on
}

// A round badge at the bottom right with a minus, or a plus when adding.
void DrawBadge(QPainter& p, const QColor& colour, bool plus)
{
    const QPointF centre(18.2, 18.2);
    const double arm = 2.3;
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(colour, 1.3));
    p.drawEllipse(centre, 4.6, 4.6);
    p.setPen(Stroke(colour, 1.5));
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    if (plus)
        p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

// A picture whose frame leaves its bottom-right corner to a badge.
void DrawPictureForBadge(QPainter& p, const QColor& colour)
{
    p.setPen(Stroke(colour, 1.5));
    p.drawPolyline(QPolygonF({{12, 18.5}, {4.5, 18.5}, {4.5, 5.5}, {19.5, 5.5}, {19.5, 12}}));
    p.setPen(Stroke(colour, 1.3));
    p.drawPolyline(QPolygonF({{4.5, 16}, {8.5, 11.5}, {11.5, 14.5}, {13, 13}, {14.2, 14.2}}));
    p.drawEllipse(QPointF(15.2, 9.2), 1.5, 1.5);
}

// A pencil of the given length along the diagonal through centre, its point at
// the bottom left.
void DrawPencil(QPainter& p, const QColor& colour, const QPointF& centre, double length,
                double halfWidth, double width)
{
    const double point = length * 0.3;
    const double back = length * 0.7;
    p.save();
    p.translate(centre);
    p.rotate(-45);
    QPainterPath pencil;
    pencil.moveTo(back, -halfWidth);
    pencil.lineTo(-point + halfWidth * 1.5, -halfWidth);
    pencil.lineTo(-point, 0);
    pencil.lineTo(-point + halfWidth * 1.5, halfWidth);
    pencil.lineTo(back, halfWidth);
    pencil.closeSubpath();
    p.setPen(Stroke(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pencil);
    p.drawLine(QPointF(back - halfWidth * 1.2, -halfWidth),
               QPointF(back - halfWidth * 1.2, halfWidth));
    p.restore();
}

// A map pin: a ring on a point below it.
void DrawPin(QPainter& p, const QColor& colour, const QPointF& centre, double radius, double tipY)
{
    const double reach = tipY - centre.y();
    const double tangent = qRadiansToDegrees(std::acos(radius / reach)); // from straight down
    const double start = 270.0 - tangent;                                // Qt's angles turn up
    QPainterPath pin;
    pin.moveTo(centre.x(), tipY);
    pin.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), start,
              -(360.0 - 2 * tangent));
    pin.closeSubpath();
    p.setPen(Stroke(colour, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pin);
    p.drawEllipse(centre, radius * 0.38, radius * 0.38);
}

// A check box as a table shows it in a cell: ticked green, or empty.
void DrawCellBox(QPainter& p, const QColor& fill, bool on)
{
    const QRectF box(3, 3, 18, 18);
    if (on) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(box, 3.5, 3.5);
        DrawCheck(p, kInkBright, 2.4);
    } else {
        p.setPen(Stroke(kOutline, 1.6));
        p.setBrush(kFrameDark);
        p.drawRoundedRect(box.adjusted(0.8, 0.8, -0.8, -0.8), 3, 3);
    }
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

// A fixed value in [0, 1) for the cell (i, j), so that every build draws the
// same patchwork.
double CellNoise(int i, int j)
{
    quint32 h = quint32(i) * 73856093u ^ quint32(j) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffu) / 65536.0;
}

// A project's thumbnail: fields, a river and a road seen from above, the survey
// block with its flight lines and photo centres. The tile writes the project's
// name and date over the lower part, which therefore fades to dark.
void DrawThumbnail(QPainter& p, const QSizeF& size)
{
    const double w = size.width();
    const double h = size.height();
    p.fillRect(QRectF(0, 0, w, h), QColor(0x1e, 0x28, 0x25));

    // Fields, turned a little off north; the gaps between them are the hedges.
    // clang-format off
    const QColor crops[] = {QColor(0x2f, 0x4a, 0x36), QColor(0x3b, 0x57, 0x3c),
                            QColor(0x4a, 0x5a, 0x38), QColor(0x55, 0x4c, 0x33),
                            QColor(0x36, 0x45, 0x3a), QColor(0x44, 0x52, 0x46)};
    // clang-format on
    const int kinds = int(sizeof crops / sizeof crops[0]);
    const double across = 38;
    const double along = 30;
    p.save();
    p.translate(w / 2, h / 2);
    p.rotate(-14);
    for (int i = -5; i <= 5; ++i) {
        for (int j = -5; j <= 5; ++j) {
            const QRectF field(i * across + 1.5, j * along + 1.5, across - 3, along - 3);
            const QColor crop = crops[int(CellNoise(i, j) * kinds) % kinds];
            p.setPen(Qt::NoPen);
            p.setBrush(crop);
            p.drawRect(field);
            if (CellNoise(j, i) > 0.55) {
                p.setPen(QPen(crop.lighter(118), 1));
                for (double x = field.left() + 3; x < field.right() - 1; x += 4.5)
                    p.drawLine(QPointF(x, field.top() + 1.5), QPointF(x, field.bottom() - 1.5));
            }
        }
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    QPainterPath river;
    river.moveTo(-10, 26);
    river.cubicTo(40, 8, 70, 70, 120, 52);
    river.cubicTo(160, 38, 190, 8, 240, 20);
    p.setPen(Stroke(QColor(0x27, 0x4a, 0x6e), 8));
    p.drawPath(river);
    p.setPen(Stroke(QColor(0x35, 0x62, 0x8f), 2.5));
    p.drawPath(river);

    QPainterPath road;
    road.moveTo(28, -6);
    road.cubicTo(62, 60, 96, 96, 118, 172);
    p.setPen(Stroke(QColor(0x15, 0x19, 0x1f), 7));
    p.drawPath(road);
    p.setPen(Stroke(QColor(0x8d, 0x97, 0xa5), 4.5));
    p.drawPath(road);
    p.setPen(QPen(QColor(0xe0, 0xc0, 0x58), 0.8, Qt::DashLine));
    p.drawPath(road);

    // Farm buildings beside the road.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xb0, 0xa2));
    p.drawRect(QRectF(62, 72, 7, 5));
    p.drawRect(QRectF(71, 79, 5, 7));
    p.setBrush(QColor(0x9a, 0x5a, 0x48));
    p.drawRect(QRectF(60, 82, 6, 6));

    // The survey block and its flight lines, flown back and forth.
    p.save();
    p.translate(w * 0.6, h * 0.36);
    p.rotate(-14);
    const double half = 58;
    const double top = -26;
    const int lines = 5;
    const double spacing = 13;
    p.setPen(QPen(QColor(0x4a, 0xa3, 0xf0, 170), 1, Qt::DashLine));
    p.setBrush(QColor(0x2f, 0x7d, 0xe1, 45));
    p.drawRect(QRectF(-half - 8, top - 8, 2 * half + 16, (lines - 1) * spacing + 16));
    QPolygonF route;
    for (int k = 0; k < lines; ++k) {
        const double y = top + k * spacing;
        const double from = k % 2 ? half : -half;
        route << QPointF(from, y) << QPointF(-from, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(Stroke(QColor(0x4a, 0xa3, 0xf0), 1.6));
    p.drawPolyline(route);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xf1, 0xfc));
    for (int k = 0; k < lines; ++k)
        for (double x = -half + 6; x < half; x += 12.4)
            p.drawEllipse(QPointF(x, top + k * spacing), 1.5, 1.5);
    p.setBrush(kGreen);
    p.drawEllipse(route.first(), 3, 3);
    // The aircraft at the end of its last line, heading on.
    const QPointF last = route.last();
    const double heading = route.last().x() > route.at(route.size() - 2).x() ? 1 : -1;
    p.setBrush(kOrange);
    p.drawPolygon(QPolygonF({last + QPointF(heading * 9, 0), last + QPointF(heading * 3, -4.5),
                             last + QPointF(heading * 4.5, 0), last + QPointF(heading * 3, 4.5)}));
    p.restore();

    // The lower part darkens under the tile's text.
    QLinearGradient shade(0, h * 0.45, 0, h);
    shade.setColorAt(0, QColor(0x0c, 0x10, 0x16, 0));
    shade.setColorAt(0.45, QColor(0x0c, 0x10, 0x16, 150));
    shade.setColorAt(1, QColor(0x0c, 0x10, 0x16, 225));
    p.fillRect(QRectF(0, h * 0.45, w, h * 0.55), shade);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
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
        DrawFolder(p, look.ink);
        p.drawLine(QPointF(12, 10.5), QPointF(12, 16.5));
        p.drawPolyline(QPolygonF({{9.5, 14}, {12, 16.5}, {14.5, 14}}));
        break;
    case Glyph::AddFolder:
        DrawFolder(p, look.ink);
        p.drawLine(QPointF(9, 13.5), QPointF(15, 13.5));
        p.drawLine(QPointF(12, 10.5), QPointF(12, 16.5));
        break;
    case Glyph::AddImage:
        DrawPictureForBadge(p, look.ink);
        DrawBadge(p, look.ink, true);
        break;
    case Glyph::RemoveImage:
        DrawPictureForBadge(p, look.ink);
        DrawBadge(p, look.ink, false);
        break;
    case Glyph::ClearList:
        p.setPen(Stroke(look.ink, 1.6));
        p.drawLine(QPointF(4.5, 6.5), QPointF(19.5, 6.5));
        p.drawLine(QPointF(4.5, 11.5), QPointF(19.5, 11.5));
        p.drawLine(QPointF(4.5, 16.5), QPointF(11, 16.5));
        p.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
        p.drawLine(QPointF(20, 14.5), QPointF(14.5, 20));
        break;
    case Glyph::Edit:
        DrawPencil(p, look.ink, QPointF(12.5, 11.5), 16, 2.5, 1.5);
        p.setPen(Stroke(look.ink, 1.5));
        p.drawLine(QPointF(12.5, 20), QPointF(19.5, 20));
        break;
    case Glyph::Globe:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        p.setPen(Stroke(look.ink, 1.1));
        p.drawEllipse(QPointF(12, 12), 3.6, 8);
        p.drawLine(QPointF(4, 12), QPointF(20, 12));
        p.drawLine(QPointF(5.6, 8), QPointF(18.4, 8));
        p.drawLine(QPointF(5.6, 16), QPointF(18.4, 16));
        break;
    case Glyph::Camera:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawRoundedRect(QRectF(3.5, 7.5, 17, 11.5), 2.2, 2.2);
        p.drawPolyline(QPolygonF({{8.5, 7.5}, {9.8, 5}, {14.2, 5}, {15.5, 7.5}}));
        p.drawEllipse(QPointF(12, 13.2), 3.4, 3.4);
        p.setPen(Qt::NoPen);
        p.setBrush(look.ink);
        p.drawEllipse(QPointF(12, 13.2), 1.1, 1.1);
        p.drawEllipse(QPointF(17.4, 10.2), 0.9, 0.9);
        break;
    case Glyph::ImportPos:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawPolyline(QPolygonF(
            {{8, 10.5}, {8, 3.5}, {15.5, 3.5}, {19.5, 7.5}, {19.5, 20.5}, {8, 20.5}, {8, 17.5}}));
        p.drawPolyline(QPolygonF({{15.5, 3.5}, {15.5, 7.5}, {19.5, 7.5}}));
        p.drawLine(QPointF(3, 14), QPointF(13.5, 14));
        p.drawPolyline(QPolygonF({{10.8, 11.3}, {13.5, 14}, {10.8, 16.7}}));
        p.setPen(Stroke(look.ink, 1.1));
        p.drawLine(QPointF(16, 11.5), QPointF(17, 11.5));
        p.drawLine(QPointF(16, 16.5), QPointF(17, 16.5));
        break;
    case Glyph::ExifPos:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawPolyline(
            QPolygonF({{11.5, 6.5}, {3.5, 6.5}, {3.5, 19.5}, {20.5, 19.5}, {20.5, 16.5}}));
        p.setPen(Stroke(look.ink, 1.3));
        p.drawPolyline(QPolygonF({{3.5, 17}, {7.5, 12.5}, {10.5, 15.5}, {12, 14}, {14, 16}}));
        DrawPin(p, look.ink, QPointF(17, 7.5), 3.8, 15.5);
        break;
    case Glyph::SaveAs: {
        p.save();
        p.translate(2, 2);
        p.scale(0.75, 0.75);
        DrawGlyph(p, Glyph::Save, look);
        p.restore();
        DrawPencil(p, look.ink, QPointF(18, 18), 11, 1.8, 1.3);
        break;
    }
    case Glyph::Menu:
        p.setPen(Stroke(look.ink, 1.7));
        for (double y : {7.0, 12.0, 17.0})
            p.drawLine(QPointF(5, y), QPointF(19, y));
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
        DrawCellBox(p, kAccent, look.on);
        break;
    case Glyph::EnableBox:
    case Glyph::Ticked:
    case Glyph::Unticked:
        // The table's ticks are green so that they stay visible on the blue of a
        // selected row.
        DrawCellBox(p, kGreen, glyph == Glyph::Unticked ? false : look.on);
        break;
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
    case Glyph::Export:
        p.setPen(Stroke(look.ink, 1.6));
        p.drawPolyline(QPolygonF({{5, 13.5}, {5, 19}, {19, 19}, {19, 13.5}}));
        p.drawLine(QPointF(12, 15.5), QPointF(12, 4.5));
        p.drawPolyline(QPolygonF({{8.3, 8.2}, {12, 4.5}, {15.7, 8.2}}));
        break;
    case Glyph::Copy:
        p.setPen(Stroke(look.ink, 1.5));
        p.drawRoundedRect(QRectF(5, 8.5, 10, 11.5), 1.5, 1.5);
        p.drawPolyline(QPolygonF({{9, 8.5}, {9, 4.5}, {19, 4.5}, {19, 16}, {15, 16}}));
        break;
    case Glyph::Chevron:
        p.setPen(Stroke(look.ink, 2));
        p.drawPolyline(QPolygonF({{7, 9.5}, {12, 14.5}, {17, 9.5}}));
        break;
    case Glyph::Search:
        p.setPen(Stroke(look.ink, 1.7));
        p.drawEllipse(QPointF(10.5, 10.5), 5.5, 5.5);
        p.setPen(Stroke(look.ink, 2.2));
        p.drawLine(QPointF(14.6, 14.6), QPointF(19.5, 19.5));
        break;
    case Glyph::Thumbnail:
        // Drawn in pixels by Render, not on the grid.
        break;
    }
}

QImage Render(const ImageRow& row, const Look& look)
{
    const int height = row.height > 0 ? row.height : row.size;
    QImage image(row.size, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (row.glyph == Glyph::Thumbnail) {
        DrawThumbnail(p, QSizeF(row.size, height));
        p.end();
        return image;
    }
    if (look.backdrop.alpha() > 0) {
        p.setPen(look.rim.alpha() > 0 ? QPen(look.rim, 1) : QPen(Qt::NoPen));
        p.setBrush(look.backdrop);
        if (look.disc)
            p.drawEllipse(QRectF(0.5, 0.5, row.size - 1, row.size - 1));
        else
            p.drawRoundedRect(QRectF(0, 0, row.size, row.size), 4, 4);
    }
    // A round backdrop leaves less room: its glyph keeps inside the circle.
    const double inset = look.disc ? row.size * 0.16 : 0;
    p.translate(inset, inset);
    p.scale((row.size - 2 * inset) / 24.0, (row.size - 2 * inset) / 24.0);
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
    case Variants::Framed: {
        const bool danger = row.tone == Tone::Danger;
        Look hover;
        hover.ink = danger ? kRed.lighter(135) : kInkBright;
        hover.active = true;
        Look pressed;
        pressed.ink = danger ? kRed.lighter(115) : QColor(0xe6, 0xec, 0xf5);
        pressed.active = true;
        Look disabled;
        disabled.ink = QColor(0x6b, 0x78, 0x8b); // the sheet's disabled text
        files.append({QStringLiteral("_nor"), Look()});
        files.append({QStringLiteral("_hov"), hover});
        files.append({QStringLiteral("_pre"), pressed});
        files.append({QStringLiteral("_dis"), disabled});
        break;
    }
    case Variants::Disc: {
        const bool danger = row.tone == Tone::Danger;
        Look normal;
        normal.disc = true;
        normal.backdrop = QColor(0x14, 0x1a, 0x24, 215);
        normal.rim = QColor(255, 255, 255, 70);
        Look hover;
        hover.disc = true;
        hover.active = true;
        hover.ink = kInkBright;
        hover.backdrop = danger ? kRed : kAccent;
        hover.rim = hover.backdrop.lighter(130);
        files.append({QStringLiteral("_nor"), normal});
        files.append({QStringLiteral("_hov"), hover});
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
