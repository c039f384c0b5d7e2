<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Error</name>
    <message>
        <location filename="../src/core/Error.cpp" line="+130"/>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>Das Fenster des Fehlerdialogs wurde nicht erstellt. Es muss zuerst erstellt werden.</translation>
    </message>
    <message>
        <location line="+185"/>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Unbehandelter Fehler.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <location filename="../src/core/Error.h" line="+176"/>
        <location filename="../src/ui/Application.cpp" line="+29"/>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Unhandled exception: %1</source>
        <translation>Unbehandelte Ausnahme: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unhandled generic exception.</source>
        <translation>Unbehandelte allgemeine Ausnahme.</translation>
    </message>
    <message>
        <location filename="../src/core/GameFile.cpp" line="+64"/>
        <source>The game file names no picture.</source>
        <translation>Die Spieldatei nennt kein Bild.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>Der Name des Bildes zum Spiel ist länger als %1 Byte.</translation>
    </message>
    <message>
        <location filename="../src/core/Recovery.cpp" line="+138"/>
        <source>Failed to delete file.</source>
        <translation>Datei konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <location filename="../src/core/StoredTextList.cpp" line="+258"/>
        <source>The text cannot be stored in an ini file.</source>
        <translation>Der Text kann nicht in einer INI-Datei gespeichert werden.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Failed to create file.</source>
        <translation>Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+10"/>
        <location line="+7"/>
        <source>Failed to write file.</source>
        <translation>Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Failed to replace file.</source>
        <translation>Datei konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <location line="+46"/>
        <location filename="../src/ui/Install.cpp" line="+178"/>
        <location filename="../src/ui/MosavoDialog.cpp" line="+280"/>
        <source>Failed to open file.</source>
        <translation>Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/ui/Install.cpp" line="+3"/>
        <source>Failed to read file.</source>
        <translation>Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../src/ui/MosavoDialog.cpp" line="-21"/>
        <location line="+15"/>
        <location filename="../src/ui/MosavoDialogOpenFile.cpp" line="+31"/>
        <source>Failed to load file.</source>
        <translation>Datei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Failed to save file.</source>
        <translation>Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>The file has not been loaded.</source>
        <translation>Die Datei wurde nicht geladen.</translation>
    </message>
    <message>
        <location filename="../src/Mosavo.cpp" line="+37"/>
        <location filename="../src/ui/Error.cpp" line="+159"/>
        <source>Failed to perform.</source>
        <translation>Aktion konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <location filename="../src/platform/Install.cpp" line="+222"/>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Das Programm konnte nicht mit Administratorrechten gestartet werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <location line="+102"/>
        <location filename="../src/platform/posix/File.cpp" line="+421"/>
        <location filename="../src/platform/win32/File.cpp" line="+427"/>
        <source>Failed to run file.</source>
        <translation>Datei konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <location line="-110"/>
        <source>Failed to start the installed program.</source>
        <translation>Das installierte Programm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The uninstall entry names no program file.</source>
        <translation>Der Deinstallationseintrag nennt keine Programmdatei.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Programm konnte nicht installiert werden. Prüfen Sie, ob Sie im Installationsordner Schreibrechte haben.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Installation directory is empty.</source>
        <translation>Kein Installationsordner angegeben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The installer can not run from the root directory.</source>
        <translation>Das Installationsprogramm kann nicht aus dem Stammordner gestartet werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>Der Installationsordner liegt im Ordner des Installationsprogramms.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Failed to uninstall program.</source>
        <translation>Programm konnte nicht deinstalliert werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Uninstallation directory is empty.</source>
        <translation>Kein Deinstallationsordner angegeben.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../src/platform/posix/FileTree.cpp" line="+120"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+182"/>
        <location line="+4"/>
        <source>Can not find directory.</source>
        <translation>Ordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/platform/posix/FileTree.cpp" line="+9"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+12"/>
        <source>Failed to delete directory content.</source>
        <translation>Ordnerinhalt konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/File.cpp" line="-65"/>
        <location filename="../src/platform/win32/File.cpp" line="-84"/>
        <source>Unknown system folder.</source>
        <translation>Unbekannter Systemordner.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/platform/posix/FileTree.cpp" line="+124"/>
        <location line="+3"/>
        <location line="+4"/>
        <location filename="../src/platform/win32/File.cpp" line="+2"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+61"/>
        <location line="+5"/>
        <location filename="../src/ui/PictureTransfer.cpp" line="+116"/>
        <source>Failed to create directory.</source>
        <translation>Ordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location line="+39"/>
        <location filename="../src/platform/win32/File.cpp" line="+46"/>
        <source>Failed to get file size.</source>
        <translation>Dateigröße konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/FileTree.cpp" line="+43"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+47"/>
        <source>Empty destination name.</source>
        <translation>Leerer Zielname.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+10"/>
        <source>Failed to find first file.</source>
        <translation>Erste Datei konnte nicht gefunden werden.</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+12"/>
        <source>Failed to process directory.</source>
        <translation>Ordner konnte nicht verarbeitet werden.</translation>
    </message>
    <message>
        <location line="+52"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+44"/>
        <source>Failed to rename.</source>
        <translation>Umbenennen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/LinkFile.cpp" line="+160"/>
        <location filename="../src/platform/win32/LinkFile.cpp" line="+134"/>
        <source>This operating system does not support chained links.</source>
        <translation>Dieses Betriebssystem unterstützt keine verketteten Verknüpfungen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/platform/win32/LinkFile.cpp" line="-31"/>
        <source>Failed to save link file.</source>
        <translation>Verknüpfungsdatei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/platform/win32/LinkFile.cpp" line="-20"/>
        <source>Failed to initialize instance.</source>
        <translation>Instanz konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Failed to set reference path.</source>
        <translation>Zielpfad konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set working path.</source>
        <translation>Arbeitsordner konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set arguments.</source>
        <translation>Argumente konnten nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set description.</source>
        <translation>Beschreibung konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set icon path.</source>
        <translation>Symbolpfad konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set hot key.</source>
        <translation>Tastenkürzel konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to set show command.</source>
        <translation>Fensterzustand konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to query interface.</source>
        <translation>Schnittstelle konnte nicht abgefragt werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/AboutDialog.cpp" line="+25"/>
        <source>Failed to open site.</source>
        <translation>Website konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+323"/>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Das Fenster „Info“ konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialog.cpp" line="-126"/>
        <location filename="../src/ui/MosavoDialogGameFile.cpp" line="+172"/>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../src/ui/MosavoDialogGameFile.cpp" line="-69"/>
        <location filename="../src/ui/MosavoDialogOpenFile.cpp" line="-3"/>
        <source>Failed to load game.</source>
        <translation>Spiel konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location line="+140"/>
        <location line="+2"/>
        <source>Failed to open link.</source>
        <translation>Link konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+10"/>
        <source>Failed to open help.</source>
        <translation>Hilfe konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="+451"/>
        <source>Failed to prepare main window.</source>
        <translation>Hauptfenster konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogGameFile.cpp" line="-9"/>
        <source>Failed to load last game.</source>
        <translation>Letztes Spiel konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Failed to save game.</source>
        <translation>Spiel konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>There is no such file</source>
        <translation>Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogOpenFile.cpp" line="+5"/>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Dies ist weder ein Bild noch ein Mosavo-Spiel.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogRecords.cpp" line="+256"/>
        <source>Failed to save records.</source>
        <translation>Rekorde konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Failed to show records.</source>
        <translation>Rekorde konnten nicht angezeigt werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogTransfer.cpp" line="+97"/>
        <location line="+10"/>
        <source>Failed to paste picture.</source>
        <translation>Bild konnte nicht eingefügt werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/PictureTransfer.cpp" line="-63"/>
        <location line="+77"/>
        <location line="+18"/>
        <source>Failed to save picture.</source>
        <translation>Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../src/ui/Utilities.cpp" line="+71"/>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Ein deaktiviertes oder unsichtbares Fenster kann nicht den Fokus erhalten.</translation>
    </message>
    <message>
        <location filename="../src/platform/Program.cpp" line="+20"/>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Abbruch abgefangen.<byte value="xd"/>
Das Programm muss beendet werden.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../src/core/Dialogs.cpp" line="+54"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Query</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/core/Error.cpp" line="-186"/>
        <location filename="../src/platform/posix/FileTree.cpp" line="-52"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="-44"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/core/StoredTextList.cpp" line="-24"/>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>Die Datei „%1“ ist bereits vorhanden.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <location filename="../src/Mosavo.cpp" line="+15"/>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavo läuft noch. Schließen Sie es und starten Sie die (De-)Installation dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/platform/Install.cpp" line="-220"/>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Die Deinstallation wurde abgebrochen, da sie Administratorrechte erfordert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Die Installation wurde abgebrochen, da sie Administratorrechte erfordert.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>(Un)Installation directory is empty.</source>
        <translation>Kein Ordner für die (De-)Installation angegeben.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Das Programm im Ordner „%1“ installieren?</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Es wurde nichts gelöscht. Diese Kopie von %1 in „%2“ wurde nicht vom Installationsprogramm installiert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>Den Ordner „%1“ (samt allen enthaltenen Dateien) löschen?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Die Deinstallation ist abgeschlossen. Einige Dateien, die noch in Gebrauch waren, wurden nicht gelöscht.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialog.cpp" line="-235"/>
        <source>The game has been modified. Save it?</source>
        <translation>Das Spiel wurde geändert. Möchten Sie es speichern?</translation>
    </message>
    <message>
        <location line="+231"/>
        <source>The help file is missing:
%1</source>
        <translation>Die Hilfedatei fehlt:
%1</translation>
    </message>
    <message>
        <location filename="../src/ui/Utilities.cpp" line="-39"/>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Ganzzahl außerhalb der Grenzen.
Sie wird auf den Standardwert gesetzt.
    * Minimum = %1
    * Maximum = %2
    * Standard = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <location filename="../src/core/Picture.cpp" line="+76"/>
        <source>not a picture this program can read</source>
        <translation>kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>too large: %1 megapixels</source>
        <translation>zu groß: %1 Megapixel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Das Bild „%1“ kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/Picture.cpp" line="+312"/>
        <source>Picture (%1)</source>
        <translation>Bild (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <location filename="../src/core/Records.cpp" line="+62"/>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <location line="+58"/>
        <source>%n moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n Fehlzug</numerusform>
            <numerusform>%n Fehlzüge</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New record: %1.</source>
        <translation>Neuer Rekord: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your best: %1.</source>
        <translation>Ihre Bestwerte: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogRecords.cpp" line="-63"/>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Die Rekorddatei „%1“ kann nicht gelesen werden. Sie wurde als „%2“ aufbewahrt, und die Rekorde beginnen von vorn.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Die Rekorddatei „%1“ kann weder gelesen noch unter einem anderen Namen aufbewahrt werden. Die Rekorde beginnen von vorn und werden sie ersetzen.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../src/ui/MosavoDialogRecovery.cpp" line="+142"/>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>Das laufende Spiel kann nicht für einen Neustart nach einem Absturz gesichert werden.
%1 %2</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>Das Bild des Spiels ist nicht mehr vorhanden: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>Das Bild des Spiels ist kein Bild, das Mosavo anzeigen kann: %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>It is kept as %1.</source>
        <translation>Es wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It stays in %1.</source>
        <translation>Es bleibt in %1 erhalten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>Das laufende Spiel konnte nicht wiederhergestellt werden.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <location filename="../src/ui/AboutDialog.cpp" line="-162"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Geschrieben von den Freiwilligen des Mosavo-Projekts.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Auf unserer Website: Neuigkeiten, neue Versionen und Bilder zum Spielen. Unsere Programme: Mosavo, das Bildpuzzle, und sein Installationsprogramm.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Visit my site</source>
        <translation>Meine Website</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Contact me</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: Mischen Sie ein Bild und setzen Sie es wieder zusammen!</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Version %1, released on %2</source>
        <translation>Version %1, veröffentlicht am %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <location filename="../src/ui/Error.cpp" line="-109"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O&amp;kay (no errors)</source>
        <translation>O&amp;K (keine Fehler)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Terminate application immediately</source>
        <translation>Programm sofort &amp;beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Log</source>
        <translation>&amp;Protokollieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Recursion</source>
        <translation>Rekursion</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recursive attempts = %1</source>
        <translation>Rekursive Versuche = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <location filename="../src/ui/HelpDialog.cpp" line="+29"/>
        <source>Mosavo Help</source>
        <translation>Mosavo-Hilfe</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <location filename="../src/ui/Install.cpp" line="-156"/>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>Das Programm kann neu installiert werden, ohne die vorherige Version zu deinstallieren. Die vorhandene Optionsdatei bleibt erhalten. Um das installierte Paket zu reparieren, installieren Sie das Programm einfach erneut. Schließen Sie vorher alle laufenden Instanzen des Programms.</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+54"/>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Install %1</source>
        <translation>%1 installieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to %1</source>
        <translation>Willkommen bei %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>Der Installationsordner des Programms wird angelegt in:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Uninstall %1</source>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bye from %1</source>
        <translation>Abschied von %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The following directory will be deleted:</source>
        <translation>Der folgende Ordner wird gelöscht:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Un&amp;install</source>
        <translation>De&amp;installieren</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <location filename="../src/ui/MosavoDialog.cpp" line="-97"/>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="-44"/>
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Sie haben %n Zug gemacht.</numerusform>
            <numerusform>Sie haben %n Züge gemacht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="-1"/>
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Noch %n Teil ist nicht an seinem Platz.</numerusform>
            <numerusform>Noch %n Teile sind nicht an ihrem Platz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="+2"/>
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Sie haben %n Fehlzug gemacht.</numerusform>
            <numerusform>Sie haben %n Fehlzüge gemacht.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialog.h" line="+87"/>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Drücken Sie [F5], um ein Bild zu laden, oder [L], um ein Spiel zu laden. Oder fügen Sie ein Bild mit [Strg + V] ein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Drücken Sie [Alt + M], um das Bild zu mischen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Ziehen Sie ein Puzzleteil auf ein anderes, um die beiden zu tauschen.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Tastatur: Pfeiltasten, Pos1 und Ende bewegen den gestrichelten Rahmen. Die Eingabetaste nimmt das Teil auf und legt es ab, Esc legt es zurück.
H und V spiegeln das Teil, M markiert das Feld, und gedrückt gehaltenes ? zeigt, wohin das Teil gehört.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo wurde beendet, ohne das laufende Spiel zu speichern. Wiederherstellen?</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The clipboard holds no picture.</source>
        <translation>Die Zwischenablage enthält kein Bild.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The puzzle is solved.</source>
        <translation>Das Puzzle ist gelöst.</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="-352"/>
        <source>Mosavo game (*.mzg)</source>
        <translation>Mosavo-Spiel (*.mzg)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Mosavo game</source>
        <translation>Mosavo-Spiel</translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+182"/>
        <source>Display information about the program</source>
        <translation>Informationen über das Programm anzeigen</translation>
    </message>
    <message>
        <location line="-140"/>
        <source>&amp;Work</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload current picture</source>
        <translation>Aktuelles Bild neu laden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open picture</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load last game</source>
        <translation>Letztes Spiel laden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo move</source>
        <translation>Zug zurücknehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Randomize</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Bilder herunterladen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game wallpapers</source>
        <translation>Spiele-Hintergrundbilder</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Allow &amp;flipping pieces</source>
        <translation>Gespiegelte &amp;Teile zulassen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Light &amp;grid</source>
        <translation>Helles &amp;Raster</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Original picture</source>
        <translation>Originalbild</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Puzzle picture</source>
        <translation>Puzzlebild</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogLanguage.cpp" line="+13"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogPointer.cpp" line="+32"/>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Column %1. Row %2.</source>
        <translation>Spalte %1. Zeile %2.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Spalte %1; Zeile %2; horizontal gespiegelt %3; vertikal gespiegelt %4</translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogRecords.cpp" line="-127"/>
        <source>Show time</source>
        <translation>Zeit anzeigen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <location filename="../src/ui/RecordsDialog.cpp" line="+57"/>
        <source>%1 x %2, flipped</source>
        <translation>%1 × %2, gespiegelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best wrong moves</source>
        <translation>Wenigste Fehlzüge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last solved</source>
        <translation>Zuletzt gelöst</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Remove the selected record?</source>
        <translation>Den ausgewählten Rekord entfernen?</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Den %n ausgewählten Rekord entfernen?</numerusform>
            <numerusform>Die %n ausgewählten Rekorde entfernen?</numerusform>
        </translation>
    </message>
</context>
</TS>
