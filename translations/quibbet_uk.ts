<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Така категорія вже є!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Категорії нема: %n нотатка в Default</numerusform>
            <numerusform>Категорії нема: %n нотатки в Default</numerusform>
            <numerusform>Категорії нема: %n нотаток у Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Видалити категорію [%1]?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Категорії нема: не перейменовано</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; див. &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>для &apos;%1&apos; потрібне значення</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>невідомий аргумент &apos;%1&apos;</translation>
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
        <translation>Використання: quibbet [--toggle | --help | --version] [параметри бібліотеки]
Невеликий записник. Quibbet зберігає нотатки у файлі clipdata.dat у теці,
з якої його запущено; якщо запустити з меню стільниці, це ваша домашня тека.
Для кожного файлу нотаток працює один Quibbet: повторний запуск у тій самій
теці виводить уже запущений на передній план.

  --toggle   показати або сховати Quibbet, що працює на цій стільниці
             з файлом нотаток цієї теки, як F9; запустити, якщо він
             не працює
  --help     показати цю довідку й вийти
  --version  показати версію й вийти

Стандартні параметри графічної бібліотеки (-platform NAME, -display DISPLAY,
-style NAME, -reverse, -session NAME тощо) передаються їй.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>аргумент &apos;%1&apos; після тексту, що додається: візьміть текст із кількох слів у лапки</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>аргумент %1 не є текстом у кодуванні локалі: нічого не змінено</translation>
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
        <translation>Команди нотаток для скриптів і програм запуску:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Вони працюють із clipdata.dat у поточній теці, не потребують дисплея й не
відкривають вікна; Quibbet, що працює з цим файлом, одразу покаже зміни.

  --add TEXT       зберегти TEXT як нову нотатку; без TEXT або з - нотаткою
                   стає стандартний вхід до кінця, без останнього кінця рядка.
                   Текст, що починається з --, передається як --add=TEXT.
                   Створює clipdata.dat, якщо його немає
  --list           вивести нотатки категорії, спершу нові, по одній у рядку:
                   час створення, табуляція і текст, у якому \ записано як \\,
                   кінець рядка як \n, повернення каретки як \r, а табуляцію
                   як \t
  --search TEXT    вивести, як --list, нотатки всіх категорій, що містять TEXT,
                   без урахування регістру; % і _ у TEXT означають будь-який
                   текст і будь-який один символ, як у команді «Пошук»
  --export FILE    записати нотатки категорії у FILE, як команда «Експорт»;
                   наявний FILE замінюється лише з --force
  --import SOURCE  перенести нотатки з іншої програми нотаток: xpad, gnote,
                   tomboy, tomboy-ng або knotes, чи з файлу або теки з ними
  --category NAME  категорія для додавання, виведення чи експорту; типово
                   Default. --add створює категорію, якої ще немає; до Search
                   нотатки не додаються
  --force          дозволити --export замінити FILE

Код виходу: 0 — виконано; 1 — нічого не знайдено або не вдалося прочитати чи
записати файл нотаток (нічого не змінено); 2 — неправильні аргументи або
вхідні дані (нічого не змінено).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n нотатка</numerusform>
            <numerusform>%n нотатки</numerusform>
            <numerusform>%n нотаток</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n категорія</numerusform>
            <numerusform>%n категорії</numerusform>
            <numerusform>%n категорій</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n нагадування</numerusform>
            <numerusform>%n нагадування</numerusform>
            <numerusform>%n нагадувань</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>З іншого комп&apos;ютера: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Об&apos;єднано: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 — не файл нотаток Quibbet. Його не змінено. Запустіть Quibbet в іншій теці або перемістіть цей файл, щоб почати новий.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Скасувати видалення</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Нещодавно видалені...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Відновлено як %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(категорія)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Скасувати імпорт</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Імпорт скасовано: %n нотатка</numerusform>
            <numerusform>Імпорт скасовано: %n нотатки</numerusform>
            <numerusform>Імпорт скасовано: %n нотаток</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY і WAYLAND_DISPLAY не задано</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY не задано</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>X-дисплей &apos;%1&apos; не відповідає</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR не задано</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>за адресою %1 не відповідає жоден композитор Wayland</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet потребує графічної стільниці, але дисплей не знайдено (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; спробуйте %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> або </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>X-дисплей &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>дисплей Wayland за адресою %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet потребує графічної стільниці, але %1 не дав відкрити вікно</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Текстові файли</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>не вдалося прочитати стандартний вхід: нічого не збережено</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>стандартний вхід містить байт NUL, якого нотатка зберігати не може: нічого не збережено</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>стандартний вхід не є текстом UTF-8: нічого не збережено</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>стандартний вхід не містить тексту: нічого не збережено</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>категорія &apos;%1&apos; містить результати пошуку, нотатки до неї не додаються</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>до &apos;%1&apos; не можна додати нотатку: на вкладці Search містяться результати пошуку, а *New створює категорії</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>довжина назви категорії не може перевищувати %1: у &apos;%2&apos; вона становить %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>назва категорії не може містити кінець рядка чи інший керівний символ</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>не вдалося записати вивід</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>немає файлу нотаток %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>у %2 немає категорії &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 — це сам файл нотаток: нічого не записано</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 вже існує: нічого не записано; щоб замінити його, додайте --force</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Ctrl + Enter&apos; — застосувати</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Категорії нема: збережено в Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Нову нотатку збережено в Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Змінено деінде: збережено як нову</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Змінено деінде: нова в Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Збережено як нову нотатку</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(редагування)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(перегляд)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Не застосовано: редагуйте далі</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Створено: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не вдалося створити файл %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Текстові файли (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Створено: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>параметр &apos;%1&apos; не приймає значення</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>параметр &apos;%1&apos; вказано двічі</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>немає тексту для додавання</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>для &apos;%1&apos; потрібне значення</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>для &apos;%1&apos; потрібна назва категорії</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>для &apos;%1&apos; потрібна назва файлу</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; не можна поєднувати з &apos;%2&apos;: вказуйте лише одну команду</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; не можна поєднувати з &apos;%1&apos;: вказуйте лише одну команду</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; використовується лише з --add, --list або --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; використовується лише з --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Нотатка Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>Принтер не зміг завершити завдання друку</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln нотатка)</numerusform>
            <numerusform> (%Ln нотатки)</numerusform>
            <numerusform> (%Ln нотаток)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Замінити всі нотатки, категорії, нагадування й налаштування резервною копією від %1%2?

Спершу буде створено резервну копію поточних нотаток.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Ваші нотатки не змінено.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Відновлено: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Немає файлу нотаток %1 для резервного копіювання.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Помилка резервного копіювання: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Копію пропущено: мало місця</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Помилка резервного копіювання: не вдалося створити %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Копія пізніше: файл змінювався</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Копію пропущено: диск повний</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Помилка резервного копіювання: не вдалося записати %1 (%2)</translation>
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
        <translation>Набір даних не в режимі редагування чи вставлення</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Не можна змінити набір даних лише для читання</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Ця дія неможлива для порожнього набору даних</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Поки це було відкрито, інша програма замінила %1 новим файлом нотаток, тому нічого не змінено. Тепер Quibbet показує новий файл: спробуйте ще раз.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Не відновлено: некоректна нотатка</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Не відновлено: некоректна категорія</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Не відновлено: не читається</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Не відновлено: невідомий тип</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>Із запізненням, строк %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet уже працює з %1, його виведено на передній план</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet уже працює з %1%2 і не відповідає</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (процес %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet уже працює з %1 на комп&apos;ютері %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet уже працює з %1 на дисплеї %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(немає)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet уже працює з %1%2 і звідси недоступний</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>Файл нотаток %1 пошкоджено, або це не файл нотаток. Quibbet його не змінив. Збережіть копію файлу, потім відновіть його з резервної копії або за допомогою програми sqlite3 (sqlite3 clipdata.dat .recover) чи запустіть Quibbet в іншій теці, щоб почати новий.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Інша програма замінила файл нотаток %1 саме під час збереження, тому нічого не змінено. Тепер Quibbet використовує новий файл: спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>Файл нотаток %1 або його тека доступні лише для читання, тому нічого не змінено. Дозвольте запис і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>Диск, на якому зберігається %1, заповнено, тому нічого не змінено. Звільніть місце і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Інша програма блокує %1 понад п&apos;ять секунд, тому нічого не змінено. Спробуйте ще раз, коли вона завершить роботу.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>Не вдалося відкрити %1: перевірте, що це файл (а не тека чи розірване посилання) і що до його теки можна записувати.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>Диск, на якому зберігається %1, повідомив про помилку, тому зміну могло бути не збережено. Перевірте диск і спробуйте ще раз.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Типовий принтер не вибрано</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Невідома помилка</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Нотатка з виходу ще не збережена</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Нотатку з виходу збережено</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Імпорт уже триває</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Текстові файли</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Імпорт нотаток...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Збій імпорту: нічого не збережено</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Імпорт нотаток</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Не вдалося зберегти нотатки; нічого не імпортовано.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... і ще %1</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Ці файли пропущено; їх не змінено:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Резервних копій цього файлу нотаток ще немає. Quibbet створює одну на день, поки працює.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Поверх інших вікон</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Попередня нотатка</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Наступна нотатка</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Нова нотатка</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Застосувати зміни</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Видалити нотатку</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Режим перегляду</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Режим редагування</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Текст нотатки</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Нотатки</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категорії</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Редагувати нотатку</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Копіювати текст нотатки</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Нова категорія</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Пошук...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Експорт...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Нагадування...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Відновити з копії...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Файл замінено: нотатки перечитано</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Файл видалено: записано знову</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Імпорт нотаток...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Темно-бордовий</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковий</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Темно-синій</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Синьо-зелений</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Сріблястий</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовий</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Фуксія</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Бірюзовий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Текст вікна</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Системний колір %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Власний (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Інший...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Колір:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Відновлення з копії</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Спершу буде створено копію поточних нотаток.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Створено</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Нотатки</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Категорія</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Назва (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Опис:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Нагадування</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Коли:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Текст нагадування:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>Час %1 уже минув. Виберіть час у майбутньому.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Що шукати </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Імпорт нотаток</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Нотаток інших програм не знайдено; додайте теку:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Знайдено нотатки; позначте, що імпортувати:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Нотатки</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категорії</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Шлях</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Додати теку...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпорт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Тека з текстовими файлами або файлами Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (не прочитано файлів: %2)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Налаштування Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Змінити шрифт</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Нещодавно видалені</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Видалені за останні 30 днів, спершу нові:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Видалено</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категорія</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Нотатка</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Нагадування</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Нічого імпортувати з &quot;%1&quot;: це не тека й не файл, і нотаток xpad, gnote, tomboy, tomboy-ng, knotes тут немає</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>Пропущено — %1: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Не вдалося прочитати жодної нотатки з %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Нічого не імпортовано: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Нічого нового: %n нотатка вже є</numerusform>
            <numerusform>Нічого нового: %n нотатки вже є</numerusform>
            <numerusform>Нічого нового: %n нотаток уже є</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Не знайдено нотаток для імпорту</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Імпорт: %1 у %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n нотатка</numerusform>
            <numerusform>%n нотатки</numerusform>
            <numerusform>%n нотаток</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n категорію</numerusform>
            <numerusform>%n категорії</numerusform>
            <numerusform>%n категорій</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>немає прав на читання</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>не є повідомленням із нотаткою</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>не є файлом iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>обривається посеред нотатки: файл неповний</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>рядок %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>не містить нотатки</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>завеликий для нотатки (%1 МБ)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle і повторний запуск не зможуть звернутися до цього Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Показати або сховати Quibbet</translation>
    </message>
</context>
</TS>
