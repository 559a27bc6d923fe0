<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Naam niet ingesteld</translation>
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
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Geluidsniveau</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperatuureenheid</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Schermreiniging</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Elke</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Ongeldige tijdwaarde</translation>
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
        <translation>Doorlopend</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepteren</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>WEGGOOIEN</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Voorverwarmen</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>VERKEERDE BAK</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Overtemperatuur van de kast</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Controleer of de ventilatieopeningen vrij zijn en de kast niet bij warmtebronnen staat.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Systeemfout:&lt;/b&gt;&lt;br&gt;Modbus-verbinding verbroken.</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zonediagnose</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Warmhoudlogboek</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Onderste verwarming</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Bovenste verwarming</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Werkelijk</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>Nog geen zonetemperaturen</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Warmhoudlogboek</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Plank</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Weggegooid</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Duur</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Aantal records: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alles tonen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Warmhoudlogboek exporteren</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Warmhoudlogboek geëxporteerd!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Exporteren van het warmhoudlogboek mislukt!</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Schermafbeelding maken</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Platforminfo</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Platforminfo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
