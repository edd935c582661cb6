<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Cette catégorie existe déjà&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Sans catégorie&#xa0;: %n note dans Default</numerusform>
            <numerusform>Sans catégorie&#xa0;: %n notes dans Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Voulez-vous vraiment supprimer la catégorie [%1]&#xa0;?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Catégorie disparue&#xa0;: non renommée</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1&#xa0;; essayez &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; nécessite une valeur</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argument inconnu &apos;%1&apos;</translation>
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
        <translation>Usage : quibbet [--toggle | --help | --version] [options graphiques]
Un petit carnet de notes. Quibbet garde ses notes dans le fichier clipdata.dat
du dossier où il est lancé ; lancé depuis le menu du bureau, c&apos;est votre dossier
personnel. Un seul Quibbet tourne par fichier de notes : le relancer dans le
même dossier ramène celui-ci au premier plan.

  --toggle   afficher ou masquer le Quibbet qui tourne sur ce bureau pour le
             fichier de notes de ce dossier, comme F9 ; le lancer s&apos;il n&apos;y en
             a aucun
  --help     afficher cette aide et quitter
  --version  afficher la version et quitter

Les options standard de la boîte à outils graphique (-platform NOM, -display
AFFICHAGE, -style NOM, -reverse, -session NOM, etc.) lui sont transmises.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; suit le texte à ajouter&#xa0;: mettez un texte de plusieurs mots entre guillemets</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>l&apos;argument %1 n&apos;est pas du texte dans l&apos;encodage des paramètres régionaux&#xa0;: rien n&apos;a été modifié</translation>
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
        <translation>Commandes de notes, pour les scripts et les lanceurs :
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Elles agissent sur clipdata.dat dans le dossier courant, sans affichage et sans
ouvrir de fenêtre ; un Quibbet qui tourne sur ce fichier affiche aussitôt la
modification.

  --add TEXT       enregistrer TEXT comme nouvelle note ; sans TEXT, ou avec -,
                   la note est l&apos;entrée standard jusqu&apos;à sa fin, moins la
                   dernière fin de ligne. Un texte qui commence par -- s&apos;écrit
                   --add=TEXT. Crée clipdata.dat s&apos;il n&apos;existe pas
  --list           afficher les notes d&apos;une catégorie, les plus récentes
                   d&apos;abord, une par ligne : la date de création, une
                   tabulation, et le texte où \ s&apos;écrit \\, une fin de ligne
                   \n, un retour chariot \r et une tabulation \t
  --search TEXT    afficher, comme --list, les notes de toutes les catégories
                   qui contiennent TEXT, sans tenir compte de la casse ; % et _
                   dans TEXT remplacent un texte quelconque et un caractère
                   quelconque, comme dans la commande Rechercher
  --export FILE    écrire les notes d&apos;une catégorie dans FILE comme la commande
                   Exporter ; un FILE existant n&apos;est remplacé qu&apos;avec --force
  --import SOURCE  importer les notes d&apos;un autre programme de notes : xpad,
                   gnote, tomboy, tomboy-ng ou knotes, ou le fichier ou le
                   dossier qui les contient
  --category NAME  la catégorie où ajouter, à lister ou à exporter ; Default
                   si elle n&apos;est pas indiquée. --add crée une catégorie qui
                   n&apos;existe pas encore ; Search n&apos;accepte pas de notes
  --force          permettre à --export de remplacer FILE

Code de sortie : 0 terminé ; 1 aucune correspondance, ou le fichier de notes n&apos;a
pas pu être lu ou écrit (rien n&apos;a été modifié) ; 2 arguments ou entrée invalides
(rien n&apos;a été modifié).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n catégorie</numerusform>
            <numerusform>%n catégories</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n rappel</numerusform>
            <numerusform>%n rappels</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>Fusion d&apos;un autre poste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Fusion&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 n&apos;est pas un fichier de notes de Quibbet. Il n&apos;a pas été modifié. Lancez Quibbet dans un autre dossier, ou déplacez ce fichier pour en commencer un nouveau.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Annuler la suppression</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Supprimés récemment...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Restaurée sous le nom %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(une catégorie)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Annuler l&apos;import</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Import annulé&#xa0;: %n note</numerusform>
            <numerusform>Import annulé&#xa0;: %n notes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY et WAYLAND_DISPLAY ne sont pas définies</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n&apos;est pas définie</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>l&apos;affichage X &apos;%1&apos; ne répond pas</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR n&apos;est pas définie</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>aucun compositeur Wayland ne répond à %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet a besoin d&apos;un bureau graphique, et aucun affichage n&apos;a été trouvé (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>&#xa0;; essayez %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>l&apos;affichage X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>l&apos;affichage Wayland à %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet a besoin d&apos;un bureau graphique, et %1 ne l&apos;a pas laissé ouvrir sa fenêtre</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Fichiers texte</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>impossible de lire l&apos;entrée standard&#xa0;: rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>l&apos;entrée standard contient un octet NUL, qu&apos;une note ne peut pas contenir&#xa0;: rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>l&apos;entrée standard n&apos;est pas du texte UTF-8&#xa0;: rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>l&apos;entrée standard ne contient aucun texte&#xa0;: rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; contient les résultats d&apos;une recherche et n&apos;accepte pas de notes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; n&apos;est pas une catégorie où ajouter une note&#xa0;: l&apos;onglet Search contient les résultats d&apos;une recherche, et *New crée des catégories</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>un nom de catégorie compte au plus %1 caractères&#xa0;: &apos;%2&apos; en compte %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>un nom de catégorie ne peut contenir ni fin de ligne ni autre caractère de contrôle</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>impossible d&apos;écrire la sortie</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>il n&apos;y a pas de fichier de notes %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>il n&apos;y a pas de catégorie &apos;%1&apos; dans %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 est le fichier de notes lui-même&#xa0;: rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 existe déjà&#xa0;: rien n&apos;a été écrit&#xa0;; ajoutez --force pour le remplacer</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>«&#xa0;Ctrl + Entrée&#xa0;» pour valider</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Catégorie disparue&#xa0;: dans Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Nouvelle note créée dans Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Modifiée ailleurs&#xa0;: nouvelle note</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Modifiée ailleurs&#xa0;: nouvelle en Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Enregistrée comme nouvelle note</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Édition)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Lecture)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Non appliqué&#xa0;: retour en édition</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Créée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Créée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; est indiqué deux fois</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>il n&apos;y a aucun texte à ajouter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; nécessite une valeur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; nécessite un nom de catégorie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; nécessite un nom de fichier</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; est incompatible avec &apos;%2&apos;&#xa0;: indiquez une seule commande à la fois</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; est incompatible avec &apos;%1&apos;&#xa0;: indiquez une seule commande à la fois</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; s&apos;utilise avec --add, --list ou --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; s&apos;utilise avec --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Note Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>L&apos;imprimante n&apos;a pas pu terminer l&apos;impression</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln note)</numerusform>
            <numerusform> (%Ln notes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Remplacer toutes les notes, catégories, rappels et options par la sauvegarde du %1%2&#xa0;?

Vos notes actuelles sont d&apos;abord sauvegardées.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Vos notes n&apos;ont pas été modifiées.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Restauré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Il n&apos;y a pas de fichier de notes %1 à sauvegarder.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Échec de la sauvegarde&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Sauvegarde omise&#xa0;: peu d&apos;espace</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Échec de la sauvegarde&#xa0;: impossible de créer %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Sauvegarde reportée&#xa0;: fichier modifié</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Sauvegarde omise&#xa0;: disque plein</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Échec de la sauvegarde&#xa0;: impossible d&apos;écrire %1 (%2)</translation>
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
        <translation>Le jeu de données n&apos;est ni en modification ni en insertion</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Impossible de modifier un jeu de données en lecture seule</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Impossible d&apos;effectuer cette opération sur un jeu de données vide</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Un autre programme a mis un nouveau fichier de notes à la place de %1 entre-temps&#xa0;; rien n&apos;a donc été modifié. Quibbet affiche maintenant le nouveau fichier&#xa0;: réessayez.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Note non restaurée&#xa0;: invalide</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Catégorie non restaurée&#xa0;: invalide</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Non restauré&#xa0;: élément illisible</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Non restauré&#xa0;: type inconnu</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>En retard, prévu à %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet est déjà lancé avec %1 et a été ramené au premier plan</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet est déjà lancé avec %1%2 et ne répond pas</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (processus %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet est déjà lancé avec %1 sur l&apos;ordinateur %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet est déjà lancé avec %1 sur l&apos;affichage %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet est déjà lancé avec %1%2 et n&apos;est pas joignable d&apos;ici</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>Le fichier de notes %1 est endommagé ou n&apos;est pas un fichier de notes. Quibbet ne l&apos;a pas modifié. Gardez une copie du fichier, puis restaurez-le depuis une sauvegarde ou récupérez-le avec l&apos;outil sqlite3 (sqlite3 clipdata.dat .recover), ou lancez Quibbet dans un autre dossier pour en commencer un nouveau.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Un autre programme a remplacé le fichier de notes %1 au moment même de l&apos;enregistrement&#xa0;; rien n&apos;a donc été modifié. Quibbet utilise maintenant le nouveau fichier&#xa0;: réessayez.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>Le fichier de notes %1 ou son dossier est en lecture seule&#xa0;; rien n&apos;a donc été modifié. Rendez-les accessibles en écriture et réessayez.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>Le disque qui contient %1 est plein&#xa0;; rien n&apos;a donc été modifié. Libérez de l&apos;espace et réessayez.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Un autre programme verrouille %1 depuis plus de cinq secondes&#xa0;; rien n&apos;a donc été modifié. Réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: vérifiez qu&apos;il s&apos;agit d&apos;un fichier (ni un dossier ni un lien cassé) et que son dossier est accessible en écriture.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>Le disque qui contient %1 a signalé une erreur&#xa0;; la modification n&apos;a peut-être pas été faite. Vérifiez le disque et réessayez.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Note gardée&#xa0;: pas encore enregistrée</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Note gardée&#xa0;: enregistrée</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Import déjà en cours</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Import des notes...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Échec de l&apos;import&#xa0;: rien enregistré</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Importer des notes</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Impossible d&apos;enregistrer les notes&#xa0;; rien n&apos;a été importé.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 autres</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Ces fichiers ont été ignorés&#xa0;; ils restent inchangés&#xa0;:
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
        <translation>Il n&apos;existe encore aucune sauvegarde de ce fichier de notes. Quibbet en fait une par jour tant qu&apos;il tourne.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Note précédente</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Note suivante</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Appliquer les modifications</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Supprimer la note</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Mode lecture</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Mode édition</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Texte de la note</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Modifier la note</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Copier le texte de la note</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Rappel...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Notes rechargées&#xa0;: fichier remplacé</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Fichier supprimé&#xa0;: réécrit</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Importer des notes...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Texte des fenêtres</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Couleur système %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Personnalisée (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Autre...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Vos notes actuelles sont d&apos;abord sauvegardées.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Gestion de la catégorie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Nom (*)&#xa0;:</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Description&#xa0;:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Réglage du rappel</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Date et heure&#xa0;:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Texte du rappel&#xa0;:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>La date %1 est déjà passée. Choisissez une date à venir.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Texte à chercher </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Importer des notes</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Aucune note d&apos;un autre programme trouvée&#xa0;; ajoutez un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Notes trouvées&#xa0;; cochez celles à importer&#xa0;:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Ajouter dossier...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Dossier de fichiers texte ou Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (%2 fichiers illisibles)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Options de Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Changer la police d&apos;affichage</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Supprimés récemment</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Supprimés ces 30 derniers jours, plus récents d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Rien à importer depuis &quot;%1&quot;&#xa0;: ni un dossier, ni un fichier, ni l&apos;un de xpad, gnote, tomboy, tomboy-ng, knotes ayant des notes ici</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>%1 ignoré&#xa0;: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Aucune note de %1 n&apos;a pu être lue</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Rien de neuf&#xa0;: %n note déjà là</numerusform>
            <numerusform>Rien de neuf&#xa0;: %n notes déjà là</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Aucune note trouvée à importer</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Import&#xa0;: %1 dans %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n catégorie</numerusform>
            <numerusform>%n catégories</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>lecture non autorisée</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>n&apos;est pas un message de note</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>n&apos;est pas un fichier iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>se termine au milieu d&apos;une note&#xa0;: le fichier est incomplet</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>ne contient aucune note</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>trop volumineux (%1 Mo) pour être une note</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle et un second lancement ne peuvent pas atteindre ce Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Afficher ou masquer Quibbet</translation>
    </message>
</context>
</TS>
