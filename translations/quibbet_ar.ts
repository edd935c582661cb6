<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>اسم الفئة موجود مسبقًا!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>حُذفت الفئة: %n ملاحظة في Default</numerusform>
            <numerusform>حُذفت الفئة: %n ملاحظة في Default</numerusform>
            <numerusform>حُذفت الفئة: %n ملاحظتان في Default</numerusform>
            <numerusform>حُذفت الفئة: %n ملاحظات في Default</numerusform>
            <numerusform>حُذفت الفئة: %n ملاحظة في Default</numerusform>
            <numerusform>حُذفت الفئة: %n ملاحظة في Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>هل أنت متأكد من حذف الفئة [%1]؟</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>حُذفت الفئة: لم تُغيَّر التسمية</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1؛ جرّب &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>يحتاج &apos;%1&apos; إلى قيمة</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>وسيط غير معروف &apos;%1&apos;</translation>
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
        <translation>الاستخدام: quibbet [--toggle | --help | --version] [خيارات مجموعة الأدوات]
مدوّن ملاحظات صغير. يحفظ Quibbet ملاحظاته في الملف clipdata.dat في المجلد الذي
يبدأ فيه؛ وإذا شُغّل من قائمة سطح المكتب فهو مجلد المنزل. تعمل نسخة واحدة من
Quibbet لكل ملف ملاحظات: تشغيله ثانيةً في المجلد نفسه يجلب تلك النسخة إلى الأمام.

  --toggle   إظهار أو إخفاء Quibbet العامل على سطح المكتب هذا لملف ملاحظات
             هذا المجلد، كما يفعل F9؛ وتشغيله إن لم يكن يعمل
  --help     عرض هذه المساعدة والخروج
  --version  عرض الإصدار والخروج

تُمرَّر إلى مجموعة الأدوات خياراتها القياسية (-platform NAME و-display DISPLAY
و-style NAME و-reverse و-session NAME وما شابهها).
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>الوسيط &apos;%1&apos; يأتي بعد النص المراد إضافته: ضع النص المكوّن من عدة كلمات بين علامتي اقتباس</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>الوسيط %1 ليس نصًا بترميز الإعدادات المحلية: لم يُغيَّر شيء</translation>
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
        <translation>أوامر الملاحظات، للسكربتات ومشغّلات التطبيقات:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
تعمل هذه الأوامر على clipdata.dat في المجلد الحالي، ولا تحتاج إلى شاشة ولا
تفتح نافذة؛ ويعرض Quibbet العامل على الملف التغيير فورًا.

  --add TEXT       حفظ TEXT كملاحظة جديدة؛ دون TEXT أو مع - تكون الملاحظة هي
                   الدخل القياسي حتى نهايته، دون نهاية السطر الأخيرة. النص الذي
                   يبدأ بـ -- يُعطى بالشكل --add=TEXT. يُنشئ clipdata.dat إن لم
                   يكن موجودًا
  --list           طباعة ملاحظات فئة، الأحدث أولًا، واحدة في كل سطر: وقت
                   الإنشاء، ثم علامة جدولة، ثم النص مع كتابة \ بالشكل \\،
                   ونهاية السطر بالشكل \n، والعودة إلى أول السطر بالشكل \r،
                   وعلامة الجدولة بالشكل \t
  --search TEXT    طباعة ملاحظات كل الفئات التي تحوي TEXT، كما يفعل --list، دون
                   تمييز حالة الأحرف؛ يعني % و_ في TEXT أي نص وأي حرف واحد،
                   كما في أمر البحث
  --export FILE    كتابة ملاحظات فئة إلى FILE كما يفعل أمر التصدير؛
                   لا يُستبدل FILE الموجود إلا مع --force
  --import SOURCE  جلب ملاحظات برنامج ملاحظات آخر: xpad أو gnote أو tomboy أو
                   tomboy-ng أو knotes، أو الملف أو المجلد الذي توجد فيه
  --category NAME  الفئة التي يُضاف إليها أو تُسرد أو تُصدَّر؛ Default إن لم
                   تُحدَّد. ينشئ --add الفئة إن لم تكن موجودة بعد؛ والفئة
                   Search لا تقبل ملاحظات
  --force          السماح لـ --export باستبدال FILE

حالة الخروج: 0 تمّ؛ 1 لم يطابق شيء، أو تعذّرت قراءة ملف الملاحظات أو كتابته
(لم يُغيَّر شيء)؛ 2 وسائط أو دخل غير صالح (لم يُغيَّر شيء).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>%n ملاحظتان</numerusform>
            <numerusform>%n ملاحظات</numerusform>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>%n ملاحظة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n فئة</numerusform>
            <numerusform>%n فئة</numerusform>
            <numerusform>%n فئتان</numerusform>
            <numerusform>%n فئات</numerusform>
            <numerusform>%n فئة</numerusform>
            <numerusform>%n فئة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n تذكير</numerusform>
            <numerusform>%n تذكير</numerusform>
            <numerusform>%n تذكيران</numerusform>
            <numerusform>%n تذكيرات</numerusform>
            <numerusform>%n تذكيرًا</numerusform>
            <numerusform>%n تذكير</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>دمج %1 من جهاز آخر</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>تم الدمج: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>الملف %1 ليس ملف ملاحظات لـ Quibbet. لم يُغيَّر. شغّل Quibbet في مجلد آخر، أو انقل الملف إلى مكان آخر لبدء ملف جديد.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>تراجع عن الحذف</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>المحذوفة مؤخرًا...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>استُعيدت الفئة باسم %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(فئة)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>تراجع عن الاستيراد</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>أُلغي الاستيراد: %n ملاحظة</numerusform>
            <numerusform>أُلغي الاستيراد: %n ملاحظة</numerusform>
            <numerusform>أُلغي الاستيراد: %n ملاحظتان</numerusform>
            <numerusform>أُلغي الاستيراد: %n ملاحظات</numerusform>
            <numerusform>أُلغي الاستيراد: %n ملاحظة</numerusform>
            <numerusform>أُلغي الاستيراد: %n ملاحظة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>لم يُضبط DISPLAY ولا WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>لم يُضبط DISPLAY</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>شاشة X &apos;%1&apos; لا تستجيب</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>لم يُضبط XDG_RUNTIME_DIR</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>لا يستجيب أي مُركِّب Wayland عند %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>يحتاج Quibbet إلى سطح مكتب رسومي، ولم يُعثر على أي شاشة (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>؛ جرّب %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> أو </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>شاشة X &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>شاشة Wayland عند %1</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>يحتاج Quibbet إلى سطح مكتب رسومي، ولم تسمح له %1 بفتح نافذته</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>ملفات نصية</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>تعذّرت قراءة الدخل القياسي: لم يُحفظ شيء</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>يحوي الدخل القياسي بايت NUL لا يمكن للملاحظة أن تحفظه: لم يُحفظ شيء</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>الدخل القياسي ليس نصًا بترميز UTF-8: لم يُحفظ شيء</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>لا يحوي الدخل القياسي أي نص: لم يُحفظ شيء</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>الفئة &apos;%1&apos; تحوي نتائج بحث ولا تقبل ملاحظات</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>لا يمكن إضافة ملاحظة إلى &apos;%1&apos;: علامة التبويب Search تحوي نتائج البحث، و*New تُنشئ الفئات</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>الحد الأقصى لعدد أحرف اسم الفئة هو %1: عدد أحرف &apos;%2&apos; هو %3</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>لا يمكن أن يحوي اسم الفئة نهاية سطر أو أي محرف تحكّم آخر</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>تعذّرت كتابة المخرجات</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>لا يوجد ملف ملاحظات %1</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>لا توجد فئة &apos;%1&apos; في %2</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>الملف %1 هو ملف الملاحظات نفسه: لم يُكتب شيء</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>الملف %1 موجود: لم يُكتب شيء؛ أضف --force لاستبداله</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>اضغط &apos;Ctrl + Enter&apos; للتطبيق</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>حُذفت الفئة: حُفظت في Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>حُفظت كملاحظة جديدة في Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>عُدّلت في مكان آخر: حُفظت كجديدة</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>عُدّلت في مكان آخر: جديدة في Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>حُفظت كملاحظة جديدة</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(تحرير)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(تصفّح)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>لم تُطبَّق: متابعة التحرير</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>أُنشئت: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>تعذّر إنشاء الملف %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>ملفات نصية (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>أُنشئت: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>لا يقبل الخيار &apos;%1&apos; أي قيمة</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>حُدِّد الخيار &apos;%1&apos; مرتين</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>لا يوجد نص لإضافته</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>يحتاج &apos;%1&apos; إلى قيمة</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>يحتاج &apos;%1&apos; إلى اسم فئة</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>يحتاج &apos;%1&apos; إلى اسم ملف</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>لا يمكن استخدام &apos;%1&apos; مع &apos;%2&apos;: أعطِ أمرًا واحدًا في كل مرة</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>لا يمكن استخدام &apos;--toggle&apos; مع &apos;%1&apos;: أعطِ أمرًا واحدًا في كل مرة</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>لا يُستخدم &apos;--category&apos; إلا مع --add أو --list أو --export</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>لا يُستخدم &apos;--force&apos; إلا مع --export</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>ملاحظة Quibbet</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>تعذّر على الطابعة إكمال مهمة الطباعة</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln ملاحظة)</numerusform>
            <numerusform> (%Ln ملاحظة)</numerusform>
            <numerusform> (%Ln ملاحظتان)</numerusform>
            <numerusform> (%Ln ملاحظات)</numerusform>
            <numerusform> (%Ln ملاحظة)</numerusform>
            <numerusform> (%Ln ملاحظة)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>هل تريد استبدال كل الملاحظات والفئات والتذكيرات والخيارات بالنسخة الاحتياطية المأخوذة في %1%2؟

تُؤخذ أولًا نسخة احتياطية من ملاحظاتك بحالتها الحالية.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>لم تُغيَّر ملاحظاتك.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>استُعيدت: ‎%1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>لا يوجد ملف ملاحظات %1 لنسخه احتياطيًا.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>فشل النسخ الاحتياطي: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>لا نسخ احتياطي: المساحة قليلة</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>فشل النسخ الاحتياطي: تعذّر إنشاء %1 (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>النسخ الاحتياطي لاحقًا: الملف يتغيّر</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>لا نسخ احتياطي: القرص ممتلئ</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>فشل النسخ الاحتياطي: تعذّرت كتابة %1 (%2)</translation>
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
        <translation>مجموعة البيانات ليست في وضع التحرير أو الإدراج</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>لا يمكن تعديل مجموعة بيانات للقراءة فقط</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>لا يمكن تنفيذ هذه العملية على مجموعة بيانات فارغة</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>وضع برنامج آخر ملف ملاحظات جديدًا مكان %1 بينما كان هذا مفتوحًا، لذا لم يُغيَّر شيء. يعرض Quibbet الآن الملف الجديد: حاول مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>لم تُستعد: ملاحظة غير صالحة</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>لم تُستعد: فئة غير صالحة</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>لم يُستعد: عنصر غير مقروء</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>لم يُستعد: نوع عنصر غير معروف</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>متأخر، موعده ‎%1‎:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>يعمل Quibbet مسبقًا على %1 وقد جُلب إلى الأمام</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>يعمل Quibbet مسبقًا على %1%2 ولا يستجيب</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (العملية %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>يعمل Quibbet مسبقًا على %1 في الحاسوب %2</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>يعمل Quibbet مسبقًا على %1 في الشاشة %2</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا شيء)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>يعمل Quibbet مسبقًا على %1%2 ولا يمكن الوصول إليه من هنا</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>ملف الملاحظات %1 تالف أو ليس ملف ملاحظات. لم يغيّره Quibbet. احتفظ بنسخة من الملف، ثم استعِده من نسخة احتياطية أو استرجعه بأداة sqlite3 (sqlite3 clipdata.dat .recover)، أو شغّل Quibbet في مجلد آخر لبدء ملف جديد.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>استبدل برنامج آخر ملف الملاحظات %1 في لحظة الحفظ نفسها، لذا لم يُغيَّر شيء. يستخدم Quibbet الآن الملف الجديد: حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>ملف الملاحظات %1 أو مجلده للقراءة فقط، لذا لم يُغيَّر شيء. اجعلهما قابلين للكتابة وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>القرص الذي يحوي %1 ممتلئ، لذا لم يُغيَّر شيء. حرّر بعض المساحة وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>أبقى برنامج آخر %1 مقفلًا أكثر من خمس ثوانٍ، لذا لم يُغيَّر شيء. حاول مرة أخرى عندما ينتهي.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>تعذّر فتح %1: تحقّق من أنه ملف (لا مجلد ولا رابط معطوب) وأن مجلده قابل للكتابة.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>أبلغ القرص الذي يحوي %1 عن خطأ، لذا ربما لم يُجرَ التغيير. افحص القرص وحاول مرة أخرى.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>لا توجد طابعة افتراضية محددة حاليًا</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>أُبقيت ملاحظة عند الخروج: لم تُحفظ</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>حُفظت الملاحظة المُبقاة عند الخروج</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>يجري استيراد حاليًا</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>ملفات نصية</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>جارٍ استيراد الملاحظات...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>فشل الاستيراد: لم يُحفظ شيء</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>استيراد الملاحظات</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>تعذّر حفظ الملاحظات؛ لم يُستورد شيء.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... و%1 غيرها</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>لم تُستورد هذه الملفات، ولم تُغيَّر:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>لا توجد نسخة احتياطية من ملف الملاحظات هذا بعد. يأخذ Quibbet نسخة واحدة يوميًا في أثناء عمله.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>الملاحظة السابقة</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>الملاحظة التالية</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>إضافة ملاحظة جديدة</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>تطبيق التغييرات</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>حذف الملاحظة</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>وضع التصفح</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>وضع التحرير</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>نص الملاحظة</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>الفئات</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>تحرير الملاحظة</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>نسخ محتوى الملاحظة</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>إضافة فئة جديدة</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>تصدير...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>تذكير...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>استعادة من نسخة احتياطية...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>أُعيد التحميل: استُبدل الملف</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>حُذف الملف: أُعيدت كتابته</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>استيراد الملاحظات...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>كستنائي</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>زيتوني</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>كحلي</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>أرجواني</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>أزرق مخضر</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>فضي</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>أخضر فاتح</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>فوشي</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>نص النافذة</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>لون النظام %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>مخصص (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>لون آخر...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>ال&amp;لون:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>استعادة من نسخة احتياطية</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>تُؤخذ أولًا نسخة احتياطية من ملاحظاتك بحالتها الحالية.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>تاريخ النسخ</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>إدارة الفئة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>اسم الفئة (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>وصف الفئة:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>إعدادات التذكير</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>الموعد:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>نص التذكير:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>الوقت ‎%1‎ قد مضى. اختر وقتًا في المستقبل.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>النص المطلوب </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>استيراد الملاحظات</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>لم يُعثر على ملاحظات برامج أخرى؛ أضف مجلدًا:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>عُثر على ملاحظات؛ حدّد ما تريد استيراده:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>البرنامج</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>الفئات</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>إضافة مجلد...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>مجلد ملفات نصية أو ملفات Markdown</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>‏%1 (ملفات غير مقروءة: %2)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>خيارات Quibbet</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>تغيير خط العرض</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>المحذوفة مؤخرًا</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>ما حُذف في آخر 30 يومًا، الأحدث أولًا:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>وقت الحذف</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>الملاحظة</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>تذكير</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>لا شيء للاستيراد من &quot;%1&quot;: ليس مجلدًا ولا ملفًا، ولا توجد هنا ملاحظات xpad أو gnote أو tomboy أو tomboy-ng أو knotes</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>تم تخطّي %1: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>تعذّرت قراءة أي ملاحظة من %1</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>لم يُستورد شيء: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>لا جديد: %n ملاحظة موجودة مسبقًا</numerusform>
            <numerusform>لا جديد: %n ملاحظة موجودة مسبقًا</numerusform>
            <numerusform>لا جديد: %n ملاحظتان موجودتان مسبقًا</numerusform>
            <numerusform>لا جديد: %n ملاحظات موجودة مسبقًا</numerusform>
            <numerusform>لا جديد: %n ملاحظة موجودة مسبقًا</numerusform>
            <numerusform>لا جديد: %n ملاحظة موجودة مسبقًا</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>لم يُعثر على ملاحظات لاستيرادها</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>تم استيراد %1 إلى %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>%n ملاحظتان</numerusform>
            <numerusform>%n ملاحظات</numerusform>
            <numerusform>%n ملاحظة</numerusform>
            <numerusform>%n ملاحظة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n فئة</numerusform>
            <numerusform>%n فئة</numerusform>
            <numerusform>%n فئتان</numerusform>
            <numerusform>%n فئات</numerusform>
            <numerusform>%n فئة</numerusform>
            <numerusform>%n فئة</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>لا يُسمح بقراءته</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>ليس رسالة ملاحظة</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>ليس ملف iCalendar</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>ينتهي في منتصف ملاحظة: الملف غير مكتمل</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>لا يحوي ملاحظة</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>أكبر من أن يكون ملاحظة (%1 ميغابايت)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>لا يمكن لـ --toggle ولا لتشغيل ثانٍ الوصول إلى Quibbet هذا</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>إظهار Quibbet أو إخفاؤه</translation>
    </message>
</context>
</TS>
