<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FlyPrjSettingDialog</name>
    <message>
        <source>Flight Project Setting</source>
        <translation>Flight Project Setting</translation>
    </message>
</context>
<context>
    <name>FlyPrjSettingWidget</name>
    <message>
        <source>Image List: </source>
        <translation>Image List: </translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Add Folder</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Add Images</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
    <message>
        <source>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</source>
        <translation>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</translation>
    </message>
</context>
<context>
    <name>KvCreatProjectDialog</name>
    <message>
        <source>Project Information</source>
        <translation>Project Information</translation>
    </message>
</context>
<context>
    <name>KvCreatProjectWidget</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>UAV:</source>
        <translation>UAV:</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Nadir</source>
        <translation>Nadir</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Oblique</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>KvShowPrjInfoDialog</name>
    <message>
        <source>Project Information</source>
        <translation>Project Information</translation>
    </message>
</context>
<context>
    <name>KvShowPrjInfoWidget</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Mean Elevation: </source>
        <translation>Mean Elevation: </translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Camera: </source>
        <translation>Camera: </translation>
    </message>
    <message>
        <source>Coordinate:</source>
        <translation>Coordinate:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Images:</source>
        <translation>Images:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Omega</translation>
    </message>
    <message>
        <source>Phi</source>
        <translation>Phi</translation>
    </message>
    <message>
        <source>Kappa</source>
        <translation>Kappa</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>The project has no image. Go back and add images with positions, or exit.</source>
        <translation>The project has no image. Go back and add images with positions, or exit.</translation>
    </message>
</context>
<context>
    <name>ProjectManagerWidget</name>
    <message>
        <source>My Project</source>
        <translation>My Project</translation>
    </message>
    <message>
        <source>Flight Project</source>
        <translation>Flight Project</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>Import Project</translation>
    </message>
    <message>
        <source>View Image</source>
        <translation>View Image</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Add Images</translation>
    </message>
    <message>
        <source>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</source>
        <translation>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>Project File (*.db)</source>
        <translation>Project File (*.db)</translation>
    </message>
</context>
<context>
    <name>TiledScene</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Export Project</source>
        <translation>Export Project</translation>
    </message>
    <message>
        <source>Project File (*.db)</source>
        <translation>Project File (*.db)</translation>
    </message>
    <message>
        <source>Remove &quot;%1&quot; from the list? The project file itself is kept.</source>
        <translation>Remove &quot;%1&quot; from the list? The project file itself is kept.</translation>
    </message>
</context>
</TS>
