#include "camera/cameraparameterwidget.h"

#include "framework/formrows.h"

#include <QGridLayout>
#include <QLineEdit>
#include <cmath>

namespace {

// Below this a coefficient counts as not set.
constexpr double kUnsetCoefficient = 1e-12;

} // namespace

CameraParameterWidget::CameraParameterWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("CameraParameterWidget"));
    setFixedSize(600, 400);
    auto* grid = new QGridLayout(this);

    // The camera on the left, its coefficients on the right.
    const auto field = [grid](int row, int column, const QString& label, const char* name) {
        return kvui::AddLineEditRow(grid, row, column, label, name, QSize()).edit;
    };
    m_edits.name = field(0, 0, tr("Camera Name: "), "cmpw_name_");
    m_edits.focal = field(1, 0, tr("Focal(px) "), "cmpw_focallength_");
    m_edits.width = field(2, 0, tr("Width(px) "), "cmpw_width_");
    m_edits.height = field(3, 0, tr("Height(px) "), "cmpw_height_");
    m_edits.ccdWidth = field(4, 0, tr("CCD Width(mm) "), "cmpw_ccd_width_");
    m_edits.ccdHeight = field(5, 0, tr("CCD Height(mm) "), "cmpw_ccd_height_");
    m_edits.x0 = field(6, 0, tr("x0(px) "), "cmpw_x0_");
    m_edits.y0 = field(7, 0, tr("y0(px) "), "cmpw_y0_");
    grid->setColumnMinimumWidth(2, 24);
    m_edits.k1 = field(0, 3, tr("K1"), "cmpw_k1_");
    m_edits.k2 = field(1, 3, tr("K2"), "cmpw_k2_");
    m_edits.k3 = field(2, 3, tr("K3"), "cmpw_k3_");
    m_edits.k4 = field(3, 3, tr("K4"), "cmpw_k4_");
    m_edits.p1 = field(4, 3, tr("P1"), "cmpw_p1_");
    m_edits.p2 = field(5, 3, tr("P2"), "cmpw_p2_");
    m_edits.alpha = field(6, 3, tr("α"), "cmpw_alpha_");
    m_edits.beta = field(7, 3, tr("β"), "cmpw_beta_");
    m_edits.AcceptNumbers();
}

void CameraParameterWidget::SetCamera(const kvfd::CameraInfo& camera)
{
    m_edits.Show(camera, 'g');
}

kvfd::CameraInfo CameraParameterWidget::GetCamera() const
{
    kvfd::CameraInfo camera = m_edits.Read();

    int unset = 0;
    for (double v : {camera.k1, camera.k2, camera.k3, camera.p1, camera.p2, camera.alpha,
                     camera.beta, camera.k4}) {
        if (std::fabs(v) < kUnsetCoefficient)
            ++unset;
    }
    if (unset == 8)
        camera.dtype = 0;
    else if (unset >= 5)
        camera.dtype = 2;
    else
        camera.dtype = 1;
    return camera;
}
