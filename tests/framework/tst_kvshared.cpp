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

    // The table is there from the library's load, without any set-up.
    void stringTableIsRegisteredAtLoad()
    {
        QCOMPARE(QString::fromStdString(kvfd::KvGetConstString(131)),
                 QStringLiteral("文件路径不能为空！"));
        QVERIFY(kvfd::KvGetConstString(100).empty() && kvfd::KvGetConstString(189).empty());
    }

    void qstringToLocalText()
    {
        QCOMPARE(QString2String(QStringLiteral("测区 A")), std::string(u8"测区 A"));
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
        QCOMPARE(QSettings(kvui::settings::kOrganization, kvui::settings::kApplication)
                     .value(QStringLiteral("Settings/DefaultPath"))
                     .toString(),
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
        auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
        QVERIFY2(plugin, qPrintable(loader.errorString()));
        plugin->initialize(nullptr);
        std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
        QVERIFY(qobject_cast<qaui*>(widget.get()));
    }
};

QTEST_MAIN(TestKvShared)
#include "tst_kvshared.moc"
