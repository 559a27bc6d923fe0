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
</TS>
