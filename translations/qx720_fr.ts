<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>qx::AboutDialog</name>
    <message>
        <source>About Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::AtisFromMmsiButton</name>
    <message>
        <source>from MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the ATIS ID with &quot;9&quot; followed by the MMSI</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups yet. One is made before every write to the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio may now hold part of the backup. Restore it again to finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the backup of %1 (MMSI %2) back to the radio? The radio&apos;s whole memory is replaced by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore cancelled: identity kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::ChannelSetupDialog</name>
    <message>
        <source>Channel Setup Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Tx Frequency.
Frequency=0.00625*N.
Range=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::CloneDocument</name>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid MMIS ID:%1
Make sure 9 digitals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid ATIS ID:%1
Make sure 9 digitals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Read only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as file error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as file OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is modified. Do you want to save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is Modify. Do you want to save?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::ConfigDialog</name>
    <message>
        <source>Config Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandSet Test Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Handset Test Mode OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Handset Test Mode OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::ControlValues</name>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI entry by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA_narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT_narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN_narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::Core</name>
    <message>
        <source>Read Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handshake Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Comp Port Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to Comp Port Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adaptor is not detected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio is not detected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication time out!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandShake Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheckSum Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio and PC software are not matched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system cannot find the COM Port specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port Access is denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from File Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to File Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown File Format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Read Only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown File Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function Parameter Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clone adaptor is connected but this user may not open it. Install the udev rule 70-qx720-clone.rules, then unplug and replug the adaptor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio holds %1. Write over it and clear it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio holds %1. Write %2 over it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::DialogFrame</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::EpromToolsDialog</name>
    <message>
        <source>Eprom Tools Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM files (*.Bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File Error:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read OK!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify OK!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::FeatureSetupDialog</name>
    <message>
        <source>Feature Setup Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brand Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enale WX Alert Check.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::IdentityHint</name>
    <message>
        <source>an ATIS ID cannot start with 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a coast station&apos;s MMSI starts with 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a group&apos;s MMSI starts with 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio refuses this number: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::MainWindow</name>
    <message>
        <source>The radio may now hold part of the new settings. Write again, or write back a saved copy: a clone file through File&#xa0;/&#xa0;Open, or an EEPROM dump through Service&#xa0;/&#xa0;Eprom&#xa0;Tools.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written to the radio: it was being backed up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written to the radio: the identities it holds were being read first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To write without a backup, turn off File&#xa0;/&#xa0;Back up the radio before writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups folder: neither XDG_DATA_HOME nor HOME is set, so no backup can be made and nothing was written to the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandShaking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again. Make a complete backup of the radio with Service / Eprom Tools... (Read).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Create file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup of the radio could be made, so nothing was written to it.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: identity kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandShake OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HandShake Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop &amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop &amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop &amp;Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;HandShake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop &amp;HandShake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save RomMap;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Freq Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;CheckSum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Cha&amp;nnels (CSV)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Feature Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Config...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eprom Tools...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI entry by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS entry by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the 9 digital MMSI number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the last 9 numbers of the 10 digit ATIS ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The initial &quot;9&quot; is entered automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Europe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Port Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA_narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT_narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN_narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX PLL STEP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX PLL STEP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX PLL step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX PLL step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines %1 and %2 both have the name &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio takes channels of the same name, but you may have meant two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INT_Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA_Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAN_Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Private Channel Can be Modified!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UI Read Only!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Channel First!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit private channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Number Limit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add private channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO Channel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Channel!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove private channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the radio before &amp;writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A USA-model record has no private channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Freq Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is saved as:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program opened it; open the file with any text editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheckSum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 private channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more (see the details).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: %1 has problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 private channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language (after a restart)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::ModelWizardDialog</name>
    <message>
        <source>Model Wizard Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EUR (INT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EUR (INT,USA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>European Private Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private channels of the set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter is not ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>qx::UserDialog</name>
    <message>
        <source>The PC clone tool adds private channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio firmware is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only private channels are cloned, 100 at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The UIC data is fixed in the flash memory of the radio&apos;s controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private channels can be added, removed and defined by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel record is redefined as 10 bytes; the name is stored as an index.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM addresses are redefined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The INT, USA, CAN, narrow and WX channel tables are taken from the radio firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel list follows the band selection; its display is adjusted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive intermediate frequency 38.85 MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequencies are shown in 3.4 format, which also suits narrow channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel combo box follows the selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The low part of the divider is in the low byte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The private channel name uses one byte, high bit 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Exit button becomes Read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start-up no longer asks for private channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS and MMSI positions updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit button added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Freq Range 136 to 174MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Addr=0x100 to 0x6FF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA and EUR flags added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Read error is fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate frequency filter changed to 19.65.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A write control is added that lets the radio enter adjust (test) mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering adjust mode is not allowed by default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust Mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create logo file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create ROM map file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UI Read Only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
