<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Такая категория уже есть!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Категории нет: %n заметка в Default</numerusform>
            <numerusform>Категории нет: %n заметки в Default</numerusform>
            <numerusform>Категории нет: %n заметок в Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>Удалить категорию [%1]?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Категории нет: не переименована</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; см. &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>для &apos;%1&apos; нужно значение</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>неизвестный аргумент &apos;%1&apos;</translation>
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
        <translation>Использование: quibbet [--toggle | --help | --version] [параметры библиотеки]
Небольшой блокнот для заметок. Quibbet хранит заметки в файле clipdata.dat
в папке, из которой запущен; при запуске из меню рабочего стола это ваша
домашняя папка. Для каждого файла заметок работает один Quibbet: повторный
запуск в той же папке выводит уже работающий на передний план.

  --toggle   показать или скрыть Quibbet, работающий на этом рабочем столе
             с файлом заметок этой папки, как по F9; запустить, если он
             не запущен
  --help     показать эту справку и выйти
  --version  показать версию и выйти

Стандартные параметры графической библиотеки (-platform NAME, -display DISPLAY,
-style NAME, -reverse, -session NAME и т. п.) передаются ей.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>аргумент &apos;%1&apos; после добавляемого текста: заключите текст из нескольких слов в кавычки</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>аргумент %1 не является текстом в кодировке локали: ничего не изменено</translation>
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
        <translation>Команды заметок для скриптов и программ запуска:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Они работают с clipdata.dat в текущей папке, не требуют дисплея и не открывают
окно; Quibbet, уже работающий с этим файлом, сразу покажет изменения.

  --add TEXT       сохранить TEXT как новую заметку; без TEXT или с - заметкой
                   становится стандартный ввод до конца, без последнего
                   перевода строки. Текст, начинающийся с --, передаётся как
                   --add=TEXT. Создаёт clipdata.dat, если его нет
  --list           вывести заметки категории, сначала новые, по одной в строке:
                   время создания, табуляция и текст, в котором \ записан как
                   \\, перевод строки как \n, возврат каретки как \r, а
                   табуляция как \t
  --search TEXT    вывести, как --list, заметки всех категорий, содержащие
                   TEXT, без учёта регистра; % и _ в TEXT означают любой текст
                   и любой один символ, как в команде «Поиск»
  --export FILE    записать заметки категории в FILE, как команда «Экспорт»;
                   существующий FILE заменяется только с --force
  --import SOURCE  перенести заметки из другой программы заметок: xpad, gnote,
                   tomboy, tomboy-ng или knotes, либо из файла или папки с ними
  --category NAME  категория для добавления, вывода или экспорта; по умолчанию
                   Default. --add создаёт категорию, если её ещё нет; в Search
                   заметки не добавляются
  --force          разрешить --export заменить FILE

Код возврата: 0 — выполнено; 1 — ничего не найдено либо не удалось прочитать
или записать файл заметок (ничего не изменено); 2 — неверные аргументы или
входные данные (ничего не изменено).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n заметка</numerusform>
            <numerusform>%n заметки</numerusform>
            <numerusform>%n заметок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n категория</numerusform>
            <numerusform>%n категории</numerusform>
            <numerusform>%n категорий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n напоминание</numerusform>
            <numerusform>%n напоминания</numerusform>
            <numerusform>%n напоминаний</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>С другого компьютера: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Объединено: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 — не файл заметок Quibbet. Он не был изменён. Запустите Quibbet в другой папке или переместите этот файл, чтобы начать новый.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Отменить удаление</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Недавно удалённые...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Восстановлена как %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(категория)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>Отменить импорт</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>Импорт отменён: %n заметка</numerusform>
            <numerusform>Импорт отменён: %n заметки</numerusform>
            <numerusform>Импорт отменён: %n заметок</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY и WAYLAND_DISPLAY не заданы</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY не задана</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>X-дисплей &apos;%1&apos; не отвечает</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR не задана</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>по адресу %1 не отвечает ни один композитор Wayland</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet нужен графический рабочий стол, но дисплей не найден (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; попробуйте %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>X-дисплей &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>дисплей Wayland по адресу %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet нужен графический рабочий стол, но %1 не дал открыть окно</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Текстовые файлы</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>не удалось прочитать стандартный ввод: ничего не сохранено</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>стандартный ввод содержит байт NUL, который заметка хранить не может: ничего не сохранено</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>стандартный ввод не является текстом UTF-8: ничего не сохранено</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>стандартный ввод не содержит текста: ничего не сохранено</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>категория &apos;%1&apos; содержит результаты поиска, в неё нельзя добавлять заметки</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>в &apos;%1&apos; нельзя добавить заметку: на вкладке Search находятся результаты поиска, а *New создаёт категории</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>длина названия категории не должна превышать %1: у &apos;%2&apos; она равна %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>название категории не может содержать перевод строки или другой управляющий символ</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>не удалось записать вывод</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>нет файла заметок %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>в %2 нет категории &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 — это сам файл заметок: ничего не записано</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 уже существует: ничего не записано; чтобы заменить его, добавьте --force</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Ctrl + Enter&apos; — применить</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Категории нет: сохранено в Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Новая заметка сохранена в Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Изменена извне: сохранена новой</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Изменена извне: новая в Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Сохранена как новая заметка</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(правка)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(просмотр)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Не применено: правка продолжается</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Создана: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Создана: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>параметр &apos;%1&apos; не принимает значения</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>параметр &apos;%1&apos; указан дважды</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>нет текста для добавления</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>для &apos;%1&apos; нужно значение</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>для &apos;%1&apos; нужно название категории</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>для &apos;%1&apos; нужно имя файла</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; нельзя сочетать с &apos;%2&apos;: указывайте только одну команду</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; нельзя сочетать с &apos;%1&apos;: указывайте только одну команду</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; используется только с --add, --list или --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; используется только с --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Заметка Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>Принтер не смог завершить задание печати</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln заметка)</numerusform>
            <numerusform> (%Ln заметки)</numerusform>
            <numerusform> (%Ln заметок)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Заменить все заметки, категории, напоминания и настройки резервной копией от %1%2?

Сначала будет сделана резервная копия текущих заметок.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Ваши заметки не изменены.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Из копии от %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Нет файла заметок %1 для резервного копирования.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Ошибка резервного копирования: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Копия не создана: мало места</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Ошибка резервного копирования: не удаётся создать %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Копия позже: файл менялся</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Копия не создана: диск полон</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Ошибка резервного копирования: не удаётся записать %1 (%2)</translation>
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
        <translation>Набор данных не в режиме правки или вставки</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Нельзя изменить набор данных только для чтения</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Эта операция невозможна для пустого набора данных</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Пока это было открыто, другая программа заменила %1 новым файлом заметок, поэтому ничего не изменено. Теперь Quibbet показывает новый файл: попробуйте ещё раз.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Не восстановлено: битая заметка</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Не восстановлено: битая категория</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Не восстановлено: не читается</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Не восстановлено: неизвестный тип</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>С опозданием, срок %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet уже работает с %1 и выведен на передний план</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet уже работает с %1%2 и не отвечает</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (процесс %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet уже работает с %1 на компьютере %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet уже работает с %1 на дисплее %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet уже работает с %1%2 и отсюда недоступен</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>Файл заметок %1 повреждён или не является файлом заметок. Quibbet его не изменил. Сохраните копию файла, затем восстановите его из резервной копии или с помощью программы sqlite3 (sqlite3 clipdata.dat .recover) либо запустите Quibbet в другой папке, чтобы начать новый.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Другая программа заменила файл заметок %1 как раз во время сохранения, поэтому ничего не изменено. Теперь Quibbet использует новый файл: попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>Файл заметок %1 или его папка доступны только для чтения, поэтому ничего не изменено. Разрешите запись и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>Диск, на котором находится %1, заполнен, поэтому ничего не изменено. Освободите место и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Другая программа блокирует %1 дольше пяти секунд, поэтому ничего не изменено. Попробуйте ещё раз, когда она закончит.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>Не удаётся открыть %1: проверьте, что это файл (а не папка или битая ссылка) и что в его папку можно записывать.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>Диск, на котором находится %1, сообщил об ошибке, поэтому изменение могло не сохраниться. Проверьте диск и попробуйте ещё раз.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Принтер по умолчанию не выбран</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Заметка с выхода ещё не сохранена</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Заметка с выхода сохранена</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Импорт уже выполняется</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Текстовые файлы</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Импорт заметок...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>Сбой импорта: ничего не сохранено</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Импорт заметок</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Не удалось сохранить заметки; ничего не импортировано.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... и ещё %1</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Эти файлы пропущены; они не изменены:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Резервных копий этого файла заметок пока нет. Quibbet делает одну в день, пока работает.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Поверх других окон</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Предыдущая заметка</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Следующая заметка</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Применить изменения</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Удалить заметку</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Режим просмотра</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Режим правки</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Текст заметки</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Изменить заметку</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Копировать текст заметки</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Новая категория</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Напоминание...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Восстановить из копии...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Файл заменён: заметки перечитаны</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Файл удалён: записан заново</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Импорт заметок...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Тёмно-бордовый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Текст окна</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Системный цвет %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Особый (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Другой...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Цвет:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Восстановление из копии</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Сначала будет сделана копия текущих заметок.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Создана</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Название (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Описание:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Когда:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Текст напоминания:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>Время %1 уже прошло. Выберите время в будущем.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Что искать </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Импорт заметок</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Заметки других программ не найдены; добавьте папку:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Найдены заметки; отметьте, что импортировать:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Добавить папку...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Папка с текстовыми файлами или файлами Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (не прочитано файлов: %2)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Настройки Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Изменить шрифт</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Недавно удалённые</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Удалено за последние 30 дней, сначала новые:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>Нечего импортировать из &quot;%1&quot;: это не папка и не файл, и заметок xpad, gnote, tomboy, tomboy-ng, knotes здесь нет</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>Пропущено — %1: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>Не удалось прочитать ни одной заметки из %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Ничего не импортировано: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Ничего нового: %n заметка уже есть</numerusform>
            <numerusform>Ничего нового: %n заметки уже есть</numerusform>
            <numerusform>Ничего нового: %n заметок уже есть</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>Не найдено заметок для импорта</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>Импорт: %1 в %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n заметка</numerusform>
            <numerusform>%n заметки</numerusform>
            <numerusform>%n заметок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n категорию</numerusform>
            <numerusform>%n категории</numerusform>
            <numerusform>%n категорий</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>нет прав на чтение</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>не является сообщением с заметкой</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>не является файлом iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>обрывается посреди заметки: файл неполный</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>не содержит заметки</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>слишком велик для заметки (%1 МБ)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle и повторный запуск не смогут обратиться к этому Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Показать или скрыть Quibbet</translation>
    </message>
</context>
</TS>
