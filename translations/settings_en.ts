<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BASettingDialog</name>
    <message>
        <source>BA Setting</source>
        <translation>BA Setting</translation>
    </message>
</context>
<context>
    <name>BASettingWidget</name>
    <message>
        <source>Calibration:</source>
        <translation>Calibration:</translation>
    </message>
    <message>
        <source>PPK:</source>
        <translation>PPK:</translation>
    </message>
    <message>
        <source>GCP:</source>
        <translation>GCP:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CCXmlDialog</name>
    <message>
        <source>CC XML Export</source>
        <translation>CC XML Export</translation>
    </message>
</context>
<context>
    <name>CCXmlWidget</name>
    <message>
        <source>Set Coordinate</source>
        <translation>Set Coordinate</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>WGS84 UTM</source>
        <translation>WGS84 UTM</translation>
    </message>
    <message>
        <source>Beijing 54</source>
        <translation>Beijing 54</translation>
    </message>
    <message>
        <source>Xian 1980</source>
        <translation>Xian 1980</translation>
    </message>
    <message>
        <source>CGCS2000</source>
        <translation>CGCS2000</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>UnDistortion</source>
        <translation>UnDistortion</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DEMCheckDialog</name>
    <message>
        <source>DEM Check</source>
        <translation>DEM Check</translation>
    </message>
</context>
<context>
    <name>DemCheckWidget</name>
    <message>
        <source>DEM File : </source>
        <translation>DEM File : </translation>
    </message>
    <message>
        <source>Check File : </source>
        <translation>Check File : </translation>
    </message>
    <message>
        <source>Check File Format: ID X Y Z</source>
        <translation>Check File Format: ID X Y Z</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>DZ</source>
        <translation>DZ</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Open DEM File</source>
        <translation>Open DEM File</translation>
    </message>
    <message>
        <source>Open Check File</source>
        <translation>Open Check File</translation>
    </message>
    <message>
        <source>Save Check Report</source>
        <translation>Save Check Report</translation>
    </message>
</context>
<context>
    <name>InphoDialog</name>
    <message>
        <source>Export Project</source>
        <translation>Export Project</translation>
    </message>
</context>
<context>
    <name>InphoWidget</name>
    <message>
        <source>To Center</source>
        <translation>To Center</translation>
    </message>
    <message>
        <source>UnDistortion</source>
        <translation>UnDistortion</translation>
    </message>
    <message>
        <source>Project Path</source>
        <translation>Project Path</translation>
    </message>
    <message>
        <source>Images Path</source>
        <translation>Images Path</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MatchSettingWidget</name>
    <message>
        <source>Algorithm Setting</source>
        <translation>Algorithm Setting</translation>
    </message>
    <message>
        <source>Feature Extraction And Match</source>
        <translation>Feature Extraction And Match</translation>
    </message>
    <message>
        <source>Block: </source>
        <translation>Block: </translation>
    </message>
    <message>
        <source>Features: </source>
        <translation>Features: </translation>
    </message>
    <message>
        <source>Oblique:</source>
        <translation>Oblique:</translation>
    </message>
    <message>
        <source>Bundle Adjustment</source>
        <translation>Bundle Adjustment</translation>
    </message>
    <message>
        <source>LSM:</source>
        <translation>LSM:</translation>
    </message>
    <message>
        <source>HP GPS: </source>
        <translation>HP GPS: </translation>
    </message>
    <message>
        <source>GCP Weight:</source>
        <translation>GCP Weight:</translation>
    </message>
    <message>
        <source>GPS Weight:</source>
        <translation>GPS Weight:</translation>
    </message>
    <message>
        <source>SRTECH</source>
        <translation>SRTECH</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>DSM</source>
        <translation>DSM</translation>
    </message>
    <message>
        <source>AUTO RESOLUTION</source>
        <translation>AUTO RESOLUTION</translation>
    </message>
    <message>
        <source>DSM FILTER</source>
        <translation>DSM FILTER</translation>
    </message>
    <message>
        <source>Search Radius</source>
        <translation>Search Radius</translation>
    </message>
    <message>
        <source>Max Models</source>
        <translation>Max Models</translation>
    </message>
    <message>
        <source>TDOM</source>
        <translation>TDOM</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
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
    <name>ReportDialog</name>
    <message>
        <source>Quality Report</source>
        <translation>Quality Report</translation>
    </message>
</context>
<context>
    <name>RunSettingDialog</name>
    <message>
        <source>Select Method</source>
        <translation>Select Method</translation>
    </message>
</context>
<context>
    <name>RunSettingWidget</name>
    <message>
        <source>Feature Extraction and Matching</source>
        <translation>Feature Extraction and Matching</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Adjustment</translation>
    </message>
    <message>
        <source>PPK/RTK</source>
        <translation>PPK/RTK</translation>
    </message>
    <message>
        <source>GCP</source>
        <translation>GCP</translation>
    </message>
    <message>
        <source>快拼图</source>
        <translation>Quick mosaic</translation>
    </message>
    <message>
        <source>DSM</source>
        <translation>DSM</translation>
    </message>
    <message>
        <source>真正射</source>
        <translation>True ortho</translation>
    </message>
    <message>
        <source>2.5维模型</source>
        <translation>2.5D model</translation>
    </message>
    <message>
        <source>三维模型</source>
        <translation>3D model</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SettingDialog</name>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>DEM</source>
        <translation>DEM</translation>
    </message>
    <message>
        <source>Landscape:</source>
        <translation>Landscape:</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Mountain</translation>
    </message>
    <message>
        <source>River</source>
        <translation>River</translation>
    </message>
    <message>
        <source>DEM滤波算法</source>
        <translation>DEM filter algorithm</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>TIN</source>
        <translation>TIN</translation>
    </message>
    <message>
        <source>Seamline</source>
        <translation>Seamline</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>镶嵌线算法</source>
        <translation>Seamline algorithm</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>计算设备</source>
        <translation>Compute device</translation>
    </message>
    <message>
        <source>Feature &amp; Matching &amp; Bundle Adjustment</source>
        <translation>Feature &amp; Matching &amp; Bundle Adjustment</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>NoMapping</source>
        <translation>NoMapping</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>Mapping</translation>
    </message>
    <message>
        <source>是否自检校</source>
        <translation>Self-calibration or not</translation>
    </message>
    <message>
        <source>Calibration:</source>
        <translation>Calibration:</translation>
    </message>
    <message>
        <source>Ajust</source>
        <translation>Ajust</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>文件夹非空，是否覆盖!</source>
        <translation>The folder is not empty. Overwrite it?</translation>
    </message>
    <message>
        <source>选择输出目录</source>
        <translation>Choose the output folder</translation>
    </message>
    <message>
        <source>检查报告保存失败！</source>
        <translation>The check report could not be saved!</translation>
    </message>
    <message>
        <source>DEM文件无法读取！</source>
        <translation>The DEM file cannot be read!</translation>
    </message>
    <message>
        <source>检查点无法转换到DEM的坐标系！</source>
        <translation>The check points cannot be transformed into the coordinate system of the DEM!</translation>
    </message>
    <message>
        <source>选择无畸变影像保存路径</source>
        <translation>Choose where to save the undistorted images</translation>
    </message>
    <message>
        <source>选择Inpho工程保存路径</source>
        <translation>Choose where to save the Inpho project</translation>
    </message>
</context>
</TS>
