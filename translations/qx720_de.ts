<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>qx::AboutDialog</name>
    <message>
        <source>About Dialog</source>
        <translation>Programminfo</translation>
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
        <translation>Klon-Adapter</translation>
    </message>
    <message>
        <source>Devices with the clone adaptor&apos;s USB ID</source>
        <translation>Geräte mit der USB-Kennung des Klon-Adapters</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>No clone adaptor is connected.</source>
        <translation>Kein Klon-Adapter ist angeschlossen.</translation>
    </message>
    <message>
        <source>1 clone adaptor is connected.</source>
        <translation>1 Klon-Adapter ist angeschlossen.</translation>
    </message>
    <message>
        <source>%1 clone adaptors are connected: choose the one whose radio you mean to program.</source>
        <translation>%1 Klon-Adapter sind angeschlossen: Wählen Sie den, dessen Funkgerät Sie programmieren wollen.</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>keine Seriennummer</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>bus %1, port %2</source>
        <translation>Bus %1, Port %2</translation>
    </message>
    <message>
        <source>%1: not a clone adaptor</source>
        <translation>%1: kein Klon-Adapter</translation>
    </message>
    <message>
        <source>%1: may not be opened by this user</source>
        <translation>%1: darf von diesem Benutzer nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>qx::AdaptorStatus</name>
    <message>
        <source>USB Port Status</source>
        <translation>USB-Status</translation>
    </message>
    <message>
        <source>The adaptor can be changed once the running operation has ended.</source>
        <translation>Der Adapter kann gewechselt werden, sobald der laufende Vorgang beendet ist.</translation>
    </message>
    <message>
        <source>Clone adaptor: %1</source>
        <translation>Klon-Adapter: %1</translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation>Virtuell</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Erkannt</translation>
    </message>
    <message>
        <source>Clone adaptor: %1 (chosen with Clone / Adaptor...)</source>
        <translation>Klon-Adapter: %1 (gewählt mit Klonen / Adapter...)</translation>
    </message>
    <message>
        <source>%1 clone adaptors are connected: choose one with Clone / Adaptor...</source>
        <translation>%1 Klon-Adapter sind angeschlossen: Wählen Sie einen mit Klonen / Adapter...</translation>
    </message>
    <message>
        <source>%1 adaptors</source>
        <translation>%1 Adapter</translation>
    </message>
    <message>
        <source>The chosen clone adaptor (%1) is not connected: plug it in again, or choose another with Clone / Adaptor...</source>
        <translation>Der gewählte Klon-Adapter (%1) ist nicht angeschlossen: Stecken Sie ihn wieder ein oder wählen Sie einen anderen mit Klonen / Adapter...</translation>
    </message>
    <message>
        <source>The clone adaptor named by --radio %1 is not connected: plug it in again, or choose another with Clone / Adaptor...</source>
        <translation>Der mit --radio %1 genannte Klon-Adapter ist nicht angeschlossen: Stecken Sie ihn wieder ein oder wählen Sie einen anderen mit Klonen / Adapter...</translation>
    </message>
</context>
<context>
    <name>qx::AtisFromMmsiButton</name>
    <message>
        <source>from MMSI</source>
        <translation>aus MMSI</translation>
    </message>
    <message>
        <source>Fill the ATIS ID with &quot;9&quot; followed by the MMSI</source>
        <translation>ATIS ID aus „9“ und der nachfolgenden MMSI bilden</translation>
    </message>
</context>
<context>
    <name>qx::BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>No backups yet. One is made before every write to the radio.</source>
        <translation>Noch keine Sicherungen. Vor jedem Schreiben ins Funkgerät wird eine angelegt.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Restore to Radio</source>
        <translation>Ins Funkgerät zurückschreiben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore failed.</source>
        <translation>Wiederherstellung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The radio may now hold part of the backup. Restore it again to finish.</source>
        <translation>Das Funkgerät enthält jetzt möglicherweise nur einen Teil der Sicherung. Stellen Sie sie erneut wieder her, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Es wurde nichts ins Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>Restore Error</source>
        <translation>Wiederherstellungsfehler</translation>
    </message>
    <message>
        <source>Write the backup of %1 (MMSI %2) back to the radio? The radio&apos;s whole memory is replaced by it.</source>
        <translation>Die Sicherung vom %1 (MMSI %2) ins Funkgerät zurückschreiben? Sie ersetzt den gesamten Speicher des Funkgeräts.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>Funkgerät wird gesichert...</translation>
    </message>
    <message>
        <source>Restore cancelled: identity kept.</source>
        <translation>Wiederherstellung abgebrochen: Kennung beibehalten.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>Warte auf Funkgerät...</translation>
    </message>
    <message>
        <source>Restore OK.</source>
        <translation>Wiederherstellung erfolgreich.</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Whole EEPROM</source>
        <translation>Ganzes EEPROM</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Write the backup of %1 (MMSI %2) back to the radio? The radio&apos;s settings are replaced by it.</source>
        <translation>Die Sicherung vom %1 (MMSI %2) ins Funkgerät zurückschreiben? Sie ersetzt die Einstellungen des Funkgeräts.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Funkgerät wird gelesen...</translation>
    </message>
    <message>
        <source>Restore OK. The radio&apos;s previous contents were saved to %1.</source>
        <translation>Wiederherstellung erfolgreich. Der vorherige Inhalt des Funkgeräts wurde in %1 gesichert.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Das Funkgerät konnte nicht gesichert werden, daher wurde nichts hineingeschrieben.
%1</translation>
    </message>
</context>
<context>
    <name>qx::ChannelPanel</name>
    <message>
        <source>Channel List</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
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
        <translation>Privat</translation>
    </message>
    <message>
        <source>Lines %1 and %2 both have the name &quot;%3&quot;.</source>
        <translation>Die Zeilen %1 und %2 haben beide den Namen „%3“.</translation>
    </message>
    <message>
        <source>The radio takes channels of the same name, but you may have meant two.</source>
        <translation>Das Funkgerät akzeptiert gleichnamige Kanäle, aber vielleicht meinten Sie zwei verschiedene.</translation>
    </message>
    <message>
        <source>Channel Setup</source>
        <translation>Kanal einrichten</translation>
    </message>
    <message>
        <source>Only Private Channel Can be Modified!</source>
        <translation>Nur private Kanäle können geändert werden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>UI Read Only!</source>
        <translation>Oberfläche schreibgeschützt!</translation>
    </message>
    <message>
        <source>Please Select a Channel First!</source>
        <translation>Bitte wählen Sie zuerst einen Kanal aus!</translation>
    </message>
    <message>
        <source>Channel Number Limit!</source>
        <translation>Maximale Kanalanzahl erreicht!</translation>
    </message>
</context>
<context>
    <name>qx::ChannelSetupDialog</name>
    <message>
        <source>Channel Setup Dialog</source>
        <translation>Kanal einrichten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Verwendung</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>RX-Frequenz</translation>
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
        <translation>Betriebsart</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Invalid Tx Frequency.
Frequency=0.00625*N.
Range=%1</source>
        <translation>Ungültige TX-Frequenz.
Frequenz = 0.00625*N.
Bereich = %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Name, first character</source>
        <translation>Name, erstes Zeichen</translation>
    </message>
    <message>
        <source>Name, second character</source>
        <translation>Name, zweites Zeichen</translation>
    </message>
</context>
<context>
    <name>qx::CloneCommands</name>
    <message>
        <source>The radio may now hold part of the new settings. Write again, or write back a saved copy: a clone file through File&#xa0;/&#xa0;Open, or an EEPROM dump through Service&#xa0;/&#xa0;Eprom&#xa0;Tools.</source>
        <translation>Das Funkgerät enthält jetzt möglicherweise nur einen Teil der neuen Einstellungen. Schreiben Sie erneut oder schreiben Sie eine gespeicherte Kopie zurück: eine Klon-Datei über Datei&#xa0;/&#xa0;Öffnen oder ein EEPROM-Abbild über Service&#xa0;/&#xa0;EEPROM-Werkzeuge.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: it was being backed up first.</source>
        <translation>Es wurde nichts ins Funkgerät geschrieben: Das Funkgerät wurde zu diesem Zeitpunkt noch gesichert.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: the identities it holds were being read first.</source>
        <translation>Es wurde nichts ins Funkgerät geschrieben: Die darin gespeicherten Kennungen wurden zu diesem Zeitpunkt noch gelesen.</translation>
    </message>
    <message>
        <source>To write without a backup, turn off File&#xa0;/&#xa0;Back up the radio before writing.</source>
        <translation>Um ohne Sicherung zu schreiben, schalten Sie Datei&#xa0;/&#xa0;Funkgerät vor dem Schreiben sichern aus.</translation>
    </message>
    <message>
        <source>No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and nothing was written to the radio.</source>
        <translation>Kein Ordner für Sicherungen: Weder XDG_DATA_HOME noch HOME ist gesetzt. Daher ist keine Sicherung möglich, und es wurde nichts ins Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Wird geschrieben...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>HandShaking...</source>
        <translation>HandShake läuft...</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>Funkgerät wird gesichert...</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>Read Error.</source>
        <translation>Lesefehler.</translation>
    </message>
    <message>
        <source>Read OK.</source>
        <translation>Lesen erfolgreich.</translation>
    </message>
    <message>
        <source>Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again. Make a complete backup of the radio with Service / Eprom Tools... (Read).</source>
        <translation>Warnung: Der Inhalt des Funkgeräts besteht die Prüfung für Klon-Dateien nicht (%1). Eine daraus gespeicherte Klon-Datei lässt sich daher nicht wieder öffnen. Erstellen Sie eine vollständige Sicherung des Funkgeräts über Service / EEPROM-Werkzeuge... (Lesen).</translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation>Prüffehler.</translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation>Prüffehler</translation>
    </message>
    <message>
        <source>Verify OK.</source>
        <translation>Prüfung erfolgreich.</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Datei kann nicht erstellt werden:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Write cancelled: identity kept.</source>
        <translation>Schreiben abgebrochen: Kennung beibehalten.</translation>
    </message>
    <message>
        <source>Write OK.</source>
        <translation>Schreiben erfolgreich.</translation>
    </message>
    <message>
        <source>Write Error.</source>
        <translation>Schreibfehler.</translation>
    </message>
    <message>
        <source>

The radio&apos;s previous contents were saved to %1: File&#xa0;/&#xa0;Backups... puts them back.</source>
        <translation>

Der vorherige Inhalt des Funkgeräts wurde in %1 gesichert: Datei&#xa0;/&#xa0;Sicherungen... schreibt ihn zurück.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Das Funkgerät konnte nicht gesichert werden, daher wurde nichts hineingeschrieben.
%1</translation>
    </message>
    <message>
        <source>HandShake OK.</source>
        <translation>HandShake erfolgreich.</translation>
    </message>
    <message>
        <source>HandShake Error.</source>
        <translation>HandShake-Fehler.</translation>
    </message>
    <message>
        <source>Readt.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio. Write again once the other program has finished.</source>
        <translation>Es wurde nichts ins Funkgerät geschrieben. Schreiben Sie erneut, sobald das andere Programm fertig ist.</translation>
    </message>
</context>
<context>
    <name>qx::CloneDocument</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>(Read only)</source>
        <translation>(schreibgeschützt)</translation>
    </message>
    <message>
        <source>Save as file error.</source>
        <translation>Fehler beim Speichern unter neuem Namen.</translation>
    </message>
    <message>
        <source>Save file error.</source>
        <translation>Fehler beim Speichern der Datei.</translation>
    </message>
    <message>
        <source>Do you want to save?</source>
        <translation>Möchten Sie speichern?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Open file OK.</source>
        <translation>Datei geöffnet.</translation>
    </message>
    <message>
        <source>Save file OK.</source>
        <translation>Datei gespeichert.</translation>
    </message>
    <message>
        <source>Save as file OK.</source>
        <translation>Datei unter neuem Namen gespeichert.</translation>
    </message>
    <message>
        <source>File is modified. Do you want to save?</source>
        <translation>Die Datei wurde geändert. Möchten Sie speichern?</translation>
    </message>
    <message>
        <source>File is Modify. Do you want to save?</source>
        <translation>Die Datei wurde geändert. Möchten Sie speichern?</translation>
    </message>
    <message>
        <source>This document cannot be saved as a clone file: %1, and such a file would not open again. Edit or remove that channel first.</source>
        <translation>Dieses Dokument kann nicht als Klondatei gespeichert werden: %1, und eine solche Datei ließe sich nicht wieder öffnen. Ändern oder entfernen Sie zuerst diesen Kanal.</translation>
    </message>
</context>
<context>
    <name>qx::ConfigDialog</name>
    <message>
        <source>Config Dialog</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>HandSet Test Mode</source>
        <translation>Testmodus des Handgeräts</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Write OK</source>
        <translation>Schreiben erfolgreich</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Enable Handset Test Mode OK.</source>
        <translation>Testmodus des Handgeräts aktiviert.</translation>
    </message>
    <message>
        <source>Disable Handset Test Mode OK.</source>
        <translation>Testmodus des Handgeräts deaktiviert.</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>The radio answered: HandShake OK.</source>
        <translation>Das Funkgerät hat geantwortet: HandShake erfolgreich.</translation>
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
        <translation>MMSI-Eingabe durch Benutzer</translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation>ATIS-Eingabe durch Benutzer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation>TX-PLL-Schritt</translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation>RX-PLL-Schritt</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1-Kanäle</translation>
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
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Standardwerte laden</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>Add private channel</source>
        <translation>Privaten Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Edit private channel</source>
        <translation>Privaten Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Remove private channel</source>
        <translation>Privaten Kanal entfernen</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Kanäle importieren (CSV)</translation>
    </message>
    <message>
        <source>Feature Setup</source>
        <translation>Funktionen einrichten</translation>
    </message>
    <message>
        <source>Invalid MMIS ID:%1
Make sure 9 digitals.</source>
        <translation>Ungültige MMSI: %1
Geben Sie genau 9 Ziffern ein.</translation>
    </message>
    <message>
        <source>Invalid ATIS ID:%1
Make sure 9 digitals.</source>
        <translation>Ungültige ATIS ID: %1
Geben Sie genau 9 Ziffern ein.</translation>
    </message>
    <message>
        <source>Channel Number Limit!</source>
        <translation>Maximale Kanalanzahl erreicht!</translation>
    </message>
    <message>
        <source>NO Channel!</source>
        <translation>Kein Kanal vorhanden!</translation>
    </message>
    <message>
        <source>Please Select a Channel!</source>
        <translation>Bitte wählen Sie einen Kanal aus!</translation>
    </message>
    <message>
        <source>Please Select a Channel First!</source>
        <translation>Bitte wählen Sie zuerst einen Kanal aus!</translation>
    </message>
    <message>
        <source>Invalid Tx Frequency.
Frequency=0.00625*N.
Range=%1</source>
        <translation>Ungültige TX-Frequenz.
Frequenz = 0.00625*N.
Bereich = %1</translation>
    </message>
    <message>
        <source>A private channel&apos;s name is one of %1 and a digit.</source>
        <translation>Der Name eines privaten Kanals ist eines von %1 und eine Ziffer.</translation>
    </message>
    <message>
        <source>RX would be %1 MHz, outside 136..174 MHz: a clone file with this channel would not open again. Choose Simplex, or a TX of at most 169.4 MHz for Duplex.</source>
        <translation>RX läge bei %1 MHz, außerhalb von 136..174 MHz: Eine Klondatei mit diesem Kanal ließe sich nicht wieder öffnen. Wählen Sie Simplex oder für Duplex eine TX von höchstens 169,4 MHz.</translation>
    </message>
    <message>
        <source>A clone file with this channel would not open again: it %1.</source>
        <translation>Eine Klondatei mit diesem Kanal ließe sich nicht wieder öffnen: Er %1.</translation>
    </message>
</context>
<context>
    <name>qx::Core</name>
    <message>
        <source>Read Error.</source>
        <translation>Lesefehler.</translation>
    </message>
    <message>
        <source>Write Error.</source>
        <translation>Schreibfehler.</translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation>Prüffehler.</translation>
    </message>
    <message>
        <source>Handshake Error.</source>
        <translation>HandShake-Fehler.</translation>
    </message>
    <message>
        <source>Read from Comp Port Error.</source>
        <translation>Fehler beim Lesen vom COM-Port.</translation>
    </message>
    <message>
        <source>Write to Comp Port Error.</source>
        <translation>Fehler beim Schreiben auf den COM-Port.</translation>
    </message>
    <message>
        <source>Adaptor is not detected!</source>
        <translation>Adapter nicht erkannt!</translation>
    </message>
    <message>
        <source>Radio is not detected!</source>
        <translation>Funkgerät nicht erkannt!</translation>
    </message>
    <message>
        <source>Communication time out!</source>
        <translation>Zeitüberschreitung bei der Kommunikation!</translation>
    </message>
    <message>
        <source>HandShake Error!</source>
        <translation>HandShake-Fehler!</translation>
    </message>
    <message>
        <source>CheckSum Error</source>
        <translation>Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message>
        <source>Radio and PC software are not matched.</source>
        <translation>Funkgerät und PC-Software passen nicht zusammen.</translation>
    </message>
    <message>
        <source>The system cannot find the COM Port specified.</source>
        <translation>Der angegebene COM-Port wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>COM Port Access is denied.</source>
        <translation>Zugriff auf den COM-Port verweigert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Open File Error.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>Read from File Error.</source>
        <translation>Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>Write to File Error.</source>
        <translation>Fehler beim Schreiben der Datei.</translation>
    </message>
    <message>
        <source>Unknown File Format.</source>
        <translation>Unbekanntes Dateiformat.</translation>
    </message>
    <message>
        <source>File Read Only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>File Exist.</source>
        <translation>Die Datei existiert bereits.</translation>
    </message>
    <message>
        <source>Unknown File Error.</source>
        <translation>Unbekannter Dateifehler.</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>Function Parameter Error</source>
        <translation>Fehlerhafter Funktionsparameter</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The clone adaptor is connected but this user may not open it. Install the udev rule 70-qx720-clone.rules, then unplug and replug the adaptor.</source>
        <translation>Der Klon-Adapter ist angeschlossen, aber dieser Benutzer darf ihn nicht öffnen. Installieren Sie die udev-Regel 70-qx720-clone.rules und stecken Sie den Adapter danach aus und wieder ein.</translation>
    </message>
    <message>
        <source>The radio holds %1. Write over it and clear it?</source>
        <translation>Das Funkgerät enthält %1. Überschreiben und löschen?</translation>
    </message>
    <message>
        <source>The radio holds %1. Write %2 over it?</source>
        <translation>Das Funkgerät enthält %1. Mit %2 überschreiben?</translation>
    </message>
    <message>
        <source>The radio is in use by another program.</source>
        <translation>Das Funkgerät wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programm: %1</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::EpromToolsDialog</name>
    <message>
        <source>Eprom Tools Dialog</source>
        <translation>EEPROM-Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Klonen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Verify Error!</source>
        <translation>Prüffehler!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>EEPROM files (*.Bin)</source>
        <translation>EEPROM-Dateien (*.Bin)</translation>
    </message>
    <message>
        <source>Open File Error:
%1</source>
        <translation>Fehler beim Öffnen der Datei:
%1</translation>
    </message>
    <message>
        <source>Open File Error</source>
        <translation>Fehler beim Öffnen</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Wird geschrieben...</translation>
    </message>
    <message>
        <source>Write Error!</source>
        <translation>Schreibfehler!</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>Write OK!</source>
        <translation>Schreiben erfolgreich!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
    <message>
        <source>Read Error!</source>
        <translation>Lesefehler!</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>Read OK!</source>
        <translation>Lesen erfolgreich!</translation>
    </message>
    <message>
        <source>Verifing...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation>Prüffehler</translation>
    </message>
    <message>
        <source>Difference = %1</source>
        <translation>Abweichungen = %1</translation>
    </message>
    <message>
        <source>Verify OK!</source>
        <translation>Prüfung erfolgreich!</translation>
    </message>
    <message>
        <source>No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and nothing was written to the radio.</source>
        <translation>Kein Ordner für Sicherungen: Weder XDG_DATA_HOME noch HOME ist gesetzt. Daher ist keine Sicherung möglich, und es wurde nichts ins Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Funkgerät wird gelesen...</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Write cancelled: identity kept.</source>
        <translation>Schreiben abgebrochen: Kennung beibehalten.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>Warte auf Funkgerät...</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Das Funkgerät konnte nicht gesichert werden, daher wurde nichts hineingeschrieben.
%1</translation>
    </message>
</context>
<context>
    <name>qx::FeaturePanel</name>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Radio Feature</source>
        <translation>Gerätefunktionen</translation>
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
        <translation>Privat</translation>
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
        <translation>WX-Kanäle</translation>
    </message>
    <message>
        <source>TX PLL STEP:</source>
        <translation>TX-PLL-Schritt:</translation>
    </message>
    <message>
        <source>RX PLL STEP:</source>
        <translation>RX-PLL-Schritt:</translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation>TX-PLL-Schritt</translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation>RX-PLL-Schritt</translation>
    </message>
</context>
<context>
    <name>qx::FeatureSetupDialog</name>
    <message>
        <source>Feature Setup Dialog</source>
        <translation>Funktionen einrichten</translation>
    </message>
    <message>
        <source>Brand Name:</source>
        <translation>Markenname:</translation>
    </message>
    <message>
        <source>Model Name:</source>
        <translation>Modellname:</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>GPS Alert</source>
        <translation>GPS-Alarm</translation>
    </message>
    <message>
        <source>Enale WX Alert Check.</source>
        <translation>WX-Wetteralarm aktivieren.</translation>
    </message>
</context>
<context>
    <name>qx::FileCommands</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Backup opened.</source>
        <translation>Sicherung geöffnet.</translation>
    </message>
</context>
<context>
    <name>qx::IdentityBox</name>
    <message>
        <source>MMSI entry by user</source>
        <translation>MMSI-Eingabe durch Benutzer</translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation>ATIS-Eingabe durch Benutzer</translation>
    </message>
    <message>
        <source>Please enter the 9 digital MMSI number.</source>
        <translation>Geben Sie die 9-stellige MMSI ein.</translation>
    </message>
    <message>
        <source>Please enter the last 9 numbers of the 10 digit ATIS ID.</source>
        <translation>Geben Sie die letzten 9 Ziffern der 10-stelligen ATIS ID ein.</translation>
    </message>
    <message>
        <source>The initial &quot;9&quot; is entered automatically.</source>
        <translation>Die führende „9“ wird automatisch eingetragen.</translation>
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
        <translation>eine ATIS ID darf nicht mit 90 beginnen</translation>
    </message>
    <message>
        <source>a coast station&apos;s MMSI starts with 00</source>
        <translation>die MMSI einer Küstenfunkstelle beginnt mit 00</translation>
    </message>
    <message>
        <source>a group&apos;s MMSI starts with 0</source>
        <translation>die MMSI einer Gruppe beginnt mit 0</translation>
    </message>
    <message>
        <source>The radio refuses this number: %1.</source>
        <translation>Das Funkgerät lehnt diese Nummer ab: %1.</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>Write to Radio</source>
        <translation>Ins Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>Vom Funkgerät lesen</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Vom Funkgerät &amp;lesen</translation>
    </message>
    <message>
        <source>Stop &amp;Read</source>
        <translation>&amp;Lesen abbrechen</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>Ins Funkgerät &amp;schreiben</translation>
    </message>
    <message>
        <source>Stop &amp;Write</source>
        <translation>&amp;Schreiben abbrechen</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Stop &amp;Verify</source>
        <translation>&amp;Prüfen abbrechen</translation>
    </message>
    <message>
        <source>&amp;HandShake</source>
        <translation>&amp;HandShake</translation>
    </message>
    <message>
        <source>Stop &amp;HandShake</source>
        <translation>&amp;HandShake abbrechen</translation>
    </message>
    <message>
        <source>Feature Setup</source>
        <translation>Funktionen einrichten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Klonen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Export Freq Table</source>
        <translation>&amp;Frequenztabelle exportieren</translation>
    </message>
    <message>
        <source>View &amp;CheckSum</source>
        <translation>&amp;Prüfsumme anzeigen</translation>
    </message>
    <message>
        <source>Export Cha&amp;nnels (CSV)...</source>
        <translation>&amp;Kanäle exportieren (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)...</source>
        <translation>Kanäle &amp;importieren (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Service</source>
        <translation>&amp;Service</translation>
    </message>
    <message>
        <source>&amp;Feature Setup...</source>
        <translation>&amp;Funktionen einrichten...</translation>
    </message>
    <message>
        <source>&amp;Config...</source>
        <translation>&amp;Konfiguration...</translation>
    </message>
    <message>
        <source>&amp;Eprom Tools...</source>
        <translation>&amp;EEPROM-Werkzeuge...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>Standardwerte &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Back up the radio before &amp;writing</source>
        <translation>Funkgerät &amp;vor dem Schreiben sichern</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>Si&amp;cherungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druckvorsc&amp;hau...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Language (after a restart)</source>
        <translation>&amp;Sprache (nach Neustart)</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>Die Sprache wird beim nächsten Programmstart gewechselt.</translation>
    </message>
    <message>
        <source>&amp;Adaptor...</source>
        <translation>&amp;Adapter...</translation>
    </message>
    <message>
        <source>Back up the whole &amp;EEPROM before a write</source>
        <translation>Vor dem Schreiben das &amp;ganze EEPROM sichern</translation>
    </message>
</context>
<context>
    <name>qx::ModelWizardDialog</name>
    <message>
        <source>Model Wizard Dialog</source>
        <translation>Modell-Assistent</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Modelltyp</translation>
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
        <translation>Europäische private Kanäle</translation>
    </message>
    <message>
        <source>Private Channel</source>
        <translation>Private Kanäle</translation>
    </message>
    <message>
        <source>Private channels of the set</source>
        <translation>Private Kanäle der Auswahl</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parameter is not ready.</source>
        <translation>Die Parameter sind noch nicht vollständig.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>qx::PrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>The printer could not be used.</source>
        <translation>Der Drucker konnte nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>An den Drucker gesendet.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>channel-card.pdf</source>
        <translation>kanalkarte.pdf</translation>
    </message>
    <message>
        <source>commissioning-sheet.pdf</source>
        <translation>inbetriebnahmeprotokoll.pdf</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Datei kann nicht erstellt werden:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>qx::SheetDialog</name>
    <message>
        <source>&amp;Commissioning sheet</source>
        <translation>&amp;Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Channel c&amp;ard</source>
        <translation>&amp;Kanalkarte</translation>
    </message>
    <message>
        <source>&amp;Vessel name:</source>
        <translation>&amp;Schiffsname:</translation>
    </message>
    <message>
        <source>Call &amp;sign:</source>
        <translation>&amp;Rufzeichen:</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Schiffsname</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Left empty, they are lines to fill in by hand.</source>
        <translation>Leer gelassen, werden daraus Linien zum Ausfüllen von Hand.</translation>
    </message>
</context>
<context>
    <name>qx::StatusBox</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Logo;</source>
        <translation>Logo;</translation>
    </message>
    <message>
        <source>Save RomMap;</source>
        <translation>ROM-Map speichern;</translation>
    </message>
</context>
<context>
    <name>qx::ToolCommands</name>
    <message>
        <source>A USA-model record has no private channels.</source>
        <translation>Ein Datensatz des USA-Modells hat keine privaten Kanäle.</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Datei kann nicht erstellt werden:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Export Freq Table</source>
        <translation>Frequenztabelle exportieren</translation>
    </message>
    <message>
        <source>Report: %1</source>
        <translation>Bericht: %1</translation>
    </message>
    <message>
        <source>The report is saved as:
%1</source>
        <translation>Der Bericht wurde gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>No program opened it; open the file with any text editor.</source>
        <translation>Kein Programm hat ihn geöffnet. Öffnen Sie die Datei mit einem beliebigen Texteditor.</translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>Exported %1 private channels.</source>
        <translation>%1 private Kanäle exportiert.</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>... and %1 more (see the details).</source>
        <translation>... und %1 weitere (siehe Details).</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 has problems.</source>
        <translation>Nichts importiert: %1 enthält Fehler.</translation>
    </message>
    <message>
        <source>Imported %1 private channels.</source>
        <translation>%1 private Kanäle importiert.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 of the file both have the name &quot;%3&quot;.</source>
        <translation>Die Zeilen %1 und %2 der Datei haben beide den Namen „%3“.</translation>
    </message>
    <message>
        <source>The radio takes channels of the same name, but you may have meant two.</source>
        <translation>Das Funkgerät akzeptiert gleichnamige Kanäle, aber vielleicht meinten Sie zwei verschiedene.</translation>
    </message>
</context>
<context>
    <name>qx::UserDialog</name>
    <message>
        <source>The PC clone tool adds private channels.</source>
        <translation>Das PC-Klonprogramm ergänzt private Kanäle.</translation>
    </message>
    <message>
        <source>The radio firmware is unchanged.</source>
        <translation>Die Firmware des Funkgeräts bleibt unverändert.</translation>
    </message>
    <message>
        <source>Only private channels are cloned, 100 at most.</source>
        <translation>Nur private Kanäle werden geklont, höchstens 100.</translation>
    </message>
    <message>
        <source>The UIC data is fixed in the flash memory of the radio&apos;s controller.</source>
        <translation>Die UIC-Daten sind fest im Flash-Speicher des Controllers im Funkgerät abgelegt.</translation>
    </message>
    <message>
        <source>Private channels can be added, removed and defined by the user.</source>
        <translation>Private Kanäle kann der Benutzer hinzufügen, entfernen und festlegen.</translation>
    </message>
    <message>
        <source>The channel record is redefined as 10 bytes; the name is stored as an index.</source>
        <translation>Der Kanaldatensatz ist neu mit 10 Bytes definiert; der Name wird als Index gespeichert.</translation>
    </message>
    <message>
        <source>EEPROM addresses are redefined.</source>
        <translation>Die EEPROM-Adressen sind neu festgelegt.</translation>
    </message>
    <message>
        <source>The INT, USA, CAN, narrow and WX channel tables are taken from the radio firmware.</source>
        <translation>Die Kanaltabellen INT, USA, CAN, Schmalband und WX stammen aus der Firmware des Funkgeräts.</translation>
    </message>
    <message>
        <source>The channel list follows the band selection; its display is adjusted.</source>
        <translation>Die Kanalliste folgt der Bandauswahl; ihre Anzeige ist angepasst.</translation>
    </message>
    <message>
        <source>Receive intermediate frequency 38.85 MHz.</source>
        <translation>Empfangs-Zwischenfrequenz 38.85 MHz.</translation>
    </message>
    <message>
        <source>Frequencies are shown in 3.4 format, which also suits narrow channels.</source>
        <translation>Frequenzen werden im Format 3.4 angezeigt, das auch für Schmalbandkanäle passt.</translation>
    </message>
    <message>
        <source>The channel combo box follows the selection.</source>
        <translation>Das Kanal-Auswahlfeld folgt der Auswahl.</translation>
    </message>
    <message>
        <source>The low part of the divider is in the low byte.</source>
        <translation>Der niederwertige Teil des Teilers steht im Low-Byte.</translation>
    </message>
    <message>
        <source>The private channel name uses one byte, high bit 0.</source>
        <translation>Der Name eines privaten Kanals belegt ein Byte, höchstes Bit 0.</translation>
    </message>
    <message>
        <source>The Exit button becomes Read.</source>
        <translation>Die Schaltfläche „Beenden“ wird zu „Lesen“.</translation>
    </message>
    <message>
        <source>Start-up no longer asks for private channels.</source>
        <translation>Beim Start wird nicht mehr nach privaten Kanälen gefragt.</translation>
    </message>
    <message>
        <source>ATIS and MMSI positions updated.</source>
        <translation>Positionen von ATIS und MMSI aktualisiert.</translation>
    </message>
    <message>
        <source>Edit button added.</source>
        <translation>Schaltfläche „Bearbeiten“ hinzugefügt.</translation>
    </message>
    <message>
        <source>Tx Freq Range 136 to 174MHz</source>
        <translation>TX-Frequenzbereich 136 bis 174 MHz</translation>
    </message>
    <message>
        <source>Write Addr=0x100 to 0x6FF</source>
        <translation>Schreibadressen 0x100 bis 0x6FF</translation>
    </message>
    <message>
        <source>USA and EUR flags added.</source>
        <translation>Kennzeichen für USA und EUR hinzugefügt.</translation>
    </message>
    <message>
        <source>A Read error is fixed.</source>
        <translation>Ein Fehler beim Lesen ist behoben.</translation>
    </message>
    <message>
        <source>Intermediate frequency filter changed to 19.65.</source>
        <translation>Zwischenfrequenzfilter auf 19.65 geändert.</translation>
    </message>
    <message>
        <source>A write control is added that lets the radio enter adjust (test) mode.</source>
        <translation>Eine Schreibsteuerung ist hinzugekommen, mit der das Funkgerät in den Abgleichmodus (Testmodus) wechseln kann.</translation>
    </message>
    <message>
        <source>Entering adjust mode is not allowed by default.</source>
        <translation>Der Wechsel in den Abgleichmodus ist standardmäßig nicht erlaubt.</translation>
    </message>
    <message>
        <source>User Dialog</source>
        <translation>Benutzeroptionen</translation>
    </message>
    <message>
        <source>Adjust Mode.</source>
        <translation>Abgleichmodus.</translation>
    </message>
    <message>
        <source>Create logo file.</source>
        <translation>Logodatei erstellen.</translation>
    </message>
    <message>
        <source>Create ROM map file.</source>
        <translation>ROM-Map-Datei erstellen.</translation>
    </message>
    <message>
        <source>UI Read Only.</source>
        <translation>Oberfläche schreibgeschützt.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Versionshistorie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>qx::WebPage</name>
    <message>
        <source>Back up the whole EEPROM before a write</source>
        <translation>Vor dem Schreiben das ganze EEPROM sichern</translation>
    </message>
    <message>
        <source>Before every write the radio&apos;s contents are saved in this browser: the clone range the write replaces, or the whole EEPROM.</source>
        <translation>Vor jedem Schreiben wird der Inhalt des Funkgeräts in diesem Browser gesichert: der Klonbereich, den das Schreiben ersetzt, oder das ganze EEPROM.</translation>
    </message>
    <message>
        <source>whole EEPROM</source>
        <translation>ganzes EEPROM</translation>
    </message>
    <message>
        <source>clone range</source>
        <translation>Klonbereich</translation>
    </message>
    <message>
        <source>The adaptor is in use in another tab.</source>
        <translation>Der Adapter wird in einem anderen Tab verwendet.</translation>
    </message>
    <message>
        <source>Write %1 back into the radio? Everything it holds now is replaced.</source>
        <translation>%1 ins Funkgerät zurückschreiben? Alles, was es jetzt enthält, wird ersetzt.</translation>
    </message>
    <message>
        <source>Write %1 back into the radio? Its settings and identities are replaced; the rest of its EEPROM stays as it is.</source>
        <translation>%1 ins Funkgerät zurückschreiben? Seine Einstellungen und Kennungen werden ersetzt; der Rest seines EEPROMs bleibt, wie er ist.</translation>
    </message>
    <message>
        <source>The radio&apos;s contents before the restore were saved in this browser as %1.</source>
        <translation>Der Inhalt des Funkgeräts vor der Wiederherstellung wurde in diesem Browser als %1 gesichert.</translation>
    </message>
    <message>
        <source>The radio&apos;s previous contents were saved in this browser as %1.</source>
        <translation>Der vorherige Inhalt des Funkgeräts wurde in diesem Browser als %1 gesichert.</translation>
    </message>
    <message>
        <source>The radio&apos;s previous contents were saved in this browser as %1: Backups puts them back.</source>
        <translation>Der vorherige Inhalt des Funkgeräts wurde in diesem Browser als %1 gesichert: Unter „Sicherungen“ lässt er sich zurückschreiben.</translation>
    </message>
    <message>
        <source>The radio may now hold part of the new settings. Write again, or put back its previous contents.</source>
        <translation>Das Funkgerät enthält jetzt möglicherweise nur einen Teil der neuen Einstellungen. Schreiben Sie erneut oder schreiben Sie den vorherigen Inhalt zurück.</translation>
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
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Three steps</source>
        <translation>Drei Schritte</translation>
    </message>
    <message>
        <source>1. Connect the adaptor</source>
        <translation>1. Adapter anschließen</translation>
    </message>
    <message>
        <source>Plug the clone adaptor into this computer and the radio, then choose it in the browser&apos;s list.</source>
        <translation>Stecken Sie den Klon-Adapter an diesen Computer und an das Funkgerät und wählen Sie ihn dann in der Liste des Browsers aus.</translation>
    </message>
    <message>
        <source>2. Read the radio</source>
        <translation>2. Funkgerät lesen</translation>
    </message>
    <message>
        <source>Copies what the radio holds into this page; the radio itself is not changed.</source>
        <translation>Übernimmt den Inhalt des Funkgeräts in diese Seite; das Funkgerät selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>3. Check and write</source>
        <translation>3. Prüfen und schreiben</translation>
    </message>
    <message>
        <source>Check the identities and channels below, then write them to the radio, which is backed up first.</source>
        <translation>Prüfen Sie unten die Kennungen und Kanäle und schreiben Sie sie dann ins Funkgerät, das vorher gesichert wird.</translation>
    </message>
    <message>
        <source>No radio has been read yet</source>
        <translation>Es wurde noch kein Funkgerät gelesen</translation>
    </message>
    <message>
        <source>Read the radio (step 2) to see and change what it holds, or start from a clone file or from a model&apos;s defaults.</source>
        <translation>Lesen Sie das Funkgerät (Schritt 2), um seinen Inhalt zu sehen und zu ändern, oder beginnen Sie mit einer Klondatei oder den Standardwerten eines Modells.</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>For dealers and service: the radio&apos;s link, its model and channel groups, the synthesizer steps and the EEPROM.</source>
        <translation>Für Händler und Service: die Verbindung zum Funkgerät, Modell und Kanalgruppen, die Synthesizer-Schritte und das EEPROM.</translation>
    </message>
    <message>
        <source>Radio link and EEPROM</source>
        <translation>Verbindung zum Funkgerät und EEPROM</translation>
    </message>
    <message>
        <source>No adaptor chosen.</source>
        <translation>Kein Adapter gewählt.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Es wurde nichts importiert:</translation>
    </message>
    <message>
        <source>The last write was interrupted</source>
        <translation>Der letzte Schreibvorgang wurde unterbrochen</translation>
    </message>
    <message>
        <source>Write again</source>
        <translation>Erneut schreiben</translation>
    </message>
    <message>
        <source>Restore again</source>
        <translation>Erneut wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>%1 wiederherstellen</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>A write to the radio began at %1 and did not finish: the page was closed or reloaded, or the browser stopped. The radio may be half written and may not work as it should. Write again, or put back the backup taken just before: %2.</source>
        <translation>Ein Schreibvorgang ins Funkgerät begann am %1 und wurde nicht beendet: Die Seite wurde geschlossen oder neu geladen, oder der Browser wurde beendet. Das Funkgerät ist möglicherweise nur halb beschrieben und arbeitet vielleicht nicht richtig. Schreiben Sie erneut oder schreiben Sie die kurz vorher angelegte Sicherung zurück: %2.</translation>
    </message>
    <message>
        <source>A restore of %1 into the radio began at %2 and did not finish: the page was closed or reloaded, or the browser stopped. The radio may be half written and may not work as it should. Restore again, or put back the backup taken just before: %3.</source>
        <translation>Eine Wiederherstellung von %1 ins Funkgerät begann am %2 und wurde nicht beendet: Die Seite wurde geschlossen oder neu geladen, oder der Browser wurde beendet. Das Funkgerät ist möglicherweise nur halb beschrieben und arbeitet vielleicht nicht richtig. Stellen Sie erneut wieder her oder schreiben Sie die kurz vorher angelegte Sicherung zurück: %3.</translation>
    </message>
    <message>
        <source>The document that was being written (%1) is no longer open in this page. Open its clone file again, or make the same settings again, then press Write again; or restore the backup.</source>
        <translation>Das Dokument, das geschrieben wurde (%1), ist in dieser Seite nicht mehr geöffnet. Öffnen Sie seine Klondatei erneut oder nehmen Sie dieselben Einstellungen noch einmal vor und drücken Sie dann „Erneut schreiben“; oder stellen Sie die Sicherung wieder her.</translation>
    </message>
    <message>
        <source>The backup %1 is no longer in this browser.</source>
        <translation>Die Sicherung %1 ist nicht mehr in diesem Browser.</translation>
    </message>
    <message>
        <source>This browser may delete the backups kept here: in a private window when it closes, otherwise when the disk runs low. Each backup is therefore also downloaded as it is made: keep those files.</source>
        <translation>Dieser Browser löscht die hier abgelegten Sicherungen möglicherweise: in einem privaten Fenster beim Schließen, sonst wenn der Speicherplatz knapp wird. Jede Sicherung wird deshalb beim Anlegen auch heruntergeladen: Bewahren Sie diese Dateien auf.</translation>
    </message>
    <message>
        <source>This browser does not store backups here (%1), so the radio cannot be written from this page.</source>
        <translation>Dieser Browser speichert hier keine Sicherungen (%1), daher kann das Funkgerät von dieser Seite aus nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>the browser did not store the backup</source>
        <translation>der Browser hat die Sicherung nicht gespeichert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
    <message>
        <source>Delete backup</source>
        <translation>Sicherung löschen</translation>
    </message>
    <message>
        <source>Delete the backup %1 from this browser? It cannot be brought back.</source>
        <translation>Die Sicherung %1 aus diesem Browser löschen? Sie lässt sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>Download all (ZIP)</source>
        <translation>Alle herunterladen (ZIP)</translation>
    </message>
    <message>
        <source>Connect adaptor...</source>
        <translation>Adapter verbinden...</translation>
    </message>
    <message>
        <source>Virtual radio</source>
        <translation>Virtuelles Funkgerät</translation>
    </message>
    <message>
        <source>Export channels (CSV)</source>
        <translation>Kanäle exportieren (CSV)</translation>
    </message>
    <message>
        <source>Import channels (CSV)</source>
        <translation>Kanäle importieren (CSV)</translation>
    </message>
    <message>
        <source>Import channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Imported the private channels of %1.</source>
        <translation>Die privaten Kanäle aus %1 wurden importiert.</translation>
    </message>
    <message>
        <source>ATIS ID (9 + the last 9 digits)</source>
        <translation>ATIS-ID (9 + die letzten 9 Ziffern)</translation>
    </message>
    <message>
        <source>Please enter the last 9 numbers of the 10 digit ATIS ID. The initial &quot;9&quot; is entered automatically.</source>
        <translation>Bitte geben Sie die letzten 9 Ziffern der 10-stelligen ATIS-ID ein. Die führende „9“ wird automatisch eingetragen.</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>US-Letter</translation>
    </message>
    <message>
        <source>Verify report</source>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>Download Verify.txt</source>
        <translation>Verify.txt herunterladen</translation>
    </message>
    <message>
        <source>Model and Radio Feature</source>
        <translation>Modell und Funktionen des Funkgeräts</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Model for Load Default</source>
        <translation>Modell für „Standard laden“</translation>
    </message>
    <message>
        <source>European private channel set for Load Default</source>
        <translation>Europäischer Satz privater Kanäle für „Standard laden“</translation>
    </message>
    <message>
        <source>Clone file to open</source>
        <translation>Zu öffnende Klondatei</translation>
    </message>
    <message>
        <source>Channel CSV file to import</source>
        <translation>Zu importierende CSV-Kanaldatei</translation>
    </message>
    <message>
        <source>Channels of the band</source>
        <translation>Kanäle des Bands</translation>
    </message>
    <message>
        <source>%1 adaptors</source>
        <translation>%1 Adapter</translation>
    </message>
    <message>
        <source>The rule (saved as %1):</source>
        <translation>Die Regel (gespeichert als %1):</translation>
    </message>
    <message>
        <source>Then run: %1</source>
        <translation>Führen Sie dann aus: %1</translation>
    </message>
    <message>
        <source>The browser said: %1</source>
        <translation>Der Browser meldete: %1</translation>
    </message>
    <message>
        <source>Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again.</source>
        <translation>Warnung: Der Inhalt des Funkgeräts besteht die Prüfung für Klondateien nicht (%1); eine daraus gespeicherte Klondatei lässt sich nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>The browser did not open its device chooser: %1</source>
        <translation>Der Browser hat seine Geräteauswahl nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>This browser cannot reach USB devices (it has no WebHID). Open this file in Chrome, Edge, Opera or Brave on a desktop computer, or use the desktop program QX720Clone. &quot;Virtual radio&quot; works here too.</source>
        <translation>Dieser Browser kann keine USB-Geräte ansprechen (er hat kein WebHID). Öffnen Sie diese Datei in Chrome, Edge, Opera oder Brave auf einem Desktop-Computer, oder verwenden Sie das Desktop-Programm QX720Clone. „Virtuelles Funkgerät“ funktioniert auch hier.</translation>
    </message>
    <message>
        <source>Restore Error.</source>
        <translation>Wiederherstellungsfehler.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Holland</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Backups may not be kept in this browser: each one is also downloaded.</source>
        <translation>Dieser Browser behält die Sicherungen vielleicht nicht: Jede wird auch heruntergeladen.</translation>
    </message>
</context>
<context>
    <name>qx::WebPrint</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Schiffsname</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Print commissioning sheet</source>
        <translation>Inbetriebnahmeprotokoll drucken</translation>
    </message>
    <message>
        <source>Print channel card</source>
        <translation>Kanalkarte drucken</translation>
    </message>
</context>
<context>
    <name>qx::Sheet</name>
    <message>
        <source>Commissioning record</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Kanalkarte</translation>
    </message>
    <message>
        <source>QX720 commissioning record</source>
        <translation>QX720-Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>QX720 channel card</source>
        <translation>QX720-Kanalkarte</translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <translation>%1, gedruckt %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Schiffsname</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Identities</source>
        <translation>Kennungen</translation>
    </message>
    <message>
        <source>ship station</source>
        <translation>Schiffsfunkstelle</translation>
    </message>
    <message>
        <source>handheld VHF with DSC</source>
        <translation>Handfunkgerät mit DSC</translation>
    </message>
    <message>
        <source>group of ships</source>
        <translation>Schiffsgruppe</translation>
    </message>
    <message>
        <source>coast station</source>
        <translation>Küstenfunkstelle</translation>
    </message>
    <message>
        <source>search-and-rescue aircraft</source>
        <translation>SAR-Luftfahrzeug</translation>
    </message>
    <message>
        <source>craft associated with a parent ship</source>
        <translation>Beiboot eines Mutterschiffs</translation>
    </message>
    <message>
        <source>aid to navigation</source>
        <translation>Navigationshilfe</translation>
    </message>
    <message>
        <source>man overboard device</source>
        <translation>Mann-über-Bord-Gerät</translation>
    </message>
    <message>
        <source>(not allocated)</source>
        <translation>(nicht zugeteilt)</translation>
    </message>
    <message>
        <source>entry by user</source>
        <translation>Eingabe durch Benutzer</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>not a valid ATIS ID</source>
        <translation>keine gültige ATIS-ID</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <translation>Kanalgruppen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>PLL steps</source>
        <translation>PLL-Schritte</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>Private channels (%1)</source>
        <translation>Private Kanäle (%1)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <translation>Verwendung</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>1 W only</source>
        <translation>nur 1 W</translation>
    </message>
    <message>
        <source>RX only</source>
        <translation>nur RX</translation>
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
        <translation>PTT hoch</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Händler</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigner</translation>
    </message>
    <message>
        <source>Written and verified: %1</source>
        <translation>Geschrieben und geprüft: %1</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>INT (international)</source>
        <translation>INT (international)</translation>
    </message>
    <message>
        <source>CAN (Canada)</source>
        <translation>CAN (Kanada)</translation>
    </message>
    <message>
        <source>Private channels</source>
        <translation>Private Kanäle</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>WX (weather, receive only)</source>
        <translation>WX (Wetter, nur Empfang)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>No channel group is enabled.</source>
        <translation>Keine Kanalgruppe ist eingeschaltet.</translation>
    </message>
</context>
</TS>
