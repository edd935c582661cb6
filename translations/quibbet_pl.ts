<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Kategoria o tej nazwie już istnieje!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Brak kategorii: %n notatka w Default</numerusform>
            <numerusform>Brak kategorii: %n notatki w Default</numerusform>
            <numerusform>Brak kategorii: %n notatek w Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Czy na pewno usunąć kategorię [%1]?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Brak kategorii: nie zmieniono nazwy</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; spróbuj &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; wymaga wartości</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>nieznany argument &apos;%1&apos;</translation>
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
        <translation>Użycie: quibbet [--toggle | --help | --version] [opcje biblioteki graficznej]
Mały notatnik. Quibbet przechowuje notatki w pliku clipdata.dat w folderze, w
którym zostaje uruchomiony; po uruchomieniu z menu pulpitu jest to folder
domowy. Dla każdego pliku notatek działa jeden Quibbet: ponowne uruchomienie
w tym samym folderze przenosi działający na wierzch.

  --toggle   pokazuje lub ukrywa Quibbet działający na tym pulpicie dla pliku
             notatek z tego folderu, tak jak F9; uruchamia go, jeśli żaden
             nie działa
  --help     wyświetla tę pomoc i kończy działanie
  --version  wyświetla wersję i kończy działanie

Standardowe opcje biblioteki graficznej (-platform NAME, -display DISPLAY,
-style NAME, -reverse, -session NAME itp.) są do niej przekazywane.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; występuje po tekście do dodania: tekst z kilku słów należy ująć w cudzysłów</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>argument %1 nie jest tekstem w kodowaniu bieżących ustawień regionalnych: niczego nie zmieniono</translation>
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
        <translation>Polecenia do obsługi notatek, dla skryptów i programów uruchamiających:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Działają na pliku clipdata.dat w bieżącym folderze, nie wymagają ekranu i nie
otwierają okna; Quibbet działający z tym plikiem od razu pokazuje zmianę.

  --add TEXT       zapisuje TEXT jako nową notatkę; bez TEXT lub z - notatką
                   jest całe standardowe wejście bez ostatniego końca wiersza.
                   Tekst zaczynający się od -- podaje się jako --add=TEXT.
                   Tworzy clipdata.dat, jeśli go nie ma
  --list           wypisuje notatki kategorii, od najnowszych, po jednej w
                   wierszu: czas utworzenia, tabulator i tekst, w którym \ jest
                   zapisany jako \\, koniec wiersza jako \n, powrót karetki
                   jako \r, a tabulator jako \t
  --search TEXT    wypisuje, tak jak --list, notatki ze wszystkich kategorii
                   zawierające TEXT, bez rozróżniania wielkości liter; % i _ w
                   TEXT oznaczają dowolny tekst i dowolny pojedynczy znak, jak
                   w poleceniu Szukaj
  --export FILE    zapisuje notatki kategorii do FILE tak jak polecenie
                   Eksportuj; istniejący FILE jest zastępowany tylko z --force
  --import SOURCE  importuje notatki z innego programu do notatek: xpad, gnote,
                   tomboy, tomboy-ng lub knotes, albo z pliku lub folderu, w
                   którym się znajdują
  --category NAME  kategoria, do której dodać, którą wypisać lub wyeksportować;
                   domyślnie Default. --add tworzy kategorię, która jeszcze nie
                   istnieje; Search nie przyjmuje notatek
  --force          pozwala --export zastąpić FILE

Kod wyjścia: 0 wykonano; 1 nic nie znaleziono albo nie można odczytać lub
zapisać pliku notatek (niczego nie zmieniono); 2 błędne argumenty lub dane
wejściowe (niczego nie zmieniono).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n notatka</numerusform>
            <numerusform>%n notatki</numerusform>
            <numerusform>%n notatek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n kategoria</numerusform>
            <numerusform>%n kategorie</numerusform>
            <numerusform>%n kategorii</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n przypomnienie</numerusform>
            <numerusform>%n przypomnienia</numerusform>
            <numerusform>%n przypomnień</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>Z innego komputera: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Scalono: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 nie jest plikiem notatek programu Quibbet. Nie został zmieniony. Uruchom Quibbet w innym folderze albo przenieś ten plik, aby zacząć nowy.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Cofnij usunięcie</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Ostatnio usunięte...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Przywrócono jako %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(kategoria)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Cofnij import</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Cofnięto import: %n notatka</numerusform>
            <numerusform>Cofnięto import: %n notatki</numerusform>
            <numerusform>Cofnięto import: %n notatek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>zmienne DISPLAY i WAYLAND_DISPLAY nie są ustawione</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>zmienna DISPLAY nie jest ustawiona</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>ekran X &apos;%1&apos; nie odpowiada</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>zmienna XDG_RUNTIME_DIR nie jest ustawiona</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>żaden kompozytor Wayland nie odpowiada pod %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet wymaga pulpitu graficznego, a nie znaleziono żadnego ekranu (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; spróbuj %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>ekran X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>ekran Wayland pod %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet wymaga pulpitu graficznego, a %1 nie pozwolił otworzyć jego okna</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Pliki tekstowe</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>nie można odczytać standardowego wejścia: niczego nie zapisano</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>standardowe wejście zawiera bajt NUL, którego notatka nie może przechowywać: niczego nie zapisano</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>standardowe wejście nie jest tekstem UTF-8: niczego nie zapisano</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>standardowe wejście nie zawiera tekstu: niczego nie zapisano</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; zawiera wyniki wyszukiwania i nie przyjmuje notatek</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; nie jest kategorią, do której można dodać notatkę: karta Search zawiera wyniki wyszukiwania, a *New tworzy kategorie</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>nazwa kategorii może mieć najwyżej %1 znaków: &apos;%2&apos; ma %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>nazwa kategorii nie może zawierać końca wiersza ani innego znaku sterującego</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>nie można zapisać wyjścia</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>nie ma pliku notatek %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>nie ma kategorii &apos;%1&apos; w %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 jest właśnie plikiem notatek: niczego nie zapisano</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 już istnieje: niczego nie zapisano; dodaj --force, aby go zastąpić</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Ctrl + Enter&apos; zatwierdza zmiany</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Brak kategorii: zapisano w Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Zapisano jako nową w Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Zmieniona gdzie indziej: jako nowa</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Zmieniona gdzie indziej: w Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Zapisano jako nową notatkę</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Edycja)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Przegląd)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Nie zatwierdzono: edytuj dalej</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Utworzono: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Nie można utworzyć pliku %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Utworzono: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; podano dwukrotnie</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>brak tekstu do dodania</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; wymaga wartości</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; wymaga nazwy kategorii</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>nie można użyć &apos;%1&apos; razem z &apos;%2&apos;: podaj jedno polecenie naraz</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>nie można użyć &apos;--toggle&apos; razem z &apos;%1&apos;: podaj jedno polecenie naraz</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; działa tylko z --add, --list lub --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; działa tylko z --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Notatka Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>Drukarka nie mogła ukończyć zadania drukowania</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln notatka)</numerusform>
            <numerusform> (%Ln notatki)</numerusform>
            <numerusform> (%Ln notatek)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Zastąpić wszystkie notatki, kategorie, przypomnienia i opcje kopią zapasową z %1%2?

Najpierw zostanie utworzona kopia zapasowa obecnych notatek.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Notatki nie zostały zmienione.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Przywrócono: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Nie ma pliku notatek %1, z którego można utworzyć kopię zapasową.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Kopia zapasowa nieudana: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Bez kopii: mało miejsca na dysku</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Kopia zapasowa nieudana: nie można utworzyć %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Kopia później: plik się zmieniał</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Bez kopii: dysk pełny</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Kopia zapasowa nieudana: nie można zapisać %1 (%2)</translation>
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
        <translation>Zbiór danych nie jest w trybie edycji ani wstawiania</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Nie można zmienić zbioru danych tylko do odczytu</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Nie można wykonać tej operacji na pustym zbiorze danych</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Inny program podstawił nowy plik notatek w miejsce %1, gdy to okno było otwarte, więc niczego nie zmieniono. Quibbet pokazuje teraz nowy plik: spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Nie przywrócono: błędna notatka</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Nie przywrócono: błędna kategoria</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Nie przywrócono: nieczytelne</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Nie przywrócono: nieznany rodzaj</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>Spóźnione, termin %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet już działa z plikiem %1 i został przeniesiony na wierzch</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet już działa z plikiem %1%2 i nie odpowiada</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (proces %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet już działa z plikiem %1 na komputerze %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet już działa z plikiem %1 na ekranie %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet już działa z plikiem %1%2 i nie można się z nim stąd połączyć</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>Plik notatek %1 jest uszkodzony lub nie jest plikiem notatek. Quibbet go nie zmienił. Zachowaj kopię pliku, a potem przywróć go z kopii zapasowej lub odzyskaj narzędziem sqlite3 (sqlite3 clipdata.dat .recover) albo uruchom Quibbet w innym folderze, aby zacząć nowy.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Inny program zastąpił plik notatek %1 właśnie podczas zapisywania, więc niczego nie zmieniono. Quibbet używa teraz nowego pliku: spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>Plik notatek %1 lub jego folder jest tylko do odczytu, więc niczego nie zmieniono. Zezwól na zapis i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>Dysk z plikiem %1 jest pełny, więc niczego nie zmieniono. Zwolnij trochę miejsca i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Inny program blokuje %1 od ponad pięciu sekund, więc niczego nie zmieniono. Spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>Nie można otworzyć %1: sprawdź, czy jest to plik (a nie folder lub uszkodzone dowiązanie) i czy można zapisywać w jego folderze.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>Dysk z plikiem %1 zgłosił błąd, więc zmiana mogła nie zostać wprowadzona. Sprawdź dysk i spróbuj ponownie.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Nie wybrano drukarki domyślnej</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Zachowana notatka czeka na zapis</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Zachowana notatka już zapisana</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Import już trwa</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Pliki tekstowe</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Importowanie notatek...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Błąd importu: niczego nie zapisano</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Import notatek</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Nie można zapisać notatek; niczego nie zaimportowano.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... i %1 więcej</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Pominięto te pliki; nie zostały zmienione:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Ten plik notatek nie ma jeszcze kopii zapasowej. Quibbet tworzy jedną dziennie, gdy działa.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Poprzednia notatka</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Następna notatka</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Nowa notatka</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Zatwierdź zmiany</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Usuń notatkę</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Przeglądanie</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Tekst notatki</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Edytuj notatkę</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Kopiuj treść notatki</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Nowa kategoria</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Szukaj...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Przypomnienie...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Przywróć z kopii zapasowej...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Wczytano ponownie: plik zastąpiony</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Plik usunięty: zapisano ponownie</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Importuj notatki...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kasztanowy</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limonkowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuksja</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Tekst okna</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Kolor systemowy %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Własny (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Inny...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Kolor:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Przywróć z kopii zapasowej</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Najpierw powstanie kopia obecnych notatek.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Utworzona</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Zarządzanie kategorią</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Nazwa (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Opis:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Ustawienia przypomnienia</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Przypomnij:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Tekst przypomnienia:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>Czas %1 już minął. Wybierz czas w przyszłości.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Szukany tekst </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Import notatek</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Nie znaleziono notatek innego programu do notatek; dodaj folder:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Znaleziono notatki; zaznacz te do zaimportowania:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Dodaj folder...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Folder z plikami tekstowymi lub Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (nieczytelne pliki: %2)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Opcje Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Zmień czcionkę wyświetlania</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Ostatnio usunięte</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Usunięte w ciągu ostatnich 30 dni, od najnowszych:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Usunięto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Przypomnienie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Nie ma czego importować z &quot;%1&quot;: to nie folder, nie plik ani żaden z programów xpad, gnote, tomboy, tomboy-ng, knotes z notatkami tutaj</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>Pominięto %1: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Nie można odczytać żadnej notatki z %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Nic nie zaimportowano: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Nic nowego: %n notatka już jest</numerusform>
            <numerusform>Nic nowego: %n notatki już są</numerusform>
            <numerusform>Nic nowego: %n notatek już jest</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Nie znaleziono notatek do zaimportowania</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Dodano %1 do %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n notatkę</numerusform>
            <numerusform>%n notatki</numerusform>
            <numerusform>%n notatek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n kategorii</numerusform>
            <numerusform>%n kategorii</numerusform>
            <numerusform>%n kategorii</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>brak uprawnień do odczytu</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>nie jest wiadomością z notatką</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>nie jest plikiem iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>kończy się w środku notatki: plik jest niekompletny</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>nie zawiera żadnej notatki</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>za duży (%1 MB), by być notatką</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle ani ponowne uruchomienie nie mogą połączyć się z tym Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Pokaż lub ukryj Quibbet</translation>
    </message>
</context>
</TS>
