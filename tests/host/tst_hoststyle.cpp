#include "host/hoststyle.h"
#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "imagery/leverarmdialog.h"
#include "imagery/posloaddialog.h"
#include "modalanswer.h"
#include "project/dpmenubar.h"
#include "project/projectmanager.h"
#include "project/tiledscene.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
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
    }

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

    // The start page would stretch a thumbnail of another size over its tiles.
    void thumbnailFitsTheTile()
    {
        QCOMPARE(QPixmap(QStringLiteral(":/project/images/1280/Engineering/Thumbnails.png")).size(),
                 QSize(ProjectGraphicsItem::kWidth, ProjectGraphicsItem::kHeight));
    }

    // A push button that a form leaves without text or icon gets its picture
    // (and, in the project menu, its label) from the sheet; without one the
    // operator sees an empty box. Its middle must show some light ink.
    void textlessButtonsShowSomething()
    {
        HostStyle::Apply(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        std::unique_ptr<QWidget> forms[] = {std::make_unique<ImageLoadWidget>(),
                                            std::make_unique<PosLoadWidget>(),
                                            std::make_unique<ImagePosLoadWidget>(),
                                            std::make_unique<LeverArmWidget>(),
                                            std::make_unique<DPMenuWidget>(),
                                            std::make_unique<ProjectManagerWidget>(nullptr, false)};
        int checked = 0;
        for (const auto& form : forms) {
            QList<QPushButton*> textless;
            for (QPushButton* button : form->findChildren<QPushButton*>())
                if (button->text().isEmpty() && button->icon().isNull())
                    textless << button;
            form->ensurePolished();
            for (QPushButton* button : textless) {
                const QImage image = button->grab().toImage();
                const QRect middle(image.width() / 2 - 12, image.height() / 2 - 8, 24, 16);
                bool ink = false;
                for (int y = middle.top(); y <= middle.bottom() && !ink; ++y)
                    for (int x = middle.left(); x <= middle.right() && !ink; ++x) {
                        const QColor c = image.pixelColor(x, y);
                        ink = qMax(c.red(), qMax(c.green(), c.blue())) >= 0x80;
                    }
                QVERIFY2(ink,
                         qPrintable(button->property("kvFormName").toString() + QLatin1Char(' ')
                                    + button->objectName()));
                ++checked;
            }
        }
        QCOMPARE(checked, 4 + 1 + 8 + 4 + 4 + 2);
    }
};

QTEST_MAIN(TestHostStyle)
#include "tst_hoststyle.moc"
