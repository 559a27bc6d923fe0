<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>لم يتم تعيين الاسم</translation>
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
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>تشخيص المناطق</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>سجل الحفظ</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
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
</TS>
