<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>qx::AboutDialog</name>
    <message>
        <source>About Dialog</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qx::AdaptorDialog</name>
    <message>
        <source>Clone Adaptor</source>
        <translation>Adaptateur de clonage</translation>
    </message>
    <message>
        <source>Devices with the clone adaptor&apos;s USB ID</source>
        <translation>Périphériques ayant l&apos;identifiant USB de l&apos;adaptateur de clonage</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>No clone adaptor is connected.</source>
        <translation>Aucun adaptateur de clonage n&apos;est branché.</translation>
    </message>
    <message>
        <source>1 clone adaptor is connected.</source>
        <translation>1 adaptateur de clonage est branché.</translation>
    </message>
    <message>
        <source>%1 clone adaptors are connected: choose the one whose radio you mean to program.</source>
        <translation>%1 adaptateurs de clonage sont branchés&#xa0;: choisissez celui de la radio à programmer.</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>sans numéro de série</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>bus %1, port %2</source>
        <translation>bus %1, port %2</translation>
    </message>
    <message>
        <source>%1: not a clone adaptor</source>
        <translation>%1&#xa0;: pas un adaptateur de clonage</translation>
    </message>
    <message>
        <source>%1: may not be opened by this user</source>
        <translation>%1&#xa0;: cet utilisateur n&apos;a pas le droit de l&apos;ouvrir</translation>
    </message>
</context>
<context>
    <name>qx::AdaptorStatus</name>
    <message>
        <source>USB Port Status</source>
        <translation>État du port USB</translation>
    </message>
    <message>
        <source>The adaptor can be changed once the running operation has ended.</source>
        <translation>L&apos;adaptateur pourra être changé une fois l&apos;opération en cours terminée.</translation>
    </message>
    <message>
        <source>Clone adaptor: %1</source>
        <translation>Adaptateur de clonage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation>Virtuel</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Détecté</translation>
    </message>
    <message>
        <source>Clone adaptor: %1 (chosen with Clone / Adaptor...)</source>
        <translation>Adaptateur de clonage&#xa0;: %1 (choisi avec Clonage / Adaptateur...)</translation>
    </message>
    <message>
        <source>%1 clone adaptors are connected: choose one with Clone / Adaptor...</source>
        <translation>%1 adaptateurs de clonage sont branchés&#xa0;: choisissez-en un avec Clonage / Adaptateur...</translation>
    </message>
    <message>
        <source>%1 adaptors</source>
        <translation>%1 adaptateurs</translation>
    </message>
    <message>
        <source>The chosen clone adaptor (%1) is not connected: plug it in again, or choose another with Clone / Adaptor...</source>
        <translation>L&apos;adaptateur de clonage choisi (%1) n&apos;est pas branché&#xa0;: rebranchez-le, ou choisissez-en un autre avec Clonage / Adaptateur...</translation>
    </message>
    <message>
        <source>The clone adaptor named by --radio %1 is not connected: plug it in again, or choose another with Clone / Adaptor...</source>
        <translation>L&apos;adaptateur de clonage désigné par --radio %1 n&apos;est pas branché&#xa0;: rebranchez-le, ou choisissez-en un autre avec Clonage / Adaptateur...</translation>
    </message>
</context>
<context>
    <name>qx::AtisFromMmsiButton</name>
    <message>
        <source>from MMSI</source>
        <translation>depuis le MMSI</translation>
    </message>
    <message>
        <source>Fill the ATIS ID with &quot;9&quot; followed by the MMSI</source>
        <translation>Remplir l&apos;ATIS ID avec «&#xa0;9&#xa0;» suivi du MMSI</translation>
    </message>
</context>
<context>
    <name>qx::BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>No backups yet. One is made before every write to the radio.</source>
        <translation>Aucune sauvegarde pour l&apos;instant. Une sauvegarde est faite avant chaque écriture dans la radio.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Restore to Radio</source>
        <translation>Restaurer dans la radio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Restore failed.</source>
        <translation>Échec de la restauration.</translation>
    </message>
    <message>
        <source>The radio may now hold part of the backup. Restore it again to finish.</source>
        <translation>La radio contient peut-être maintenant une partie de la sauvegarde. Restaurez-la de nouveau pour terminer.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Rien n&apos;a été écrit dans la radio.</translation>
    </message>
    <message>
        <source>Restore Error</source>
        <translation>Erreur de restauration</translation>
    </message>
    <message>
        <source>Write the backup of %1 (MMSI %2) back to the radio? The radio&apos;s whole memory is replaced by it.</source>
        <translation>Réécrire dans la radio la sauvegarde du %1 (MMSI %2)&#xa0;? Elle remplacera toute la mémoire de la radio.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>Sauvegarde de la radio...</translation>
    </message>
    <message>
        <source>Restore cancelled: identity kept.</source>
        <translation>Restauration annulée&#xa0;: identité conservée.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>En attente de la radio...</translation>
    </message>
    <message>
        <source>Restore OK.</source>
        <translation>Restauration réussie.</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Restauration en cours...</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Whole EEPROM</source>
        <translation>EEPROM entière</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Write the backup of %1 (MMSI %2) back to the radio? The radio&apos;s settings are replaced by it.</source>
        <translation>Réécrire dans la radio la sauvegarde du %1 (MMSI %2)&#xa0;? Elle remplacera les réglages de la radio.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Lecture de la radio...</translation>
    </message>
    <message>
        <source>Restore OK. The radio&apos;s previous contents were saved to %1.</source>
        <translation>Restauration réussie. Le contenu précédent de la radio a été sauvegardé dans %1.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Aucune sauvegarde de la radio n&apos;a pu être faite&#xa0;; rien n&apos;y a donc été écrit.
%1</translation>
    </message>
</context>
<context>
    <name>qx::ChannelPanel</name>
    <message>
        <source>Channel List</source>
        <translation>Liste des canaux</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>Liste des canaux</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message>
        <source>INT_Narrow</source>
        <translation>INT_Narrow</translation>
    </message>
    <message>
        <source>USA_Narrow</source>
        <translation>USA_Narrow</translation>
    </message>
    <message>
        <source>CAN_Narrow</source>
        <translation>CAN_Narrow</translation>
    </message>
    <message>
        <source>WX</source>
        <translation>WX</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privés</translation>
    </message>
    <message>
        <source>Lines %1 and %2 both have the name &quot;%3&quot;.</source>
        <translation>Les lignes %1 et %2 portent toutes deux le nom «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The radio takes channels of the same name, but you may have meant two.</source>
        <translation>La radio accepte des canaux de même nom, mais vous vouliez peut-être deux noms différents.</translation>
    </message>
    <message>
        <source>Channel Setup</source>
        <translation>Réglage du canal</translation>
    </message>
    <message>
        <source>Only Private Channel Can be Modified!</source>
        <translation>Seuls les canaux privés peuvent être modifiés&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>UI Read Only!</source>
        <translation>Interface en lecture seule&#xa0;!</translation>
    </message>
    <message>
        <source>Please Select a Channel First!</source>
        <translation>Sélectionnez d&apos;abord un canal&#xa0;!</translation>
    </message>
    <message>
        <source>Channel Number Limit!</source>
        <translation>Nombre maximal de canaux atteint&#xa0;!</translation>
    </message>
</context>
<context>
    <name>qx::ChannelSetupDialog</name>
    <message>
        <source>Channel Setup Dialog</source>
        <translation>Réglage du canal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Fréq. TX</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Fréq. RX</translation>
    </message>
    <message>
        <source>%1 (MHz)</source>
        <translation>%1 (MHz)</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Invalid Tx Frequency.
Frequency=0.00625*N.
Range=%1</source>
        <translation>Fréquence TX non valide.
Fréquence = 0.00625*N.
Plage = %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Name, first character</source>
        <translation>Nom, premier caractère</translation>
    </message>
    <message>
        <source>Name, second character</source>
        <translation>Nom, second caractère</translation>
    </message>
</context>
<context>
    <name>qx::CloneCommands</name>
    <message>
        <source>The radio may now hold part of the new settings. Write again, or write back a saved copy: a clone file through File&#xa0;/&#xa0;Open, or an EEPROM dump through Service&#xa0;/&#xa0;Eprom&#xa0;Tools.</source>
        <translation>La radio contient peut-être maintenant une partie des nouveaux réglages. Écrivez de nouveau, ou réécrivez une copie enregistrée&#xa0;: un fichier de clonage via Fichier&#xa0;/&#xa0;Ouvrir, ou une image EEPROM via Maintenance&#xa0;/&#xa0;Outils&#xa0;EEPROM.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: it was being backed up first.</source>
        <translation>Rien n&apos;a été écrit dans la radio&#xa0;: sa sauvegarde préalable était en cours.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: the identities it holds were being read first.</source>
        <translation>Rien n&apos;a été écrit dans la radio&#xa0;: la lecture préalable de ses identités était en cours.</translation>
    </message>
    <message>
        <source>To write without a backup, turn off File&#xa0;/&#xa0;Back up the radio before writing.</source>
        <translation>Pour écrire sans sauvegarde, désactivez Fichier&#xa0;/&#xa0;Sauvegarder la radio avant d&apos;écrire.</translation>
    </message>
    <message>
        <source>No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and nothing was written to the radio.</source>
        <translation>Aucun dossier de sauvegardes&#xa0;: ni XDG_DATA_HOME ni HOME n&apos;est défini&#xa0;; aucune sauvegarde n&apos;est donc possible et rien n&apos;a été écrit dans la radio.</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Écriture en cours...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture en cours...</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Vérification en cours...</translation>
    </message>
    <message>
        <source>HandShaking...</source>
        <translation>HandShake en cours...</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>Sauvegarde de la radio...</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Écrire dans la radio</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Cause&#xa0;: %1</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>Read Error.</source>
        <translation>Erreur de lecture.</translation>
    </message>
    <message>
        <source>Read OK.</source>
        <translation>Lecture réussie.</translation>
    </message>
    <message>
        <source>Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again. Make a complete backup of the radio with Service / Eprom Tools... (Read).</source>
        <translation>Attention&#xa0;: le contenu de la radio échoue au contrôle des fichiers de clonage (%1)&#xa0;; un fichier de clonage enregistré à partir de celui-ci ne pourra donc pas être rouvert. Faites une sauvegarde complète de la radio avec Maintenance / Outils EEPROM... (Lire).</translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation>Erreur de vérification.</translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation>Erreur de vérification</translation>
    </message>
    <message>
        <source>Verify OK.</source>
        <translation>Vérification réussie.</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Impossible de créer le fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Write cancelled: identity kept.</source>
        <translation>Écriture annulée&#xa0;: identité conservée.</translation>
    </message>
    <message>
        <source>Write OK.</source>
        <translation>Écriture réussie.</translation>
    </message>
    <message>
        <source>Write Error.</source>
        <translation>Erreur d&apos;écriture.</translation>
    </message>
    <message>
        <source>

The radio&apos;s previous contents were saved to %1: File&#xa0;/&#xa0;Backups... puts them back.</source>
        <translation>

Le contenu précédent de la radio a été sauvegardé dans %1&#xa0;: Fichier&#xa0;/&#xa0;Sauvegardes... le remet en place.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Aucune sauvegarde de la radio n&apos;a pu être faite&#xa0;; rien n&apos;y a donc été écrit.
%1</translation>
    </message>
    <message>
        <source>HandShake OK.</source>
        <translation>HandShake réussi.</translation>
    </message>
    <message>
        <source>HandShake Error.</source>
        <translation>Erreur de HandShake.</translation>
    </message>
    <message>
        <source>Readt.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio. Write again once the other program has finished.</source>
        <translation>Rien n&apos;a été écrit dans la radio. Écrivez de nouveau une fois l&apos;autre programme terminé.</translation>
    </message>
</context>
<context>
    <name>qx::CloneDocument</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>(Read only)</source>
        <translation>(Lecture seule)</translation>
    </message>
    <message>
        <source>Save as file error.</source>
        <translation>Erreur lors de l&apos;enregistrement du fichier sous un nouveau nom.</translation>
    </message>
    <message>
        <source>Save file error.</source>
        <translation>Erreur lors de l&apos;enregistrement du fichier.</translation>
    </message>
    <message>
        <source>Do you want to save?</source>
        <translation>Voulez-vous enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVERTISSEMENT</translation>
    </message>
    <message>
        <source>Open file OK.</source>
        <translation>Fichier ouvert.</translation>
    </message>
    <message>
        <source>Save file OK.</source>
        <translation>Fichier enregistré.</translation>
    </message>
    <message>
        <source>Save as file OK.</source>
        <translation>Fichier enregistré sous un nouveau nom.</translation>
    </message>
    <message>
        <source>File is modified. Do you want to save?</source>
        <translation>Le fichier a été modifié. Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>File is Modify. Do you want to save?</source>
        <translation>Le fichier a été modifié. Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>This document cannot be saved as a clone file: %1, and such a file would not open again. Edit or remove that channel first.</source>
        <translation>Ce document ne peut pas être enregistré comme fichier de clonage : %1, et un tel fichier ne s&apos;ouvrirait plus. Modifiez ou supprimez d&apos;abord ce canal.</translation>
    </message>
</context>
<context>
    <name>qx::ConfigDialog</name>
    <message>
        <source>Config Dialog</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>HandSet Test Mode</source>
        <translation>Mode test de la radio</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Write OK</source>
        <translation>Écriture réussie</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Enable Handset Test Mode OK.</source>
        <translation>Mode test de la radio activé.</translation>
    </message>
    <message>
        <source>Disable Handset Test Mode OK.</source>
        <translation>Mode test de la radio désactivé.</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>The radio answered: HandShake OK.</source>
        <translation>La radio a répondu&#xa0;: HandShake réussi.</translation>
    </message>
</context>
<context>
    <name>qx::Editing</name>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>ATIS ID</source>
        <translation>ATIS ID</translation>
    </message>
    <message>
        <source>MMSI entry by user</source>
        <translation>Saisie MMSI par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation>Saisie ATIS par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation>Pas PLL TX</translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation>Pas PLL RX</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Canaux %1</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message>
        <source>USA_narrow</source>
        <translation>USA_narrow</translation>
    </message>
    <message>
        <source>INT_narrow</source>
        <translation>INT_narrow</translation>
    </message>
    <message>
        <source>CAN_narrow</source>
        <translation>CAN_narrow</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Chargement des valeurs par défaut</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lecture de la radio</translation>
    </message>
    <message>
        <source>Add private channel</source>
        <translation>Ajout d&apos;un canal privé</translation>
    </message>
    <message>
        <source>Edit private channel</source>
        <translation>Modification d&apos;un canal privé</translation>
    </message>
    <message>
        <source>Remove private channel</source>
        <translation>Suppression d&apos;un canal privé</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Importation de canaux (CSV)</translation>
    </message>
    <message>
        <source>Feature Setup</source>
        <translation>Réglage des fonctions</translation>
    </message>
    <message>
        <source>Invalid MMIS ID:%1
Make sure 9 digitals.</source>
        <translation>MMSI non valide : %1
Saisissez exactement 9 chiffres.</translation>
    </message>
    <message>
        <source>Invalid ATIS ID:%1
Make sure 9 digitals.</source>
        <translation>ATIS ID non valide : %1
Saisissez exactement 9 chiffres.</translation>
    </message>
    <message>
        <source>Channel Number Limit!</source>
        <translation>Nombre maximal de canaux atteint !</translation>
    </message>
    <message>
        <source>NO Channel!</source>
        <translation>Aucun canal !</translation>
    </message>
    <message>
        <source>Please Select a Channel!</source>
        <translation>Sélectionnez un canal !</translation>
    </message>
    <message>
        <source>Please Select a Channel First!</source>
        <translation>Sélectionnez d&apos;abord un canal !</translation>
    </message>
    <message>
        <source>Invalid Tx Frequency.
Frequency=0.00625*N.
Range=%1</source>
        <translation>Fréquence TX non valide.
Fréquence = 0.00625*N.
Plage = %1</translation>
    </message>
    <message>
        <source>A private channel&apos;s name is one of %1 and a digit.</source>
        <translation>Le nom d&apos;un canal privé est l&apos;un de %1 suivi d&apos;un chiffre.</translation>
    </message>
    <message>
        <source>RX would be %1 MHz, outside 136..174 MHz: a clone file with this channel would not open again. Choose Simplex, or a TX of at most 169.4 MHz for Duplex.</source>
        <translation>La RX serait à %1 MHz, hors de 136..174 MHz : un fichier de clonage avec ce canal ne s&apos;ouvrirait plus. Choisissez Simplex, ou pour Duplex une TX d&apos;au plus 169,4 MHz.</translation>
    </message>
    <message>
        <source>A clone file with this channel would not open again: it %1.</source>
        <translation>Un fichier de clonage avec ce canal ne s&apos;ouvrirait plus : il %1.</translation>
    </message>
</context>
<context>
    <name>qx::Core</name>
    <message>
        <source>Read Error.</source>
        <translation>Erreur de lecture.</translation>
    </message>
    <message>
        <source>Write Error.</source>
        <translation>Erreur d&apos;écriture.</translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation>Erreur de vérification.</translation>
    </message>
    <message>
        <source>Handshake Error.</source>
        <translation>Erreur de HandShake.</translation>
    </message>
    <message>
        <source>Read from Comp Port Error.</source>
        <translation>Erreur de lecture du port COM.</translation>
    </message>
    <message>
        <source>Write to Comp Port Error.</source>
        <translation>Erreur d&apos;écriture sur le port COM.</translation>
    </message>
    <message>
        <source>Adaptor is not detected!</source>
        <translation>Adaptateur non détecté&#xa0;!</translation>
    </message>
    <message>
        <source>Radio is not detected!</source>
        <translation>Radio non détectée&#xa0;!</translation>
    </message>
    <message>
        <source>Communication time out!</source>
        <translation>Délai de communication dépassé&#xa0;!</translation>
    </message>
    <message>
        <source>HandShake Error!</source>
        <translation>Erreur de HandShake&#xa0;!</translation>
    </message>
    <message>
        <source>CheckSum Error</source>
        <translation>Erreur de somme de contrôle</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Données non valides</translation>
    </message>
    <message>
        <source>Radio and PC software are not matched.</source>
        <translation>La radio et ce logiciel ne sont pas compatibles.</translation>
    </message>
    <message>
        <source>The system cannot find the COM Port specified.</source>
        <translation>Le système ne trouve pas le port COM indiqué.</translation>
    </message>
    <message>
        <source>COM Port Access is denied.</source>
        <translation>Accès au port COM refusé.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Open File Error.</source>
        <translation>Erreur d&apos;ouverture du fichier.</translation>
    </message>
    <message>
        <source>Read from File Error.</source>
        <translation>Erreur de lecture du fichier.</translation>
    </message>
    <message>
        <source>Write to File Error.</source>
        <translation>Erreur d&apos;écriture du fichier.</translation>
    </message>
    <message>
        <source>Unknown File Format.</source>
        <translation>Format de fichier inconnu.</translation>
    </message>
    <message>
        <source>File Read Only.</source>
        <translation>Fichier en lecture seule.</translation>
    </message>
    <message>
        <source>File Exist.</source>
        <translation>Le fichier existe déjà.</translation>
    </message>
    <message>
        <source>Unknown File Error.</source>
        <translation>Erreur de fichier inconnue.</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Annulé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Function Parameter Error</source>
        <translation>Erreur de paramètre de fonction</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The clone adaptor is connected but this user may not open it. Install the udev rule 70-qx720-clone.rules, then unplug and replug the adaptor.</source>
        <translation>L&apos;adaptateur de clonage est branché, mais cet utilisateur n&apos;a pas le droit de l&apos;ouvrir. Installez la règle udev 70-qx720-clone.rules, puis débranchez et rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>The radio holds %1. Write over it and clear it?</source>
        <translation>La radio contient l&apos;identité %1. L&apos;écraser et l&apos;effacer&#xa0;?</translation>
    </message>
    <message>
        <source>The radio holds %1. Write %2 over it?</source>
        <translation>La radio contient l&apos;identité %1. La remplacer par %2&#xa0;?</translation>
    </message>
    <message>
        <source>The radio is in use by another program.</source>
        <translation>La radio est utilisée par un autre programme.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programme&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>qx::DialogFrame</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>qx::EpromToolsDialog</name>
    <message>
        <source>Eprom Tools Dialog</source>
        <translation>Outils EEPROM</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Clonage</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>Éc&amp;rire</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Verify Error!</source>
        <translation>Erreur de vérification&#xa0;!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>EEPROM files (*.Bin)</source>
        <translation>Fichiers EEPROM (*.Bin)</translation>
    </message>
    <message>
        <source>Open File Error:
%1</source>
        <translation>Erreur d&apos;ouverture du fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Open File Error</source>
        <translation>Erreur d&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Écriture en cours...</translation>
    </message>
    <message>
        <source>Write Error!</source>
        <translation>Erreur d&apos;écriture&#xa0;!</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>Write OK!</source>
        <translation>Écriture réussie&#xa0;!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture en cours...</translation>
    </message>
    <message>
        <source>Read Error!</source>
        <translation>Erreur de lecture&#xa0;!</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>Read OK!</source>
        <translation>Lecture réussie&#xa0;!</translation>
    </message>
    <message>
        <source>Verifing...</source>
        <translation>Vérification en cours...</translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation>Erreur de vérification</translation>
    </message>
    <message>
        <source>Difference = %1</source>
        <translation>Différences&#xa0;: %1</translation>
    </message>
    <message>
        <source>Verify OK!</source>
        <translation>Vérification réussie&#xa0;!</translation>
    </message>
    <message>
        <source>No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and nothing was written to the radio.</source>
        <translation>Aucun dossier de sauvegardes&#xa0;: ni XDG_DATA_HOME ni HOME n&apos;est défini&#xa0;; aucune sauvegarde n&apos;est donc possible et rien n&apos;a été écrit dans la radio.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Lecture de la radio...</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Write cancelled: identity kept.</source>
        <translation>Écriture annulée&#xa0;: identité conservée.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>En attente de la radio...</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Aucune sauvegarde de la radio n&apos;a pu être faite&#xa0;; rien n&apos;y a donc été écrit.
%1</translation>
    </message>
</context>
<context>
    <name>qx::FeaturePanel</name>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Radio Feature</source>
        <translation>Fonctions de la radio</translation>
    </message>
    <message>
        <source>INT</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>CAN</source>
        <translation>CAN</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privés</translation>
    </message>
    <message>
        <source>USA_narrow</source>
        <translation>USA_narrow</translation>
    </message>
    <message>
        <source>INT_narrow</source>
        <translation>INT_narrow</translation>
    </message>
    <message>
        <source>CAN_narrow</source>
        <translation>CAN_narrow</translation>
    </message>
    <message>
        <source>WX Channels</source>
        <translation>Canaux WX</translation>
    </message>
    <message>
        <source>TX PLL STEP:</source>
        <translation>Pas PLL TX&#xa0;:</translation>
    </message>
    <message>
        <source>RX PLL STEP:</source>
        <translation>Pas PLL RX&#xa0;:</translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation>Pas PLL TX</translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation>Pas PLL RX</translation>
    </message>
</context>
<context>
    <name>qx::FeatureSetupDialog</name>
    <message>
        <source>Feature Setup Dialog</source>
        <translation>Réglage des fonctions</translation>
    </message>
    <message>
        <source>Brand Name:</source>
        <translation>Marque&#xa0;:</translation>
    </message>
    <message>
        <source>Model Name:</source>
        <translation>Modèle&#xa0;:</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>GPS Alert</source>
        <translation>Alerte GPS</translation>
    </message>
    <message>
        <source>Enale WX Alert Check.</source>
        <translation>Activer le contrôle des alertes WX.</translation>
    </message>
</context>
<context>
    <name>qx::FileCommands</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Backup opened.</source>
        <translation>Sauvegarde ouverte.</translation>
    </message>
</context>
<context>
    <name>qx::IdentityBox</name>
    <message>
        <source>MMSI entry by user</source>
        <translation>Saisie MMSI par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation>Saisie ATIS par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Please enter the 9 digital MMSI number.</source>
        <translation>Saisissez le numéro MMSI à 9 chiffres.</translation>
    </message>
    <message>
        <source>Please enter the last 9 numbers of the 10 digit ATIS ID.</source>
        <translation>Saisissez les 9 derniers chiffres de l&apos;ATIS ID à 10 chiffres.</translation>
    </message>
    <message>
        <source>The initial &quot;9&quot; is entered automatically.</source>
        <translation>Le «&#xa0;9&#xa0;» initial est saisi automatiquement.</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>ATIS ID</source>
        <translation>ATIS ID</translation>
    </message>
</context>
<context>
    <name>qx::IdentityHint</name>
    <message>
        <source>an ATIS ID cannot start with 90</source>
        <translation>un ATIS ID ne peut pas commencer par 90</translation>
    </message>
    <message>
        <source>a coast station&apos;s MMSI starts with 00</source>
        <translation>le MMSI d&apos;une station côtière commence par 00</translation>
    </message>
    <message>
        <source>a group&apos;s MMSI starts with 0</source>
        <translation>le MMSI d&apos;un groupe commence par 0</translation>
    </message>
    <message>
        <source>The radio refuses this number: %1.</source>
        <translation>La radio refuse ce numéro&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>Write to Radio</source>
        <translation>Écrire dans la radio</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>Stop &amp;Read</source>
        <translation>Arrêter la &amp;lecture</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>Éc&amp;rire dans la radio</translation>
    </message>
    <message>
        <source>Stop &amp;Write</source>
        <translation>Arrêter l&apos;éc&amp;riture</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Stop &amp;Verify</source>
        <translation>Arrêter la &amp;vérification</translation>
    </message>
    <message>
        <source>&amp;HandShake</source>
        <translation>&amp;HandShake</translation>
    </message>
    <message>
        <source>Stop &amp;HandShake</source>
        <translation>Arrêter le &amp;HandShake</translation>
    </message>
    <message>
        <source>Feature Setup</source>
        <translation>Réglage des fonctions</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Défaire</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refaire</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Clonage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Export Freq Table</source>
        <translation>&amp;Exporter la table des fréquences</translation>
    </message>
    <message>
        <source>View &amp;CheckSum</source>
        <translation>Afficher la somme de &amp;contrôle</translation>
    </message>
    <message>
        <source>Export Cha&amp;nnels (CSV)...</source>
        <translation>Exporter les ca&amp;naux (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)...</source>
        <translation>&amp;Importer des canaux (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Service</source>
        <translation>&amp;Maintenance</translation>
    </message>
    <message>
        <source>&amp;Feature Setup...</source>
        <translation>Réglage des &amp;fonctions...</translation>
    </message>
    <message>
        <source>&amp;Config...</source>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>&amp;Eprom Tools...</source>
        <translation>Outils &amp;EEPROM...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Défaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Refaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>&amp;Charger les valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>Back up the radio before &amp;writing</source>
        <translation>Sauvegarder la &amp;radio avant d&apos;écrire</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>Sau&amp;vegardes...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Language (after a restart)</source>
        <translation>&amp;Langue (après redémarrage)</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>La langue changera au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>&amp;Adaptor...</source>
        <translation>&amp;Adaptateur...</translation>
    </message>
    <message>
        <source>Back up the whole &amp;EEPROM before a write</source>
        <translation>Sauvegarder &amp;toute l&apos;EEPROM avant une écriture</translation>
    </message>
</context>
<context>
    <name>qx::ModelWizardDialog</name>
    <message>
        <source>Model Wizard Dialog</source>
        <translation>Assistant de modèle</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Type de modèle</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>EUR (INT)</source>
        <translation>EUR (INT)</translation>
    </message>
    <message>
        <source>EUR (INT,USA)</source>
        <translation>EUR (INT,USA)</translation>
    </message>
    <message>
        <source>European Private Channels</source>
        <translation>Canaux privés européens</translation>
    </message>
    <message>
        <source>Private Channel</source>
        <translation>Canaux privés</translation>
    </message>
    <message>
        <source>Private channels of the set</source>
        <translation>Canaux privés du jeu choisi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parameter is not ready.</source>
        <translation>Paramètres incomplets.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>qx::PrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>The printer could not be used.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être utilisée.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>Envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>channel-card.pdf</source>
        <translation>carte-des-canaux.pdf</translation>
    </message>
    <message>
        <source>commissioning-sheet.pdf</source>
        <translation>fiche-de-mise-en-service.pdf</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Impossible de créer le fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
</context>
<context>
    <name>qx::SheetDialog</name>
    <message>
        <source>&amp;Commissioning sheet</source>
        <translation>&amp;Fiche de mise en service</translation>
    </message>
    <message>
        <source>Channel c&amp;ard</source>
        <translation>&amp;Carte des canaux</translation>
    </message>
    <message>
        <source>&amp;Vessel name:</source>
        <translation>&amp;Nom du navire&#xa0;:</translation>
    </message>
    <message>
        <source>Call &amp;sign:</source>
        <translation>&amp;Indicatif d&apos;appel&#xa0;:</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Nom du navire</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Indicatif d&apos;appel</translation>
    </message>
    <message>
        <source>Left empty, they are lines to fill in by hand.</source>
        <translation>Laissés vides, ce sont des lignes à remplir à la main.</translation>
    </message>
</context>
<context>
    <name>qx::StatusBox</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Prêt.</translation>
    </message>
    <message>
        <source>Logo;</source>
        <translation>Logo&#xa0;;</translation>
    </message>
    <message>
        <source>Save RomMap;</source>
        <translation>Carte ROM&#xa0;;</translation>
    </message>
</context>
<context>
    <name>qx::ToolCommands</name>
    <message>
        <source>A USA-model record has no private channels.</source>
        <translation>Les données d&apos;un modèle USA ne comportent pas de canaux privés.</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Impossible de créer le fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Export Freq Table</source>
        <translation>Exporter la table des fréquences</translation>
    </message>
    <message>
        <source>Report: %1</source>
        <translation>Rapport&#xa0;: %1</translation>
    </message>
    <message>
        <source>The report is saved as:
%1</source>
        <translation>Le rapport est enregistré sous&#xa0;:
%1</translation>
    </message>
    <message>
        <source>No program opened it; open the file with any text editor.</source>
        <translation>Aucun programme ne l&apos;a ouvert&#xa0;; ouvrez le fichier avec un éditeur de texte.</translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation>Somme de contrôle</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Exporter les canaux</translation>
    </message>
    <message>
        <source>Exported %1 private channels.</source>
        <translation>Canaux privés exportés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Importer des canaux</translation>
    </message>
    <message>
        <source>... and %1 more (see the details).</source>
        <translation>... et %1 autres (voir les détails).</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 has problems.</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1 comporte des erreurs.</translation>
    </message>
    <message>
        <source>Imported %1 private channels.</source>
        <translation>Canaux privés importés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 of the file both have the name &quot;%3&quot;.</source>
        <translation>Les lignes %1 et %2 du fichier portent toutes deux le nom «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The radio takes channels of the same name, but you may have meant two.</source>
        <translation>La radio accepte des canaux de même nom, mais vous vouliez peut-être deux noms différents.</translation>
    </message>
</context>
<context>
    <name>qx::UserDialog</name>
    <message>
        <source>The PC clone tool adds private channels.</source>
        <translation>L&apos;outil de clonage PC ajoute les canaux privés.</translation>
    </message>
    <message>
        <source>The radio firmware is unchanged.</source>
        <translation>Le micrologiciel de la radio n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>Only private channels are cloned, 100 at most.</source>
        <translation>Seuls les canaux privés sont clonés, 100 au maximum.</translation>
    </message>
    <message>
        <source>The UIC data is fixed in the flash memory of the radio&apos;s controller.</source>
        <translation>Les données UIC sont fixées dans la mémoire flash du contrôleur de la radio.</translation>
    </message>
    <message>
        <source>Private channels can be added, removed and defined by the user.</source>
        <translation>L&apos;utilisateur peut ajouter, supprimer et définir des canaux privés.</translation>
    </message>
    <message>
        <source>The channel record is redefined as 10 bytes; the name is stored as an index.</source>
        <translation>L&apos;enregistrement d&apos;un canal est redéfini sur 10 octets&#xa0;; le nom est stocké sous forme d&apos;index.</translation>
    </message>
    <message>
        <source>EEPROM addresses are redefined.</source>
        <translation>Les adresses EEPROM sont redéfinies.</translation>
    </message>
    <message>
        <source>The INT, USA, CAN, narrow and WX channel tables are taken from the radio firmware.</source>
        <translation>Les tables des canaux INT, USA, CAN, à bande étroite et WX proviennent du micrologiciel de la radio.</translation>
    </message>
    <message>
        <source>The channel list follows the band selection; its display is adjusted.</source>
        <translation>La liste des canaux suit la bande choisie&#xa0;; son affichage est ajusté.</translation>
    </message>
    <message>
        <source>Receive intermediate frequency 38.85 MHz.</source>
        <translation>Fréquence intermédiaire de réception&#xa0;: 38,85 MHz.</translation>
    </message>
    <message>
        <source>Frequencies are shown in 3.4 format, which also suits narrow channels.</source>
        <translation>Les fréquences sont affichées au format 3.4, qui convient aussi aux canaux à bande étroite.</translation>
    </message>
    <message>
        <source>The channel combo box follows the selection.</source>
        <translation>La liste déroulante des canaux suit la sélection.</translation>
    </message>
    <message>
        <source>The low part of the divider is in the low byte.</source>
        <translation>La partie basse du diviseur est dans l&apos;octet de poids faible.</translation>
    </message>
    <message>
        <source>The private channel name uses one byte, high bit 0.</source>
        <translation>Le nom d&apos;un canal privé occupe un octet, bit de poids fort à 0.</translation>
    </message>
    <message>
        <source>The Exit button becomes Read.</source>
        <translation>Le bouton Quitter devient Lire.</translation>
    </message>
    <message>
        <source>Start-up no longer asks for private channels.</source>
        <translation>Le démarrage ne demande plus les canaux privés.</translation>
    </message>
    <message>
        <source>ATIS and MMSI positions updated.</source>
        <translation>Positions de l&apos;ATIS et du MMSI mises à jour.</translation>
    </message>
    <message>
        <source>Edit button added.</source>
        <translation>Bouton Modifier ajouté.</translation>
    </message>
    <message>
        <source>Tx Freq Range 136 to 174MHz</source>
        <translation>Plage de fréquences TX de 136 à 174 MHz</translation>
    </message>
    <message>
        <source>Write Addr=0x100 to 0x6FF</source>
        <translation>Adresses d&apos;écriture de 0x100 à 0x6FF</translation>
    </message>
    <message>
        <source>USA and EUR flags added.</source>
        <translation>Indicateurs USA et EUR ajoutés.</translation>
    </message>
    <message>
        <source>A Read error is fixed.</source>
        <translation>Correction d&apos;une erreur de lecture.</translation>
    </message>
    <message>
        <source>Intermediate frequency filter changed to 19.65.</source>
        <translation>Filtre de fréquence intermédiaire passé à 19,65.</translation>
    </message>
    <message>
        <source>A write control is added that lets the radio enter adjust (test) mode.</source>
        <translation>Ajout d&apos;une commande d&apos;écriture qui permet de passer la radio en mode réglage (test).</translation>
    </message>
    <message>
        <source>Entering adjust mode is not allowed by default.</source>
        <translation>Le passage en mode réglage n&apos;est pas autorisé par défaut.</translation>
    </message>
    <message>
        <source>User Dialog</source>
        <translation>Options utilisateur</translation>
    </message>
    <message>
        <source>Adjust Mode.</source>
        <translation>Mode réglage.</translation>
    </message>
    <message>
        <source>Create logo file.</source>
        <translation>Créer le fichier logo.</translation>
    </message>
    <message>
        <source>Create ROM map file.</source>
        <translation>Créer le fichier de carte ROM.</translation>
    </message>
    <message>
        <source>UI Read Only.</source>
        <translation>Interface en lecture seule.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Historique des versions</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>qx::WebPage</name>
    <message>
        <source>Back up the whole EEPROM before a write</source>
        <translation>Sauvegarder toute l&apos;EEPROM avant une écriture</translation>
    </message>
    <message>
        <source>Before every write the radio&apos;s contents are saved in this browser: the clone range the write replaces, or the whole EEPROM.</source>
        <translation>Avant chaque écriture, le contenu de la radio est sauvegardé dans ce navigateur&#xa0;: la plage de clonage que l&apos;écriture remplace, ou toute l&apos;EEPROM.</translation>
    </message>
    <message>
        <source>whole EEPROM</source>
        <translation>EEPROM entière</translation>
    </message>
    <message>
        <source>clone range</source>
        <translation>plage de clonage</translation>
    </message>
    <message>
        <source>The adaptor is in use in another tab.</source>
        <translation>L&apos;adaptateur est utilisé dans un autre onglet.</translation>
    </message>
    <message>
        <source>Write %1 back into the radio? Everything it holds now is replaced.</source>
        <translation>Réécrire %1 dans la radio&#xa0;? Tout ce qu&apos;elle contient maintenant sera remplacé.</translation>
    </message>
    <message>
        <source>Write %1 back into the radio? Its settings and identities are replaced; the rest of its EEPROM stays as it is.</source>
        <translation>Réécrire %1 dans la radio&#xa0;? Ses réglages et ses identités seront remplacés&#xa0;; le reste de son EEPROM reste tel quel.</translation>
    </message>
    <message>
        <source>The radio&apos;s contents before the restore were saved in this browser as %1.</source>
        <translation>Le contenu de la radio avant la restauration a été sauvegardé dans ce navigateur sous le nom %1.</translation>
    </message>
    <message>
        <source>The radio&apos;s previous contents were saved in this browser as %1.</source>
        <translation>Le contenu précédent de la radio a été sauvegardé dans ce navigateur sous le nom %1.</translation>
    </message>
    <message>
        <source>The radio&apos;s previous contents were saved in this browser as %1: Backups puts them back.</source>
        <translation>Le contenu précédent de la radio a été sauvegardé dans ce navigateur sous le nom %1&#xa0;: Sauvegardes le remet en place.</translation>
    </message>
    <message>
        <source>The radio may now hold part of the new settings. Write again, or put back its previous contents.</source>
        <translation>La radio contient peut-être maintenant une partie des nouveaux réglages. Écrivez de nouveau, ou remettez son contenu précédent.</translation>
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
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Three steps</source>
        <translation>Trois étapes</translation>
    </message>
    <message>
        <source>1. Connect the adaptor</source>
        <translation>1. Brancher l&apos;adaptateur</translation>
    </message>
    <message>
        <source>Plug the clone adaptor into this computer and the radio, then choose it in the browser&apos;s list.</source>
        <translation>Branchez l&apos;adaptateur de clonage sur cet ordinateur et sur la radio, puis choisissez-le dans la liste du navigateur.</translation>
    </message>
    <message>
        <source>2. Read the radio</source>
        <translation>2. Lire la radio</translation>
    </message>
    <message>
        <source>Copies what the radio holds into this page; the radio itself is not changed.</source>
        <translation>Copie le contenu de la radio dans cette page&#xa0;; la radio elle-même n&apos;est pas modifiée.</translation>
    </message>
    <message>
        <source>3. Check and write</source>
        <translation>3. Vérifier et écrire</translation>
    </message>
    <message>
        <source>Check the identities and channels below, then write them to the radio, which is backed up first.</source>
        <translation>Vérifiez les identités et les canaux ci-dessous, puis écrivez-les dans la radio, qui est d&apos;abord sauvegardée.</translation>
    </message>
    <message>
        <source>No radio has been read yet</source>
        <translation>Aucune radio n&apos;a encore été lue</translation>
    </message>
    <message>
        <source>Read the radio (step 2) to see and change what it holds, or start from a clone file or from a model&apos;s defaults.</source>
        <translation>Lisez la radio (étape 2) pour voir et modifier son contenu, ou partez d&apos;un fichier de clonage ou des valeurs par défaut d&apos;un modèle.</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>For dealers and service: the radio&apos;s link, its model and channel groups, the synthesizer steps and the EEPROM.</source>
        <translation>Pour les revendeurs et le service&#xa0;: la liaison avec la radio, son modèle et ses groupes de canaux, les pas du synthétiseur et l&apos;EEPROM.</translation>
    </message>
    <message>
        <source>Radio link and EEPROM</source>
        <translation>Liaison avec la radio et EEPROM</translation>
    </message>
    <message>
        <source>No adaptor chosen.</source>
        <translation>Aucun adaptateur choisi.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 de plus.</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Rien n&apos;a été importé&#xa0;:</translation>
    </message>
    <message>
        <source>The last write was interrupted</source>
        <translation>La dernière écriture a été interrompue</translation>
    </message>
    <message>
        <source>Write again</source>
        <translation>Écrire à nouveau</translation>
    </message>
    <message>
        <source>Restore again</source>
        <translation>Restaurer à nouveau</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Restaurer la sauvegarde</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>Restaurer %1</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>A write to the radio began at %1 and did not finish: the page was closed or reloaded, or the browser stopped. The radio may be half written and may not work as it should. Write again, or put back the backup taken just before: %2.</source>
        <translation>Une écriture dans la radio a commencé le %1 et ne s&apos;est pas terminée&#xa0;: la page a été fermée ou rechargée, ou le navigateur s&apos;est arrêté. La radio est peut-être à moitié écrite et risque de ne pas fonctionner correctement. Écrivez à nouveau, ou remettez la sauvegarde faite juste avant&#xa0;: %2.</translation>
    </message>
    <message>
        <source>A restore of %1 into the radio began at %2 and did not finish: the page was closed or reloaded, or the browser stopped. The radio may be half written and may not work as it should. Restore again, or put back the backup taken just before: %3.</source>
        <translation>Une restauration de %1 dans la radio a commencé le %2 et ne s&apos;est pas terminée&#xa0;: la page a été fermée ou rechargée, ou le navigateur s&apos;est arrêté. La radio est peut-être à moitié écrite et risque de ne pas fonctionner correctement. Restaurez à nouveau, ou remettez la sauvegarde faite juste avant&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The document that was being written (%1) is no longer open in this page. Open its clone file again, or make the same settings again, then press Write again; or restore the backup.</source>
        <translation>Le document en cours d&apos;écriture (%1) n&apos;est plus ouvert dans cette page. Ouvrez à nouveau son fichier de clonage, ou refaites les mêmes réglages, puis appuyez sur «&#xa0;Écrire à nouveau&#xa0;»&#xa0;; ou restaurez la sauvegarde.</translation>
    </message>
    <message>
        <source>The backup %1 is no longer in this browser.</source>
        <translation>La sauvegarde %1 n&apos;est plus dans ce navigateur.</translation>
    </message>
    <message>
        <source>This browser may delete the backups kept here: in a private window when it closes, otherwise when the disk runs low. Each backup is therefore also downloaded as it is made: keep those files.</source>
        <translation>Ce navigateur peut effacer les sauvegardes conservées ici&#xa0;: dans une fenêtre privée à sa fermeture, sinon quand le disque est presque plein. Chaque sauvegarde est donc aussi téléchargée au moment où elle est faite&#xa0;: gardez ces fichiers.</translation>
    </message>
    <message>
        <source>This browser does not store backups here (%1), so the radio cannot be written from this page.</source>
        <translation>Ce navigateur n&apos;enregistre pas de sauvegardes ici (%1)&#xa0;: la radio ne peut donc pas être écrite depuis cette page.</translation>
    </message>
    <message>
        <source>the browser did not store the backup</source>
        <translation>le navigateur n&apos;a pas enregistré la sauvegarde</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
    <message>
        <source>Delete backup</source>
        <translation>Supprimer la sauvegarde</translation>
    </message>
    <message>
        <source>Delete the backup %1 from this browser? It cannot be brought back.</source>
        <translation>Supprimer la sauvegarde %1 de ce navigateur&#xa0;? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <source>Download all (ZIP)</source>
        <translation>Tout télécharger (ZIP)</translation>
    </message>
    <message>
        <source>Connect adaptor...</source>
        <translation>Connecter l&apos;adaptateur...</translation>
    </message>
    <message>
        <source>Virtual radio</source>
        <translation>Radio virtuelle</translation>
    </message>
    <message>
        <source>Export channels (CSV)</source>
        <translation>Exporter les canaux (CSV)</translation>
    </message>
    <message>
        <source>Import channels (CSV)</source>
        <translation>Importer les canaux (CSV)</translation>
    </message>
    <message>
        <source>Import channels</source>
        <translation>Importer les canaux</translation>
    </message>
    <message>
        <source>Imported the private channels of %1.</source>
        <translation>Les canaux privés de %1 ont été importés.</translation>
    </message>
    <message>
        <source>ATIS ID (9 + the last 9 digits)</source>
        <translation>ID ATIS (9 + les 9 derniers chiffres)</translation>
    </message>
    <message>
        <source>Please enter the last 9 numbers of the 10 digit ATIS ID. The initial &quot;9&quot; is entered automatically.</source>
        <translation>Saisissez les 9 derniers chiffres de l&apos;ID ATIS à 10 chiffres. Le «&#xa0;9&#xa0;» initial est ajouté automatiquement.</translation>
    </message>
    <message>
        <source>Verify report</source>
        <translation>Rapport de vérification</translation>
    </message>
    <message>
        <source>Download Verify.txt</source>
        <translation>Télécharger Verify.txt</translation>
    </message>
    <message>
        <source>Model and Radio Feature</source>
        <translation>Modèle et fonctions de la radio</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Model for Load Default</source>
        <translation>Modèle pour les valeurs par défaut</translation>
    </message>
    <message>
        <source>European private channel set for Load Default</source>
        <translation>Jeu européen de canaux privés pour les valeurs par défaut</translation>
    </message>
    <message>
        <source>Clone file to open</source>
        <translation>Fichier de clonage à ouvrir</translation>
    </message>
    <message>
        <source>Channel CSV file to import</source>
        <translation>Fichier CSV de canaux à importer</translation>
    </message>
    <message>
        <source>Channels of the band</source>
        <translation>Canaux de la bande</translation>
    </message>
    <message>
        <source>%1 adaptors</source>
        <translation>%1 adaptateurs</translation>
    </message>
    <message>
        <source>The rule (saved as %1):</source>
        <translation>La règle (enregistrée sous %1)&#xa0;:</translation>
    </message>
    <message>
        <source>Then run: %1</source>
        <translation>Puis exécutez&#xa0;: %1</translation>
    </message>
    <message>
        <source>The browser said: %1</source>
        <translation>Le navigateur a répondu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again.</source>
        <translation>Attention&#xa0;: le contenu de la radio ne passe pas le contrôle des fichiers de clonage (%1)&#xa0;; un fichier de clonage enregistré à partir de lui ne s&apos;ouvrira plus.</translation>
    </message>
    <message>
        <source>The browser did not open its device chooser: %1</source>
        <translation>Le navigateur n&apos;a pas ouvert son sélecteur de périphériques&#xa0;: %1</translation>
    </message>
    <message>
        <source>This browser cannot reach USB devices (it has no WebHID). Open this file in Chrome, Edge, Opera or Brave on a desktop computer, or use the desktop program QX720Clone. &quot;Virtual radio&quot; works here too.</source>
        <translation>Ce navigateur ne peut pas accéder aux périphériques USB (il n&apos;a pas WebHID). Ouvrez ce fichier dans Chrome, Edge, Opera ou Brave sur un ordinateur de bureau, ou utilisez le programme QX720Clone. «&#xa0;Radio virtuelle&#xa0;» fonctionne aussi ici.</translation>
    </message>
    <message>
        <source>Restore Error.</source>
        <translation>Erreur de restauration.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danemark</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlande</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norvège</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Holland</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Backups may not be kept in this browser: each one is also downloaded.</source>
        <translation>Ce navigateur risque de ne pas garder les sauvegardes&#xa0;: chacune est aussi téléchargée.</translation>
    </message>
</context>
<context>
    <name>qx::WebPrint</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Nom du navire</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Indicatif d’appel</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Print commissioning sheet</source>
        <translation>Imprimer la fiche de mise en service</translation>
    </message>
    <message>
        <source>Print channel card</source>
        <translation>Imprimer la carte des canaux</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
</context>
<context>
    <name>qx::Sheet</name>
    <message>
        <source>Commissioning record</source>
        <translation>Fiche de mise en service</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Carte des canaux</translation>
    </message>
    <message>
        <source>QX720 commissioning record</source>
        <translation>Fiche de mise en service QX720</translation>
    </message>
    <message>
        <source>QX720 channel card</source>
        <translation>Carte des canaux QX720</translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <translation>%1, imprimé le %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Navire</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Nom du navire</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Indicatif d&apos;appel</translation>
    </message>
    <message>
        <source>Identities</source>
        <translation>Identités</translation>
    </message>
    <message>
        <source>ship station</source>
        <translation>station de navire</translation>
    </message>
    <message>
        <source>handheld VHF with DSC</source>
        <translation>VHF portable avec ASN</translation>
    </message>
    <message>
        <source>group of ships</source>
        <translation>groupe de navires</translation>
    </message>
    <message>
        <source>coast station</source>
        <translation>station côtière</translation>
    </message>
    <message>
        <source>search-and-rescue aircraft</source>
        <translation>aéronef de recherche et sauvetage</translation>
    </message>
    <message>
        <source>craft associated with a parent ship</source>
        <translation>embarcation rattachée à un navire</translation>
    </message>
    <message>
        <source>aid to navigation</source>
        <translation>aide à la navigation</translation>
    </message>
    <message>
        <source>man overboard device</source>
        <translation>balise homme à la mer</translation>
    </message>
    <message>
        <source>(not allocated)</source>
        <translation>(non attribué)</translation>
    </message>
    <message>
        <source>entry by user</source>
        <translation>saisie par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>not a valid ATIS ID</source>
        <translation>pas un identifiant ATIS valide</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <translation>Groupes de canaux</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>PLL steps</source>
        <translation>Pas PLL</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Somme de contrôle</translation>
    </message>
    <message>
        <source>Private channels (%1)</source>
        <translation>Canaux privés (%1)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>TX MHz</source>
        <translation>TX MHz</translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation>RX MHz</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>1 W only</source>
        <translation>1 W seulement</translation>
    </message>
    <message>
        <source>RX only</source>
        <translation>RX seulement</translation>
    </message>
    <message>
        <source>1 W ATIS</source>
        <translation>1 W ATIS</translation>
    </message>
    <message>
        <source>RX ATIS</source>
        <translation>RX ATIS</translation>
    </message>
    <message>
        <source>PTT high</source>
        <translation>PTT haut</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Revendeur</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Written and verified: %1</source>
        <translation>Écrit et vérifié : %1</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>INT (international)</source>
        <translation>INT (international)</translation>
    </message>
    <message>
        <source>CAN (Canada)</source>
        <translation>CAN (Canada)</translation>
    </message>
    <message>
        <source>Private channels</source>
        <translation>Canaux privés</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>WX (weather, receive only)</source>
        <translation>WX (météo, réception seule)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>No channel group is enabled.</source>
        <translation>Aucun groupe de canaux n&apos;est activé.</translation>
    </message>
</context>
</TS>
