#include "framework/kvshared.h"
#include "imagery/posloaddialog.h"
#include "imagerytest.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <tuple>

using namespace imagerytest;

namespace {

const QString kCsv = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/pos/ngi_xyz_opk.csv");
constexpr double kDeg = 0.017453292519943295;

const std::map<QString, const char*> kButtons
    = {{"ID", "plw_id_btn_"},     {"X", "plw_x_btn_"},         {"Y", "plw_y_btn_"},
       {"Z", "plw_z_btn_"},       {"Omega", "plw_omega_btn_"}, {"Phi", "plw_phi_btn_"},
       {"-Phi", "plw_nphi_btn_"}, {"Kappa", "plw_kappa_btn_"}, {"?", "plw_question_btn_"}};

QTableView* Table(QWidget* w)
{
    return kvtest::Find<QTableView>(w, "pos_table_widget_");
}

// Selects column (none when negative) and presses the button of label.
void Label(PosLoadWidget* w, int column, const QString& label)
{
    Table(w)->clearSelection();
    if (column >= 0)
        Table(w)->selectColumn(column);
    Click(w, kButtons.at(label));
}

// The table's headers, then its row count.
QString Shown(QWidget* w)
{
    return Headers(Table(w)) + QStringLiteral(" / %1").arg(Table(w)->model()->rowCount());
}

} // namespace

class TestPosLoad : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(m_dir.isValid());
    }

    // The match and longitude choices reach the project in the wizard's suite.
    void importWithHeaderFromChinesePath()
    {
        const QString path = m_dir.filePath("测试 目录/位置 数据.csv");
        QVERIFY(QDir().mkpath(m_dir.filePath("测试 目录")) && QFile::copy(kCsv, path));
        PosLoadWidget w;
        w.LoadFile(path);
        QCOMPARE(GetDefaultPath(), m_dir.filePath("测试 目录"));
        kvtest::Find<QLineEdit>(&w, "plw_begin_line_edit_")->setText("2");
        Label(&w, 4, "Omega");
        Label(&w, 5, "-Phi");
        Label(&w, 6, "Kappa");
        const std::vector<PosData> records = w.GetPosDatas();
        QCOMPARE(records[0].name, std::string("3324c_2015_1004_05_0182_RGB"));
        QCOMPARE(records[0].eop.Phi, -0.298 * kDeg); // -Phi: negated, in radians
        kvtest::Find<QComboBox>(&w, "plw_degree_combox_")->setCurrentIndex(1);
        QCOMPARE(w.GetPosDatas()[0].eop.Omega, -0.349);

        // A file that cannot be read changes nothing.
        w.LoadFile(m_dir.filePath("missing.txt"));
        w.LoadFile(m_dir.path());
        QCOMPARE(kvtest::Find<QLineEdit>(&w, "kvlineedit")->text(), path);
        QCOMPARE(Shown(&w), QStringLiteral("ID X Y Z Omega -Phi Kappa / 4"));
    }

    void beginLine()
    {
        PosLoadWidget w;
        w.LoadFile(kCsv);
        auto* edit = kvtest::Find<QLineEdit>(&w, "plw_begin_line_edit_");
        const std::tuple<const char*, int, int> cases[] = {{"0", 1, 5}, {"9", 9, 0}};
        for (const auto& [text, line, shown] : cases) {
            edit->setText("4");
            edit->setText(text);
            QCOMPARE(w.BeginLine(), line);
            QCOMPARE(int(w.GetPosDatas().size()), shown);
        }
        // Only digits can be typed: no letters, signs or group separators.
        edit->clear();
        QTest::keyClicks(edit, "a-1,2x");
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QCOMPARE(w.BeginLine(), 12);
    }

    // A file with more than 20 fields keeps the columns of the one before.
    void wideFileKeepsColumns()
    {
        QByteArray wide = "a";
        for (int i = 0; i < 24; ++i)
            wide += " " + QByteArray::number(i);
        const QString widePath = m_dir.filePath("wide.txt");
        QVERIFY(WriteFile(widePath, wide + "\nb 1 2 3\n"));
        PosLoadDialog dialog;
        PosLoadWidget* w = dialog.Widget();
        w->LoadFile(widePath);
        QVERIFY(w->Labels().isEmpty());
        QSignalSpy accepted(&dialog, &QDialog::accepted);

        w->LoadFile(kCsv);
        Label(w, 6, "Phi");
        w->LoadFile(widePath);
        QCOMPARE(Shown(w), QStringLiteral("ID X Y Z ? ? Phi / 2"));
        QCOMPARE(w->GetPosDatas()[1].eop.Z, 3.0);
        Click(w, "plw_ok_btn_");
        QCOMPARE(accepted.count(), 1);
    }
};

QTEST_MAIN(TestPosLoad)
#include "tst_posload.moc"
