<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>Имя не задано</translation>
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
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Единица температуры</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Очистка экрана</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Каждые</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минут</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Недопустимое значение времени</translation>
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
        <translation>Непрерывно</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>ВЫБРОСИТЬ</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Разогрев</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>НЕ ТОТ ЛОТОК</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Перегрев шкафа</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Убедитесь, что вентиляционные отверстия свободны, а шкаф стоит вдали от источников тепла.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Подтвердить</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Системная ошибка:&lt;/b&gt;&lt;br&gt;Связь Modbus прервана.</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Диагностика зон</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Журнал хранения</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Нижний нагреватель</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Верхний нагреватель</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Зона</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Заданная</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Фактическая</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Зона %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>Температуры зон пока не получены</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Журнал хранения</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Полка</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Выброшено</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Количество записей: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Показать все</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Экспорт журнала хранения</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Журнал хранения экспортирован!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Не удалось экспортировать журнал хранения!</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Снимок экрана</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Сведения о платформе</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Сведения о платформе</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
