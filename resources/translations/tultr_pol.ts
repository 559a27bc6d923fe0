<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Nazwa nieustawiona</translation>
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
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostyka stref</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Dziennik przechowywania</translation>
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
</TS>
