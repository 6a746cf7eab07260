#include "framework/kvshared.h"
#include "framework/qaui.h"
#include "modalanswer.h"

#include <QFile>
#include <QPluginLoader>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class TestKvShared : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

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
