<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>ConfigurationManager</name>
    <message>
        <source>Reserve Cabinet #%1</source>
        <translation>Armoire de réserve n° %1</translation>
    </message>
    <message>
        <source>Point-of-Use Cabinet #%1</source>
        <translation>Armoire de service n° %1</translation>
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
        <translation>À utiliser en premier</translation>
    </message>
    <message>
        <source>Split view</source>
        <translation>Affichage partagé</translation>
    </message>
    <message>
        <source>Group dots</source>
        <translation>Points de groupe</translation>
    </message>
    <message>
        <source>Label font size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Individual day parts</source>
        <translation>Services par zone</translation>
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
        <translation>Couleurs des minuteries</translation>
    </message>
    <message>
        <source>Advanced zone options</source>
        <translation>Options de zone avancées</translation>
    </message>
    <message>
        <source>Universal pan sounds</source>
        <translation>Sons du bac universel</translation>
    </message>
    <message>
        <source>Discard sound</source>
        <translation>Son de mise au rebut</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.&lt;br&gt;Rien n'a été modifié.</translation>
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
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.&lt;br&gt;Rien n'a été modifié.</translation>
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
    <message>
        <source>FAULT</source>
        <translation>DÉFAUT</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ALERTE</translation>
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
    <message>
        <source>System backup in progress.&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Sauvegarde du système en cours.&lt;br&gt;NE débranchez PAS la clé USB et n'éteignez PAS l'appareil</translation>
    </message>
    <message>
        <source>Copying firmware update files...&lt;br&gt;DO NOT unplug USB or power off the unit</source>
        <translation>Copie des fichiers de mise à jour du micrologiciel...&lt;br&gt;NE débranchez PAS la clé USB et n'éteignez PAS l'appareil</translation>
    </message>
</context>
<context>
    <name>UtilitiesPage</name>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostic des zones</translation>
    </message>
    <message>
        <source>Colors and Sizes</source>
        <translation>Couleurs et tailles</translation>
    </message>
    <message>
        <source>Files Import/Export</source>
        <translation>Import/export de fichiers</translation>
    </message>
    <message>
        <source>Initialize Wi-Fi Connection</source>
        <translation>Initialiser la connexion Wi-Fi</translation>
    </message>
</context>
<context>
    <name>ZoneDiagnosticsPage</name>
    <message>
        <source>Off</source>
        <translation>Éteint</translation>
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
    <message>
        <source>open</source>
        <translation>ouverte</translation>
    </message>
    <message>
        <source>shorted</source>
        <translation>en court-circuit</translation>
    </message>
</context>
<context>
    <name>TulLumo</name>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Not provisioned</source>
        <translation>&lt;b&gt;État du provisionnement :&lt;/b&gt; Non provisionné</translation>
    </message>
    <message>
        <source>&lt;b&gt;Provisioning Status:&lt;/b&gt; Provisioning</source>
        <translation>&lt;b&gt;État du provisionnement :&lt;/b&gt; Provisionnement en cours</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate requested</source>
        <translation>&lt;b&gt;État du certificat :&lt;/b&gt; Certificat demandé</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout, retrying...</source>
        <translation>&lt;b&gt;État du certificat :&lt;/b&gt; Délai de la demande dépassé, nouvel essai...</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate received</source>
        <translation>&lt;b&gt;État du certificat :&lt;/b&gt; Certificat reçu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Certificate Status:&lt;/b&gt; Certificate request timeout</source>
        <translation>&lt;b&gt;État du certificat :&lt;/b&gt; Délai de la demande dépassé</translation>
    </message>
</context>
<context>
    <name>PinPad</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This PIN # is of a lower level: this lock needs a higher level's PIN #.</source>
        <translation>Ce NIP # est d'un niveau inférieur : ce verrou demande le NIP # d'un niveau supérieur.</translation>
    </message>
</context>
<context>
    <name>ConfigMessage</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ServiceCarousel</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Périodes du jour</translation>
    </message>
    <message>
        <source>Cabinet Names</source>
        <translation>Noms des armoires</translation>
    </message>
    <message>
        <source>Eco Mode Options</source>
        <translation>Options du mode éco</translation>
    </message>
    <message>
        <source>Wi-Fi Networking</source>
        <translation>Réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Zone Diagnostics</source>
        <translation>Diagnostic des zones</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Journal des erreurs</translation>
    </message>
    <message>
        <source>Holding Log</source>
        <translation>Journal de maintien</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitaires</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP #</translation>
    </message>
    <message>
        <source>All service panels unlocked!</source>
        <translation>Tous les panneaux de service sont déverrouillés !</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Manager's PIN# was reset.</source>
        <translation>Le NIP du gérant a été réinitialisé.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Are you sure want to reset&lt;br&gt;the configuration?</source>
        <translation>Voulez-vous vraiment réinitialiser&lt;br&gt;la configuration ?</translation>
    </message>
    <message>
        <source>The cloud connection (LuMo) sets up the Wi-Fi of this cabinet.</source>
        <translation>La connexion au nuage (LuMo) configure le Wi-Fi de cette armoire.</translation>
    </message>
    <message>
        <source>This page can be unlocked on the primary display only.</source>
        <translation>Cette page ne peut être déverrouillée que sur l'écran principal.</translation>
    </message>
    <message>
        <source>Manager's PIN# could not be reset.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Le NIP# du gérant n'a pas pu être réinitialisé.&lt;br&gt;L'ancien NIP# reste valide.</translation>
    </message>
</context>
<context>
    <name>PasswordPage</name>
    <message>
        <source>The manager's PIN opens the pages of level 1.</source>
        <translation>Le NIP du gérant ouvre les pages de niveau 1.</translation>
    </message>
    <message>
        <source>Change manager's PIN</source>
        <translation>Changer le NIP du gérant</translation>
    </message>
    <message>
        <source>NEW PIN#</source>
        <translation>NOUVEAU NIP#</translation>
    </message>
    <message>
        <source>Manager's PIN# was changed.</source>
        <translation>Le NIP du gérant a été changé.</translation>
    </message>
    <message>
        <source>The new PIN# could not be saved.&lt;br&gt;The old PIN# still applies.</source>
        <translation>Le nouveau NIP# n'a pas pu être enregistré.&lt;br&gt;L'ancien NIP# reste valide.</translation>
    </message>
</context>
<context>
    <name>SystemInformationPage</name>
    <message>
        <source>UI (Primary)</source>
        <translation>IU (principale)</translation>
    </message>
    <message>
        <source>UI (Secondary)</source>
        <translation>IU (secondaire)</translation>
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
        <translation>Carte E/S maître</translation>
    </message>
    <message>
        <source>I/O board</source>
        <translation>Carte E/S</translation>
    </message>
    <message>
        <source>Slave I/O board #%1</source>
        <translation>Carte E/S esclave n° %1</translation>
    </message>
    <message>
        <source>Reader board #1</source>
        <translation>Carte lecteur n° 1</translation>
    </message>
    <message>
        <source>Reader board #2</source>
        <translation>Carte lecteur n° 2</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N° de modèle :</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N° de magasin :</translation>
    </message>
    <message>
        <source>MacAddr:</source>
        <translation>Adr. MAC :</translation>
    </message>
    <message>
        <source>Menu MD5</source>
        <translation>MD5 du menu</translation>
    </message>
</context>
<context>
    <name>PowerSourceRow</name>
    <message>
        <source>Supply voltage</source>
        <translation>Tension d'alimentation</translation>
    </message>
</context>
<context>
    <name>SerialModelNumbersDialog</name>
    <message>
        <source>Unit details</source>
        <translation>Détails de l'unité</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N° de modèle :</translation>
    </message>
    <message>
        <source>Store #:</source>
        <translation>N° de magasin :</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.&lt;br&gt;Rien n'a été modifié.</translation>
    </message>
</context>
<context>
    <name>FirstStartFlow</name>
    <message>
        <source>Select the display orientation.</source>
        <translation>Choisissez l'orientation de l'écran.</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Unit details</source>
        <translation>Détails de l'unité</translation>
    </message>
    <message>
        <source>Scan model number.</source>
        <translation>Scannez le numéro de modèle.</translation>
    </message>
    <message>
        <source>Model #:</source>
        <translation>N° de modèle :</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Scan serial number.</source>
        <translation>Scannez le numéro de série.</translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>Manual Configuration</source>
        <translation>Configuration manuelle</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Select the customer group.</source>
        <translation>Choisissez le groupe client.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP #</translation>
    </message>
    <message>
        <source>To configure unit model, select the model&lt;br&gt;number and click config.</source>
        <translation>Pour configurer le modèle, choisissez le numéro&lt;br&gt;de modèle et touchez Configurer.</translation>
    </message>
    <message>
        <source>Displays: %1</source>
        <translation>Écrans : %1</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Which side of the cabinet is this display on?</source>
        <translation>De quel côté de l'armoire se trouve cet écran ?</translation>
    </message>
    <message>
        <source>Primary side</source>
        <translation>Côté principal</translation>
    </message>
    <message>
        <source>Other side</source>
        <translation>Autre côté</translation>
    </message>
    <message>
        <source>Save selected configuration?</source>
        <translation>Enregistrer la configuration choisie ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;Nothing was changed.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.&lt;br&gt;Rien n'a été modifié.</translation>
    </message>
</context>
<context>
    <name>ConfigurationScreens</name>
    <message>
        <source>Unit configuration successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuration de l'unité réussie.&lt;br&gt;Redémarrez l'unité.</translation>
    </message>
    <message>
        <source>Unit configuration failed.&lt;br&gt;Nothing was changed.</source>
        <translation>La configuration de l'unité a échoué.&lt;br&gt;Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Unit configuration reset successful.&lt;br&gt;Reboot the unit.</source>
        <translation>Configuration de l'unité réinitialisée.&lt;br&gt;Redémarrez l'unité.</translation>
    </message>
</context>
<context>
    <name>Cookbook</name>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Autorisé : de %1 à %2</translation>
    </message>
    <message>
        <source>Bottom type</source>
        <translation>Type de fond</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Petit-déjeuner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Annuler ?</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cook more alert time</source>
        <translation>Alerte pour cuire davantage</translation>
    </message>
    <message>
        <source>Day Parts</source>
        <translation>Périodes du jour</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Delete product</source>
        <translation>Supprimer le produit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Empty groups are deleted</source>
        <translation>Les groupes vides sont supprimés</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Fan speed</source>
        <translation>Vitesse du ventilateur</translation>
    </message>
    <message>
        <source>Group has invalid name!</source>
        <translation>Le nom du groupe n'est pas valide !</translation>
    </message>
    <message>
        <source>Group will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Le groupe sera retiré des affectations&lt;br&gt;des périodes du jour</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Hold Temp</source>
        <translation>Temp. de maintien</translation>
    </message>
    <message>
        <source>Holding time</source>
        <translation>Durée de maintien</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Invalid hold temperature!</source>
        <translation>Température de maintien non valide !</translation>
    </message>
    <message>
        <source>Invalid hold time value!</source>
        <translation>Durée de maintien non valide !</translation>
    </message>
    <message>
        <source>Invalid product name!</source>
        <translation>Nom de produit non valide !</translation>
    </message>
    <message>
        <source>Invalid reset time value!</source>
        <translation>Durée de réinitialisation non valide !</translation>
    </message>
    <message>
        <source>Invalid warning time value!</source>
        <translation>Durée d'alerte non valide !</translation>
    </message>
    <message>
        <source>Lid type</source>
        <translation>Type de couvercle</translation>
    </message>
    <message>
        <source>Lower temperature</source>
        <translation>Température basse</translation>
    </message>
    <message>
        <source>Lunch/Dinner</source>
        <translation>Déjeuner/Dîner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No groups yet.</source>
        <translation>Aucun groupe pour l'instant.</translation>
    </message>
    <message>
        <source>No products yet.</source>
        <translation>Aucun produit pour l'instant.</translation>
    </message>
    <message>
        <source>No colour</source>
        <translation>Sans couleur</translation>
    </message>
    <message>
        <source>No products added to the group!</source>
        <translation>Aucun produit n'a été ajouté au groupe !</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP #</translation>
    </message>
    <message>
        <source>Product Editing Unavailable&lt;br&gt;while timers are active!</source>
        <translation>Modification des produits impossible&lt;br&gt;pendant que des minuteries tournent !</translation>
    </message>
    <message>
        <source>Product temp</source>
        <translation>Temp. du produit</translation>
    </message>
    <message>
        <source>Product will be removed from day-part(s)&lt;br&gt;assignments</source>
        <translation>Le produit sera retiré des affectations&lt;br&gt;des périodes du jour</translation>
    </message>
    <message>
        <source>Product will be removed from group(s)&lt;br&gt;products list</source>
        <translation>Le produit sera retiré de la liste de produits&lt;br&gt;du ou des groupes</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Products Editing Cancelled&lt;br&gt;due to active timers.</source>
        <translation>Modification des produits annulée&lt;br&gt;à cause des minuteries en cours.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Bins day-part assignments?</source>
        <translation>Retirer les affectations des bacs ?</translation>
    </message>
    <message>
        <source>Reset time</source>
        <translation>Durée de réinitialisation</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Plein</translation>
    </message>
    <message>
        <source>Temperatures</source>
        <translation>Températures</translation>
    </message>
    <message>
        <source>The menu was replaced while the cookbook was open.&lt;br&gt;Unsaved changes were dropped.</source>
        <translation>Le menu a été remplacé pendant l'édition.&lt;br&gt;Les modifications non enregistrées sont perdues.</translation>
    </message>
    <message>
        <source>Timer colour</source>
        <translation>Couleur de la minuterie</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>Upper temperature</source>
        <translation>Température haute</translation>
    </message>
    <message>
        <source>Vented</source>
        <translation>Ventilé</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Zone splits</source>
        <translation>Division de la zone</translation>
    </message>
    <message>
        <source>Products can be edited on the primary display only.</source>
        <translation>Les produits ne peuvent être modifiés que sur l'écran principal.</translation>
    </message>
    <message>
        <source>Product editing is turned off for this cabinet.</source>
        <translation>La modification des produits est désactivée sur cette armoire.</translation>
    </message>
</context>
<context>
    <name>Dock</name>
    <message>
        <source>Cookbook</source>
        <translation>Livre de recettes</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Day Part</source>
        <translation>Service</translation>
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
        <translation>Horloge 12 heures</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Heure d'été</translation>
    </message>
    <message>
        <source>Network time (NTP)</source>
        <translation>Heure réseau (NTP)</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.&lt;br&gt;Ils ne s'appliquent que jusqu'au redémarrage de l'armoire.</translation>
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
    <name>CabinetNamesPage</name>
    <message>
        <source>Cabinet number</source>
        <translation>Numéro d'armoire</translation>
    </message>
    <message>
        <source>Shown as</source>
        <translation>Affiché comme</translation>
    </message>
    <message>
        <source>The settings could not be saved.&lt;br&gt;They apply only until the cabinet restarts.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.&lt;br&gt;Ils ne s'appliquent que jusqu'au redémarrage de l'armoire.</translation>
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
    <name>EcoModePage</name>
    <message>
        <source>Shelf heat</source>
        <translation>Chauffe des étagères</translation>
    </message>
    <message>
        <source>Heater off</source>
        <translation>Chauffage arrêté</translation>
    </message>
    <message>
        <source>Hold temperature</source>
        <translation>Maintenir la température</translation>
    </message>
    <message>
        <source>Eco temperature</source>
        <translation>Température éco</translation>
    </message>
    <message>
        <source>Suggest eco mode</source>
        <translation>Proposer le mode éco</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>After idle time</source>
        <translation>Après inactivité</translation>
    </message>
    <message>
        <source>Idle time</source>
        <translation>Durée d'inactivité</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>The eco temperature must be from %1 to %2.</source>
        <translation>La température éco doit être comprise entre %1 et %2.</translation>
    </message>
    <message>
        <source>The idle time must be from %1 to %2 minutes.</source>
        <translation>La durée d'inactivité doit être comprise entre %1 et %2 minutes.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.</translation>
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
    <name>SkinPage</name>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Panels</source>
        <translation>Panneaux</translation>
    </message>
    <message>
        <source>Raised panels</source>
        <translation>Panneaux en relief</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Secondary text</source>
        <translation>Texte secondaire</translation>
    </message>
    <message>
        <source>Accent</source>
        <translation>Accent</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Taille des titres</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Text would be hard to read on these colors. Choose colors further apart.</source>
        <translation>Le texte serait difficile à lire avec ces couleurs. Choisissez des couleurs plus contrastées.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n'ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Rétablir les valeurs</translation>
    </message>
    <message>
        <source>Put the default colors and sizes back?</source>
        <translation>Rétablir les couleurs et tailles par défaut ?</translation>
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
    <name>EolTestLayer</name>
    <message>
        <source>&lt;b&gt;EOL Address Detection Started&lt;/b&gt;</source>
        <translation>&lt;b&gt;Détection de l'adresse EOL lancée&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TulErrorController</name>
    <message>
        <source>Master I/O communication loss.</source>
        <translation>Perte de communication avec l'E/S principale.</translation>
    </message>
    <message>
        <source>Master I/O sys config timeout.</source>
        <translation>Délai dépassé pour la configuration de l'E/S principale.</translation>
    </message>
    <message>
        <source>Master I/O sys config error.</source>
        <translation>Erreur de configuration de l'E/S principale.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 shorted.</source>
        <translation>Sonde de température \3 en court-circuit.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 open.</source>
        <translation>Sonde de température \3 ouverte.</translation>
    </message>
    <message>
        <source>Heater \3 low temp error.</source>
        <translation>Résistance \3 : température basse.</translation>
    </message>
    <message>
        <source>Heater \3 high temp error.</source>
        <translation>Résistance \3 : température haute.</translation>
    </message>
    <message>
        <source>Temperature sensor \3 reference error.</source>
        <translation>Erreur de référence de la sonde de température \3.</translation>
    </message>
    <message>
        <source>Cold junction \3 error.</source>
        <translation>Erreur de soudure froide \3.</translation>
    </message>
    <message>
        <source>System over temperature error.</source>
        <translation>Surchauffe du système.</translation>
    </message>
    <message>
        <source>Heater \3 over temperature error.</source>
        <translation>Surchauffe de la résistance \3.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too low.</source>
        <translation>Zone \3 désactivée. Température trop basse.</translation>
    </message>
    <message>
        <source>Zone \3 Disabled. Temperature too high.</source>
        <translation>Zone \3 désactivée. Température trop élevée.</translation>
    </message>
    <message>
        <source>Secondary UI communication loss.</source>
        <translation>Perte de communication avec l'écran secondaire.</translation>
    </message>
    <message>
        <source>Primary UI communication loss.</source>
        <translation>Perte de communication avec l'écran principal.</translation>
    </message>
    <message>
        <source>I/O board \3 communication loss.</source>
        <translation>Perte de communication avec la carte E/S \3.</translation>
    </message>
    <message>
        <source>NFC board \2 communication loss.</source>
        <translation>Perte de communication avec la carte NFC \2.</translation>
    </message>
    <message>
        <source>Connection refused error. \3</source>
        <translation>Connexion refusée. \3</translation>
    </message>
    <message>
        <source>Remote host closed error. \3</source>
        <translation>L'hôte distant a fermé la connexion. \3</translation>
    </message>
    <message>
        <source>Host not found error. \3</source>
        <translation>Hôte introuvable. \3</translation>
    </message>
    <message>
        <source>Socket access error. \3</source>
        <translation>Erreur d'accès au socket. \3</translation>
    </message>
    <message>
        <source>Socket resource error. \3</source>
        <translation>Erreur de ressources du socket. \3</translation>
    </message>
    <message>
        <source>Socket timeout error.</source>
        <translation>Délai du socket dépassé.</translation>
    </message>
    <message>
        <source>Datagram too large error. \3</source>
        <translation>Datagramme trop grand. \3</translation>
    </message>
    <message>
        <source>Network error. \3</source>
        <translation>Erreur réseau. \3</translation>
    </message>
    <message>
        <source>Address in use error. \3</source>
        <translation>Adresse déjà utilisée. \3</translation>
    </message>
    <message>
        <source>Socket address not available error. \3</source>
        <translation>Adresse de socket non disponible. \3</translation>
    </message>
    <message>
        <source>Unsupported socket operation error. \3</source>
        <translation>Opération de socket non prise en charge. \3</translation>
    </message>
    <message>
        <source>Proxy authentication required error. \3</source>
        <translation>Le proxy exige une authentification. \3</translation>
    </message>
    <message>
        <source>Ssl handshake failed error. \3</source>
        <translation>Échec de la négociation SSL. \3</translation>
    </message>
    <message>
        <source>Unfinished socket operation error. \3</source>
        <translation>Opération de socket inachevée. \3</translation>
    </message>
    <message>
        <source>Proxy connection refused error. \3</source>
        <translation>Le proxy a refusé la connexion. \3</translation>
    </message>
    <message>
        <source>Proxy connection closed error. \3</source>
        <translation>Le proxy a fermé la connexion. \3</translation>
    </message>
    <message>
        <source>Proxy connection timeout error. \3</source>
        <translation>Délai de connexion au proxy dépassé. \3</translation>
    </message>
    <message>
        <source>Proxy not found error. \3</source>
        <translation>Proxy introuvable. \3</translation>
    </message>
    <message>
        <source>Proxy protocol error. \3</source>
        <translation>Erreur de protocole du proxy. \3</translation>
    </message>
    <message>
        <source>Operation error. \3</source>
        <translation>Erreur d'opération. \3</translation>
    </message>
    <message>
        <source>Ssl internal error. \3</source>
        <translation>Erreur interne SSL. \3</translation>
    </message>
    <message>
        <source>Ssl invalid user data error. \3</source>
        <translation>Données utilisateur SSL non valides. \3</translation>
    </message>
    <message>
        <source>Temporary error. \3</source>
        <translation>Erreur temporaire. \3</translation>
    </message>
    <message>
        <source>LUMO SDK Error.</source>
        <translation>Erreur du SDK LUMO.</translation>
    </message>
    <message>
        <source>Event handler is not set.</source>
        <translation>Aucun gestionnaire d'événements défini.</translation>
    </message>
    <message>
        <source>Domain name is not set.</source>
        <translation>Aucun nom de domaine défini.</translation>
    </message>
    <message>
        <source>Root CA file is  null.</source>
        <translation>Le fichier de l'AC racine est vide.</translation>
    </message>
    <message>
        <source>Manufacturer name is missing.</source>
        <translation>Nom du fabricant manquant.</translation>
    </message>
    <message>
        <source>Model number is missing.</source>
        <translation>Numéro de modèle manquant.</translation>
    </message>
    <message>
        <source>Serial number is missing.</source>
        <translation>Numéro de série manquant.</translation>
    </message>
    <message>
        <source>Device descriptor is missing.</source>
        <translation>Descripteur de l'appareil manquant.</translation>
    </message>
    <message>
        <source>Location number is missing.</source>
        <translation>Numéro d'emplacement manquant.</translation>
    </message>
    <message>
        <source>Serial number is not alpha-numeric.</source>
        <translation>Le numéro de série n'est pas alphanumérique.</translation>
    </message>
    <message>
        <source>Device descriptor format is incorrect.</source>
        <translation>Format du descripteur de l'appareil incorrect.</translation>
    </message>
    <message>
        <source>Device software Id is missing.</source>
        <translation>Identifiant du logiciel de l'appareil manquant.</translation>
    </message>
    <message>
        <source>Failed to initialize LuMo.</source>
        <translation>Échec de l'initialisation de LuMo.</translation>
    </message>
    <message>
        <source>Failed to publish due to unauthorized topic.</source>
        <translation>Échec de la publication : sujet non autorisé.</translation>
    </message>
    <message>
        <source>Failed to subscribe due to unauthorized topic.</source>
        <translation>Échec de l'abonnement : sujet non autorisé.</translation>
    </message>
    <message>
        <source>Client ID and client secret key is expired or revoked.</source>
        <translation>L'ID et la clé secrète du client ont expiré ou ont été révoqués.</translation>
    </message>
    <message>
        <source>Refresh token is expired or revoked.</source>
        <translation>Le jeton d'actualisation a expiré ou a été révoqué.</translation>
    </message>
    <message>
        <source>Unexpected unclassified error.</source>
        <translation>Erreur inattendue non classée.</translation>
    </message>
    <message>
        <source>General underlying TCP/IP error.</source>
        <translation>Erreur TCP/IP générale.</translation>
    </message>
    <message>
        <source>Error connecting to TCP/IP socket.</source>
        <translation>Erreur de connexion au socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error reading from TCP/IP socket.</source>
        <translation>Erreur de lecture du socket TCP/IP.</translation>
    </message>
    <message>
        <source>Error writing to TCP/IP socket.</source>
        <translation>Erreur d'écriture sur le socket TCP/IP.</translation>
    </message>
    <message>
        <source>General underlying HTTP error.</source>
        <translation>Erreur HTTP générale.</translation>
    </message>
    <message>
        <source>Error on HTTP GET.</source>
        <translation>Erreur lors d'un HTTP GET.</translation>
    </message>
    <message>
        <source>Error on HTTP POST.</source>
        <translation>Erreur lors d'un HTTP POST.</translation>
    </message>
    <message>
        <source>MQTT connect failed due to SSL hostname error.</source>
        <translation>Échec de la connexion MQTT : erreur de nom d'hôte SSL.</translation>
    </message>
    <message>
        <source>Checksum of the downloaded file does not match with the specified checksum.</source>
        <translation>La somme de contrôle du fichier téléchargé ne correspond pas à celle indiquée.</translation>
    </message>
    <message>
        <source>Signature of the checksum cannot be validated.</source>
        <translation>Impossible de valider la signature de la somme de contrôle.</translation>
    </message>
    <message>
        <source>Error is returned when the kid does not reference.</source>
        <translation>L'identifiant de clé (kid) ne désigne aucune clé.</translation>
    </message>
    <message>
        <source>Publish or subscribe failed due ping request failure.</source>
        <translation>Échec de la publication ou de l'abonnement : le ping a échoué.</translation>
    </message>
    <message>
        <source>Device init return failed.</source>
        <translation>Échec de l'initialisation de l'appareil.</translation>
    </message>
    <message>
        <source>Trying to connect to MQTT when there is already a connection.</source>
        <translation>Tentative de connexion MQTT alors qu'une connexion existe déjà.</translation>
    </message>
    <message>
        <source>MQTT publish/subscribe failed due to disconnection or failure to connect.</source>
        <translation>Échec de la publication/abonnement MQTT : déconnexion ou échec de connexion.</translation>
    </message>
    <message>
        <source>Unknown underlying MQTT error.</source>
        <translation>Erreur MQTT inconnue.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
</context>
<context>
    <name>ErrorLogItem</name>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1 : %2</translation>
    </message>
</context>
<context>
    <name>ErrorLogPanel</name>
    <message>
        <source>Only the newest part is shown of: %1</source>
        <translation>Seule la partie la plus récente est affichée : %1</translation>
    </message>
    <message>
        <source>The cabinet's complete Errors Log is kept on the primary display.</source>
        <translation>Le journal des erreurs complet de l'armoire est conservé sur l'écran principal.</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Journal des erreurs</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Error name</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Number of records: </source>
        <translation>Nombre d'enregistrements : </translation>
    </message>
    <message>
        <source>First record: </source>
        <translation>Premier enregistrement : </translation>
    </message>
    <message>
        <source>Last record: </source>
        <translation>Dernier enregistrement : </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Clearing All Error Logs</source>
        <translation>Effacement de tous les journaux d'erreurs</translation>
    </message>
    <message>
        <source>Continue or Cancel</source>
        <translation>Continuer ou annuler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FilesImportExportPanel</name>
    <message>
        <source>Menu Update</source>
        <translation>Mise à jour du menu</translation>
    </message>
    <message>
        <source>Menu Export</source>
        <translation>Export du menu</translation>
    </message>
</context>
<context>
    <name>UpdateItemLock</name>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
</context>
<context>
    <name>UpdatesListView</name>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
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
    <message>
        <source>Too large to show: %1</source>
        <translation>Trop volumineux pour être affiché : %1</translation>
    </message>
    <message>
        <source>Cannot be read: %1</source>
        <translation>Illisible : %1</translation>
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
    <name>ServicePages</name>
    <message>
        <source>Holding Log</source>
        <translation>Journal de maintien</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Day-Parts</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Errors Log</source>
        <translation>Journal des erreurs</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilitaires</translation>
    </message>
</context>
<context>
    <name>KeyboardAlpha</name>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
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
        <translation>Zone %1 : sonde de température ouverte. Appelez le service technique.</translation>
    </message>
    <message>
        <source>Zone %1: temperature probe shorted. Call service.</source>
        <translation>Zone %1 : sonde de température en court-circuit. Appelez le service technique.</translation>
    </message>
    <message>
        <source>Zone %1: heater over temperature. Call service.</source>
        <translation>Zone %1 : surchauffe de l'élément chauffant. Appelez le service technique.</translation>
    </message>
</context>
<context>
    <name>UpdateMessage</name>
    <message>
        <source>Orvanta file imported: </source>
        <translation>Fichier Orvanta importé : </translation>
    </message>
    <message>
        <source>File version is not supported: </source>
        <translation>Version de fichier non prise en charge : </translation>
    </message>
    <message>
        <source>Orvanta file import failed: </source>
        <translation>Échec de l'import du fichier Orvanta : </translation>
    </message>
    <message>
        <source>Orvanta file exported: </source>
        <translation>Fichier Orvanta exporté : </translation>
    </message>
    <message>
        <source>Orvanta file export failed!</source>
        <translation>Échec de l'export du fichier Orvanta !</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>OvUsbUpdateItem</name>
    <message>
        <source>&lt;b&gt;Orvanta&lt;/b&gt; Update</source>
        <translation>Mise à jour &lt;b&gt;Orvanta&lt;/b&gt;</translation>
    </message>
    <message>
        <source>No Orvanta files found!</source>
        <translation>Aucun fichier Orvanta trouvé !</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
</context>
<context>
    <name>OvUsbExportItem</name>
    <message>
        <source>Orvanta Export</source>
        <translation>Export Orvanta</translation>
    </message>
    <message>
        <source>Export Menu Files</source>
        <translation>Exporter les fichiers de menu</translation>
    </message>
    <message>
        <source>Check Flash Drive</source>
        <translation>Vérifier la clé USB</translation>
    </message>
</context>
<context>
    <name>NetworkingPage</name>
    <message>
        <source>Wired IP address</source>
        <translation>Adresse IP filaire</translation>
    </message>
    <message>
        <source>Wired netmask</source>
        <translation>Masque de réseau filaire</translation>
    </message>
    <message>
        <source>Wired gateway</source>
        <translation>Passerelle filaire</translation>
    </message>
    <message>
        <source>Wi-Fi IP address</source>
        <translation>Adresse IP Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi netmask</source>
        <translation>Masque de réseau Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi gateway</source>
        <translation>Passerelle Wi-Fi</translation>
    </message>
    <message>
        <source>Network name (SSID)</source>
        <translation>Nom du réseau (SSID)</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>Phrase secrète</translation>
    </message>
    <message>
        <source>%1 is not a valid IPv4 host address.</source>
        <translation>%1 n'est pas une adresse IPv4 d'hôte valide.</translation>
    </message>
    <message>
        <source>%1 is not a valid netmask.</source>
        <translation>%1 n'est pas un masque de réseau valide.</translation>
    </message>
    <message>
        <source>%1 must not hold line breaks.</source>
        <translation>%1 ne doit pas contenir de retours à la ligne.</translation>
    </message>
    <message>
        <source>%1 must not be empty while Wi-Fi is enabled.</source>
        <translation>%1 ne doit pas être vide quand le Wi-Fi est activé.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>%1 is longer than 32 bytes.</source>
        <translation>%1 dépasse 32 octets.</translation>
    </message>
    <message>
        <source>%1 must be 8 to 63 characters long.</source>
        <translation>%1 doit comporter de 8 à 63 caractères.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Application des paramètres réseau...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Paramètres réseau appliqués.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Le réseau n'a pas pu être redémarré.</translation>
    </message>
    <message>
        <source>The settings could not be saved. The network was not changed.</source>
        <translation>Les paramètres n'ont pas pu être enregistrés. Le réseau n'a pas été modifié.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Rien n'a été enregistré.</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>WPA2 Enterprise</source>
        <translation>WPA2 Entreprise</translation>
    </message>
    <message>
        <source>No status from the cloud agent yet.</source>
        <translation>Aucun état de l'agent cloud pour l'instant.</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identité</translation>
    </message>
    <message>
        <source>Static address</source>
        <translation>Adresse fixe</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Netmask</source>
        <translation>Masque de réseau</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Signal level</source>
        <translation>Niveau du signal</translation>
    </message>
    <message>
        <source>Last scan</source>
        <translation>Dernier balayage</translation>
    </message>
    <message>
        <source>No networks detected</source>
        <translation>Aucun réseau détecté</translation>
    </message>
    <message>
        <source>Wired network</source>
        <translation>Réseau filaire</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Cloud link</source>
        <translation>Liaison cloud</translation>
    </message>
    <message>
        <source>Reset to default network</source>
        <translation>Rétablir le réseau par défaut</translation>
    </message>
    <message>
        <source>Reset to default network?</source>
        <translation>Rétablir le réseau par défaut ?</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
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
    <name>WifiConnectionQuestion</name>
    <message>
        <source>Initialize the Wi-Fi connection?&lt;br&gt;The network settings will be rewritten.</source>
        <translation>Initialiser la connexion Wi-Fi ?&lt;br&gt;Les paramètres réseau seront réécrits.</translation>
    </message>
    <message>
        <source>Applying the network settings...</source>
        <translation>Application des paramètres réseau...</translation>
    </message>
    <message>
        <source>Network settings applied.</source>
        <translation>Paramètres réseau appliqués.</translation>
    </message>
    <message>
        <source>The network could not be restarted.</source>
        <translation>Le réseau n'a pas pu être redémarré.</translation>
    </message>
    <message>
        <source>Too many failed attempts.
Call service.</source>
        <translation>Trop de tentatives échouées.
Appelez le service technique.</translation>
    </message>
    <message>
        <source>PIN #</source>
        <translation>NIP #</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
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
<context>
    <name>SimpleDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>NoticePanel</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>FirstStartPanel</name>
    <message>
        <source>This cabinet is not configured yet.</source>
        <translation>Cette armoire n'est pas encore configurée.</translation>
    </message>
</context>
<context>
    <name>MasterSync</name>
    <message>
        <source>Synchronizing displays</source>
        <translation>Synchronisation des écrans</translation>
    </message>
</context>
<context>
    <name>DaypartsToUsePanel</name>
    <message>
        <source>Day-Parts</source>
        <translation>Services</translation>
    </message>
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
    <name>ExportErrorLogButton</name>
    <message>
        <source>Export Error Log</source>
        <translation>Exporter le journal des erreurs</translation>
    </message>
    <message>
        <source>The error log could not be written to %1. Check that the USB drive is plugged in and not full, then try again.</source>
        <translation>Impossible d'écrire le journal des erreurs dans %1. Vérifiez que la clé USB est branchée et n'est pas pleine, puis réessayez.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
