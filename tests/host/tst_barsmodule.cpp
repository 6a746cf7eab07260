// The host's side of the processing bars and the view tool bar: where they
// sit, the answer to each request, and the background-map popup.

#include "host/barsmodule.h"
#include "host/kvmainwindow.h"
#include "host/settingsmodule.h"
#include "languagecheck.h"
#include "map/dpviewtoolbar.h"
#include "map/mapbar.h"
#include "modalanswer.h"
#include "settings/okexportbar.h"
#include "settings/oksettingbar.h"
#include "settings/procedurebar.h"
#include "settings/qaexportbar.h"
#include "settings/qasettingbar.h"

#include <QDockWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QToolBox>
#include <QtTest>

namespace {

std::unique_ptr<KvMainWindow> Window()
{
    std::vector<std::unique_ptr<HostModule>> modules;
    modules.push_back(std::make_unique<BarsModule>());
    auto window = std::make_unique<KvMainWindow>(std::move(modules));
    window->resize(1100, 760);
    return window;
}

// The bars of the dock.
QList<QWidget*> DockBars(const BarsModule& bars)
{
    return {bars.OneKeyBar(), bars.OneKeyExportBar(), bars.QaBar(), bars.QaExport(),
            bars.Procedures()};
}

} // namespace

class TestBarsModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }
    void cleanup() { QVERIFY(SettingsModule::ApplyLanguage(QString(), false)); }

    void placed()
    {
        auto window = Window();
        auto* bars = window->FindModule<BarsModule>();
        QCOMPARE(window->toolBarArea(bars->ViewToolBarHolder()), Qt::LeftToolBarArea);
        QCOMPARE(window->dockWidgetArea(bars->Dock()), Qt::RightDockWidgetArea);
        for (QWidget* bar : DockBars(*bars))
            QVERIFY(bars->Dock()->isAncestorOf(bar));
        QVERIFY(bars->ViewToolBarHolder()->isAncestorOf(bars->ViewToolBar()));
    }

    void everyRequestIsAnswered_data()
    {
        QTest::addColumn<QString>("group"); // a procedure group to open first
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("told");
        const char* const rows[][3] = {
            {"", "oksb_run_btn_",
             "one-key processing yet (output folder /tmp/正射 %2, resolution 0.1 m)"},
            {"", "oksb_rect_btn_", "rectangular output area"},
            {"", "oksb_polygon_btn_", "polygonal output area"},
            {"", "oksb_clear_btn_", "clear output areas"},
            {"", "oksb_reset_btn_", "positions for the one-key"},
            {"", "okeb_ssk_btn_", "SSK projects"},
            {"", "okeb_inpho_btn_", "Inpho projects"},
            {"", "okeb_patb_btn_", "PatB projects"},
            {"", "okeb_pos_btn_", "POS data of the one-key"},
            {"", "okeb_photomod_btn_", "PhotoMod projects"},
            {"", "okeb_cc_btn_", "Context Capture XML projects"},
            {"", "qasb_run_btn_",
             "scale 1:1000, resolution 0.1 m, forward overlap 60 %, side overlap 30 %"},
            {"", "qasb_report_btn_", "make quality assessment reports"},
            {"", "qasb_reset_btn_", "positions for the quality assessment"},
            {"", "qaeb_report_btn_", "export quality assessment reports"},
            {"", "qaeb_quick_dom_btn_", "quick DOM"},
            {"", "qaeb_pos_btn_", "POS data of the quality assessment"},
            {"pw_feature_group_btn_", "pw_feature_btn_", "feature matching"},
            {"", "pw_adjust_btn_", "optimization"},
            {"", "pw_ba_btn_", "bundle adjustment"},
            {"pw_mosaic_group_btn_", "pw_model_report_btn_", "model reports"},
            {"pw_mosaic_group_btn_", "pw_qdsm_btn_", "quick DSM"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[1]) << row[0] << row[1] << QString::fromUtf8(row[2]);
    }

    // One box per request, saying what is not run; the status bar keeps it.
    void everyRequestIsAnswered()
    {
        QFETCH(QString, group);
        QFETCH(QString, button);
        QFETCH(QString, told);
        auto window = Window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* bars = window->FindModule<BarsModule>();
        kvtest::SetText(bars->OneKeyBar(), QStringLiteral("oksb_save_path_edit_"),
                        QStringLiteral("/tmp/正射 %2"));
        QWidget* dock = bars->Dock()->widget();
        // Every page of the dock, so that the button is shown wherever it is.
        for (QWidget* bar : DockBars(*bars)) {
            if (!kvtest::FindNamed(bar, button))
                continue;
            auto* box = qobject_cast<QToolBox*>(dock);
            QVERIFY(box);
            for (int i = 0; i < box->count(); ++i) {
                if (box->widget(i)->isAncestorOf(bar))
                    box->setCurrentIndex(i);
            }
            if (!group.isEmpty())
                kvtest::Click(bar, group);
            const QList<QStringList> boxes
                = kvtest::AnswerEveryBox([&] { kvtest::Click(bar, button); });
            QCOMPARE(boxes.size(), 1);
            QVERIFY2(boxes.first().join(QLatin1Char('\n')).contains(told),
                     qPrintable(boxes.first().join(QLatin1Char('\n'))));
            return;
        }
        QFAIL(qPrintable(button + QStringLiteral(" is on no bar")));
    }

    void backgroundMapChoice()
    {
        auto window = Window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* bars = window->FindModule<BarsModule>();
        QSignalSpy chosen(bars, &BarsModule::MapChosen);
        for (const auto& [button, type, icon] :
             {std::tuple {"mapbar_gg_sat_btn_", MAP_GOOGLE_SAT, "map_ggwx"},
              std::tuple {"mapbar_amap_hybrid_btn_", MAP_AMAP_HYBRID, "map_gdjt"},
              std::tuple {"mapbar_nomap_btn_", MAP_NONE, "map_show"}}) {
            const MapType before = bars->CurrentMap();
            kvtest::Click(bars->ViewToolBar(), QStringLiteral("dpvtb_map_btn_"));
            QPointer<MapToolBar> popup = bars->MapPopup();
            QVERIFY(popup && popup->isVisible());
            QVERIFY(kvtest::Find<QPushButton>(popup->Bar(), MapButton(before))->isChecked());
            kvtest::Click(popup->Bar(), QLatin1String(button));
            QTRY_VERIFY(popup.isNull());
            QCOMPARE(chosen.count(), 1);
            QCOMPARE(chosen.takeFirst().first().value<MapType>(), type);
            QCOMPARE(bars->CurrentMap(), type);
            QVERIFY(kvtest::FindNamed(bars->ViewToolBar(), QStringLiteral("dpvtb_map_btn_"))
                        ->styleSheet()
                        .contains(QLatin1String(icon) + QStringLiteral("_but_nor.png")));
        }
    }

    void readsInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("zh_CN") << "zh_CN";
    }

    void readsInTheLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(SettingsModule::ApplyLanguage(language, false));
        auto window = Window();
        kvtest::LanguageCheck check(language);
        for (const char* word :
             {"SSK", "Inpho", "PatB", "Context", "Capture", "XML", "PhotoMod", "ProcedureWidget"})
            check.Allow(QLatin1String(word));
        QStringList foreign = check.Foreign(window.get());
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    }

private:
    static QString MapButton(MapType type)
    {
        const char* const names[]
            = {"mapbar_nomap_btn_", "mapbar_amap_hybrid_btn_", "mapbar_amap_sat_btn_",
               "mapbar_gg_hybrid_btn_", "mapbar_gg_sat_btn_"};
        return QLatin1String(names[type]);
    }
};

QTEST_MAIN(TestBarsModule)
#include "tst_barsmodule.moc"
