#include "cloudserver.h"
#include "framework/buttongroup.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/imageposloaddialog.h"
#include "imagerytest.h"

#include <QMenu>
#include <QTableWidget>

using namespace imagerytest;

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");

// Cameras 0 and 1 (and 2); images "img_<camera>_<k>.JPG" in "/survey/<camera>",
// all disabled, flight 2, EOP zero.
kvprj::KvProject MakeProject(int camera0Images, int camera1Images, int cameraRecords = 2)
{
    kvprj::KvProject project;
    const kvfd::CameraInfo cameras[3] = {{-1, "FC300S", "", 4000, 2250, 6.16, 3.465, 3.61},
                                         {-1, "FC8482", "", 4032, 3024, 9.7, 7.275, 6.72},
                                         {-1, "FC6310", "", 5472, 3648, 13.2, 8.8, 8.8}};
    for (int c = 0; c < cameraRecords; ++c)
        project.GetCameraInfoSet().AddCamera(cameras[c]);
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int c = 0; c < 2; ++c) {
        for (int k = 1; k <= (c == 0 ? camera0Images : camera1Images); ++k) {
            const std::string name = QString::asprintf("img_%d_%04d.JPG", c, k).toStdString();
            const int i = images.AddImage(name, "/survey/" + std::to_string(c), {}, c, false);
            images.GetImageExt(i)->flight = 2;
        }
    }
    project.GetPrjInfo().meanElevation = 42.5;
    project.GetPrjInfo().coordinateId = 32650;
    return project;
}

PosData Record(const char* name, double x, double y)
{
    return {name, {x, y, 100.0, 0.01, 0.0, 0.0}};
}

// Everything of a project the page may write.
QString Describe(const kvprj::KvProject& project)
{
    QStringList lines;
    const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = images.GetImage(i)) {
            const kvfd::EOP& e = image->GetEOP();
            lines << QString::asprintf("%s %s %d %d %d %.9g %.9g %.9g %.9g", image->Name().c_str(),
                                       image->Path().c_str(), image->GetCamera(),
                                       int(images.GetImageExt(i)->enabled),
                                       images.GetImageExt(i)->flight, e.X, e.Y, e.Z, e.Omega);
        }
    }
    for (int c = 0; c < project.GetCameraInfoSet().Size(); ++c)
        lines << QString::fromStdString(project.GetCameraInfoSet().GetCamera(c)->name);
    lines << QString::asprintf("%.9g %d", project.GetPrjInfo().meanElevation,
                               project.GetPrjInfo().coordinateId);
    return lines.join('\n');
}

QPushButton* TabButton(QWidget* root, const QString& text)
{
    for (QPushButton* button : root->findChildren<QPushButton*>("kv_group_btn")) {
        if (button->text() == text && !button->isHidden())
            return button;
    }
    return nullptr;
}

} // namespace

class TestImagePosLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // Records that match no image leave the operator's system, and say so;
    // matched projected ones choose the local system. Order matching gives the current camera's
    // images the first records; the count shows positioned images of all images, and two records of
    // one image count one image.
    void recordsMatchedAndCounted()
    {
        kvprj::KvProject project = MakeProject(3, 1);
        project.GetPrjInfo().coordinateId = 4502;
        ImagePosLoadDialog dialog;
        ImagePosLoadWidget* page = dialog.Widget();
        page->SetProject(&project, true);
        const QString chosen = Text(&dialog, "iplw_coordinate_line_edit_");
        page->ApplyPosRecords({Record("IMG_0_0001", 114.2, 30.4), Record("o.JPG", 114.4, 30.6)},
                              PosMatchWithExt, true);
        QCOMPARE(Text(&dialog, "iplw_coordinate_line_edit_"), chosen);
        QCOMPARE(Text(&dialog, "iplw_pos_outcome_"),
                 QStringLiteral("POS import: none of the 2 records matched an image of this "
                                "camera; the coordinate system was left as it was."));
        QCOMPARE(Text(&dialog, "iplw_pos_line_edit_"), QStringLiteral("0/4"));

        std::vector<PosData> records;
        for (int k = 1; k <= 5; ++k)
            records.push_back(Record("r", k, 10.0 * k));
        page->ApplyPosRecords(records, PosMatchOrder, false);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(page->Images().GetImage(i)->GetEOP().X, i < 3 ? i + 1.0 : 0.0);
        QCOMPARE(Text(&dialog, "iplw_pos_line_edit_"), QStringLiteral("3/4"));
        QCOMPARE(Text(&dialog, "iplw_coordinate_line_edit_"), QStringLiteral("本地坐标系"));

        page->ApplyPosRecords(
            {Record("img_0_0002.JPG", 7, 8), Record("x", 0, 0), Record("IMG_0_0002.jpg", 7, 9)},
            PosMatchWithExt, false);
        QCOMPARE(Text(&dialog, "iplw_pos_outcome_"),
                 QStringLiteral("POS import: 2 of 3 records matched 1 of the 3 images of this "
                                "camera."));
        QCOMPARE(page->Images().GetImage(1)->GetEOP().Y, 9.0);
        Click(&dialog, "iplw_next_btn_");
        QCOMPARE(project.GetPrjInfo().coordinateId, -1);
    }

    // In plain mode the images that got no position leave the project on
    // "Next", once the operator agrees; "No" stays on the page. Flight mode
    // keeps them and asks nothing. A camera without record or an elevation
    // that is no number is refused before anything is asked.
    void next_data()
    {
        QTest::addColumn<bool>("fromFlight");
        QTest::addColumn<int>("camera0Images");
        QTest::addColumn<int>("cameraRecords");
        QTest::addColumn<QString>("extra");     // one more image of camera 0, without position
        QTest::addColumn<QString>("elevation"); // typed
        QTest::addColumn<QString>("question");  // empty: none is asked
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("kept"); // images of the project afterwards; -1 unchanged
        auto row = [](const char* name, bool fromFlight, int images, int records,
                      const QString& extra, const QString& elevation, const QString& question,
                      const QString& answer, int kept) {
            QTest::newRow(name) << fromFlight << images << records << extra << elevation << question
                                << answer << kept;
        };
        const QString many = QStringLiteral(
            "No position for 6 of 7 images: img_0_0001.JPG, img_0_0003.JPG, img_0_0004.JPG and 3 "
            "more. Leave them out of the project?");
        row("flight", true, 2, 2, "", "88.5", "", "", 3);
        row("plain, long name, yes", false, 2, 2, "DJI_20251001213509_0003_D.JPG", "88.5",
            "No position for 3 of 4 images: img_0_0001.JPG, img_1_0001.JPG, DJI_20…3_D.JPG. Leave "
            "them out of the project?",
            "kvbw2_ok_", 1);
        row("plain, many, no", false, 6, 2, "", "88.5", many, "kvbw2_cancel_", -1);
        row("camera 2 has no record", true, 1, 1, "", "12", "请设置相机文件!", "kvsb_ok_btn_", -1);
        row("elevation not a number", true, 1, 2, "", "12m", "平均高程无效，请输入数值！",
            "kvsb_ok_btn_", -1);
    }

    void next()
    {
        QFETCH(bool, fromFlight);
        QFETCH(int, camera0Images);
        QFETCH(int, cameraRecords);
        QFETCH(QString, extra);
        QFETCH(QString, elevation);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        QFETCH(int, kept);
        kvprj::KvProject project = MakeProject(camera0Images, 1, cameraRecords);
        if (!extra.isEmpty())
            project.GetImageInfoSet().AddImage(extra.toStdString(), "/survey/0", {}, 0, false);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, fromFlight);
        QVERIFY(TabButton(&dialog, "2")); // a camera without record still gets its tab
        dialog.Widget()->ApplyPosRecords({Record("img_0_0002", 1.0, 2.0)}, PosMatchWithoutExt,
                                         false);
        kvtest::Find<QLineEdit>(&dialog, "iplw_ave_z_line_edit_")->setText(elevation);
        const QString before = Describe(project);
        kvtest::ModalAnswer box;
        box.ExpectText(question).Click(answer).Arm(question.isEmpty() ? 300 : kvtest::kPatienceMs);
        dialog.setResult(QDialog::Rejected);
        Click(&dialog, "iplw_next_btn_");
        QVERIFY2(box.Done() == !question.isEmpty(), qPrintable(box.Error()));
        if (kept < 0) {
            QCOMPARE(dialog.Widget()->Result(), WR_CANCEL);
            QCOMPARE(Describe(project), before);
            return;
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(project.GetImageInfoSet().ValidSize(), kept);
        QCOMPARE(project.GetImageInfoSet().GetImage(1)->GetEOP().Y, 2.0);
        QCOMPARE(project.GetPrjInfo().meanElevation, 88.5);
    }

    // A tab without a camera takes it from the first of its photos that has
    // one; a tab with a camera keeps it. "Next" closes the unused slot.
    void addedImagesBringTheirCamera()
    {
        kvprj::KvProject project = MakeProject(1, 0, 1);
        ImagePosLoadDialog dialog;
        ImagePosLoadWidget* page = dialog.Widget();
        page->SetProject(&project, true);
        page->AddImageFiles({kImages + "/DJI_20251001213509_0003_D_LENS_CAP.JPG"});
        QCOMPARE(page->Cameras().Size(), 1);

        page->SetCurrentCamera(2);
        QCOMPARE(Text(&dialog, "iplw_camera_line_edit_"), QString());
        page->AddImageFiles({kImages + "/drone-testdata-agung-1-example.jpg",
                             kImages + "/DJI_20251001213509_0003_D_LENS_CAP.JPG"});
        QCOMPARE(Text(&dialog, "iplw_camera_line_edit_"), QStringLiteral("FC8482"));

        Click(&dialog, "iplw_next_btn_");
        const kvfd::CameraInfoSet& cameras = project.GetCameraInfoSet();
        QCOMPARE(cameras.Size(), 2);
        QCOMPARE(cameras.GetCamera(1)->name, std::string("FC8482"));
        QCOMPARE(cameras.GetCamera(1)->id, 1);
        const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        QCOMPARE(images.GetImage(images.Size() - 1)->GetCamera(), 1);
    }

    // The page takes an applied height; a dialog left after a query that
    // brought none leaves the page's height and says why beside it, until
    // the operator types one.
    void elevationFromTheService()
    {
        kvtest::CloudServer cloud({"--elevation", "12.5"});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        kvprj::KvProject project = MakeProject(1, 0);
        project.GetImageInfoSet().GetImage(0)->SetEOP(Record("", 114.3, 30.5).eop);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, false);
        QString position;
        for (const char* button : {"ew_apply_", "ew_quit_"}) {
            kvtest::ModalAnswer answer;
            answer
                .Do([&position](QWidget* elevation) {
                    position
                        = Text(elevation, "ew_longitude_") + ' ' + Text(elevation, "ew_latitude_");
                    Click(elevation, "ew_get_");
                })
                .Click(button)
                .Arm();
            Click(&dialog, "iplw_getelevation_");
            QVERIFY2(answer.Done(), qPrintable(answer.Error()));
            QCOMPARE(position, QStringLiteral("114.30000000 30.50000000"));
            QCOMPARE(Text(&dialog, "iplw_ave_z_line_edit_"), QStringLiteral("12.5"));
            QCOMPARE(Text(&dialog, "iplw_elevation_reason_"),
                     QByteArray(button) == "ew_apply_"
                         ? QString()
                         : QStringLiteral("No elevation from the web: Service unreachable: "
                                          "Connection refused"));
            cloud.Stop();
        }

        // A typed height answers it.
        QTest::keyClicks(kvtest::Find<QLineEdit>(&dialog, "iplw_ave_z_line_edit_"), "5");
        QCOMPARE(Text(&dialog, "iplw_elevation_reason_"), QString());
    }
};

QTEST_MAIN(TestImagePosLoad)
#include "tst_imageposload.moc"
