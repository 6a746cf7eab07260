#include "settings/okexportbar.h"

#include "framework/formrows.h"

#include <QLabel>
#include <QPushButton>

OKExportBar::OKExportBar(QWidget* parent)
    : BaseWidget(parent)
{
    setObjectName(QStringLiteral("OKExportBar"));
    setFixedSize(200, 420);

    kvui::MakeLabel(this, tr("Other Project"), "okeb_title_label_")->setGeometry(20, 20, 160, 28);

    struct Export
    {
        const char* name;
        QString toolTip;
        void (OKExportBar::*signal)();
    };
    const Export exports[] = {
        {"okeb_ssk_btn_", tr("导出SSK工程"), &OKExportBar::ExportSSK},
        {"okeb_inpho_btn_", tr("导出Inpho工程"), &OKExportBar::ExportInpho},
        {"okeb_patb_btn_", tr("导出PatB工程"), &OKExportBar::ExportPatB},
        {"okeb_pos_btn_", tr("导出POS数据"), &OKExportBar::ExportOKPOS},
        {"okeb_cc_btn_", tr("导出Context Capture XML工程"), &OKExportBar::ExportCC},
        {"okeb_photomod_btn_", tr("导出PhotoMod工程"), &OKExportBar::ExportPhotoMod},
    };
    int y = 60;
    for (const Export& entry : exports) {
        QPushButton* button = kvui::MakeToolButton(this, entry.name, entry.toolTip, QSize());
        button->setGeometry(30, y, 140, 40);
        y += 56;
        connect(button, &QPushButton::clicked, this, entry.signal);
    }
}
