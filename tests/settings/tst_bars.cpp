// The one-key, QA, export and procedure bars: what each button asks for, the
// output-folder checks of the one-key bar and the fields' defaults.

#include "framework/kvshared.h"
#include "modalanswer.h"
#include "settings/okexportbar.h"
#include "settings/oksettingbar.h"
#include "settings/procedurebar.h"
#include "settings/qaexportbar.h"
#include "settings/qasettingbar.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestBars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void runNeedsDestination()
    {
        OKSettingBar bar;
        bar.show();
        QSignalSpy run(&bar, &OKSettingBar::Run);
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("请选择工作路径！"))
            .Click(QStringLiteral("kvsb_ok_btn_"))
            .Arm();
        kvtest::Click(&bar, QStringLiteral("oksb_run_btn_"));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(run.count(), 0);

        kvtest::SetText(&bar, QStringLiteral("oksb_save_path_edit_"), QStringLiteral("/tmp/输出"));
        QVERIFY(kvtest::AnswerEveryBox([&bar] {
                    kvtest::Click(&bar, QStringLiteral("oksb_run_btn_"));
                }).isEmpty());
        QCOMPARE(run.count(), 1);
    }

    void chooseDestination_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");   // what the folder holds
        QTest::addColumn<QString>("answer"); // the button of the overwrite question
        QTest::addColumn<bool>("taken");
        const auto row = [](const char* name, const char* folder, const char* file,
                            const char* answer, bool taken) {
            QTest::newRow(name) << QString(folder) << QString(file) << QString(answer) << taken;
        };
        row("empty folder: no question", "empty", "", "", true);
        row("used folder, overwrite", "used", "dom.tif", "kvbw2_ok_", true);
        row("used folder, keep", "used", "dom.tif", "kvbw2_cancel_", false);
        row("used folder, closed", "used", "dom.tif", "dialog_close_btn", false);
        row("hidden file only", "hidden", ".keep", "kvbw2_cancel_", false);
        row("Chinese path", "正射影像 输出", "", "", true);
    }

    void chooseDestination()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QString, answer);
        QFETCH(bool, taken);
        QTemporaryDir root;
        const QString path = root.path() + QLatin1Char('/') + folder;
        QVERIFY(QDir().mkpath(path));
        if (!file.isEmpty())
            QVERIFY(QFile(path + QLatin1Char('/') + file).open(QIODevice::WriteOnly));
        OKSettingBar bar;
        bar.show();
        const QString before = QStringLiteral("/previous/destination");
        kvtest::SetText(&bar, QStringLiteral("oksb_save_path_edit_"), before);
        SetDefaultPath(root.path(), false);

        kvtest::ModalAnswer question;
        if (!file.isEmpty())
            question.ExpectText(QStringLiteral("文件夹非空，是否覆盖!")).Click(answer).Arm();
        QVERIFY(kvtest::ClickAndChooseFile(&bar, QStringLiteral("oksb_browse_btn_"), path));
        if (!file.isEmpty())
            QVERIFY2(question.Done(), qPrintable(question.Error()));
        QCOMPARE(bar.GetSavePath(), taken ? path : before);
        // Only a destination taken is remembered for the next chooser.
        QCOMPARE(QDir(GetDefaultPath()), QDir(taken ? path : root.path()));
    }

    // The scale sets the resolution; a value typed after it stays. Overlaps
    // that are no whole numbers read as 0.
    void qaScaleAndOverlaps_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("resolution");
        const char* const rows[][2] = {{"1:500", "0.05"}, {"1:1000", "0.1"}, {"1:25000", "2.5"}};
        const int index[] = {0, 1, 4};
        for (int i = 0; i < 3; ++i)
            QTest::newRow(rows[i][0]) << index[i] << rows[i][0] << rows[i][1];
    }

    void qaScaleAndOverlaps()
    {
        QFETCH(int, index);
        QFETCH(QString, scale);
        QFETCH(QString, resolution);
        QaSettingBar bar;
        kvtest::SetText(&bar, QStringLiteral("qasb_resolution_edit_"), QStringLiteral("9"));
        auto* combo = kvtest::Find<QComboBox>(&bar, QStringLiteral("qasb_scale_combo_"));
        combo->setCurrentIndex(index == 1 ? 0 : 1);
        combo->setCurrentIndex(index);
        QCOMPARE(kvtest::Text(&bar, QStringLiteral("qasb_resolution_edit_")), resolution);
        QCOMPARE(QString::fromStdString(bar.GetScale()), scale);
        kvtest::SetText(&bar, QStringLiteral("qasb_resolution_edit_"), QStringLiteral("0.3"));
        QCOMPARE(bar.GetResolution(), 0.3);
        QCOMPARE(bar.GetInOverlap(), 60);
        kvtest::SetText(&bar, QStringLiteral("qasb_in_overlap_edit_"), QStringLiteral("七十"));
        kvtest::SetText(&bar, QStringLiteral("qasb_off_overlap_edit_"), QStringLiteral("35.5"));
        QCOMPARE(bar.GetInOverlap() + bar.GetOffOverlap(), 0);
    }
};

QTEST_MAIN(TestBars)
#include "tst_bars.moc"
