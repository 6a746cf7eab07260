#include "framework/kvsettingskeys.h"
#include "framework/kvshared.h"
#include "framework/qaui.h"
#include "kvfd/kvconststringfactory.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QSettings>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TestKvShared : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void stringTableIsRegisteredAtLoad_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("101") << 101 << QStringLiteral("开始");
        QTest::newRow("118") << 118 << QStringLiteral("导入数据中存在相同影像！");
        QTest::newRow("130") << 130 << QStringLiteral("是否确定取消?");
        QTest::newRow("131") << 131 << QStringLiteral("文件路径不能为空！");
        QTest::newRow("187") << 187 << QStringLiteral("缩略图加载中……");
    }

    void stringTableIsRegisteredAtLoad()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(kvfd::KvGetConstString(id)), text);
    }

    void everyIdOfTheTableHasText()
    {
        for (int id = 101; id <= 188; ++id)
            QVERIFY2(!kvfd::KvGetConstString(id).empty(), qPrintable(QString::number(id)));
        QVERIFY(kvfd::KvGetConstString(100).empty());
        QVERIFY(kvfd::KvGetConstString(189).empty());
    }

    void qstringToLocalText()
    {
        QCOMPARE(QString2String(QStringLiteral("测区 A")), std::string(u8"测区 A"));
        QCOMPARE(QString2String(QString()), std::string());
        const QString emoji = QString::fromUtf8(u8"\U0001F681 drone");
        QCOMPARE(QString::fromLocal8Bit(QString2String(emoji).c_str()), emoji);
    }

    void defaultPath()
    {
        QSettings store(kvui::settings::kOrganization, kvui::settings::kApplication);
        store.remove(QString());
        store.sync();
        QCOMPARE(GetDefaultPath(), QString());

        const QString folder = QDir::temp().filePath(QStringLiteral("影像 folder"));
        QDir().mkpath(folder);
        SetDefaultPath(folder + QStringLiteral("/DJI_0001.JPG"), true);
        QCOMPARE(GetDefaultPath(), QDir(folder).path());
        QSettings reread(kvui::settings::kOrganization, kvui::settings::kApplication);
        QCOMPARE(reread.value(QStringLiteral("Settings/DefaultPath")).toString(),
                 QDir(folder).path());

        SetDefaultPath(QStringLiteral("not/a/real/path.txt"), false);
        QCOMPARE(GetDefaultPath(), QStringLiteral("not/a/real/path.txt"));
    }

    void viewerListIsWrittenEvenWithoutAViewer()
    {
        const QString list = kvtest::TemporaryDataDir() + QStringLiteral("/viewer.ini");
        LoadImagesToViewer({u8"/data/测区/DJI_0001.JPG", "/data/b.jpg"});
        QFile file(list);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QStringLiteral("/data/测区/DJI_0001.JPG\n/data/b.jpg\n"));
        file.close();

        LoadImagesToViewer({});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), 0);
    }

    void designerPluginLoads()
    {
        QPluginLoader loader(QStringLiteral(KVUI_BINARY_DIR "/lib/libkvui.so"));
        QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(),
                 QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetInterface"));
        QCOMPARE(loader.metaData().value(QStringLiteral("className")).toString(),
                 QStringLiteral("qauiPlugin"));
        QObject* instance = loader.instance();
        QVERIFY2(instance, qPrintable(loader.errorString()));
        auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
        QVERIFY(plugin);
        QCOMPARE(plugin->name(), QStringLiteral("qaui"));
        QCOMPARE(plugin->group(), QStringLiteral("My Plugins"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("qaui.h"));
        QVERIFY(!plugin->isContainer());
        QVERIFY(plugin->icon().isNull());
        QVERIFY(
            plugin->domXml().startsWith(QStringLiteral("<widget class=\"qaui\" name=\"qaui\">")));
        QVERIFY(plugin->domXml().contains(QStringLiteral("<width>100</width>")));
        QVERIFY(!plugin->isInitialized());
        plugin->initialize(nullptr);
        QVERIFY(plugin->isInitialized());
        std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
        QVERIFY(qobject_cast<qaui*>(widget.get()));
    }
};

QTEST_MAIN(TestKvShared)
#include "tst_kvshared.moc"
