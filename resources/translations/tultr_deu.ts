<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Reserveschrank Nr. %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Ausgabeschrank Nr. %1</translation>
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
        <translation>Zuerst verwenden</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Geteilte Ansicht</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Gruppenpunkte</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Tageszeiten je Zone</translation>
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
        <translation>Timerfarben</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Erweiterte Zonenoptionen</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Töne für Universalschalen</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Entsorgungston</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.&lt;br&gt;Es wurde nichts geändert.</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.&lt;br&gt;Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>BinItem</name>
    <message>
        <source>DISCARD</source>
        <translation>ENTSORGEN</translation>
    </message>
    <message>
        <source>Preheating</source>
        <translation>Vorheizen</translation>
    </message>
    <message>
        <source>WRONG PAN</source>
        <translation>FALSCHE SCHALE</translation>
    </message>
    <message>
        <source>FAULT</source>
        <translation>STÖRUNG</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
</context>
<context>
    <name>OverTempDialog</name>
    <message>
        <source>Cabinet over temperature</source>
        <translation>Übertemperatur im Schrank</translation>
    </message>
    <message>
        <source>Check that the vents are clear and that the cabinet stands away from heat sources.</source>
        <translation>Prüfen Sie, ob die Lüftungsöffnungen frei sind und der Schrank nicht neben Wärmequellen steht.</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Quittieren</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>&lt;b&gt;System Error:&lt;/b&gt;&lt;br&gt;Modbus Link Broken.</source>
        <translation>&lt;b&gt;Systemfehler:&lt;/b&gt;&lt;br&gt;Modbus-Verbindung unterbrochen.</translation>
    </message>
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Systemsicherung läuft.&lt;br&gt;USB-Stick NICHT abziehen und Gerät NICHT ausschalten</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Firmware-Updatedateien werden kopiert...&lt;br&gt;USB-Stick NICHT abziehen und Gerät NICHT ausschalten</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zonendiagnose</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Farben und Größen</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Dateien importieren/exportieren</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>WLAN-Verbindung initialisieren</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Lower heater</source>
        <translation>Untere Heizung</translation>
    </message>
    <message>
        <source>Upper heater</source>
        <translation>Obere Heizung</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Ist</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>No zone temperatures yet</source>
        <translation>Noch keine Zonentemperaturen</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>kurzgeschlossen</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Bereitstellungsstatus:&lt;/b&gt; Nicht bereitgestellt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Bereitstellungsstatus:&lt;/b&gt; Wird bereitgestellt</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zertifikat angefordert</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zeitüberschreitung der Anforderung, neuer Versuch...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zertifikat erhalten</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Zertifikatsstatus:&lt;/b&gt; Zeitüberschreitung der Anforderung</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>Diese PIN # hat eine niedrigere Stufe: Diese Sperre braucht die PIN # einer höheren Stufe.</translation>
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
        <translation>Nein</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Tageszeiten</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Schranknamen</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Öko-Modus-Optionen</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>WLAN-Netzwerk</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Zonendiagnose</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Warmhalteprotokoll</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Dienstprogramme</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Rufen Sie den Kundendienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Alle Servicebereiche entsperrt!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>Die Manager-PIN wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>Möchten Sie die Konfiguration&lt;br&gt;wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>Die Cloud-Verbindung (LuMo) richtet das WLAN dieses Schranks ein.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Diese Seite kann nur am Hauptdisplay entsperrt werden.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Die Manager-PIN# konnte nicht zurückgesetzt werden.&lt;br&gt;Die alte PIN# gilt weiter.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>Die Manager-PIN öffnet die Seiten der Stufe 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Manager-PIN ändern</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NEUE PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>Die Manager-PIN wurde geändert.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Die neue PIN# konnte nicht gespeichert werden.&lt;br&gt;Die alte PIN# gilt weiter.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI (primär)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI (sekundär)</translation>
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
        <translation>E/A-Hauptplatine</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>E/A-Platine</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>E/A-Nebenplatine Nr. %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Leseplatine Nr. 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Leseplatine Nr. 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Seriennr.:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Modellnr.:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Filialnr.:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>MAC-Adr.:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>Menü-MD5</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Versorgungsspannung</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Gerätedaten</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Seriennr.:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Modellnr.:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>Filialnr.:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.&lt;br&gt;Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Wählen Sie die Ausrichtung der Anzeige.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Gerätedaten</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Modellnummer scannen.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>Modellnr.:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Seriennummer scannen.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>Seriennr.:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Manuelle Konfiguration</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Wählen Sie die Kundengruppe.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Rufen Sie den Kundendienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Zum Konfigurieren die Modellnummer wählen&lt;br&gt;und auf Konfigurieren tippen.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Anzeigen: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>Auf welcher Seite des Schranks ist diese Anzeige?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Hauptseite</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Andere Seite</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Gewählte Konfiguration speichern?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.&lt;br&gt;Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Gerätekonfiguration erfolgreich.&lt;br&gt;Starten Sie das Gerät neu.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>Gerätekonfiguration fehlgeschlagen.&lt;br&gt;Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Gerätekonfiguration zurückgesetzt.&lt;br&gt;Starten Sie das Gerät neu.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Zulässig: %1 bis %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Bodenart</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Abbrechen?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Nachgar-Hinweis</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Tageszeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Produkt löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Leere Gruppen werden gelöscht</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Lüfterdrehzahl</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Die Gruppe hat einen ungültigen Namen!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Die Gruppe wird aus den Zuordnungen&lt;br&gt;der Tageszeiten entfernt</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Haltetemp.</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Ungültige Haltetemperatur!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Ungültige Haltezeit!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Ungültiger Produktname!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Ungültige Rücksetzzeit!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Ungültige Hinweiszeit!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Deckelart</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Untere Temperatur</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Mittag-/Abendessen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Noch keine Gruppen.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Noch keine Produkte.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Keine Farbe</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>Der Gruppe wurden keine Produkte hinzugefügt!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Produktbearbeitung nicht möglich,&lt;br&gt;solange Timer laufen!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Produkttemp.</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Das Produkt wird aus den Zuordnungen&lt;br&gt;der Tageszeiten entfernt</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Das Produkt wird aus der Produktliste&lt;br&gt;der Gruppe(n) entfernt</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Produktbearbeitung abgebrochen,&lt;br&gt;da Timer laufen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Zuordnungen der Fächer entfernen?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Rücksetzzeit</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperaturen</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>Das Menü wurde bei geöffnetem Kochbuch ersetzt.&lt;br&gt;Nicht gespeicherte Änderungen wurden verworfen.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Timerfarbe</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Rufen Sie den Kundendienst.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Obere Temperatur</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Belüftet</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Zonenaufteilung</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Produkte können nur am Hauptdisplay bearbeitet werden.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>Die Produktbearbeitung ist für diesen Schrank ausgeschaltet.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Kochbuch</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Tageszeit</translation>
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
        <translation>12-Stunden-Uhr</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Netzwerkzeit (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.&lt;br&gt;Sie gelten nur bis zum Neustart des Schranks.</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Schranknummer</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Angezeigt als</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.&lt;br&gt;Sie gelten nur bis zum Neustart des Schranks.</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Fachheizung</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Heizung aus</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Temperatur halten</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Eco-Temperatur</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Eco-Modus vorschlagen</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>Nach Ruhezeit</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>Die Eco-Temperatur muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>Die Ruhezeit muss zwischen %1 und %2 Minuten liegen.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Flächen</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Erhöhte Flächen</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Nebentext</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Akzent</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Titelgröße</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>Text wäre auf diesen Farben schwer lesbar. Wählen Sie stärker unterschiedliche Farben.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Standardfarben und -größen wiederherstellen?</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;EOL-Adresserkennung gestartet&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Kommunikation zur Haupt-E/A unterbrochen.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Zeitüberschreitung bei der Konfiguration der Haupt-E/A.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Fehler bei der Konfiguration der Haupt-E/A.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Temperaturfühler \3 kurzgeschlossen.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Temperaturfühler \3 unterbrochen.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Heizung \3: Temperatur zu niedrig.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Heizung \3: Temperatur zu hoch.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Referenzfehler des Temperaturfühlers \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Fehler Vergleichsstelle \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Übertemperatur des Systems.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Übertemperatur der Heizung \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 deaktiviert. Temperatur zu niedrig.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 deaktiviert. Temperatur zu hoch.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Kommunikation zur Zweitanzeige unterbrochen.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Kommunikation zur Hauptanzeige unterbrochen.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Kommunikation zur E/A-Platine \3 unterbrochen.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Kommunikation zur NFC-Platine \2 unterbrochen.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Verbindung abgelehnt. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>Gegenstelle hat die Verbindung geschlossen. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host nicht gefunden. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Socket-Zugriffsfehler. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Socket-Ressourcenfehler. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Socket-Zeitüberschreitung.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagramm zu groß. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Netzwerkfehler. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adresse bereits belegt. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Socket-Adresse nicht verfügbar. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Nicht unterstützte Socket-Operation. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Proxy verlangt Anmeldung. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>SSL-Handshake fehlgeschlagen. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Socket-Operation nicht abgeschlossen. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Proxy hat die Verbindung abgelehnt. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Proxy hat die Verbindung geschlossen. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Zeitüberschreitung bei der Proxy-Verbindung. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy nicht gefunden. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Proxy-Protokollfehler. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Bedienfehler. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Interner SSL-Fehler. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Ungültige SSL-Benutzerdaten. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Vorübergehender Fehler. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>LUMO-SDK-Fehler.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Kein Ereignishandler festgelegt.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Kein Domänenname festgelegt.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Stammzertifikatsdatei fehlt.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Herstellername fehlt.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Modellnummer fehlt.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Seriennummer fehlt.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Gerätebeschreibung fehlt.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Standortnummer fehlt.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Seriennummer ist nicht alphanumerisch.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Format der Gerätebeschreibung ist falsch.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Software-ID des Geräts fehlt.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>LuMo konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Veröffentlichen fehlgeschlagen: Thema nicht berechtigt.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Abonnieren fehlgeschlagen: Thema nicht berechtigt.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>Client-ID und geheimer Schlüssel sind abgelaufen oder widerrufen.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Aktualisierungstoken ist abgelaufen oder widerrufen.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Unerwarteter, nicht zugeordneter Fehler.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Allgemeiner TCP/IP-Fehler.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Fehler beim Verbinden mit dem TCP/IP-Socket.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Fehler beim Lesen vom TCP/IP-Socket.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Fehler beim Schreiben auf den TCP/IP-Socket.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Allgemeiner HTTP-Fehler.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Fehler bei HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Fehler bei HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>MQTT-Verbindung fehlgeschlagen: SSL-Hostnamenfehler.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Die Prüfsumme der heruntergeladenen Datei stimmt nicht mit der angegebenen überein.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Die Signatur der Prüfsumme kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>Die Schlüsselkennung (kid) verweist auf keinen Schlüssel.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Veröffentlichen oder Abonnieren fehlgeschlagen: Ping ohne Antwort.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Geräteinitialisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>MQTT-Verbindungsversuch bei bereits bestehender Verbindung.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>MQTT-Veröffentlichen/Abonnieren fehlgeschlagen: Verbindung getrennt oder nicht möglich.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Unbekannter MQTT-Fehler.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
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
        <translation>Nur der neueste Teil wird angezeigt von: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>Das vollständige Fehlerprotokoll des Schranks wird am Hauptdisplay geführt.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Anzahl der Einträge: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Erster Eintrag: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Letzter Eintrag: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Alle Fehlerprotokolle werden gelöscht</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Fortfahren oder abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Menü-Update</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Menü-Export</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Rufen Sie den Kundendienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
<context>
    <name>HaccpLogPanel</name>
    <message>
        <source>Holding Log</source>
        <translation>Warmhalteprotokoll</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Shelf Number</source>
        <translation>Fach</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Discarded</source>
        <translation>Entsorgt</translation>
    </message>
    <message>
        <source>Holding Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Anzahl der Einträge: </translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Too large to show: %1</source>
        <translation>Zu groß zum Anzeigen: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
</context>
<context>
    <name>ExportHaccpLogButton</name>
    <message>
        <source>Export Holding Log</source>
        <translation>Warmhalteprotokoll exportieren</translation>
    </message>
    <message>
        <source>Holding Log files exported!</source>
        <translation>Warmhalteprotokoll exportiert!</translation>
    </message>
    <message>
        <source>Holding Log export failed!</source>
        <translation>Export des Warmhalteprotokolls fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Warmhalteprotokoll</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Tageszeiten</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Werkzeuge</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Leerzeichen</translation>
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
        <translation>Zone %1: Temperaturfühler offen. Kundendienst rufen.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Zone %1: Temperaturfühler kurzgeschlossen. Kundendienst rufen.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Zone %1: Heizung überhitzt. Kundendienst rufen.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Orvanta-Datei importiert: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Dateiversion wird nicht unterstützt: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Import der Orvanta-Datei fehlgeschlagen: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Orvanta-Datei exportiert: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Export der Orvanta-Datei fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>&lt;b&gt;Orvanta&lt;/b&gt;-Aktualisierung</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Keine Orvanta-Dateien gefunden!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Orvanta-Export</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Menüdateien exportieren</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>USB-Stick prüfen</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>IP-Adresse (Kabel)</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Netzmaske (Kabel)</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Gateway (Kabel)</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>IP-Adresse (WLAN)</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Netzmaske (WLAN)</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Gateway (WLAN)</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Netzwerkname (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 ist keine gültige IPv4-Geräteadresse.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 ist keine gültige Netzmaske.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 darf keine Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 darf bei eingeschaltetem WLAN nicht leer sein.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 ist länger als 32 Byte.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 muss 8 bis 63 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Netzwerkeinstellungen werden übernommen...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Netzwerkeinstellungen übernommen.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Das Netzwerk konnte nicht neu gestartet werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Das Netzwerk wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>WLAN</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2-Enterprise</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Noch kein Status vom Cloud-Agenten.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identität</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Feste Adresse</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Netzmaske</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Signalstärke</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Letzte Suche</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>Keine Netzwerke gefunden</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Kabelnetzwerk</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Cloud-Verbindung</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Standardnetzwerk wiederherstellen</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Standardnetzwerk wiederherstellen?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Rufen Sie den Kundendienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>WLAN-Verbindung initialisieren?&lt;br&gt;Die Netzwerkeinstellungen werden neu geschrieben.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Netzwerkeinstellungen werden übernommen...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Netzwerkeinstellungen übernommen.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Das Netzwerk konnte nicht neu gestartet werden.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Zu viele Fehlversuche.
Rufen Sie den Kundendienst.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
<context>
    <name>ScreenshotButton</name>
    <message>
        <source>Take Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
</context>
<context>
    <name>PlatformInfoButton</name>
    <message>
        <source>Platform Info</source>
        <translation>Plattforminfo</translation>
    </message>
</context>
<context>
    <name>PlatformInfoDialog</name>
    <message>
        <source>Platform Info</source>
        <translation>Plattforminfo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Dieser Schrank ist noch nicht eingerichtet.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Anzeigen werden synchronisiert</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Tageszeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Fehlerprotokoll exportieren</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>Das Fehlerprotokoll konnte nicht nach %1 geschrieben werden. Prüfen Sie, ob der USB-Stick eingesteckt und nicht voll ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
