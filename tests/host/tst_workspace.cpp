// The joined main window: catalogue, display bar, view tool bar, map popup,
// one-key bar and tool panel acting on the survey view and back; the
// catalogue's flights.
#include "host/barsmodule.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/surveymodule.h"
#include "host/surveyview.h"
#include "host/tilelayer.h"
#include "host/workspacemodule.h"
#include "kvkernel/aiscontext.h"
#include "map/dpviewtoolbar.h"
#include "map/mapbar.h"
#include "map/maptiles.h"
#include "map/maptoolbar.h"
#include "modalanswer.h"
#include "processing/imageprocesswidget.h"
#include "settings/oksettingbar.h"

#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestWorkspace : public QObject
{
    Q_OBJECT

    std::unique_ptr<KvMainWindow> m_window;
    WorkspaceModule* m_workspace = nullptr;
    BarsModule* m_bars = nullptr;
    SurveyView* m_view = nullptr;

    QTreeWidget* Tree()
    {
        return m_workspace->Catalog()->findChild<QTreeWidget*>("catalog_tree_widget_");
    }
    kvfd::ImageInfoSet& Images() { return m_window->Context()->GetImageInfoSet(); }

    QTreeWidgetItem* CatalogItem(int image)
    {
        QTreeWidget* tree = Tree();
        const QString name
            = QStringLiteral("    ") + QString::fromStdString(Images().GetImage(image)->Name());
        for (QTreeWidgetItem* item :
             tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive, 5))
            return item;
        return nullptr;
    }
    QAbstractButton* CatalogButton(int image, const char* kind)
    {
        QTreeWidget* tree = Tree();
        QTreeWidgetItem* item = CatalogItem(image);
        // The bar gives buttons to the rows in sight only.
        item->parent()->setExpanded(true);
        tree->scrollToItem(item);
        QTest::qWait(50);
        for (int column : {3, 4}) {
            auto* button = qobject_cast<QAbstractButton*>(tree->itemWidget(item, column));
            if (button && button->objectName() == QLatin1String(kind))
                return button;
        }
        return nullptr;
    }
    QStringList Groups()
    {
        QTreeWidget* tree = Tree();
        QStringList groups;
        for (int k = 0; k < tree->topLevelItemCount(); ++k)
            groups << QString("%1:%2")
                          .arg(tree->topLevelItem(k)->text(5))
                          .arg(tree->topLevelItem(k)->childCount());
        return groups;
    }
    QPushButton* Button(QWidget* root, const QString& name)
    {
        for (QPushButton* button : root->findChildren<QPushButton*>()) {
            if (button->objectName() == name || button->property("kvFormName").toString() == name)
                return button;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void init()
    {
        m_window = std::make_unique<KvMainWindow>();
        m_window->resize(1400, 900);
        m_window->SetProject(
            std::make_unique<kvkernel::AISContext>(kvhost::fixtures::SurveyProject()));
        m_workspace = m_window->FindModule<WorkspaceModule>();
        m_bars = m_window->FindModule<BarsModule>();
        m_view = m_window->FindModule<SurveyModule>()->View();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_view->Fit();
        QVERIFY(m_view->ImageCount() > 4 && CatalogItem(3));
    }
    void cleanup() { m_window.reset(); }

    // The flags are shared: each side shows the other's change at once.
    void flagsBothWays_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("fromView");
        for (const char* change : {"select", "disable", "hide"}) {
            QTest::addRow("%s on the view", change) << change << true;
            QTest::addRow("%s in the catalogue", change) << change << false;
        }
    }
    void flagsBothWays()
    {
        QFETCH(QString, change);
        QFETCH(bool, fromView);
        const int image = 3;
        if (fromView) {
            const QPointF at = m_view->PositionOf(image);
            m_view->SelectInRect(QRectF(at - QPointF(0.01, 0.01), at + QPointF(0.01, 0.01)));
            if (change == "disable")
                QVERIFY(m_view->EnableSelected(false));
            else if (change == "hide")
                QVERIFY(m_view->ShowSelected(false));
            QVERIFY(CatalogItem(image)->isSelected());
            QCOMPARE(CatalogButton(image, "cb_enable_btn")->isChecked(), change != "disable");
            QCOMPARE(CatalogButton(image, "cb_visible_btn")->isChecked(), change != "hide");
        } else {
            if (change == "select")
                CatalogItem(image)->setSelected(true);
            else
                CatalogButton(image, change == "disable" ? "cb_enable_btn" : "cb_visible_btn")
                    ->click();
            const SurveyView::Look expected = change == "select" ? SurveyView::Look::Selected
                : change == "disable"                            ? SurveyView::Look::Disabled
                                                                 : SurveyView::Look::Hidden;
            QCOMPARE(m_view->LookOf(image), expected);
            QCOMPARE(m_view->LookOf(image + 1), SurveyView::Look::Normal);
        }
        QVERIFY(m_window->IsProjectModified() || change == "select");
    }

    // Deleting on the view asks the library's question; the catalogue loses
    // the image.
    void deleteFromToolBar()
    {
        const QString name = QString::fromStdString(Images().GetImage(2)->Name());
        Images().GetImageExt(2)->selected = true;
        m_view->Refresh();
        kvtest::ModalAnswer answer;
        answer.ExpectText(QString::fromUtf8("是否删除选中的影像？")).Click("kvbw2_ok_").Arm();
        Button(m_bars->ViewToolBar(), "dpvtb_delete_btn_")->click();
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY(!Images().GetImage(2));
        QTreeWidget* tree = Tree();
        QVERIFY(tree->findItems("    " + name, Qt::MatchExactly | Qt::MatchRecursive, 5).isEmpty());
    }

    // The one-key bar's rectangle tool draws the output area on the view and
    // is given back once it is drawn; "clear" removes it.
    void outputArea()
    {
        OKSettingBar* bar = m_bars->OneKeyBar();
        QSignalSpy drawn(m_view, &SurveyView::BoundaryChanged);
        QPushButton* rect = Button(bar, "oksb_rect_btn_");
        rect->click();
        const QPoint centre = m_view->viewport()->rect().center();
        QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, centre - QPoint(40, 30));
        QTest::mouseMove(m_view->viewport(), centre + QPoint(40, 30));
        QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, centre + QPoint(40, 30));
        QCOMPARE(m_view->Boundary().size(), 4);
        QVERIFY(!rect->isChecked());

        Button(bar, "oksb_clear_btn_")->click();
        QVERIFY(m_view->Boundary().isEmpty());
        QCOMPARE(drawn.count(), 2);
    }

    // The catalogue closed by the operator catches up when it is opened again.
    void closedCatalogue()
    {
        m_window->SetProject(kvhost::fixtures::DemoProject());
        auto* dock = m_window->findChild<QDockWidget*>("kv_catalog_dock");
        dock->close();
        m_window->Context()->GetImageInfoSet().GetImageExt(1)->selected = true;
        m_workspace->Catalog()->Update(false);
        QTreeWidget* tree = Tree();
        QVERIFY(!tree->topLevelItem(0)->child(1)->isSelected());
        dock->show();
        QTRY_VERIFY(tree->topLevelItem(0)->child(1)->isSelected());
    }

    // The selected images go into the flight chosen, a new one included; the
    // catalogue and the selector follow and the project counts as changed.
    void assignFlight()
    {
        m_window->SetProject(kvhost::fixtures::DemoProject());
        QCOMPARE(Groups(), QStringList({"Flight0:7", "Flight1:5"}));
        auto* combo = m_workspace->Display()->findChild<QComboBox*>("comboBox_airline");
        QCOMPARE(combo->count(), 3); // "", Flight1, New Flight 2

        kvfd::ImageInfoSet& images = m_window->Context()->GetImageInfoSet();
        images.GetImageExt(0)->selected = true;
        images.GetImageExt(11)->selected = true;
        combo->setCurrentIndex(2);
        Q_EMIT combo->activated(2);
        QCOMPARE(Groups(), QStringList({"Flight0:6", "Flight1:4", "Flight2:2"}));
        QCOMPARE(combo->itemText(combo->count() - 1), QString("New Flight 3"));
        QVERIFY(m_window->IsProjectModified());

        // Without a selection nothing moves.
        m_window->Context()->SetSelected(false);
        combo->setCurrentIndex(1);
        Q_EMIT combo->activated(1);
        QCOMPARE(Groups(), QStringList({"Flight0:6", "Flight1:4", "Flight2:2"}));
    }
};

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
