#include "host/hostscreenshots.h"

#include "camera/cameradialog.h"
#include "camera/getcameradialog.h"
#include "framework/buttongroup.h"
#include "framework/kvmessagebox.h"
#include "framework/littletitlewidget.h"
#include "framework/qkvprogressdialog.h"
#include "framework/titlewidget.h"
#include "framework/titlewidget2.h"
#include "framework/transparentdialog.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/aiscontext.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtMath>

namespace {

// A plain window in the host's panel colour around one library widget that is
// not a window of its own.
std::unique_ptr<QWidget> Panel(QWidget* content, const QSize& size)
{
    auto panel = std::make_unique<QWidget>();
    panel->setObjectName(QStringLiteral("kvhost_panel"));
    auto* layout = new QVBoxLayout(panel.get());
    layout->setContentsMargins(8, 8, 8, 8);
    content->setParent(panel.get());
    layout->addWidget(content);
    layout->addStretch();
    panel->resize(size);
    return panel;
}

QLabel* Placeholder(const QString& text)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(160);
    return label;
}

std::unique_ptr<QWidget> MainWindow()
{
    auto window = std::make_unique<KvMainWindow>();
    window->SetProject(kvhost::DemoProject());
    window->resize(1100, 640);
    return window;
}

// The frame of every library dialog, with all of its title-bar buttons.
std::unique_ptr<QWidget> FrameWithAllButtons()
{
    auto dialog = std::make_unique<TransparentDialog>();
    auto* layout = new QVBoxLayout(dialog.get());
    auto* frame = new TitleWidget(dialog.get(), true, false, true);
    frame->SetTitle(QStringLiteral("TitleWidget"));
    frame->AddWidget(Placeholder(QStringLiteral("Dialog content")));
    layout->addWidget(frame);
    dialog->resize(480, 260);
    return dialog;
}

std::unique_ptr<QWidget> StartPageFrame()
{
    auto dialog = std::make_unique<TransparentDialog>();
    auto* layout = new QVBoxLayout(dialog.get());
    auto* frame = new TitleWidget2(dialog.get());
    frame->AddWidget(Placeholder(QStringLiteral("Start page")));
    layout->addWidget(frame);
    dialog->resize(640, 300);
    return dialog;
}

// The progress dialog as it looks mid-run, shown without its modal loop.
std::unique_ptr<QWidget> ProgressMidRun()
{
    auto dialog = std::make_unique<QKvProgressDialog>();
    dialog->Content()->SetRunning(true);
    dialog->Start(QString::fromStdString(kvfd::KvGetConstString(188)), 100);
    dialog->SetInformation(QStringLiteral("DJI_0042.JPG"), 40);
    return dialog;
}

// A 24-megapixel survey camera with a mild barrel distortion.
kvfd::CameraInfo SampleCamera()
{
    kvfd::CameraInfo camera;
    camera.name = "ILCE-5100";
    camera.fullname = "ILCE-5100 (E 20mm F2.8)";
    camera.width = 6000;
    camera.height = 4000;
    camera.pixel_size_x = camera.pixel_size_y = 0.0039;
    camera.ccd_width = camera.width * camera.pixel_size_x;
    camera.ccd_height = camera.height * camera.pixel_size_y;
    camera.focal = 20.0;
    camera.x0 = 3012.25;
    camera.y0 = 1994.5;
    camera.k1 = -0.0412;
    camera.k2 = 0.0087;
    camera.p1 = 1.2e-4;
    camera.p2 = -3.5e-5;
    return camera;
}

std::unique_ptr<QWidget> CameraSetting()
{
    auto dialog = std::make_unique<CameraDialog>();
    dialog->SetCamera(SampleCamera());
    return dialog;
}

void Type(QWidget* form, const QString& formName, const QString& text)
{
    for (auto* edit : form->findChildren<QLineEdit*>()) {
        if (edit->objectName() == formName || edit->property("kvFormName").toString() == formName)
            edit->setText(text);
    }
}

std::unique_ptr<QWidget> GetCamera()
{
    auto dialog = std::make_unique<GetCameraDialog>();
    Type(dialog.get(), QStringLiteral("gcw_cameraid_"), QStringLiteral("1001"));
    Type(dialog.get(), QStringLiteral("gcw_lensid_"), QStringLiteral("1"));
    return dialog;
}

std::unique_ptr<QWidget> FlightSelector()
{
    auto* flights = new ButtonGroup();
    flights->AddGroups({0, 1, 2});
    return Panel(flights, QSize(68, 300));
}

std::unique_ptr<QWidget> LittleTitle()
{
    return Panel(new LittleTitleWidget(nullptr), QSize(534, 46));
}

} // namespace

namespace kvhost {

void AddHostScreenshots(ScreenshotRegistry& registry)
{
    registry.Add(QStringLiteral("main_window"), MainWindow);
    registry.AddModal(
        QStringLiteral("message_ok"),
        [] { KvMessageBox::Show(u8"工程文件无法打开！", KvMessageBox::BT_OK); },
        QStringLiteral("kvsb_ok_btn_"));
    registry.AddModal(
        QStringLiteral("message_yes_no"),
        [] { KvMessageBox::Show(kvfd::KvGetConstString(130), KvMessageBox::BT_YES_NO); },
        QStringLiteral("kvbw2_cancel_"));
    registry.Add(QStringLiteral("progress_dialog"), ProgressMidRun);
    registry.Add(QStringLiteral("camera_dialog"), CameraSetting);
    registry.Add(QStringLiteral("get_camera_dialog"), GetCamera);
    registry.AddModal(
        QStringLiteral("get_camera_network_error"),
        [] { KvMessageBox::Show(u8"网络错误!", KvMessageBox::BT_OK); },
        QStringLiteral("kvsb_ok_btn_"));
    registry.AddModal(
        QStringLiteral("get_camera_no_data"),
        [] { KvMessageBox::Show(u8"数据不存在!", KvMessageBox::BT_OK); },
        QStringLiteral("kvsb_ok_btn_"));
    registry.Add(QStringLiteral("flight_selector"), FlightSelector);
    registry.Add(QStringLiteral("title_widget"), FrameWithAllButtons);
    registry.Add(QStringLiteral("title_widget2"), StartPageFrame);
    registry.Add(QStringLiteral("little_title_widget"), LittleTitle);
    AddWizardScreenshots(registry);
    AddStartPageScreenshots(registry);
}

std::unique_ptr<kvkernel::AISContext> DemoProject()
{
    auto project = std::make_unique<kvkernel::AISContext>();
    kvprj::PrjInfo& info = project->GetPrjInfo();
    kvprj::CopyText(info.name, u8"演示测区 Demo");
    kvprj::CopyText(info.prjOperator, "kvhost");
    kvprj::CopyText(info.date, "2024-05-18T09:30:00");
    info.meanElevation = 42.0;

    kvfd::ImageInfoSet& images = project->GetImageInfoSet();
    for (int i = 0; i < 12; ++i) {
        const int flight = i < 7 ? 0 : 1;
        kvfd::EOP eop;
        eop.X = 512340.0 + 38.5 * (i % 7);
        eop.Y = 3378120.0 + 112.0 * flight;
        eop.Z = 118.0 + 0.35 * i;
        eop.Omega = qDegreesToRadians(0.8 - 0.15 * i);
        eop.Phi = qDegreesToRadians(-1.2 + 0.2 * i);
        eop.Kappa = qDegreesToRadians(flight == 0 ? 91.5 : -88.7);
        const std::string name
            = QStringLiteral("DJI_%1.JPG").arg(i + 1, 4, 10, QLatin1Char('0')).toStdString();
        const std::string folder = flight == 0 ? "/data/survey/flight1" : "/data/survey/flight2";
        const int index = images.AddImage(name, folder, eop, 0, i != 4);
        images.GetImageExt(index)->flight = flight;
    }
    return project;
}

} // namespace kvhost
