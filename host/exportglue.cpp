#include "host/exportglue.h"

#include "framework/filechooser.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/algosettingsmodule.h"
#include "host/blocksexchange.h"
#include "host/fixtures.h"
#include "host/imageworkraster.h"
#include "host/inphoexport.h"
#include "host/kvmainwindow.h"
#include "host/patbexport.h"
#include "host/posexport.h"
#include "host/quickmosaic.h"
#include "host/screenshotregistry.h"
#include "host/undistort.h"
#include "host/workspacemodule.h"
#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "settings/qasettingbar.h"
#include "settings/reportdialog.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <QtMath>

namespace kvhost {

namespace {

constexpr const char* kGlueName = "kv_export_glue";
// More file names than this in a box would push its buttons off the screen.
constexpr int kListedFiles = 8;

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

kvfd::CoordinateInfo ProjectSystem(const kvprj::KvProject& project)
{
    kvfd::CoordinateInfo system;
    kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinateByID(
        project.GetPrjInfo().coordinateId, system);
    return system;
}

ExportResult FromPos(const PosExportResult& written, const QString& path)
{
    ExportResult result;
    result.ok = written.ok;
    result.message = written.message;
    if (written.ok)
        result.files << path;
    return result;
}

} // namespace

ExportGlue::ExportGlue(KvMainWindow& window)
    : QObject(&window)
    , m_window(window)
    , m_undistort(EngineUndistort())
{
    setObjectName(QLatin1String(kGlueName));
}

ExportGlue::~ExportGlue() = default;

ExportGlue& ExportGlue::Of(KvMainWindow& window)
{
    if (auto* glue
        = window.findChild<ExportGlue*>(QLatin1String(kGlueName), Qt::FindDirectChildrenOnly))
        return *glue;
    return *new ExportGlue(window);
}

void ExportGlue::Screenshots(ScreenshotRegistry& registry)
{
    registry.Add(QStringLiteral("quality_report_viewer"), [] {
        auto project = fixtures::DemoProject();
        project->GetCameraInfoSet().AddCamera(fixtures::SampleCamera());
        const QualityReport report = QualityReport::Assess(*project, QualityJob());
        // The page is read while the picture is taken, after this returns.
        static QTemporaryDir folder;
        const ExportResult written
            = report.WriteHtml(QDir(folder.path()).filePath(QLatin1String(kReportHtml)));
        AlgoSettingsModule::PrepareWebView();
        auto dialog = std::make_unique<ReportDialog>();
        QEventLoop loop;
        QTimer::singleShot(ScreenshotRegistry::kTimeoutMs, &loop, &QEventLoop::quit);
        QObject::connect(dialog->Content()->View(), &QWebEngineView::loadFinished, &loop,
                         &QEventLoop::quit);
        dialog->Load(QString2String(written.files.value(0)));
        loop.exec();
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
}

UndistortHook ExportGlue::EngineUndistort()
{
    return [](const QString& source, const QString& target, const kvfd::CameraInfo& camera) {
        PrepareImageLibraries();
        Raster raster;
        QString error;
        const QString driver = DriverOf(source);
        return !driver.isEmpty() && ReadRaster(source, 1.0, ResampleMethod::Bilinear, raster, error)
            && Undistort(raster, camera, false, error)
            && WriteRaster(raster, driver, target, {}, error);
    };
}

const kvprj::KvProject* ExportGlue::Project() const
{
    return m_window.RequireProject() ? m_window.Context() : nullptr;
}

ExportResult ExportGlue::ExportCCXml(const kvfd::CoordinateInfo& coordinate, const QString& folder,
                                     bool undistortion)
{
    const kvprj::KvProject* project = Project();
    if (!project)
        return {};
    BlocksExchangeJob job;
    job.folder = folder;
    job.coordinate = coordinate;
    job.undistortion = undistortion;
    job.undistort = m_undistort;
    const ExportResult result = BlocksExchange::Export(*project, job);
    Tell(tr("Context Capture XML export"), result);
    return result;
}

ExportResult ExportGlue::ExportInpho(bool toCenter, bool undistortion, const QString& folder,
                                     const QString& imagesFolder)
{
    const kvprj::KvProject* project = Project();
    if (!project)
        return {};
    InphoJob job;
    job.folder = folder;
    job.toCenter = toCenter;
    job.undistortion = undistortion;
    job.imagesFolder = imagesFolder;
    job.undistort = m_undistort;
    const ExportResult result = InphoExport::Export(*project, job);
    Tell(tr("Inpho export"), result);
    return result;
}

ExportResult ExportGlue::ExportOneKey(OneKeyFormat format, const QString& folder)
{
    ExportResult result;
    QString what;
    switch (format) {
    case OneKeyFormat::SSK:
        what = tr("SSK export");
        result = UnsupportedExport(QStringLiteral("SSK"));
        break;
    case OneKeyFormat::PhotoMod:
        what = tr("PhotoMod export");
        result = UnsupportedExport(QStringLiteral("PhotoMod"));
        break;
    case OneKeyFormat::ContextCapture:
        if (const kvprj::KvProject* project = Project())
            return ExportCCXml(ProjectSystem(*project), folder, false);
        return result;
    case OneKeyFormat::Inpho:
        // No images folder: the one-key bar offers no place for them.
        return Project() ? ExportInpho(true, false, folder, QString()) : result;
    case OneKeyFormat::PatB: {
        const kvprj::KvProject* project = Project();
        if (!project)
            return result;
        what = tr("PatB export");
        PatbJob job;
        job.folder = folder;
        result = PatbExport::Export(*project, job);
        break;
    }
    case OneKeyFormat::Pos: {
        const kvprj::KvProject* project = Project();
        if (!project)
            return result;
        what = tr("POS export");
        result = PrepareFolder(folder);
        if (!result.ok)
            break;
        PosExportJob job;
        job.path = QDir(folder).filePath(QLatin1String(kPosText));
        job.coordinate = ProjectSystem(*project);
        const kvfd::ImageInfoSet& images = project->GetImageInfoSet();
        for (int id : ExportedImages(*project)) {
            PosExportImage image;
            image.name = String2QString(images.GetImage(id)->Name());
            image.eop = images.GetImage(id)->GetEOP();
            job.images.push_back(image);
        }
        result = FromPos(PosExport::Write(job), job.path);
        break;
    }
    }
    Tell(what, result);
    return result;
}

QString ExportGlue::RunQa(const QaSettingBar& bar)
{
    const kvprj::KvProject* project = Project();
    if (!project)
        return QString();
    QualityJob job;
    job.scale = bar.GetScale();
    job.resolution = bar.GetResolution();
    job.forwardOverlap = bar.GetInOverlap();
    job.sideOverlap = bar.GetOffOverlap();
    // The display bar's lower thresholds are the attitudes the operator still
    // accepts; without it the report's own limits hold.
    if (auto* workspace = m_window.FindModule<WorkspaceModule>()) {
        if (DisplayBar* display = workspace->Display()) {
            double threshold[4] = {};
            display->GetThreshold(threshold);
            job.maxRoll = qRadiansToDegrees(threshold[0]);
            job.maxPitch = qRadiansToDegrees(threshold[1]);
        }
    }
    m_report = QualityReport::Assess(*project, job);

    QString folder;
    const std::string& saved = project->GetPrjInfo().path;
    if (!saved.empty()) {
        folder = QFileInfo(String2QString(saved)).absolutePath();
    } else {
        if (!m_temporary || !m_temporary->isValid())
            m_temporary = std::make_unique<QTemporaryDir>();
        folder = m_temporary->path();
    }
    const ExportResult written = m_report->WriteHtml(QDir(folder).filePath(kReportHtml));
    if (!written.ok) {
        m_reportPath.clear();
        Tell(tr("Quality report"), written);
        return QString();
    }
    m_reportPath = written.files.value(0);
    m_window.ShowStatus(tr("Quality assessment: %1 of %2 images fail")
                            .arg(m_report->FailingCount())
                            .arg(m_report->Images().size()));
    AlgoSettingsModule::PrepareWebView();
    ReportDialog dialog(&m_window);
    dialog.Load(QString2String(m_reportPath));
    dialog.exec();
    return m_reportPath;
}

void ExportGlue::ShowQaReport(const QaSettingBar& bar)
{
    if (!m_report || !QFileInfo::exists(m_reportPath)) {
        RunQa(bar);
        return;
    }
    AlgoSettingsModule::PrepareWebView();
    ReportDialog dialog(&m_window);
    dialog.Load(QString2String(m_reportPath));
    dialog.exec();
}

bool ExportGlue::NeedReport()
{
    if (m_report)
        return true;
    ExportResult none;
    none.message = tr("Run the quality assessment first.");
    Tell(tr("Quality assessment"), none);
    return false;
}

QString ExportGlue::QaFolder(const QString& folder) const
{
    if (!folder.isEmpty())
        return folder;
    return kvui::ChooseFolder(&m_window, tr("Export Folder"));
}

ExportResult ExportGlue::ExportQaReport(const QString& folder)
{
    if (!NeedReport())
        return {};
    const QString chosen = QaFolder(folder);
    if (chosen.isEmpty())
        return {};
    ExportResult result = PrepareFolder(chosen);
    if (result.ok) {
        AlgoSettingsModule::PrepareWebView();
        result = m_report->WritePdf(QDir(chosen).filePath(kReportPdf));
    }
    Tell(tr("Quality report"), result);
    return result;
}

ExportResult ExportGlue::ExportQaPos(const QString& folder)
{
    if (!NeedReport())
        return {};
    const QString chosen = QaFolder(folder);
    if (chosen.isEmpty())
        return {};
    ExportResult result = PrepareFolder(chosen);
    if (result.ok)
        result = m_report->WriteQaPos(QDir(chosen).filePath(kQaPos));
    Tell(tr("QA POS export"), result);
    return result;
}

ExportResult ExportGlue::ExportQuickMosaic(const QString& folder)
{
    const kvprj::KvProject* project = Project();
    if (!project)
        return {};
    const QString chosen = QaFolder(folder);
    if (chosen.isEmpty())
        return {};
    ExportResult result = PrepareFolder(chosen);
    if (result.ok) {
        QuickMosaicJob job;
        job.path = QDir(chosen).filePath(kQuickMosaic);
        result = QuickMosaic::Write(*project, job);
    }
    Tell(tr("Quick DOM export"), result);
    return result;
}

void ExportGlue::Tell(const QString& what, const ExportResult& result) const
{
    QString text;
    if (result.ok) {
        QStringList listed;
        for (int i = 0; i < result.files.size() && i < kListedFiles; ++i)
            listed << Native(result.files.at(i));
        if (result.files.size() > kListedFiles)
            listed << tr("… and %1 more").arg(result.files.size() - kListedFiles);
        text = tr("%1: %2 file(s) written.").arg(what).arg(result.files.size());
        m_window.ShowStatus(text);
        text += QLatin1Char('\n') + listed.join(QLatin1Char('\n'));
    } else {
        text = tr("%1 failed: %2").arg(what, result.message);
        m_window.ShowStatus(text);
    }
    KvMessageBox::Show(QString2String(text), KvMessageBox::BT_OK);
}

} // namespace kvhost
