#include "host/hoststyle.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>

// Q_INIT_RESOURCE declares the initialiser in the enclosing namespace, so it
// has to be used from the global one.
static void InitHostResources()
{
    Q_INIT_RESOURCE(kvhost_style);
    Q_INIT_RESOURCE(kvhost_icons);
}

namespace {

QPalette DarkPalette()
{
    const QColor window(0x1b, 0x22, 0x2d);
    const QColor text(0xe8, 0xed, 0xf4);
    const QColor muted(0x6b, 0x78, 0x8b);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x14, 0x1a, 0x24));
    palette.setColor(QPalette::AlternateBase, QColor(0x1b, 0x22, 0x30));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x2a, 0x34, 0x44));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x2f, 0x7d, 0xe1));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0x26, 0x31, 0x41));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Link, QColor(0x4a, 0xa3, 0xf0));
    palette.setColor(QPalette::PlaceholderText, muted);
    palette.setColor(QPalette::Light, QColor(0x3b, 0x4b, 0x62));
    palette.setColor(QPalette::Midlight, QColor(0x33, 0x40, 0x53));
    palette.setColor(QPalette::Mid, QColor(0x2a, 0x34, 0x44));
    palette.setColor(QPalette::Dark, QColor(0x11, 0x16, 0x1e));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    return palette;
}

} // namespace

void HostStyle::InitResources()
{
    InitHostResources();
}

QString HostStyle::StyleSheet()
{
    InitResources();
    QFile file(QString::fromLatin1(kStyleSheetPath));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void HostStyle::Apply(QApplication& app)
{
    InitResources();
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setPalette(DarkPalette());
    app.setStyleSheet(StyleSheet());
}
