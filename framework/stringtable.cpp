// The constant message texts of the library, registered with the foundation
// library when the library is loaded, so that KvGetConstString(id) answers for
// the library's own dialogs and for the host's messages and progress captions.
// kvui::SetLanguage registers them again, translated.

#include "framework/stringtable.h"

#include "framework/kvshared.h"
#include "framework/language.h"
#include "kvfd/kvconststringfactory.h"

#include <QCoreApplication>
#include <utility>

namespace {

const std::pair<int, const char*> kStringTable[] = {
    {101, QT_TRANSLATE_NOOP("kvui", "开始")},
    {102, QT_TRANSLATE_NOOP("kvui", "停止")},
    {103, QT_TRANSLATE_NOOP("kvui", "是否保存!")},
    {104, QT_TRANSLATE_NOOP("kvui", "用户中断或处理失败！")},
    {105, QT_TRANSLATE_NOOP("kvui", "质检处理结束！")},
    {106, QT_TRANSLATE_NOOP("kvui", "请先进行质检！")},
    {107, QT_TRANSLATE_NOOP("kvui", "可用空间较小，是否继续？")},
    {108, QT_TRANSLATE_NOOP("kvui", "处理结束，是否浏览结果？")},
    {109, QT_TRANSLATE_NOOP("kvui", "请先打开工程！")},
    {110, QT_TRANSLATE_NOOP("kvui", "质检报告导出成功!")},
    {111, QT_TRANSLATE_NOOP("kvui", "缩略图导出成功!")},
    {112, QT_TRANSLATE_NOOP("kvui", "POS数据导出成功!")},
    {113, QT_TRANSLATE_NOOP("kvui", "SSK工程导出成功!")},
    {114, QT_TRANSLATE_NOOP("kvui", "Inpho工程导出成功!")},
    {115, QT_TRANSLATE_NOOP("kvui", "PatB工程导出成功!")},
    {116, QT_TRANSLATE_NOOP("kvui", "PHOTOMOD工程导出成功!")},
    {117, QT_TRANSLATE_NOOP("kvui", "影像数量大于32！")},
    {118, QT_TRANSLATE_NOOP("kvui", "导入数据中存在相同影像！")},
    {119, QT_TRANSLATE_NOOP("kvui", "请导入影像数据!")},
    {120, QT_TRANSLATE_NOOP("kvui", "工程名不能为空！")},
    {121, QT_TRANSLATE_NOOP("kvui", "工程名不合法！")},
    {122, QT_TRANSLATE_NOOP("kvui", "测区描述信息太长！")},
    {123, QT_TRANSLATE_NOOP("kvui", "请输入移动站观测数据！")},
    {124, QT_TRANSLATE_NOOP("kvui", "请输入基准站观测数据！")},
    {125, QT_TRANSLATE_NOOP("kvui", "请输入基准站坐标！")},
    {126, QT_TRANSLATE_NOOP("kvui", "请选择工作路径！")},
    {127, QT_TRANSLATE_NOOP("kvui", "请设置相机文件!")},
    {128, QT_TRANSLATE_NOOP("kvui", "工程不存在，是否删除记录？")},
    {129, QT_TRANSLATE_NOOP("kvui", "未找到工程文件!")},
    {130, QT_TRANSLATE_NOOP("kvui", "是否确定取消?")},
    {131, QT_TRANSLATE_NOOP("kvui", "文件路径不能为空！")},
    {132, QT_TRANSLATE_NOOP("kvui", "正射纠正处理中...")},
    {133, QT_TRANSLATE_NOOP("kvui", "匀色处理中...")},
    {134, QT_TRANSLATE_NOOP("kvui", "匀光处理中...")},
    {135, QT_TRANSLATE_NOOP("kvui", "匀光匀色处理中...")},
    {136, QT_TRANSLATE_NOOP("kvui", "正在计算全局参数...")},
    {137, QT_TRANSLATE_NOOP("kvui", "分块镶嵌处理中...")},
    {138, QT_TRANSLATE_NOOP("kvui", "拼接与羽化处理中...")},
    {139, QT_TRANSLATE_NOOP("kvui", "匀色处理结束！")},
    {140, QT_TRANSLATE_NOOP("kvui", "批处理结束！")},
    {141, QT_TRANSLATE_NOOP("kvui", "飞行检校结束！")},
    {142, QT_TRANSLATE_NOOP("kvui", "用户中断或飞行检校失败！")},
    {143, QT_TRANSLATE_NOOP("kvui", "格式转换结束！")},
    {144, QT_TRANSLATE_NOOP("kvui", "影像增强结束！")},
    {145, QT_TRANSLATE_NOOP("kvui", "建立金字塔结束！")},
    {146, QT_TRANSLATE_NOOP("kvui", "重采样结束！")},
    {147, QT_TRANSLATE_NOOP("kvui", "影像旋转结束！")},
    {148, QT_TRANSLATE_NOOP("kvui", "畸变纠正结束！")},
    {149, QT_TRANSLATE_NOOP("kvui", "EXIF处理结束！")},
    {150, QT_TRANSLATE_NOOP("kvui", "GPS处理结束！")},
    {151, QT_TRANSLATE_NOOP("kvui", "RT27转换处理结束！")},
    {152, QT_TRANSLATE_NOOP("kvui", "GPS处理")},
    {153, QT_TRANSLATE_NOOP("kvui", "RT27转换处理")},
    {154, QT_TRANSLATE_NOOP("kvui", "影像特征匹配")},
    {155, QT_TRANSLATE_NOOP("kvui", "影像特征匹配中……")},
    {156, QT_TRANSLATE_NOOP("kvui", "特征提取与匹配")},
    {157, QT_TRANSLATE_NOOP("kvui", "影像特征提取")},
    {158, QT_TRANSLATE_NOOP("kvui", "影像特征提取中……")},
    {159, QT_TRANSLATE_NOOP("kvui", "正在创建金字塔中……")},
    {160, QT_TRANSLATE_NOOP("kvui", "空三计算中……")},
    {161, QT_TRANSLATE_NOOP("kvui", "影像镶嵌批处理")},
    {162, QT_TRANSLATE_NOOP("kvui", "正射校正处理中……")},
    {163, QT_TRANSLATE_NOOP("kvui", "空三计算")},
    {164, QT_TRANSLATE_NOOP("kvui", "影像匀色")},
    {165, QT_TRANSLATE_NOOP("kvui", "影像匀色处理中……")},
    {166, QT_TRANSLATE_NOOP("kvui", "影像增强")},
    {167, QT_TRANSLATE_NOOP("kvui", "正在进行影像增强中……")},
    {168, QT_TRANSLATE_NOOP("kvui", "EXIF处理")},
    {169, QT_TRANSLATE_NOOP("kvui", "EXIF处理中……")},
    {170, QT_TRANSLATE_NOOP("kvui", "纹理影像生成")},
    {171, QT_TRANSLATE_NOOP("kvui", "正在创建影像纹理……")},
    {172, QT_TRANSLATE_NOOP("kvui", "格式转换")},
    {173, QT_TRANSLATE_NOOP("kvui", "正在转换格式中……")},
    {174, QT_TRANSLATE_NOOP("kvui", "创建影像金字塔")},
    {175, QT_TRANSLATE_NOOP("kvui", "旋转影像")},
    {176, QT_TRANSLATE_NOOP("kvui", "正在生成旋转影像中……")},
    {177, QT_TRANSLATE_NOOP("kvui", "有效区域提取")},
    {178, QT_TRANSLATE_NOOP("kvui", "正在提取有效区域中……")},
    {179, QT_TRANSLATE_NOOP("kvui", "缩略图")},
    {180, QT_TRANSLATE_NOOP("kvui", "畸变纠正")},
    {181, QT_TRANSLATE_NOOP("kvui", "正在畸变纠正中……")},
    {182, QT_TRANSLATE_NOOP("kvui", "加载纹理")},
    {183, QT_TRANSLATE_NOOP("kvui", "正在加载纹理中……")},
    {184, QT_TRANSLATE_NOOP("kvui", "载入工程")},
    {185, QT_TRANSLATE_NOOP("kvui", "载入工程中……")},
    {186, QT_TRANSLATE_NOOP("kvui", "缩略图加载")},
    {187, QT_TRANSLATE_NOOP("kvui", "缩略图加载中……")},
    {188, QT_TRANSLATE_NOOP("kvui", "文件校验中……")},
};

// Runs when the library is loaded. The socket start-up that Windows needs at
// the same moment has no counterpart here.
struct StringTableRegistration
{
    StringTableRegistration() { kvui::RegisterConstStrings(false); }
};

const StringTableRegistration registration;

} // namespace

void kvui::RegisterConstStrings(bool translated)
{
    for (const auto& [id, text] : kStringTable) {
        kvfd::KvConstStringFactory::KvSetConstString(
            id,
            translated ? QString2String(QCoreApplication::translate(kTextContext, text)) : text);
    }
}
