<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>Das Fenster des Fehlerdialogs wurde nicht erstellt. Es muss zuerst erstellt werden.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Unbehandelter Fehler.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Unbehandelte Ausnahme: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Unbehandelte allgemeine Ausnahme.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>Die Spieldatei nennt kein Bild.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>Der Name des Bildes zum Spiel ist länger als %1 Byte.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>Datei konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>Der Text kann nicht in einer INI-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>Datei konnte nicht ersetzt werden.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Datei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>Die Datei wurde nicht geladen.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Aktion konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Das Programm konnte nicht mit Administratorrechten gestartet werden.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>Datei konnte nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>Das installierte Programm konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>Der Deinstallationseintrag nennt keine Programmdatei.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Programm konnte nicht installiert werden. Prüfen Sie, ob Sie im Installationsordner Schreibrechte haben.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>Kein Installationsordner angegeben.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>Das Installationsprogramm kann nicht aus dem Stammordner gestartet werden.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>Der Installationsordner liegt im Ordner des Installationsprogramms.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Programm konnte nicht deinstalliert werden.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>Kein Deinstallationsordner angegeben.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>Ordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>Ordnerinhalt konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Unbekannter Systemordner.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>Ordner konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>Dateigröße konnte nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>Leerer Zielname.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>Erste Datei konnte nicht gefunden werden.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>Ordner konnte nicht verarbeitet werden.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>Umbenennen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Dieses Betriebssystem unterstützt keine verketteten Verknüpfungen.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>Verknüpfungsdatei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>Instanz konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>Zielpfad konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>Arbeitsordner konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>Argumente konnten nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>Beschreibung konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>Symbolpfad konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>Tastenkürzel konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>Fensterzustand konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>Schnittstelle konnte nicht abgefragt werden.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Website konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Das Fenster „Info“ konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Spiel konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>Link konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>Hilfe konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>Hauptfenster konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Letztes Spiel konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Spiel konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Dies ist weder ein Bild noch ein Mosavo-Spiel.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>Rekorde konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>Rekorde konnten nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>Bild konnte nicht eingefügt werden.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Bild konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Ein deaktiviertes oder unsichtbares Fenster kann nicht den Fokus erhalten.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Abbruch abgefangen.<byte value="xd"/>
Das Programm muss beendet werden.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfekt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Fehler beim Beginn der Funktion</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panik</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Katastrophe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>Unbekannter Funktionsstatus</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>Der ausgelieferte Ordner enthält keine Liste seiner Dateien.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>Die Liste der ausgelieferten Dateien nennt eine Datei außerhalb des ausgelieferten Ordners.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Eine Datei aus der Liste der ausgelieferten Dateien fehlt.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>Datei konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>Der Installationsordner konnte nicht vor Änderungen durch andere Benutzer geschützt werden.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>Die Datei „%1“ ist bereits vorhanden.
Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavo läuft noch. Schließen Sie es und starten Sie die (De-)Installation dann erneut.</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Die Deinstallation wurde abgebrochen, da sie Administratorrechte erfordert.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Die Installation wurde abgebrochen, da sie Administratorrechte erfordert.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>Kein Ordner für die (De-)Installation angegeben.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Das Programm im Ordner „%1“ installieren?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Es wurde nichts gelöscht. Diese Kopie von %1 in „%2“ wurde nicht vom Installationsprogramm installiert.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>Den Ordner „%1“ (samt allen enthaltenen Dateien) löschen?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Die Deinstallation ist abgeschlossen. Einige Dateien, die noch in Gebrauch waren, wurden nicht gelöscht.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>Das Spiel wurde geändert. Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>Die Hilfedatei fehlt:
%1</translation>
    </message>
    <message>
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
        <source>not a picture this program can read</source>
        <translation>kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>zu groß: %1 Megapixel</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Das Bild „%1“ kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Bild (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n Fehlzug</numerusform>
            <numerusform>%n Fehlzüge</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Neuer Rekord: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Ihre Bestwerte: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Die Rekorddatei „%1“ kann nicht gelesen werden. Sie wurde als „%2“ aufbewahrt, und die Rekorde beginnen von vorn.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Die Rekorddatei „%1“ kann weder gelesen noch unter einem anderen Namen aufbewahrt werden. Die Rekorde beginnen von vorn und werden sie ersetzen.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>Das laufende Spiel kann nicht für einen Neustart nach einem Absturz gesichert werden.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>Das Bild des Spiels ist nicht mehr vorhanden: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>Das Bild des Spiels ist kein Bild, das Mosavo anzeigen kann: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Es wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Es bleibt in %1 erhalten.</translation>
    </message>
    <message>
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
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Geschrieben von den Freiwilligen des Mosavo-Projekts.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Auf unserer Website: Neuigkeiten, neue Versionen und Bilder zum Spielen. Unsere Programme: Mosavo, das Bildpuzzle, und sein Installationsprogramm.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Meine Website</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: Mischen Sie ein Bild und setzen Sie es wieder zusammen!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Version %1, veröffentlicht am %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>O&amp;K (keine Fehler)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>Programm sofort &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Protokollieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Rekursion</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Rekursive Versuche = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Mosavo-Hilfe</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>Das Programm kann neu installiert werden, ohne die vorherige Version zu deinstallieren. Die vorhandene Optionsdatei bleibt erhalten. Um das installierte Paket zu reparieren, installieren Sie das Programm einfach erneut. Schließen Sie vorher alle laufenden Instanzen des Programms.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>%1 installieren</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Willkommen bei %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>Der Installationsordner des Programms wird angelegt in:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>Abschied von %1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>Der folgende Ordner wird gelöscht:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>De&amp;installieren</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Sie haben %n Zug gemacht.</numerusform>
            <numerusform>Sie haben %n Züge gemacht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Noch %n Teil ist nicht an seinem Platz.</numerusform>
            <numerusform>Noch %n Teile sind nicht an ihrem Platz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Sie haben %n Fehlzug gemacht.</numerusform>
            <numerusform>Sie haben %n Fehlzüge gemacht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Drücken Sie [F5], um ein Bild zu laden, oder [L], um ein Spiel zu laden. Oder fügen Sie ein Bild mit [Strg + V] ein.</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Drücken Sie [Alt + M], um das Bild zu mischen.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Ziehen Sie ein Puzzleteil auf ein anderes, um die beiden zu tauschen.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Tastatur: Pfeiltasten, Pos1 und Ende bewegen den gestrichelten Rahmen. Die Eingabetaste nimmt das Teil auf und legt es ab, Esc legt es zurück.
H und V spiegeln das Teil, M markiert das Feld, und gedrückt gehaltenes ? zeigt, wohin das Teil gehört.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo wurde beendet, ohne das laufende Spiel zu speichern. Wiederherstellen?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Die Zwischenablage enthält kein Bild.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>Das Puzzle ist gelöst.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Mosavo-Spiel (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Mosavo-Spiel</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Informationen über das Programm anzeigen</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Aktuelles Bild neu laden</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Bild anzeigen</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Letztes Spiel laden</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spiel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Zug zurücknehmen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Bilder herunterladen</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Spiele-Hintergrundbilder</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>Gespiegelte &amp;Teile zulassen</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>Helles &amp;Raster</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Originalbild</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Puzzlebild</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Spalte %1. Zeile %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Spalte %1; Zeile %2; horizontal gespiegelt %3; vertikal gespiegelt %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Zeit anzeigen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 × %2, gespiegelt</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Wenigste Fehlzüge</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Zuletzt gelöst</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>Den ausgewählten Rekord entfernen?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Den %n ausgewählten Rekord entfernen?</numerusform>
            <numerusform>Die %n ausgewählten Rekorde entfernen?</numerusform>
        </translation>
    </message>
</context>
</TS>
