#include "imagery/editimagepropertydialog.h"
#include "imagery/imageinfodialog.h"
#include "modalanswer.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kImages = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");

kvfd::ImageInfo MakeImage(const char* name, const char* path)
{
    kvfd::EOP eop;
    eop.X = 500000.123456;
    eop.Y = 3300000.5;
    eop.Z = 88.25;
    eop.Omega = 0.5;
    eop.Phi = -0.25;
    eop.Kappa = 3.0;
    return kvfd::ImageInfo(name, path, eop, 0);
}

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QString Cell(QWidget* root, const char* table, int column)
{
    return kvtest::Find<QTableWidget>(root, table)->item(1, column)->text();
}

} // namespace

class TestImageProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void oneImageShowsDegreesAndReadsBackRadians()
    {
        EditImagePropertyDialog dialog;
        EditImagePropertyWidget* widget = dialog.Widget();
        QCOMPARE(kvtest::Find<QLabel>(&dialog, "m_ImageName")->text(), QStringLiteral("Image"));
        widget->SetImage(MakeImage("DJI_0001.JPG", "/data/航拍"), 2);
        QCOMPARE(kvtest::Find<QLabel>(&dialog, "m_ImageName")->text(),
                 QStringLiteral("DJI_0001.JPG"));
        QCOMPARE(kvtest::Find<QLineEdit>(&dialog, "m_ImagePath")->text(),
                 QStringLiteral("/data/航拍"));
        QCOMPARE(Cell(&dialog, "tableWidget_XYZ", 0), QStringLiteral("500000.123456"));
        QCOMPARE(Cell(&dialog, "tableWidget_OPK", 0), QStringLiteral("28.648000"));
        QCOMPARE(Cell(&dialog, "tableWidget_OPK", 1), QStringLiteral("-14.324000"));

        kvfd::EOP eop = widget->GetEOP();
        QCOMPARE(eop.Omega, 0.5);
        QCOMPARE(eop.Phi, -0.25);
        QCOMPARE(eop.X, 500000.123456);
        QCOMPARE(widget->GetPath(), std::string("/data/航拍"));

        // A typed value is taken; a cell that holds no number keeps the old one.
        auto* xyz = kvtest::Find<QTableWidget>(&dialog, "tableWidget_XYZ");
        xyz->item(1, 2)->setText(QStringLiteral("101.5"));
        xyz->item(1, 0)->setText(QStringLiteral("abc"));
        kvtest::Find<QTableWidget>(&dialog, "tableWidget_OPK")->item(1, 2)->setText(QString());
        eop = widget->GetEOP();
        QCOMPARE(eop.Z, 101.5);
        QCOMPARE(eop.X, 500000.123456);
        QCOMPARE(eop.Kappa, 3.0);
        // The name cells are not editable, the value cells are.
        QVERIFY(!(xyz->item(0, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(xyz->item(1, 0)->flags() & Qt::ItemIsEditable);
    }

    void flightList_data()
    {
        QTest::addColumn<int>("flight");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("afterNew");
        QTest::newRow("flight 2") << 2 << QStringList {"", "Flight 1", "Flight 2", "New Flight 3"}
                                  << QStringList {"", "Flight 1", "Flight 2", "Flight 3",
                                                  "New Flight 4"};
        QTest::newRow("flight 0") << 0 << QStringList {"", "New Flight 1"}
                                  << QStringList {"", "Flight 1", "New Flight 2"};
    }

    void flightList()
    {
        QFETCH(int, flight);
        QFETCH(QStringList, items);
        QFETCH(QStringList, afterNew);
        EditImagePropertyDialog dialog;
        dialog.Widget()->SetImage(MakeImage("a.jpg", "/d"), flight);
        auto* combo = kvtest::Find<QComboBox>(&dialog, "m_Combox_Stripe");
        QCOMPARE(Items(combo), items);
        QCOMPARE(combo->currentIndex(), flight);
        const int last = combo->count() - 1;
        combo->setCurrentIndex(last);
        Q_EMIT combo->activated(last);
        QCOMPARE(Items(combo), afterNew);
        QCOMPARE(dialog.Widget()->GetFlightIndex(), last);
        QCOMPARE(dialog.Widget()->GetFlightText(), QStringLiteral("Flight %1").arg(last));
    }

    void severalImages_data()
    {
        QTest::addColumn<QString>("secondPath");
        QTest::addColumn<int>("secondFlight");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("items");
        QTest::newRow("shared") << "/d/one" << 1 << "/d/one" << 3;
        QTest::newRow("different") << "/d/two" << 2 << "" << 0;
    }

    void severalImages()
    {
        QFETCH(QString, secondPath);
        QFETCH(int, secondFlight);
        QFETCH(QString, path);
        QFETCH(int, items);
        const kvfd::ImageInfo first = MakeImage("a.jpg", "/d/one");
        const kvfd::ImageInfo second = MakeImage("b.jpg", qPrintable(secondPath));
        EditImagePropertyDialog dialog;
        dialog.Widget()->SetImages({&first, &second}, {1, secondFlight});
        QCOMPARE(kvtest::Find<QLineEdit>(&dialog, "m_ImagePath")->text(), path);
        QCOMPARE(kvtest::Find<QComboBox>(&dialog, "m_Combox_Stripe")->count(), items);
        QCOMPARE(Cell(&dialog, "tableWidget_OPK", 0), QString());
    }

    void imageInfo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("photo 4000x2250") << kImages + "/DJI_0024.JPG" << QSize(533, 300);
        QTest::newRow("photo 400x300") << kImages + "/FurnaceCreekInn.jpg" << QSize(400, 300);
        QTest::newRow("not an image") << "测试 目录/坏 图.jpg" << QSize();
        QTest::newRow("missing") << "测试 目录/none.jpg" << QSize();
    }

    void imageInfo()
    {
        QFETCH(QString, file);
        QFETCH(QSize, preview);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("测试 目录")));
        QFile bad(dir.filePath(QStringLiteral("测试 目录/坏 图.jpg")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("GIF89a this is not a jpeg at all");
        bad.close();
        const QString path = QFileInfo(file).isAbsolute() ? file : dir.filePath(file);

        ImageInfoDialog dialog;
        QCOMPARE(dialog.Frame()->Title(), QStringLiteral("Camera Setting"));
        const kvfd::ImageInfo image = MakeImage("x", "y");
        dialog.SetData(image.GetEOP(), path.toLocal8Bit().toStdString());
        QCOMPARE(dialog.Frame()->Title(), QFileInfo(path).fileName());
        QCOMPARE(kvtest::Find<QLabel>(&dialog, "iiw_x_")->text(), QStringLiteral("500000.123456"));
        QCOMPARE(kvtest::Find<QLabel>(&dialog, "iiw_z_")->text(), QStringLiteral("88.250000"));
        QCOMPARE(kvtest::Find<QLabel>(&dialog, "iiw_omega_")->text(), QStringLiteral("28.648"));
        QCOMPARE(kvtest::Find<QLabel>(&dialog, "iiw_kappa_")->text(), QStringLiteral("171.887"));
        const QPixmap shown
            = kvtest::Find<QLabel>(&dialog, "iiw_image_")->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.isNull() ? QSize() : shown.size(), preview);
    }
};

QTEST_MAIN(TestImageProperty)
#include "tst_imageproperty.moc"
