#include "framework/kvshared.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/imageinfodialog.h"
#include "imagerytest.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace imagerytest;

namespace {

kvfd::ImageInfo MakeImage(const char* name, const char* path)
{
    return kvfd::ImageInfo(name, path, {500000.123456, 3300000.5, 88.25, 0.5, -0.25, 3.0}, 0);
}

QTableWidgetItem* Cell(QWidget* root, const char* table, int column)
{
    return kvtest::Find<QTableWidget>(root, table)->item(1, column);
}

} // namespace

class TestImageProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // One image: angles shown in degrees and read back in radians; letters
    // cannot be typed into a value cell, and a cell that holds no number
    // keeps the old value.
    void oneImage()
    {
        EditImagePropertyDialog dialog;
        EditImagePropertyWidget* widget = dialog.Widget();
        widget->SetImage(MakeImage("DJI_0001.JPG", "/data/航拍"), 2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(Cell(&dialog, "tableWidget_OPK", 0)->text(), QStringLiteral("28.648000"));
        QVERIFY(widget->GetEOP().Omega == 0.5); // exactly, back in radians

        auto* table = kvtest::Find<QTableWidget>(&dialog, "tableWidget_OPK");
        table->setCurrentItem(table->item(1, 2));
        table->editItem(table->item(1, 2));
        auto* editor = table->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "abc-1x2.5");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(table->item(1, 2)->text(), QStringLiteral("-12.5"));
        Cell(&dialog, "tableWidget_XYZ", 0)->setText(QStringLiteral("abc"));
        Cell(&dialog, "tableWidget_OPK", 1)->setText(QString());
        const kvfd::EOP eop = widget->GetEOP();
        QCOMPARE(eop.Kappa, -12.5 / 57.296);
        QCOMPARE(eop.X, 500000.123456);
        QCOMPARE(eop.Phi, -0.25);
    }

    // The path button asks for a folder: a chosen one replaces the path and is
    // remembered for the next chooser; cancelling keeps the path shown.
    void choosePath()
    {
        for (bool choose : {true, false}) {
            QTemporaryDir dir;
            const QString folder = dir.filePath("新 影像");
            QVERIFY(QDir().mkpath(folder));
            SetDefaultPath(dir.path(), false);
            EditImagePropertyDialog dialog;
            dialog.Widget()->SetImage(MakeImage("a.jpg", "/d/旧"), 1);
            kvtest::ModalAnswer answer;
            answer
                .Do([&](QWidget* w) {
                    auto* chooser = qobject_cast<QFileDialog*>(w);
                    QVERIFY(chooser);
                    if (choose)
                        kvtest::ChooseFile(chooser, folder);
                    else
                        chooser->reject();
                })
                .Arm();
            Click(&dialog, "m_Btn_ImagePath");
            QVERIFY2(answer.Done(), qPrintable(answer.Error()));
            QCOMPARE(dialog.Widget()->GetPath(),
                     (choose ? folder : QStringLiteral("/d/旧")).toStdString());
            QCOMPARE(GetDefaultPath(), choose ? folder : dir.path());
        }
    }

    void imageInfo_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("preview");
        const QString images = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images");
        QTest::newRow("photo 4000x2250") << images + "/DJI_0024.JPG" << QSize(533, 300);
        QTest::newRow("not an image") << "测试 目录/坏 图.jpg" << QSize();
    }

    void imageInfo()
    {
        QFETCH(QString, file);
        QFETCH(QSize, preview);
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath("测试 目录/坏 图.jpg"), "GIF89a not a jpeg at all"));
        const QString path = QFileInfo(file).isAbsolute() ? file : dir.filePath(file);
        ImageInfoDialog dialog;
        dialog.SetData(MakeImage("x", "y").GetEOP(), path.toLocal8Bit().toStdString());
        QCOMPARE(Text(&dialog, "iiw_omega_") + ' ' + Text(&dialog, "iiw_kappa_"),
                 QStringLiteral("28.648 171.887"));
        const QPixmap shown
            = kvtest::Find<QLabel>(&dialog, "iiw_image_")->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.isNull() ? QSize() : shown.size(), preview);
    }
};

QTEST_MAIN(TestImageProperty)
#include "tst_imageproperty.moc"
