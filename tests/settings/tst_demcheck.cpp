#include "kvalgorithm/kvalgo.h"
#include "modalanswer.h"
#include "settings/demcheckdialog.h"
#include "writefaults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

const QString kDem = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/dem/");
const QString kPos = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/pos/");
constexpr double kNone = kvalgo::KvAlgo::kNoDifference;

// Centre of cell (50, 40) of storml_elev.tif, which holds 2520; the cells
// right of and below it hold 2524, 2522 and 2525 (gdallocationinfo -valonly).
constexpr double kStormE = 324991.071970863;
constexpr double kStormN = 5103866.983031380;

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QAbstractItemModel* Table(DemCheckWidget& widget)
{
    return widget.findChild<QTableView*>(QStringLiteral("dcw_table_"))->model();
}

QString Cell(DemCheckWidget& widget, int row, int column)
{
    return Table(widget)->index(row, column).data().toString();
}

} // namespace

class TestDemCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(m_temp.isValid());
    }

    // Heights read independently: cell values by gdallocationinfo, the
    // Surfer nodes (x 0..30, y 20..0 by 10) of the three kinds of the same
    // grid being 1 3 blank 1 / 2 3 3 1 / 0 1 1 2 from the top row.
    void sample_data()
    {
        QTest::addColumn<QString>("dem");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("system");
        QTest::addColumn<double>("expected"); // DEM height, or kNone
        QTest::newRow("GeoTIFF cell centre")
            << "storml_elev.tif" << kStormE << kStormN << "" << 2520.0;
        QTest::newRow("GeoTIFF between four centres")
            << "storml_elev.tif" << kStormE + 15 << kStormN - 15 << "" << 2522.75;
        QTest::newRow("GeoTIFF outside") << "storml_elev.tif" << 300000.0 << kStormN << "" << kNone;
        QTest::newRow("WGS84 points, system given")
            << "storml_elev.tif" << -113.262865658724 << 46.0659729861912 << "EPSG:4326" << 2520.0;
        QTest::newRow("WGS84 points, system guessed")
            << "storml_elev.tif" << -113.262865658724 << 46.0659729861912 << "" << 2520.0;
        QTest::newRow("Surfer ASCII node")
            << "gsg_ascii.grd" << 441050.0 << 3750870.0 << "" << 123.0;
        for (const char* grid :
             {"sample-1-surfer6.grd", "sample1.binary.grd", "sample1.surfer7.grd"}) {
            const auto row = [grid](const char* what, double x, double y, double expected) {
                QTest::addRow("%s %s", grid, what) << grid << x << y << "" << expected;
            };
            row("node", 0, 0, 0.0);
            row("between 3 3 1 1", 15, 5, 2.0);
            row("between 1 3 2 3", 5, 15, 2.25);
            row("next to the blank", 25, 15, kNone);
            row("inside the half cell at the edge", -4, 0, 0.0);
            row("outside", 36, 0, kNone);
        }
    }

    void sample()
    {
        QFETCH(QString, dem);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, system);
        QFETCH(double, expected);
        std::vector<double> dz;
        kvalgo::DemCheckInfo info;
        QVERIFY(kvalgo::KvAlgo::DEMCheck((kDem + dem).toStdString(), {{x, y, 10.0}}, dz,
                                         system.toStdString(), &info));
        QCOMPARE(dz.size(), std::size_t(1));
        if (expected == kNone) {
            QCOMPARE(dz[0], kNone);
        } else {
            QVERIFY2(std::fabs(dz[0] - (expected - 10.0)) < 1e-3,
                     qPrintable(QString::number(dz[0])));
        }
        QCOMPARE(info.transformed, x < 0 && y > 40);
    }

    // DEMs that cannot be read, and points that cannot be placed on one:
    // false, every point -9999, and a reason.
    void badDem_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // written to a DEM file; empty: the named file
        QTest::addColumn<QString>("dem");
        QTest::addColumn<QString>("system");
        QTest::addColumn<int>("outcome");
        QFile tiff(kDem + "storml_elev.tif");
        QVERIFY(tiff.open(QIODevice::ReadOnly));
        const QByteArray whole = tiff.readAll();
        const auto row = [](const char* name, const QByteArray& bytes, const char* dem,
                            const char* system, int outcome) {
            QTest::newRow(name) << bytes << QString(dem) << QString(system) << outcome;
        };
        const int notARaster = kvalgo::DemCheckInfo::NotARaster;
        row("missing", QByteArray(), "no such.tif", "", notARaster);
        row("text", "ID X Y Z\nP1 1 2 3\n", "dem.tif", "", notARaster);
        row("empty", "", "empty.grd", "", notARaster);
        row("truncated GeoTIFF", whole.left(400), "cut.tif", "", notARaster);
        row("NUL bytes", QByteArray(4096, '\0'), "zeros.tif", "", notARaster);
        row("unknown point system", QByteArray(), "storml_elev.tif", "no such system",
            kvalgo::DemCheckInfo::NoTransform);
    }

    void badDem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, dem);
        QFETCH(QString, system);
        QFETCH(int, outcome);
        QString path = kDem + dem;
        if (!bytes.isNull()) {
            path = m_temp.filePath(dem);
            QVERIFY(WriteFile(path, bytes));
        }
        std::vector<double> dz {1.0};
        kvalgo::DemCheckInfo info;
        QVERIFY(!kvalgo::KvAlgo::DEMCheck(path.toStdString(), {{kStormE, kStormN, 0}, {1, 2, 3}},
                                          dz, system.toStdString(), &info));
        QCOMPARE(int(info.outcome), outcome);
        QVERIFY(!info.message.empty());
        QCOMPARE(dz, std::vector<double>(2, kNone));
    }

    // A DEM without a coordinate system takes the points as they are, and
    // says so; a Chinese path is read like any other.
    void systemlessAndChinesePath()
    {
        std::vector<double> dz;
        kvalgo::DemCheckInfo info;
        QVERIFY(kvalgo::KvAlgo::DEMCheck((kDem + "sample1.surfer7.grd").toStdString(), {{0, 0, 0}},
                                         dz, "EPSG:4326", &info));
        QCOMPARE(dz, std::vector<double> {0.0});
        QVERIFY(!info.transformed);
        QVERIFY(!info.message.empty());

        const QString chinese = m_temp.filePath(QStringLiteral("高程 模型.tif"));
        QVERIFY(QFile::copy(kDem + "storml_elev.tif", chinese));
        QVERIFY(kvalgo::KvAlgo::DEMCheck(chinese.toLocal8Bit().toStdString(),
                                         {{kStormE, kStormN, 2500}}, dz));
        QCOMPARE(dz, std::vector<double> {20.0});
    }

    // Check-file lines: fields split at runs of tabs, blanks, commas and
    // semicolons; short lines, lines with NUL bytes and junk are skipped.
    void checkFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("points"); // "id x y z" with three decimals
        QTest::newRow("three separators")
            << QByteArray("P1,100.5;200.25 30\n") << QStringList {"P1 100.500 200.250 30.000"};
        QTest::newRow("3 and 6 tokens")
            << QByteArray("A 1 2\nB 1 2 3 4 5\n") << QStringList {"B 1.000 2.000 3.000"};
        QTest::newRow("runs of separators, CRLF")
            << QByteArray("  C1 \t 1.5 ,, 2.5 ;; 3.5 \r\n\r\n")
            << QStringList {"C1 1.500 2.500 3.500"};
        QTest::newRow("junk and no numbers")
            << QByteArray("#!@ garbage\nID X Y Z\n\xff\xfe\x01 ?\nD 1e3 x 7\n")
            << QStringList {"ID 0.000 0.000 0.000", "D 1000.000 0.000 7.000"};
        QTest::newRow("NUL bytes") << QByteArray("E 1 2 3\nF\0 4 5 6\nG 7 8 9", 24)
                                   << QStringList {"E 1.000 2.000 3.000", "G 7.000 8.000 9.000"};
        QTest::newRow("Chinese id") << QByteArray("检查点1 1 2 3\n")
                                    << QStringList {QStringLiteral("检查点1 1.000 2.000 3.000")};
        QTest::newRow("empty") << QByteArray() << QStringList();
    }

    void checkFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, points);
        const QString path = m_temp.filePath(QStringLiteral("检查 文件.txt"));
        QVERIFY(WriteFile(path, text));
        DemCheckWidget widget;
        QVERIFY(widget.LoadCheckFile(path));
        QStringList shown;
        for (int row = 0; row < Table(widget)->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << Cell(widget, row, column);
            shown << cells.join(' ');
        }
        QCOMPARE(shown, points);

        // A file that cannot be read keeps the points.
        QVERIFY(!widget.LoadCheckFile(m_temp.filePath("missing.txt")));
        QCOMPARE(Table(widget)->rowCount(), points.size());
    }

    // The real control points (aerial camera stations, name X Y Z omega phi
    // kappa, Lo25) against their own DEM, through the dialog; heights by
    // bilinear interpolation of the four cells gdallocationinfo reads.
    void realControlPoints()
    {
        DemCheckWidget widget;
        widget.SetDemFile(kDem + "ngi_dem.tif");
        QVERIFY(widget.LoadCheckFile(kPos + "camera_pos_ori.txt"));
        widget.ClickRun();
        const double expected[4] = {-4934.1515, -5059.8194, -4811.4519, -5057.6565};
        QCOMPARE(widget.Points().size(), std::size_t(4));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(widget.Points()[std::size_t(i)].hasDz);
            QVERIFY(std::fabs(widget.Points()[std::size_t(i)].dz - expected[i]) < 1e-3);
            QCOMPARE(Cell(widget, i, 4), QString::number(expected[i], 'f', 3));
        }
        QCOMPARE(Cell(widget, 0, 0), QStringLiteral("3324c_2015_1004_05_0182_RGB"));

        // Aligned columns of a GCP list (X Y Z px py image id): runs of
        // blanks keep the columns in place, so the first field is X and the
        // fourth the pixel column.
        QVERIFY(widget.LoadCheckFile(kPos + "odm_gcp_list.txt"));
        const auto first = std::find_if(widget.Points().begin(), widget.Points().end(),
                                        [](const auto& p) { return p.id == "274914.738"; });
        QVERIFY(first != widget.Points().end());
        QCOMPARE(first->x, 4603349.014);
        QCOMPARE(first->y, 400.0);
        QCOMPARE(first->z, 1229.676);

        // Longitude and latitude in California against a Montana UTM DEM:
        // taken as WGS84, moved into UTM and found outside. The one-field
        // "EPSG:4326" line is no point.
        QVERIFY(widget.LoadCheckFile(kPos + "gcp_list_noimg.txt"));
        QCOMPARE(widget.Points().size(), std::size_t(10));
        QCOMPARE(widget.Points()[0].x, -119.879992097);
        widget.SetDemFile(kDem + "storml_elev.tif");
        widget.ClickRun();
        QCOMPARE(Cell(widget, 0, 4), QString());
    }

    // Run without both paths does nothing; a point off the DEM keeps an
    // empty DZ and no DZ column in the report; a report saved before Run has
    // four columns; a DEM that is no raster is told.
    void runAndReport()
    {
        const QString check = m_temp.filePath("points.txt");
        QVERIFY(WriteFile(check,
                          QByteArray("IN 324991.071970863 5103866.98303138 2519.5\n"
                                     "OUT 1 2 3\n")));
        DemCheckWidget widget;
        QVERIFY(widget.LoadCheckFile(check));
        widget.ClickRun();
        QVERIFY(!widget.Points()[0].hasDz);

        const QString before = m_temp.filePath(QStringLiteral("报告 before.txt"));
        QVERIFY(kvtest::ClickAndChooseFile(&widget, "dcw_save_", before));
        QFile report(before);
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.readAll(),
                 QByteArray("ID\tX\tY\tZ\tDZ\n"
                            "IN\t324991.072\t5103866.983\t2519.500\n"
                            "OUT\t1.000\t2.000\t3.000\n"));

        widget.SetDemFile(kDem + "storml_elev.tif");
        widget.ClickRun();
        QCOMPARE(Cell(widget, 0, 4), QStringLiteral("0.500"));
        QCOMPARE(Cell(widget, 1, 4), QString());
        QVERIFY(widget.WriteReport(before));
        report.close();
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(report.readAll().contains("2519.500\t0.500\nOUT\t1.000\t2.000\t3.000\n"));

        widget.SetDemFile(check);
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("DEM文件无法读取！")).Click("kvsb_ok_btn_").Arm();
        widget.ClickRun();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(widget.Points()[0].hasDz);
    }

    // A report folder that takes no file: the operator is told, and the
    // report already there stays whole.
    void readOnlyReportFolder()
    {
        const QString folder = m_temp.filePath(QStringLiteral("只读"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/report.txt";
        QVERIFY(WriteFile(path, "old"));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        // Root writes into any folder: the writes fail as on a read-only disk.
        kvtest::WriteFaults faults(kvtest::FaultCall::Any, 1, EROFS, true, folder);
        DemCheckWidget widget;
        widget.LoadCheckFile(kPos + "camera_pos_ori.txt");
        QVERIFY(!widget.WriteReport(path));
        const QList<QStringList> boxes = kvtest::AnswerEveryBox([&] {
            QVERIFY(kvtest::ClickAndChooseFile(&widget, "dcw_save_", folder + "/new.txt"));
        });
        faults.Disarm();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains(QStringLiteral("检查报告保存失败！")));
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QVERIFY(!QFile::exists(folder + "/new.txt"));
    }
};

QTEST_MAIN(TestDemCheck)
#include "tst_demcheck.moc"
