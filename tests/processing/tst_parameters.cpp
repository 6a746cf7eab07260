// The step records and their sharing, the pages that make them, the
// single-tool dialogs and the distortion dialog.

#include "camera/camerafile.h"
#include "framework/kvshared.h"
#include "kvfd/kvconfiguration.h"
#include "modalanswer.h"
#include "processing/distortiondialog.h"
#include "processing/parameterwidgets.h"
#include "processing/tooldialogs.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

using MakePage = std::function<std::unique_ptr<QWidget>()>;
using MakeDialog = std::function<std::unique_ptr<QDialog>()>;
Q_DECLARE_METATYPE(MakePage)
Q_DECLARE_METATYPE(MakeDialog)

using kvfd::KvPtr;
using kvtest::Click;
using kvtest::SetText;
using kvtest::Text;

namespace {

template <class T, class Base = QWidget> std::function<std::unique_ptr<Base>()> Of()
{
    return [] { return std::unique_ptr<Base>(new T()); };
}

int g_destroyed = 0;

struct Counted : AlgoParameter
{
    ~Counted() override { ++g_destroyed; }
};

kvfd::CameraInfo Camera(const char* name, int dtype)
{
    kvfd::CameraInfo c;
    c.name = name;
    c.fullname = std::string(name) + " 12mm";
    c.width = 5280;
    c.height = 3956;
    c.ccd_width = 17.3;
    c.ccd_height = 13.0;
    c.focal = 12.29;
    c.pixel_size_x = c.ccd_width / c.width;
    c.pixel_size_y = c.ccd_height / c.height;
    c.x0 = 2641.25;
    c.y0 = 1977.5;
    c.dtype = dtype;
    c.k1 = -0.0123456789;
    c.k2 = 3.21e-4;
    c.k3 = 1e-7;
    c.k4 = 2e-9;
    c.k5 = 5e-11;
    c.k6 = -6e-12;
    c.p1 = 4e-4;
    c.p2 = -2e-4;
    c.alpha = 1e-3;
    c.beta = -2e-3;
    return c;
}

} // namespace

class TestParameters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        kvfd::CameraInfoSet cameras;
        cameras.AddCamera(Camera("VR-P1", 1));
        cameras.AddCamera(Camera("VR-M3", 1));
        kvfd::KvConfiguration::Instance()->SetCameraInfoSet(cameras);
    }

    void copiesShareRecordsAndSwapNeverFreesThem()
    {
        g_destroyed = 0;
        auto* a = new Counted();
        auto* b = new Counted();
        QCOMPARE(a->RefCount(), 0);
        {
            std::vector<KvPtr<AlgoParameter>> chain {KvPtr<AlgoParameter>(a),
                                                     KvPtr<AlgoParameter>(b)};
            QCOMPARE(a->RefCount(), 1);
            {
                const std::vector<KvPtr<AlgoParameter>> copy = chain;
                QCOMPARE(a->RefCount(), 2);
                QCOMPARE(copy[1].Get(), static_cast<AlgoParameter*>(b));
            }
            QCOMPARE(a->RefCount(), 1);
            std::swap(chain[0], chain[1]);
            QCOMPARE(chain[0].Get(), static_cast<AlgoParameter*>(b));
            QCOMPARE(g_destroyed, 0);
            chain[0] = chain[0]; // assigning a pointer to itself keeps its record
            QCOMPARE(b->RefCount(), 1);
            chain.erase(chain.begin());
            QCOMPARE(g_destroyed, 1);
        }
        QCOMPARE(g_destroyed, 2);
    }

    void pagesMakeFreshRecords_data()
    {
        QTest::addColumn<MakePage>("make");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("value");
        QTest::newRow("color") << Of<ColorParameterWidget>() << "" << 0 << 1 << 0.0;
        QTest::newRow("enhance") << Of<EnhancementParameterWidget>() << "" << 0 << 6 << 0.0;
        QTest::newRow("pyramid") << Of<PyramidParameterWidget>() << "" << 0 << 10 << 0.0;
        QTest::newRow("format GTiff")
            << Of<FormatParameterWidget>() << "fmpw_format_" << 3 << 7 << 0.0;
        QTest::newRow("resample 1:8")
            << Of<ResampleParameterWidget>() << "rspw_rate_" << 5 << 14 << 0.125;
        QTest::newRow("resample 1:6 (page only)")
            << Of<ResampleParameterWidget>() << "rspw_rate_" << 4 << 14 << 1.0 / 6;
        QTest::newRow("rotate 270")
            << Of<RotateParameterWidget>() << "rtpw_angle_" << 2 << 15 << 3.0;
    }

    void pagesMakeFreshRecords()
    {
        QFETCH(MakePage, make);
        QFETCH(QString, combo);
        QFETCH(int, index);
        QFETCH(int, type);
        QFETCH(double, value);
        const std::unique_ptr<QWidget> page = make();
        if (!combo.isEmpty())
            kvtest::Find<QComboBox>(page.get(), combo)->setCurrentIndex(index);
        auto* maker = dynamic_cast<ParameterWidgetInterface*>(page.get());
        QVERIFY(maker);
        const KvPtr<AlgoParameter> first = maker->GetParameter();
        const KvPtr<AlgoParameter> second = maker->GetParameter();
        QVERIFY(first && first != second);
        QCOMPARE(first->RefCount(), 1);
        QCOMPARE(first->type, type);
        QVERIFY(first->all);
        QVERIFY(first->path.empty());
        if (auto* r = dynamic_cast<ResampleParameter*>(first.Get()))
            QCOMPARE(r->rate, value);
        if (auto* r = dynamic_cast<RotateParameter*>(first.Get()))
            QCOMPARE(r->rotateType, int(value));
        if (auto* f = dynamic_cast<FormatParameter*>(first.Get()))
            QCOMPARE(f->format, std::string("GTiff"));
    }

    void okNeedsADestinationExceptForOverviews_data()
    {
        QTest::addColumn<MakeDialog>("make");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("color") << Of<ColorDialog, QDialog>() << "clrw_";
        QTest::newRow("enhance") << Of<EnhancementDialog, QDialog>() << "ehcw_";
        QTest::newRow("format") << Of<FormatDialog, QDialog>() << "fmtw_";
        QTest::newRow("resample") << Of<ResampleDialog, QDialog>() << "rsw_";
        QTest::newRow("rotate") << Of<RotateDialog, QDialog>() << "rtw_";
        QTest::newRow("pyramid") << Of<PyramidDialog, QDialog>() << "pyrw_";
    }

    void okNeedsADestinationExceptForOverviews()
    {
        QFETCH(MakeDialog, make);
        QFETCH(QString, prefix);
        const std::unique_ptr<QDialog> dialog = make();
        QSignalSpy accepted(dialog.get(), &QDialog::accepted);
        dialog->show();
        const bool hasDestination = kvtest::FindNamed(dialog.get(), prefix + "output_");
        Click(dialog.get(), prefix + "ok_btn_");
        QCOMPARE(accepted.count(), hasDestination ? 0 : 1);
        if (!hasDestination)
            return;
        // The browse button fills the destination; a cancelled chooser would not.
        QTemporaryDir folder;
        QVERIFY(kvtest::ClickAndChooseFile(dialog.get(), prefix + "open_btn_", folder.path()));
        QCOMPARE(Text(dialog.get(), prefix + "output_"), folder.path());
        Click(dialog.get(), prefix + "ok_btn_");
        QCOMPARE(accepted.count(), 1);
    }

    void distortionOptionsAndOk()
    {
        DistortionDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.show();
        QVERIFY(!dialog.ToTif() && dialog.ToCenter() && dialog.UseCamera());
        Click(&dialog, "dstw_custom_camera_");
        QVERIFY(!dialog.UseCamera());
        const QStringList cameraControls
            = {"dstw_camera_", "dstw_focal_length_", "dstw_y0_",         "dstw_dtype_",
               "dstw_k6_",     "dstw_beta_",         "dstw_import_btn_", "dstw_export_btn_"};
        for (const QString& name : cameraControls)
            QVERIFY2(!kvtest::FindNamed(&dialog, name)->isEnabled(), qPrintable(name));
        Click(&dialog, "dstw_custom_camera_");
        for (const QString& name : cameraControls)
            QVERIFY2(kvtest::FindNamed(&dialog, name)->isEnabled(), qPrintable(name));

        Click(&dialog, "dstw_ok_btn_");
        QCOMPARE(accepted.count(), 0);
        SetText(&dialog, "dstw_output_", QStringLiteral("/输出"));
        Click(&dialog, "dstw_ok_btn_");
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dialog.GetPath(), std::string("/输出"));
    }

    void distortionImportOfABadFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\"?><camera><width>40");
        QTest::newRow("not xml") << QByteArray("\xff\xfe\x00garbage", 10);
        QTest::newRow("oversized") << QByteArray(8 << 20, 'x');
    }

    void distortionImportOfABadFileChangesNothing()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("相机.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        DistortionDialog dialog;
        dialog.SetCamera(Camera("VR-X", 3));
        const kvfd::CameraInfo before = dialog.GetCamera();
        dialog.show();
        QVERIFY(kvtest::ClickAndChooseFile(&dialog, "dstw_import_btn_", path));
        QCOMPARE(dialog.GetCamera(), before);
    }

    void distortionExportRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("导出.xml"));
        DistortionDialog dialog;
        dialog.SetCamera(Camera("VR-X", 1));
        dialog.show();
        QVERIFY(kvtest::ClickAndChooseFile(&dialog, "dstw_export_btn_", path));
        kvfd::CameraInfo read;
        QVERIFY(ImportCameraFile(read, path));
        QVERIFY(read.name.empty());
        DistortionDialog other;
        other.SetCamera(read);
        QCOMPARE(other.GetCamera(), dialog.GetCamera());
    }
};

QTEST_MAIN(TestParameters)
#include "tst_parameters.moc"
