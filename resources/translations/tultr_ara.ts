<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>خزانة الاحتياط رقم %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>خزانة التقديم رقم %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>لم يتم تعيين الاسم</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation>يُستخدم أولاً</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>عرض مقسّم</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>نقاط المجموعات</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>فترات يوم لكل منطقة</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>وحدة الحرارة</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>تنظيف الشاشة</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>أبداً</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>كل</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>قيمة وقت غير صالحة</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation>ألوان المؤقت</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>خيارات المنطقة المتقدمة</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>أصوات الوعاء العام</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>صوت التخلص</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>مستمر</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>تعذّر حفظ الإعدادات.&lt;br&gt;لم يتم تغيير أي شيء.</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>تعذّر حفظ الإعدادات.&lt;br&gt;لم يتم تغيير أي شيء.</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>تخلص منه</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>تسخين مسبق</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>وعاء خاطئ</translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation>عطل</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>تحذير</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>ارتفاع حرارة الخزانة</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>تأكد من أن فتحات التهوية غير مسدودة وأن الخزانة بعيدة عن مصادر الحرارة.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>تأكيد</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;خطأ في النظام:&lt;/b&gt;&lt;br&gt;انقطع اتصال Modbus.</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>جارٍ النسخ الاحتياطي للنظام.&lt;br&gt;لا تفصل USB ولا تطفئ الجهاز</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>جارٍ نسخ ملفات تحديث البرنامج الثابت...&lt;br&gt;لا تفصل USB ولا تطفئ الجهاز</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>تشخيص المناطق</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>الألوان والأحجام</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>استيراد/تصدير الملفات</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>تهيئة اتصال الواي فاي</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>مطفأ</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>السخان السفلي</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>السخان العلوي</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>المنطقة</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>المستهدفة</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>الفعلية</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>المنطقة %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>لا توجد درجات حرارة للمناطق بعد</translation>
    </message>
    <message>
        <source>open</source>
        <translation>مفتوح</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>قصر</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;حالة التهيئة:&lt;/b&gt; غير مهيأ</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;حالة التهيئة:&lt;/b&gt; جارٍ التهيئة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; تم طلب الشهادة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; انتهت مهلة الطلب، جارٍ إعادة المحاولة...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; تم استلام الشهادة</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;حالة الشهادة:&lt;/b&gt; انتهت مهلة طلب الشهادة</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>رمز PIN # هذا من مستوى أدنى: يحتاج هذا القفل إلى رمز PIN # من مستوى أعلى.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>التاريخ والوقت</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>فترات اليوم</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>أسماء الخزائن</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>خيارات الوضع الاقتصادي</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>شبكة Wi-Fi</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>تشخيص المناطق</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>سجل الأخطاء</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>سجل الحفظ</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>معلومات النظام</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة جداً.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>تم فتح جميع لوحات الخدمة!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>تمت إعادة تعيين رمز PIN الخاص بالمدير.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>فتح القفل</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>هل أنت متأكد من إعادة تعيين&lt;br&gt;الإعدادات؟</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>يضبط الاتصال السحابي (LuMo) شبكة Wi-Fi لهذه الخزانة.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>لا يمكن فتح قفل هذه الصفحة إلا على الشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>تعذّرت إعادة تعيين رمز PIN# الخاص بالمدير.&lt;br&gt;يظل رمز PIN# القديم ساريًا.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>رمز PIN الخاص بالمدير يفتح صفحات المستوى 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>تغيير رمز PIN الخاص بالمدير</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>رمز PIN الجديد#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>تم تغيير رمز PIN الخاص بالمدير.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>تعذّر حفظ رمز PIN# الجديد.&lt;br&gt;يظل رمز PIN# القديم ساريًا.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>الواجهة (الرئيسية)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>الواجهة (الثانوية)</translation>
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
        <translation>لوحة الإدخال/الإخراج الرئيسية</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>لوحة الإدخال/الإخراج</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>لوحة الإدخال/الإخراج التابعة رقم %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>لوحة القارئ رقم 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>لوحة القارئ رقم 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>الرقم التسلسلي:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>رقم الطراز:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>رقم المتجر:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>عنوان MAC:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>MD5 القائمة</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>جهد التغذية</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>تفاصيل الوحدة</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>الرقم التسلسلي:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>رقم الطراز:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>رقم المتجر:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>تعذّر حفظ الإعدادات.&lt;br&gt;لم يتم تغيير أي شيء.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>اختر اتجاه الشاشة.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>تفاصيل الوحدة</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>امسح رقم الطراز.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>رقم الطراز:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>امسح الرقم التسلسلي.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>الرقم التسلسلي:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>إعداد يدوي</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>اختر مجموعة العميل.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة جداً.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>لإعداد طراز الوحدة، اختر رقم&lt;br&gt;الطراز واضغط إعداد.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>الشاشات: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>إعداد</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>في أي جانب من الخزانة توجد هذه الشاشة؟</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>الجانب الرئيسي</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>الجانب الآخر</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>حفظ الإعداد المحدد؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>تعذّر حفظ الإعدادات.&lt;br&gt;لم يتم تغيير أي شيء.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>تم إعداد الوحدة بنجاح.&lt;br&gt;أعد تشغيل الوحدة.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>فشل إعداد الوحدة.&lt;br&gt;لم يتم تغيير أي شيء.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>تمت إعادة تعيين إعداد الوحدة بنجاح.&lt;br&gt;أعد تشغيل الوحدة.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>المسموح: من %1 إلى %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>نوع القاع</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>الإفطار</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>إلغاء؟</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>تنبيه طهي المزيد</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>فترات اليوم</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>حذف المجموعة</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>حذف المنتج</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>تم حذف المجموعات الفارغة</translation>
    </message>
    <message>
        <source>False</source>
        <translation>مزيف</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>سرعة المروحة</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>اسم المجموعة غير صالح!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>ستتم إزالة المجموعة من تعيينات&lt;br&gt;فترات اليوم</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>درجة حرارة الحفظ</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>مدة الحفظ</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>درجة حرارة الحفظ غير صالحة!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>قيمة مدة الحفظ غير صالحة!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>اسم المنتج غير صالح!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>قيمة مدة إعادة الضبط غير صالحة!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>قيمة مدة التنبيه غير صالحة!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>نوع الغطاء</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>درجة الحرارة السفلى</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>الغداء/العشاء</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>لا توجد مجموعات بعد.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>لا توجد منتجات بعد.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>بلا لون</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>لم تتم إضافة أي منتجات إلى المجموعة!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>تعديل المنتجات غير متاح&lt;br&gt;أثناء عمل المؤقتات!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>درجة حرارة المنتج</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>ستتم إزالة المنتج من تعيينات&lt;br&gt;فترات اليوم</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>ستتم إزالة المنتج من قائمة منتجات&lt;br&gt;المجموعة (المجموعات)</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>المنتجات</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>تم إلغاء تعديل المنتجات&lt;br&gt;بسبب المؤقتات النشطة.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>إزالة تعيينات الخانات؟</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>مدة إعادة الضبط</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>حفظ التغييرات؟</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>مصمت</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>درجات الحرارة</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>تم استبدال القائمة أثناء فتح كتاب الوصفات.&lt;br&gt;تم تجاهل التغييرات غير المحفوظة.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>لون المؤقت</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة جداً.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>درجة الحرارة العليا</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>مهوّى</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>تقسيم المنطقة</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>لا يمكن تعديل المنتجات إلا على الشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>تعديل المنتجات متوقف في هذه الخزانة.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>كتاب الوصفات</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>فترة اليوم</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>AM</source>
        <translation>ص</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>م</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>نظام 12 ساعة</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>وقت الشبكة (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>تعذر حفظ الإعدادات.&lt;br&gt;تسري فقط حتى إعادة تشغيل الخزانة.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>رقم الخزانة</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>يظهر باسم</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>تعذر حفظ الإعدادات.&lt;br&gt;تسري فقط حتى إعادة تشغيل الخزانة.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>تسخين الرف</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>السخان متوقف</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>الحفاظ على الحرارة</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>الحرارة الاقتصادية</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>اقتراح الوضع الاقتصادي</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>أبداً</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>بعد فترة الخمول</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>مدة الخمول</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>يجب أن تكون الحرارة الاقتصادية من %1 إلى %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>يجب أن تكون مدة الخمول من %1 إلى %2 دقيقة.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>تعذّر حفظ الإعدادات.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>اللوحات</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>اللوحات البارزة</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>الحدود</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>النص</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>النص الثانوي</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>لون التمييز</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>الأزرار</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>حجم النص</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>حجم العنوان</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>درجة اللون</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>التشبع</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>السطوع</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>سيصعب قراءة النص على هذه الألوان. اختر ألوانًا أكثر تباينًا.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>تعذّر حفظ الإعدادات.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>استعادة الافتراضي</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>هل تريد استعادة الألوان والأحجام الافتراضية؟</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
</context>
<context>
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;بدأ اكتشاف عنوان EOL&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>انقطع الاتصال بوحدة الإدخال/الإخراج الرئيسية.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>انتهت مهلة تهيئة وحدة الإدخال/الإخراج الرئيسية.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>خطأ في تهيئة وحدة الإدخال/الإخراج الرئيسية.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>حساس الحرارة \3 في دائرة قصر.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>حساس الحرارة \3 مفتوح.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>السخان \3: درجة الحرارة منخفضة.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>السخان \3: درجة الحرارة مرتفعة.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>خطأ مرجعي في حساس الحرارة \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>خطأ في الوصلة الباردة \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>ارتفاع حرارة النظام.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>ارتفاع حرارة السخان \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>المنطقة \3 معطلة. درجة الحرارة منخفضة جداً.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>المنطقة \3 معطلة. درجة الحرارة مرتفعة جداً.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>انقطع الاتصال بالشاشة الثانوية.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>انقطع الاتصال بالشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>انقطع الاتصال بلوحة الإدخال/الإخراج \3.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>انقطع الاتصال بلوحة NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>تم رفض الاتصال. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>أغلق المضيف البعيد الاتصال. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>لم يتم العثور على المضيف. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>خطأ في الوصول إلى المقبس. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>خطأ في موارد المقبس. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>انتهت مهلة المقبس.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>حزمة البيانات كبيرة جداً. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>خطأ في الشبكة. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>العنوان قيد الاستخدام. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>عنوان المقبس غير متاح. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>عملية مقبس غير مدعومة. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>الوكيل يتطلب المصادقة. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>فشلت مصافحة SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>عملية مقبس غير مكتملة. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>رفض الوكيل الاتصال. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>أغلق الوكيل الاتصال. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>انتهت مهلة الاتصال بالوكيل. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>لم يتم العثور على الوكيل. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>خطأ في بروتوكول الوكيل. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>خطأ في العملية. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>خطأ داخلي في SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>بيانات مستخدم SSL غير صالحة. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>خطأ مؤقت. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>خطأ في LUMO SDK.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>لم يتم تعيين معالج الأحداث.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>لم يتم تعيين اسم النطاق.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>ملف شهادة CA الجذر فارغ.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>اسم الشركة المصنعة مفقود.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>رقم الطراز مفقود.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>الرقم التسلسلي مفقود.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>واصف الجهاز مفقود.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>رقم الموقع مفقود.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>الرقم التسلسلي ليس أبجدياً رقمياً.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>تنسيق واصف الجهاز غير صحيح.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>معرّف برنامج الجهاز مفقود.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>فشل تهيئة LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>فشل النشر بسبب موضوع غير مصرح به.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>فشل الاشتراك بسبب موضوع غير مصرح به.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>انتهت صلاحية معرّف العميل ومفتاحه السري أو أُلغيت.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>انتهت صلاحية رمز التحديث أو أُلغي.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>خطأ غير متوقع وغير مصنف.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>خطأ عام في TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>خطأ في الاتصال بمقبس TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>خطأ في القراءة من مقبس TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>خطأ في الكتابة إلى مقبس TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>خطأ عام في HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>خطأ في HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>خطأ في HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>فشل اتصال MQTT بسبب خطأ في اسم مضيف SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>المجموع الاختباري للملف الذي تم تنزيله لا يطابق المجموع المحدد.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>لا يمكن التحقق من توقيع المجموع الاختباري.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>معرّف المفتاح (kid) لا يشير إلى أي مفتاح.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>فشل النشر أو الاشتراك بسبب فشل طلب ping.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>فشلت تهيئة الجهاز.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>محاولة الاتصال بـ MQTT مع وجود اتصال قائم.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>فشل نشر/اشتراك MQTT بسبب انقطاع الاتصال أو تعذّره.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>خطأ MQTT غير معروف.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>خطأ غير معروف.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>المنطقة %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>يُعرض الجزء الأحدث فقط من: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>يُحفظ سجل الأخطاء الكامل للخزانة على الشاشة الرئيسية.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>سجل الأخطاء</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>التاريخ/الوقت</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>الخطأ</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>عدد السجلات: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>أول سجل: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>آخر سجل: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>مسح جميع سجلات الأخطاء</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>متابعة أو إلغاء</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>تحديث القائمة</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>تصدير القائمة</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>فتح القفل</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة جداً.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>سجل الحفظ</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>المنتج</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>الرف</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>وقت البدء</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>تم التخلص</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>مدة الحفظ</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>عدد السجلات: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>عرض الكل</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Too large to show: %1</source>
        <translation>أكبر من أن يُعرض: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>تتعذر قراءته: %1</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>تصدير سجل الحفظ</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>تم تصدير سجل الحفظ!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>فشل تصدير سجل الحفظ!</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>سجل الحفظ</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>فترات اليوم</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>سجل الأخطاء</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>الأدوات</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>أبج</translation>
    </message>
</context>
<context>
    <name>CabinetView</name>
    <message>
        <source>Zone %1: temperature probe open. Call service.</source>
        <translation>المنطقة %1: مسبار الحرارة مفتوح. اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>المنطقة %1: دائرة قصر في مسبار الحرارة. اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>المنطقة %1: ارتفاع حرارة السخان. اتصل بالصيانة.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>تم استيراد ملف Orvanta: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>إصدار الملف غير مدعوم: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>فشل استيراد ملف Orvanta: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>تم تصدير ملف Orvanta: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>فشل تصدير ملف Orvanta!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>تحديث &lt;b&gt;Orvanta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>لم يتم العثور على ملفات Orvanta!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>تصدير Orvanta</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>تصدير ملفات القائمة</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>فحص ذاكرة USB</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>عنوان IP السلكي</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>قناع الشبكة السلكية</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>البوابة السلكية</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>عنوان IP للواي فاي</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>قناع شبكة الواي فاي</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>بوابة الواي فاي</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>اسم الشبكة (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>عبارة المرور</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 ليس عنوان IPv4 صالحاً لجهاز.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 ليس قناع شبكة صالحاً.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>يجب ألا يحتوي %1 على فواصل أسطر.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>لا يجوز أن يكون %1 فارغاً والواي فاي مفعّل.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>إظهار</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>إخفاء</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 أطول من 32 بايت.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>يجب أن يتكون %1 من 8 إلى 63 حرفاً.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>جارٍ تطبيق إعدادات الشبكة...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>تم تطبيق إعدادات الشبكة.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>تعذّر إعادة تشغيل الشبكة.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>تعذّر حفظ الإعدادات. لم تتغير الشبكة.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>لم يُحفظ شيء.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>واي فاي</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>مُفعّل</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 للمؤسسات</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>لا توجد حالة من وكيل السحابة بعد.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>الهوية</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>عنوان ثابت</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>عنوان IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>قناع الشبكة</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>البوابة</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>مستوى الإشارة</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>آخر بحث</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>لم يتم العثور على شبكات</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>الشبكة السلكية</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>عنوان MAC</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>الاتصال بالسحابة</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>استعادة الشبكة الافتراضية</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>استعادة الشبكة الافتراضية؟</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة جداً.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
</context>
<context>
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>تهيئة اتصال الواي فاي؟&lt;br&gt;ستُعاد كتابة إعدادات الشبكة.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>جارٍ تطبيق إعدادات الشبكة...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>تم تطبيق إعدادات الشبكة.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>تعذّر إعادة تشغيل الشبكة.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>محاولات فاشلة كثيرة جداً.
اتصل بالصيانة.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>رمز PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>التقاط الشاشة</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>معلومات المنصة</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>معلومات المنصة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>لم يتم إعداد هذه الخزانة بعد.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>جارٍ مزامنة الشاشات</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>فترات اليوم</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>قبول</translation>
    </message>
</context>
<context>
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>تصدير سجل الأخطاء</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>تعذّر حفظ سجل الأخطاء في %1. تأكد من توصيل ذاكرة USB وأنها غير ممتلئة، ثم أعد المحاولة.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
</TS>
