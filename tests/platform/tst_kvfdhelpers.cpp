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

    void fileSystem()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());

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
    QTest::newRow("chinese")           << QByteArray("测区 一/影像 Müller.jpg") << "测区 一/影像 Müller.jpg";
    QTest::newRow("edges")             << QString::fromUcs4(U"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010ffff").toUtf8()
                                       << QString::fromUcs4(U"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010ffff");
    QTest::newRow("lone continuation") << QByteArray("a\x80" "b") << "a?b";
    QTest::newRow("invalid lead")      << QByteArray("\xff\xfe") << "??";
    QTest::newRow("truncated at end")  << QByteArray("ab\xe6\xb5") << "ab?";
    QTest::newRow("overlong slash")    << QByteArray("\xc0\xaf") << "??";
    QTest::newRow("surrogate")         << QByteArray("\xed\xa0\x80") << "???";
    QTest::newRow("beyond 10FFFF")     << QByteArray("\xf4\x90\x80\x80") << "????";
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
};

QTEST_GUILESS_MAIN(TestKvfdHelpers)
#include "tst_kvfdhelpers.moc"
