#include "host/frameworkmodule.h"

#include "framework/buttongroup.h"
#include "framework/filechooser.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/littletitlewidget.h"
#include "framework/qkvprogressdialog.h"
#include "framework/titlewidget.h"
#include "framework/titlewidget2.h"
#include "framework/transparentdialog.h"
#include "host/folderchecksum.h"
#include "host/kvmainwindow.h"
#include "host/screenshotregistry.h"
#include "kvfd/kvconststringfactory.h"
#include "kvkernel/aiscontext.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace {

using MenuId = KvMainWindow::MenuId;

// KvMessageBox::Show translates them (framework/language.h).
const char* const kCannotWriteList = QT_TRANSLATE_NOOP("kvui", "校验文件写入失败！");
const char* const kDemoMessage = QT_TRANSLATE_NOOP("kvui", "影像数据已准备就绪。");
const char* const kDemoQuestion = QT_TRANSLATE_NOOP("kvui", "是否继续处理？");
const char* const kCannotOpen = QT_TRANSLATE_NOOP("kvui", "工程文件无法打开！");

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

// The frame of every library dialog, with all of its title-bar buttons.
std::unique_ptr<QWidget> FrameWithAllButtons()
{
    auto dialog = std::make_unique<TransparentDialog>();
    auto* layout = new QVBoxLayout(dialog.get());
    auto* frame = new TitleWidget(dialog.get(), true, false, true);
    frame->SetTitle(QStringLiteral("TitleWidget"));
    frame->AddWidget(Placeholder(FrameworkModule::tr("Dialog content")));
    layout->addWidget(frame);
    dialog->resize(480, 260);
    return dialog;
}

std::unique_ptr<QWidget> StartPageFrame()
{
    auto dialog = std::make_unique<TransparentDialog>();
    auto* layout = new QVBoxLayout(dialog.get());
    auto* frame = new TitleWidget2(dialog.get());
    frame->AddWidget(Placeholder(FrameworkModule::tr("Start page")));
    layout->addWidget(frame);
    dialog->resize(640, 300);
    return dialog;
}

// The progress dialog as it looks mid-run, shown without its modal loop.
std::unique_ptr<QWidget> ProgressMidRun()
{
    auto dialog = std::make_unique<QKvProgressDialog>();
    dialog->Content()->SetRunning(true);
    dialog->Start(String2QString(kvfd::KvGetConstString(188)), 100);
    dialog->SetInformation(QStringLiteral("DJI_0042.JPG"), 40);
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

void FrameworkModule::Install(KvMainWindow& window)
{
    m_window = &window;
    window.AddProjectAction(
        MenuId::Tools, [] { return tr("Open Image &Viewer"); }, QStringLiteral("kv_action_viewer"),
        [this] { OpenImageViewer(); });
    window.AddMenuAction(
        MenuId::Demonstrations, [] { return tr("&Message (OK)…"); },
        QStringLiteral("kv_action_message"), [this] { ShowMessageDemo(); });
    window.AddMenuAction(
        MenuId::Demonstrations, [] { return tr("&Question (Yes/No)…"); },
        QStringLiteral("kv_action_question"), [this] { AskQuestionDemo(); });
    window.AddMenuAction(
        MenuId::Demonstrations, [] { return tr("&Checksum Folder…"); },
        QStringLiteral("kv_action_checksum"), [this] { ChooseChecksumFolder(); });
}

void FrameworkModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.AddModal(
        QStringLiteral("message_ok"), [] { KvMessageBox::Show(kCannotOpen, KvMessageBox::BT_OK); },
        QStringLiteral("kvsb_ok_btn_"));
    registry.AddModal(
        QStringLiteral("message_yes_no"),
        [] { KvMessageBox::Show(kvfd::KvGetConstString(130), KvMessageBox::BT_YES_NO); },
        QStringLiteral("kvbw2_cancel_"));
    registry.Add(QStringLiteral("progress_dialog"), ProgressMidRun);
    registry.Add(QStringLiteral("flight_selector"), FlightSelector);
    registry.Add(QStringLiteral("title_widget"), FrameWithAllButtons);
    registry.Add(QStringLiteral("title_widget2"), StartPageFrame);
    registry.Add(QStringLiteral("little_title_widget"), LittleTitle);
}

void FrameworkModule::ShowMessageDemo()
{
    const auto code = KvMessageBox::Show(kDemoMessage, KvMessageBox::BT_OK);
    m_window->ShowStatus(code == KvMessageBox::BC_OK ? tr("Message box: OK")
                                                     : tr("Message box: closed"));
}

void FrameworkModule::AskQuestionDemo()
{
    switch (KvMessageBox::Show(kDemoQuestion, KvMessageBox::BT_YES_NO)) {
    case KvMessageBox::BC_OK:
        m_window->ShowStatus(tr("Answer: Yes"));
        break;
    case KvMessageBox::BC_NO:
        m_window->ShowStatus(tr("Answer: No"));
        break;
    case KvMessageBox::BC_CLOSED:
        m_window->ShowStatus(tr("Answer: closed without answering"));
        break;
    }
}

void FrameworkModule::ChooseChecksumFolder()
{
    const QString folder = kvui::ChooseFolder(m_window, tr("Checksum Folder"));
    if (!folder.isEmpty())
        ChecksumFolder(folder);
}

void FrameworkModule::ChecksumFolder(const QString& folder)
{
    const FolderChecksum::Result result = FolderChecksum::RunWithDialog(folder, m_window);
    const int done = int(result.entries.size());
    if (result.cancelled) {
        m_window->ShowStatus(
            tr("Checksum cancelled after %1 of %2 files").arg(done).arg(result.total));
        return;
    }
    QString summary = tr("Checksummed %1 files").arg(done);
    if (!result.unreadable.isEmpty())
        summary += tr(", %1 unreadable").arg(result.unreadable.size());
    m_window->ShowStatus(summary);
    if (result.entries.empty())
        return;

    const QFileInfo folderInfo(result.folder);
    const QString suggestion = folderInfo.absolutePath() + QLatin1Char('/')
        + (folderInfo.fileName().isEmpty() ? QStringLiteral("checksums") : folderInfo.fileName())
        + QStringLiteral(".sha256");
    const QString listPath = kvui::ChooseFile(m_window, tr("Save Checksum List"),
                                              tr("Checksum lists (*.sha256);;All files (*)"),
                                              kvui::FileAction::Save, suggestion);
    if (listPath.isEmpty())
        return;
    if (!FolderChecksum::WriteList(result, listPath)) {
        KvMessageBox::Show(kCannotWriteList, KvMessageBox::BT_OK);
        return;
    }
    m_window->ShowStatus(summary
                         + tr("; list saved to %1").arg(QDir::toNativeSeparators(listPath)));
}

void FrameworkModule::OpenImageViewer()
{
    if (!m_window->RequireProject())
        return;
    std::vector<std::string> paths;
    const kvfd::ImageInfoSet& images = m_window->Context()->GetImageInfoSet();
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = images.GetImage(i))
            paths.push_back(image->GetFullName());
    }
    LoadImagesToViewer(paths);
    m_window->ShowStatus(tr("Sent %1 images to the image viewer").arg(paths.size()));
}
