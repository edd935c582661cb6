<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Deze categorie bestaat al!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Categorie weg: %n notitie in Default</numerusform>
            <numerusform>Categorie weg: %n notities in Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Weet u zeker dat u de categorie [%1] wilt verwijderen?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Categorie weg: niet hernoemd</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; probeer &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; heeft een waarde nodig</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>onbekend argument &apos;%1&apos;</translation>
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
        <translation>Gebruik: quibbet [--toggle | --help | --version] [toolkitopties]
Een klein notitieprogramma. Quibbet bewaart zijn notities in het bestand
clipdata.dat in de map waarin het start; gestart vanuit het menu van het
bureaublad is dat uw persoonlijke map. Per notitiebestand draait één Quibbet:
opnieuw starten in dezelfde map haalt het draaiende naar voren.

  --toggle   de Quibbet die op dit bureaublad draait voor het notitiebestand
             van deze map tonen of verbergen, zoals F9; hem starten als er
             geen draait
  --help     deze hulp tonen en afsluiten
  --version  de versie tonen en afsluiten

De standaardopties van de toolkit (-platform NAME, -display DISPLAY,
-style NAME, -reverse, -session NAME en dergelijke) worden eraan doorgegeven.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; volgt na de toe te voegen tekst: zet een tekst van meerdere woorden tussen aanhalingstekens</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>argument %1 is geen tekst in de tekencodering van de taalinstelling: er is niets gewijzigd</translation>
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
        <translation>Notitieopdrachten, voor scripts en starters:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Ze werken op clipdata.dat in de huidige map, hebben geen beeldscherm nodig en
openen geen venster; een Quibbet die met het bestand draait, toont dat meteen.

  --add TEXT       TEXT opslaan als nieuwe notitie; zonder TEXT, of met -, is de
                   notitie de standaardinvoer tot het einde, zonder het laatste
                   regeleinde. Een tekst die met -- begint, geeft u op als
                   --add=TEXT. Maakt clipdata.dat aan als het er nog niet is
  --list           de notities van een categorie tonen, nieuwste eerst, één per
                   regel: de aanmaaktijd, een tab, en de tekst met \ als \\,
                   een regeleinde als \n, een regelterugloop als \r en een tab
                   als \t
  --search TEXT    zoals --list de notities van alle categorieën tonen die TEXT
                   bevatten, ongeacht hoofdletters; % en _ in TEXT staan voor
                   willekeurige tekst en één willekeurig teken, zoals bij de
                   opdracht Zoeken
  --export FILE    de notities van een categorie naar FILE schrijven zoals de
                   opdracht Exporteren; een bestaand FILE wordt alleen met
                   --force vervangen
  --import SOURCE  de notities van een ander notitieprogramma importeren: xpad,
                   gnote, tomboy, tomboy-ng of knotes, of het bestand of de map
                   waarin ze staan
  --category NAME  de categorie om aan toe te voegen, te tonen of te exporteren;
                   Default als die niet is opgegeven. --add maakt een categorie
                   aan die nog niet bestaat; Search neemt geen notities op
  --force          --export FILE laten vervangen

Afsluitwaarde: 0 gelukt; 1 niets gevonden, of het notitiebestand kon niet worden
gelezen of geschreven (er is niets gewijzigd); 2 ongeldige argumenten of invoer
(er is niets gewijzigd).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n notitie</numerusform>
            <numerusform>%n notities</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n categorie</numerusform>
            <numerusform>%n categorieën</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n herinnering</numerusform>
            <numerusform>%n herinneringen</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>Van andere computer: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Samengevoegd: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 is geen notitiebestand van Quibbet. Het is niet gewijzigd. Start Quibbet in een andere map, of verplaats het bestand om met een nieuw te beginnen.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Verwijderen ongedaan maken</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Onlangs verwijderd...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Hersteld als %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(een categorie)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Importeren ongedaan maken</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Import ongedaan: %n notitie</numerusform>
            <numerusform>Import ongedaan: %n notities</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY is niet ingesteld</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>het X-beeldscherm &apos;%1&apos; antwoordt niet</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR is niet ingesteld</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>geen Wayland-compositor antwoordt op %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet heeft een grafisch bureaublad nodig, maar er is geen beeldscherm gevonden (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; probeer %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>het X-beeldscherm &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>het Wayland-beeldscherm op %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet heeft een grafisch bureaublad nodig, maar %1 liet het zijn venster niet openen</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Tekstbestanden</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>standaardinvoer kon niet worden gelezen: er is niets opgeslagen</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>standaardinvoer bevat een NUL-byte, die een notitie niet kan bewaren: er is niets opgeslagen</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>standaardinvoer is geen UTF-8-tekst: er is niets opgeslagen</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>standaardinvoer bevat geen tekst: er is niets opgeslagen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; bevat de resultaten van een zoekopdracht en neemt geen notities op</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; is geen categorie om een notitie aan toe te voegen: het tabblad Search bevat de resultaten van een zoekopdracht en *New maakt categorieën aan</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>een categorienaam heeft maximaal %1 tekens: &apos;%2&apos; heeft er %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>een categorienaam kan geen regeleinde of ander stuurteken bevatten</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>de uitvoer kon niet worden geschreven</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>er is geen notitiebestand %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>er is geen categorie &apos;%1&apos; in %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 is het notitiebestand zelf: er is niets geschreven</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 bestaat al: er is niets geschreven; voeg --force toe om het te vervangen</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Ctrl + Enter&apos; past wijzigingen toe</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Categorie weg: bewaard in Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Als nieuwe notitie in Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Elders gewijzigd: nieuwe notitie</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Elders gewijzigd: nieuw in Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Opgeslagen als nieuwe notitie</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Bewerken)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Bladeren)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Niet toegepast: verder bewerken</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Gemaakt: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Kan bestand %1 niet aanmaken</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Gemaakt: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; accepteert geen waarde</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; is twee keer opgegeven</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>er is geen tekst om toe te voegen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; heeft een waarde nodig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; heeft de naam van een categorie nodig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; heeft de naam van een bestand nodig</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; kan niet samen met &apos;%2&apos;: geef één opdracht tegelijk</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; kan niet samen met &apos;%1&apos;: geef één opdracht tegelijk</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; hoort bij --add, --list of --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; hoort bij --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Quibbet-notitie</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>De printer kon de afdruktaak niet voltooien</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln notitie)</numerusform>
            <numerusform> (%Ln notities)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Alle notities, categorieën, herinneringen en opties vervangen door de back-up van %1%2?

Van uw notities zoals ze nu zijn wordt eerst een back-up gemaakt.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Uw notities zijn niet gewijzigd.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Hersteld: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Er is geen notitiebestand %1 om een back-up van te maken.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Back-up mislukt: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Geen back-up: schijf bijna vol</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Back-up mislukt: kan %1 niet aanmaken (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Back-up later: bestand wijzigde</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Geen back-up: schijf vol</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Back-up mislukt: kan %1 niet schrijven (%2)</translation>
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
        <translation>De gegevensset is niet in bewerk- of invoegmodus</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Een alleen-lezen gegevensset kan niet worden gewijzigd</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Deze bewerking kan niet op een lege gegevensset worden uitgevoerd</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Een ander programma heeft %1 vervangen door een nieuw notitiebestand terwijl dit open was, dus er is niets gewijzigd. Quibbet toont nu het nieuwe bestand: probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Niet hersteld: notitie ongeldig</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Niet hersteld: categorie ongeldig</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Niet hersteld: onleesbaar</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Niet hersteld: onbekende soort</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>Te laat, gepland om %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet draait al met %1 en is naar voren gehaald</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet draait al met %1%2 en antwoordt niet</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (proces %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet draait al met %1 op de computer %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet draait al met %1 op beeldscherm %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet draait al met %1%2 en is van hieruit niet bereikbaar</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>Het notitiebestand %1 is beschadigd of is geen notitiebestand. Quibbet heeft het niet gewijzigd. Bewaar een kopie van het bestand en herstel het daarna uit een back-up of red het met het hulpprogramma sqlite3 (sqlite3 clipdata.dat .recover), of start Quibbet in een andere map om met een nieuw te beginnen.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Een ander programma verving het notitiebestand %1 net toen dit werd opgeslagen, dus er is niets gewijzigd. Quibbet gebruikt nu het nieuwe bestand: probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>Het notitiebestand %1 of de map ervan is alleen-lezen, dus er is niets gewijzigd. Maak ze beschrijfbaar en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>De schijf met %1 is vol, dus er is niets gewijzigd. Maak wat ruimte vrij en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Een ander programma houdt %1 al meer dan vijf seconden vergrendeld, dus er is niets gewijzigd. Probeer het opnieuw als het klaar is.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>%1 kan niet worden geopend: controleer of het een bestand is (geen map of verbroken koppeling) en of er in de map kan worden geschreven.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>De schijf met %1 meldde een fout, dus de wijziging is misschien niet uitgevoerd. Controleer de schijf en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Er is momenteel geen standaardprinter geselecteerd</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Bewaarde notitie nog niet opgeslagen</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Bewaarde notitie nu opgeslagen</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Er loopt al een import</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Tekstbestanden</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Notities importeren...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Import mislukt: niets opgeslagen</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Notities importeren</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>De notities konden niet worden opgeslagen; er is niets geïmporteerd.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... en nog %1</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Deze bestanden zijn overgeslagen; ze zijn niet gewijzigd:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Er is nog geen back-up van dit notitiebestand. Quibbet maakt er één per dag zolang het draait.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Altijd op voorgrond</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Vorige notitie</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Volgende notitie</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Nieuwe notitie</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Wijzigingen toepassen</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Notitie verwijderen</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Notitietekst</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Notitie bewerken</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Notitietekst kopiëren</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Nieuwe categorie</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporteren...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Herinnering...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Herstellen uit back-up...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Herladen: bestand is vervangen</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Bestand gewist: teruggeschreven</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Notities importeren...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanjebruin</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olijfgroen</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblauw</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limoengroen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Venstertekst</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Systeemkleur %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Aangepast (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Andere...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Kleur:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Herstellen uit back-up</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Eerst wordt een back-up gemaakt.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Categorie beheren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Naam (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Beschrijving:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Herinnering instellen</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Tijdstip:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Herinneringstekst:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>Het tijdstip %1 is al voorbij. Kies een tijdstip in de toekomst.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Zoeken naar </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Notities importeren</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Geen notities van een ander notitieprogramma gevonden; voeg een map toe:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Notities gevonden; vink aan wat u wilt importeren:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Map toevoegen...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Map met tekst- of Markdown-bestanden</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (onleesbare bestanden: %2)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Quibbet-opties</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Lettertype van weergave wijzigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Onlangs verwijderd</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Verwijderd in de laatste 30 dagen, nieuwste eerst:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Herinnering</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Niets te importeren bij &quot;%1&quot;: geen map, geen bestand en geen van xpad, gnote, tomboy, tomboy-ng, knotes met notities hier</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>%1 overgeslagen: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Geen enkele notitie van %1 kon worden gelezen</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Niets geïmporteerd: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Niets nieuws: %n notitie was er al</numerusform>
            <numerusform>Niets nieuws: alle %n waren er al</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Geen notities gevonden om te importeren</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Import: %1 in %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n notitie</numerusform>
            <numerusform>%n notities</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n categorie</numerusform>
            <numerusform>%n categorieën</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>geen leesrechten</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>is geen notitiebericht</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>is geen iCalendar-bestand</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>eindigt midden in een notitie: het bestand is onvolledig</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>bevat geen notitie</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>te groot (%1 MB) voor een notitie</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle en een tweede start kunnen deze Quibbet niet bereiken</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Quibbet tonen of verbergen</translation>
    </message>
</context>
</TS>
