// Cameras kept at the slots their images name while a project is assembled,
// and closed up for the project.

#include "imagery/cameraslots.h"

#include <QStringList>
#include <QTest>
#include <atomic>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace {

kvfd::CameraInfo Camera(const char* name, int id = -1)
{
    return {id, name, "", 4000, 3000, 6.4, 4.8, 4.5};
}

// How often each photo was read, by the photo's name.
QString Reads(const std::map<std::string, int>& counts)
{
    QStringList names;
    for (const auto& [path, count] : counts)
        names << QString::fromStdString(path).section('/', -1) + QString::number(count);
    return names.join(' ');
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
        row("other slots' photos are not read", "+0A +1b d1", "-", "b1");
        row("answer kept until the slot is forgotten", "+1a d1 +1B d1", "-", "a1");
        row("changed slot: untagged photos not read again", "+1a +1b d1 +1C f1 d1 d1", "C1",
            "C1 a1 b1");
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
        QCOMPARE(last, found);
        QCOMPARE(Reads(counts), reads);
    }

    // More photos than are read at once: Detect answers at once and the rest
    // is read in the background, each photo once; the first camera in image
    // order arrives through FoundLater, unless the slot was forgotten
    // meanwhile, and is Detect's answer from then on.
    void detectionInTheBackground_data()
    {
        QTest::addColumn<bool>("forget");
        QTest::newRow("searched to its end") << false;
        QTest::newRow("slot forgotten meanwhile") << true;
    }

    void detectionInTheBackground()
    {
        QFETCH(bool, forget);
        const std::thread::id mainThread = std::this_thread::get_id();
        std::mutex mutex;
        std::condition_variable gate;
        bool open = false;
        std::map<std::string, int> counts;
        kvui::CameraDetection detection(
            [&](const std::string& path, kvfd::CameraInfo& camera) {
                std::unique_lock<std::mutex> lock(mutex);
                // The background search waits until the test has done what
                // it does meanwhile.
                if (std::this_thread::get_id() != mainThread)
                    gate.wait(lock, [&open] { return open; });
                ++counts[path];
                if (!std::isupper(static_cast<unsigned char>(path.back())))
                    return false;
                camera = Camera(path.c_str());
                return true;
            },
            2);
        QStringList found;
        detection.SetFoundLater([&found](int slot, const kvfd::CameraInfo& camera) {
            found << QString::fromStdString(camera.name) + QString::number(slot)
                    + QString::number(camera.id);
        });
        kvfd::ImageInfoSet images;
        for (const char* name : {"a", "b", "c", "d", "E", "f", "G"})
            images.AddImage(name, "/p", kvfd::EOP(), 1, true);
        images.AddImage("H", "/p", kvfd::EOP(), 0, true);

        kvfd::CameraInfo camera;
        QVERIFY(!detection.Detect(images, 1, camera));
        QVERIFY(!detection.Detect(images, 1, camera)); // no second search
        if (forget)
            detection.Forget(1);
        {
            std::lock_guard<std::mutex> lock(mutex);
            open = true;
        }
        gate.notify_all();
        auto read = [&] {
            std::lock_guard<std::mutex> lock(mutex);
            return Reads(counts);
        };
        QTRY_COMPARE(read(), QStringLiteral("E1 a1 b1 c1 d1"));
        QTRY_VERIFY(!detection.Searching(1));
        QTest::qWait(20); // a late answer would arrive now
        QCOMPARE(found, forget ? QStringList() : QStringList {"/p/E11"});
        // Either way the photos read are not read again.
        QVERIFY(detection.Detect(images, 1, camera));
        QCOMPARE(QString::fromStdString(camera.name) + QString::number(camera.id),
                 QStringLiteral("/p/E1"));
        QCOMPARE(read(), QStringLiteral("E1 a1 b1 c1 d1"));
    }

    // A detection closed while its search goes on stops reading and hands
    // nothing over.
    void closedWhileSearching()
    {
        std::atomic<int> reads {0};
        QStringList found;
        {
            kvui::CameraDetection detection(
                [&reads](const std::string&, kvfd::CameraInfo&) {
                    ++reads;
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                    return false;
                },
                1);
            detection.SetFoundLater(
                [&found](int, const kvfd::CameraInfo&) { found << QStringLiteral("late"); });
            kvfd::ImageInfoSet images;
            for (int i = 0; i < 1000; ++i)
                images.AddImage(std::to_string(i), "/p", kvfd::EOP(), 0, true);
            kvfd::CameraInfo camera;
            QVERIFY(!detection.Detect(images, 0, camera));
        }
        QVERIFY(reads < 1000);
        QTest::qWait(20);
        QVERIFY(found.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCameraSlots)
#include "tst_cameraslots.moc"
