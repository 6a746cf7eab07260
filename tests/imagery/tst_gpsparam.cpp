#include "imagery/gpsloaddialog.h"
#include "imagery/gpssettingdialog.h"
#include "imagery/rinexheader.h"
#include "imagerytest.h"
#include "kvgps/gpshelper.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cmath>
#include <sys/stat.h>

using namespace imagerytest;
using kvui::RinexHeaderResult;

namespace {

const QString kRinex = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/rinex/");
const char* const kAlac = "ALAC00ESP_R_20220090000_01D_30S_MO.rnx";

std::string Narrow(const QString& path)
{
    return QString2String(path);
}

void Check(QWidget* root, const char* name, bool on)
{
    kvtest::Find<QAbstractButton>(root, name)->setChecked(on);
}

} // namespace

class TestGPSParam : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        m_dir = m_temp.filePath(QStringLiteral("基准站 数据"));
        QVERIFY(QDir().mkpath(m_dir));
    }

    // Every real version's header, and what is no header at all: the result
    // is found, missing or unreadable, never a guess.
    void header_data()
    {
        QTest::addColumn<QString>("file"); // under tests/data/rinex, or made here (data not null)
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("antenna");
        QTest::addColumn<double>("height");
        const int F = int(RinexHeaderResult::Found), M = int(RinexHeaderResult::Missing),
                  U = int(RinexHeaderResult::Unreadable);
        auto row = [](const char* name, const char* file, const QByteArray& data, int position,
                      double x, int antenna, double height) {
            QTest::newRow(name) << file << data << position << x << antenna << height;
        };
        const QByteArray real;
        row("2.10", "30400920.05o", real, F, -3978242.4348, M, 0.0);
        row("2.11 CRLF south", "14601736.18o", real, F, -4647137.5830, F, 2.0);
        row("3.04 antenna first", kAlac, real, F, 5009051.3860, F, 3.035);
        row("navigation", "AMEL00NLD_R_20210010000_01D_MN.rnx", real, M, 0.0, M, 0.0);

        const QByteArray approx = "  4362689.8809  2026647.9686  4174234.2239                  "
                                  "APPROX POSITION XYZ\n";
        QByteArray binary(300000, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((unsigned(i) * 7919u) >> 3);
        row("cut in the record", "cut.22o", approx.left(30) + "APPROX POSITION XYZ", M, 0, M, 0);
        row("zero position", "zero.22o", "  0.0 0.0 0.0   APPROX POSITION XYZ\n", M, 0, M, 0);
        row("after END OF HEADER", "late.22o", QByteArray(60, ' ') + "END OF HEADER\n" + approx, M,
            0, M, 0);
        row("beyond 64 lines", "deep.22o", QByteArray("x\n").repeated(64) + approx, M, 0, M, 0);
        row("binary", "binary.22o", binary, M, 0, M, 0);
        row("empty", "empty.22o", "", M, 0, M, 0);
        row("Chinese path", "站点/观测.22o", approx, F, 4362689.8809, M, 0);
        row("pipe", "pipe.22o", "<fifo>", U, 0, U, 0);
        row("missing", "missing.22o", "<none>", U, 0, U, 0);
    }

    void header()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, data);
        QFETCH(int, position);
        QFETCH(double, x);
        QFETCH(int, antenna);
        QFETCH(double, height);
        QString path = kRinex + file;
        if (!data.isNull()) {
            path = QDir(m_dir).filePath(file);
            if (data == "<fifo>")
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else if (data != "<none>")
                QVERIFY(WriteFile(path, data));
        }
        double xyz[3] = {1.0, 2.0, 3.0};
        QCOMPARE(int(kvui::ReadRinexApproxPosition(Narrow(path), xyz)), position);
        if (position == int(RinexHeaderResult::Found))
            QCOMPARE(xyz[0], x);
        else
            QCOMPARE(xyz[0], 1.0);
        double h = -7.0;
        QCOMPARE(int(kvui::ReadRinexAntennaHeight(Narrow(path), h)), antenna);
        QCOMPARE(h, antenna == int(RinexHeaderResult::Found) ? height : -7.0);
    }

    // Back on the settings page returns to the loading page as it was left,
    // and the rover file's antenna height arrives with the record; finishing
    // hands out the record.
    void wizard()
    {
        kvgps::GPSParam param;
        param.antenna_height = 1.25;
        param.output_dir = "/kept";
        const QString rover = kRinex + QStringLiteral("demo.10o");
        kvtest::ModalAnswer load, settings, again, finish;
        load.Do([&](QWidget* dialog) {
                kvtest::SetText(dialog, QStringLiteral("gpslw_move_obs_"), rover);
                settings.Arm();
            })
            .Click(QStringLiteral("gpslw_ok_"));
        settings.Do([&](QWidget*) { again.Arm(); }).Click(QStringLiteral("gpssw_prev_"));
        again.Do([&](QWidget*) { finish.Arm(); }).Click(QStringLiteral("gpslw_ok_"));
        finish
            .Do([&](QWidget* dialog) {
                kvtest::SetText(dialog, QStringLiteral("gpssw_output_"), QStringLiteral("/结果"));
                Check(dialog, "gpssw_gps_", true);
            })
            .Click(QStringLiteral("gpssw_ok_"));
        load.Arm();
        QVERIFY(ShowGPSDialog(param));
        QVERIFY2(finish.Done(),
                 qPrintable(load.Error() + settings.Error() + again.Error() + finish.Error()));
        QCOMPARE(String2QString(param.rover_obs_path), rover);
        QCOMPARE(param.output_dir, std::string("/结果"));
        QCOMPARE(param.antenna_height, 0.903);
    }

    // A typed base position is compared with the base file's header; within
    // 2 km it passes, beyond it is asked about. Empty fields are refused.
    void loadingPage_data()
    {
        QTest::addColumn<QString>("rover");
        QTest::addColumn<QString>("base"); // empty: "Base" unchecked
        QTest::addColumn<double>("raise"); // metres above the header position; NaN: no text
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("accepted"); // after answering No
        const QString base = kRinex + QStringLiteral("30400920.05o");
        QTest::newRow("no base") << "r.05o" << QString() << 0.0 << QString() << true;
        QTest::newRow("1.5 km") << "r.05o" << base << 1500.0 << QString() << true;
        QTest::newRow("2.5 km") << "r.05o" << base << 2500.0
                                << QStringLiteral("坐标偏差: 2.5km, 是否继续!") << false;
        QTest::newRow("no rover") << " " << base << 0.0 << QStringLiteral("请输入移动站观测数据！")
                                  << false;
        QTest::newRow("no number")
            << "r.05o" << base << double(NAN) << QStringLiteral("请输入基准站坐标！") << false;
    }

    void loadingPage()
    {
        QFETCH(QString, rover);
        QFETCH(QString, base);
        QFETCH(double, raise);
        QFETCH(QString, message);
        QFETCH(bool, accepted);
        GPSLoadWidget page;
        kvtest::SetText(&page, QStringLiteral("gpslw_move_obs_"), rover);
        double llh[3] = {};
        if (!base.isEmpty()) {
            Check(&page, "gpslw_use_base_", true);
            kvtest::SetText(&page, QStringLiteral("gpslw_base_obs_"), base);
            Check(&page, "gpslw_xyz_custom_", true);
            Check(&page, "gpslw_nav_base_", true);
            double xyz[3];
            kvui::ReadRinexApproxPosition(Narrow(base.trimmed()), xyz);
            kvgps::GPSHelper::ECEF2LL(xyz, llh);
            kvtest::SetText(&page, QStringLiteral("gpslw_longitude_"),
                            QString::number(llh[0], 'f', 12));
            kvtest::SetText(&page, QStringLiteral("gpslw_latitude_"),
                            QString::number(llh[1], 'f', 12));
            kvtest::SetText(&page, QStringLiteral("gpslw_height_"),
                            std::isnan(raise) ? QStringLiteral("-")
                                              : QString::number(llh[2] + raise, 'f', 6));
        }
        const QList<QStringList> boxes = kvtest::AnswerEveryBox(
            [&] { page.ClickOK(); },
            message.contains(QStringLiteral("是否")) ? QStringLiteral("kvbw2_cancel_")
                                                     : QStringLiteral("kvsb_ok_btn_"));
        QCOMPARE(boxes.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(boxes[0].contains(message), qPrintable(boxes[0].join('|')));
        const kvgps::GPSParam param = page.GetGPSParam();
        QCOMPARE(!param.rover_obs_path.empty(), accepted);
        if (!accepted)
            return;
        QCOMPARE(param.use_base, base.isEmpty() ? 0 : 1);
        if (!base.isEmpty())
            QVERIFY(std::fabs(param.base_height - (llh[2] + raise)) < 1e-6);
    }
};

QTEST_MAIN(TestGPSParam)
#include "tst_gpsparam.moc"
