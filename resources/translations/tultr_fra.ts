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
</TS>
