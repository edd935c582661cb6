<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Diese Kategorie gibt es schon!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Kategorie weg: %n Notiz in Default</numerusform>
            <numerusform>Kategorie weg: %n Notizen in Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Soll die Kategorie [%1] wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Kategorie fehlt: nicht umbenannt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; siehe &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unbekanntes Argument &apos;%1&apos;</translation>
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
        <translation>Aufruf: quibbet [--toggle | --help | --version] [Optionen des Toolkits]
Ein kleiner Notizblock. Quibbet hält seine Notizen in der Datei clipdata.dat im Ordner,
in dem es startet; aus dem Menü der Arbeitsumgebung gestartet, ist das Ihr persönlicher
Ordner. Je Notizdatei läuft ein Quibbet: ein weiterer Start im selben Ordner holt das
laufende nach vorn.

  --toggle   das Quibbet dieser Arbeitsumgebung für die Notizdatei dieses Ordners
             zeigen oder verbergen, wie F9; es starten, wenn keines läuft
  --help     diese Hilfe zeigen und beenden
  --version  die Version zeigen und beenden

Die üblichen Optionen des Toolkits (-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME und ähnliche) werden an es weitergegeben.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; folgt auf den hinzuzufügenden Text: setzen Sie einen Text aus mehreren Wörtern in Anführungszeichen</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>Argument %1 ist kein Text in der Zeichenkodierung der Locale: es wurde nichts verändert</translation>
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
        <translation>Notizbefehle für Skripte und Programmstarter:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Sie arbeiten mit clipdata.dat im aktuellen Ordner, brauchen keine Anzeige und
öffnen kein Fenster; ein Quibbet, das mit dieser Datei läuft, zeigt die
Änderung sofort.

  --add TEXT       TEXT als neue Notiz speichern; ohne TEXT oder mit - ist die
                   Notiz die Standardeingabe bis zu ihrem Ende, ohne das letzte
                   Zeilenende. Ein Text, der mit -- beginnt, wird als --add=TEXT
                   angegeben. Legt clipdata.dat an, wenn es die Datei nicht gibt
  --list           die Notizen einer Kategorie ausgeben, neueste zuerst, eine
                   pro Zeile: Erstellungszeit, ein Tabulator und der Text, in
                   dem \ als \\, ein Zeilenende als \n, ein Wagenrücklauf als \r
                   und ein Tabulator als \t geschrieben ist
  --search TEXT    wie --list die Notizen aller Kategorien ausgeben, die TEXT
                   enthalten, ohne Beachtung der Groß-/Kleinschreibung; % und _
                   in TEXT stehen für beliebigen Text und ein beliebiges
                   Zeichen, wie beim Befehl Suchen
  --export FILE    die Notizen einer Kategorie wie der Befehl Exportieren in
                   FILE schreiben; ein vorhandenes FILE wird nur mit --force
                   ersetzt
  --import SOURCE  die Notizen eines anderen Notizprogramms übernehmen: xpad,
                   gnote, tomboy, tomboy-ng oder knotes, oder die Datei bzw.
                   der Ordner, in dem sie liegen
  --category NAME  die Kategorie zum Hinzufügen, Auflisten oder Exportieren;
                   ohne Angabe Default. --add legt eine noch nicht vorhandene
                   Kategorie an; Search nimmt keine Notizen auf
  --force          --export erlauben, FILE zu ersetzen

Exit-Status: 0 erledigt; 1 nichts gefunden, oder die Notizdatei konnte nicht
gelesen oder geschrieben werden (nichts wurde verändert); 2 ungültige Argumente
oder Eingabe (nichts wurde verändert).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n Notiz</numerusform>
            <numerusform>%n Notizen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n Kategorie</numerusform>
            <numerusform>%n Kategorien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n Erinnerung</numerusform>
            <numerusform>%n Erinnerungen</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>%1 von anderem Rechner übernommen</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Übernommen: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 ist keine Notizdatei von Quibbet. Sie wurde nicht verändert. Starten Sie Quibbet in einem anderen Ordner oder verschieben Sie die Datei, um eine neue zu beginnen.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Löschen rückgängig</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Zuletzt gelöscht...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Wiederhergestellt als %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(eine Kategorie)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Import rückgängig</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Import rückgängig: %n Notiz</numerusform>
            <numerusform>Import rückgängig: %n Notizen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>die X-Anzeige &apos;%1&apos; antwortet nicht</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>kein Wayland-Compositor antwortet unter %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet braucht eine grafische Arbeitsumgebung, es wurde aber keine Anzeige gefunden (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; versuchen Sie %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>die X-Anzeige &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>die Wayland-Anzeige unter %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet braucht eine grafische Arbeitsumgebung, aber %1 hat sein Fenster nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>die Standardeingabe konnte nicht gelesen werden: es wurde nichts gespeichert</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>die Standardeingabe enthält ein NUL-Byte, das eine Notiz nicht aufnehmen kann: es wurde nichts gespeichert</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>die Standardeingabe ist kein UTF-8-Text: es wurde nichts gespeichert</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>die Standardeingabe enthält keinen Text: es wurde nichts gespeichert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; enthält die Ergebnisse einer Suche und nimmt keine Notizen auf</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; ist keine Kategorie, der man eine Notiz hinzufügen kann: der Reiter Search enthält die Ergebnisse einer Suche, und *New legt Kategorien an</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>ein Kategoriename hat höchstens %1 Zeichen: &apos;%2&apos; hat %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>ein Kategoriename darf weder ein Zeilenende noch ein anderes Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>die Ausgabe konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>es gibt keine Notizdatei %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>in %2 gibt es keine Kategorie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 ist die Notizdatei selbst: es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 existiert bereits: es wurde nichts geschrieben; geben Sie --force an, um die Datei zu ersetzen</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Strg + Eingabe&apos; übernimmt</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Kategorie weg: in Default gespeichert</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Als neue Notiz in Default gespeichert</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Anderswo geändert: neue Notiz</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Anderswo geändert: neu in Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Als neue Notiz gespeichert</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Bearbeiten)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Ansehen)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Nicht übernommen: weiter bearbeiten</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Erstellt: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Erstellt: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; erlaubt keinen Wert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; wurde zweimal angegeben</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>es gibt keinen Text zum Hinzufügen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; braucht den Namen einer Kategorie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; kann nicht mit &apos;%2&apos; kombiniert werden: geben Sie nur einen Befehl auf einmal an</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; kann nicht mit &apos;%1&apos; kombiniert werden: geben Sie nur einen Befehl auf einmal an</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; gehört zu --add, --list oder --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; gehört zu --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Quibbet-Notiz</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>Der Drucker konnte den Druckauftrag nicht abschließen</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln Notiz)</numerusform>
            <numerusform> (%Ln Notizen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Alle Notizen, Kategorien, Erinnerungen und Einstellungen durch die Sicherung vom %1%2 ersetzen?

Ihre Notizen, wie sie jetzt sind, werden vorher gesichert.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Ihre Notizen wurden nicht verändert.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Es gibt keine Notizdatei %1 zum Sichern.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Sicherung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Keine Sicherung: Platte fast voll</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Sicherung fehlgeschlagen: %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Sicherung später: Datei änderte sich</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Keine Sicherung: Platte voll</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Sicherung fehlgeschlagen: %1 kann nicht geschrieben werden (%2)</translation>
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
        <translation>Der Datensatz wird weder bearbeitet noch eingefügt</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Ein schreibgeschützter Datensatz kann nicht geändert werden</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Das geht nicht bei einer leeren Datenmenge</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Ein anderes Programm hat %1 durch eine neue Notizdatei ersetzt, während dies geöffnet war. Es wurde nichts geändert. Quibbet zeigt jetzt die neue Datei: Bitte erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Nicht wiederhergestellt: Notiz ungültig</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Nicht wiederhergestellt: Kategorie ungültig</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Nicht wiederhergestellt: unlesbar</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Nicht wiederhergestellt: unbekannte Art</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>Verspätet, fällig %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet läuft bereits mit %1 und wurde nach vorn geholt</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet läuft bereits mit %1%2 und antwortet nicht</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (Prozess %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet läuft bereits mit %1 auf dem Rechner %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet läuft bereits mit %1 auf der Anzeige %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet läuft bereits mit %1%2 und ist von hier aus nicht erreichbar</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>Die Notizdatei %1 ist beschädigt oder keine Notizdatei. Quibbet hat sie nicht verändert. Bewahren Sie eine Kopie der Datei auf und stellen Sie sie dann aus einer Sicherung wieder her oder retten Sie sie mit dem Werkzeug sqlite3 (sqlite3 clipdata.dat .recover), oder starten Sie Quibbet in einem anderen Ordner, um eine neue zu beginnen.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Ein anderes Programm hat die Notizdatei %1 genau beim Speichern ersetzt, daher wurde nichts verändert. Quibbet verwendet jetzt die neue Datei: versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>Die Notizdatei %1 oder ihr Ordner ist schreibgeschützt, daher wurde nichts verändert. Machen Sie sie beschreibbar und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>Der Datenträger mit %1 ist voll, daher wurde nichts verändert. Schaffen Sie Platz und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Ein anderes Programm hält %1 seit mehr als fünf Sekunden gesperrt, daher wurde nichts verändert. Versuchen Sie es noch einmal, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>%1 kann nicht geöffnet werden: Prüfen Sie, ob es eine Datei ist (kein Ordner und keine defekte Verknüpfung) und ob in ihren Ordner geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>Der Datenträger mit %1 hat einen Fehler gemeldet, die Änderung ist daher vielleicht nicht erfolgt. Prüfen Sie den Datenträger und versuchen Sie es noch einmal.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist kein Standarddrucker ausgewählt</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Notiz beim Beenden aufbewahrt, ungespeichert</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Aufbewahrte Notiz jetzt gespeichert</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Ein Import läuft bereits</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Notizen werden importiert...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Importfehler: nichts gespeichert</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Notizen importieren</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Die Notizen konnten nicht gespeichert werden; es wurde nichts importiert.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Diese Dateien wurden ausgelassen; sie sind unverändert:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Von dieser Notizdatei gibt es noch keine Sicherung. Quibbet legt eine am Tag an, solange es läuft.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Vorige Notiz</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Nächste Notiz</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Änderungen übernehmen</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Notiz löschen</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Notiztext</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Notiz bearbeiten</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Notiztext kopieren</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Erinnerung...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Aus Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Neu geladen: Datei wurde ersetzt</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Datei gelöscht: neu geschrieben</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Notizen importieren...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Fenstertext</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Systemfarbe %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Eigene (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Andere...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Ihre Notizen, wie sie jetzt sind, werden vorher gesichert.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Kategorie verwalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Name (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Erinnerung einstellen</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Erinnerungstext:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>Der Zeitpunkt %1 ist schon vorbei. Wählen Sie einen Zeitpunkt in der Zukunft.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Gesuchter Text </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Notizen importieren</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Keine Notizen anderer Notizprogramme gefunden; fügen Sie einen Ordner hinzu:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Notizen gefunden; kreuzen Sie die zu importierenden an:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Ordner mit Text- oder Markdown-Dateien</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (%2 Dateien unlesbar)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Quibbet-Einstellungen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Schrift der Anzeige ändern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Zuletzt gelöscht</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>In den letzten 30 Tagen gelöscht, neueste zuerst:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Nichts zu importieren bei &quot;%1&quot;: kein Ordner, keine Datei und keines von xpad, gnote, tomboy, tomboy-ng, knotes mit Notizen hier</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>%1 ausgelassen: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Aus %1 konnte keine Notiz gelesen werden</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Nichts importiert: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Nichts Neues: %n Notiz schon da</numerusform>
            <numerusform>Nichts Neues: %n Notizen schon da</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Keine Notizen zum Import gefunden</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Import: %1 in %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n Notiz</numerusform>
            <numerusform>%n Notizen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n Kategorie</numerusform>
            <numerusform>%n Kategorien</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>keine Leseberechtigung</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>ist keine Notiznachricht</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>ist keine iCalendar-Datei</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>endet mitten in einer Notiz: die Datei ist unvollständig</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>enthält keine Notiz</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>zu groß (%1 MB) für eine Notiz</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle und ein zweiter Start erreichen dieses Quibbet nicht</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Quibbet zeigen oder verbergen</translation>
    </message>
</context>
</TS>
