#include "host/imagework.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/behindprogress.h"
#include "host/imageworkraster.h"
#include "host/rawconvert.h"
#include "host/undistort.h"
#include "kvkernel/kvprogress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <atomic>
#include <cmath>
#include <cpl_error.h>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace kvhost {

namespace {

// The progress caption, a local-code-page text as the progress dialog wants.
const char* const kProgressTitle = QT_TRANSLATE_NOOP("kvui", "图像处理中……");

QString CanonicalFolder(const QString& folder)
{
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

bool IsInside(const QString& folder, const QString& parent)
{
    return folder == parent
        || folder.startsWith(parent.endsWith(QLatin1Char('/')) ? parent : parent + '/');
}

QString CheckDestination(const QStringList& sources, const QString& destination)
{
    if (destination.trimmed().isEmpty())
        return QCoreApplication::translate("ImageWork", "No destination folder was given.");
    const QString target = CanonicalFolder(destination);
    for (const QString& source : sources) {
        if (IsInside(target, CanonicalFolder(QFileInfo(source).absolutePath())))
            return QCoreApplication::translate(
                "ImageWork",
                "The destination folder is the folder of the source images or lies inside "
                "it; choose another folder, so that no source is overwritten.");
    }
    return {};
}

bool OnlyOverviews(const ImageJob& job)
{
    if (job.steps.empty())
        return false;
    for (const ImageStep& step : job.steps)
        if (step.kind != ImageStepKind::Overviews)
            return false;
    return true;
}

bool WantsOverviews(const ImageJob& job)
{
    for (const ImageStep& step : job.steps)
        if (step.kind == ImageStepKind::Overviews)
            return true;
    return false;
}

QString OutputDriver(const ImageJob& job, const QString& source)
{
    QString driver;
    for (const ImageStep& step : job.steps) {
        if (step.kind == ImageStepKind::Format)
            driver = step.format;
        if (step.kind == ImageStepKind::Distortion && step.toTif)
            return QStringLiteral("GTiff");
    }
    if (driver.isEmpty())
        driver = DriverOf(source);
    static const QStringList writable {"GTiff", "JPEG", "PNG", "BMP"};
    return writable.contains(driver) ? driver : QStringLiteral("GTiff");
}

bool RemoveQuietly(const QString& path)
{
    return !QFile::exists(path) || QFile::remove(path);
}

// Moves a finished file into place over whatever was there.
bool Commit(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The workers of one job: each takes the next index until none is left or
// the progress said stop. Progress calls are serialised, so a progress that
// holds its caller (Pause) holds every worker at its next image.
class Pool
{
public:
    explicit Pool(kvkernel::KvProgress* progress)
        : m_progress(progress)
    { }

    void Run(int count, int threads, const std::function<QString(int)>& name,
             const std::function<void(int)>& work)
    {
        std::atomic<int> next {0};
        auto worker = [&] {
            // Errors are reported per image; GDAL's printing them helps nobody.
            CPLPushErrorHandler(CPLQuietErrorHandler);
            for (;;) {
                const int i = next++;
                if (i >= count || !Report(name(i)))
                    break;
                work(i);
            }
            CPLPopErrorHandler();
        };
        threads = std::max(1, std::min(threads, count));
        std::vector<std::thread> others;
        for (int t = 1; t < threads; ++t)
            others.emplace_back(worker);
        worker();
        for (std::thread& thread : others)
            thread.join();
    }

    bool Cancelled() const { return m_cancelled; }

private:
    bool Report(const QString& name)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_cancelled)
            return false;
        if (m_progress && !m_progress->SetInformation(QString2String(name), m_step))
            m_cancelled = true;
        ++m_step;
        return !m_cancelled;
    }

    kvkernel::KvProgress* m_progress;
    int m_step = 0;
    std::mutex m_mutex;
    std::atomic<bool> m_cancelled {false};
};

int ThreadCount(int wanted)
{
    return wanted > 0 ? wanted : std::max(1, QThread::idealThreadCount());
}

// Applies the value steps up to (not including) step `end` to a small copy,
// as the balance statistics see the image.
void ApplyValueSteps(const ImageJob& job, std::size_t end, Raster& raster,
                     const std::map<std::size_t, ChannelStats>& targets)
{
    for (std::size_t s = 0; s < end; ++s) {
        const ImageStep& step = job.steps[s];
        if (step.kind == ImageStepKind::Enhance)
            StretchRaster(raster, step.lowPercent, step.highPercent);
        else if (step.kind == ImageStepKind::ColorBalance && targets.count(s))
            BalanceRaster(raster, MeasureRaster(raster), targets.at(s));
    }
}

ChannelStats Average(const std::vector<ChannelStats>& all)
{
    ChannelStats mean;
    int count = 0;
    for (const ChannelStats& stats : all) {
        if (stats.mean.empty())
            continue;
        if (mean.mean.empty()) {
            mean.mean.assign(stats.mean.size(), 0.0);
            mean.deviation.assign(stats.mean.size(), 0.0);
        }
        if (stats.mean.size() != mean.mean.size())
            continue; // a grey image among colour ones does not set the colours
        for (std::size_t b = 0; b < stats.mean.size(); ++b) {
            mean.mean[b] += stats.mean[b];
            mean.deviation[b] += stats.deviation[b];
        }
        ++count;
    }
    for (std::size_t b = 0; b < mean.mean.size(); ++b) {
        mean.mean[b] /= count;
        mean.deviation[b] /= count;
    }
    return mean;
}

class ImageRunner
{
public:
    ImageRunner(const ImageJob& job, ImageJobResult& result)
        : m_job(job)
        , m_result(result)
    { }

    void Run(kvkernel::KvProgress* progress)
    {
        const int count = m_job.images.size();
        m_beside = OnlyOverviews(m_job) && m_job.destination.trimmed().isEmpty();
        if (!m_beside)
            QDir().mkpath(m_job.destination);
        PlanOutputs();
        std::vector<std::size_t> balances;
        for (std::size_t s = 0; s < m_job.steps.size(); ++s)
            if (m_job.steps[s].kind == ImageStepKind::ColorBalance)
                balances.push_back(s);

        if (progress)
            progress->Start(kProgressTitle, count * int(1 + balances.size()));
        Pool pool(progress);
        const int threads = ThreadCount(m_job.threads);
        auto name = [this](int i) { return QFileInfo(m_job.images.at(i)).fileName(); };
        for (std::size_t s : balances) {
            std::vector<ChannelStats> all(count);
            pool.Run(count, threads, name, [&](int i) {
                Raster small;
                QString error;
                if (!ReadRaster(m_job.images.at(i), 0.125, ResampleMethod::Average, small, error))
                    return;
                ApplyValueSteps(m_job, s, small, m_targets);
                all[i] = MeasureRaster(small);
            });
            m_targets[s] = Average(all);
        }
        pool.Run(count, threads, name, [this](int i) { ProcessOne(i); });

        m_result.cancelled = pool.Cancelled();
        for (ImageOutcome& outcome : m_result.outcomes)
            if (!outcome.done && outcome.reason.isEmpty())
                outcome.reason = QCoreApplication::translate(
                    "ImageWork", "Not processed: the job was cancelled.");
        if (progress)
            progress->End(!m_result.cancelled);
    }

private:
    void PlanOutputs()
    {
        QSet<QString> taken;
        m_outputs.resize(m_job.images.size());
        for (int i = 0; i < m_job.images.size(); ++i) {
            const QString source = m_job.images.at(i);
            ImageOutcome outcome;
            outcome.source = source;
            if (m_beside) {
                m_outputs[i] = source;
            } else {
                const QString driver = OutputDriver(m_job, source);
                const QString name
                    = QFileInfo(source).completeBaseName() + '.' + ExtensionOf(driver);
                if (taken.contains(name.toLower()))
                    outcome.reason = QCoreApplication::translate(
                        "ImageWork",
                        "Another image of the job has the same name; it was "
                        "not written twice.");
                taken.insert(name.toLower());
                m_outputs[i] = QDir(m_job.destination).absoluteFilePath(name);
            }
            m_result.outcomes.push_back(outcome);
        }
    }

    void ProcessOne(int i)
    {
        ImageOutcome& outcome = m_result.outcomes[i];
        if (!outcome.reason.isEmpty())
            return; // refused while planning
        const QString source = m_job.images.at(i);
        if (m_beside) {
            outcome.done = OverviewsBeside(source, outcome.reason);
            if (outcome.done)
                outcome.output = source + QStringLiteral(".ovr");
            return;
        }
        const QString output = m_outputs[i];
        const QString part = QFileInfo(output).absolutePath() + QStringLiteral("/.")
            + QFileInfo(output).fileName() + QStringLiteral(".part");
        QString error;
        QString note;
        const bool ok = MakeOutput(source, part, note, error);
        if (ok && WantsOverviews(m_job) && !BuildOverviews(part, error)) {
            RemoveQuietly(part + QStringLiteral(".ovr"));
            RemoveQuietly(part);
            outcome.reason = error;
            return;
        }
        if (!ok) {
            RemoveQuietly(part);
            outcome.reason = error;
            return;
        }
        if ((WantsOverviews(m_job)
             && !Commit(part + QStringLiteral(".ovr"), output + QStringLiteral(".ovr")))
            || !Commit(part, output)) {
            RemoveQuietly(part + QStringLiteral(".ovr"));
            RemoveQuietly(part);
            outcome.reason = QCoreApplication::translate(
                "ImageWork", "The finished output could not be moved into place.");
            return;
        }
        outcome.done = true;
        outcome.output = output;
        outcome.reason = note;
    }

    bool MakeOutput(const QString& source, const QString& part, QString& note, QString& error)
    {
        std::size_t first = 0;
        double rate = 1.0;
        ResampleMethod method = ResampleMethod::Average;
        // A leading resample is done by the reader: a JPEG then decodes small.
        for (; first < m_job.steps.size(); ++first) {
            const ImageStep& step = m_job.steps[first];
            if (step.kind == ImageStepKind::Resample) {
                rate = step.rate;
                method = step.method;
                ++first;
                break;
            }
            if (step.kind != ImageStepKind::Format && step.kind != ImageStepKind::Overviews) {
                break;
            }
        }
        if (rate == 1.0)
            first = 0;
        Raster raster;
        if (!ReadRaster(source, rate, method, raster, error))
            return false;
        for (std::size_t s = first; s < m_job.steps.size(); ++s) {
            const ImageStep& step = m_job.steps[s];
            switch (step.kind) {
            case ImageStepKind::Resample:
                ResampleRaster(raster, step.rate, step.method);
                break;
            case ImageStepKind::Rotate:
                RotateRaster(raster, step.rotation);
                break;
            case ImageStepKind::Enhance:
                StretchRaster(raster, step.lowPercent, step.highPercent);
                break;
            case ImageStepKind::ColorBalance:
                if (m_targets.count(s))
                    BalanceRaster(raster, MeasureRaster(raster), m_targets.at(s));
                break;
            case ImageStepKind::Distortion:
                if (!Undistort(raster, step.camera, step.toCenter, error))
                    return false;
                break;
            case ImageStepKind::Format:
            case ImageStepKind::Overviews:
                break;
            }
        }
        if (!WriteRaster(raster, OutputDriver(m_job, source), part, m_job.tiffOptions, error))
            return false;
        QString tagError;
        if (!CopyImageTags(source, part, raster.width, raster.height, nullptr, tagError))
            note = tagError;
        return true;
    }

    // The source is reached through a link of another name, so that GDAL
    // writes its ".ovr" under that name and the finished file can be moved
    // into place whole; the image itself is only read.
    bool OverviewsBeside(const QString& source, QString& error)
    {
        const QFileInfo info(source);
        if (!info.isFile()) {
            error = QCoreApplication::translate("ImageWork",
                                                "The file is not an image that can be read.");
            return false;
        }
        const QString link = info.absolutePath() + QStringLiteral("/.") + info.fileName()
            + QStringLiteral(".part");
        RemoveQuietly(link);
        if (!QFile::link(info.absoluteFilePath(), link)) {
            error = QCoreApplication::translate("ImageWork",
                                                "The folder of the image cannot be written.");
            return false;
        }
        const bool ok = BuildOverviews(link, error)
            && Commit(link + QStringLiteral(".ovr"),
                      info.absoluteFilePath() + QStringLiteral(".ovr"));
        if (!ok) {
            RemoveQuietly(link + QStringLiteral(".ovr"));
            if (error.isEmpty())
                error = QCoreApplication::translate(
                    "ImageWork", "The finished output could not be moved into place.");
        }
        QFile::remove(link);
        return ok;
    }

    const ImageJob& m_job;
    ImageJobResult& m_result;
    bool m_beside = false;
    std::vector<QString> m_outputs;
    std::map<std::size_t, ChannelStats> m_targets;
};

QString FinishMessage(const ImageJobResult& result)
{
    const int total = int(result.outcomes.size());
    QString text = result.cancelled
        ? QCoreApplication::translate("ImageWork",
                                      "The job was cancelled: %1 of %2 images were processed.")
              .arg(result.Done())
              .arg(total)
        : QCoreApplication::translate("ImageWork", "%1 of %2 images were processed.")
              .arg(result.Done())
              .arg(total);
    int listed = 0;
    for (const ImageOutcome& outcome : result.outcomes) {
        if (outcome.done
            || (result.cancelled
                && outcome.reason
                    == QCoreApplication::translate("ImageWork",
                                                   "Not processed: the job was cancelled.")))
            continue;
        if (++listed > 10) {
            text += '\n' + QCoreApplication::translate("ImageWork", "...and more.");
            break;
        }
        text += '\n' + QFileInfo(outcome.source).fileName() + QStringLiteral(": ") + outcome.reason;
    }
    return text;
}

ImageJobResult Refused(const QString& message)
{
    ImageJobResult result;
    result.refused = true;
    result.message = message;
    return result;
}

template <class Job, class Runner>
ImageJobResult RunBehindDialog(const Job& job, QWidget* parent, Runner run)
{
    const ImageJobResult result = kvhost::RunBehindProgress(
        parent, [&](kvkernel::KvProgress* progress) { return run(job, progress); });
    KvMessageBox::Show(QString2String(result.message), KvMessageBox::BT_OK);
    return result;
}

} // namespace

int ImageJobResult::Done() const
{
    return int(std::count_if(outcomes.begin(), outcomes.end(),
                             [](const ImageOutcome& outcome) { return outcome.done; }));
}

int ImageJobResult::Failed() const
{
    return int(outcomes.size()) - Done();
}

QString CheckImageJob(const ImageJob& job)
{
    if (job.images.isEmpty())
        return QCoreApplication::translate("ImageWork", "No images were given.");
    if (!(OnlyOverviews(job) && job.destination.trimmed().isEmpty())) {
        const QString problem = CheckDestination(job.images, job.destination);
        if (!problem.isEmpty())
            return problem;
    }
    for (const ImageStep& step : job.steps) {
        const kvfd::CameraInfo& camera = step.camera;
        if (step.kind == ImageStepKind::Distortion
            && (camera.width <= 0 || camera.height <= 0 || !std::isfinite(camera.pixel_size_x)
                || camera.pixel_size_x <= 0.0))
            return QCoreApplication::translate(
                "ImageWork",
                "The distortion camera has no image size or pixel size; fill in the camera "
                "parameters first.");
        if (step.kind == ImageStepKind::Resample && !(step.rate > 0.0 && step.rate < 1.0))
            return QCoreApplication::translate("ImageWork",
                                               "The resample rate must lie between 0 and 1.");
        if (step.kind == ImageStepKind::Format
            && !QStringList {"BMP", "JPEG", "PNG", "GTiff"}.contains(step.format))
            return QCoreApplication::translate(
                "ImageWork", "The output format is not one of BMP, JPEG, PNG and GTiff.");
    }
    return {};
}

ImageJobResult RunImageJob(const ImageJob& job, kvkernel::KvProgress* progress)
{
    const QString problem = CheckImageJob(job);
    if (!problem.isEmpty())
        return Refused(problem);
    PrepareImageLibraries();
    ImageJobResult result;
    ImageRunner(job, result).Run(progress);
    result.message = FinishMessage(result);
    return result;
}

ImageJobResult RunImageJob(const ImageJob& job, QWidget* parent)
{
    const QString problem = CheckImageJob(job);
    if (!problem.isEmpty()) {
        KvMessageBox::Show(QString2String(problem), KvMessageBox::BT_OK);
        return Refused(problem);
    }
    return RunBehindDialog(
        job, parent, [](const ImageJob& j, kvkernel::KvProgress* p) { return RunImageJob(j, p); });
}

ImageJobResult RunRawJob(const RawJob& job, kvkernel::KvProgress* progress)
{
    const QStringList files = job.rawFiles.isEmpty() ? ListRawFiles(job.rawFolder) : job.rawFiles;
    if (files.isEmpty())
        return Refused(QCoreApplication::translate("ImageWork", "No raw files were found."));
    const QString problem = CheckDestination(files, job.destination);
    if (!problem.isEmpty())
        return Refused(problem);
    std::map<QString, GpsPosition> positions;
    if (!job.posFile.trimmed().isEmpty()) {
        QString error;
        if (!ReadPosPositions(job.posFile, positions, error))
            return Refused(error);
        const bool any = std::any_of(files.begin(), files.end(), [&](const QString& file) {
            return FindPosition(positions, file) != nullptr;
        });
        if (!any)
            return Refused(QCoreApplication::translate(
                "ImageWork",
                "No record of the POS file names one of the raw files, or none "
                "holds a longitude and latitude."));
    }
    PrepareImageLibraries();
    QDir().mkpath(job.destination);

    ImageJobResult result;
    QSet<QString> taken;
    std::vector<QString> outputs;
    for (const QString& file : files) {
        ImageOutcome outcome;
        outcome.source = file;
        const QString name = QFileInfo(file).completeBaseName() + QStringLiteral(".tif");
        if (taken.contains(name.toLower()))
            outcome.reason = QCoreApplication::translate(
                "ImageWork",
                "Another image of the job has the same name; it was not written "
                "twice.");
        taken.insert(name.toLower());
        outputs.push_back(QDir(job.destination).absoluteFilePath(name));
        result.outcomes.push_back(outcome);
    }
    if (progress)
        progress->Start(kProgressTitle, files.size());
    Pool pool(progress);
    // Developing holds several full-size copies of a photo: two at a time at most.
    pool.Run(
        files.size(), std::min(2, ThreadCount(job.threads)),
        [&](int i) { return QFileInfo(files.at(i)).fileName(); },
        [&](int i) {
            ImageOutcome& outcome = result.outcomes[i];
            if (!outcome.reason.isEmpty())
                return;
            const QString part = QFileInfo(outputs[i]).absolutePath() + QStringLiteral("/.")
                + QFileInfo(outputs[i]).fileName() + QStringLiteral(".part");
            Raster raster;
            QString error;
            if (!DevelopRaw(files.at(i), raster, error)
                || !WriteRaster(raster, QStringLiteral("GTiff"), part, job.tiffOptions, error)) {
                RemoveQuietly(part);
                outcome.reason = error;
                return;
            }
            const GpsPosition* gps
                = positions.empty() ? nullptr : FindPosition(positions, files.at(i));
            QString note;
            if (!CopyImageTags(files.at(i), part, raster.width, raster.height, gps, note) && gps) {
                RemoveQuietly(part);
                outcome.reason = note;
                return;
            }
            if (!positions.empty() && !gps)
                note = QCoreApplication::translate(
                    "ImageWork",
                    "No POS record names this file; it has no GPS position from the POS file.");
            if (!Commit(part, outputs[i])) {
                RemoveQuietly(part);
                outcome.reason = QCoreApplication::translate(
                    "ImageWork", "The finished output could not be moved into place.");
                return;
            }
            outcome.done = true;
            outcome.output = outputs[i];
            outcome.reason = note;
        });
    result.cancelled = pool.Cancelled();
    for (ImageOutcome& outcome : result.outcomes)
        if (!outcome.done && outcome.reason.isEmpty())
            outcome.reason
                = QCoreApplication::translate("ImageWork", "Not processed: the job was cancelled.");
    if (progress)
        progress->End(!result.cancelled);
    result.message = FinishMessage(result);
    return result;
}

ImageJobResult RunRawJob(const RawJob& job, QWidget* parent)
{
    return RunBehindDialog(job, parent, [](const RawJob& j, kvkernel::KvProgress* p) {
        ImageJobResult result = RunRawJob(j, p);
        // A refused job never started the progress; the dialog still waits for its end.
        if (result.refused)
            p->End(false);
        return result;
    });
}

} // namespace kvhost
