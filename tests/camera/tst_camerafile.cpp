#include "../platform/platformtest.h"
#include "camera/camerafile.h"
#include "kvfd/camerainfo.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

using kvfd::CameraInfo;

namespace {

// A record as "field=value" items; `digits` significant digits for the doubles.
QStringList Fields(const CameraInfo& c, int digits = 17)
{
    const QStringList names = QStringLiteral("name fullname id width height dtype mount_angle "
                                             "ccd_width ccd_height focal pixel_size_x pixel_size_y "
                                             "x0 y0 k1 k2 k3 k4 k5 k6 p1 p2 alpha beta")
                                  .split(' ');
    QStringList out {QString::fromStdString(c.name), QString::fromStdString(c.fullname)};
    for (const int v : {c.id, c.width, c.height, c.dtype, c.mount_angle})
        out << QString::number(v);
    for (const double v : {c.ccd_width, c.ccd_height, c.focal, c.pixel_size_x, c.pixel_size_y, c.x0,
                           c.y0, c.k1, c.k2, c.k3, c.k4, c.k5, c.k6, c.p1, c.p2, c.alpha, c.beta})
        out << QString::number(v, 'g', digits);
    for (int i = 0; i < out.size(); ++i)
        out[i].prepend(names[i] + '=');
    return out;
}

// Every field set, in declaration order (id, name, fullname, width, height, ccd
// size, focal, pixel sizes, x0, y0, dtype, k1..k3, p1, p2, alpha, beta, k4..k6,
// mount_angle). Focal length 1000 px, pixels not square, AUS coefficients of at
// most 10 significant digits, which the XML file keeps.
CameraInfo SampleCamera()
{
    return {42,    u8"相机 X5", "X5 & <4 mm>", 4000,   3000,  16.0,   15.0,  4.0,
            0.004, 0.005,       2000.25,       1500.5, 1,     1e-7,   1e-13, -1.234567891e-20,
            1e-4,  -2.5e-7,     1e-3,          -2e-4,  2e-27, -3e-34, 4e-41, 2};
}

// A caller's record unlike anything a reader produces.
CameraInfo Sentinel()
{
    return {7, "keep", u8"保留", 11, 11, 17, 17, 17, 19, 19, 17, 17,
            6, 29,     29,       29, 29, 29, 29, 29, 29, 29, 29, 1};
}

} // namespace

class TestCameraFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("XML") << "ROUND.XML";
        QTest::newRow("cam, Chinese path") << u8"相机 文件/相机 2.cam";
    }

    void roundTrip()
    {
        QFETCH(QString, name);
        const QString path = Path(name);
        CameraInfo camera = SampleCamera();
        camera.dtype = 3; // kept by the XML file, 1 after the binary file
        QVERIFY(ExportCameraFile(camera, path));
        CameraInfo read = Sentinel();
        QVERIFY(ImportCameraFile(read, path));

        CameraInfo expected = camera;
        if (name.endsWith(".xml", Qt::CaseInsensitive)) {
            std::tie(expected.id, expected.mount_angle) = std::make_tuple(-1, 0);
            QCOMPARE(Fields(read), Fields(expected));
            return;
        }
        QCOMPARE(QFileInfo(path).size(), qint64(kvui::kCameraBlockSize));
        // The block holds neither names nor id nor mounting angle, and one pixel size.
        const CameraInfo c = Sentinel();
        std::tie(expected.id, expected.name, expected.fullname, expected.mount_angle,
                 expected.dtype)
            = std::make_tuple(c.id, c.name, c.fullname, c.mount_angle, 1);
        expected.pixel_size_y = camera.pixel_size_x;
        expected.ccd_height = camera.height * camera.pixel_size_x;
        QCOMPARE(Fields(read, 12), Fields(expected, 12));
    }

    void xmlContent_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("changed"); // the fields unlike a default record
        // Read into a fisheye record: no dtype gives 1. A focal length over 200 is in
        // pixels, which is known only once the width is read.
        const QString focal("<CAMERA><focal>%1</focal><width>4000</width><ccd_width>16</ccd_width>"
                            "</CAMERA>");
        const QString read("width=4000 ccd_width=16 focal=%1 pixel_size_x=0.004 pixel_size_y=1");
        QTest::newRow("focal 200.5") << focal.arg(200.5).toUtf8() << read.arg(0.802);
        QTest::newRow("no width") << QByteArray("<CAMERA><ccd_width>16</ccd_width><height>3000"
                                                "</height><ccd_height>15</ccd_height></CAMERA>")
                                  << "height=3000 ccd_width=16 ccd_height=15 pixel_size_x=-16 "
                                     "pixel_size_y=0.005";
        QTest::newRow("repeated tags")
            << QByteArray("<CAMERA><width>100</width><k1>1</k1>"
                          "<width>6000</width><k1>2</k1></CAMERA>")
            << "width=6000 pixel_size_x=-0.000166666666667 pixel_size_y=1 k1=2";
    }

    void xmlContent()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, changed);
        const QStringList defaults = Fields(CameraInfo(), 12);
        const QString path = Path("content.xml");
        QVERIFY(WriteFile(path, xml));
        CameraInfo read = Sentinel();
        QVERIFY(ImportCameraFile(read, path));
        QStringList fields;
        for (const QString& field : Fields(read, 12))
            if (!defaults.contains(field))
                fields << field;
        QCOMPARE(fields.join(' '), changed);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        const QByteArray xml("<?xml version=\"1.0\"?>\n<CAMERA>\n<width>6000</width>\n</CAMERA>\n");
        QTest::newRow("xml, malformed") << "refused.xml" << QByteArray("<CAMERA><width>1</CAMERA>");
        QTest::newRow("xml, truncated") << "refused.xml" << xml.left(xml.size() / 2);
        const QByteArray block = kvui::EncodeCameraBlock(SampleCamera());
        QByteArray marker = block;
        marker[0] = char(0xD6); // the check word still matches: only the marker tells
        QTest::newRow("cam, wrong marker") << "refused.cam" << marker;
        QTest::newRow("no suffix") << "refused" << QByteArray(xml);
    }

    void refused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString path = Path(name);
        QVERIFY(WriteFile(path, content));
        CameraInfo read = Sentinel();
        QVERIFY(!ImportCameraFile(read, path));
        QCOMPARE(Fields(read), Fields(Sentinel()));
    }

    void binaryRefusesEveryChangedByte()
    {
        const QByteArray block = kvui::EncodeCameraBlock(SampleCamera());
        const QString path = Path("damaged.cam");
        for (int offset = 1; offset < kvui::kCameraBlockSize; ++offset) {
            QByteArray damaged = block;
            damaged[offset] = char(damaged[offset] ^ (1 << (offset % 8)));
            QVERIFY(WriteFile(path, damaged));
            CameraInfo read = Sentinel();
            QVERIFY2(!ImportCameraFile(read, path), qPrintable(QString::number(offset)));
            QCOMPARE(Fields(read), Fields(Sentinel()));
        }
        // A block handed over must be exact (a longer file is read for its
        // first block: the fuzz seeds check that).
        CameraInfo read;
        QVERIFY(!kvui::DecodeCameraBlock(block + 'x', read));
    }

    // The lines that carry the camera's values, in each exported format: AUS
    // coefficients in millimetres for the PRJ file (k_i / 0.004^(2i),
    // p / 0.004), in focal lengths of 1000 px for the Opt file (k_i *
    // 1000^(2i), p * 1000); texts escaped in XML.
    void exportedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("prj") << u8"相机 目录/相机.PRJ"
                             << QStringList {u8"  $TYPE : 相机 X5",
                                             "     250.000000\t0.0000000000\t1500.500000",
                                             "     0.0000000000\t-250.000000\t2000.250000",
                                             "  $FOCAL_LENGTH : 4.000000",
                                             "                        0                0.00625  "
                                             "          0.000390625     -3.01408176514e-06",
                                             "                    0.025              -6.25e-05  "
                                             "                    0                     0"};
        QTest::newRow("opt") << u8"相机 目录/相机.Opt"
                             << QStringList {u8"    <Name>相机 X5</Name>",
                                             "    <Description>X5 &amp; &lt;4 mm&gt;</Description>",
                                             "        <K3>-0.0123457</K3>",
                                             "        <P2>-0.00025</P2>",
                                             "    <FocalLengthPixel>1000</FocalLengthPixel>",
                                             "        <Y>1500.5</Y>"};
    }

    void exportedFiles()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        const QString path = Path(name);
        QVERIFY(ExportCameraFile(SampleCamera(), path));
        const QStringList written = QString::fromUtf8(ReadFile(path)).split('\n');
        for (const QString& line : lines)
            QVERIFY2(written.contains(line), qPrintable(line));
    }

    // Nothing is written for another suffix or a camera the file's model cannot hold.
    void refusedExportWritesNoFile()
    {
        CameraInfo fisheye = SampleCamera();
        fisheye.dtype = 6;
        CameraInfo noFocal = SampleCamera();
        noFocal.focal = -1;
        const std::pair<const char*, CameraInfo> cases[] = {{"none/camera.txt", SampleCamera()},
                                                            {"none/camera.prj", fisheye},
                                                            {"none/camera.OPT", noFocal}};
        for (const auto& [name, camera] : cases) {
            QVERIFY2(!ExportCameraFile(camera, Path(name)), name);
            QVERIFY2(!QFileInfo::exists(Path(name)), name);
        }
    }

private:
    // A path in the temporary folder, whose folder is created.
    QString Path(const QString& name) const
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        return path;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCameraFile)
#include "tst_camerafile.moc"
