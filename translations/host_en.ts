<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CameraModule</name>
    <message>
        <source>unnamed camera</source>
        <translation>unnamed camera</translation>
    </message>
    <message>
        <source>%1, %2 × %3 px, focal length %4 mm, pixel %5 µm</source>
        <translation>%1, %2 × %3 px, focal length %4 mm, pixel %5 µm</translation>
    </message>
    <message>
        <source>&amp;Camera…</source>
        <translation>&amp;Camera…</translation>
    </message>
    <message>
        <source>&amp;Refresh Camera Database</source>
        <translation>&amp;Refresh Camera Database</translation>
    </message>
    <message>
        <source>&amp;Get Camera From Cloud…</source>
        <translation>&amp;Get Camera From Cloud…</translation>
    </message>
    <message>
        <source>Project camera: %1</source>
        <translation>Project camera: %1</translation>
    </message>
    <message>
        <source>Downloaded camera: %1</source>
        <translation>Downloaded camera: %1</translation>
    </message>
    <message>
        <source>正在更新相机数据库……</source>
        <translation>Updating the camera database…</translation>
    </message>
    <message>
        <source>相机数据库已更新（%1 台相机）</source>
        <translation>The camera database has been updated (%1 cameras)</translation>
    </message>
    <message>
        <source>相机数据库更新失败</source>
        <translation>The camera database could not be updated</translation>
    </message>
</context>
<context>
    <name>FrameworkModule</name>
    <message>
        <source>Open Image &amp;Viewer</source>
        <translation>Open Image &amp;Viewer</translation>
    </message>
    <message>
        <source>&amp;Message (OK)…</source>
        <translation>&amp;Message (OK)…</translation>
    </message>
    <message>
        <source>&amp;Question (Yes/No)…</source>
        <translation>&amp;Question (Yes/No)…</translation>
    </message>
    <message>
        <source>&amp;Checksum Folder…</source>
        <translation>&amp;Checksum Folder…</translation>
    </message>
    <message>
        <source>Message box: OK</source>
        <translation>Message box: OK</translation>
    </message>
    <message>
        <source>Message box: closed</source>
        <translation>Message box: closed</translation>
    </message>
    <message>
        <source>Answer: Yes</source>
        <translation>Answer: Yes</translation>
    </message>
    <message>
        <source>Answer: No</source>
        <translation>Answer: No</translation>
    </message>
    <message>
        <source>Answer: closed without answering</source>
        <translation>Answer: closed without answering</translation>
    </message>
    <message>
        <source>Checksum Folder</source>
        <translation>Checksum Folder</translation>
    </message>
    <message>
        <source>Checksum cancelled after %1 of %2 files</source>
        <translation>Checksum cancelled after %1 of %2 files</translation>
    </message>
    <message>
        <source>Checksummed %1 files</source>
        <translation>Checksummed %1 files</translation>
    </message>
    <message>
        <source>, %1 unreadable</source>
        <translation>, %1 unreadable</translation>
    </message>
    <message>
        <source>Save Checksum List</source>
        <translation>Save Checksum List</translation>
    </message>
    <message>
        <source>Checksum lists (*.sha256);;All files (*)</source>
        <translation>Checksum lists (*.sha256);;All files (*)</translation>
    </message>
    <message>
        <source>; list saved to %1</source>
        <translation>; list saved to %1</translation>
    </message>
    <message>
        <source>Sent %1 images to the image viewer</source>
        <translation>Sent %1 images to the image viewer</translation>
    </message>
    <message>
        <source>Dialog content</source>
        <translation>Dialog content</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>Start page</translation>
    </message>
</context>
<context>
    <name>ImageTablePanel</name>
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
        <source>Omega (°)</source>
        <translation>Omega (°)</translation>
    </message>
    <message>
        <source>Phi (°)</source>
        <translation>Phi (°)</translation>
    </message>
    <message>
        <source>Kappa (°)</source>
        <translation>Kappa (°)</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>Flight</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
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
    <name>ImageryModule</name>
    <message>
        <source>Get &amp;Elevation…</source>
        <translation>Get &amp;Elevation…</translation>
    </message>
    <message>
        <source>&amp;RT27 Format Change…</source>
        <translation>&amp;RT27 Format Change…</translation>
    </message>
    <message>
        <source>Correct &amp;Lever Arm…</source>
        <translation>Correct &amp;Lever Arm…</translation>
    </message>
    <message>
        <source>&amp;GPS Tool…</source>
        <translation>&amp;GPS Tool…</translation>
    </message>
    <message>
        <source>Elevation: %1 m</source>
        <translation>Elevation: %1 m</translation>
    </message>
    <message>
        <source>RT27 conversion is not available here: %1 → %2</source>
        <translation>RT27 conversion is not available here: %1 → %2</translation>
    </message>
    <message>
        <source>Lever-arm correction is not available here: %1 (UAV type %2) → %3</source>
        <translation>Lever-arm correction is not available here: %1 (UAV type %2) → %3</translation>
    </message>
    <message>
        <source>RT27 conversion cannot run here: the receiver format is its maker&apos;s. Open the dialog anyway?</source>
        <translation>RT27 conversion cannot run here: the receiver format is its maker&apos;s. Open the dialog anyway?</translation>
    </message>
    <message>
        <source>Lever-arm correction cannot run here: the aircraft offsets are their maker&apos;s. Open the dialog anyway?</source>
        <translation>Lever-arm correction cannot run here: the aircraft offsets are their maker&apos;s. Open the dialog anyway?</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Project files (*.db)</source>
        <translation>Project files (*.db)</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>Flights</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Cameras</source>
        <translation>&amp;Cameras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;About kvhost</source>
        <translation>&amp;About kvhost</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Could not open %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>Could not save %1</source>
        <translation>Could not save %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Project closed</source>
        <translation>Project closed</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Save Project As</translation>
    </message>
    <message>
        <source>About kvhost</source>
        <translation>About kvhost</translation>
    </message>
    <message>
        <source>kvhost shows the kvui widget library at work: projects, cameras, the flight selector, message boxes and progress dialogs.</source>
        <translation>kvhost shows the kvui widget library at work: projects, cameras, the flight selector, message boxes and progress dialogs.</translation>
    </message>
    <message>
        <source>Camera web service: %1</source>
        <translation>Camera web service: %1</translation>
    </message>
    <message>
        <source>Flight %1 selected</source>
        <translation>Flight %1 selected</translation>
    </message>
    <message>
        <source>Flight %1 removed</source>
        <translation>Flight %1 removed</translation>
    </message>
    <message>
        <source>; flight %1 selected</source>
        <translation>; flight %1 selected</translation>
    </message>
    <message>
        <source>No project open</source>
        <translation>No project open</translation>
    </message>
    <message>
        <source>kvhost</source>
        <translation>kvhost</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Project: %1 · %2 images</source>
        <translation>Project: %1 · %2 images</translation>
    </message>
    <message>
        <source>%1 – kvhost</source>
        <translation>%1 – kvhost</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>A folder of that name is in the way.</translation>
    </message>
    <message>
        <source>Its folder does not exist.</source>
        <translation>Its folder does not exist.</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>Its folder is read-only.</translation>
    </message>
    <message>
        <source>The disk may be full, or another program may be using the file.</source>
        <translation>The disk may be full, or another program may be using the file.</translation>
    </message>
    <message>
        <source>&amp;Demonstrations</source>
        <translation>&amp;Demonstrations</translation>
    </message>
</context>
<context>
    <name>ProjectModule</name>
    <message>
        <source>Start &amp;Page…</source>
        <translation>Start &amp;Page…</translation>
    </message>
    <message>
        <source>Project from &amp;Photos…</source>
        <translation>Project from &amp;Photos…</translation>
    </message>
    <message>
        <source>&amp;New Project…</source>
        <translation>&amp;New Project…</translation>
    </message>
    <message>
        <source>Project &amp;Information…</source>
        <translation>Project &amp;Information…</translation>
    </message>
    <message>
        <source>&amp;Images and Positions…</source>
        <translation>&amp;Images and Positions…</translation>
    </message>
    <message>
        <source>Project &amp;Summary…</source>
        <translation>Project &amp;Summary…</translation>
    </message>
    <message>
        <source>&amp;Coordinate System…</source>
        <translation>&amp;Coordinate System…</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>&amp;Open Project…</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Save Project</translation>
    </message>
    <message>
        <source>Save Project &amp;As…</source>
        <translation>Save Project &amp;As…</translation>
    </message>
    <message>
        <source>&amp;Close Project</source>
        <translation>&amp;Close Project</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Project ▾</source>
        <translation>Project ▾</translation>
    </message>
    <message>
        <source>Project menu</source>
        <translation>Project menu</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>Project wizard left; nothing was created</source>
        <translation>Project wizard left; nothing was created</translation>
    </message>
    <message>
        <source>Coordinate system: %1</source>
        <translation>Coordinate system: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Main Menu</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>Default (English and Chinese)</source>
        <translation>Default (English and Chinese)</translation>
    </message>
    <message>
        <source>Language changed. Windows opened from now on use it; restart kvhost to see it in every menu.</source>
        <translation>Language changed. Windows opened from now on use it; restart kvhost to see it in every menu.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>WorkspaceModule</name>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Image Processing</source>
        <translation>Image Processing</translation>
    </message>
    <message>
        <source>Flight calibration</source>
        <translation>Flight calibration</translation>
    </message>
    <message>
        <source>Batch processing</source>
        <translation>Batch processing</translation>
    </message>
    <message>
        <source>Format change</source>
        <translation>Format change</translation>
    </message>
    <message>
        <source>Resampling</source>
        <translation>Resampling</translation>
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
        <source>Image correction</source>
        <translation>Image correction</translation>
    </message>
    <message>
        <source>Distortion correction</source>
        <translation>Distortion correction</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Colour balance</source>
        <translation>Colour balance</translation>
    </message>
    <message>
        <source>EXIF writing</source>
        <translation>EXIF writing</translation>
    </message>
    <message>
        <source>GPS solution</source>
        <translation>GPS solution</translation>
    </message>
    <message>
        <source>Flight from GPS</source>
        <translation>Flight from GPS</translation>
    </message>
    <message>
        <source>RT27 format change</source>
        <translation>RT27 format change</translation>
    </message>
    <message>
        <source>ATOM conversion</source>
        <translation>ATOM conversion</translation>
    </message>
    <message>
        <source>RINEX event marks</source>
        <translation>RINEX event marks</translation>
    </message>
    <message>
        <source>DEM check</source>
        <translation>DEM check</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>Renaming</translation>
    </message>
    <message>
        <source>Lever-arm correction</source>
        <translation>Lever-arm correction</translation>
    </message>
    <message>
        <source>Raw to TIFF</source>
        <translation>Raw to TIFF</translation>
    </message>
    <message>
        <source>Tile view chosen</source>
        <translation>Tile view chosen</translation>
    </message>
    <message>
        <source>Geographic view chosen</source>
        <translation>Geographic view chosen</translation>
    </message>
    <message>
        <source>%1: kvhost does not run this tool yet.</source>
        <translation>%1: kvhost does not run this tool yet.</translation>
    </message>
    <message>
        <source>Select the images to put into Flight%1 first.</source>
        <translation>Select the images to put into Flight%1 first.</translation>
    </message>
    <message>
        <source>Flight%1 now holds the %2 selected images.</source>
        <translation>Flight%1 now holds the %2 selected images.</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>工程文件无法打开！</source>
        <translation>The project file cannot be opened!</translation>
    </message>
    <message>
        <source>工程文件保存失败！</source>
        <translation>The project file could not be saved!</translation>
    </message>
    <message>
        <source>是否将该相机保存到工程？</source>
        <translation>Save this camera to the project?</translation>
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
        <source>校验文件写入失败！</source>
        <translation>The checksum list could not be written!</translation>
    </message>
    <message>
        <source>影像数据已准备就绪。</source>
        <translation>The image data is ready.</translation>
    </message>
    <message>
        <source>是否继续处理？</source>
        <translation>Continue processing?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Demo host of the kvui widget library.</source>
        <translation>Demo host of the kvui widget library.</translation>
    </message>
    <message>
        <source>Render every dialog and panel to PNG files in DIR and exit.</source>
        <translation>Render every dialog and panel to PNG files in DIR and exit.</translation>
    </message>
    <message>
        <source>Show every text in LANGUAGE (en, zh_CN, or default: the texts as written) instead of the language chosen in Settings, without changing that choice.</source>
        <translation>Show every text in LANGUAGE (en, zh_CN, or default: the texts as written) instead of the language chosen in Settings, without changing that choice.</translation>
    </message>
    <message>
        <source>Project file to open.</source>
        <translation>Project file to open.</translation>
    </message>
    <message>
        <source>unknown language %1</source>
        <translation>unknown language %1</translation>
    </message>
</context>
</TS>
