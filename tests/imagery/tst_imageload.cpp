#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/titlewidget.h"
#include "imagery/imageloaddialog.h"
#include "modalanswer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/");
const QString kDuplicate = QStringLiteral("导入数据中存在相同影像！");
const QString kEmpty = QStringLiteral("请导入影像数据!");

QTableWidget* Table(QWidget* w)
{
    return kvtest::Find<QTableWidget>(w, "images_table_");
}

void Click(QWidget* w, const char* name)
{
    QTest::mouseClick(kvtest::Find<QPushButton>(w, name), Qt::LeftButton);
}

QStringList Listed(const ImageLoadWidget& w)
{
    QStringList paths;
    for (const std::string& path : w.Images())
        paths << QString::fromStdString(path);
    return paths;
}

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
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.filePath("测试 目录");
        QVERIFY(QDir().mkpath(m_folder + "/sub.jpg"));
        for (const char* name : {"b.jpg", "A.JPG", "c.png", "d.tiff", "e.jpeg", "f.bmp", "g.tif",
                                 "notes.txt", "sub.jpg/h.jpg"}) {
            QFile file(m_folder + '/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(m_folder + "/b.jpg", m_folder + "/link.jpg"));
    }

    void form()
    {
        ImageLoadDialog dialog;
        ImageLoadWidget* w = dialog.Widget();
        QCOMPARE(dialog.findChild<TitleWidget*>()->Title(), QStringLiteral("Import Images"));
        QCOMPARE(Table(w)->columnWidth(1), 540);
        QVERIFY(!kvtest::Find<QPushButton>(w, "remove_btn_")->isEnabled());
        QVERIFY(!kvtest::Find<QPushButton>(w, "clear_btn_")->isEnabled());
        QCOMPARE(kvtest::Find<QPushButton>(w, "quit_btn_")->objectName(),
                 QStringLiteral("kvquitbtn"));
    }

    void listsImageFilesOfOneFolder()
    {
        QStringList names;
        for (const QString& path : kvui::ListImageFolder(m_folder)) {
            QCOMPARE(QFileInfo(path).path(), m_folder);
            names << QFileInfo(path).fileName();
        }
        names.sort();
        QCOMPARE(names.join(' '), QStringLiteral("A.JPG b.jpg c.png d.tiff e.jpeg f.bmp g.tif"));
        QVERIFY(kvui::ListImageFolder(m_dir.filePath("missing")).isEmpty());
    }

    void sameFolderTwiceAddsNothing()
    {
        ImageLoadWidget w;
        const QStringList files = kvui::ListImageFolder(m_folder);
        w.AddImages(files);
        QCOMPARE(int(w.Images().size()), 7);
        QVERIFY(kvtest::Find<QPushButton>(&w, "clear_btn_")->isEnabled());

        // Boxes after the answered one are closed and counted.
        int further = 0;
        QTimer sweeper;
        connect(&sweeper, &QTimer::timeout, [&further] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (qobject_cast<KvMessageBox*>(top) && top->isVisible()) {
                    ++further;
                    static_cast<QDialog*>(top)->reject();
                }
            }
        });
        kvtest::ModalAnswer answer;
        answer.ExpectText(kDuplicate)
            .Do([&sweeper](QWidget*) { sweeper.start(10); })
            .Click("kvsb_ok_btn_")
            .Arm();
        w.AddImages(files + QStringList {m_folder + "/new.jpg"});
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(further, 0);
        QCOMPARE(int(w.Images().size()), 8); // the one new file stays added
        QCOMPARE(Table(&w)->rowCount(), 8);
    }

    void listIsInByteOrder()
    {
        const QStringList paths = {"/t/b.jpg", "/t/B.jpg",   "/t/测.jpg", "/t/a.jpg",
                                   "/T/a.jpg", "\\t\\a.jpg", "/t/_a.jpg"};
        ImageLoadWidget w;
        w.AddImages(paths.mid(0, 3));
        w.AddImages(paths.mid(3));
        std::vector<std::string> sorted;
        for (const QString& path : paths)
            sorted.push_back(path.toStdString());
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(w.Images(), sorted);
        for (int row = 0; row < int(sorted.size()); ++row) {
            const QFileInfo info(QString::fromStdString(sorted[std::size_t(row)]));
            QCOMPARE(Table(&w)->item(row, 0)->text(), info.fileName());
            QCOMPARE(Table(&w)->item(row, 1)->text(), info.path());
        }
    }

    void removeSelectedRows()
    {
        ImageLoadWidget w;
        w.AddImages({"/r/1.jpg", "/r/2.jpg", "/r/3.jpg", "/r/4.jpg", "/r/5.jpg", "/r/6.jpg"});
        QTableWidget* table = Table(&w);
        QItemSelection rows;
        rows.select(table->model()->index(1, 0), table->model()->index(2, 1));
        rows.select(table->model()->index(4, 0), table->model()->index(4, 1));
        table->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        QVERIFY(kvtest::Find<QPushButton>(&w, "remove_btn_")->isEnabled());
        Click(&w, "remove_btn_");
        QCOMPARE(Listed(w), (QStringList {"/r/1.jpg", "/r/4.jpg", "/r/6.jpg"}));
        QCOMPARE(table->item(2, 0)->text(), QStringLiteral("6.jpg"));
        Click(&w, "clear_btn_");
        QVERIFY(w.Images().empty());
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(!kvtest::Find<QPushButton>(&w, "clear_btn_")->isEnabled());
    }

    void backAndExitLeaveTheProject_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Back") << "forward_btn_" << int(WR_BACK);
        QTest::newRow("Exit") << "quit_btn_" << int(WR_CANCEL);
    }

    void backAndExitLeaveTheProject()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        kvprj::KvProject project = ProjectWith({"a.jpg"});
        kvtest::ModalAnswer answer;
        answer
            .Do([](QWidget* dialog) {
                dialog->findChild<ImageLoadWidget*>()->AddImages({"/q/new.jpg"});
            })
            .Click(button)
            .Arm();
        QCOMPARE(int(ShowImageDialog(project)), result);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(project.GetImageInfoSet().Size(), 1);
        QCOMPARE(project.GetImageInfoSet().GetImage(0)->GetFullName(), std::string("/p/a.jpg"));
    }

    void nextWritesTheListKeepingPositions()
    {
        kvprj::KvProject project = ProjectWith({"a.jpg", "gone.jpg", "b.jpg", "c.jpg"});
        project.GetImageInfoSet().RemoveImage(1);
        ImageLoadDialog dialog;
        dialog.SetProject(&project);
        ImageLoadWidget* w = dialog.Widget();
        QCOMPARE(Listed(*w), (QStringList {"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"}));
        Table(w)->selectRow(1);
        Click(w, "remove_btn_");
        w->AddImages({"/p/d.jpg"});
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        Click(w, "next_btn_");
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dialog.Result(), WR_NEXT);
        const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        QCOMPARE(images.ValidSize(), 3);
        QCOMPARE(images.GetImage(0)->GetEOP().X, 1.0);
        QVERIFY(!images.GetImage(2)); // b.jpg, removed
        QCOMPARE(images.GetImage(3)->GetEOP().X, 4.0);
        QCOMPARE(images.GetImage(4)->GetFullName(), std::string("/p/d.jpg"));
        QCOMPARE(images.GetImage(4)->GetEOP(), kvfd::EOP());
        QVERIFY(images.GetImageExt(4)->enabled);
        QCOMPARE(project.GetCameraInfoSet().Size(), 0); // no readable photo: silently none
    }

    void cameraComesFromTheFirstPhotoThatHasOne_data()
    {
        QTest::addColumn<bool>("hasCamera");
        QTest::newRow("no camera yet") << false;
        QTest::newRow("camera already set") << true;
    }

    void cameraComesFromTheFirstPhotoThatHasOne()
    {
        QFETCH(bool, hasCamera);
        const QString folder = m_dir.filePath("照片 目录");
        QDir().mkpath(folder);
        QFile::copy(kImages + "drone-testdata-agung-1-example.jpg", folder + "/A_no_tags.jpg");
        QFile::copy(kImages + "DJI_0024.JPG", folder + "/DJI_0024.JPG");
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
        QCOMPARE(cameras.GetCamera(0)->id, hasCamera ? -1 : 0);
        QCOMPARE(cameras.GetCamera(0)->width, hasCamera ? -1 : 4000);
    }

    void nextWithEmptyListIsRefused()
    {
        kvprj::KvProject project;
        ImageLoadDialog dialog;
        dialog.SetProject(&project);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        kvtest::ModalAnswer answer;
        answer.ExpectText(kEmpty).Click("kvsb_ok_btn_").Arm();
        Click(dialog.Widget(), "next_btn_");
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(dialog.Result(), WR_CANCEL);
        QCOMPARE(project.GetImageInfoSet().Size(), 0);
    }

    void folderChooser()
    {
        ImageLoadWidget w;
        kvtest::ModalAnswer answer;
        answer
            .Do([this](QWidget* chooser) {
                static_cast<QFileDialog*>(chooser)->selectFile(m_folder);
                static_cast<QDialog*>(chooser)->accept();
            })
            .Arm();
        Click(&w, "browse_images_btn_");
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(int(w.Images().size()), 7);
        QCOMPARE(GetDefaultPath(), m_folder);
    }
};

QTEST_MAIN(TestImageLoad)
#include "tst_imageload.moc"
