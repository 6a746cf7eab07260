#include "project/flyprjsettingdialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "imagery/lazytablewidget.h"
#include "kvfd/kvconststringfactory.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kDuplicateImages = 118;
constexpr int kNoImages = 119;

} // namespace

FlyPrjSettingWidget::FlyPrjSettingWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("FlyPrjSettingWidget"));
    setFixedSize(800, 600);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setSpacing(12);

    QLabel* title = kvui::MakeLabel(this, tr("Image List: "));
    QFont font = title->font();
    font.setPointSize(12);
    title->setFont(font);
    QPushButton* addFolder
        = kvui::MakeButton(this, "fpsw_add_folder_", tr("Add Folder"), QSize(100, 30));
    QPushButton* addImages
        = kvui::MakeButton(this, "fpsw_add_images_", tr("Add Images"), QSize(100, 30));
    m_remove = kvui::MakeButton(this, "fpsw_remove_", tr("Remove"), QSize(100, 30));
    m_clear = kvui::MakeButton(this, "fpsw_clear_", tr("Clear"), QSize(100, 30));
    m_remove->setEnabled(false);
    m_clear->setEnabled(false);
    auto* tools = new QHBoxLayout();
    tools->setSpacing(10);
    tools->addWidget(title);
    tools->addStretch();
    for (QPushButton* button : {addFolder, addImages, m_remove, m_clear})
        tools->addWidget(button);
    layout->addLayout(tools);

    m_table = new LazyTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("fpsw_table_"));
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Path")});
    m_table->setColumnWidth(0, 120);
    m_table->setColumnWidth(1, 540);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("fpsw_ok_btn_", tr("Finish"), "kvcombtn");
    QPushButton* quit = buttons.Add("fpsw_quit_btn_", tr("Exit"), "kvquitbtn");
    ok->setDefault(true);
    layout->addLayout(buttons.Layout());

    connect(addFolder, &QPushButton::clicked, this, &FlyPrjSettingWidget::ClickAddFolder);
    connect(addImages, &QPushButton::clicked, this, &FlyPrjSettingWidget::ClickAddImages);
    connect(m_remove, &QPushButton::clicked, this, &FlyPrjSettingWidget::ClickRemove);
    connect(m_clear, &QPushButton::clicked, this, &FlyPrjSettingWidget::ClickClear);
    connect(ok, &QPushButton::clicked, this, &FlyPrjSettingWidget::ClickOK);
    connect(quit, &QPushButton::clicked, this, &FlyPrjSettingWidget::ClickCancel);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            &FlyPrjSettingWidget::SelectionChanged);
}

void FlyPrjSettingWidget::AddImages(const QStringList& paths)
{
    bool duplicate = false;
    for (const QString& path : paths) {
        if (!m_images.insert(QString2String(path)).second)
            duplicate = true;
    }
    UpdateTable();
    if (duplicate)
        KvMessageBox::Show(kvfd::KvGetConstString(kDuplicateImages), KvMessageBox::BT_OK);
}

std::vector<std::string> FlyPrjSettingWidget::GetImages() const
{
    return {m_images.begin(), m_images.end()};
}

void FlyPrjSettingWidget::ClickAddFolder()
{
    const QString folder = kvui::ChooseFolder(this, tr("Open Directory"));
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    const QStringList filters {QStringLiteral("*.tiff"), QStringLiteral("*.tif"),
                               QStringLiteral("*.bmp"),  QStringLiteral("*.png"),
                               QStringLiteral("*.jpg"),  QStringLiteral("*.jpeg")};
    QStringList paths;
    for (const QString& name : QDir(folder).entryList(filters, QDir::Files | QDir::NoSymLinks))
        paths.append(folder + QLatin1Char('/') + name);
    AddImages(paths);
}

void FlyPrjSettingWidget::ClickAddImages()
{
    const QStringList files = kvui::ChooseFiles(
        this, tr("Add Images"),
        tr("images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)"));
    if (!files.isEmpty())
        AddImages(files);
}

void FlyPrjSettingWidget::ClickRemove()
{
    // Rows are listed in set order, so a row number names a path.
    const std::vector<std::string> listed = GetImages();
    std::vector<bool> marked(listed.size(), false);
    for (const QTableWidgetSelectionRange& range : m_table->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row) {
            if (row >= 0 && std::size_t(row) < marked.size())
                marked[std::size_t(row)] = true;
        }
    }
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (marked[i])
            m_images.erase(listed[i]);
    }
    UpdateTable();
}

void FlyPrjSettingWidget::ClickClear()
{
    m_images.clear();
    UpdateTable();
}

void FlyPrjSettingWidget::ClickOK()
{
    if (m_images.empty()) {
        KvMessageBox::Show(kvfd::KvGetConstString(kNoImages), KvMessageBox::BT_OK);
        return;
    }
    AcceptDialog();
}

void FlyPrjSettingWidget::ClickCancel()
{
    RejectDialog();
}

void FlyPrjSettingWidget::SelectionChanged()
{
    m_remove->setEnabled(!m_table->selectedRanges().isEmpty());
}

void FlyPrjSettingWidget::UpdateTable()
{
    m_table->clearSelection();
    m_rows.clear();
    m_rows.reserve(m_images.size());
    for (const std::string& image : m_images)
        m_rows.push_back(&image);
    m_table->SetRows(int(m_rows.size()), [this](int row) {
        const QFileInfo file(String2QString(*m_rows[std::size_t(row)]));
        return QStringList {file.fileName(), file.path()};
    });
    m_clear->setEnabled(!m_images.empty());
    SelectionChanged();
}

FlyPrjSettingDialog::FlyPrjSettingDialog(QWidget* parent)
    : ContentDialog(tr("Flight Project Setting"), parent)
{ }
