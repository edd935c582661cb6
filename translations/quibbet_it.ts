<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Questa categoria esiste già!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Categoria sparita: %n nota in Default</numerusform>
            <numerusform>Categoria sparita: %n note in Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Eliminare davvero la categoria [%1]?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Categoria sparita: non rinominata</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; provare &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; richiede un valore</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argomento sconosciuto &apos;%1&apos;</translation>
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
        <translation>Uso: quibbet [--toggle | --help | --version] [opzioni del toolkit]
Un piccolo blocco note. Quibbet tiene le sue note nel file clipdata.dat della
cartella in cui viene avviato; se avviato dal menu del desktop, è la cartella
home. Per ogni file di note gira un solo Quibbet: avviarlo di nuovo nella stessa
cartella porta in primo piano quello già in esecuzione.

  --toggle   mostra o nasconde il Quibbet in esecuzione su questo desktop per il
             file di note di questa cartella, come F9; lo avvia se non ce n&apos;è
             nessuno in esecuzione
  --help     mostra questo aiuto ed esce
  --version  mostra la versione ed esce

Le opzioni standard del toolkit (-platform NOME, -display DISPLAY, -style NOME,
-reverse, -session NOME e simili) vengono passate al toolkit.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; segue il testo da aggiungere: racchiudere tra virgolette un testo di più parole</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>l&apos;argomento %1 non è testo nella codifica del locale: non è stato modificato nulla</translation>
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
        <translation>Comandi per le note, per script e launcher:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Agiscono su clipdata.dat nella cartella corrente, non richiedono un display e
non aprono finestre; un Quibbet in esecuzione su quel file mostra subito la
modifica.

  --add TEXT       salva TEXT come nuova nota; senza TEXT, o con -, la nota è
                   lo standard input fino alla fine, meno l&apos;ultimo fine riga.
                   Un testo che inizia con -- si indica come --add=TEXT. Crea
                   clipdata.dat se non esiste
  --list           stampa le note di una categoria, dalla più recente, una per
                   riga: la data di creazione, una tabulazione e il testo, con
                   \ scritto come \\, un fine riga come \n, un ritorno carrello
                   come \r e una tabulazione come \t
  --search TEXT    stampa, come --list, le note di tutte le categorie che
                   contengono TEXT, senza distinguere maiuscole e minuscole;
                   % e _ in TEXT indicano un testo qualsiasi e un carattere
                   qualsiasi, come nel comando Cerca
  --export FILE    scrive le note di una categoria in FILE come il comando
                   Esporta; un FILE esistente viene sostituito solo con --force
  --import SOURCE  importa le note di un altro programma di note: xpad, gnote,
                   tomboy, tomboy-ng o knotes, oppure il file o la cartella che
                   le contiene
  --category NAME  la categoria a cui aggiungere, da elencare o da esportare;
                   Default se non indicata. --add crea una categoria che non
                   esiste ancora; Search non accetta note
  --force          permette a --export di sostituire FILE

Stato di uscita: 0 fatto; 1 nessuna corrispondenza, oppure non è stato possibile
leggere o scrivere il file di note (non è stato modificato nulla); 2 argomenti o
input non validi (non è stato modificato nulla).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n note</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n categoria</numerusform>
            <numerusform>%n categorie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n promemoria</numerusform>
            <numerusform>%n promemoria</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>Da un altro computer: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Unione: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 non è un file di note di Quibbet. Non è stato modificato. Avviare Quibbet in un&apos;altra cartella, oppure spostare il file altrove per iniziarne uno nuovo.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Annulla eliminazione</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Eliminati di recente...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Ripristinata come %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(una categoria)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Annulla importazione</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Importazione annullata: %n nota</numerusform>
            <numerusform>Importazione annullata: %n note</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY e WAYLAND_DISPLAY non sono impostate</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>il display X &apos;%1&apos; non risponde</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR non è impostata</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>nessun compositor Wayland risponde su %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet richiede un desktop grafico, ma non è stato trovato alcun display (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; provare %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>il display X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>il display Wayland su %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet richiede un desktop grafico, ma %1 non gli ha permesso di aprire la finestra</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>File di testo</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>impossibile leggere lo standard input: non è stato salvato nulla</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>lo standard input contiene un byte NUL, che una nota non può contenere: non è stato salvato nulla</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>lo standard input non è testo UTF-8: non è stato salvato nulla</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>lo standard input non contiene testo: non è stato salvato nulla</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; contiene i risultati di una ricerca e non accetta note</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; non è una categoria a cui aggiungere note: la scheda Search contiene i risultati di una ricerca e *New crea categorie</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>un nome di categoria ha al massimo %1 caratteri: &apos;%2&apos; ne ha %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>un nome di categoria non può contenere un fine riga né altri caratteri di controllo</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>impossibile scrivere l&apos;output</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>non esiste un file di note %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>non esiste una categoria &apos;%1&apos; in %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 è il file di note stesso: non è stato scritto nulla</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 esiste già: non è stato scritto nulla; aggiungere --force per sostituirlo</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>«Ctrl + Invio» per applicare</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Categoria sparita: salvata in Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Salvata come nuova nota in Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Modificata altrove: nuova nota</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Modificata altrove: nuova in Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Salvata come nuova nota</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Modifica)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Lettura)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Non applicato: si torna a modificare</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Creata: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Creata: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; non accetta valori</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; è stato indicato due volte</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>non c&apos;è alcun testo da aggiungere</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; richiede un valore</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; richiede il nome di una categoria</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; richiede il nome di un file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; non può essere usato con &apos;%2&apos;: indicare un solo comando alla volta</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; non può essere usato con &apos;%1&apos;: indicare un solo comando alla volta</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; si usa con --add, --list o --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; si usa con --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Nota di Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>La stampante non ha potuto completare il lavoro di stampa</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln nota)</numerusform>
            <numerusform> (%Ln note)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Sostituire tutte le note, categorie, promemoria e opzioni con il backup del %1%2?

Prima viene fatto un backup delle note così come sono ora.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Le note non sono state modificate.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Ripristinato: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Non esiste un file di note %1 di cui fare il backup.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Backup non riuscito: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Backup saltato: poco spazio</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Backup non riuscito: impossibile creare %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Backup rinviato: file in modifica</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Backup saltato: disco pieno</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Backup non riuscito: impossibile scrivere %1 (%2)</translation>
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
        <translation>Il dataset non è in modalità modifica o inserimento</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Impossibile modificare un dataset di sola lettura</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Impossibile eseguire questa operazione su un dataset vuoto</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Un altro programma ha messo un nuovo file di note al posto di %1 nel frattempo, quindi non è stato modificato nulla. Quibbet ora mostra il nuovo file: riprovare.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Nota non ripristinata: non valida</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Categoria non ripristinata: non valida</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Non ripristinato: illeggibile</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Non ripristinato: tipo sconosciuto</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>In ritardo, previsto per %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet è già in esecuzione con %1 ed è stato portato in primo piano</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet è già in esecuzione con %1%2 e non risponde</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (processo %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet è già in esecuzione con %1 sul computer %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet è già in esecuzione con %1 sul display %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet è già in esecuzione con %1%2 e non è raggiungibile da qui</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>Il file di note %1 è danneggiato o non è un file di note. Quibbet non l&apos;ha modificato. Conservarne una copia, poi ripristinarlo da un backup o recuperarlo con lo strumento sqlite3 (sqlite3 clipdata.dat .recover), oppure avviare Quibbet in un&apos;altra cartella per iniziarne uno nuovo.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Un altro programma ha sostituito il file di note %1 proprio durante il salvataggio, quindi non è stato modificato nulla. Quibbet ora usa il nuovo file: riprovare.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>Il file di note %1 o la sua cartella è di sola lettura, quindi non è stato modificato nulla. Renderli scrivibili e riprovare.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>Il disco che contiene %1 è pieno, quindi non è stato modificato nulla. Liberare spazio e riprovare.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Un altro programma tiene bloccato %1 da più di cinque secondi, quindi non è stato modificato nulla. Riprovare quando avrà finito.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>Impossibile aprire %1: verificare che sia un file (non una cartella né un collegamento interrotto) e che nella sua cartella si possa scrivere.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>Il disco che contiene %1 ha segnalato un errore, quindi la modifica potrebbe non essere stata effettuata. Controllare il disco e riprovare.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nessuna stampante predefinita selezionata</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Nota conservata: non ancora salvata</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Nota conservata: ora salvata</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Importazione già in corso</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>File di testo</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Importazione delle note...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Importazione fallita: nulla salvato</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Importa note</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Impossibile salvare le note; non è stato importato nulla.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... e altri %1</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Questi file sono stati esclusi; non sono stati modificati:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Non esiste ancora un backup di questo file di note. Quibbet ne crea uno al giorno mentre è in esecuzione.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Nota precedente</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Nota successiva</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Applica modifiche</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Elimina nota</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Modalità lettura</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Modalità modifica</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Testo della nota</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Modifica nota</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Copia il testo della nota</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Nuova categoria</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Promemoria...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Ripristina da backup...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni su Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Note ricaricate: file sostituito</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>File eliminato: riscritto</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Importa note...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
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
        <translation>Blu marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde acqua</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Testo finestra</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Colore di sistema %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Personalizzato (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Altro...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Colore:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Ripristina da backup</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Prima viene fatto un backup delle note così come sono ora.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Gestione categoria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Nome (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Descrizione:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Impostazioni promemoria</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Data e ora:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Testo del promemoria:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>La data %1 è già passata. Scegliere una data futura.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Testo da cercare </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Importa note</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Nessuna nota di altri programmi trovata; aggiungere una cartella:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Note trovate; spuntare quelle da importare:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Aggiungi cartella...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Cartella di file di testo o Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (%2 file illeggibili)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Opzioni di Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizzazione</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Cambia il carattere di visualizzazione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Eliminati di recente</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Eliminati negli ultimi 30 giorni, dal più recente:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminato</translation>
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
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Niente da importare in &quot;%1&quot;: non è una cartella, né un file, né uno tra xpad, gnote, tomboy, tomboy-ng, knotes con note qui</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>Escluso %1: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Non è stato possibile leggere alcuna nota di %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Non è stato importato nulla: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Niente di nuovo: %n nota già presente</numerusform>
            <numerusform>Niente di nuovo: %n note già presenti</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Nessuna nota trovata da importare</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Importazione: %1 in %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n note</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n categoria</numerusform>
            <numerusform>%n categorie</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>senza permesso di lettura</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>non è un messaggio di nota</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>non è un file iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>termina a metà di una nota: il file è incompleto</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>non contiene note</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>troppo grande (%1 MB) per essere una nota</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle e un secondo avvio non possono raggiungere questo Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Mostra o nascondi Quibbet</translation>
    </message>
</context>
</TS>
