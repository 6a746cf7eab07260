#include "framework/kvstyle.h"
#include "framework/titlewidget.h"
#include "framework/transparentdialog.h"
#include "host/hoststyle.h"
#include "modalanswer.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Every picture the library names by its resource path.
const char* const kLibraryImages[] = {
    ":/dialog/images/1280/dialog/Exclamation_mark.png",
    ":/top/images/1280/top_bar/Full_but_nor.png",
    ":/top/images/1280/top_bar/Full_but_hov.png",
    ":/top/images/1280/top_bar/Full_but_pre.png",
    ":/top/images/1280/top_bar/Window_but_nor.png",
    ":/top/images/1280/top_bar/Window_but_hov.png",
    ":/top/images/1280/top_bar/Window_but_pre.png",
};

// Every object name the library gives a widget for the host's sheet to style.
const char* const kStyledNames[] = {
    "kvcombtn",
    "kvquitbtn",
    "kvlineedit",
    "kvcombobox",
    "kvcheckbox",
    "kvradiobutton",
    "kvtextedit",
    "kvopenfilebtn",
    "kvsavefilebtn",
    "kvmenu",
    "kv_group_btn",
    "kv_add_btn",
    "TitleWidget",
    "kv_title_widget",
    "dialog_save_btn",
    "min_btn",
    "dialog_close_btn",
    "TitleWidget2",
    "kv_title_widget2",
    "dialog_home_btn",
    "dialog_about_btn",
    "LittleTitleWidget",
    "ltw_ineditable_btn_",
    "ltw_editable_btn_",
    "ltw_delete_btn_",
    "ltw_view_list_btn_",
    "ltw_view_grid_btn_",
    "KvMessageBox",
    "KvMessageBoxWidget2",
    "QProgressWidget",
    "cb_enable_btn",
    "cb_visible_btn",
    "cb_pulldown_btn",
};

QStringList StyleSheetUrls(const QString& sheet)
{
    QStringList urls;
    static const QRegularExpression url(QStringLiteral("url\\(\\s*\"?([^\")]+)\"?\\s*\\)"));
    auto it = url.globalMatch(sheet);
    while (it.hasNext())
        urls << it.next().captured(1).trimmed();
    return urls;
}

// Distance between two colours, channel by channel.
int ColourDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
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
        QVERIFY(QFile::exists(QLatin1String(HostStyle::kStyleSheetPath)));
        const QString sheet = HostStyle::StyleSheet();
        QVERIFY(!sheet.isEmpty());
        QVERIFY(sheet.contains(QStringLiteral("kvcombtn")));
        QVERIFY(sheet.contains(QStringLiteral("TitleWidget")));
    }

    void styleSheetStylesEveryLibraryName()
    {
        const QString sheet = HostStyle::StyleSheet();
        for (const char* name : kStyledNames) {
            const QRegularExpression selector(
                QStringLiteral("#%1[\\s,{:]").arg(QLatin1String(name)));
            QVERIFY2(sheet.contains(selector), name);
        }
    }

    // Qt drops a broken sheet without a word; its braces at least must pair up.
    void styleSheetIsBalanced()
    {
        const QString sheet = HostStyle::StyleSheet();
        int depth = 0;
        for (QChar c : sheet) {
            if (c == QLatin1Char('{'))
                ++depth;
            else if (c == QLatin1Char('}'))
                --depth;
            QVERIFY(depth >= 0 && depth <= 1);
        }
        QCOMPARE(depth, 0);
    }

    void libraryImagesExist()
    {
        for (const char* path : kLibraryImages) {
            const QString name = QLatin1String(path);
            QVERIFY2(QFile::exists(name), path);
            const QPixmap pixmap(name);
            QVERIFY2(!pixmap.isNull(), path);
        }
        // The title-bar buttons are 22 pixels square and show their picture unscaled.
        QCOMPARE(QPixmap(QStringLiteral(":/top/images/1280/top_bar/Full_but_nor.png")).size(),
                 QSize(22, 22));
        QVERIFY(QPixmap(QLatin1String(kLibraryImages[0])).width() >= 42);
    }

    void everyPictureOfTheStyleSheetExists()
    {
        const QStringList urls = StyleSheetUrls(HostStyle::StyleSheet());
        QVERIFY(urls.size() >= 30);
        for (const QString& url : urls) {
            QVERIFY2(url.startsWith(QStringLiteral(":/")), qPrintable(url));
            QVERIFY2(!QPixmap(url).isNull(), qPrintable(url));
        }
    }

    // Every picture the build drew is compiled in and is a real, non-blank image.
    void everyDrawnPictureHasContent()
    {
        QFile qrc(QStringLiteral(KVUI_BINARY_DIR "/host/kvhost_icons.qrc"));
        QVERIFY(qrc.open(QIODevice::ReadOnly));
        static const QRegularExpression alias(QStringLiteral("alias=\"([^\"]+)\""));
        QStringList listed;
        auto match = alias.globalMatch(QString::fromUtf8(qrc.readAll()));
        while (match.hasNext())
            listed << QStringLiteral(":/") + match.next().captured(1);
        QVERIFY(listed.size() >= 40);
        for (const char* path : kLibraryImages)
            QVERIFY2(listed.contains(QLatin1String(path)), path);

        for (const QString& path : listed) {
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            bool painted = false;
            for (int y = 0; y < image.height() && !painted; ++y)
                for (int x = 0; x < image.width() && !painted; ++x)
                    painted = qAlpha(image.pixel(x, y)) > 128;
            QVERIFY2(painted, qPrintable(path));
        }
    }

    // Hover and pressed pictures differ from the normal one, so the button
    // answers the pointer.
    void buttonStatesDiffer()
    {
        for (const QString& stem : {QStringLiteral(":/top/images/1280/top_bar/Full_but"),
                                    QStringLiteral(":/kvhost/images/title/close"),
                                    QStringLiteral(":/kvhost/images/ltw/delete")}) {
            const QImage normal(stem + QStringLiteral("_nor.png"));
            const QImage hover(stem + QStringLiteral("_hov.png"));
            const QImage pressed(stem + QStringLiteral("_pre.png"));
            QVERIFY(!normal.isNull() && !hover.isNull() && !pressed.isNull());
            QVERIFY2(normal != hover, qPrintable(stem));
            QVERIFY2(hover != pressed, qPrintable(stem));
        }
    }

    // The sheet really reaches the library's frame: a dark panel under a blue
    // title strip, on a dialog that stays translucent around it.
    void appliedSheetPaintsTheFrame()
    {
        HostStyle::Apply(*qApp);
        TransparentDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* frame = new TitleWidget(&dialog, true, false, true);
        frame->SetTitle(QStringLiteral("Frame"));
        auto* content = new QWidget();
        content->setMinimumSize(300, 120);
        frame->AddWidget(content);
        layout->addWidget(frame);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        const QImage image = frame->grab().toImage();
        const QPoint body(image.width() / 2, image.height() - 30);
        QCOMPARE(QColor(image.pixel(body)).name(), QStringLiteral("#1f2835"));
        const QRgb strip = image.pixel(image.width() / 2, 12);
        QVERIFY2(qBlue(strip) > qRed(strip) + 20, qPrintable(QColor(strip).name()));
        QVERIFY(ColourDistance(strip, image.pixel(body)) > 30);

        // The close button shows its picture rather than a bare button.
        auto* close = frame->findChild<QPushButton*>(QStringLiteral("dialog_close_btn"));
        QVERIFY(close);
        const QImage button = close->grab().toImage();
        int light = 0;
        for (int y = 0; y < button.height(); ++y)
            for (int x = 0; x < button.width(); ++x)
                light += qGray(button.pixel(x, y)) > 170 ? 1 : 0;
        QVERIFY2(light > 10 && light < button.width() * button.height() / 2,
                 qPrintable(QString::number(light)));
    }

    void appliedSheetColoursConfirmButtons()
    {
        HostStyle::Apply(*qApp);
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* confirm = new QPushButton(QStringLiteral("OK"));
        confirm->setObjectName(QStringLiteral("ok_btn_"));
        kvui::SetStyleName(confirm, "kvcombtn");
        auto* quit = new QPushButton(QStringLiteral("Cancel"));
        kvui::SetStyleName(quit, "kvquitbtn");
        layout->addWidget(confirm);
        layout->addWidget(quit);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage confirmImage = confirm->grab().toImage();
        const QImage quitImage = quit->grab().toImage();
        const QPoint inside(6, confirmImage.height() / 2);
        QCOMPARE(QColor(confirmImage.pixel(inside)).name(), QStringLiteral("#2f7de1"));
        QCOMPARE(QColor(quitImage.pixel(inside)).name(), QStringLiteral("#3f4a5a"));
    }
};

QTEST_MAIN(TestHostStyle)
#include "tst_hoststyle.moc"
