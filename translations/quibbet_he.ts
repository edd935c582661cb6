<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>מידע</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>שם הקטגוריה כבר קיים!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>הקטגוריה נמחקה: %n פתק ב-Default</numerusform>
            <numerusform>הקטגוריה נמחקה: %n פתקים ב-Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>האם למחוק את הקטגוריה [%1]?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>הקטגוריה נמחקה: השם לא שונה</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; ראו &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>נדרש ערך עבור &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>ארגומנט לא מוכר &apos;%1&apos;</translation>
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
        <translation>שימוש: quibbet [--toggle | --help | --version] [אפשרויות ערכת הכלים]
מנהל פתקים קטן. Quibbet שומר את הפתקים שלו בקובץ clipdata.dat בתיקייה שבה הוא
מופעל; כשמפעילים אותו מתפריט שולחן העבודה, זו תיקיית הבית שלך. לכל קובץ פתקים
פועל Quibbet אחד: הפעלה נוספת באותה תיקייה מביאה את הפועל לחזית.

  --toggle   הצגה או הסתרה של Quibbet הפועל בשולחן העבודה הזה עבור קובץ הפתקים
             של התיקייה הזו, כמו F9; הפעלתו אם אף אחד אינו פועל
  --help     הצגת עזרה זו ויציאה
  --version  הצגת הגרסה ויציאה

האפשרויות הרגילות של ערכת הכלים (-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME וכדומה) מועברות אליה.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>הארגומנט &apos;%1&apos; בא אחרי הטקסט להוספה: יש להקיף טקסט של כמה מילים במירכאות</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>הארגומנט %1 אינו טקסט בקידוד של הגדרות האזור: דבר לא שונה</translation>
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
        <translation>פקודות פתקים, לסקריפטים ולמשגרי יישומים:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
הפקודות פועלות על clipdata.dat בתיקייה הנוכחית, אינן צריכות תצוגה ואינן
פותחות חלון; Quibbet הפועל על הקובץ מציג את השינוי מיד.

  --add TEXT       שמירת TEXT כפתק חדש; בלי TEXT, או עם -, הפתק הוא הקלט
                   התקני עד סופו, בלי סוף השורה האחרון. טקסט שתחילתו -- ניתן
                   בצורה --add=TEXT. אם clipdata.dat אינו קיים, הוא נוצר
  --list           הדפסת הפתקים של קטגוריה, החדש ביותר ראשון, אחד בכל שורה:
                   זמן היצירה, טאב, והטקסט, שבו התו \ נכתב בצורה \\, סוף שורה
                   בצורה \n, חזרת גררה בצורה \r וטאב בצורה \t
  --search TEXT    הדפסת הפתקים מכל הקטגוריות שמכילים את TEXT, כמו האפשרות
                   --list, ללא הבחנה בין אותיות רישיות לקטנות; התווים % ו-_
                   ב-TEXT מייצגים כל טקסט וכל תו בודד, כמו בפקודת החיפוש
  --export FILE    כתיבת הפתקים של קטגוריה אל FILE, כמו פקודת הייצוא;
                   קובץ FILE קיים מוחלף רק עם --force
  --import SOURCE  ייבוא הפתקים של תוכנת פתקים אחרת: xpad, gnote, tomboy,
                   tomboy-ng או knotes, או הקובץ או התיקייה שבהם הם נמצאים
  --category NAME  הקטגוריה להוספה, להצגה או לייצוא; Default אם לא צוינה.
                   האפשרות --add יוצרת קטגוריה שעדיין אינה קיימת; הקטגוריה
                   Search אינה מקבלת פתקים
  --force          התרת החלפה של FILE באמצעות --export

מצב יציאה: 0 הצליח; 1 לא נמצאה התאמה, או שלא ניתן היה לקרוא או לכתוב את
קובץ הפתקים (דבר לא שונה); 2 ארגומנטים או קלט שגויים (דבר לא שונה).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n פתק</numerusform>
            <numerusform>%n פתקים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n קטגוריה</numerusform>
            <numerusform>%n קטגוריות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n תזכורת</numerusform>
            <numerusform>%n תזכורות</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>מוזג ממחשב אחר: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>מוזגו: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>הקובץ %1 אינו קובץ פתקים של Quibbet. הוא לא שונה. יש להפעיל את Quibbet בתיקייה אחרת, או להעביר את הקובץ למקום אחר כדי להתחיל קובץ חדש.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>ביטול המחיקה</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>נמחקו לאחרונה...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>הקטגוריה שוחזרה בשם %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(קטגוריה)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>ביטול הייבוא</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>הייבוא בוטל: %n פתק</numerusform>
            <numerusform>הייבוא בוטל: %n פתקים</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>המשתנים DISPLAY ו-WAYLAND_DISPLAY אינם מוגדרים</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>המשתנה DISPLAY אינו מוגדר</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>תצוגת ה-X &apos;%1&apos; אינה עונה</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>המשתנה XDG_RUNTIME_DIR אינו מוגדר</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>שום מרכיב Wayland אינו עונה ב-%1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>התוכנה Quibbet זקוקה לשולחן עבודה גרפי, ולא נמצאה תצוגה (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; אפשר לנסות %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> או </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>תצוגת ה-X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>תצוגת ה-Wayland ב-%1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>התוכנה Quibbet זקוקה לשולחן עבודה גרפי, אך %1 לא אפשרה לה לפתוח את חלונה</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>קובצי טקסט</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>לא ניתן לקרוא את הקלט התקני: דבר לא נשמר</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>הקלט התקני מכיל בית NUL, שפתק אינו יכול לשמור: דבר לא נשמר</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>הקלט התקני אינו טקסט בקידוד UTF-8: דבר לא נשמר</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>הקלט התקני אינו מכיל טקסט: דבר לא נשמר</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>הקטגוריה &apos;%1&apos; מכילה תוצאות חיפוש ואינה מקבלת פתקים</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>לא ניתן להוסיף פתק אל &apos;%1&apos;: בלשונית Search נמצאות תוצאות חיפוש, והלשונית *New יוצרת קטגוריות</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>שם קטגוריה יכול להכיל %1 תווים לכל היותר: האורך של &apos;%2&apos; הוא %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>שם קטגוריה אינו יכול להכיל סוף שורה או תו בקרה אחר</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>לא ניתן לכתוב את הפלט</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>אין קובץ פתקים %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>אין קטגוריה &apos;%1&apos; בקובץ %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>הקובץ %1 הוא קובץ הפתקים עצמו: דבר לא נכתב</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>הקובץ %1 כבר קיים: דבר לא נכתב; כדי להחליף אותו יש להוסיף --force</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>להחלת השינויים: &apos;Ctrl + Enter&apos;</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>הקטגוריה נמחקה: נשמר ב-Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>נשמר כפתק חדש ב-Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>שונה במקום אחר: נשמר כחדש</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>שונה במקום אחר: חדש ב-Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>נשמר כפתק חדש</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(עריכה)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(עיון)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>לא הוחל: ממשיכים בעריכה</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>נוצר: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>לא ניתן ליצור את הקובץ %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>קובצי טקסט (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>נוצר: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>האפשרות &apos;%1&apos; אינה מקבלת ערך</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>האפשרות &apos;%1&apos; ניתנה פעמיים</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>אין טקסט להוספה</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>נדרש ערך עבור &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>נדרש שם קטגוריה עבור &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>נדרש שם קובץ עבור &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>לא ניתן לשלב את &apos;%1&apos; עם &apos;%2&apos;: יש לתת פקודה אחת בכל פעם</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>לא ניתן לשלב את &apos;--toggle&apos; עם &apos;%1&apos;: יש לתת פקודה אחת בכל פעם</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>האפשרות &apos;--category&apos; משמשת רק עם --add, --list או --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>האפשרות &apos;--force&apos; משמשת רק עם --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>פתק Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>המדפסת לא הצליחה להשלים את עבודת ההדפסה</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln פתק)</numerusform>
            <numerusform> (%Ln פתקים)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>להחליף את כל הפתקים, הקטגוריות, התזכורות והאפשרויות בגיבוי מ-%1%2?

הפתקים שלך במצבם הנוכחי יגובו קודם.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>הפתקים שלך לא שונו.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>שוחזר: ‎%1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>אין קובץ פתקים %1 לגיבוי.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>הגיבוי נכשל: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>אין גיבוי: מעט מקום בדיסק</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>הגיבוי נכשל: לא ניתן ליצור את %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>הגיבוי נדחה: הקובץ המשיך להשתנות</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>אין גיבוי: הדיסק מלא</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>הגיבוי נכשל: לא ניתן לכתוב את %1 (%2)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this text as LTR in left-to-right languages and as RTL in right-to-left ones (Arabic, Hebrew): the whole window is then mirrored.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Query</name>
    <message>
        <source>Dataset not in edit or insert mode</source>
        <translation>מערך הנתונים אינו במצב עריכה או הוספה</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>לא ניתן לשנות מערך נתונים לקריאה בלבד</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>לא ניתן לבצע פעולה זו על מערך נתונים ריק</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>תוכנה אחרת שמה קובץ פתקים חדש במקום %1 בזמן שזה היה פתוח, ולכן דבר לא שונה. Quibbet מציג כעת את הקובץ החדש: יש לנסות שוב.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>לא שוחזר: הפתק השמור פגום</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>לא שוחזר: הקטגוריה השמורה פגומה</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>לא שוחזר: הפריט השמור לא קריא</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>לא שוחזר: סוג פריט לא מוכר</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>באיחור, נקבע ל-‎%1‎:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>התוכנה Quibbet כבר פועלת עם %1 והובאה לחזית</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>התוכנה Quibbet כבר פועלת עם %1%2 ואינה עונה</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (תהליך %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>התוכנה Quibbet כבר פועלת עם %1 במחשב %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>התוכנה Quibbet כבר פועלת עם %1 בתצוגה %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(אין)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>התוכנה Quibbet כבר פועלת עם %1%2 ולא ניתן להגיע אליה מכאן</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>קובץ הפתקים %1 פגום או שאינו קובץ פתקים. Quibbet לא שינה אותו. יש לשמור עותק של הקובץ, ואז לשחזר אותו מגיבוי או להציל אותו בעזרת הכלי sqlite3 (sqlite3 clipdata.dat .recover), או להפעיל את Quibbet בתיקייה אחרת כדי להתחיל קובץ חדש.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>תוכנה אחרת החליפה את קובץ הפתקים %1 בדיוק בזמן השמירה, ולכן דבר לא שונה. Quibbet משתמש כעת בקובץ החדש: יש לנסות שוב.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>קובץ הפתקים %1 או התיקייה שלו מוגנים מפני כתיבה, ולכן דבר לא שונה. יש לאפשר בהם כתיבה ולנסות שוב.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>הדיסק שמכיל את %1 מלא, ולכן דבר לא שונה. יש לפנות מעט מקום ולנסות שוב.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>תוכנה אחרת מחזיקה את %1 נעול יותר מחמש שניות, ולכן דבר לא שונה. יש לנסות שוב כשהיא תסיים.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>לא ניתן לפתוח את %1: יש לוודא שזה קובץ (לא תיקייה ולא קישור שבור) ושאפשר לכתוב לתיקייה שלו.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>הדיסק שמכיל את %1 דיווח על שגיאה, ולכן ייתכן שהשינוי לא בוצע. יש לבדוק את הדיסק ולנסות שוב.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>לא נבחרה כרגע מדפסת ברירת מחדל</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>שמירה בשם</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>שגיאה לא ידועה</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>פתק הוחזק ביציאה: עדיין לא נשמר</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>הפתק מהיציאה האחרונה נשמר</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>ייבוא כבר מתבצע</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>קובצי טקסט</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>מייבא פתקים...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>הייבוא נכשל: דבר לא נשמר</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>ייבוא פתקים</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>לא ניתן לשמור את הפתקים; דבר לא יובא.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ועוד %1</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>הקבצים האלה לא יובאו; הם לא שונו:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>מידע</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>אין עדיין גיבוי של קובץ הפתקים הזה. Quibbet יוצר גיבוי אחד ביום כל עוד הוא פועל.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>תמיד למעלה</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>מזעור</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>הפתק הקודם</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>הפתק הבא</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>הוספת פתק חדש</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>החלת השינויים</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>מחיקת הפתק</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>מצב עיון</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>מצב עריכה</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>טקסט הפתק</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>פתקים</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>קטגוריות</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>עריכת הפתק</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>העתקת תוכן הפתק</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>הוספת קטגוריה חדשה</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>חיפוש...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>ייצוא...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>תזכורת...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>שחזור מגיבוי...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>About</source>
        <translation>על אודות Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>שינוי שם</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>נטען מחדש: הקובץ הוחלף</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>קובץ הפתקים נמחק: נכתב מחדש</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>ייבוא פתקים...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>חום ערמוני</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>זית</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>כחול כהה</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>סגול</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>טורקיז כהה</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>אפור</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>כסוף</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ירוק ליים</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>פוקסיה</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>תכלת</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>טקסט חלון</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>צבע מערכת %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>מותאם אישית (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>גופן</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>אחר...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;צבע:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>שחזור מגיבוי</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>הפתקים שלך במצבם הנוכחי יגובו קודם.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>מועד הגיבוי</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>פתקים</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>שחזור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>ניהול קטגוריה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>שם הקטגוריה (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>תיאור הקטגוריה:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>הגדרות תזכורת</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>מועד:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>עכשיו</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>טקסט התזכורת:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>המועד ‎%1‎ כבר עבר. יש לבחור מועד עתידי.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>טקסט לחיפוש </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>ייבוא פתקים</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>לא נמצאו פתקים של תוכנות אחרות; יש להוסיף תיקייה:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>נמצאו פתקים; יש לסמן את אלה לייבוא:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>תוכנה</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>פתקים</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>קטגוריות</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>מיקום</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>הוספת תיקייה...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>ייבוא</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>תיקייה של קובצי טקסט או Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>‏%1 (קבצים לא קריאים: %2)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>אפשרויות Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>תצוגה</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>שינוי גופן התצוגה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>נמחקו לאחרונה</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>נמחקו ב-30 הימים האחרונים, החדשים תחילה:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>מועד המחיקה</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>קטגוריה</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>פתק</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>שחזור</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>תזכורת</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>אין מה לייבא מהמקור &quot;%1&quot;: זו אינה תיקייה או קובץ, ואין כאן פתקים של xpad, gnote, tomboy, tomboy-ng או knotes</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>דילוג על %1: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>לא ניתן היה לקרוא אף פתק מתוך %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>דבר לא יובא: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>אין חדש: %n פתק כבר קיים</numerusform>
            <numerusform>אין חדש: %n פתקים כבר קיימים</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>לא נמצאו פתקים לייבוא</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>ייבוא: %1 ל-%2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n פתק</numerusform>
            <numerusform>%n פתקים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n קטגוריה</numerusform>
            <numerusform>%n קטגוריות</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>אין הרשאת קריאה</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>אינו הודעת פתק</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>אינו קובץ iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>נגמר באמצע פתק: הקובץ חלקי</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>שורה %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>אינו מכיל פתק</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>גדול מדי לפתק (%1 MB)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>לא ניתן להגיע ל-Quibbet הזה דרך --toggle או הפעלה נוספת</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>הצגה או הסתרה של Quibbet</translation>
    </message>
</context>
</TS>
