#include "settings/oksettingbar.h"

#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvshared.h"
#include "kvfd/kvconststringfactory.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* kDefaultResolution = "0.1";
// The constant string "请选择工作路径！".
constexpr int kChooseWorkingFolder = 126;

} // namespace

OKSettingBar::OKSettingBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("OKSettingBar"));
    setFixedSize(200, 700);

    auto place = [](QWidget* widget, int x, int y, int w, int h) {
        widget->setGeometry(x, y, w, h);
        return widget;
    };
    place(kvui::MakeLabel(this, tr("Resolution:(m)"), "oksb_resolution_label_"), 20, 20, 160, 24);
    m_resolution = kvui::MakeLineEdit(this, "oksb_resolution_edit_", QSize());
    place(m_resolution, 20, 48, 160, 28);
    m_resolution->setText(QLatin1String(kDefaultResolution));

    place(kvui::MakeLabel(this, tr("Destination:"), "oksb_save_path_label_"), 20, 90, 160, 24);
    m_savePath = kvui::MakeLineEdit(this, "oksb_save_path_edit_", QSize());
    place(m_savePath, 20, 118, 124, 28);
    QPushButton* browse = kvui::MakeToolButton(this, "oksb_browse_btn_", QString(), QSize(),
                                               QString(), "kvsavefilebtn");
    place(browse, 150, 118, 30, 28);

    // The quality choice is kept for hosts that offer it again; this one does not.
    m_normal = kvui::MakeToolButton(this, "oksb_normal_btn_", QString(), QSize());
    m_fine = kvui::MakeToolButton(this, "oksb_fine_btn_", QString(), QSize());
    QLabel* normalLabel = kvui::MakeLabel(this, tr("Normal"), "oksb_normal_label_");
    QLabel* fineLabel = kvui::MakeLabel(this, tr("Fine"), "oksb_fine_label_");
    place(m_normal, 20, 160, 20, 20);
    place(normalLabel, 46, 158, 60, 24);
    place(m_fine, 110, 160, 20, 20);
    place(fineLabel, 136, 158, 44, 24);
    for (QPushButton* button : {m_normal, m_fine}) {
        button->setCheckable(true);
        button->setAutoExclusive(true);
    }
    m_normal->setChecked(true);
    for (QWidget* widget : {static_cast<QWidget*>(m_normal), static_cast<QWidget*>(m_fine),
                            static_cast<QWidget*>(normalLabel), static_cast<QWidget*>(fineLabel)})
        widget->hide();

    place(kvui::MakeLabel(this, tr("Boundary"), "oksb_boundary_label_"), 20, 200, 160, 24);
    m_rect = kvui::MakeToolButton(this, "oksb_rect_btn_", QString(), QSize());
    m_polygon = kvui::MakeToolButton(this, "oksb_polygon_btn_", QString(), QSize());
    m_clear = kvui::MakeToolButton(this, "oksb_clear_btn_", QString(), QSize());
    int x = 20;
    for (QPushButton* button : {m_rect, m_polygon, m_clear}) {
        button->setCheckable(true);
        place(button, x, 232, 42, 42);
        x += 59;
    }

    m_reset = kvui::MakeToolButton(this, "oksb_reset_btn_", QString(), QSize());
    m_run = kvui::MakeToolButton(this, "oksb_run_btn_", QString(), QSize());

    connect(browse, &QPushButton::clicked, this, &OKSettingBar::SaveDOM);
    connect(m_rect, &QPushButton::clicked, this, &OKSettingBar::SelectOuputRect);
    connect(m_polygon, &QPushButton::clicked, this, &OKSettingBar::SelectOutputPolygon);
    connect(m_clear, &QPushButton::clicked, this, &OKSettingBar::SelectOutputClear);
    connect(m_reset, &QPushButton::clicked, this, &OKSettingBar::ResetPos);
    connect(m_run, &QPushButton::clicked, this, &OKSettingBar::RunS);
}

double OKSettingBar::GetResolution() const
{
    return m_resolution->text().toDouble();
}

QString OKSettingBar::GetSavePath() const
{
    return m_savePath->text();
}

bool OKSettingBar::IsQuick() const
{
    return !m_normal->isChecked();
}

bool OKSettingBar::IsFine() const
{
    return m_fine->isChecked();
}

void OKSettingBar::UpdateCheckStatus(int tool)
{
    m_rect->setChecked(tool == kOutputRect);
    m_polygon->setChecked(tool == kOutputPolygon);
}

void OKSettingBar::Clear()
{
    m_normal->setChecked(true);
    m_resolution->setText(QLatin1String(kDefaultResolution));
    m_savePath->clear();
}

void OKSettingBar::resizeEvent(QResizeEvent* event)
{
    BaseWidget::resizeEvent(event);
    m_reset->setGeometry(37, height() - 110, 120, 32);
    m_run->setGeometry(30, height() - 60, 133, 40);
}

void OKSettingBar::SaveDOM()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Save DOM"), GetDefaultPath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    // "." and ".." are listed too: more than two entries is a folder in use.
    const QDir dir(folder);
    if (dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System).size() > 2
        && KvMessageBox::Show(QT_TRANSLATE_NOOP("kvui", "文件夹非空，是否覆盖!"),
                              KvMessageBox::BT_YES_NO)
            != KvMessageBox::BC_OK)
        return;
    m_savePath->setText(folder);
    SetDefaultPath(folder, false);
}

void OKSettingBar::RunS()
{
    if (m_savePath->text().isEmpty()) {
        KvMessageBox::Show(kvfd::KvGetConstString(kChooseWorkingFolder), KvMessageBox::BT_OK);
        return;
    }
    Q_EMIT Run();
}
