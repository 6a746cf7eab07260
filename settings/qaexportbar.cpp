#include "settings/qaexportbar.h"

#include "framework/formrows.h"

#include <QPushButton>

QaExportBar::QaExportBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("QaExportBar"));
    setFixedSize(200, 200);

    const std::pair<const char*, void (QaExportBar::*)()> exports[] = {
        {"qaeb_report_btn_", &QaExportBar::ExportReport},
        {"qaeb_quick_dom_btn_", &QaExportBar::ExportQuickDOM},
        {"qaeb_pos_btn_", &QaExportBar::ExportQAPOS},
    };
    int y = 20;
    for (const auto& [name, signal] : exports) {
        QPushButton* button = kvui::MakeToolButton(this, name, QString(), QSize());
        button->setGeometry(30, y, 140, 40);
        y += 56;
        connect(button, &QPushButton::clicked, this, signal);
    }
}
