#include "framework/kvshared.h"
#include "framework/titlewidget.h"
#include "imagery/posloaddialog.h"
#include "modalanswer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

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
    QTest::mouseClick(kvtest::Find<QPushButton>(w, kButtons.at(label)), Qt::LeftButton);
}

QString Headers(QTableView* table)
{
    QStringList headers;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        headers << table->model()->headerData(c, Qt::Horizontal).toString();
    return headers.join(' ');
}

} // namespace

class TestPosLoad : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Write(const QString& name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QVERIFY(m_dir.isValid());
    }

    void form()
    {
        PosLoadDialog dialog;
        PosLoadWidget* w = dialog.Widget();
        QCOMPARE(dialog.findChild<TitleWidget*>()->Title(), QStringLiteral("Import GNSS/IMU"));
        QCOMPARE(kvtest::Find<QPushButton>(w, "plw_ok_btn_")->objectName(),
                 QStringLiteral("kvcombtn"));
        QCOMPARE(kvtest::Find<QComboBox>(w, "plw_match_combox_")->itemText(1),
                 QStringLiteral("Without Ext"));
        for (const auto& button : kButtons)
            QCOMPARE(kvtest::Find<QPushButton>(w, button.second)->text(), button.first);
        QTableView* table = Table(w);
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectColumns);
        QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(table->font().pointSize(), w->font().pointSize() - 1);
    }

    void importWithHeaderFromChinesePath()
    {
        const QString path = Write("测试 目录/位置 数据.csv", QByteArray());
        QVERIFY(QFile::remove(path) && QFile::copy(kCsv, path));
        PosLoadWidget w;
        w.LoadFile(path);
        QCOMPARE(kvtest::Find<QLineEdit>(&w, "kvlineedit")->text(), path);
        QCOMPARE(GetDefaultPath(), m_dir.filePath("测试 目录"));
        QCOMPARE(Headers(Table(&w)), QStringLiteral("ID X Y Z ? ? ?"));
        QCOMPARE(Table(&w)->model()->rowCount(), 5);
        kvtest::Find<QLineEdit>(&w, "plw_begin_line_edit_")->setText("2");
        QCOMPARE(Table(&w)->model()->rowCount(), 4);
        QCOMPARE(Table(&w)->model()->index(0, 0).data().toString(),
                 QStringLiteral("3324c_2015_1004_05_0182_RGB"));
        Label(&w, 4, "Omega");
        Label(&w, 5, "-Phi");
        Label(&w, 6, "Kappa");
        kvtest::Find<QComboBox>(&w, "plw_match_combox_")->setCurrentIndex(2);
        kvtest::Find<QCheckBox>(&w, "plw_is_longlat_")->setChecked(true);
        const std::vector<PosData> records = w.GetPosDatas();
        QCOMPARE(int(records.size()), 4);
        QCOMPARE(records[3].name, std::string("3324c_2015_1004_06_0253_RGB"));
        QCOMPARE(records[0].eop.X, -55094.504);
        QCOMPARE(records[0].eop.Omega, -0.349 * kDeg);
        QCOMPARE(records[0].eop.Phi, -(0.298 * kDeg));
        QCOMPARE(records[0].eop.Kappa, -179.087 * kDeg);
        QCOMPARE(w.GetMatchType(), PosMatchOrder);
        QVERIFY(w.IsLatLong());
        kvtest::Find<QComboBox>(&w, "plw_degree_combox_")->setCurrentIndex(1);
        QCOMPARE(w.GetPosDatas()[0].eop.Omega, -0.349);
    }

    void columnLabels_data()
    {
        QTest::addColumn<QString>("steps"); // column:label ...
        QTest::addColumn<QString>("labels");
        QTest::newRow("a second X moves the label") << "2:X"
                                                    << "ID ? X Z ? ? ?";
        QTest::newRow("-Phi resets Phi") << "5:Phi 6:-Phi"
                                         << "ID X Y Z ? ? -Phi";
        QTest::newRow("Phi resets -Phi") << "6:-Phi 5:Phi"
                                         << "ID X Y Z ? Phi ?";
        QTest::newRow("relabel in place") << "4:Omega 4:Kappa"
                                          << "ID X Y Z Kappa ? ?";
        QTest::newRow("? frees a column") << "0:?"
                                          << "? X Y Z ? ? ?";
        QTest::newRow("nothing selected") << "-1:Omega"
                                          << "ID X Y Z ? ? ?";
    }

    void columnLabels()
    {
        QFETCH(QString, steps);
        QFETCH(QString, labels);
        PosLoadWidget w;
        w.LoadFile(kCsv);
        for (const QString& step : steps.split(' '))
            Label(&w, step.section(':', 0, 0).toInt(), step.section(':', 1));
        QCOMPARE(w.Labels().join(' '), labels);
        QCOMPARE(Headers(Table(&w)), labels);
    }

    void beginLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beginLine");
        QTest::addColumn<int>("shown");
        QTest::newRow("0 counts as 1") << "0" << 1 << 5;
        QTest::newRow("empty counts as 1") << "" << 1 << 5;
        QTest::newRow("3") << "3" << 3 << 3;
        QTest::newRow("beyond the rows") << "9" << 9 << 0;
    }

    void beginLine()
    {
        QFETCH(QString, text);
        QFETCH(int, beginLine);
        QFETCH(int, shown);
        PosLoadWidget w;
        w.LoadFile(kCsv);
        kvtest::Find<QLineEdit>(&w, "plw_begin_line_edit_")->setText("4");
        kvtest::Find<QLineEdit>(&w, "plw_begin_line_edit_")->setText(text);
        QCOMPARE(w.BeginLine(), beginLine);
        QCOMPARE(Table(&w)->model()->rowCount(), shown);
        QCOMPARE(w.Labels().size(), 7); // columns are not recomputed
        QCOMPARE(int(w.GetPosDatas().size()), shown);
    }

    void wideFileKeepsColumns()
    {
        QByteArray wide = "a";
        for (int i = 0; i < 24; ++i)
            wide += " " + QByteArray::number(i);
        const QString widePath = Write("wide.txt", wide + "\nb 1 2 3\n");

        PosLoadDialog dialog;
        PosLoadWidget* w = dialog.Widget();
        w->LoadFile(widePath);
        QCOMPARE(int(w->Rows().size()), 2);
        QVERIFY(w->Labels().isEmpty());
        kvtest::ModalAnswer answer;
        answer.ExpectTitle("Warning")
            .ExpectText("Please Set ID X Y Z")
            .Do([](QWidget* box) { box->close(); })
            .Arm();
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QTest::mouseClick(kvtest::Find<QPushButton>(w, "plw_ok_btn_"), Qt::LeftButton);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(accepted.count(), 0);

        w->LoadFile(kCsv);
        Label(w, 6, "Phi");
        w->LoadFile(widePath);
        QCOMPARE(w->Labels().join(' '), QStringLiteral("ID X Y Z ? ? Phi"));
        QCOMPARE(Table(w)->model()->rowCount(), 2);
        const std::vector<PosData> records = w->GetPosDatas();
        QCOMPARE(records[0].eop.Phi, 5 * kDeg);
        QCOMPARE(records[1].eop.Z, 3.0);
        QTest::mouseClick(kvtest::Find<QPushButton>(w, "plw_ok_btn_"), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
    }

    void unreadableFileChangesNothing()
    {
        PosLoadWidget w;
        w.LoadFile(kCsv);
        Label(&w, 4, "Omega");
        w.LoadFile(m_dir.filePath("missing.txt"));
        w.LoadFile(m_dir.path());
        QCOMPARE(kvtest::Find<QLineEdit>(&w, "kvlineedit")->text(), kCsv);
        QCOMPARE(w.Labels().join(' '), QStringLiteral("ID X Y Z Omega ? ?"));
        QCOMPARE(int(w.Rows().size()), 5);
        QCOMPARE(Table(&w)->model()->rowCount(), 5);
    }

    void hugeFieldIsReadWholeAndShownCut()
    {
        const QByteArray field(5 << 20, 'q');
        PosLoadWidget w;
        w.LoadFile(Write("huge.txt", field + "\r\n"));
        QCOMPARE(w.Labels().join(' '), QStringLiteral("ID"));
        QCOMPARE(w.GetPosDatas().at(0).name.size(), std::size_t(field.size()));
        QVERIFY(Table(&w)->model()->index(0, 0).data().toString().size() < 1000);
    }

    void browseAndCancel()
    {
        PosLoadDialog dialog;
        kvtest::ModalAnswer answer;
        answer
            .Do([](QWidget* chooser) {
                static_cast<QFileDialog*>(chooser)->selectFile(kCsv);
                static_cast<QDialog*>(chooser)->accept();
            })
            .Arm();
        QTest::mouseClick(kvtest::Find<QPushButton>(dialog.Widget(), "plw_browse_pos_btn_"),
                          Qt::LeftButton);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QCOMPARE(int(dialog.Widget()->Rows().size()), 5);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QTest::mouseClick(kvtest::Find<QPushButton>(dialog.Widget(), "plw_cancel_btn_"),
                          Qt::LeftButton);
        QCOMPARE(rejected.count(), 1);
    }
};

QTEST_MAIN(TestPosLoad)
#include "tst_posload.moc"
