#pragma once

#include "host/hostmodule.h"
#include "kvgps/gpsparam.h"

#include <string>
#include <utility>
#include <vector>

namespace kvfd {
struct CameraInfo;
}

// GNSS parameters, POS export and EXIF writing (Tools), calibration and image
// correction (Cameras): each action opens its dialog on the open project and,
// once the dialog is accepted, hands the choices to the run below that does
// the work.
//
// The runs are stand-ins: each tells the operator that this host does not run
// that work yet and changes nothing. They are meant to be replaced by the
// real runs (post-processing with rnx2rtkp, the POS text export, EXIF writing,
// self-calibration, distortion correction) with the same arguments.
class GnssModule : public HostModule
{
    Q_OBJECT

public:
    QString Name() const override { return QStringLiteral("gnss"); }
    void Install(KvMainWindow& window) override;
    void Screenshots(ScreenshotRegistry& registry) const override;

    // The parameters of the last accepted GPS wizard; the next one starts
    // from them.
    const kvgps::GPSParam& GPSParameters() const { return m_gps; }

public Q_SLOTS:
    void ImportGPS();
    void ExportPOS();
    void WriteExif();
    void Calibrate();
    void CorrectImages();

private:
    // The stand-in runs, one per kind of work.
    void RunGNSSPositioning(const kvgps::GPSParam& param);
    void RunPosExport(int images, int angle, int name, int coord, char separator,
                      const std::string& path);
    void RunExifWriting(const std::vector<std::pair<std::string, std::string>>& folders,
                        const std::string& posPath, int match);
    void RunCalibration(bool selectedOnly, const kvfd::CameraInfo& camera);
    void RunImageCorrection(const std::string& input, const std::string& output,
                            const kvfd::CameraInfo& camera, bool center, bool tif);
    // Tells that this host does not run what was asked yet.
    void NotRunHere(const QString& what);

    KvMainWindow* m_window = nullptr;
    kvgps::GPSParam m_gps;
};
