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
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>SCARTARE</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Preriscaldamento</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>TEGLIA ERRATA</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Sovratemperatura dell'armadio</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Verificare che le prese d'aria siano libere e che l'armadio sia lontano da fonti di calore.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Errore di sistema:&lt;/b&gt;&lt;br&gt;Collegamento Modbus interrotto.</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostica zone</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Registro di mantenimento</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Resistenza inferiore</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Resistenza superiore</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Impostata</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Effettiva</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zona %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>Nessuna temperatura di zona disponibile</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro di mantenimento</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Ripiano</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Scartato</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Numero di record: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Mostra tutto</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Esporta registro di mantenimento</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Registro di mantenimento esportato!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Esportazione del registro di mantenimento non riuscita!</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Cattura schermata</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Info piattaforma</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Info piattaforma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
