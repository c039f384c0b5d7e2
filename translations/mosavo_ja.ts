<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Error</name>
    <message>
        <location filename="../src/core/Error.cpp" line="+130"/>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+185"/>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Error.h" line="+176"/>
        <location filename="../src/ui/Application.cpp" line="+29"/>
        <source>Unknown error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Unhandled exception: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unhandled generic exception.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/GameFile.cpp" line="+64"/>
        <source>The game file names no picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Recovery.cpp" line="+138"/>
        <source>Failed to delete file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/StoredTextList.cpp" line="+258"/>
        <source>The text cannot be stored in an ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Failed to create file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+10"/>
        <location line="+7"/>
        <source>Failed to write file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Failed to replace file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <location filename="../src/ui/Install.cpp" line="+178"/>
        <location filename="../src/ui/MosavoDialog.cpp" line="+280"/>
        <source>Failed to open file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/ui/Install.cpp" line="+3"/>
        <source>Failed to read file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <location filename="../src/ui/MosavoDialog.cpp" line="-21"/>
        <location line="+15"/>
        <location filename="../src/ui/MosavoDialogOpenFile.cpp" line="+31"/>
        <source>Failed to load file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Failed to save file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>The file has not been loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/Mosavo.cpp" line="+37"/>
        <location filename="../src/ui/Error.cpp" line="+159"/>
        <source>Failed to perform.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/Install.cpp" line="+222"/>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <location line="+102"/>
        <location filename="../src/platform/posix/File.cpp" line="+421"/>
        <location filename="../src/platform/win32/File.cpp" line="+427"/>
        <source>Failed to run file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-110"/>
        <source>Failed to start the installed program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The uninstall entry names no program file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Installation directory is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The installer can not run from the root directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Failed to uninstall program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Uninstallation directory is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="../src/platform/posix/FileTree.cpp" line="+120"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+182"/>
        <location line="+4"/>
        <source>Can not find directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/platform/posix/FileTree.cpp" line="+9"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+12"/>
        <source>Failed to delete directory content.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/posix/File.cpp" line="-65"/>
        <location filename="../src/platform/win32/File.cpp" line="-84"/>
        <source>Unknown system folder.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <location filename="../src/platform/win32/File.cpp" line="+46"/>
        <source>Failed to get file size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/posix/FileTree.cpp" line="+43"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+47"/>
        <source>Empty destination name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+10"/>
        <source>Failed to find first file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+12"/>
        <source>Failed to process directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="+44"/>
        <source>Failed to rename.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/posix/LinkFile.cpp" line="+160"/>
        <location filename="../src/platform/win32/LinkFile.cpp" line="+134"/>
        <source>This operating system does not support chained links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/platform/win32/LinkFile.cpp" line="-31"/>
        <source>Failed to save link file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/win32/LinkFile.cpp" line="-20"/>
        <source>Failed to initialize instance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Failed to set reference path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set working path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set arguments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set icon path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to set hot key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to set show command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to query interface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/AboutDialog.cpp" line="+25"/>
        <source>Failed to open site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+323"/>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialog.cpp" line="-126"/>
        <location filename="../src/ui/MosavoDialogGameFile.cpp" line="+172"/>
        <source>There is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <location filename="../src/ui/MosavoDialogGameFile.cpp" line="-69"/>
        <location filename="../src/ui/MosavoDialogOpenFile.cpp" line="-3"/>
        <source>Failed to load game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+140"/>
        <location line="+2"/>
        <source>Failed to open link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+10"/>
        <source>Failed to open help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="+451"/>
        <source>Failed to prepare main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogGameFile.cpp" line="-9"/>
        <source>Failed to load last game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Failed to save game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>There is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogOpenFile.cpp" line="+5"/>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogRecords.cpp" line="+256"/>
        <source>Failed to save records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Failed to show records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogTransfer.cpp" line="+97"/>
        <location line="+10"/>
        <source>Failed to paste picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/PictureTransfer.cpp" line="-63"/>
        <location line="+77"/>
        <location line="+18"/>
        <source>Failed to save picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/Utilities.cpp" line="+71"/>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/Program.cpp" line="+20"/>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <location filename="../src/core/Dialogs.cpp" line="+54"/>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+5"/>
        <source>Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/Error.cpp" line="-186"/>
        <location filename="../src/platform/posix/FileTree.cpp" line="-52"/>
        <location filename="../src/platform/win32/FileTree.cpp" line="-44"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/StoredTextList.cpp" line="-24"/>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/Mosavo.cpp" line="+15"/>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/platform/Install.cpp" line="-220"/>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>(Un)Installation directory is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialog.cpp" line="-235"/>
        <source>The game has been modified. Save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+231"/>
        <source>The help file is missing:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/Utilities.cpp" line="-39"/>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <location filename="../src/core/Picture.cpp" line="+76"/>
        <source>not a picture this program can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>too large: %1 megapixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/Picture.cpp" line="+312"/>
        <source>Picture (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <location filename="../src/core/Records.cpp" line="+62"/>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+58"/>
        <source>%n moves</source>
        <comment>in a record</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>New record: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your best: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogRecords.cpp" line="-63"/>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../src/ui/MosavoDialogRecovery.cpp" line="+142"/>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The game&apos;s picture is gone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>It is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It stays in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <location filename="../src/ui/AboutDialog.cpp" line="-162"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Okay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Visit my site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Contact me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Version %1, released on %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <location filename="../src/ui/Error.cpp" line="-109"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>&amp;Okay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>O&amp;kay (no errors)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Terminate application immediately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Recursion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recursive attempts = %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <location filename="../src/ui/HelpDialog.cpp" line="+29"/>
        <source>Mosavo Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <location filename="../src/ui/Install.cpp" line="-156"/>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+123"/>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+54"/>
        <source>&amp;Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-51"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Install %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Uninstall %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bye from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The following directory will be deleted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Un&amp;install</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <location filename="../src/ui/MosavoDialog.cpp" line="-97"/>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="-44"/>
        <source>You have made %n moves.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="-1"/>
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="+2"/>
        <source>You have made %n wrong moves.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialog.h" line="+87"/>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The clipboard holds no picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The puzzle is solved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogConstruction.cpp" line="-352"/>
        <source>Mosavo game (*.mzg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Mosavo game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <location line="+182"/>
        <source>Display information about the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-140"/>
        <source>&amp;Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reload current picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Paste picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load last game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Randomize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Down&amp;load pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Game wallpapers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Allow &amp;flipping pieces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Light &amp;grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+128"/>
        <source>Original picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Puzzle picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogLanguage.cpp" line="+13"/>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogPointer.cpp" line="+32"/>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Column %1. Row %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/MosavoDialogRecords.cpp" line="-127"/>
        <source>Show time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Time: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <location filename="../src/ui/RecordsDialog.cpp" line="+57"/>
        <source>%1 x %2, flipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best wrong moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last solved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Remove the selected record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Remove the %n selected records?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
