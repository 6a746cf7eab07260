<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlgoSettingsModule</name>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>&amp;Algorithm Setting…</source>
        <translation>算法设置(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Setting…</source>
        <translation>设置(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;BA Setting…</source>
        <translation>平差设置(&amp;B)…</translation>
    </message>
    <message>
        <source>Select &amp;Method…</source>
        <translation>选择方法(&amp;M)…</translation>
    </message>
    <message>
        <source>CC &amp;XML Export…</source>
        <translation>CC XML导出(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Inpho Export…</source>
        <translation>Inpho导出(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;DEM Check…</source>
        <translation>DEM检查(&amp;D)…</translation>
    </message>
    <message>
        <source>Quality &amp;Report…</source>
        <translation>质量报告(&amp;R)…</translation>
    </message>
    <message>
        <source>Algorithm settings saved</source>
        <translation>算法设置已保存</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>设置已保存</translation>
    </message>
    <message>
        <source>Bundle adjustment: calibration %1, PPK %2, GCP %3</source>
        <translation>平差：自检校 %1，PPK %2，控制点 %3</translation>
    </message>
    <message>
        <source>matching</source>
        <translation>匹配</translation>
    </message>
    <message>
        <source>adjustment</source>
        <translation>平差</translation>
    </message>
    <message>
        <source>PPK/RTK</source>
        <translation>PPK/RTK</translation>
    </message>
    <message>
        <source>GCP</source>
        <translation>控制点</translation>
    </message>
    <message>
        <source>quick mosaic</source>
        <translation>快拼图</translation>
    </message>
    <message>
        <source>DSM</source>
        <translation>DSM</translation>
    </message>
    <message>
        <source>true ortho</source>
        <translation>真正射</translation>
    </message>
    <message>
        <source>2.5D model</source>
        <translation>2.5维模型</translation>
    </message>
    <message>
        <source>3D model</source>
        <translation>三维模型</translation>
    </message>
    <message>
        <source>To run: %1</source>
        <translation>将运行：%1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Open Quality Report</source>
        <translation>打开质量报告</translation>
    </message>
    <message>
        <source>Reports (*.html *.htm);;All files (*)</source>
        <translation>报告 (*.html *.htm);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>BarsModule</name>
    <message>
        <source>Choose the output folder</source>
        <translation>选择输出目录</translation>
    </message>
    <message>
        <source>Output area: rectangle</source>
        <translation>输出范围：矩形</translation>
    </message>
    <message>
        <source>Output area: polygon</source>
        <translation>输出范围：多边形</translation>
    </message>
    <message>
        <source>Clear the output area</source>
        <translation>清除输出范围</translation>
    </message>
    <message>
        <source>Reset POS</source>
        <translation>重置POS</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>Export Quick DOM</source>
        <translation>导出快速DOM</translation>
    </message>
    <message>
        <source>Export QA POS</source>
        <translation>导出质检POS</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>特征</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>平差</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>镶嵌</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>匹配</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>优化</translation>
    </message>
    <message>
        <source>Bundle Adjustment</source>
        <translation>光束法平差</translation>
    </message>
    <message>
        <source>Model Report</source>
        <translation>模型报告</translation>
    </message>
    <message>
        <source>Quick DSM</source>
        <translation>快速DSM</translation>
    </message>
    <message>
        <source>No Map</source>
        <translation>无底图</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>One-Key Processing</source>
        <translation>一键处理</translation>
    </message>
    <message>
        <source>One-Key Export</source>
        <translation>一键导出</translation>
    </message>
    <message>
        <source>Procedures</source>
        <translation>处理步骤</translation>
    </message>
    <message>
        <source>Quality Assessment</source>
        <translation>质量检查</translation>
    </message>
    <message>
        <source>QA Export</source>
        <translation>质检导出</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>处理</translation>
    </message>
    <message>
        <source>This host does not run the one-key processing yet (output folder %1, resolution %2 m).</source>
        <translation>本宿主程序尚不能运行一键处理（输出目录 %1，分辨率 %2 米）。</translation>
    </message>
    <message>
        <source>This host does not draw a rectangular output area yet.</source>
        <translation type="vanished">本宿主程序尚不能绘制矩形输出范围。</translation>
    </message>
    <message>
        <source>This host does not draw a polygonal output area yet.</source>
        <translation type="vanished">本宿主程序尚不能绘制多边形输出范围。</translation>
    </message>
    <message>
        <source>This host does not clear output areas yet.</source>
        <translation type="vanished">本宿主程序尚不能清除输出范围。</translation>
    </message>
    <message>
        <source>This host does not reset the image positions for the one-key processing yet.</source>
        <translation>本宿主程序尚不能为一键处理重置影像位置。</translation>
    </message>
    <message>
        <source>This host does not export SSK projects yet.</source>
        <translation type="vanished">本宿主程序尚不能导出SSK工程。</translation>
    </message>
    <message>
        <source>This host does not export Inpho projects yet.</source>
        <translation type="vanished">本宿主程序尚不能导出Inpho工程。</translation>
    </message>
    <message>
        <source>This host does not export PatB projects yet.</source>
        <translation type="vanished">本宿主程序尚不能导出PatB工程。</translation>
    </message>
    <message>
        <source>This host does not export the POS data of the one-key processing yet.</source>
        <translation type="vanished">本宿主程序尚不能导出一键处理的POS数据。</translation>
    </message>
    <message>
        <source>This host does not export PhotoMod projects yet.</source>
        <translation type="vanished">本宿主程序尚不能导出PhotoMod工程。</translation>
    </message>
    <message>
        <source>This host does not export Context Capture XML projects yet.</source>
        <translation type="vanished">本宿主程序尚不能导出Context Capture XML工程。</translation>
    </message>
    <message>
        <source>This host does not run the quality assessment yet (scale %1, resolution %2 m, forward overlap %3 %, side overlap %4 %).</source>
        <translation type="vanished">本宿主程序尚不能运行质量检查（比例尺 %1，分辨率 %2 米，航向重叠 %3 %，旁向重叠 %4 %）。</translation>
    </message>
    <message>
        <source>This host does not make quality assessment reports yet.</source>
        <translation type="vanished">本宿主程序尚不能生成质检报告。</translation>
    </message>
    <message>
        <source>This host does not reset the image positions for the quality assessment yet.</source>
        <translation>本宿主程序尚不能为质量检查重置影像位置。</translation>
    </message>
    <message>
        <source>This host does not export quality assessment reports yet.</source>
        <translation type="vanished">本宿主程序尚不能导出质检报告。</translation>
    </message>
    <message>
        <source>This host does not export the quick DOM yet.</source>
        <translation type="vanished">本宿主程序尚不能导出快速DOM。</translation>
    </message>
    <message>
        <source>This host does not export the POS data of the quality assessment yet.</source>
        <translation type="vanished">本宿主程序尚不能导出质量检查的POS数据。</translation>
    </message>
    <message>
        <source>This host does not run the feature matching yet.</source>
        <translation>本宿主程序尚不能运行特征匹配。</translation>
    </message>
    <message>
        <source>This host does not run the optimization yet.</source>
        <translation>本宿主程序尚不能运行优化。</translation>
    </message>
    <message>
        <source>This host does not run the bundle adjustment yet.</source>
        <translation>本宿主程序尚不能运行光束法平差。</translation>
    </message>
    <message>
        <source>This host does not make model reports yet.</source>
        <translation>本宿主程序尚不能生成模型报告。</translation>
    </message>
    <message>
        <source>This host does not make the quick DSM yet.</source>
        <translation>本宿主程序尚不能生成快速DSM。</translation>
    </message>
</context>
<context>
    <name>ButtonWords</name>
    <message>
        <source>Batch Processing</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Run several image tools in a chain</source>
        <translation>依次运行多个影像工具</translation>
    </message>
    <message>
        <source>Flight Calibration</source>
        <translation>航带检校</translation>
    </message>
    <message>
        <source>Calibrate the camera of a flight</source>
        <translation>检校一个航带的相机</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Image tools</source>
        <translation>影像工具</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GPS tools</source>
        <translation>GPS工具</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>实用工具</translation>
    </message>
    <message>
        <source>Format Change</source>
        <translation>格式转换</translation>
    </message>
    <message>
        <source>Write the images in another format</source>
        <translation>把影像另存为其他格式</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>重采样</translation>
    </message>
    <message>
        <source>Reduce the images by a ratio</source>
        <translation>按比例缩小影像</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Rotate the images</source>
        <translation>旋转影像</translation>
    </message>
    <message>
        <source>Overviews</source>
        <translation>金字塔</translation>
    </message>
    <message>
        <source>Build the image overviews</source>
        <translation>生成影像金字塔</translation>
    </message>
    <message>
        <source>Image Correction</source>
        <translation>影像校正</translation>
    </message>
    <message>
        <source>Correct the images before processing</source>
        <translation>处理前校正影像</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>畸变改正</translation>
    </message>
    <message>
        <source>Remove the lens distortion</source>
        <translation>去除镜头畸变</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>增强</translation>
    </message>
    <message>
        <source>Enhance the images</source>
        <translation>增强影像</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>匀色</translation>
    </message>
    <message>
        <source>Balance the colours of the images</source>
        <translation>平衡影像的色彩</translation>
    </message>
    <message>
        <source>EXIF</source>
        <translation>EXIF</translation>
    </message>
    <message>
        <source>Write the positions into the EXIF data</source>
        <translation>把位置写入EXIF信息</translation>
    </message>
    <message>
        <source>RT27 to RINEX</source>
        <translation>RT27转RINEX</translation>
    </message>
    <message>
        <source>Convert a receiver RT27 file to RINEX</source>
        <translation>把接收机RT27文件转换为RINEX</translation>
    </message>
    <message>
        <source>ATOM to RINEX</source>
        <translation>ATOM转RINEX</translation>
    </message>
    <message>
        <source>Convert a receiver ATOM file to RINEX</source>
        <translation>把接收机ATOM文件转换为RINEX</translation>
    </message>
    <message>
        <source>Event Marks</source>
        <translation>事件标记</translation>
    </message>
    <message>
        <source>Add the event marks to a RINEX file</source>
        <translation>向RINEX文件添加事件标记</translation>
    </message>
    <message>
        <source>GPS Solution</source>
        <translation>GPS解算</translation>
    </message>
    <message>
        <source>Solve the camera positions from GNSS data</source>
        <translation>由GNSS数据解算相机位置</translation>
    </message>
    <message>
        <source>Flight from GPS</source>
        <translation>由GPS添加航带</translation>
    </message>
    <message>
        <source>Add a flight from GPS data</source>
        <translation>由GPS数据添加航带</translation>
    </message>
    <message>
        <source>DEM Check</source>
        <translation>DEM检查</translation>
    </message>
    <message>
        <source>Check the ground heights against a DEM</source>
        <translation>用DEM检查地面高程</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Rename the image files</source>
        <translation>重命名影像文件</translation>
    </message>
    <message>
        <source>Lever Arm</source>
        <translation>杆臂改正</translation>
    </message>
    <message>
        <source>Correct the positions for the lever arm</source>
        <translation>对位置做杆臂改正</translation>
    </message>
    <message>
        <source>RAW to TIFF</source>
        <translation>RAW转TIFF</translation>
    </message>
    <message>
        <source>Convert raw photos to TIFF</source>
        <translation>把RAW照片转换为TIFF</translation>
    </message>
    <message>
        <source>Show the images as tiles</source>
        <translation>以瓦片显示影像</translation>
    </message>
    <message>
        <source>Show the images at their GPS positions</source>
        <translation>按GPS位置显示影像</translation>
    </message>
    <message>
        <source>Show the GPS points</source>
        <translation>显示GPS点</translation>
    </message>
    <message>
        <source>Show the image footprints</source>
        <translation>显示影像范围</translation>
    </message>
    <message>
        <source>Show the image names</source>
        <translation>显示影像名称</translation>
    </message>
    <message>
        <source>Show the images</source>
        <translation>显示影像</translation>
    </message>
    <message>
        <source>Show the flight lines</source>
        <translation>显示航线</translation>
    </message>
    <message>
        <source>Show the links between images</source>
        <translation>显示影像间的连接</translation>
    </message>
    <message>
        <source>Check the IMU angles against the limits</source>
        <translation>按限值检查IMU角度</translation>
    </message>
    <message>
        <source>Refresh the flights</source>
        <translation>刷新航带</translation>
    </message>
    <message>
        <source>Refresh the images</source>
        <translation>刷新影像</translation>
    </message>
    <message>
        <source>Flights</source>
        <translation>航带</translation>
    </message>
    <message>
        <source>The images by flight</source>
        <translation>按航带列出影像</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>The images by use, enabled first</source>
        <translation>按是否启用列出影像，启用的在前</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>可见</translation>
    </message>
    <message>
        <source>The images by visibility, visible first</source>
        <translation>按是否可见列出影像，可见的在前</translation>
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
        <source>Choose the output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
</context>
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
    <name>ColmapCalibration</name>
    <message>
        <source>The calibration program %1 was not found. Install the package &quot;colmap&quot;.</source>
        <translation>未找到检校程序 %1。请安装软件包“colmap”。</translation>
    </message>
    <message>
        <source>A calibration needs 2 to %1 photos.</source>
        <translation>检校需要 2 到 %1 张照片。</translation>
    </message>
    <message>
        <source>The work folder %1 cannot be created.</source>
        <translation>无法创建工作文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 is not a readable photo.</source>
        <translation>%1 不是可读取的照片。</translation>
    </message>
    <message>
        <source>The photos of one calibration must all have the same size.</source>
        <translation>同一次检校的照片尺寸必须相同。</translation>
    </message>
    <message>
        <source>The work folder %1 cannot be written.</source>
        <translation>无法写入工作文件夹 %1。</translation>
    </message>
    <message>
        <source>The calibration program %1 could not be started.</source>
        <translation>无法启动检校程序 %1。</translation>
    </message>
    <message>
        <source>The calibration failed in %1: %2</source>
        <translation>检校在 %1 中失败：%2</translation>
    </message>
    <message>
        <source>The photos do not overlap enough for a calibration.</source>
        <translation>照片重叠不足，无法检校。</translation>
    </message>
    <message>
        <source>The calibrated camera cannot be read.</source>
        <translation>无法读取检校后的相机。</translation>
    </message>
</context>
<context>
    <name>ExifWriter</name>
    <message>
        <source>The photo could not be written.</source>
        <translation>无法写入照片。</translation>
    </message>
    <message>
        <source>The file is not a JPEG photo.</source>
        <translation>该文件不是 JPEG 照片。</translation>
    </message>
    <message>
        <source>The photo&apos;s tags cannot be read or written: %1</source>
        <translation>无法读写照片的标签：%1</translation>
    </message>
    <message>
        <source>The photo&apos;s tags cannot be read or written.</source>
        <translation>无法读写照片的标签。</translation>
    </message>
    <message>
        <source>The output folder cannot be written.</source>
        <translation>无法写入输出文件夹。</translation>
    </message>
    <message>
        <source>The photo cannot be read.</source>
        <translation>无法读取照片。</translation>
    </message>
    <message>
        <source>The photo could not be replaced.</source>
        <translation>无法替换照片。</translation>
    </message>
    <message>
        <source>The POS file %1 cannot be read.</source>
        <translation>无法读取 POS 文件 %1。</translation>
    </message>
    <message>
        <source>The POS file %1 does not hold longitudes and latitudes (line &quot;%2&quot;).</source>
        <translation>POS 文件 %1 中不是经纬度（行“%2”）。</translation>
    </message>
    <message>
        <source>The POS file %1 holds no position.</source>
        <translation>POS 文件 %1 中没有位置。</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>无法创建输出文件夹 %1。</translation>
    </message>
    <message>
        <source>No photo matches a record of the POS file.</source>
        <translation>没有照片与 POS 文件的记录匹配。</translation>
    </message>
    <message>
        <source>%1 photos written, %2 without a record, %3 read-only, %4 failed.</source>
        <translation>已写入 %1 张照片，%2 张无记录，%3 张只读，%4 张失败。</translation>
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
    <name>GnssModule</name>
    <message>
        <source>Import G&amp;PS…</source>
        <translation>导入 GPS(&amp;P)…</translation>
    </message>
    <message>
        <source>E&amp;xport POS…</source>
        <translation>导出 POS(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Write EXIF…</source>
        <translation>写入 EXIF(&amp;W)…</translation>
    </message>
    <message>
        <source>C&amp;alibration…</source>
        <translation>相机检校(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Image Correction…</source>
        <translation>影像纠正(&amp;I)…</translation>
    </message>
    <message>
        <source>The calibrated camera is the project&apos;s camera.</source>
        <translation>检校后的相机已设为工程相机。</translation>
    </message>
    <message>
        <source>%1 does not run in this host yet.</source>
        <translation type="vanished">本程序尚不能执行%1。</translation>
    </message>
    <message>
        <source>GNSS post-processing of %1 into %2</source>
        <translation type="vanished">将 %1 的 GNSS 后处理结果写入 %2</translation>
    </message>
    <message>
        <source>The POS export to %1</source>
        <translation type="vanished">导出 POS 到 %1</translation>
    </message>
    <message>
        <source>Writing the positions of %1 into the photos of %2 folders</source>
        <translation type="vanished">将 %1 的位置写入 %2 个文件夹的照片</translation>
    </message>
    <message>
        <source>Camera calibration</source>
        <translation type="vanished">相机检校</translation>
    </message>
    <message>
        <source>The image correction of %1 into %2</source>
        <translation type="vanished">将 %1 的影像纠正到 %2</translation>
    </message>
    <message>
        <source>GNSS post-processing cancelled.</source>
        <translation>GNSS 后处理已取消。</translation>
    </message>
    <message>
        <source>The solution is in %1.
%2 epochs, %3 of them fixed (fix ratio %4 %).
Mean position: longitude %5°, latitude %6°, height %7 m.</source>
        <translation>解算结果位于 %1。
共 %2 个历元，其中 %3 个固定（固定率 %4 %）。
平均位置：经度 %5°，纬度 %6°，高程 %7 米。</translation>
    </message>
    <message>
        <source>%1 image positions written to %2.</source>
        <translation>已将 %1 个影像位置写入 %2。</translation>
    </message>
    <message>
        <source>The POS file was not written: %1</source>
        <translation>未写入 POS 文件：%1</translation>
    </message>
    <message>
        <source>EXIF writing cancelled after %1 photos.</source>
        <translation>EXIF 写入已取消，已写入 %1 张照片。</translation>
    </message>
    <message>
        <source>%1 photos written, %2 without a record, %3 failed.</source>
        <translation>已写入 %1 张照片，%2 张无记录，%3 张失败。</translation>
    </message>
    <message>
        <source>no record in the POS file</source>
        <translation>POS 文件中无对应记录</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>… and %1 more.</source>
        <translation>……另有 %1 张。</translation>
    </message>
    <message>
        <source>%1 records of the POS file name no photo.</source>
        <translation>POS 文件中有 %1 条记录没有对应的照片。</translation>
    </message>
    <message>
        <source>Calibration cancelled.</source>
        <translation>检校已取消。</translation>
    </message>
    <message>
        <source>Calibrated on %1 photos (model %2): %3 × %4 pixels, focal length %5 pixels, principal point %6, %7.</source>
        <translation>已用 %1 张照片完成检校（模型 %2）：%3 × %4 像素，焦距 %5 像素，像主点 %6，%7。</translation>
    </message>
    <message>
        <source>%1 holds no photos.</source>
        <translation>%1 中没有照片。</translation>
    </message>
</context>
<context>
    <name>GnssRun</name>
    <message>
        <source>Cannot open the observation file %1.</source>
        <translation>无法打开观测文件 %1。</translation>
    </message>
    <message>
        <source>%1 is not a RINEX observation file.</source>
        <translation>%1 不是 RINEX 观测文件。</translation>
    </message>
    <message>
        <source>The header of %1 is incomplete.</source>
        <translation>%1 的文件头不完整。</translation>
    </message>
    <message>
        <source>%1 holds no observations.</source>
        <translation>%1 中没有观测数据。</translation>
    </message>
    <message>
        <source>The GNSS solver %1 was not found. Install the package &quot;rtklib&quot;.</source>
        <translation>未找到 GNSS 解算程序 %1。请安装软件包“rtklib”。</translation>
    </message>
    <message>
        <source>The header of the base file %1 holds no position.</source>
        <translation>基准站文件 %1 的文件头中没有坐标。</translation>
    </message>
    <message>
        <source>No navigation file was found beside %1.</source>
        <translation>在 %1 旁未找到导航文件。</translation>
    </message>
    <message>
        <source>The result folder %1 cannot be created.</source>
        <translation>无法创建结果文件夹 %1。</translation>
    </message>
    <message>
        <source>The result folder %1 cannot be written.</source>
        <translation>无法写入结果文件夹 %1。</translation>
    </message>
    <message>
        <source>The GNSS solver %1 could not be started.</source>
        <translation>无法启动 GNSS 解算程序 %1。</translation>
    </message>
    <message>
        <source>The GNSS solver failed: %1</source>
        <translation>GNSS 解算失败：%1</translation>
    </message>
    <message>
        <source>The GNSS solver found no solution. Check the observation and navigation files and the chosen satellite systems.</source>
        <translation>GNSS 解算没有得到结果。请检查观测文件、导航文件和所选的卫星系统。</translation>
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
    <name>ImageWork</name>
    <message>
        <source>No destination folder was given.</source>
        <translation>未指定输出文件夹。</translation>
    </message>
    <message>
        <source>The destination folder is the folder of the source images or lies inside it; choose another folder, so that no source is overwritten.</source>
        <translation>输出文件夹是源影像所在的文件夹或位于其中；请另选文件夹，以免覆盖源影像。</translation>
    </message>
    <message>
        <source>Not processed: the job was cancelled.</source>
        <translation>未处理：任务已取消。</translation>
    </message>
    <message>
        <source>Another image of the job has the same name; it was not written twice.</source>
        <translation>任务中另一张影像同名；未重复写出。</translation>
    </message>
    <message>
        <source>The finished output could not be moved into place.</source>
        <translation>完成的输出文件无法移到目标位置。</translation>
    </message>
    <message>
        <source>The file is not an image that can be read.</source>
        <translation>该文件不是可读取的影像。</translation>
    </message>
    <message>
        <source>The folder of the image cannot be written.</source>
        <translation>影像所在文件夹不可写。</translation>
    </message>
    <message>
        <source>The job was cancelled: %1 of %2 images were processed.</source>
        <translation>任务已取消：已处理 %2 张影像中的 %1 张。</translation>
    </message>
    <message>
        <source>%1 of %2 images were processed.</source>
        <translation>已处理 %2 张影像中的 %1 张。</translation>
    </message>
    <message>
        <source>...and more.</source>
        <translation>……以及更多。</translation>
    </message>
    <message>
        <source>No images were given.</source>
        <translation>未指定影像。</translation>
    </message>
    <message>
        <source>The distortion camera has no image size or pixel size; fill in the camera parameters first.</source>
        <translation>畸变校正的相机没有影像尺寸或像元大小；请先填写相机参数。</translation>
    </message>
    <message>
        <source>The resample rate must lie between 0 and 1.</source>
        <translation>重采样比例必须介于 0 和 1 之间。</translation>
    </message>
    <message>
        <source>The output format is not one of BMP, JPEG, PNG and GTiff.</source>
        <translation>输出格式不是 BMP、JPEG、PNG 或 GTiff 之一。</translation>
    </message>
    <message>
        <source>No raw files were found.</source>
        <translation>未找到 RAW 文件。</translation>
    </message>
    <message>
        <source>No record of the POS file names one of the raw files, or none holds a longitude and latitude.</source>
        <translation>POS 文件中没有与任何 RAW 文件同名的记录，或没有记录包含经纬度。</translation>
    </message>
    <message>
        <source>No POS record names this file; it has no GPS position from the POS file.</source>
        <translation>没有 POS 记录对应此文件；它没有来自 POS 文件的 GPS 位置。</translation>
    </message>
    <message>
        <source>The image holds values of a kind other than 8 or 16 bits per channel.</source>
        <translation>影像的像素值不是每通道 8 位或 16 位。</translation>
    </message>
    <message>
        <source>The image is too large to process.</source>
        <translation>影像过大，无法处理。</translation>
    </message>
    <message>
        <source>The image could not be read to its end.</source>
        <translation>影像无法完整读取。</translation>
    </message>
    <message>
        <source>No writer for the chosen format.</source>
        <translation>所选格式无法写出。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>The image could not be written.</source>
        <translation>影像无法写出。</translation>
    </message>
    <message>
        <source>The image could not be opened for overviews.</source>
        <translation>无法打开影像以生成金字塔。</translation>
    </message>
    <message>
        <source>The overviews could not be written.</source>
        <translation>金字塔无法写出。</translation>
    </message>
    <message>
        <source>The output could not be opened to copy the tags.</source>
        <translation>无法打开输出文件以复制标签。</translation>
    </message>
    <message>
        <source>The output format holds no photo tags; they were not copied.</source>
        <translation>输出格式不能保存照片标签；标签未复制。</translation>
    </message>
    <message>
        <source>The photo tags could not be copied: %1</source>
        <translation>照片标签无法复制：%1</translation>
    </message>
    <message>
        <source>The file is not a camera raw file.</source>
        <translation>该文件不是相机 RAW 文件。</translation>
    </message>
    <message>
        <source>The raw file could not be developed: %1</source>
        <translation>RAW 文件无法解码：%1</translation>
    </message>
    <message>
        <source>The POS file cannot be read.</source>
        <translation>无法读取 POS 文件。</translation>
    </message>
    <message>
        <source>The camera has no focal length or pixel size.</source>
        <translation>相机没有焦距或像元大小。</translation>
    </message>
    <message>
        <source>The image&apos;s shape is not the camera&apos;s (%1 x %2).</source>
        <translation>影像的宽高比与相机（%1 x %2）不符。</translation>
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
    <name>PosExport</name>
    <message>
        <source>No POS file was chosen.</source>
        <translation>未选择 POS 文件。</translation>
    </message>
    <message>
        <source>The project&apos;s coordinate system cannot be converted to longitude and latitude.</source>
        <translation>工程的坐标系无法转换为经纬度。</translation>
    </message>
    <message>
        <source>The image name &quot;%1&quot; holds a separator of POS files.</source>
        <translation>影像名“%1”中含有 POS 文件的分隔符。</translation>
    </message>
    <message>
        <source>The position of %1 cannot be converted to longitude and latitude.</source>
        <translation>%1 的位置无法转换为经纬度。</translation>
    </message>
    <message>
        <source>The POS file %1 cannot be written.</source>
        <translation>无法写入 POS 文件 %1。</translation>
    </message>
</context>
<context>
    <name>ProcessingAdapter</name>
    <message>
        <source>The rotation %1 is none of 90°, 180° and 270°.</source>
        <translation>旋转类型 %1 不是 90°、180° 或 270°。</translation>
    </message>
    <message>
        <source>The processing step %1 is not known to this host.</source>
        <translation>本程序不认识处理步骤 %1。</translation>
    </message>
    <message>
        <source>Open a project first.</source>
        <translation>请先打开工程。</translation>
    </message>
    <message>
        <source>The chain has no steps; add at least one.</source>
        <translation>处理链中没有步骤，请至少添加一个。</translation>
    </message>
    <message>
        <source>A step of the chain is empty.</source>
        <translation>处理链中有一个空步骤。</translation>
    </message>
    <message>
        <source>The project has no images.</source>
        <translation>工程中没有影像。</translation>
    </message>
    <message>
        <source>No image is selected.</source>
        <translation>没有选中的影像。</translation>
    </message>
</context>
<context>
    <name>ProcessingModule</name>
    <message>
        <source>&amp;Color Balance…</source>
        <translation>匀色(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Enhancement…</source>
        <translation>影像增强(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Format…</source>
        <translation>格式转换(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Overviews…</source>
        <translation>影像金字塔(&amp;O)…</translation>
    </message>
    <message>
        <source>Re&amp;sample…</source>
        <translation>重采样(&amp;S)…</translation>
    </message>
    <message>
        <source>Ro&amp;tation…</source>
        <translation>旋转(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Distortion…</source>
        <translation>畸变纠正(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Batch Process…</source>
        <translation>批处理(&amp;B)…</translation>
    </message>
    <message>
        <source>Raw To &amp;Tif…</source>
        <translation>RAW 转 TIF(&amp;T)…</translation>
    </message>
    <message>
        <source>Re&amp;name Files…</source>
        <translation>文件重命名(&amp;N)…</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>重采样</translation>
    </message>
    <message>
        <source>This host does not yet run %1.</source>
        <translation type="vanished">本程序尚不能执行%1。</translation>
    </message>
    <message>
        <source>Steps: %1</source>
        <translation type="vanished">步骤：%1</translation>
    </message>
    <message>
        <source>Output: %1</source>
        <translation type="vanished">输出：%1</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>匀色</translation>
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
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Distortion</source>
        <translation>畸变纠正</translation>
    </message>
    <message>
        <source>Batch Process</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Raw To Tif</source>
        <translation>RAW 转 TIF</translation>
    </message>
    <message>
        <source>%1 was not started: %2</source>
        <translation>%1 未开始：%2</translation>
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
        <translation type="vanished">语言已更改。此后打开的窗口使用新语言；重新启动 kvhost 后所有菜单都使用新语言。</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Language changed. The menus follow at once and windows opened from now on use it; restart kvhost to see it in the bars already shown.</source>
        <translation>语言已更改。菜单立即使用新语言，此后打开的窗口也使用新语言；已显示的工具栏在重新启动 kvhost 后使用新语言。</translation>
    </message>
</context>
<context>
    <name>SurveyModule</name>
    <message>
        <source>Pan</source>
        <translation type="vanished">平移</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="vanished">放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="vanished">缩小</translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="vanished">选择</translation>
    </message>
    <message>
        <source>Select By Rectangle</source>
        <translation type="vanished">矩形选择</translation>
    </message>
    <message>
        <source>Select By Polygon</source>
        <translation type="vanished">多边形选择</translation>
    </message>
    <message>
        <source>Boundary Rectangle</source>
        <translation type="vanished">矩形范围</translation>
    </message>
    <message>
        <source>Boundary Polygon</source>
        <translation type="vanished">多边形范围</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="vanished">全图</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">删除</translation>
    </message>
    <message>
        <source>No Map</source>
        <translation type="vanished">无底图</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="vanished">卫星影像</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>AMap Hybrid</source>
        <translation type="vanished">高德混合</translation>
    </message>
    <message>
        <source>AMap Sat</source>
        <translation type="vanished">高德卫星</translation>
    </message>
    <message>
        <source>Google Hybrid</source>
        <translation type="vanished">谷歌混合</translation>
    </message>
    <message>
        <source>Google Sat</source>
        <translation type="vanished">谷歌卫星</translation>
    </message>
</context>
<context>
    <name>SurveyView</name>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>WorkspaceGlue</name>
    <message>
        <source>Drag the output rectangle on the map.</source>
        <translation>在地图上拖出输出矩形。</translation>
    </message>
    <message>
        <source>Click the corners of the output area on the map; double-click the last one.</source>
        <translation>在地图上依次单击输出范围的各个角点，最后一个角点双击。</translation>
    </message>
    <message>
        <source>The output area was cleared.</source>
        <translation>已清除输出范围。</translation>
    </message>
    <message>
        <source>The output area has %1 corners.</source>
        <translation>输出范围有 %1 个角点。</translation>
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
        <translation>影像金字塔</translation>
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
        <translation>影像增强</translation>
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
    <name>kvhost</name>
    <message>
        <source>The positions cannot be transformed into the chosen coordinate system.</source>
        <translation>位置无法转换到所选坐标系。</translation>
    </message>
    <message>
        <source>The position of %1 cannot be transformed.</source>
        <translation>%1 的位置无法转换。</translation>
    </message>
    <message>
        <source>This host does not write %1 projects.</source>
        <translation>本程序不能导出 %1 工程。</translation>
    </message>
    <message>
        <source>The project has no enabled image with a camera.</source>
        <translation>工程中没有已启用且有相机的影像。</translation>
    </message>
    <message>
        <source>Choose an export folder.</source>
        <translation>请选择导出文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The folder %1 is read-only: nothing was exported.</source>
        <translation>文件夹 %1 只读：未导出任何内容。</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>Undistorted images cannot be written yet: nothing was exported.</source>
        <translation>暂时无法生成无畸变影像：未导出任何内容。</translation>
    </message>
    <message>
        <source>The image %1 could not be undistorted.</source>
        <translation>影像 %1 无法去畸变。</translation>
    </message>
    <message>
        <source>The camera file %1 could not be written.</source>
        <translation>无法写入相机文件 %1。</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>forward overlap</source>
        <translation>航向重叠</translation>
    </message>
    <message>
        <source>side overlap</source>
        <translation>旁向重叠</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>altitude 0</source>
        <translation>高度为0</translation>
    </message>
    <message>
        <source>duplicate position</source>
        <translation>位置重复</translation>
    </message>
    <message>
        <source>position jump</source>
        <translation>位置跳变</translation>
    </message>
    <message>
        <source>no footprint</source>
        <translation>无地面覆盖</translation>
    </message>
    <message>
        <source>Quality Report</source>
        <translation>质量报告</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>设计参数</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比例尺</translation>
    </message>
    <message>
        <source>Resolution (m)</source>
        <translation>分辨率 (m)</translation>
    </message>
    <message>
        <source>Forward overlap (%)</source>
        <translation>航向重叠度 (%)</translation>
    </message>
    <message>
        <source>Side overlap (%)</source>
        <translation>旁向重叠度 (%)</translation>
    </message>
    <message>
        <source>Mean elevation (m)</source>
        <translation>平均高程 (m)</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Images failing</source>
        <translation>不合格影像</translation>
    </message>
    <message>
        <source>Footprints</source>
        <translation>影像覆盖范围</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>航线</translation>
    </message>
    <message>
        <source>GSD (m)</source>
        <translation>地面分辨率 (m)</translation>
    </message>
    <message>
        <source>Forward (%)</source>
        <translation>航向 (%)</translation>
    </message>
    <message>
        <source>Side (%)</source>
        <translation>旁向 (%)</translation>
    </message>
    <message>
        <source>Roll (°)</source>
        <translation>横滚 (°)</translation>
    </message>
    <message>
        <source>Pitch (°)</source>
        <translation>俯仰 (°)</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>报告无法打印。</translation>
    </message>
    <message>
        <source>A quick mosaic needs a projected coordinate system, not longitude and latitude.</source>
        <translation>快拼需要投影坐标系，不能使用经纬度。</translation>
    </message>
    <message>
        <source>No image has a ground footprint: no mosaic was written.</source>
        <translation>没有影像具有地面覆盖范围：未生成快拼图。</translation>
    </message>
    <message>
        <source>No image could be read: no mosaic was written.</source>
        <translation>没有可读取的影像：未生成快拼图。</translation>
    </message>
    <message>
        <source>The mosaic %1 could not be written.</source>
        <translation>无法写入快拼图 %1。</translation>
    </message>
    <message>
        <source>No enabled image has a position.</source>
        <translation>没有已启用的影像具有位置。</translation>
    </message>
</context>
<context>
    <name>kvhost::ExportGlue</name>
    <message>
        <source>Context Capture XML export</source>
        <translation>Context Capture XML 导出</translation>
    </message>
    <message>
        <source>Inpho export</source>
        <translation>Inpho 导出</translation>
    </message>
    <message>
        <source>SSK export</source>
        <translation>SSK 导出</translation>
    </message>
    <message>
        <source>PhotoMod export</source>
        <translation>PhotoMod 导出</translation>
    </message>
    <message>
        <source>PatB export</source>
        <translation>PatB 导出</translation>
    </message>
    <message>
        <source>POS export</source>
        <translation>POS 导出</translation>
    </message>
    <message>
        <source>Quality report</source>
        <translation>质量报告</translation>
    </message>
    <message>
        <source>Quality assessment: %1 of %2 images fail</source>
        <translation>质量评估：%2 张影像中 %1 张不合格</translation>
    </message>
    <message>
        <source>Run the quality assessment first.</source>
        <translation>请先运行质量评估。</translation>
    </message>
    <message>
        <source>Quality assessment</source>
        <translation>质量评估</translation>
    </message>
    <message>
        <source>Export Folder</source>
        <translation>导出文件夹</translation>
    </message>
    <message>
        <source>QA POS export</source>
        <translation>质检 POS 导出</translation>
    </message>
    <message>
        <source>Quick DOM export</source>
        <translation>快拼 DOM 导出</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>…… 另有 %1 个</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1失败：%2</translation>
    </message>
    <message>
        <source>%1: %2 file(s) written.</source>
        <translation>%1：已写入 %2 个文件。</translation>
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
    <message>
        <source>是否删除选中的影像？</source>
        <translation>是否删除选中的影像？</translation>
    </message>
    <message>
        <source>相机检校中……</source>
        <translation>相机检校中……</translation>
    </message>
    <message>
        <source>EXIF写入中……</source>
        <translation>EXIF写入中……</translation>
    </message>
    <message>
        <source>GNSS解算中……</source>
        <translation>GNSS解算中……</translation>
    </message>
    <message>
        <source>图像处理中……</source>
        <translation>图像处理中……</translation>
    </message>
    <message>
        <source>处理参数保存失败！</source>
        <translation>处理参数保存失败！</translation>
    </message>
    <message>
        <source>导出将在后续步骤中执行。</source>
        <translation type="vanished">导出将在后续步骤中执行。</translation>
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
