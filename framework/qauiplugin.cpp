#include "framework/qauiplugin.h"

#include "framework/qaui.h"

#include <QIcon>

qauiPlugin::qauiPlugin(QObject* parent)
    : QObject(parent)
{ }

void qauiPlugin::initialize(QDesignerFormEditorInterface*)
{
    m_initialized = true;
}

bool qauiPlugin::isInitialized() const
{
    return m_initialized;
}

QWidget* qauiPlugin::createWidget(QWidget* parent)
{
    return new qaui(parent);
}

QString qauiPlugin::name() const
{
    return QStringLiteral("qaui");
}

QString qauiPlugin::group() const
{
    return QStringLiteral("My Plugins");
}

QIcon qauiPlugin::icon() const
{
    return QIcon();
}

QString qauiPlugin::toolTip() const
{
    return QString();
}

QString qauiPlugin::whatsThis() const
{
    return QString();
}

bool qauiPlugin::isContainer() const
{
    return false;
}

QString qauiPlugin::domXml() const
{
    return QStringLiteral("<widget class=\"qaui\" name=\"qaui\">\n"
                          " <property name=\"geometry\">\n"
                          "  <rect>\n"
                          "   <x>0</x>\n"
                          "   <y>0</y>\n"
                          "   <width>100</width>\n"
                          "   <height>100</height>\n"
                          "  </rect>\n"
                          " </property>\n"
                          "</widget>\n");
}

QString qauiPlugin::includeFile() const
{
    return QStringLiteral("qaui.h");
}
