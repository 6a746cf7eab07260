#include "framework/kvshared.h"
#include "kvprj/kvproject.h"
#include "project/createproject.h"

#include <QtTest>

namespace {

// A stand-in page: records which stage it saw (by the project's name), marks
// the stage with its own tag and answers the next scripted result.
struct Script
{
    std::vector<WResut> answers;
    std::size_t next = 0;
    QStringList seen;

    kvui::WizardPage Page(const char* tag)
    {
        return [this, tag](kvprj::KvProject& stage) {
            seen << QString::fromUtf8(tag) + QLatin1Char(':')
                    + QString::fromUtf8(stage.GetPrjInfo().name);
            const std::string name = std::string(stage.GetPrjInfo().name) + tag;
            kvprj::CopyText(stage.GetPrjInfo().name, name.c_str());
            return next < answers.size() ? answers[next++] : WR_CANCEL;
        };
    }
};

kvprj::KvProject Caller()
{
    kvprj::KvProject project;
    kvprj::CopyText(project.GetPrjInfo().name, "p");
    project.GetImageInfoSet().AddImage("a.jpg", "/d", kvfd::EOP(), 0, true);
    return project;
}

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void StageCopies_data()
    {
        QTest::addColumn<QVector<int>>("answers");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QString>("name");

        const int N = WR_NEXT, B = WR_BACK, C = WR_CANCEL;
        QTest::newRow("straight through")
            << QVector<int> {N, N, N, N} << true << "0:p 1:p0 2:p01 3:p012"
            << "p0123";
        QTest::newRow("exit after three pages")
            << QVector<int> {N, N, N, C} << false << "0:p 1:p0 2:p01 3:p012"
            << "p";
        // The second run of page 2 starts from page 1's output, not from the
        // edits abandoned with Back.
        QTest::newRow("next next back next")
            << QVector<int> {N, N, B, N, N, N} << true << "0:p 1:p0 2:p01 1:p01 2:p011 3:p0112"
            << "p01123";
        // Page 0 shown again sees its own earlier edits.
        QTest::newRow("back to the first page")
            << QVector<int> {N, B, N, N, N, N} << true << "0:p 1:p0 0:p0 1:p00 2:p001 3:p0012"
            << "p00123";
        QTest::newRow("back from the first page") << QVector<int> {B} << false << "0:p"
                                                  << "p";
    }

    void StageCopies()
    {
        QFETCH(QVector<int>, answers);
        QFETCH(bool, finished);
        QFETCH(QString, seen);
        QFETCH(QString, name);

        Script script;
        for (int a : answers)
            script.answers.push_back(WResut(a));
        kvprj::KvProject project = Caller();
        const bool done = kvui::RunProjectWizard(
            project, {script.Page("0"), script.Page("1"), script.Page("2"), script.Page("3")});

        QCOMPARE(done, finished);
        QCOMPARE(script.seen.join(QLatin1Char(' ')), seen);
        QCOMPARE(QString::fromUtf8(project.GetPrjInfo().name), name);
        QCOMPARE(project.GetImageInfoSet().ValidSize(), 1);
    }

    void FlightChainFinishesAfterThreePages()
    {
        Script script;
        script.answers = {WR_NEXT, WR_NEXT, WR_NEXT};
        kvprj::KvProject project = Caller();
        QVERIFY(kvui::RunProjectWizard(project,
                                       {script.Page("0"), script.Page("1"), script.Page("2")}));
        QCOMPARE(QString::fromUtf8(project.GetPrjInfo().name), QStringLiteral("p012"));
    }

    void NoPagesIsNotFinished()
    {
        kvprj::KvProject project = Caller();
        QVERIFY(!kvui::RunProjectWizard(project, {}));
        QVERIFY(!kvui::RunProjectWizard(project, {kvui::WizardPage()}));
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
