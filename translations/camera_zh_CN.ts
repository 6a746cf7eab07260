<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Calibration</source>
        <translation>相机检校</translation>
    </message>
</context>
<context>
    <name>CalibrationWidget</name>
    <message>
        <source>Images: </source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>Initial Parameters</source>
        <translation>初始参数</translation>
    </message>
    <message>
        <source>Calibrated Parameters</source>
        <translation>检校参数</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>检校</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>Camera Setting</source>
        <translation>相机设置</translation>
    </message>
</context>
<context>
    <name>CameraParameterWidget</name>
    <message>
        <source>Camera Name: </source>
        <translation>相机名称：</translation>
    </message>
    <message>
        <source>Focal(px) </source>
        <translation>焦距(px) </translation>
    </message>
    <message>
        <source>Width(px) </source>
        <translation>宽度(px) </translation>
    </message>
    <message>
        <source>Height(px) </source>
        <translation>高度(px) </translation>
    </message>
    <message>
        <source>CCD Width(mm) </source>
        <translation>CCD 宽度(mm) </translation>
    </message>
    <message>
        <source>CCD Height(mm) </source>
        <translation>CCD 高度(mm) </translation>
    </message>
    <message>
        <source>x0(px) </source>
        <translation>x0(px) </translation>
    </message>
    <message>
        <source>y0(px) </source>
        <translation>y0(px) </translation>
    </message>
    <message>
        <source>K1</source>
        <translation>K1</translation>
    </message>
    <message>
        <source>K2</source>
        <translation>K2</translation>
    </message>
    <message>
        <source>K3</source>
        <translation>K3</translation>
    </message>
    <message>
        <source>K4</source>
        <translation>K4</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>β</source>
        <translation>β</translation>
    </message>
</context>
<context>
    <name>CameraSettingWidget</name>
    <message>
        <source>Varnel Camera File (*.xml)</source>
        <translation>Varnel 相机文件 (*.xml)</translation>
    </message>
    <message>
        <source>Inpho Camera File (*.prj)</source>
        <translation>Inpho 相机文件 (*.prj)</translation>
    </message>
    <message>
        <source> Context Capture Optical properties (*.opt)</source>
        <translation> Context Capture 光学属性文件 (*.opt)</translation>
    </message>
    <message>
        <source>Camera Name  </source>
        <translation>相机名称  </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>相机型号</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>居中清零</source>
        <translation>居中清零</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>清零</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>相机设置</translation>
    </message>
    <message>
        <source>Fisheye:</source>
        <translation>鱼眼：</translation>
    </message>
    <message>
        <source>Focal(px):</source>
        <translation>焦距(px)：</translation>
    </message>
    <message>
        <source>Width(px):</source>
        <translation>宽度(px)：</translation>
    </message>
    <message>
        <source>Height(px):</source>
        <translation>高度(px)：</translation>
    </message>
    <message>
        <source>CCD Width(mm):</source>
        <translation>CCD 宽度(mm)：</translation>
    </message>
    <message>
        <source>CCD Height(mm):</source>
        <translation>CCD 高度(mm)：</translation>
    </message>
    <message>
        <source>Mount Angle: </source>
        <translation>安装角度：</translation>
    </message>
    <message>
        <source>x0(px):</source>
        <translation>x0(px)：</translation>
    </message>
    <message>
        <source>y0(px):</source>
        <translation>y0(px)：</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>畸变</translation>
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
        <source>B: </source>
        <translation>B：</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>公式</translation>
    </message>
    <message>
        <source>Save Camera</source>
        <translation>保存相机</translation>
    </message>
    <message>
        <source>Import Camera</source>
        <translation>导入相机</translation>
    </message>
</context>
<context>
    <name>CameraWidget</name>
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
    <name>CoefficientWidget</name>
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
</context>
<context>
    <name>DownloadThread</name>
    <message>
        <source>The camera service is not available (%1); the camera database in use is kept</source>
        <translation>相机服务不可用（%1），保留现有相机数据库</translation>
    </message>
    <message>
        <source>相机数据库已更新</source>
        <translation>相机数据库已更新</translation>
    </message>
    <message>
        <source>相机服务未返回任何相机，保留现有相机数据库</source>
        <translation>相机服务未返回任何相机，保留现有相机数据库</translation>
    </message>
    <message>
        <source>相机服务无有效回复，保留现有相机数据库</source>
        <translation>相机服务无有效回复，保留现有相机数据库</translation>
    </message>
    <message>
        <source>无法写入新的相机数据库，保留现有相机数据库</source>
        <translation>无法写入新的相机数据库，保留现有相机数据库</translation>
    </message>
</context>
<context>
    <name>GetCameraDialog</name>
    <message>
        <source>Get Camera From Varnel Cloud</source>
        <translation>从 Varnel 云获取相机</translation>
    </message>
</context>
<context>
    <name>GetCameraWidget</name>
    <message>
        <source>Camera ID:</source>
        <translation>相机 ID：</translation>
    </message>
    <message>
        <source>Lens ID:</source>
        <translation>镜头 ID：</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>GridWidget</name>
    <message>
        <source>ID</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>dx</source>
        <translation>dx</translation>
    </message>
    <message>
        <source>dy</source>
        <translation>dy</translation>
    </message>
</context>
<context>
    <name>ImageCorrectionDialog</name>
    <message>
        <source>Image Correction</source>
        <translation>影像纠正</translation>
    </message>
</context>
<context>
    <name>ImageCorrectionWidget</name>
    <message>
        <source>Original:</source>
        <translation>原始影像：</translation>
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
        <source>Option:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Destination: </source>
        <translation>输出目录：</translation>
    </message>
    <message>
        <source>Camera Parameters</source>
        <translation>相机参数</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
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
    <message>
        <source>Import Camera</source>
        <translation>导入相机</translation>
    </message>
    <message>
        <source>Varnel Camera File (*.xml);;Varnel Binary Camera File (*.cam)</source>
        <translation>Varnel 相机文件 (*.xml);;Varnel 二进制相机文件 (*.cam)</translation>
    </message>
    <message>
        <source>Save Camera</source>
        <translation>保存相机</translation>
    </message>
    <message>
        <source>Varnel Binary Camera File (*.cam)</source>
        <translation>Varnel 二进制相机文件 (*.cam)</translation>
    </message>
    <message>
        <source>Varnel Camera File (*.xml)</source>
        <translation>Varnel 相机文件 (*.xml)</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>The downloaded camera is for images of %1 × %2 px, the project&apos;s images are %3 × %4 px. Use it anyway?</source>
        <translation>下载的相机适用于 %1 × %2 px 的影像，而工程的影像为 %3 × %4 px。仍要使用吗？</translation>
    </message>
    <message>
        <source>下载中</source>
        <translation>下载中</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>网络错误!</source>
        <translation>网络错误!</translation>
    </message>
    <message>
        <source>数据不存在!</source>
        <translation>数据不存在!</translation>
    </message>
    <message>
        <source>下载失败!</source>
        <translation>下载失败!</translation>
    </message>
    <message>
        <source>打开文件失败!</source>
        <translation>打开文件失败!</translation>
    </message>
</context>
</TS>
