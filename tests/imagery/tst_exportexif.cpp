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
