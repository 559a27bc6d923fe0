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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>The settings could not be saved.&lt;br&gt;Nothing was changed.</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>The settings could not be saved.&lt;br&gt;Nothing was changed.</translation>
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
    <message>
        <source>FAULT</source>
        <translation>FAULT</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNING</translation>
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
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zone Diagnostics</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Colors and Sizes</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Files Import/Export</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Initialize Wi-Fi Connection</translation>
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
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>shorted</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>This PIN # is of a lower level: this lock needs a higher level's PIN #.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Date and Time</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Day-Parts</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Cabinet Names</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Eco Mode Options</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fi Networking</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zone Diagnostics</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Errors Log</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Holding Log</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>System Information</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>All service panels unlocked!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>Manager's PIN# was reset.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>Are you sure want to reset&lt;br&gt;the configuration?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>This page can be unlocked on the primary display only.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>The manager's PIN opens the pages of level 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Change manager's PIN</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NEW PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>Manager's PIN# was changed.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI (Primary)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI (Secondary)</translation>
    </message>
    <message>
        <source>IoT</source>
        <translation>IoT</translation>
    </message>
    <message>
        <source>LuMo SDK</source>
        <translation>LuMo SDK</translation>
    </message>
    <message>
        <source>Master I/O board</source>
        <translation>Master I/O board</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>I/O board</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Slave I/O board #%1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Reader board #1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Reader board #2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Serial #:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Model #:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Store #:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>MacAddr:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>Menu MD5</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Supply voltage</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Unit details</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Serial #:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Model #:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Store #:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>The settings could not be saved.&lt;br&gt;Nothing was changed.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Select the display orientation.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Unit details</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Scan model number.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Model #:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Scan serial number.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Serial #:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Manual Configuration</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Select the customer group.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>To configure unit model, select the model&lt;br&gt;number and click config.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Displays: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>Which side of the cabinet is this display on?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Primary side</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Other side</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Save selected configuration?</translation>
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
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>The settings could not be saved.&lt;br&gt;Nothing was changed.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Unit configuration successful.&lt;br&gt;Reboot the unit.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>Unit configuration failed.&lt;br&gt;Nothing was changed.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Allowed: %1 to %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Bottom type</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Breakfast</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Cancel?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Cook more alert time</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Day Parts</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Delete group</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Delete product</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Empty groups are deleted</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Fan speed</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Group has invalid name!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Group will be removed from day-part(s)&lt;br&gt;assignments</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Hold Temp</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Holding time</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Invalid hold temperature!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Invalid hold time value!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Invalid product name!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Invalid reset time value!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Invalid warning time value!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Lid type</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Lower temperature</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Lunch/Dinner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>No groups yet.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>No products yet.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>No colour</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>No products added to the group!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Product Editing Unavailable&lt;br&gt;while timers are active!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Product temp</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Product will be removed from day-part(s)&lt;br&gt;assignments</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Product will be removed from group(s)&lt;br&gt;products list</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Products Editing Cancelled&lt;br&gt;due to active timers.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Remove Bins day-part assignments?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Reset time</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Timer colour</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Upper temperature</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Vented</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Zone splits</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Products can be edited on the primary display only.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>Product editing is turned off for this cabinet.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Cookbook</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Day Part</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12-hour clock</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Daylight saving time</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Network time (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Cabinet number</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Shown as</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Shelf heat</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Heater off</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Hold temperature</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Eco temperature</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Suggest eco mode</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>After idle time</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Idle time</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>The eco temperature must be from %1 to %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>The idle time must be from %1 to %2 minutes.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Panels</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Raised panels</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Borders</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Secondary text</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Accent</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Text size</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Title size</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>Text would be hard to read on these colors. Choose colors further apart.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Reset to defaults</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Put the default colors and sizes back?</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Master I/O communication loss.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Master I/O sys config timeout.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Master I/O sys config error.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Temperature sensor \3 shorted.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Temperature sensor \3 open.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Heater \3 low temp error.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Heater \3 high temp error.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Temperature sensor \3 reference error.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Cold junction \3 error.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>System over temperature error.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Heater \3 over temperature error.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 Disabled. Temperature too low.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 Disabled. Temperature too high.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Secondary UI communication loss.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Primary UI communication loss.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/O board \3 communication loss.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFC board \2 communication loss.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Connection refused error. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Remote host closed error. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host not found error. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Socket access error. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Socket resource error. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Socket timeout error.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagram too large error. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Network error. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Address in use error. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Socket address not available error. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Unsupported socket operation error. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Proxy authentication required error. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Ssl handshake failed error. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Unfinished socket operation error. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Proxy connection refused error. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Proxy connection closed error. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Proxy connection timeout error. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy not found error. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Proxy protocol error. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Operation error. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Ssl internal error. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Ssl invalid user data error. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Temporary error. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>LUMO SDK Error.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Event handler is not set.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Domain name is not set.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Root CA file is  null.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Manufacturer name is missing.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Model number is missing.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Serial number is missing.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Device descriptor is missing.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Location number is missing.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Serial number is not alpha-numeric.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Device descriptor format is incorrect.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Device software Id is missing.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>Failed to initialize LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Failed to publish due to unauthorized topic.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Failed to subscribe due to unauthorized topic.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Client ID and client secret key is expired or revoked.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Refresh token is expired or revoked.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Unexpected unclassified error.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>General underlying TCP/IP error.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Error connecting to TCP/IP socket.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Error reading from TCP/IP socket.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Error writing to TCP/IP socket.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>General underlying HTTP error.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Error on HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Error on HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>MQTT connect failed due to SSL hostname error.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Checksum of the downloaded file does not match with the specified checksum.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Signature of the checksum cannot be validated.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Error is returned when the kid does not reference.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Publish or subscribe failed due ping request failure.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Device init return failed.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Trying to connect to MQTT when there is already a connection.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>MQTT publish/subscribe failed due to disconnection or failure to connect.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Unknown underlying MQTT error.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unknown error.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>Only the newest part is shown of: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>The cabinet's complete Errors Log is kept on the primary display.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Errors Log</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Error name</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Number of records: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>First record: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Last record: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Clearing All Error Logs</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continue or Cancel</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Menu Update</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Menu Export</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
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
    <message>
        <source>Too large to show: %1</source>
        <translation>Too large to show: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Cannot be read: %1</translation>
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
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Holding Log</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Day-Parts</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Errors Log</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilities</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>ABC</translation>
    </message>
</context>
<context>
    <name>CabinetView</name>
    <message>
        <source>Zone %1: temperature probe open. Call service.</source>
        <translation>Zone %1: temperature probe open. Call service.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Zone %1: temperature probe shorted. Call service.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Zone %1: heater over temperature. Call service.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Orvanta file imported: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>File version is not supported: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Orvanta file import failed: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Orvanta file exported: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Orvanta file export failed!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Orvanta&lt;/b&gt; Update</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>No Orvanta files found!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Orvanta Export</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Export Menu Files</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Check Flash Drive</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>Wired IP address</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Wired netmask</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Wired gateway</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Wi-Fi IP address</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Wi-Fi netmask</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Wi-Fi gateway</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Network name (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Pass phrase</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 is not a valid IPv4 host address.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 is not a valid netmask.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 must not hold line breaks.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 must not be empty while Wi-Fi is enabled.</translation>
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
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 is longer than 32 bytes.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 must be 8 to 63 characters long.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Applying the network settings...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Network settings applied.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>The network could not be restarted.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>The settings could not be saved. The network was not changed.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nothing was saved.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 Enterprise</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>No status from the cloud agent yet.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Static address</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netmask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Signal level</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Last scan</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>No networks detected</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Wired network</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Cloud link</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Reset to default network</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Reset to default network?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
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
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Applying the network settings...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Network settings applied.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>The network could not be restarted.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Too many failed attempts.
Call service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
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
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>This cabinet is not configured yet.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Synchronizing displays</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Day-Parts</translation>
    </message>
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
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Export Error Log</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
