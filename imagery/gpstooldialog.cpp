#include "imagery/gpstooldialog.h"

#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "framework/language.h"
#include "kvgps/interpolatepos.h"

#include <QDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace {

const char* const kSuccess = QT_TRANSLATE_NOOP("kvui", "计算成功！");
const char* const kFailure = QT_TRANSLATE_NOOP("kvui", "计算失败！");

} // namespace

GPSToolWidget::GPSToolWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("GPSToolWidget"));
    setFixedSize(580, 360);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(30, 16, 30, 16);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(12);
    layout->addWidget(kvui::MakeLabel(this, tr("GPS工具")), 0, 0, 1, 3);

    const QSize editSize(0, 28);
    const QSize buttonSize(60, 28);
    const auto addRow = [&](int row, const QString& label, const char* edit, const char* button,
                            const QString& text) {
        const kvui::BrowseRow made = kvui::AddBrowseRow(layout, row, 0, label, edit, editSize,
                                                        button, buttonSize, nullptr, nullptr);
        made.browse->setText(text);
        return made;
    };
    const kvui::BrowseRow rinex
        = addRow(1, tr("机载RINEX"), "gtw_rinex_", "gtw_open_rinex_", tr("打开"));
    const kvui::BrowseRow trajectory
        = addRow(2, tr("轨迹文件"), "gtw_trajectory_", "gtw_open_trajectory_", tr("打开"));
    const kvui::BrowseRow baPos
        = addRow(3, tr("空三POS"), "gtw_ba_pos_", "gtw_open_ba_pos_", tr("打开"));
    const kvui::BrowseRow pos = addRow(4, tr("输出POS"), "gtw_pos_", "gtw_save_", tr("保存"));
    m_rinex = rinex.edit;
    m_trajectory = trajectory.edit;
    m_baPos = baPos.edit;
    m_pos = pos.edit;

    layout->addWidget(kvui::MakeLabel(this, tr("偏心距X Y Z")), 5, 0);
    auto* offsets = new QHBoxLayout();
    offsets->setSpacing(10);
    const char* const names[3] = {"gtw_x_", "gtw_y_", "gtw_z_"};
    const char* const presets[3] = {"-0.0562", "-0.002", "0.1052"};
    for (int i = 0; i < 3; ++i) {
        m_offset[i] = kvui::MakeLineEdit(this, names[i], editSize, nullptr);
        m_offset[i]->setText(QLatin1String(presets[i]));
        kvui::AcceptReal(m_offset[i], -kMaxOffset, kMaxOffset);
        offsets->addWidget(m_offset[i]);
    }
    layout->addLayout(offsets, 5, 1);

    kvui::ButtonRow buttons(this);
    auto* run = buttons.Add("gtw_run_", tr("执行"), nullptr);
    auto* exit = buttons.Add("gtw_exit_", tr("退出"), nullptr);
    layout->addLayout(buttons.Layout(), 6, 0, 1, 3);

    connect(rinex.browse, &QPushButton::clicked, this, &GPSToolWidget::OpenRinex);
    connect(trajectory.browse, &QPushButton::clicked, this, &GPSToolWidget::OpenTrajectory);
    connect(baPos.browse, &QPushButton::clicked, this, &GPSToolWidget::OpenBAPOS);
    connect(pos.browse, &QPushButton::clicked, this, &GPSToolWidget::SavePOS);
    connect(run, &QPushButton::clicked, this, &GPSToolWidget::Run);
    connect(exit, &QPushButton::clicked, this, &GPSToolWidget::Quit);
}

void GPSToolWidget::OpenRinex()
{
    kvui::BrowseInto(this, m_rinex, QT_TRANSLATE_NOOP("kvui", "打开机载RINEX数据"),
                     QT_TRANSLATE_NOOP("kvui", "观测文件(*.*o);;所有文件(*.*)"),
                     kvui::BrowseMode::OpenFile);
}

void GPSToolWidget::OpenTrajectory()
{
    kvui::BrowseInto(this, m_trajectory, QT_TRANSLATE_NOOP("kvui", "打开轨迹文件"),
                     QT_TRANSLATE_NOOP("kvui", "所有文件(*.*)"), kvui::BrowseMode::OpenFile);
}

void GPSToolWidget::OpenBAPOS()
{
    kvui::BrowseInto(this, m_baPos, QT_TRANSLATE_NOOP("kvui", "打开空三POS数据"),
                     QT_TRANSLATE_NOOP("kvui", "POS文件(*.txt);;所有文件(*.*)"),
                     kvui::BrowseMode::OpenFile);
}

void GPSToolWidget::SavePOS()
{
    kvui::BrowseInto(this, m_pos, QT_TRANSLATE_NOOP("kvui", "保存POS"),
                     QT_TRANSLATE_NOOP("kvui", "POS文件(*.txt)"), kvui::BrowseMode::SaveFile);
}

void GPSToolWidget::Run()
{
    const std::string rinex = QString2String(m_rinex->text());
    const std::string trajectory = QString2String(m_trajectory->text());
    const std::string baPos = QString2String(m_baPos->text());
    const std::string output = QString2String(m_pos->text());
    if (rinex.empty() || trajectory.empty() || output.empty())
        return;
    double offset[3];
    for (int i = 0; i < 3; ++i)
        offset[i] = m_offset[i]->text().toDouble();
    kvgps::InterpolateError error;
    if (kvgps::InterpolatePOS(rinex, trajectory, baPos, output, offset, &error)) {
        KvMessageBox::Show(kSuccess, KvMessageBox::BT_OK);
        return;
    }
    const QString reason = FailureReason(error);
    if (reason.isEmpty()) {
        KvMessageBox::Show(kFailure, KvMessageBox::BT_OK);
        return;
    }
    // The box would not find the fixed text within the whole message, so it
    // is translated before the reason is added.
    const QString message = kvui::LocalText(kFailure) + QLatin1Char('\n') + reason;
    KvMessageBox::Show(QString2String(message), KvMessageBox::BT_OK);
}

QString GPSToolWidget::FailureReason(const kvgps::InterpolateError& error) const
{
    using Error = kvgps::InterpolateError;
    const QLineEdit* fields[] = {nullptr, m_rinex, m_trajectory, m_baPos, m_pos};
    const QString name = fields[error.file]
        ? QFileInfo(fields[error.file]->text().trimmed()).fileName()
        : QString();
    switch (error.reason) {
    case Error::NoError:
        return QString();
    case Error::Unreadable:
        return tr("%1 cannot be read.").arg(name);
    case Error::TooLarge:
        return tr("%1 is too large.").arg(name);
    case Error::NotRinex:
        return tr("%1 is not a RINEX observation file.").arg(name);
    case Error::BadLine:
        return tr("%1, line %2, cannot be read.").arg(name).arg(error.line);
    case Error::Truncated:
        return tr("%1 ends inside a record.").arg(name);
    case Error::TimeSystem:
        return tr("%1 is in GLONASS or UTC time; GPS time is needed.").arg(name);
    case Error::NoRecords:
        return error.file == Error::BAPos ? tr("%1 holds no image record.").arg(name)
                                          : tr("%1 holds no trajectory epoch.").arg(name);
    case Error::NoEvents:
        return tr("%1 holds no camera event.").arg(name);
    case Error::RecordCount:
        return tr("%1 holds %2 image records for %3 camera events.")
            .arg(name)
            .arg(error.records)
            .arg(error.events);
    case Error::NotCovered:
        return tr("No camera event lies within the time of %1.").arg(name);
    case Error::BadOffset:
        return tr("The offsets are no lengths in metres.");
    case Error::NoOutput:
        return tr("No output file is given.");
    case Error::WriteFailed:
        return tr("%1 cannot be written.").arg(name);
    case Error::OutOfMemory:
        return tr("There is not enough memory.");
    }
    return QString();
}

void GPSToolWidget::Quit()
{
    RejectDialog();
}

GPSToolDialog::GPSToolDialog(QWidget* parent)
    : ContentDialog(tr("GPS TOOL"), parent)
{ }

void ShowGPSToolDialog(QWidget*)
{
    GPSToolDialog dialog;
    dialog.exec();
}
