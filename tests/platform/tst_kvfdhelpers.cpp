#include "kvfd/datetime.h"
#include "kvfd/imageinfoset.h"
#include "kvfd/kvconststringfactory.h"
#include "kvfd/pathhelper.h"
#include "kvfd/stringconverter.h"
#include "kvfd/tostring.h"
#include "kvkernel/aiscontext.h"
#include "platformtest.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <thread>

using kvfd::EOP;
using kvfd::ImageInfo;
using kvfd::ImageInfoSet;
using kvfd::PathHelper;
using kvfd::StringConverter;
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

// The family data library's helpers: paths, text, numbers, times, and the image set.
class TestKvfdHelpers : public QObject
{
    Q_OBJECT

private slots:
    void fileNameParts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("title");
        // clang-format off
    QTest::newRow("two dots")           << "/a/b/c.tar.gz" << "c.tar.gz" << "/a/b" << ".gz" << "c.tar";
    QTest::newRow("dot in folder only") << "/dir.d/noext" << "noext" << "/dir.d" << "" << "noext";
    QTest::newRow("hidden with ext")    << "/x/.cfg.ini" << ".cfg.ini" << "/x" << ".ini" << ".cfg";
    QTest::newRow("chinese")            << "/测区 一/影像 1.JPG" << "影像 1.JPG" << "/测区 一" << ".JPG" << "影像 1";
    QTest::newRow("chinese no ext")     << "测区/说明" << "说明" << "测区" << "" << "说明";
    QTest::newRow("backslashes")        << "C:\\data\\a.jpg" << "a.jpg" << "C:\\data" << ".jpg" << "a";
    QTest::newRow("mixed, last wins")   << "D:\\s/f1\\a.jpg" << "a.jpg" << "D:\\s/f1" << ".jpg" << "a";
    QTest::newRow("name only")          << "a.JPG" << "a.JPG" << "" << ".JPG" << "a";
    QTest::newRow("root")               << "/a.jpg" << "a.jpg" << "/" << ".jpg" << "a";
    QTest::newRow("folder only")        << "dir/" << "" << "dir" << "" << "";
    QTest::newRow("empty")              << "" << "" << "" << "" << "";
        // clang-format on
    }

    void fileNameParts()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, dir);
        QFETCH(QString, ext);
        QFETCH(QString, title);
        QCOMPARE(Q(PathHelper::GetFileName(Std(path))), name);
        QCOMPARE(Q(PathHelper::GetFileDirectory(Std(path))), dir);
        QCOMPARE(Q(PathHelper::GetFileExt(Std(path))), ext);
        QCOMPARE(Q(PathHelper::GetFileTitle2(Std(path))), title);
        // An image's name and folder are split alike, and joined with a slash.
        ImageInfo info;
        info.SetFullName(Std(path));
        QCOMPARE(Q(info.Path()), dir);
        QCOMPARE(Q(info.Name()), name);
        QCOMPARE(Q(info.GetFullName()),
                 dir.isEmpty() ? name : dir + (dir.endsWith('/') ? "" : "/") + name);
    }

    void fileSystem()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QCOMPARE(Q(PathHelper::GetExecuteFilePath()), QCoreApplication::applicationDirPath());
        QCOMPARE(PathHelper::Merge("a//", "//b/c"), std::string("a/b/c"));
        QCOMPARE(PathHelper::Merge("", "b"), std::string("b"));
        QCOMPARE(PathHelper::Merge("a/", ""), std::string("a/"));

        // The data folder, created when missing: $KVUI_DATA_DIR (empty counts as
        // unset), else $XDG_DATA_HOME/kvui, else ~/.local/share/kvui.
        const QString root = tmp.path();
        const auto dataDir = [](const QString& expected) {
            return Q(PathHelper::GetSystemDataDirectory()) == expected
                && QFileInfo(expected).isDir();
        };
        qputenv("KVUI_DATA_DIR", (root + "/own/数据").toUtf8());
        qputenv("XDG_DATA_HOME", (root + "/xdg").toUtf8());
        qputenv("HOME", (root + "/home").toUtf8());
        QVERIFY(dataDir(root + "/own/数据"));
        qputenv("KVUI_DATA_DIR", "");
        QVERIFY(dataDir(root + "/xdg/kvui"));
        qunsetenv("XDG_DATA_HOME");
        QVERIFY(dataDir(root + "/home/.local/share/kvui"));

        // Copying replaces the target. Listings hold regular files only, sorted by
        // bytes; a failed one keeps the names.
        const QString a = root + "/影像 a.jpg";
        const QString b = root + "/影像 b.jpg";
        QVERIFY(WriteFile(a, "new") && WriteFile(b, "old") && WriteFile(root + "/.h", ""));
        QVERIFY(PathHelper::IsFileExisted(Std(a)) && !PathHelper::IsFileExisted(Std(root + "/x")));
        QVERIFY(PathHelper::CopyFile2(Std(a), Std(b)) && ReadFile(b) == "new");
        QVERIFY(!PathHelper::CopyFile2(Std(root + "/x"), Std(b)));
        QVERIFY(!PathHelper::CopyFile2(Std(a), Std(root + "/no folder/x.jpg")));
        QVERIFY(PathHelper::RenameFile(Std(b), Std(root + "/改名.jpg")));
        QVERIFY(!PathHelper::RenameFile(Std(b), Std(root + "/改名.jpg")));
        std::vector<std::string> names;
        QVERIFY(PathHelper::GetFileNames(Std(root), names));
        QCOMPARE(names, (std::vector<std::string> {".h", "影像 a.jpg", "改名.jpg"}));
        QVERIFY(!PathHelper::GetFileNames(Std(a), names) && names.size() == 3);
        QVERIFY(PathHelper::GetFileNames(Std(root + "/xdg"), names) && names.empty());
    }

    // UTF-8 to wide and back; what is not UTF-8 reads as U+FFFD, and code
    // points without a UTF-8 form write as U+FFFD.
    void utf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // '?' stands for U+FFFD
        // clang-format off
    QTest::newRow("empty")             << QByteArray() << "";
    QTest::newRow("chinese")           << QByteArray("测区 一/影像 Müller.jpg") << "测区 一/影像 Müller.jpg";
    QTest::newRow("emoji")             << QByteArray("航线😀🚁 end") << "航线😀🚁 end";
    QTest::newRow("edges")             << QString::fromUcs4(U"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010ffff").toUtf8()
                                       << QString::fromUcs4(U"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010ffff");
    QTest::newRow("lone continuation") << QByteArray("a\x80" "b") << "a?b";
    QTest::newRow("invalid lead")      << QByteArray("\xff\xfe") << "??";
    QTest::newRow("truncated at end")  << QByteArray("ab\xe6\xb5") << "ab?";
    QTest::newRow("truncated mid")     << QByteArray("\xe6\xb5" "x\xe6\xb5\x8b") << "?x测";
    QTest::newRow("overlong slash")    << QByteArray("\xc0\xaf") << "??";
    QTest::newRow("overlong 3 byte")   << QByteArray("\xe0\x80\xaf") << "???";
    QTest::newRow("overlong 4 byte")   << QByteArray("\xf0\x80\x80\xaf") << "????";
    QTest::newRow("surrogate")         << QByteArray("\xed\xa0\x80") << "???";
    QTest::newRow("beyond 10FFFF")     << QByteArray("\xf4\x90\x80\x80") << "????";
    QTest::newRow("4-byte cut")        << QByteArray("\xf0\x9f\x98" "z") << "?z";
    QTest::newRow("latin1 name")       << QByteArray("M\xfcller.jpg") << "M?ller.jpg";
        // clang-format on
    }

    void utf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        const std::string narrow = bytes.toStdString();
        const std::wstring wide = StringConverter::ToWString(narrow);
        QCOMPARE(wide, expected.replace('?', QChar(0xFFFD)).toStdWString());
        const std::string back = Std(expected);
        QCOMPARE(StringConverter::ToString(wide), back);
        std::string narrowAgain = "stale";
        std::wstring wideAgain = L"stale";
        StringConverter::Convert(wide, narrowAgain);
        StringConverter::Convert(narrow, wideAgain);
        QVERIFY(narrowAgain == back && wideAgain == wide);

        const std::wstring bad = {wchar_t(0xD800), wchar_t(0xDFFF), wchar_t(0x110000)};
        QCOMPARE(StringConverter::ToString(wide + bad), back + "\uFFFD\uFFFD\uFFFD");
    }

    void doubleToString_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text"); // empty: only the round trip is checked
        QTest::newRow("0.1") << 0.1 << "0.1";
        QTest::newRow("1e-7") << 1e-7 << "1e-07";
        QTest::newRow("6000") << 6000.0 << "6000";
        QTest::newRow("0.1+0.2") << 0.1 + 0.2 << "0.30000000000000004";
        QTest::newRow("third") << 1.0 / 3.0 << "";
        QTest::newRow("utm northing") << 4412345.678901234 << "";
        QTest::newRow("max") << DBL_MAX << "1.7976931348623157e+308";
        QTest::newRow("denormal") << 5e-324 << "";
        QTest::newRow("nan") << std::nan("") << "nan";
        QTest::newRow("-inf") << -HUGE_VAL << "-inf";
    }

    void doubleToString()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        const std::string s = kvfd::ToString(value);
        if (!text.isEmpty())
            QCOMPARE(Q(s), text);
        bool ok = false;
        const double back = QByteArray::fromStdString(s).toDouble(&ok);
        QVERIFY(!std::isfinite(value) || (ok && back == value)); // exact, unlike QCOMPARE
        QVERIFY(s.size() <= 24);
    }

    void dateTimeAndConstStrings()
    {
        qputenv("TZ", "UTC");
        tzset();
        QCOMPARE(kvfd::DateTime(1700000000).ToString(), std::string("2023-11-14 22:13:20"));
        qputenv("TZ", "CST-8");
        tzset();
        QCOMPARE(kvfd::DateTime(1700000000).ToIsoString(), std::string("2023-11-15T06:13:20"));
        QVERIFY(qAbs(kvfd::DateTime::Now().Time() - std::time(nullptr)) <= 1);

        // Libraries register (and replace) from their own threads while others read.
        kvfd::KvSetConstString(1001, "影像读取失败");
        QCOMPARE(kvfd::KvGetConstString(-77), std::string());
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([t] {
                for (int i = 0; i < 500; ++i) {
                    kvfd::KvSetConstString(t * 1000 + i, std::to_string(t * 1000 + i));
                    kvfd::KvGetConstString(i);
                }
            });
        }
        for (std::thread& t : threads)
            t.join();
        for (int id : {1, 1001, 2499, 3000})
            QCOMPARE(kvfd::KvGetConstString(id), std::to_string(id));
    }

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

    // Images added one after another from one folder share its name: giving
    // one of them, or one image of a copy, another folder changes no other.
    void sharedFolders()
    {
        ImageInfoSet set;
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            set.AddImage(name, "/d", EOP(), 0, true);
        set.AddImage("root.jpg", "", EOP(), 0, true);
        ImageInfoSet copy = set;
        copy.GetImage(0)->SetPath("/e");
        set.GetImage(1)->SetFullName("/f/b2.jpg");
        set.GetImage(2)->SetFullName("c3.jpg");
        auto names = [](const ImageInfoSet& images) {
            QStringList full;
            for (int i = 0; i < images.Size(); ++i)
                full << QString::fromStdString(images.GetImage(i)->GetFullName());
            return full.join(' ');
        };
        QCOMPARE(names(set), QStringLiteral("/d/a.jpg /f/b2.jpg c3.jpg root.jpg"));
        QCOMPARE(names(copy), QStringLiteral("/e/a.jpg /d/b.jpg /d/c.jpg root.jpg"));
        QCOMPARE(set.FindImage("a.jpg", "/d"), 0);
        QCOMPARE(copy.FindImage("a.jpg", "/d"), -1);
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

QTEST_GUILESS_MAIN(TestKvfdHelpers)
#include "tst_kvfdhelpers.moc"
