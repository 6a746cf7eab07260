#include "cloudserver.h"
#include "framework/buttongroup.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/imageposloaddialog.h"
#include "kvfd/kvconststringfactory.h"
#include "modalanswer.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");

kvfd::CameraInfo Camera(const char* name, int width, int height, double ccdWidth, double ccdHeight,
                        double focal)
{
    kvfd::CameraInfo camera;
    camera.name = name;
    camera.width = width;
    camera.height = height;
    camera.ccd_width = ccdWidth;
    camera.ccd_height = ccdHeight;
    camera.focal = focal;
    return camera;
}

// Cameras 0 and 1 (real drone cameras); images named "<camera>_<k>.JPG" in
// "/survey/<camera>", all disabled, flight 2, EOP zero.
kvprj::KvProject MakeProject(int camera0Images, int camera1Images, int cameraRecords = 2)
{
    kvprj::KvProject project;
    const kvfd::CameraInfo cameras[3] = {Camera("FC300S", 4000, 2250, 6.16, 3.465, 3.61),
                                         Camera("FC8482", 4032, 3024, 9.7, 7.275, 6.72),
                                         Camera("FC6310", 5472, 3648, 13.2, 8.8, 8.8)};
    for (int c = 0; c < cameraRecords; ++c)
        project.GetCameraInfoSet().AddCamera(cameras[c]);
    for (int c = 0; c < 2; ++c) {
        for (int k = 0; k < (c == 0 ? camera0Images : camera1Images); ++k) {
            const int i = project.GetImageInfoSet().AddImage(
                QStringLiteral("img_%1_%2.JPG")
                    .arg(c)
                    .arg(k + 1, 4, 10, QLatin1Char('0'))
                    .toStdString(),
                "/survey/" + std::to_string(c), kvfd::EOP(), c, false);
            project.GetImageInfoSet().GetImageExt(i)->flight = 2;
        }
    }
    project.GetPrjInfo().meanElevation = 42.5;
    project.GetPrjInfo().coordinateId = 32650;
    return project;
}

PosData Record(const char* name, double x, double y, double z = 100.0)
{
    PosData record;
    record.name = name;
    record.eop.X = x;
    record.eop.Y = y;
    record.eop.Z = z;
    record.eop.Omega = 0.01;
    return record;
}

// Everything of a project the page may write.
QString Describe(const kvprj::KvProject& project)
{
    QStringList lines;
    const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        if (!image)
            continue;
        const kvfd::EOP& e = image->GetEOP();
        lines << QString::asprintf("%s %s cam %d on %d flight %d %.9g %.9g %.9g %.9g",
                                   image->Name().c_str(), image->Path().c_str(), image->GetCamera(),
                                   int(images.GetImageExt(i)->enabled),
                                   images.GetImageExt(i)->flight, e.X, e.Y, e.Z, e.Omega);
    }
    for (int c = 0; c < project.GetCameraInfoSet().Size(); ++c)
        lines << QString::asprintf("camera %d %s", c,
                                   project.GetCameraInfoSet().GetCamera(c)->name.c_str());
    lines << QString::asprintf("elevation %.9g coordinate %d", project.GetPrjInfo().meanElevation,
                               project.GetPrjInfo().coordinateId);
    return lines.join(QLatin1Char('\n'));
}

QTableView* Table(QWidget* root)
{
    return kvtest::Find<QTableView>(root, QStringLiteral("image_table_widget_"));
}

QString Text(QWidget* root, const char* name)
{
    if (auto* edit = kvtest::Find<QLineEdit>(root, name))
        return edit->text();
    return kvtest::Find<QLabel>(root, name)->text();
}

void Click(QWidget* root, const char* name)
{
    QTest::mouseClick(kvtest::Find<QPushButton>(root, name), Qt::LeftButton);
}

QString Cell(QWidget* root, int row, int column)
{
    const QAbstractItemModel* model = Table(root)->model();
    return model->data(model->index(row, column)).toString();
}

void SelectRows(QWidget* root, std::initializer_list<int> rows)
{
    QTableView* table = Table(root);
    for (int row : rows)
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QPushButton* TabButton(QWidget* root, const QString& text)
{
    for (QPushButton* button : root->findChildren<QPushButton*>(QStringLiteral("kv_group_btn"))) {
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
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_files.isValid());
    }

    void columnsFollowTheMode_data()
    {
        QTest::addColumn<bool>("fromFlight");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("nameColumn");
        QTest::newRow("plain") << false << QStringList {"Name",  "X",   "Y",     "Z",
                                                        "Omega", "Phi", "Kappa", "Path"}
                               << 0;
        QTest::newRow("flight") << true
                                << QStringList {"Enable", "Update", "Flight", "Name",  "X",   "Y",
                                                "Z",      "Omega",  "Phi",    "Kappa", "Path"}
                                << 3;
    }

    void columnsFollowTheMode()
    {
        QFETCH(bool, fromFlight);
        QFETCH(QStringList, headers);
        QFETCH(int, nameColumn);
        kvprj::KvProject project = MakeProject(2, 3);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, fromFlight);
        dialog.show();
        QTableView* table = Table(&dialog);
        QStringList shown;
        for (int c = 0; c < table->model()->columnCount(); ++c)
            shown << table->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(shown, headers);
        QCOMPARE(table->model()->rowCount(), 2); // camera 0 only
        QCOMPARE(kvtest::Find<QPushButton>(&dialog, "iplw_edit_image_btn_")->isVisible(),
                 fromFlight);
        QVERIFY(table->editTriggers() == QAbstractItemView::NoEditTriggers);
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table->font().pointSize(), dialog.Widget()->font().pointSize() - 1);
        QCOMPARE(Text(&dialog, "iplw_ave_z_line_edit_"), QStringLiteral("42.5"));
        QCOMPARE(Text(&dialog, "iplw_coordinate_line_edit_"), QStringLiteral("UTM zone 50N"));
        QCOMPARE(Text(&dialog, "iplw_camera_line_edit_"), QStringLiteral("FC300S"));

        std::vector<PosData> records {Record("IMG_0_0002.jpg", 500000.5, 3300000.25)};
        dialog.Widget()->ApplyPosRecords(records, PosMatchWithExt, false);
        QCOMPARE(Cell(&dialog, 1, nameColumn), QStringLiteral("img_0_0002.JPG"));
        QCOMPARE(Cell(&dialog, 1, nameColumn + 1), QStringLiteral("500000.50000000"));
        QCOMPARE(Cell(&dialog, 1, nameColumn + 4), QStringLiteral("0.572958"));
        QCOMPARE(Cell(&dialog, 1, nameColumn + 7), QStringLiteral("/survey/0"));
        if (fromFlight) {
            QCOMPARE(Cell(&dialog, 0, 1), QStringLiteral("No"));
            QCOMPARE(Cell(&dialog, 0, 2), QStringLiteral("Flight 2"));
        }
        // The second tab shows camera 1's images and camera.
        QTest::mouseClick(TabButton(&dialog, QStringLiteral("2")), Qt::LeftButton);
        QCOMPARE(table->model()->rowCount(), 3);
        QCOMPARE(Cell(&dialog, 0, nameColumn), QStringLiteral("img_1_0001.JPG"));
        QCOMPARE(Text(&dialog, "iplw_camera_line_edit_"), QStringLiteral("FC8482"));
    }

    void matchTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("matched");
        QTest::newRow("without ext, case and extension differ")
            << int(PosMatchWithoutExt) << "IMG_0_0001" << true;
        QTest::newRow("with ext, no extension") << int(PosMatchWithExt) << "IMG_0_0001" << false;
        QTest::newRow("with ext, case differs") << int(PosMatchWithExt) << "IMG_0_0001.jpg" << true;
        QTest::newRow("order ignores the id") << int(PosMatchOrder) << "whatever" << true;
    }

    void matchTypes()
    {
        QFETCH(int, type);
        QFETCH(QString, id);
        QFETCH(bool, matched);
        kvprj::KvProject project = MakeProject(1, 1);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, false);
        dialog.Widget()->ApplyPosRecords({Record(qPrintable(id), 10.0, 20.0)}, PosMatchType(type),
                                         false);
        const kvfd::ImageInfoSet& images = dialog.Widget()->Images();
        QCOMPARE(images.GetImageExt(0)->enabled, matched);
        QCOMPARE(images.GetImage(0)->GetEOP().Y, matched ? 20.0 : 0.0);
        QCOMPARE(Text(&dialog, "iplw_pos_line_edit_"), QStringLiteral("%1/2").arg(int(matched)));
    }

    void orderGivesTheFirstRecordsToTheImages()
    {
        kvprj::KvProject project = MakeProject(3, 1);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, false);
        std::vector<PosData> records;
        for (int k = 1; k <= 5; ++k)
            records.push_back(Record("r", k, k * 10.0));
        dialog.Widget()->ApplyPosRecords(records, PosMatchOrder, false);
        const kvfd::ImageInfoSet& images = dialog.Widget()->Images();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(images.GetImage(i)->GetEOP().X, double(i + 1));
        QVERIFY(!images.GetImageExt(3)->enabled); // camera 1 is not current
        QCOMPARE(Text(&dialog, "iplw_pos_line_edit_"), QStringLiteral("3/4"));
    }

    void coordinateFollowsTheRecords()
    {
        kvprj::KvProject project = MakeProject(2, 0);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, false);
        dialog.Widget()->ApplyPosRecords(
            {Record("img_0_0001.JPG", 114.2, 30.4), Record("img_0_0002.JPG", 114.4, 30.6)},
            PosMatchWithExt, true);
        QCOMPARE(Text(&dialog, "iplw_coordinate_line_edit_"), QStringLiteral("UTM zone 50N"));
        QCOMPARE(dialog.Widget()->Coordinate().id, 32650);
        // Positions stay in degrees.
        QCOMPARE(dialog.Widget()->Images().GetImage(1)->GetEOP().X, 114.4);

        dialog.Widget()->ApplyPosRecords({Record("img_0_0001.JPG", 500000.0, 3300000.0)},
                                         PosMatchWithExt, false);
        QCOMPARE(Text(&dialog, "iplw_coordinate_line_edit_"), QStringLiteral("本地坐标系"));
        Click(&dialog, "iplw_next_btn_");
        QCOMPARE(project.GetPrjInfo().coordinateId, -1);
    }

    void nextWritesTheWorkingCopy_data()
    {
        QTest::addColumn<bool>("fromFlight");
        QTest::addColumn<int>("images");
        QTest::newRow("plain drops images without position") << false << 1;
        QTest::newRow("flight keeps them") << true << 3;
    }

    void nextWritesTheWorkingCopy()
    {
        QFETCH(bool, fromFlight);
        QFETCH(int, images);
        kvprj::KvProject project = MakeProject(2, 1);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, fromFlight);
        dialog.Widget()->ApplyPosRecords({Record("img_0_0002", 1.0, 2.0)}, PosMatchWithoutExt,
                                         false);
        kvtest::Find<QLineEdit>(&dialog, "iplw_ave_z_line_edit_")->setText(QStringLiteral("88.5"));
        Click(&dialog, "iplw_next_btn_");
        QCOMPARE(dialog.Widget()->Result(), WR_NEXT);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(project.GetImageInfoSet().ValidSize(), images);
        QCOMPARE(project.GetImageInfoSet().GetImage(1)->GetEOP().Y, 2.0);
        QCOMPARE(project.GetPrjInfo().meanElevation, 88.5);
        QCOMPARE(project.GetPrjInfo().coordinateId, -1);
        QCOMPARE(project.GetCameraInfoSet().Size(), 2);
    }

    void nextIsRefused_data()
    {
        QTest::addColumn<int>("cameraRecords");
        QTest::addColumn<QString>("elevation");
        QTest::addColumn<QString>("message");
        const QString noCamera = QString::fromLocal8Bit(kvfd::KvGetConstString(127).c_str());
        QTest::newRow("camera 2 has no record") << 1 << "12" << noCamera;
        QTest::newRow("elevation not a number") << 2 << "12m"
                                                << "平均高程无效，请输入数值！";
        QTest::newRow("elevation empty") << 2 << ""
                                         << "平均高程无效，请输入数值！";
    }

    void nextIsRefused()
    {
        QFETCH(int, cameraRecords);
        QFETCH(QString, elevation);
        QFETCH(QString, message);
        QCOMPARE(kvfd::KvGetConstString(127), std::string("请设置相机文件!"));
        kvprj::KvProject project = MakeProject(1, 1, cameraRecords);
        const QString before = Describe(project);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, true);
        // Images whose camera has no record still get their tab.
        QVERIFY(TabButton(&dialog, QStringLiteral("2")));
        kvtest::Find<QLineEdit>(&dialog, "iplw_ave_z_line_edit_")->setText(elevation);
        kvtest::ModalAnswer answer;
        answer.ExpectText(message).Click(QStringLiteral("kvsb_ok_btn_")).Arm();
        Click(&dialog, "iplw_next_btn_");
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(dialog.Widget()->Result(), WR_CANCEL);
        QCOMPARE(Describe(project), before);
    }

    void backAndExitWriteNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("back") << "iplw_back_btn_" << int(WR_BACK);
        QTest::newRow("exit") << "iplw_quit_btn_" << int(WR_CANCEL);
    }

    void backAndExitWriteNothing()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        kvprj::KvProject project = MakeProject(2, 2);
        const QString before = Describe(project);
        kvtest::ModalAnswer answer;
        answer
            .Do([](QWidget* dialog) {
                auto* page = dialog->findChild<ImagePosLoadWidget*>();
                page->ApplyPosRecords({Record("img_0_0001.JPG", 114.3, 30.5)}, PosMatchWithExt,
                                      true);
                page->RemoveCamera(1, -1);
            })
            .Click(button)
            .Arm();
        QCOMPARE(int(ShowImagePosLoadDialog(project, false)), result);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(Describe(project), before);
    }

    void removingATabRemovesItsCameraAndImages()
    {
        // Three cameras; tab 2 goes while tab 1 is current.
        kvprj::KvProject project = MakeProject(2, 2, 3);
        const int third
            = project.GetImageInfoSet().AddImage("c.JPG", "/survey/2", kvfd::EOP(), 2, true);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QPushButton* tab2 = TabButton(&dialog, QStringLiteral("2"));
        QVERIFY(tab2);
        QTest::mouseClick(tab2, Qt::RightButton);
        auto* menu = dialog.findChild<ButtonGroup*>()->findChild<QMenu*>();
        QTRY_VERIFY(menu->isVisible());
        menu->actions().first()->trigger();
        menu->hide();

        QCOMPARE(dialog.Widget()->CurrentCamera(), 0);
        QCOMPARE(Table(&dialog)->model()->rowCount(), 2);
        QCOMPARE(dialog.Widget()->Images().ValidSize(), 3);
        for (int i = 2; i < 4; ++i)
            QVERIFY(!dialog.Widget()->Images().GetImage(i));
        Click(&dialog, "iplw_next_btn_");
        QCOMPARE(dialog.Widget()->Result(), WR_NEXT);
        // Camera 3 moves up into the freed place and its image follows it.
        QCOMPARE(project.GetCameraInfoSet().Size(), 2);
        QCOMPARE(project.GetCameraInfoSet().GetCamera(1)->name, std::string("FC6310"));
        QCOMPARE(project.GetImageInfoSet().GetImage(third)->GetCamera(), 1);
        QCOMPARE(project.GetImageInfoSet().ValidSize(), 3);
    }

    void editSelectedImages()
    {
        kvprj::KvProject project = MakeProject(3, 0);
        project.GetImageInfoSet().GetImage(1)->SetPath("/survey/other");
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, true);

        // Several images in different folders: no folder shown, none changed.
        SelectRows(&dialog, {0, 1});
        kvtest::ModalAnswer several;
        several
            .Do([](QWidget* editor) {
                QVERIFY(kvtest::Find<QLineEdit>(editor, "m_ImagePath")->text().isEmpty());
            })
            .Click(QStringLiteral("m_Btn_OK"))
            .Arm();
        Click(&dialog, "iplw_edit_image_btn_");
        QVERIFY2(several.Done(), qPrintable(several.Error()));
        QCOMPARE(dialog.Widget()->Images().GetImage(0)->Path(), std::string("/survey/0"));
        QCOMPARE(dialog.Widget()->Images().GetImage(1)->Path(), std::string("/survey/other"));

        // One image: its values and a new flight are taken.
        Table(&dialog)->clearSelection();
        SelectRows(&dialog, {2});
        kvtest::ModalAnswer one;
        one.Do([](QWidget* editor) {
               kvtest::Find<QTableWidget>(editor, "tableWidget_OPK")
                   ->item(1, 0)
                   ->setText(QStringLiteral("28.648"));
               auto* widget = editor->findChild<EditImagePropertyWidget*>();
               widget->Slot_ComboxActivated(3); // "New Flight 3"
           })
            .Click(QStringLiteral("m_Btn_OK"))
            .Arm();
        Click(&dialog, "iplw_edit_image_btn_");
        QVERIFY2(one.Done(), qPrintable(one.Error()));
        QCOMPARE(dialog.Widget()->Images().GetImage(2)->GetEOP().Omega, 0.5);
        QCOMPARE(dialog.Widget()->Images().GetImageExt(2)->flight, 3);
        QCOMPARE(Cell(&dialog, 2, 2), QStringLiteral("Flight 3"));
    }

    void exifPositions()
    {
        // The real photos, plus a truncated photo and a text file named .jpg
        // in a folder with a Chinese name.
        const QString folder = m_files.filePath(QStringLiteral("测试 目录"));
        QVERIFY(QDir().mkpath(folder));
        QFile photo(kImages + QStringLiteral("/DJI_0024.JPG"));
        QVERIFY(photo.open(QIODevice::ReadOnly));
        QFile cut(folder + QStringLiteral("/截断 DJI.JPG"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(photo.read(1024));
        cut.close();
        QFile fake(folder + QStringLiteral("/假 照片.jpg"));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("this is plain text, not a photo\n");
        fake.close();

        kvprj::KvProject project = MakeProject(0, 0, 1);
        kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        const QStringList names = QDir(kImages).entryList({"*.jpg", "*.JPG"}, QDir::Files);
        QCOMPARE(names.size(), 8);
        for (const QString& name : names)
            images.AddImage(name.toStdString(), kImages.toStdString(), kvfd::EOP(), 0, false);
        images.AddImage("截断 DJI.JPG", folder.toStdString(), kvfd::EOP(), 0, false);
        images.AddImage("假 照片.jpg", folder.toStdString(), kvfd::EOP(), 0, false);

        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, false);
        Click(&dialog, "iplw_exif_btn_");

        // Longitude, latitude, altitude as SOURCES.md gives them.
        const QMap<QString, QVector<double>> expected {
            {"DJI_0024.JPG", {-91.9936966666667, 46.8428646111111, 198.409}},
            {"tiny_drone_image.jpg", {-81.70550109, 41.22636995, 438.1885965}},
            {"DJI_20251001213509_0003_D_LENS_CAP.JPG", {115.48415, -8.30395, 1189.641}},
            {"GoPro.jpg", {-73.9933542999722, 40.6584191999722, -3.983}},
            {"FurnaceCreekInn.jpg", {-116.855, 36.4483333333333, -14.28}}};
        const kvfd::ImageInfoSet& read = dialog.Widget()->Images();
        for (int i = 0; i < read.Size(); ++i) {
            const QString name = QString::fromStdString(read.GetImage(i)->Name());
            const kvfd::EOP& eop = read.GetImage(i)->GetEOP();
            QCOMPARE(read.GetImageExt(i)->enabled, expected.contains(name));
            const QVector<double> lla = expected.value(name, {0.0, 0.0, 0.0});
            QVERIFY2(qAbs(eop.X - lla[0]) < 1e-7 && qAbs(eop.Y - lla[1]) < 1e-7
                         && qAbs(eop.Z - lla[2]) < 1e-6,
                     qPrintable(name));
        }
        QCOMPARE(Text(&dialog, "iplw_pos_line_edit_"), QStringLiteral("5/10"));
        // Mean longitude -49.8, mean latitude 31.4.
        QCOMPARE(Text(&dialog, "iplw_coordinate_line_edit_"), QStringLiteral("UTM zone 22N"));

        // Next keeps exactly the positioned photos.
        Click(&dialog, "iplw_next_btn_");
        QCOMPARE(project.GetImageInfoSet().ValidSize(), 5);
    }

    void elevationFromTheService()
    {
        kvtest::CloudServer cloud({QStringLiteral("--elevation"), QStringLiteral("12.5")});
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        kvprj::KvProject project = MakeProject(1, 0);
        project.GetImageInfoSet().GetImage(0)->SetEOP(Record("", 114.3, 30.5).eop);
        ImagePosLoadDialog dialog;
        dialog.Widget()->SetProject(&project, false);
        QString position;
        kvtest::ModalAnswer answer;
        answer
            .Do([&position](QWidget* elevation) {
                position = kvtest::Find<QLineEdit>(elevation, "ew_longitude_")->text() + ' '
                    + kvtest::Find<QLineEdit>(elevation, "ew_latitude_")->text();
                QTest::mouseClick(kvtest::Find<QPushButton>(elevation, "ew_get_"), Qt::LeftButton);
            })
            .Click(QStringLiteral("ew_apply_"))
            .Arm();
        Click(&dialog, "iplw_getelevation_");
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(position, QStringLiteral("114.30000000 30.50000000"));
        QCOMPARE(Text(&dialog, "iplw_ave_z_line_edit_"), QStringLiteral("12.5"));
    }

private:
    QTemporaryDir m_files;
};

QTEST_MAIN(TestImagePosLoad)
#include "tst_imageposload.moc"
