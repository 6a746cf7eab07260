#include "settings/reportdialog.h"

#include "framework/kvshared.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

ReportWidget::ReportWidget(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("ReportWidget"));
    resize(1024, 700);
    setMinimumSize(1024, 700);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("rw_view_"));
    layout->addWidget(m_view);
    m_view->load(QUrl(QStringLiteral("about:blank")));
}

void ReportWidget::Load(const std::string& path)
{
    m_view->load(QUrl::fromLocalFile(String2QString(path)));
}

ReportDialog::ReportDialog(QWidget* parent)
    : ContentDialog(tr("Quality Report"), parent)
{ }
