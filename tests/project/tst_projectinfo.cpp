#include "kvfd/kvconfiguration.h"
#include "kvmath/geoprj.h"
#include "modalanswer.h"
#include "project/kvcreatprojectdialog.h"
#include "project/kvshowprjinfodialog.h"
#include "project/projectrecord.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstring>

namespace {

// Two images around Wuhan (degrees), a removed slot between them and one beyond
// the pole that no projection can take.
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
    images.AddImage(u8"影像1.jpg", "/d", {114.3, 30.5, 35.5, M_PI / 2, -M_PI / 4, 0.0}, 1, true);
    images.AddImage("gone.jpg", "/d", {}, 1, true);
    images.AddImage("b.jpg", "/d", {114.31, 30.51, 36.0, 0.0, 0.0, M_PI}, 1, true);
    images.AddImage("far.jpg", "/d", {114.0, 95.0, 1.0, 0, 0, 0}, 1, true);
    images.RemoveImage(1);
    return project;
}

// The texts of one row of the image table, joined by '|'.
QString Row(QWidget* root, int row)
{
    auto* table = kvtest::Find<QTableWidget>(root, "table_imageInfo");
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << table->item(row, column)->text();
    return texts.join('|');
}

} // namespace

class TestProjectInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void coordinate_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("label");
        QTest::newRow("local") << -1 << QString();
        QTest::newRow("utm") << 32650 << QStringLiteral("UTM zone 50N");
    }

    void coordinate()
    {
        QFETCH(int, id);
        QFETCH(QString, label);
        kvprj::KvProject project = SurveyProject(id);
        KvShowPrjInfoDialog dialog;
        dialog.SetProject(&project);
        QStringList labels;
        for (const char* name :
             {"label_PrjInfo_Name", "label_prjInfo_Operator", "label_PrjInfo_WorkDate",
              "label_PrjInfo_describe", "label_prjInfo_meanHeight", "label_prjInfo_cameraName",
              "label_prjInfo_coordinate"})
            labels << kvtest::Find<QLabel>(&dialog, name)->text();
        QCOMPARE(labels.join('|'),
                 QStringLiteral("武汉测区|李工|2023-04-05T06:07:08|东湖|123.457|相机二|") + label);

        double x = 114.3, y = 30.5, z = 35.5;
        const auto& set = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet();
        kvfd::CoordinateInfo target;
        kvmath::GeoPrj transform;
        if (!label.isEmpty())
            QVERIFY(set.GetCoordinateByID(id, target) && transform.Create(set.GetWGS84(), target)
                    && transform.Transform(x, y, z));
        if (id == 32650) // zone 50 has its central meridian at 117E
            QVERIFY(std::abs(x - 240859.736) < 0.01 && std::abs(y - 3377291.909) < 0.01);
        QCOMPARE(kvtest::Find<QTableWidget>(&dialog, "table_imageInfo")->rowCount(), 3);
        QCOMPARE(Row(&dialog, 0),
                 QStringLiteral("影像1.jpg|%1|%2|35.500000|90.000000|-45.000000|0.000000")
                     .arg(x, 0, 'f', 6)
                     .arg(y, 0, 'f', 6));
        // A point that cannot be projected is shown as stored.
        QCOMPARE(
            Row(&dialog, 2),
            QStringLiteral("far.jpg|114.000000|95.000000|1.000000|0.000000|0.000000|0.000000"));
        // The caller's project keeps its degrees.
        QCOMPARE(project.GetImageInfoSet().GetImage(0)->GetEOP().X, 114.3);
    }

    // Finish is refused while no image is left (all were left out for want
    // of a position); Back still leads to the page that can give them one.
    void finishNeedsAnImage()
    {
        kvprj::KvProject project = SurveyProject(32650);
        for (int i = 0; i < project.GetImageInfoSet().Size(); ++i)
            project.GetImageInfoSet().RemoveImage(i);
        int result = -1;
        kvtest::ModalAnswer refusal;
        refusal
            .ExpectText(QStringLiteral("The project has no image. Go back and add images with "
                                       "positions, or exit."))
            .Click(QStringLiteral("kvsb_ok_btn_"));
        kvtest::ModalAnswer summary;
        summary
            .Do([&](QWidget* dialog) {
                refusal.Arm();
                kvtest::Click(dialog, "finishBtn");
                QVERIFY2(refusal.Done(), qPrintable(refusal.Error()));
                QVERIFY(dialog->isVisible());
            })
            .Click(QStringLiteral("ForwardBtn"))
            .Arm();
        result = ShowPreviewDialog(project);
        QVERIFY2(summary.Done(), qPrintable(summary.Error()));
        QCOMPARE(result, int(WR_BACK));
    }

    // A damaged file may fill a text field to its last byte. The start page's
    // record, the summary and the description page each read the name up to
    // the field's end and never on into the operator stored after it.
    void unterminatedName_data()
    {
        const QByteArray ce = QStringLiteral("测").toUtf8();
        QTest::addColumn<QByteArray>("bytes"); // exactly the size of the field
        QTest::addColumn<QString>("shown");    // empty: only the prefix is known
        QTest::addColumn<QString>("prefix");
        const QString letters(65, QLatin1Char('a'));
        QTest::newRow("letters") << QByteArray(65, 'a') << letters << letters;
        // The last character is cut inside its bytes.
        QTest::newRow("cut character")
            << ce.repeated(22).left(65) << QString() << QString(21, QChar(0x6d4b));
        QTest::newRow("not utf-8") << QByteArray(65, '\xff') << QString() << QString();
    }

    void unterminatedName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QString, prefix);
        kvprj::KvProject project;
        kvprj::PrjInfo& info = project.GetPrjInfo();
        QCOMPARE(bytes.size(), int(sizeof info.name));
        kvprj::CopyText(info.prjOperator, u8"李工");
        std::memcpy(info.name, bytes.constData(), sizeof info.name);

        KvShowPrjInfoDialog summary;
        summary.SetProject(&project);
        KvCreatProjectDialog page;
        page.SetProject(&project);
        const QString record = MakeRecord(project).name;
        const QString label = kvtest::Find<QLabel>(&summary, "label_PrjInfo_Name")->text();
        const QString edit = kvtest::Find<QLineEdit>(&page, "prj_name")->text();
        for (const QString& text : {record, label}) {
            QVERIFY2(!text.contains(QStringLiteral("李")), qPrintable(text));
            QVERIFY(text.startsWith(prefix));
            if (!shown.isEmpty())
                QCOMPARE(text, shown);
        }
        // The page shows no more than a name may have.
        QVERIFY(!edit.contains(QStringLiteral("李")));
        QCOMPARE(edit, record.left(KvCreatProjectWidget::kMaxNameLength));
    }
};

QTEST_MAIN(TestProjectInfo)
#include "tst_projectinfo.moc"
