<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>Окно сообщения об ошибке не создано. Его необходимо создать.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Необработанная ошибка.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Необработанное исключение: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Необработанное исключение общего вида.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>В файле игры не указана картинка.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>Имя картинки игры длиннее %1 байт.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>Не удалось удалить файл.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>Этот текст нельзя сохранить в ini-файле.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>Не удалось создать файл.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Не удалось записать файл.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>Не удалось заменить файл.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>Не удалось прочитать файл.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Файл доступен только для чтения.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Не удалось загрузить файл.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Не удалось сохранить файл.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>Файл не был загружен.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Не удалось выполнить операцию.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Не удалось запустить программу с правами администратора.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>Не удалось запустить файл.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>Не удалось запустить установленную программу.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>В записи об удалении не указан файл программы.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Не удалось установить программу. Проверьте, есть ли у вас права на запись в папку установки.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>Папка установки не указана.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>Программу установки нельзя запускать из корневой папки.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>Папка установки находится в папке программы установки.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Не удалось удалить программу.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>Папка для удаления не указана.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>Не удаётся найти папку.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>Не удалось удалить содержимое папки.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Неизвестная системная папка.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>Не удалось создать папку.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>Не удалось получить размер файла.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>Пустое имя назначения.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>Не удалось найти первый файл.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>Не удалось обработать папку.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>Не удалось переименовать.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Эта операционная система не поддерживает ярлыки на ярлыки.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>Не удалось сохранить файл ярлыка.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>Не удалось инициализировать экземпляр.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>Не удалось задать путь к объекту.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>Не удалось задать рабочую папку.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>Не удалось задать аргументы.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>Не удалось задать описание.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>Не удалось задать путь к значку.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>Не удалось задать сочетание клавиш.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>Не удалось задать режим окна.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>Не удалось запросить интерфейс.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Не удалось открыть сайт.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Не удалось показать окно «О программе».</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Такого файла нет.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Не удалось загрузить игру.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>Не удалось открыть ссылку.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>Не удалось открыть справку.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>Не удалось подготовить главное окно.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Не удалось загрузить последнюю игру.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Не удалось сохранить игру.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Такого файла нет</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Это не картинка и не игра Mosavo.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>Не удалось сохранить рекорды.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>Не удалось показать рекорды.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>Не удалось вставить картинку.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Не удалось сохранить картинку.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Нельзя передать фокус отключённому или невидимому окну.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Перехвачено аварийное завершение.<byte value="xd"/>
Программа должна быть закрыта.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Отлично</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Ошибка в начале функции</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Паника</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Катастрофа</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>Неизвестное состояние функции</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>В поставляемой папке нет списка её файлов.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>Список поставляемых файлов указывает на файл вне поставляемой папки.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Отсутствует файл из списка поставляемых файлов.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>Не удалось скопировать файл.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>Не удалось защитить папку установки от изменений другими пользователями.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>Файл «%1» уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Программа Mosavo запущена. Закройте её, затем снова запустите программу установки (удаления).</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Удаление отменено: требуются права администратора.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>Установка отменена: требуются права администратора.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>Папка установки (удаления) не указана.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Установить программу в папку «%1»?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Ничего не удалено. Эта копия %1 в папке «%2» была установлена не программой установки.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>Удалить папку «%1» (вместе со всеми файлами в ней)?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Удаление завершено. Некоторые файлы использовались и не были удалены.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>Игра изменена. Сохранить её?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>Файл справки отсутствует:
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Целое значение вне допустимых пределов.
Будет установлено значение по умолчанию.
    * Минимум = %1
    * Максимум = %2
    * По умолчанию = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>программа не может прочитать её как картинку</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>файл повреждён</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>она слишком большая (%1 Мпикс)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Картинку «%1» нельзя показать: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Картинка (%1)</translation>
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
            <numerusform>%n ход</numerusform>
            <numerusform>%n хода</numerusform>
            <numerusform>%n ходов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n неверный ход</numerusform>
            <numerusform>%n неверных хода</numerusform>
            <numerusform>%n неверных ходов</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Новый рекорд: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Ваш лучший результат: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Не удаётся прочитать файл рекордов «%1». Он сохранён как «%2», а рекорды начинаются заново.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Не удаётся ни прочитать файл рекордов «%1», ни сохранить его под другим именем. Рекорды начинаются заново и заменят его.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>Текущую игру нельзя сохранить для восстановления после сбоя.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>Картинка игры не найдена: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>Mosavo не может показать картинку игры: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Она сохранена как %1.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Она остаётся в файле %1.</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>Не удалось восстановить текущую игру.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Авторы — добровольцы проекта Mosavo.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>На нашем сайте — новости, новые версии и картинки для игры. Наши программы: пазл Mosavo и его программа установки.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Посетить мой сайт</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Написать мне</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: перемешайте картинку, а потом соберите её снова!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Версия %1, выпущена %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>О&amp;К (без ошибок)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>&amp;Немедленно завершить программу</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>В &amp;журнал</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Рекурсия</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Рекурсивных попыток = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Справка Mosavo</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>Программу можно переустановить, не удаляя предыдущую версию. Существующий файл настроек будет сохранён. Чтобы восстановить установленный пакет, просто переустановите программу. Прежде чем продолжить, закройте все запущенные копии программы.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Обзор</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Установить</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>Установка %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Добро пожаловать в %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>Папка программы будет создана в папке:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Удаление %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>%1 прощается с вами</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>Будет удалена следующая папка:</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>&amp;Удалить</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>Вы сделали %n ход.</numerusform>
            <numerusform>Вы сделали %n хода.</numerusform>
            <numerusform>Вы сделали %n ходов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Осталось правильно разместить %n фрагмент.</numerusform>
            <numerusform>Осталось правильно разместить %n фрагмента.</numerusform>
            <numerusform>Осталось правильно разместить %n фрагментов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Вы сделали %n неверный ход.</numerusform>
            <numerusform>Вы сделали %n неверных хода.</numerusform>
            <numerusform>Вы сделали %n неверных ходов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Нажмите [F5], чтобы загрузить картинку, или [L], чтобы загрузить игру. Или вставьте картинку клавишами [Ctrl + V].</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Нажмите [Alt + П], чтобы перемешать картинку.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Перетащите фрагмент пазла на другой, чтобы поменять их местами.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Клавиатура: клавиши со стрелками, Home и End двигают пунктирную рамку. Enter берёт и переносит фрагмент, Esc возвращает его на место.
H и V отражают фрагмент, M отмечает клетку, а удерживание ? показывает, где место фрагмента.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Программа Mosavo была завершена без сохранения текущей игры. Восстановить её?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>В буфере обмена нет картинки.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>Пазл собран.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Игра Mosavo (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Игра Mosavo</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Показать сведения о программе</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Загрузить картинку</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Перезагрузить текущую картинку</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Открыть картинку</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Вставить картинку</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Загрузить последнюю игру</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Загрузить игру</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Отменить ход</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Перемешать</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>С&amp;качать картинки</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Игровые обои</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>&amp;Разрешить отражение фрагментов</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>Светлая се&amp;тка</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Пазл</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ДА</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Столбец %1. Строка %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Столбец %1; строка %2; отражение по горизонтали %3; отражение по вертикали %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Показывать время</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 x %2, с отражением</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Собрано</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Меньше всего ходов</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Меньше всего неверных ходов</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Последняя сборка</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>Удалить выбранный рекорд?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Удалить %n выбранный рекорд?</numerusform>
            <numerusform>Удалить %n выбранных рекорда?</numerusform>
            <numerusform>Удалить %n выбранных рекордов?</numerusform>
        </translation>
    </message>
</context>
</TS>
