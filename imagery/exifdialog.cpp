#include "imagery/exifdialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "framework/language.h"
#include "kvfd/pathhelper.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <algorithm>
#include <map>

namespace {

const char* const kSourceHeader = QT_TRANSLATE_NOOP("kvui", "待处理影像路径");
const char* const kOutputHeader = QT_TRANSLATE_NOOP("kvui", "输出路径");

} // namespace

ExifWidget::ExifWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ExifWidget"));
    setFixedSize(640, 480);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 16, 30, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);

    auto* listButtons = new QHBoxLayout();
    QPushButton* add = kvui::MakeButton(this, "exw_add_", tr("添加"), QSize(96, 28), "kv_add_btn");
    m_remove = kvui::MakeButton(this, "exw_remove_", tr("删除选中"), QSize(96, 28), "kv_add_btn");
    QPushButton* clear
        = kvui::MakeButton(this, "exw_clear_", tr("清空"), QSize(96, 28), "kv_add_btn");
    m_remove->setEnabled(false);
    listButtons->addWidget(add);
    listButtons->addWidget(m_remove);
    listButtons->addWidget(clear);
    listButtons->addStretch();
    grid->addLayout(listButtons, 0, 0, 1, 3);

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("exw_table_"));
    m_table->setHorizontalHeaderLabels(
        {kvui::LocalText(kSourceHeader), kvui::LocalText(kOutputHeader)});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->addWidget(m_table, 1, 0, 1, 3);

    const kvui::BrowseRow pos
        = kvui::AddBrowseRow(grid, 2, 0, tr("POS Path"), "exw_pos_", QSize(0, 28), "gpssw_browse_",
                             QSize(28, 28), nullptr);
    m_pos = pos.edit;

    m_copy = new QCheckBox(tr("Copy"), this);
    m_copy->setObjectName(QStringLiteral("exw_copy_"));
    kvui::SetStyleName(m_copy, "kvcheckbox");
    grid->addWidget(m_copy, 3, 0, 1, 3);
    const kvui::BrowseRow output
        = kvui::AddBrowseRow(grid, 4, 0, tr("Destination"), "exw_output_", QSize(0, 28),
                             "gpssw_browse_", QSize(28, 28), nullptr);
    m_output = output.edit;
    m_browseOutput = output.browse;

    auto* match = new QHBoxLayout();
    m_byFile = kvui::MakeRadioButton(this, "exw_by_file_", tr("File"), QSize(), nullptr);
    QRadioButton* byOrder
        = kvui::MakeRadioButton(this, "exw_by_order_", tr("Order"), QSize(), nullptr);
    auto* matchGroup = new QButtonGroup(this);
    matchGroup->addButton(m_byFile);
    matchGroup->addButton(byOrder);
    m_byFile->setChecked(true);
    match->addWidget(m_byFile);
    match->addWidget(byOrder);
    match->addStretch();
    grid->addWidget(kvui::MakeLabel(this, tr("Match By")), 5, 0);
    grid->addLayout(match, 5, 1, 1, 2);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("exw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("exw_cancel_", tr("Cancel"), "kvquitbtn");
    grid->addLayout(buttons.Layout(), 6, 0, 1, 3);
    ClickCopy(false);

    connect(pos.browse, &QPushButton::clicked, this, &ExifWidget::OpenPos);
    connect(m_browseOutput, &QPushButton::clicked, this, &ExifWidget::OpenOut);
    connect(cancel, &QPushButton::clicked, this, &ExifWidget::ClickCancel);
    connect(ok, &QPushButton::clicked, this, &ExifWidget::ClickOK);
    connect(m_copy, &QCheckBox::toggled, this, &ExifWidget::ClickCopy);
    connect(add, &QPushButton::clicked, this, &ExifWidget::AddPath);
    connect(m_remove, &QPushButton::clicked, this, &ExifWidget::RemovePath);
    connect(clear, &QPushButton::clicked, this, &ExifWidget::ClearPath);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &ExifWidget::SelectionChanged);
    // A typed destination counts as much as a chosen one.
    connect(m_output, &QLineEdit::textChanged, this, &ExifWidget::UpdateFolders);
}

void ExifWidget::Get(FolderList& folders, std::string& posPath, int& match) const
{
    folders = m_folders;
    posPath = QString2String(m_pos->text().trimmed());
    match = m_byFile->isChecked() ? 0 : 1;
}

void ExifWidget::AddFolder(const QString& folder)
{
    const std::string source = QString2String(folder);
    if (std::any_of(m_folders.begin(), m_folders.end(),
                    [&source](const auto& pair) { return pair.first == source; }))
        return;
    m_folders.emplace_back(source, std::string());
    UpdateFolders();
}

void ExifWidget::UpdateFolders()
{
    const std::string destination = QString2String(m_output->text().trimmed());
    std::map<std::string, int> sharing; // folder name -> how many sources have it
    for (const auto& pair : m_folders)
        ++sharing[kvfd::PathHelper::GetFileTitle2(pair.first)];
    std::map<std::string, int> counted;
    for (auto& [source, output] : m_folders) {
        if (destination.empty()) {
            output = source;
            continue;
        }
        std::string name = kvfd::PathHelper::GetFileTitle2(source);
        if (sharing[name] > 1)
            name += "_" + std::to_string(++counted[name]);
        output = kvfd::PathHelper::Merge(destination, name);
    }

    m_table->setRowCount(int(m_folders.size()));
    for (int row = 0; row < int(m_folders.size()); ++row) {
        m_table->setItem(row, 0, new QTableWidgetItem(String2QString(m_folders[row].first)));
        m_table->setItem(row, 1, new QTableWidgetItem(String2QString(m_folders[row].second)));
    }
    SelectionChanged();
}

void ExifWidget::OpenPos()
{
    const QString file = kvui::ChooseFile(this, tr("Open POS Data"), tr("Text File (*.txt);;"));
    if (!file.isEmpty())
        m_pos->setText(file);
}

void ExifWidget::OpenOut()
{
    const QString folder = kvui::ChooseFolder(this, tr("Save Result"));
    if (!folder.isEmpty())
        m_output->setText(folder); // recomputes the outputs
}

void ExifWidget::ClickCancel()
{
    RejectDialog();
}

void ExifWidget::ClickOK()
{
    if (m_folders.empty() || m_pos->text().trimmed().isEmpty()
        || (m_copy->isChecked() && m_output->text().trimmed().isEmpty()))
        return;
    AcceptDialog();
}

void ExifWidget::ClickCopy(bool checked)
{
    m_output->setEnabled(checked);
    m_browseOutput->setEnabled(checked);
}

void ExifWidget::AddPath()
{
    const QString folder = kvui::ChooseFolder(this, QString());
    if (!folder.isEmpty())
        AddFolder(folder);
}

void ExifWidget::RemovePath()
{
    QSet<int> rows;
    for (const QTableWidgetItem* item : m_table->selectedItems())
        rows.insert(item->row());
    FolderList kept;
    for (int row = 0; row < int(m_folders.size()); ++row) {
        if (!rows.contains(row))
            kept.push_back(m_folders[row]);
    }
    m_folders.swap(kept);
    UpdateFolders();
}

void ExifWidget::ClearPath()
{
    m_folders.clear();
    UpdateFolders();
}

void ExifWidget::SelectionChanged()
{
    m_remove->setEnabled(!m_table->selectedItems().isEmpty());
}

ExifDialog::ExifDialog(QWidget* parent)
    : ContentDialog(tr("EXIF"), parent)
{ }

bool ShowExifDialog(std::vector<std::pair<std::string, std::string>>& folders, std::string& posPath,
                    int& match)
{
    ExifDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Get(folders, posPath, match);
    return true;
}
