#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "project/inireader.h"
#include "project/recentprojectlist.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

kvprj::KvProject Described(const QString& path, const QString& name = QStringLiteral("project"))
{
    kvprj::KvProject project;
    kvprj::PrjInfo& info = project.GetPrjInfo();
    kvprj::CopyText(info.name, name.toStdString());
    kvprj::CopyText(info.prjOperator, u8"张工");
    kvprj::CopyText(info.date, "2024-05-06T07:08:09");
    kvprj::CopyText(info.description, u8"东湖");
    info.path = path.toStdString();
    return project;
}

QList<PrjInfo> Read()
{
    QList<PrjInfo> list;
    ProjectManager::ReadConfig(list);
    return list;
}

QStringList Paths(const QList<PrjInfo>& list = Read())
{
    QStringList paths;
    for (const PrjInfo& record : list)
        paths << record.path;
    return paths;
}

QStringList Fields(const PrjInfo& r)
{
    return {r.identifier, r.path, r.name, r.user, r.date, r.description};
}

bool Write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(content) == content.size();
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh file name each time: QSettings keeps what it parsed per file name.
QString FreshFile(const char* what)
{
    static int counter = 0;
    return QStringLiteral("%1/%2-%3.ini")
        .arg(kvtest::TemporaryDataDir())
        .arg(QLatin1String(what))
        .arg(++counter);
}

// The list file as QSettings itself writes records, with or without a codec.
QByteArray WrittenByQSettings(const QList<PrjInfo>& list, const char* codec)
{
    const QString path = FreshFile("reference");
    {
        QSettings settings(path, QSettings::IniFormat);
        if (codec)
            settings.setIniCodec(codec);
        settings.beginWriteArray(QStringLiteral("DP_PROJECT"), list.size());
        for (int i = 0; i < list.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(QStringLiteral("PATH"), list.at(i).path);
            settings.setValue(QStringLiteral("NAME"), list.at(i).name);
            settings.setValue(QStringLiteral("DATE"), list.at(i).date);
            settings.setValue(QStringLiteral("USER"), list.at(i).user);
            settings.setValue(QStringLiteral("DESCRIPTION"), list.at(i).description);
        }
        settings.endArray();
    }
    const QByteArray bytes = Bytes(path);
    QFile::remove(path);
    return bytes;
}

// The keys that QSettings::value() finds as they are listed: no empty group.
QMap<QString, QVariant> Plain(const QMap<QString, QVariant>& all)
{
    QMap<QString, QVariant> plain;
    for (auto it = all.begin(); it != all.end(); ++it) {
        const QString& key = it.key();
        if (!key.isEmpty() && !key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/'))
            && !key.contains(QStringLiteral("//")))
            plain.insert(key, it.value());
    }
    return plain;
}

// What QSettings reads from content. Raw bytes outside ASCII are UTF-8 in
// every list this program wrote, so the reference reads with that codec.
QMap<QString, QVariant> ReadByQSettings(const QByteArray& content)
{
    const QString path = FreshFile("oracle");
    Write(path, content);
    QMap<QString, QVariant> all;
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setIniCodec("UTF-8");
        for (const QString& key : settings.allKeys())
            all.insert(key, settings.value(key));
    }
    QFile::remove(path);
    return Plain(all);
}

QList<PrjInfo> Tricky()
{
    const QString emoji = QString::fromUtf8("😀");
    return {
        {QString(), QStringLiteral("/测区/海滩 一/project.db"), QStringLiteral("海滩"),
         QStringLiteral("张工"), QStringLiteral("2024-05-06T07:08:09"), QStringLiteral("东湖")},
        {QString(), QStringLiteral("/photos/") + emoji + QStringLiteral("/飞行.db"),
         QStringLiteral("航线") + emoji + emoji, QStringLiteral("Müller"), QString(),
         QStringLiteral("tab\there, new\nline")},
        {QString(), QStringLiteral(" lead, \"quoted\" ; semi = eq\\back "), QStringLiteral("@at"),
         QStringLiteral("@@twice"), QStringLiteral("%U6D77 \\x41"), QStringLiteral("a, b, c")},
        {QString(), QStringLiteral("/nul"), QString(QChar(0)) + QStringLiteral("after"),
         QStringLiteral("\x7f\x01"), QStringLiteral("ff\\x"), QStringLiteral("\u00e9aff")},
    };
}

QList<QByteArray> EntryNames(const QByteArray& folder)
{
    QList<QByteArray> names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..")
                names << name;
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

int ChildUpdates(const QString& prefix, int count)
{
    for (int i = 0; i < count; ++i) {
        ProjectManager::UpdateConfig(Described(prefix + QString::number(i)));
        ProjectManager::UpdateConfig(Described(QStringLiteral("/shared.db")));
    }
    return 0;
}

} // namespace

class TestRecentProjectList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void init() { QFile::remove(ProjectManager::ConfigPath()); }

    void updateKeepsOnePathFrontFirst()
    {
        ProjectManager::UpdateConfig(Described("/a.db", "A"));
        ProjectManager::UpdateConfig(Described("/b.db", "B"));
        kvprj::KvProject a = Described("/a.db", "A2");
        ConfigHelper::AddProject(&a);
        QCOMPARE(Paths(), (QStringList {"/a.db", "/b.db"}));
        QCOMPARE(Read().first().name, QStringLiteral("A2"));

        // Never saved, or no project: the file stays as it is.
        const QByteArray before = Bytes(ProjectManager::ConfigPath());
        ProjectManager::UpdateConfig(Described(QString()));
        ConfigHelper::AddProject(nullptr);
        ConfigHelper::RemoveProject(nullptr);
        QCOMPARE(Bytes(ProjectManager::ConfigPath()), before);

        // Only the first later duplicate of a path is dropped; empty paths stay.
        QList<PrjInfo> list;
        for (const char* path : {"/x.db", "/y.db", "/x.db", ""})
            list.append(PrjInfo {QString(), path, "n", "u", "d", "e"});
        ProjectManager::WriteConfig(list);
        ProjectManager::UpdateConfig(Described("/x.db"));
        QCOMPARE(Paths(), (QStringList {"/x.db", "/y.db", "/x.db", ""}));
        kvprj::KvProject x = Described("/x.db");
        ConfigHelper::RemoveProject(&x);
        QCOMPARE(Paths(), (QStringList {"/y.db", "/x.db", ""}));
    }

    // The list is what QSettings writes without a codec, byte for byte, so any
    // program reading it with QSettings sees the same text, characters outside
    // the Basic Multilingual Plane included. QSettings orders the elements by
    // the text of their numbers (1, 10, 100, 11, ...): every length where that
    // order turns comes out the same.
    void writtenAsQSettingsWritesByDefault_data()
    {
        QTest::addColumn<int>("count"); // -1: Tricky()
        for (const int count : {-1, 0, 11, 101})
            QTest::addRow("%d", count) << count;
    }
    void writtenAsQSettingsWritesByDefault()
    {
        QFETCH(int, count);
        QList<PrjInfo> list = count < 0 ? Tricky() : QList<PrjInfo>();
        for (int i = 0; i < count; ++i)
            list.append(PrjInfo {QString(), QStringLiteral("/p/%1.db").arg(i),
                                 QStringLiteral("名 %1").arg(i), "u", "d", QString()});
        ProjectManager::WriteConfig(list);
        const QByteArray bytes = Bytes(ProjectManager::ConfigPath());
        QCOMPARE(bytes, WrittenByQSettings(list, nullptr));
        QVERIFY(count >= 0 || bytes.contains("\\xd83d\\xde00")); // 😀, escaped as QSettings does
        QCOMPARE(Paths(), Paths(list)); // every field: the fuzz replay reads lists back
    }

    void readsAsQSettingsReads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("written, default") << WrittenByQSettings(Tricky(), nullptr);
        QTest::newRow("quotes") << QByteArray("[S]\nk=\"  spaced ; = , \"\nj=\"open\nk2=after\"\n"
                                              "m= \"a\" b \"c\"  \nn=x\"y\"z\nq=\"\n[T]\nr=1\n");
        QTest::newRow("escaped keys")
            << QByteArray("[%U6D77%20x]\n%41\\%U6ee9=1\n%=2\n%U12=3\nk%=4\n%zz=5\n%-1=6\n");
        QTest::newRow("at forms") << QByteArray(
            "[S]\na=@ByteArray(\\xe9\\x263a)\nb=@String(x\\0y)\nc=@Rect(1 2 3 4)\n"
            "d=@Size(5 6)\ne=@Point(7 8)\nf=@Rect(1 2)\ng=@@at\nh=@Unknown(1)\n"
            "i=@\nj=@Invalid()x\nk=@Size(1 2\n");
        QTest::newRow("escapes") << QByteArray(
            "[S]\na=\\a\\b\\f\\n\\r\\t\\v\\\"\\?\\'\\\\\\q\nb=\\x41\\x\\x4g\n"
            "c=\\101\\0\\777\nd=\\xd83d\\xde00\ne=\\xd83d\nf=\\x1F600\ng=\\x\n"
            "h=\\xffffffffff1\ni=x\\");
        QTest::newRow("broken sections")
            << QByteArray("[S\nk=1\n[]\nj=2\n[a]b]\nm=3\n[x] y=1\nn=4\n[q;r]\no=5");
        QTest::newRow("raw bytes")
            << QByteArray("[S]\nk=海滩😀\nbad=\xc3\x28\xff\nkey\xe9=1\n\xff\xfe=\xfe\n");
    }
    void readsAsQSettingsReads()
    {
        QFETCH(QByteArray, content);
        bool wellFormed = false;
        QCOMPARE(Plain(IniReader::Read(content, &wellFormed)), ReadByQSettings(content));
    }

    // A list cut short anywhere keeps every entry written before the cut.
    void truncatedListKeepsWhatCameBefore()
    {
        const QList<PrjInfo> tricky = Tricky();
        const QByteArray written = WrittenByQSettings(tricky, nullptr);
        for (int cut = 0; cut <= written.size(); ++cut) {
            QList<PrjInfo> read;
            ProjectManager::ParseConfig(written.left(cut), read);
            QVERIFY(read.size() <= tricky.size());
            for (int i = 0; i + 1 < read.size(); ++i)
                QCOMPARE(Fields(read.at(i)), Fields(tricky.at(i)));
        }
    }

    void elementsPresentAreTheEntries_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("index 2147483647 within size")
            << QByteArray("[DP_PROJECT]\nsize=2147483647\n2147483647\\PATH=/far\n")
            << QStringList {"/far"};
        QTest::newRow("beyond size")
            << QByteArray("[DP_PROJECT]\nsize=2\n1\\PATH=/1\n3\\PATH=/3\n") << QStringList {"/1"};
        QTest::newRow("no number")
            << QByteArray("[DP_PROJECT]\n01\\PATH=/01\n+2\\PATH=/p\n0\\PATH=/0\n-1\\PATH=/m\n"
                          "2147483648\\PATH=/big\n99999999999\\PATH=/huge\nx\\PATH=/x\n"
                          "PATH=/top\n4\\PATH=/4\n")
            << QStringList {"/4"};
        QTest::newRow("size not a number")
            << QByteArray("[DP_PROJECT]\nsize=many\n1\\PATH=/1\n") << QStringList();
        QTest::newRow("other keys make an entry")
            << QByteArray("[DP_PROJECT]\n2\\OTHER=x\n5\\sub\\PATH=/deep\n") << QStringList {"", ""};
        // QSettings itself would abort, asking for room for 2^31 items.
        QTest::newRow("binary list, 2^31 items")
            << QByteArray("[DP_PROJECT]\n1\\PATH=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n"
                          "2\\PATH=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0x\\0y)\n")
            << QStringList {"", "xy"};
    }
    // Entries are the elements present, however large their indices: reading
    // takes no time or memory for the indices between them.
    void elementsPresentAreTheEntries()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, paths);
        QVERIFY(Write(ProjectManager::ConfigPath(), content));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(Paths(), paths);
        ProjectManager::UpdateConfig(Described(QStringLiteral("/new.db")));
        QVERIFY2(timer.elapsed() < 2000, "reading took as long as the indices are large");
        QCOMPARE(Paths(), QStringList {"/new.db"} + paths);
    }

    // The list parsed last is kept, but never stands in for a file that
    // another program changed: not when it wrote in place, with the same size,
    // within the same tick of the clock.
    void changedFileIsReadAgain()
    {
        ProjectManager::UpdateConfig(Described("/b.db"));
        ProjectManager::UpdateConfig(Described("/a.db"));
        QCOMPARE(Paths(), (QStringList {"/a.db", "/b.db"}));
        const QString path = ProjectManager::ConfigPath();
        QByteArray bytes = Bytes(path);
        bytes.replace("/a.db", "/c.db");
        {
            QFile file(path); // the same inode, the same size
            QVERIFY(file.open(QIODevice::ReadWrite) && file.write(bytes) == bytes.size());
        }
        QCOMPARE(Paths(), (QStringList {"/c.db", "/b.db"}));
        ProjectManager::UpdateConfig(Described("/b.db"));
        QCOMPARE(Paths(), (QStringList {"/b.db", "/c.db"}));

        // Nor for a file that is gone, or one damaged behind its back.
        QVERIFY(QFile::remove(path));
        QVERIFY(Paths().isEmpty());
        ProjectManager::UpdateConfig(Described("/d.db"));
        QVERIFY(Write(path, Bytes(path).left(30)));
        QCOMPARE(Paths(), QStringList {QString()});
    }

    // What is no list this program could have written is neither read nor
    // overwritten: a file beyond 64 MiB, a pipe.
    void strangeListFilesAreLeftAlone()
    {
        const QString path = ProjectManager::ConfigPath();
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray head("[DP_PROJECT]\n1\\PATH=/kept.db\n;");
            QVERIFY(file.write(head) == head.size());
            QVERIFY(file.resize(64 * 1024 * 1024 + 1));
        }
        const QByteArray digest = QCryptographicHash::hash(Bytes(path), QCryptographicHash::Sha1);
        QVERIFY(Paths().isEmpty());
        ProjectManager::UpdateConfig(Described(QStringLiteral("/new.db")));
        QCOMPARE(QCryptographicHash::hash(Bytes(path), QCryptographicHash::Sha1), digest);

        // One byte less is a list (of one entry) like any other.
        QVERIFY(QFile(path).resize(64 * 1024 * 1024));
        QCOMPARE(Paths(), QStringList {"/kept.db"});

        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        QVERIFY(Paths().isEmpty()); // returns at once, without a writer on the pipe
        ProjectManager::UpdateConfig(Described(QStringLiteral("/new.db")));
        QVERIFY(QFileInfo(path).exists() && !QFileInfo(path).isFile());
        QVERIFY(QFile::remove(path));
    }

    void unreadableListIsNotOverwritten()
    {
        ProjectManager::UpdateConfig(Described("/kept.db"));
        QFile file(ProjectManager::ConfigPath());
        QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        const bool readable = file.open(QIODevice::ReadOnly);
        if (!readable)
            ProjectManager::UpdateConfig(Described("/other.db"));
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        if (readable)
            QSKIP("running with rights that read any file");
        QCOMPARE(Paths(), QStringList {"/kept.db"});
    }

    void concurrentUpdatesLoseNothing()
    {
        constexpr int kCount = 60;
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child-updates"), QStringLiteral("/child-"),
                     QString::number(kCount)});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(Paths().contains(QStringLiteral("/child-0")), 20000);
        ChildUpdates(QStringLiteral("/parent-"), kCount);
        while (!child.waitForFinished(0))
            ProjectManager::UpdateConfig(Described(QStringLiteral("/shared.db")));
        QVERIFY(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0);

        const QStringList paths = Paths();
        QCOMPARE(paths.size(), 2 * kCount + 1);
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), paths.size());
        for (int i = 0; i < kCount; ++i) {
            QVERIFY(paths.contains(QStringLiteral("/child-%1").arg(i)));
            QVERIFY(paths.contains(QStringLiteral("/parent-%1").arg(i)));
        }
    }

    void dataFolderNameIsText_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("used");
        QTest::newRow("chinese") << QByteArray("数据 一") << true;
        QTest::newRow("byte 0xFF") << QByteArray("data\xff") << false;
    }
    // A data folder whose name is no UTF-8 would come back from the widget
    // library's text as another name; it is refused, and the list goes to
    // the next data folder, with a message that says so.
    void dataFolderNameIsText()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, used);
        QTemporaryDir root(QDir::tempPath() + QStringLiteral("/kvui-XXXXXX"));
        const QByteArray base = QFile::encodeName(root.path());
        const QByteArray data = base + '/' + name;
        QCOMPARE(::mkdir(data.constData(), 0700), 0);

        const QByteArray saved = qgetenv("KVUI_DATA_DIR");
        qputenv("KVUI_DATA_DIR", data);
        qputenv("XDG_DATA_HOME", base + "/xdg");
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child-updates"), QStringLiteral("/项目/"), "1"});
        qputenv("KVUI_DATA_DIR", saved);
        qunsetenv("XDG_DATA_HOME");
        QVERIFY(child.waitForFinished(20000));
        QCOMPARE(child.exitCode(), 0);
        const QByteArray message = child.readAllStandardError();

        const QByteArray folder = used ? data : base + "/xdg/kvui";
        QList<PrjInfo> list;
        ProjectManager::ParseConfig(Bytes(QFile::decodeName(folder + "/dp_project.ini")), list);
        QCOMPARE(Paths(list), (QStringList {"/shared.db", "/项目/0"}));
        if (!used) {
            QCOMPARE(EntryNames(data), QList<QByteArray>());
            QVERIFY2(message.contains("KVUI_DATA_DIR") && message.contains("not valid UTF-8"),
                     message.constData());
            QCOMPARE(::rmdir(data.constData()), 0); // QTemporaryDir cannot name it
        }
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--child-updates") == 0) {
        QCoreApplication app(argc, argv);
        return ChildUpdates(QString::fromLocal8Bit(argv[2]), QString(argv[3]).toInt());
    }
    QCoreApplication app(argc, argv);
    TestRecentProjectList test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recentprojectlist.moc"
