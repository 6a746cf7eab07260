#include "processing/renamedialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "kvfd/pathhelper.h"

#include <QDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const kFinished = QT_TRANSLATE_NOOP("kvui", "处理结束!");
const char* const kRenamed = QT_TRANSLATE_NOOP("kvui", "已重命名 %1 个文件。");
const char* const kNotRenamed = QT_TRANSLATE_NOOP("kvui", "以下 %1 个文件未重命名：");
const char* const kMore = QT_TRANSLATE_NOOP("kvui", "……另有 %1 个");
const char* const kNoFolder = QT_TRANSLATE_NOOP("kvui", "文件夹不存在！");
const char* const kBadRule = QT_TRANSLATE_NOOP("kvui", "名称中不能含有“/”！");

// The message box has room for a few names only.
constexpr int kListedNames = 5;

} // namespace

namespace kvui {

bool RenameWithoutReplacing(const std::string& from, const std::string& to)
{
    struct stat taken;
    if (from.empty() || to.empty() || ::lstat(to.c_str(), &taken) == 0)
        return false;
    // The check above leaves a moment in which another program may create the
    // name; a rename that refuses to replace closes it.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without such renames: a new link refuses a taken name too.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) == 0)
            return true;
        ::unlink(to.c_str());
        return false;
    }
    if (errno == EEXIST)
        return false;
    // Neither (FAT, some network shares): the check above is all there is.
    return kvfd::PathHelper::RenameFile(from, to);
}

} // namespace kvui

RenameWidget::RenameWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setFixedSize(560, 220);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 20, 30, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);

    const kvui::BrowseRow path = kvui::AddBrowseRow(grid, 0, 0, tr("File Path : "), "rnw_path_",
                                                    QSize(0, 28), "rnw_open_btn_", QSize(28, 28));
    m_path = path.edit;
    path.browse->setAutoDefault(false);

    grid->addWidget(kvui::MakeLabel(this, tr("Rename Rule : ")), 1, 0);
    m_before = kvui::MakeRadioButton(this, "rnw_before_radio_", tr("Before"));
    m_after = kvui::MakeRadioButton(this, "rnw_after_radio_", tr("After"));
    m_beforeText = kvui::MakeLineEdit(this, "rnw_before_", QSize(0, 28));
    m_afterText = kvui::MakeLineEdit(this, "rnw_after_", QSize(0, 28));
    auto* rule = new QGridLayout();
    rule->setHorizontalSpacing(10);
    rule->addWidget(m_before, 0, 0);
    rule->addWidget(m_beforeText, 0, 1);
    rule->addWidget(m_after, 1, 0);
    rule->addWidget(m_afterText, 1, 1);
    grid->addLayout(rule, 1, 1, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    m_before->setChecked(true);
    m_afterText->setEnabled(false);

    kvui::ButtonRow buttons(this);
    QPushButton* run = buttons.Add("rnw_run_btn_", tr("Run"), "kvcombtn");
    QPushButton* exit = buttons.Add("rnw_exit_btn_", tr("Exit"), "kvcombtn");
    grid->addLayout(buttons.Layout(), 4, 0, 1, 3);

    connect(path.browse, &QPushButton::clicked, this, &RenameWidget::ClickOpenPath);
    connect(m_before, &QRadioButton::clicked, this, &RenameWidget::ClickBefore);
    connect(m_after, &QRadioButton::clicked, this, &RenameWidget::ClickAfter);
    connect(run, &QPushButton::clicked, this, &RenameWidget::ClickRun);
    connect(exit, &QPushButton::clicked, this, &RenameWidget::ClickExit);
}

void RenameWidget::ClickOpenPath()
{
    const QString folder = kvui::ChooseFolder(this, tr("Open Directory"));
    if (!folder.isEmpty())
        m_path->setText(folder);
}

void RenameWidget::ClickBefore()
{
    m_beforeText->setEnabled(true);
    m_afterText->setEnabled(false);
    m_afterText->clear();
}

void RenameWidget::ClickAfter()
{
    m_afterText->setEnabled(true);
    m_beforeText->setEnabled(false);
    m_beforeText->clear();
}

void RenameWidget::ClickRun()
{
    using kvfd::PathHelper;
    const bool before = m_before->isChecked();
    const std::string rule
        = QString2String((before ? m_beforeText : m_afterText)->text().trimmed());
    if (rule.empty())
        return;
    // A rule with a separator would move the files into another folder.
    if (rule.find('/') != std::string::npos) {
        KvMessageBox::Show(kBadRule, KvMessageBox::BT_OK);
        return;
    }
    const QString folderText = m_path->text().trimmed();
    const std::string folder = QString2String(folderText);
    std::vector<std::string> names;
    if (folder.empty() || !QFileInfo(folderText).isDir()
        || !PathHelper::GetFileNames(folder, names)) {
        KvMessageBox::Show(kNoFolder, KvMessageBox::BT_OK);
        return;
    }

    int renamed = 0;
    QStringList kept;
    // The list is taken before the first rename, so no file is renamed twice.
    for (const std::string& name : names) {
        const std::string path = PathHelper::Merge(folder, name);
        const std::string directory = PathHelper::GetFileDirectory(path);
        const std::string title = PathHelper::GetFileTitle2(path);
        const std::string extension = PathHelper::GetFileExt(path); // ".jpg", or empty
        const std::string newName = (before ? rule + title : title + rule) + extension;
        if (kvui::RenameWithoutReplacing(path, PathHelper::Merge(directory, newName)))
            ++renamed;
        else
            kept.append(String2QString(name));
    }

    QString message
        = kvui::LocalText(kFinished) + QLatin1Char('\n') + kvui::LocalText(kRenamed).arg(renamed);
    if (!kept.isEmpty()) {
        message += QLatin1Char('\n') + kvui::LocalText(kNotRenamed).arg(kept.size());
        message += QLatin1Char('\n') + kept.mid(0, kListedNames).join(QLatin1Char('\n'));
        if (kept.size() > kListedNames)
            message += QLatin1Char('\n') + kvui::LocalText(kMore).arg(kept.size() - kListedNames);
    }
    KvMessageBox::Show(QString2String(message), KvMessageBox::BT_OK);
    AcceptDialog();
}

void RenameWidget::ClickExit()
{
    AcceptDialog();
}

RenameDialog::RenameDialog(QWidget* parent)
    : ContentDialog(tr("Rename"), parent)
{ }

void ShowRenameDialog()
{
    RenameDialog dialog;
    dialog.exec();
}
