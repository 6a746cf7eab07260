<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
</context>
<context>
    <name>CalibrationWidget</name>
    <message>
        <source>Images: </source>
        <translation>Images: </translation>
    </message>
    <message>
        <source>Initial Parameters</source>
        <translation>Initial Parameters</translation>
    </message>
    <message>
        <source>Calibrated Parameters</source>
        <translation>Calibrated Parameters</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>Camera Setting</source>
        <translation>Camera Setting</translation>
    </message>
</context>
<context>
    <name>CameraParameterWidget</name>
    <message>
        <source>Camera Name: </source>
        <translation>Camera Name: </translation>
    </message>
    <message>
        <source>Focal(px) </source>
        <translation>Focal(px) </translation>
    </message>
    <message>
        <source>Width(px) </source>
        <translation>Width(px) </translation>
    </message>
    <message>
        <source>Height(px) </source>
        <translation>Height(px) </translation>
    </message>
    <message>
        <source>CCD Width(mm) </source>
        <translation>CCD Width(mm) </translation>
    </message>
    <message>
        <source>CCD Height(mm) </source>
        <translation>CCD Height(mm) </translation>
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
        <translation>Varnel Camera File (*.xml)</translation>
    </message>
    <message>
        <source>Inpho Camera File (*.prj)</source>
        <translation>Inpho Camera File (*.prj)</translation>
    </message>
    <message>
        <source> Context Capture Optical properties (*.opt)</source>
        <translation> Context Capture Optical properties (*.opt)</translation>
    </message>
    <message>
        <source>Camera Name  </source>
        <translation>Camera Name  </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Camera Model</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>居中清零</source>
        <translation>Centre the principal point and zero the coefficients</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation>Camera Setting</translation>
    </message>
    <message>
        <source>Fisheye:</source>
        <translation>Fisheye:</translation>
    </message>
    <message>
        <source>Focal(px):</source>
        <translation>Focal(px):</translation>
    </message>
    <message>
        <source>Width(px):</source>
        <translation>Width(px):</translation>
    </message>
    <message>
        <source>Height(px):</source>
        <translation>Height(px):</translation>
    </message>
    <message>
        <source>CCD Width(mm):</source>
        <translation>CCD Width(mm):</translation>
    </message>
    <message>
        <source>CCD Height(mm):</source>
        <translation>CCD Height(mm):</translation>
    </message>
    <message>
        <source>Mount Angle: </source>
        <translation>Mount Angle: </translation>
    </message>
    <message>
        <source>x0(px):</source>
        <translation>x0(px):</translation>
    </message>
    <message>
        <source>y0(px):</source>
        <translation>y0(px):</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>Distortion</translation>
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
        <source>B: </source>
        <translation>B: </translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Save Camera</source>
        <translation>Save Camera</translation>
    </message>
    <message>
        <source>Import Camera</source>
        <translation>Import Camera</translation>
    </message>
</context>
<context>
    <name>CameraWidget</name>
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
    <name>CoefficientWidget</name>
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
</context>
<context>
    <name>DownloadThread</name>
    <message>
        <source>The camera service is not available (%1); the camera database in use is kept</source>
        <translation>The camera service is not available (%1); the camera database in use is kept</translation>
    </message>
    <message>
        <source>相机数据库已更新</source>
        <translation>The camera database has been updated</translation>
    </message>
    <message>
        <source>相机服务未返回任何相机，保留现有相机数据库</source>
        <translation>The camera service listed no cameras; the camera database in use is kept</translation>
    </message>
    <message>
        <source>相机服务无有效回复，保留现有相机数据库</source>
        <translation>The camera service gave no valid reply; the camera database in use is kept</translation>
    </message>
    <message>
        <source>无法写入新的相机数据库，保留现有相机数据库</source>
        <translation>The new camera database could not be written; the camera database in use is kept</translation>
    </message>
</context>
<context>
    <name>GetCameraDialog</name>
    <message>
        <source>Get Camera From Varnel Cloud</source>
        <translation>Get Camera From Varnel Cloud</translation>
    </message>
</context>
<context>
    <name>GetCameraWidget</name>
    <message>
        <source>Camera ID:</source>
        <translation>Camera ID:</translation>
    </message>
    <message>
        <source>Lens ID:</source>
        <translation>Lens ID:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GridWidget</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
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
        <translation>Image Correction</translation>
    </message>
</context>
<context>
    <name>ImageCorrectionWidget</name>
    <message>
        <source>Original:</source>
        <translation>Original:</translation>
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
        <source>Option:</source>
        <translation>Option:</translation>
    </message>
    <message>
        <source>Destination: </source>
        <translation>Destination: </translation>
    </message>
    <message>
        <source>Camera Parameters</source>
        <translation>Camera Parameters</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
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
    <message>
        <source>Import Camera</source>
        <translation>Import Camera</translation>
    </message>
    <message>
        <source>Varnel Camera File (*.xml);;Varnel Binary Camera File (*.cam)</source>
        <translation>Varnel Camera File (*.xml);;Varnel Binary Camera File (*.cam)</translation>
    </message>
    <message>
        <source>Save Camera</source>
        <translation>Save Camera</translation>
    </message>
    <message>
        <source>Varnel Binary Camera File (*.cam)</source>
        <translation>Varnel Binary Camera File (*.cam)</translation>
    </message>
    <message>
        <source>Varnel Camera File (*.xml)</source>
        <translation>Varnel Camera File (*.xml)</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>The downloaded camera is for images of %1 × %2 px, the project&apos;s images are %3 × %4 px. Use it anyway?</source>
        <translation>The downloaded camera is for images of %1 × %2 px, the project&apos;s images are %3 × %4 px. Use it anyway?</translation>
    </message>
    <message>
        <source>下载中</source>
        <translation>Downloading…</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>网络错误!</source>
        <translation>Network error!</translation>
    </message>
    <message>
        <source>数据不存在!</source>
        <translation>The data does not exist!</translation>
    </message>
    <message>
        <source>下载失败!</source>
        <translation>Download failed!</translation>
    </message>
    <message>
        <source>打开文件失败!</source>
        <translation>Opening the file failed!</translation>
    </message>
</context>
</TS>
