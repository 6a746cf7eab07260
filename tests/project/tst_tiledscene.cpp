#include "kvfd/kvconststringfactory.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "project/tiledscene.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Message(int id)
{
    return QString::fromStdString(kvfd::KvGetConstString(id));
}

ProjectGraphicsItem* AddTile(TiledScene& scene, const QString& name, const QString& path = {})
{
    auto* tile = new ProjectGraphicsItem();
    PrjInfo record;
    record.name = name;
    record.path = path;
    tile->SetPixmap(QPixmap());
    tile->SetPrjInfo(record);
    scene.addItem(tile);
    scene.Items().append(tile);
    return tile;
}

bool SaveProject(const QString& path, const char* name)
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, name);
    return project.SavePrj(path.toStdString());
}

void SelectOnly(TiledScene& scene, QList<ProjectGraphicsItem*> tiles)
{
    scene.clearSelection();
    for (ProjectGraphicsItem* tile : tiles)
        tile->setSelected(true);
}

} // namespace

class TestTiledScene : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    void shortenText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short") << "Survey" << 8 << "Survey";
        QTest::newRow("exactly n") << "abcdefgh" << 8 << "abcdefgh";
        QTest::newRow("latin fits 2n") << "abcdefghijkl" << 8 << "abcdefghijkl";
        QTest::newRow("latin beyond 2n") << "abcdefghijklmnopqr" << 8 << "abcdefghijklmnop...";
        QTest::newRow("12 chinese")
            << u8"武汉东湖高新区第二架次测区" << 8 << u8"武汉东湖高新区第...";
        QTest::newRow("mixed") << u8"测试abcdefghij" << 6 << u8"测试abcdefgh...";
        QTest::newRow("empty") << "" << 6 << "";
    }
    void shortenText()
    {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, shown);
        QCOMPARE(ShortenText(text, n), shown);
    }

    void layoutFiltersIgnoringCase()
    {
        TiledScene scene;
        const QStringList names {"Alpha", "Beta",    "xALPHAy", "alphabet",
                                 "ALPH",  "Xalpha1", "zAlPhAz"};
        for (const QString& name : names)
            AddTile(scene, name);

        scene.Layout(QStringLiteral("alpha"));
        QStringList shown;
        for (ProjectGraphicsItem* tile : scene.Items()) {
            if (tile->isVisible())
                shown << tile->GetPrjInfo().name;
        }
        QCOMPARE(shown, (QStringList {"Alpha", "xALPHAy", "alphabet", "Xalpha1", "zAlPhAz"}));
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, 970, 500));
        // The fifth match opens the second row.
        QCOMPARE(scene.Items().at(6)->pos(), QPointF(2, 270));
        QCOMPARE(scene.Items().at(5)->pos(), QPointF(3 * 245 + 2, 20));
        QCOMPARE(scene.Key(), QStringLiteral("alpha"));

        scene.Layout(QStringLiteral("nothing"));
        QCOMPARE(scene.sceneRect().height(), 0.0);
        scene.Layout(QString());
        QCOMPARE(scene.sceneRect().height(), 500.0);
        for (ProjectGraphicsItem* tile : scene.Items())
            QVERIFY(tile->isVisible());
    }

    void buttonsOnlyUnderOneSelectedTile()
    {
        TiledScene scene;
        for (int i = 0; i < 6; ++i)
            AddTile(scene, QStringLiteral("tile %1").arg(i));
        scene.Layout(QString());
        const QList<PixmapItem*> buttons {scene.ExportButton(), scene.CopyButton(),
                                          scene.DeleteButton()};
        auto shown = [&buttons] {
            return buttons[0]->isVisible() && buttons[1]->isVisible() && buttons[2]->isVisible();
        };
        auto hidden = [&buttons] {
            return !buttons[0]->isVisible() && !buttons[1]->isVisible() && !buttons[2]->isVisible();
        };
        QVERIFY(hidden());

        ProjectGraphicsItem* fifth = scene.Items().at(5);
        SelectOnly(scene, {fifth});
        QVERIFY(shown());
        const QPointF at = fifth->pos(); // (247, 270)
        QCOMPARE(scene.ExportButton()->pos(), at + QPointF(20, 120));
        QCOMPARE(scene.CopyButton()->pos(), at + QPointF(60, 120));
        QCOMPARE(scene.DeleteButton()->pos(), at + QPointF(100, 120));
        QCOMPARE(scene.ExportButton()->toolTip(), QStringLiteral("Export"));
        QCOMPARE(scene.ExportButton()->zValue(), 1.0);

        SelectOnly(scene, {fifth, scene.Items().at(0)});
        QVERIFY(hidden());
        SelectOnly(scene, {fifth});
        scene.SetButtonsEnabled(false);
        QVERIFY(hidden());
        scene.SetButtonsEnabled(true);
        QVERIFY(shown());
        scene.clearSelection();
        QVERIFY(hidden());
    }

    void removeDropsSelectedTiles()
    {
        TiledScene scene;
        for (int i = 0; i < 5; ++i)
            AddTile(scene, QStringLiteral("tile %1").arg(i), QStringLiteral("/p/%1.db").arg(i));
        scene.Layout(QString());
        QStringList removed;
        connect(&scene, qOverload<PrjInfo*>(&TiledScene::RemoveItem), this,
                [&removed](PrjInfo* info) { removed << info->path; });
        SelectOnly(scene, {scene.Items().at(1), scene.Items().at(4)});
        scene.RemoveItem();
        QCOMPARE(removed, (QStringList {"/p/1.db", "/p/4.db"}));
        QCOMPARE(scene.Items().size(), 3);
        QCOMPARE(scene.sceneRect().height(), 250.0);
        QVERIFY(!scene.DeleteButton()->isVisible());

        scene.RemoveAll();
        QVERIFY(scene.Items().isEmpty());
        QCOMPARE(scene.items().size(), 3); // the three buttons stay
    }

    void staleTileAsksBeforeDropping()
    {
        TiledScene scene;
        ProjectGraphicsItem* gone = AddTile(scene, "gone", "/nowhere/gone.db");
        QSignalSpy open(gone, &ProjectGraphicsItem::OpenMe);
        QSignalSpy remove(gone, &ProjectGraphicsItem::DeleteMe);
        QVERIFY(gone->IsStale());
        QCOMPARE(gone->toolTip(), QStringLiteral("/nowhere/gone.db"));

        kvtest::ModalAnswer no;
        no.ExpectText(Message(128)).Click("kvbw2_cancel_").Arm();
        gone->Activate();
        QVERIFY2(no.Done(), qPrintable(no.Error()));
        QCOMPARE(remove.count(), 0);

        kvtest::ModalAnswer yes;
        yes.ExpectText(Message(128)).Click("kvbw2_ok_").Arm();
        gone->Activate();
        QVERIFY2(yes.Done(), qPrintable(yes.Error()));
        QCOMPARE(remove.count(), 1);
        QCOMPARE(open.count(), 0);

        // Flight missions have no file and are never stale.
        ProjectGraphicsItem* mission = AddTile(scene, "M1", "M1 SN-42");
        PrjInfo record = mission->GetPrjInfo();
        record.description = "SN-42";
        mission->SetPrjInfo(record);
        QVERIFY(!mission->IsStale());
        record.name = "Shown title";
        record.identifier = "m-1";
        mission->SetPrjInfo(record);
        QVERIFY(!mission->IsStale());
        QSignalSpy openMission(mission, &ProjectGraphicsItem::OpenMe);
        mission->Activate();
        QCOMPARE(openMission.count(), 1);
        QCOMPARE(openMission.at(0).at(0).value<PrjInfo*>(), mission->Info());
    }

    void copyTakesFirstFreeName()
    {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/测试 目录XXXXXX"));
        const QString source = dir.filePath(QStringLiteral("工程.db"));
        QVERIFY(SaveProject(source, "copy me"));
        QFile taken(dir.filePath(QStringLiteral("工程_1.db")));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.close();

        TiledScene scene;
        ProjectGraphicsItem* tile = AddTile(scene, "copy me", source);
        scene.Layout(QString());
        QSignalSpy added(&scene, &TiledScene::AddItem);
        scene.CopyItem(); // nothing selected
        QCOMPARE(added.count(), 0);

        SelectOnly(scene, {tile});
        scene.CopyItem();
        QCOMPARE(added.count(), 1);
        const QString copy = dir.filePath(QStringLiteral("工程_2.db"));
        QCOMPARE(added.at(0).at(0).toString(), copy);
        kvprj::KvProject read;
        QVERIFY(read.QuickOpenPrj(copy.toStdString()));
        QCOMPARE(QString::fromUtf8(read.GetPrjInfo().name), QStringLiteral("copy me"));
    }

    void copyOrExportOfMissingFileAsks()
    {
        TiledScene scene;
        ProjectGraphicsItem* tile = AddTile(scene, "gone", "/nowhere/gone.db");
        AddTile(scene, "kept", "/nowhere/kept.db");
        scene.Layout(QString());
        QSignalSpy removed(&scene, qOverload<PrjInfo*>(&TiledScene::RemoveItem));
        QSignalSpy added(&scene, &TiledScene::AddItem);

        SelectOnly(scene, {tile});
        kvtest::ModalAnswer no;
        no.ExpectText(Message(128)).Click("kvbw2_cancel_").Arm();
        scene.ExportItem();
        QVERIFY2(no.Done(), qPrintable(no.Error()));
        QCOMPARE(scene.Items().size(), 2);

        kvtest::ModalAnswer yes;
        yes.ExpectText(Message(128)).Click("kvbw2_ok_").Arm();
        scene.CopyItem();
        QVERIFY2(yes.Done(), qPrintable(yes.Error()));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(added.count(), 0);
        QCOMPARE(scene.Items().size(), 1);
        QCOMPARE(scene.Items().first()->GetPrjInfo().name, QStringLiteral("kept"));
    }

    void exportCopiesToChosenName()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("a.db"));
        QVERIFY(SaveProject(source, "exported"));
        const QString target = dir.filePath(QStringLiteral("导出.db"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("not a project");
        old.close();

        TiledScene scene;
        SelectOnly(scene, {AddTile(scene, "exported", source)});
        kvtest::ModalAnswer save;
        save.ExpectTitle(QStringLiteral("Export Project"))
            .Do([&target](QWidget* chooser) {
                auto* dialog = qobject_cast<QFileDialog*>(chooser);
                QVERIFY(dialog);
                dialog->selectFile(target);
                // done() skips the chooser's own question about replacing.
                static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            })
            .Arm();
        scene.ExportItem();
        QVERIFY2(save.Done(), qPrintable(save.Error()));
        kvprj::KvProject read;
        QVERIFY(read.QuickOpenPrj(target.toStdString()));
        QCOMPARE(QString::fromUtf8(read.GetPrjInfo().name), QStringLiteral("exported"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // nothing left aside
    }
};

QTEST_MAIN(TestTiledScene)
#include "tst_tiledscene.moc"
