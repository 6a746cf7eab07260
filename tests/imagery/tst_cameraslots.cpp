// Cameras kept at the slots their images name while a project is assembled,
// and closed up for the project.

#include "imagery/cameraslots.h"

#include <QStringList>
#include <QTest>
#include <cctype>
#include <map>
#include <string>

namespace {

kvfd::CameraInfo Camera(const char* name, int id = -1)
{
    kvfd::CameraInfo camera;
    camera.id = id;
    camera.name = name;
    camera.width = 4000;
    camera.height = 3000;
    camera.ccd_width = 6.4;
    camera.ccd_height = 4.8;
    camera.focal = 4.5;
    return camera;
}

// Each slot's name, "-" for a blank one.
QString Slots(const kvfd::CameraInfoSet& cameras)
{
    QStringList names;
    for (int c = 0; c < cameras.Size(); ++c) {
        const kvfd::CameraInfo& camera = *cameras.GetCamera(c);
        names << (kvui::IsBlankCamera(camera) ? QStringLiteral("-")
                                              : QString::fromStdString(camera.name));
    }
    return names.join(' ');
}

kvfd::CameraInfoSet Cameras(const QStringList& names)
{
    kvfd::CameraInfoSet cameras;
    for (const QString& name : names)
        cameras.AddCamera(name == "-" ? kvfd::CameraInfo() : Camera(qPrintable(name)));
    return cameras;
}

// One image per camera index, named after it.
kvfd::ImageInfoSet Images(std::initializer_list<int> cameraIndices)
{
    kvfd::ImageInfoSet images;
    for (int c : cameraIndices)
        images.AddImage("img" + std::to_string(images.Size()) + ".jpg", "/d", {}, c, true);
    return images;
}

// The camera index of every image slot, "x" for a removed one.
QString ImageCameras(const kvfd::ImageInfoSet& images)
{
    QStringList indices;
    for (int i = 0; i < images.Size(); ++i) {
        const kvfd::ImageInfo* image = images.GetImage(i);
        indices << (image ? QString::number(image->GetCamera()) : QStringLiteral("x"));
    }
    return indices.join(' ');
}

} // namespace

class TestCameraSlots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blankIsOnlyTheDefaultRecord()
    {
        QVERIFY(kvui::IsBlankCamera(kvfd::CameraInfo()));
        kvfd::CameraInfo idOnly;
        idOnly.id = 0; // a detected camera gets its slot as id: not blank
        QVERIFY(!kvui::IsBlankCamera(idOnly));
        QVERIFY(!kvui::IsBlankCamera(Camera("")));
    }

    void put_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("after");
        QTest::newRow("into an empty set, far out") << QStringList() << 2 << "- - new";
        QTest::newRow("replaces") << QStringList {"a", "b"} << 0 << "new b";
        QTest::newRow("fills a blank") << QStringList {"a", "-", "c"} << 1 << "a new c";
        QTest::newRow("at the end") << QStringList {"a"} << 1 << "a new";
        QTest::newRow("negative index") << QStringList {"a"} << -1 << "a";
    }

    void put()
    {
        QFETCH(QStringList, before);
        QFETCH(int, index);
        QFETCH(QString, after);
        kvfd::CameraInfoSet cameras = Cameras(before);
        kvui::PutCamera(cameras, index, Camera("new"));
        QCOMPARE(Slots(cameras), after);
    }

    void remove_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("cameras");
        QTest::addColumn<QString>("images"); // images carry 0, 1, 2, 1, 3
        auto row = [](const char* name, const QStringList& before, int index, const char* cameras,
                      const char* images) {
            QTest::newRow(name) << before << index << QString(cameras) << QString(images);
        };
        row("middle: the later keep their slots", {"a", "b", "c"}, 1, "a - c", "0 x 2 x 3");
        row("last: trailing blanks go", {"a", "-", "c"}, 2, "a", "0 1 x 1 3");
        row("index without a record: its images go", {"a", "b", "c"}, 3, "a b c", "0 1 2 1 x");
        row("out of range", {"a"}, 7, "a", "0 1 2 1 3");
    }

    void remove()
    {
        QFETCH(QStringList, before);
        QFETCH(int, index);
        QFETCH(QString, cameras);
        QFETCH(QString, images);
        kvfd::CameraInfoSet set = Cameras(before);
        kvfd::ImageInfoSet imageSet = Images({0, 1, 2, 1, 3});
        kvui::RemoveCameraSlot(set, imageSet, index);
        QCOMPARE(Slots(set), cameras);
        QCOMPARE(ImageCameras(imageSet), images);
    }

    void slotsInUse()
    {
        const kvfd::CameraInfoSet cameras = Cameras({"a", "-", "c"});
        kvfd::ImageInfoSet images = Images({4, -1, 0, 6, 4});
        images.RemoveImage(3); // a removed image asks for no tab
        QCOMPARE(kvui::CameraSlotsInUse(cameras, images), (std::vector<int> {0, 2, 4}));
        QCOMPARE(kvui::CameraSlotsInUse({}, {}), std::vector<int>());
    }

    // Every image keeps its camera through the renumbering.
    void compact()
    {
        kvfd::CameraInfoSet cameras;
        cameras.AddCamera(Camera("a", 0));
        cameras.AddCamera(kvfd::CameraInfo());
        cameras.AddCamera(Camera("c", 2));
        cameras.AddCamera(kvfd::CameraInfo());
        cameras.AddCamera(Camera("e", 7)); // an id that is not its slot stays
        kvfd::ImageInfoSet images = Images({4, 0, 2, 1, 9, -1, 2});
        images.RemoveImage(6);

        const kvfd::CameraInfoSet compact = kvui::CompactCameras(cameras, images);
        QCOMPARE(Slots(compact), QStringLiteral("a c e"));
        QCOMPARE(compact.GetCamera(0)->id, 0);
        QCOMPARE(compact.GetCamera(1)->id, 1);
        QCOMPARE(compact.GetCamera(2)->id, 7);
        // Images whose slot holds no camera are left without one.
        QCOMPARE(ImageCameras(images), QStringLiteral("2 0 1 -1 -1 -1 x"));
        QCOMPARE(Slots(cameras), QStringLiteral("a - c - e")); // the source is not touched
    }

    // Steps: "d<slot>" detect, "f<slot>" forget the slot, "c" clear, "+<slot><photo>"
    // add a photo to the slot; photos named in upper case carry a camera.
    void detection_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("found"); // the last detection's camera, "-" for none
        QTest::addColumn<QString>("reads"); // how often each photo was read
        auto row = [](const char* name, const char* steps, const char* found, const char* reads) {
            QTest::newRow(name) << QString(steps) << QString(found) << QString(reads);
        };
        row("found once, then remembered", "+0a +0B +0C d0 d0 d0", "B0", "B1 a1");
        row("none, then remembered", "+1a +1b d1 d1 d1", "-", "a1 b1");
        row("slot without images", "+0A d2", "-", "");
        row("other slots' photos are not read", "+0A +1b d1", "-", "b1");
        row("answer kept until the slot is forgotten", "+1a d1 +1B d1", "-", "a1");
        row("changed slot: untagged photos not read again", "+1a +1b d1 +1C f1 d1 d1", "C1",
            "C1 a1 b1");
        row("forgetting one slot keeps the other's answer", "+0a +1B d0 d1 f0 d1", "B1", "B1 a1");
        row("cleared: read again", "+1a d1 c d1", "-", "a2");
    }

    void detection()
    {
        QFETCH(QString, steps);
        QFETCH(QString, found);
        QFETCH(QString, reads);
        std::map<std::string, int> counts;
        kvui::CameraDetection detection(
            [&counts](const std::string& path, kvfd::CameraInfo& camera) {
                ++counts[path];
                if (!std::isupper(static_cast<unsigned char>(path.back())))
                    return false;
                camera = Camera(path.c_str());
                return true;
            });
        kvfd::ImageInfoSet images;
        QString last = QStringLiteral("?");
        for (const QString& step : steps.split(' ')) {
            const int slot = step.size() > 1 ? step.at(1).digitValue() : -1;
            if (step.startsWith('+')) {
                images.AddImage(step.mid(2).toStdString(), "", kvfd::EOP(), slot, true);
            } else if (step.startsWith('d')) {
                kvfd::CameraInfo camera;
                last = detection.Detect(images, slot, camera)
                    ? QString::fromStdString(camera.name).section('/', -1)
                        + QString::number(camera.id)
                    : QStringLiteral("-");
            } else if (step.startsWith('f')) {
                detection.Forget(slot);
            } else {
                detection.Clear();
            }
        }
        QStringList counted;
        for (const auto& [path, count] : counts)
            counted << QString::fromStdString(path).section('/', -1) + QString::number(count);
        QCOMPARE(last, found);
        QCOMPARE(counted.join(' '), reads);
    }
};

QTEST_GUILESS_MAIN(TestCameraSlots)
#include "tst_cameraslots.moc"
