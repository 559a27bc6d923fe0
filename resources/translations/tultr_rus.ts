<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Резервный шкаф № %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Шкаф выдачи № %1</translation>
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
        <translation>Использовать первым</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Разделённый вид</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Точки групп</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Части дня по зонам</translation>
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
        <translation>Цвета таймера</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Доп. настройки зон</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Звуки универсального лотка</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Звук утилизации</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Не удалось сохранить настройки.&lt;br&gt;Ничего не изменено.</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Не удалось сохранить настройки.&lt;br&gt;Ничего не изменено.</translation>
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
    <message>
        <source>FAULT</source>
        <translation>СБОЙ</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ВНИМАНИЕ</translation>
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
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Выполняется резервное копирование системы.&lt;br&gt;НЕ извлекайте USB и НЕ выключайте устройство</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Копирование файлов обновления прошивки...&lt;br&gt;НЕ извлекайте USB и НЕ выключайте устройство</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Диагностика зон</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Цвета и размеры</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Импорт/экспорт файлов</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Инициализировать Wi-Fi</translation>
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
    <message>
        <source>open</source>
        <translation>обрыв</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>замыкание</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Состояние регистрации:&lt;/b&gt; Не зарегистрировано</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Состояние регистрации:&lt;/b&gt; Идёт регистрация</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Состояние сертификата:&lt;/b&gt; Сертификат запрошен</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Состояние сертификата:&lt;/b&gt; Время запроса истекло, повтор...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Состояние сертификата:&lt;/b&gt; Сертификат получен</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Состояние сертификата:&lt;/b&gt; Время запроса истекло</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>Этот PIN-код # более низкого уровня: для этой блокировки нужен PIN-код # более высокого уровня.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Части дня</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Названия шкафов</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Параметры эко-режима</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Диагностика зон</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Журнал ошибок</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Журнал хранения</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Сведения о системе</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Утилиты</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервисную службу.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Все сервисные панели разблокированы!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>PIN-код менеджера сброшен.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Заблокировать</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>Вы действительно хотите сбросить&lt;br&gt;конфигурацию?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>Wi-Fi этого шкафа настраивает облачное подключение (LuMo).</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Эту страницу можно разблокировать только на основном дисплее.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Не удалось сбросить PIN# менеджера.&lt;br&gt;Действует прежний PIN#.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>PIN-код менеджера открывает страницы уровня 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Изменить PIN-код менеджера</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>НОВЫЙ PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>PIN-код менеджера изменён.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Не удалось сохранить новый PIN#.&lt;br&gt;Действует прежний PIN#.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI (основной)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI (дополнительный)</translation>
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
        <translation>Главная плата ввода-вывода</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>Плата ввода-вывода</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Ведомая плата ввода-вывода № %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Плата считывателя № 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Плата считывателя № 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Серийный №:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>№ модели:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>№ магазина:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>MAC-адрес:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>MD5 меню</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Напряжение питания</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Данные устройства</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Серийный №:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>№ модели:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>№ магазина:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Не удалось сохранить настройки.&lt;br&gt;Ничего не изменено.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Выберите ориентацию экрана.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Данные устройства</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Отсканируйте номер модели.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>№ модели:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Отсканируйте серийный номер.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Серийный №:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Ручная настройка</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Выберите группу клиента.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервисную службу.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Чтобы настроить модель, выберите номер&lt;br&gt;модели и нажмите «Настроить».</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Экранов: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>С какой стороны шкафа находится этот экран?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Основная сторона</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Другая сторона</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Сохранить выбранную конфигурацию?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Не удалось сохранить настройки.&lt;br&gt;Ничего не изменено.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Настройка устройства выполнена.&lt;br&gt;Перезапустите устройство.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>Не удалось настроить устройство.&lt;br&gt;Ничего не изменено.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Настройки устройства сброшены.&lt;br&gt;Перезапустите устройство.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Допустимо: от %1 до %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Тип дна</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Завтрак</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Отменить?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Сигнал «готовить ещё»</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Части дня</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Удалить группу</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Удалить продукт</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Пустые группы удалены</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ложное</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Скорость вентилятора</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Недопустимое имя группы!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Группа будет удалена из назначений&lt;br&gt;частей дня</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Группы</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Темп. хранения</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Время хранения</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Недопустимая температура хранения!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Недопустимое время хранения!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Недопустимое название продукта!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Недопустимое время сброса!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Недопустимое время предупреждения!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Тип крышки</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Нижняя температура</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Обед/Ужин</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Групп пока нет.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Продуктов пока нет.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Без цвета</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>В группу не добавлены продукты!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Редактирование продуктов недоступно,&lt;br&gt;пока работают таймеры!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Темп. продукта</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Продукт будет удалён из назначений&lt;br&gt;частей дня</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Продукт будет удалён из списка продуктов&lt;br&gt;групп(ы)</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Продукты</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Редактирование продуктов отменено&lt;br&gt;из-за работающих таймеров.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Убрать назначения ячеек?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Время сброса</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Сплошная</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Температуры</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>Меню заменено во время редактирования.&lt;br&gt;Несохранённые изменения отменены.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Цвет таймера</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервисную службу.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Верхняя температура</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>С вентиляцией</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Деление зоны</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Продукты можно изменять только на основном дисплее.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>Изменение продуктов отключено для этого шкафа.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Книга рецептов</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Часть дня</translation>
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
        <translation>12-часовой формат</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Время из сети (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Не удалось сохранить настройки.&lt;br&gt;Они действуют только до перезапуска шкафа.</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Номер шкафа</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Отображается как</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Не удалось сохранить настройки.&lt;br&gt;Они действуют только до перезапуска шкафа.</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Нагрев полки</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Нагрев выкл.</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Держать температуру</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Эко-температура</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Предлагать эко-режим</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>После простоя</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Время простоя</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минут</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>Эко-температура должна быть от %1 до %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>Время простоя должно быть от %1 до %2 минут.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не удалось сохранить настройки.</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Панели</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Выделенные панели</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Рамки</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Второстепенный текст</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Акцент</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Размер текста</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Размер заголовка</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Оттенок</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>Текст будет плохо читаться на этих цветах. Выберите более контрастные цвета.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не удалось сохранить настройки.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Вернуть цвета и размеры по умолчанию?</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Определение адреса EOL запущено&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Потеря связи с основным модулем ввода-вывода.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Истекло время настройки основного модуля ввода-вывода.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Ошибка настройки основного модуля ввода-вывода.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Короткое замыкание датчика температуры \3.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Обрыв датчика температуры \3.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Нагреватель \3: низкая температура.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Нагреватель \3: высокая температура.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Ошибка опорного сигнала датчика температуры \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Ошибка холодного спая \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Перегрев системы.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Перегрев нагревателя \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Зона \3 отключена. Слишком низкая температура.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Зона \3 отключена. Слишком высокая температура.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Потеря связи со вторым дисплеем.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Потеря связи с основным дисплеем.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Потеря связи с платой ввода-вывода \3.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Потеря связи с платой NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Соединение отклонено. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Удалённый узел закрыл соединение. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Узел не найден. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Ошибка доступа к сокету. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Ошибка ресурсов сокета. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Тайм-аут сокета.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Слишком большая датаграмма. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Ошибка сети. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Адрес уже используется. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Адрес сокета недоступен. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Неподдерживаемая операция сокета. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Прокси требует аутентификации. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Сбой согласования SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Незавершённая операция сокета. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Прокси отклонил соединение. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Прокси закрыл соединение. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Тайм-аут соединения с прокси. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Прокси не найден. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Ошибка протокола прокси. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Ошибка операции. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Внутренняя ошибка SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Недопустимые данные пользователя SSL. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Временная ошибка. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>Ошибка SDK LUMO.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Обработчик событий не задан.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Имя домена не задано.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Файл корневого ЦС пуст.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Не указано имя производителя.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Не указан номер модели.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Не указан серийный номер.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Не указан дескриптор устройства.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Не указан номер точки.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Серийный номер не буквенно-цифровой.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Неверный формат дескриптора устройства.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Не указан идентификатор ПО устройства.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>Не удалось запустить LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Не удалось опубликовать: тема не разрешена.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Не удалось подписаться: тема не разрешена.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Идентификатор и секретный ключ клиента истекли или отозваны.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Токен обновления истёк или отозван.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Непредвиденная неклассифицированная ошибка.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Общая ошибка TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Ошибка подключения к сокету TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Ошибка чтения из сокета TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Ошибка записи в сокет TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Общая ошибка HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Ошибка HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Ошибка HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Сбой подключения MQTT: ошибка имени узла SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Контрольная сумма загруженного файла не совпадает с указанной.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Не удаётся проверить подпись контрольной суммы.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Идентификатор ключа (kid) не ссылается ни на один ключ.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Сбой публикации или подписки: ping не прошёл.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Сбой инициализации устройства.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Попытка подключения к MQTT при уже существующем соединении.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Сбой публикации/подписки MQTT: разрыв или отсутствие соединения.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Неизвестная ошибка MQTT.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>Зона %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>Показана только последняя часть: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>Полный журнал ошибок шкафа хранится на основном дисплее.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Журнал ошибок</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Дата/время</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Число записей: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Первая запись: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Последняя запись: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Удаление всех журналов ошибок</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Продолжить или отменить</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Обновление меню</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Экспорт меню</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Заблокировать</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервисную службу.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
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
    <message>
        <source>Too large to show: %1</source>
        <translation>Слишком большой для показа: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Не удаётся прочитать: %1</translation>
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
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Журнал хранения</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Части дня</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Журнал ошибок</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Сервис</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>АБВ</translation>
    </message>
</context>
<context>
    <name>CabinetView</name>
    <message>
        <source>Zone %1: temperature probe open. Call service.</source>
        <translation>Зона %1: обрыв датчика температуры. Вызовите сервис.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Зона %1: короткое замыкание датчика температуры. Вызовите сервис.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Зона %1: перегрев нагревателя. Вызовите сервис.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Файл Orvanta импортирован: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Версия файла не поддерживается: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Ошибка импорта файла Orvanta: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Файл Orvanta экспортирован: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Ошибка экспорта файла Orvanta!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>Обновление &lt;b&gt;Orvanta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Файлы Orvanta не найдены!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Экспорт Orvanta</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Экспорт файлов меню</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Проверить USB-накопитель</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>IP-адрес (кабель)</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Маска сети (кабель)</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Шлюз (кабель)</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>IP-адрес (Wi-Fi)</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Маска сети (Wi-Fi)</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Шлюз (Wi-Fi)</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Имя сети (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Пароль сети</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 — недопустимый IPv4-адрес узла.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 — недопустимая маска сети.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 не должно содержать переносов строк.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 не может быть пустым при включённом Wi-Fi.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 длиннее 32 байт.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 должно содержать от 8 до 63 символов.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Применение сетевых настроек...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Сетевые настройки применены.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Не удалось перезапустить сеть.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>Не удалось сохранить настройки. Сеть не изменена.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 Enterprise</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Агент облака ещё не сообщил состояние.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Удостоверение</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Постоянный адрес</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Маска сети</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Шлюз</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Уровень сигнала</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Последний поиск</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>Сети не найдены</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Проводная сеть</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Связь с облаком</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Сбросить на сеть по умолчанию</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Сбросить на сеть по умолчанию?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервисную службу.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
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
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Инициализировать подключение Wi-Fi?&lt;br&gt;Сетевые настройки будут перезаписаны.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Применение сетевых настроек...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Сетевые настройки применены.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Не удалось перезапустить сеть.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Слишком много неудачных попыток.
Вызовите сервисную службу.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN-код #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
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
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Этот шкаф ещё не настроен.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Синхронизация дисплеев</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Части дня</translation>
    </message>
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
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Экспорт журнала ошибок</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>Не удалось записать журнал ошибок в %1. Проверьте, что USB-накопитель подключён и не заполнен, и повторите попытку.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
