#include "imagery/gpssettingdialog.h"

#include "framework/filechooser.h"
#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/language.h"
#include "imagery/rinexheader.h"
#include "kvfd/kvconststringfactory.h"
#include "kvfd/pathhelper.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <utility>

namespace {

constexpr int kNoOutput = 126;

// The file name is put in where "%1" stands.
const char* const kReplaceQuestion = QT_TRANSLATE_NOOP("kvui", "%1 已存在，是否覆盖？");
const char* const kCopyFailed = QT_TRANSLATE_NOOP("kvui", "%1 复制失败！");

const char* const kPicture = ":/lumoprocessing/images/1280/LumoProcessing/GPS_parameter.png";

// The number in a field; false for text that is no (finite) number, which is
// never taken for 0.
bool FieldValue(const QLineEdit* edit, double& value)
{
    bool ok = false;
    value = edit->text().trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

// A fixed message with the file name put in, translated before the name goes
// in: the box would not find the whole message in the catalogue.
std::string WithFileName(const char* text, const QString& path)
{
    return QString2String(kvui::LocalText(text).arg(QDir::toNativeSeparators(path)));
}

} // namespace

GPSSettingWidget::GPSSettingWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("GPSSettingWidget"));
    setFixedSize(720, 540);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(30, 16, 30, 16);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    const QSize editSize(0, 28);
    const QSize browseSize(28, 28);

    auto* modes = new QHBoxLayout();
    m_single = kvui::MakeRadioButton(this, "gpssw_single_", tr("Single"), QSize(), nullptr);
    m_ppk = kvui::MakeRadioButton(this, "gpssw_ppk_", tr("PPK"), QSize(), nullptr);
    m_rpk = kvui::MakeRadioButton(this, "gpssw_rpk_", tr("HYBRID"), QSize(), nullptr);
    auto* modeGroup = new QButtonGroup(this);
    for (QRadioButton* button : {m_single, m_ppk, m_rpk}) {
        modeGroup->addButton(button);
        modes->addWidget(button);
    }
    modes->addStretch();
    grid->addWidget(kvui::MakeLabel(this, tr("Positioning")), 0, 0);
    grid->addLayout(modes, 0, 1, 1, 2);

    const kvui::BrowseRow rtk = kvui::AddBrowseRow(grid, 1, 0, tr("RTK"), "gpssw_rtk_pos_",
                                                   editSize, "gpssw_add_rtk_", browseSize);
    m_rtkLabel = rtk.label;
    m_rtk = rtk.edit;
    m_addRtk = rtk.browse;
    const kvui::BrowseRow output = kvui::AddBrowseRow(
        grid, 2, 0, tr("Destination"), "gpssw_output_", editSize, "gpssw_browse_", browseSize);
    m_output = output.edit;

    // A length field followed by its unit.
    const auto length = [this](QGridLayout* box, int row, const QString& label, const char* name) {
        QLineEdit* edit = kvui::AddLineEditRow(box, row, 0, label, name, QSize(90, 28)).edit;
        edit->setText(QStringLiteral("0"));
        box->addWidget(kvui::MakeLabel(this, tr("m")), row, 2);
        return edit;
    };
    auto* measured = new QGroupBox(tr("Antenna"), this);
    auto* measuredGrid = new QGridLayout(measured);
    m_r1 = kvui::MakeRadioButton(measured, "gpssw_r1_", tr("Measured"), QSize(), nullptr);
    measuredGrid->addWidget(m_r1, 0, 0, 1, 3);
    m_s = length(measuredGrid, 1, tr("S"), "gpssw_s_");
    m_p = length(measuredGrid, 2, tr("P"), "gpssw_p_");
    m_d = length(measuredGrid, 3, tr("D"), "gpssw_d_");
    m_l = length(measuredGrid, 4, tr("L"), "gpssw_l_");
    auto* vertical = new QGroupBox(tr("Antenna"), this);
    auto* verticalGrid = new QGridLayout(vertical);
    m_r2 = kvui::MakeRadioButton(vertical, "gpssw_r2_", tr("Vertical Height"), QSize(), nullptr);
    verticalGrid->addWidget(m_r2, 0, 0, 1, 3);
    m_h = length(verticalGrid, 1, tr("VH"), "gpssw_h_");
    verticalGrid->setRowStretch(2, 1);
    auto* inputGroup = new QButtonGroup(this);
    inputGroup->addButton(m_r1);
    inputGroup->addButton(m_r2);
    // Antenna parts are centimetres to a few metres; these bounds only keep
    // out what no antenna is.
    for (QLineEdit* edit : {m_s, m_d, m_h})
        kvui::AcceptReal(edit, 0.0, 100.0);
    for (QLineEdit* edit : {m_p, m_l})
        kvui::AcceptReal(edit, -100.0, 100.0);

    auto* pixmap = kvui::MakeLabel(this, QString(), "gpssw_pixmap_", QSize(220, 220));
    const QPixmap picture {QString::fromLatin1(kPicture)};
    if (!picture.isNull())
        pixmap->setPixmap(
            picture.scaled(pixmap->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* antenna = new QHBoxLayout();
    antenna->addWidget(measured);
    antenna->addWidget(vertical);
    antenna->addWidget(pixmap);
    grid->addLayout(antenna, 3, 0, 1, 3);

    auto* systems = new QHBoxLayout();
    const auto system = [this, systems](const char* name, const QString& text) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        systems->addWidget(box);
        return box;
    };
    m_gps = system("gpssw_gps_", tr("GPS"));
    m_beidou = system("gpssw_beidou_", tr("BeiDou"));
    m_glonass = system("gpssw_glonass_", tr("GLONASS"));
    m_sbas = system("gpssw_sbas_", tr("SBAS"));
    systems->addStretch();
    grid->addWidget(kvui::MakeLabel(this, tr("GNSS")), 4, 0);
    grid->addLayout(systems, 4, 1, 1, 2);
    grid->setRowStretch(5, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* prev = buttons.Add("gpssw_prev_", tr("Prev"), "kvquitbtn");
    QPushButton* ok = buttons.Add("gpssw_ok_", tr("OK"), "kvcombtn");
    QPushButton* cancel = buttons.Add("gpssw_cancel_", tr("Cancel"), "kvquitbtn");
    ok->setDefault(true);
    grid->addLayout(buttons.Layout(), 6, 0, 1, 3);

    m_single->setChecked(true);
    m_beidou->setChecked(true);
    m_r2->setChecked(true);
    ClickR2(true);
    ShowRTKRow(false);

    connect(ok, &QPushButton::clicked, this, &GPSSettingWidget::ClickOK);
    connect(cancel, &QPushButton::clicked, this, &GPSSettingWidget::ClickCancel);
    connect(prev, &QPushButton::clicked, this, &GPSSettingWidget::ClickPrev);
    connect(output.browse, &QPushButton::clicked, this, &GPSSettingWidget::ClickOutput);
    connect(m_addRtk, &QPushButton::clicked, this, &GPSSettingWidget::ClickRTK);
    connect(m_single, &QRadioButton::toggled, this, &GPSSettingWidget::ClickSingle);
    connect(m_ppk, &QRadioButton::toggled, this, &GPSSettingWidget::ClickPPK);
    connect(m_rpk, &QRadioButton::toggled, this, &GPSSettingWidget::ClickRPK);
    connect(m_r1, &QRadioButton::toggled, this, &GPSSettingWidget::ClickR1);
    connect(m_r2, &QRadioButton::toggled, this, &GPSSettingWidget::ClickR2);
}

void GPSSettingWidget::SetGPSParam(const kvgps::GPSParam& param)
{
    m_param = param;
    if (param.positioning == 0)
        m_single->setChecked(true);
    else if (param.positioning == 1)
        m_ppk->setChecked(true);
    m_ppk->setEnabled(param.use_base != 0);
    m_rpk->setEnabled(param.use_base != 0);
    m_gps->setChecked(param.gnss_systems & kvgps::GPSParam::kGPS);
    m_beidou->setChecked(param.gnss_systems & kvgps::GPSParam::kBeiDou);
    m_glonass->setChecked(param.gnss_systems & kvgps::GPSParam::kGLONASS);
    m_sbas->setChecked(param.gnss_systems & kvgps::GPSParam::kSBAS);
    // Back on this page after the loading page shows what was chosen before.
    m_output->setText(String2QString(param.output_dir));
    m_rtk->setText(String2QString(param.rtk_file));

    double height = 0.0;
    if (kvui::ReadRinexAntennaHeight(param.rover_obs_path, height)
        == kvui::RinexHeaderResult::Found)
        m_h->setText(QString::number(height, 'f', 3));
}

void GPSSettingWidget::ShowRTKRow(bool show)
{
    m_rtkLabel->setVisible(show);
    m_rtk->setVisible(show);
    m_addRtk->setVisible(show);
}

bool GPSSettingWidget::AntennaHeight(double& height) const
{
    if (m_r1->isChecked()) {
        double s = 0.0;
        double p = 0.0;
        double d = 0.0;
        double l = 0.0;
        if (!FieldValue(m_s, s) || !FieldValue(m_p, p) || !FieldValue(m_d, d)
            || !FieldValue(m_l, l))
            return false;
        const double root = s * s - d * d / 4.0;
        if (!(root > 0.0))
            return false;
        height = std::sqrt(root) + (l - p);
        return std::isfinite(height);
    }
    double vertical = 0.0;
    if (!FieldValue(m_h, vertical) || !(vertical > 0.0))
        return false;
    height = vertical;
    return true;
}

void GPSSettingWidget::CopyShortNames(const QString& rover)
{
    const QFileInfo info(rover);
    const QString title = info.completeBaseName();
    if (info.suffix().compare(QLatin1String("RNX"), Qt::CaseInsensitive) != 0
        || !title.endsWith(QLatin1String("_MO"), Qt::CaseInsensitive))
        return;
    const int last = title.lastIndexOf(QLatin1Char('_'));
    const int cut = last > 0 ? title.lastIndexOf(QLatin1Char('_'), last - 1) : -1;
    if (cut <= 0)
        return;
    const QString stem = title.left(cut);
    const QDir dir = info.dir();
    // The navigation file as it is usually named beside this observation
    // file; names are case-sensitive here.
    QString navigation;
    for (const QString& suffix : {info.suffix(), QStringLiteral("RNX"), QStringLiteral("rnx")}) {
        const QFileInfo candidate(dir.filePath(stem + QStringLiteral("_MN.") + suffix));
        if (candidate.isFile()) {
            navigation = candidate.filePath();
            break;
        }
    }
    if (navigation.isEmpty())
        return;
    const std::pair<QString, QString> copies[] = {
        {info.filePath(), dir.filePath(stem + QStringLiteral(".99o"))},
        {navigation, dir.filePath(stem + QStringLiteral(".99n"))},
    };
    for (const auto& [from, to] : copies) {
        // Such a name may hold another survey's data under the same stem.
        if (QFileInfo::exists(to)
            && KvMessageBox::Show(WithFileName(kReplaceQuestion, to), KvMessageBox::BT_YES_NO)
                != KvMessageBox::BC_OK)
            continue;
        if (!kvfd::PathHelper::CopyFile2(QString2String(from), QString2String(to)))
            KvMessageBox::Show(WithFileName(kCopyFailed, to), KvMessageBox::BT_OK);
    }
}

void GPSSettingWidget::ClickOK()
{
    const QString output = m_output->text().trimmed();
    if (output.isEmpty()) {
        KvMessageBox::Show(kvfd::KvGetConstString(kNoOutput), KvMessageBox::BT_OK);
        return;
    }
    kvgps::GPSParam& param = m_param;
    param.positioning = m_single->isChecked() ? 0 : 1;
    if (param.positioning == 1)
        param.solution_option = 0;
    param.solution_value = -1.0;
    param.gnss_systems = (m_gps->isChecked() ? kvgps::GPSParam::kGPS : 0)
        | (m_sbas->isChecked() ? kvgps::GPSParam::kSBAS : 0)
        | (m_glonass->isChecked() ? kvgps::GPSParam::kGLONASS : 0)
        | (m_beidou->isChecked() ? kvgps::GPSParam::kBeiDou : 0);
    param.output_dir = QString2String(output);
    param.rtk_file = QString2String(m_rtk->text().trimmed());
    double height = 0.0;
    if (AntennaHeight(height))
        param.antenna_height = height;
    CopyShortNames(String2QString(param.rover_obs_path));
    m_result = WR_NEXT;
    AcceptDialog();
}

void GPSSettingWidget::ClickCancel()
{
    m_result = WR_CANCEL;
    RejectDialog();
}

void GPSSettingWidget::ClickPrev()
{
    m_result = WR_BACK;
    RejectDialog();
}

void GPSSettingWidget::ClickOutput()
{
    const QString folder = kvui::ChooseFolder(this, tr("Save Result"));
    if (!folder.isEmpty())
        m_output->setText(folder);
}

void GPSSettingWidget::ClickRTK()
{
    const QString file
        = kvui::ChooseFile(this, tr("Open RTK File"), tr("RTK File (*.pvt;*.gsof);;"));
    if (!file.isEmpty())
        m_rtk->setText(file);
}

void GPSSettingWidget::ClickSingle(bool checked)
{
    if (checked)
        ShowRTKRow(false);
}

void GPSSettingWidget::ClickPPK(bool checked)
{
    if (checked)
        ShowRTKRow(false);
}

void GPSSettingWidget::ClickRPK(bool checked)
{
    if (checked)
        ShowRTKRow(true);
}

void GPSSettingWidget::ClickR1(bool checked)
{
    for (QLineEdit* edit : {m_s, m_p, m_d, m_l})
        edit->setEnabled(checked);
    m_h->setEnabled(!checked);
}

void GPSSettingWidget::ClickR2(bool checked)
{
    ClickR1(!checked);
}

GPSSettingDialog::GPSSettingDialog(QWidget* parent)
    : ContentDialog(tr("GPS Positioning"), parent)
{ }

WResut ShowGPSSettingDialog(kvgps::GPSParam& param)
{
    GPSSettingDialog dialog;
    dialog.SetGPSParam(param);
    dialog.exec();
    param = dialog.GetGPSParam();
    return dialog.Result();
}
