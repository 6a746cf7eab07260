#include "kvfd/kvconfiguration.h"
#include "kvfd/kvconststringfactory.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "project/coordinatedialog.h"
#include "project/flyprjsettingdialog.h"
#include "project/kvcreatprojectdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>

Q_DECLARE_METATYPE(kvfd::CoordinateInfo)

namespace {

const QString kOkButton = QStringLiteral("kvsb_ok_btn_");

QString Message(int id)
{
    return QString::fromStdString(kvfd::KvGetConstString(id));
}

void Click(QWidget* root, const char* name)
{
    QTest::mouseClick(kvtest::Find<QPushButton>(root, name), Qt::LeftButton);
}

// Types text character by character, as a keyboard would (Chinese included).
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// Answers every message box that opens while it lives, keeping the texts of
// each, so that a test sees how many boxes an action showed.
class MessageLog
{
public:
    MessageLog()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget* box : QApplication::topLevelWidgets()) {
                auto* ok = kvtest::Find<QPushButton>(box, kOkButton);
                // A box answered is hidden at once.
                if (!ok || !box->isVisible())
                    continue;
                QStringList texts;
                for (QLabel* label : box->findChildren<QLabel*>())
                    texts << label->text();
                m_boxes << texts;
                QTest::mouseClick(ok, Qt::LeftButton);
            }
        });
        m_timer.start(10);
    }

    // True when exactly one box opened and it showed message, or, for an
    // empty message, when none opened.
    bool ShowedOnly(const QString& message) const
    {
        return message.isEmpty() ? m_boxes.isEmpty()
                                 : m_boxes.size() == 1 && m_boxes.first().contains(message);
    }

private:
    QTimer m_timer;
    QList<QStringList> m_boxes;
};

bool ClickShows(QWidget* root, const char* button, const QString& message = QString())
{
    MessageLog log;
    Click(root, button);
    return log.ShowedOnly(message);
}

kvprj::KvProject DescribedProject()
{
    kvprj::KvProject project;
    kvprj::PrjInfo& info = project.GetPrjInfo();
    kvprj::CopyText(info.name, u8"武汉测区");
    kvprj::CopyText(info.prjOperator, u8"张工");
    kvprj::CopyText(info.date, "2023-04-05T06:07:08");
    kvprj::CopyText(info.description, u8"东湖高新区\n第二架次");
    info.viewType = 0;
    info.aircraftType = 99;
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

    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kept");
        QTest::newRow("32 letters") << QString(32, QLatin1Char('a')) << 32;
        QTest::newRow("33 letters") << QString(33, QLatin1Char('a')) << 32;
        // 21 Chinese characters fill 63 of the field's 64 bytes.
        QTest::newRow("21 Chinese") << QString(21, QChar(0x6d4b)) << 21;
        QTest::newRow("22 Chinese") << QString(22, QChar(0x6d4b)) << 21;
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(int, kept);
        KvCreatProjectWidget page;
        for (const char* name : {"prj_name", "prj_operator"}) {
            auto* edit = kvtest::Find<QLineEdit>(&page, name);
            Type(edit, typed);
            QCOMPARE(edit->text(), typed.left(kept));
        }
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("message"); // 0: accepted
        const QString name = QString::fromUtf8(u8"新工程");
        QTest::newRow("empty name") << QString() << QString() << 120;
        for (const char* c : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::newRow(c) << name + QLatin1String(c) << QString() << 121;
        QTest::newRow("bad name first")
            << QStringLiteral("a/b") << QString(200, QLatin1Char('x')) << 121;
        QTest::newRow("128 letters") << name << QString(128, QLatin1Char('x')) << 0;
        QTest::newRow("129 letters") << name << QString(129, QLatin1Char('x')) << 122;
        // The description field holds 256 bytes: 85 Chinese characters.
        QTest::newRow("85 Chinese") << name << QString(85, QChar(0x6d4b)) << 0;
        QTest::newRow("86 Chinese") << name << QString(86, QChar(0x6d4b)) << 122;
    }

    void validation()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(int, message);
        kvprj::KvProject project = DescribedProject();
        KvCreatProjectDialog dialog;
        dialog.SetProject(&project);
        kvtest::Find<QLineEdit>(&dialog, "prj_name")->setText(name);
        kvtest::Find<QPlainTextEdit>(&dialog, "prj_surveyDescribe")->setPlainText(description);

        QVERIFY(ClickShows(&dialog, "prj_nextBtn", message ? Message(message) : QString()));
        const kvprj::PrjInfo& info = project.GetPrjInfo();
        if (message) {
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(QString::fromUtf8(info.name), QString::fromUtf8(u8"武汉测区"));
            QCOMPARE(kvtest::Find<QLineEdit>(&dialog, "prj_name")->text(), name);
        } else {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.Result(), WR_NEXT);
            QCOMPARE(QString::fromUtf8(info.name), name);
            QCOMPARE(QString::fromUtf8(info.description), description);
        }
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("aircraft");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("stored");
        QTest::newRow("first") << 0 << 0 << 0;
        QTest::newRow("fifth") << 4 << 4 << 4;
        QTest::newRow("other") << 99 << 5 << 99;
        QTest::newRow("unknown") << 7 << 5 << 99;
    }

    void roundTrip()
    {
        QFETCH(int, aircraft);
        QFETCH(int, index);
        QFETCH(int, stored);
        kvprj::KvProject project = DescribedProject();
        project.GetPrjInfo().aircraftType = aircraft;
        const kvprj::PrjInfo before = project.GetPrjInfo();

        KvCreatProjectDialog dialog;
        dialog.SetProject(&project);
        QCOMPARE(kvtest::Find<QComboBox>(&dialog, "prj_uav_type_")->currentIndex(), index);
        QVERIFY(kvtest::Find<QRadioButton>(&dialog, "prj_oblique_")->isChecked());
        QCOMPARE(kvtest::Find<QDateTimeEdit>(&dialog, "prj_date_")->dateTime(),
                 QDateTime(QDate(2023, 4, 5), QTime(6, 7, 8)));
        QCOMPARE(kvtest::Find<QPlainTextEdit>(&dialog, "prj_surveyDescribe")->toPlainText(),
                 QString::fromUtf8(before.description));

        QVERIFY(ClickShows(&dialog, "prj_nextBtn"));
        const kvprj::PrjInfo& info = project.GetPrjInfo();
        QCOMPARE(info.aircraftType, stored);
        QCOMPARE(info.viewType, 0);
        for (auto field : {&kvprj::PrjInfo::name, &kvprj::PrjInfo::prjOperator})
            QCOMPARE(QByteArray(info.*field), QByteArray(before.*field));
        QCOMPARE(QByteArray(info.date), QByteArray(before.date));
        QCOMPARE(QByteArray(info.description), QByteArray(before.description));
    }

    void emptyDateTakesNow()
    {
        kvprj::KvProject project;
        kvprj::CopyText(project.GetPrjInfo().name, "p");
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        KvCreatProjectDialog dialog;
        dialog.SetProject(&project);
        const QDateTime shown = kvtest::Find<QDateTimeEdit>(&dialog, "prj_date_")->dateTime();
        QVERIFY(shown >= before && shown <= QDateTime::currentDateTime());
        QVERIFY(kvtest::Find<QRadioButton>(&dialog, "prj_nadir_")->isChecked());

        QVERIFY(ClickShows(&dialog, "prj_nextBtn"));
        // Stored to the second.
        QCOMPARE(QDateTime::fromString(project.GetPrjInfo().date, Qt::ISODate),
                 shown.addMSecs(-shown.time().msec()));
        QCOMPARE(project.GetPrjInfo().viewType, 1);
    }

    void showPrjInfoDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("next") << "prj_nextBtn" << int(WR_NEXT);
        QTest::newRow("exit") << "prj_quitBtn" << int(WR_CANCEL);
    }

    void showPrjInfoDialog()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        kvprj::KvProject project = DescribedProject();
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Project Information"))
            .Do([](QWidget* dialog) {
                kvtest::Find<QLineEdit>(dialog, "prj_name")->setText(QStringLiteral("renamed"));
            })
            .Click(button)
            .Arm();
        QCOMPARE(int(ShowPrjInfoDialog(project)), result);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(QByteArray(project.GetPrjInfo().name),
                 result == WR_NEXT ? QByteArray("renamed") : QByteArray(u8"武汉测区"));
    }

    void flightList()
    {
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("测试 目录"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub.jpg")));
        for (const char* name : {"b.JPG", "a.jpg", "c.tif", "d.png", "e.txt", "f.jpeg"}) {
            QFile file(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(folder + QStringLiteral("/a.jpg"), folder + QStringLiteral("/g.jpg")));

        FlyPrjSettingDialog dialog;
        auto* table = kvtest::Find<QTableWidget>(&dialog, "fpsw_table_");
        auto* remove = kvtest::Find<QPushButton>(&dialog, "fpsw_remove_");
        auto* clear = kvtest::Find<QPushButton>(&dialog, "fpsw_clear_");
        QVERIFY(!remove->isEnabled() && !clear->isEnabled());
        QVERIFY(ClickShows(&dialog, "fpsw_ok_btn_", Message(119)));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        auto addFolder = [&] {
            kvtest::ModalAnswer chooser;
            chooser
                .Do([folder](QWidget* w) {
                    auto* files = qobject_cast<QFileDialog*>(w);
                    QVERIFY(files);
                    files->setDirectory(folder);
                    files->selectFile(folder);
                    static_cast<QDialog*>(files)->accept();
                })
                .Arm();
            Click(&dialog, "fpsw_add_folder_");
            QVERIFY(chooser.Done());
        };
        addFolder();
        const QStringList names {"a.jpg", "b.JPG", "c.tif", "d.png", "f.jpeg"};
        std::vector<std::string> expected;
        for (const QString& name : names)
            expected.push_back((folder + QLatin1Char('/') + name).toStdString());
        QCOMPARE(dialog.GetImages(), expected);
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("a.jpg"));
        QCOMPARE(table->item(0, 1)->text(), folder);
        QVERIFY(clear->isEnabled());

        // The same folder again: one message, nothing added.
        {
            MessageLog log;
            addFolder();
            QVERIFY(log.ShowedOnly(Message(118)));
        }
        QCOMPARE(dialog.GetImages(), expected);

        table->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
        table->setRangeSelected(QTableWidgetSelectionRange(4, 0, 4, 1), true);
        QVERIFY(remove->isEnabled());
        Click(&dialog, "fpsw_remove_");
        QCOMPARE(dialog.GetImages(), (std::vector<std::string> {expected[0], expected[3]}));
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(!remove->isEnabled());

        QVERIFY(ClickShows(&dialog, "fpsw_ok_btn_"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        Click(&dialog, "fpsw_clear_");
        QVERIFY(dialog.GetImages().empty() && !clear->isEnabled());
    }

    void coordinatePreset_data()
    {
        QTest::addColumn<kvfd::CoordinateInfo>("preset");
        QTest::addColumn<bool>("local");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        kvfd::CoordinateInfo local;
        QTest::newRow("local") << local << true << 0 << QStringLiteral("WGS 84");
        kvfd::CoordinateInfo utm {kvfd::CT_WGS84_UTM, 32650, "UTM zone 50N", "", ""};
        QTest::newRow("utm 50N") << utm << false << 0 << QStringLiteral("UTM zone 50N");
        kvfd::CoordinateInfo unknown {kvfd::CT_XIAN80, 99999, "none", "", ""};
        QTest::newRow("unknown id")
            << unknown << false << 2 << QStringLiteral("Xian 1980 / Gauss-Kruger zone 13");
        kvfd::CoordinateInfo other {kvfd::CT_LOCAL, 5, "odd", "", ""};
        QTest::newRow("type 4") << other << false << 0 << QStringLiteral("WGS 84");
    }

    void coordinatePreset()
    {
        QFETCH(kvfd::CoordinateInfo, preset);
        QFETCH(bool, local);
        QFETCH(int, type);
        QFETCH(QString, name);
        CoordinateDialog dialog;
        dialog.Widget()->SetCoordinate(preset);
        auto* types = kvtest::Find<QComboBox>(&dialog, "crw_prj_type_combox_");
        auto* names = kvtest::Find<QComboBox>(&dialog, "crw_prj_name_combox_");
        QCOMPARE(
            kvtest::Find<QRadioButton>(&dialog, "crw_local_coordinate_check_btn_")->isChecked(),
            local);
        QCOMPARE(types->isEnabled(), !local);
        QCOMPARE(names->isEnabled(), !local);
        QCOMPARE(types->currentIndex(), type);
        QCOMPARE(names->currentText(), name);
        const int listed
            = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinates(type).Size();
        QCOMPARE(names->count(), listed);

        Click(&dialog, "crw_ok_btn_");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const kvfd::CoordinateInfo chosen = dialog.Widget()->GetCoordinate();
        if (local) {
            QCOMPARE(int(chosen.type), 4);
            QCOMPARE(chosen.id, -1);
            QCOMPARE(QString::fromStdString(chosen.name), QStringLiteral("本地坐标系"));
            QVERIFY(chosen.definition.empty());
        } else {
            QCOMPARE(int(chosen.type), type);
            QCOMPARE(QString::fromStdString(chosen.name), name);
        }
    }

    void coordinateChecks()
    {
        CoordinateWidget widget;
        auto* local = kvtest::Find<QRadioButton>(&widget, "crw_local_coordinate_check_btn_");
        auto* projected = kvtest::Find<QRadioButton>(&widget, "crw_project_coordinate_check_btn_");
        auto* types = kvtest::Find<QComboBox>(&widget, "crw_prj_type_combox_");
        QTest::mouseClick(projected, Qt::LeftButton, {}, QPoint(5, projected->height() / 2));
        QVERIFY(types->isEnabled());
        types->setCurrentIndex(3);
        QVERIFY(kvtest::Find<QComboBox>(&widget, "crw_prj_name_combox_")
                    ->currentText()
                    .startsWith(QStringLiteral("CGCS2000 /")));
        QTest::mouseClick(local, Qt::LeftButton, {}, QPoint(5, local->height() / 2));
        QVERIFY(!types->isEnabled());
    }

    void showCoordinateDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ok") << "crw_ok_btn_" << true;
        QTest::newRow("cancel") << "crw_cancel_btn_" << false;
    }

    void showCoordinateDialog()
    {
        QFETCH(QString, button);
        QFETCH(bool, accepted);
        kvfd::CoordinateInfo coordinate {kvfd::CT_WGS84_UTM, 32650, "UTM zone 50N", "EPSG:32650",
                                         "WGS 84"};
        kvtest::ModalAnswer answer;
        answer.ExpectTitle(QStringLiteral("Coordinate Setting"))
            .Do([](QWidget* dialog) {
                kvtest::Find<QComboBox>(dialog, "crw_prj_name_combox_")
                    ->setCurrentText(QStringLiteral("UTM zone 51N"));
            })
            .Click(button)
            .Arm();
        QCOMPARE(ShowCoordinateDialog(coordinate), accepted);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(coordinate.id, accepted ? 32651 : 32650);
        QCOMPARE(coordinate.definition, std::string(accepted ? "EPSG:32651" : "EPSG:32650"));
    }
};

QTEST_MAIN(TestProjectSetup)
#include "tst_projectsetup.moc"
