// The project wizard end to end with its real pages, answered as an operator
// would: real drone photos in a folder whose name holds Chinese and a space,
// positions from their EXIF tags (POS files are read by the same page in
// tests/imagery/tst_imageposload).

#include "framework/kvshared.h"
#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "kvprj/kvproject.h"
#include "modalanswer.h"
#include "project/createproject.h"
#include "wizardanswers.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

#define VERIFY_ANSWERED(answer) QVERIFY2((answer).Done(), qPrintable((answer).Error()))

namespace {

const QString kPhotos = QStringLiteral(KVUI_SOURCE_DIR "/tests/data/images/");

// DJI_0024.JPG records 46.8428646111111 N, 91.9936966666667 W, 198.409 m.
constexpr double kLatitude = 46.8428646111111;
constexpr double kLongitude = -91.9936966666667;
constexpr double kAltitude = 198.409;
// "UTM zone 15N"
constexpr int kUtm15N = 32615;

using kvtest::SetText;
using kvtest::Text;

} // namespace

class TestWizardPages : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_folder;
    QStringList m_photos;

    // The photo without a position is left out on the image-and-POS page's
    // "Next", as the operator agrees when asked.
    bool RunWizard(kvprj::KvProject& project, const std::function<void(QWidget*)>& pagePos,
                   QStringList* previewTexts = nullptr)
    {
        kvtest::ModalAnswer leaveOut;
        leaveOut
            .ExpectText(QStringLiteral("No position for 1 of 3 images: no_exif.jpg. Leave them "
                                       "out of the project?"))
            .Click(QStringLiteral("kvbw2_ok_"));
        const auto positions = [&](QWidget* dialog) {
            pagePos(dialog);
            leaveOut.Arm();
        };
        kvtest::WizardAnswers answers(
            QStringLiteral("东湖 测区"), m_photos, positions, [&](QWidget* dialog) {
                auto* table = kvtest::Find<QTableWidget>(dialog, QStringLiteral("table_imageInfo"));
                if (previewTexts && table && table->rowCount())
                    *previewTexts << table->item(0, 1)->text();
            });
        answers.Arm();
        const bool finished = ShowCreateProjectDialog(project, false);
        if (!answers.Done())
            qWarning("%s", qPrintable(answers.Error()));
        if (!leaveOut.Done())
            qWarning("left-out question: %s", qPrintable(leaveOut.Error()));
        return finished && answers.Done() && leaveOut.Done();
    }

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.filePath(QStringLiteral("测试 目录"));
        QVERIFY(QDir().mkpath(m_folder));
        // Two photos of the same camera and one without any EXIF.
        for (const auto& [from, to] :
             {std::pair {"DJI_0024.JPG", "DJI_0024.JPG"},
              std::pair {"DJI_0024.JPG", "DJI_0025.JPG"},
              std::pair {"drone-testdata-agung-1-example.jpg", "no_exif.jpg"}}) {
            const QString target = m_folder + QLatin1Char('/') + QLatin1String(to);
            QVERIFY(QFile::copy(kPhotos + QLatin1String(from), target));
            m_photos << target;
        }
    }

    void FromExifPositions()
    {
        kvprj::KvProject project;
        QStringList preview;
        QString coordinateShown;
        QVERIFY(RunWizard(
            project,
            [&](QWidget* dialog) {
                dialog->findChild<ImagePosLoadWidget*>()->SetExifPOS();
                coordinateShown = Text(dialog, "iplw_coordinate_line_edit_");
            },
            &preview));

        QCOMPARE(coordinateShown, QStringLiteral("UTM zone 15N"));
        QCOMPARE(project.GetPrjInfo().coordinateId, kUtm15N);
        // The photo without a position leaves the project on Next.
        const kvfd::ImageInfoSet& images = project.GetImageInfoSet();
        QCOMPARE(images.ValidSize(), 2);
        const kvfd::ImageInfo* image = images.GetImage(1);
        QVERIFY(image && QString::fromStdString(image->Path()) == m_folder);
        QVERIFY(qAbs(image->GetEOP().X - kLongitude) < 1e-9);
        QVERIFY(qAbs(image->GetEOP().Y - kLatitude) < 1e-9);
        QVERIFY(qAbs(image->GetEOP().Z - kAltitude) < 1e-6);
        // The camera came from the first photo's tags.
        QCOMPARE(project.GetCameraInfoSet().GetCamera(0)->width, 4000);

        // The preview showed easting in metres.
        QVERIFY2(preview.value(0).toDouble() > 100000.0, qPrintable(preview.value(0)));
    }

    void FlightProjectSkipsTheImagePage()
    {
        kvprj::KvProject project;
        project.GetImageInfoSet().AddImage("DJI_0024.JPG", QString2String(m_folder), kvfd::EOP(), 0,
                                           true);
        kvfd::CameraInfo camera;
        std::tie(camera.id, camera.ccd_width, camera.ccd_height, camera.focal)
            = std::make_tuple(0, 6.17, 3.47, 3.61);
        project.GetCameraInfoSet().AddCamera(camera);

        kvtest::ModalAnswer description, positions, preview;
        description
            .Do([&](QWidget* dialog) {
                SetText(dialog, "prj_name", QStringLiteral("flight"));
                positions.Arm();
            })
            .Click(QStringLiteral("prj_nextBtn"))
            .Arm();
        positions.ExpectTitle(QStringLiteral("影像POS设置"))
            .Do([&](QWidget*) { preview.Arm(); })
            .Click(QStringLiteral("iplw_next_btn_"));
        preview.ExpectTitle(QStringLiteral("Project Information"))
            .Click(QStringLiteral("finishBtn"));

        QVERIFY(ShowCreateProjectDialog(project, true));
        VERIFY_ANSWERED(positions);
        VERIFY_ANSWERED(preview);
        // In flight mode images without a position stay.
        QCOMPARE(project.GetImageInfoSet().ValidSize(), 1);
        QCOMPARE(QString::fromUtf8(project.GetPrjInfo().name), QStringLiteral("flight"));
    }
};

QTEST_MAIN(TestWizardPages)
#include "tst_wizardpages.moc"
