<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>Okno dialogowe błędu nie zostało utworzone. Należy je utworzyć.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Nieobsłużony błąd.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Nieznany błąd.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Nieobsłużony wyjątek: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Nieobsłużony wyjątek ogólny.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>Plik gry nie wskazuje żadnego obrazu.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>Nazwa obrazu gry jest dłuższa niż %1 bajtów.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>Nie udało się usunąć pliku.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>Tego tekstu nie można zapisać w pliku ini.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>Nie udało się utworzyć pliku.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Nie udało się zapisać danych w pliku.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>Nie udało się zastąpić pliku.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Nie udało się otworzyć pliku.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>Nie udało się odczytać pliku.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Plik jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Nie udało się wczytać pliku.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Nie udało się zapisać pliku.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>Plik nie został wczytany.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Nie udało się wykonać operacji.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Nie udało się uruchomić programu z uprawnieniami administratora.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>Nie udało się uruchomić pliku.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>Nie udało się uruchomić zainstalowanego programu.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>Wpis deinstalacji nie wskazuje pliku programu.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Nie udało się zainstalować programu. Sprawdź, czy masz prawo zapisu w folderze instalacji.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>Nie podano folderu instalacji.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>Instalatora nie można uruchomić z folderu głównego.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>Folder instalacji leży w folderze instalatora.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Nie udało się odinstalować programu.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>Nie podano folderu deinstalacji.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>Nie można znaleźć folderu.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>Nie udało się usunąć zawartości folderu.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Nieznany folder systemowy.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>Nie udało się utworzyć folderu.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>Nie udało się odczytać rozmiaru pliku.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>Pusta nazwa docelowa.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>Nie udało się znaleźć pierwszego pliku.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>Nie udało się przetworzyć folderu.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>Nie udało się zmienić nazwy.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Ten system operacyjny nie obsługuje skrótów do skrótów.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>Nie udało się zapisać pliku skrótu.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>Nie udało się zainicjować instancji.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>Nie udało się ustawić ścieżki docelowej.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>Nie udało się ustawić folderu roboczego.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>Nie udało się ustawić argumentów.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>Nie udało się ustawić opisu.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>Nie udało się ustawić ścieżki ikony.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>Nie udało się ustawić klawisza skrótu.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>Nie udało się ustawić trybu okna.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>Nie udało się pobrać interfejsu.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Nie udało się otworzyć strony.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Nie udało się wyświetlić okna „O programie”.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Nie udało się wczytać gry.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>Nie udało się otworzyć łącza.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>Nie udało się otworzyć pomocy.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>Nie udało się przygotować okna głównego.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Nie udało się wczytać ostatniej gry.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Nie udało się zapisać gry.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Nie ma takiego pliku</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>To nie jest ani obraz, ani gra Mosavo.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>Nie udało się zapisać rekordów.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>Nie udało się wyświetlić rekordów.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>Nie udało się wkleić obrazu.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Nie udało się zapisać obrazu.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Nie można przenieść fokusu na wyłączone lub niewidoczne okno.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Przechwycono awaryjne przerwanie.<byte value="xd"/>
Program musi zostać zakończony.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Idealnie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Błąd na początku funkcji</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panika</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Katastrofa</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>Nieznany stan funkcji</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>Dostarczony folder nie zawiera listy swoich plików.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>Lista dostarczonych plików wskazuje plik spoza dostarczonego folderu.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Brakuje pliku z listy dostarczonych plików.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>Nie udało się skopiować pliku.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>Nie udało się zabezpieczyć folderu instalacji przed zmianami wprowadzanymi przez innych użytkowników.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>Plik „%1” już istnieje.
Zastąpić go?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Program Mosavo działa. Zamknij go, a potem ponownie uruchom instalator (deinstalator).</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Deinstalacja została anulowana: wymaga uprawnień administratora.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Instalacja została anulowana: wymaga uprawnień administratora.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>Nie podano folderu (de)instalacji.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Zainstalować program w folderze „%1”?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Nic nie zostało usunięte. Ta kopia programu %1 w folderze „%2” nie została zainstalowana przez instalator.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>Usunąć folder „%1” (wraz ze wszystkimi plikami)?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Deinstalacja zakończona. Niektóre pliki, które były w użyciu, nie zostały usunięte.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>Gra została zmieniona. Zapisać ją?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>Brak pliku pomocy:
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Wartość całkowita poza zakresem.
Zostanie ustawiona wartość domyślna.
    * Minimum = %1
    * Maksimum = %2
    * Domyślnie = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>to nie jest obraz, który ten program potrafi odczytać</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>plik jest uszkodzony</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>jest za duży (%1 Mpx)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Nie można wyświetlić obrazu „%1”: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Obraz (%1)</translation>
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
            <numerusform>%n ruch</numerusform>
            <numerusform>%n ruchy</numerusform>
            <numerusform>%n ruchów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n błędny ruch</numerusform>
            <numerusform>%n błędne ruchy</numerusform>
            <numerusform>%n błędnych ruchów</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Nowy rekord: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Twój najlepszy wynik: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Nie można odczytać pliku rekordów „%1”. Zachowano go jako „%2”, a rekordy są liczone od nowa.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Nie można odczytać pliku rekordów „%1” ani zachować go pod inną nazwą. Rekordy są liczone od nowa i zastąpią ten plik.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>Nie można zachować bieżącej gry na wypadek ponownego uruchomienia po awarii.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>Brak obrazu gry: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>Obraz gry nie jest obrazem, który Mosavo potrafi wyświetlić: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Zachowano ją jako %1.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Pozostaje w pliku %1.</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>Nie udało się przywrócić bieżącej gry.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Autorzy: wolontariusze projektu Mosavo.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Na naszej stronie znajdziesz nowości, nowe wersje i obrazy do gry. Nasze programy: układanka Mosavo i jej instalator.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Odwiedź moją stronę</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Napisz do mnie</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: wymieszaj obraz, a potem ułóż go z powrotem!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Wersja %1, wydana %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>O&amp;K (bez błędów)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>&amp;Natychmiast zakończ program</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Do &amp;dziennika</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Rekurencja</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Próby rekurencyjne = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Pomoc programu Mosavo</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>Program można zainstalować ponownie bez odinstalowywania poprzedniej wersji. Istniejący plik opcji zostanie zachowany. Aby naprawić zainstalowany pakiet, wystarczy ponownie zainstalować program. Przed kontynuowaniem zamknij wszystkie uruchomione kopie programu.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Przeglądaj</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Zainstaluj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>Instalacja %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Witamy w %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>Folder instalacji programu zostanie utworzony w folderze:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Deinstalacja %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>%1 się żegna</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>Zostanie usunięty następujący folder:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>&amp;Odinstaluj</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Wykonano %n ruch.</numerusform>
            <numerusform>Wykonano %n ruchy.</numerusform>
            <numerusform>Wykonano %n ruchów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Pozostał %n element do ułożenia na właściwym miejscu.</numerusform>
            <numerusform>Pozostały %n elementy do ułożenia na właściwym miejscu.</numerusform>
            <numerusform>Pozostało %n elementów do ułożenia na właściwym miejscu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Wykonano %n błędny ruch.</numerusform>
            <numerusform>Wykonano %n błędne ruchy.</numerusform>
            <numerusform>Wykonano %n błędnych ruchów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Naciśnij [F5], aby wczytać obraz. Naciśnij [L], aby wczytać grę. Albo wklej obraz klawiszami [Ctrl + V].</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Naciśnij [Alt + W], aby wymieszać obraz.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Przeciągnij element układanki na inny, aby zamienić je miejscami.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Klawiatura: klawisze strzałek, Home i End przesuwają przerywaną ramkę. Enter podnosi element i go upuszcza, Esc odkłada go z powrotem.
H i V odbijają element, M oznacza pole, a przytrzymanie ? pokazuje, gdzie należy element.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo zakończyło działanie bez zapisania bieżącej gry. Przywrócić ją?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Schowek nie zawiera obrazu.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>Układanka jest ułożona.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Gra Mosavo (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Gra Mosavo</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Wyświetla informacje o programie</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Wczytaj ponownie bieżący obraz</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Wklej obraz</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Wczytaj ostatnią grę</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Cofnij ruch</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Wymieszaj</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Pobierz obrazy</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Tapety z gier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Wiersze</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>&amp;Zezwól na odbicia elementów</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>&amp;Jasna siatka</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Układanka</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>TAK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NIE</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Kolumna %1. Wiersz %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Kolumna %1; wiersz %2; odbicie poziome %3; odbicie pionowe %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Pokazuj czas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 x %2, z odbiciami</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Siatka</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Ułożono</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Najmniej ruchów</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Najmniej błędnych ruchów</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Ostatnio ułożono</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>Usunąć zaznaczony rekord?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Usunąć %n zaznaczony rekord?</numerusform>
            <numerusform>Usunąć %n zaznaczone rekordy?</numerusform>
            <numerusform>Usunąć %n zaznaczonych rekordów?</numerusform>
        </translation>
    </message>
</context>
</TS>
