<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>未设置名称</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>字体大小</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>温度单位</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>屏幕清洁</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>每</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>无效的时间值</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持续时间</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>预热中</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>托盘错误</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>柜体温度过高</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>请检查通风口是否通畅，柜体是否远离热源。</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>确认</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;系统错误：&lt;/b&gt;&lt;br&gt;Modbus 连接中断。</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>区域诊断</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>保温记录</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>下加热器</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>上加热器</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>实际</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>区域 %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>暂无区域温度</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>保温记录</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>产品名称</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>层号</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>已丢弃</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>保温时长</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>记录数: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>全部显示</translation>
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
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>导出保温记录</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>保温记录已导出！</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>保温记录导出失败！</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>截屏</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>平台信息</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>平台信息</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
