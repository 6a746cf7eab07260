#include "host/gnssrun.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/behindprogress.h"
#include "host/gnssrunprocess.h"
#include "kvkernel/kvprogress.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace {

const char* const kContext = "GnssRun";
// The progress caption, a local-code-page text translated like the library's.
const char* const kSolving = QT_TRANSLATE_NOOP("kvui", "GNSS解算中……");
// The progress counts thousandths of the observation span.
constexpr int kSteps = 1000;

QString Tr(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// The first and last epoch of an observation file, seconds since the epoch
// of QDateTime; also tells a RINEX observation file from anything else.
struct ObservationSpan
{
    QString error;
    double first = 0.0;
    double last = 0.0;
    int epochs = 0;
};

double EpochSeconds(int year, int month, int day, int hour, int minute, double second)
{
    const QDateTime time(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
    if (!time.isValid())
        return -1.0;
    return double(time.toSecsSinceEpoch()) + second;
}

ObservationSpan ScanObservations(const QString& path)
{
    ObservationSpan span;
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        span.error
            = Tr(QT_TRANSLATE_NOOP("GnssRun", "Cannot open the observation file %1.")).arg(name);
        return span;
    }
    const QByteArray first = file.readLine(1024);
    if (first.size() < 61 || !first.mid(60).startsWith("RINEX VERSION / TYPE")
        || first.at(20) != 'O') {
        span.error
            = Tr(QT_TRANSLATE_NOOP("GnssRun", "%1 is not a RINEX observation file.")).arg(name);
        return span;
    }
    const bool version3 = first.left(9).trimmed().toDouble() >= 3.0;
    bool headerEnd = false;
    for (int lines = 0; !file.atEnd() && lines < 2000; ++lines) {
        if (file.readLine(1024).contains("END OF HEADER")) {
            headerEnd = true;
            break;
        }
    }
    if (!headerEnd) {
        span.error = Tr(QT_TRANSLATE_NOOP("GnssRun", "The header of %1 is incomplete.")).arg(name);
        return span;
    }
    static const QRegularExpression epoch2(
        QStringLiteral("^ ([ \\d]\\d) ([ \\d]\\d) ([ \\d]\\d) ([ \\d]\\d) ([ \\d]\\d)([ "
                       "\\d]{3}\\.\\d{7})  ([0-6])"));
    static const QRegularExpression epoch3(
        QStringLiteral("^> (\\d{4}) ([ \\d]\\d) ([ \\d]\\d) ([ \\d]\\d) ([ \\d]\\d)([ "
                       "\\d]{3}\\.\\d{7})  ([0-6])"));
    const QRegularExpression& pattern = version3 ? epoch3 : epoch2;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096);
        if (line.size() < 29 || (version3 ? line.at(0) != '>' : line.at(0) != ' '))
            continue;
        const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(line));
        if (!match.hasMatch() || match.captured(7).toInt() > 1)
            continue;
        int year = match.captured(1).trimmed().toInt();
        if (!version3)
            year += year < 80 ? 2000 : 1900;
        const double t = EpochSeconds(
            year, match.captured(2).trimmed().toInt(), match.captured(3).trimmed().toInt(),
            match.captured(4).trimmed().toInt(), match.captured(5).trimmed().toInt(),
            match.captured(6).trimmed().toDouble());
        if (t < 0)
            continue;
        if (span.epochs == 0 || t < span.first)
            span.first = t;
        if (span.epochs == 0 || t > span.last)
            span.last = t;
        ++span.epochs;
    }
    if (span.epochs == 0)
        span.error = Tr(QT_TRANSLATE_NOOP("GnssRun", "%1 holds no observations.")).arg(name);
    return span;
}

// Navigation files beside an observation file, by the RINEX naming rules:
// "ssssdddf.yyO" has "ssssdddf.yyN" (GPS), ".yyG" (GLONASS) and ".yyP" (mixed);
// a long name "..._MO.rnx" has "..._MN.rnx" and the single-system "_GN", "_RN",
// "_CN".
QStringList NavigationFiles(const QString& observation)
{
    QStringList names;
    const QFileInfo info(observation);
    const QString file = info.fileName();
    if (file.endsWith(QLatin1Char('o')) || file.endsWith(QLatin1Char('O'))) {
        const bool lower = file.endsWith(QLatin1Char('o'));
        for (const char* kind : {"n", "g", "p"}) {
            const QString k = QString::fromLatin1(kind);
            names << file.left(file.size() - 1) + (lower ? k : k.toUpper());
        }
    }
    const int mo = file.lastIndexOf(QLatin1String("_MO."), -1, Qt::CaseInsensitive);
    if (mo >= 0) {
        for (const char* kind : {"_MN.", "_GN.", "_RN.", "_CN."})
            names << file.left(mo) + QString::fromLatin1(kind) + file.mid(mo + 4);
    }
    QStringList found;
    for (const QString& name : names) {
        const QString path = info.dir().filePath(name);
        if (QFileInfo(path).isFile())
            found << path;
    }
    return found;
}

QString Number(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

GnssResult Fail(GnssResult result, const QString& message, kvkernel::KvProgress* progress)
{
    result.outcome = GnssResult::Failed;
    result.message = message;
    if (progress)
        progress->End(false);
    return result;
}

} // namespace

QByteArray GnssRun::ConfigText(const GnssJob& job, const double* basePosition)
{
    const bool differential = job.useBase && job.positioning == 1;
    QStringList lines;
    auto set = [&lines](const char* key, const QString& value) {
        lines << QStringLiteral("%1=%2").arg(QString::fromLatin1(key).leftJustified(19), value);
    };
    set("pos1-posmode", differential ? QStringLiteral("kinematic") : QStringLiteral("single"));
    set("pos1-frequency", differential ? QStringLiteral("l1+2") : QStringLiteral("l1"));
    set("pos1-soltype", QStringLiteral("forward"));
    set("pos1-elmask", QStringLiteral("15"));
    // The solver counts the systems with the same bits as the parameter
    // record: 1 GPS, 2 SBAS, 4 GLONASS, 8 Galileo, 16 QZSS, 32 BeiDou.
    set("pos1-navsys", QString::number(job.gnssSystems & 0x3f));
    set("pos2-armode", QStringLiteral("continuous"));
    set("out-solformat", QStringLiteral("llh"));
    set("out-outhead", QStringLiteral("on"));
    set("out-timesys", QStringLiteral("gpst"));
    set("ant1-antdelu", Number(job.antennaHeight, 4));
    if (differential) {
        if (job.basePositionMode == 1) {
            // The mean of the base's own single-point solutions.
            set("ant2-postype", QStringLiteral("single"));
        } else if (job.basePositionMode == 2) {
            set("ant2-postype", QStringLiteral("llh"));
            set("ant2-pos1", Number(job.baseLatitude, 9));
            set("ant2-pos2", Number(job.baseLongitude, 9));
            set("ant2-pos3", Number(job.baseHeight, 4));
        } else {
            set("ant2-postype", QStringLiteral("xyz"));
            for (int i = 0; i < 3; ++i) {
                const QByteArray key = "ant2-pos" + QByteArray::number(i + 1);
                set(key.constData(), Number(basePosition ? basePosition[i] : 0.0, 4));
            }
        }
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1();
}

bool GnssRun::HeaderPosition(const QString& path, double* xyz)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    for (int i = 0; i < 64 && !file.atEnd(); ++i) {
        const QByteArray line = file.readLine(1024);
        if (line.contains("END OF HEADER"))
            return false;
        if (!line.contains("APPROX POSITION XYZ"))
            continue;
        // The three numbers from the line's start, read in the C locale
        // whatever the operator's is (sscanf would follow it).
        const QList<QByteArray> fields = line.left(60).simplified().split(' ');
        bool ok[3] = {};
        for (int k = 0; k < 3; ++k)
            xyz[k] = k < fields.size() ? fields.at(k).toDouble(&ok[k]) : 0.0;
        if (!ok[0] || !ok[1] || !ok[2])
            return false;
        return std::fabs(xyz[0]) > 1e-6 || std::fabs(xyz[1]) > 1e-6 || std::fabs(xyz[2]) > 1e-6;
    }
    return false;
}

bool GnssRun::ReadSolution(const QString& path, GnssResult& result)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    int epochs = 0;
    int fixed = 0;
    double lat = 0.0, lon = 0.0, height = 0.0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.isEmpty() || line.startsWith('%'))
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6)
            continue;
        bool ok[4] = {};
        const double b = fields.at(2).toDouble(&ok[0]);
        const double l = fields.at(3).toDouble(&ok[1]);
        const double h = fields.at(4).toDouble(&ok[2]);
        const int q = fields.at(5).toInt(&ok[3]);
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || std::fabs(b) > 90.0 || std::fabs(l) > 180.0)
            continue;
        ++epochs;
        fixed += q == 1;
        lat += b;
        lon += l;
        height += h;
    }
    if (epochs == 0)
        return false;
    result.epochs = epochs;
    result.fixed = fixed;
    result.fixRatio = double(fixed) / epochs;
    result.meanLatitude = lat / epochs;
    result.meanLongitude = lon / epochs;
    result.meanHeight = height / epochs;
    return true;
}

GnssResult GnssRun::Run(const GnssJob& job, kvkernel::KvProgress* progress)
{
    GnssResult result;
    if (progress)
        progress->Start(kSolving, kSteps);

    const QString program = ToolProcess::Find(job.program);
    if (program.isEmpty())
        return Fail(
            result,
            Tr(QT_TRANSLATE_NOOP(
                   "GnssRun", "The GNSS solver %1 was not found. Install the package \"rtklib\"."))
                .arg(job.program),
            progress);

    const bool differential = job.useBase && job.positioning == 1;
    const ObservationSpan rover = ScanObservations(job.roverObsPath);
    if (!rover.error.isEmpty())
        return Fail(result, rover.error, progress);
    double basePosition[3] = {0.0, 0.0, 0.0};
    if (differential) {
        const ObservationSpan base = ScanObservations(job.baseObsPath);
        if (!base.error.isEmpty())
            return Fail(result, base.error, progress);
        if (job.basePositionMode == 0 && !HeaderPosition(job.baseObsPath, basePosition))
            return Fail(result,
                        Tr(QT_TRANSLATE_NOOP("GnssRun",
                                             "The header of the base file %1 holds no position."))
                            .arg(QDir::toNativeSeparators(job.baseObsPath)),
                        progress);
    }

    // Navigation data from the chosen receiver, else from the other one.
    const QString preferred
        = differential && job.navSource == 0 ? job.baseObsPath : job.roverObsPath;
    QStringList navigation = NavigationFiles(preferred);
    if (navigation.isEmpty() && differential)
        navigation
            = NavigationFiles(preferred == job.roverObsPath ? job.baseObsPath : job.roverObsPath);
    if (navigation.isEmpty())
        return Fail(result,
                    Tr(QT_TRANSLATE_NOOP("GnssRun", "No navigation file was found beside %1."))
                        .arg(QDir::toNativeSeparators(preferred)),
                    progress);

    QDir out(job.outputDir);
    if (job.outputDir.isEmpty() || !out.mkpath(QStringLiteral(".")))
        return Fail(result,
                    Tr(QT_TRANSLATE_NOOP("GnssRun", "The result folder %1 cannot be created."))
                        .arg(QDir::toNativeSeparators(job.outputDir)),
                    progress);
    const QString stem = QFileInfo(job.roverObsPath).completeBaseName();
    result.configPath = out.filePath(stem + QStringLiteral(".conf"));
    result.solutionPath = out.filePath(stem + QStringLiteral(".pos"));
    QSaveFile config(result.configPath);
    if (!config.open(QIODevice::WriteOnly) || config.write(ConfigText(job, basePosition)) < 0
        || !config.commit())
        return Fail(result,
                    Tr(QT_TRANSLATE_NOOP("GnssRun", "The result folder %1 cannot be written."))
                        .arg(QDir::toNativeSeparators(job.outputDir)),
                    progress);
    // A solution left from an earlier run must not pass for this one's.
    QFile::remove(result.solutionPath);

    QStringList arguments {QStringLiteral("-k"), result.configPath, QStringLiteral("-o"),
                           result.solutionPath, job.roverObsPath};
    if (differential)
        arguments << job.baseObsPath;
    arguments << navigation;

    // The solver reports "processing : yyyy/mm/dd hh:mm:ss Q=n" as it goes.
    static const QRegularExpression processing(
        QStringLiteral("processing : (\\d{4})/(\\d\\d)/(\\d\\d) (\\d\\d):(\\d\\d):(\\d\\d)"));
    const double spanSeconds = std::max(1.0, rover.last - rover.first);
    int step = 0;
    const std::string message = QString2String(QFileInfo(job.roverObsPath).fileName());
    const ToolProcess::Outcome outcome = ToolProcess::Run(
        program, arguments, job.outputDir, progress, message, &step, [&](const QByteArray& output) {
            QRegularExpressionMatchIterator it
                = processing.globalMatch(QString::fromLatin1(output));
            QRegularExpressionMatch last;
            while (it.hasNext())
                last = it.next();
            if (last.hasMatch()) {
                const double t
                    = EpochSeconds(last.captured(1).toInt(), last.captured(2).toInt(),
                                   last.captured(3).toInt(), last.captured(4).toInt(),
                                   last.captured(5).toInt(), last.captured(6).toDouble());
                step = std::clamp(int((t - rover.first) / spanSeconds * kSteps), 0, kSteps - 1);
            }
            return true;
        });
    if (!outcome.started)
        return Fail(result,
                    Tr(QT_TRANSLATE_NOOP("GnssRun", "The GNSS solver %1 could not be started."))
                        .arg(program),
                    progress);
    if (outcome.cancelled) {
        QFile::remove(result.solutionPath);
        result.outcome = GnssResult::Cancelled;
        if (progress)
            progress->End(false);
        return result;
    }
    if (outcome.crashed || outcome.exitCode != 0)
        return Fail(result,
                    Tr(QT_TRANSLATE_NOOP("GnssRun", "The GNSS solver failed: %1"))
                        .arg(QString::fromLocal8Bit(outcome.errorTail)),
                    progress);
    if (!ReadSolution(result.solutionPath, result))
        return Fail(
            result,
            Tr(QT_TRANSLATE_NOOP("GnssRun",
                                 "The GNSS solver found no solution. Check the observation and "
                                 "navigation files and the chosen satellite systems.")),
            progress);
    result.outcome = GnssResult::Solved;
    if (progress) {
        progress->SetInformation(message, kSteps);
        progress->End(true);
    }
    return result;
}

GnssResult GnssRun::RunWithDialog(const GnssJob& job, QWidget* parent)
{
    const GnssResult result = kvhost::RunBehindProgress(
        parent, [&job](kvkernel::KvProgress* progress) { return Run(job, progress); });
    if (result.outcome == GnssResult::Failed)
        KvMessageBox::Show(QString2String(result.message), KvMessageBox::BT_OK);
    return result;
}
