<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CatalogBar</name>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Flight%1</source>
        <translation>Flight%1</translation>
    </message>
</context>
<context>
    <name>CoordinateDialog</name>
    <message>
        <source>Coordinate Setting</source>
        <translation>Coordinate Setting</translation>
    </message>
</context>
<context>
    <name>CoordinateWidget</name>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Projected Coordinate</source>
        <translation>Projected Coordinate</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>WGS84 UTM</source>
        <translation>WGS84 UTM</translation>
    </message>
    <message>
        <source>Beijing 54</source>
        <translation>Beijing 54</translation>
    </message>
    <message>
        <source>Xian 1980</source>
        <translation>Xian 1980</translation>
    </message>
    <message>
        <source>CGCS2000</source>
        <translation>CGCS2000</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DisplayBar</name>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Footprint</source>
        <translation>Footprint</translation>
    </message>
    <message>
        <source>Image ID</source>
        <translation>Image ID</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>Flight</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>IMU</source>
        <translation>IMU</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Flight%1</source>
        <translation>Flight%1</translation>
    </message>
    <message>
        <source>New Flight %1</source>
        <translation>New Flight %1</translation>
    </message>
</context>
<context>
    <name>EditImagePropertyDialog</name>
    <message>
        <source>Image Property</source>
        <translation>Image Property</translation>
    </message>
</context>
<context>
    <name>EditImagePropertyWidget</name>
    <message>
        <source>POS Detail</source>
        <translation>POS Detail</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
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
        <source>omega</source>
        <translation>omega</translation>
    </message>
    <message>
        <source>phi</source>
        <translation>phi</translation>
    </message>
    <message>
        <source>kappa</source>
        <translation>kappa</translation>
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
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Path: </source>
        <translation>Path: </translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Flight: </source>
        <translation>Flight: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>Flight %1</translation>
    </message>
    <message>
        <source>New Flight %1</source>
        <translation>New Flight %1</translation>
    </message>
    <message>
        <source>Set Path</source>
        <translation>Set Path</translation>
    </message>
</context>
<context>
    <name>ElevationDialog</name>
    <message>
        <source>Get elevation from web</source>
        <translation>Get elevation from web</translation>
    </message>
</context>
<context>
    <name>ElevationWidget</name>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Invalid position: longitude within ±180°, latitude within ±90°.</source>
        <translation>Invalid position: longitude within ±180°, latitude within ±90°.</translation>
    </message>
    <message>
        <source>Time-out: the service did not answer within %1 s.</source>
        <translation>Time-out: the service did not answer within %1 s.</translation>
    </message>
    <message>
        <source>Service unreachable: %1</source>
        <translation>Service unreachable: %1</translation>
    </message>
    <message>
        <source>Refused by the service: HTTP status %1.</source>
        <translation>Refused by the service: HTTP status %1.</translation>
    </message>
    <message>
        <source>Unusable answer from the service: %1</source>
        <translation>Unusable answer from the service: %1</translation>
    </message>
    <message>
        <source>Unusable answer from the service: it is not a JSON object.</source>
        <translation>Unusable answer from the service: it is not a JSON object.</translation>
    </message>
    <message>
        <source>Unusable answer from the service: it has no status.</source>
        <translation>Unusable answer from the service: it has no status.</translation>
    </message>
    <message>
        <source>Refused by the service (status %1): no elevation for this position.</source>
        <translation>Refused by the service (status %1): no elevation for this position.</translation>
    </message>
    <message>
        <source>The service&apos;s elevation %1 m lies outside −200…10000 m.</source>
        <translation>The service&apos;s elevation %1 m lies outside −200…10000 m.</translation>
    </message>
</context>
<context>
    <name>ExifDialog</name>
    <message>
        <source>EXIF</source>
        <translation>EXIF</translation>
    </message>
</context>
<context>
    <name>ExifWidget</name>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除选中</source>
        <translation>Delete Selected</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>POS Path</source>
        <translation>POS Path</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>Match By</source>
        <translation>Match By</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open POS Data</source>
        <translation>Open POS Data</translation>
    </message>
    <message>
        <source>Text File (*.txt);;</source>
        <translation>Text File (*.txt);;</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Save Result</translation>
    </message>
</context>
<context>
    <name>ExportSettingDialog</name>
    <message>
        <source>Export Setting</source>
        <translation>Export Setting</translation>
    </message>
</context>
<context>
    <name>ExportSettingWidget</name>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Image: </source>
        <translation>Image: </translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>International</source>
        <translation>International</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>Angle: </translation>
    </message>
    <message>
        <source>Projected</source>
        <translation>Projected</translation>
    </message>
    <message>
        <source>LongLat</source>
        <translation>LongLat</translation>
    </message>
    <message>
        <source>Coord: </source>
        <translation>Coord: </translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>Seperator: </source>
        <translation>Seperator: </translation>
    </message>
    <message>
        <source>With Ext</source>
        <translation>With Ext</translation>
    </message>
    <message>
        <source>Without Ext</source>
        <translation>Without Ext</translation>
    </message>
    <message>
        <source>Name:  </source>
        <translation>Name:  </translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save POS</source>
        <translation>Save POS</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Text File (*.txt)</translation>
    </message>
</context>
<context>
    <name>GPSLoadDialog</name>
    <message>
        <source>Import GPS</source>
        <translation>Import GPS</translation>
    </message>
</context>
<context>
    <name>GPSLoadWidget</name>
    <message>
        <source>Rover</source>
        <translation>Rover</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Rinex Header</source>
        <translation>Rinex Header</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Latitude(°)</source>
        <translation>Latitude(°)</translation>
    </message>
    <message>
        <source>Longitude(°)</source>
        <translation>Longitude(°)</translation>
    </message>
    <message>
        <source>Elevation(m)</source>
        <translation>Elevation(m)</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Add Base Data</source>
        <translation>Add Base Data</translation>
    </message>
    <message>
        <source>Observation (*.*o);;All(*.*)</source>
        <translation>Observation (*.*o);;All(*.*)</translation>
    </message>
    <message>
        <source>Add Rover Data</source>
        <translation>Add Rover Data</translation>
    </message>
    <message>
        <source>Observation (*.*o;*_MO.RNX);;All(*.*)</source>
        <translation>Observation (*.*o;*_MO.RNX);;All(*.*)</translation>
    </message>
</context>
<context>
    <name>GPSSettingDialog</name>
    <message>
        <source>GPS Positioning</source>
        <translation>GPS Positioning</translation>
    </message>
</context>
<context>
    <name>GPSSettingWidget</name>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>PPK</source>
        <translation>PPK</translation>
    </message>
    <message>
        <source>HYBRID</source>
        <translation>HYBRID</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>Positioning</translation>
    </message>
    <message>
        <source>RTK</source>
        <translation>RTK</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenna</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Vertical Height</source>
        <translation>Vertical Height</translation>
    </message>
    <message>
        <source>VH</source>
        <translation>VH</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>BeiDou</source>
        <translation>BeiDou</translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation>GLONASS</translation>
    </message>
    <message>
        <source>SBAS</source>
        <translation>SBAS</translation>
    </message>
    <message>
        <source>GNSS</source>
        <translation>GNSS</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Prev</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>Save Result</translation>
    </message>
    <message>
        <source>Open RTK File</source>
        <translation>Open RTK File</translation>
    </message>
    <message>
        <source>RTK File (*.pvt;*.gsof);;</source>
        <translation>RTK File (*.pvt;*.gsof);;</translation>
    </message>
</context>
<context>
    <name>GPSToolDialog</name>
    <message>
        <source>GPS TOOL</source>
        <translation>GPS TOOL</translation>
    </message>
</context>
<context>
    <name>GPSToolWidget</name>
    <message>
        <source>GPS工具</source>
        <translation>GPS Tool</translation>
    </message>
    <message>
        <source>机载RINEX</source>
        <translation>Airborne RINEX</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>轨迹文件</source>
        <translation>Trajectory</translation>
    </message>
    <message>
        <source>空三POS</source>
        <translation>Adjusted POS</translation>
    </message>
    <message>
        <source>输出POS</source>
        <translation>Output POS</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>偏心距X Y Z</source>
        <translation>Offset X Y Z</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 cannot be read.</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 is too large.</translation>
    </message>
    <message>
        <source>%1 is not a RINEX observation file.</source>
        <translation>%1 is not a RINEX observation file.</translation>
    </message>
    <message>
        <source>%1, line %2, cannot be read.</source>
        <translation>%1, line %2, cannot be read.</translation>
    </message>
    <message>
        <source>%1 ends inside a record.</source>
        <translation>%1 ends inside a record.</translation>
    </message>
    <message>
        <source>%1 is in GLONASS or UTC time; GPS time is needed.</source>
        <translation>%1 is in GLONASS or UTC time; GPS time is needed.</translation>
    </message>
    <message>
        <source>%1 holds no image record.</source>
        <translation>%1 holds no image record.</translation>
    </message>
    <message>
        <source>%1 holds no trajectory epoch.</source>
        <translation>%1 holds no trajectory epoch.</translation>
    </message>
    <message>
        <source>%1 holds no camera event.</source>
        <translation>%1 holds no camera event.</translation>
    </message>
    <message>
        <source>%1 holds %2 image records for %3 camera events.</source>
        <translation>%1 holds %2 image records for %3 camera events.</translation>
    </message>
    <message>
        <source>No camera event lies within the time of %1.</source>
        <translation>No camera event lies within the time of %1.</translation>
    </message>
    <message>
        <source>The offsets are no lengths in metres.</source>
        <translation>The offsets are no lengths in metres.</translation>
    </message>
    <message>
        <source>No output file is given.</source>
        <translation>No output file is given.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>There is not enough memory.</translation>
    </message>
</context>
<context>
    <name>ImageInfoDialog</name>
    <message>
        <source>Camera Setting</source>
        <translation>Camera Setting</translation>
    </message>
</context>
<context>
    <name>ImageInfoWidget</name>
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
</context>
<context>
    <name>ImageLoadDialog</name>
    <message>
        <source>Import Images</source>
        <translation>Import Images</translation>
    </message>
</context>
<context>
    <name>ImageLoadWidget</name>
    <message>
        <source>Image List:</source>
        <translation>Image List:</translation>
    </message>
    <message>
        <source>Add Image Path</source>
        <translation>Add Image Path</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Add Images</translation>
    </message>
    <message>
        <source>Delete Selected Images</source>
        <translation>Delete Selected Images</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
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
        <source>Open Directory</source>
        <translation>Open Directory</translation>
    </message>
</context>
<context>
    <name>ImagePosLoadDialog</name>
    <message>
        <source>影像POS设置</source>
        <translation>Image POS Setting</translation>
    </message>
</context>
<context>
    <name>ImagePosLoadWidget</name>
    <message>
        <source>Elevation:</source>
        <translation>Elevation:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Coordinate:</source>
        <translation>Coordinate:</translation>
    </message>
    <message>
        <source>Set Coordinate</source>
        <translation>Set Coordinate</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>Camera:</translation>
    </message>
    <message>
        <source>Set Camera</source>
        <translation>Set Camera</translation>
    </message>
    <message>
        <source>GNSS/IMU：</source>
        <translation>GNSS/IMU:</translation>
    </message>
    <message>
        <source>Import POS</source>
        <translation>Import POS</translation>
    </message>
    <message>
        <source>Read POS From EXIF</source>
        <translation>Read POS From EXIF</translation>
    </message>
    <message>
        <source>Images:</source>
        <translation>Images:</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>Delete Selected Images</source>
        <translation>Delete Selected Images</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>Edit Selected Images</source>
        <translation>Edit Selected Images</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>Flight</translation>
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
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>Flight %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Add Images</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>No position for %1 of %2 images: %3. Leave them out of the project?</source>
        <translation>No position for %1 of %2 images: %3. Leave them out of the project?</translation>
    </message>
    <message>
        <source>No elevation from the web: %1</source>
        <translation>No elevation from the web: %1</translation>
    </message>
    <message>
        <source>POS import: none of the %1 records matched an image of this camera; the coordinate system was left as it was.</source>
        <translation>POS import: none of the %1 records matched an image of this camera; the coordinate system was left as it was.</translation>
    </message>
    <message>
        <source>POS import: %1 of %2 records matched %3 of the %4 images of this camera.</source>
        <translation>POS import: %1 of %2 records matched %3 of the %4 images of this camera.</translation>
    </message>
    <message>
        <source>EXIF: none of the %1 images of this camera has a GPS position; the coordinate system was left as it was.</source>
        <translation>EXIF: none of the %1 images of this camera has a GPS position; the coordinate system was left as it was.</translation>
    </message>
    <message>
        <source>EXIF: %1 of the %2 images of this camera have a GPS position.</source>
        <translation>EXIF: %1 of the %2 images of this camera have a GPS position.</translation>
    </message>
</context>
<context>
    <name>LeverArmDialog</name>
    <message>
        <source>Correct Lever Arm</source>
        <translation>Correct Lever Arm</translation>
    </message>
</context>
<context>
    <name>LeverArmWidget</name>
    <message>
        <source>UAV Type:</source>
        <translation>UAV Type:</translation>
    </message>
    <message>
        <source>HP POS File:</source>
        <translation>HP POS File:</translation>
    </message>
    <message>
        <source>Gimbal File:</source>
        <translation>Gimbal File:</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Orientation:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PosLoadDialog</name>
    <message>
        <source>Import GNSS/IMU</source>
        <translation>Import GNSS/IMU</translation>
    </message>
</context>
<context>
    <name>PosLoadWidget</name>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Import Setting</source>
        <translation>Import Setting</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Degree Unit</source>
        <translation>Degree Unit</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Degree</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>Radian</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>With Ext</source>
        <translation>With Ext</translation>
    </message>
    <message>
        <source>Without Ext</source>
        <translation>Without Ext</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>BLH</source>
        <translation>BLH</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
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
        <source>-Phi</source>
        <translation>-Phi</translation>
    </message>
    <message>
        <source>Kappa</source>
        <translation>Kappa</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Import POS</source>
        <translation>Import POS</translation>
    </message>
    <message>
        <source>Text File(*.txt);; All(*.*)</source>
        <translation>Text File(*.txt);; All(*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Please Set ID X Y Z</source>
        <translation>Please Set ID X Y Z</translation>
    </message>
</context>
<context>
    <name>RT27Dialog</name>
    <message>
        <source>RT27 Format Change</source>
        <translation>RT27 Format Change</translation>
    </message>
</context>
<context>
    <name>RT27Widget</name>
    <message>
        <source>RT27 File</source>
        <translation>RT27 File</translation>
    </message>
    <message>
        <source>RINEX FILE</source>
        <translation>RINEX FILE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save RINEX File</source>
        <translation>Save RINEX File</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>计算成功！</source>
        <translation>Calculation succeeded!</translation>
    </message>
    <message>
        <source>计算失败！</source>
        <translation>Calculation failed!</translation>
    </message>
    <message>
        <source>打开机载RINEX数据</source>
        <translation>Open Airborne RINEX Data</translation>
    </message>
    <message>
        <source>观测文件(*.*o);;所有文件(*.*)</source>
        <translation>Observation files (*.*o);;All files (*.*)</translation>
    </message>
    <message>
        <source>打开轨迹文件</source>
        <translation>Open Trajectory File</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>打开空三POS数据</source>
        <translation>Open Adjusted POS Data</translation>
    </message>
    <message>
        <source>POS文件(*.txt);;所有文件(*.*)</source>
        <translation>POS files (*.txt);;All files (*.*)</translation>
    </message>
    <message>
        <source>保存POS</source>
        <translation>Save POS</translation>
    </message>
    <message>
        <source>POS文件(*.txt)</source>
        <translation>POS files (*.txt)</translation>
    </message>
    <message>
        <source>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</source>
        <translation>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</translation>
    </message>
    <message>
        <source>平均高程无效，请输入数值！</source>
        <translation>The mean elevation is invalid. Please enter a number!</translation>
    </message>
    <message>
        <source>选择云台文件</source>
        <translation>Choose Gimbal File</translation>
    </message>
    <message>
        <source>云台文件 (*.gim);;所有文件 (*.*)</source>
        <translation>Gimbal files (*.gim);;All files (*.*)</translation>
    </message>
    <message>
        <source>选择待改正GPS文件</source>
        <translation>Choose GPS File to Correct</translation>
    </message>
    <message>
        <source>GPS文件 (*.txt);;所有文件 (*.*)</source>
        <translation>GPS files (*.txt);;All files (*.*)</translation>
    </message>
    <message>
        <source>选择外方位元素</source>
        <translation>Choose Exterior Orientation</translation>
    </message>
    <message>
        <source>外方位元素 (*.txt);;所有文件 (*.*)</source>
        <translation>Exterior orientation (*.txt);;All files (*.*)</translation>
    </message>
    <message>
        <source>保存结果</source>
        <translation>Save Result</translation>
    </message>
    <message>
        <source>改正结果 (*.txt)</source>
        <translation>Correction result (*.txt)</translation>
    </message>
    <message>
        <source>本地坐标系</source>
        <translation>Local coordinate system</translation>
    </message>
    <message>
        <source>打开RT27/GNS文件</source>
        <translation>Open RT27/GNS File</translation>
    </message>
    <message>
        <source>Trimble RT27 File(*.rt27;*.GNS);;All(*.*)</source>
        <translation>Trimble RT27 File(*.rt27;*.GNS);;All(*.*)</translation>
    </message>
    <message>
        <source>待处理影像路径</source>
        <translation>Image folders to process</translation>
    </message>
    <message>
        <source>输出路径</source>
        <translation>Output folder</translation>
    </message>
    <message>
        <source>坐标偏差: %.1lfkm, 是否继续!</source>
        <translation>Coordinate deviation: %.1lfkm. Continue?</translation>
    </message>
    <message>
        <source>%1 已存在，是否覆盖？</source>
        <translation>%1 exists already. Replace it?</translation>
    </message>
    <message>
        <source>%1 复制失败！</source>
        <translation>Copying %1 failed!</translation>
    </message>
</context>
</TS>
