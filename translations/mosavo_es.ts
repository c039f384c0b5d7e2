<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>No se ha creado la ventana del diálogo de error. Debe crearse primero.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Error no controlado.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Excepción no controlada: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Excepción genérica no controlada.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>El archivo de partida no indica ninguna imagen.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>El nombre de la imagen de la partida supera los %1 bytes.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>No se pudo borrar el archivo.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>El texto no se puede guardar en un archivo INI.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>No se pudo crear el archivo.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>No se pudo sustituir el archivo.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>No se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>No se pudo cargar el archivo.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>El archivo no se ha cargado.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>No se pudo realizar la operación.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>No se pudo iniciar el programa con permisos de administrador.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>No se pudo ejecutar el archivo.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>No se pudo iniciar el programa instalado.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>La entrada de desinstalación no indica ningún archivo de programa.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>No se pudo instalar el programa. Compruebe que tiene permiso de escritura en la carpeta de instalación.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>No se ha indicado la carpeta de instalación.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>El instalador no se puede ejecutar desde la carpeta raíz.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>La carpeta de instalación está dentro de la carpeta del instalador.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>No se pudo desinstalar el programa.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>No se ha indicado la carpeta de desinstalación.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>No se encuentra la carpeta.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>No se pudo borrar el contenido de la carpeta.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Carpeta del sistema desconocida.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>No se pudo crear la carpeta.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>No se pudo obtener el tamaño del archivo.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>El nombre de destino está vacío.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>No se pudo encontrar el primer archivo.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>No se pudo procesar la carpeta.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>No se pudo cambiar el nombre.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Este sistema operativo no admite accesos directos encadenados.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>No se pudo guardar el acceso directo.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>No se pudo inicializar la instancia.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>No se pudo establecer la ruta de destino.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>No se pudo establecer la carpeta de trabajo.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>No se pudieron establecer los argumentos.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>No se pudo establecer la descripción.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>No se pudo establecer la ruta del icono.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>No se pudo establecer la tecla de método abreviado.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>No se pudo establecer el modo de la ventana.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>No se pudo consultar la interfaz.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>No se pudo abrir el sitio web.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>No se pudo mostrar el diálogo «Acerca de».</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Ese archivo no existe.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>No se pudo cargar la partida.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>No se pudo abrir el enlace.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>No se pudo abrir la ayuda.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>No se pudo preparar la ventana principal.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>No se pudo cargar la última partida.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>No se pudo guardar la partida.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Ese archivo no existe</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Esto no es ni una imagen ni una partida de Mosavo.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>No se pudieron guardar los récords.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>No se pudieron mostrar los récords.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>No se pudo pegar la imagen.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>No se pudo guardar la imagen.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>No se puede dar el foco a una ventana desactivada o invisible.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Se ha interceptado una interrupción anómala.<byte value="xd"/>
El programa debe cerrarse.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfecto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Error al comenzar la función</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Pánico</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Catástrofe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>Estado de función desconocido</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>La carpeta distribuida no tiene la lista de sus archivos.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>La lista de archivos distribuidos nombra un archivo fuera de la carpeta distribuida.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Falta un archivo de la lista de archivos distribuidos.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>No se pudo copiar el archivo.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>No se pudo proteger la carpeta de instalación contra cambios de otros usuarios.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>El archivo «%1» ya existe.
¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavo se está ejecutando. Ciérrelo y vuelva a iniciar el instalador o el desinstalador.</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Se canceló la desinstalación: requiere permisos de administrador.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Se canceló la instalación: requiere permisos de administrador.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>No se ha indicado la carpeta de instalación o desinstalación.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>¿Desea instalar el programa en la carpeta «%1»?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>No se ha borrado nada. Esta copia de %1 en «%2» no la instaló el instalador.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>¿Desea borrar la carpeta «%1» (con todos los archivos que contiene)?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Desinstalación completada. Algunos archivos que estaban en uso no se han borrado.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>La partida ha cambiado. ¿Desea guardarla?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>Falta el archivo de ayuda:
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Valor entero fuera de los límites.
Se usará el valor predeterminado.
    * Mínimo = %1
    * Máximo = %2
    * Predeterminado = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>no es una imagen que este programa pueda leer</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>está dañada</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>es demasiado grande: %1 megapíxeles</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>No se puede mostrar la imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Imagen (%1)</translation>
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
            <numerusform>%n movimiento</numerusform>
            <numerusform>%n movimientos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n movimiento erróneo</numerusform>
            <numerusform>%n movimientos erróneos</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Nuevo récord: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Su mejor marca: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>No se puede leer el archivo de récords «%1». Se ha conservado como «%2» y los récords empiezan de nuevo.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>No se puede leer el archivo de récords «%1» ni conservarlo con otro nombre. Los récords empiezan de nuevo y lo sustituirán.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>La partida en juego no se puede guardar para reanudarla tras un fallo.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>La imagen de la partida ya no está: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>La imagen de la partida no es una imagen que Mosavo pueda mostrar: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Se conserva como %1.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Permanece en %1.</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>No se pudo restaurar la partida en juego.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Escrito por los voluntarios del proyecto Mosavo.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Visite nuestro sitio web para ver noticias, versiones nuevas e imágenes con las que jugar. Nuestros programas: Mosavo, el rompecabezas de imágenes, y su instalador.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Visitar mi sitio web</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Contactar</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: ¡mezcle una imagen y vuelva a componerla!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Versión %1, publicada el %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>Aceptar (&amp;sin errores)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>&amp;Terminar la aplicación ahora</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Registrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Recursión</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Intentos recursivos = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Ayuda de Mosavo</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>El programa se puede reinstalar sin necesidad de desinstalar antes la versión anterior. Se conservará el archivo de opciones existente. Si quiere reparar el paquete instalado, basta con volver a instalar el programa. Antes de continuar, cierre todas las instancias del programa que estén en ejecución.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>Instalar %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Le damos la bienvenida a %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>La carpeta de instalación del programa se creará en la carpeta:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Desinstalar %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>%1 se despide</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>Se borrará la carpeta siguiente:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>&amp;Desinstalar</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Ha hecho %n movimiento.</numerusform>
            <numerusform>Ha hecho %n movimientos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Queda %n pieza por colocar correctamente.</numerusform>
            <numerusform>Quedan %n piezas por colocar correctamente.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Ha hecho %n movimiento erróneo.</numerusform>
            <numerusform>Ha hecho %n movimientos erróneos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Pulse [F5] para cargar una imagen. Pulse [L] para cargar una partida. O pegue una imagen con [Ctrl + V].</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Pulse [Alt + M] para mezclar la imagen.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Arrastre una pieza del rompecabezas sobre otra para intercambiarlas.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Teclado: las teclas de flecha, Inicio y Fin mueven el marco discontinuo. Intro levanta la pieza y la suelta; Esc la devuelve.
H y V voltean la pieza, M marca la casilla y mantener pulsado ? muestra dónde va la pieza.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo se cerró sin guardar la partida en juego. ¿Desea restaurarla?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>El portapapeles no contiene ninguna imagen.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>El rompecabezas está resuelto.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Partida de Mosavo (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Juego Mosavo</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Muestra información sobre el programa</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Recargar imagen actual</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Pegar imagen</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Cargar última partida</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Cargar partida</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Deshacer movimiento</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Descargar imágenes</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Fondos de pantalla de juegos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>Permitir &amp;voltear piezas</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>Cuadrícula &amp;clara</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Imagen original</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Imagen del rompecabezas</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Columna %1. Fila %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Columna %1; Fila %2; Volteada horiz. %3; Volteada vert. %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostrar tiempo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 × %2, volteadas</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resoluciones</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Movimientos erróneos</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Última vez resuelto</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>¿Desea eliminar el récord seleccionado?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>¿Desea eliminar %n récord seleccionado?</numerusform>
            <numerusform>¿Desea eliminar los %n récords seleccionados?</numerusform>
        </translation>
    </message>
</context>
</TS>
