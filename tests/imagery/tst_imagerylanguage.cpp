// What the imagery dialogs' actions show and the elevation service gives back,
// in English and in Chinese, by default as written: file choosers, message
// boxes, reasons and the texts that are both shown and kept. The dialogs
// themselves are read by the host's sweep of every window
// (tests/host/tst_screenlanguage).

#include "framework/kvservice.h"
#include "framework/language.h"
#include "imagery/coordinatedialog.h"
#include "imagery/editimagepropertydialog.h"
#include "imagery/elevationdialog.h"
#include "imagery/imageloaddialog.h"
#include "imagery/imageposloaddialog.h"
#include "imagery/posloaddialog.h"
#include "imagery/posmatch.h"
#include "imagerytest.h"
#include "languagecheck.h"

#include <QFileDialog>
#include <QTableView>
#include <QTemporaryDir>
#include <QtMath>
#include <memory>

using namespace imagerytest;

namespace {

// Names of aircraft, of a receiver maker and of protocols stay as they are;
// the image's own name and the catalogue's systems are data.
kvtest::LanguageCheck Check(const QString& language)
{
    kvtest::LanguageCheck check(language);
    for (const char* word :
         {"Kestrel", "Heron", "Egret", "Osprey", "Plover", "HTTP", "JSON", "GLONASS", "UTC"})
        check.Allow(QLatin1String(word));
    return check.Skip(QStringLiteral("m_ImageName")).Skip(QStringLiteral("crw_prj_name_combox_"));
}

QString Foreign(const QString& language, QWidget* root)
{
    return Check(language).Foreign(root).join(QLatin1Char('\n'));
}

// One camera with a sensor and two images of it without position.
kvprj::KvProject TwoImages()
{
    kvprj::KvProject project;
    project.GetCameraInfoSet().AddCamera({0, "FC6310", "", 5472, 3648, 13.2, 8.8, 8.8});
    kvfd::ImageInfoSet& images = project.GetImageInfoSet();
    for (const char* name : {"DJI_0001.JPG", "DJI_0002.JPG"}) {
        const int i = images.AddImage(name, "/测区/影像", {}, 0, false);
        images.GetImageExt(i)->flight = 1;
    }
    return project;
}

// A POS file of two records: name, X, Y, Z and one angle in degrees.
QString PosFile(const QString& folder)
{
    const QString path = folder + QStringLiteral("/航线 pos.txt");
    WriteFile(path,
              "DJI_0001.JPG 114.30 30.50 180.2 12.5\n"
              "DJI_0002.JPG 114.31 30.51 181.0 -3.0\n");
    return path;
}

// The form of a row, set up so that its button opens the modal: as it opens
// for the choosers; the POS import with X taken from the ID column; the
// image-and-POS page of images without position.
std::unique_ptr<QWidget> Build(const QString& form, kvprj::KvProject& project,
                               const QString& folder)
{
    if (form == QLatin1String("image property")) {
        auto dialog = std::make_unique<EditImagePropertyDialog>();
        dialog->Widget()->SetImage(*project.GetImageInfoSet().GetImage(0), 1);
        return dialog;
    }
    if (form == QLatin1String("image load")) {
        auto dialog = std::make_unique<ImageLoadDialog>();
        dialog->SetProject(&project);
        return dialog;
    }
    if (form.startsWith(QLatin1String("image and pos"))) {
        auto dialog = std::make_unique<ImagePosLoadDialog>();
        dialog->Widget()->SetProject(&project, false);
        return dialog;
    }
    if (form.startsWith(QLatin1String("pos import"))) {
        auto dialog = std::make_unique<PosLoadDialog>();
        dialog->Widget()->LoadFile(PosFile(folder));
        if (form.endsWith(QLatin1String("X on ID"))) {
            // Taking the first column for X leaves no column labelled ID.
            kvtest::Find<QTableView>(dialog.get(), QStringLiteral("pos_table_widget_"))
                ->selectColumn(0);
            Click(dialog.get(), "plw_x_btn_");
        }
        return dialog;
    }
    return nullptr;
}

} // namespace

class TestImageryLanguage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_temp;
    QString m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        m_dir = m_temp.filePath(QStringLiteral("影像 目录"));
        QVERIFY(QDir().mkpath(m_dir));
    }

    void cleanup() { QVERIFY(kvui::SetLanguage(QString())); }

    // What the dialogs open: file choosers (caption and file types in the
    // language, the extensions kept; by default exactly as written) and the
    // boxes of the GPS tool, the image-and-POS page and the POS import (the
    // fixed text in the language, a file's name or an image's as it is).
    void modalsReadInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message"); // none for a chooser
        QTest::addColumn<QString>("title");   // of a chooser or a Qt box
        QTest::addColumn<QStringList>("filters");
        const auto chooser = [](const char* row, const char* language, const char* form,
                                const char* button, const QString& caption,
                                const QStringList& filters) {
            QTest::newRow(row) << language << form << button << QString() << caption << filters;
        };
        const auto box = [](const char* row, const char* language, const char* form,
                            const char* button, const QString& message,
                            const QString& title = QString()) {
            QTest::newRow(row) << language << form << button << message << title << QStringList();
        };
        const QStringList images {"images (*.bmp *.jpg *.tif)", "bmp (*.bmp)", "jpg (*.jpg)",
                                  "tif (*.tif)"};
        const QStringList all {QStringLiteral("所有文件(*.*)")};
        chooser("default, images", "", "image load", "view_btn_", "Add Images", images);
        chooser("zh_CN, images", "zh_CN", "image load", "view_btn_", QStringLiteral("添加影像"),
                {QStringLiteral("影像 (*.bmp *.jpg *.tif)"), QStringLiteral("BMP 影像 (*.bmp)"),
                 QStringLiteral("JPG 影像 (*.jpg)"), QStringLiteral("TIF 影像 (*.tif)")});
        chooser("zh_CN, POS", "zh_CN", "pos import", "plw_browse_pos_btn_",
                QStringLiteral("导入 POS"), QStringList {QStringLiteral("文本文件(*.txt)")} + all);
        // A folder chooser: its caption only (Qt offers its own file type).
        chooser("zh_CN, image folder", "zh_CN", "image property", "m_Btn_ImagePath",
                QStringLiteral("设置路径"), {});

        box("zh_CN, left out", "zh_CN", "image and pos, no position", "iplw_next_btn_",
            QStringLiteral("2 张影像中有 2 张没有位置：DJI_0001.JPG, "
                           "DJI_0002.JPG。是否将它们排除在工程之外？"));
        box("zh_CN, columns missing", "zh_CN", "pos import, X on ID", "plw_ok_btn_",
            QStringLiteral("请设置 ID、X、Y、Z 列"), QStringLiteral("警告"));
    }

    void modalsReadInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, form);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QStringList, filters);
        QVERIFY(kvui::SetLanguage(language));
        kvprj::KvProject project = TwoImages();
        const std::unique_ptr<QWidget> dialog = Build(form, project, m_dir);
        QVERIFY(dialog);
        dialog->show();
        QString shownTitle, foreign;
        QStringList shownFilters;
        kvtest::ModalAnswer answer;
        if (!message.isEmpty())
            answer.ExpectText(message);
        answer
            .Do([&](QWidget* modal) {
                shownTitle = modal->windowTitle();
                if (auto* files = qobject_cast<QFileDialog*>(modal))
                    shownFilters = files->nameFilters();
                // A box's message, names of files and images in it, is
                // compared whole; the rest of the box is checked.
                else
                    foreign = Check(language)
                                  .Skip(QStringLiteral("kvsb_msg_"))
                                  .Skip(QStringLiteral("kvbw2_msg_"))
                                  .Foreign(modal)
                                  .join(QLatin1Char('\n'));
                // The Qt box has no named button; the library's are answered
                // the same way, leaving everything as it was.
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            })
            .Arm();
        kvtest::Click(dialog.get(), button);
        QVERIFY2(answer.Done(), qPrintable(answer.Error()));
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
        if (!title.isEmpty())
            QCOMPARE(shownTitle, title);
        if (!filters.isEmpty())
            QCOMPARE(shownFilters, filters);
        QVERIFY(dialog->isVisible());
    }

    // Why the elevation service brought no height, as the dialog says it.
    void elevationReasonReadsInTheLanguage()
    {
        QVERIFY(kvui::SetLanguage(QStringLiteral("zh_CN")));
        ElevationDialog dialog;
        kvui::HttpResult reply;
        reply.status = 200;
        reply.body = R"({"status":"0","data":12000})";
        dialog.Widget()->TakeReply(reply);
        QCOMPARE(Text(&dialog, "ew_reason_"),
                 QStringLiteral("服务给出的高程 12000 m 不在 −200…10000 m 之内。"));
        const QString foreign = Foreign(QStringLiteral("zh_CN"), &dialog);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign));
    }

    // The POS table's headers read in the language while the column keys,
    // which decide what each field is, stay the same.
    void posColumnsKeepTheirKeys()
    {
        QVERIFY(kvui::SetLanguage(QStringLiteral("zh_CN")));
        PosLoadDialog dialog;
        dialog.Widget()->LoadFile(PosFile(m_dir));
        auto* table = kvtest::Find<QTableView>(&dialog, QStringLiteral("pos_table_widget_"));
        table->selectColumn(4);
        Click(&dialog, "plw_omega_btn_");
        QCOMPARE(Headers(table), QStringLiteral("ID X Y Z ω"));
        QCOMPARE(dialog.Widget()->Labels().join(QLatin1Char(' ')),
                 QStringLiteral("ID X Y Z Omega"));
        const std::vector<PosData> records = dialog.Widget()->GetPosDatas();
        QCOMPARE(records.size(), std::size_t(2));
        QCOMPARE(qRadiansToDegrees(records[1].eop.Omega), -3.0);
    }

    // The local system's name is shown in the language; what the page and
    // the coordinate dialog hand on keeps the name as written.
    void localSystemIsNamedInTheLanguage()
    {
        QVERIFY(kvui::SetLanguage(QStringLiteral("en")));
        const std::string written = "本地坐标系";

        kvprj::KvProject project = TwoImages();
        ImagePosLoadDialog page;
        page.Widget()->SetProject(&project, false);
        page.Widget()->ApplyPosRecords({{"DJI_0001.JPG", {512345.0, 3378901.0, 180.0}}},
                                       PosMatchWithExt, false);
        QCOMPARE(Text(&page, "iplw_coordinate_line_edit_"),
                 QStringLiteral("Local coordinate system"));
        QCOMPARE(page.Widget()->Coordinate().name, written);

        CoordinateDialog dialog;
        dialog.Widget()->Accept();
        QCOMPARE(dialog.Widget()->GetCoordinate().name, written);
        QCOMPARE(dialog.Widget()->GetCoordinate().id, -1);
    }
};

QTEST_MAIN(TestImageryLanguage)
#include "tst_imagerylanguage.moc"
