<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Nome non impostato</translation>
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
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unità di temperatura</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Pulizia dello schermo</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Ogni</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Valore di tempo non valido</translation>
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
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accetta</translation>
    </message>
</context>
</TS>
