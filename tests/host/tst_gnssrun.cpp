#include "host/gnssrun.h"
#include "hosttest.h"
#include "kvgps/gpshelper.h"
#include "modalanswer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

using hosttest::StubProgress;

const double kRoverXyz[3] = {-3978242.4348, 3382841.1715, 3649902.7667};
const double kBaseXyz[3] = {-3976219.5082, 3382372.5671, 3652512.9849};

// Horizontal and vertical distance of a solution from an earth-centred point.
void Offsets(const GnssResult& r, const double* xyz, double& horizontal, double& vertical)
{
    double llh[3];
    kvgps::GPSHelper::ECEF2LL(xyz, llh);
    const double north = (r.meanLatitude - llh[1]) * 111000.0;
    const double east = (r.meanLongitude - llh[0]) * 111000.0 * std::cos(llh[1] * M_PI / 180.0);
    horizontal = std::hypot(north, east);
    vertical = std::fabs(r.meanHeight - llh[2]);
}

} // namespace

class TestGnssRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("kvui-test"));
        QVERIFY(m_dir.isValid());
        m_data = m_dir.filePath(QStringLiteral("观测 数据"));
        QVERIFY(QDir().mkpath(m_data));
        for (const char* name : {"30400920.05o", "30400920.05n", "07590920.05o", "07590920.05n"})
            QVERIFY(QFile::copy(hosttest::Data(QStringLiteral("rinex/") + QLatin1String(name)),
                                QDir(m_data).filePath(QLatin1String(name))));
        if (QStandardPaths::findExecutable(QStringLiteral("rnx2rtkp")).isEmpty())
            QSKIP("rnx2rtkp (package rtklib) is not installed");
    }

    void solvesRealPair_data()
    {
        QTest::addColumn<int>("positioning");
        QTest::addColumn<int>("baseMode");
        QTest::addColumn<int>("navSource");
        QTest::addColumn<double>("tolerance"); // metres, horizontal and vertical
        QTest::addColumn<double>("minFixRatio");
        QTest::newRow("single point") << 0 << 0 << 1 << 30.0 << 0.0;
        QTest::newRow("differential, header base") << 1 << 0 << 0 << 0.5 << 0.9;
        QTest::newRow("differential, entered base") << 1 << 2 << 1 << 0.5 << 0.9;
        QTest::newRow("differential, automatic base") << 1 << 1 << 0 << 30.0 << 0.0;
    }

    void solvesRealPair()
    {
        QFETCH(int, positioning);
        QFETCH(int, baseMode);
        QFETCH(int, navSource);
        QFETCH(double, tolerance);
        QFETCH(double, minFixRatio);
        GnssJob job = Job(QDir(m_data).filePath(QStringLiteral("30400920.05o")));
        job.useBase = positioning == 1;
        job.positioning = positioning;
        job.basePositionMode = baseMode;
        job.navSource = navSource;
        if (baseMode == 2) {
            double llh[3];
            kvgps::GPSHelper::ECEF2LL(kBaseXyz, llh);
            job.baseLongitude = llh[0];
            job.baseLatitude = llh[1];
            job.baseHeight = llh[2];
        }
        StubProgress progress;
        const GnssResult result = GnssRun::Run(job, &progress);
        QCOMPARE(result.message, QString());
        QCOMPARE(result.outcome, GnssResult::Solved);
        QCOMPARE(progress.last, progress.total);
        // An hour at 30 s.
        QVERIFY2(result.epochs >= 100 && result.epochs <= 120,
                 qPrintable(QString::number(result.epochs)));
        QVERIFY2(result.fixRatio >= minFixRatio, qPrintable(QString::number(result.fixRatio)));
        // The station's header position is a survey value: a differential fix
        // against the base's header position lands on it.
        double horizontal = 0, vertical = 0;
        Offsets(result, kRoverXyz, horizontal, vertical);
        QVERIFY2(horizontal < tolerance && vertical < tolerance,
                 qPrintable(QStringLiteral("%1 m, %2 m").arg(horizontal).arg(vertical)));
    }

    void refusesBadObservations_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("keepNavigation");
        QTest::addColumn<QString>("message"); // part of the message; empty: solved
        const QByteArray text = hosttest::Bytes(hosttest::Data("rinex/30400920.05o"));
        const int header = text.indexOf("END OF HEADER");
        QByteArray binary(4096, Qt::Uninitialized);
        for (char& c : binary)
            c = char(QRandomGenerator::global()->generate());
        QTest::newRow("binary") << binary << true << QStringLiteral("not a RINEX observation file");
        QTest::newRow("header cut")
            << text.left(header - 100) << true << QStringLiteral("header of");
        QTest::newRow("header only")
            << text.left(header + 14) << true << QStringLiteral("holds no observations");
        // Cut in the middle of an epoch's record: the epochs before it still solve.
        QTest::newRow("data cut") << text.left(text.size() / 3 + 17) << true << QString();
        QTest::newRow("no navigation") << text << false << QStringLiteral("No navigation file");
    }

    void refusesBadObservations()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, keepNavigation);
        QFETCH(QString, message);
        const QString folder = m_dir.filePath(QStringLiteral("坏/") + QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        const QString rover = QDir(folder).filePath(QStringLiteral("rover.05o"));
        QVERIFY(hosttest::WriteFile(rover, content));
        if (keepNavigation)
            QVERIFY(QFile::copy(QDir(m_data).filePath(QStringLiteral("30400920.05n")),
                                QDir(folder).filePath(QStringLiteral("rover.05n"))));
        GnssJob job = Job(rover);
        job.outputDir = QDir(folder).filePath(QStringLiteral("out"));
        StubProgress progress;
        const GnssResult result = GnssRun::Run(job, &progress);
        QCOMPARE(progress.ends, 1);
        if (message.isEmpty()) {
            QCOMPARE(result.outcome, GnssResult::Solved);
            QVERIFY(result.epochs > 10 && result.epochs < 60);
        } else {
            QCOMPARE(result.outcome, GnssResult::Failed);
            QVERIFY2(result.message.contains(message), qPrintable(result.message));
            QVERIFY(!QFile::exists(result.solutionPath) || result.solutionPath.isEmpty());
        }
    }

    void cancelKillsSolver()
    {
        GnssJob job = Job(QDir(m_data).filePath(QStringLiteral("30400920.05o")));
        job.useBase = true;
        job.positioning = 1;
        job.outputDir = m_dir.filePath(QStringLiteral("cancelled"));
        StubProgress progress(0);
        const GnssResult result = GnssRun::Run(job, &progress);
        QCOMPARE(result.outcome, GnssResult::Cancelled);
        QCOMPARE(progress.ends, 1);
        QVERIFY(!progress.ended);
        QVERIFY(!QFile::exists(result.solutionPath));
    }

    // Without the solver on PATH the operator is told which package to install.
    void dialogTellsFailure()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.path()));
        kvtest::ModalAnswer answer;
        answer
            .ExpectText(QStringLiteral(
                "The GNSS solver rnx2rtkp was not found. Install the package \"rtklib\"."))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        const GnssResult result = GnssRun::RunWithDialog(
            Job(QDir(m_data).filePath(QStringLiteral("30400920.05o"))), nullptr);
        qputenv("PATH", path);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(result.outcome, GnssResult::Failed);
    }

private:
    GnssJob Job(const QString& rover) const
    {
        GnssJob job;
        job.roverObsPath = rover;
        job.baseObsPath = QDir(m_data).filePath(QStringLiteral("07590920.05o"));
        job.outputDir = m_dir.filePath(QStringLiteral("结果"));
        return job;
    }

    QTemporaryDir m_dir;
    QString m_data; // a folder with a Chinese name holding the real pair
};

QTEST_MAIN(TestGnssRun)
#include "tst_gnssrun.moc"
