#include "camera/camerafile.h"
#include "kvfd/camerainfo.h"
#include "modalanswer.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>

using kvfd::CameraInfo;

Q_DECLARE_METATYPE(kvfd::CameraInfo)

namespace {

QString Dump(const CameraInfo& c)
{
    const auto d = [](double v) { return QString::number(v, 'g', 17); };
    return QStringList {QString::number(c.id),
                        QString::fromStdString(c.name),
                        QString::fromStdString(c.fullname),
                        QString::number(c.width),
                        QString::number(c.height),
                        d(c.ccd_width),
                        d(c.ccd_height),
                        d(c.focal),
                        d(c.pixel_size_x),
                        d(c.pixel_size_y),
                        d(c.x0),
                        d(c.y0),
                        QString::number(c.dtype),
                        d(c.k1),
                        d(c.k2),
                        d(c.k3),
                        d(c.p1),
                        d(c.p2),
                        d(c.alpha),
                        d(c.beta),
                        d(c.k4),
                        d(c.k5),
                        d(c.k6),
                        QString::number(c.mount_angle)}
        .join(QLatin1Char('|'));
}

// Every field set, coefficients of 10 significant digits at most so that the
// camera XML file keeps them exactly.
CameraInfo SampleCamera(int dtype = 3)
{
    CameraInfo c;
    c.id = 42;
    c.name = u8"相机 X5";
    c.fullname = u8"Varnel X5 & <24 mm>";
    c.width = 6000;
    c.height = 4000;
    c.ccd_width = 23.5;
    c.ccd_height = 15.6;
    c.focal = 24.5;
    c.pixel_size_x = c.ccd_width / c.width;
    c.pixel_size_y = c.ccd_height / c.height;
    c.x0 = 3012.25;
    c.y0 = 1987.5;
    c.dtype = dtype;
    c.k1 = -0.1234567891;
    c.k2 = 0.05;
    c.k3 = 1.234567891e-5;
    c.p1 = 0.0;
    c.p2 = -2.5e-7;
    c.alpha = 3e-5;
    c.beta = -0.000123;
    c.k4 = 1234567.891;
    c.k5 = 1e-20;
    c.k6 = -7.0;
    c.mount_angle = 2;
    return c;
}

// A caller's record unlike anything a reader produces.
CameraInfo Sentinel()
{
    CameraInfo c;
    c.id = 7;
    c.name = "keep";
    c.fullname = u8"保留";
    c.width = 11;
    c.height = 13;
    c.ccd_width = c.ccd_height = c.focal = 17.0;
    c.pixel_size_x = c.pixel_size_y = 19.0;
    c.x0 = c.y0 = 23.0;
    c.dtype = 6;
    c.k1 = c.k2 = c.k3 = c.k4 = c.k5 = c.k6 = 29.0;
    c.p1 = c.p2 = c.alpha = c.beta = 31.0;
    c.mount_angle = 1;
    return c;
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The lines of a text file, without the final line break (which must be there).
QStringList ReadLines(const QString& path)
{
    QString text = QString::fromUtf8(ReadBytes(path));
    if (!text.endsWith(QLatin1Char('\n')))
        return {QStringLiteral("<no final line break>")};
    text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QByteArray Masked(QByteArray block)
{
    for (int i = 1; i < block.size(); ++i)
        block[i] = char(block[i] ^ block[0]);
    return block;
}

// The binary block of a camera, built from the file layout independently of
// the library: little-endian fields, check word, then the mask.
QByteArray LayoutBlock(const CameraInfo& c, quint8 marker = 0xD7)
{
    QByteArray plain;
    QDataStream s(&plain, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.setFloatingPointPrecision(QDataStream::DoublePrecision);
    s << marker << quint8(1) << quint8(0) << quint8(0) << qint32(c.width) << qint32(c.height)
      << c.focal / c.pixel_size_x << c.pixel_size_x * 1000.0 << c.x0 << c.y0 << c.k1 << c.k2 << c.k3
      << c.k4 << c.k5 << c.k6 << c.p1 << c.p2 << c.alpha << c.beta;
    quint32 check = 0;
    for (int offset = 0; offset < 124; offset += 4)
        check ^= qFromLittleEndian<quint32>(plain.constData() + offset);
    s << check;
    return Masked(plain);
}

bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

QString Blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

} // namespace

class TestCameraFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void xmlRoundTrip_data();
    void xmlRoundTrip();
    void xmlText();
    void xmlFocalRule_data();
    void xmlFocalRule();
    void xmlContent_data();
    void xmlContent();
    void xmlRefused_data();
    void xmlRefused();

    void binaryRoundTrip_data();
    void binaryRoundTrip();
    void binaryLayout();
    void binaryRefusesEveryChangedByte();
    void binaryRefused_data();
    void binaryRefused();
    void binaryIgnoresBytesAfterTheBlock();

    void inphoFile_data();
    void inphoFile();
    void convertedBeforeWriting_data();
    void convertedBeforeWriting();
    void opticalPropertiesFile();
    void refusedConversionWritesNoFile_data();
    void refusedConversionWritesNoFile();

    void otherSuffixesTouchNoFile_data();
    void otherSuffixesTouchNoFile();
    void unwritablePath_data();
    void unwritablePath();
    void fullDisk();

private:
    QString Path(const QString& name) const;

    QTemporaryDir m_dir;
};

void TestCameraFile::initTestCase()
{
    kvtest::UseTemporaryEnvironment();
    QVERIFY(m_dir.isValid());
}

// A path in the temporary folder; its folder is created.
QString TestCameraFile::Path(const QString& name) const
{
    const QString path = m_dir.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

// ---- camera XML file

void TestCameraFile::xmlRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("lower case") << "round.xml";
    QTest::newRow("upper case") << "ROUND.XML";
    QTest::newRow("mixed case") << "round.Xml";
    QTest::newRow("chinese and blanks") << u8"相机 文件/相机 1.xml";
}

void TestCameraFile::xmlRoundTrip()
{
    QFETCH(QString, name);
    const QString path = Path(name);
    const CameraInfo camera = SampleCamera();
    QVERIFY(ExportCameraFile(camera, path));

    CameraInfo read = Sentinel();
    QVERIFY(ImportCameraFile(read, path));
    CameraInfo expected = camera;
    expected.id = -1;
    expected.mount_angle = 0;
    QCOMPARE(Dump(read), Dump(expected));
}

void TestCameraFile::xmlText()
{
    const QString path = Path("text.xml");
    QVERIFY(ExportCameraFile(SampleCamera(), path));
    const QString expected = QString::fromUtf8(u8R"(<?xml version="1.0" encoding="UTF-8"?>
<CAMERA>
    <name>相机 X5</name>
    <fullname>Varnel X5 &amp; &lt;24 mm&gt;</fullname>
    <width>6000</width>
    <height>4000</height>
    <focal>24.50000000</focal>
    <ccd_width>23.50000000</ccd_width>
    <ccd_height>15.60000000</ccd_height>
    <x0>3012.25000000</x0>
    <y0>1987.50000000</y0>
    <dtype>3</dtype>
    <k1>-0.1234567891</k1>
    <k2>0.05</k2>
    <k3>1.234567891e-05</k3>
    <p1>0</p1>
    <p2>-2.5e-07</p2>
    <alpha>3e-05</alpha>
    <beta>-0.000123</beta>
    <k4>1234567.891</k4>
    <k5>1e-20</k5>
    <k6>-7</k6>
</CAMERA>
)");
    QCOMPARE(QString::fromUtf8(ReadBytes(path)), expected);
}

void TestCameraFile::xmlFocalRule_data()
{
    QTest::addColumn<QString>("focal");
    QTest::addColumn<double>("expected");
    QTest::newRow("millimetres") << "8.8" << 8.8;
    QTest::newRow("exactly 200") << "200" << 200.0;
    QTest::newRow("just over 200: pixels") << "200.5" << 200.5 * (23.5 / 6000);
    QTest::newRow("focal in pixels") << "6255.3191489" << 6255.3191489 * (23.5 / 6000);
}

void TestCameraFile::xmlFocalRule()
{
    QFETCH(QString, focal);
    QFETCH(double, expected);
    // The focal length comes first: the rule applies once every field is read.
    const QString path = Path("focal.xml");
    QVERIFY(WriteBytes(path,
                       QStringLiteral("<CAMERA><focal>%1</focal><width>6000</width>"
                                      "<ccd_width>23.5</ccd_width></CAMERA>")
                           .arg(focal)
                           .toUtf8()));
    CameraInfo read;
    QVERIFY(ImportCameraFile(read, path));
    QCOMPARE(read.focal, expected);
}

void TestCameraFile::xmlContent_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<CameraInfo>("expected");

    CameraInfo noType;
    noType.name = "a";
    noType.width = 4000;
    noType.ccd_width = 12.0;
    noType.pixel_size_x = 0.003;
    noType.pixel_size_y = 1.0; // -1 / -1
    QTest::newRow("no dtype") << QByteArray("<CAMERA><name>a</name><width>4000</width>"
                                            "<ccd_width>12</ccd_width></CAMERA>")
                              << noType;

    CameraInfo noWidth;
    noWidth.height = 4000;
    noWidth.ccd_width = 23.5;
    noWidth.ccd_height = 15.6;
    noWidth.pixel_size_x = -23.5;
    noWidth.pixel_size_y = 15.6 / 4000;
    QTest::newRow("no width") << QByteArray("<CAMERA><ccd_width>23.5</ccd_width>"
                                            "<ccd_height>15.6</ccd_height>"
                                            "<height>4000</height></CAMERA>")
                              << noWidth;

    CameraInfo empty;
    empty.pixel_size_x = empty.pixel_size_y = 1.0;
    QTest::newRow("comment first") << QByteArray("<CAMERA><!-- v2 --><width>6000</width>"
                                                 "<dtype>3</dtype></CAMERA>")
                                   << empty;
    QTest::newRow("text first") << QByteArray("<CAMERA>v2<width>6000</width></CAMERA>") << empty;

    CameraInfo repeated;
    repeated.width = 6000;
    repeated.k1 = 2.0;
    repeated.pixel_size_x = -1.0 / 6000;
    repeated.pixel_size_y = 1.0;
    QTest::newRow("repeated tags") << QByteArray("<CAMERA><width>100</width><k1>1</k1>"
                                                 "<width>6000</width><k1>2</k1></CAMERA>")
                                   << repeated;

    CameraInfo otherRoot;
    otherRoot.height = 4000;
    otherRoot.pixel_size_x = 1.0;
    otherRoot.pixel_size_y = -1.0 / 4000;
    QTest::newRow("other root, unknown and capitalised tags")
        << QByteArray("<lens><Width>10</Width><extra>1</extra><height>4000</height></lens>")
        << otherRoot;

    CameraInfo bad;
    bad.name = u8"相机";
    bad.width = 0;
    bad.focal = 0.0;
    bad.dtype = 0;
    bad.pixel_size_x = -HUGE_VAL;
    bad.pixel_size_y = 1.0;
    QTest::newRow("numbers that do not convert")
        << QByteArray(u8"<CAMERA><width>abc</width><focal>x</focal><dtype>3.5</dtype>"
                      u8"<name>相机</name></CAMERA>")
        << bad;
}

void TestCameraFile::xmlContent()
{
    QFETCH(QByteArray, xml);
    QFETCH(CameraInfo, expected);
    const QString path = Path("content.xml");
    QVERIFY(WriteBytes(path, xml));
    CameraInfo read = Sentinel();
    QVERIFY(ImportCameraFile(read, path));
    QCOMPARE(Dump(read), Dump(expected));
}

void TestCameraFile::xmlRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("malformed") << QByteArray("<CAMERA><width>1</CAMERA>") << true;
    QTest::newRow("empty root") << QByteArray("<CAMERA/>") << true;
    QTest::newRow("root without children") << QByteArray("<CAMERA>\n  \n</CAMERA>") << true;
    QByteArray junk(300, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 37 + 11) & 0xFF);
    QTest::newRow("binary junk") << junk << true;
    const QByteArray valid = QByteArray("<?xml version=\"1.0\"?>\n<CAMERA>\n<width>6000</width>\n"
                                        "<height>4000</height>\n</CAMERA>\n");
    QTest::newRow("truncated") << valid.left(valid.size() / 2) << true;
}

void TestCameraFile::xmlRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString path = Path(QStringLiteral("refused/%1.xml").arg(QTest::currentDataTag()));
    if (exists)
        QVERIFY(WriteBytes(path, content));
    CameraInfo read = Sentinel();
    QVERIFY(!ImportCameraFile(read, path));
    QVERIFY(read == Sentinel());
}

// ---- binary camera file

void TestCameraFile::binaryRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dtype");
    QTest::newRow("Brown camera") << "round.cam" << 3;
    QTest::newRow("upper case") << "ROUND.CAM" << 4;
    QTest::newRow("chinese and blanks") << u8"相机 文件/相机 2.cam" << 1;
}

void TestCameraFile::binaryRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(int, dtype);
    const QString path = Path(name);
    const CameraInfo camera = SampleCamera(dtype);
    QVERIFY(ExportCameraFile(camera, path));
    QCOMPARE(QFileInfo(path).size(), qint64(128));

    const CameraInfo caller = Sentinel();
    CameraInfo read = caller;
    QVERIFY(ImportCameraFile(read, path));
    // Not in the block: kept from the caller.
    QCOMPARE(read.id, caller.id);
    QCOMPARE(read.name, caller.name);
    QCOMPARE(read.fullname, caller.fullname);
    QCOMPARE(read.mount_angle, caller.mount_angle);
    // The coefficients are stored as they are, whatever the model.
    QCOMPARE(read.dtype, 1);
    QCOMPARE(read.k1, camera.k1);
    QCOMPARE(read.k2, camera.k2);
    QCOMPARE(read.k3, camera.k3);
    QCOMPARE(read.k4, camera.k4);
    QCOMPARE(read.k5, camera.k5);
    QCOMPARE(read.k6, camera.k6);
    QCOMPARE(read.p1, camera.p1);
    QCOMPARE(read.p2, camera.p2);
    QCOMPARE(read.alpha, camera.alpha);
    QCOMPARE(read.beta, camera.beta);
    QCOMPARE(read.width, camera.width);
    QCOMPARE(read.height, camera.height);
    QCOMPARE(read.x0, camera.x0);
    QCOMPARE(read.y0, camera.y0);
    // One square pixel size; the sensor rebuilt from it.
    QVERIFY(Near(read.pixel_size_x, camera.pixel_size_x));
    QCOMPARE(read.pixel_size_y, read.pixel_size_x);
    QVERIFY(Near(read.focal, camera.focal));
    QVERIFY(Near(read.ccd_width, camera.ccd_width));
    QVERIFY(Near(read.ccd_height, 4000 * 23.5 / 6000));
}

void TestCameraFile::binaryLayout()
{
    CameraInfo camera = SampleCamera();
    camera.width = 0x01020304; // byte order shows
    const QString path = Path("layout.cam");
    QVERIFY(ExportCameraFile(camera, path));
    const QByteArray expected = LayoutBlock(camera);
    QCOMPARE(ReadBytes(path).toHex(), expected.toHex());
    QCOMPARE(kvui::EncodeCameraBlock(camera).toHex(), expected.toHex());

    // A block from elsewhere (the web service) reads the same way.
    CameraInfo read;
    QVERIFY(kvui::DecodeCameraBlock(expected, read));
    QCOMPARE(read.width, 0x01020304);
    QCOMPARE(read.k4, camera.k4);
    QCOMPARE(read.beta, camera.beta);
}

void TestCameraFile::binaryRefusesEveryChangedByte()
{
    const QByteArray valid = LayoutBlock(SampleCamera());
    const QString path = Path("damaged.cam");
    for (int offset = 1; offset < 128; ++offset) {
        for (const char delta : {'\x01', '\x80', '\xFF'}) {
            QByteArray damaged = valid;
            damaged[offset] = char(damaged[offset] ^ delta);
            QVERIFY(WriteBytes(path, damaged));
            CameraInfo read = Sentinel();
            QVERIFY2(!ImportCameraFile(read, path),
                     qPrintable(QStringLiteral("offset %1 delta %2").arg(offset).arg(int(delta))));
            QVERIFY(read == Sentinel());
            QVERIFY(!kvui::DecodeCameraBlock(damaged, read));
        }
    }
}

void TestCameraFile::binaryRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray valid = LayoutBlock(SampleCamera());
    QTest::newRow("127 bytes") << valid.left(127);
    QTest::newRow("empty") << QByteArray();
    QByteArray marker = valid;
    marker[0] = char(0xD6);
    QTest::newRow("first byte changed") << marker;
    // Consistent in itself, masked with another byte.
    QTest::newRow("other marker") << LayoutBlock(SampleCamera(), 0x5A);
    QTest::newRow("xml text")
        << QByteArray("<CAMERA><width>6000</width></CAMERA>").leftJustified(128, ' ');
}

void TestCameraFile::binaryRefused()
{
    QFETCH(QByteArray, content);
    const QString path = Path("refused.cam");
    QVERIFY(WriteBytes(path, content));
    CameraInfo read = Sentinel();
    QVERIFY(!ImportCameraFile(read, path));
    QVERIFY(read == Sentinel());
    QVERIFY(!kvui::DecodeCameraBlock(content, read));
    QVERIFY(!ImportCameraFile(read, Path("missing.cam")));
    QVERIFY(read == Sentinel());
}

void TestCameraFile::binaryIgnoresBytesAfterTheBlock()
{
    const QByteArray valid = LayoutBlock(SampleCamera());
    const QString exact = Path("exact.cam");
    const QString longer = Path("longer.cam");
    QVERIFY(WriteBytes(exact, valid));
    QVERIFY(WriteBytes(longer, valid + QByteArray(72, '\x5A')));
    CameraInfo a;
    CameraInfo b;
    QVERIFY(ImportCameraFile(a, exact));
    QVERIFY(ImportCameraFile(b, longer));
    QCOMPARE(Dump(b), Dump(a));
    // Handed over directly, a block must be exactly 128 bytes.
    QVERIFY(!kvui::DecodeCameraBlock(valid + 'x', b));
}

// ---- Inpho camera file and optical properties file

void TestCameraFile::inphoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("lower case") << "camera.prj";
    QTest::newRow("upper case") << "CAMERA.PRJ";
    QTest::newRow("chinese and blanks") << u8"相机 目录/相机 3.prj";
}

void TestCameraFile::inphoFile()
{
    QFETCH(QString, name);
    // Already an Inpho camera, so the file shows these coefficients as they are.
    CameraInfo camera = SampleCamera(4);
    camera.name = u8"X5 相机";
    camera.k1 = 1.23456789012345e-5;
    camera.k2 = -3.5e-8;
    camera.k3 = 0.0;
    camera.alpha = 0.000123456789;
    camera.p1 = 123456.7890123;
    camera.p2 = -2.5e-7;
    const QString path = Path(name);
    QVERIFY(ExportCameraFile(camera, path));

    QStringList lines = ReadLines(path);
    QCOMPARE(lines.size(), 28);
    const QRegularExpression date(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
    const QString stamp = lines[1].mid(QStringLiteral("  $STARTING_DATE : ").size());
    QVERIFY2(date.match(stamp).hasMatch(), qPrintable(lines[1]));
    lines.replaceInStrings(stamp, QStringLiteral("DATE"));

    // 1 / pixel size = 6000 / 23.5 = 255.3191489...
    const QStringList expected {
        "$PROJECT 5.0.0",
        "  $STARTING_DATE : DATE",
        "  $LAST_CHANGE : DATE",
        "  $LINEAR_UNITS_OF_OBJECT : m",
        "  $LINEAR_UNITS_OF_IMAGE : mm",
        "  $ANGULAR_UNITS : deg",
        "$END",
        "$CAMERA",
        u8"  $TYPE : X5 相机",
        "  $DATE : DATE",
        "  $BRAND : Custom",
        "  $KIND : CCDFrame",
        "  $CCD_INTERIOR_ORIENTATION :",
        "     255.319149\t0.0000000000\t1987.500000",
        "     0.0000000000\t-255.319149\t3012.250000",
        "  $CCD_COLUMNS : 6000",
        "  $CCD_ROWS : 4000",
        "  $PIXEL_REFERENCE : CenterTopLeft",
        "  $FOCAL_LENGTH : 24.500000",
        "  $PRINCIPAL_POINT_PPA :     0.000000     0.000000",
        "  $RADIAL_COEFFS :",
        "  " + Blanks(22) + "0" + Blanks(6) + "1.23456789012e-05" + Blanks(15) + "-3.5e-08"
            + Blanks(22) + "0",
        "  " + Blanks(9) + "0.000123456789" + Blanks(22) + "0" + Blanks(22) + "0" + Blanks(21)
            + "0",
        "  $DECENTRE_COEFFS :",
        "  " + Blanks(10) + "123456.789012" + Blanks(15) + "-2.5e-07" + Blanks(22) + "0"
            + Blanks(21) + "0",
        "  $GPS_ANTENNA_OFFSET :     0.000000     0.000000     0.000000",
        "  $CAMERA_MOUNT_ROTATION :     0.000000",
        "$END",
    };
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(lines[i], expected[i]);
}

void TestCameraFile::convertedBeforeWriting_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("expected");
    // An AUS lens of focal length 1000 px = 4 mm (4 um pixels): in focal
    // lengths k1 = 1e-7 * 1000^2, k2 = 1e-13 * 1000^4, p1 = 1e-4 * 1000; in
    // millimetres k1 = 1e-7 / 0.004^2, k2 = 1e-13 / 0.004^4, p1 = 1e-4 / 0.004.
    QTest::newRow("optical properties")
        << "opt"
        << QStringList {"<K1>0.1</K1>",
                        "<K2>0.1</K2>",
                        "<K3>0</K3>",
                        "<P1>0.1</P1>",
                        "<P2>0</P2>",
                        "<FocalLength>4</FocalLength>",
                        "<FocalLengthPixel>1000</FocalLengthPixel>"};
    QTest::newRow("Inpho") << "prj"
                           << QStringList {"  " + Blanks(22) + "0" + Blanks(16) + "0.00625"
                                               + Blanks(12) + "0.000390625" + Blanks(22) + "0",
                                           "  " + Blanks(18) + "0.001" + Blanks(22) + "0"
                                               + Blanks(22) + "0" + Blanks(21) + "0",
                                           "  " + Blanks(18) + "0.025" + Blanks(22) + "0"
                                               + Blanks(22) + "0" + Blanks(21) + "0"};
}

void TestCameraFile::convertedBeforeWriting()
{
    QFETCH(QString, suffix);
    QFETCH(QStringList, expected);
    CameraInfo camera;
    camera.width = 4000;
    camera.height = 3000;
    camera.ccd_width = 16.0;
    camera.ccd_height = 12.0;
    camera.pixel_size_x = camera.pixel_size_y = 0.004;
    camera.focal = 4.0;
    camera.x0 = 2000.0;
    camera.y0 = 1500.0;
    camera.dtype = 1;
    camera.k1 = 1e-7;
    camera.k2 = 1e-13;
    camera.p1 = 1e-4;
    camera.alpha = 1e-3;
    const QString path = Path("converted." + suffix);
    QVERIFY(ExportCameraFile(camera, path));
    QStringList lines = ReadLines(path);
    for (QString& line : lines)
        line = suffix == QLatin1String("opt") ? line.trimmed() : line;
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line), qPrintable(line));
}

void TestCameraFile::opticalPropertiesFile()
{
    const QString path = Path(u8"相机 目录/相机 4.OPT");
    QVERIFY(ExportCameraFile(SampleCamera(3), path));
    // 24.5 mm / (23.5 mm / 6000) = 6255.319 px
    const QString expected = QString::fromUtf8(u8R"(<?xml version="1.0" encoding="UTF-8"?>
<OpticalProperties version="1.0">
    <Id>42</Id>
    <Name>相机 X5</Name>
    <Description>Varnel X5 &amp; &lt;24 mm&gt;</Description>
    <Directory></Directory>
    <ImageDimensions>
        <Width>6000</Width>
        <Height>4000</Height>
    </ImageDimensions>
    <CameraModelType>Perspective</CameraModelType>
    <FocalLength>24.5</FocalLength>
    <Distortion>
        <K1>-0.123457</K1>
        <K2>0.05</K2>
        <K3>1.23457e-05</K3>
        <P1>0</P1>
        <P2>-2.5e-07</P2>
        <Direct>true</Direct>
    </Distortion>
    <FocalLengthPixel>6255.32</FocalLengthPixel>
    <PrincipalPoint>
        <X>3012.25</X>
        <Y>1987.5</Y>
    </PrincipalPoint>
</OpticalProperties>
)");
    QCOMPARE(QString::fromUtf8(ReadBytes(path)), expected);
}

void TestCameraFile::refusedConversionWritesNoFile_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("dtype");
    QTest::addColumn<double>("focal");
    QTest::addColumn<int>("width");
    QTest::newRow("fisheye, Inpho") << "prj" << 6 << 24.5 << 6000;
    QTest::newRow("fisheye, optical properties") << "opt" << 6 << 24.5 << 6000;
    QTest::newRow("no focal length, Inpho") << "PRJ" << 1 << -1.0 << 6000;
    QTest::newRow("no image width, optical properties") << "opt" << 1 << 24.5 << -1;
}

void TestCameraFile::refusedConversionWritesNoFile()
{
    QFETCH(QString, suffix);
    QFETCH(int, dtype);
    QFETCH(double, focal);
    QFETCH(int, width);
    CameraInfo camera = SampleCamera(dtype);
    camera.focal = focal;
    camera.width = width;

    const QString fresh = Path(u8"拒绝/new." + suffix);
    QVERIFY(!ExportCameraFile(camera, fresh));
    QVERIFY(!QFileInfo::exists(fresh));

    const QString existing = Path(u8"拒绝/old." + suffix);
    QVERIFY(WriteBytes(existing, "earlier export"));
    QVERIFY(!ExportCameraFile(camera, existing));
    QCOMPARE(ReadBytes(existing), QByteArray("earlier export"));
}

// ---- suffixes and paths

void TestCameraFile::otherSuffixesTouchNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no suffix") << "camera";
    QTest::newRow("txt") << "camera.txt";
    QTest::newRow("xml before txt") << "camera.xml.txt";
    QTest::newRow("trailing dot") << "camera.";
    QTest::newRow("named xml") << "xml";
    QTest::newRow("longer suffix") << "camera.xmlx";
}

void TestCameraFile::otherSuffixesTouchNoFile()
{
    QFETCH(QString, name);
    const QString path = Path("other/" + name);
    QFile::remove(path);
    QVERIFY(!ExportCameraFile(SampleCamera(), path));
    QVERIFY(!QFileInfo::exists(path));

    // Even a file that holds a camera is neither read nor replaced.
    const QString xmlCamera = Path("other-source.xml");
    QVERIFY(ExportCameraFile(SampleCamera(), xmlCamera));
    const QByteArray content = ReadBytes(xmlCamera);
    QVERIFY(WriteBytes(path, content));
    CameraInfo read = Sentinel();
    QVERIFY(!ImportCameraFile(read, path));
    QVERIFY(read == Sentinel());
    QVERIFY(!ExportCameraFile(CameraInfo(), path));
    QCOMPARE(ReadBytes(path), content);
}

void TestCameraFile::unwritablePath_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("folderInTheWay");
    for (const char* suffix : {"xml", "cam", "prj", "opt"}) {
        QTest::addRow("%s, missing folder", suffix) << QString(suffix) << false;
        QTest::addRow("%s, folder of that name", suffix) << QString(suffix) << true;
    }
}

void TestCameraFile::unwritablePath()
{
    QFETCH(QString, suffix);
    QFETCH(bool, folderInTheWay);
    const QString path = folderInTheWay ? Path("in-the-way." + suffix)
                                        : m_dir.filePath("no such folder/camera." + suffix);
    if (folderInTheWay)
        QVERIFY(QDir().mkpath(path));
    QVERIFY(!ExportCameraFile(SampleCamera(), path));
    QCOMPARE(QFileInfo(path).isDir(), folderInTheWay);
    CameraInfo read = Sentinel();
    QVERIFY(!ImportCameraFile(read, path));
    QVERIFY(read == Sentinel());
}

void TestCameraFile::fullDisk()
{
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no /dev/full");
    // The XML writers notice a failed write; the binary and Inpho writers, like
    // the files they replace, report only whether the file opened.
    for (const char* suffix : {"xml", "opt", "cam", "prj"}) {
        const QString path = Path(QStringLiteral("full.%1").arg(suffix));
        QVERIFY(QFile::link("/dev/full", path));
        const bool written = ExportCameraFile(SampleCamera(), path);
        if (QByteArray("xml opt").contains(suffix))
            QVERIFY2(!written, suffix);
    }
}

QTEST_GUILESS_MAIN(TestCameraFile)
#include "tst_camerafile.moc"
