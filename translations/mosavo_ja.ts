<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>エラーダイアログのフォームが作成されていません。先に作成する必要があります。</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>未処理のエラーです。<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>不明なエラーです。</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>未処理の例外：%1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>未処理の一般例外です。</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>ゲームファイルに画像が指定されていません。</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>ゲームの画像の名前が%1バイトを超えています。</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>ファイルを削除できませんでした。</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>このテキストはiniファイルに保存できません。</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>ファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>ファイルを置き換えられませんでした。</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>ファイルは読み取り専用です。</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>ファイルが読み込まれていません。</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>操作を実行できませんでした。</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>管理者権限でプログラムを起動できませんでした。</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>ファイルを実行できませんでした。</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>インストールしたプログラムを起動できませんでした。</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>アンインストール情報にプログラムファイルが指定されていません。</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>プログラムをインストールできませんでした。インストール先フォルダーへの書き込み権限があるか確認してください。</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>インストール先フォルダーが指定されていません。</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>インストーラーはルートフォルダーからは実行できません。</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>インストール先フォルダーがインストーラーのフォルダーの中にあります。</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>プログラムをアンインストールできませんでした。</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>アンインストールするフォルダーが指定されていません。</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>フォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>フォルダーの中身を削除できませんでした。</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>不明なシステムフォルダーです。</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>フォルダーを作成できませんでした。</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>ファイルサイズを取得できませんでした。</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>コピー先の名前が空です。</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>最初のファイルを検索できませんでした。</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>フォルダーを処理できませんでした。</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>名前を変更できませんでした。</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>このオペレーティングシステムはリンクの連鎖をサポートしていません。</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>リンクファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>インスタンスを初期化できませんでした。</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>リンク先のパスを設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>作業フォルダーを設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>引数を設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>説明を設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>アイコンのパスを設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>ショートカットキーを設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>ウィンドウの表示方法を設定できませんでした。</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>インターフェイスを照会できませんでした。</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>サイトを開けませんでした。</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>「バージョン情報」ダイアログを表示できませんでした。</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>そのようなファイルはありません。</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>ゲームを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>リンクを開けませんでした。</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>ヘルプを開けませんでした。</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>メインウィンドウを準備できませんでした。</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>前回のゲームを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>ゲームを保存できませんでした。</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>そのようなファイルはありません</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>これは画像でもMosavoのゲームでもありません。</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>記録を保存できませんでした。</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>記録を表示できませんでした。</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>画像を貼り付けられませんでした。</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>画像を保存できませんでした。</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>無効または非表示のウィンドウにはフォーカスを移せません。</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>異常終了（abort）を検出しました。<byte value="xd"/>
プログラムを終了する必要があります。</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>関数開始時のエラー</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>パニック</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>致命的な障害</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>不明な関数の状態</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>配布フォルダーにファイルの一覧がありません。</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>配布ファイルの一覧に、配布フォルダーの外にあるファイルが含まれています。</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>配布ファイルの一覧にあるファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>ファイルをコピーできませんでした。</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>インストールフォルダーを他のユーザーによる変更から保護できませんでした。</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>ファイル「%1」はすでに存在します。
上書きしますか？</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>Mosavoが実行中です。Mosavoを終了してから、インストーラー（アンインストーラー）をもう一度起動してください。</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>アンインストールは中止されました。管理者権限が必要です。</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>インストールは中止されました。管理者権限が必要です。</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>インストール（アンインストール）するフォルダーが指定されていません。</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>フォルダー「%1」にプログラムをインストールしますか？</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>何も削除されていません。「%2」にある%1は、インストーラーでインストールされたものではありません。</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>フォルダー「%1」（と中のすべてのファイル）を削除しますか？</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>アンインストールが完了しました。使用中だった一部のファイルは削除されませんでした。</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>ゲームが変更されています。保存しますか？</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>ヘルプファイルが見つかりません：
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>整数値が範囲外です。
既定値に設定されます。
    * 最小値 = %1
    * 最大値 = %2
    * 既定値 = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>このプログラムで読み込める画像ではありません</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>ファイルが破損しています</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>大きすぎます（%1メガピクセル）</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>画像「%1」を表示できません：%2。</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>画像 (%1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n手</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>ミス%n回</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>新記録：%1</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>自己ベスト：%1</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>記録ファイル「%1」を読み取れません。このファイルは「%2」として保管し、記録は最初からやり直しになります。</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>記録ファイル「%1」を読み取れず、別の名前で保管することもできません。記録は最初からやり直しになり、このファイルは置き換えられます。</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>クラッシュ後の再起動に備えて、プレイ中のゲームを保存しておくことができません。
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>ゲームの画像が見つかりません：%1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>ゲームの画像はMosavoで表示できる画像ではありません：%1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>ファイルは%1として保管されています。</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>ファイルは%1に残っています。</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>プレイ中のゲームを復元できませんでした。
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Mosavoプロジェクトのボランティアが作成しました。</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>最新情報、新しいバージョン、遊べる画像はWebサイトでどうぞ。私たちのプログラム：画像パズルMosavoとそのインストーラー。</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Webサイトを見る</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo：画像をシャッフルして、元どおりに組み立てよう！</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>バージョン%1（%2リリース）</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>OK（エラーなし）(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>アプリケーションを直ちに終了(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>ログに記録(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>再帰</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>再帰の試行回数 = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Mosavoヘルプ</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>以前のバージョンをアンインストールしなくても、プログラムを再インストールできます。既存の設定ファイルはそのまま残ります。インストールしたパッケージを修復したい場合も、プログラムを再インストールするだけでかまいません。続行する前に、実行中のプログラムをすべて終了してください。</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>参照(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>インストール(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>%1のインストール</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>%1へようこそ</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>プログラムのインストール先フォルダーは次の場所に作成されます：</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1のアンインストール</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>さようなら、%1</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>次のフォルダーが削除されます：</translation>
    </message>
    <message>
        <source>Un&amp;install</source>
        <translation>アンインストール(&amp;I)</translation>
    </message>
</context>
<context>
    <name>TMosavoForm</name>
    <message numerus="yes">
        <source>You have made %n moves.</source>
        <translation>
            <numerusform>%n手動かしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>正しい位置にないピースは残り%n個です。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>ミスは%n回です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>[F5]で画像を、[L]でゲームを読み込みます。[Ctrl + V]で画像を貼り付けることもできます。</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>[Alt + R]で画像をシャッフルします。</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>ピースを別のピースの上にドラッグすると、2つが入れ替わります。</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>キーボード：矢印キー、Home、Endで破線の枠を動かします。Enterでピースをつかんで置き、Escで元に戻します。
HとVでピースを反転、Mでマスに印を付け、?を押し続けるとピースの本来の位置を表示します。</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>Mosavoはプレイ中のゲームを保存せずに終了しました。復元しますか？</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>クリップボードに画像がありません。</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>パズルが完成しました。</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Mosavoゲーム (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Mosavoゲーム</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>プログラムの情報を表示します</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>操作(&amp;W)</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>画像を読み込む</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>現在の画像を再読み込み</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>画像をビューアーで開く</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>画像を貼り付け</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>前回のゲームを読み込む</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>ゲームを読み込む</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>ゲームを保存</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>一手戻す</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>シャッフル(&amp;R)</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>画像のダウンロード(&amp;L)</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>ゲームの壁紙</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
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
        <translation>ピースの反転を許可(&amp;F)</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>明るいグリッド(&amp;G)</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>元の画像</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>パズル画像</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>システムの言語</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>%1列目、%2行目</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>%1列目、%2行目、左右反転：%3、上下反転：%4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>時間を表示</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>時間：%1</translation>
    </message>
</context>
<context>
    <name>TRecordsForm</name>
    <message>
        <source>%1 x %2, flipped</source>
        <translation>%1×%2、反転あり</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1×%2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>完成回数</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>最少手数</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>最少ミス</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>最短時間</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>最終完成日時</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>選択した記録を削除しますか？</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>選択した%n件の記録を削除しますか？</numerusform>
        </translation>
    </message>
</context>
</TS>
