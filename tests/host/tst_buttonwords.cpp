// Every button of the docks shows something under the host's style: a text,
// an icon or a picture from the style sheet.
#include "host/buttonwords.h"
#include "host/fixtures.h"
#include "host/hoststyle.h"
#include "host/kvmainwindow.h"
#include "host/processingmodule.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"
#include "processing/batchdialog.h"

#include <QApplication>
#include <QDockWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class TestButtonWords : public QObject
{
    Q_OBJECT

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
        HostStyle::Apply(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    }

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
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->property("kvFormName").toString() == QLatin1String("bthw_remove_btn_")
                || button->objectName() == QLatin1String("bthw_remove_btn_"))
                QCOMPARE(button->toolTip(), QStringLiteral("Delete"));
    }
};

QTEST_MAIN(TestButtonWords)
#include "tst_buttonwords.moc"
