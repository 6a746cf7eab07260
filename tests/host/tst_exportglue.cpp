// The host's answers to the export dialogs and to the one-key and quality
// bars: each request writes its files, or tells why it does not; without a
// project, every button of the bars' dock is answered.

#include "host/barsmodule.h"
#include "host/exportglue.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/qualityreport.h"
#include "hosttest.h"
#include "kvkernel/aiscontext.h"
#include "map/dpviewtoolbar.h"
#include "map/mapbar.h"
#include "modalanswer.h"
#include "settings/okexportbar.h"
#include "settings/oksettingbar.h"
#include "settings/procedurebar.h"
#include "settings/qaexportbar.h"
#include "settings/qasettingbar.h"
#include "settings/reportdialog.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolBox>
#include <QWebEngineView>
#include <QtTest>

namespace {

// The demo survey with a stand-in photo behind every image, so that the
// quick mosaic has pixels to draw.
std::unique_ptr<KvMainWindow> Window(const QString& photos)
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<BarsModule>());
    auto window = std::make_unique<KvMainWindow>(std::move(modules));
    auto project = kvhost::fixtures::DemoProject();
    project->GetCameraInfoSet().AddCamera(kvhost::fixtures::SampleCamera());
    kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        kvfd::ImageInfo* image = images.GetImage(i);
        if (!image)
            continue;
        image->SetPath(photos.toStdString());
        kvhost::fixtures::WriteSurveyPhoto(
            QDir(photos).filePath(QString::fromStdString(image->Name())));
    }
    window->SetProject(std::move(project));
    return window;
}

// The texts of every box that opens while action runs.
QString Boxes(const std::function<void()>& action)
{
    QStringList texts;
    for (const QStringList& box : kvtest::AnswerEveryBox(action))
        texts << box;
    return texts.join(QLatin1Char('|'));
}

} // namespace

class TestExportGlue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("照片"))));
    }

    void oneKeyBar_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("told");
        const QStringList none;
        QTest::newRow("cc") << "okeb_cc_btn_" << QStringList {"BlocksExchange.xml"}
                            << "1 file(s) written";
        QTest::newRow("patb") << "okeb_patb_btn_" << QStringList {"patb.ori", "patb_images.txt"}
                              << "2 file(s) written";
        QTest::newRow("ssk") << "okeb_ssk_btn_" << none << "does not write SSK projects";
    }

    // Each export button writes its package into the one-key bar's folder.
    void oneKeyBar()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, files);
        QFETCH(QString, told);
        auto window = Window(m_dir.filePath(QStringLiteral("照片")));
        auto* bars = window->FindModule<BarsModule>();
        const QString folder = m_dir.filePath(QStringLiteral("导出 ") + button);
        kvtest::SetText(bars->OneKeyBar(), QStringLiteral("oksb_save_path_edit_"), folder);
        const QString text = Boxes([&] { kvtest::Click(bars->OneKeyExportBar(), button); });
        QVERIFY2(text.contains(told), qPrintable(text));
        for (const QString& file : files)
            QVERIFY2(QFileInfo(QDir(folder).filePath(file)).size() > 0, qPrintable(file));
        if (files.isEmpty())
            QVERIFY(QDir(folder).isEmpty());
    }

    // A folder that cannot be made (below a file) gives the reason, no files.
    void unwritableFolder()
    {
        auto window = Window(m_dir.filePath(QStringLiteral("照片")));
        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = blocker.fileName() + QStringLiteral("/out");
        const QString text = Boxes([&] {
            kvhost::ExportGlue::Of(*window).ExportOneKey(kvhost::OneKeyFormat::PatB, folder);
        });
        QVERIFY2(text.contains(QStringLiteral("cannot be created")), qPrintable(text));
        QVERIFY(!QFileInfo::exists(folder));
    }

    // The run assesses against the bar's design, writes the page beside an
    // unsaved project's temporary files and shows it; the exports then write
    // the PDF, the failing images' POS and the quick mosaic.
    void qaRunAndExports()
    {
        auto window = Window(m_dir.filePath(QStringLiteral("照片")));
        auto* bars = window->FindModule<BarsModule>();
        kvtest::ModalAnswer answer;
        QString shown;
        answer
            .Do([&shown](QWidget* dialog) {
                auto* report = qobject_cast<ReportDialog*>(dialog);
                QVERIFY(report);
                QTRY_VERIFY(!report->Content()->View()->url().isEmpty());
                shown = report->Content()->View()->url().toLocalFile();
                report->reject();
            })
            .Arm();
        kvtest::Click(bars->QaBar(), QStringLiteral("qasb_run_btn_"));
        QTRY_VERIFY2(answer.Done(), qPrintable(answer.Error()));
        kvhost::ExportGlue& glue = kvhost::ExportGlue::Of(*window);
        QVERIFY(glue.LastReport());
        QCOMPARE(glue.LastReport()->Job().resolution, bars->QaBar()->GetResolution());
        QVERIFY(QFile(shown).size() > 0);

        const QString folder = m_dir.filePath(QStringLiteral("质量"));
        Boxes([&] {
            QVERIFY(glue.ExportQaReport(folder).ok);
            QVERIFY(glue.ExportQaPos(folder).ok);
            QVERIFY(glue.ExportQuickMosaic(folder).ok);
        });
        QFile pdf(QDir(folder).filePath(kvhost::ExportGlue::kReportPdf));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
        QFile pos(QDir(folder).filePath(kvhost::ExportGlue::kQaPos));
        QVERIFY(pos.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(pos.readAll().count('\n'), glue.LastReport()->FailingCount() + 1);
        QFile tif(QDir(folder).filePath(kvhost::ExportGlue::kQuickMosaic));
        QVERIFY(tif.open(QIODevice::ReadOnly));
        QCOMPARE(tif.read(4), QByteArray("II*\0", 4));
    }

private:
    QTemporaryDir m_dir;
};

int main(int argc, char** argv)
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestExportGlue test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_exportglue.moc"
