#include "host/buttonwords.h"
#include "host/fixtures.h"
#include "host/hoststyle.h"
#include "host/kvmainwindow.h"
#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/posloaddialog.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"
#include "processing/batchdialog.h"
#include "project/dpmenubar.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
#include <memory>

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
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        HostStyle::InitResources();
        HostStyle::Apply(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

    // Every picture the library names by its resource path and every one the
    // style sheet uses.
    void pictureLoads_data()
    {
        QTest::addColumn<QString>("path");
        QStringList paths {QStringLiteral(":/dialog/images/1280/dialog/Exclamation_mark.png"),
                           QStringLiteral(":/qaui/images/checked.png"),
                           QStringLiteral(":/qaui/images/unchecked.png")};
        for (const char* button : {"Full_but", "Window_but"})
            for (const char* state : {"nor", "hov", "pre"})
                paths << QStringLiteral(":/top/images/1280/top_bar/%1_%2.png")
                             .arg(QLatin1String(button), QLatin1String(state));
        for (const char* button : {"Export", "Copy", "Delete"})
            for (const char* state : {"nor", "hov"})
                paths << QStringLiteral(":/project/images/1280/Engineering/eng_%1_but_%2.png")
                             .arg(QLatin1String(button), QLatin1String(state));
        paths << QStringLiteral(":/project/images/1280/Engineering/Thumbnails.png");
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
