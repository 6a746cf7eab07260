#include "camera/cameraedits.h"

#include "framework/formrows.h"
#include "framework/kvshared.h"

#include <QLineEdit>

int EditInt(const QLineEdit* edit)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? value : 0;
}

double EditDouble(const QLineEdit* edit)
{
    bool ok = false;
    const double value = edit->text().toDouble(&ok);
    return ok ? value : 0.0;
}

namespace {

// Far beyond any camera, yet small enough that no derived value overflows.
constexpr int kMaxPixels = 1000000;
constexpr double kMaxMillimetres = 10000.0;
// A size must be positive; the smallest one typed still divides.
constexpr double kSmallestSize = 1e-9;

} // namespace

void CameraEdits::AcceptNumbers() const
{
    kvui::AcceptInteger(width, 1, kMaxPixels);
    kvui::AcceptInteger(height, 1, kMaxPixels);
    kvui::AcceptReal(ccdWidth, kSmallestSize, kMaxMillimetres);
    kvui::AcceptReal(ccdHeight, kSmallestSize, kMaxMillimetres);
    kvui::AcceptReal(focal, kSmallestSize, 100.0 * kMaxPixels);
    // The principal point may lie off the image.
    kvui::AcceptReal(x0, -kMaxPixels, kMaxPixels);
    kvui::AcceptReal(y0, -kMaxPixels, kMaxPixels);
    for (QLineEdit* coefficient : {k1, k2, k3, k4, p1, p2, alpha, beta})
        kvui::AcceptReal(coefficient);
}

kvfd::CameraInfo CameraEdits::Read() const
{
    kvfd::CameraInfo camera;
    camera.name = QString2String(name->text());
    camera.width = EditInt(width);
    camera.height = EditInt(height);
    camera.ccd_width = EditDouble(ccdWidth);
    camera.ccd_height = EditDouble(ccdHeight);
    camera.pixel_size_x = camera.ccd_width / camera.width;
    camera.pixel_size_y = camera.ccd_height / camera.height;
    camera.focal = EditDouble(focal) * camera.pixel_size_x;
    camera.x0 = EditDouble(x0);
    camera.y0 = EditDouble(y0);
    camera.k1 = EditDouble(k1);
    camera.k2 = EditDouble(k2);
    camera.k3 = EditDouble(k3);
    camera.p1 = EditDouble(p1);
    camera.p2 = EditDouble(p2);
    camera.alpha = EditDouble(alpha);
    camera.beta = EditDouble(beta);
    camera.k4 = EditDouble(k4);
    return camera;
}

void CameraEdits::Show(const kvfd::CameraInfo& camera, char sizeFormat) const
{
    const auto size = [sizeFormat](double v) { return QString::number(v, sizeFormat, 6); };
    const auto coefficient = [](double v) { return QString::number(v, 'g', 10); };
    name->setText(String2QString(camera.name));
    width->setText(QString::number(camera.width));
    height->setText(QString::number(camera.height));
    ccdWidth->setText(size(camera.ccd_width));
    ccdHeight->setText(size(camera.ccd_height));
    focal->setText(size(camera.focal / camera.pixel_size_x));
    x0->setText(size(camera.x0));
    y0->setText(size(camera.y0));
    k1->setText(coefficient(camera.k1));
    k2->setText(coefficient(camera.k2));
    k3->setText(coefficient(camera.k3));
    k4->setText(coefficient(camera.k4));
    p1->setText(coefficient(camera.p1));
    p2->setText(coefficient(camera.p2));
    alpha->setText(coefficient(camera.alpha));
    beta->setText(coefficient(camera.beta));
}
