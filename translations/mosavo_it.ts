<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>La finestra di dialogo degli errori non è stata creata. Occorre prima crearla.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Errore non gestito.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Eccezione non gestita: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Eccezione generica non gestita.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>Il file di partita non indica alcuna immagine.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>Il nome dell’immagine della partita supera i %1 byte.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>Impossibile eliminare il file.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>Il testo non può essere memorizzato in un file ini.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>Impossibile creare il file.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Impossibile scrivere il file.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>Impossibile sostituire il file.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Impossibile caricare il file.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>Il file non è stato caricato.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Operazione non riuscita.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Impossibile avviare il programma con i permessi di amministratore.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>Impossibile eseguire il file.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>Impossibile avviare il programma installato.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>La voce di disinstallazione non indica alcun file di programma.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Impossibile installare il programma. Controlla di avere i permessi di scrittura nella cartella di installazione.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>Nessuna cartella di installazione indicata.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>Il programma di installazione non può essere avviato dalla cartella radice.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>La cartella di installazione si trova nella cartella del programma di installazione.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Impossibile disinstallare il programma.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>Nessuna cartella di disinstallazione indicata.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>Impossibile trovare la cartella.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>Impossibile eliminare il contenuto della cartella.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Cartella di sistema sconosciuta.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>Impossibile creare la cartella.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>Impossibile ottenere la dimensione del file.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>Nome di destinazione vuoto.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>Impossibile trovare il primo file.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>Impossibile elaborare la cartella.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>Impossibile rinominare.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Questo sistema operativo non supporta i collegamenti concatenati.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>Impossibile salvare il file di collegamento.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>Impossibile inizializzare l’istanza.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>Impossibile impostare il percorso di destinazione.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>Impossibile impostare la cartella di lavoro.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>Impossibile impostare gli argomenti.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>Impossibile impostare la descrizione.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>Impossibile impostare il percorso dell’icona.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>Impossibile impostare il tasto di scelta rapida.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>Impossibile impostare lo stato di visualizzazione della finestra.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>Impossibile interrogare l’interfaccia.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Impossibile aprire il sito.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Impossibile mostrare la finestra «Informazioni».</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Impossibile caricare la partita.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>Impossibile aprire il link.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>Impossibile aprire la guida.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>Impossibile preparare la finestra principale.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Impossibile caricare l’ultima partita.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Impossibile salvare la partita.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Il file non esiste</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Questo file non è né un’immagine né una partita Mosavo.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>Impossibile salvare i record.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>Impossibile mostrare i record.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>Impossibile incollare l’immagine.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Impossibile salvare l’immagine.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Impossibile dare il focus a una finestra disattivata o invisibile.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Interruzione intercettata.<byte value="xd"/>
Il programma deve essere terminato.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfetto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Errore all’inizio della funzione</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panico</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Catastrofe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>Stato della funzione sconosciuto</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>La cartella distribuita non contiene l’elenco dei suoi file.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>L’elenco dei file distribuiti indica un file esterno alla cartella distribuita.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Manca un file dell’elenco dei file distribuiti.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>Impossibile copiare il file.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>Impossibile proteggere la cartella di installazione dalle modifiche di altri utenti.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>Il file «%1» esiste già.
Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavo è in esecuzione. Chiudilo, poi avvia di nuovo l’installazione o la disinstallazione.</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>La disinstallazione è stata annullata: richiede i permessi di amministratore.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>L’installazione è stata annullata: richiede i permessi di amministratore.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>Nessuna cartella di installazione o disinstallazione indicata.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Installare il programma nella cartella «%1»?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Non è stato eliminato nulla. Questa copia di %1 in «%2» non è stata installata dal programma di installazione.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>Eliminare la cartella «%1» (e tutti i file che contiene)?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Disinstallazione completata. Alcuni file in uso non sono stati eliminati.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>La partita è stata modificata. Salvarla?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>Manca il file della guida:
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Valore intero fuori dai limiti.
Verrà impostato al valore predefinito.
    * Minimo = %1
    * Massimo = %2
    * Predefinito = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>non è un’immagine che questo programma sa leggere</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>è danneggiata</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>è troppo grande (%1 megapixel)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Impossibile mostrare l’immagine «%1»: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Immagine (%1)</translation>
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
            <numerusform>%n mossa</numerusform>
            <numerusform>%n mosse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n mossa sbagliata</numerusform>
            <numerusform>%n mosse sbagliate</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Nuovo record: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Il tuo record: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Il file dei record «%1» non è leggibile. È stato conservato come «%2» e i record ricominciano da capo.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Il file dei record «%1» non si può né leggere né conservare con un altro nome. I record ricominciano da capo e lo sostituiranno.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>La partita in corso non può essere conservata per riprenderla dopo un blocco del programma.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>L’immagine della partita non c’è più: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>L’immagine della partita non è un’immagine che Mosavo può mostrare: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>È conservata come %1.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Resta in %1.</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>Non è stato possibile ripristinare la partita in corso.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Scritto dai volontari del progetto Mosavo.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Visita il nostro sito per notizie, nuove versioni e immagini con cui giocare. I nostri programmi: Mosavo, il puzzle di immagini, e il suo programma di installazione.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Visita il mio sito</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Contattami</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: mescola un’immagine, poi ricomponila!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Versione %1, pubblicata il %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>OK (&amp;nessun errore)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>&amp;Termina subito l’applicazione</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Registra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Ricorsione</translation>
    </message>
    <message>
        <source>None</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Tentativi ricorsivi = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Guida di Mosavo</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>Il programma può essere reinstallato senza disinstallare la versione precedente. Il file delle opzioni esistente verrà conservato. Per riparare il pacchetto installato, basta reinstallare il programma. Prima di continuare, chiudi tutte le istanze del programma in esecuzione.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Sfoglia</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>Installa %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Benvenuto in %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>La cartella di installazione del programma sarà creata nella cartella:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Disinstalla %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>Arrivederci da %1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>Verrà eliminata la seguente cartella:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>&amp;Disinstalla</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Hai fatto %n mossa.</numerusform>
            <numerusform>Hai fatto %n mosse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Resta %n pezzo da mettere al suo posto.</numerusform>
            <numerusform>Restano %n pezzi da mettere al loro posto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Hai fatto %n mossa sbagliata.</numerusform>
            <numerusform>Hai fatto %n mosse sbagliate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Premi [F5] per caricare un’immagine. Premi [L] per caricare una partita. Oppure incollane una con [Ctrl + V].</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Premi [Alt + M] per mescolare l’immagine.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Trascina un pezzo del puzzle su un altro per scambiarli.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Tastiera: i tasti freccia, Home e Fine spostano la cornice tratteggiata. Invio prende il pezzo e lo rilascia, Esc lo rimette al suo posto di prima.
H e V capovolgono il pezzo, M segna la casella e ? tenuto premuto mostra dove va il pezzo.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo si è chiuso senza salvare la partita in corso. Ripristinarla?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Gli appunti non contengono alcuna immagine.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>Il puzzle è risolto.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Partita Mosavo (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Partita Mosavo</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Mostra informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Carica immagine</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Ricarica immagine attuale</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Incolla immagine</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Carica ultima partita</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carica partita</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva partita</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Annulla mossa</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mescola</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Scarica immagini</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Sfondi di giochi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>Consenti di &amp;capovolgere i pezzi</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>&amp;Griglia chiara</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Immagine originale</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Immagine del puzzle</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Colonna %1. Riga %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Colonna %1; Riga %2; Capov. orizz. %3; Capov. vert. %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostra tempo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 x %2, con capovolgimento</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Risolto</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Meno mosse</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Meno mosse sbagliate</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Miglior tempo</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Ultima volta</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>Rimuovere il record selezionato?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Rimuovere %n record selezionato?</numerusform>
            <numerusform>Rimuovere i %n record selezionati?</numerusform>
        </translation>
    </message>
</context>
</TS>
