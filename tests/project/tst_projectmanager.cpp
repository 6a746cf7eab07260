#include "cloudserver.h"
#include "framework/kvsettingskeys.h"
#include "imagery/imageposloaddialog.h"
#include "kvfd/kvconststringfactory.h"
#include "kvprj/flyprojecthelper.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "project/flyprjsettingdialog.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"
#include "wizardanswers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Message(int id)
{
    return QString::fromStdString(kvfd::KvGetConstString(id));
}

kvprj::KvProject Described(const QString& path, const char* name = "project")
{
    kvprj::KvProject project;
    kvprj::PrjInfo& info = project.GetPrjInfo();
    kvprj::CopyText(info.name, name);
    kvprj::CopyText(info.prjOperator, u8"张工");
    kvprj::CopyText(info.date, "2024-05-06T07:08:09");
    kvprj::CopyText(info.description, u8"东湖");
    info.path = path.toStdString();
    return project;
}

QString Saved(const QString& path, const char* name)
{
    kvprj::KvProject project = Described(QString(), name);
    return project.SavePrj(path.toStdString()) ? path : QString();
}

QStringList Paths()
{
    QList<PrjInfo> list;
    ProjectManager::ReadConfig(list);
    QStringList paths;
    for (const PrjInfo& record : list)
        paths << record.path;
    return paths;
}

bool Write(const QString& path, const QByteArray& content = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) >= 0;
}

} // namespace

class TestProjectManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        qputenv("HOME", QFile::encodeName(kvtest::TemporaryDataDir() + QStringLiteral("/home")));
        qputenv(kvui::settings::kServiceAddressVariable, "http://127.0.0.1:9");
    }

    void init() { QFile::remove(ProjectManager::ConfigPath()); }

    void importCopyAndOpen()
    {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/测试 目录XXXXXX"));
        const QString one = Saved(dir.filePath(QStringLiteral("one.db")), "one");
        const QString two = Saved(dir.filePath(QStringLiteral("二.db")), u8"第二");
        const QString junk = dir.filePath(QStringLiteral("junk.db"));
        QVERIFY(!one.isEmpty() && !two.isEmpty() && Write(junk)
                && Write(dir.filePath(QStringLiteral("one_1.db"))));

        ProjectManagerDialog dialog(false, nullptr);
        ProjectManagerWidget* page = dialog.Widget();
        page->AddProjectFiles({one, two, junk, dir.filePath(QStringLiteral("missing.db"))});
        QCOMPARE(Paths(), (QStringList {two, one}));

        // Copy: "_1" is taken, so "_2" it is, with its own entry.
        page->Scene()->Items().at(1)->setSelected(true);
        page->Scene()->CopyItem();
        const QString copy = dir.filePath(QStringLiteral("one_2.db"));
        QCOMPARE(Paths(), (QStringList {two, one, copy}));

        // Opening moves the project to the front and ends the page with it.
        dialog.setResult(QDialog::Rejected);
        page->OpenOneProject(page->Scene()->Items().at(1)->Info());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromUtf8(dialog.GetProject().GetPrjInfo().name), QStringLiteral("one"));
        QCOMPARE(Paths(), (QStringList {one, two, copy}));
    }

    // The new project's images are grouped into flight lines before the page closes.
    void newProjectComputesFlightLines()
    {
        QTemporaryDir dir;
        QStringList photos;
        std::vector<PosData> records;
        for (int i = 0; i < 8; ++i) {
            const QString name = QStringLiteral("DJI_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
            photos << dir.filePath(name);
            QVERIFY(QFile::link(QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG"),
                                photos.last()));
            // Two lines of four, flown east then back west 100 m further north.
            const int line = i / 4, step = line ? 3 - i % 4 : i % 4;
            records.push_back(
                {name.toStdString(), {114.3 + 0.0006 * step, 30.5 + 0.0009 * line, 120.0}});
        }
        ProjectManagerDialog page(false, nullptr);
        kvtest::WizardAnswers wizard(QStringLiteral("lines"), photos, [&](QWidget* dialog) {
            dialog->findChild<ImagePosLoadWidget*>()->ApplyPosRecords(records, PosMatchWithExt,
                                                                      true);
        });
        wizard.Arm();
        page.Widget()->NewProject();
        QVERIFY2(wizard.Done(), qPrintable(wizard.Error()));
        QCOMPARE(page.result(), int(QDialog::Accepted));
        const kvprj::KvProject project = page.GetProject();
        const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        QCOMPARE(images.ValidSize(), 8);
        QVERIFY(images.GetImageExt(3)->flight == 0 && images.GetImageExt(4)->flight == 1);
    }

    void flightMissionsOpenWithChosenImages()
    {
        const QString photos = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");
        QSettings account {QLatin1String(kvui::settings::kOrganization),
                           QLatin1String(kvui::settings::kAccountStore)};
        account.setValue(QStringLiteral("UserInfo/Account"), QStringLiteral("pilot"));
        account.sync();
        const QString database = FlightMissionDatabasePath();
        QVERIFY(database.endsWith(
            QStringLiteral("/UAVQuorvel/Project/pilot/Lumo_Airline/Flight_Mission.db")));

        kvprj::FlyMission mission;
        mission.info = {"m-1", "North field", "SN-0042", "North", "2024-05-06T07:08:09"};
        mission.aircraftSerial = "SN0001"; // a serial the camera service knows
        for (int i = 0; i < 8; ++i)
            mission.photos.push_back({i / 4, "P" + std::to_string(i) + ".JPG", "/card",
                                      114.3 + (i % 4) * 0.0003, 30.5 + (i / 4) * 0.0005, 100, 0});
        QVERIFY(QDir().mkpath(QFileInfo(database).path()));
        QVERIFY(kvprj::FlyProjectHelper::Write(database.toStdString(), {mission}));

        ProjectManagerDialog dialog(false, nullptr);
        ProjectManagerWidget* page = dialog.Widget();
        page->SelectFlightProject();
        QVERIFY(!page->Scene()->ButtonsEnabled());
        QCOMPARE(page->Records().size(), 1);
        const PrjInfo record = page->Records().first();
        QCOMPARE(QStringList({record.identifier, record.path, record.name, record.description}),
                 QStringList({"m-1", "North field SN-0042", "North", "SN-0042"}));

        PrjInfo unknown = record;
        unknown.path = QStringLiteral("elsewhere");
        kvtest::ModalAnswer notFound;
        notFound.ExpectText(Message(129)).Click("kvsb_ok_btn_").Arm();
        page->OpenOneProject(&unknown);
        QVERIFY2(notFound.Done(), qPrintable(notFound.Error()));

        QStringList chosen;
        for (const char* name : {"DJI_0024.JPG", "IMG_0031.jpg", "tiny_drone_image.jpg"})
            chosen << photos + QLatin1Char('/') + QLatin1String(name);
        kvtest::ModalAnswer images;
        images
            .Do([&chosen](QWidget* w) { w->findChild<FlyPrjSettingWidget*>()->AddImages(chosen); })
            .Click("fpsw_ok_btn_")
            .Arm();
        // The aircraft's camera is meant for 6000-pixel images, the photos are
        // smaller: the operator is asked before it replaces theirs.
        kvtest::ModalAnswer sizes;
        sizes.Click("kvbw2_ok_").Arm();
        kvtest::CloudServer cloud;
        QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
        page->Scene()->Items().first()->Activate();
        QVERIFY2(images.Done(), qPrintable(images.Error()));
        QVERIFY2(sizes.Done(), qPrintable(sizes.Error()));
        QVERIFY(sizes.SeenTexts().join(' ').contains(QLatin1String("6000")));
        QCOMPARE(cloud.WaitForRequests(QStringLiteral("/data/getcamera"), 1), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const kvprj::KvProject project = dialog.GetProject();
        const kvfd::ImageInfoSet& set = project.GetImageInfoSet();
        QCOMPARE(set.Size(), 8);
        QCOMPARE(QString::fromStdString(set.GetImage(2)->GetFullName()), chosen.at(2));
        QCOMPARE(set.GetImage(3)->GetFullName(), std::string("/card/P3.JPG"));
        QVERIFY(set.GetImageExt(0)->flight == 0 && set.GetImageExt(7)->flight == 1);
        // The camera read from the photos took the service's values for the
        // aircraft and kept its id.
        QCOMPARE(project.GetCameraInfoSet().Size(), 1);
        const kvfd::CameraInfo* camera = project.GetCameraInfoSet().GetCamera(0);
        QVERIFY(camera->width == 6000 && camera->id == 0);
        QVERIFY(!QFile::exists(ProjectManager::ConfigPath())); // missions are no list entries
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestProjectManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_projectmanager.moc"
