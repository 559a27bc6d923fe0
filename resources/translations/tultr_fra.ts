<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Nom non défini</translation>
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
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound level</source>
        <translation>Volume sonore</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unité de température</translation>
    </message>
    <message>
        <source>Screen cleaning</source>
        <translation>Nettoyage de l'écran</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Toutes les</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Invalid time value</source>
        <translation>Valeur de temps non valide</translation>
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
        <translation>Continu</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>LanguagePage</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>JETER</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Préchauffage</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>MAUVAIS BAC</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Surchauffe de l'armoire</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Vérifiez que les grilles d'aération sont dégagées et que l'armoire est éloignée de toute source de chaleur.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Acquitter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Erreur système :&lt;/b&gt;&lt;br&gt;Liaison Modbus rompue.</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostic des zones</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Journal de maintien</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Résistance inférieure</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Résistance supérieure</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Réelle</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>Aucune température de zone pour l'instant</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Journal de maintien</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Étagère</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Jeté</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Nombre d'entrées : </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Exporter le journal de maintien</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Journal de maintien exporté !</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Échec de l'exportation du journal de maintien !</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Capture d'écran</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Infos plateforme</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Infos plateforme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
