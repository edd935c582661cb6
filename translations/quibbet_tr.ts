<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>Bu adda bir kategori zaten var!</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>Kategori yok: %n not Default&apos;ta</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Onay</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>[%1] kategorisi silinsin mi?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>Kategori yok: yeniden adlandırılmadı</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1; bkz. &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; bir değer gerektirir</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>bilinmeyen argüman &apos;%1&apos;</translation>
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
        <translation>Kullanım: quibbet [--toggle | --help | --version] [araç takımı seçenekleri]
Küçük bir not defteri. Quibbet notlarını, başlatıldığı klasördeki clipdata.dat
dosyasında tutar; masaüstü menüsünden başlatıldığında bu, ev klasörünüzdür.
Her not dosyası için tek bir Quibbet çalışır: aynı klasörde yeniden başlatmak,
çalışanı öne getirir.

  --toggle   bu masaüstünde bu klasörün not dosyasıyla çalışan Quibbet&apos;i, F9
             gibi, göster ya da gizle; çalışan yoksa başlat
  --help     bu yardımı göster ve çık
  --version  sürümü göster ve çık

Araç takımının standart seçenekleri (-platform NAME, -display DISPLAY,
-style NAME, -reverse, -session NAME ve benzerleri) ona iletilir.
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; eklenecek metinden sonra geliyor: birden çok sözcükten oluşan metni tırnak içine alın</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>%1. argüman, yerel ayarın karakter kodlamasında metin değil: hiçbir şey değiştirilmedi</translation>
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
        <translation>Betikler ve başlatıcılar için not komutları:
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
Geçerli klasördeki clipdata.dat üzerinde çalışırlar, ekran gerektirmezler ve
pencere açmazlar; dosyayla çalışan bir Quibbet değişikliği hemen gösterir.

  --add TEXT       TEXT metnini yeni not olarak kaydet; TEXT yoksa ya da - ise
                   not, son satır sonu hariç tüm standart girdidir. -- ile
                   başlayan bir metin --add=TEXT olarak verilir. clipdata.dat
                   yoksa oluşturulur
  --list           bir kategorinin notlarını en yeniden başlayarak satır başına
                   bir not göster: oluşturma zamanı, bir sekme ve \ yerine \\,
                   satır sonu yerine \n, satır başı yerine \r, sekme yerine \t
                   yazılmış metin
  --search TEXT    TEXT içeren notları tüm kategorilerden --list gibi göster;
                   büyük/küçük harf ayrımı yapılmaz; TEXT içindeki % ve _, Ara
                   komutundaki gibi herhangi bir metin ve herhangi tek bir
                   karakter yerine geçer
  --export FILE    bir kategorinin notlarını Dışa aktar komutu gibi FILE
                   dosyasına yaz; var olan bir FILE yalnızca --force ile
                   değiştirilir
  --import SOURCE  başka bir not programının notlarını içe aktar: xpad, gnote,
                   tomboy, tomboy-ng ya da knotes veya notların bulunduğu dosya
                   ya da klasör
  --category NAME  eklenecek, listelenecek ya da dışa aktarılacak kategori;
                   verilmezse Default. --add henüz olmayan bir kategoriyi
                   oluşturur; Search not almaz
  --force          --export ile FILE dosyasının üzerine yazılmasına izin ver

Çıkış durumu: 0 tamam; 1 eşleşen yok ya da not dosyası okunamadı veya yazılamadı
(hiçbir şey değiştirilmedi); 2 hatalı argümanlar ya da girdi (hiçbir şey
değiştirilmedi).
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n not</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n kategori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n hatırlatıcı</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>Başka bilgisayardan: %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>Birleştirildi: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 bir Quibbet not dosyası değil. Dosya değiştirilmedi. Quibbet&apos;i başka bir klasörde başlatın ya da yeni bir dosyaya başlamak için bu dosyayı başka yere taşıyın.</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>Silmeyi geri al</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>Son silinenler...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>Geri yüklendi, yeni adı: %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(bir kategori)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>İçe aktarmayı geri al</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>İçe aktarma geri alındı: %n not</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY ve WAYLAND_DISPLAY ayarlanmamış</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ayarlanmamış</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>X ekranı &apos;%1&apos; yanıt vermiyor</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR ayarlanmamış</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>%1 adresinde yanıt veren Wayland birleştiricisi yok</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet grafik bir masaüstü gerektirir, ancak ekran bulunamadı (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>; şunu deneyin: %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ya da </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>X ekranı &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>%1 adresindeki Wayland ekranı</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet grafik bir masaüstü gerektirir, ancak pencere açılamadı: %1</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>Metin dosyaları</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>standart girdi okunamadı: hiçbir şey kaydedilmedi</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>standart girdi, bir notun tutamayacağı bir NUL baytı içeriyor: hiçbir şey kaydedilmedi</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>standart girdi UTF-8 metin değil: hiçbir şey kaydedilmedi</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>standart girdide metin yok: hiçbir şey kaydedilmedi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; arama sonuçlarını tutar ve not almaz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; not eklenebilecek bir kategori değil: Search sekmesi arama sonuçlarını tutar, *New ise kategori oluşturur</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>kategori adı en çok %1 karakter olabilir: &apos;%2&apos; %3 karakter uzunluğunda</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>kategori adı satır sonu ya da başka bir denetim karakteri içeremez</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>çıktı yazılamadı</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>%1 not dosyası yok</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>%2 içinde &apos;%1&apos; kategorisi yok</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 not dosyasının kendisi: hiçbir şey yazılmadı</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 zaten var: hiçbir şey yazılmadı; üzerine yazmak için --force ekleyin</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>Uygulamak için &apos;Ctrl + Enter&apos;</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>Kategori yok: Default&apos;a kaydedildi</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>Default&apos;a yeni not kaydedildi</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>Başka yerde değişti: yeni kaydedildi</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>Başka yerde değişti: Default&apos;ta yeni</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>Yeni not olarak kaydedildi</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(Düzenleme)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(Görüntüleme)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>Uygulanmadı: düzenlemeye devam</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>Oluşturuldu: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>%1 dosyası oluşturulamıyor</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>Metin dosyaları (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>Oluşturuldu: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; değer almaz</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; iki kez verildi</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>eklenecek metin yok</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; bir değer gerektirir</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; bir kategori adı gerektirir</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; bir dosya adı gerektirir</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos;, &apos;%2&apos; ile birlikte kullanılamaz: bir seferde tek komut verin</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos;, &apos;%1&apos; ile birlikte kullanılamaz: bir seferde tek komut verin</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; yalnızca --add, --list ya da --export ile kullanılır</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; yalnızca --export ile kullanılır</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Quibbet notu</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>Yazıcı yazdırma işini tamamlayamadı</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln not)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>Tüm notlar, kategoriler, hatırlatıcılar ve seçenekler, %1 tarihli yedekle%2 değiştirilsin mi?

Notlarınızın şimdiki hâli önce yedeklenir.</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>Notlarınız değiştirilmedi.</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>Geri yüklendi: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>Yedeklenecek %1 not dosyası yok.</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>Yedekleme başarısız: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>Yedek alınmadı: disk dolmak üzere</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>Yedekleme başarısız: %1 oluşturulamıyor (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>Yedek sonra: dosya değişip durdu</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>Yedek alınmadı: disk dolu</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>Yedekleme başarısız: %1 yazılamıyor (%2)</translation>
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
        <translation>Veri kümesi düzenleme ya da ekleme kipinde değil</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>Salt okunur bir veri kümesi değiştirilemez</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>Bu işlem boş bir veri kümesinde yapılamaz</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>Bu açıkken başka bir program %1 yerine yeni bir not dosyası koydu, bu yüzden hiçbir şey değiştirilmedi. Quibbet artık yeni dosyayı gösteriyor: yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>Geri yüklenmedi: not geçersiz</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>Geri yüklenmedi: kategori geçersiz</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>Geri yüklenmedi: okunamıyor</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>Geri yüklenmedi: bilinmeyen tür</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>Gecikti, zamanı %1:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet zaten %1 ile çalışıyor ve öne getirildi</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet zaten %1%2 ile çalışıyor ve yanıt vermiyor</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (süreç %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet zaten %1 ile %2 bilgisayarında çalışıyor</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet zaten %1 ile %2 ekranında çalışıyor</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet zaten %1%2 ile çalışıyor ve buradan ulaşılamıyor</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>%1 not dosyası bozuk ya da bir not dosyası değil. Quibbet onu değiştirmedi. Dosyanın bir kopyasını saklayın, sonra onu bir yedekten geri yükleyin ya da sqlite3 aracıyla kurtarın (sqlite3 clipdata.dat .recover) ya da yeni bir dosyaya başlamak için Quibbet&apos;i başka bir klasörde başlatın.</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>Başka bir program %1 not dosyasını tam kaydedilirken değiştirdi, bu yüzden hiçbir şey değiştirilmedi. Quibbet artık yeni dosyayı kullanıyor: yeniden deneyin.</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>%1 not dosyası ya da klasörü salt okunur, bu yüzden hiçbir şey değiştirilmedi. Yazılabilir yapıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>%1 dosyasının bulunduğu disk dolu, bu yüzden hiçbir şey değiştirilmedi. Biraz yer açıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>Başka bir program %1 dosyasını beş saniyeden uzun süredir kilitli tutuyor, bu yüzden hiçbir şey değiştirilmedi. O işini bitirince yeniden deneyin.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>%1 açılamıyor: bunun bir dosya olduğunu (klasör ya da bozuk bağlantı olmadığını) ve klasörüne yazılabildiğini denetleyin.</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>%1 dosyasının bulunduğu disk bir hata bildirdi, bu yüzden değişiklik yapılmamış olabilir. Diski denetleyip yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Şu anda seçili varsayılan yazıcı yok</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>Çıkışta saklanan not: kaydedilmedi</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>Son çıkışta saklanan not kaydedildi</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>Bir içe aktarma sürüyor</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Metin dosyaları</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>Notlar içe aktarılıyor...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>İçe aktarma başarısız: kaydedilmedi</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>Notları içe aktar</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>Notlar kaydedilemedi; hiçbir şey içe aktarılmadı.
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ve %1 tane daha</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>Bu dosyalar atlandı; hiçbiri değiştirilmedi:
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>Bu not dosyasının henüz yedeği yok. Quibbet çalıştığı sürece günde bir yedek alır.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Onay</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>Her zaman üstte</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>Önceki not</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>Sonraki not</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>Yeni not ekle</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Değişiklikleri uygula</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>Notu sil</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>Görüntüleme kipi</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>Düzenleme kipi</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>Not metni</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategoriler</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>Notu düzenle</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>Not içeriğini kopyala</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>Yeni kategori ekle</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Ara...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Dışa aktar...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>Hatırlatıcı...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Yedekten geri yükle...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>Dosya değişti: notlar yeniden yüklendi</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>Dosya silinmişti: yeniden yazıldı</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>Notları içe aktar...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Zeytin yeşili</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Lacivert</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Camgöbeği koyu</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Gümüş</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Açık yeşil</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuşya</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turkuaz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>Pencere metni</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>Sistem rengi %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>Özel (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>Diğer...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Renk:</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Yedekten geri yükle</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>Notlarınızın şimdiki hâli önce yedeklenir.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Alınma tarihi</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>Kategori adı (*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>Açıklama:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>Hatırlatıcı ayarları</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Zaman:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>Hatırlatılacak metin:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>%1 zamanı geçti. Gelecekte bir zaman seçin.</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>Aranacak metin </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>Notları içe aktar</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>Başka bir not programının notu bulunamadı; bir klasör ekleyin:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>Notlar bulundu; içe aktarılacakları işaretleyin:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notlar</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategoriler</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>Klasör ekle...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>Metin ya da Markdown dosyaları klasörü</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (%2 dosya okunamıyor)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Quibbet Seçenekleri</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>Yazı tipini değiştir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>Son silinenler</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>Son 30 günde silinenler, en yeni önce:</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Silinme tarihi</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>Hatırlatıcı</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>&quot;%1&quot; konumunda içe aktarılacak bir şey yok: bir klasör, bir dosya ya da burada notu olan xpad, gnote, tomboy, tomboy-ng, knotes programlarından biri değil</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>%1 atlandı: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>%1 içindeki notların hiçbiri okunamadı</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Hiçbir şey içe aktarılmadı: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>Yeni not yok: %n not zaten var</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>İçe aktarılacak not bulunamadı</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>%2 %1 içe aktarıldı</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n not</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n kategoriye</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>okuma izni yok</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>bir not iletisi değil</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>bir iCalendar dosyası değil</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>bir notun ortasında bitiyor: dosya eksik</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>hiç not içermiyor</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>not olamayacak kadar büyük (%1 MB)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle ve ikinci bir başlatma bu Quibbet&apos;e ulaşamaz</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Quibbet&apos;i göster ya da gizle</translation>
    </message>
</context>
</TS>
