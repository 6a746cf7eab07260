#include "cloudserver.h"
#include "framework/kvshared.h"
#include "host/footprint.h"
#include "host/kvmainwindow.h"
#include "host/surveymodule.h"
#include "host/surveyview.h"
#include "host/tilelayer.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(kvfd::EOP)

namespace {

// 1000 x 800 pixels of 0.01 mm behind a 10 mm lens: at 100 m above the
// ground a nadir image covers 100 x 80 m.
kvfd::CameraInfo TestCamera(double focal = 10.0)
{
    kvfd::CameraInfo camera;
    camera.width = 1000;
    camera.height = 800;
    camera.focal = focal;
    camera.pixel_size_x = camera.pixel_size_y = 0.01;
    camera.x0 = 500;
    camera.y0 = 400;
    return camera;
}

kvfd::EOP At(double x, double y, double z = 110.0, double omega = 0, double phi = 0,
             double kappa = 0)
{
    return {x, y, z, omega, phi, kappa};
}

// A projected (UTM 50N) project on a ground at 10 m, with the test camera.
std::unique_ptr<kvkernel::AISContext> Project(const std::vector<kvfd::EOP>& eops,
                                              int coordinateId = 32650)
{
    auto project = std::make_unique<kvkernel::AISContext>();
    project->GetPrjInfo().coordinateId = coordinateId;
    project->GetPrjInfo().meanElevation = 10.0;
    project->GetCameraInfoSet().AddCamera(TestCamera());
    project->GetCameraInfoSet().AddCamera(TestCamera(0.0));
    for (std::size_t i = 0; i < eops.size(); ++i)
        project->GetImageInfoSet().AddImage("IMG_" + std::to_string(i) + ".JPG", "/nowhere",
                                            eops[i], 0, true);
    return project;
}

std::vector<int> Selected(kvkernel::AISContext& project)
{
    std::vector<int> ids;
    project.GetSelected(ids);
    return ids;
}

} // namespace

class TestSurveyView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        // The tile cache goes under the cache location.
        QVERIFY(m_cache.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
    }

    void footprintCorners_data()
    {
        QTest::addColumn<double>("omega");
        QTest::addColumn<double>("phi");
        QTest::addColumn<double>("kappa");
        QTest::addColumn<QPolygonF>("expected"); // top-left, top-right, bottom-right, bottom-left
        QTest::newRow("nadir") << 0.0 << 0.0 << 0.0
                               << QPolygonF({{-50, 40}, {50, 40}, {50, -40}, {-50, -40}});
        // Image top towards the west: kappa turns the image counter-clockwise.
        QTest::newRow("kappa 90") << 0.0 << 0.0 << 90.0
                                  << QPolygonF({{-40, -50}, {-40, 50}, {40, 50}, {40, -50}});
        // Phi 30 degrees looks west: the near edge 6 m, the far edge 151.46 m
        // from the nadir point (worked out by hand: tan(30) and the ray of
        // each corner through Ry).
        QTest::newRow("phi 30") << 0.0 << 30.0 << 0.0
                                << QPolygonF({{-151.456855, 64.932387},
                                              {-6.002309, 35.841478},
                                              {-6.002309, -35.841478},
                                              {-151.456855, -64.932387}});
    }

    void footprintCorners()
    {
        QFETCH(double, omega);
        QFETCH(double, phi);
        QFETCH(double, kappa);
        QFETCH(QPolygonF, expected);
        kvhost::Footprint::Corners corners;
        QVERIFY(kvhost::Footprint::Compute(At(1000, 2000, 110, qDegreesToRadians(omega),
                                              qDegreesToRadians(phi), qDegreesToRadians(kappa)),
                                           TestCamera(), 10.0, corners));
        for (int k = 0; k < 4; ++k) {
            QVERIFY2(std::fabs(corners[k][0] - 1000 - expected[k].x()) < 1e-3
                         && std::fabs(corners[k][1] - 2000 - expected[k].y()) < 1e-3,
                     qPrintable(QStringLiteral("corner %1: %2 %3")
                                    .arg(k)
                                    .arg(corners[k][0] - 1000)
                                    .arg(corners[k][1] - 2000)));
        }
    }

    void noFootprint_data()
    {
        QTest::addColumn<kvfd::EOP>("eop");
        QTest::addColumn<double>("focal");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("zero focal") << At(0, 0) << 0.0;
        QTest::newRow("NaN position") << At(nan, 5) << 10.0;
        QTest::newRow("below the ground") << At(0, 0, 5) << 10.0;
        QTest::newRow("at the horizon") << At(0, 0, 110, 0, qDegreesToRadians(85.0)) << 10.0;
        QTest::newRow("looking up") << At(0, 0, 110, qDegreesToRadians(180.0)) << 10.0;
    }

    void noFootprint()
    {
        QFETCH(kvfd::EOP, eop);
        QFETCH(double, focal);
        kvhost::Footprint::Corners corners {};
        QVERIFY(!kvhost::Footprint::Compute(eop, TestCamera(focal), 10.0, corners));
    }

    // Images without a position, a camera or sane numbers stay in the view
    // without a footprint; the others get theirs in map coordinates.
    void imagesWithoutGeometry()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        auto project = Project({At(500000, 3300000), kvfd::EOP(), At(500100, 3300000),
                                At(nan, 3300000), At(1e12, -1e12), At(500200, 3300000)});
        project->GetImageInfoSet().GetImage(2)->SetCamera(7);
        project->GetImageInfoSet().GetImage(5)->SetCamera(1); // zero focal
        SurveyView view;
        view.resize(400, 300);
        view.SetContext(project.get());
        QCOMPARE(view.ImageCount(), 6);
        const bool position[] = {true, false, true, false, false, true};
        const bool footprint[] = {true, false, false, false, false, false};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(view.HasPosition(i), position[i]);
            QCOMPARE(view.HasFootprint(i), footprint[i]);
        }
        QCOMPARE(view.FootprintOf(0).value(0), QPointF(499950, 3300040));
        // Painting every layer copes with them all.
        for (int layer = 1; layer <= SurveyView::LayerImu; layer <<= 1)
            view.SetLayer(SurveyView::Layer(layer), true);
        view.Fit();
        QVERIFY(!view.grab().isNull());

        // Rectangles of no size, of NaN or past any coordinate select what
        // they can and nothing else.
        view.SelectInRect(QRectF(QPointF(nan, 0), QPointF(1, 1)));
        QVERIFY(Selected(*project).empty());
        view.SelectInRect(QRectF(-1e300, -1e300, 2e300, 2e300));
        QCOMPARE(Selected(*project), std::vector<int>({0, 2, 5}));
        view.SelectInPolygon(QPolygonF({{nan, 0}, {1, 1}, {2, 0}}));
        QCOMPARE(Selected(*project).size(), std::size_t(3)); // refused, unchanged
    }

    void selectionWritesTheFlags()
    {
        auto project = Project({At(0, 0), At(100, 0), At(200, 0), At(300, 0)}, -1);
        project->GetImageInfoSet().GetImageExt(3)->visible = false;
        SurveyView view;
        view.SetContext(project.get());
        QSignalSpy changed(&view, &SurveyView::FlagsChanged);

        // Image 3 lies inside but is hidden.
        view.SelectInRect(QRectF(QPointF(50, -10), QPointF(350, 10)));
        QCOMPARE(Selected(*project), std::vector<int>({1, 2}));
        QCOMPARE(changed.count(), 1);

        view.SelectInPolygon(QPolygonF({{-10, -10}, {10, -10}, {0, 10}}), true);
        QCOMPARE(Selected(*project), std::vector<int>({0, 1, 2}));
        view.SelectInPolygon(QPolygonF({{-10, -10}, {10, -10}, {0, 10}}), true);
        QCOMPARE(changed.count(), 2); // nothing new, no signal

        view.SelectAt(QPointF(200, 30)); // inside image 2's footprint only
        QCOMPARE(Selected(*project), std::vector<int>({2}));
        QVERIFY(view.EnableSelected(false));
        QVERIFY(!project->GetImageInfoSet().GetImageExt(2)->enabled);
        QCOMPARE(view.LookOf(2), SurveyView::Look::Selected); // selection shows first
        QVERIFY(view.ShowSelected(false));
        QVERIFY(!project->GetImageInfoSet().GetImageExt(2)->visible);
        QVERIFY(view.ShowSelected(true) && view.EnableSelected(true));
        view.SelectAt(QPointF(5000, 5000));
        QVERIFY(Selected(*project).empty());
        QVERIFY(!view.EnableSelected(false)); // nothing selected

        // A rectangle dragged with the tool.
        view.resize(500, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.SetTool(SurveyView::ToolSelectRect);
        const QPoint from = view.mapFromScene(view.MapToScene(QPointF(150, 20)));
        const QPoint to = view.mapFromScene(view.MapToScene(QPointF(250, -20)));
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &move);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(Selected(*project), std::vector<int>({2}));
    }

    void imuLevelsAndLinks()
    {
        const double d = qDegreesToRadians(1.0);
        auto project = Project({At(0, 0, 110, 3 * d), At(50, 0, 110, 0, 10 * d),
                                At(90, 0, 110, -30 * d), At(5000, 0, 110, 0, -370 * d)},
                               -1);
        SurveyView view;
        view.SetContext(project.get());
        const double thresholds[4] = {5 * d, 5 * d, 20 * d, 20 * d};
        view.SetImuThresholds(thresholds);
        QCOMPARE(view.ImuLevelOf(0), SurveyView::ImuLevel::Ok);
        QCOMPARE(view.ImuLevelOf(1), SurveyView::ImuLevel::Low);
        QCOMPARE(view.ImuLevelOf(2), SurveyView::ImuLevel::High);
        QCOMPARE(view.ImuLevelOf(3), SurveyView::ImuLevel::Low); // -370 is -10
        // 0-1 and 1-2 overlap, 0-2 touch only through the tilted image's
        // long side; the far one overlaps none.
        const auto links = view.Links();
        QVERIFY(std::count(links.begin(), links.end(), std::make_pair(0, 1)) == 1);
        QVERIFY(std::count(links.begin(), links.end(), std::make_pair(1, 2)) == 1);
        for (const auto& link : links)
            QVERIFY(link.second != 3);
    }

    // Tiles from the stand-in service line up under the survey; a server that
    // is down or sends garbage leaves the map empty and the view responsive.
    void backgroundTiles_data()
    {
        QTest::addColumn<QString>("server"); // "dem", "malformed" or "down"
        QTest::newRow("tiles") << "dem";
        QTest::newRow("garbage") << "malformed";
        QTest::newRow("down") << "down";
    }

    void backgroundTiles()
    {
        QFETCH(QString, server);
        const QString dem = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/dem/storml_elev.tif");
        QStringList args = {QStringLiteral("--tiles"), dem};
        if (server == QLatin1String("malformed"))
            args << QStringLiteral("--malformed");
        kvtest::CloudServer cloud(args);
        QString address;
        if (server == QLatin1String("down")) {
            QTcpServer closed; // a port that was free a moment ago
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            address = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        } else {
            QVERIFY2(cloud.Start(), qPrintable(cloud.Error()));
            address = cloud.Address();
        }
        // Around cell (50, 40) of the DEM, 46.066 N 113.263 W.
        auto project = Project({At(-113.2629, 46.0660, 300), At(-113.2620, 46.0660, 300)}, 4326);
        project->GetPrjInfo().meanElevation = 2500;
        SurveyView view;
        view.resize(300, 300);
        view.SetLayer(SurveyView::LayerFootprint, false);
        view.SetLayer(SurveyView::LayerGps, false);
        view.SetLayer(SurveyView::LayerImageId, false);
        view.SetContext(project.get());
        view.Tiles()->SetTimeout(3000);
        // The map tool bar's choice goes to the service the library talks to.
        qputenv("KVUI_SERVICE_URL", address.toUtf8());
        QSignalSpy mapChanged(&view, &SurveyView::MapTypeChanged);
        view.SetMapType(2);
        view.SetMapType(9); // no such map: nothing changes
        QCOMPARE(mapChanged.count(), 1);
        QCOMPARE(view.Tiles()->UrlTemplate(),
                 address + QStringLiteral("/tiles/amap_sat/{z}/{x}/{y}.png"));
        QSignalSpy ready(view.Tiles(), &TileLayer::TileReady);
        QSignalSpy failed(view.Tiles(), &TileLayer::TileFailed);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.Fit();
        QTRY_VERIFY_WITH_TIMEOUT(ready.count() + failed.count() > 0, kvtest::kPatienceMs);
        QTRY_COMPARE_WITH_TIMEOUT(view.Tiles()->PendingRequests(), 0, kvtest::kPatienceMs);
        view.viewport()->repaint();
        const QImage picture = view.viewport()->grab().toImage();
        const QRgb centre = picture.pixel(picture.rect().center());
        if (server == QLatin1String("dem")) {
            QVERIFY(failed.isEmpty());
            QVERIFY(view.Tiles()->DrawnTiles() > 0);
            QVERIFY(qGray(centre) < 200 && qRed(centre) == qBlue(centre)); // grey terrain
        } else {
            QVERIFY(ready.isEmpty());
            QCOMPARE(view.Tiles()->DrawnTiles(), 0);
            QCOMPARE(centre, view.backgroundBrush().color().rgb());
        }
    }

private:
    QTemporaryDir m_cache;
};

QTEST_MAIN(TestSurveyView)
#include "tst_surveyview.moc"
