<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BuiltinExcel</name>
    <message>
        <source>Unknown name.</source>
        <translation>Unbekannter Name.</translation>
    </message>
    <message>
        <source>Invalid number of parameters.</source>
        <translation>Ungültige Anzahl von Parametern.</translation>
    </message>
    <message>
        <source>Type mismatch.</source>
        <translation>Typen unverträglich.</translation>
    </message>
    <message>
        <source>Invalid index.</source>
        <translation>Ungültiger Index.</translation>
    </message>
    <message>
        <source>The workbook has been closed.</source>
        <translation>Die Arbeitsmappe wurde geschlossen.</translation>
    </message>
    <message>
        <source>You typed an invalid name for a sheet or chart.</source>
        <translation>Sie haben einen ungültigen Namen für ein Blatt oder Diagramm eingegeben.</translation>
    </message>
    <message>
        <source>That name is already taken. Try a different one.</source>
        <translation>Dieser Name wird bereits verwendet. Versuchen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Unable to set the HorizontalAlignment property of the Range class</source>
        <translation>Die HorizontalAlignment-Eigenschaft des Range-Objekts kann nicht festgelegt werden</translation>
    </message>
    <message>
        <source>Workbook templates are not supported.</source>
        <translation>Arbeitsmappenvorlagen werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>Cannot save the workbook as &apos;%1&apos;</source>
        <translation>Die Arbeitsmappe kann nicht als &apos;%1&apos; gespeichert werden</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Data: 06/03/2015</source>
        <translation>Datum: 06/03/2015</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAudioParamDlg</name>
    <message>
        <source>Audio Parameters</source>
        <translation>Audioparameter</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Audio Language</source>
        <translation>Audiosprache</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standardspur</translation>
    </message>
</context>
<context>
    <name>CChannelPane</name>
    <message>
        <source>Filter by name</source>
        <translation>Nach Name filtern</translation>
    </message>
    <message>
        <source>FTA only</source>
        <translation>Nur FTA</translation>
    </message>
    <message>
        <source>CAS only</source>
        <translation>Nur CAS</translation>
    </message>
    <message>
        <source>Locked only</source>
        <translation>Nur gesperrte</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 von %2 Kanälen</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1 ausgewählt</translation>
    </message>
</context>
<context>
    <name>CChannelParamDlg</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT-PID</translation>
    </message>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Isdbt</source>
        <translation>Isdbt</translation>
    </message>
    <message>
        <source>Channel Parameters</source>
        <translation>Kanalparameter</translation>
    </message>
    <message>
        <source>Do not find the transponder</source>
        <translation>Der Transponder wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Do not select right sat or type</source>
        <translation>Kein gültiger Satellit oder Typ ausgewählt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Audio Languages are full</source>
        <translation>Es sind keine weiteren Audiosprachen möglich</translation>
    </message>
    <message>
        <source>Please select item first</source>
        <translation>Bitte zuerst einen Eintrag auswählen</translation>
    </message>
    <message>
        <source> Default</source>
        <translation> (Standardspur)</translation>
    </message>
</context>
<context>
    <name>CCheckDatabaseDlg</name>
    <message>
        <source>Check Database</source>
        <translation>Datenbank prüfen</translation>
    </message>
    <message>
        <source>Clean Database</source>
        <translation>Datenbank bereinigen</translation>
    </message>
    <message>
        <source>Tick what to fix. Double-click a record to show it in the main window.</source>
        <translation>Ankreuzen, was behoben werden soll. Ein Doppelklick auf einen Eintrag zeigt ihn im Hauptfenster.</translation>
    </message>
    <message>
        <source>The check found nothing.</source>
        <translation>Die Prüfung hat nichts gefunden.</translation>
    </message>
    <message>
        <source>listed only</source>
        <translation>nur aufgeführt</translation>
    </message>
    <message>
        <source>Fix Selected</source>
        <translation>Auswahl beheben</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Einzelheit</translation>
    </message>
</context>
<context>
    <name>CEditZarnDoc</name>
    <message>
        <source>Can&apos;t not open the file!</source>
        <translation>Die Datei kann nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>This file is not a correct file,please select another!</source>
        <translation>Diese Datei ist keine gültige Datei, bitte eine andere auswählen!</translation>
    </message>
    <message>
        <source>Can not save file!</source>
        <translation>Die Datei kann nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>Can&apos;t not save the file
</source>
        <translation>Die Datei kann nicht gespeichert werden
</translation>
    </message>
    <message>
        <source>Do you want to save changed data ?</source>
        <translation>Sollen die geänderten Daten gespeichert werden?</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Bin Files (*.bin)|*.bin|All Files (*.*)|*.*||</source>
        <translation>SDX-Dateien (*.sdx)|*.sdx|BIN-Dateien (*.bin)|*.bin|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||</source>
        <translation>SDX-Dateien (*.sdx)|*.sdx|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>The file was changed by another program since it was opened. Overwrite it?</source>
        <translation>Die Datei wurde seit dem Öffnen von einem anderen Programm geändert. Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>The file dialog could not read the name %1 in the system&apos;s file-name encoding.</source>
        <translation>Der Dateidialog konnte den Namen %1 nicht in der Dateinamen-Kodierung des Systems lesen.</translation>
    </message>
    <message>
        <source>SDX Files (*.sdx)|*.sdx|Excel Files (*.xlsx *.xls)|*.xlsx;*.xls|All Files (*.*)|*.*||</source>
        <translation>SDX-Dateien (*.sdx)|*.sdx|Excel-Dateien (*.xlsx *.xls)|*.xlsx;*.xls|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <source>%1
Save the changes under another name?</source>
        <translation>%1
Die Änderungen unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>Bytes that no table holds will not be kept: %1.</source>
        <translation>Bytes, die keine Tabelle enthält, werden nicht behalten: %1.</translation>
    </message>
    <message>
        <source>Not everything the file holds is written back. Save it?</source>
        <translation>Nicht alles, was die Datei enthält, wird zurückgeschrieben. Speichern?</translation>
    </message>
    <message>
        <source>%1 bytes that no table holds are not written; the file as it is now stays as %2.bak.</source>
        <translation>%1 Bytes, die keine Tabelle enthält, werden nicht geschrieben; die Datei bleibt in ihrem jetzigen Stand als %2.bak erhalten.</translation>
    </message>
    <message>
        <source>Saved %1 — %2 TV and %3 radio channels</source>
        <translation>%1 gespeichert — %2 TV- und %3 Radiokanäle</translation>
    </message>
</context>
<context>
    <name>CEditZarnView</name>
    <message>
        <source>Channels are full,can&apos;t append</source>
        <translation>Es sind keine weiteren Kanäle möglich, der Kanal kann nicht angefügt werden</translation>
    </message>
    <message>
        <source>Infomation</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Favor are full,can not store more favor</source>
        <translation>Die Favoriten sind voll, es können keine weiteren gespeichert werden</translation>
    </message>
    <message>
        <source>Are you sure to delete channel ?</source>
        <translation>Soll der Kanal wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Remove from This Group	Ctrl+Shift+Delete</source>
        <translation>Aus dieser Gruppe entfernen	Strg+Umschalt+Entf</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanal löschen</translation>
    </message>
    <message>
        <source>Delete %1 Channels</source>
        <translation>%1 Kanäle löschen</translation>
    </message>
    <message>
        <source>Swap Channels</source>
        <translation>Kanäle tauschen</translation>
    </message>
    <message>
        <source>Move Channels</source>
        <translation>Kanäle verschieben</translation>
    </message>
    <message>
        <source>Sort A to Z</source>
        <translation>Von A bis Z sortieren</translation>
    </message>
    <message>
        <source>Sort Z to A</source>
        <translation>Von Z bis A sortieren</translation>
    </message>
    <message>
        <source>Sort by Transponder</source>
        <translation>Nach Transponder sortieren</translation>
    </message>
    <message>
        <source>Sort by Satellite</source>
        <translation>Nach Satellit sortieren</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Zu %1 hinzufügen</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Aus %1 entfernen</translation>
    </message>
    <message>
        <source>Remove from Group</source>
        <translation>Aus der Gruppe entfernen</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>1 channel leaves the database and every list.</source>
        <translation>1 Kanal verlässt die Datenbank und jede Liste.</translation>
    </message>
    <message>
        <source>%1 channels leave the database and every list.</source>
        <translation>%1 Kanäle verlassen die Datenbank und jede Liste.</translation>
    </message>
    <message>
        <source>%1 of %2 channels added; %3 holds %4</source>
        <translation>%1 von %2 Kanälen hinzugefügt; %3 enthält %4</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Nach %1 sortieren</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Kanal umbenennen</translation>
    </message>
    <message>
        <source>Lock Channels</source>
        <translation>Kanäle sperren</translation>
    </message>
    <message>
        <source>Unlock Channels</source>
        <translation>Kanäle entsperren</translation>
    </message>
</context>
<context>
    <name>CFavRenameDlg</name>
    <message>
        <source>FAV Group Name</source>
        <translation>Name der FAV-Gruppe</translation>
    </message>
    <message>
        <source>Rename FAV group name</source>
        <translation>FAV-Gruppe umbenennen</translation>
    </message>
</context>
<context>
    <name>CLeftView</name>
    <message>
        <source>Add Antenna</source>
        <translation>Antenne hinzufügen</translation>
    </message>
    <message>
        <source>Edit Antenna</source>
        <translation>Antenne bearbeiten</translation>
    </message>
    <message>
        <source>Move Antenna</source>
        <translation>Antenne verschieben</translation>
    </message>
    <message>
        <source>Swap Antenna</source>
        <translation>Antenne tauschen</translation>
    </message>
    <message>
        <source>Delete Antenna</source>
        <translation>Antenne löschen</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Modify Transponders</source>
        <translation>Transponder ändern</translation>
    </message>
    <message>
        <source>Rename FAV Group Name</source>
        <translation>FAV-Gruppe umbenennen</translation>
    </message>
    <message>
        <source>Out ot range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Are you sure to delete (%1) satellite?</source>
        <translation>Soll der Satellit (%1) wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Are you sure to delete this transponder ?</source>
        <translation>Soll dieser Transponder wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Add Satellite</source>
        <translation>Satellit hinzufügen</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Move Satellite</source>
        <translation>Satellit verschieben</translation>
    </message>
    <message>
        <source>Swap Satellites</source>
        <translation>Satelliten tauschen</translation>
    </message>
    <message>
        <source>Delete Satellite</source>
        <translation>Satellit löschen</translation>
    </message>
    <message>
        <source>Rename Favourite Group</source>
        <translation>Favoritengruppe umbenennen</translation>
    </message>
    <message>
        <source>Import Satellites</source>
        <translation>Satelliten importieren</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druckeinr&amp;ichtung...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Add Channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Delete Channel</source>
        <translation>Kanal löschen</translation>
    </message>
    <message>
        <source>Move Channel</source>
        <translation>Kanal verschieben</translation>
    </message>
    <message>
        <source>A---&gt;Z</source>
        <translation>A---&gt;Z</translation>
    </message>
    <message>
        <source>Z---&gt;A</source>
        <translation>Z---&gt;A</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>&amp;TV Channel</source>
        <translation>&amp;TV-Kanäle</translation>
    </message>
    <message>
        <source>&amp;Radio Channel</source>
        <translation>&amp;Radiokanäle</translation>
    </message>
    <message>
        <source>&amp;About EditZarn...</source>
        <translation>&amp;Info über EditZarn...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Sort Channel</source>
        <translation>Kanäle sortieren</translation>
    </message>
    <message>
        <source>Apply Reference List…</source>
        <translation>Referenzliste anwenden…</translation>
    </message>
    <message>
        <source>Export Reference List…</source>
        <translation>Referenzliste exportieren…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Check Database…</source>
        <translation>Datenbank prüfen…</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>The PDF file was not written.</source>
        <translation>Die PDF-Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Import Transponder List…</source>
        <translation>Transponderliste importieren…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
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
    <name>CModifiedTpDlg</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modified TP</source>
        <translation>Transponder ändern</translation>
    </message>
    <message>
        <source>%1--Transponder List</source>
        <translation>%1--Transponderliste</translation>
    </message>
</context>
<context>
    <name>CMoveDlg</name>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
</context>
<context>
    <name>CReferenceDlg</name>
    <message>
        <source>Apply Reference List</source>
        <translation>Referenzliste anwenden</translation>
    </message>
    <message>
        <source>Reference list: %1</source>
        <translation>Referenzliste: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>The matched channels come first in the reference list&apos;s order, the others after them.</source>
        <translation>Die zugeordneten Kanäle kommen zuerst, in der Reihenfolge der Referenzliste, die übrigen danach.</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Locks</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>&amp;Details…</source>
        <translation>&amp;Details…</translation>
    </message>
</context>
<context>
    <name>CSatelliteDlg</name>
    <message>
        <source>Satellite Name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>22KHz</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>TunerSelect</source>
        <translation>Tunerauswahl</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>Satellite Angle</source>
        <translation>Satellitenposition</translation>
    </message>
    <message>
        <source>Satellite direction</source>
        <translation>Satellitenrichtung</translation>
    </message>
    <message>
        <source>Satellite Parameters</source>
        <translation>Satellitenparameter</translation>
    </message>
</context>
<context>
    <name>CTransponderDlg</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>QAM</source>
        <translation>QAM</translation>
    </message>
    <message>
        <source>BandWidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Transponder Parameters</source>
        <translation>Transponderparameter</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Transponder are full</source>
        <translation>Es sind keine weiteren Transponder möglich</translation>
    </message>
    <message>
        <source>Tp is already exist</source>
        <translation>Der Transponder ist bereits vorhanden</translation>
    </message>
</context>
<context>
    <name>CTransponderListDlg</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>In database</source>
        <translation>In der Datenbank</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Nach Name oder Position filtern</translation>
    </message>
    <message>
        <source>Remove transponders that are not in the list and carry no channel</source>
        <translation>Transponder entfernen, die nicht in der Liste stehen und keinen Kanal tragen</translation>
    </message>
</context>
<context>
    <name>ChannelCells</name>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>FTA/CAS</source>
        <translation>FTA/CAS</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>Video-PID</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>Audio-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>TXT PID</source>
        <translation>TXT-PID</translation>
    </message>
    <message>
        <source>Program Type</source>
        <translation>Programmtyp</translation>
    </message>
    <message>
        <source>My Fav</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>ISDB</source>
        <translation>ISDB</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
</context>
<context>
    <name>CommandIds</name>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Den Drucker und die Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Info</translation>
    </message>
    <message>
        <source>Detelte a channel
Del CH</source>
        <translation>Einen Kanal löschen
Löschen</translation>
    </message>
    <message>
        <source>Sort Channels from A to Z
AZ</source>
        <translation>Kanäle von A bis Z sortieren
AZ</translation>
    </message>
    <message>
        <source>Sort Channels from Z to AZ
ZA</source>
        <translation>Kanäle von Z bis A sortieren
ZA</translation>
    </message>
    <message>
        <source>Swap channel
Swap</source>
        <translation>Kanäle tauschen
Tauschen</translation>
    </message>
    <message>
        <source>Sort Channels by Transponer
Transponder Sort</source>
        <translation>Kanäle nach Transponder sortieren
Nach Transponder</translation>
    </message>
    <message>
        <source>Sort Channels by Satellite
Satellite Sort</source>
        <translation>Kanäle nach Satellit sortieren
Nach Satellit</translation>
    </message>
    <message>
        <source>Show the TV channels
TV</source>
        <translation>Die TV-Kanäle anzeigen
TV</translation>
    </message>
    <message>
        <source>Show the Radio channels
Radio</source>
        <translation>Die Radiokanäle anzeigen
Radio</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Apply the channel order, locks and favourites of a reference list</source>
        <translation>Die Kanalreihenfolge, Sperren und Favoriten einer Referenzliste übernehmen</translation>
    </message>
    <message>
        <source>Write the channel order, locks and favourites as a reference list</source>
        <translation>Die Kanalreihenfolge, Sperren und Favoriten als Referenzliste schreiben</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Die letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Die zuletzt rückgängig gemachte Aktion wiederholen
Wiederholen</translation>
    </message>
    <message>
        <source>Find duplicates, orphans and stale entries in the database and fix them</source>
        <translation>Doppelte, verwaiste und veraltete Einträge in der Datenbank finden und beheben</translation>
    </message>
    <message>
        <source>Add and update satellites and transponders from a satellites.xml, cables.xml or terrestrial.xml list</source>
        <translation>Satelliten und Transponder aus einer Liste satellites.xml, cables.xml oder terrestrial.xml hinzufügen und aktualisieren</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Add a new Channel
Add CH</source>
        <translation>Einen neuen Kanal hinzufügen
Hinzufügen</translation>
    </message>
    <message>
        <source>Edit a channel
Edit CH</source>
        <translation>Einen Kanal bearbeiten
Bearbeiten</translation>
    </message>
    <message>
        <source>Move channel
Move</source>
        <translation>Kanal verschieben
Verschieben</translation>
    </message>
    <message>
        <source>Lock the selected channels (Space locks or unlocks)</source>
        <translation>Die ausgewählten Kanäle sperren (die Leertaste sperrt oder entsperrt)</translation>
    </message>
    <message>
        <source>Unlock the selected channels (Space locks or unlocks)</source>
        <translation>Die ausgewählten Kanäle entsperren (die Leertaste sperrt oder entsperrt)</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Bitte eine Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte nicht mehr als %1 Zeichen eingeben.</translation>
    </message>
    <message>
        <source>The receiver cannot store these characters: %1
Please use other characters.</source>
        <translation>Der Receiver kann diese Zeichen nicht speichern: %1
Bitte andere Zeichen verwenden.</translation>
    </message>
    <message>
        <source>Field: %1</source>
        <translation>Feld: %1</translation>
    </message>
</context>
<context>
    <name>DatabaseCheck</name>
    <message>
        <source>Duplicate channels</source>
        <translation>Doppelte Kanäle</translation>
    </message>
    <message>
        <source>%1 duplicates</source>
        <translation>%1 Duplikate</translation>
    </message>
    <message>
        <source>%1 duplicate</source>
        <translation>%1 Duplikat</translation>
    </message>
    <message>
        <source>Channels without a transponder</source>
        <translation>Kanäle ohne Transponder</translation>
    </message>
    <message>
        <source>%1 channels without a transponder</source>
        <translation>%1 Kanäle ohne Transponder</translation>
    </message>
    <message>
        <source>%1 channel without a transponder</source>
        <translation>%1 Kanal ohne Transponder</translation>
    </message>
    <message>
        <source>Stale favourite entries</source>
        <translation>Veraltete Favoriteneinträge</translation>
    </message>
    <message>
        <source>%1 stale favourite entries</source>
        <translation>%1 veraltete Favoriteneinträge</translation>
    </message>
    <message>
        <source>%1 stale favourite entry</source>
        <translation>%1 veralteter Favoriteneintrag</translation>
    </message>
    <message>
        <source>Transponders of no satellite</source>
        <translation>Transponder ohne Satellit</translation>
    </message>
    <message>
        <source>%1 transponders of no satellite</source>
        <translation>%1 Transponder ohne Satellit</translation>
    </message>
    <message>
        <source>%1 transponder of no satellite</source>
        <translation>%1 Transponder ohne Satellit</translation>
    </message>
    <message>
        <source>Duplicate transponders</source>
        <translation>Doppelte Transponder</translation>
    </message>
    <message>
        <source>%1 duplicate transponders</source>
        <translation>%1 doppelte Transponder</translation>
    </message>
    <message>
        <source>%1 duplicate transponder</source>
        <translation>%1 doppelter Transponder</translation>
    </message>
    <message>
        <source>Empty transponders</source>
        <translation>Leere Transponder</translation>
    </message>
    <message>
        <source>%1 empty transponders</source>
        <translation>%1 leere Transponder</translation>
    </message>
    <message>
        <source>%1 empty transponder</source>
        <translation>%1 leerer Transponder</translation>
    </message>
    <message>
        <source>Chosen transponder out of range</source>
        <translation>Gewählter Transponder außerhalb der Liste</translation>
    </message>
    <message>
        <source>%1 chosen transponders out of range</source>
        <translation>%1 gewählte Transponder außerhalb der Liste</translation>
    </message>
    <message>
        <source>%1 chosen transponder out of range</source>
        <translation>%1 gewählter Transponder außerhalb der Liste</translation>
    </message>
    <message>
        <source>Names the receiver may show wrongly</source>
        <translation>Namen, die der Receiver falsch anzeigen kann</translation>
    </message>
    <message>
        <source>%1 names the receiver may show wrongly</source>
        <translation>%1 Namen, die der Receiver falsch anzeigen kann</translation>
    </message>
    <message>
        <source>%1 name the receiver may show wrongly</source>
        <translation>%1 Name, den der Receiver falsch anzeigen kann</translation>
    </message>
    <message>
        <source>Damaged favourite counts</source>
        <translation>Beschädigte Favoritenzähler</translation>
    </message>
    <message>
        <source>%1 damaged favourite counts</source>
        <translation>%1 beschädigte Favoritenzähler</translation>
    </message>
    <message>
        <source>%1 damaged favourite count</source>
        <translation>%1 beschädigter Favoritenzähler</translation>
    </message>
    <message>
        <source>Check: %1 — Tools ▸ Check Database</source>
        <translation>Prüfung: %1 — Extras ▸ Datenbank prüfen</translation>
    </message>
</context>
<context>
    <name>DatabaseCheckRows</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>keeps %1</source>
        <translation>behält %1</translation>
    </message>
    <message>
        <source>transponder id %1 is missing</source>
        <translation>Transponder-ID %1 fehlt</translation>
    </message>
    <message>
        <source>no channel with key %1</source>
        <translation>kein Kanal mit Schlüssel %1</translation>
    </message>
    <message>
        <source>repeated key %1</source>
        <translation>wiederholter Schlüssel %1</translation>
    </message>
    <message>
        <source>used by %1 channels</source>
        <translation>von %1 Kanälen benutzt</translation>
    </message>
    <message>
        <source>unused</source>
        <translation>unbenutzt</translation>
    </message>
    <message>
        <source>transponder %1 chosen of %2</source>
        <translation>Transponder %1 von %2 gewählt</translation>
    </message>
    <message>
        <source>empty name</source>
        <translation>leerer Name</translation>
    </message>
    <message>
        <source>control bytes</source>
        <translation>Steuerzeichen</translation>
    </message>
    <message>
        <source>count %1</source>
        <translation>Zähler %1</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
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
    <name>DroppedFiles</name>
    <message>
        <source>%1 files were dropped.</source>
        <translation>Es wurden %1 Dateien abgelegt.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 ist keine Datei auf diesem Computer.</translation>
    </message>
    <message>
        <source>%1 is not an .sdx file.</source>
        <translation>%1 ist keine .sdx-Datei.</translation>
    </message>
    <message>
        <source>Drop a single .sdx channel database here to open it.</source>
        <translation>Zum Öffnen hier eine einzelne .sdx-Kanaldatenbank ablegen.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>No new file can be written in %1: %2.</source>
        <translation>In %1 kann keine neue Datei geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The new file written in %1 did not read back as written.</source>
        <translation>Die in %1 geschriebene neue Datei ließ sich nicht so zurücklesen, wie sie geschrieben wurde.</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written: %2.</source>
        <translation>Die Sicherungskopie %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be replaced: %2.</source>
        <translation>%1 kann nicht ersetzt werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Saved without a backup: the name %1 is too long for its folder.</source>
        <translation>Ohne Sicherungskopie gespeichert: Der Name %1 ist für seinen Ordner zu lang.</translation>
    </message>
    <message>
        <source>The channel tables do not fit in the file&apos;s 1 MiB image.</source>
        <translation>Die Kanaltabellen passen nicht in das 1-MiB-Abbild der Datei.</translation>
    </message>
    <message>
        <source>The channel tables could not be compressed.</source>
        <translation>Die Kanaltabellen konnten nicht komprimiert werden.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 ist größer als %2 MiB.</translation>
    </message>
    <message>
        <source>%1 is a channel database; a file of another kind does not replace it.</source>
        <translation>%1 ist eine Senderdatenbank; eine Datei anderer Art ersetzt sie nicht.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the backup cannot be kept.</source>
        <translation>%1 ist keine normale Datei, daher kann die Sicherung nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The previous version is in %1, the new one in %2.</source>
        <translation>Die vorige Fassung liegt in %1, die neue in %2.</translation>
    </message>
    <message>
        <source>%1 was kept as it was: %2 did not load as a database.</source>
        <translation>%1 wurde unverändert behalten: %2 ließ sich nicht als Datenbank laden.</translation>
    </message>
    <message>
        <source>An interrupted save left %1, which holds a database while %2 does not; it was kept.</source>
        <translation>Ein abgebrochenes Speichern hinterließ %1, das eine Datenbank enthält, während %2 keine enthält; die Datei wurde behalten.</translation>
    </message>
</context>
<context>
    <name>IPrompts</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>ListPrintLayout</name>
    <message>
        <source>    Q.N.</source>
        <translation>    Q.N.</translation>
    </message>
    <message>
        <source>PAGE %1</source>
        <translation>SEITE %1</translation>
    </message>
</context>
<context>
    <name>ListingImport</name>
    <message>
        <source>Load Satellite from html file of satellite listing site...</source>
        <translation>Satellit aus HTML-Datei der Satellitenlisten-Website laden...</translation>
    </message>
    <message>
        <source>Select saved html file from satellite listing site </source>
        <translation>Gespeicherte HTML-Datei der Satellitenlisten-Website auswählen </translation>
    </message>
    <message>
        <source>HTM Files (*.htm)|*.htm|All Files (*.*)|*.*||</source>
        <translation>HTM-Dateien (*.htm)|*.htm|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Satellites are full,can&apos;t append the satellite</source>
        <translation>Es sind keine weiteren Satelliten möglich, der Satellit kann nicht angefügt werden</translation>
    </message>
    <message>
        <source>Can&apos;t open file !</source>
        <translation>Die Datei kann nicht geöffnet werden!</translation>
    </message>
</context>
<context>
    <name>OptionNames</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
</context>
<context>
    <name>PanePrinter</name>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>Die Seiten konnten nicht gezeichnet werden.</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Show facing pages</source>
        <translation>Gegenüberliegende Seiten anzeigen</translation>
    </message>
</context>
<context>
    <name>ReferenceCsv</name>
    <message>
        <source>the file is larger than 64 MiB</source>
        <translation>die Datei ist größer als 64 MiB</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Felds</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the list is not TV or Radio</source>
        <translation>die Liste ist nicht TV oder Radio</translation>
    </message>
    <message>
        <source>the delivery is not S, C, T or I</source>
        <translation>der Empfangsweg ist nicht S, C, T oder I</translation>
    </message>
    <message>
        <source>the position is not like 19.2E or 0.8W</source>
        <translation>die Position hat nicht die Form 19.2E oder 0.8W</translation>
    </message>
    <message>
        <source>the frequency is not a whole number in range</source>
        <translation>die Frequenz ist keine ganze Zahl im gültigen Bereich</translation>
    </message>
    <message>
        <source>the service id is not a number from 0 to 65535</source>
        <translation>die Service-ID ist keine Zahl von 0 bis 65535</translation>
    </message>
    <message>
        <source>the name is not UTF-8 text of Latin-1 characters</source>
        <translation>der Name ist kein UTF-8-Text aus Latin-1-Zeichen</translation>
    </message>
    <message>
        <source>the lock is not 0 or 1</source>
        <translation>die Sperre ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>more than 8000 channels in one list</source>
        <translation>mehr als 8000 Kanäle in einer Liste</translation>
    </message>
    <message>
        <source>the favourites are not groups 1 to 8, each once, with places from 1 to 200</source>
        <translation>die Favoriten sind nicht die Gruppen 1 bis 8, jede einmal, mit Plätzen von 1 bis 200</translation>
    </message>
    <message>
        <source>the first line is not the header list,delivery,transponder,position,frequency,polarisation,service_id,name,lock,favourites</source>
        <translation>die erste Zeile ist nicht die Kopfzeile list,delivery,transponder,position,frequency,polarisation,service_id,name,lock,favourites</translation>
    </message>
    <message>
        <source>the line does not have as many fields as the header</source>
        <translation>die Zeile hat nicht so viele Felder wie die Kopfzeile</translation>
    </message>
    <message>
        <source>the transponder is not S, C, T, I or empty</source>
        <translation>der Transponder ist nicht S, C, T, I oder leer</translation>
    </message>
    <message>
        <source>the polarisation is not H, V, 2 or 3</source>
        <translation>die Polarisation ist nicht H, V, 2 oder 3</translation>
    </message>
    <message>
        <source>a satellite transponder needs a position, a frequency and a polarisation</source>
        <translation>ein Satellitentransponder braucht eine Position, eine Frequenz und eine Polarisation</translation>
    </message>
    <message>
        <source>a position or a polarisation needs a satellite transponder</source>
        <translation>eine Position oder Polarisation braucht einen Satellitentransponder</translation>
    </message>
    <message>
        <source>a position, a frequency or a polarisation needs a transponder</source>
        <translation>eine Position, Frequenz oder Polarisation braucht einen Transponder</translation>
    </message>
    <message>
        <source>the name is longer than 28 bytes</source>
        <translation>der Name ist länger als 28 Bytes</translation>
    </message>
    <message>
        <source>UTF-16 text: save it as UTF-8</source>
        <translation>UTF-16-Text: bitte als UTF-8 speichern</translation>
    </message>
</context>
<context>
    <name>ReferenceFile</name>
    <message>
        <source>Reference Lists (*.sdx *.csv)|*.sdx;*.csv|SDX Files (*.sdx)|*.sdx|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Referenzlisten (*.sdx *.csv)|*.sdx;*.csv|SDX-Dateien (*.sdx)|*.sdx|CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>ReferenceList</name>
    <message>
        <source>%1 by identity, %2 by name, %3 unmatched (placed last), %4 reference channels not found, %5 favourite entries left out</source>
        <translation>%1 nach Kennung, %2 nach Name, %3 ohne Partner (ans Ende gestellt), %4 Referenzkanäle nicht gefunden, %5 Favoriteneinträge ausgelassen</translation>
    </message>
    <message>
        <source>Matched by name (reference channel → channel here):</source>
        <translation>Nach Name zugeordnet (Referenzkanal → Kanal hier):</translation>
    </message>
    <message>
        <source>Reference channels not found:</source>
        <translation>Referenzkanäle nicht gefunden:</translation>
    </message>
    <message>
        <source>Unmatched channels (placed last):</source>
        <translation>Kanäle ohne Partner (ans Ende gestellt):</translation>
    </message>
</context>
<context>
    <name>ReferenceListCommands</name>
    <message>
        <source>Export Reference List</source>
        <translation>Referenzliste exportieren</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>Can&apos;t init Com!</source>
        <translation>COM kann nicht initialisiert werden!</translation>
    </message>
    <message>
        <source>Can not start excel service!</source>
        <translation>Der Excel-Dienst kann nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>Der Befehl ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Exported %1 TV and %2 radio channels to %3</source>
        <translation>%1 TV- und %2 Radiokanäle nach %3 exportiert</translation>
    </message>
</context>
<context>
    <name>TransponderList</name>
    <message>
        <source>the file is larger than 64 MiB</source>
        <translation>die Datei ist größer als 64 MiB</translation>
    </message>
    <message>
        <source>the file is not correct XML: %1</source>
        <translation>die Datei ist kein korrektes XML: %1</translation>
    </message>
    <message>
        <source>the root element &lt;%1&gt; is not &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>das Wurzelelement &lt;%1&gt; ist nicht &lt;satellites&gt;, &lt;cables&gt; oder &lt;locations&gt;</translation>
    </message>
    <message>
        <source>the document type declares entities, which are not read</source>
        <translation>die Dokumenttyp-Deklaration deklariert Entitäten, die nicht gelesen werden</translation>
    </message>
    <message>
        <source>the document type refers to a definition outside the file, which is not read</source>
        <translation>die Dokumenttyp-Deklaration verweist auf eine Definition außerhalb der Datei, die nicht gelesen wird</translation>
    </message>
    <message>
        <source>the entity &amp;%1; is not known</source>
        <translation>die Entität &amp;%1; ist unbekannt</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>das Attribut %1 fehlt</translation>
    </message>
    <message>
        <source>the attribute %1 is not a whole number</source>
        <translation>das Attribut %1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 unchanged, %4 kept, %5 removed, %6 skipped (%7 out of range, %8 not storable, %9 duplicates)</source>
        <translation>%1 hinzugefügt, %2 aktualisiert, %3 unverändert, %4 behalten, %5 entfernt, %6 übersprungen (%7 außerhalb des Bereichs, %8 nicht speicherbar, %9 doppelt)</translation>
    </message>
    <message>
        <source>refused: the position is beyond 180 degrees</source>
        <translation>abgelehnt: die Position liegt jenseits von 180 Grad</translation>
    </message>
    <message>
        <source>Does not fit: %1 satellites and %2 transponders too many; nothing is applied.</source>
        <translation>Passt nicht: %1 Satelliten und %2 Transponder zu viel; nichts wird übernommen.</translation>
    </message>
</context>
<context>
    <name>TransponderListCommand</name>
    <message>
        <source>Add Satellites from satellites.xml…</source>
        <translation>Satelliten aus satellites.xml hinzufügen…</translation>
    </message>
    <message>
        <source>Update Transponders from satellites.xml…</source>
        <translation>Transponder aus satellites.xml aktualisieren…</translation>
    </message>
    <message>
        <source>Add Transponders from cables.xml…</source>
        <translation>Transponder aus cables.xml hinzufügen…</translation>
    </message>
    <message>
        <source>Add Transponders from terrestrial.xml…</source>
        <translation>Transponder aus terrestrial.xml hinzufügen…</translation>
    </message>
    <message>
        <source>Import Transponder List</source>
        <translation>Transponderliste importieren</translation>
    </message>
    <message>
        <source>Transponder Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Transponderlisten (*.xml)|*.xml|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>This file is not a correct transponder list.</source>
        <translation>Diese Datei ist keine korrekte Transponderliste.</translation>
    </message>
    <message>
        <source>This file is not a %1 list.</source>
        <translation>Diese Datei ist keine Liste %1.</translation>
    </message>
    <message>
        <source>It is a %1 list.</source>
        <translation>Sie ist eine Liste %1.</translation>
    </message>
    <message>
        <source>A %1 list cannot be used on this database.</source>
        <translation>Eine Liste %1 kann auf diese Datenbank nicht angewendet werden.</translation>
    </message>
    <message>
        <source>It holds no cable channels, so the tree shows no Cable branch.</source>
        <translation>Sie enthält keine Kabelkanäle, daher zeigt der Baum keinen Zweig „Kabel“.</translation>
    </message>
    <message>
        <source>It holds no terrestrial channels, so the tree shows no Terrestrial branch.</source>
        <translation>Sie enthält keine terrestrischen Kanäle, daher zeigt der Baum keinen Zweig „Terrestrisch“.</translation>
    </message>
</context>
<context>
    <name>TransponderListRules</name>
    <message>
        <source>slot %1</source>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>new slot %1</source>
        <translation>neuer Platz %1</translation>
    </message>
    <message>
        <source>%1 [%2]: %3</source>
        <translation>%1 [%2]: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>In total: %1 new satellites, %2</source>
        <translation>Insgesamt: %1 neue Satelliten, %2</translation>
    </message>
    <message>
        <source>No entry is checked.</source>
        <translation>Kein Eintrag ist angekreuzt.</translation>
    </message>
    <message>
        <source>Transponder list: %1 satellites and %2 transponders added, %3 updated, %4 removed</source>
        <translation>Transponderliste: %1 Satelliten und %2 Transponder hinzugefügt, %3 aktualisiert, %4 entfernt</translation>
    </message>
    <message>
        <source>Transponder list: nothing added or updated</source>
        <translation>Transponderliste: nichts hinzugefügt oder aktualisiert</translation>
    </message>
</context>
<context>
    <name>TreeLabels</name>
    <message>
        <source>All Services</source>
        <translation>Alle Programme</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Kanalliste</translation>
    </message>
    <message>
        <source>FAV List</source>
        <translation>FAV-Liste</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>ISDB</source>
        <translation>ISDB</translation>
    </message>
</context>
<context>
    <name>TreePrintLayout</name>
    <message>
        <source>    QRX</source>
        <translation>    QRX</translation>
    </message>
</context>
</TS>
