#include "imagery/rt27dialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvshared.h"
#include "kvfd/pathhelper.h"

#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const kOpenCaption = QT_TRANSLATE_NOOP("kvui", "打开RT27/GNS文件");
const char* const kRT27Filter
    = QT_TRANSLATE_NOOP("kvui", "Trimble RT27 File(*.rt27;*.GNS);;All(*.*)");

} // namespace

RT27Widget::RT27Widget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("RT27Widget"));
    setFixedSize(480, 200);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(30, 24, 30, 16);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(14);
    const QSize editSize(0, 28);
    const QSize browseSize(40, 28);
    const kvui::BrowseRow rt27 = kvui::AddBrowseRow(layout, 0, 0, tr("RT27 File"), "rtw_rt27_",
                                                    editSize, "rtw_add_rt27_", browseSize, nullptr);
    const kvui::BrowseRow rinex
        = kvui::AddBrowseRow(layout, 1, 0, tr("RINEX FILE"), "rtw_rinex_", editSize,
                             "rtw_add_rinex_", browseSize, nullptr);
    m_rt27 = rt27.edit;
    m_rinex = rinex.edit;
    rt27.browse->setText(QStringLiteral("..."));
    rinex.browse->setText(QStringLiteral("..."));

    kvui::ButtonRow buttons(this);
    auto* ok = buttons.Add("rtw_ok_", tr("OK"), "kvcombtn");
    auto* cancel = buttons.Add("rtw_cancel_", tr("Cancel"), "kvquitbtn");
    layout->addLayout(buttons.Layout(), 2, 0, 1, 3);

    connect(rt27.browse, &QPushButton::clicked, this, &RT27Widget::AddRT27);
    connect(rinex.browse, &QPushButton::clicked, this, &RT27Widget::AddRinex);
    connect(ok, &QPushButton::clicked, this, &RT27Widget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &RT27Widget::ClickCancel);
}

QString RT27Widget::RT27() const
{
    return m_rt27->text();
}

QString RT27Widget::Rinex() const
{
    return m_rinex->text();
}

void RT27Widget::ChooseRT27(const QString& file)
{
    SetDefaultPath(file, true);
    m_rt27->setText(file);
    // A folder the operator already chose is never replaced.
    if (m_rinex->text().isEmpty())
        m_rinex->setText(String2QString(kvfd::PathHelper::GetFileDirectory(QString2String(file))));
}

void RT27Widget::ChooseRinex(const QString& folder)
{
    SetDefaultPath(folder, false);
    m_rinex->setText(folder);
}

void RT27Widget::AddRT27()
{
    const QString file = kvui::ChooseFile(this, kOpenCaption, kRT27Filter);
    if (!file.isEmpty())
        ChooseRT27(file);
}

void RT27Widget::AddRinex()
{
    const QString folder = kvui::ChooseFolder(this, tr("Save RINEX File"));
    if (!folder.isEmpty())
        ChooseRinex(folder);
}

void RT27Widget::ClickOK()
{
    if (!m_rt27->text().trimmed().isEmpty() && !m_rinex->text().trimmed().isEmpty())
        AcceptDialog();
}

void RT27Widget::ClickCancel()
{
    RejectDialog();
}

RT27Dialog::RT27Dialog(QWidget* parent)
    : ContentDialog(tr("RT27 Format Change"), parent)
{ }

std::string RT27Dialog::GetRT27() const
{
    return QString2String(Content()->RT27());
}

std::string RT27Dialog::GetRinex() const
{
    return QString2String(Content()->Rinex());
}

bool ShowRT27Dialog(std::string* files)
{
    RT27Dialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (files) {
        files[0] = dialog.GetRT27();
        files[1] = dialog.GetRinex();
    }
    return true;
}
