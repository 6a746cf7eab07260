// kvsql::Database on SQLite: round trips, the all-or-nothing promise of
// AddRecords, missing columns and damaged files.

#include "../platform/platformtest.h"
#include "kvsql/database.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

using kvsql::Database;
using Rows = std::vector<std::vector<std::string>>;

namespace {

bool SelectAll(Database& db, const std::string& table, const std::vector<std::string>& columns,
               Rows& rows)
{
    rows.clear();
    return db.Select(table, columns, [&rows](const std::vector<std::string>& row) {
        rows.push_back(row);
        return true;
    });
}

const std::vector<kvsql::Field> kFields = {{"id", 1, 0}, {"name", 3, 0}, {"focal", 2, 0}};

} // namespace

class TestKvsql : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("row"); // id, name, focal
        QTest::newRow("chinese") << QStringList {"0", QStringLiteral("大疆 精灵4 相机"), "35"};
        QTest::newRow("quotes") << QStringList {"-3", "a'b\";DROP TABLE camera;--", "1e-07"};
        QTest::newRow("text in number columns") << QStringList {"abc", "x", "n/a"};
    }

    void roundTrip()
    {
        QFETCH(QStringList, row);
        std::vector<std::string> first;
        for (const QString& text : row)
            first.push_back(text.toStdString());
        const std::vector<std::string> second = {"1", "second", "2.5"};
        // Every row creates over the file of the row before: Create replaces it.
        const std::string path = Path(QStringLiteral("相机.db"));
        {
            Database db;
            QVERIFY(db.Create(path));
            QVERIFY(db.CreateTable("camera", kFields));
            std::vector<std::string> values = first;
            values.insert(values.end(), second.begin(), second.end());
            QVERIFY(db.AddRecords("camera", values, 3));
        }
        Database db;
        QVERIFY(db.Open(path));
        Rows rows;
        QVERIFY(SelectAll(db, "camera", {"id", "name", "focal"}, rows));
        QCOMPARE(rows, (Rows {first, second}));
    }

    void addRecordsAllOrNothing_data()
    {
        QTest::addColumn<int>("values");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("table");

        QTest::newRow("count does not divide") << 7 << 3 << "camera";
        QTest::newRow("count zero") << 6 << 0 << "camera";
        QTest::newRow("missing table") << 6 << 3 << "nothing";
    }

    void addRecordsAllOrNothing()
    {
        QFETCH(int, values);
        QFETCH(int, count);
        QFETCH(QString, table);

        Database db;
        QVERIFY(db.Create(Path("all.db")));
        QVERIFY(db.CreateTable("camera", kFields));
        QVERIFY(db.AddRecords("camera", {"1", "kept", "2"}, 3));
        std::vector<std::string> list;
        for (int i = 0; i < values; ++i)
            list.push_back(std::to_string(i));
        QVERIFY(!db.AddRecords(table.toStdString(), list, count));
        Rows rows;
        QVERIFY(SelectAll(db, "camera", {"name"}, rows));
        QCOMPARE(rows, (Rows {{"kept"}}));
    }

    void selectMissing()
    {
        Database db;
        QVERIFY(db.Create(Path("missing.db")));
        QVERIFY(db.CreateTable("camera", kFields));
        QVERIFY(db.AddRecords("camera", {"1", "a", "2"}, 3));
        int calls = 0;
        const auto count = [&calls](const std::vector<std::string>&) { return ++calls > 0; };
        QVERIFY(!db.Select("lens", {"id"}, count));
        // A misspelt column is refused, not read as a text of its own name.
        QVERIFY(!db.Select("camera", {"name", "pixel_size"}, count));
        QCOMPARE(calls, 0);
    }

    void garbageFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray noise = RandomBytes(4096);
        QTest::newRow("noise") << noise;
        QTest::newRow("header, then noise") << QByteArray("SQLite format 3\0", 16) + noise;
    }

    void garbageFile()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath("garbage.db");
        QVERIFY(WriteFile(path, content));

        Database db;
        Rows rows;
        // Some damage is found only by reading.
        QVERIFY(!db.Open(path.toStdString()) || !SelectAll(db, "camera", {"id"}, rows));
        QCOMPARE(ReadFile(path), content); // not rewritten
    }

private:
    std::string Path(const QString& name) const { return m_dir.filePath(name).toStdString(); }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestKvsql)
#include "tst_kvsql.moc"
