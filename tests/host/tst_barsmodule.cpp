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
#include <QRegularExpression>
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

    // Every button of the dock that asks for a run, an export or a report gets
    // one box; those not run yet say so, and the one-key run names its inputs.
    // The output-area tools draw on the view instead (tst_workspace).
    void everyRequestIsAnswered()
    {
        auto window = Window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto* bars = window->FindModule<BarsModule>();
        kvtest::SetText(bars->OneKeyBar(), QStringLiteral("oksb_save_path_edit_"),
                        QStringLiteral("/tmp/正射 %2"));
        auto* pages = qobject_cast<QToolBox*>(bars->Dock()->widget());
        QStringList told;
        QSet<QPushButton*> clicked;
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            const auto buttons = pages->widget(page)->findChildren<QPushButton*>();
            // The procedures' steps show group by group.
            QList<QPushButton*> groups {nullptr};
            for (QPushButton* button : buttons) {
                if (button->objectName().contains(QLatin1String("group")))
                    groups << button;
            }
            for (QPushButton* group : groups) {
                if (group)
                    QTest::mouseClick(group, Qt::LeftButton);
                for (QPushButton* button : buttons) {
                    // The browse button opens a folder chooser, not a box.
                    if (groups.contains(button) || button->isHidden() || clicked.contains(button)
                        || button->objectName() == QLatin1String("kvsavefilebtn")
                        || QRegularExpression("oksb_(rect|polygon|clear)_btn_")
                               .match(button->objectName() + ' '
                                      + button->property("kvFormName").toString())
                               .hasMatch())
                        continue;
                    clicked << button;
                    const QList<QStringList> boxes = kvtest::AnswerEveryBox(
                        [button] { QTest::mouseClick(button, Qt::LeftButton); });
                    QCOMPARE(boxes.size(), 1);
                    told << boxes.first().filter(QLatin1String("This host does not"));
                }
            }
        }
        // Without a project the exports and the assessment ask for one, except
        // the two packages this host never writes.
        QCOMPARE(told.size(), 10);
        QCOMPARE(QSet<QString>(told.begin(), told.end()).size(), 10);
        QVERIFY(told.filter("one-key processing yet (output folder /tmp/正射 %2, resolution 0.1 m)")
                    .size()
                == 1);
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
