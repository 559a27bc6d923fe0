<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Szafa rezerwowa nr %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Szafa wydawcza nr %1</translation>
    </message>
    <message>
        <source>Name Not Set</source>
        <translation>Nazwa nieustawiona</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>Use first</source>
        <translation>Użyj najpierw</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Widok dzielony</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Kropki grup</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Pory dnia dla stref</translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Jednostka temperatury</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Czyszczenie ekranu</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Nieprawidłowa wartość czasu</translation>
    </message>
    <message>
        <source>Timer colors</source>
        <translation>Kolory timera</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Zaawansowane opcje stref</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Dźwięki pojemnika uniwersalnego</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Dźwięk wyrzucenia</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Ciągły</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Nie udało się zapisać ustawień.&lt;br&gt;Nic nie zmieniono.</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Nie udało się zapisać ustawień.&lt;br&gt;Nic nie zmieniono.</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>WYRZUĆ</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Nagrzewanie</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>ZŁY POJEMNIK</translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation>AWARIA</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>UWAGA</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Przegrzanie szafy</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Sprawdź, czy otwory wentylacyjne są drożne, a szafa stoi z dala od źródeł ciepła.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Potwierdź</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Błąd systemu:&lt;/b&gt;&lt;br&gt;Zerwane połączenie Modbus.</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Trwa kopia zapasowa systemu.&lt;br&gt;NIE odłączaj USB i NIE wyłączaj urządzenia</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Kopiowanie plików aktualizacji oprogramowania...&lt;br&gt;NIE odłączaj USB i NIE wyłączaj urządzenia</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostyka stref</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Kolory i rozmiary</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Import/eksport plików</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Zainicjuj połączenie Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Grzałka dolna</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Grzałka górna</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Strefa</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Zadana</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Rzeczywista</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Strefa %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>Brak temperatur stref</translation>
    </message>
    <message>
        <source>open</source>
        <translation>rozwarta</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>zwarcie</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Stan rejestracji:&lt;/b&gt; Niezarejestrowano</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Stan rejestracji:&lt;/b&gt; Trwa rejestracja</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; Zażądano certyfikatu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; Przekroczono czas żądania, ponawianie...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; Otrzymano certyfikat</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Stan certyfikatu:&lt;/b&gt; Przekroczono czas żądania</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>Ten PIN # ma niższy poziom: ta blokada wymaga PIN # wyższego poziomu.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Pory dnia</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Nazwy szaf</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Opcje trybu eko</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Sieć Wi-Fi</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostyka stref</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Dziennik błędów</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Dziennik przechowywania</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Wszystkie panele serwisowe odblokowane!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>PIN kierownika został zresetowany.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zablokuj</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odblokuj</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>Czy na pewno zresetować&lt;br&gt;konfigurację?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>Połączenie z chmurą (LuMo) konfiguruje Wi-Fi tej szafy.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Tę stronę można odblokować tylko na głównym wyświetlaczu.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Nie udało się zresetować PIN# kierownika.&lt;br&gt;Obowiązuje dotychczasowy PIN#.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>PIN kierownika otwiera strony poziomu 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Zmień PIN kierownika</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NOWY PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>PIN kierownika został zmieniony.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Nie udało się zapisać nowego PIN#.&lt;br&gt;Obowiązuje dotychczasowy PIN#.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI (główny)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI (dodatkowy)</translation>
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
        <translation>Główna płyta we/wy</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>Płyta we/wy</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Podrzędna płyta we/wy nr %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Płyta czytnika nr 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Płyta czytnika nr 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Nr seryjny:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Nr modelu:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Nr sklepu:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>Adres MAC:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>MD5 menu</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Napięcie zasilania</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Dane urządzenia</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Nr seryjny:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Nr modelu:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Nr sklepu:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Nie udało się zapisać ustawień.&lt;br&gt;Nic nie zmieniono.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Wybierz orientację ekranu.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Poziomo</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Pionowo</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Dane urządzenia</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Zeskanuj numer modelu.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Nr modelu:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Zeskanuj numer seryjny.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Nr seryjny:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Konfiguracja ręczna</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Wybierz grupę klienta.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Aby skonfigurować model, wybierz numer&lt;br&gt;modelu i dotknij Konfiguruj.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Ekrany: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Konfiguruj</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>Po której stronie szafy jest ten ekran?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Strona główna</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Druga strona</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Zapisać wybraną konfigurację?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Nie udało się zapisać ustawień.&lt;br&gt;Nic nie zmieniono.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Konfiguracja urządzenia zakończona.&lt;br&gt;Uruchom urządzenie ponownie.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>Konfiguracja urządzenia nie powiodła się.&lt;br&gt;Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Konfiguracja urządzenia zresetowana.&lt;br&gt;Uruchom urządzenie ponownie.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Dozwolone: od %1 do %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Rodzaj dna</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Śniadanie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Anulować?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Alert dogotowania</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Pory dnia</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Usunąć grupę</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Usunąć produkt</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Puste grupy zostały usunięte</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Fałszywe</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Prędkość wentylatora</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Grupa ma nieprawidłową nazwę!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Grupa zostanie usunięta z przypisań&lt;br&gt;pór dnia</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupy</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. utrzymania</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Czas utrzymania</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Nieprawidłowa temperatura utrzymania!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Nieprawidłowy czas utrzymania!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nieprawidłowa nazwa produktu!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Nieprawidłowy czas resetu!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Nieprawidłowy czas ostrzeżenia!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Rodzaj pokrywy</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura dolna</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Obiad/Kolacja</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Brak grup.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Brak produktów.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Bez koloru</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>Do grupy nie dodano produktów!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalne</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Edycja produktów niedostępna,&lt;br&gt;gdy działają liczniki!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. produktu</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Produkt zostanie usunięty z przypisań&lt;br&gt;pór dnia</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Produkt zostanie usunięty z listy produktów&lt;br&gt;grup(y)</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkty</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Edycja produktów anulowana&lt;br&gt;z powodu działających liczników.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Usunąć przypisania komór?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Czas resetu</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Powrót</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pełna</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperatury</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>Menu zostało zastąpione podczas edycji.&lt;br&gt;Niezapisane zmiany zostały odrzucone.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Kolor licznika</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Temperatura górna</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Wentylowana</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Podział strefy</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Produkty można edytować tylko na głównym wyświetlaczu.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>Edycja produktów jest wyłączona w tej szafie.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Książka kucharska</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Pora dnia</translation>
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
        <translation>Zegar 12-godzinny</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Czas sieciowy (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Nie udało się zapisać ustawień.&lt;br&gt;Obowiązują tylko do ponownego uruchomienia szafy.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Numer szafy</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Wyświetlane jako</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Nie udało się zapisać ustawień.&lt;br&gt;Obowiązują tylko do ponownego uruchomienia szafy.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Grzanie półki</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Grzałka wył.</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Utrzymuj temperaturę</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Temperatura eko</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Proponuj tryb eko</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>Po bezczynności</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Czas bezczynności</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minut</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>Temperatura eko musi wynosić od %1 do %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>Czas bezczynności musi wynosić od %1 do %2 minut.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie udało się zapisać ustawień.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Panele</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Panele wyróżnione</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Obramowania</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Tekst dodatkowy</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Akcent</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Przyciski</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Rozmiar tekstu</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Rozmiar tytułu</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Odcień</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Nasycenie</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>Tekst byłby trudny do odczytania na tych kolorach. Wybierz bardziej różne kolory.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie udało się zapisać ustawień.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Przywrócić domyślne kolory i rozmiary?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rozpoczęto wykrywanie adresu EOL&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Utrata komunikacji z głównym modułem I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Przekroczono czas konfiguracji głównego modułu I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Błąd konfiguracji głównego modułu I/O.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Czujnik temperatury \3 zwarty.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Czujnik temperatury \3 rozwarty.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Grzałka \3: za niska temperatura.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Grzałka \3: za wysoka temperatura.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Błąd odniesienia czujnika temperatury \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Błąd zimnego złącza \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Przegrzanie systemu.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Przegrzanie grzałki \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Strefa \3 wyłączona. Za niska temperatura.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Strefa \3 wyłączona. Za wysoka temperatura.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Utrata komunikacji z drugim wyświetlaczem.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Utrata komunikacji z głównym wyświetlaczem.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Utrata komunikacji z płytą I/O \3.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Utrata komunikacji z płytą NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Połączenie odrzucone. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Zdalny host zamknął połączenie. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Nie znaleziono hosta. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Błąd dostępu do gniazda. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Błąd zasobów gniazda. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Przekroczono czas gniazda.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Zbyt duży datagram. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Błąd sieci. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adres jest w użyciu. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Adres gniazda niedostępny. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Nieobsługiwana operacja gniazda. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Serwer proxy wymaga uwierzytelnienia. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Niepowodzenie uzgadniania SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Niezakończona operacja gniazda. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Serwer proxy odrzucił połączenie. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Serwer proxy zamknął połączenie. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Przekroczono czas połączenia z proxy. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Nie znaleziono serwera proxy. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Błąd protokołu proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Błąd operacji. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Wewnętrzny błąd SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Nieprawidłowe dane użytkownika SSL. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Błąd tymczasowy. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>Błąd SDK LUMO.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Nie ustawiono obsługi zdarzeń.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nie ustawiono nazwy domeny.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Brak pliku głównego urzędu CA.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Brak nazwy producenta.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Brak numeru modelu.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Brak numeru seryjnego.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Brak deskryptora urządzenia.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Brak numeru lokalizacji.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Numer seryjny nie jest alfanumeryczny.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Nieprawidłowy format deskryptora urządzenia.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Brak identyfikatora oprogramowania urządzenia.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>Nie udało się uruchomić LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Publikacja nieudana: nieautoryzowany temat.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Subskrypcja nieudana: nieautoryzowany temat.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Identyfikator i klucz tajny klienta wygasły lub zostały unieważnione.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Token odświeżania wygasł lub został unieważniony.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Nieoczekiwany niesklasyfikowany błąd.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Ogólny błąd TCP/IP.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Błąd łączenia z gniazdem TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Błąd odczytu z gniazda TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Błąd zapisu do gniazda TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Ogólny błąd HTTP.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Błąd HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Błąd HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Połączenie MQTT nieudane: błąd nazwy hosta SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Suma kontrolna pobranego pliku nie zgadza się z podaną.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Nie można zweryfikować podpisu sumy kontrolnej.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Identyfikator klucza (kid) nie wskazuje żadnego klucza.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Publikacja lub subskrypcja nieudana: błąd pingu.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Inicjalizacja urządzenia nieudana.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Próba połączenia MQTT przy istniejącym połączeniu.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Publikacja/subskrypcja MQTT nieudana: rozłączenie lub brak połączenia.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Nieznany błąd MQTT.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Nieznany błąd.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>Strefa %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>Pokazano tylko najnowszą część: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>Pełny dziennik błędów szafy jest przechowywany na głównym wyświetlaczu.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Dziennik błędów</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Godzina</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Liczba wpisów: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Pierwszy wpis: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Ostatni wpis: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Usuwanie wszystkich dzienników błędów</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Kontynuuj lub anuluj</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Aktualizacja menu</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Eksport menu</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Zablokuj</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odblokuj</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Dziennik przechowywania</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Półka</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Wyrzucono</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Liczba wpisów: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Pokaż wszystko</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Too large to show: %1</source>
        <translation>Za duży, aby go pokazać: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Nie można odczytać: %1</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Eksportuj dziennik przechowywania</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Dziennik przechowywania wyeksportowany!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Eksport dziennika przechowywania nie powiódł się!</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Dziennik przechowywania</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Pory dnia</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Dziennik błędów</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Narzędzia</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
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
        <translation>Strefa %1: czujnik temperatury rozwarty. Wezwij serwis.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Strefa %1: zwarcie czujnika temperatury. Wezwij serwis.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Strefa %1: przegrzanie grzałki. Wezwij serwis.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Zaimportowano plik Orvanta: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Nieobsługiwana wersja pliku: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Import pliku Orvanta nie powiódł się: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Wyeksportowano plik Orvanta: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Eksport pliku Orvanta nie powiódł się!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>Aktualizacja &lt;b&gt;Orvanta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Nie znaleziono plików Orvanta!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Eksport Orvanta</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Eksportuj pliki menu</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Sprawdź pamięć USB</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>Adres IP (przewodowy)</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Maska sieci (przewodowa)</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Brama (przewodowa)</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Adres IP (Wi-Fi)</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Maska sieci (Wi-Fi)</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Brama (Wi-Fi)</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Nazwa sieci (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 nie jest prawidłowym adresem IPv4 hosta.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 nie jest prawidłową maską sieci.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 nie może zawierać podziałów wiersza.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 nie może być puste przy włączonym Wi-Fi.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 ma więcej niż 32 bajty.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 musi mieć od 8 do 63 znaków.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Stosowanie ustawień sieci...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Ustawienia sieci zastosowane.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Nie udało się ponownie uruchomić sieci.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>Nie udało się zapisać ustawień. Sieć nie została zmieniona.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 Enterprise</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Brak jeszcze stanu od agenta chmury.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Tożsamość</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Stały adres</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maska sieci</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Brama</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Poziom sygnału</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Ostatnie skanowanie</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>Nie wykryto sieci</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Sieć przewodowa</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Adres MAC</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Połączenie z chmurą</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Przywróć sieć domyślną</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Przywrócić sieć domyślną?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
</context>
<context>
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Zainicjować połączenie Wi-Fi?&lt;br&gt;Ustawienia sieci zostaną zapisane od nowa.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Stosowanie ustawień sieci...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Ustawienia sieci zastosowane.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Nie udało się ponownie uruchomić sieci.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zbyt wiele nieudanych prób.
Wezwij serwis.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Zrzut ekranu</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Informacje o platformie</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Informacje o platformie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Ta szafa nie jest jeszcze skonfigurowana.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Synchronizacja wyświetlaczy</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Pory dnia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
</context>
<context>
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Eksportuj dziennik błędów</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>Nie można zapisać dziennika błędów w %1. Sprawdź, czy pamięć USB jest podłączona i nie jest pełna, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
</TS>
