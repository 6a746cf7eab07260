#include "kvfd/imageinfoset.h"
#include "kvkernel/aiscontext.h"

#include <QtTest>
#include <thread>

using kvfd::EOP;
using kvfd::ImageInfo;
using kvfd::ImageInfoSet;
using kvkernel::AISContext;

namespace {

const std::string kDir = "/data/flight1";

std::string Img(int i)
{
    return "IMG_" + std::to_string(i) + ".JPG";
}

// n images Img(i) in kDir, the camera alternating.
ImageInfoSet MakeSet(int n)
{
    ImageInfoSet set;
    EOP e;
    for (int i = 0; i < n; ++i, e.X += 1)
        set.AddImage(Img(i), kDir, e, i % 2, true);
    return set;
}

// Six images, the one at index 2 removed.
AISContext MakeContext()
{
    AISContext context;
    context.SetImageInfoSet(MakeSet(6));
    context.GetImageInfoSet().RemoveImage(2);
    return context;
}

} // namespace

class TestImageInfoSet : public QObject
{
    Q_OBJECT

private slots:
    void addAndRemove()
    {
        ImageInfoSet set = MakeSet(5);
        QVERIFY(set.GetImage(3)->GetCamera() == 1 && set.GetImage(3)->GetEOP().X == 3.0);

        // Removed slots stay, the others keep their indices (as a panel removing a
        // selection upwards relies on); removing again, or out of range, changes nothing.
        for (int i : {1, 3, 1, -1, 5})
            set.RemoveImage(i);
        QCOMPARE(set.Size(), 5);
        QCOMPARE(set.ValidSize(), 3);
        for (int i : {0, 2, 4})
            QCOMPARE(set.GetImage(i)->Name(), Img(i));
        const ImageInfoSet& cset = set;
        for (const int index : {-1, -1000000, 5, 1}) { // 5: the size, 1: removed
            QVERIFY(!set.GetImage(index) && !set.GetImageExt(index));
            QVERIFY(!cset.GetImage(index) && !cset.GetImageExt(index));
        }

        // New images go after the removed slots; Clear empties everything.
        QCOMPARE(set.AddImage("new.jpg", "/d", EOP(), 0, false), 5);
        QVERIFY(!set.GetImageExt(5)->enabled);
        QCOMPARE(set.ValidSize(), 4);
        QCOMPARE(set.FindImage(Img(2), kDir), 2);
        for (int i = 0; i < set.Size(); ++i)
            set.RemoveImage(i);
        QCOMPARE(set.Size(), 6);
        QCOMPARE(set.ValidSize(), 0);
        QCOMPARE(set.FindImage(Img(2), kDir), -1);
        set.Clear();
        QCOMPARE(set.Size() + set.ValidSize(), 0);
    }

    void findImage()
    {
        ImageInfoSet set = MakeSet(100);
        QCOMPARE(set.FindImage(Img(42), kDir), 42);
        QCOMPARE(set.FindImage(Img(42), "/data/flight2"), -1);
        QCOMPARE(set.FindImage("img_42.jpg", kDir), -1);
        QCOMPARE(set.FindImage("", ""), -1);

        // The index built by the searches above follows adds and removals.
        QCOMPARE(set.AddImage(Img(42), "/data/flight2", EOP(), 0, true), 100);
        QCOMPARE(set.FindImage(Img(42), "/data/flight2"), 100);
        set.RemoveImage(42);
        QCOMPARE(set.FindImage(Img(42), kDir), -1);
        QCOMPARE(set.FindImage(Img(43), kDir), 43);

        // Folder and name are told apart, not just their concatenation.
        set.AddImage("c.jpg", "/a/b", EOP(), 0, true);
        QCOMPARE(set.FindImage("b/c.jpg", "/a"), -1);
        QCOMPARE(set.FindImage("c.jpg", "/a/b"), 101);

        // Renamed through a pointer, also one kept from before a search.
        set.GetImage(5)->SetName("renamed.jpg");
        QCOMPARE(set.FindImage(Img(5), kDir), -1);
        QCOMPARE(set.FindImage("renamed.jpg", kDir), 5);
        ImageInfo* seven = set.GetImage(7);
        QCOMPARE(set.FindImage(Img(7), kDir), 7);
        seven->SetFullName("/moved/" + Img(7));
        set.GetImage(0); // any writable access counts as a possible change
        QCOMPARE(set.FindImage(Img(7), kDir), -1);
        QCOMPARE(set.FindImage(Img(7), "/moved"), 7);
    }

    void findImageAgainstScan()
    {
        // Adds, removals (some out of range) and searches interleaved, names recurring
        // in each folder, against a scan: of duplicates the lowest index wins.
        ImageInfoSet set;
        for (int step = 0; step < 300; ++step) {
            const std::string dir = "/f" + std::to_string(step % 3);
            if (step % 5 == 4)
                set.RemoveImage((step * 7) % (set.Size() + 1));
            else
                set.AddImage("n" + std::to_string(step % 17), dir, EOP(), 0, true);
            const std::string probe = "n" + std::to_string((step * 11) % 17);
            const ImageInfoSet& cset = set; // a writable access would drop the index
            int expected = -1;
            for (int i = cset.Size() - 1; i >= 0; --i) {
                if (cset.GetImage(i) && cset.GetImage(i)->Name() == probe
                    && cset.GetImage(i)->Path() == dir)
                    expected = i;
            }
            QCOMPARE(set.FindImage(probe, dir), expected);
        }
    }

    void fullName_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("joined");
        // clang-format off
    QTest::newRow("mixed, last wins") << "D:\\s/f1\\a.jpg" << "D:\\s/f1" << "a.jpg" << "D:\\s/f1/a.jpg";
    QTest::newRow("root")             << "/a.jpg" << "/" << "a.jpg" << "/a.jpg";
    QTest::newRow("chinese")          << "/数据/测区 一/影像 1.jpg" << "/数据/测区 一" << "影像 1.jpg" << "/数据/测区 一/影像 1.jpg";
    QTest::newRow("name only")        << "a.JPG" << "" << "a.JPG" << "a.JPG";
        // clang-format on
    }

    void fullName()
    {
        QFETCH(QString, full);
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, joined);
        ImageInfo info;
        info.SetFullName(full.toStdString());
        QCOMPARE(QString::fromStdString(info.Path()), path);
        QCOMPARE(QString::fromStdString(info.Name()), name);
        QCOMPARE(QString::fromStdString(info.GetFullName()), joined);
    }

    void context()
    {
        AISContext c = MakeContext();
        std::vector<int> ids = {99};
        c.GetSelected(ids);
        QVERIFY(ids.empty());
        c.SetSelected(true);
        c.GetImageInfoSet().GetImageExt(4)->selected = false;
        c.GetSelected(ids);
        QCOMPARE(ids, (std::vector<int> {0, 1, 3, 5}));

        // Removing skips bad ids and keeps the slots; the selection follows.
        c.Remove({4, 2, -3, 4, 77, 0});
        const ImageInfoSet& images = c.GetImageInfoSet();
        QCOMPARE(images.Size(), 6);
        QCOMPARE(images.ValidSize(), 3);
        QCOMPARE(images.FindImage(Img(4), kDir), -1);
        QCOMPARE(images.FindImage(Img(5), kDir), 5);
        c.GetSelected(ids);
        QCOMPARE(ids, (std::vector<int> {1, 3, 5}));
        c.SetSelected(false);
        c.GetSelected(ids);
        QVERIFY(ids.empty());
    }

    void contextFlags() // SetEnable, then SetVisible
    {
        for (const bool visible : {false, true}) {
            AISContext c = MakeContext();
            const auto set = [&](const std::vector<int>& ids, bool on) {
                visible ? c.SetVisible(ids, on) : c.SetEnable(ids, on);
            };
            const auto flags = [&](bool other) { // of the valid images 0, 1, 3, 4, 5
                QString out;
                for (int i : {0, 1, 3, 4, 5}) {
                    const kvfd::ImageInfoExt& e = *c.GetImageInfoSet().GetImageExt(i);
                    out += (visible != other ? e.visible : e.enabled) ? '1' : '0';
                }
                return out;
            };

            // Bad ids among good ones are skipped, the good ones still change.
            set({-1, 1, 2, 4, 6, 1000}, false);
            QCOMPARE(flags(false), QString("10101"));
            QVERIFY(!c.GetImageInfoSet().GetImageExt(2));
            set({1}, true);
            set({}, false);
            QCOMPARE(flags(false), QString("11101"));
            QCOMPARE(flags(true), QString("11111")); // the other flag is left alone
        }
    }

    void processWideContext()
    {
        QVERIFY(!kvkernel::KvGetContext());
        AISContext c;
        kvkernel::KvSetContext(&c);
        AISContext* seen = nullptr; // from another thread as well
        std::thread([&seen] { seen = kvkernel::KvGetContext(); }).join();
        QCOMPARE(seen, &c);
        kvkernel::KvSetContext(nullptr);
        QVERIFY(!kvkernel::KvGetContext());
    }
};

QTEST_GUILESS_MAIN(TestImageInfoSet)
#include "tst_imageinfoset.moc"
