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
#include <QMetaMethod>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

std::unique_ptr<QWidget> MakeBar(const QString& bar)
{
    if (bar == QLatin1String("OKSettingBar"))
        return std::make_unique<OKSettingBar>();
    if (bar == QLatin1String("OKExportBar"))
        return std::make_unique<OKExportBar>();
    if (bar == QLatin1String("QaSettingBar"))
        return std::make_unique<QaSettingBar>();
    if (bar == QLatin1String("QaExportBar"))
        return std::make_unique<QaExportBar>();
    return std::make_unique<ProcedureBar>();
}

// The signals of the bar's own class in declaration order, and a spy on each.
struct Spies
{
    explicit Spies(QObject* bar)
    {
        const QMetaObject* meta = bar->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() != QMetaMethod::Signal)
                continue;
            spies.push_back(std::make_unique<QSignalSpy>(
                bar, QByteArray("2" + method.methodSignature()).constData()));
            names << QString::fromLatin1(method.name());
        }
    }
    // One name per emission.
    QStringList Emitted() const
    {
        QStringList emitted;
        for (size_t i = 0; i < spies.size(); ++i) {
            for (int n = 0; n < spies[i]->count(); ++n)
                emitted << names[int(i)];
        }
        return emitted;
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QStringList names;
};

QPushButton* Button(QWidget* bar, const char* name)
{
    return kvtest::Find<QPushButton>(bar, QLatin1String(name));
}

} // namespace

class TestBars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void buttons_data()
    {
        QTest::addColumn<QString>("bar");
        // In the order of the bar's signals: "[group/]button signal" each.
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("one-key") << "OKSettingBar"
                                 << QStringList {"oksb_rect_btn_ SelectOuputRect",
                                                 "oksb_polygon_btn_ SelectOutputPolygon",
                                                 "oksb_clear_btn_ SelectOutputClear",
                                                 "oksb_reset_btn_ ResetPos"};
        QTest::newRow("one-key export")
            << "OKExportBar"
            << QStringList {"okeb_ssk_btn_ ExportSSK",           "okeb_inpho_btn_ ExportInpho",
                            "okeb_patb_btn_ ExportPatB",         "okeb_pos_btn_ ExportOKPOS",
                            "okeb_photomod_btn_ ExportPhotoMod", "okeb_cc_btn_ ExportCC"};
        QTest::newRow("QA") << "QaSettingBar"
                            << QStringList {"qasb_run_btn_ RunQA", "qasb_report_btn_ ShowReport",
                                            "qasb_reset_btn_ ResetPos"};
        QTest::newRow("QA export")
            << "QaExportBar"
            << QStringList {"qaeb_report_btn_ ExportReport", "qaeb_quick_dom_btn_ ExportQuickDOM",
                            "qaeb_pos_btn_ ExportQAPOS"};
        QTest::newRow("procedure")
            << "ProcedureBar"
            << QStringList {"pw_feature_group_btn_/pw_feature_btn_ ClickMatching",
                            "pw_ba_group_btn_/pw_adjust_btn_ ClickOptimize",
                            "pw_ba_group_btn_/pw_ba_btn_ ClickBA",
                            "pw_mosaic_group_btn_/pw_model_report_btn_ ClickModelReport",
                            "pw_mosaic_group_btn_/pw_qdsm_btn_ ClickQDSM"};
    }

    // The signals keep their order (hosts may connect by index through the
    // exported meta-objects), and each button asks for its one request.
    void buttons()
    {
        QFETCH(QString, bar);
        QFETCH(QStringList, buttons);
        const std::unique_ptr<QWidget> widget = MakeBar(bar);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        QStringList order;
        for (const QString& row : buttons) {
            const QStringList path = row.section(' ', 0, 0).split('/');
            const QString signal = row.section(' ', 1);
            order << signal;
            Spies spies(widget.get());
            if (path.size() > 1)
                kvtest::Click(widget.get(), path.first());
            QVERIFY2(kvtest::FindNamed(widget.get(), path.last())->isVisible(), qPrintable(row));
            kvtest::Click(widget.get(), path.last());
            QCOMPARE(spies.Emitted(), QStringList {signal});
        }
        // The one-key run asks only with a destination; see runNeedsDestination.
        if (bar == QLatin1String("OKSettingBar"))
            order.prepend(QStringLiteral("Run"));
        QCOMPARE(Spies(widget.get()).names, order);
    }

    void procedureGroups_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* group, const char* shown) {
            QTest::newRow(name) << QString(group) << QString(shown);
        };
        row("at start", "", "pw_ba_btn_ pw_adjust_btn_");
        row("features", "pw_feature_group_btn_", "pw_feature_btn_");
        row("adjustment", "pw_ba_group_btn_", "pw_ba_btn_ pw_adjust_btn_");
        row("mosaic", "pw_mosaic_group_btn_", "pw_model_report_btn_ pw_qdsm_btn_");
    }

    void procedureGroups()
    {
        QFETCH(QString, group);
        QFETCH(QString, shown);
        ProcedureBar bar;
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        // Through every other group first, so that what each one hides is seen.
        for (const char* other :
             {"pw_mosaic_group_btn_", "pw_feature_group_btn_", "pw_ba_group_btn_"}) {
            if (!group.isEmpty() && group != QLatin1String(other))
                kvtest::Click(&bar, QLatin1String(other));
        }
        if (!group.isEmpty())
            kvtest::Click(&bar, group);
        QStringList visible;
        for (const char* step : {"pw_feature_btn_", "pw_ba_btn_", "pw_adjust_btn_",
                                 "pw_mosaic_btn_", "pw_model_report_btn_", "pw_qdsm_btn_"}) {
            if (Button(&bar, step)->isVisible())
                visible << QLatin1String(step);
        }
        QCOMPARE(visible.join(' '), shown);
    }

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

    void areaCheckStatus_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("rect");
        QTest::addColumn<bool>("polygon");
        QTest::newRow("rectangle") << 200 << true << false;
        QTest::newRow("polygon") << 201 << false << true;
        QTest::newRow("view tool") << 101 << false << false;
    }

    void areaCheckStatus()
    {
        QFETCH(int, tool);
        QFETCH(bool, rect);
        QFETCH(bool, polygon);
        OKSettingBar bar;
        Button(&bar, "oksb_rect_btn_")->setChecked(true);
        Button(&bar, "oksb_polygon_btn_")->setChecked(true);
        bar.UpdateCheckStatus(tool);
        QCOMPARE(Button(&bar, "oksb_rect_btn_")->isChecked(), rect);
        QCOMPARE(Button(&bar, "oksb_polygon_btn_")->isChecked(), polygon);
    }

    // A resolution that is no number reads as 0; Clear restores the defaults.
    void oneKeyFieldsAndClear()
    {
        OKSettingBar bar;
        bar.show();
        QVERIFY(Button(&bar, "oksb_fine_btn_")->isHidden());
        kvtest::SetText(&bar, QStringLiteral("oksb_resolution_edit_"), QStringLiteral("0,2m"));
        QCOMPARE(bar.GetResolution(), 0.0);
        kvtest::SetText(&bar, QStringLiteral("oksb_save_path_edit_"), QStringLiteral("/out"));
        Button(&bar, "oksb_fine_btn_")->setChecked(true);
        QVERIFY(bar.IsQuick() && bar.IsFine());
        bar.Clear();
        QCOMPARE(bar.GetResolution(), 0.1);
        QVERIFY(bar.GetSavePath().isEmpty());
        QVERIFY(!bar.IsQuick() && !bar.IsFine());
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
