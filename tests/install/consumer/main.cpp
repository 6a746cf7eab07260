#include <QApplication>
#include <cstdio>
#include <kvui/framework/kvmessagebox.h>
#include <kvui/framework/kvshared.h>
#include <kvui/interfaces/kvfd/kvconststringfactory.h>
#include <kvui/interfaces/kvprj/kvproject.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kvprj::KvProject project;
    const bool opened = project.OpenPrj("/nonexistent/project.db");
    const std::string text = kvfd::KvGetConstString(130);
    const std::string converted = QString2String(QStringLiteral("测区"));
    std::printf("%s %s %d\n", text.c_str(), converted.c_str(), int(opened));
    return text == u8"是否确定取消?" && converted == u8"测区" && !opened ? 0 : 1;
}
