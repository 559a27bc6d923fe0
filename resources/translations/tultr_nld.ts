<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Reservekast nr. %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Uitgiftekast nr. %1</translation>
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
        <translation>Eerst gebruiken</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Gesplitste weergave</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Groepsstippen</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Lettergrootte</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Dagdelen per zone</translation>
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
        <translation>Timerkleuren</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Geavanceerde zoneopties</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Geluiden universele bak</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Weggooigeluid</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>De instellingen konden niet worden opgeslagen.&lt;br&gt;Er is niets gewijzigd.</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>De instellingen konden niet worden opgeslagen.&lt;br&gt;Er is niets gewijzigd.</translation>
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
    <message>
        <source>FAULT</source>
        <translation>STORING</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WAARSCHUWING</translation>
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
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Systeemback-up bezig.&lt;br&gt;Koppel de USB NIET los en schakel het apparaat NIET uit</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Firmware-updatebestanden worden gekopieerd...&lt;br&gt;Koppel de USB NIET los en schakel het apparaat NIET uit</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zonediagnose</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Kleuren en groottes</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Bestanden importeren/exporteren</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Wifi-verbinding initialiseren</translation>
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
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>kortgesloten</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Provisioningstatus:&lt;/b&gt; Niet geprovisioneerd</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Provisioningstatus:&lt;/b&gt; Bezig met provisioning</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Certificaat aangevraagd</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Time-out van de aanvraag, opnieuw proberen...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Certificaat ontvangen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Certificaatstatus:&lt;/b&gt; Time-out van de aanvraag</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>Deze PIN # is van een lager niveau: dit slot vraagt de PIN # van een hoger niveau.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Datum en tijd</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Dagdelen</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Kastnamen</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Opties ecomodus</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Wifi-netwerk</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zonediagnose</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Foutenlogboek</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Warmhoudlogboek</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeeminformatie</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Hulpprogramma's</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Alle servicepanelen ontgrendeld!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>De pincode van de manager is hersteld.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Vergrendelen</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Ontgrendelen</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>Weet u zeker dat u de configuratie&lt;br&gt;wilt herstellen?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>De cloudverbinding (LuMo) stelt de wifi van deze kast in.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Deze pagina kan alleen op het hoofdscherm worden ontgrendeld.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>De PIN# van de manager kon niet worden hersteld.&lt;br&gt;De oude PIN# blijft geldig.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>De pincode van de manager opent de pagina's van niveau 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Pincode manager wijzigen</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NIEUWE PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>De pincode van de manager is gewijzigd.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>De nieuwe PIN# kon niet worden opgeslagen.&lt;br&gt;De oude PIN# blijft geldig.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI (primair)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI (secundair)</translation>
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
        <translation>Hoofd-I/O-kaart</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>I/O-kaart</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Neven-I/O-kaart nr. %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Lezerkaart nr. 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Lezerkaart nr. 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Serienr.:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Modelnr.:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Filiaalnr.:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>MAC-adres:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>Menu-MD5</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Voedingsspanning</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Apparaatgegevens</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Serienr.:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Modelnr.:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Filiaalnr.:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepteren</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>De instellingen konden niet worden opgeslagen.&lt;br&gt;Er is niets gewijzigd.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Kies de stand van het scherm.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Apparaatgegevens</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Scan het modelnummer.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Modelnr.:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Scan het serienummer.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Serienr.:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Handmatige configuratie</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepteren</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Kies de klantgroep.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Kies het modelnummer om het model te configureren&lt;br&gt;en tik op Configureren.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Schermen: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configureren</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>Aan welke kant van de kast zit dit scherm?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Hoofdzijde</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Andere zijde</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Gekozen configuratie opslaan?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>De instellingen konden niet worden opgeslagen.&lt;br&gt;Er is niets gewijzigd.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuratie van het apparaat gelukt.&lt;br&gt;Start het apparaat opnieuw.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>Configuratie van het apparaat mislukt.&lt;br&gt;Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuratie van het apparaat hersteld.&lt;br&gt;Start het apparaat opnieuw.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Accepteren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Toegestaan: %1 tot %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Type bodem</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Ontbijt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Annuleren?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Melding meer bereiden</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Dagdelen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Groep verwijderen</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Product verwijderen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Lege groepen worden verwijderd</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Vals</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Ventilatorsnelheid</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>De groep heeft een ongeldige naam!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>De groep wordt verwijderd uit de toewijzingen&lt;br&gt;van de dagdelen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Houdtemp.</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Houdtijd</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Ongeldige houdtemperatuur!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Ongeldige houdtijd!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Ongeldige productnaam!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Ongeldige resettijd!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Ongeldige waarschuwingstijd!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Type deksel</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Lagere temperatuur</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Lunch/Diner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Nog geen groepen.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Nog geen producten.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Geen kleur</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>Er zijn geen producten aan de groep toegevoegd!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Producten bewerken niet mogelijk&lt;br&gt;zolang timers lopen!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Producttemp.</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Het product wordt verwijderd uit de toewijzingen&lt;br&gt;van de dagdelen</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Het product wordt verwijderd uit de productlijst&lt;br&gt;van de groep(en)</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Producten</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Producten bewerken geannuleerd&lt;br&gt;omdat er timers lopen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Toewijzingen van de vakken verwijderen?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Resettijd</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Dicht</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturen</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>Het menu is vervangen terwijl het kookboek open was.&lt;br&gt;Niet-opgeslagen wijzigingen zijn vervallen.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Timerkleur</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de service.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Hogere temperatuur</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Geventileerd</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Zoneverdeling</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Producten kunnen alleen op het hoofdscherm worden bewerkt.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>Producten bewerken is uitgeschakeld voor deze kast.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Kookboek</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Dagdeel</translation>
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
        <translation>12-uursklok</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Zomertijd</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Netwerktijd (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>De instellingen konden niet worden opgeslagen.&lt;br&gt;Ze gelden alleen tot de kast opnieuw start.</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Kastnummer</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Weergegeven als</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>De instellingen konden niet worden opgeslagen.&lt;br&gt;Ze gelden alleen tot de kast opnieuw start.</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Plankverwarming</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Verwarming uit</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Temperatuur houden</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Eco-temperatuur</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Eco-modus voorstellen</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>Na inactiviteit</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Inactieve tijd</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>De eco-temperatuur moet tussen %1 en %2 liggen.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>De inactieve tijd moet tussen %1 en %2 minuten liggen.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>De instellingen konden niet worden opgeslagen.</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Panelen</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Verhoogde panelen</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Randen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Secundaire tekst</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Accent</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Knoppen</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tekstgrootte</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Titelgrootte</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tint</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Verzadiging</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helderheid</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>Tekst zou op deze kleuren slecht leesbaar zijn. Kies kleuren die meer verschillen.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>De instellingen konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Standaardkleuren en -groottes herstellen?</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL-adresdetectie gestart&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Communicatie met hoofd-I/O verbroken.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Time-out bij configuratie van hoofd-I/O.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Fout bij configuratie van hoofd-I/O.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Temperatuursensor \3 kortgesloten.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Temperatuursensor \3 open.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Verwarming \3: temperatuur te laag.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Verwarming \3: temperatuur te hoog.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Referentiefout temperatuursensor \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Fout koude las \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Oververhitting van het systeem.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Oververhitting van verwarming \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 uitgeschakeld. Temperatuur te laag.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 uitgeschakeld. Temperatuur te hoog.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Communicatie met tweede scherm verbroken.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Communicatie met hoofdscherm verbroken.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Communicatie met I/O-kaart \3 verbroken.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Communicatie met NFC-kaart \2 verbroken.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Verbinding geweigerd. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Externe host heeft de verbinding gesloten. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host niet gevonden. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Socket-toegangsfout. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Socket-resourcefout. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Socket-time-out.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagram te groot. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Netwerkfout. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adres al in gebruik. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Socketadres niet beschikbaar. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Niet-ondersteunde socketbewerking. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Proxy vereist authenticatie. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL-handshake mislukt. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Socketbewerking niet voltooid. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Proxy heeft de verbinding geweigerd. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Proxy heeft de verbinding gesloten. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Time-out van proxyverbinding. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy niet gevonden. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Proxyprotocolfout. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Bewerkingsfout. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Interne SSL-fout. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Ongeldige SSL-gebruikersgegevens. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Tijdelijke fout. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>LUMO SDK-fout.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Geen gebeurtenisafhandeling ingesteld.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Geen domeinnaam ingesteld.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Basis-CA-bestand ontbreekt.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Fabrikantnaam ontbreekt.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Modelnummer ontbreekt.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Serienummer ontbreekt.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Apparaatbeschrijving ontbreekt.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Locatienummer ontbreekt.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Serienummer is niet alfanumeriek.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Indeling van apparaatbeschrijving onjuist.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Software-ID van apparaat ontbreekt.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>LuMo kon niet worden gestart.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Publiceren mislukt: onderwerp niet toegestaan.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Abonneren mislukt: onderwerp niet toegestaan.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Client-ID en geheime sleutel zijn verlopen of ingetrokken.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Vernieuwingstoken is verlopen of ingetrokken.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Onverwachte, niet-geclassificeerde fout.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Algemene TCP/IP-fout.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Fout bij verbinden met TCP/IP-socket.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Fout bij lezen van TCP/IP-socket.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Fout bij schrijven naar TCP/IP-socket.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Algemene HTTP-fout.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Fout bij HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Fout bij HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>MQTT-verbinding mislukt: SSL-hostnaamfout.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>De controlesom van het gedownloade bestand komt niet overeen met de opgegeven.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>De handtekening van de controlesom kan niet worden gevalideerd.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>De sleutel-ID (kid) verwijst naar geen sleutel.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Publiceren of abonneren mislukt: ping mislukt.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Initialisatie van apparaat mislukt.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Poging tot MQTT-verbinding terwijl er al een verbinding is.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>MQTT publiceren/abonneren mislukt door verbroken of mislukte verbinding.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Onbekende MQTT-fout.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Onbekende fout.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>Alleen het nieuwste deel wordt getoond van: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>Het volledige foutenlogboek van de kast staat op het hoofdscherm.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Foutenlogboek</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Tijd</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Aantal records: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Eerste record: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Laatste record: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Alle foutenlogboeken wissen</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Doorgaan of annuleren</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Menu bijwerken</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Menu exporteren</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Vergrendelen</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Ontgrendelen</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
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
    <message>
        <source>Too large to show: %1</source>
        <translation>Te groot om te tonen: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Niet leesbaar: %1</translation>
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
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Warmhoudlogboek</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Dagdelen</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Foutenlogboek</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Hulpmiddelen</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
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
        <translation>Zone %1: temperatuursensor open. Bel de service.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Zone %1: temperatuursensor kortgesloten. Bel de service.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Zone %1: verwarming te heet. Bel de service.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Orvanta-bestand geïmporteerd: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Bestandsversie wordt niet ondersteund: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Importeren van Orvanta-bestand mislukt: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Orvanta-bestand geëxporteerd: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Exporteren van Orvanta-bestand mislukt!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Orvanta&lt;/b&gt;-update</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Geen Orvanta-bestanden gevonden!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Orvanta-export</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Menubestanden exporteren</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>USB-stick controleren</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>IP-adres (kabel)</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Netmasker (kabel)</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Gateway (kabel)</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>IP-adres (wifi)</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Netmasker (wifi)</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Gateway (wifi)</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Netwerknaam (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Wachtwoordzin</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 is geen geldig IPv4-hostadres.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 is geen geldig netmasker.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 mag geen regeleinden bevatten.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 mag niet leeg zijn als wifi is ingeschakeld.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 is langer dan 32 bytes.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 moet 8 tot 63 tekens lang zijn.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Netwerkinstellingen worden toegepast...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Netwerkinstellingen toegepast.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Het netwerk kon niet opnieuw worden gestart.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>De instellingen konden niet worden opgeslagen. Het netwerk is niet gewijzigd.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wifi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2-Enterprise</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Nog geen status van de cloudagent.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identiteit</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Vast adres</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-adres</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netmasker</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Signaalsterkte</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Laatste scan</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>Geen netwerken gevonden</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Bekabeld netwerk</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-adres</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Cloudverbinding</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Standaardnetwerk herstellen</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Standaardnetwerk herstellen?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
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
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Wifi-verbinding initialiseren?&lt;br&gt;De netwerkinstellingen worden overschreven.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Netwerkinstellingen worden toegepast...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Netwerkinstellingen toegepast.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Het netwerk kon niet opnieuw worden gestart.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Te veel mislukte pogingen.
Bel de service.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
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
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Deze kast is nog niet ingesteld.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Schermen worden gesynchroniseerd</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Dagdelen</translation>
    </message>
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
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Foutenlogboek exporteren</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>Het foutenlogboek kon niet naar %1 worden geschreven. Controleer of de USB-stick is aangesloten en niet vol is en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
</TS>
