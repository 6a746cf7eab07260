<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>OKExportBar</name>
    <message>
        <source>Other Project</source>
        <translation>其他工程</translation>
    </message>
    <message>
        <source>导出SSK工程</source>
        <translation>导出SSK工程</translation>
    </message>
    <message>
        <source>导出Inpho工程</source>
        <translation>导出Inpho工程</translation>
    </message>
    <message>
        <source>导出PatB工程</source>
        <translation>导出PatB工程</translation>
    </message>
    <message>
        <source>导出POS数据</source>
        <translation>导出POS数据</translation>
    </message>
    <message>
        <source>导出Context Capture XML工程</source>
        <translation>导出Context Capture XML工程</translation>
    </message>
    <message>
        <source>导出PhotoMod工程</source>
        <translation>导出PhotoMod工程</translation>
    </message>
</context>
<context>
    <name>OKSettingBar</name>
    <message>
        <source>Resolution:(m)</source>
        <translation>分辨率:(米)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>输出目录:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>精细</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>边界</translation>
    </message>
    <message>
        <source>Save DOM</source>
        <translation>保存DOM</translation>
    </message>
</context>
<context>
    <name>ProcedureBar</name>
    <message>
        <source>   Procedures</source>
        <translation>   处理步骤</translation>
    </message>
</context>
<context>
    <name>QaSettingBar</name>
    <message>
        <source>Design Parameter</source>
        <translation>设计参数</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>比例尺</translation>
    </message>
    <message>
        <source>Resolution:(m)</source>
        <translation>分辨率:(米)</translation>
    </message>
    <message>
        <source>Flight Lap</source>
        <translation>航向重叠</translation>
    </message>
    <message>
        <source>Side Lap</source>
        <translation>旁向重叠</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>文件夹非空，是否覆盖!</source>
        <translation>文件夹非空，是否覆盖!</translation>
    </message>
</context>
</TS>
