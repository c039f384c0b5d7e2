<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>La fenêtre du dialogue d’erreur n’est pas créée. Elle doit d’abord être créée.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Erreur non gérée.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Exception non gérée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Exception générique non gérée.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>Le fichier de partie ne désigne aucune image.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>Le nom de l’image de la partie dépasse %1 octets.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>Impossible de supprimer le fichier.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>Ce texte ne peut pas être stocké dans un fichier ini.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>Impossible de créer le fichier.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Impossible d’écrire le fichier.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>Impossible de remplacer le fichier.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Impossible d’ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Impossible de charger le fichier.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Impossible d’enregistrer le fichier.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>Le fichier n’a pas été chargé.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Échec de l’opération.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Impossible de démarrer le programme avec les droits d’administrateur.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>Impossible d’exécuter le fichier.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>Impossible de démarrer le programme installé.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>L’entrée de désinstallation ne désigne aucun fichier de programme.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Impossible d’installer le programme. Vérifiez que vous avez le droit d’écrire dans le dossier d’installation.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>Aucun dossier d’installation n’est indiqué.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>Le programme d’installation ne peut pas être lancé depuis le dossier racine.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>Le dossier d’installation se trouve dans le dossier du programme d’installation.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Impossible de désinstaller le programme.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>Aucun dossier de désinstallation n’est indiqué.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>Impossible de trouver le dossier.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>Impossible de supprimer le contenu du dossier.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Dossier système inconnu.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>Impossible de créer le dossier.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>Impossible d’obtenir la taille du fichier.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>Nom de destination vide.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>Impossible de trouver le premier fichier.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>Impossible de traiter le dossier.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>Impossible de renommer.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Ce système d’exploitation ne prend pas en charge les liens chaînés.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>Impossible d’enregistrer le fichier de raccourci.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>Impossible d’initialiser l’instance.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>Impossible de définir le chemin cible.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>Impossible de définir le dossier de travail.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>Impossible de définir les arguments.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>Impossible de définir la description.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>Impossible de définir le chemin de l’icône.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>Impossible de définir le raccourci clavier.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>Impossible de définir l’état d’affichage de la fenêtre.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>Impossible d’interroger l’interface.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Impossible d’ouvrir le site.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Impossible d’afficher la fenêtre «&#xa0;À propos&#xa0;».</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Impossible de charger la partie.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>Impossible d’ouvrir le lien.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>Impossible d’ouvrir l’aide.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>Impossible de préparer la fenêtre principale.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Impossible de charger la dernière partie.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Impossible d’enregistrer la partie.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Ce n’est ni une image ni une partie Mosavo.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>Impossible d’enregistrer les records.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>Impossible d’afficher les records.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>Impossible de coller l’image.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Impossible d’enregistrer l’image.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Impossible de donner le focus à une fenêtre désactivée ou invisible.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Abandon intercepté.<byte value="xd"/>
Le programme doit être arrêté.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Parfait</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Erreur au début de la fonction</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panique</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Catastrophe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>État de fonction inconnu</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>Le dossier livré ne contient pas la liste de ses fichiers.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>La liste des fichiers livrés désigne un fichier hors du dossier livré.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Un fichier de la liste des fichiers livrés est manquant.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>Impossible de copier le fichier.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>Le dossier d’installation n’a pas pu être protégé contre les modifications d’autres utilisateurs.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà.
Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavo est en cours d’exécution. Fermez-le, puis relancez l’installation ou la désinstallation.</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>La désinstallation a été annulée&#xa0;: elle nécessite les droits d’administrateur.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>L’installation a été annulée&#xa0;: elle nécessite les droits d’administrateur.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>Aucun dossier d’installation ou de désinstallation n’est indiqué.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Installer le programme dans le dossier «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Rien n’a été supprimé. Cette copie de %1 dans «&#xa0;%2&#xa0;» n’a pas été installée par le programme d’installation.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>Supprimer le dossier «&#xa0;%1&#xa0;» (et tous les fichiers qu’il contient)&#xa0;?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Désinstallation réussie. Certains fichiers en cours d’utilisation n’ont pas été supprimés.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>La partie a été modifiée. L’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>Le fichier d’aide est introuvable&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Valeur entière hors limites.
Elle prendra sa valeur par défaut.
    * Minimum = %1
    * Maximum = %2
    * Par défaut = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>ce n’est pas une image que ce programme sait lire</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>elle est endommagée</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>elle est trop grande (%1 mégapixels)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>L’image «&#xa0;%1&#xa0;» ne peut pas être affichée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Image (%1)</translation>
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
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n mauvais coup</numerusform>
            <numerusform>%n mauvais coups</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Nouveau record&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Votre record&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Le fichier des records «&#xa0;%1&#xa0;» est illisible. Il a été conservé sous le nom «&#xa0;%2&#xa0;», et les records repartent de zéro.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Le fichier des records «&#xa0;%1&#xa0;» ne peut être ni lu ni conservé sous un autre nom. Les records repartent de zéro et le remplaceront.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>La partie en cours ne peut pas être conservée pour la reprendre après un plantage.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>L’image de la partie a disparu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>L’image de la partie n’est pas une image que Mosavo peut afficher&#xa0;: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Elle est conservée sous le nom %1.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Elle reste dans %1.</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>La partie en cours n’a pas pu être restaurée.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Écrit par les bénévoles du projet Mosavo.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Visitez notre site pour les nouvelles, les nouvelles versions et des images avec lesquelles jouer. Nos programmes&#xa0;: Mosavo, le puzzle d’images, et son programme d’installation.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Visiter mon site</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Me contacter</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo&#xa0;: mélangez une image, puis reconstituez-la&#xa0;!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Version %1, publiée le %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>OK (&amp;sans erreur)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>&amp;Quitter immédiatement le programme</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Consigner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Récursion</translation>
    </message>
    <message>
        <source>None</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Tentatives récursives = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Aide de Mosavo</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>Le programme peut être réinstallé sans désinstaller sa version précédente. Le fichier d’options existant sera conservé. Pour réparer le paquet installé, réinstallez simplement le programme. Avant de continuer, fermez toutes les instances du programme en cours d’exécution.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>Installer %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Bienvenue dans %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>Le dossier d’installation du programme sera placé dans le dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Désinstaller %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>%1 vous dit au revoir</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>Le dossier suivant va être supprimé&#xa0;:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>&amp;Désinstaller</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Vous avez joué %n coup.</numerusform>
            <numerusform>Vous avez joué %n coups.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Il reste %n pièce à remettre en place.</numerusform>
            <numerusform>Il reste %n pièces à remettre en place.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Vous avez joué %n mauvais coup.</numerusform>
            <numerusform>Vous avez joué %n mauvais coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Appuyez sur [F5] pour charger une image, sur [L] pour charger une partie, ou collez-en une avec [Ctrl + V].</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Appuyez sur [Alt + M] pour mélanger l’image.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Faites glisser une pièce du puzzle sur une autre pour les échanger.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Clavier&#xa0;: les touches fléchées, Début et Fin déplacent le cadre en pointillés. Entrée prend la pièce et la dépose, Échap la remet en place.
H et V retournent la pièce, M marque la case, et la touche ? maintenue montre où va la pièce.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo s’est arrêté sans enregistrer la partie en cours. La restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Le presse-papiers ne contient aucune image.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>Le puzzle est résolu.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Partie Mosavo (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Partie Mosavo</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Afficher des informations sur le programme</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Recharger l’image actuelle</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Ouvrir l’image</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Coller une image</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Charger la dernière partie</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Annuler le coup</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Télécharger des images</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Fonds d’écran de jeux</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>Autoriser le &amp;retournement des pièces</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>&amp;Grille claire</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Image originale</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Image du puzzle</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Colonne %1. Ligne %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Colonne %1&#xa0;; Ligne %2&#xa0;; Retournée horiz. %3&#xa0;; Retournée vert. %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Afficher le temps</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 x %2, avec retournement</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Moins de mauvais coups</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Dernière résolution</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>Supprimer le record sélectionné&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Supprimer %n record sélectionné&#xa0;?</numerusform>
            <numerusform>Supprimer les %n records sélectionnés&#xa0;?</numerusform>
        </translation>
    </message>
</context>
</TS>
