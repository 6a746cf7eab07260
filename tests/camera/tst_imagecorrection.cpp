#include "camera/camerafile.h"
#include "camera/imagecorrectiondialog.h"
#include "kvfd/distortion.h"
#include "modalanswer.h"

#include <QApplication>
#include <QFileDialog>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

kvfd::CameraInfo Camera(int width, int height)
{
    kvfd::CameraInfo camera;
    camera.width = width;
    camera.height = height;
    camera.ccd_width = 13.2;
    camera.ccd_height = 8.8;
    camera.pixel_size_x = camera.pixel_size_y = 13.2 / width;
    camera.focal = 8.8;
    camera.x0 = width / 2.0;
    camera.y0 = height / 2.0;
    camera.k1 = 1.5e-9;
    camera.p2 = -2.5e-7;
    return camera;
}

int Page(QWidget* root)
{
    return root->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentIndex();
}

QTableWidget* Table(QWidget* root)
{
    return root->findChild<QTableWidget*>(QStringLiteral("gw_table_widget_"));
}

} // namespace

class TestImageCorrection : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        m_dir = m_temp.filePath(QStringLiteral("相机 文件"));
        QVERIFY(QDir().mkpath(m_dir));
    }

    void grid_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("last"); // ID x y of the last row
        QTest::newRow("6000 x 4000") << 6000 << 4000 << 150 << "149 5600 3600";
        QTest::newRow("larger than any sensor") << 2000000000 << 2000000000 << 0 << "";
    }

    void grid()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, rows);
        QFETCH(QString, last);
        ImageCorrectionWidget form;
        const kvfd::CameraInfo camera = width > 0 ? Camera(width, height) : kvfd::CameraInfo();
        form.ShowCamera(camera, ImageCorrectionWidget::kGridPage);
        QTableWidget* table = Table(&form);
        QCOMPARE(table->rowCount(), rows);
        if (rows == 0)
            return;
        const int r = rows - 1;
        QCOMPARE(QStringList({table->item(r, 0)->text(), table->item(r, 1)->text(),
                              table->item(r, 2)->text()})
                     .join(' '),
                 last);
        const kvfd::ImagePoint offset = kvfd::GetDistortionValue(
            camera, {table->item(r, 1)->text().toDouble(), table->item(r, 2)->text().toDouble()});
        QCOMPARE(table->item(r, 4)->text(), QString::number(offset.y, 'g', 6));
    }

    // A .cam file shows the grid, an .xml file the coefficients, and export
    // offers the format of the page shown; a file that is no camera file is
    // told and changes nothing.
    void importExport_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("damage"); // replaces the file's bytes when set
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("filter");
        const QByteArray none;
        QTest::newRow("cam") << "相机.cam" << none << 0 << "Varnel Binary Camera File (*.cam)";
        QTest::newRow("xml") << "相机.xml" << none << 1 << "Varnel Camera File (*.xml)";
        QTest::newRow("truncated cam") << "cut.cam" << QByteArray("<cut>") << -1 << "";
        QTest::newRow("binary xml")
            << "bin.xml" << QByteArray("\x00\xff\xfe<?x\x01", 8) << -1 << "";
    }

    void importExport()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, damage);
        QFETCH(int, page);
        QFETCH(QString, filter);
        const QString path = QDir(m_dir).filePath(file);
        const kvfd::CameraInfo camera = Camera(6000, 4000);
        QVERIFY(ExportCameraFile(camera, path));
        if (!damage.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const QByteArray whole = f.readAll();
            f.resize(0);
            f.seek(0);
            f.write(damage == "<cut>" ? whole.left(whole.size() / 2) : damage);
        }
        ImageCorrectionDialog dialog;
        const QList<QStringList> boxes = kvtest::AnswerEveryBox([&] {
            QVERIFY(kvtest::ClickAndChooseFile(&dialog, QStringLiteral("icw_import_camera_btn_"),
                                               path));
        });
        if (page < 0) {
            QCOMPARE(boxes.size(), 1);
            QVERIFY(boxes[0].contains(QStringLiteral("打开文件失败!")));
            QCOMPARE(kvtest::Text(&dialog, QStringLiteral("icw_width_")), QString());
            return;
        }
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(Page(&dialog), page);

        QStringList offered;
        const QString saved = QDir(m_dir).filePath(QStringLiteral("导出"));
        kvtest::ModalAnswer answer;
        answer
            .Do([&](QWidget* chooser) {
                offered = qobject_cast<QFileDialog*>(chooser)->nameFilters();
                kvtest::ChooseFile(chooser, saved);
            })
            .Arm();
        kvtest::Click(&dialog, QStringLiteral("icw_export_camera_btn_"));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(offered, QStringList {filter});
        kvfd::CameraInfo back;
        QVERIFY(ImportCameraFile(back, saved + (page == 0 ? ".cam" : ".xml")));
        QCOMPARE(back.width, 6000);
        QVERIFY(qFuzzyCompare(back.k1, camera.k1));
    }
};

QTEST_MAIN(TestImageCorrection)
#include "tst_imagecorrection.moc"
