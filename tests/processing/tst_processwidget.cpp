#include "kvfd/imageinfoset.h"
#include "kvkernel/kvprogress.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "processing/imageprocesswidget.h"
#include "processing/processwidget.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kTools[] = {"pw_change_format_btn_",
                              "pw_resample_btn_",
                              "pw_rotate_btn_",
                              "pw_pyramid_btn_",
                              "pw_init_correct_btn_",
                              "pw_distortion_btn_",
                              "pw_enhancement_btn_",
                              "pw_balance_color_btn_",
                              "pw_exif_",
                              "pw_rt27_",
                              "pw_atom_",
                              "pw_rinex_check_",
                              "pw_gps_solve_",
                              "pw_gps_add_flight_",
                              "pw_dem_check_",
                              "pw_rename_",
                              "pw_lever_arm_btn_",
                              "pw_raw2tif_btn_"};

// Records what a thumbnail run reports.
class Progress : public kvkernel::KvProgress
{
public:
    void Start(std::string title, int total) override
    {
        calls << QString("Start %1 %2").arg(QString::fromStdString(title)).arg(total);
    }
    bool SetInformation(std::string, int step) override
    {
        last = step;
        return true;
    }
    void End(bool success) override { calls << QString("End %1").arg(success); }
    bool Success() override { return true; }
    void NeverEnd(bool) override { }
    kvfd::KvError GetError() override { return 0; }
    void SetError(kvfd::KvError) override { }
    void Popup(std::string) override { }

    QStringList calls;
    int last = 0;
};

// A project of the files, in order; an empty name leaves a removed slot.
kvprj::KvProject Project(const QStringList& files)
{
    kvprj::KvProject project;
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (const QString& file : files) {
        const QFileInfo info(file.isEmpty() ? QString("/gone.jpg") : file);
        const int i
            = images.AddImage(info.fileName().toLocal8Bit().toStdString(),
                              info.path().toLocal8Bit().toStdString(), kvfd::EOP(), 0, true);
        if (file.isEmpty())
            images.RemoveImage(i);
    }
    return project;
}

QSize IconSize(const QIcon& icon)
{
    return icon.isNull() ? QSize() : icon.pixmap(QSize(100, 100)).size();
}

} // namespace

class TestProcessWidget : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;

    QString Data(const char* name) { return QString(KVUI_SOURCE_DIR "/tests/data/images/") + name; }

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // Rows only for images left in the set; the selection follows the flags
    // and a selection-only update keeps the rows.
    void table()
    {
        kvprj::KvProject project = Project({"/a/one.jpg", "", "/a/三.jpg"});
        ImageProcessWidget page;
        auto* table = page.findChild<QTableWidget*>("ipw_table_widget_");
        QCOMPARE(table->rowCount(), 100);
        QCOMPARE(table->horizontalHeaderItem(7)->text(), QString("Color Balance"));
        project.GetImageInfoSet().GetImageExt(2)->selected = true;
        page.Update(project, false);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 0)->text(), QString("三.jpg"));
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QVERIFY(table->item(1, 7)->isSelected());

        project.GetImageInfoSet().GetImageExt(2)->selected = false;
        project.GetImageInfoSet().GetImageExt(0)->selected = true;
        project.GetImageInfoSet().RemoveImage(2);
        page.Update(project, true);
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(table->item(0, 0)->isSelected() && !table->item(1, 0)->isSelected());

        page.Update(Project({}), false);
        QCOMPARE(table->rowCount(), 0);

        // No images: no thumbnails, with a progress or without one.
        Progress progress;
        page.GenerateThumbnail(Project({}), &progress);
        QCOMPARE(progress.calls, QStringList({"Start 缩略图加载 0", "End 1"}));
        QVERIFY(page.LoadThumbnail());
        page.UpdateView();
        QCOMPARE(page.findChild<QListWidget*>("ipw_icon_list_")->count(), 0);
        page.GenerateThumbnail(Project({}), nullptr);
    }

    // Every file that cannot be read gives an empty icon; the others fit
    // 100 x 100 in the photo's shape. A removed slot shows as an empty icon at
    // its place, and the icon page asks for thumbnails only once.
    void thumbnails()
    {
        const QString dir = m_temp.filePath("缩略图");
        QVERIFY(QDir().mkpath(dir));
        QFile::copy(Data("DJI_0024.JPG"), dir + "/航拍.JPG");
        QFile photo(Data("IMG_0031.jpg"));
        QVERIFY(photo.open(QIODevice::ReadOnly));
        const QByteArray bytes = photo.readAll();
        const auto write = [&](const char* name, const QByteArray& data) {
            QFile file(dir + '/' + name);
            if (file.open(QIODevice::WriteOnly))
                file.write(data);
            return file.fileName();
        };
        const QStringList files
            = {dir + "/航拍.JPG",                           // Exif thumbnail with bars
               Data("IMG_0031.jpg"),                        // Exif thumbnail, same shape
               Data("drone-testdata-agung-1-example.jpg"),  // no thumbnail
               "",                                          // removed
               write("head.jpg", bytes.left(600)),          // ends inside the tags
               write("garbage.jpg", QByteArray(5000, 'x')), //
               write("empty.jpg", QByteArray()),            //
               dir + "/missing.jpg",
               write("oversized.jpg",
                     QByteArray::fromHex("ffd8ffc0001108ffffffff03012200022201032201"))};
        const QList<QSize> sizes
            = {QSize(100, 56), QSize(100, 66), QSize(100, 74), QSize(), QSize(),
               QSize(),        QSize(),        QSize(),        QSize()};
        kvprj::KvProject project = Project(files);

        ImageProcessWidget page;
        Progress progress;
        QSignalSpy asked(&page, qOverload<>(&ImageProcessWidget::GenerateThumbnail));
        connect(&page, qOverload<>(&ImageProcessWidget::GenerateThumbnail), &page,
                [&] { page.GenerateThumbnail(project, &progress); });
        page.ShowIcon();
        QCOMPARE(asked.count(), 1);
        QVERIFY(page.LoadThumbnail());
        QCOMPARE(progress.calls, QStringList({"Start 缩略图加载 8", "End 1"}));
        QCOMPARE(progress.last, 8);
        auto* list = page.findChild<QListWidget*>("ipw_icon_list_");
        QCOMPARE(list->count(), files.size());
        for (int k = 0; k < files.size(); ++k)
            QVERIFY2(IconSize(list->item(k)->icon()) == sizes[k], qPrintable(files[k]));

        // The picture from the embedded thumbnail is the photo's: close to
        // the photo decoded in full.
        const QImage full
            = QImage(files[0]).scaled(100, 56, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage thumb
            = page.Thumbnails().value(0).pixmap(100, 56).toImage().convertToFormat(full.format());
        double difference = 0;
        for (int y = 0; y < 56; ++y)
            for (int x = 0; x < 100; ++x)
                difference += std::abs(qGray(full.pixel(x, y)) - qGray(thumb.pixel(x, y)));
        QVERIFY2(difference / 5600 < 12, qPrintable(QString::number(difference / 5600)));

        page.ShowTable();
        page.ShowIcon();
        QCOMPARE(asked.count(), 1);
        page.ResetLoad();
        page.ShowIcon();
        QCOMPARE(asked.count(), 1);
        QVERIFY(page.Thumbnails().isEmpty());
    }
};

QTEST_MAIN(TestProcessWidget)
#include "tst_processwidget.moc"
