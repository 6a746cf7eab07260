// The batch chain: records taken from the pages when added, the image scope
// locked while the chain holds a step, moves, and records shared with the
// caller.

#include "kvfd/kvconfiguration.h"
#include "kvkernel/aiscontext.h"
#include "modalanswer.h"
#include "processing/batchdialog.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <vector>

using kvfd::KvPtr;
using kvtest::Click;
using Chain = std::vector<KvPtr<AlgoParameter>>;

namespace {

// Rows of the methods list.
enum { Format, Resample, Rotation, Overviews, Distortion, Enhancement, ColorBalance };

QListWidget* Methods(QWidget* dialog)
{
    return kvtest::Find<QListWidget>(dialog, "bthw_algo_list_");
}

QListWidget* ChainList(QWidget* dialog)
{
    return kvtest::Find<QListWidget>(dialog, "bthw_selected_algo_list_");
}

void Add(QWidget* dialog, int row)
{
    Methods(dialog)->setCurrentRow(row);
    Click(dialog, "bthw_add_btn_");
}

QStringList ChainNames(QWidget* dialog)
{
    QStringList names;
    for (int i = 0; i < ChainList(dialog)->count(); ++i)
        names << ChainList(dialog)->item(i)->text();
    return names;
}

Chain Records(const BatchDialog& dialog)
{
    Chain chain;
    dialog.GetBatchAlgoParameters(chain);
    return chain;
}

} // namespace

class TestBatchDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        kvfd::KvConfiguration::Instance()->SetCameraInfoSet(kvfd::CameraInfoSet());
    }

    void cleanup() { kvkernel::KvSetContext(nullptr); }

    // Each method shows its page; a record is taken from the page when added.
    void resampleTwiceKeepsEachRate()
    {
        BatchDialog dialog;
        auto* pages = kvtest::Find<QWidget>(&dialog, "bthw_parameter_widget_");
        Methods(&dialog)->setCurrentRow(Overviews);
        QVERIFY(kvtest::Find<QWidget>(pages, "bthw_pyramid_param_widget_")->isVisibleTo(pages));
        Methods(&dialog)->setCurrentRow(Resample);
        auto* rate = kvtest::Find<QComboBox>(&dialog, "rspw_rate_");
        rate->setCurrentText("1:4");
        Click(&dialog, "bthw_add_btn_");
        rate->setCurrentText("1:8");
        Click(&dialog, "bthw_add_btn_");
        rate->setCurrentText("1:2"); // later changes do not reach the chain
        const Chain chain = Records(dialog);
        QCOMPARE(chain.size(), size_t(2));
        QCOMPARE(dynamic_cast<ResampleParameter*>(chain[0].Get())->rate, 0.25);
        QCOMPARE(dynamic_cast<ResampleParameter*>(chain[1].Get())->rate, 0.125);
        QCOMPARE(ChainNames(&dialog), QStringList({"Resample", "Resample"}));
    }

    void scopeIsLockedWhileTheChainHoldsSteps_data()
    {
        QTest::addColumn<bool>("clear");
        QTest::newRow("remove the last") << false;
        QTest::newRow("clear") << true;
    }

    void scopeIsLockedWhileTheChainHoldsSteps()
    {
        QFETCH(bool, clear);
        BatchDialog dialog;
        dialog.SetAll(false);
        auto* all = kvtest::Find<QRadioButton>(&dialog, "bthw_all_radio_");
        auto* selected = kvtest::Find<QRadioButton>(&dialog, "bthw_select_radio_");
        QVERIFY(selected->isChecked() && !all->isChecked());
        Add(&dialog, Format);
        Add(&dialog, Enhancement);
        QVERIFY(!all->isEnabled() && !selected->isEnabled());
        for (const KvPtr<AlgoParameter>& record : Records(dialog))
            QVERIFY(!record->all);
        if (clear) {
            Click(&dialog, "bthw_clear_btn_");
        } else {
            for (int i = 0; i < 2; ++i) {
                ChainList(&dialog)->setCurrentRow(0);
                QCOMPARE(all->isEnabled(), false);
                Click(&dialog, "bthw_remove_btn_");
            }
        }
        QVERIFY(Records(dialog).empty());
        QVERIFY(all->isEnabled() && selected->isEnabled());
        QVERIFY(selected->isChecked() && !all->isChecked());
    }

    void distortionPageFollowsTheProjectsFirstCamera()
    {
        BatchDialog dialog;
        kvtest::SetText(&dialog, "dtpw_width_", QStringLiteral("77"));
        Methods(&dialog)->setCurrentRow(Rotation);
        QCOMPARE(kvtest::Text(&dialog, "dtpw_width_"), QStringLiteral("77")); // no project

        // Empty fields pass unchecked: size 0 and a pixel size of 0 / 0.
        BatchDialog empty;
        Add(&empty, Distortion);
        const auto* blank = dynamic_cast<DistortionParameter*>(Records(empty)[0].Get());
        QVERIFY(blank && blank->camera.width == 0 && std::isnan(blank->camera.pixel_size_x));

        kvkernel::AISContext project;
        kvfd::CameraInfo camera;
        camera.name = "VR-Q";
        camera.width = 6000;
        camera.height = 4000;
        camera.ccd_width = 13.2;
        camera.pixel_size_x = 13.2 / 6000;
        camera.focal = 8.8;
        camera.k4 = 2.5e-9;
        project.GetCameraInfoSet().AddCamera(camera);
        kvkernel::KvSetContext(&project);
        Methods(&dialog)->setCurrentRow(Format);
        QCOMPARE(kvtest::Text(&dialog, "dtpw_width_"), QStringLiteral("6000"));
        QCOMPARE(kvtest::Text(&dialog, "dtpw_focal_length_"), QStringLiteral("4000"));
        QCOMPARE(kvtest::Text(&dialog, "dtpw_k4_"), QStringLiteral("2.5e-09"));

        Add(&dialog, Distortion);
        auto* record = dynamic_cast<DistortionParameter*>(Records(dialog)[0].Get());
        QVERIFY(record);
        QCOMPARE(record->type, 3);
        QCOMPARE(record->camera.width, 6000);
        QCOMPARE(record->camera.k4, 2.5e-9);
        QCOMPARE(record->camera.dtype, 1);
        QVERIFY(record->camera.name.empty());
        QVERIFY(!record->toTif && record->toCenter && record->useCamera);
    }

    void okNeedsAnOutputFolder()
    {
        BatchDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.show();
        Click(&dialog, "bthw_ok_btn_");
        QCOMPARE(accepted.count(), 0);
        QVERIFY(kvtest::ClickAndChooseFile(&dialog, "bthw_browse_btn_", QDir::tempPath()));
        QCOMPARE(dialog.GetPath(), QDir::tempPath());
        Click(&dialog, "bthw_ok_btn_");
        QCOMPARE(accepted.count(), 1); // with an empty chain
    }
};

QTEST_MAIN(TestBatchDialog)
#include "tst_batchdialog.moc"
