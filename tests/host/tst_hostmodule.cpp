#include "host/hostmodule.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const char* const kMenus[] = {"kv_menu_file", "kv_menu_tools", "kv_menu_cameras", "kv_menu_help",
                              "kv_menu_demonstrations"};

// The window's own entries, which no module adds.
bool WindowsOwn(const QAction* action)
{
    return action->objectName() == QLatin1String("kv_action_quit")
        || action->objectName() == QLatin1String("kv_action_about");
}

// "<menu>/<action>" for every named action, menus in menu-bar order.
QStringList PlacedActions(const KvMainWindow& window, bool withWindowsOwn)
{
    QStringList placed;
    for (const char* name : kMenus) {
        const auto* menu = window.findChild<QMenu*>(QLatin1String(name));
        for (const QAction* action : menu->actions()) {
            // A submenu's entries are listed under the submenu's own name.
            if (action->isSeparator() || action->menu() || (!withWindowsOwn && WindowsOwn(action)))
                continue;
            placed << QLatin1String(name) + QLatin1Char('/') + action->objectName();
        }
    }
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

// A later subsystem as it would plug in: an action, a dock and a picture; it
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
        window.AddProjectAction(KvMainWindow::MenuId::Tools, QStringLiteral("Survey &Map"),
                                QStringLiteral("kv_action_map"), [this] { ++triggered; });
        m_dock = window.AddDock(new QLabel(QStringLiteral("map")), QStringLiteral("Map"),
                                QStringLiteral("kv_map_dock"), Qt::RightDockWidgetArea);
    }
    void Screenshots(ScreenshotRegistry& registry) const override
    {
        registry.Add(QStringLiteral("map_panel"),
                     [] { return std::make_unique<QLabel>(QStringLiteral("map")); });
    }

    int triggered = 0;

private:
    Seen& m_seen;
    KvMainWindow* m_window = nullptr;
    QPointer<QDockWidget> m_dock;
};

} // namespace

class TestHostModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // Each module, alone in a window, puts its actions in its own menus.
    void modulesInstallTheirActions_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QStringList>("placed");
        QTest::newRow("project") << QStringLiteral("project")
                                 << QStringList {
                                        QStringLiteral("kv_menu_file/kv_action_start_page"),
                                        QStringLiteral("kv_menu_file/kv_action_image_manager"),
                                        QStringLiteral("kv_menu_file/kv_action_new"),
                                        QStringLiteral("kv_menu_file/kv_action_edit_project"),
                                        QStringLiteral("kv_menu_file/kv_action_image_pos"),
                                        QStringLiteral("kv_menu_file/kv_action_preview"),
                                        QStringLiteral("kv_menu_file/kv_action_coordinate"),
                                        QStringLiteral("kv_menu_file/kv_action_open"),
                                        QStringLiteral("kv_menu_file/kv_action_save"),
                                        QStringLiteral("kv_menu_file/kv_action_save_as"),
                                        QStringLiteral("kv_menu_file/kv_action_close")};
        QTest::newRow("imagery") << QStringLiteral("imagery")
                                 << QStringList {
                                        QStringLiteral("kv_menu_tools/kv_action_elevation"),
                                        QStringLiteral("kv_menu_tools/kv_action_rt27"),
                                        QStringLiteral("kv_menu_tools/kv_action_lever_arm"),
                                        QStringLiteral("kv_menu_tools/kv_action_gps_tool")};
        QTest::newRow("camera") << QStringLiteral("camera")
                                << QStringList {
                                       QStringLiteral("kv_menu_cameras/kv_action_camera"),
                                       QStringLiteral("kv_menu_cameras/kv_action_refresh_cameras"),
                                       QStringLiteral("kv_menu_cameras/kv_action_cloud_camera")};
        QTest::newRow("processing")
            << QStringLiteral("processing")
            << QStringList {QStringLiteral("kv_menu_tools/kv_action_color_balance"),
                            QStringLiteral("kv_menu_tools/kv_action_enhancement"),
                            QStringLiteral("kv_menu_tools/kv_action_format"),
                            QStringLiteral("kv_menu_tools/kv_action_overviews"),
                            QStringLiteral("kv_menu_tools/kv_action_resample"),
                            QStringLiteral("kv_menu_tools/kv_action_rotation"),
                            QStringLiteral("kv_menu_tools/kv_action_distortion"),
                            QStringLiteral("kv_menu_tools/kv_action_batch"),
                            QStringLiteral("kv_menu_tools/kv_action_raw_to_tif"),
                            QStringLiteral("kv_menu_tools/kv_action_rename")};
        QTest::newRow("framework")
            << QStringLiteral("framework")
            << QStringList {QStringLiteral("kv_menu_tools/kv_action_viewer"),
                            QStringLiteral("kv_menu_demonstrations/kv_action_message"),
                            QStringLiteral("kv_menu_demonstrations/kv_action_question"),
                            QStringLiteral("kv_menu_demonstrations/kv_action_checksum")};
    }

    void modulesInstallTheirActions()
    {
        QFETCH(QString, module);
        QFETCH(QStringList, placed);
        std::vector<std::unique_ptr<HostModule>> modules;
        modules.push_back(TakeModule(module));
        QVERIFY(modules.front());
        KvMainWindow window(std::move(modules));
        QCOMPARE(PlacedActions(window, false), placed);
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
        QCOMPARE(bar,
                 (QStringList {"kv_menu_file", "kv_menu_tools", "kv_menu_cameras",
                               "kv_menu_settings", "kv_menu_help"}));
        QMenu* demonstrations = window.Menu(KvMainWindow::MenuId::Demonstrations);
        QCOMPARE(demonstrations->objectName(), QStringLiteral("kv_menu_demonstrations"));
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
            separately << PlacedActions(window, false);
        }
        KvMainWindow window;
        QStringList together = PlacedActions(window, false);
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
        QStringList allNames = all.Names();
        // Besides the modules' pictures, a few again in each language.
        const QRegularExpression suffix(QStringLiteral("_(en|zh_CN)$"));
        const QStringList translated = allNames.filter(suffix);
        QCOMPARE(translated.size(), 8);
        for (const QString& name : translated) {
            QVERIFY2(names.contains(QString(name).remove(suffix)), qPrintable(name));
            allNames.removeOne(name);
        }
        QCOMPARE(allNames.size(), count);
        QCOMPARE(QSet<QString>(allNames.begin(), allNames.end()), names);
    }

    // Actions of the project's own records wait for a project; the others
    // work without one.
    void projectActionsFollowTheProject()
    {
        const QSet<QString> needProject {
            QStringLiteral("kv_action_edit_project"), QStringLiteral("kv_action_image_pos"),
            QStringLiteral("kv_action_preview"),      QStringLiteral("kv_action_coordinate"),
            QStringLiteral("kv_action_save"),         QStringLiteral("kv_action_save_as"),
            QStringLiteral("kv_action_close"),        QStringLiteral("kv_action_viewer"),
            QStringLiteral("kv_action_camera"),       QStringLiteral("kv_action_color_balance"),
            QStringLiteral("kv_action_enhancement"),  QStringLiteral("kv_action_format"),
            QStringLiteral("kv_action_overviews"),    QStringLiteral("kv_action_resample"),
            QStringLiteral("kv_action_rotation"),     QStringLiteral("kv_action_distortion"),
            QStringLiteral("kv_action_batch")};
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
    // project, its dock is the window's, its picture is listed, and it goes
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
            QVERIFY(window.findChild<QDockWidget*>(QStringLiteral("kv_map_dock")));
            QVERIFY(!seen.deleted);

            ScreenshotRegistry registry;
            window.FindModule<PanelModule>()->Screenshots(registry);
            QCOMPARE(registry.Names(), QStringList {QStringLiteral("map_panel")});
        }
        QVERIFY(seen.deleted);
        QVERIFY(seen.hadProject);
        QVERIFY(seen.hadDock);
        QVERIFY(!kvkernel::KvGetContext());
    }
};

QTEST_MAIN(TestHostModule)
#include "tst_hostmodule.moc"
