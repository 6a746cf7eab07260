#include "framework/buttongroup.h"
#include "framework/kvshared.h"
#include "host/hostscreenshots.h"
#include "host/hoststyle.h"
#include "host/imagetablepanel.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace {

const QString kProjectName = QStringLiteral("第一测区");

// Writes a project of three images (the second disabled, the third in flight
// 2) and returns its path.
QString SaveSampleProject(const QString& folder)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, kProjectName.toUtf8().constData());
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (int i = 0; i < 3; ++i) {
        kvfd::EOP eop;
        eop.X = 1000.0 + i;
        eop.Y = 2000.0;
        eop.Z = 150.25;
        eop.Omega = qDegreesToRadians(1.5);
        eop.Phi = 0;
        eop.Kappa = qDegreesToRadians(90.0 + i);
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

QSet<QWidget*> VisibleWindows()
{
    QSet<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            windows.insert(w);
    return windows;
}

// Share of pixels that differ from the backdrop: a blank picture is 0.
double PaintedShare(const QImage& image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixel(x, y) != ScreenshotRegistry::kBackdrop ? 1 : 0;
    return double(painted) / (image.width() * image.height());
}

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

    void opensASavedProject()
    {
        KvMainWindow window;
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        QVERIFY(window.OpenProject(m_project));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(QString::fromUtf8(window.Context()->GetPrjInfo().name), kProjectName);

        QCOMPARE(window.ImageTable()->rowCount(), 3);
        QCOMPARE(Cell(window, 2, ImageTablePanel::NameColumn), QStringLiteral("IMG_3.JPG"));
        QCOMPARE(Cell(window, 1, ImageTablePanel::XColumn), QStringLiteral("1001.000"));
        QCOMPARE(Cell(window, 0, ImageTablePanel::ZColumn), QStringLiteral("150.250"));
        // Angles are stored in radians and shown in degrees; flights count from 1.
        QCOMPARE(Cell(window, 0, ImageTablePanel::OmegaColumn), QStringLiteral("1.5000"));
        QCOMPARE(Cell(window, 2, ImageTablePanel::KappaColumn), QStringLiteral("92.0000"));
        QCOMPARE(Cell(window, 2, ImageTablePanel::FlightColumn), QStringLiteral("2"));
        QCOMPARE(Cell(window, 1, ImageTablePanel::EnabledColumn), QStringLiteral("No"));
        QVERIFY(window.ProjectLabel()->text().contains(kProjectName));
        QCOMPARE(window.FlightSelector()
                     ->findChildren<QPushButton*>(QStringLiteral("kv_group_btn"))
                     .size(),
                 2);
    }

    void damagedFileKeepsTheOpenProject_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << true << QByteArray("this is not a project file\n");
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("missing") << false << QByteArray();
    }

    void damagedFileKeepsTheOpenProject()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, contents);
        const QString broken = m_dir.filePath(QStringLiteral("broken.db"));
        QFile::remove(broken);
        if (exists) {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }

        KvMainWindow window;
        QVERIFY(window.OpenProject(m_project));
        kvkernel::AISContext* before = window.Context();
        QSignalSpy changed(&window, &KvMainWindow::ProjectChanged);
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("工程文件无法打开！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        QVERIFY(!window.OpenProject(broken));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));

        QCOMPARE(window.Context(), before);
        QCOMPARE(kvkernel::KvGetContext(), before);
        QCOMPARE(window.ImageTable()->rowCount(), 3);
        QCOMPARE(changed.count(), 0);
    }

    // The library sees the open project, and never one that is gone.
    void contextFollowsOpenAndClose()
    {
        {
            KvMainWindow window;
            QVERIFY(!kvkernel::KvGetContext());
            QVERIFY(window.OpenProject(m_project));
            QCOMPARE(kvkernel::KvGetContext(), window.Context());
            window.CloseProject();
            QVERIFY(!window.Context());
            QVERIFY(!kvkernel::KvGetContext());
            QCOMPARE(window.ImageTable()->rowCount(), 0);
            QVERIFY(window.OpenProject(m_project));
            QVERIFY(kvkernel::KvGetContext());
        }
        QVERIFY(!kvkernel::KvGetContext());
    }

    // What "kvhost --screenshot DIR" does, in process.
    void screenshotsAreWritten()
    {
        const QString target = m_dir.filePath(QStringLiteral("shots/new"));
        ScreenshotRegistry registry;
        kvhost::AddHostScreenshots(registry);
        for (const char* name :
             {"main_window", "message_ok", "message_yes_no", "progress_dialog", "flight_selector",
              "title_widget", "title_widget2", "little_title_widget"})
            QVERIFY2(registry.Names().contains(QLatin1String(name)), name);

        const QSet<QWidget*> before = VisibleWindows();
        QStringList failures;
        QVERIFY2(registry.RenderAll(target, &failures),
                 qPrintable(failures.join(QLatin1Char('\n'))));
        for (const QString& name : registry.Names()) {
            const QImage image(QDir(target).filePath(name + QStringLiteral(".png")));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY2(PaintedShare(image) > 0.5, qPrintable(name));
        }
        // A message box is grabbed while open, not some other window.
        const QImage box(QDir(target).filePath(QStringLiteral("message_ok.png")));
        QVERIFY(box.width() > 400 && box.width() < 480);

        // Nothing is left open behind.
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_VERIFY(VisibleWindows().subtract(before).isEmpty());
        QVERIFY(!kvkernel::KvGetContext());
    }

private:
    QTemporaryDir m_dir;
    QString m_project;
};

QTEST_MAIN(TestKvMainWindow)
#include "tst_kvmainwindow.moc"
