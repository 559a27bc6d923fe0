<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Name nicht festgelegt</translation>
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
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Bildschirmreinigung</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Ungültiger Zeitwert</translation>
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
        <translation>Dauerhaft</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
</context>
</TS>
