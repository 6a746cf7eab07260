<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BatchDialog</name>
    <message>
        <source>Batch Process</source>
        <translation>批处理</translation>
    </message>
</context>
<context>
    <name>BatchWidget</name>
    <message>
        <source>Color Balance</source>
        <translation>匀色</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>畸变纠正</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>影像增强</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式转换</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>影像金字塔</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>重采样</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Output Path: </source>
        <translation>输出路径：</translation>
    </message>
    <message>
        <source>Images: </source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>所选</translation>
    </message>
    <message>
        <source>Methods</source>
        <translation>处理方法</translation>
    </message>
    <message>
        <source>Parameter Setting</source>
        <translation>参数设置</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开目录</translation>
    </message>
</context>
<context>
    <name>ColorDialog</name>
    <message>
        <source>Color Balance</source>
        <translation>匀色</translation>
    </message>
</context>
<context>
    <name>ColorParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>匀色</translation>
    </message>
</context>
<context>
    <name>ColorWidget</name>
    <message>
        <source>Color Balance</source>
        <translation>匀色</translation>
    </message>
    <message>
        <source>Destination: </source>
        <translation>输出目录：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>DistortionDialog</name>
    <message>
        <source>Distortion</source>
        <translation>畸变纠正</translation>
    </message>
</context>
<context>
    <name>DistortionParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>畸变纠正</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>相机型号</translation>
    </message>
    <message>
        <source>Focal(px): </source>
        <translation>焦距(px)：</translation>
    </message>
    <message>
        <source>Image Width(px): </source>
        <translation>影像宽度(px)：</translation>
    </message>
    <message>
        <source>Image Height(px): </source>
        <translation>影像高度(px)：</translation>
    </message>
    <message>
        <source>CCD Width(mm): </source>
        <translation>CCD 宽度(mm)：</translation>
    </message>
    <message>
        <source>CCD Height(mm): </source>
        <translation>CCD 高度(mm)：</translation>
    </message>
    <message>
        <source>x0(px): </source>
        <translation>x0(px)：</translation>
    </message>
    <message>
        <source>y0(px): </source>
        <translation>y0(px)：</translation>
    </message>
    <message>
        <source>Camera Parameters</source>
        <translation>相机参数</translation>
    </message>
    <message>
        <source>K1：</source>
        <translation>K1：</translation>
    </message>
    <message>
        <source>K2：</source>
        <translation>K2：</translation>
    </message>
    <message>
        <source>K3：</source>
        <translation>K3：</translation>
    </message>
    <message>
        <source>K4：</source>
        <translation>K4：</translation>
    </message>
    <message>
        <source>P1：</source>
        <translation>P1：</translation>
    </message>
    <message>
        <source>P2：</source>
        <translation>P2：</translation>
    </message>
    <message>
        <source>α：</source>
        <translation>α：</translation>
    </message>
    <message>
        <source>β：</source>
        <translation>β：</translation>
    </message>
</context>
<context>
    <name>DistortionWidget</name>
    <message>
        <source>Process: </source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>畸变纠正</translation>
    </message>
    <message>
        <source>Images: </source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>Output：</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>TIF</source>
        <translation>TIF</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Custom Camera</source>
        <translation>自定义相机</translation>
    </message>
    <message>
        <source>Destination: </source>
        <translation>输出目录：</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>相机型号</translation>
    </message>
    <message>
        <source>Import Camera</source>
        <translation>导入相机</translation>
    </message>
    <message>
        <source>Save Camera</source>
        <translation>保存相机</translation>
    </message>
    <message>
        <source>Camera Parameters</source>
        <translation>相机参数</translation>
    </message>
    <message>
        <source>Focal(px): </source>
        <translation>焦距(px)：</translation>
    </message>
    <message>
        <source>Width(px): </source>
        <translation>宽度(px)：</translation>
    </message>
    <message>
        <source>Height(px): </source>
        <translation>高度(px)：</translation>
    </message>
    <message>
        <source>CCD Width(mm): </source>
        <translation>CCD 宽度(mm)：</translation>
    </message>
    <message>
        <source>CCD Height(mm): </source>
        <translation>CCD 高度(mm)：</translation>
    </message>
    <message>
        <source>x0(px): </source>
        <translation>x0(px)：</translation>
    </message>
    <message>
        <source>y0(px): </source>
        <translation>y0(px)：</translation>
    </message>
    <message>
        <source>Distortion:</source>
        <translation>畸变模型：</translation>
    </message>
    <message>
        <source>Type 1(AUS)</source>
        <translation>类型 1(AUS)</translation>
    </message>
    <message>
        <source>Type 2(Bronw)</source>
        <translation>类型 2(Brown)</translation>
    </message>
    <message>
        <source>Type 3(Inpho)</source>
        <translation>类型 3(Inpho)</translation>
    </message>
    <message>
        <source>K1: </source>
        <translation>K1：</translation>
    </message>
    <message>
        <source>K2: </source>
        <translation>K2：</translation>
    </message>
    <message>
        <source>K3: </source>
        <translation>K3：</translation>
    </message>
    <message>
        <source>K4: </source>
        <translation>K4：</translation>
    </message>
    <message>
        <source>K5: </source>
        <translation>K5：</translation>
    </message>
    <message>
        <source>K6: </source>
        <translation>K6：</translation>
    </message>
    <message>
        <source>P1: </source>
        <translation>P1：</translation>
    </message>
    <message>
        <source>P2: </source>
        <translation>P2：</translation>
    </message>
    <message>
        <source>A: </source>
        <translation>A：</translation>
    </message>
    <message>
        <source>B :</source>
        <translation>B：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开目录</translation>
    </message>
</context>
<context>
    <name>EnhancementDialog</name>
    <message>
        <source>Enhancement</source>
        <translation>影像增强</translation>
    </message>
</context>
<context>
    <name>EnhancementParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>影像增强</translation>
    </message>
</context>
<context>
    <name>EnhancementWidget</name>
    <message>
        <source>Enhancement</source>
        <translation>影像增强</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>输出目录：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FormatDialog</name>
    <message>
        <source>Format</source>
        <translation>格式转换</translation>
    </message>
</context>
<context>
    <name>FormatParameterWidget</name>
    <message>
        <source>Process:</source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式转换</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
</context>
<context>
    <name>FormatWidget</name>
    <message>
        <source>Format</source>
        <translation>格式转换</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>输出目录：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ImageProcessWidget</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式转换</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>重采样</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>影像金字塔</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>畸变纠正</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>影像增强</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>匀色</translation>
    </message>
</context>
<context>
    <name>ProcessWidget</name>
    <message>
        <source>Tile</source>
        <translation>瓦片</translation>
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
        <translation>影像金字塔</translation>
    </message>
</context>
<context>
    <name>PyramidParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>影像金字塔</translation>
    </message>
</context>
<context>
    <name>PyramidWidget</name>
    <message>
        <source>Overviews</source>
        <translation>影像金字塔</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Raw2TifDialog</name>
    <message>
        <source>Raw To Tif</source>
        <translation>RAW 转 TIF</translation>
    </message>
</context>
<context>
    <name>Raw2TifWidget</name>
    <message>
        <source>Raw:</source>
        <translation>RAW：</translation>
    </message>
    <message>
        <source>POS:</source>
        <translation>POS：</translation>
    </message>
    <message>
        <source>Tif:</source>
        <translation>TIF：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>RenameWidget</name>
    <message>
        <source>File Path : </source>
        <translation>文件路径：</translation>
    </message>
    <message>
        <source>Rename Rule : </source>
        <translation>命名规则：</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>前缀</translation>
    </message>
    <message>
        <source>After</source>
        <translation>后缀</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开目录</translation>
    </message>
</context>
<context>
    <name>ResampleDialog</name>
    <message>
        <source>Resample</source>
        <translation>重采样</translation>
    </message>
</context>
<context>
    <name>ResampleParameterWidget</name>
    <message>
        <source>Process: </source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>重采样</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>比例：</translation>
    </message>
</context>
<context>
    <name>ResampleWidget</name>
    <message>
        <source>Resample</source>
        <translation>重采样</translation>
    </message>
    <message>
        <source>Ratio:</source>
        <translation>比例：</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>输出目录：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RotateDialog</name>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
</context>
<context>
    <name>RotateParameterWidget</name>
    <message>
        <source>Process:</source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Angles:</source>
        <translation>角度：</translation>
    </message>
</context>
<context>
    <name>RotateWidget</name>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Angles:</source>
        <translation>角度：</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>输出目录：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ToolWidget</name>
    <message>
        <source>Process: </source>
        <translation>处理：</translation>
    </message>
    <message>
        <source>Images: </source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开目录</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>选择RAW文件夹</source>
        <translation>选择RAW文件夹</translation>
    </message>
    <message>
        <source>选择POS文件</source>
        <translation>选择POS文件</translation>
    </message>
    <message>
        <source>POS文件 (*.txt);;所有文件 (*.*)</source>
        <translation>POS文件 (*.txt);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>选择TIF文件夹</source>
        <translation>选择TIF文件夹</translation>
    </message>
    <message>
        <source>处理结束!</source>
        <translation>处理结束!</translation>
    </message>
    <message>
        <source>已重命名 %1 个文件。</source>
        <translation>已重命名 %1 个文件。</translation>
    </message>
    <message>
        <source>以下 %1 个文件未重命名：</source>
        <translation>以下 %1 个文件未重命名：</translation>
    </message>
    <message>
        <source>……另有 %1 个</source>
        <translation>……另有 %1 个</translation>
    </message>
    <message>
        <source>文件夹不存在！</source>
        <translation>文件夹不存在！</translation>
    </message>
    <message>
        <source>名称中不能含有“/”！</source>
        <translation>名称中不能含有“/”！</translation>
    </message>
</context>
</TS>
