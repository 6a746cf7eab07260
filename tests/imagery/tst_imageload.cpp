#include "framework/kvshared.h"
#include "imagery/imageloaddialog.h"
#include "imagerytest.h"

#include <QFile>
#include <QFileDialog>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace imagerytest;

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/");

QTableWidget* Table(QWidget* w)
{
    return kvtest::Find<QTableWidget>(w, "images_table_");
}

// The listed paths, with prefix cut from each.
QString Listed(const ImageLoadWidget& w, const QString& prefix = QString())
{
    QStringList paths;
    for (const std::string& path : w.Images())
        paths << QString::fromStdString(path).remove(0, prefix.size());
    return paths.join(' ');
}

// Images "/p/<name>" with X = 1, 2, ...
kvprj::KvProject ProjectWith(const QStringList& names)
{
    kvprj::KvProject project;
    for (const QString& name : names) {
        kvfd::EOP eop;
        eop.X = project.GetImageInfoSet().Size() + 1;
        project.GetImageInfoSet().AddImage(name.toStdString(), "/p", eop, 0, true);
    }
    return project;
}

} // namespace

class TestImageLoad : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        m_folder = m_dir.filePath("测试 目录");
        for (const char* name : {"b.jpg", "A.JPG", "c.png", "d.tiff", "e.jpeg", "f.bmp", "g.tif",
                                 "notes.txt", "sub.jpg/h.jpg"})
            QVERIFY(WriteFile(m_folder + '/' + name, {}));
        QVERIFY(QFile::link(m_folder + "/b.jpg", m_folder + "/link.jpg"));
    }

    // Batches are merged into the list: appended when they sort after it,
    // interleaved otherwise, in byte order (letter case and separators make
    // other images); a path met twice is listed once, and warned of once.
    void batches_data()
    {
        QTest::addColumn<QStringList>("batches");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<bool>("warned"); // by the last batch
        auto row = [](const char* name, const QStringList& batches, const char* listed,
                      bool warned) { QTest::newRow(name) << batches << QString(listed) << warned; };
        row("appended in order", {"/a/1 /a/2", "/b/1 /b/2"}, "/a/1 /a/2 /b/1 /b/2", false);
        row("interleaved", {"/a/1 /a/3", "/a/2 /a/4 /a/0"}, "/a/0 /a/1 /a/2 /a/3 /a/4", false);
        row("byte order", {"/t/b.jpg /t/B.jpg /t/测.jpg", "/t/a.jpg /T/a.jpg \\t\\a.jpg /t/_a.jpg"},
            "/T/a.jpg /t/B.jpg /t/_a.jpg /t/a.jpg /t/b.jpg /t/测.jpg \\t\\a.jpg", false);
        row("twice in one batch", {"/t/b /t/a /t/b"}, "/t/a /t/b", true);
        row("first of the batch is the last listed", {"/t/a /t/b", "/t/b /t/c"}, "/t/a /t/b /t/c",
            true);
    }

    void batches()
    {
        QFETCH(QStringList, batches);
        QFETCH(QString, listed);
        QFETCH(bool, warned);
        ImageLoadWidget w;
        for (int k = 0; k + 1 < batches.size(); ++k)
            w.AddImages(batches.at(k).split(' '));
        const QList<QStringList> boxes
            = kvtest::AnswerEveryBox([&] { w.AddImages(batches.last().split(' ')); });
        QCOMPARE(boxes.size(), warned ? 1 : 0);
        if (warned)
            QVERIFY(boxes[0].contains(QStringLiteral("导入数据中存在相同影像！")));
        QCOMPARE(Listed(w), listed);
    }

    void nextWritesTheListKeepingPositions()
    {
        kvprj::KvProject project = ProjectWith({"a.jpg", "gone.jpg", "b.jpg", "c.jpg"});
        project.GetImageInfoSet().RemoveImage(1);
        ImageLoadDialog dialog;
        dialog.SetProject(&project);
        ImageLoadWidget* w = dialog.Widget();
        Table(w)->selectRow(1);
        Click(w, "remove_btn_");
        w->AddImages({"/p/d.jpg"});
        Click(w, "next_btn_");
        const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        QCOMPARE(images.ValidSize(), 3);
        QVERIFY(!images.GetImage(2)); // b.jpg, removed
        QCOMPARE(images.GetImage(3)->GetEOP().X, 4.0);
        QCOMPARE(images.GetImage(4)->GetFullName(), std::string("/p/d.jpg"));
        QCOMPARE(project.GetCameraInfoSet().Size(), 0); // no readable photo: silently none
    }

    void cameraComesFromTheFirstPhotoThatHasOne()
    {
        const QString folder = m_dir.filePath("照片 目录");
        QDir().mkpath(folder);
        QFile::copy(kImages + "drone-testdata-agung-1-example.jpg", folder + "/A_no_tags.jpg");
        QFile::copy(kImages + "DJI_0024.JPG", folder + "/DJI_0024.JPG");
        for (bool hasCamera : {false, true}) {
            kvprj::KvProject project;
            kvfd::CameraInfo mine;
            mine.name = "Mine";
            if (hasCamera)
                project.GetCameraInfoSet().AddCamera(mine);
            ImageLoadDialog dialog;
            dialog.SetProject(&project);
            dialog.Widget()->AddImages(kvui::ListImageFolder(folder));
            Click(dialog.Widget(), "next_btn_");
            QCOMPARE(project.GetImageInfoSet().ValidSize(), 2);
            const kvfd::CameraInfoSet& cameras = project.GetCameraInfoSet();
            QCOMPARE(cameras.Size(), 1);
            QCOMPARE(cameras.GetCamera(0)->name, std::string(hasCamera ? "Mine" : "FC300S"));
            QCOMPARE(cameras.GetCamera(0)->width, hasCamera ? -1 : 4000);
        }
    }

    void nextWithEmptyListIsRefused()
    {
        kvprj::KvProject project;
        ImageLoadDialog dialog;
        dialog.SetProject(&project);
        kvtest::ModalAnswer answer;
        answer.ExpectText(QStringLiteral("请导入影像数据!")).Click("kvsb_ok_btn_").Arm();
        Click(dialog.Widget(), "next_btn_");
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(dialog.Result(), WR_CANCEL);
    }
};

QTEST_MAIN(TestImageLoad)
#include "tst_imageload.moc"
