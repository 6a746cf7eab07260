<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DpViewToolBar</name>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Select By Rectangle</source>
        <translation>Select By Rectangle</translation>
    </message>
    <message>
        <source>Select By Polygon</source>
        <translation>Select By Polygon</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>MapBar</name>
    <message>
        <source>AMap Hybrid</source>
        <translation>AMap Hybrid</translation>
    </message>
    <message>
        <source>AMap Sat</source>
        <translation>AMap Sat</translation>
    </message>
    <message>
        <source>Google Hybrid</source>
        <translation>Google Hybrid</translation>
    </message>
    <message>
        <source>Google Sat</source>
        <translation>Google Sat</translation>
    </message>
</context>
</TS>
