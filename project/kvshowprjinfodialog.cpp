#include "project/kvshowprjinfodialog.h"

#include "framework/formrows.h"
#include "framework/kvmessagebox.h"
#include "framework/kvstyle.h"
#include "imagery/lazytablewidget.h"
#include "kvfd/kvconfiguration.h"
#include "kvmath/geoprj.h"
#include "kvmath/mathhelper.h"
#include "project/projectrecord.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <utility>
#include <vector>

namespace {

QString Fixed(double value)
{
    return QString::number(value, 'f', 6);
}

// The system's name with its datum in front, as the operator knows it
// ("Xian 1980 ..."); the catalogue's own names may already start with it.
QString DisplayName(const kvfd::CoordinateInfo& coordinate)
{
    const QString name = String2QString(coordinate.name);
    QString datum;
    if (coordinate.type == kvfd::CT_XIAN80)
        datum = QStringLiteral("Xian 1980 ");
    else if (coordinate.type == kvfd::CT_CGCS2000)
        datum = QStringLiteral("CGCS2000 ");
    return name.startsWith(datum.trimmed()) ? name : datum + name;
}

} // namespace

KvShowPrjInfoWidget::KvShowPrjInfoWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("KvShowPrjInfoWidget"));
    setFixedSize(800, 600);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setSpacing(10);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    auto addValue = [this, grid](int row, int column, const QString& caption, const char* name,
                                 int span = 1) {
        grid->addWidget(kvui::MakeLabel(this, caption), row, column, Qt::AlignTop);
        QLabel* value = kvui::MakeLabel(this, QString(), name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(value, row, column + 1, 1, span);
        return value;
    };
    m_name = addValue(0, 0, tr("Name:"), "label_PrjInfo_Name");
    m_meanHeight = addValue(0, 2, tr("Mean Elevation: "), "label_prjInfo_meanHeight");
    m_operator = addValue(1, 0, tr("Operator: "), "label_prjInfo_Operator");
    m_camera = addValue(1, 2, tr("Camera: "), "label_prjInfo_cameraName");
    m_coordinate = addValue(2, 0, tr("Coordinate:"), "label_prjInfo_coordinate");
    m_date = addValue(2, 2, tr("Date:"), "label_PrjInfo_WorkDate");
    m_description = addValue(3, 0, tr("Description:"), "label_PrjInfo_describe", 3);
    m_description->setWordWrap(true);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    layout->addWidget(kvui::MakeLabel(this, tr("Images:")));
    m_table = new LazyTableWidget(0, 7, this);
    m_table->setObjectName(QStringLiteral("table_imageInfo"));
    m_table->setHorizontalHeaderLabels(
        {tr("Name"), tr("X"), tr("Y"), tr("Z"), tr("Omega"), tr("Phi"), tr("Kappa")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    kvui::SetListFont(m_table, this);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    layout->addWidget(m_table, 1);

    kvui::ButtonRow buttons(this);
    QPushButton* back = buttons.Add("ForwardBtn", tr("Back"), "kvcombtn");
    QPushButton* finish = buttons.Add("finishBtn", tr("Finish"), "kvcombtn");
    QPushButton* exit = buttons.Add("cancelBtn", tr("Exit"), "kvquitbtn");
    finish->setDefault(true);
    layout->addLayout(buttons.Layout());

    connect(finish, &QPushButton::clicked, this, &KvShowPrjInfoWidget::slot_OkBtn_clicked);
    connect(exit, &QPushButton::clicked, this, &KvShowPrjInfoWidget::slot_CancelBtn_clicked);
    connect(back, &QPushButton::clicked, this, &KvShowPrjInfoWidget::slot_ForwardBtn_clicked);
}

KvShowPrjInfoWidget::~KvShowPrjInfoWidget() = default;

void KvShowPrjInfoWidget::SetProject(const kvprj::KvProject& project)
{
    m_project = project;
    PrepareProjection();
    Fill();
}

const kvprj::KvProject& KvShowPrjInfoWidget::Project() const
{
    ProjectPositions();
    return m_project;
}

void KvShowPrjInfoWidget::PrepareProjection()
{
    m_transform.reset();
    m_projected = true;
    const int id = m_project.GetPrjInfo().coordinateId;
    if (id == -1)
        return;
    const kvfd::CoordinateInfoSet systems
        = kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet();
    kvfd::CoordinateInfo target;
    if (!systems.GetCoordinateByID(id, target))
        return;
    auto transform = std::make_unique<kvmath::GeoPrj>();
    if (!transform->Create(systems.GetWGS84(), target))
        return;
    m_transform = std::move(transform);
    m_projected = false;
}

void KvShowPrjInfoWidget::ProjectPositions() const
{
    if (m_projected)
        return;
    m_projected = true;
    // GeoPrj takes longitude and latitude in degrees, as the positions hold them.
    kvfd::ImageInfoSet& images = m_project.GetImageInfoSet();
    std::vector<int> indices;
    std::vector<double> xs, ys, zs;
    indices.reserve(std::size_t(images.ValidSize()));
    for (int i = 0; i < images.Size(); ++i) {
        if (const kvfd::ImageInfo* image = std::as_const(images).GetImage(i)) {
            indices.push_back(i);
            xs.push_back(image->GetEOP().X);
            ys.push_back(image->GetEOP().Y);
            zs.push_back(image->GetEOP().Z);
        }
    }
    // Points that cannot be transformed keep their values; heights stay as
    // they were whatever the transformation does with them.
    m_transform->TransformMany(xs, ys, zs);
    for (std::size_t k = 0; k < indices.size(); ++k) {
        kvfd::ImageInfo* image = images.GetImage(indices[k]);
        kvfd::EOP eop = image->GetEOP();
        eop.X = xs[k];
        eop.Y = ys[k];
        image->SetEOP(eop);
    }
}

void KvShowPrjInfoWidget::Fill()
{
    const kvprj::PrjInfo& info = m_project.GetPrjInfo();
    m_name->setText(FieldText(info.name));
    m_operator->setText(FieldText(info.prjOperator));
    m_date->setText(FieldText(info.date));
    m_description->setText(FieldText(info.description));
    m_meanHeight->setText(QStringLiteral("%1").arg(info.meanElevation));

    const kvfd::CameraInfoSet& cameras = m_project.GetCameraInfoSet();
    const kvfd::CameraInfo* camera = cameras.GetCamera(cameras.Size() - 1);
    m_camera->setText(camera ? String2QString(camera->name) : QString());

    // The local system (-1) has no name to show.
    kvfd::CoordinateInfo coordinate;
    if (info.coordinateId != -1
        && kvfd::KvConfiguration::Instance()->GetCoordinateInfoSet().GetCoordinateByID(
            info.coordinateId, coordinate))
        m_coordinate->setText(DisplayName(coordinate));

    FillTable();
}

void KvShowPrjInfoWidget::FillTable()
{
    // The copy of the project is the table's data: a second copy of its
    // images would double what opening the page costs.
    const kvfd::ImageInfoSet& images = std::as_const(m_project).GetImageInfoSet();
    std::vector<int> rows;
    rows.reserve(std::size_t(images.ValidSize()));
    for (int i = 0; i < images.Size(); ++i) {
        if (images.GetImage(i))
            rows.push_back(i);
    }
    // The table asks for the rows it shows; the copy stays as it is while the
    // page is open.
    const int count = int(rows.size());
    m_table->SetRows(count, [this, rows = std::move(rows)](int row) {
        const kvfd::ImageInfo* image
            = std::as_const(m_project).GetImageInfoSet().GetImage(rows[std::size_t(row)]);
        kvfd::EOP eop = image->GetEOP();
        if (!m_projected) {
            // As ProjectPositions would: a point that fails keeps its values.
            double x = eop.X, y = eop.Y, z = eop.Z;
            if (m_transform->Transform(x, y, z)) {
                eop.X = x;
                eop.Y = y;
            }
        }
        return QStringList {
            String2QString(image->Name()),
            Fixed(eop.X),
            Fixed(eop.Y),
            Fixed(eop.Z),
            Fixed(kvmath::MathHelper::Rad2Deg(eop.Omega)),
            Fixed(kvmath::MathHelper::Rad2Deg(eop.Phi)),
            Fixed(kvmath::MathHelper::Rad2Deg(eop.Kappa)),
        };
    });
    m_table->resizeColumnsToContents();
}

void KvShowPrjInfoWidget::slot_OkBtn_clicked()
{
    // A project without images is no survey: every later step would find
    // nothing to work on.
    if (m_project.GetImageInfoSet().ValidSize() == 0) {
        KvMessageBox::Show(QString2String(tr("The project has no image. Go back and add images "
                                             "with positions, or exit.")),
                           KvMessageBox::BT_OK);
        return;
    }
    m_result = WR_NEXT;
    AcceptDialog();
}

void KvShowPrjInfoWidget::slot_CancelBtn_clicked()
{
    m_result = WR_CANCEL;
    RejectDialog();
}

void KvShowPrjInfoWidget::slot_ForwardBtn_clicked()
{
    m_result = WR_BACK;
    AcceptDialog();
}

KvShowPrjInfoDialog::KvShowPrjInfoDialog(QWidget* parent)
    : ProjectPageDialog(tr("Project Information"), parent)
{ }

void KvShowPrjInfoDialog::SetProject(kvprj::KvProject* project)
{
    if (project)
        Content()->SetProject(*project);
}

WResut ShowPreviewDialog(kvprj::KvProject& project)
{
    return kvui::RunProjectPage<KvShowPrjInfoDialog>(project);
}
