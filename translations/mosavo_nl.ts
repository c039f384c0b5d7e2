<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>Het venster van de foutdialoog is niet aangemaakt. Het moet eerst worden aangemaakt.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Onafgehandelde fout.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Onbekende fout.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Onafgehandelde uitzondering: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Onafgehandelde algemene uitzondering.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>Het spelbestand noemt geen afbeelding.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>De naam van de afbeelding van het spel is langer dan %1 bytes.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>Kan bestand niet wissen.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>De tekst kan niet in een ini-bestand worden opgeslagen.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>Kan bestand niet aanmaken.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Kan bestand niet schrijven.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>Kan bestand niet vervangen.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Kan bestand niet openen.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>Kan bestand niet lezen.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Het bestand is alleen-lezen.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Kan bestand niet laden.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Kan bestand niet opslaan.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>Het bestand is niet geladen.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Kan de actie niet uitvoeren.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Kan het programma niet met beheerdersrechten starten.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>Kan bestand niet uitvoeren.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>Kan het geïnstalleerde programma niet starten.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>Het verwijderitem noemt geen programmabestand.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Kan programma niet installeren. Controleer of je schrijfrechten hebt in de installatiemap.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>Geen installatiemap opgegeven.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>Het installatieprogramma kan niet vanuit de hoofdmap worden gestart.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>De installatiemap ligt in de map van het installatieprogramma.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Kan programma niet verwijderen.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>Geen map opgegeven om te verwijderen.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>Kan map niet vinden.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>Kan inhoud van map niet wissen.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Onbekende systeemmap.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>Kan map niet aanmaken.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>Kan bestandsgrootte niet bepalen.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>Lege doelnaam.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>Kan eerste bestand niet vinden.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>Kan map niet verwerken.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>Kan naam niet wijzigen.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Dit besturingssysteem ondersteunt geen geketende snelkoppelingen.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>Kan snelkoppelingsbestand niet opslaan.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>Kan instantie niet initialiseren.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>Kan doelpad niet instellen.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>Kan werkmap niet instellen.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>Kan argumenten niet instellen.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>Kan beschrijving niet instellen.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>Kan pictogrampad niet instellen.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>Kan sneltoets niet instellen.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>Kan vensterweergave niet instellen.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>Kan interface niet opvragen.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Kan website niet openen.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Kan het venster “Over” niet tonen.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Dit bestand bestaat niet.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Kan spel niet laden.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>Kan koppeling niet openen.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>Kan help niet openen.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>Kan hoofdvenster niet voorbereiden.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Kan laatste spel niet laden.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Kan spel niet opslaan.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Dit bestand bestaat niet</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Dit is geen afbeelding en ook geen Mosavo-spel.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>Kan records niet opslaan.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>Kan records niet tonen.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>Kan afbeelding niet plakken.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Kan afbeelding niet opslaan.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Een uitgeschakeld of onzichtbaar venster kan geen focus krijgen.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Afbreken onderschept.<byte value="xd"/>
Het programma moet worden beëindigd.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfect</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Fout bij het begin van de functie</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Paniek</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Catastrofe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>Onbekende functiestatus</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>De meegeleverde map bevat geen lijst van zijn bestanden.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>De lijst met meegeleverde bestanden noemt een bestand buiten de meegeleverde map.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Er ontbreekt een bestand uit de lijst met meegeleverde bestanden.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>Kan bestand niet kopiëren.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>De installatiemap kon niet worden beschermd tegen wijzigingen door andere gebruikers.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>Het bestand “%1” bestaat al.
Wil je het overschrijven?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavo is actief. Sluit het en start het installatie- of verwijderprogramma opnieuw.</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Het verwijderen is geannuleerd: daarvoor zijn beheerdersrechten nodig.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>De installatie is geannuleerd: daarvoor zijn beheerdersrechten nodig.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>Geen map opgegeven om te installeren of te verwijderen.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Het programma installeren in de map “%1”?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Er is niets gewist. Deze kopie van %1 in “%2” is niet door het installatieprogramma geïnstalleerd.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>De map “%1” (met alle bestanden erin) wissen?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Het verwijderen is gelukt. Enkele bestanden die in gebruik waren, zijn niet gewist.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>Het spel is gewijzigd. Wil je het opslaan?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>Het helpbestand ontbreekt:
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Geheel getal buiten de grenzen.
Het wordt op de standaardwaarde gezet.
    * Minimum = %1
    * Maximum = %2
    * Standaard = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>geen afbeelding die dit programma kan lezen</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschadigd</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>te groot: %1 megapixel</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>De afbeelding “%1” kan niet worden getoond: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Afbeelding (%1)</translation>
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
            <numerusform>%n zet</numerusform>
            <numerusform>%n zetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n foute zet</numerusform>
            <numerusform>%n foute zetten</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Nieuw record: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Je beste resultaat: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Het recordbestand “%1” kan niet worden gelezen. Het is bewaard als “%2” en de records beginnen opnieuw.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Het recordbestand “%1” kan niet worden gelezen en ook niet onder een andere naam worden bewaard. De records beginnen opnieuw en komen ervoor in de plaats.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>Het lopende spel kan niet worden bewaard voor een herstart na een crash.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>De afbeelding van het spel is verdwenen: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>De afbeelding van het spel is geen afbeelding die Mosavo kan tonen: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Het is bewaard als %1.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Het blijft in %1 staan.</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>Het lopende spel kon niet worden hersteld.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Geschreven door de vrijwilligers van het Mosavo-project.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Bezoek onze website voor nieuws, nieuwe versies en afbeeldingen om mee te spelen. Onze programma&apos;s: Mosavo, de beeldpuzzel, en het installatieprogramma.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Naar mijn website</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: hussel een afbeelding en zet hem weer in elkaar!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Versie %1, uitgebracht op %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>O&amp;K (geen fouten)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>Programma direct &amp;beëindigen</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Loggen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Recursie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Recursieve pogingen = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Mosavo-help</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>Je kunt het programma opnieuw installeren zonder eerst de vorige versie te verwijderen. Het bestaande optiebestand blijft behouden. Wil je het geïnstalleerde pakket herstellen, installeer het programma dan gewoon opnieuw. Sluit eerst alle geopende exemplaren van het programma voordat je verdergaat.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Bladeren</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installeren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>%1 installeren</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Welkom bij %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>De installatiemap van het programma komt in de map:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>Afscheid van %1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>De volgende map wordt gewist:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>&amp;Verwijderen</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Je hebt %n zet gedaan.</numerusform>
            <numerusform>Je hebt %n zetten gedaan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Er ligt nog %n stukje niet op zijn plek.</numerusform>
            <numerusform>Er liggen nog %n stukjes niet op hun plek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Je hebt %n foute zet gedaan.</numerusform>
            <numerusform>Je hebt %n foute zetten gedaan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Druk op [F5] om een afbeelding te laden of op [L] om een spel te laden. Of plak een afbeelding met [Ctrl + V].</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Druk op [Alt + H] om de afbeelding te husselen.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Sleep een puzzelstukje naar een ander stukje om ze te verwisselen.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Toetsenbord: de pijltoetsen, Home en End verplaatsen de gestippelde rand. Enter pakt het stukje op en zet het neer, Esc legt het terug.
H en V spiegelen het stukje, M markeert het vak en ? ingedrukt houden toont waar het stukje hoort.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo is afgesloten zonder het lopende spel op te slaan. Herstellen?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Het klembord bevat geen afbeelding.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>De puzzel is opgelost.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Mosavo-spel (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Mosavo-spel</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Informatie over het programma tonen</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Afbeelding laden</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Huidige afbeelding opnieuw laden</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Afbeelding bekijken</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Afbeelding plakken</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Laatste spel laden</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Spel laden</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Zet ongedaan maken</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Husselen</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Afbeeldingen downloaden</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Game-achtergronden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>H&amp;elp</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>&amp;Gespiegelde stukjes toestaan</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>&amp;Licht raster</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Originele afbeelding</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Puzzel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systeemtaal</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEE</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Kolom %1. Rij %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Kolom %1; rij %2; horizontaal gespiegeld %3; verticaal gespiegeld %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Tijd tonen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 × %2, gespiegeld</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Opgelost</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Minste zetten</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Minste foute zetten</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Beste tijd</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Laatst opgelost</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>Het geselecteerde record verwijderen?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Het %n geselecteerde record verwijderen?</numerusform>
            <numerusform>De %n geselecteerde records verwijderen?</numerusform>
        </translation>
    </message>
</context>
</TS>
