#include "kvfd/kvconststringfactory.h"
#include "modalanswer.h"
#include "project/tiledscene.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

ProjectGraphicsItem* AddTile(TiledScene& scene, const QString& name, const QString& path = {})
{
    auto* tile = new ProjectGraphicsItem();
    tile->SetPixmap(QPixmap());
    tile->SetPrjInfo(PrjInfo {QString(), path, name, {}, {}, {}});
    scene.addItem(tile);
    scene.Items().append(tile);
    return tile;
}

// n tiles "tile i" at "/p/i.db", laid out.
void Fill(TiledScene& scene, int n)
{
    for (int i = 0; i < n; ++i)
        AddTile(scene, QStringLiteral("tile %1").arg(i), QStringLiteral("/p/%1.db").arg(i));
    scene.Layout(QString());
}

// Answers the stale-file question with the given button while action runs.
void Answer(const char* button, const std::function<void()>& action)
{
    kvtest::ModalAnswer answer;
    answer.ExpectText(QString::fromStdString(kvfd::KvGetConstString(128))).Click(button).Arm();
    action();
    QVERIFY2(answer.Done(), qPrintable(answer.Error()));
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
        // The fifth match opens the second row.
        QCOMPARE(scene.Items().at(6)->pos(), QPointF(2, 270));
        scene.Layout(QString());
        for (ProjectGraphicsItem* tile : scene.Items())
            QVERIFY(tile->isVisible());
    }

    void buttonsUnderOneSelectedTileAndRemove()
    {
        TiledScene scene;
        Fill(scene, 6);
        // "000" all hidden, "111" all shown under the selected tile.
        auto shown = [&scene] {
            QString state;
            for (PixmapItem* b : {scene.ExportButton(), scene.CopyButton(), scene.DeleteButton()})
                state += b->isVisible() ? '1' : '0';
            return state;
        };
        QCOMPARE(shown(), QStringLiteral("000"));

        ProjectGraphicsItem* sixth = scene.Items().at(5);
        SelectOnly(scene, {sixth});
        QCOMPARE(shown(), QStringLiteral("111"));

        SelectOnly(scene, {sixth, scene.Items().at(0)});
        QCOMPARE(shown(), QStringLiteral("000"));
        SelectOnly(scene, {sixth});
        scene.SetButtonsEnabled(false); // as for flight missions
        QCOMPARE(shown(), QStringLiteral("000"));

        // Remove drops every selected tile.
        QStringList removed;
        connect(&scene, qOverload<PrjInfo*>(&TiledScene::RemoveItem), this,
                [&removed](PrjInfo* info) { removed << info->path; });
        SelectOnly(scene, {scene.Items().at(1), scene.Items().at(4)});
        scene.RemoveItem();
        QCOMPARE(removed, (QStringList {"/p/1.db", "/p/4.db"}));
        QCOMPARE(scene.Items().size(), 4);

        scene.RemoveAll();
        QVERIFY(scene.Items().isEmpty());
        QCOMPARE(scene.items().size(), 3); // the three buttons stay
    }

    void staleTileAsksBeforeDropping()
    {
        TiledScene scene;
        ProjectGraphicsItem* gone = AddTile(scene, "gone", "/nowhere/gone.db");
        AddTile(scene, "kept", "/nowhere/kept.db");
        scene.Layout(QString());
        QSignalSpy open(gone, &ProjectGraphicsItem::OpenMe);
        QSignalSpy remove(gone, &ProjectGraphicsItem::DeleteMe);
        QSignalSpy removed(&scene, qOverload<PrjInfo*>(&TiledScene::RemoveItem));
        QSignalSpy added(&scene, &TiledScene::AddItem);
        QVERIFY(gone->IsStale());

        Answer("kvbw2_cancel_", [gone] { gone->Activate(); });
        QCOMPARE(remove.count(), 0);
        Answer("kvbw2_ok_", [gone] { gone->Activate(); });
        QVERIFY(remove.count() == 1 && open.count() == 0);

        // Copy or export of a missing file asks the same.
        SelectOnly(scene, {gone});
        Answer("kvbw2_cancel_", [&scene] { scene.ExportItem(); });
        QCOMPARE(scene.Items().size(), 2);
        Answer("kvbw2_ok_", [&scene] { scene.CopyItem(); });
        QVERIFY(removed.count() == 1 && added.count() == 0);
        QCOMPARE(scene.Items().first()->GetPrjInfo().name, QStringLiteral("kept"));

        // Flight missions have no file and are never stale.
        ProjectGraphicsItem* mission = AddTile(scene, "M1", "M1 SN-42");
        PrjInfo record = mission->GetPrjInfo();
        record.description = "SN-42";
        record.name = "Shown title"; // the identifier tells it apart
        record.identifier = "m-1";
        mission->SetPrjInfo(record);
        QVERIFY(!mission->IsStale());
        QVERIFY(mission->ShownPath(QFont()).isEmpty()); // names no file, not shown
    }
};

QTEST_MAIN(TestTiledScene)
#include "tst_tiledscene.moc"
