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
