<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DpViewToolBar</name>
    <message>
        <source>Map</source>
        <translation>地图</translation>
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
        <source>Pan</source>
        <translation>平移</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全图</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Select By Rectangle</source>
        <translation>矩形选择</translation>
    </message>
    <message>
        <source>Select By Polygon</source>
        <translation>多边形选择</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>MapBar</name>
    <message>
        <source>AMap Hybrid</source>
        <translation>AMap 混合</translation>
    </message>
    <message>
        <source>AMap Sat</source>
        <translation>AMap 卫星</translation>
    </message>
    <message>
        <source>Google Hybrid</source>
        <translation>Google 混合</translation>
    </message>
    <message>
        <source>Google Sat</source>
        <translation>Google 卫星</translation>
    </message>
</context>
</TS>
