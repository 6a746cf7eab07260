// The view tool bar, the background-map popup and the tile addresses of each
// background map.

#include "framework/kvsettingskeys.h"
#include "map/dpviewtoolbar.h"
#include "map/mapbar.h"
#include "map/maptiles.h"
#include "map/maptoolbar.h"
#include "modalanswer.h"

#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

const char* const kViewButtons[] = {
    "dpvtb_map_btn_",         "dpvtb_zoom_in_btn_",     "dpvtb_zoom_out_btn_",
    "dpvtb_pan_btn_",         "dpvtb_fit_btn_",         "dpvtb_select_one_btn_",
    "dpvtb_select_rect_btn_", "dpvtb_select_free_btn_", "dpvtb_delete_btn_",
};

QStringList Methods(const QObject& object, QMetaMethod::MethodType type)
{
    QStringList names;
    const QMetaObject* meta = object.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == type)
            names << QString::fromLatin1(meta->method(i).methodSignature());
    }
    return names;
}

// Names of the signalNames of object's own class emitted while action runs.
QStringList Emitted(QObject* object, const std::function<void()>& action)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QStringList signatures = Methods(*object, QMetaMethod::Signal);
    for (const QString& signature : signatures)
        spies.push_back(std::make_unique<QSignalSpy>(object, qPrintable("2" + signature)));
    action();
    QStringList emitted;
    for (size_t i = 0; i < spies.size(); ++i) {
        for (int n = 0; n < spies[i]->count(); ++n)
            emitted << signatures[int(i)];
    }
    return emitted;
}

QSettings Store()
{
    return QSettings(QLatin1String(kvui::settings::kOrganization),
                     QLatin1String(kvui::settings::kApplication));
}

} // namespace

class TestMapToolBars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        qunsetenv(kvui::settings::kServiceAddressVariable);
    }

    void popupChoice_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("signal");
        const char* const rows[][2] = {{"mapbar_amap_hybrid_btn_", "ClickAMapHybrid()"},
                                       {"mapbar_amap_sat_btn_", "ClickAMapSat()"},
                                       {"mapbar_gg_hybrid_btn_", "ClickGGHybrid()"},
                                       {"mapbar_gg_sat_btn_", "ClickGGSat()"},
                                       {"mapbar_nomap_btn_", "ClickCloseMap()"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }

    // The current map is checked; one choice, one request, and the popup is gone.
    void popupChoice()
    {
        QFETCH(QString, button);
        QFETCH(QString, signal);
        QPointer<MapToolBar> popup = new MapToolBar;
        popup->SetMap(MAP_GOOGLE_SAT);
        popup->SetMap(MapType(7));
        QStringList checked;
        for (QPushButton* each : popup->findChildren<QPushButton*>()) {
            if (each->isChecked())
                checked << each->objectName();
        }
        QCOMPARE(checked, QStringList {"mapbar_gg_sat_btn_"});
        popup->show();
        QVERIFY(QTest::qWaitForWindowExposed(popup.data()));
        QCOMPARE(popup->Bar()->size(), QSize(360, 80));
        QCOMPARE(Emitted(popup, [&] { kvtest::Click(popup, button); }), QStringList {signal});
        QTRY_VERIFY(popup.isNull());
    }

    void defaultTiles_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("layer");
        QTest::newRow("none") << int(MAP_NONE) << QString();
        QTest::newRow("AMap hybrid") << int(MAP_AMAP_HYBRID) << "amap_hybrid";
        QTest::newRow("Google satellite") << int(MAP_GOOGLE_SAT) << "google_sat";
        QTest::newRow("unknown") << 7 << QString();
    }

    // The web service's tiles, wherever the service is.
    void defaultTiles()
    {
        QFETCH(int, type);
        QFETCH(QString, layer);
        Store().remove(QLatin1String(kvui::maptiles::kGroup));
        for (const char* service : {"http://127.0.0.1:8642", "http://10.0.0.7:9000"}) {
            qputenv(kvui::settings::kServiceAddressVariable, service);
            QCOMPARE(kvui::TileUrlTemplate(MapType(type)),
                     layer.isEmpty() ? QString()
                                     : service + ("/tiles/" + layer + "/{z}/{x}/{y}.png"));
        }
        qunsetenv(kvui::settings::kServiceAddressVariable);
        QCOMPARE(kvui::TileUrl(MapType(type), 15, 26920, 13380).isEmpty(), layer.isEmpty());
    }

    void storedTiles_data()
    {
        QTest::addColumn<QString>("urlTemplate");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char* name, const char* urlTemplate, bool accepted) {
            QTest::newRow(name) << QString(urlTemplate) << accepted;
        };
        row("other server", "https://tiles.example.org/sat/{z}/{x}/{y}.jpg?key=a%20b", true);
        row("axes reordered", "http://h:81/t?x={x}&y={y}&z={z}", true);
        row("tiles on disk, Chinese path", "file:///数据/瓦片/{z}/{x}/{y}.png", true);
        row("no {y}", "http://h/{z}/{x}/tile.png", false);
        row("relative", "tiles/{z}/{x}/{y}.png", false);
        row("no host", "http:///{z}/{x}/{y}.png", false);
        row("blank in host", "http://bad host/{z}/{x}/{y}.png", false);
        row("upper-case placeholder", "http://h/{Z}/{X}/{Y}.png", false);
    }

    // A template goes into the store and comes back from a fresh read of it;
    // one refused leaves the stored one as it was.
    void storedTiles()
    {
        QFETCH(QString, urlTemplate);
        QFETCH(bool, accepted);
        const QString before = QStringLiteral("http://before/{z}/{x}/{y}.png");
        QVERIFY(kvui::SetTileUrlTemplate(MAP_GOOGLE_SAT, before));
        QCOMPARE(kvui::SetTileUrlTemplate(MAP_GOOGLE_SAT, urlTemplate), accepted);
        QCOMPARE(Store().value(QStringLiteral("MapTiles/google_sat")).toString(),
                 accepted ? urlTemplate : before);
        QCOMPARE(kvui::TileUrlTemplate(MAP_GOOGLE_SAT), accepted ? urlTemplate : before);
        // The other layers keep their own.
        QCOMPARE(kvui::TileUrlTemplate(MAP_GOOGLE_HYBRID),
                 kvui::DefaultTileUrlTemplate(MAP_GOOGLE_HYBRID));
        QVERIFY(!kvui::SetTileUrlTemplate(MAP_NONE, urlTemplate));
        QVERIFY(!kvui::SetTileUrlTemplate(MapType(7), urlTemplate));

        // Emptied, the default is back.
        QVERIFY(kvui::SetTileUrlTemplate(MAP_GOOGLE_SAT, QString()));
        QVERIFY(!Store().contains(QStringLiteral("MapTiles/google_sat")));
        QCOMPARE(kvui::TileUrlTemplate(MAP_GOOGLE_SAT),
                 kvui::DefaultTileUrlTemplate(MAP_GOOGLE_SAT));
    }

    void tileAddress()
    {
        QVERIFY(kvui::SetTileUrlTemplate(MAP_AMAP_SAT, "http://h/t?x={x}&y={y}&z={z}&x2={x}"));
        QCOMPARE(kvui::TileUrl(MAP_AMAP_SAT, 3, 5, 7), QUrl("http://h/t?x=5&y=7&z=3&x2=5"));
        // A store edited by hand to something unusable reads as the default.
        Store().setValue(QStringLiteral("MapTiles/amap_sat"), QStringLiteral("garbage"));
        QCOMPARE(kvui::TileUrlTemplate(MAP_AMAP_SAT), kvui::DefaultTileUrlTemplate(MAP_AMAP_SAT));
        Store().setValue(QStringLiteral("MapTiles/amap_sat"), QStringList {"a", "b"});
        QCOMPARE(kvui::TileUrl(MAP_AMAP_SAT, 1, 0, 1),
                 QUrl("http://127.0.0.1:8642/tiles/amap_sat/1/0/1.png"));
        Store().remove(QStringLiteral("MapTiles"));
    }
};

QTEST_MAIN(TestMapToolBars)
#include "tst_maptoolbars.moc"
