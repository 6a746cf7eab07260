<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ButtonGroup</name>
    <message>
        <source>删除当前架次</source>
        <translation>Delete This Flight</translation>
    </message>
</context>
<context>
    <name>KvMessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>KvMessageBoxWidget</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KvMessageBoxWidget2</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>QProgressWidget</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please wait!</source>
        <translation>Please wait!</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
</context>
<context>
    <name>SaveQuestionDialog</name>
    <message>
        <source>Unsaved Changes</source>
        <translation>Unsaved Changes</translation>
    </message>
</context>
<context>
    <name>SaveQuestionWidget</name>
    <message>
        <source>The project has unsaved changes. Save them before it is closed?</source>
        <translation>The project has unsaved changes. Save them before it is closed?</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has unsaved changes. Save them before it is closed?</source>
        <translation>The project &quot;%1&quot; has unsaved changes. Save them before it is closed?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TitleWidget</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>No reply within %1 s</source>
        <translation>No reply within %1 s</translation>
    </message>
    <message>
        <source>The reply is over %1 MB</source>
        <translation>The reply is over %1 MB</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>是否保存!</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>用户中断或处理失败！</source>
        <translation>Cancelled by the user, or the processing failed!</translation>
    </message>
    <message>
        <source>质检处理结束！</source>
        <translation>Quality check finished!</translation>
    </message>
    <message>
        <source>请先进行质检！</source>
        <translation>Please run the quality check first!</translation>
    </message>
    <message>
        <source>可用空间较小，是否继续？</source>
        <translation>Little disk space is left. Continue?</translation>
    </message>
    <message>
        <source>处理结束，是否浏览结果？</source>
        <translation>Processing finished. View the results?</translation>
    </message>
    <message>
        <source>请先打开工程！</source>
        <translation>Please open a project first!</translation>
    </message>
    <message>
        <source>质检报告导出成功!</source>
        <translation>Quality report exported!</translation>
    </message>
    <message>
        <source>缩略图导出成功!</source>
        <translation>Thumbnails exported!</translation>
    </message>
    <message>
        <source>POS数据导出成功!</source>
        <translation>POS data exported!</translation>
    </message>
    <message>
        <source>SSK工程导出成功!</source>
        <translation>SSK project exported!</translation>
    </message>
    <message>
        <source>Inpho工程导出成功!</source>
        <translation>Inpho project exported!</translation>
    </message>
    <message>
        <source>PatB工程导出成功!</source>
        <translation>PatB project exported!</translation>
    </message>
    <message>
        <source>PHOTOMOD工程导出成功!</source>
        <translation>PHOTOMOD project exported!</translation>
    </message>
    <message>
        <source>影像数量大于32！</source>
        <translation>More than 32 images!</translation>
    </message>
    <message>
        <source>导入数据中存在相同影像！</source>
        <translation>The imported data hold the same image more than once!</translation>
    </message>
    <message>
        <source>请导入影像数据!</source>
        <translation>Please import images!</translation>
    </message>
    <message>
        <source>工程名不能为空！</source>
        <translation>The project name must not be empty!</translation>
    </message>
    <message>
        <source>工程名不合法！</source>
        <translation>The project name is not valid!</translation>
    </message>
    <message>
        <source>测区描述信息太长！</source>
        <translation>The survey area description is too long!</translation>
    </message>
    <message>
        <source>请输入移动站观测数据！</source>
        <translation>Please enter the rover observation data!</translation>
    </message>
    <message>
        <source>请输入基准站观测数据！</source>
        <translation>Please enter the base station observation data!</translation>
    </message>
    <message>
        <source>请输入基准站坐标！</source>
        <translation>Please enter the base station coordinates!</translation>
    </message>
    <message>
        <source>请选择工作路径！</source>
        <translation>Please choose a working folder!</translation>
    </message>
    <message>
        <source>请设置相机文件!</source>
        <translation>Please set the camera file!</translation>
    </message>
    <message>
        <source>工程不存在，是否删除记录？</source>
        <translation>The project does not exist. Remove it from the list?</translation>
    </message>
    <message>
        <source>未找到工程文件!</source>
        <translation>Project file not found!</translation>
    </message>
    <message>
        <source>是否确定取消?</source>
        <translation>Are you sure you want to cancel?</translation>
    </message>
    <message>
        <source>文件路径不能为空！</source>
        <translation>The file path must not be empty!</translation>
    </message>
    <message>
        <source>正射纠正处理中...</source>
        <translation>Orthorectifying...</translation>
    </message>
    <message>
        <source>匀色处理中...</source>
        <translation>Balancing colours...</translation>
    </message>
    <message>
        <source>匀光处理中...</source>
        <translation>Balancing brightness...</translation>
    </message>
    <message>
        <source>匀光匀色处理中...</source>
        <translation>Balancing brightness and colours...</translation>
    </message>
    <message>
        <source>正在计算全局参数...</source>
        <translation>Computing global parameters...</translation>
    </message>
    <message>
        <source>分块镶嵌处理中...</source>
        <translation>Mosaicking block by block...</translation>
    </message>
    <message>
        <source>拼接与羽化处理中...</source>
        <translation>Stitching and feathering...</translation>
    </message>
    <message>
        <source>匀色处理结束！</source>
        <translation>Colour balancing finished!</translation>
    </message>
    <message>
        <source>批处理结束！</source>
        <translation>Batch processing finished!</translation>
    </message>
    <message>
        <source>飞行检校结束！</source>
        <translation>In-flight calibration finished!</translation>
    </message>
    <message>
        <source>用户中断或飞行检校失败！</source>
        <translation>Cancelled by the user, or the in-flight calibration failed!</translation>
    </message>
    <message>
        <source>格式转换结束！</source>
        <translation>Format conversion finished!</translation>
    </message>
    <message>
        <source>影像增强结束！</source>
        <translation>Image enhancement finished!</translation>
    </message>
    <message>
        <source>建立金字塔结束！</source>
        <translation>Pyramids built!</translation>
    </message>
    <message>
        <source>重采样结束！</source>
        <translation>Resampling finished!</translation>
    </message>
    <message>
        <source>影像旋转结束！</source>
        <translation>Image rotation finished!</translation>
    </message>
    <message>
        <source>畸变纠正结束！</source>
        <translation>Distortion correction finished!</translation>
    </message>
    <message>
        <source>EXIF处理结束！</source>
        <translation>EXIF processing finished!</translation>
    </message>
    <message>
        <source>GPS处理结束！</source>
        <translation>GPS processing finished!</translation>
    </message>
    <message>
        <source>RT27转换处理结束！</source>
        <translation>RT27 conversion finished!</translation>
    </message>
    <message>
        <source>GPS处理</source>
        <translation>GPS Processing</translation>
    </message>
    <message>
        <source>RT27转换处理</source>
        <translation>RT27 Conversion</translation>
    </message>
    <message>
        <source>影像特征匹配</source>
        <translation>Image Feature Matching</translation>
    </message>
    <message>
        <source>影像特征匹配中……</source>
        <translation>Matching image features…</translation>
    </message>
    <message>
        <source>特征提取与匹配</source>
        <translation>Feature Extraction and Matching</translation>
    </message>
    <message>
        <source>影像特征提取</source>
        <translation>Image Feature Extraction</translation>
    </message>
    <message>
        <source>影像特征提取中……</source>
        <translation>Extracting image features…</translation>
    </message>
    <message>
        <source>正在创建金字塔中……</source>
        <translation>Building pyramids…</translation>
    </message>
    <message>
        <source>空三计算中……</source>
        <translation>Computing the aerial triangulation…</translation>
    </message>
    <message>
        <source>影像镶嵌批处理</source>
        <translation>Image Mosaic Batch</translation>
    </message>
    <message>
        <source>正射校正处理中……</source>
        <translation>Orthorectifying…</translation>
    </message>
    <message>
        <source>空三计算</source>
        <translation>Aerial Triangulation</translation>
    </message>
    <message>
        <source>影像匀色</source>
        <translation>Image Colour Balancing</translation>
    </message>
    <message>
        <source>影像匀色处理中……</source>
        <translation>Balancing image colours…</translation>
    </message>
    <message>
        <source>影像增强</source>
        <translation>Image Enhancement</translation>
    </message>
    <message>
        <source>正在进行影像增强中……</source>
        <translation>Enhancing images…</translation>
    </message>
    <message>
        <source>EXIF处理</source>
        <translation>EXIF Processing</translation>
    </message>
    <message>
        <source>EXIF处理中……</source>
        <translation>Processing EXIF…</translation>
    </message>
    <message>
        <source>纹理影像生成</source>
        <translation>Texture Image Generation</translation>
    </message>
    <message>
        <source>正在创建影像纹理……</source>
        <translation>Creating image textures…</translation>
    </message>
    <message>
        <source>格式转换</source>
        <translation>Format Conversion</translation>
    </message>
    <message>
        <source>正在转换格式中……</source>
        <translation>Converting formats…</translation>
    </message>
    <message>
        <source>创建影像金字塔</source>
        <translation>Build Image Pyramids</translation>
    </message>
    <message>
        <source>旋转影像</source>
        <translation>Rotate Images</translation>
    </message>
    <message>
        <source>正在生成旋转影像中……</source>
        <translation>Creating rotated images…</translation>
    </message>
    <message>
        <source>有效区域提取</source>
        <translation>Valid Area Extraction</translation>
    </message>
    <message>
        <source>正在提取有效区域中……</source>
        <translation>Extracting valid areas…</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Thumbnails</translation>
    </message>
    <message>
        <source>畸变纠正</source>
        <translation>Distortion Correction</translation>
    </message>
    <message>
        <source>正在畸变纠正中……</source>
        <translation>Correcting distortion…</translation>
    </message>
    <message>
        <source>加载纹理</source>
        <translation>Load Textures</translation>
    </message>
    <message>
        <source>正在加载纹理中……</source>
        <translation>Loading textures…</translation>
    </message>
    <message>
        <source>载入工程</source>
        <translation>Load Project</translation>
    </message>
    <message>
        <source>载入工程中……</source>
        <translation>Loading the project…</translation>
    </message>
    <message>
        <source>缩略图加载</source>
        <translation>Thumbnail Loading</translation>
    </message>
    <message>
        <source>缩略图加载中……</source>
        <translation>Loading thumbnails…</translation>
    </message>
    <message>
        <source>文件校验中……</source>
        <translation>Checking files…</translation>
    </message>
</context>
<context>
    <name>kvui::AllSelectedPair</name>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selected</translation>
    </message>
</context>
</TS>
