<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Error</name>
    <message>
        <source>The error-dialog form is not created. You must create it.</source>
        <translation>A janela da caixa de diálogo de erro não foi criada. É preciso criá-la primeiro.</translation>
    </message>
    <message>
        <source>Unhandled error.<byte value="xd"/>
%1</source>
        <translation>Erro não tratado.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
    </message>
    <message>
        <source>Unhandled exception: %1</source>
        <translation>Exceção não tratada: %1</translation>
    </message>
    <message>
        <source>Unhandled generic exception.</source>
        <translation>Exceção genérica não tratada.</translation>
    </message>
    <message>
        <source>The game file names no picture.</source>
        <translation>O arquivo de jogo não indica nenhuma imagem.</translation>
    </message>
    <message>
        <source>The name of the game&apos;s picture is longer than %1 bytes.</source>
        <translation>O nome da imagem do jogo tem mais de %1 bytes.</translation>
    </message>
    <message>
        <source>Failed to delete file.</source>
        <translation>Não foi possível excluir o arquivo.</translation>
    </message>
    <message>
        <source>The text cannot be stored in an ini file.</source>
        <translation>Não é possível guardar o texto em um arquivo INI.</translation>
    </message>
    <message>
        <source>Failed to create file.</source>
        <translation>Não foi possível criar o arquivo.</translation>
    </message>
    <message>
        <source>Failed to write file.</source>
        <translation>Não foi possível gravar o arquivo.</translation>
    </message>
    <message>
        <source>Failed to replace file.</source>
        <translation>Não foi possível substituir o arquivo.</translation>
    </message>
    <message>
        <source>Failed to open file.</source>
        <translation>Não foi possível abrir o arquivo.</translation>
    </message>
    <message>
        <source>Failed to read file.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>O arquivo é somente leitura.</translation>
    </message>
    <message>
        <source>Failed to load file.</source>
        <translation>Não foi possível carregar o arquivo.</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>Não foi possível salvar o arquivo.</translation>
    </message>
    <message>
        <source>The file has not been loaded.</source>
        <translation>O arquivo não foi carregado.</translation>
    </message>
    <message>
        <source>Failed to perform.</source>
        <translation>Não foi possível realizar a operação.</translation>
    </message>
    <message>
        <source>Failed to start the program with an administrator&apos;s permission.</source>
        <translation>Não foi possível iniciar o programa com permissão de administrador.</translation>
    </message>
    <message>
        <source>Failed to run file.</source>
        <translation>Não foi possível executar o arquivo.</translation>
    </message>
    <message>
        <source>Failed to start the installed program.</source>
        <translation>Não foi possível iniciar o programa instalado.</translation>
    </message>
    <message>
        <source>The uninstall entry names no program file.</source>
        <translation>A entrada de desinstalação não indica nenhum arquivo de programa.</translation>
    </message>
    <message>
        <source>Failed to install program. Check to see if you have rights to write in the installation directory.</source>
        <translation>Não foi possível instalar o programa. Verifique se você tem permissão de gravação na pasta de instalação.</translation>
    </message>
    <message>
        <source>Installation directory is empty.</source>
        <translation>A pasta de instalação não foi informada.</translation>
    </message>
    <message>
        <source>The installer can not run from the root directory.</source>
        <translation>O instalador não pode ser executado a partir da pasta raiz.</translation>
    </message>
    <message>
        <source>The installation directory lies in the installer&apos;s folder.</source>
        <translation>A pasta de instalação fica dentro da pasta do instalador.</translation>
    </message>
    <message>
        <source>Failed to uninstall program.</source>
        <translation>Não foi possível desinstalar o programa.</translation>
    </message>
    <message>
        <source>Uninstallation directory is empty.</source>
        <translation>A pasta de desinstalação não foi informada.</translation>
    </message>
    <message>
        <source>Can not find directory.</source>
        <translation>Pasta não encontrada.</translation>
    </message>
    <message>
        <source>Failed to delete directory content.</source>
        <translation>Não foi possível excluir o conteúdo da pasta.</translation>
    </message>
    <message>
        <source>Unknown system folder.</source>
        <translation>Pasta do sistema desconhecida.</translation>
    </message>
    <message>
        <source>Failed to create directory.</source>
        <translation>Não foi possível criar a pasta.</translation>
    </message>
    <message>
        <source>Failed to get file size.</source>
        <translation>Não foi possível obter o tamanho do arquivo.</translation>
    </message>
    <message>
        <source>Empty destination name.</source>
        <translation>O nome de destino está vazio.</translation>
    </message>
    <message>
        <source>Failed to find first file.</source>
        <translation>Não foi possível encontrar o primeiro arquivo.</translation>
    </message>
    <message>
        <source>Failed to process directory.</source>
        <translation>Não foi possível processar a pasta.</translation>
    </message>
    <message>
        <source>Failed to rename.</source>
        <translation>Não foi possível renomear.</translation>
    </message>
    <message>
        <source>This operating system does not support chained links.</source>
        <translation>Este sistema operacional não permite atalhos encadeados.</translation>
    </message>
    <message>
        <source>Failed to save link file.</source>
        <translation>Não foi possível salvar o atalho.</translation>
    </message>
    <message>
        <source>Failed to initialize instance.</source>
        <translation>Não foi possível inicializar a instância.</translation>
    </message>
    <message>
        <source>Failed to set reference path.</source>
        <translation>Não foi possível definir o caminho de destino.</translation>
    </message>
    <message>
        <source>Failed to set working path.</source>
        <translation>Não foi possível definir a pasta de trabalho.</translation>
    </message>
    <message>
        <source>Failed to set arguments.</source>
        <translation>Não foi possível definir os argumentos.</translation>
    </message>
    <message>
        <source>Failed to set description.</source>
        <translation>Não foi possível definir a descrição.</translation>
    </message>
    <message>
        <source>Failed to set icon path.</source>
        <translation>Não foi possível definir o caminho do ícone.</translation>
    </message>
    <message>
        <source>Failed to set hot key.</source>
        <translation>Não foi possível definir a tecla de atalho.</translation>
    </message>
    <message>
        <source>Failed to set show command.</source>
        <translation>Não foi possível definir o modo da janela.</translation>
    </message>
    <message>
        <source>Failed to query interface.</source>
        <translation>Não foi possível consultar a interface.</translation>
    </message>
    <message>
        <source>Failed to open site.</source>
        <translation>Não foi possível abrir o site.</translation>
    </message>
    <message>
        <source>Failed to show the &quot;About&quot; dialog.</source>
        <translation>Não foi possível mostrar a caixa de diálogo “Sobre”.</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Esse arquivo não existe.</translation>
    </message>
    <message>
        <source>Failed to load game.</source>
        <translation>Não foi possível carregar o jogo.</translation>
    </message>
    <message>
        <source>Failed to open link.</source>
        <translation>Não foi possível abrir o link.</translation>
    </message>
    <message>
        <source>Failed to open help.</source>
        <translation>Não foi possível abrir a ajuda.</translation>
    </message>
    <message>
        <source>Failed to prepare main window.</source>
        <translation>Não foi possível preparar a janela principal.</translation>
    </message>
    <message>
        <source>Failed to load last game.</source>
        <translation>Não foi possível carregar o último jogo.</translation>
    </message>
    <message>
        <source>Failed to save game.</source>
        <translation>Não foi possível salvar o jogo.</translation>
    </message>
    <message>
        <source>There is no such file</source>
        <translation>Esse arquivo não existe</translation>
    </message>
    <message>
        <source>This is neither a picture nor a Mosavo game.</source>
        <translation>Isto não é uma imagem nem um jogo do Mosavo.</translation>
    </message>
    <message>
        <source>Failed to save records.</source>
        <translation>Não foi possível salvar os recordes.</translation>
    </message>
    <message>
        <source>Failed to show records.</source>
        <translation>Não foi possível mostrar os recordes.</translation>
    </message>
    <message>
        <source>Failed to paste picture.</source>
        <translation>Não foi possível colar a imagem.</translation>
    </message>
    <message>
        <source>Failed to save picture.</source>
        <translation>Não foi possível salvar a imagem.</translation>
    </message>
    <message>
        <source>Cannot focus a disabled or invisible window.</source>
        <translation>Não é possível dar o foco a uma janela desativada ou invisível.</translation>
    </message>
    <message>
        <source>Abort intercepted.<byte value="xd"/>
Program must be terminated.</source>
        <translation>Interrupção anormal interceptada.<byte value="xd"/>
O programa precisa ser encerrado.</translation>
    </message>
    <message>
        <source>Perfect</source>
        <translation>Perfeito</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Begin function error</source>
        <translation>Erro no início da função</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Pânico</translation>
    </message>
    <message>
        <source>Catastrophe</source>
        <translation>Catástrofe</translation>
    </message>
    <message>
        <source>Unknown function status</source>
        <translation>Estado de função desconhecido</translation>
    </message>
    <message>
        <source>The shipped folder has no list of its files.</source>
        <translation>A pasta distribuída não tem a lista dos seus arquivos.</translation>
    </message>
    <message>
        <source>The list of shipped files names a file outside the shipped folder.</source>
        <translation>A lista de arquivos distribuídos indica um arquivo fora da pasta distribuída.</translation>
    </message>
    <message>
        <source>A file of the shipped list is missing.</source>
        <translation>Falta um arquivo da lista de arquivos distribuídos.</translation>
    </message>
    <message>
        <source>Failed to copy file.</source>
        <translation>Não foi possível copiar o arquivo.</translation>
    </message>
    <message>
        <source>The installation folder could not be protected from changes by other users.</source>
        <translation>Não foi possível proteger a pasta de instalação contra alterações de outros usuários.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>File &quot;%1&quot;already exists.
Overwrite it?</source>
        <translation>O arquivo “%1” já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Mosavo is running. Close it, then start the (un)installer again.</source>
        <translation>O Mosavo está em execução. Feche-o e inicie o instalador ou o desinstalador de novo.</translation>
    </message>
    <message>
        <source>Uninstallation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>A desinstalação foi cancelada: ela exige permissão de administrador.</translation>
    </message>
    <message>
        <source>Installation was cancelled: it needs an administrator&apos;s permission.</source>
        <translation>A instalação foi cancelada: ela exige permissão de administrador.</translation>
    </message>
    <message>
        <source>(Un)Installation directory is empty.</source>
        <translation>A pasta de instalação ou desinstalação não foi informada.</translation>
    </message>
    <message>
        <source>Install the program in directory &quot;%1&quot;?</source>
        <translation>Instalar o programa na pasta “%1”?</translation>
    </message>
    <message>
        <source>Nothing was deleted. This copy of %1 in &quot;%2&quot; was not installed by the installer.</source>
        <translation>Nada foi excluído. Esta cópia do %1 em “%2” não foi instalada pelo instalador.</translation>
    </message>
    <message>
        <source>Delete directory &quot;%1&quot; (and all contained files)?</source>
        <translation>Excluir a pasta “%1” (e todos os arquivos que ela contém)?</translation>
    </message>
    <message>
        <source>Uninstallation successful. Some files that were in use were not deleted.</source>
        <translation>Desinstalação concluída. Alguns arquivos que estavam em uso não foram excluídos.</translation>
    </message>
    <message>
        <source>The game has been modified. Save it?</source>
        <translation>O jogo foi alterado. Deseja salvá-lo?</translation>
    </message>
    <message>
        <source>The help file is missing:
%1</source>
        <translation>O arquivo de ajuda não foi encontrado:
%1</translation>
    </message>
    <message>
        <source>Integer value outside limits.
It will be set to default.
    * Minimum = %1
    * Maximum = %2
    * Default = %3</source>
        <translation>Valor inteiro fora dos limites.
Será usado o valor padrão.
    * Mínimo = %1
    * Máximo = %2
    * Padrão = %3</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>não é uma imagem que este programa consiga ler</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>está danificada</translation>
    </message>
    <message>
        <source>too large: %1 megapixels</source>
        <translation>é grande demais: %1 megapixels</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; cannot be shown: %2.</source>
        <translation>Não é possível mostrar a imagem “%1”: %2.</translation>
    </message>
    <message>
        <source>Picture (%1)</source>
        <translation>Imagem (%1)</translation>
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
            <numerusform>%n jogada</numerusform>
            <numerusform>%n jogadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong moves</source>
        <comment>in a record</comment>
        <translation>
            <numerusform>%n jogada errada</numerusform>
            <numerusform>%n jogadas erradas</numerusform>
        </translation>
    </message>
    <message>
        <source>New record: %1.</source>
        <translation>Novo recorde: %1.</translation>
    </message>
    <message>
        <source>Your best: %1.</source>
        <translation>Seu melhor: %1.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read. It has been kept as &quot;%2&quot;, and the records start again.</source>
        <translation>Não é possível ler o arquivo de recordes “%1”. Ele foi guardado como “%2”, e os recordes começam de novo.</translation>
    </message>
    <message>
        <source>The records file &quot;%1&quot; cannot be read, nor kept under another name. The records start again and will replace it.</source>
        <translation>Não é possível ler o arquivo de recordes “%1” nem guardá-lo com outro nome. Os recordes começam de novo e vão substituí-lo.</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The game in play cannot be kept for a restart after a crash.
%1 %2</source>
        <translation>Não é possível guardar o jogo em andamento para um reinício depois de uma falha.
%1 %2</translation>
    </message>
    <message>
        <source>The game&apos;s picture is gone: %1</source>
        <translation>A imagem do jogo não existe mais: %1</translation>
    </message>
    <message>
        <source>The game&apos;s picture is no picture that Mosavo can show: %1</source>
        <translation>A imagem do jogo não é uma imagem que o Mosavo consiga mostrar: %1</translation>
    </message>
    <message>
        <source>It is kept as %1.</source>
        <translation>Ele foi guardado como %1.</translation>
    </message>
    <message>
        <source>It stays in %1.</source>
        <translation>Ele continua em %1.</translation>
    </message>
    <message>
        <source>The game in play could not be restored.
%1
%2</source>
        <translation>Não foi possível restaurar o jogo em andamento.
%1
%2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Written by the Mosavo project&apos;s volunteers.</source>
        <translation>Escrito pelos voluntários do projeto Mosavo.</translation>
    </message>
    <message>
        <source>Visit our site for news, new versions and pictures to play with. Our programs: Mosavo, the picture puzzle, and its installer.</source>
        <translation>Visite o nosso site para ver novidades, novas versões e imagens para jogar. Nossos programas: o Mosavo, o quebra-cabeça de imagens, e o seu instalador.</translation>
    </message>
    <message>
        <source>Visit my site</source>
        <translation>Visitar meu site</translation>
    </message>
    <message>
        <source>Contact me</source>
        <translation>Fale comigo</translation>
    </message>
    <message>
        <source>Mosavo: shuffle a picture, then put it back together!</source>
        <translation>Mosavo: embaralhe uma imagem e depois monte-a de novo!</translation>
    </message>
    <message>
        <source>Version %1, released on %2</source>
        <translation>Versão %1, lançada em %2</translation>
    </message>
</context>
<context>
    <name>TErrorForm</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>&amp;Okay</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>O&amp;kay (no errors)</source>
        <translation>O&amp;K (sem erros)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Terminate application immediately</source>
        <translation>&amp;Encerrar o aplicativo agora</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Registrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Recursion</source>
        <translation>Recursão</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Recursive attempts = %1</source>
        <translation>Tentativas recursivas = %1</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Mosavo Help</source>
        <translation>Ajuda do Mosavo</translation>
    </message>
</context>
<context>
    <name>TInstallForm</name>
    <message>
        <source>The program can be reinstalled without the need to uninstall its previous version. The existing options file will be preserved. If you want to repair the installed package, simply reinstall the program. Before continuing, close any running instances of the program.</source>
        <translation>O programa pode ser reinstalado sem precisar desinstalar a versão anterior. O arquivo de opções existente será mantido. Se quiser reparar o pacote instalado, basta reinstalar o programa. Antes de continuar, feche todas as instâncias do programa que estiverem em execução.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Procurar</translation>
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
        <translation>Instalar o %1</translation>
    </message>
    <message>
        <source>Welcome to %1</source>
        <translation>Boas-vindas ao %1</translation>
    </message>
    <message>
        <source>The program&apos;s installation directory will be put in directory:</source>
        <translation>A pasta de instalação do programa será criada na pasta:</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>Desinstalar o %1</translation>
    </message>
    <message>
        <source>Bye from %1</source>
        <translation>O %1 se despede</translation>
    </message>
    <message>
        <source>The following directory will be deleted:</source>
        <translation>A seguinte pasta será excluída:</translation>
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
            <numerusform>Você fez %n jogada.</numerusform>
            <numerusform>Você fez %n jogadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n pieces remaining to be placed correctly.</source>
        <translation>
            <numerusform>Falta %n peça para colocar no lugar certo.</numerusform>
            <numerusform>Faltam %n peças para colocar no lugar certo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have made %n wrong moves.</source>
        <translation>
            <numerusform>Você fez %n jogada errada.</numerusform>
            <numerusform>Você fez %n jogadas erradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].</source>
        <translation>Pressione [F5] para carregar uma imagem. Pressione [L] para carregar um jogo. Ou cole uma imagem com [Ctrl + V].</translation>
    </message>
    <message>
        <source>Press [Alt + R] to randomize the picture.</source>
        <translation>Pressione [Alt + E] para embaralhar a imagem.</translation>
    </message>
    <message>
        <source>Drag a piece of the puzzle on another piece, to swap them.</source>
        <translation>Arraste uma peça do quebra-cabeça sobre outra para trocá-las de lugar.</translation>
    </message>
    <message>
        <source>Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the piece and drops it, Escape puts it back.
H and V mirror the piece, M marks the cell, and holding ? shows where the piece belongs.</source>
        <translation>Teclado: as teclas de seta, Home e End movem a moldura tracejada. Enter pega a peça e a solta, Esc a devolve.
H e V espelham a peça, M marca a casa, e segurar ? mostra a que lugar a peça pertence.</translation>
    </message>
    <message>
        <source>Mosavo ended without saving the game in play. Restore it?</source>
        <translation>O Mosavo foi encerrado sem salvar o jogo em andamento. Deseja restaurá-lo?</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>A área de transferência não contém nenhuma imagem.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>O quebra-cabeça está resolvido.</translation>
    </message>
    <message>
        <source>Mosavo game (*.mzg)</source>
        <translation>Jogo do Mosavo (*.mzg)</translation>
    </message>
    <message>
        <source>Mosavo game</source>
        <translation>Jogo Mosavo</translation>
    </message>
    <message>
        <source>Display information about the program</source>
        <translation>Mostra informações sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Work</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>Load picture</source>
        <translation>Carregar imagem</translation>
    </message>
    <message>
        <source>Reload current picture</source>
        <translation>Recarregar imagem atual</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Colar imagem</translation>
    </message>
    <message>
        <source>Load last game</source>
        <translation>Carregar último jogo</translation>
    </message>
    <message>
        <source>Load game</source>
        <translation>Carregar jogo</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salvar jogo</translation>
    </message>
    <message>
        <source>Undo move</source>
        <translation>Desfazer jogada</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Embaralhar</translation>
    </message>
    <message>
        <source>Down&amp;load pictures</source>
        <translation>&amp;Baixar imagens</translation>
    </message>
    <message>
        <source>Game wallpapers</source>
        <translation>Papéis de parede de jogos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Allow &amp;flipping pieces</source>
        <translation>&amp;Permitir peças espelhadas</translation>
    </message>
    <message>
        <source>Light &amp;grid</source>
        <translation>&amp;Grade clara</translation>
    </message>
    <message>
        <source>Original picture</source>
        <translation>Imagem original</translation>
    </message>
    <message>
        <source>Puzzle picture</source>
        <translation>Imagem do quebra-cabeça</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
    </message>
    <message>
        <source>Column %1. Row %2.</source>
        <translation>Coluna %1. Linha %2.</translation>
    </message>
    <message>
        <source>Column %1; Row %2; Flip horiz %3; Flip vert %4</source>
        <translation>Coluna %1; Linha %2; Espelhada horiz. %3; Espelhada vert. %4</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostrar tempo</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
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
        <translation>%1 × %2, espelhadas</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resoluções</translation>
    </message>
    <message>
        <source>Best moves</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Best wrong moves</source>
        <translation>Jogadas erradas</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>Last solved</source>
        <translation>Última resolução</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Remove the selected record?</source>
        <translation>Remover o recorde selecionado?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n selected records?</source>
        <translation>
            <numerusform>Remover %n recorde selecionado?</numerusform>
            <numerusform>Remover os %n recordes selecionados?</numerusform>
        </translation>
    </message>
</context>
</TS>
