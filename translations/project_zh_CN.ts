<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FlyPrjSettingDialog</name>
    <message>
        <source>Flight Project Setting</source>
        <translation>航飞工程设置</translation>
    </message>
</context>
<context>
    <name>FlyPrjSettingWidget</name>
    <message>
        <source>Image List: </source>
        <translation>影像列表：</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>添加影像</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</source>
        <translation>影像 (*.bmp *.jpg *.tif);;BMP 影像 (*.bmp);;JPG 影像 (*.jpg);;TIF 影像 (*.tif)</translation>
    </message>
</context>
<context>
    <name>KvCreatProjectDialog</name>
    <message>
        <source>Project Information</source>
        <translation>工程信息</translation>
    </message>
</context>
<context>
    <name>KvCreatProjectWidget</name>
    <message>
        <source>Name:</source>
        <translation>工程名称：</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>操作员：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>UAV:</source>
        <translation>无人机：</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>正射</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>倾斜</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>测区描述：</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>KvShowPrjInfoDialog</name>
    <message>
        <source>Project Information</source>
        <translation>工程信息</translation>
    </message>
</context>
<context>
    <name>KvShowPrjInfoWidget</name>
    <message>
        <source>Name:</source>
        <translation>工程名称：</translation>
    </message>
    <message>
        <source>Mean Elevation: </source>
        <translation>平均高程：</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>操作员：</translation>
    </message>
    <message>
        <source>Camera: </source>
        <translation>相机：</translation>
    </message>
    <message>
        <source>Coordinate:</source>
        <translation>坐标系：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>测区描述：</translation>
    </message>
    <message>
        <source>Images:</source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
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
        <source>Omega</source>
        <translation>ω</translation>
    </message>
    <message>
        <source>Phi</source>
        <translation>φ</translation>
    </message>
    <message>
        <source>Kappa</source>
        <translation>κ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>The project has no image. Go back and add images with positions, or exit.</source>
        <translation>工程中没有影像。请返回上一步添加带位置的影像，或退出。</translation>
    </message>
</context>
<context>
    <name>ProjectManagerWidget</name>
    <message>
        <source>My Project</source>
        <translation>我的工程</translation>
    </message>
    <message>
        <source>Flight Project</source>
        <translation>航飞工程</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>新建工程</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>导入工程</translation>
    </message>
    <message>
        <source>View Image</source>
        <translation>查看影像</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>添加影像</translation>
    </message>
    <message>
        <source>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</source>
        <translation>影像 (*.bmp *.jpg *.tif);;BMP 影像 (*.bmp);;JPG 影像 (*.jpg);;TIF 影像 (*.tif)</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开工程</translation>
    </message>
    <message>
        <source>Project File (*.db)</source>
        <translation>工程文件 (*.db)</translation>
    </message>
</context>
<context>
    <name>TiledScene</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Export Project</source>
        <translation>导出工程</translation>
    </message>
    <message>
        <source>Project File (*.db)</source>
        <translation>工程文件 (*.db)</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the list? The project file itself is kept.</source>
        <translation>是否从列表中移除“%1”？工程文件本身将保留。</translation>
    </message>
</context>
</TS>
