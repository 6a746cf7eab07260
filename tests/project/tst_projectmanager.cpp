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
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
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

    void pageShowsTheListAndSearches()
    {
        for (const char* name : {"Beta", "ALPHA one", "Gamma", "alphabet"})
            ProjectManager::UpdateConfig(Described(QStringLiteral("/%1.db").arg(name), name));
        ProjectManagerDialog dialog(false, nullptr);
        ProjectManagerWidget* page = dialog.Widget();
        QTest::keyClicks(kvtest::Find<QLineEdit>(page, "pmw_search_content_"), "alp");
        int shown = 0;
        for (ProjectGraphicsItem* tile : page->Scene()->Items())
            shown += tile->isVisible() ? 1 : 0;
        QCOMPARE(shown, 2);
    }

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

    // Delete under the selected tile asks first; only Yes drops the entry, and
    // the project file always stays.
    void deleteAsksBeforeDropping_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("yes") << "kvbw2_ok_" << true;
        QTest::newRow("box closed") << "dialog_close_btn" << false;
    }
    void deleteAsksBeforeDropping()
    {
        QFETCH(QString, button);
        QFETCH(bool, dropped);
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/删除 测试XXXXXX"));
        const QString one = Saved(dir.filePath(QStringLiteral("一.db")), u8"第一");
        const QString two = Saved(dir.filePath(QStringLiteral("two.db")), "two");
        QVERIFY(!one.isEmpty() && !two.isEmpty());
        ProjectManagerDialog dialog(false, nullptr);
        dialog.Widget()->AddProjectFiles({one, two});
        QCOMPARE(Paths(), (QStringList {two, one}));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        TiledScene* scene = dialog.Widget()->Scene();
        // The button's pictures are the host's resources; a plain one stands in.
        QPixmap picture(32, 32);
        picture.fill(Qt::red);
        scene->DeleteButton()->SetNormalPixmap(picture);
        scene->Items().at(1)->setSelected(true);
        auto* view = kvtest::Find<QGraphicsView>(dialog.Widget(), "pmw_view_");
        const QPoint button_at
            = view->mapFromScene(scene->DeleteButton()->sceneBoundingRect().center());
        kvtest::ModalAnswer question;
        question
            .ExpectText(QStringLiteral(u"Remove \"第一\" from the list? The project file "
                                       u"itself is kept."))
            .Click(button)
            .Arm();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, button_at);
        QVERIFY2(question.Done(), qPrintable(question.Error()));

        QCOMPARE(Paths(), dropped ? QStringList {two} : (QStringList {two, one}));
        QCOMPARE(scene->Items().size(), dropped ? 1 : 2);
        QVERIFY(QFileInfo(one).isFile());
    }

    void entryThatIsNoProjectAsks()
    {
        const QString junk = kvtest::TemporaryDataDir() + QStringLiteral("/junk.db");
        QVERIFY(Write(junk, "SQLite format 3? no"));
        ProjectManager::WriteConfig({PrjInfo {QString(), junk, "junk", "", "", ""}});
        ProjectManagerDialog dialog(false, nullptr);
        ProjectManagerWidget* page = dialog.Widget();

        kvtest::ModalAnswer yes;
        yes.ExpectText(Message(128)).Click("kvbw2_ok_").Arm();
        page->Scene()->Items().first()->Activate();
        QVERIFY2(yes.Done(), qPrintable(yes.Error()));
        QVERIFY(page->Scene()->Items().isEmpty());
        QVERIFY(Paths().isEmpty() && QFile::exists(junk));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void imageModeGroupsImagesByFour()
    {
        ProjectManagerDialog dialog(true, nullptr);
        QStringList files;
        for (int i = 0; i < 9; ++i)
            files << QStringLiteral("/photos/IMG_%1.jpg").arg(i);
        dialog.Widget()->NewImageProject(files);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const kvprj::KvProject project = dialog.GetProject();
        const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        QCOMPARE(images.GetImage(8)->GetFullName(), std::string("/photos/IMG_8.jpg"));
        QVERIFY(images.GetImageExt(3)->flight == 0 && images.GetImageExt(4)->flight == 1
                && images.GetImageExt(8)->flight == 2);
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
