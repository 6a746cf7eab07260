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

// The stage rules are tested on the generic driver (tests/framework); this
// checks that a project travels through it whole.
class TestWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void projectStagesThroughBackAndNext()
    {
        Script script;
        script.answers = {WR_NEXT, WR_NEXT, WR_BACK, WR_NEXT, WR_NEXT, WR_NEXT};
        kvprj::KvProject project = Caller();
        QVERIFY(kvui::RunProjectWizard(
            project, {script.Page("0"), script.Page("1"), script.Page("2"), script.Page("3")}));
        QCOMPARE(script.seen.join(QLatin1Char(' ')),
                 QStringLiteral("0:p 1:p0 2:p01 1:p01 2:p011 3:p0112"));
        QCOMPARE(QString::fromUtf8(project.GetPrjInfo().name), QStringLiteral("p01123"));
        QCOMPARE(project.GetImageInfoSet().ValidSize(), 1);
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
