#include "framework/kvmessagebox.h"
#include "host/hostscreenshots.h"
#include "host/hoststyle.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

QSet<QWidget*> VisibleWindows()
{
    QSet<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            windows.insert(w);
    }
    return windows;
}

// Share of pixels that differ from the backdrop: a picture of the backdrop
// alone would be 0.
double PaintedShare(const QImage& image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += image.pixel(x, y) != ScreenshotRegistry::kBackdrop ? 1 : 0;
    return double(painted) / (image.width() * image.height());
}

} // namespace

class TestScreenshotRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        HostStyle::Apply(*qApp);
    }

    // What "kvhost --screenshot DIR" does, in process.
    void hostScreenshotsAreWritten()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("shots/new"));
        ScreenshotRegistry registry;
        kvhost::AddHostScreenshots(registry);
        const QStringList expected {
            QStringLiteral("main_window"),     QStringLiteral("message_ok"),
            QStringLiteral("message_yes_no"),  QStringLiteral("progress_dialog"),
            QStringLiteral("flight_selector"), QStringLiteral("title_widget"),
            QStringLiteral("title_widget2"),   QStringLiteral("little_title_widget")};
        for (const QString& name : expected)
            QVERIFY2(registry.Names().contains(name), qPrintable(name));

        const QSet<QWidget*> before = VisibleWindows();
        QStringList failures;
        QVERIFY2(registry.RenderAll(target, &failures),
                 qPrintable(failures.join(QLatin1Char('\n'))));
        QVERIFY(failures.isEmpty());

        for (const QString& name : registry.Names()) {
            const QImage image(QDir(target).filePath(name + QStringLiteral(".png")));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY2(PaintedShare(image) > 0.5, qPrintable(name));
        }
        const QImage main(QDir(target).filePath(QStringLiteral("main_window.png")));
        QVERIFY(main.width() >= 800 && main.height() >= 500);
        // The message boxes were grabbed while open: the frame with the
        // box's fixed-size form inside, not some other window.
        const QImage box(QDir(target).filePath(QStringLiteral("message_ok.png")));
        QVERIFY(box.width() > 400 && box.width() < 480);
        QVERIFY(box.height() > 160 && box.height() < 240);

        // Nothing is left open behind.
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_VERIFY(VisibleWindows().subtract(before).isEmpty());
        QVERIFY(!kvkernel::KvGetContext());
    }

    void modalEntryClicksTheNamedButton()
    {
        QTemporaryDir dir;
        ScreenshotRegistry registry;
        KvMessageBox::BoxCode code = KvMessageBox::BC_CLOSED;
        registry.AddModal(
            QStringLiteral("question"),
            [&code] { code = KvMessageBox::Show("?", KvMessageBox::BT_YES_NO); },
            QStringLiteral("kvbw2_cancel_"));
        QVERIFY(registry.RenderAll(dir.path()));
        QCOMPARE(code, KvMessageBox::BC_NO);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("question.png"))));
    }

    void modalEntryWithoutTheButtonRejects()
    {
        QTemporaryDir dir;
        ScreenshotRegistry registry;
        KvMessageBox::BoxCode code = KvMessageBox::BC_OK;
        registry.AddModal(QStringLiteral("box"),
                          [&code] { code = KvMessageBox::Show("!", KvMessageBox::BT_OK); });
        QVERIFY(registry.RenderAll(dir.path()));
        QCOMPARE(code, KvMessageBox::BC_CLOSED);
    }

    void failuresAreReportedAndTheRestStillRendered()
    {
        QTemporaryDir dir;
        ScreenshotRegistry registry;
        registry.AddModal(QStringLiteral("no_dialog"), [] {});
        registry.Add(QStringLiteral("nothing"), [] { return std::unique_ptr<QWidget>(); });
        registry.Add(QStringLiteral("label"), [] {
            auto label = std::make_unique<QLabel>(QStringLiteral("label"));
            label->resize(120, 40);
            return std::unique_ptr<QWidget>(std::move(label));
        });
        QStringList failures;
        QVERIFY(!registry.RenderAll(dir.path(), &failures));
        QCOMPARE(failures.size(), 2);
        QVERIFY(failures.at(0).startsWith(QStringLiteral("no_dialog: ")));
        QVERIFY(failures.at(1).startsWith(QStringLiteral("nothing: ")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no_dialog.png"))));
        const QImage label(dir.filePath(QStringLiteral("label.png")));
        QCOMPARE(label.size(), QSize(120, 40));
    }

    void sameNameReplacesTheEntry()
    {
        ScreenshotRegistry registry;
        registry.Add(QStringLiteral("a"), [] { return std::make_unique<QWidget>(); });
        registry.Add(QStringLiteral("b"), [] { return std::make_unique<QWidget>(); });
        registry.Add(QStringLiteral("a"), [] {
            auto label = std::make_unique<QLabel>(QStringLiteral("second"));
            label->resize(64, 32);
            return std::unique_ptr<QWidget>(std::move(label));
        });
        QCOMPARE(registry.Names(), (QStringList {QStringLiteral("a"), QStringLiteral("b")}));
        QTemporaryDir dir;
        QVERIFY(registry.RenderAll(dir.path()));
        QCOMPARE(QImage(dir.filePath(QStringLiteral("a.png"))).size(), QSize(64, 32));
    }

    void unwritableFolderFails()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ScreenshotRegistry registry;
        registry.Add(QStringLiteral("a"), [] { return std::make_unique<QWidget>(); });
        QStringList failures;
        QVERIFY(!registry.RenderAll(dir.filePath(QStringLiteral("file/sub")), &failures));
        QCOMPARE(failures.size(), 1);
    }
};

QTEST_MAIN(TestScreenshotRegistry)
#include "tst_screenshotregistry.moc"
