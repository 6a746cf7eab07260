<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BatchDialog</name>
    <message>
        <source>Batch Process</source>
        <translation>Batch Process</translation>
    </message>
</context>
<context>
    <name>BatchWidget</name>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Output Path: </source>
        <translation>Output Path: </translation>
    </message>
    <message>
        <source>Images: </source>
        <translation>Images: </translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>Methods</translation>
    </message>
    <message>
        <source>Parameter Setting</source>
        <translation>Parameter Setting</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
</context>
<context>
    <name>ColorDialog</name>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
</context>
<context>
    <name>ColorParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>Process: </translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
</context>
<context>
    <name>ColorWidget</name>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
    <message>
        <source>Destination: </source>
        <translation>Destination: </translation>
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
    <name>DistortionDialog</name>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
</context>
<context>
    <name>DistortionParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>Process: </translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Camera Model</translation>
    </message>
    <message>
        <source>Focal(px): </source>
        <translation>Focal(px): </translation>
    </message>
    <message>
        <source>Image Width(px): </source>
        <translation>Image Width(px): </translation>
    </message>
    <message>
        <source>Image Height(px): </source>
        <translation>Image Height(px): </translation>
    </message>
    <message>
        <source>CCD Width(mm): </source>
        <translation>CCD Width(mm): </translation>
    </message>
    <message>
        <source>CCD Height(mm): </source>
        <translation>CCD Height(mm): </translation>
    </message>
    <message>
        <source>x0(px): </source>
        <translation>x0(px): </translation>
    </message>
    <message>
        <source>y0(px): </source>
        <translation>y0(px): </translation>
    </message>
    <message>
        <source>Camera Parameters</source>
        <translation>Camera Parameters</translation>
    </message>
    <message>
        <source>K1：</source>
        <translation>K1: </translation>
    </message>
    <message>
        <source>K2：</source>
        <translation>K2: </translation>
    </message>
    <message>
        <source>K3：</source>
        <translation>K3: </translation>
    </message>
    <message>
        <source>K4：</source>
        <translation>K4: </translation>
    </message>
    <message>
        <source>P1：</source>
        <translation>P1: </translation>
    </message>
    <message>
        <source>P2：</source>
        <translation>P2: </translation>
    </message>
    <message>
        <source>α：</source>
        <translation>α: </translation>
    </message>
    <message>
        <source>β：</source>
        <translation>β: </translation>
    </message>
</context>
<context>
    <name>DistortionWidget</name>
    <message>
        <source>Process: </source>
        <translation>Process: </translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Images: </source>
        <translation>Images: </translation>
    </message>
    <message>
        <source>Output：</source>
        <translation>Output: </translation>
    </message>
    <message>
        <source>TIF</source>
        <translation>TIF</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Custom Camera</source>
        <translation>Custom Camera</translation>
    </message>
    <message>
        <source>Destination: </source>
        <translation>Destination: </translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Camera Model</translation>
    </message>
    <message>
        <source>Import Camera</source>
        <translation>Import Camera</translation>
    </message>
    <message>
        <source>Save Camera</source>
        <translation>Save Camera</translation>
    </message>
    <message>
        <source>Camera Parameters</source>
        <translation>Camera Parameters</translation>
    </message>
    <message>
        <source>Focal(px): </source>
        <translation>Focal(px): </translation>
    </message>
    <message>
        <source>Width(px): </source>
        <translation>Width(px): </translation>
    </message>
    <message>
        <source>Height(px): </source>
        <translation>Height(px): </translation>
    </message>
    <message>
        <source>CCD Width(mm): </source>
        <translation>CCD Width(mm): </translation>
    </message>
    <message>
        <source>CCD Height(mm): </source>
        <translation>CCD Height(mm): </translation>
    </message>
    <message>
        <source>x0(px): </source>
        <translation>x0(px): </translation>
    </message>
    <message>
        <source>y0(px): </source>
        <translation>y0(px): </translation>
    </message>
    <message>
        <source>Distortion:</source>
        <translation>Distortion:</translation>
    </message>
    <message>
        <source>Type 1(AUS)</source>
        <translation>Type 1(AUS)</translation>
    </message>
    <message>
        <source>Type 2(Bronw)</source>
        <translation>Type 2(Bronw)</translation>
    </message>
    <message>
        <source>Type 3(Inpho)</source>
        <translation>Type 3(Inpho)</translation>
    </message>
    <message>
        <source>K1: </source>
        <translation>K1: </translation>
    </message>
    <message>
        <source>K2: </source>
        <translation>K2: </translation>
    </message>
    <message>
        <source>K3: </source>
        <translation>K3: </translation>
    </message>
    <message>
        <source>K4: </source>
        <translation>K4: </translation>
    </message>
    <message>
        <source>K5: </source>
        <translation>K5: </translation>
    </message>
    <message>
        <source>K6: </source>
        <translation>K6: </translation>
    </message>
    <message>
        <source>P1: </source>
        <translation>P1: </translation>
    </message>
    <message>
        <source>P2: </source>
        <translation>P2: </translation>
    </message>
    <message>
        <source>A: </source>
        <translation>A: </translation>
    </message>
    <message>
        <source>B :</source>
        <translation>B :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
</context>
<context>
    <name>EnhancementDialog</name>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
</context>
<context>
    <name>EnhancementParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>Process: </translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
</context>
<context>
    <name>EnhancementWidget</name>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
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
    <name>FormatDialog</name>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>FormatParameterWidget</name>
    <message>
        <source>Process:</source>
        <translation>Process:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
</context>
<context>
    <name>FormatWidget</name>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
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
    <name>ImageProcessWidget</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
</context>
<context>
    <name>ProcessWidget</name>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
</context>
<context>
    <name>PyramidDialog</name>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
    </message>
</context>
<context>
    <name>PyramidParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>Process: </translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
    </message>
</context>
<context>
    <name>PyramidWidget</name>
    <message>
        <source>Overviews</source>
        <translation>Overviews</translation>
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
    <name>Raw2TifDialog</name>
    <message>
        <source>Raw To Tif</source>
        <translation>Raw To Tif</translation>
    </message>
</context>
<context>
    <name>Raw2TifWidget</name>
    <message>
        <source>Raw:</source>
        <translation>Raw:</translation>
    </message>
    <message>
        <source>POS:</source>
        <translation>POS:</translation>
    </message>
    <message>
        <source>Tif:</source>
        <translation>Tif:</translation>
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
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
</context>
<context>
    <name>RenameWidget</name>
    <message>
        <source>File Path : </source>
        <translation>File Path : </translation>
    </message>
    <message>
        <source>Rename Rule : </source>
        <translation>Rename Rule : </translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
</context>
<context>
    <name>ResampleDialog</name>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
</context>
<context>
    <name>ResampleParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>Process: </translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Ratio:</translation>
    </message>
</context>
<context>
    <name>ResampleWidget</name>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>Ratio:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
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
    <name>RotateDialog</name>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
</context>
<context>
    <name>RotateParameterWidget</name>
    <message>
        <source>Process:</source>
        <translation>Process:</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Angles:</source>
        <translation>Angles:</translation>
    </message>
</context>
<context>
    <name>RotateWidget</name>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Angles:</source>
        <translation>Angles:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
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
    <name>ToolWidget</name>
    <message>
        <source>Process: </source>
        <translation>Process: </translation>
    </message>
    <message>
        <source>Images: </source>
        <translation>Images: </translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>选择RAW文件夹</source>
        <translation>Choose the RAW folder</translation>
    </message>
    <message>
        <source>选择POS文件</source>
        <translation>Choose the POS file</translation>
    </message>
    <message>
        <source>POS文件 (*.txt);;所有文件 (*.*)</source>
        <translation>POS files (*.txt);;All files (*.*)</translation>
    </message>
    <message>
        <source>选择TIF文件夹</source>
        <translation>Choose the TIF folder</translation>
    </message>
    <message>
        <source>处理结束!</source>
        <translation>Processing finished!</translation>
    </message>
    <message>
        <source>已重命名 %1 个文件。</source>
        <translation>%1 files renamed.</translation>
    </message>
    <message>
        <source>以下 %1 个文件未重命名：</source>
        <translation>These %1 files were not renamed:</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>文件夹不存在！</source>
        <translation>The folder does not exist!</translation>
    </message>
    <message>
        <source>名称中不能含有“/”！</source>
        <translation>The name must not contain &quot;/&quot;!</translation>
    </message>
</context>
</TS>
