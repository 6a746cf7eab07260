#include "kvfd/datetime.h"
#include "kvfd/kvconststringfactory.h"
#include "kvfd/pathhelper.h"
#include "kvfd/stringconverter.h"
#include "kvfd/tostring.h"
#include "platformtest.h"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <thread>

using kvfd::PathHelper;
using kvfd::StringConverter;

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
};

QTEST_GUILESS_MAIN(TestKvfdHelpers)
#include "tst_kvfdhelpers.moc"
