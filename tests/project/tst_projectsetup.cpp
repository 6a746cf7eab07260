#include "imagery/coordinatedialog.h"
#include "kvfd/kvconfiguration.h"
#include "kvfd/kvconststringfactory.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "project/flyprjsettingdialog.h"
#include "project/kvcreatprojectdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(kvfd::CoordinateInfo)

namespace {

QString Message(int id)
{
    return QString::fromStdString(kvfd::KvGetConstString(id));
}

using kvtest::Click;

// Clicks button, answering every message box that opens meanwhile; true when
// exactly one box showed message (none, for an empty message).
bool ClickShows(QWidget* root, const char* button, const QString& message = QString())
{
    const QList<QStringList> boxes = kvtest::AnswerEveryBox([&] { Click(root, button); });
    return message.isEmpty() ? boxes.isEmpty()
                             : boxes.size() == 1 && boxes.first().contains(message);
}

kvprj::KvProject DescribedProject()
{
    kvprj::KvProject project;
    kvprj::PrjInfo& info = project.GetPrjInfo();
    kvprj::CopyText(info.name, u8"武汉测区");
    kvprj::CopyText(info.prjOperator, u8"张工");
    kvprj::CopyText(info.date, "2023-04-05T06:07:08");
    kvprj::CopyText(info.description, u8"东湖高新区\n第二架次");
    return project;
}

} // namespace

class TestProjectSetup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("message"); // 0: accepted
        const QString name = QString::fromUtf8(u8"新工程");
        QTest::newRow("empty name") << QString() << QString() << 120;
        QTest::newRow("backslash") << name + QLatin1String("\\") << QString() << 121;
        QTest::newRow("129 letters") << name << QString(129, 'x') << 122;
        // The description field holds 256 bytes: 85 Chinese characters.
        QTest::newRow("86 Chinese") << name << QString(86, QChar(0x6d4b)) << 122;
    }

    // Through ShowPrjInfoDialog: a refused page keeps what was typed and stores
    // nothing, even when left by Exit.
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(int, message);
        kvprj::KvProject project = DescribedProject();
        bool shown = false;
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Project Information"))
            .Do([&](QWidget* dialog) {
                kvtest::SetText(dialog, "prj_name", name);
                kvtest::SetText(dialog, "prj_surveyDescribe", description);
                shown = ClickShows(dialog, "prj_nextBtn", message ? Message(message) : QString())
                    && kvtest::Text(dialog, "prj_name") == name;
                if (dialog->isVisible())
                    Click(dialog, "prj_quitBtn");
            })
            .Arm();
        QCOMPARE(int(ShowPrjInfoDialog(project)), int(message ? WR_CANCEL : WR_NEXT));
        QVERIFY2(answer.Done() && shown, qPrintable(answer.Error()));
        const kvprj::PrjInfo& info = project.GetPrjInfo();
        QCOMPARE(QString::fromUtf8(info.name), message ? QStringLiteral("武汉测区") : name);
        QCOMPARE(QString::fromUtf8(info.description),
                 message ? QStringLiteral("东湖高新区\n第二架次") : description);
    }

    void flightList()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("测试 目录"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub.jpg")));
        for (const char* name : {"b.JPG", "a.jpg", "c.tif", "d.png", "e.txt", "f.jpeg"})
            QVERIFY(QFile(QDir(folder).filePath(name)).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(folder + QStringLiteral("/a.jpg"), folder + QStringLiteral("/g.jpg")));

        FlyPrjSettingDialog dialog;
        auto* table = kvtest::Find<QTableWidget>(&dialog, "fpsw_table_");
        QVERIFY(ClickShows(&dialog, "fpsw_ok_btn_", Message(119)));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        // Adds the folder through the file chooser (opened in it: selecting a file
        // name is lost when the chooser's line edit has the focus); true when
        // message alone was shown.
        const auto addFolder = [&](const QString& message) {
            kvtest::ModalAnswer chooser;
            chooser
                .Do([folder](QWidget* w) {
                    auto* files = qobject_cast<QFileDialog*>(w);
                    files->setDirectory(folder);
                    static_cast<QDialog*>(files)->accept();
                })
                .Arm();
            return ClickShows(&dialog, "fpsw_add_folder_", message) && chooser.Done();
        };
        QVERIFY(addFolder(QString()));
        std::vector<std::string> expected;
        for (const char* name : {"a.jpg", "b.JPG", "c.tif", "d.png", "f.jpeg"})
            expected.push_back(QDir(folder).filePath(name).toStdString());
        QCOMPARE(dialog.GetImages(), expected);
        QVERIFY(addFolder(Message(118))); // the same folder again: one message, nothing added
        QCOMPARE(dialog.GetImages(), expected);

        table->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
        table->setRangeSelected(QTableWidgetSelectionRange(4, 0, 4, 1), true);
        Click(&dialog, "fpsw_remove_");
        QCOMPARE(dialog.GetImages(), (std::vector<std::string> {expected[0], expected[3]}));

        QVERIFY(ClickShows(&dialog, "fpsw_ok_btn_"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        Click(&dialog, "fpsw_clear_");
        QVERIFY(dialog.GetImages().empty());
    }

    // The dialog opens on the given system, on the first of its type when the
    // id is unknown; the next name is then chosen. Cancel changes nothing.
    void coordinate_data()
    {
        QTest::addColumn<kvfd::CoordinateInfo>("preset");
        QTest::addColumn<QString>("shown"); // local checked|lists enabled|type|name
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result"); // type|id|name|definition
        const kvfd::CoordinateInfo utm {kvfd::CT_WGS84_UTM, 32650, "UTM zone 50N", "EPSG:32650",
                                        "WGS 84"};
        QTest::newRow("local") << kvfd::CoordinateInfo() << "1|0|0|WGS 84" << true
                               << QStringLiteral("4|-1|本地坐标系|");
        QTest::newRow("utm") << utm << "0|1|0|UTM zone 50N" << true
                             << "0|32651|UTM zone 51N|EPSG:32651";
        QTest::newRow("cancel") << utm << "0|1|0|UTM zone 50N" << false
                                << "0|32650|UTM zone 50N|EPSG:32650";
        QTest::newRow("unknown id") << kvfd::CoordinateInfo {kvfd::CT_XIAN80, 99999, "", "", ""}
                                    << "0|1|2|Xian 1980 / Gauss-Kruger zone 13" << true
                                    << "2|2328|Xian 1980 / Gauss-Kruger zone 14|EPSG:2328";
    }

    void coordinate()
    {
        QFETCH(kvfd::CoordinateInfo, preset);
        QFETCH(QString, shown);
        QFETCH(bool, ok);
        QFETCH(QString, result);
        QString seen;
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Coordinate Setting"))
            .Do([&](QWidget* dialog) {
                auto* local = kvtest::Find<QRadioButton>(dialog, "crw_local_coordinate_check_btn_");
                auto* types = kvtest::Find<QComboBox>(dialog, "crw_prj_type_combox_");
                auto* names = kvtest::Find<QComboBox>(dialog, "crw_prj_name_combox_");
                seen = QStringLiteral("%1|%2|%3|")
                           .arg(local->isChecked())
                           .arg(types->isEnabled() && names->isEnabled())
                           .arg(types->currentIndex())
                    + names->currentText();
                names->setCurrentIndex(names->currentIndex() + 1);
            })
            .Click(ok ? "crw_ok_btn_" : "crw_cancel_btn_")
            .Arm();
        QCOMPARE(ShowCoordinateDialog(preset), ok);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(seen, shown);
        QCOMPARE(QStringLiteral("%1|%2|").arg(preset.type).arg(preset.id)
                     + QString::fromStdString(preset.name + '|' + preset.definition),
                 result);
    }
};

QTEST_MAIN(TestProjectSetup)
#include "tst_projectsetup.moc"
