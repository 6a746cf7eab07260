<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CatalogBar</name>
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
    <message>
        <source>Flight%1</source>
        <translation>架次%1</translation>
    </message>
</context>
<context>
    <name>CoordinateDialog</name>
    <message>
        <source>Coordinate Setting</source>
        <translation>坐标系设置</translation>
    </message>
</context>
<context>
    <name>CoordinateWidget</name>
    <message>
        <source>Local</source>
        <translation>本地坐标系</translation>
    </message>
    <message>
        <source>Projected Coordinate</source>
        <translation>投影坐标系</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>WGS84 UTM</source>
        <translation>WGS84 UTM</translation>
    </message>
    <message>
        <source>Beijing 54</source>
        <translation>北京54</translation>
    </message>
    <message>
        <source>Xian 1980</source>
        <translation>西安1980</translation>
    </message>
    <message>
        <source>CGCS2000</source>
        <translation>CGCS2000</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>坐标系</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>足迹</translation>
    </message>
    <message>
        <source>Image ID</source>
        <translation>影像ID</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>航线</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>IMU</source>
        <translation>IMU</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Flight%1</source>
        <translation>架次%1</translation>
    </message>
    <message>
        <source>New Flight %1</source>
        <translation>新架次 %1</translation>
    </message>
</context>
<context>
    <name>EditImagePropertyDialog</name>
    <message>
        <source>Image Property</source>
        <translation>影像属性</translation>
    </message>
</context>
<context>
    <name>EditImagePropertyWidget</name>
    <message>
        <source>POS Detail</source>
        <translation>POS 详情</translation>
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
        <translation>ω</translation>
    </message>
    <message>
        <source>phi</source>
        <translation>φ</translation>
    </message>
    <message>
        <source>kappa</source>
        <translation>κ</translation>
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
        <source>Name: </source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>影像</translation>
    </message>
    <message>
        <source>Path: </source>
        <translation>路径：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Flight: </source>
        <translation>架次：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>架次 %1</translation>
    </message>
    <message>
        <source>New Flight %1</source>
        <translation>新架次 %1</translation>
    </message>
    <message>
        <source>Set Path</source>
        <translation>设置路径</translation>
    </message>
</context>
<context>
    <name>ElevationDialog</name>
    <message>
        <source>Get elevation from web</source>
        <translation>从网络获取高程</translation>
    </message>
</context>
<context>
    <name>ElevationWidget</name>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>高程</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Invalid position: longitude within ±180°, latitude within ±90°.</source>
        <translation>位置无效：经度须在 ±180° 以内，纬度须在 ±90° 以内。</translation>
    </message>
    <message>
        <source>Time-out: the service did not answer within %1 s.</source>
        <translation>超时：服务未在 %1 秒内应答。</translation>
    </message>
    <message>
        <source>Service unreachable: %1</source>
        <translation>无法连接服务：%1</translation>
    </message>
    <message>
        <source>Refused by the service: HTTP status %1.</source>
        <translation>服务拒绝了请求：HTTP 状态码 %1。</translation>
    </message>
    <message>
        <source>Unusable answer from the service: %1</source>
        <translation>服务的应答无法使用：%1</translation>
    </message>
    <message>
        <source>Unusable answer from the service: it is not a JSON object.</source>
        <translation>服务的应答无法使用：它不是 JSON 对象。</translation>
    </message>
    <message>
        <source>Unusable answer from the service: it has no status.</source>
        <translation>服务的应答无法使用：其中没有状态。</translation>
    </message>
    <message>
        <source>Refused by the service (status %1): no elevation for this position.</source>
        <translation>服务拒绝了请求（状态 %1）：该位置没有高程。</translation>
    </message>
    <message>
        <source>The service&apos;s elevation %1 m lies outside −200…10000 m.</source>
        <translation>服务给出的高程 %1 m 不在 −200…10000 m 之内。</translation>
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
        <translation>添加</translation>
    </message>
    <message>
        <source>删除选中</source>
        <translation>删除选中</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>POS Path</source>
        <translation>POS 路径</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>输出目录</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>顺序</translation>
    </message>
    <message>
        <source>Match By</source>
        <translation>匹配方式</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Open POS Data</source>
        <translation>打开 POS 数据</translation>
    </message>
    <message>
        <source>Text File (*.txt);;</source>
        <translation>文本文件 (*.txt);;</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>保存结果</translation>
    </message>
</context>
<context>
    <name>ExportSettingDialog</name>
    <message>
        <source>Export Setting</source>
        <translation>导出设置</translation>
    </message>
</context>
<context>
    <name>ExportSettingWidget</name>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>已选中</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Image: </source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>China</source>
        <translation>国内</translation>
    </message>
    <message>
        <source>International</source>
        <translation>国际</translation>
    </message>
    <message>
        <source>Angle: </source>
        <translation>角度：</translation>
    </message>
    <message>
        <source>Projected</source>
        <translation>投影坐标</translation>
    </message>
    <message>
        <source>LongLat</source>
        <translation>经纬度</translation>
    </message>
    <message>
        <source>Coord: </source>
        <translation>坐标：</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>制表符</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>逗号</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>分号</translation>
    </message>
    <message>
        <source>Seperator: </source>
        <translation>分隔符：</translation>
    </message>
    <message>
        <source>With Ext</source>
        <translation>带扩展名</translation>
    </message>
    <message>
        <source>Without Ext</source>
        <translation>不带扩展名</translation>
    </message>
    <message>
        <source>Name:  </source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>输出文件：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save POS</source>
        <translation>保存 POS</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
</context>
<context>
    <name>GPSLoadDialog</name>
    <message>
        <source>Import GPS</source>
        <translation>导入 GPS</translation>
    </message>
</context>
<context>
    <name>GPSLoadWidget</name>
    <message>
        <source>Rover</source>
        <translation>移动站</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>观测文件</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>基准站</translation>
    </message>
    <message>
        <source>Rinex Header</source>
        <translation>RINEX 文件头</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Latitude(°)</source>
        <translation>纬度(°)</translation>
    </message>
    <message>
        <source>Longitude(°)</source>
        <translation>经度(°)</translation>
    </message>
    <message>
        <source>Elevation(m)</source>
        <translation>高程(m)</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Add Base Data</source>
        <translation>添加基准站数据</translation>
    </message>
    <message>
        <source>Observation (*.*o);;All(*.*)</source>
        <translation>观测文件 (*.*o);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Add Rover Data</source>
        <translation>添加移动站数据</translation>
    </message>
    <message>
        <source>Observation (*.*o;*_MO.RNX);;All(*.*)</source>
        <translation>观测文件 (*.*o;*_MO.RNX);;所有文件(*.*)</translation>
    </message>
</context>
<context>
    <name>GPSSettingDialog</name>
    <message>
        <source>GPS Positioning</source>
        <translation>GPS 定位</translation>
    </message>
</context>
<context>
    <name>GPSSettingWidget</name>
    <message>
        <source>Single</source>
        <translation>单点</translation>
    </message>
    <message>
        <source>PPK</source>
        <translation>PPK</translation>
    </message>
    <message>
        <source>HYBRID</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Positioning</source>
        <translation>定位方式</translation>
    </message>
    <message>
        <source>RTK</source>
        <translation>RTK</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>输出目录</translation>
    </message>
    <message>
        <source>m</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>天线</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>量测</translation>
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
        <translation>垂直高</translation>
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
        <translation>北斗</translation>
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
        <translation>上一步</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save Result</source>
        <translation>保存结果</translation>
    </message>
    <message>
        <source>Open RTK File</source>
        <translation>打开 RTK 文件</translation>
    </message>
    <message>
        <source>RTK File (*.pvt;*.gsof);;</source>
        <translation>RTK 文件 (*.pvt;*.gsof);;</translation>
    </message>
</context>
<context>
    <name>GPSToolDialog</name>
    <message>
        <source>GPS TOOL</source>
        <translation>GPS 工具</translation>
    </message>
</context>
<context>
    <name>GPSToolWidget</name>
    <message>
        <source>GPS工具</source>
        <translation>GPS工具</translation>
    </message>
    <message>
        <source>机载RINEX</source>
        <translation>机载RINEX</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>轨迹文件</source>
        <translation>轨迹文件</translation>
    </message>
    <message>
        <source>空三POS</source>
        <translation>空三POS</translation>
    </message>
    <message>
        <source>输出POS</source>
        <translation>输出POS</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>偏心距X Y Z</source>
        <translation>偏心距X Y Z</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>执行</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 过大。</translation>
    </message>
    <message>
        <source>%1 is not a RINEX observation file.</source>
        <translation>%1 不是 RINEX 观测文件。</translation>
    </message>
    <message>
        <source>%1, line %2, cannot be read.</source>
        <translation>%1 第 %2 行无法读取。</translation>
    </message>
    <message>
        <source>%1 ends inside a record.</source>
        <translation>%1 在一条记录中间结束。</translation>
    </message>
    <message>
        <source>%1 is in GLONASS or UTC time; GPS time is needed.</source>
        <translation>%1 使用 GLONASS 或 UTC 时间，需要 GPS 时间。</translation>
    </message>
    <message>
        <source>%1 holds no image record.</source>
        <translation>%1 中没有影像记录。</translation>
    </message>
    <message>
        <source>%1 holds no trajectory epoch.</source>
        <translation>%1 中没有轨迹历元。</translation>
    </message>
    <message>
        <source>%1 holds no camera event.</source>
        <translation>%1 中没有相机事件。</translation>
    </message>
    <message>
        <source>%1 holds %2 image records for %3 camera events.</source>
        <translation>%1 中有 %2 条影像记录，而相机事件有 %3 个。</translation>
    </message>
    <message>
        <source>No camera event lies within the time of %1.</source>
        <translation>没有相机事件落在 %1 的时间范围内。</translation>
    </message>
    <message>
        <source>The offsets are no lengths in metres.</source>
        <translation>偏心距不是以米为单位的长度。</translation>
    </message>
    <message>
        <source>No output file is given.</source>
        <translation>未指定输出文件。</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>There is not enough memory.</source>
        <translation>内存不足。</translation>
    </message>
</context>
<context>
    <name>ImageInfoDialog</name>
    <message>
        <source>Camera Setting</source>
        <translation>相机设置</translation>
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
</context>
<context>
    <name>ImageLoadDialog</name>
    <message>
        <source>Import Images</source>
        <translation>导入影像</translation>
    </message>
</context>
<context>
    <name>ImageLoadWidget</name>
    <message>
        <source>Image List:</source>
        <translation>影像列表：</translation>
    </message>
    <message>
        <source>Add Image Path</source>
        <translation>添加影像目录</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>添加影像</translation>
    </message>
    <message>
        <source>Delete Selected Images</source>
        <translation>删除选中影像</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
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
        <source>Open Directory</source>
        <translation>打开目录</translation>
    </message>
</context>
<context>
    <name>ImagePosLoadDialog</name>
    <message>
        <source>影像POS设置</source>
        <translation>影像POS设置</translation>
    </message>
</context>
<context>
    <name>ImagePosLoadWidget</name>
    <message>
        <source>Elevation:</source>
        <translation>高程：</translation>
    </message>
    <message>
        <source>m</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>获取</translation>
    </message>
    <message>
        <source>Coordinate:</source>
        <translation>坐标系：</translation>
    </message>
    <message>
        <source>Set Coordinate</source>
        <translation>设置坐标系</translation>
    </message>
    <message>
        <source>Camera:</source>
        <translation>相机：</translation>
    </message>
    <message>
        <source>Set Camera</source>
        <translation>设置相机</translation>
    </message>
    <message>
        <source>GNSS/IMU：</source>
        <translation>GNSS/IMU：</translation>
    </message>
    <message>
        <source>Import POS</source>
        <translation>导入 POS</translation>
    </message>
    <message>
        <source>Read POS From EXIF</source>
        <translation>从 EXIF 读取 POS</translation>
    </message>
    <message>
        <source>Images:</source>
        <translation>影像：</translation>
    </message>
    <message>
        <source>Add Image</source>
        <translation>添加影像</translation>
    </message>
    <message>
        <source>Delete Selected Images</source>
        <translation>删除选中影像</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清空</translation>
    </message>
    <message>
        <source>Edit Selected Images</source>
        <translation>编辑选中影像</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Flight</source>
        <translation>架次</translation>
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
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Flight %1</source>
        <translation>架次 %1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>添加影像</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 及另外 %2 张</translation>
    </message>
    <message>
        <source>No position for %1 of %2 images: %3. Leave them out of the project?</source>
        <translation>%2 张影像中有 %1 张没有位置：%3。是否将它们排除在工程之外？</translation>
    </message>
    <message>
        <source>No elevation from the web: %1</source>
        <translation>未能从网络获取高程：%1</translation>
    </message>
    <message>
        <source>POS import: none of the %1 records matched an image of this camera; the coordinate system was left as it was.</source>
        <translation>POS 导入：%1 条记录均未匹配到该相机的影像，坐标系保持不变。</translation>
    </message>
    <message>
        <source>POS import: %1 of %2 records matched %3 of the %4 images of this camera.</source>
        <translation>POS 导入：%2 条记录中有 %1 条匹配到该相机 %4 张影像中的 %3 张。</translation>
    </message>
    <message>
        <source>EXIF: none of the %1 images of this camera has a GPS position; the coordinate system was left as it was.</source>
        <translation>EXIF：该相机的 %1 张影像均没有 GPS 位置，坐标系保持不变。</translation>
    </message>
    <message>
        <source>EXIF: %1 of the %2 images of this camera have a GPS position.</source>
        <translation>EXIF：该相机的 %2 张影像中有 %1 张带有 GPS 位置。</translation>
    </message>
</context>
<context>
    <name>LeverArmDialog</name>
    <message>
        <source>Correct Lever Arm</source>
        <translation>杆臂改正</translation>
    </message>
</context>
<context>
    <name>LeverArmWidget</name>
    <message>
        <source>UAV Type:</source>
        <translation>无人机型号：</translation>
    </message>
    <message>
        <source>HP POS File:</source>
        <translation>高精度 POS 文件：</translation>
    </message>
    <message>
        <source>Gimbal File:</source>
        <translation>云台文件：</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>外方位元素：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PosLoadDialog</name>
    <message>
        <source>Import GNSS/IMU</source>
        <translation>导入 GNSS/IMU</translation>
    </message>
</context>
<context>
    <name>PosLoadWidget</name>
    <message>
        <source>File:</source>
        <translation>文件：</translation>
    </message>
    <message>
        <source>Import Setting</source>
        <translation>导入设置</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从第</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行开始</translation>
    </message>
    <message>
        <source>Degree Unit</source>
        <translation>角度单位</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Radian</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>匹配方式</translation>
    </message>
    <message>
        <source>With Ext</source>
        <translation>含扩展名</translation>
    </message>
    <message>
        <source>Without Ext</source>
        <translation>不含扩展名</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>按顺序</translation>
    </message>
    <message>
        <source>BLH</source>
        <translation>经纬度</translation>
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
        <translation>ω</translation>
    </message>
    <message>
        <source>Phi</source>
        <translation>φ</translation>
    </message>
    <message>
        <source>-Phi</source>
        <translation>-φ</translation>
    </message>
    <message>
        <source>Kappa</source>
        <translation>κ</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import POS</source>
        <translation>导入 POS</translation>
    </message>
    <message>
        <source>Text File(*.txt);; All(*.*)</source>
        <translation>文本文件(*.txt);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please Set ID X Y Z</source>
        <translation>请设置 ID、X、Y、Z 列</translation>
    </message>
</context>
<context>
    <name>RT27Dialog</name>
    <message>
        <source>RT27 Format Change</source>
        <translation>RT27 格式转换</translation>
    </message>
</context>
<context>
    <name>RT27Widget</name>
    <message>
        <source>RT27 File</source>
        <translation>RT27 文件</translation>
    </message>
    <message>
        <source>RINEX FILE</source>
        <translation>RINEX 文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save RINEX File</source>
        <translation>保存 RINEX 文件</translation>
    </message>
</context>
<context>
    <name>kvui</name>
    <message>
        <source>计算成功！</source>
        <translation>计算成功！</translation>
    </message>
    <message>
        <source>计算失败！</source>
        <translation>计算失败！</translation>
    </message>
    <message>
        <source>打开机载RINEX数据</source>
        <translation>打开机载RINEX数据</translation>
    </message>
    <message>
        <source>观测文件(*.*o);;所有文件(*.*)</source>
        <translation>观测文件(*.*o);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>打开轨迹文件</source>
        <translation>打开轨迹文件</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>打开空三POS数据</source>
        <translation>打开空三POS数据</translation>
    </message>
    <message>
        <source>POS文件(*.txt);;所有文件(*.*)</source>
        <translation>POS文件(*.txt);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>保存POS</source>
        <translation>保存POS</translation>
    </message>
    <message>
        <source>POS文件(*.txt)</source>
        <translation>POS文件(*.txt)</translation>
    </message>
    <message>
        <source>images (*.bmp *.jpg *.tif);;bmp (*.bmp);;jpg (*.jpg);;tif (*.tif)</source>
        <translation>影像 (*.bmp *.jpg *.tif);;BMP 影像 (*.bmp);;JPG 影像 (*.jpg);;TIF 影像 (*.tif)</translation>
    </message>
    <message>
        <source>平均高程无效，请输入数值！</source>
        <translation>平均高程无效，请输入数值！</translation>
    </message>
    <message>
        <source>选择云台文件</source>
        <translation>选择云台文件</translation>
    </message>
    <message>
        <source>云台文件 (*.gim);;所有文件 (*.*)</source>
        <translation>云台文件 (*.gim);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>选择待改正GPS文件</source>
        <translation>选择待改正GPS文件</translation>
    </message>
    <message>
        <source>GPS文件 (*.txt);;所有文件 (*.*)</source>
        <translation>GPS文件 (*.txt);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>选择外方位元素</source>
        <translation>选择外方位元素</translation>
    </message>
    <message>
        <source>外方位元素 (*.txt);;所有文件 (*.*)</source>
        <translation>外方位元素 (*.txt);;所有文件 (*.*)</translation>
    </message>
    <message>
        <source>保存结果</source>
        <translation>保存结果</translation>
    </message>
    <message>
        <source>改正结果 (*.txt)</source>
        <translation>改正结果 (*.txt)</translation>
    </message>
    <message>
        <source>本地坐标系</source>
        <translation>本地坐标系</translation>
    </message>
    <message>
        <source>打开RT27/GNS文件</source>
        <translation>打开RT27/GNS文件</translation>
    </message>
    <message>
        <source>Trimble RT27 File(*.rt27;*.GNS);;All(*.*)</source>
        <translation>Trimble RT27 文件(*.rt27;*.GNS);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>待处理影像路径</source>
        <translation>待处理影像路径</translation>
    </message>
    <message>
        <source>输出路径</source>
        <translation>输出路径</translation>
    </message>
    <message>
        <source>坐标偏差: %.1lfkm, 是否继续!</source>
        <translation>坐标偏差: %.1lfkm, 是否继续!</translation>
    </message>
    <message>
        <source>%1 已存在，是否覆盖？</source>
        <translation>%1 已存在，是否覆盖？</translation>
    </message>
    <message>
        <source>%1 复制失败！</source>
        <translation>%1 复制失败！</translation>
    </message>
</context>
</TS>
