#include "framework/kvshared.h"
#include "framework/language.h"
#include "host/hostmodule.h"
#include "host/hoststyle.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "host/projectmodule.h"
#include "host/screenshotregistry.h"
#include "hosttest.h"
#include "imagery/imageposloaddialog.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"
#include "project/projectmanager.h"
#include "wizardanswers.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <QtWidgets>

namespace {

using hosttest::Action;

const QString kProjectName = QStringLiteral("第一测区");

// Three images: the second disabled, the third in flight 2.
QString SaveSampleProject(const QString& folder)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, kProjectName.toUtf8().constData());
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < 3; ++i) {
        const kvfd::EOP eop {
            1000.0 + i, 2000.0, 150.25, qDegreesToRadians(1.5), 0.0, qDegreesToRadians(90.0 + i)};
        const int index = images.AddImage("IMG_" + std::to_string(i + 1) + ".JPG", "/survey/raw",
                                          eop, 0, i != 1);
        images.GetImageExt(index)->flight = i == 2 ? 1 : 0;
    }
    const QString path = folder + QLatin1Char('/') + kProjectName + QStringLiteral(".db");
    return project.SavePrj(QString2String(path)) ? path : QString();
}

QString Cell(KvMainWindow& window, int row, int column)
{
    QTableWidgetItem* item = window.ImageTable()->item(row, column);
    return item ? item->text() : QString();
}

const char* const kMenus[] = {"kv_menu_file", "kv_menu_tools", "kv_menu_cameras", "kv_menu_help",
                              "kv_menu_demonstrations"};

// "<menu>/<action>" for every action a module adds (not the window's own Quit
// and About), menus in menu-bar order.
QStringList PlacedActions(const KvMainWindow& window)
{
    QStringList placed;
    for (const char* name : kMenus) {
        const auto* menu = window.findChild<QMenu*>(QLatin1String(name));
        for (const QAction* action : menu->actions()) {
            // A submenu's entries are listed under the submenu's own name.
            if (action->isSeparator() || action->menu()
                || action->objectName() == QLatin1String("kv_action_quit")
                || action->objectName() == QLatin1String("kv_action_about"))
                continue;
            placed << QLatin1String(name) + QLatin1Char('/') + action->objectName();
        }
    }
    return placed;
}

// "kv_menu_<menu>/kv_action_<action>" for each of the actions.
QStringList In(const char* menu, const char* actions)
{
    QStringList placed;
    for (const QString& action : QString::fromLatin1(actions).split(' '))
        placed << QStringLiteral("kv_menu_%1/kv_action_%2").arg(QLatin1String(menu), action);
    return placed;
}

std::unique_ptr<HostModule> TakeModule(const QString& name)
{
    for (auto& module : kvhost::HostModules()) {
        if (module->Name() == name)
            return std::move(module);
    }
    return nullptr;
}

// A later subsystem as it would plug in: an action and a dock; it
// notes what it still sees of the window when it is deleted.
class PanelModule : public HostModule
{
    Q_OBJECT

public:
    struct Seen
    {
        bool deleted = false;
        bool hadProject = false;
        bool hadDock = false;
    };

    explicit PanelModule(Seen& seen)
        : m_seen(seen)
    { }
    ~PanelModule() override
    {
        m_seen.deleted = true;
        m_seen.hadProject = m_window->Context() != nullptr;
        m_seen.hadDock = !m_dock.isNull();
    }

    QString Name() const override { return QStringLiteral("panel"); }
    void Install(KvMainWindow& window) override
    {
        m_window = &window;
        window.AddProjectAction(
            KvMainWindow::MenuId::Tools, [] { return QStringLiteral("Survey &Map"); },
            QStringLiteral("kv_action_map"), [this] { ++triggered; });
        m_dock = window.AddDock(
            new QLabel(QStringLiteral("map")), [] { return QStringLiteral("Map"); },
            QStringLiteral("kv_map_dock"), Qt::RightDockWidgetArea);
    }
    void Screenshots(ScreenshotRegistry&) const override { }

    int triggered = 0;

private:
    Seen& m_seen;
    KvMainWindow* m_window = nullptr;
    QPointer<QDockWidget> m_dock;
};

} // namespace

class TestKvMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        HostStyle::Apply(*qApp);
        QVERIFY(m_dir.isValid());
        m_project = SaveSampleProject(m_dir.path());
        QVERIFY(!m_project.isEmpty());
    }

    void opensAndClosesAProject()
    {
        {
            KvMainWindow window;
            QVERIFY(!kvkernel::KvGetContext());
            QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
            QVERIFY(window.OpenProject(m_project));
            QCOMPARE(changed.count(), 1);
            QCOMPARE(kvkernel::KvGetContext(), window.Context());
            QVERIFY(window.ProjectLabel()->text().contains(kProjectName));
            QCOMPARE(Cell(window, 2, ImageTablePanel::KappaColumn), QStringLiteral("92.0000"));
            QCOMPARE(Cell(window, 1, ImageTablePanel::EnabledColumn), QStringLiteral("No"));
            window.CloseProject();
            QVERIFY(!kvkernel::KvGetContext());
            QCOMPARE(window.ImageTable()->rowCount(), 0);
            QVERIFY(window.OpenProject(m_project));
        }
        QVERIFY(!kvkernel::KvGetContext());
    }

    // File > New Project: the wizard on a real photo, the project saved where
    // the operator says, shown in the window and reopened unchanged.
    void newProjectIsCreatedSavedAndShown()
    {
        const QString photo = m_dir.filePath(QStringLiteral("新 照片/DJI_0024.JPG"));
        QVERIFY(QDir().mkpath(QFileInfo(photo).path()));
        QVERIFY(
            QFile::copy(QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/DJI_0024.JPG"), photo));
        const QString saved = m_dir.filePath(QStringLiteral("新工程.db"));

        KvMainWindow window;
        kvtest::ModalAnswer save;
        save.Do([&](QWidget* dialog) { kvtest::ChooseFile(dialog, saved); });
        kvtest::WizardAnswers wizard(
            QStringLiteral("新工程"), {photo},
            [](QWidget* page) { page->findChild<ImagePosLoadWidget*>()->SetExifPOS(); },
            [&](QWidget*) { save.Arm(); });
        wizard.Arm();
        Action(window, "kv_action_new")->trigger();
        QVERIFY2(wizard.Done(), qPrintable(wizard.Error()));
        VERIFY_ANSWERED(save);

        QCOMPARE(String2QString(window.Context()->GetPrjInfo().path), saved);
        QCOMPARE(window.Context()->GetPrjInfo().coordinateId, 32615);

        const kvprj::KvProject created = *window.Context();
        QVERIFY(window.OpenProject(saved));
        const kvfd::ImageInfo* image = window.Context()->GetImageInfoSet().GetImage(0);
        QVERIFY(image);
        QCOMPARE(image->GetEOP(), created.GetImageInfoSet().GetImage(0)->GetEOP());
        QCOMPARE(*window.Context()->GetCameraInfoSet().GetCamera(0),
                 *created.GetCameraInfoSet().GetCamera(0));
    }

    // Save As opens at the project's own file; a name typed without a suffix
    // gets ".db" and goes to the front of the start page's list (opening from
    // there: tst_moduleactions), and cancelling leaves the project where it was.
    void saveAsStartsAtTheProject_data()
    {
        QTest::addColumn<QString>("typed"); // empty: cancel
        QTest::addColumn<QString>("saved");
        QTest::newRow("no suffix") << QStringLiteral("副本 一") << QStringLiteral("副本 一.db");
        QTest::newRow("cancel") << QString() << QString();
    }

    void saveAsStartsAtTheProject()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        const QString folder
            = m_dir.filePath(QStringLiteral("另存 为 ") + QLatin1String(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        const QString source = folder + QStringLiteral("/原工程.db");
        QVERIFY(QFile::copy(m_project, source));

        KvMainWindow window;
        QVERIFY(window.OpenProject(source));
        QString shownFolder;
        QString shownName;
        kvtest::ModalAnswer chooser;
        chooser.ExpectTitle(QStringLiteral("Save Project As"))
            .Do([&](QWidget* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                shownFolder = files->directory().absolutePath();
                shownName = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                if (typed.isEmpty())
                    files->reject();
                else
                    kvtest::ChooseFile(dialog, folder + QLatin1Char('/') + typed);
            })
            .Arm();
        Action(window, "kv_action_save_as")->trigger();
        VERIFY_ANSWERED(chooser);
        QCOMPARE(shownFolder, folder);
        QCOMPARE(shownName, QStringLiteral("原工程.db"));

        const QString expected = saved.isEmpty() ? source : folder + QLatin1Char('/') + saved;
        QCOMPARE(String2QString(window.Context()->GetPrjInfo().path), expected);
        QVERIFY(QFileInfo(expected).isFile());
        QList<PrjInfo> list;
        ProjectManager::ReadConfig(list);
        if (!saved.isEmpty())
            QCOMPARE(list.value(0).path, expected);
    }

    void damagedFileKeepsTheOpenProject_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: no file
        QFile valid(m_project);
        QVERIFY(valid.open(QIODevice::ReadOnly));
        const QByteArray project = valid.readAll();
        QTest::newRow("garbage") << QByteArray("this is not a project file\n");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("truncated") << project.left(project.size() / 2);
        QTest::newRow("oversized") << QByteArray(24 << 20, '\xff');
    }

    void damagedFileKeepsTheOpenProject()
    {
        QFETCH(QByteArray, contents);
        const QString broken = m_dir.filePath(QStringLiteral("损坏 工程.db"));
        QFile::remove(broken);
        if (!contents.isNull())
            QVERIFY(hosttest::WriteFile(broken, contents));

        KvMainWindow window;
        QVERIFY(window.OpenProject(m_project));
        kvkernel::AISContext* before = window.Context();
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("工程文件无法打开！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        QVERIFY(!window.OpenProject(broken));
        VERIFY_ANSWERED(answer);
        QCOMPARE(window.Context(), before);
        QCOMPARE(kvkernel::KvGetContext(), before);
        QCOMPARE(changed.count(), 0);
    }

    void screenshotsAreWritten()
    {
        const QString target = m_dir.filePath(QStringLiteral("shots/new"));
        ScreenshotRegistry registry;
        kvhost::AddHostScreenshots(registry);
        QStringList failures;
        QVERIFY2(registry.RenderAll(target, &failures),
                 qPrintable(failures.join(QLatin1Char('\n'))));
        for (const QString& name : registry.Names())
            QVERIFY2(!QImage(QDir(target).filePath(name + ".png")).isNull(), qPrintable(name));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!kvkernel::KvGetContext());

        // The pictures in each language differ from each other, and the
        // language in use is back afterwards.
        QCOMPARE(kvui::Language(), QString());
        for (const char* name : {"main_window", "camera_dialog", "gps_tool_dialog"}) {
            const auto picture = [&target, name](const char* language) {
                return QImage(QDir(target).filePath(
                    QStringLiteral("%1_%2.png").arg(QLatin1String(name), QLatin1String(language))));
            };
            QVERIFY2(!picture("en").isNull() && !picture("zh_CN").isNull(), name);
            QVERIFY2(picture("en") != picture("zh_CN"), name);
        }
    }

    // Each module, alone in a window, puts its actions in its own menus.
    void modulesInstallTheirActions_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QStringList>("placed");
        QTest::newRow("project") << "project"
                                 << In("file",
                                       "start_page image_manager new edit_project image_pos "
                                       "preview coordinate open save save_as close");
        QTest::newRow("imagery") << "imagery" << In("tools", "elevation rt27 lever_arm gps_tool");
        QTest::newRow("camera") << "camera" << In("cameras", "camera refresh_cameras cloud_camera");
        QTest::newRow("processing")
            << "processing"
            << In("tools",
                  "color_balance enhancement format overviews resample rotation "
                  "distortion batch raw_to_tif rename");
        QTest::newRow("algorithm settings")
            << "algosettings"
            << In("tools",
                  "match_setting setting ba_setting run_setting cc_xml_export "
                  "inpho_export dem_check report");
        QTest::newRow("framework")
            << "framework"
            << In("tools", "viewer") + In("demonstrations", "message question checksum");
    }

    void modulesInstallTheirActions()
    {
        QFETCH(QString, module);
        QFETCH(QStringList, placed);
        std::vector<std::unique_ptr<HostModule>> modules;
        modules.push_back(TakeModule(module));
        QVERIFY(modules.front());
        KvMainWindow window(std::move(modules));
        QCOMPARE(PlacedActions(window), placed);
        QVERIFY(window.FindModule<HostModule>());
    }

    // The developers' demonstrations are a submenu of Help, not a menu of the
    // bar, and the submenu shows only when a module put something in it.
    void demonstrationsAreUnderHelp()
    {
        KvMainWindow window;
        QStringList bar;
        for (const QAction* action : window.menuBar()->actions())
            bar << action->menu()->objectName();
        QVERIFY(!bar.contains(QStringLiteral("kv_menu_demonstrations")));
        QMenu* demonstrations = window.Menu(KvMainWindow::MenuId::Demonstrations);
        QVERIFY(window.Menu(KvMainWindow::MenuId::Help)
                    ->actions()
                    .contains(demonstrations->menuAction()));
        QVERIFY(demonstrations->menuAction()->isVisible());

        std::vector<std::unique_ptr<HostModule>> modules;
        modules.push_back(TakeModule(QStringLiteral("project")));
        KvMainWindow withoutDemonstrations(std::move(modules));
        QVERIFY(!withoutDemonstrations.Menu(KvMainWindow::MenuId::Demonstrations)
                     ->menuAction()
                     ->isVisible());
    }

    // Together the modules and the window fill the menus in this order, with
    // these texts; the suites and the operator's habits depend on both.
    void modulesTogetherPlaceWhatEachPlaces()
    {
        QStringList separately;
        for (auto& module : kvhost::HostModules()) {
            std::vector<std::unique_ptr<HostModule>> one;
            one.push_back(std::move(module));
            KvMainWindow window(std::move(one));
            separately << PlacedActions(window);
        }
        KvMainWindow window;
        QStringList together = PlacedActions(window);
        QCOMPARE(together.size(), separately.size());
        std::sort(together.begin(), together.end());
        std::sort(separately.begin(), separately.end());
        QCOMPARE(together, separately);
        QCOMPARE(QSet<QString>(together.begin(), together.end()).size(), together.size());
    }

    // The registry quietly replaces an entry of a name it already has, so a
    // name taken twice would lose a picture: every name is unique across the
    // modules, and makes a plain file name.
    void screenshotNamesAreUnique()
    {
        const QRegularExpression fileName(QStringLiteral("^[a-z0-9_]+$"));
        QSet<QString> modules;
        QSet<QString> names {QStringLiteral("main_window")};
        int count = 1;
        for (const auto& module : kvhost::HostModules()) {
            QVERIFY2(!module->Name().isEmpty(), "a module without a name");
            QVERIFY2(!modules.contains(module->Name()), qPrintable(module->Name()));
            modules << module->Name();
            ScreenshotRegistry registry;
            module->Screenshots(registry);
            QVERIFY2(!registry.Names().isEmpty(), qPrintable(module->Name()));
            for (const QString& name : registry.Names()) {
                QVERIFY2(fileName.match(name).hasMatch(), qPrintable(name));
                QVERIFY2(!names.contains(name),
                         qPrintable(name + QStringLiteral(" again in ") + module->Name()));
                names << name;
            }
            count += registry.Names().size();
        }
        ScreenshotRegistry all;
        kvhost::AddHostScreenshots(all);
        // Besides the modules' pictures, a few again in each language.
        QCOMPARE(all.Names().size(), count + 8);
    }

    // Actions of the project's own records wait for a project; the others
    // work without one.
    void projectActionsFollowTheProject()
    {
        QSet<QString> needProject;
        for (const QString& name : In("",
                                      "edit_project image_pos preview coordinate save save_as "
                                      "close viewer camera color_balance enhancement format "
                                      "overviews resample rotation distortion batch"))
            needProject << name.section('/', 1);
        KvMainWindow window;
        const QList<QAction*> actions = window.menuBar()->findChildren<QAction*>(
            QRegularExpression(QStringLiteral("^kv_action_")));
        QVERIFY(actions.size() > needProject.size());
        auto check = [&](bool open) {
            for (const QAction* action : actions)
                QVERIFY2(action->isEnabled()
                             == (open || !needProject.contains(action->objectName())),
                         qPrintable(action->objectName()));
        };
        check(false);
        window.SetProject(std::make_unique<kvkernel::AISContext>());
        check(true);
        window.CloseProject();
        check(false);
    }

    // A later subsystem needs nothing but its module: its action follows the
    // project, and it goes
    // before the window's docks and project.
    void aNewModulePlugsIn()
    {
        PanelModule::Seen seen;
        {
            std::vector<std::unique_ptr<HostModule>> modules = kvhost::HostModules();
            modules.push_back(std::make_unique<PanelModule>(seen));
            KvMainWindow window(std::move(modules));
            auto* map = window.findChild<QAction*>(QStringLiteral("kv_action_map"));
            QVERIFY(map);
            QCOMPARE(window.Menu(KvMainWindow::MenuId::Tools)->actions().last(), map);
            QVERIFY(!map->isEnabled());
            window.SetProject(std::make_unique<kvkernel::AISContext>());
            QVERIFY(map->isEnabled());
            map->trigger();
            QCOMPARE(window.FindModule<PanelModule>()->triggered, 1);
            QVERIFY(!seen.deleted);
        }
        QVERIFY(seen.deleted);
        QVERIFY(seen.hadProject);
        QVERIFY(seen.hadDock);
        QVERIFY(!kvkernel::KvGetContext());
    }

private:
    QTemporaryDir m_dir;
    QString m_project;
};

QTEST_MAIN(TestKvMainWindow)
#include "tst_kvmainwindow.moc"
