#include "kvfd/kvconfiguration.h"
#include "kvmath/geoprj.h"
#include "modalanswer.h"
#include "project/dpmenubar.h"
#include "project/kvshowprjinfodialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Two images around Wuhan (degrees) and a removed slot between them.
kvprj::KvProject SurveyProject(int coordinateId)
{
    kvprj::KvProject project;
    kvprj::PrjInfo& info = project.GetPrjInfo();
    info.coordinateId = coordinateId;
    info.meanElevation = 123.456789;
    kvprj::CopyText(info.name, u8"武汉测区");
    kvprj::CopyText(info.prjOperator, u8"李工");
    kvprj::CopyText(info.date, "2023-04-05T06:07:08");
    kvprj::CopyText(info.description, u8"东湖");
    kvfd::CameraInfo camera;
    camera.name = "VR-M3";
    project.GetCameraInfoSet().AddCamera(camera);
    camera.name = u8"相机二";
    project.GetCameraInfoSet().AddCamera(camera);
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    images.AddImage(u8"影像1.jpg", "/d", {114.3, 30.5, 35.5, kPi / 2, -kPi / 4, 0.0}, 1, true);
    images.AddImage("gone.jpg", "/d", {}, 1, true);
    images.AddImage("b.jpg", "/d", {114.31, 30.51, 36.0, 0.0, 0.0, kPi}, 1, true);
    images.RemoveImage(1);
    return project;
}

QString Cell(QWidget* root, int row, int column)
{
    return kvtest::Find<QTableWidget>(root, "table_imageInfo")->item(row, column)->text();
}

QString Label(QWidget* root, const char* name)
{
    return kvtest::Find<QLabel>(root, name)->text();
}

} // namespace

class TestProjectInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void page()
    {
        const kvprj::KvProject project = SurveyProject(-1);
        KvShowPrjInfoWidget page;
        page.SetProject(project);
        QCOMPARE(Label(&page, "label_PrjInfo_Name"), QStringLiteral("武汉测区"));
        QCOMPARE(Label(&page, "label_prjInfo_Operator"), QStringLiteral("李工"));
        QCOMPARE(Label(&page, "label_PrjInfo_WorkDate"), QStringLiteral("2023-04-05T06:07:08"));
        QCOMPARE(Label(&page, "label_PrjInfo_describe"), QStringLiteral("东湖"));
        QCOMPARE(Label(&page, "label_prjInfo_meanHeight"), QStringLiteral("123.457"));
        QCOMPARE(Label(&page, "label_prjInfo_cameraName"), QStringLiteral("相机二"));

        auto* table = kvtest::Find<QTableWidget>(&page, "table_imageInfo");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 7);
        const QStringList first {QStringLiteral("影像1.jpg"),
                                 "114.300000",
                                 "30.500000",
                                 "35.500000",
                                 "90.000000",
                                 "-45.000000",
                                 "0.000000"};
        for (int column = 0; column < 7; ++column)
            QCOMPARE(Cell(&page, 0, column), first[column]);
        QCOMPARE(Cell(&page, 1, 0), QStringLiteral("b.jpg"));
        QCOMPARE(Cell(&page, 1, 6), QStringLiteral("180.000000"));
        QCOMPARE(table->font().pointSize(), page.font().pointSize() - 1);
        QVERIFY(table->horizontalHeader()->font().fixedPitch());
    }

    void coordinate_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("projected");
        QTest::newRow("local") << -1 << QString() << false;
        QTest::newRow("unknown") << 12345 << QString() << false;
        QTest::newRow("utm") << 32650 << QStringLiteral("UTM zone 50N") << true;
        QTest::newRow("xian") << 2338 << QStringLiteral("Xian 1980 / Gauss-Kruger CM 75E")
                              << true;
        QTest::newRow("cgcs") << 4502 << QStringLiteral("CGCS2000 / Gauss-Kruger CM 75E")
                              << true;
    }

    void coordinate()
    {
        QFETCH(int, id);
        QFETCH(QString, label);
        QFETCH(bool, projected);
        const kvprj::KvProject project = SurveyProject(id);
        KvShowPrjInfoDialog dialog;
        dialog.SetProject(const_cast<kvprj::KvProject*>(&project));
        QCOMPARE(Label(&dialog, "label_prjInfo_coordinate"), label);

        double x = 114.3, y = 30.5, z = 35.5;
        if (projected) {
            kvfd::CoordinateInfo target;
            const kvfd::CoordinateInfoSet set
                = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet();
            QVERIFY(set.GetCoordinateByID(id, target));
            kvmath::GeoPrj transform;
            QVERIFY(transform.Create(set.GetWGS84(), target));
            QVERIFY(transform.Transform(x, y, z));
            if (id == 32650) // zone 50 has its central meridian at 117E
                QVERIFY(std::abs(x - 240859.736) < 0.01 && std::abs(y - 3377291.909) < 0.01);
        }
        QCOMPARE(Cell(&dialog, 0, 1), QString::number(x, 'f', 6));
        QCOMPARE(Cell(&dialog, 0, 2), QString::number(y, 'f', 6));
        QCOMPARE(Cell(&dialog, 0, 3), QStringLiteral("35.500000"));
        QCOMPARE(Cell(&dialog, 0, 4), QStringLiteral("90.000000"));
        // The caller's project keeps its degrees.
        QCOMPARE(project.GetImageInfoSet().GetImage(0)->GetEOP().X, 114.3);
    }

    void manyImages()
    {
        kvprj::KvProject project;
        project.GetPrjInfo().coordinateId = 32650;
        kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        for (int i = 0; i < 12000; ++i)
            images.AddImage("i" + std::to_string(i) + ".jpg", "/d",
                            {114.0 + i * 1e-5, 30.5, 100.0, 0, 0, 0}, 0, true);
        images.AddImage("far.jpg", "/d", {114.0, 95.0, 1.0, 0, 0, 0}, 0, true);
        KvShowPrjInfoWidget page;
        page.SetProject(project);
        QCOMPARE(kvtest::Find<QTableWidget>(&page, "table_imageInfo")->rowCount(), 12001);
        QCOMPARE(Cell(&page, 11999, 0), QStringLiteral("i11999.jpg"));
        QVERIFY(Cell(&page, 11999, 1).toDouble() > 200000);
        // A latitude beyond the pole cannot be projected and is shown as stored.
        QCOMPARE(Cell(&page, 12000, 2), QStringLiteral("95.000000"));
    }

    void showPreviewDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("finish") << "finishBtn" << int(WR_NEXT);
        QTest::newRow("back") << "ForwardBtn" << int(WR_BACK);
        QTest::newRow("exit") << "cancelBtn" << int(WR_CANCEL);
    }

    void showPreviewDialog()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        kvprj::KvProject project = SurveyProject(32650);
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Project Information")).Click(button).Arm();
        QCOMPARE(int(ShowPreviewDialog(project)), result);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(project.GetImageInfoSet().GetImage(2)->GetEOP().Y, 30.51);
    }

    void menuBar_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<bool>("closes");
        QTest::newRow("edit") << "dpmn_edit_btn_" << QByteArray(SIGNAL(EditProject())) << false;
        QTest::newRow("save") << "dpmn_save_btn_" << QByteArray(SIGNAL(SaveProject())) << true;
        QTest::newRow("save as") << "dpmn_save_as_btn_" << QByteArray(SIGNAL(SaveasProject()))
                                 << false;
        QTest::newRow("main") << "dpmn_main_btn_" << QByteArray(SIGNAL(PopupMain())) << false;
    }

    void menuBar()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, signal);
        QFETCH(bool, closes);
        QPointer<DpMenuBar> bar = new DpMenuBar();
        QCOMPARE(int(bar->windowFlags()), 0x40000809);
        QVERIFY(bar->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(bar->Widget()->objectName(), QStringLiteral("DPMenu"));
        QCOMPARE(bar->Widget()->size(), QSize(168, 236));
        QSignalSpy clicked(bar.data(), signal.constData());
        QSignalSpy quit(bar.data(), &DpMenuBar::Quit);
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar));

        QTest::mouseClick(kvtest::Find<QPushButton>(bar, button), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        if (closes) {
            QTRY_VERIFY(bar.isNull());
        } else {
            QTest::qWait(50);
            QVERIFY(bar && bar->isVisible());
            QCOMPARE(quit.count(), 0);
            delete bar;
        }
        QCOMPARE(quit.count(), 1);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestProjectInfo)
#include "tst_projectinfo.moc"
