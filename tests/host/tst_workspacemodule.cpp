#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/workspacemodule.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"

#include <QComboBox>
#include <QDockWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

class TestWorkspaceModule : public QObject
{
    Q_OBJECT

    std::unique_ptr<KvMainWindow> m_window;
    WorkspaceModule* m_module = nullptr;

    QStringList Groups() const
    {
        const auto* tree = m_module->Catalog()->findChild<QTreeWidget*>("catalog_tree_widget_");
        QStringList groups;
        for (int k = 0; k < tree->topLevelItemCount(); ++k)
            groups << QString("%1:%2")
                          .arg(tree->topLevelItem(k)->text(5))
                          .arg(tree->topLevelItem(k)->childCount());
        return groups;
    }

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void init()
    {
        std::vector<std::unique_ptr<HostModule>> modules;
        modules.push_back(std::make_unique<WorkspaceModule>());
        m_window = std::make_unique<KvMainWindow>(std::move(modules));
        m_module = m_window->FindModule<WorkspaceModule>();
        QVERIFY(m_module);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void docks()
    {
        for (const char* name : {"kv_catalog_dock", "kv_display_dock"})
            QCOMPARE(m_window->dockWidgetArea(m_window->findChild<QDockWidget*>(name)),
                     Qt::LeftDockWidgetArea);
        QCOMPARE(m_window->dockWidgetArea(m_window->findChild<QDockWidget*>("kv_tools_dock")),
                 Qt::RightDockWidgetArea);
        QCOMPARE(Groups(), QStringList());
    }

    // The catalogue closed by the operator catches up when it is opened again.
    void closedCatalogue()
    {
        m_window->SetProject(kvhost::fixtures::DemoProject());
        auto* dock = m_window->findChild<QDockWidget*>("kv_catalog_dock");
        dock->close();
        m_window->Context()->GetImageInfoSet().GetImageExt(1)->selected = true;
        m_module->Catalog()->Update(false);
        const auto* tree = m_module->Catalog()->findChild<QTreeWidget*>("catalog_tree_widget_");
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
        auto* combo = m_module->Display()->findChild<QComboBox*>("comboBox_airline");
        QCOMPARE(combo->count(), 3); // "", Flight1, New Flight 2

        kvfd::ImageInfoSet& images = m_window->Context()->GetImageInfoSet();
        images.GetImageExt(0)->selected = true;
        images.GetImageExt(11)->selected = true;
        combo->setCurrentIndex(2);
        Q_EMIT combo->activated(2);
        QCOMPARE(Groups(), QStringList({"Flight0:6", "Flight1:4", "Flight2:2"}));
        QCOMPARE(combo->currentText(), QString("Flight2"));
        QCOMPARE(combo->itemText(combo->count() - 1), QString("New Flight 3"));
        QVERIFY(m_window->IsProjectModified());

        // Without a selection nothing moves.
        m_window->Context()->SetSelected(false);
        combo->setCurrentIndex(1);
        Q_EMIT combo->activated(1);
        QCOMPARE(Groups(), QStringList({"Flight0:6", "Flight1:4", "Flight2:2"}));
    }

    void toolsSayTheyDoNotRun()
    {
        const QList<QStringList> boxes = kvtest::AnswerEveryBox(
            [this] { m_module->Tools()->findChild<QPushButton*>("pw_raw2tif_btn_")->click(); });
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].join(' ').contains("Raw to TIFF: kvhost does not run this tool yet."),
                 qPrintable(boxes[0].join(' ')));
    }
};

QTEST_MAIN(TestWorkspaceModule)
#include "tst_workspacemodule.moc"
