<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CameraModule</name>
    <message>
        <source>unnamed camera</source>
        <translation>未命名相机</translation>
    </message>
    <message>
        <source>%1, %2 × %3 px, focal length %4 mm, pixel %5 µm</source>
        <translation>%1，%2 × %3 px，焦距 %4 mm，像元 %5 µm</translation>
    </message>
    <message>
        <source>&amp;Camera…</source>
        <translation>相机(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Refresh Camera Database</source>
        <translation>刷新相机数据库(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Get Camera From Cloud…</source>
        <translation>从云端获取相机(&amp;G)…</translation>
    </message>
    <message>
        <source>Project camera: %1</source>
        <translation>工程相机：%1</translation>
    </message>
    <message>
        <source>Downloaded camera: %1</source>
        <translation>已下载相机：%1</translation>
    </message>
    <message>
        <source>正在更新相机数据库……</source>
        <translation>正在更新相机数据库……</translation>
    </message>
    <message>
        <source>相机数据库已更新（%1 台相机）</source>
        <translation>相机数据库已更新（%1 台相机）</translation>
    </message>
    <message>
        <source>相机数据库更新失败</source>
        <translation>相机数据库更新失败</translation>
    </message>
</context>
<context>
    <name>FrameworkModule</name>
    <message>
        <source>Open Image &amp;Viewer</source>
        <translation>打开影像查看器(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Message (OK)…</source>
        <translation>消息框（确定）(&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Question (Yes/No)…</source>
        <translation>询问框（是/否）(&amp;Q)…</translation>
    </message>
    <message>
        <source>&amp;Checksum Folder…</source>
        <translation>校验文件夹(&amp;C)…</translation>
    </message>
    <message>
        <source>Message box: OK</source>
        <translation>消息框：确定</translation>
    </message>
    <message>
        <source>Message box: closed</source>
        <translation>消息框：已关闭</translation>
    </message>
    <message>
        <source>Answer: Yes</source>
        <translation>回答：是</translation>
    </message>
    <message>
        <source>Answer: No</source>
        <translation>回答：否</translation>
    </message>
    <message>
        <source>Answer: closed without answering</source>
        <translation>回答：未作答即关闭</translation>
    </message>
    <message>
        <source>Checksum Folder</source>
        <translation>校验文件夹</translation>
    </message>
    <message>
        <source>Checksum cancelled after %1 of %2 files</source>
        <translation>校验已取消，已完成 %1 / %2 个文件</translation>
    </message>
    <message>
        <source>Checksummed %1 files</source>
        <translation>已校验 %1 个文件</translation>
    </message>
    <message>
        <source>, %1 unreadable</source>
        <translation>，%1 个无法读取</translation>
    </message>
    <message>
        <source>Save Checksum List</source>
        <translation>保存校验清单</translation>
    </message>
    <message>
        <source>Checksum lists (*.sha256);;All files (*)</source>
        <translation>校验清单 (*.sha256);;所有文件 (*)</translation>
    </message>
    <message>
        <source>; list saved to %1</source>
        <translation>；清单已保存到 %1</translation>
    </message>
    <message>
        <source>Sent %1 images to the image viewer</source>
        <translation>已将 %1 张影像发送到影像查看器</translation>
    </message>
    <message>
        <source>Dialog content</source>
        <translation>对话框内容</translation>
    </message>
    <message>
        <source>Start page</source>
        <translation>开始页</translation>
    </message>
</context>
<context>
    <name>ImageTablePanel</name>
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
        <source>Omega (°)</source>
        <translation>ω (°)</translation>
    </message>
    <message>
        <source>Phi (°)</source>
        <translation>φ (°)</translation>
    </message>
    <message>
        <source>Kappa (°)</source>
        <translation>κ (°)</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>架次</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>ImageryModule</name>
    <message>
        <source>Get &amp;Elevation…</source>
        <translation>获取高程(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;RT27 Format Change…</source>
        <translation>RT27 格式转换(&amp;R)…</translation>
    </message>
    <message>
        <source>Correct &amp;Lever Arm…</source>
        <translation>杆臂改正(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;GPS Tool…</source>
        <translation>GPS 工具(&amp;G)…</translation>
    </message>
    <message>
        <source>Elevation: %1 m</source>
        <translation>高程：%1 m</translation>
    </message>
    <message>
        <source>RT27 conversion is not available here: %1 → %2</source>
        <translation>此处无法进行 RT27 转换：%1 → %2</translation>
    </message>
    <message>
        <source>Lever-arm correction is not available here: %1 (UAV type %2) → %3</source>
        <translation>此处无法进行杆臂改正：%1（无人机型号 %2）→ %3</translation>
    </message>
    <message>
        <source>RT27 conversion cannot run here: the receiver format is its maker&apos;s. Open the dialog anyway?</source>
        <translation>此处无法进行 RT27 转换：该接收机格式属于其厂商。仍要打开对话框吗？</translation>
    </message>
    <message>
        <source>Lever-arm correction cannot run here: the aircraft offsets are their maker&apos;s. Open the dialog anyway?</source>
        <translation>此处无法进行杆臂改正：飞机的偏移量属于其厂商。仍要打开对话框吗？</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Project files (*.db)</source>
        <translation>工程文件 (*.db)</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>架次</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Cameras</source>
        <translation>相机(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;About kvhost</source>
        <translation>关于 kvhost(&amp;A)</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message>
        <source>Could not save %1</source>
        <translation>无法保存 %1</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>Project closed</source>
        <translation>工程已关闭</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>打开工程</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>工程另存为</translation>
    </message>
    <message>
        <source>About kvhost</source>
        <translation>关于 kvhost</translation>
    </message>
    <message>
        <source>kvhost shows the kvui widget library at work: projects, cameras, the flight selector, message boxes and progress dialogs.</source>
        <translation>kvhost 演示 kvui 界面库的工作：工程、相机、架次选择、消息框和进度对话框。</translation>
    </message>
    <message>
        <source>Camera web service: %1</source>
        <translation>相机网络服务：%1</translation>
    </message>
    <message>
        <source>Flight %1 selected</source>
        <translation>已选择第 %1 架次</translation>
    </message>
    <message>
        <source>Flight %1 removed</source>
        <translation>已删除第 %1 架次</translation>
    </message>
    <message>
        <source>; flight %1 selected</source>
        <translation>；已选择第 %1 架次</translation>
    </message>
    <message>
        <source>No project open</source>
        <translation>未打开工程</translation>
    </message>
    <message>
        <source>kvhost</source>
        <translation>kvhost</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Project: %1 · %2 images</source>
        <translation>工程：%1 · %2 张影像</translation>
    </message>
    <message>
        <source>%1 – kvhost</source>
        <translation>%1 – kvhost</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>该文件为只读。</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>已有同名文件夹。</translation>
    </message>
    <message>
        <source>Its folder does not exist.</source>
        <translation>文件所在的文件夹不存在。</translation>
    </message>
    <message>
        <source>Its folder is read-only.</source>
        <translation>文件所在的文件夹为只读。</translation>
    </message>
    <message>
        <source>The disk may be full, or another program may be using the file.</source>
        <translation>磁盘可能已满，或者其他程序正在使用该文件。</translation>
    </message>
    <message>
        <source>&amp;Demonstrations</source>
        <translation>演示(&amp;D)</translation>
    </message>
</context>
<context>
    <name>ProjectModule</name>
    <message>
        <source>Start &amp;Page…</source>
        <translation>起始页(&amp;P)…</translation>
    </message>
    <message>
        <source>Project from &amp;Photos…</source>
        <translation>从照片创建工程(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;New Project…</source>
        <translation>新建工程(&amp;N)…</translation>
    </message>
    <message>
        <source>Project &amp;Information…</source>
        <translation>工程信息(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Images and Positions…</source>
        <translation>影像与位置(&amp;I)…</translation>
    </message>
    <message>
        <source>Project &amp;Summary…</source>
        <translation>工程概要(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Coordinate System…</source>
        <translation>坐标系(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>打开工程(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>保存工程(&amp;S)</translation>
    </message>
    <message>
        <source>Save Project &amp;As…</source>
        <translation>工程另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Close Project</source>
        <translation>关闭工程(&amp;C)</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>工程</translation>
    </message>
    <message>
        <source>Project ▾</source>
        <translation>工程 ▾</translation>
    </message>
    <message>
        <source>Project menu</source>
        <translation>工程菜单</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message>
        <source>Project wizard left; nothing was created</source>
        <translation>已退出工程向导，未创建工程</translation>
    </message>
    <message>
        <source>Coordinate system: %1</source>
        <translation>坐标系：%1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>主菜单</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>Default (English and Chinese)</source>
        <translation>默认（中英文）</translation>
    </message>
    <message>
        <source>Language changed. Windows opened from now on use it; restart kvhost to see it in every menu.</source>
        <translation>语言已更改。此后打开的窗口使用新语言；重新启动 kvhost 后所有菜单都使用新语言。</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
</context>
<context>
    <name>WorkspaceModule</name>
    <message>
        <source>Images</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Image Processing</source>
        <translation>影像处理</translation>
    </message>
    <message>
        <source>Flight calibration</source>
        <translation>架次检校</translation>
    </message>
    <message>
        <source>Batch processing</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Format change</source>
        <translation>格式转换</translation>
    </message>
    <message>
        <source>Resampling</source>
        <translation>重采样</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>金字塔</translation>
    </message>
    <message>
        <source>Image correction</source>
        <translation>影像校正</translation>
    </message>
    <message>
        <source>Distortion correction</source>
        <translation>畸变校正</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>增强</translation>
    </message>
    <message>
        <source>Colour balance</source>
        <translation>匀色</translation>
    </message>
    <message>
        <source>EXIF writing</source>
        <translation>写入EXIF</translation>
    </message>
    <message>
        <source>GPS solution</source>
        <translation>GPS解算</translation>
    </message>
    <message>
        <source>Flight from GPS</source>
        <translation>由GPS添加架次</translation>
    </message>
    <message>
        <source>RT27 format change</source>
        <translation>RT27格式转换</translation>
    </message>
    <message>
        <source>ATOM conversion</source>
        <translation>ATOM转换</translation>
    </message>
    <message>
        <source>RINEX event marks</source>
        <translation>RINEX事件标记</translation>
    </message>
    <message>
        <source>DEM check</source>
        <translation>DEM检查</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Lever-arm correction</source>
        <translation>杆臂改正</translation>
    </message>
    <message>
        <source>Raw to TIFF</source>
        <translation>RAW转TIFF</translation>
    </message>
    <message>
        <source>Tile view chosen</source>
        <translation>已选瓦片视图</translation>
    </message>
    <message>
        <source>Geographic view chosen</source>
        <translation>已选地理视图</translation>
    </message>
    <message>
        <source>%1: kvhost does not run this tool yet.</source>
        <translation>%1：kvhost 暂不能运行此工具。</translation>
    </message>
    <message>
        <source>Select the images to put into Flight%1 first.</source>
        <translation>请先选择要放入架次%1的影像。</translation>
    </message>
    <message>
        <source>Flight%1 now holds the %2 selected images.</source>
        <translation>架次%1现有所选的 %2 张影像。</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>工程文件无法打开！</source>
        <translation>工程文件无法打开！</translation>
    </message>
    <message>
        <source>工程文件保存失败！</source>
        <translation>工程文件保存失败！</translation>
    </message>
    <message>
        <source>是否将该相机保存到工程？</source>
        <translation>是否将该相机保存到工程？</translation>
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
        <source>校验文件写入失败！</source>
        <translation>校验文件写入失败！</translation>
    </message>
    <message>
        <source>影像数据已准备就绪。</source>
        <translation>影像数据已准备就绪。</translation>
    </message>
    <message>
        <source>是否继续处理？</source>
        <translation>是否继续处理？</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Demo host of the kvui widget library.</source>
        <translation>kvui 界面库的演示宿主程序。</translation>
    </message>
    <message>
        <source>Render every dialog and panel to PNG files in DIR and exit.</source>
        <translation>将每个对话框和面板绘制为 DIR 中的 PNG 文件，然后退出。</translation>
    </message>
    <message>
        <source>Show every text in LANGUAGE (en, zh_CN, or default: the texts as written) instead of the language chosen in Settings, without changing that choice.</source>
        <translation>以 LANGUAGE（en、zh_CN，或 default：按原文）显示所有文字，代替“设置”中选择的语言，但不更改该选择。</translation>
    </message>
    <message>
        <source>Project file to open.</source>
        <translation>要打开的工程文件。</translation>
    </message>
    <message>
        <source>unknown language %1</source>
        <translation>未知语言 %1</translation>
    </message>
</context>
</TS>
