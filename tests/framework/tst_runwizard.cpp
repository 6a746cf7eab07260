#include "framework/runwizard.h"

#include <QtTest>
#include <string>
#include <vector>

namespace {

// A record as small as a GNSS parameter set: a text each page extends and a
// list that must travel with it.
struct Record
{
    std::string trail;
    std::vector<int> files;
};

// Stand-in pages: each records which stage it saw, marks the stage with its
// own tag and answers the next scripted result.
struct Script
{
    std::vector<WResut> answers;
    std::size_t next = 0;
    QStringList seen;

    kvui::WizardStep<Record> Page(char tag)
    {
        return [this, tag](Record& stage) {
            seen << QString(QLatin1Char(tag)) + QLatin1Char(':')
                    + QString::fromStdString(stage.trail);
            stage.trail += tag;
            stage.files.push_back(tag - '0');
            return next < answers.size() ? answers[next++] : WR_CANCEL;
        };
    }

    std::vector<kvui::WizardStep<Record>> Pages(int count)
    {
        std::vector<kvui::WizardStep<Record>> pages;
        for (int i = 0; i < count; ++i)
            pages.push_back(Page(char('0' + i)));
        return pages;
    }
};

} // namespace

class TestRunWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stageCopies_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QVector<int>>("answers");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QString>("trail");

        const int N = WR_NEXT, B = WR_BACK;
        const auto row = [](const char* name, int pages, QVector<int> answers, bool finished,
                            const char* seen, const char* trail) {
            QTest::newRow(name) << pages << answers << finished << QString(seen) << QString(trail);
        };
        row("straight through", 4, {N, N, N, N}, true, "0:p 1:p0 2:p01 3:p012", "p0123");
        // The second run of page 2 starts from page 1's output, not from the
        // edits abandoned with Back.
        row("next next back next", 4, {N, N, B, N, N, N}, true,
            "0:p 1:p0 2:p01 1:p01 2:p011 3:p0112", "p01123");
        row("back from the first page", 4, {B}, false, "0:p", "p");
        row("a value that is no step", 3, {N, 7}, false, "0:p 1:p0", "p");
    }

    void stageCopies()
    {
        QFETCH(int, pages);
        QFETCH(QVector<int>, answers);
        QFETCH(bool, finished);
        QFETCH(QString, seen);
        QFETCH(QString, trail);

        Script script;
        for (int a : answers)
            script.answers.push_back(WResut(a));
        Record record {"p", {9}};
        const bool done = kvui::RunWizard(record, script.Pages(pages));

        QCOMPARE(done, finished);
        QCOMPARE(script.seen.join(QLatin1Char(' ')), seen);
        QCOMPARE(QString::fromStdString(record.trail), trail);
        // The list travels with the text: one entry per page in the result.
        QCOMPARE(record.files.size(), std::size_t(trail.size()));
        QCOMPARE(record.files.front(), 9);
    }

    void noPageOrAnEmptyPageIsNotFinished()
    {
        Record record {"p", {}};
        QVERIFY(!kvui::RunWizard(record, std::vector<kvui::WizardStep<Record>>()));
        Script script;
        script.answers = {WR_NEXT};
        QVERIFY(!kvui::RunWizard(record, {script.Page('0'), kvui::WizardStep<Record>()}));
        QCOMPARE(record.trail, std::string("p"));
        QCOMPARE(script.seen, QStringList {"0:p"});
    }
};

QTEST_MAIN(TestRunWizard)
#include "tst_runwizard.moc"
