<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ViewerWindow</name>
    <message>
        <source>Image Viewer</source>
        <translation>影像查看器</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>First</source>
        <translation>第一张</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一张</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一张</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>最后一张</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Reload List</source>
        <translation>重新读取列表</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Photo:</source>
        <translation>照片：</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>纬度：</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>经度：</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>相机：</translation>
    </message>
    <message>
        <source>Focal length:</source>
        <translation>焦距：</translation>
    </message>
    <message>
        <source>Image size:</source>
        <translation>影像大小：</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>缩放：</translation>
    </message>
    <message>
        <source>No photos to show.</source>
        <translation>没有可显示的照片。</translation>
    </message>
    <message>
        <source>%1 - Image Viewer</source>
        <translation>%1 - 影像查看器</translation>
    </message>
    <message>
        <source>Loading %1…</source>
        <translation>正在读取 %1……</translation>
    </message>
    <message>
        <source>%1 cannot be shown.
%2</source>
        <translation>无法显示 %1。
%2</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>未记录</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 米</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 毫米</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>Usage: %1 PHOTO...
Shows the photos given. The application starts the viewer with its own
launch codes to show the photos it has listed.</source>
        <translation>用法：%1 照片...
显示给定的照片。应用程序以自己的启动码启动查看器，显示它列出的照片。</translation>
    </message>
    <message>
        <source>%1: no photos given, and not started by the application (its launch codes are missing).</source>
        <translation>%1：未给出照片，也不是由应用程序启动的（缺少其启动码）。</translation>
    </message>
    <message>
        <source>%1: these are not the launch codes of the application.</source>
        <translation>%1：这些不是应用程序的启动码。</translation>
    </message>
    <message>
        <source>Lines skipped because they hold NUL bytes (the list is not all text): %1.</source>
        <translation>因含有 NUL 字节而跳过的行（列表不全是文本）：%1。</translation>
    </message>
    <message>
        <source>Lines skipped because they are longer than %1 bytes: %2.</source>
        <translation>因超过 %1 字节而跳过的行：%2。</translation>
    </message>
    <message>
        <source>Only the first %1 photos are shown; photos left out: %2.</source>
        <translation>只显示前 %1 张照片；未显示的照片：%2。</translation>
    </message>
    <message>
        <source>Paths that are not valid UTF-8 (shown with � for the bad bytes): %1.</source>
        <translation>不是有效 UTF-8 的路径（错误字节显示为 �）：%1。</translation>
    </message>
    <message>
        <source>Listed files not found: %1.</source>
        <translation>未找到列出的文件：%1。</translation>
    </message>
    <message>
        <source>The photo list %1 does not exist.</source>
        <translation>照片列表 %1 不存在。</translation>
    </message>
    <message>
        <source>The photo list %1 cannot be read: %2.</source>
        <translation>无法读取照片列表 %1：%2。</translation>
    </message>
    <message>
        <source>The photo list is longer than %1 MiB; only its beginning was read.</source>
        <translation>照片列表超过 %1 MiB，只读取了开头部分。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>无法打开文件：%1。</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>这不是文件。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The file cannot be read as a picture: %1.</source>
        <translation>无法将文件读取为图片：%1。</translation>
    </message>
    <message>
        <source>%1: unknown language &quot;%2&quot; (en, zh_CN or default).</source>
        <translation>%1：未知语言“%2”（en、zh_CN 或 default）。</translation>
    </message>
    <message>
        <source>Before the photos or the codes, --language LANGUAGE shows every text in
LANGUAGE (en, zh_CN, or default: the texts as written) instead of the
language chosen in the application.</source>
        <translation>在照片或启动码之前加上 --language LANGUAGE，即以 LANGUAGE（en、zh_CN，
或 default：按原文）显示所有文字，代替应用程序中选择的语言。</translation>
    </message>
</context>
</TS>
