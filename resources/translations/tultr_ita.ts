<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Armadio di riserva n. %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Armadio di servizio n. %1</translation>
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
        <translation>Usa per primo</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Vista divisa</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Punti di gruppo</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Fasce orarie per zona</translation>
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
        <translation>Colori del timer</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Opzioni di zona avanzate</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Suoni teglia universale</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Suono di scarto</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Impossibile salvare le impostazioni.&lt;br&gt;Non è stato modificato nulla.</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Impossibile salvare le impostazioni.&lt;br&gt;Non è stato modificato nulla.</translation>
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
    <message>
        <source>FAULT</source>
        <translation>GUASTO</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVVISO</translation>
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
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Backup del sistema in corso.&lt;br&gt;NON scollegare l'USB e NON spegnere l'unità</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copia dei file di aggiornamento del firmware...&lt;br&gt;NON scollegare l'USB e NON spegnere l'unità</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostica zone</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Colori e dimensioni</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Importa/esporta file</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Inizializza connessione Wi-Fi</translation>
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
    <message>
        <source>open</source>
        <translation>aperta</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>in corto</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;Stato del provisioning:&lt;/b&gt; Non eseguito</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;Stato del provisioning:&lt;/b&gt; In corso</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;Stato del certificato:&lt;/b&gt; Certificato richiesto</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;Stato del certificato:&lt;/b&gt; Richiesta scaduta, nuovo tentativo...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;Stato del certificato:&lt;/b&gt; Certificato ricevuto</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;Stato del certificato:&lt;/b&gt; Richiesta scaduta</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>Questo PIN # è di livello inferiore: questo blocco richiede il PIN # di un livello superiore.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Fasce orarie</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Nomi degli armadi</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Opzioni modalità eco</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Rete Wi-Fi</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostica zone</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro errori</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Registro di mantenimento</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informazioni di sistema</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilità</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Tutti i pannelli di servizio sbloccati!</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>Il PIN del responsabile è stato ripristinato.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>Ripristinare davvero&lt;br&gt;la configurazione?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>La connessione cloud (LuMo) configura il Wi-Fi di questo armadio.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Questa pagina può essere sbloccata solo sul display principale.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Impossibile ripristinare il PIN# del responsabile.&lt;br&gt;Il vecchio PIN# resta valido.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>Il PIN del responsabile apre le pagine di livello 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Cambia PIN del responsabile</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NUOVO PIN#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>Il PIN del responsabile è stato cambiato.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Impossibile salvare il nuovo PIN#.&lt;br&gt;Il vecchio PIN# resta valido.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>UI (principale)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>UI (secondaria)</translation>
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
        <translation>Scheda I/O master</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>Scheda I/O</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Scheda I/O slave n. %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Scheda lettore n. 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Scheda lettore n. 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N. modello:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N. negozio:</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>Ind. MAC:</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>MD5 del menu</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Tensione di alimentazione</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Dati dell'unità</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N. modello:</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N. negozio:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accetta</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Impossibile salvare le impostazioni.&lt;br&gt;Non è stato modificato nulla.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Selezionare l'orientamento del display.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Dati dell'unità</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Scansionare il numero di modello.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N. modello:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Scansionare il numero di serie.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Configurazione manuale</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accetta</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Selezionare il gruppo cliente.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Per configurare il modello, selezionare il numero&lt;br&gt;di modello e toccare Configura.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Display: %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>Su quale lato dell'armadio si trova questo display?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Lato principale</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Altro lato</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Salvare la configurazione selezionata?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Impossibile salvare le impostazioni.&lt;br&gt;Non è stato modificato nulla.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configurazione dell'unità riuscita.&lt;br&gt;Riavviare l'unità.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>Configurazione dell'unità non riuscita.&lt;br&gt;Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configurazione dell'unità ripristinata.&lt;br&gt;Riavviare l'unità.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Accetta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Consentito: da %1 a %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Tipo di fondo</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Colazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Annullare?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Avviso per cuocere ancora</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Fasce orarie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Eliminare il gruppo</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Eliminare il prodotto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>I gruppi vuoti vengono eliminati</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falso</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Velocità della ventola</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Il nome del gruppo non è valido!</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Il gruppo sarà rimosso dalle assegnazioni&lt;br&gt;delle fasce orarie</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. di mantenimento</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Tempo di mantenimento</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Temperatura di mantenimento non valida!</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Tempo di mantenimento non valido!</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nome del prodotto non valido!</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Tempo di azzeramento non valido!</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Tempo di avviso non valido!</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Tipo di coperchio</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Temperatura inferiore</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Pranzo/Cena</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Ancora nessun gruppo.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Ancora nessun prodotto.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Nessun colore</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>Nessun prodotto aggiunto al gruppo!</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Modifica dei prodotti non disponibile&lt;br&gt;con timer attivi!</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. del prodotto</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Il prodotto sarà rimosso dalle assegnazioni&lt;br&gt;delle fasce orarie</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Il prodotto sarà rimosso dall'elenco prodotti&lt;br&gt;del gruppo o dei gruppi</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Prodotti</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Modifica dei prodotti annullata&lt;br&gt;a causa dei timer attivi.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Rimuovere le assegnazioni dei vani?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Tempo di azzeramento</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pieno</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>Il menu è stato sostituito a ricettario aperto.&lt;br&gt;Le modifiche non salvate sono state scartate.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Colore del timer</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Temperatura superiore</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Ventilato</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Suddivisione della zona</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>I prodotti si possono modificare solo sul display principale.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>La modifica dei prodotti è disattivata per questo armadio.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Ricettario</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Fascia oraria</translation>
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
        <translation>Orologio a 12 ore</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Ora di rete (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Impossibile salvare le impostazioni.&lt;br&gt;Valgono solo fino al riavvio dell'armadio.</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Numero armadio</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Visualizzato come</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Impossibile salvare le impostazioni.&lt;br&gt;Valgono solo fino al riavvio dell'armadio.</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Riscaldamento ripiano</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Riscaldatore spento</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Mantieni temperatura</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Temperatura eco</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Suggerisci modalità eco</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>Dopo inattività</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Tempo di inattività</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>La temperatura eco deve essere tra %1 e %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>Il tempo di inattività deve essere tra %1 e %2 minuti.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Pannelli</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Pannelli in rilievo</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Testo secondario</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Accento</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Pulsanti</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Dimensione testo</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Dimensione titoli</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>Il testo sarebbe difficile da leggere con questi colori. Scegli colori più diversi.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Ripristinare i colori e le dimensioni predefiniti?</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Rilevamento indirizzo EOL avviato&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Comunicazione con l'I/O principale persa.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Timeout di configurazione dell'I/O principale.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Errore di configurazione dell'I/O principale.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sensore di temperatura \3 in cortocircuito.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sensore di temperatura \3 aperto.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Resistenza \3: temperatura bassa.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Resistenza \3: temperatura alta.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Errore di riferimento del sensore di temperatura \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Errore giunto freddo \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Sovratemperatura del sistema.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Sovratemperatura della resistenza \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zona \3 disattivata. Temperatura troppo bassa.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zona \3 disattivata. Temperatura troppo alta.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Comunicazione con il display secondario persa.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Comunicazione con il display principale persa.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Comunicazione con la scheda I/O \3 persa.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Comunicazione con la scheda NFC \2 persa.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Connessione rifiutata. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>L'host remoto ha chiuso la connessione. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Host non trovato. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Errore di accesso al socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Errore di risorse del socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Timeout del socket.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagramma troppo grande. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Errore di rete. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Indirizzo già in uso. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Indirizzo del socket non disponibile. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Operazione del socket non supportata. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Il proxy richiede l'autenticazione. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Handshake SSL non riuscito. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Operazione del socket non completata. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Il proxy ha rifiutato la connessione. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Il proxy ha chiuso la connessione. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Timeout della connessione al proxy. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy non trovato. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Errore di protocollo del proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Errore di operazione. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Errore interno SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Dati utente SSL non validi. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Errore temporaneo. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>Errore SDK LUMO.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Gestore di eventi non impostato.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Nome di dominio non impostato.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>File della CA radice assente.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Nome del produttore mancante.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Numero di modello mancante.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Numero di serie mancante.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Descrittore del dispositivo mancante.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Numero di sede mancante.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Il numero di serie non è alfanumerico.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Formato del descrittore del dispositivo errato.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>ID software del dispositivo mancante.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>Impossibile inizializzare LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Pubblicazione non riuscita: argomento non autorizzato.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Sottoscrizione non riuscita: argomento non autorizzato.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>ID e chiave segreta del client scaduti o revocati.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Token di aggiornamento scaduto o revocato.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Errore imprevisto non classificato.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Errore TCP/IP generico.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Errore di connessione al socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Errore di lettura dal socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Errore di scrittura sul socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Errore HTTP generico.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Errore in HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Errore in HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Connessione MQTT non riuscita: errore nome host SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>Il checksum del file scaricato non corrisponde a quello indicato.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Impossibile convalidare la firma del checksum.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>L'identificativo di chiave (kid) non fa riferimento ad alcuna chiave.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Pubblicazione o sottoscrizione non riuscita: ping fallito.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Inizializzazione del dispositivo non riuscita.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Tentativo di connessione MQTT con una connessione già attiva.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Pubblicazione/sottoscrizione MQTT non riuscita per disconnessione o mancata connessione.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Errore MQTT sconosciuto.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zona %1: %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>Viene mostrata solo la parte più recente di: %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>Il registro errori completo dell'armadio è conservato sul display principale.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro errori</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/Ora</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Numero di record: </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Primo record: </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Ultimo record: </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Cancellazione di tutti i registri errori</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuare o annullare</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Aggiorna menu</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Esporta menu</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
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
    <message>
        <source>Too large to show: %1</source>
        <translation>Troppo grande per essere mostrato: %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Impossibile leggere: %1</translation>
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
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Registro di mantenimento</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Fasce orarie</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Registro errori</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilità</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
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
        <translation>Zona %1: sonda di temperatura aperta. Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Zona %1: sonda di temperatura in cortocircuito. Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Zona %1: riscaldatore in sovratemperatura. Chiamare l'assistenza.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>File Orvanta importato: </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Versione del file non supportata: </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Importazione del file Orvanta non riuscita: </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>File Orvanta esportato: </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Esportazione del file Orvanta non riuscita!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>Aggiornamento &lt;b&gt;Orvanta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Nessun file Orvanta trovato!</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Esportazione Orvanta</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Esporta file del menu</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Controlla chiavetta USB</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>Indirizzo IP cablato</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Maschera di rete cablata</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Gateway cablato</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Indirizzo IP Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Maschera di rete Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Gateway Wi-Fi</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Nome rete (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 non è un indirizzo IPv4 host valido.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 non è una maschera di rete valida.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 non deve contenere a capo.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 non può essere vuoto con il Wi-Fi attivo.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 supera i 32 byte.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 deve avere da 8 a 63 caratteri.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Applicazione delle impostazioni di rete...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Impostazioni di rete applicate.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Impossibile riavviare la rete.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>Impossibile salvare le impostazioni. La rete non è stata modificata.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 Enterprise</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Ancora nessuno stato dall'agente cloud.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identità</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Indirizzo statico</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Maschera di rete</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Livello del segnale</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Ultima ricerca</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>Nessuna rete rilevata</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Rete cablata</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Indirizzo MAC</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Collegamento cloud</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Ripristina rete predefinita</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Ripristinare la rete predefinita?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
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
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Inizializzare la connessione Wi-Fi?&lt;br&gt;Le impostazioni di rete verranno riscritte.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Applicazione delle impostazioni di rete...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Impostazioni di rete applicate.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Impossibile riavviare la rete.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Troppi tentativi falliti.
Chiamare l'assistenza.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>PIN #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
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
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Questo armadio non è ancora configurato.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Sincronizzazione dei display</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Fasce orarie</translation>
    </message>
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
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Esporta registro errori</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>Impossibile scrivere il registro errori in %1. Verificare che l'unità USB sia collegata e non piena, quindi riprovare.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
