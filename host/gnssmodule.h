#pragma once

#include "host/gnssadapters.h"
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
// Each run turns the dialog's record into the host's job (gnssadapters.h),
// runs it behind the modal progress dialog (pause, cancel) and tells the
// operator the outcome in a message box.
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

public:
    // The runs, with the records as the dialogs return them; public so that
    // the work can be started without going through the dialogs.
    GnssResult RunGNSSPositioning(const kvgps::GPSParam& param);
    // Exports the open project's images (nothing without a project).
    PosExportResult RunPosExport(int images, int angle, int name, int coord, char separator,
                                 const std::string& path);
    ExifResult RunExifWriting(const std::vector<std::pair<std::string, std::string>>& folders,
                              const std::string& posPath, int match);
    // Calibrates on the open project's images; the caller shows the camera.
    ColmapResult RunCalibration(bool selectedOnly, const kvfd::CameraInfo& camera);
    kvhost::ImageJobResult RunImageCorrection(const std::string& input, const std::string& output,
                                              const kvfd::CameraInfo& camera, bool center,
                                              bool tif);

private:
    void Tell(const QString& text);

    KvMainWindow* m_window = nullptr;
    kvgps::GPSParam m_gps;
};
