<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>qx::AboutDialog</name>
    <message>
        <source>About Dialog</source>
        <translation>Over het programma</translation>
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
        <translation>Kloonadapter</translation>
    </message>
    <message>
        <source>Devices with the clone adaptor&apos;s USB ID</source>
        <translation>Apparaten met de USB-ID van de kloonadapter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>No clone adaptor is connected.</source>
        <translation>Er is geen kloonadapter aangesloten.</translation>
    </message>
    <message>
        <source>1 clone adaptor is connected.</source>
        <translation>Er is 1 kloonadapter aangesloten.</translation>
    </message>
    <message>
        <source>%1 clone adaptors are connected: choose the one whose radio you mean to program.</source>
        <translation>Er zijn %1 kloonadapters aangesloten: kies die van de marifoon die u wilt programmeren.</translation>
    </message>
    <message>
        <source>no serial number</source>
        <translation>geen serienummer</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serienummer %1</translation>
    </message>
    <message>
        <source>bus %1, port %2</source>
        <translation>bus %1, poort %2</translation>
    </message>
    <message>
        <source>%1: not a clone adaptor</source>
        <translation>%1: geen kloonadapter</translation>
    </message>
    <message>
        <source>%1: may not be opened by this user</source>
        <translation>%1: deze gebruiker mag hem niet openen</translation>
    </message>
</context>
<context>
    <name>qx::AdaptorStatus</name>
    <message>
        <source>USB Port Status</source>
        <translation>Status USB-poort</translation>
    </message>
    <message>
        <source>The adaptor can be changed once the running operation has ended.</source>
        <translation>De adapter kan worden gewisseld zodra de lopende bewerking klaar is.</translation>
    </message>
    <message>
        <source>Clone adaptor: %1</source>
        <translation>Kloonadapter: %1</translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation>Virtueel</translation>
    </message>
    <message>
        <source>Detected</source>
        <translation>Gevonden</translation>
    </message>
    <message>
        <source>Clone adaptor: %1 (chosen with Clone / Adaptor...)</source>
        <translation>Kloonadapter: %1 (gekozen met Klonen / Adapter...)</translation>
    </message>
    <message>
        <source>%1 clone adaptors are connected: choose one with Clone / Adaptor...</source>
        <translation>Er zijn %1 kloonadapters aangesloten: kies er een met Klonen / Adapter...</translation>
    </message>
    <message>
        <source>%1 adaptors</source>
        <translation>%1 adapters</translation>
    </message>
    <message>
        <source>The chosen clone adaptor (%1) is not connected: plug it in again, or choose another with Clone / Adaptor...</source>
        <translation>De gekozen kloonadapter (%1) is niet aangesloten: sluit hem weer aan of kies een andere met Klonen / Adapter...</translation>
    </message>
    <message>
        <source>The clone adaptor named by --radio %1 is not connected: plug it in again, or choose another with Clone / Adaptor...</source>
        <translation>De met --radio %1 genoemde kloonadapter is niet aangesloten: sluit hem weer aan of kies een andere met Klonen / Adapter...</translation>
    </message>
</context>
<context>
    <name>qx::AtisFromMmsiButton</name>
    <message>
        <source>from MMSI</source>
        <translation>uit MMSI</translation>
    </message>
    <message>
        <source>Fill the ATIS ID with &quot;9&quot; followed by the MMSI</source>
        <translation>Vul het ATIS ID met &quot;9&quot; gevolgd door het MMSI</translation>
    </message>
</context>
<context>
    <name>qx::BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>Back-ups</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Map: %1</translation>
    </message>
    <message>
        <source>No backups yet. One is made before every write to the radio.</source>
        <translation>Nog geen back-ups. Voor elke schrijfactie naar de marifoon wordt er een gemaakt.</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Gereed.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Restore to Radio</source>
        <translation>Terugzetten naar marifoon</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Restore failed.</source>
        <translation>Terugzetten mislukt.</translation>
    </message>
    <message>
        <source>The radio may now hold part of the backup. Restore it again to finish.</source>
        <translation>De marifoon bevat nu mogelijk een deel van de back-up. Zet de back-up opnieuw terug om het af te ronden.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Er is niets naar de marifoon geschreven.</translation>
    </message>
    <message>
        <source>Restore Error</source>
        <translation>Fout bij terugzetten</translation>
    </message>
    <message>
        <source>Write the backup of %1 (MMSI %2) back to the radio? The radio&apos;s whole memory is replaced by it.</source>
        <translation>De back-up van %1 (MMSI %2) terugzetten naar de marifoon? Het hele geheugen van de marifoon wordt erdoor vervangen.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>Back-up van de marifoon maken...</translation>
    </message>
    <message>
        <source>Restore cancelled: identity kept.</source>
        <translation>Terugzetten geannuleerd: identiteit behouden.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>Wachten op de marifoon...</translation>
    </message>
    <message>
        <source>Restore OK.</source>
        <translation>Terugzetten gelukt.</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Terugzetten...</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Stoppen...</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Geannuleerd door gebruiker.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Whole EEPROM</source>
        <translation>Hele EEPROM</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Write the backup of %1 (MMSI %2) back to the radio? The radio&apos;s settings are replaced by it.</source>
        <translation>De back-up van %1 (MMSI %2) terugzetten naar de marifoon? De instellingen van de marifoon worden erdoor vervangen.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Marifoon lezen...</translation>
    </message>
    <message>
        <source>Restore OK. The radio&apos;s previous contents were saved to %1.</source>
        <translation>Terugzetten gelukt. De vorige inhoud van de marifoon is bewaard in %1.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Er kon geen back-up van de marifoon worden gemaakt, dus er is niets naar geschreven.
%1</translation>
    </message>
</context>
<context>
    <name>qx::ChannelPanel</name>
    <message>
        <source>Channel List</source>
        <translation>Kanaallijst</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation>Kanaallijst</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
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
        <translation>Privé</translation>
    </message>
    <message>
        <source>Lines %1 and %2 both have the name &quot;%3&quot;.</source>
        <translation>Regels %1 en %2 hebben allebei de naam &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The radio takes channels of the same name, but you may have meant two.</source>
        <translation>De marifoon accepteert kanalen met dezelfde naam, maar misschien bedoelde u twee verschillende kanalen.</translation>
    </message>
    <message>
        <source>Channel Setup</source>
        <translation>Kanaalinstellingen</translation>
    </message>
    <message>
        <source>Only Private Channel Can be Modified!</source>
        <translation>Alleen privékanalen kunnen worden gewijzigd!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>UI Read Only!</source>
        <translation>Interface is alleen-lezen!</translation>
    </message>
    <message>
        <source>Please Select a Channel First!</source>
        <translation>Selecteer eerst een kanaal!</translation>
    </message>
    <message>
        <source>Channel Number Limit!</source>
        <translation>Maximumaantal kanalen bereikt!</translation>
    </message>
</context>
<context>
    <name>qx::ChannelSetupDialog</name>
    <message>
        <source>Channel Setup Dialog</source>
        <translation>Kanaalinstellingen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Tx-freq.</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Rx-freq.</translation>
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
        <translation>Modus</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Invalid Tx Frequency.
Frequency=0.00625*N.
Range=%1</source>
        <translation>Ongeldige Tx-frequentie.
Frequentie=0.00625*N.
Bereik=%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Name, first character</source>
        <translation>Naam, eerste teken</translation>
    </message>
    <message>
        <source>Name, second character</source>
        <translation>Naam, tweede teken</translation>
    </message>
</context>
<context>
    <name>qx::CloneCommands</name>
    <message>
        <source>The radio may now hold part of the new settings. Write again, or write back a saved copy: a clone file through File&#xa0;/&#xa0;Open, or an EEPROM dump through Service&#xa0;/&#xa0;Eprom&#xa0;Tools.</source>
        <translation>De marifoon bevat nu mogelijk een deel van de nieuwe instellingen. Schrijf opnieuw, of zet een opgeslagen kopie terug: een kloonbestand via Bestand&#xa0;/&#xa0;Openen, of een EEPROM-dump via Service&#xa0;/&#xa0;EEPROM-hulpmiddelen.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: it was being backed up first.</source>
        <translation>Er is niets naar de marifoon geschreven: er werd eerst een back-up van gemaakt.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: the identities it holds were being read first.</source>
        <translation>Er is niets naar de marifoon geschreven: de identiteiten in de marifoon werden eerst gelezen.</translation>
    </message>
    <message>
        <source>To write without a backup, turn off File&#xa0;/&#xa0;Back up the radio before writing.</source>
        <translation>Om zonder back-up te schrijven, schakelt u Bestand&#xa0;/&#xa0;Back-up maken vóór schrijven uit.</translation>
    </message>
    <message>
        <source>No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and nothing was written to the radio.</source>
        <translation>Geen map voor back-ups: XDG_DATA_HOME en HOME zijn geen van beide ingesteld, dus er kan geen back-up worden gemaakt en er is niets naar de marifoon geschreven.</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Schrijven...</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lezen...</translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation>Controleren...</translation>
    </message>
    <message>
        <source>HandShaking...</source>
        <translation>Handshake...</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schrijffout</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>Back-up van de marifoon maken...</translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation>Naar marifoon schrijven</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reden: %1</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lezen</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Geannuleerd door gebruiker.</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Leesfout</translation>
    </message>
    <message>
        <source>Read Error.</source>
        <translation>Leesfout.</translation>
    </message>
    <message>
        <source>Read OK.</source>
        <translation>Lezen gelukt.</translation>
    </message>
    <message>
        <source>Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again. Make a complete backup of the radio with Service / Eprom Tools... (Read).</source>
        <translation>Waarschuwing: wat de marifoon bevat, komt niet door de controle voor kloonbestanden (%1), dus een kloonbestand dat u daarvan opslaat, gaat later niet meer open. Maak een volledige back-up van de marifoon met Service / EEPROM-hulpmiddelen... (Lezen).</translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation>Controlefout.</translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation>Controlefout</translation>
    </message>
    <message>
        <source>Verify OK.</source>
        <translation>Controle gelukt.</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Kan bestand niet maken:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Write cancelled: identity kept.</source>
        <translation>Schrijven geannuleerd: identiteit behouden.</translation>
    </message>
    <message>
        <source>Write OK.</source>
        <translation>Schrijven gelukt.</translation>
    </message>
    <message>
        <source>Write Error.</source>
        <translation>Schrijffout.</translation>
    </message>
    <message>
        <source>

The radio&apos;s previous contents were saved to %1: File&#xa0;/&#xa0;Backups... puts them back.</source>
        <translation>

De vorige inhoud van de marifoon is bewaard in %1: Bestand&#xa0;/&#xa0;Back-ups... zet hem terug.</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Er kon geen back-up van de marifoon worden gemaakt, dus er is niets naar geschreven.
%1</translation>
    </message>
    <message>
        <source>HandShake OK.</source>
        <translation>Handshake gelukt.</translation>
    </message>
    <message>
        <source>HandShake Error.</source>
        <translation>Fout bij handshake.</translation>
    </message>
    <message>
        <source>Readt.</source>
        <translation>Gereed.</translation>
    </message>
    <message>
        <source>Nothing was written to the radio. Write again once the other program has finished.</source>
        <translation>Er is niets naar de marifoon geschreven. Schrijf opnieuw zodra het andere programma klaar is.</translation>
    </message>
</context>
<context>
    <name>qx::CloneDocument</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>(Read only)</source>
        <translation>(alleen-lezen)</translation>
    </message>
    <message>
        <source>Save as file error.</source>
        <translation>Fout bij opslaan onder nieuwe naam.</translation>
    </message>
    <message>
        <source>Save file error.</source>
        <translation>Fout bij opslaan van bestand.</translation>
    </message>
    <message>
        <source>Do you want to save?</source>
        <translation>Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WAARSCHUWING</translation>
    </message>
    <message>
        <source>Open file OK.</source>
        <translation>Bestand geopend.</translation>
    </message>
    <message>
        <source>Save file OK.</source>
        <translation>Bestand opgeslagen.</translation>
    </message>
    <message>
        <source>Save as file OK.</source>
        <translation>Bestand opgeslagen onder nieuwe naam.</translation>
    </message>
    <message>
        <source>File is modified. Do you want to save?</source>
        <translation>Het bestand is gewijzigd. Wilt u het opslaan?</translation>
    </message>
    <message>
        <source>File is Modify. Do you want to save?</source>
        <translation>Het bestand is gewijzigd. Wilt u het opslaan?</translation>
    </message>
    <message>
        <source>This document cannot be saved as a clone file: %1, and such a file would not open again. Edit or remove that channel first.</source>
        <translation>Dit document kan niet als kloonbestand worden opgeslagen: %1, en zo&apos;n bestand zou niet meer opengaan. Wijzig of verwijder eerst dat kanaal.</translation>
    </message>
</context>
<context>
    <name>qx::ConfigDialog</name>
    <message>
        <source>Config Dialog</source>
        <translation>Configuratie</translation>
    </message>
    <message>
        <source>HandSet Test Mode</source>
        <translation>Testmodus marifoon</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Write OK</source>
        <translation>Schrijven gelukt</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schrijffout</translation>
    </message>
    <message>
        <source>Enable Handset Test Mode OK.</source>
        <translation>Testmodus van de marifoon ingeschakeld.</translation>
    </message>
    <message>
        <source>Disable Handset Test Mode OK.</source>
        <translation>Testmodus van de marifoon uitgeschakeld.</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Leesfout</translation>
    </message>
    <message>
        <source>The radio answered: HandShake OK.</source>
        <translation>De marifoon heeft geantwoord: handshake gelukt.</translation>
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
        <translation>MMSI-invoer door gebruiker</translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation>ATIS-invoer door gebruiker</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation>TX PLL-stap</translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation>RX PLL-stap</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1-kanalen</translation>
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
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Standaard laden</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Van marifoon lezen</translation>
    </message>
    <message>
        <source>Add private channel</source>
        <translation>Privékanaal toevoegen</translation>
    </message>
    <message>
        <source>Edit private channel</source>
        <translation>Privékanaal bewerken</translation>
    </message>
    <message>
        <source>Remove private channel</source>
        <translation>Privékanaal verwijderen</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Kanalen importeren (CSV)</translation>
    </message>
    <message>
        <source>Feature Setup</source>
        <translation>Functie-instellingen</translation>
    </message>
    <message>
        <source>Invalid MMIS ID:%1
Make sure 9 digitals.</source>
        <translation>Ongeldig MMSI: %1
Gebruik precies 9 cijfers.</translation>
    </message>
    <message>
        <source>Invalid ATIS ID:%1
Make sure 9 digitals.</source>
        <translation>Ongeldig ATIS ID: %1
Gebruik precies 9 cijfers.</translation>
    </message>
    <message>
        <source>Channel Number Limit!</source>
        <translation>Maximumaantal kanalen bereikt!</translation>
    </message>
    <message>
        <source>NO Channel!</source>
        <translation>Geen kanaal!</translation>
    </message>
    <message>
        <source>Please Select a Channel!</source>
        <translation>Selecteer een kanaal!</translation>
    </message>
    <message>
        <source>Please Select a Channel First!</source>
        <translation>Selecteer eerst een kanaal!</translation>
    </message>
    <message>
        <source>Invalid Tx Frequency.
Frequency=0.00625*N.
Range=%1</source>
        <translation>Ongeldige Tx-frequentie.
Frequentie=0.00625*N.
Bereik=%1</translation>
    </message>
    <message>
        <source>A private channel&apos;s name is one of %1 and a digit.</source>
        <translation>De naam van een privékanaal is een van %1 en een cijfer.</translation>
    </message>
    <message>
        <source>RX would be %1 MHz, outside 136..174 MHz: a clone file with this channel would not open again. Choose Simplex, or a TX of at most 169.4 MHz for Duplex.</source>
        <translation>RX zou %1 MHz zijn, buiten 136..174 MHz: een kloonbestand met dit kanaal zou niet meer opengaan. Kies Simplex, of voor Duplex een TX van hoogstens 169,4 MHz.</translation>
    </message>
    <message>
        <source>A clone file with this channel would not open again: it %1.</source>
        <translation>Een kloonbestand met dit kanaal zou niet meer opengaan: het %1.</translation>
    </message>
</context>
<context>
    <name>qx::Core</name>
    <message>
        <source>Read Error.</source>
        <translation>Leesfout.</translation>
    </message>
    <message>
        <source>Write Error.</source>
        <translation>Schrijffout.</translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation>Controlefout.</translation>
    </message>
    <message>
        <source>Handshake Error.</source>
        <translation>Fout bij handshake.</translation>
    </message>
    <message>
        <source>Read from Comp Port Error.</source>
        <translation>Fout bij lezen van COM-poort.</translation>
    </message>
    <message>
        <source>Write to Comp Port Error.</source>
        <translation>Fout bij schrijven naar COM-poort.</translation>
    </message>
    <message>
        <source>Adaptor is not detected!</source>
        <translation>Adapter niet gevonden!</translation>
    </message>
    <message>
        <source>Radio is not detected!</source>
        <translation>Marifoon niet gevonden!</translation>
    </message>
    <message>
        <source>Communication time out!</source>
        <translation>Time-out bij communicatie!</translation>
    </message>
    <message>
        <source>HandShake Error!</source>
        <translation>Fout bij handshake!</translation>
    </message>
    <message>
        <source>CheckSum Error</source>
        <translation>Fout in controlesom</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Ongeldige gegevens</translation>
    </message>
    <message>
        <source>Radio and PC software are not matched.</source>
        <translation>Marifoon en pc-software passen niet bij elkaar.</translation>
    </message>
    <message>
        <source>The system cannot find the COM Port specified.</source>
        <translation>Het systeem kan de opgegeven COM-poort niet vinden.</translation>
    </message>
    <message>
        <source>COM Port Access is denied.</source>
        <translation>Toegang tot COM-poort geweigerd.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Open File Error.</source>
        <translation>Fout bij openen van bestand.</translation>
    </message>
    <message>
        <source>Read from File Error.</source>
        <translation>Fout bij lezen van bestand.</translation>
    </message>
    <message>
        <source>Write to File Error.</source>
        <translation>Fout bij schrijven naar bestand.</translation>
    </message>
    <message>
        <source>Unknown File Format.</source>
        <translation>Onbekende bestandsindeling.</translation>
    </message>
    <message>
        <source>File Read Only.</source>
        <translation>Bestand is alleen-lezen.</translation>
    </message>
    <message>
        <source>File Exist.</source>
        <translation>Bestand bestaat al.</translation>
    </message>
    <message>
        <source>Unknown File Error.</source>
        <translation>Onbekende bestandsfout.</translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation>Geannuleerd door gebruiker.</translation>
    </message>
    <message>
        <source>Function Parameter Error</source>
        <translation>Fout in functieparameter</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>The clone adaptor is connected but this user may not open it. Install the udev rule 70-qx720-clone.rules, then unplug and replug the adaptor.</source>
        <translation>De kloonadapter is aangesloten, maar deze gebruiker mag hem niet openen. Installeer de udev-regel 70-qx720-clone.rules en koppel de adapter daarna los en weer aan.</translation>
    </message>
    <message>
        <source>The radio holds %1. Write over it and clear it?</source>
        <translation>De marifoon bevat %1. Wilt u dit overschrijven en daarmee wissen?</translation>
    </message>
    <message>
        <source>The radio holds %1. Write %2 over it?</source>
        <translation>De marifoon bevat %1. Wilt u dit vervangen door %2?</translation>
    </message>
    <message>
        <source>The radio is in use by another program.</source>
        <translation>De marifoon wordt door een ander programma gebruikt.</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>Programma: %1</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::EpromToolsDialog</name>
    <message>
        <source>Eprom Tools Dialog</source>
        <translation>EEPROM-hulpmiddelen</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Klonen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schrijven</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lezen</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Controleren</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Gereed.</translation>
    </message>
    <message>
        <source>Verify Error!</source>
        <translation>Controlefout!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>EEPROM files (*.Bin)</source>
        <translation>EEPROM-bestanden (*.Bin)</translation>
    </message>
    <message>
        <source>Open File Error:
%1</source>
        <translation>Fout bij openen van bestand:
%1</translation>
    </message>
    <message>
        <source>Open File Error</source>
        <translation>Fout bij openen van bestand</translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation>Schrijven...</translation>
    </message>
    <message>
        <source>Write Error!</source>
        <translation>Schrijffout!</translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation>Schrijffout</translation>
    </message>
    <message>
        <source>Write OK!</source>
        <translation>Schrijven gelukt!</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lezen...</translation>
    </message>
    <message>
        <source>Read Error!</source>
        <translation>Leesfout!</translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation>Leesfout</translation>
    </message>
    <message>
        <source>Read OK!</source>
        <translation>Lezen gelukt!</translation>
    </message>
    <message>
        <source>Verifing...</source>
        <translation>Controleren...</translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation>Controlefout</translation>
    </message>
    <message>
        <source>Difference = %1</source>
        <translation>Aantal verschillen = %1</translation>
    </message>
    <message>
        <source>Verify OK!</source>
        <translation>Controle gelukt!</translation>
    </message>
    <message>
        <source>No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and nothing was written to the radio.</source>
        <translation>Geen map voor back-ups: XDG_DATA_HOME en HOME zijn geen van beide ingesteld, dus er kan geen back-up worden gemaakt en er is niets naar de marifoon geschreven.</translation>
    </message>
    <message>
        <source>Reading the radio...</source>
        <translation>Marifoon lezen...</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Write cancelled: identity kept.</source>
        <translation>Schrijven geannuleerd: identiteit behouden.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>Wachten op de marifoon...</translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation>Er kon geen back-up van de marifoon worden gemaakt, dus er is niets naar geschreven.
%1</translation>
    </message>
</context>
<context>
    <name>qx::FeaturePanel</name>
    <message>
        <source>Model</source>
        <translation>Model</translation>
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
        <translation>Functies marifoon</translation>
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
        <translation>Privé</translation>
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
        <translation>WX-kanalen</translation>
    </message>
    <message>
        <source>TX PLL STEP:</source>
        <translation>TX PLL-stap:</translation>
    </message>
    <message>
        <source>RX PLL STEP:</source>
        <translation>RX PLL-stap:</translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation>TX PLL-stap</translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation>RX PLL-stap</translation>
    </message>
</context>
<context>
    <name>qx::FeatureSetupDialog</name>
    <message>
        <source>Feature Setup Dialog</source>
        <translation>Functie-instellingen</translation>
    </message>
    <message>
        <source>Brand Name:</source>
        <translation>Merknaam:</translation>
    </message>
    <message>
        <source>Model Name:</source>
        <translation>Modelnaam:</translation>
    </message>
    <message>
        <source>Feature</source>
        <translation>Functies</translation>
    </message>
    <message>
        <source>GPS Alert</source>
        <translation>GPS-alarm</translation>
    </message>
    <message>
        <source>Enale WX Alert Check.</source>
        <translation>WX-alarmcontrole inschakelen.</translation>
    </message>
</context>
<context>
    <name>qx::FileCommands</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Backup opened.</source>
        <translation>Back-up geopend.</translation>
    </message>
</context>
<context>
    <name>qx::IdentityBox</name>
    <message>
        <source>MMSI entry by user</source>
        <translation>MMSI-invoer door gebruiker</translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation>ATIS-invoer door gebruiker</translation>
    </message>
    <message>
        <source>Please enter the 9 digital MMSI number.</source>
        <translation>Voer het MMSI van 9 cijfers in.</translation>
    </message>
    <message>
        <source>Please enter the last 9 numbers of the 10 digit ATIS ID.</source>
        <translation>Voer de laatste 9 cijfers van het ATIS ID van 10 cijfers in.</translation>
    </message>
    <message>
        <source>The initial &quot;9&quot; is entered automatically.</source>
        <translation>De eerste &quot;9&quot; wordt automatisch ingevuld.</translation>
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
        <translation>een ATIS ID kan niet met 90 beginnen</translation>
    </message>
    <message>
        <source>a coast station&apos;s MMSI starts with 00</source>
        <translation>het MMSI van een kuststation begint met 00</translation>
    </message>
    <message>
        <source>a group&apos;s MMSI starts with 0</source>
        <translation>het MMSI van een groep begint met 0</translation>
    </message>
    <message>
        <source>The radio refuses this number: %1.</source>
        <translation>De marifoon weigert dit nummer: %1.</translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>Write to Radio</source>
        <translation>Naar marifoon schrijven</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>Van marifoon lezen</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Van marifoon &amp;lezen</translation>
    </message>
    <message>
        <source>Stop &amp;Read</source>
        <translation>&amp;Lezen stoppen</translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation>Naar marifoon &amp;schrijven</translation>
    </message>
    <message>
        <source>Stop &amp;Write</source>
        <translation>&amp;Schrijven stoppen</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Controleren</translation>
    </message>
    <message>
        <source>Stop &amp;Verify</source>
        <translation>&amp;Controleren stoppen</translation>
    </message>
    <message>
        <source>&amp;HandShake</source>
        <translation>&amp;HandShake</translation>
    </message>
    <message>
        <source>Stop &amp;HandShake</source>
        <translation>&amp;HandShake stoppen</translation>
    </message>
    <message>
        <source>Feature Setup</source>
        <translation>Functie-instellingen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ongedaan &amp;maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Opnieuw</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Klonen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extra</translation>
    </message>
    <message>
        <source>&amp;Export Freq Table</source>
        <translation>Frequentietabel &amp;exporteren</translation>
    </message>
    <message>
        <source>View &amp;CheckSum</source>
        <translation>&amp;Controlesom bekijken</translation>
    </message>
    <message>
        <source>Export Cha&amp;nnels (CSV)...</source>
        <translation>&amp;Kanalen exporteren (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)...</source>
        <translation>Kanalen &amp;importeren (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Service</source>
        <translation>&amp;Service</translation>
    </message>
    <message>
        <source>&amp;Feature Setup...</source>
        <translation>&amp;Functie-instellingen...</translation>
    </message>
    <message>
        <source>&amp;Config...</source>
        <translation>&amp;Configuratie...</translation>
    </message>
    <message>
        <source>&amp;Eprom Tools...</source>
        <translation>&amp;EEPROM-hulpmiddelen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>Ongedaan &amp;maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Opnieuw: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation>Standaard &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation>Opslaan &amp;als</translation>
    </message>
    <message>
        <source>Back up the radio before &amp;writing</source>
        <translation>Back-up &amp;maken vóór schrijven</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>&amp;Back-ups...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Afdruk&amp;voorbeeld...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>&amp;PDF exporteren...</translation>
    </message>
    <message>
        <source>&amp;Language (after a restart)</source>
        <translation>&amp;Taal (na herstart)</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>De taal wordt gewijzigd wanneer het programma opnieuw wordt gestart.</translation>
    </message>
    <message>
        <source>&amp;Adaptor...</source>
        <translation>&amp;Adapter...</translation>
    </message>
    <message>
        <source>Back up the whole &amp;EEPROM before a write</source>
        <translation>Vóór het schrijven een back-up van de &amp;hele EEPROM maken</translation>
    </message>
</context>
<context>
    <name>qx::ModelWizardDialog</name>
    <message>
        <source>Model Wizard Dialog</source>
        <translation>Modelassistent</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Modeltype</translation>
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
        <translation>Europese privékanalen</translation>
    </message>
    <message>
        <source>Private Channel</source>
        <translation>Privékanaal</translation>
    </message>
    <message>
        <source>Private channels of the set</source>
        <translation>Privékanalen van de set</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Parameter is not ready.</source>
        <translation>Parameter is nog niet ingesteld.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>qx::PrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>The printer could not be used.</source>
        <translation>De printer kon niet worden gebruikt.</translation>
    </message>
    <message>
        <source>Sent to the printer.</source>
        <translation>Naar de printer verzonden.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>channel-card.pdf</source>
        <translation>kanaalkaart.pdf</translation>
    </message>
    <message>
        <source>commissioning-sheet.pdf</source>
        <translation>ingebruiknameverslag.pdf</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Kan bestand niet maken:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 opgeslagen.</translation>
    </message>
</context>
<context>
    <name>qx::SheetDialog</name>
    <message>
        <source>&amp;Commissioning sheet</source>
        <translation>&amp;Ingebruiknameverslag</translation>
    </message>
    <message>
        <source>Channel c&amp;ard</source>
        <translation>&amp;Kanaalkaart</translation>
    </message>
    <message>
        <source>&amp;Vessel name:</source>
        <translation>&amp;Scheepsnaam:</translation>
    </message>
    <message>
        <source>Call &amp;sign:</source>
        <translation>&amp;Roepnaam:</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Scheepsnaam</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Left empty, they are lines to fill in by hand.</source>
        <translation>Leeg gelaten worden het lijnen om met de hand in te vullen.</translation>
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
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation>Gereed.</translation>
    </message>
    <message>
        <source>Logo;</source>
        <translation>Logo;</translation>
    </message>
    <message>
        <source>Save RomMap;</source>
        <translation>ROM-map opslaan;</translation>
    </message>
</context>
<context>
    <name>qx::ToolCommands</name>
    <message>
        <source>A USA-model record has no private channels.</source>
        <translation>Gegevens voor het USA-model bevatten geen privékanalen.</translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation>Kan bestand niet maken:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Export Freq Table</source>
        <translation>Frequentietabel exporteren</translation>
    </message>
    <message>
        <source>Report: %1</source>
        <translation>Rapport: %1</translation>
    </message>
    <message>
        <source>The report is saved as:
%1</source>
        <translation>Het rapport is opgeslagen als:
%1</translation>
    </message>
    <message>
        <source>No program opened it; open the file with any text editor.</source>
        <translation>Geen programma heeft het geopend; open het bestand met een willekeurige teksteditor.</translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation>Controlesom</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>Kanalen exporteren</translation>
    </message>
    <message>
        <source>Exported %1 private channels.</source>
        <translation>%1 privékanalen geëxporteerd.</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>Kanalen importeren</translation>
    </message>
    <message>
        <source>... and %1 more (see the details).</source>
        <translation>... en nog %1 (zie de details).</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 has problems.</source>
        <translation>Niets geïmporteerd: %1 bevat fouten.</translation>
    </message>
    <message>
        <source>Imported %1 private channels.</source>
        <translation>%1 privékanalen geïmporteerd.</translation>
    </message>
    <message>
        <source>Lines %1 and %2 of the file both have the name &quot;%3&quot;.</source>
        <translation>Regels %1 en %2 van het bestand hebben allebei de naam &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The radio takes channels of the same name, but you may have meant two.</source>
        <translation>De marifoon accepteert kanalen met dezelfde naam, maar misschien bedoelde u twee verschillende kanalen.</translation>
    </message>
</context>
<context>
    <name>qx::UserDialog</name>
    <message>
        <source>The PC clone tool adds private channels.</source>
        <translation>De kloonsoftware voor de pc voegt privékanalen toe.</translation>
    </message>
    <message>
        <source>The radio firmware is unchanged.</source>
        <translation>De firmware van de marifoon blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>Only private channels are cloned, 100 at most.</source>
        <translation>Alleen privékanalen worden gekloond, maximaal 100.</translation>
    </message>
    <message>
        <source>The UIC data is fixed in the flash memory of the radio&apos;s controller.</source>
        <translation>De UIC-gegevens staan vast in het flashgeheugen van de controller van de marifoon.</translation>
    </message>
    <message>
        <source>Private channels can be added, removed and defined by the user.</source>
        <translation>Privékanalen kunnen door de gebruiker worden toegevoegd, verwijderd en ingesteld.</translation>
    </message>
    <message>
        <source>The channel record is redefined as 10 bytes; the name is stored as an index.</source>
        <translation>Het kanaalrecord is opnieuw gedefinieerd als 10 bytes; de naam wordt als index opgeslagen.</translation>
    </message>
    <message>
        <source>EEPROM addresses are redefined.</source>
        <translation>EEPROM-adressen zijn opnieuw gedefinieerd.</translation>
    </message>
    <message>
        <source>The INT, USA, CAN, narrow and WX channel tables are taken from the radio firmware.</source>
        <translation>De kanaaltabellen voor INT, USA, CAN, smalband en WX komen uit de firmware van de marifoon.</translation>
    </message>
    <message>
        <source>The channel list follows the band selection; its display is adjusted.</source>
        <translation>De kanaallijst volgt de bandkeuze; de weergave is aangepast.</translation>
    </message>
    <message>
        <source>Receive intermediate frequency 38.85 MHz.</source>
        <translation>Middenfrequentie ontvanger 38,85 MHz.</translation>
    </message>
    <message>
        <source>Frequencies are shown in 3.4 format, which also suits narrow channels.</source>
        <translation>Frequenties worden getoond in 3.4-formaat, dat ook geschikt is voor smalbandkanalen.</translation>
    </message>
    <message>
        <source>The channel combo box follows the selection.</source>
        <translation>De keuzelijst voor kanalen volgt de selectie.</translation>
    </message>
    <message>
        <source>The low part of the divider is in the low byte.</source>
        <translation>Het lage deel van de deler staat in de lage byte.</translation>
    </message>
    <message>
        <source>The private channel name uses one byte, high bit 0.</source>
        <translation>De naam van een privékanaal gebruikt één byte, hoogste bit 0.</translation>
    </message>
    <message>
        <source>The Exit button becomes Read.</source>
        <translation>De knop Afsluiten wordt Lezen.</translation>
    </message>
    <message>
        <source>Start-up no longer asks for private channels.</source>
        <translation>Bij het opstarten wordt niet meer naar privékanalen gevraagd.</translation>
    </message>
    <message>
        <source>ATIS and MMSI positions updated.</source>
        <translation>Posities van ATIS en MMSI bijgewerkt.</translation>
    </message>
    <message>
        <source>Edit button added.</source>
        <translation>Knop Bewerken toegevoegd.</translation>
    </message>
    <message>
        <source>Tx Freq Range 136 to 174MHz</source>
        <translation>Tx-frequentiebereik 136 tot 174 MHz</translation>
    </message>
    <message>
        <source>Write Addr=0x100 to 0x6FF</source>
        <translation>Schrijfadres=0x100 tot 0x6FF</translation>
    </message>
    <message>
        <source>USA and EUR flags added.</source>
        <translation>Vlaggen USA en EUR toegevoegd.</translation>
    </message>
    <message>
        <source>A Read error is fixed.</source>
        <translation>Een leesfout is verholpen.</translation>
    </message>
    <message>
        <source>Intermediate frequency filter changed to 19.65.</source>
        <translation>Middenfrequentiefilter gewijzigd naar 19,65.</translation>
    </message>
    <message>
        <source>A write control is added that lets the radio enter adjust (test) mode.</source>
        <translation>Er is een schrijfopdracht toegevoegd waarmee de marifoon in de afregelmodus (testmodus) kan gaan.</translation>
    </message>
    <message>
        <source>Entering adjust mode is not allowed by default.</source>
        <translation>Afregelmodus is standaard niet toegestaan.</translation>
    </message>
    <message>
        <source>User Dialog</source>
        <translation>Gebruikersopties</translation>
    </message>
    <message>
        <source>Adjust Mode.</source>
        <translation>Afregelmodus.</translation>
    </message>
    <message>
        <source>Create logo file.</source>
        <translation>Logobestand maken.</translation>
    </message>
    <message>
        <source>Create ROM map file.</source>
        <translation>ROM-mapbestand maken.</translation>
    </message>
    <message>
        <source>UI Read Only.</source>
        <translation>Interface alleen-lezen.</translation>
    </message>
    <message>
        <source>Version history</source>
        <translation>Versiegeschiedenis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>qx::WebPage</name>
    <message>
        <source>Back up the whole EEPROM before a write</source>
        <translation>Vóór het schrijven een back-up van de hele EEPROM maken</translation>
    </message>
    <message>
        <source>Before every write the radio&apos;s contents are saved in this browser: the clone range the write replaces, or the whole EEPROM.</source>
        <translation>Vóór elke schrijfactie wordt de inhoud van de marifoon in deze browser bewaard: het kloonbereik dat de schrijfactie vervangt, of de hele EEPROM.</translation>
    </message>
    <message>
        <source>whole EEPROM</source>
        <translation>hele EEPROM</translation>
    </message>
    <message>
        <source>clone range</source>
        <translation>kloonbereik</translation>
    </message>
    <message>
        <source>The adaptor is in use in another tab.</source>
        <translation>De adapter is in gebruik in een ander tabblad.</translation>
    </message>
    <message>
        <source>Write %1 back into the radio? Everything it holds now is replaced.</source>
        <translation>%1 terugzetten in de marifoon? Alles wat deze nu bevat, wordt vervangen.</translation>
    </message>
    <message>
        <source>Write %1 back into the radio? Its settings and identities are replaced; the rest of its EEPROM stays as it is.</source>
        <translation>%1 terugzetten in de marifoon? De instellingen en identiteiten worden vervangen; de rest van de EEPROM blijft zoals hij is.</translation>
    </message>
    <message>
        <source>The radio&apos;s contents before the restore were saved in this browser as %1.</source>
        <translation>De inhoud van de marifoon van vóór het terugzetten is in deze browser bewaard als %1.</translation>
    </message>
    <message>
        <source>The radio&apos;s previous contents were saved in this browser as %1.</source>
        <translation>De vorige inhoud van de marifoon is in deze browser bewaard als %1.</translation>
    </message>
    <message>
        <source>The radio&apos;s previous contents were saved in this browser as %1: Backups puts them back.</source>
        <translation>De vorige inhoud van de marifoon is in deze browser bewaard als %1: onder Back-ups zet u deze terug.</translation>
    </message>
    <message>
        <source>The radio may now hold part of the new settings. Write again, or put back its previous contents.</source>
        <translation>De marifoon bevat nu mogelijk een deel van de nieuwe instellingen. Schrijf opnieuw, of zet de vorige inhoud terug.</translation>
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
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>Three steps</source>
        <translation>Drie stappen</translation>
    </message>
    <message>
        <source>1. Connect the adaptor</source>
        <translation>1. Adapter aansluiten</translation>
    </message>
    <message>
        <source>Plug the clone adaptor into this computer and the radio, then choose it in the browser&apos;s list.</source>
        <translation>Sluit de kloonadapter aan op deze computer en op de marifoon en kies hem daarna in de lijst van de browser.</translation>
    </message>
    <message>
        <source>2. Read the radio</source>
        <translation>2. Marifoon lezen</translation>
    </message>
    <message>
        <source>Copies what the radio holds into this page; the radio itself is not changed.</source>
        <translation>Neemt de inhoud van de marifoon over in deze pagina; de marifoon zelf verandert niet.</translation>
    </message>
    <message>
        <source>3. Check and write</source>
        <translation>3. Controleren en schrijven</translation>
    </message>
    <message>
        <source>Check the identities and channels below, then write them to the radio, which is backed up first.</source>
        <translation>Controleer hieronder de identiteiten en kanalen en schrijf ze daarna naar de marifoon, waarvan eerst een back-up wordt gemaakt.</translation>
    </message>
    <message>
        <source>No radio has been read yet</source>
        <translation>Er is nog geen marifoon gelezen</translation>
    </message>
    <message>
        <source>Read the radio (step 2) to see and change what it holds, or start from a clone file or from a model&apos;s defaults.</source>
        <translation>Lees de marifoon (stap 2) om de inhoud te zien en te wijzigen, of begin met een kloonbestand of met de standaardwaarden van een model.</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Bestand openen...</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>For dealers and service: the radio&apos;s link, its model and channel groups, the synthesizer steps and the EEPROM.</source>
        <translation>Voor dealers en service: de verbinding met de marifoon, het model en de kanaalgroepen, de synthesizerstappen en het EEPROM.</translation>
    </message>
    <message>
        <source>Radio link and EEPROM</source>
        <translation>Verbinding met de marifoon en EEPROM</translation>
    </message>
    <message>
        <source>No adaptor chosen.</source>
        <translation>Geen adapter gekozen.</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Er is niets geïmporteerd:</translation>
    </message>
    <message>
        <source>The last write was interrupted</source>
        <translation>De laatste schrijfopdracht is onderbroken</translation>
    </message>
    <message>
        <source>Write again</source>
        <translation>Opnieuw schrijven</translation>
    </message>
    <message>
        <source>Restore again</source>
        <translation>Opnieuw terugzetten</translation>
    </message>
    <message>
        <source>Restore the backup</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <translation>%1 terugzetten</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>A write to the radio began at %1 and did not finish: the page was closed or reloaded, or the browser stopped. The radio may be half written and may not work as it should. Write again, or put back the backup taken just before: %2.</source>
        <translation>Een schrijfopdracht naar de marifoon begon op %1 en is niet voltooid: de pagina werd gesloten of opnieuw geladen, of de browser stopte. De marifoon kan half beschreven zijn en werkt dan misschien niet goed. Schrijf opnieuw, of zet de back-up terug die vlak daarvoor is gemaakt: %2.</translation>
    </message>
    <message>
        <source>A restore of %1 into the radio began at %2 and did not finish: the page was closed or reloaded, or the browser stopped. The radio may be half written and may not work as it should. Restore again, or put back the backup taken just before: %3.</source>
        <translation>Het terugzetten van %1 in de marifoon begon op %2 en is niet voltooid: de pagina werd gesloten of opnieuw geladen, of de browser stopte. De marifoon kan half beschreven zijn en werkt dan misschien niet goed. Zet opnieuw terug, of zet de back-up terug die vlak daarvoor is gemaakt: %3.</translation>
    </message>
    <message>
        <source>The document that was being written (%1) is no longer open in this page. Open its clone file again, or make the same settings again, then press Write again; or restore the backup.</source>
        <translation>Het document dat werd geschreven (%1) is niet meer geopend in deze pagina. Open het kloonbestand opnieuw of maak dezelfde instellingen opnieuw en druk dan op ‘Opnieuw schrijven’; of zet de back-up terug.</translation>
    </message>
    <message>
        <source>The backup %1 is no longer in this browser.</source>
        <translation>De back-up %1 staat niet meer in deze browser.</translation>
    </message>
    <message>
        <source>This browser may delete the backups kept here: in a private window when it closes, otherwise when the disk runs low. Each backup is therefore also downloaded as it is made: keep those files.</source>
        <translation>Deze browser kan de hier bewaarde back-ups verwijderen: in een privévenster bij het sluiten, anders als de schijf vol raakt. Elke back-up wordt daarom bij het maken ook gedownload: bewaar die bestanden.</translation>
    </message>
    <message>
        <source>This browser does not store backups here (%1), so the radio cannot be written from this page.</source>
        <translation>Deze browser bewaart hier geen back-ups (%1), dus kan de marifoon niet vanuit deze pagina worden beschreven.</translation>
    </message>
    <message>
        <source>the browser did not store the backup</source>
        <translation>de browser heeft de back-up niet opgeslagen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 downloaden</translation>
    </message>
    <message>
        <source>Delete backup</source>
        <translation>Back-up verwijderen</translation>
    </message>
    <message>
        <source>Delete the backup %1 from this browser? It cannot be brought back.</source>
        <translation>De back-up %1 uit deze browser verwijderen? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Download all (ZIP)</source>
        <translation>Alles downloaden (ZIP)</translation>
    </message>
    <message>
        <source>Connect adaptor...</source>
        <translation>Adapter verbinden...</translation>
    </message>
    <message>
        <source>Virtual radio</source>
        <translation>Virtuele marifoon</translation>
    </message>
    <message>
        <source>Export channels (CSV)</source>
        <translation>Kanalen exporteren (CSV)</translation>
    </message>
    <message>
        <source>Import channels (CSV)</source>
        <translation>Kanalen importeren (CSV)</translation>
    </message>
    <message>
        <source>Import channels</source>
        <translation>Kanalen importeren</translation>
    </message>
    <message>
        <source>Imported the private channels of %1.</source>
        <translation>De privékanalen uit %1 zijn geïmporteerd.</translation>
    </message>
    <message>
        <source>ATIS ID (9 + the last 9 digits)</source>
        <translation>ATIS-ID (9 + de laatste 9 cijfers)</translation>
    </message>
    <message>
        <source>Please enter the last 9 numbers of the 10 digit ATIS ID. The initial &quot;9&quot; is entered automatically.</source>
        <translation>Voer de laatste 9 cijfers van de 10-cijferige ATIS-ID in. De eerste ‘9’ wordt automatisch ingevuld.</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Verify report</source>
        <translation>Controlerapport</translation>
    </message>
    <message>
        <source>Download Verify.txt</source>
        <translation>Verify.txt downloaden</translation>
    </message>
    <message>
        <source>Model and Radio Feature</source>
        <translation>Model en functies van de marifoon</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Model for Load Default</source>
        <translation>Model voor ‘Standaard laden’</translation>
    </message>
    <message>
        <source>European private channel set for Load Default</source>
        <translation>Europese set privékanalen voor ‘Standaard laden’</translation>
    </message>
    <message>
        <source>Clone file to open</source>
        <translation>Te openen kloonbestand</translation>
    </message>
    <message>
        <source>Channel CSV file to import</source>
        <translation>Te importeren CSV-bestand met kanalen</translation>
    </message>
    <message>
        <source>Channels of the band</source>
        <translation>Kanalen van de band</translation>
    </message>
    <message>
        <source>%1 adaptors</source>
        <translation>%1 adapters</translation>
    </message>
    <message>
        <source>The rule (saved as %1):</source>
        <translation>De regel (opgeslagen als %1):</translation>
    </message>
    <message>
        <source>Then run: %1</source>
        <translation>Voer daarna uit: %1</translation>
    </message>
    <message>
        <source>The browser said: %1</source>
        <translation>De browser meldde: %1</translation>
    </message>
    <message>
        <source>Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again.</source>
        <translation>Waarschuwing: wat de marifoon bevat, doorstaat de controle voor kloonbestanden niet (%1); een daaruit opgeslagen kloonbestand gaat niet meer open.</translation>
    </message>
    <message>
        <source>The browser did not open its device chooser: %1</source>
        <translation>De browser heeft zijn apparaatkeuze niet geopend: %1</translation>
    </message>
    <message>
        <source>This browser cannot reach USB devices (it has no WebHID). Open this file in Chrome, Edge, Opera or Brave on a desktop computer, or use the desktop program QX720Clone. &quot;Virtual radio&quot; works here too.</source>
        <translation>Deze browser kan geen USB-apparaten bereiken (hij heeft geen WebHID). Open dit bestand in Chrome, Edge, Opera of Brave op een desktopcomputer, of gebruik het desktopprogramma QX720Clone. ‘Virtuele marifoon’ werkt ook hier.</translation>
    </message>
    <message>
        <source>Restore Error.</source>
        <translation>Fout bij terugzetten.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Denemarken</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noorwegen</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Zweden</translation>
    </message>
    <message>
        <source>Holland</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <source>Backups may not be kept in this browser: each one is also downloaded.</source>
        <translation>Deze browser bewaart de back-ups misschien niet: elke back-up wordt ook gedownload.</translation>
    </message>
</context>
<context>
    <name>qx::WebPrint</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Scheepsnaam</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Print commissioning sheet</source>
        <translation>Inbedrijfstellingsrapport afdrukken</translation>
    </message>
    <message>
        <source>Print channel card</source>
        <translation>Kanaalkaart afdrukken</translation>
    </message>
</context>
<context>
    <name>qx::Sheet</name>
    <message>
        <source>Commissioning record</source>
        <translation>Inbedrijfstellingsrapport</translation>
    </message>
    <message>
        <source>Channel card</source>
        <translation>Kanaalkaart</translation>
    </message>
    <message>
        <source>QX720 commissioning record</source>
        <translation>QX720-inbedrijfstellingsrapport</translation>
    </message>
    <message>
        <source>QX720 channel card</source>
        <translation>QX720-kanaalkaart</translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <translation>%1, afgedrukt %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Vessel</source>
        <translation>Schip</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Scheepsnaam</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Identities</source>
        <translation>Identiteiten</translation>
    </message>
    <message>
        <source>ship station</source>
        <translation>scheepsstation</translation>
    </message>
    <message>
        <source>handheld VHF with DSC</source>
        <translation>handmarifoon met DSC</translation>
    </message>
    <message>
        <source>group of ships</source>
        <translation>groep schepen</translation>
    </message>
    <message>
        <source>coast station</source>
        <translation>kuststation</translation>
    </message>
    <message>
        <source>search-and-rescue aircraft</source>
        <translation>SAR-luchtvaartuig</translation>
    </message>
    <message>
        <source>craft associated with a parent ship</source>
        <translation>vaartuig bij een moederschip</translation>
    </message>
    <message>
        <source>aid to navigation</source>
        <translation>navigatiehulpmiddel</translation>
    </message>
    <message>
        <source>man overboard device</source>
        <translation>man-over-boordapparaat</translation>
    </message>
    <message>
        <source>(not allocated)</source>
        <translation>(niet toegewezen)</translation>
    </message>
    <message>
        <source>entry by user</source>
        <translation>invoer door gebruiker</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>niet ingesteld</translation>
    </message>
    <message>
        <source>not a valid ATIS ID</source>
        <translation>geen geldige ATIS-ID</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <translation>Kanaalgroepen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>PLL steps</source>
        <translation>PLL-stappen</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Controlesom</translation>
    </message>
    <message>
        <source>Private channels (%1)</source>
        <translation>Privékanalen (%1)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
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
        <translation>Gebruik</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Kenmerken</translation>
    </message>
    <message>
        <source>1 W only</source>
        <translation>alleen 1 W</translation>
    </message>
    <message>
        <source>RX only</source>
        <translation>alleen RX</translation>
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
        <translation>PTT hoog</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Handtekening</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Dealer</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigenaar</translation>
    </message>
    <message>
        <source>Written and verified: %1</source>
        <translation>Geschreven en gecontroleerd: %1</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>INT (international)</source>
        <translation>INT (internationaal)</translation>
    </message>
    <message>
        <source>CAN (Canada)</source>
        <translation>CAN (Canada)</translation>
    </message>
    <message>
        <source>Private channels</source>
        <translation>Privékanalen</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>WX (weather, receive only)</source>
        <translation>WX (weer, alleen ontvangst)</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (vervolg)</translation>
    </message>
    <message>
        <source>No channel group is enabled.</source>
        <translation>Geen kanaalgroep ingeschakeld.</translation>
    </message>
</context>
</TS>
