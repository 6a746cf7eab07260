<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>OKExportBar</name>
    <message>
        <source>Other Project</source>
        <translation>Other Project</translation>
    </message>
    <message>
        <source>导出SSK工程</source>
        <translation>Export SSK Project</translation>
    </message>
    <message>
        <source>导出Inpho工程</source>
        <translation>Export Inpho Project</translation>
    </message>
    <message>
        <source>导出PatB工程</source>
        <translation>Export PatB Project</translation>
    </message>
    <message>
        <source>导出POS数据</source>
        <translation>Export POS Data</translation>
    </message>
    <message>
        <source>导出Context Capture XML工程</source>
        <translation>Export Context Capture XML Project</translation>
    </message>
    <message>
        <source>导出PhotoMod工程</source>
        <translation>Export PhotoMod Project</translation>
    </message>
</context>
<context>
    <name>OKSettingBar</name>
    <message>
        <source>Resolution:(m)</source>
        <translation>Resolution:(m)</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Boundary</translation>
    </message>
    <message>
        <source>Save DOM</source>
        <translation>Save DOM</translation>
    </message>
</context>
<context>
    <name>ProcedureBar</name>
    <message>
        <source>   Procedures</source>
        <translation>   Procedures</translation>
    </message>
</context>
<context>
    <name>QaSettingBar</name>
    <message>
        <source>Design Parameter</source>
        <translation>Design Parameter</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Resolution:(m)</source>
        <translation>Resolution:(m)</translation>
    </message>
    <message>
        <source>Flight Lap</source>
        <translation>Flight Lap</translation>
    </message>
    <message>
        <source>Side Lap</source>
        <translation>Side Lap</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>文件夹非空，是否覆盖!</source>
        <translation>The folder is not empty. Overwrite it?</translation>
    </message>
</context>
</TS>
