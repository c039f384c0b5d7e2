<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>错误对话框窗体尚未创建。必须先创建它。</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>未处理的错误。<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>未知错误。</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>未处理的异常：%1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>未处理的一般异常。</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>游戏文件中没有指明图片。</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>游戏图片的名称超过 %1 字节。</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>无法删除文件。</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>该文本无法保存到 ini 文件中。</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>无法创建文件。</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>无法写入文件。</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>无法替换文件。</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>无法打开文件。</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>该文件为只读。</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>无法载入文件。</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>无法保存文件。</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>文件尚未载入。</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>无法执行操作。</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>无法以管理员权限启动程序。</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>无法运行文件。</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>无法启动已安装的程序。</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>卸载项中没有指明程序文件。</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>无法安装程序。请检查您是否有权写入安装文件夹。</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>未指定安装文件夹。</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>安装程序不能从根文件夹运行。</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>安装文件夹位于安装程序所在的文件夹中。</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>无法卸载程序。</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>未指定要卸载的文件夹。</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>找不到文件夹。</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>无法删除文件夹中的内容。</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>未知的系统文件夹。</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>无法创建文件夹。</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>无法获取文件大小。</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>目标名称为空。</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>无法找到第一个文件。</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>无法处理文件夹。</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>无法重命名。</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>此操作系统不支持链式链接。</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>无法保存链接文件。</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>无法初始化实例。</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>无法设置目标路径。</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>无法设置工作路径。</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>无法设置参数。</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>无法设置说明。</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>无法设置图标路径。</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>无法设置快捷键。</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>无法设置窗口显示方式。</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>无法查询接口。</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>无法打开网站。</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>无法显示“关于”对话框。</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>没有这个文件。</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>无法载入游戏。</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>无法打开链接。</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>无法打开帮助。</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>无法准备主窗口。</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>无法载入上次的游戏。</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>无法保存游戏。</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>这既不是图片，也不是 Mosavo 游戏。</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>无法保存纪录。</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>无法显示纪录。</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>无法粘贴图片。</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>无法保存图片。</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>无法将焦点移到已禁用或不可见的窗口。</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>捕获到异常中止（abort）。<byte value="xd"/>
必须终止程序。</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>完美</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>函数开始时出错</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>严重错误</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>灾难性故障</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>未知的函数状态</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>发行文件夹中没有其文件列表。</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>发行文件列表中列出了发行文件夹之外的文件。</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>发行文件列表中的某个文件缺失。</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>无法复制文件。</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>无法保护安装文件夹免受其他用户的更改。</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>询问</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>文件“%1”已存在。
要覆盖吗？</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavo 正在运行。请先关闭它，然后重新启动安装（卸载）程序。</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>卸载已取消：需要管理员权限。</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>安装已取消：需要管理员权限。</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>未指定安装（卸载）文件夹。</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>要将程序安装到文件夹“%1”中吗？</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>未删除任何内容。“%2”中的这份 %1 不是由安装程序安装的。</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>要删除文件夹“%1”（及其中的所有文件）吗？</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>卸载完成。部分正在使用的文件未被删除。</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>游戏已更改。要保存吗？</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>找不到帮助文件：
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>整数值超出范围。
将设为默认值。
    * 最小值 = %1
    * 最大值 = %2
    * 默认值 = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>不是本程序能读取的图片</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>文件已损坏</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>图片过大（%1 百万像素）</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>无法显示图片“%1”：%2。</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n 步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>走错 %n 步</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>新纪录：%1。</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>个人最佳：%1。</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>无法读取纪录文件“%1”。该文件已另存为“%2”，纪录将重新开始。</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>无法读取纪录文件“%1”，也无法以其他名称保留。纪录将重新开始，并替换该文件。</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>无法保存正在进行的游戏，崩溃后重新启动时将无法恢复。
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>找不到游戏的图片：%1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>游戏的图片不是 Mosavo 能显示的图片：%1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>该文件已另存为 %1。</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>该文件仍保留在 %1 中。</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>无法恢复正在进行的游戏。
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>由 Mosavo 项目的志愿者编写。</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>欢迎访问我们的网站，获取新闻、新版本和可供游戏的图片。我们的程序：图片拼图 Mosavo 及其安装程序。</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>访问网站</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>联系作者</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo：打乱图片，再把它拼回去！</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>版本 %1，发布于 %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>确定（无错误）(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>立即终止程序(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>写入日志(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>递归</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>递归尝试次数 = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Mosavo 帮助</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>无需卸载旧版本即可重新安装本程序，现有的设置文件会被保留。如果想修复已安装的程序，只需重新安装即可。继续之前，请关闭所有正在运行的本程序。</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>浏览(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>安装(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>安装 %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>欢迎使用 %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>程序的安装文件夹将创建在以下位置：</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>卸载 %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>感谢使用 %1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>将删除以下文件夹：</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>卸载(&amp;I)</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>已走 %n 步。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>还有 %n 个图块未放到正确位置。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>走错 %n 步。</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>按 [F5] 载入图片，按 [L] 载入游戏，或按 [Ctrl + V] 粘贴图片。</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>按 [Alt + R] 打乱图片。</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>把一个图块拖到另一个图块上，即可互换两者。</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>键盘：方向键、Home 和 End 移动虚线框。回车键拿起并放下图块，Esc 将其放回原处。
H 和 V 翻转图块，M 标记格子，按住 ? 显示图块应在的位置。</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavo 退出时没有保存正在进行的游戏。要恢复吗？</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>剪贴板中没有图片。</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>拼图已完成。</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Mosavo 游戏 (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Mosavo 游戏</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>显示程序的相关信息</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>操作(&amp;W)</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>载入图片</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>重新载入当前图片</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>在看图程序中打开</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>粘贴图片</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>载入上次的游戏</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>载入游戏</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>撤销一步</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>打乱(&amp;R)</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>下载图片(&amp;L)</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>游戏壁纸</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>允许翻转图块(&amp;F)</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>浅色网格(&amp;G)</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>拼图</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>第 %1 列，第 %2 行</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>第 %1 列；第 %2 行；左右翻转：%3；上下翻转：%4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>显示时间</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>纪录</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>用时：%1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1 × %2，含翻转</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>纪录</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>完成次数</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>最少步数</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>最少错步</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>最短用时</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>最近完成</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>删除(&amp;R)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>要删除所选的纪录吗？</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>要删除所选的 %n 条纪录吗？</numerusform>
        </translation>
    </message>
</context>
</TS>
