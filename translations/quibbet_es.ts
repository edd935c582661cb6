<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>¡Esa categoría ya existe!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Categoría borrada: %n nota a Default</numerusform>
            <numerusform>Categoría borrada: %n notas a Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>¿Seguro que desea eliminar la categoría [%1]?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Categoría borrada: no renombrada</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; pruebe &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argumento desconocido &apos;%1&apos;</translation>
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
        <translation>Uso: quibbet [--toggle | --help | --version] [opciones gráficas]
Un pequeño bloc de notas. Quibbet guarda sus notas en el archivo clipdata.dat de
la carpeta en la que se inicia; iniciado desde el menú del escritorio, esa es su
carpeta personal. Se ejecuta un Quibbet por cada archivo de notas: iniciarlo de
nuevo en la misma carpeta trae ese al frente.

  --toggle   muestra u oculta el Quibbet que se ejecuta en este escritorio para
             el archivo de notas de esta carpeta, como F9; lo inicia si no hay
             ninguno en ejecución
  --help     muestra esta ayuda y sale
  --version  muestra la versión y sale

Las opciones estándar del kit de herramientas gráfico (-platform NOMBRE,
-display PANTALLA, -style NOMBRE, -reverse, -session NOMBRE y similares) se le
pasan a este.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; sigue al texto que añadir: ponga entre comillas un texto de varias palabras</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>el argumento %1 no es texto en la codificación de la configuración regional: no se cambió nada</translation>
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
        <translation>Comandos de notas, para scripts y lanzadores:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Trabajan sobre clipdata.dat en la carpeta actual, no necesitan pantalla y no
abren ninguna ventana; un Quibbet que se ejecute con ese archivo muestra el
cambio al instante.

  --add TEXT       guarda TEXT como nota nueva; sin TEXT, o con -, la nota es
                   la entrada estándar hasta el final, menos el último fin de
                   línea. Un texto que empiece por -- se indica como
                   --add=TEXT. Crea clipdata.dat si no existe
  --list           muestra las notas de una categoría, las más recientes
                   primero, una por línea: la fecha de creación, un tabulador
                   y el texto, con \ escrito como \\, un fin de línea como \n,
                   un retorno de carro como \r y un tabulador como \t
  --search TEXT    muestra, como --list, las notas de todas las categorías que
                   contienen TEXT, sin distinguir mayúsculas de minúsculas; % y
                   _ en TEXT equivalen a cualquier texto y a un carácter
                   cualquiera, como en el comando Buscar
  --export FILE    escribe las notas de una categoría en FILE como el comando
                   Exportar; un FILE que ya existe solo se sustituye con --force
  --import SOURCE  trae las notas de otro programa de notas: xpad, gnote,
                   tomboy, tomboy-ng o knotes, o el archivo o la carpeta donde
                   están
  --category NAME  la categoría en la que añadir, que listar o que exportar;
                   Default si no se indica. --add crea la categoría si aún no
                   existe; Search no admite notas
  --force          permite que --export sustituya FILE

Estado de salida: 0 hecho; 1 sin coincidencias, o no se pudo leer o escribir el
archivo de notas (no se cambió nada); 2 argumentos o entrada no válidos (no se
cambió nada).
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
            <numerusform>%n categoría</numerusform>
            <numerusform>%n categorías</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n recordatorio</numerusform>
            <numerusform>%n recordatorios</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>De otro equipo: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Fusión: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 no es un archivo de notas de Quibbet. No se ha modificado. Inicie Quibbet en otra carpeta o mueva el archivo a otro lugar para empezar uno nuevo.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Deshacer eliminación</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Eliminados recientemente...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Restaurada como %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(una categoría)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Deshacer importación</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Importación deshecha: %n nota</numerusform>
            <numerusform>Importación deshecha: %n notas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY y WAYLAND_DISPLAY no están definidas</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>la pantalla X &apos;%1&apos; no responde</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR no está definida</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>ningún compositor Wayland responde en %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet necesita un escritorio gráfico y no se encontró ninguna pantalla (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; pruebe %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>la pantalla X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>la pantalla Wayland en %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet necesita un escritorio gráfico y %1 no le dejó abrir su ventana</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Archivos de texto</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>no se pudo leer la entrada estándar: no se guardó nada</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>la entrada estándar contiene un byte NUL, que una nota no puede guardar: no se guardó nada</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>la entrada estándar no es texto UTF-8: no se guardó nada</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>la entrada estándar no contiene texto: no se guardó nada</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; contiene los resultados de una búsqueda y no admite notas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; no es una categoría en la que añadir notas: la pestaña Search contiene los resultados de una búsqueda y *New crea categorías</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>un nombre de categoría tiene como máximo %1 caracteres: &apos;%2&apos; tiene %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>un nombre de categoría no puede contener un fin de línea ni otro carácter de control</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>no se pudo escribir la salida</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>no hay ningún archivo de notas %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>no hay ninguna categoría &apos;%1&apos; en %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 es el propio archivo de notas: no se escribió nada</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 ya existe: no se escribió nada; añada --force para sustituirlo</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>Pulse «Ctrl + Intro» para aplicar</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Categoría borrada: en Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Guardada como nota nueva en Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Cambio externo: nota nueva</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Cambio externo: nueva en Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Guardada como nota nueva</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Edición)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Consulta)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>No aplicado: sigue la edición</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Creada: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Creada: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; no admite ningún valor</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; aparece dos veces</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>no hay ningún texto que añadir</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; necesita el nombre de una categoría</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; necesita el nombre de un archivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; no se puede combinar con &apos;%2&apos;: indique un solo comando cada vez</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; no se puede combinar con &apos;%1&apos;: indique un solo comando cada vez</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; se usa con --add, --list o --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; se usa con --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Nota de Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>La impresora no pudo completar el trabajo de impresión</translation>
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
        <translation>¿Sustituir todas las notas, categorías, recordatorios y opciones por la copia de seguridad del %1%2?

Antes se hace una copia de seguridad de sus notas tal como están ahora.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Sus notas no se han modificado.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Restaurada: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>No hay ningún archivo de notas %1 del que hacer una copia de seguridad.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Copia de seguridad fallida: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Copia omitida: poco espacio</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Copia de seguridad fallida: no se puede crear %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Copia aplazada: el archivo cambiaba</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Copia omitida: disco lleno</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Copia de seguridad fallida: no se puede escribir %1 (%2)</translation>
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
        <translation>El conjunto de datos no está en modo de edición ni de inserción</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>No se puede modificar un conjunto de datos de solo lectura</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>No se puede realizar esta operación en un conjunto de datos vacío</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Otro programa puso un archivo de notas nuevo en lugar de %1 mientras tanto, así que no se cambió nada. Quibbet muestra ahora el archivo nuevo: inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Nota no restaurada: no válida</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Categoría no restaurada: no válida</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>No restaurado: elemento ilegible</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>No restaurado: tipo desconocido</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>Con retraso, previsto para %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet ya se está ejecutando con %1 y se ha traído al frente</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet ya se está ejecutando con %1%2 y no responde</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (proceso %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet ya se está ejecutando con %1 en el equipo %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet ya se está ejecutando con %1 en la pantalla %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet ya se está ejecutando con %1%2 y no se puede contactar desde aquí</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>El archivo de notas %1 está dañado o no es un archivo de notas. Quibbet no lo ha modificado. Guarde una copia del archivo y después restáurelo desde una copia de seguridad o recupérelo con la herramienta sqlite3 (sqlite3 clipdata.dat .recover), o inicie Quibbet en otra carpeta para empezar uno nuevo.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Otro programa sustituyó el archivo de notas %1 justo al guardar, así que no se cambió nada. Quibbet usa ahora el archivo nuevo: inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>El archivo de notas %1 o su carpeta son de solo lectura, así que no se cambió nada. Permita la escritura en ellos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>El disco que contiene %1 está lleno, así que no se cambió nada. Libere espacio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Otro programa mantiene %1 bloqueado desde hace más de cinco segundos, así que no se cambió nada. Inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>No se puede abrir %1: compruebe que es un archivo (no una carpeta ni un enlace roto) y que se puede escribir en su carpeta.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>El disco que contiene %1 informó de un error, así que puede que el cambio no se haya hecho. Compruebe el disco e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Nota conservada: aún sin guardar</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Nota conservada: ya guardada</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Ya hay una importación en curso</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Importando notas...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Importación fallida: nada guardado</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Importar notas</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>No se pudieron guardar las notas; no se importó nada.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Se omitieron estos archivos; no se han modificado:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Todavía no hay ninguna copia de seguridad de este archivo de notas. Quibbet hace una al día mientras se ejecuta.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Siempre visible</translation>
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
        <translation>Nota siguiente</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Aplicar cambios</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Eliminar nota</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Modo consulta</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Modo edición</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texto de la nota</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Editar nota</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Copiar el texto de la nota</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Recordatorio...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Restaurar copia de seguridad...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Notas recargadas: archivo sustituido</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Archivo borrado: reescrito</translation>
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
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
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
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Texto de ventana</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Color del sistema %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Personalizado (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Otro...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Antes se hace una copia de seguridad de sus notas tal como están ahora.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Fecha</translation>
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
        <translation>Gestión de categoría</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Nombre (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Descripción:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Configurar recordatorio</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Fecha y hora:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Texto del recordatorio:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>La fecha %1 ya ha pasado. Elija una fecha futura.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Texto a buscar </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>No se encontraron notas de otros programas; añada una carpeta:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Notas encontradas; marque las que desea importar:</translation>
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
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Añadir carpeta...</translation>
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
        <translation>Carpeta de archivos de texto o Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (%2 archivos ilegibles)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Opciones de Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Cambiar la fuente de visualización</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Eliminados recientemente</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Eliminados en los últimos 30 días, los más recientes primero:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminado</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
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
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Nada que importar en &quot;%1&quot;: no es una carpeta, ni un archivo, ni uno de xpad, gnote, tomboy, tomboy-ng, knotes con notas aquí</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>Omitido %1: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>No se pudo leer ninguna nota de %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Nada nuevo: %n nota ya existe</numerusform>
            <numerusform>Nada nuevo: %n notas ya existen</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>No se encontraron notas que importar</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Importado: %1 en %2</translation>
    </message>
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
            <numerusform>%n categoría</numerusform>
            <numerusform>%n categorías</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>sin permiso de lectura</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>no es un mensaje de nota</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>no es un archivo iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>termina en medio de una nota: el archivo está incompleto</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>no contiene ninguna nota</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>demasiado grande (%1 MB) para ser una nota</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle y un segundo inicio no pueden llegar a este Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Mostrar u ocultar Quibbet</translation>
    </message>
</context>
</TS>
