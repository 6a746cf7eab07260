#include "host/processingmodule.h"

#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "host/buttonwords.h"
#include "host/fixtures.h"
#include "host/kvmainwindow.h"
#include "host/processingadapter.h"
#include "host/screenshotregistry.h"
#include "kvkernel/aiscontext.h"
#include "processing/batchdialog.h"
#include "processing/distortiondialog.h"
#include "processing/raw2tifdialog.h"
#include "processing/renamedialog.h"
#include "processing/tooldialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <memory>
#include <string>

namespace {

using MenuId = KvMainWindow::MenuId;
using Chain = std::vector<kvfd::KvPtr<AlgoParameter>>;

// A step of a single-tool dialog, for the scope the dialog was given.
template <class Record> Record* NewStep(int type, bool selected)
{
    auto* record = new Record();
    record->type = type;
    record->all = !selected;
    return record;
}

// Runs a single-tool dialog; when accepted, hands its one step to Run.
template <class Dialog, class Make>
void RunTool(ProcessingModule& module, const QString& tool, Make make)
{
    Dialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    AlgoParameter* record = make(dialog);
    const Chain chain {kvfd::KvPtr<AlgoParameter>(record)};
    module.Run(chain, String2QString(record->path), tool);
}

void Type(QWidget* form, const char* formName, const QString& text)
{
    const QString wanted = QLatin1String(formName);
    for (auto* edit : form->findChildren<QLineEdit*>()) {
        if (edit->objectName() == wanted || edit->property("kvFormName").toString() == wanted)
            edit->setText(text);
    }
}

template <class Dialog> ScreenshotRegistry::WidgetFactory Picture(const char* output)
{
    return [output] {
        auto dialog = std::make_unique<Dialog>();
        if (output)
            Type(dialog.get(), output, QStringLiteral("D:/测区/成果"));
        return std::unique_ptr<QWidget>(std::move(dialog));
    };
}

} // namespace

void ProcessingModule::Install(KvMainWindow& window)
{
    m_window = &window;
    window.Menu(MenuId::Tools)->addSeparator();
    const struct
    {
        const char* text;
        const char* name;
        void (ProcessingModule::*show)();
        bool needsProject;
    } actions[] = {
        {QT_TR_NOOP("&Color Balance…"), "kv_action_color_balance", &ProcessingModule::ShowColor,
         true},
        {QT_TR_NOOP("&Enhancement…"), "kv_action_enhancement", &ProcessingModule::ShowEnhancement,
         true},
        {QT_TR_NOOP("&Format…"), "kv_action_format", &ProcessingModule::ShowFormat, true},
        {QT_TR_NOOP("&Overviews…"), "kv_action_overviews", &ProcessingModule::ShowPyramid, true},
        {QT_TR_NOOP("Re&sample…"), "kv_action_resample", &ProcessingModule::ShowResample, true},
        {QT_TR_NOOP("Ro&tation…"), "kv_action_rotation", &ProcessingModule::ShowRotate, true},
        {QT_TR_NOOP("&Distortion…"), "kv_action_distortion", &ProcessingModule::ShowDistortion,
         true},
        {QT_TR_NOOP("&Batch Process…"), "kv_action_batch", &ProcessingModule::ShowBatch, true},
        {QT_TR_NOOP("Raw To &Tif…"), "kv_action_raw_to_tif", &ProcessingModule::ShowRaw2Tif, false},
        {QT_TR_NOOP("Re&name Files…"), "kv_action_rename", &ProcessingModule::ShowRename, false},
    };
    for (const auto& action : actions) {
        const auto run = [this, show = action.show] { (this->*show)(); };
        const auto text = [source = action.text] { return tr(source); };
        if (action.needsProject)
            window.AddProjectAction(MenuId::Tools, text, QLatin1String(action.name), run);
        else
            window.AddMenuAction(MenuId::Tools, text, QLatin1String(action.name), run);
    }
}

void ProcessingModule::Screenshots(ScreenshotRegistry& registry) const
{
    registry.Add(QStringLiteral("processing_color_dialog"), Picture<ColorDialog>("clrw_output_"));
    registry.Add(QStringLiteral("processing_enhancement_dialog"),
                 Picture<EnhancementDialog>("ehcw_output_"));
    registry.Add(QStringLiteral("processing_format_dialog"), Picture<FormatDialog>("fmtw_output_"));
    registry.Add(QStringLiteral("processing_overviews_dialog"), Picture<PyramidDialog>(nullptr));
    registry.Add(QStringLiteral("processing_resample_dialog"),
                 Picture<ResampleDialog>("rsw_output_"));
    registry.Add(QStringLiteral("processing_rotation_dialog"),
                 Picture<RotateDialog>("rtw_output_"));
    registry.Add(QStringLiteral("processing_distortion_dialog"), [] {
        auto dialog = std::make_unique<DistortionDialog>();
        dialog->SetCamera(kvhost::fixtures::SampleCamera());
        Type(dialog.get(), "dstw_output_", QStringLiteral("D:/测区/去畸变"));
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    // A chain of three steps, the resample page shown.
    registry.Add(QStringLiteral("processing_batch_dialog"), [] {
        auto dialog = std::make_unique<BatchDialog>();
        kvhost::GiveButtonsWords(dialog.get());
        auto* methods = dialog->findChild<QListWidget*>(QStringLiteral("bthw_algo_list_"));
        auto* content = dialog->Content();
        for (int row : {0, 1, 4}) {
            methods->setCurrentRow(row);
            content->AddAlgo();
        }
        methods->setCurrentRow(1);
        Type(dialog.get(), "bthw_output_line_", QStringLiteral("D:/测区/批处理"));
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    registry.Add(QStringLiteral("processing_raw_to_tif_dialog"), [] {
        auto dialog = std::make_unique<Raw2TifDialog>();
        Type(dialog.get(), "r2tw_raw_", QStringLiteral("D:/测区/RAW"));
        Type(dialog.get(), "r2tw_pos_", QStringLiteral("D:/测区/pos.txt"));
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
    registry.Add(QStringLiteral("processing_rename_dialog"), [] {
        auto dialog = std::make_unique<RenameDialog>();
        Type(dialog.get(), "rnw_path_", QStringLiteral("D:/测区/影像"));
        Type(dialog.get(), "rnw_before_", QStringLiteral("F1_"));
        return std::unique_ptr<QWidget>(std::move(dialog));
    });
}

kvhost::ImageJobResult ProcessingModule::Run(const Chain& chain, const QString& output,
                                             const QString& tool, const QString& input,
                                             const QString& pos)
{
    QWidget* parent = m_window;
    if (chain.empty() && !input.isEmpty())
        return kvhost::RunRawJob(kvhost::MakeRawJob(input, pos, output), parent);
    const kvkernel::AISContext* project = m_window ? m_window->Context() : kvkernel::KvGetContext();
    kvhost::ImageJob job;
    QString error;
    if (!kvhost::MakeImageJob(chain, output, project, job, error)) {
        KvMessageBox::Show(QString2String(tr("%1 was not started: %2").arg(tool, error)),
                           KvMessageBox::BT_OK);
        kvhost::ImageJobResult refused;
        refused.refused = true;
        refused.message = error;
        return refused;
    }
    // The engine tells its own refusals and the outcome, failed images with
    // their reasons, once the progress dialog is gone.
    return kvhost::RunImageJob(job, parent);
}

void ProcessingModule::ShowColor()
{
    RunTool<ColorDialog>(*this, tr("Color Balance"), [](const ColorDialog& d) {
        auto* record = NewStep<ColorParameter>(kvalgo::kColor, d.IsSelected());
        record->path = d.GetPath();
        return record;
    });
}

void ProcessingModule::ShowEnhancement()
{
    RunTool<EnhancementDialog>(*this, tr("Enhancement"), [](const EnhancementDialog& d) {
        auto* record = NewStep<EnhanceParameter>(kvalgo::kEnhance, d.IsSelected());
        record->path = d.GetPath();
        return record;
    });
}

void ProcessingModule::ShowFormat()
{
    RunTool<FormatDialog>(*this, tr("Format"), [](const FormatDialog& d) {
        auto* record = NewStep<FormatParameter>(kvalgo::kFormat, d.IsSelected());
        record->path = d.GetPath();
        record->format = d.GetFormat();
        return record;
    });
}

void ProcessingModule::ShowPyramid()
{
    RunTool<PyramidDialog>(*this, tr("Overviews"), [](const PyramidDialog& d) {
        return NewStep<PyramidParameter>(kvalgo::kPyramid, d.IsSelected());
    });
}

void ProcessingModule::ShowResample()
{
    RunTool<ResampleDialog>(*this, tr("Resample"), [](const ResampleDialog& d) {
        auto* record = NewStep<ResampleParameter>(kvalgo::kResample, d.IsSelected());
        record->path = d.GetPath();
        record->rate = d.GetRate();
        return record;
    });
}

void ProcessingModule::ShowRotate()
{
    RunTool<RotateDialog>(*this, tr("Rotation"), [](const RotateDialog& d) {
        auto* record = NewStep<RotateParameter>(kvalgo::kRotate, d.IsSelected());
        record->path = d.GetPath();
        record->rotateType = d.GetType();
        return record;
    });
}

void ProcessingModule::ShowDistortion()
{
    if (!m_window->RequireProject())
        return;
    DistortionDialog dialog;
    const kvfd::CameraInfo* camera = m_window->Context()->GetCameraInfoSet().GetCamera(0);
    if (camera)
        dialog.SetCamera(*camera);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto* record = NewStep<DistortionParameter>(kvalgo::kDistortion, dialog.IsSelected());
    record->path = dialog.GetPath();
    record->toTif = dialog.ToTif();
    record->toCenter = dialog.ToCenter();
    record->useCamera = dialog.UseCamera();
    if (record->useCamera)
        record->camera = dialog.GetCamera();
    else if (camera)
        record->camera = *camera;
    const Chain chain {kvfd::KvPtr<AlgoParameter>(record)};
    Run(chain, String2QString(record->path), tr("Distortion"));
}

void ProcessingModule::ShowBatch()
{
    if (!m_window->RequireProject())
        return;
    BatchDialog dialog;
    kvhost::GiveButtonsWords(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Chain chain;
    dialog.GetBatchAlgoParameters(chain);
    Run(chain, dialog.GetPath(), tr("Batch Process"));
}

void ProcessingModule::ShowRaw2Tif()
{
    std::string paths[3];
    if (ShowRaw2TifDialog(paths))
        Run({}, String2QString(paths[2]), tr("Raw To Tif"), String2QString(paths[0]),
            String2QString(paths[1]));
}

void ProcessingModule::ShowRename()
{
    ShowRenameDialog();
}
