<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Já existe uma categoria com esse nome!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Categoria sumiu: %n nota em Default</numerusform>
            <numerusform>Categoria sumiu: %n notas em Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Tem certeza de que deseja excluir a categoria [%1]?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Categoria sumiu: não renomeada</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; tente &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argumento desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: quibbet [--toggle | --help | --version] [toolkit options]
A small notes keeper. Quibbet keeps its notes in the file clipdata.dat in the folder it
starts in; started from the desktop&apos;s menu, that is your home folder. One Quibbet runs
for each notes file: starting it again in the same folder brings that one to the front.

  --toggle   show or hide the Quibbet running on this desktop for the notes file of
             this folder, as F9 does; start it when none is running
  --help     show this help and exit
  --version  show the version and exit

The toolkit&apos;s standard options (-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME and the like) are passed on to it.
</source>
        <translation>Uso: quibbet [--toggle | --help | --version] [opções do toolkit]
Um pequeno bloco de notas. O Quibbet guarda as notas no arquivo clipdata.dat da
pasta em que é iniciado; iniciado pelo menu da área de trabalho, essa é a sua
pasta pessoal. Roda um Quibbet para cada arquivo de notas: iniciá-lo de novo na
mesma pasta traz para a frente o que já está rodando.

  --toggle   mostra ou oculta o Quibbet que roda nesta área de trabalho para o
             arquivo de notas desta pasta, como faz o F9; inicia-o se nenhum
             estiver rodando
  --help     mostra esta ajuda e sai
  --version  mostra a versão e sai

As opções padrão do toolkit (-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME e semelhantes) são repassadas a ele.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; vem depois do texto a adicionar: coloque um texto de várias palavras entre aspas</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>o argumento %1 não é texto na codificação da localidade: nada foi alterado</translation>
    </message>
    <message>
        <source>Note commands, for scripts and launchers:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
They work on clipdata.dat in the current folder, need no display and start no window;
a Quibbet running on the file shows the change at once.

  --add TEXT       store TEXT as a new note; without TEXT, or with -, the note is
                   standard input to its end, less one last line end. A text that
                   begins with -- goes as --add=TEXT. Makes clipdata.dat when there is none
  --list           print the notes of a category, newest first, one a line: the
                   creation time, a tab, and the text with \ written as \\, a line
                   end as \n, a carriage return as \r and a tab as \t
  --search TEXT    print, as --list does, the notes of every category that hold TEXT,
                   in any case of letters; % and _ in TEXT stand for any text and any
                   one character, as in the Search command
  --export FILE    write the notes of a category to FILE as the Export command does;
                   a FILE that exists is replaced only with --force
  --import SOURCE  bring in the notes of another notes program: xpad, gnote, tomboy,
                   tomboy-ng or knotes, or the file or folder they are in
  --category NAME  the category to add to, list or export; Default when not given.
                   --add makes a category that does not exist yet; Search takes no notes
  --force          let --export replace FILE

Exit status: 0 done; 1 nothing matched, or the notes file could not be read or written
(nothing was changed); 2 bad arguments or input (nothing was changed).
</source>
        <translation>Comandos de notas, para scripts e lançadores:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Eles trabalham com o clipdata.dat da pasta atual, não precisam de tela e não
abrem janela; um Quibbet rodando com o arquivo mostra a mudança na hora.

  --add TEXT       salva TEXT como nova nota; sem TEXT, ou com -, a nota é a
                   entrada padrão até o fim, menos a última quebra de linha. Um
                   texto que começa com -- é passado como --add=TEXT. Cria o
                   clipdata.dat se ele não existir
  --list           mostra as notas de uma categoria, das mais recentes às mais
                   antigas, uma por linha: a data de criação, uma tabulação e o
                   texto, com \ escrito como \\, a quebra de linha como \n, o
                   retorno de carro como \r e a tabulação como \t
  --search TEXT    mostra, como --list, as notas de todas as categorias que
                   contêm TEXT, sem diferenciar maiúsculas e minúsculas; % e _
                   em TEXT representam qualquer texto e um caractere qualquer,
                   como no comando Pesquisar
  --export FILE    grava as notas de uma categoria em FILE como o comando
                   Exportar; um FILE existente só é substituído com --force
  --import SOURCE  traz as notas de outro programa de notas: xpad, gnote,
                   tomboy, tomboy-ng ou knotes, ou o arquivo ou a pasta em que
                   elas estão
  --category NAME  a categoria em que adicionar, ou que listar ou exportar;
                   Default se omitida. --add cria uma categoria que ainda não
                   existe; Search não aceita notas
  --force          permite que --export substitua FILE

Status de saída: 0 concluído; 1 nada encontrado, ou não foi possível ler ou
gravar o arquivo de notas (nada foi alterado); 2 argumentos ou entrada inválidos
(nada foi alterado).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n categoria</numerusform>
            <numerusform>%n categorias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n lembrete</numerusform>
            <numerusform>%n lembretes</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>De outra máquina: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Mesclagem: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 não é um arquivo de notas do Quibbet. Ele não foi alterado. Inicie o Quibbet em outra pasta ou mova o arquivo para outro lugar para começar um novo.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Desfazer exclusão</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Excluídos recentemente...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Restaurado como %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(uma categoria)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Desfazer importação</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Importação desfeita: %n nota</numerusform>
            <numerusform>Importação desfeita: %n notas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY e WAYLAND_DISPLAY não estão definidos</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY não está definido</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>a tela X &apos;%1&apos; não responde</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR não está definido</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>nenhum compositor Wayland responde em %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>O Quibbet precisa de uma área de trabalho gráfica, e nenhuma tela foi encontrada (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; tente %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>a tela X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>a tela Wayland em %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>O Quibbet precisa de uma área de trabalho gráfica, e %1 não deixou abrir a janela</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Arquivos de texto</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>não foi possível ler a entrada padrão: nada foi salvo</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>a entrada padrão contém um byte NUL, que uma nota não pode guardar: nada foi salvo</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>a entrada padrão não é texto UTF-8: nada foi salvo</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>a entrada padrão não contém texto: nada foi salvo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; contém os resultados de uma pesquisa e não aceita notas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; não é uma categoria em que se possa adicionar uma nota: a aba Search contém os resultados de uma pesquisa, e *New cria categorias</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>um nome de categoria tem no máximo %1 caracteres: &apos;%2&apos; tem %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>um nome de categoria não pode conter quebra de linha nem outro caractere de controle</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>não foi possível gravar a saída</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>não há arquivo de notas %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>não há categoria &apos;%1&apos; em %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 é o próprio arquivo de notas: nada foi gravado</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 já existe: nada foi gravado; adicione --force para substituí-lo</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Ctrl + Enter&apos; aplica as alterações</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Categoria sumiu: salva em Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Salva como nova nota em Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Alterada em outro lugar: nova nota</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Alterada em outro lugar: em Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Salva como nova nota</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Edição)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Navegação)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Não aplicado: continue editando</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Criada: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não é possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Criada: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; não aceita valor</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; foi informado duas vezes</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>não há texto a adicionar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; precisa de um valor</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; precisa do nome de uma categoria</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; precisa do nome de um arquivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; não pode ser usado com &apos;%2&apos;: informe um comando por vez</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; não pode ser usado com &apos;%1&apos;: informe um comando por vez</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; só pode ser usado com --add, --list ou --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; só pode ser usado com --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Nota do Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>A impressora não conseguiu concluir o trabalho de impressão</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln nota)</numerusform>
            <numerusform> (%Ln notas)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Substituir todas as notas, categorias, lembretes e opções pelo backup de %1%2?

Antes, é feito um backup das suas notas como estão agora.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Suas notas não foram alteradas.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Restaurado: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Não há arquivo de notas %1 para fazer backup.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Falha no backup: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Sem backup: disco quase cheio</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Falha no backup: não é possível criar %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Backup adiado: arquivo em uso</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Sem backup: disco cheio</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Falha no backup: não é possível gravar %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this text as LTR in left-to-right languages and as RTL in right-to-left ones (Arabic, Hebrew): the whole window is then mirrored.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Query</name>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation>O conjunto de dados não está em modo de edição ou inserção</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Não é possível modificar um conjunto de dados somente leitura</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Não é possível executar esta operação em um conjunto de dados vazio</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Outro programa colocou um novo arquivo de notas no lugar de %1 enquanto esta janela estava aberta, por isso nada foi alterado. O Quibbet agora mostra o novo arquivo: tente de novo.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Não restaurado: nota inválida</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Não restaurado: categoria inválida</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Não restaurado: item ilegível</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Não restaurado: tipo desconhecido</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>Atrasado, previsto para %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>O Quibbet já está rodando com %1 e foi trazido para a frente</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>O Quibbet já está rodando com %1%2 e não responde</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (processo %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>O Quibbet já está rodando com %1 no computador %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>O Quibbet já está rodando com %1 na tela %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>O Quibbet já está rodando com %1%2 e não pode ser alcançado daqui</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>O arquivo de notas %1 está danificado ou não é um arquivo de notas. O Quibbet não o alterou. Guarde uma cópia do arquivo e depois restaure-o de um backup ou recupere-o com a ferramenta sqlite3 (sqlite3 clipdata.dat .recover), ou inicie o Quibbet em outra pasta para começar um novo.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Outro programa substituiu o arquivo de notas %1 no momento em que isto era salvo, por isso nada foi alterado. O Quibbet agora usa o novo arquivo: tente de novo.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>O arquivo de notas %1 ou a pasta dele é somente leitura, por isso nada foi alterado. Permita a gravação e tente de novo.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>O disco onde está %1 está cheio, por isso nada foi alterado. Libere espaço e tente de novo.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Outro programa mantém %1 bloqueado há mais de cinco segundos, por isso nada foi alterado. Tente de novo quando ele terminar.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>Não é possível abrir %1: verifique se é um arquivo (e não uma pasta ou um link quebrado) e se é possível gravar na pasta dele.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>O disco onde está %1 informou um erro, por isso a alteração pode não ter sido feita. Verifique o disco e tente de novo.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Não há nenhuma impressora padrão selecionada</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Nota guardada: ainda não salva</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Nota guardada ao sair: salva</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Já há uma importação em andamento</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Arquivos de texto</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Importando notas...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Falha na importação: nada salvo</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Importar notas</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Não foi possível salvar as notas; nada foi importado.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... e mais %1</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Estes arquivos ficaram de fora e não foram alterados:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Ainda não há backup deste arquivo de notas. O Quibbet faz um por dia enquanto está rodando.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Sempre visível</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Nota anterior</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Próxima nota</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Aplicar alterações</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Excluir nota</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Edição</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texto da nota</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Copiar texto da nota</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Nova categoria</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Pesquisar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Lembrete...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Restaurar do backup...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Recarregado: arquivo substituído</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Arquivo excluído: gravado de novo</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Importar notas...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Castanho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Azul-petróleo</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Texto da janela</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Cor do sistema %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Personalizada (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Outra...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Cor:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurar do backup</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Antes é feito backup das notas atuais.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Feito em</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Gerenciar categoria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Nome (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Descrição:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Configurar lembrete</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Lembrar em:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Texto do lembrete:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>O horário %1 já passou. Escolha um horário no futuro.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Texto a pesquisar </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Importar notas</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Nenhuma nota de outro programa de notas encontrada; adicione uma pasta:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Notas encontradas; marque as que deseja importar:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Pasta de arquivos de texto ou Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (arquivos ilegíveis: %2)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Opções do Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Alterar fonte de exibição</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Excluídos recentemente</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Excluídos nos últimos 30 dias, mais recentes primeiro:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Excluído em</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Lembrete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Nada a importar em &quot;%1&quot;: não é uma pasta, nem um arquivo, nem um dos programas xpad, gnote, tomboy, tomboy-ng, knotes com notas aqui</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>%1 ficou de fora: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Não foi possível ler nenhuma nota de %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Nada importado: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Nada novo: %n nota já existe</numerusform>
            <numerusform>Nada novo: %n notas já existem</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Nenhuma nota encontrada para importar</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota importada</numerusform>
            <numerusform>%n notas importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n categoria</numerusform>
            <numerusform>%n categorias</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>sem permissão de leitura</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>não é uma mensagem de nota</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>não é um arquivo iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>termina no meio de uma nota: o arquivo está incompleto</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>não contém nenhuma nota</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>grande demais (%1 MB) para ser uma nota</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle e uma segunda inicialização não conseguem alcançar este Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Mostrar ou ocultar o Quibbet</translation>
    </message>
</context>
</TS>
