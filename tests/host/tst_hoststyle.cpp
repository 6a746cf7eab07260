#include "host/hoststyle.h"

#include <QFile>
#include <QPixmap>
#include <QRegularExpression>
#include <QTest>

namespace {

QStringList StyleSheetUrls()
{
    static const QRegularExpression url(QStringLiteral("url\\(\\s*\"?([^\")]+)\"?\\s*\\)"));
    QStringList urls;
    auto it = url.globalMatch(HostStyle::StyleSheet());
    while (it.hasNext())
        urls << it.next().captured(1).trimmed();
    return urls;
}

} // namespace

class TestHostStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { HostStyle::InitResources(); }

    void styleSheetIsAResource()
    {
        QVERIFY(!HostStyle::StyleSheet().isEmpty());
        QVERIFY(!StyleSheetUrls().isEmpty());
    }

    // Every picture the library names by its resource path and every one the
    // style sheet uses.
    void pictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        QStringList paths {QStringLiteral(":/dialog/images/1280/dialog/Exclamation_mark.png")};
        for (const char* button : {"Full_but", "Window_but"})
            for (const char* state : {"nor", "hov", "pre"})
                paths << QStringLiteral(":/top/images/1280/top_bar/%1_%2.png")
                             .arg(QLatin1String(button), QLatin1String(state));
        paths << StyleSheetUrls();
        paths.removeDuplicates();
        for (const QString& path : paths)
            QTest::newRow(qPrintable(path)) << path;
    }

    void pictureLoads()
    {
        QFETCH(QString, path);
        QVERIFY(QFile::exists(path));
        QVERIFY(!QPixmap(path).isNull());
    }
};

QTEST_MAIN(TestHostStyle)
#include "tst_hoststyle.moc"
