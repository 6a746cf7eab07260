<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ImageProcessWidget</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Resample</source>
        <translation>Resample</translation>
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
        <source>Distortion</source>
        <translation>Distortion</translation>
    </message>
    <message>
        <source>Enhancement</source>
        <translation>Enhancement</translation>
    </message>
    <message>
        <source>Color Balance</source>
        <translation>Color Balance</translation>
    </message>
</context>
<context>
    <name>ProcessWidget</name>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
</context>
</TS>
