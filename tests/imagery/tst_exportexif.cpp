#include "framework/kvshared.h"
#include "imagery/exifdialog.h"
#include "imagery/exportsettingdialog.h"
#include "imagerytest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace imagerytest;

namespace {

using Folders = std::vector<std::pair<std::string, std::string>>;

QString Outputs(const Folders& folders)
{
    QStringList outputs;
    for (const auto& pair : folders)
        outputs << String2QString(pair.second);
    return outputs.join(QLatin1Char(' '));
}

} // namespace

class TestExportExif : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    // Clicks on the image boxes, in order; "All" excludes the others and one
    // box is always checked.
    void imageChoice_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("checked"); // A S E
        QTest::addColumn<int>("images");
        QTest::newRow("start") << QStringList() << "A" << 0;
        QTest::newRow("selected and enabled")
            << QStringList {"esw_selected_check_", "esw_enable_check_"} << "SE" << 3;
        QTest::newRow("all again")
            << QStringList {"esw_selected_check_", "esw_enable_check_", "esw_all_check_"} << "A"
            << 0;
        QTest::newRow("last one unchecked")
            << QStringList {"esw_enable_check_", "esw_enable_check_"} << "A" << 0;
    }

    void imageChoice()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, checked);
        QFETCH(int, images);
        ExportSettingWidget form;
        // click(): a mouse click in the middle of a form never shown may miss
        // a short label.
        for (const QString& name : clicks)
            kvtest::Find<QAbstractButton>(&form, name)->click();
        QString state;
        for (const char* name : {"esw_all_check_", "esw_selected_check_", "esw_enable_check_"}) {
            if (kvtest::Find<QCheckBox>(&form, QLatin1String(name))->isChecked())
                state += QChar::fromLatin1(name[4]).toUpper();
        }
        QCOMPARE(state, checked);
        int got = 0;
        int angle = -1, name = -1, coord = -1;
        char separator = 0;
        std::string path = "x";
        form.Get(got, angle, name, coord, separator, path);
        QCOMPARE(got, images);
    }

    // OK waits for a target file; the answers come back as chosen.
    void exportChoices()
    {
        ExportSettingDialog dialog;
        auto* ok = kvtest::Find<QPushButton>(&dialog, QStringLiteral("esw_ok_btn_"));
        QVERIFY(!ok->isEnabled());
        const QString file = m_temp.filePath(QStringLiteral("位置 输出.txt"));
        QVERIFY(kvtest::ClickAndChooseFile(&dialog, QStringLiteral("esw_save_btn_"), file));
        QVERIFY(ok->isEnabled());
        kvtest::Find<QComboBox>(&dialog, QStringLiteral("esw_gap_"))->setCurrentIndex(3);
        Click(&dialog, QStringLiteral("esw_international_"));
        Click(&dialog, QStringLiteral("esw_longlat_"));
        Click(&dialog, QStringLiteral("esw_without_ext_"));
        int images = 0, angle = 0, name = 0, coord = 0;
        char separator = 0;
        std::string path;
        dialog.Get(images, angle, name, coord, separator, path);
        QCOMPARE(separator, ';');
        QCOMPARE(angle * 100 + name * 10 + coord, 111);
        QCOMPARE(String2QString(path), file);
    }

    // Without a destination the tags are written in place; a folder added
    // twice is listed once.
    void exifInPlace()
    {
        ExifDialog dialog;
        Click(&dialog, QStringLiteral("exw_copy_"));
        kvtest::SetText(&dialog, QStringLiteral("exw_output_"), QStringLiteral(" "));
        for (const char* source : {"/数据/航线", "E:/b/航线", "/数据/航线"})
            dialog.Widget()->AddFolder(QString::fromUtf8(source));
        kvtest::SetText(&dialog, QStringLiteral("exw_pos_"), QStringLiteral(" /pos.txt "));
        Folders folders;
        std::string pos;
        int match = -1;
        dialog.Get(folders, pos, match);
        QCOMPARE(Outputs(folders), QStringLiteral("/数据/航线 E:/b/航线"));
        QCOMPARE(pos, std::string("/pos.txt"));
        QCOMPARE(match, 0);
    }

    // Removing the selected row renumbers the rest; OK needs folders, a POS
    // file and, for copies, a destination.
    void exifDialog()
    {
        Folders folders {{"keep", "keep"}};
        std::string pos = "keep";
        int match = -1;
        kvtest::ModalAnswer answer;
        answer
            .Do([](QWidget* dialog) {
                auto* widget = dialog->findChild<ExifWidget*>();
                auto* table = kvtest::Find<QTableWidget>(dialog, QStringLiteral("exw_table_"));
                for (const char* source : {"D:/a/img", "E:/b/img", "G:/c/img"})
                    widget->AddFolder(QLatin1String(source));
                kvtest::SetText(dialog, QStringLiteral("exw_output_"), QStringLiteral("F:/out"));
                Click(dialog, QStringLiteral("exw_ok_")); // no POS path
                kvtest::SetText(dialog, QStringLiteral("exw_pos_"), QStringLiteral("p.txt"));
                Click(dialog, QStringLiteral("exw_copy_"));
                kvtest::SetText(dialog, QStringLiteral("exw_output_"), QString());
                Click(dialog, QStringLiteral("exw_ok_")); // copies without destination
                kvtest::SetText(dialog, QStringLiteral("exw_output_"), QStringLiteral("F:/out"));
                table->selectRow(0);
                Click(dialog, QStringLiteral("exw_remove_"));
                Click(dialog, QStringLiteral("exw_by_order_"));
            })
            .Click(QStringLiteral("exw_ok_"))
            .Arm();
        QVERIFY(ShowExifDialog(folders, pos, match));
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(Outputs(folders), QStringLiteral("F:/out/img_1 F:/out/img_2"));
        QCOMPARE(folders[0].first, std::string("E:/b/img"));
        QCOMPARE(match, 1);
    }
};

QTEST_MAIN(TestExportExif)
#include "tst_exportexif.moc"
