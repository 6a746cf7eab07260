#include "modalanswer.h"
#include "settings/reportdialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <unistd.h>

class TestReportDialog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // The view starts blank; a report whose path holds Chinese characters
    // and blanks is found and shown.
    void load()
    {
        const QString path = m_temp.filePath(QStringLiteral("质量 报告/报告.html"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><meta charset=\"utf-8\"><title>质量报告 42</title></head>"
                   "<body>ok</body></html>");
        file.close();

        ReportDialog dialog;
        QWebEngineView* view = dialog.Content()->View();
        QVERIFY(dialog.Content()->minimumSize() == QSize(1024, 700));
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QTRY_COMPARE_WITH_TIMEOUT(view->url(), QUrl(QStringLiteral("about:blank")), 10000);
        loaded.clear();
        dialog.Load(path.toLocal8Bit().toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.last().at(0).toBool(), 20000);
        QCOMPARE(view->url(), QUrl::fromLocalFile(path));
        QCOMPARE(view->title(), QStringLiteral("质量报告 42"));
    }
};

int main(int argc, char** argv)
{
    // The web view's renderer will not start inside its sandbox as root.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestReportDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reportdialog.moc"
