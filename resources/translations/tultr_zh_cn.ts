<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>备用柜 #%1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>出餐柜 #%1</translation>
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
        <translation>优先使用</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>分屏显示</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>分组圆点</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>字体大小</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>分区时段</translation>
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
        <translation>计时器颜色</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>高级区域选项</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>通用托盘提示音</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>丢弃提示音</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>无法保存设置。&lt;br&gt;未做任何更改。</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>无法保存设置。&lt;br&gt;未做任何更改。</translation>
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
    <message>
        <source>FAULT</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
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
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>正在进行系统备份。&lt;br&gt;请勿拔出 USB 或关闭设备电源</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>正在复制固件更新文件...&lt;br&gt;请勿拔出 USB 或关闭设备电源</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>区域诊断</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>颜色和大小</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>文件导入/导出</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>初始化 Wi-Fi 连接</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>已关闭</translation>
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
    <message>
        <source>open</source>
        <translation>开路</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>短路</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;配置状态：&lt;/b&gt;未配置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;配置状态：&lt;/b&gt;正在配置</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;已请求证书</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;证书请求超时，正在重试...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;已收到证书</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;证书状态：&lt;/b&gt;证书请求超时</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>此 PIN 码 # 级别较低：此锁需要更高级别的 PIN 码 #。</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>时段</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>柜体名称</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>节能模式选项</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wi-Fi 网络</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>区域诊断</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>错误日志</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>保温记录</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>实用工具</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码 #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>所有维修面板已解锁！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>经理 PIN 码已重置。</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>确定要重置&lt;br&gt;配置吗？</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>此柜的 Wi-Fi 由云连接 (LuMo) 设置。</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>此页面只能在主显示屏上解锁。</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>无法重置经理 PIN 码#。&lt;br&gt;旧的 PIN 码# 仍然有效。</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>经理 PIN 码可打开 1 级页面。</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>更改经理 PIN 码</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>新 PIN 码#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>经理 PIN 码已更改。</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>无法保存新的 PIN 码#。&lt;br&gt;旧的 PIN 码# 仍然有效。</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>界面（主）</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>界面（副）</translation>
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
        <translation>主 I/O 板</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>I/O 板</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>从 I/O 板 #%1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>读卡板 #1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>读卡板 #2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>门店号：</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>MAC 地址：</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>菜单 MD5</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>供电电压</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>门店号：</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>无法保存设置。&lt;br&gt;未做任何更改。</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>请选择显示方向。</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横向</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>设备信息</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>请扫描型号。</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>请扫描序列号。</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>手动配置</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>请选择客户组。</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码 #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>要配置设备型号，请选择型号&lt;br&gt;并点击配置。</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>显示屏：%1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>此显示屏位于柜体的哪一侧？</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>主侧</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>另一侧</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>保存所选配置？</translation>
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
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>无法保存设置。&lt;br&gt;未做任何更改。</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>设备配置成功。&lt;br&gt;请重启设备。</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>设备配置失败。&lt;br&gt;未做任何更改。</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>设备配置已重置。&lt;br&gt;请重启设备。</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>允许范围：%1 至 %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>底部类型</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>早餐</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>取消？</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>补充烹饪提醒时间</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>时段</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>删除组</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>删除产品</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>空组已删除</translation>
    </message>
    <message>
        <source>False</source>
        <translation>假底</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>风扇转速</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>组名无效！</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>该组将从时段&lt;br&gt;分配中移除</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>保温温度</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>保温时间</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>保温温度无效！</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>保温时间值无效！</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>产品名称无效！</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>重置时间值无效！</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>提醒时间值无效！</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>盖子类型</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>下部温度</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>午餐/晚餐</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>尚无组。</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>尚无产品。</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>无颜色</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>组中未添加任何产品！</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码 #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>计时器运行时&lt;br&gt;无法编辑产品！</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>产品温度</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>该产品将从时段&lt;br&gt;分配中移除</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>该产品将从组的&lt;br&gt;产品列表中移除</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>因计时器正在运行，&lt;br&gt;产品编辑已取消。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>移除格位的时段分配？</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>重置时间</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>保存更改？</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>实心</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>菜谱打开期间菜单已被替换。&lt;br&gt;未保存的更改已放弃。</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>计时器颜色</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>上部温度</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>通风</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>区域分割</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>只能在主显示屏上编辑产品。</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>此柜已关闭产品编辑。</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>菜谱</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>时段</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>下午</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>12 小时制</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>夏令时</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>网络时间 (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>无法保存设置。&lt;br&gt;设置仅在柜体重新启动前有效。</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>柜体编号</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>显示为</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>无法保存设置。&lt;br&gt;设置仅在柜体重新启动前有效。</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>搁板加热</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>加热器关闭</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>保持温度</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>节能温度</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>建议节能模式</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>空闲后</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>空闲时间</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>节能温度必须在 %1 到 %2 之间。</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>空闲时间必须在 %1 到 %2 分钟之间。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>凸起面板</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>次要文字</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>强调色</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>按钮</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>标题大小</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>在这些颜色上文字难以辨认。请选择差别更大的颜色。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>恢复默认的颜色和大小？</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;已开始 EOL 地址检测&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>主 I/O 通信中断。</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>主 I/O 系统配置超时。</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>主 I/O 系统配置错误。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>温度传感器 \3 短路。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>温度传感器 \3 断路。</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>加热器 \3 温度过低。</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>加热器 \3 温度过高。</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>温度传感器 \3 参考错误。</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>冷端 \3 错误。</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>系统温度过高。</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>加热器 \3 过热。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>区域 \3 已停用。温度过低。</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>区域 \3 已停用。温度过高。</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>副显示屏通信中断。</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>主显示屏通信中断。</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>I/O 板 \3 通信中断。</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>NFC 板 \2 通信中断。</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>连接被拒绝。\3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>远程主机关闭了连接。\3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>未找到主机。\3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>套接字访问错误。\3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>套接字资源错误。\3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>套接字超时。</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>数据报过大。\3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>网络错误。\3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>地址已被占用。\3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>套接字地址不可用。\3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>不支持的套接字操作。\3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>代理需要身份验证。\3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL 握手失败。\3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>套接字操作未完成。\3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>代理拒绝连接。\3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>代理关闭了连接。\3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>代理连接超时。\3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>未找到代理。\3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>代理协议错误。\3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>操作错误。\3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>SSL 内部错误。\3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>SSL 用户数据无效。\3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>临时错误。\3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>LUMO SDK 错误。</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>未设置事件处理程序。</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>未设置域名。</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>根 CA 文件为空。</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>缺少制造商名称。</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>缺少型号。</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>缺少序列号。</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>缺少设备描述符。</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>缺少门店编号。</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>序列号不是字母数字。</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>设备描述符格式不正确。</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>缺少设备软件 ID。</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>LuMo 初始化失败。</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>主题未授权，发布失败。</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>主题未授权，订阅失败。</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>客户端 ID 和密钥已过期或被撤销。</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>刷新令牌已过期或被撤销。</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>意外的未分类错误。</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>常规 TCP/IP 错误。</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>连接 TCP/IP 套接字出错。</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>读取 TCP/IP 套接字出错。</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>写入 TCP/IP 套接字出错。</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>常规 HTTP 错误。</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>HTTP GET 出错。</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>HTTP POST 出错。</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>SSL 主机名错误，MQTT 连接失败。</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>下载文件的校验和与指定的不一致。</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>无法验证校验和的签名。</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>密钥 ID (kid) 未引用任何密钥。</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>ping 请求失败，发布或订阅失败。</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>设备初始化失败。</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>已有连接时尝试连接 MQTT。</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>因断开或无法连接，MQTT 发布/订阅失败。</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>未知 MQTT 错误。</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>未知错误。</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>区域 %1：%2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>仅显示最新部分：%1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>此柜的完整错误日志保存在主显示屏上。</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>错误日志</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>日期/时间</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>记录数：</translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>第一条记录：</translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>最后一条记录：</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>清除所有错误日志</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>继续或取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>菜单更新</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>菜单导出</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码 #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
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
    <message>
        <source>Too large to show: %1</source>
        <translation>文件过大，无法显示：%1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>无法读取：%1</translation>
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
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>保温记录</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>时段</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>错误日志</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>实用工具</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>拼音</translation>
    </message>
</context>
<context>
    <name>CabinetView</name>
    <message>
        <source>Zone %1: temperature probe open. Call service.</source>
        <translation>区域 %1：温度探头开路。请联系维修。</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>区域 %1：温度探头短路。请联系维修。</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>区域 %1：加热器温度过高。请联系维修。</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>已导入 Orvanta 文件：</translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>不支持的文件版本：</translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Orvanta 文件导入失败：</translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>已导出 Orvanta 文件：</translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Orvanta 文件导出失败！</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Orvanta&lt;/b&gt; 更新</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>未找到 Orvanta 文件！</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Orvanta 导出</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>导出菜单文件</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>检查 U 盘</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>有线 IP 地址</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>有线子网掩码</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>有线网关</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Wi-Fi IP 地址</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Wi-Fi 子网掩码</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Wi-Fi 网关</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>网络名称 (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>密码短语</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 不是有效的 IPv4 主机地址。</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 不是有效的子网掩码。</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 不能包含换行符。</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>启用 Wi-Fi 时 %1 不能为空。</translation>
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
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 超过 32 字节。</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 必须为 8 到 63 个字符。</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>正在应用网络设置...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>网络设置已应用。</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>无法重新启动网络。</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>无法保存设置。网络未更改。</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>未保存任何内容。</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 企业级</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>尚未收到云代理的状态。</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>身份</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>静态地址</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>网关</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>信号强度</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>上次扫描</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>未检测到网络</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>有线网络</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>云连接</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>重置为默认网络</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>重置为默认网络？</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码 #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
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
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>初始化 Wi-Fi 连接？&lt;br&gt;网络设置将被重写。</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>正在应用网络设置...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>网络设置已应用。</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>无法重新启动网络。</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>失败次数过多。
请联系维修服务。</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN 码 #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
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
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>此柜体尚未配置。</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>正在同步显示屏</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>时段</translation>
    </message>
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
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>导出错误日志</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>无法将错误日志写入 %1。请检查 U 盘已插好且未满，然后重试。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
