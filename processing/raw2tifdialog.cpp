#include "processing/raw2tifdialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "framework/kvstyle.h"
#include "framework/language.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const kRawCaption = QT_TRANSLATE_NOOP("kvui", "选择RAW文件夹");
const char* const kPosCaption = QT_TRANSLATE_NOOP("kvui", "选择POS文件");
const char* const kPosFilter = QT_TRANSLATE_NOOP("kvui", "POS文件 (*.txt);;所有文件 (*.*)");
const char* const kTifCaption = QT_TRANSLATE_NOOP("kvui", "选择TIF文件夹");

} // namespace

Raw2TifWidget::Raw2TifWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setFixedSize(560, 260);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 24, 30, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);

    const QSize editSize(0, 28);
    const QSize buttonSize(28, 28);
    const kvui::BrowseRow raw = kvui::AddBrowseRow(grid, 0, 0, tr("Raw:"), "r2tw_raw_", editSize,
                                                   "r2tw_open_raw_", buttonSize);
    m_raw = raw.edit;

    grid->addWidget(kvui::MakeLabel(this, tr("POS:")), 1, 0);
    m_usePos = new QCheckBox(this);
    m_usePos->setObjectName(QStringLiteral("r2tw_use_pos_"));
    kvui::SetStyleName(m_usePos, "kvcheckbox");
    m_usePos->setChecked(true);
    m_pos = kvui::MakeLineEdit(this, "r2tw_pos_", editSize);
    m_openPos = kvui::MakeToolButton(this, "r2tw_open_pos_", QString(), buttonSize, QString(),
                                     "kvopenfilebtn");
    auto* posRow = new QHBoxLayout();
    posRow->addWidget(m_usePos);
    posRow->addWidget(m_pos, 1);
    grid->addLayout(posRow, 1, 1);
    grid->addWidget(m_openPos, 1, 2);

    const kvui::BrowseRow tif = kvui::AddBrowseRow(grid, 2, 0, tr("Tif:"), "r2tw_tif_", editSize,
                                                   "r2tw_open_tif_", buttonSize, "kvsavefilebtn");
    m_tif = tif.edit;
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* ok = buttons.Add("r2tw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("r2tw_cancel_", tr("Cancel"), "kvquitbtn");
    grid->addLayout(buttons.Layout(), 4, 0, 1, 3);

    raw.browse->setAutoDefault(false);
    tif.browse->setAutoDefault(false);
    connect(raw.browse, &QPushButton::clicked, this, &Raw2TifWidget::ClickOpenRAW);
    connect(m_openPos, &QPushButton::clicked, this, &Raw2TifWidget::ClickOpenPOS);
    connect(tif.browse, &QPushButton::clicked, this, &Raw2TifWidget::ClickOpenTIF);
    connect(m_usePos, &QCheckBox::clicked, this, &Raw2TifWidget::ClickPOS);
    connect(cancel, &QPushButton::clicked, this, &Raw2TifWidget::ClickCancel);
    connect(ok, &QPushButton::clicked, this, &Raw2TifWidget::ClickOK);
}

void Raw2TifWidget::GetPaths(std::string paths[3]) const
{
    paths[0] = QString2String(m_raw->text().trimmed());
    paths[1] = QString2String(m_pos->text().trimmed());
    paths[2] = QString2String(m_tif->text().trimmed());
}

void Raw2TifWidget::ClickOpenRAW()
{
    kvui::BrowseInto(this, m_raw, kRawCaption, nullptr, kvui::BrowseMode::Folder);
}

void Raw2TifWidget::ClickOpenPOS()
{
    kvui::BrowseInto(this, m_pos, kPosCaption, kPosFilter, kvui::BrowseMode::OpenFile);
}

void Raw2TifWidget::ClickOpenTIF()
{
    kvui::BrowseInto(this, m_tif, kTifCaption, nullptr, kvui::BrowseMode::Folder);
}

void Raw2TifWidget::ClickPOS(bool on)
{
    m_pos->setEnabled(on);
    m_openPos->setEnabled(on);
}

void Raw2TifWidget::ClickCancel()
{
    RejectDialog();
}

void Raw2TifWidget::ClickOK()
{
    if (m_raw->text().trimmed().isEmpty() || m_tif->text().trimmed().isEmpty())
        return;
    if (m_usePos->isChecked() && m_pos->text().trimmed().isEmpty())
        return;
    AcceptDialog();
}

Raw2TifDialog::Raw2TifDialog(QWidget* parent)
    : ContentDialog(tr("Raw To Tif"), parent)
{ }

bool ShowRaw2TifDialog(std::string paths[3])
{
    Raw2TifDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Content()->GetPaths(paths);
    return true;
}
