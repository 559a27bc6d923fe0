<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Reserve Cabinet #%1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Point-of-Use Cabinet #%1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Name Not Set</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation>Use first</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Split view</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Group dots</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Label font size</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Individual day parts</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperature unit</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Screen cleaning</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Invalid time value</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation>Timer colors</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Advanced zone options</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Universal pan sounds</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Discard sound</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>DISCARD</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Preheating</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>WRONG PAN</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Cabinet over temperature</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Check that the vents are clear and that the cabinet stands away from heat sources.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Acknowledge</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zone Diagnostics</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Holding Log</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Lower heater</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Upper heater</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>No zone temperatures yet</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Holding Log</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Product Name</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Shelf Number</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Discarded</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Holding Duration</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Number of records: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Show All</translation>
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
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Export Holding Log</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Holding Log files exported!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Holding Log export failed!</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Take Screenshot</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Platform Info</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Platform Info</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
