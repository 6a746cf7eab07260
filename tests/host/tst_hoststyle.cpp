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

    // The buttons that show nothing: no text, no icon, no picture from the
    // style sheet.
    static QStringList Blank(QWidget* root)
    {
        QStringList blank;
        for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
            if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QToolButton*>(button))
                continue;
            if (!button->isVisibleTo(root) || !button->text().isEmpty() || !button->icon().isNull()
                || kvhost::HasStyleSheetPicture(*button))
                continue;
            const QString form = button->property("kvFormName").toString();
            blank << (form.isEmpty() ? button->objectName() : form);
        }
        return blank;
    }

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

    // Every button of the docks shows a text, an icon or a picture.
    void docksShowNoBlankButton()
    {
        KvMainWindow window;
        window.SetProject(
            std::make_unique<kvkernel::AISContext>(kvhost::fixtures::SurveyProject()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QDockWidget*> docks = window.findChildren<QDockWidget*>();
        QVERIFY(docks.size() >= 3);
        for (QDockWidget* dock : docks) {
            if (dock->widget())
                QVERIFY2(Blank(dock->widget()).isEmpty(),
                         qPrintable(dock->objectName() + ": " + Blank(dock->widget()).join(' ')));
        }
    }

    // The words follow the switches; a picture from the sheet is never covered.
    void switchesAndPictures()
    {
        KvMainWindow window;
        QPushButton* gps = nullptr;
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->objectName() == QLatin1String("db_gps_check_btn_"))
                gps = button;
        QVERIFY(gps);
        QCOMPARE(gps->text(), QStringLiteral("On"));
        gps->click();
        QCOMPARE(gps->text(), QStringLiteral("Off"));

        QWidget pictured;
        auto* enable = new QPushButton(&pictured);
        enable->setObjectName(QStringLiteral("cb_enable_btn"));
        auto* view = new QPushButton(&pictured);
        view->setObjectName(QStringLiteral("cb_enable_view_btn_"));
        QVERIFY(kvhost::HasStyleSheetPicture(*enable));
        QVERIFY(!kvhost::HasStyleSheetPicture(*view));
        pictured.setStyleSheet(QStringLiteral("#cb_enable_view_btn_ { image: url(:/x.png); }"));
        QVERIFY(kvhost::HasStyleSheetPicture(*view));
        kvhost::GiveButtonsWords(&pictured);
        QVERIFY(enable->text().isEmpty());
        QVERIFY(view->text().isEmpty());
    }

    void batchDialog()
    {
        BatchDialog dialog;
        kvhost::GiveButtonsWords(&dialog);
        QVERIFY2(Blank(&dialog).isEmpty(), qPrintable(Blank(&dialog).join(' ')));
    }
};

QTEST_MAIN(TestHostStyle)
#include "tst_hoststyle.moc"
