#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

struct PrjInfo;

namespace kvfd {
struct CameraInfo;
}
namespace kvkernel {
class AISContext;
}
namespace kvprj {
class KvProject;
struct FlyMission;
} // namespace kvprj

// Sample surveys, cameras and files that the host's pictures show and its tests
// run on, so that both see the same data.
namespace kvhost::fixtures {

// A small unsaved project of two flights (12 images, the fifth left out of
// processing), positions in metres.
std::unique_ptr<kvkernel::AISContext> DemoProject();

// Twelve images along two flight lines near Wuhan with their DJI camera,
// positions in WGS84 degrees, projected to "UTM zone 50N"; not saved.
kvprj::KvProject SurveyProject();
// One SurveyProject that lives as long as the program, for dialogs that keep a
// pointer to the project they show.
kvprj::KvProject& LastingSurveyProject();
// The POS records of SurveyProject as a text file (name, longitude,
// latitude, height, omega, phi, kappa in degrees, with a header line).
QByteArray SurveyPos();
// A stand-in aerial photo of fields and a road, written as JPEG.
bool WriteSurveyPhoto(const QString& path);

// A 24-megapixel survey camera with a mild barrel distortion.
kvfd::CameraInfo SampleCamera();

// Six recent projects, with Chinese and English names, as the start page lists
// them.
QList<PrjInfo> RecentProjects();
// Three missions of eight photos on two lines each, of aircraft "SN0001".
std::vector<kvprj::FlyMission> FlightMissions();
// Eight photo paths of one flight, as a flight project is given them.
QStringList FlightPhotoPaths();

} // namespace kvhost::fixtures
