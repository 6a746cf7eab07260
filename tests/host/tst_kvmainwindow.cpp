#include "framework/buttongroup.h"
#include "framework/kvshared.h"
#include "host/hostscreenshots.h"
#include "host/hoststyle.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "kvfd/pathhelper.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtMath>
#include <map>

namespace {

// Writes a project of three images (two in flight 1, one in flight 2) and
// returns its path.
QString SaveSampleProject(const QString& folder, const char* name)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, name);
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < 3; ++i) {
        kvfd::EOP eop;
        eop.X = 1000.0 + i;
        eop.Y = 2000.0 + i;
        eop.Z = 150.25;
        eop.Omega = qDegreesToRadians(1.5);
        eop.Phi = qDegreesToRadians(-2.25);
        eop.Kappa = qDegreesToRadians(90.0 + i);
        const int index = images.AddImage("IMG_" + std::to_string(i + 1) + ".JPG", "/survey/raw",
                                          eop, 0, i != 1);
        images.GetImageExt(index)->flight = i == 2 ? 1 : 0;
    }
    const QString path
        = folder + QStringLiteral("/") + QString::fromUtf8(name) + QStringLiteral(".db");
    if (!project.SavePrj(QString2String(path)))
        return QString();
    return path;
}

QString Cell(KvMainWindow& window, int row, int column)
{
    QTableWidgetItem* item = window.ImageTable()->item(row, column);
    return item ? item->text() : QString();
}

QAction* Action(KvMainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QList<QPushButton*> FlightButtons(KvMainWindow& window)
{
    return window.FlightSelector()->findChildren<QPushButton*>(QStringLiteral("kv_group_btn"));
}

// Answers the next file chooser with path, while other modal dialogs (the
// progress dialog, say) come and go before it.
class FileDialogAnswer : public QObject
{
    Q_OBJECT

public:
    explicit FileDialogAnswer(QString path)
        : m_path(std::move(path))
    {
        connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswer::Poll);
        m_timer.start(10);
    }
    bool Done() const { return m_done; }

private:
    void Poll()
    {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        m_timer.stop();
        dialog->selectFile(m_path);
        static_cast<QDialog*>(dialog)->accept(); // accept() is protected in QFileDialog
        m_done = true;
    }

    QString m_path;
    QTimer m_timer;
    bool m_done = false;
};

} // namespace

class TestKvMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        // A desktop's own file chooser could not be answered from here.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        HostStyle::Apply(*qApp);
        QVERIFY(m_dir.isValid());
        m_first = SaveSampleProject(m_dir.path(), "first");
        m_second = SaveSampleProject(m_dir.path(), u8"第二测区");
        QVERIFY(!m_first.isEmpty());
        QVERIFY(!m_second.isEmpty());
    }

    void startsWithoutProject()
    {
        KvMainWindow window;
        QVERIFY(!window.Context());
        QVERIFY(!kvkernel::KvGetContext());
        QCOMPARE(window.ImageTable()->rowCount(), 0);
        QCOMPARE(window.ProjectLabel()->text(), QStringLiteral("No project open"));
        QVERIFY(!Action(window, "kv_action_save")->isEnabled());
        QVERIFY(!Action(window, "kv_action_close")->isEnabled());
        QVERIFY(!Action(window, "kv_action_viewer")->isEnabled());
        QVERIFY(Action(window, "kv_action_open")->isEnabled());
        QCOMPARE(FlightButtons(window).size(), 1);
    }

    void opensASavedProject()
    {
        KvMainWindow window;
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        QVERIFY(window.OpenProject(m_first));
        QCOMPARE(changed.count(), 1);
        QVERIFY(window.Context());
        QCOMPARE(kvkernel::KvGetContext(), window.Context());
        QCOMPARE(QString::fromUtf8(window.Context()->GetPrjInfo().name), QStringLiteral("first"));

        ImageTablePanel* table = window.ImageTable();
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(Cell(window, 0, ImageTablePanel::NameColumn), QStringLiteral("IMG_1.JPG"));
        QCOMPARE(Cell(window, 2, ImageTablePanel::NameColumn), QStringLiteral("IMG_3.JPG"));
        QCOMPARE(Cell(window, 1, ImageTablePanel::XColumn), QStringLiteral("1001.000"));
        QCOMPARE(Cell(window, 0, ImageTablePanel::ZColumn), QStringLiteral("150.250"));
        // Angles are stored in radians and shown in degrees.
        QCOMPARE(Cell(window, 0, ImageTablePanel::OmegaColumn), QStringLiteral("1.5000"));
        QCOMPARE(Cell(window, 0, ImageTablePanel::PhiColumn), QStringLiteral("-2.2500"));
        QCOMPARE(Cell(window, 2, ImageTablePanel::KappaColumn), QStringLiteral("92.0000"));
        QCOMPARE(Cell(window, 0, ImageTablePanel::FlightColumn), QStringLiteral("1"));
        QCOMPARE(Cell(window, 2, ImageTablePanel::FlightColumn), QStringLiteral("2"));
        QCOMPARE(Cell(window, 0, ImageTablePanel::EnabledColumn), QStringLiteral("Yes"));
        QCOMPARE(Cell(window, 1, ImageTablePanel::EnabledColumn), QStringLiteral("No"));
        QCOMPARE(table->item(2, ImageTablePanel::NameColumn)
                     ->data(ImageTablePanel::kImageIndexRole)
                     .toInt(),
                 2);

        QVERIFY(window.ProjectLabel()->text().contains(QStringLiteral("first")));
        QVERIFY(window.ProjectLabel()->text().contains(QStringLiteral("3 images")));
        QVERIFY(window.windowTitle().contains(QStringLiteral("first")));
        QVERIFY(Action(window, "kv_action_save")->isEnabled());
        QCOMPARE(FlightButtons(window).size(), 2);
    }

    void chineseProjectNameIsShown()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_second));
        QVERIFY(window.ProjectLabel()->text().contains(QStringLiteral("第二测区")));
    }

    void damagedFileKeepsTheOpenProject_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << QByteArray("this is not a project file\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("missing") << QByteArray("<missing>");
    }

    void damagedFileKeepsTheOpenProject()
    {
        QFETCH(QByteArray, contents);
        const QString broken = m_dir.filePath(QStringLiteral("broken.db"));
        QFile::remove(broken);
        if (contents != "<missing>") {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }

        KvMainWindow window;
        QVERIFY(window.OpenProject(m_first));
        kvkernel::AISContext* before = window.Context();
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);

        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Warning"))
            .ExpectText(QStringLiteral("工程文件无法打开！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        QVERIFY(!window.OpenProject(broken));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));

        QCOMPARE(window.Context(), before);
        QCOMPARE(kvkernel::KvGetContext(), before);
        QCOMPARE(QString::fromUtf8(window.Context()->GetPrjInfo().name), QStringLiteral("first"));
        QCOMPARE(window.ImageTable()->rowCount(), 3);
        QCOMPARE(changed.count(), 0);
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("broken.db")));
        QFile::remove(broken);
    }

    void openActionAsksForTheFile()
    {
        KvMainWindow window;
        FileDialogAnswer chooser(m_first);
        Action(window, "kv_action_open")->trigger();
        QVERIFY(chooser.Done());
        QVERIFY(window.Context());
        QCOMPARE(QString::fromStdString(window.Context()->GetPrjInfo().path), m_first);
        // The next chooser opens where this one left off.
        QCOMPARE(QDir(GetDefaultPath()).absolutePath(), QDir(m_dir.path()).absolutePath());
    }

    void saveAsRoundTrip()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_first));
        window.Context()->SetEnable({0, 1, 2}, false);
        kvprj::CopyText(window.Context()->GetPrjInfo().description, u8"复制的工程");
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        const QString copy = m_dir.filePath(QStringLiteral("copy.db"));
        QVERIFY(window.SaveProjectAs(copy));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(QString::fromStdString(window.Context()->GetPrjInfo().path), copy);

        kvprj::KvProject reread;
        QVERIFY(reread.OpenPrj(QString2String(copy)));
        QCOMPARE(reread.GetImageInfoSet().ValidSize(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!reread.GetImageInfoSet().GetImageExt(i)->enabled);
        QCOMPARE(QString::fromUtf8(reread.GetPrjInfo().description), QStringLiteral("复制的工程"));

        // Save goes back to the file the project now has, and the original
        // file stays as it was.
        window.Context()->SetEnable({1}, true);
        Action(window, "kv_action_save")->trigger();
        QVERIFY(reread.OpenPrj(QString2String(copy)));
        QVERIFY(reread.GetImageInfoSet().GetImageExt(1)->enabled);
        kvprj::KvProject original;
        QVERIFY(original.OpenPrj(QString2String(m_first)));
        QVERIFY(original.GetImageInfoSet().GetImageExt(0)->enabled);
        QFile::remove(copy);
    }

    void savingAnUnsavedProjectAsksWhere()
    {
        KvMainWindow window;
        window.SetProject(kvhost::DemoProject());
        const QString target = m_dir.filePath(QStringLiteral("demo"));
        FileDialogAnswer chooser(target);
        QVERIFY(window.SaveProject());
        QVERIFY(chooser.Done());
        // The project file gets its extension.
        QVERIFY(QFile::exists(target + QStringLiteral(".db")));
        QCOMPARE(QString::fromStdString(window.Context()->GetPrjInfo().path),
                 target + QStringLiteral(".db"));
        QFile::remove(target + QStringLiteral(".db"));
    }

    void saveFailureIsReported()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_first));
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("工程文件保存失败！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        QVERIFY(!window.SaveProjectAs(m_dir.filePath(QStringLiteral("no/such/folder/x.db"))));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(QString::fromStdString(window.Context()->GetPrjInfo().path), m_first);
    }

    void closeProjectClearsEverything()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_first));
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        Action(window, "kv_action_close")->trigger();
        QCOMPARE(changed.count(), 1);
        QVERIFY(!window.Context());
        QVERIFY(!kvkernel::KvGetContext());
        QCOMPARE(window.ImageTable()->rowCount(), 0);
        QCOMPARE(window.ProjectLabel()->text(), QStringLiteral("No project open"));
        QVERIFY(!Action(window, "kv_action_save")->isEnabled());
        QCOMPARE(FlightButtons(window).size(), 1);
    }

    void closingTheWindowUnregistersTheContext()
    {
        {
            KvMainWindow window;
            QVERIFY(window.OpenProject(m_first));
            QVERIFY(kvkernel::KvGetContext());
        }
        QVERIFY(!kvkernel::KvGetContext());
    }

    void messageDemo()
    {
        KvMainWindow window;
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("影像数据已准备就绪。"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        Action(window, "kv_action_message")->trigger();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Message box: OK"));
    }

    void questionDemo_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("status");
        QTest::newRow("yes") << "kvbw2_ok_"
                             << "Answer: Yes";
        QTest::newRow("no") << "kvbw2_cancel_"
                            << "Answer: No";
        QTest::newRow("closed") << "dialog_close_btn"
                                << "Answer: closed without answering";
    }

    void questionDemo()
    {
        QFETCH(QString, button);
        QFETCH(QString, status);
        KvMainWindow window;
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("是否继续处理？")).Click(button).Arm();
        Action(window, "kv_action_question")->trigger();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(window.statusBar()->currentMessage(), status);
    }

    void flightSelectorReportsInTheStatusBar()
    {
        KvMainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.OpenProject(m_first));
        const QList<QPushButton*> buttons = FlightButtons(window);
        QCOMPARE(buttons.size(), 2);
        QPushButton* second
            = buttons.at(0)->text() == QStringLiteral("2") ? buttons.at(0) : buttons.at(1);
        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Flight 2 selected"));

        // Deleting the selected flight goes back to the first.
        QTest::mouseClick(second, Qt::RightButton);
        auto* menu = window.FlightSelector()->findChild<QMenu*>();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        menu->actions().constFirst()->trigger();
        menu->close();
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("Flight 2 removed; flight 1 selected"));
    }

    void flightSelectorIsRebuiltForEachProject()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_first));
        QPointer<ButtonGroup> old = window.FlightSelector();
        window.SetProject(std::make_unique<kvkernel::AISContext>());
        QVERIFY(!old);
        QCOMPARE(FlightButtons(window).size(), 1);
        QVERIFY(window.findChild<QDockWidget*>(QStringLiteral("kv_flight_dock"))
                    ->widget()
                    ->isAncestorOf(window.FlightSelector()));
    }

    void checksumFolderSavesTheList()
    {
        QTemporaryDir folder;
        const std::map<QString, QByteArray> files {
            {QStringLiteral("a.jpg"), "alpha"},
            {QStringLiteral("b.jpg"), "beta"},
            {QStringLiteral("子目录/c.jpg"), "gamma"},
        };
        for (const auto& [name, data] : files) {
            QDir().mkpath(QFileInfo(folder.filePath(name)).absolutePath());
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(data);
        }
        QTemporaryDir listDir;
        const QString list = listDir.filePath(QStringLiteral("sums.sha256"));

        KvMainWindow window;
        FileDialogAnswer chooser(list);
        window.ChecksumFolder(folder.path());
        QVERIFY(chooser.Done());
        QVERIFY(
            window.statusBar()->currentMessage().startsWith(QStringLiteral("Checksummed 3 files")));
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("list saved")));

        QFile saved(list);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(saved.readAll());
        QCOMPARE(text.count(QLatin1Char('\n')), 3);
        for (const auto& [name, data] : files) {
            const QString hash = QString::fromLatin1(
                QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
            QVERIFY2(text.contains(hash + QStringLiteral("  ") + name), qPrintable(name));
        }
    }

    void imageViewerGetsTheImages()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_first));
        Action(window, "kv_action_viewer")->trigger();
        QFile list(QString::fromStdString(kvfd::PathHelper::GetSystemDataDirectory())
                   + QStringLiteral("/viewer.ini"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(
            list.readAll(),
            QByteArray("/survey/raw/IMG_1.JPG\n/survey/raw/IMG_2.JPG\n/survey/raw/IMG_3.JPG\n"));
        QCOMPARE(window.statusBar()->currentMessage(),
                 QStringLiteral("Sent 3 images to the image viewer"));
    }

    void imageViewerWithoutProjectAsksForOne()
    {
        KvMainWindow window;
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("请先打开工程！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        window.OpenImageViewer();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
    }

    void laterPanelsPlugIn()
    {
        KvMainWindow window;
        QVERIFY(window.OpenProject(m_first));
        QPointer<ImageTablePanel> table = window.ImageTable();
        auto* panel = new QLabel(QStringLiteral("panel"));
        window.SetCentralPanel(panel);
        QCOMPARE(window.centralWidget(), panel);
        QVERIFY(!table);
        QVERIFY(!window.ImageTable());
        // Reopening with another panel in place must not touch it.
        QVERIFY(window.OpenProject(m_second));
        QCOMPARE(window.centralWidget(), panel);

        auto* docked = new QLabel(QStringLiteral("docked"));
        QDockWidget* dock
            = window.AddDock(docked, QStringLiteral("Catalogue"),
                             QStringLiteral("kv_catalogue_dock"), Qt::RightDockWidgetArea);
        QCOMPARE(dock->widget(), docked);
        QCOMPARE(window.dockWidgetArea(dock), Qt::RightDockWidgetArea);
        QCOMPARE(window.findChild<QDockWidget*>(QStringLiteral("kv_catalogue_dock")), dock);

        int runs = 0;
        QAction* action
            = window.AddMenuAction(KvMainWindow::MenuId::Tools, QStringLiteral("Run"),
                                   QStringLiteral("kv_action_run"), [&runs] { ++runs; });
        QVERIFY(window.Menu(KvMainWindow::MenuId::Tools)->actions().contains(action));
        action->trigger();
        QCOMPARE(runs, 1);

        // A new table panel is filled with the open project straight away.
        window.SetCentralPanel(new ImageTablePanel());
        QCOMPARE(window.ImageTable()->rowCount(), 3);
    }

    void windowGeometryIsRemembered()
    {
        {
            KvMainWindow window;
            window.resize(900, 500);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.close();
        }
        KvMainWindow again;
        QCOMPARE(again.size(), QSize(900, 500));
    }

private:
    QTemporaryDir m_dir;
    QString m_first;
    QString m_second;
};

QTEST_MAIN(TestKvMainWindow)
#include "tst_kvmainwindow.moc"
