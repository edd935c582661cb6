<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>分类名称重复！</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>分类不存在：%n 条笔记移入 Default</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>确定要删除分类 [%1] 吗？</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>分类不存在：未重命名</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1；请尝试 &apos;quibbet --help&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; 需要一个值</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>未知参数 &apos;%1&apos;</translation>
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
        <translation>用法：quibbet [--toggle | --help | --version] [工具包选项]
小巧的笔记工具。Quibbet 将笔记保存在启动时所在文件夹的 clipdata.dat 文件中；
从桌面菜单启动时，该文件夹即您的主文件夹。每个笔记文件只运行一个 Quibbet：
在同一文件夹中再次启动，会把正在运行的那个调到前台。

  --toggle   与 F9 相同，显示或隐藏本桌面上使用此文件夹笔记文件的 Quibbet；
             若没有正在运行的，则启动它
  --help     显示此帮助并退出
  --version  显示版本并退出

工具包的标准选项（-platform NAME、-display DISPLAY、-style NAME、
-reverse、-session NAME 等）会原样传递给工具包。
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; 跟在要添加的文本之后：由多个单词组成的文本请用引号括起来</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>参数 %1 不是当前区域设置编码的文本：未做任何更改</translation>
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
        <translation>笔记命令，供脚本和启动器使用：
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
这些命令操作当前文件夹中的 clipdata.dat，无需图形显示，也不打开窗口；
正在使用该文件的 Quibbet 会立即显示所做的更改。

  --add TEXT       将 TEXT 存为新笔记；不给出 TEXT 或给出 - 时，笔记内容为
                   读到末尾的标准输入，去掉最后一个换行符。以 -- 开头的文本
                   请写成 --add=TEXT。没有 clipdata.dat 时会创建它
  --list           输出某个分类的笔记，最新的在前，每行一条：创建时间、
                   制表符和文本；文本中的 \ 写作 \\，换行写作 \n，
                   回车写作 \r，制表符写作 \t
  --search TEXT    以 --list 的格式输出所有分类中包含 TEXT 的笔记，
                   不区分大小写；TEXT 中的 % 和 _ 分别代表任意文本和任意
                   单个字符，与“搜索”命令相同
  --export FILE    以“导出”命令的格式将某个分类的笔记写入 FILE；
                   FILE 已存在时，仅在指定 --force 时才会替换
  --import SOURCE  导入其他笔记程序的笔记：xpad、gnote、tomboy、
                   tomboy-ng 或 knotes，或者这些笔记所在的文件或文件夹
  --category NAME  要添加到、列出或导出的分类；未指定时为 Default。
                   --add 会创建尚不存在的分类；Search 不接受笔记
  --force          允许 --export 替换 FILE

退出状态：0 成功；1 没有匹配项，或无法读取或写入笔记文件（未做任何更改）；
2 参数或输入有误（未做任何更改）。
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n 条笔记</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n 个分类</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n 个提醒</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>已从其他计算机合并 %1</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>已合并：%1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 不是 Quibbet 的笔记文件。该文件未被更改。请在其他文件夹中启动 Quibbet，或将该文件移走以新建笔记文件。</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>撤销删除</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>最近删除...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>已恢复为 %1</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>（分类）</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>撤销导入</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>已撤销导入：%n 条笔记</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>未设置 DISPLAY 和 WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>未设置 DISPLAY</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>X 显示 &apos;%1&apos; 无响应</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>未设置 XDG_RUNTIME_DIR</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>%1 处没有响应的 Wayland 合成器</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet 需要图形桌面，但未找到显示（%1）</translation>
    </message>
    <message>
        <source>, </source>
        <translation>， </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>；请尝试 %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>X 显示 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>位于 %1 的 Wayland 显示</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet 需要图形桌面，但 %1 未允许其打开窗口</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>文本文件</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>无法读取标准输入：未保存任何内容</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>标准输入含有笔记无法保存的 NUL 字节：未保存任何内容</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>标准输入不是 UTF-8 文本：未保存任何内容</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>标准输入中没有文本：未保存任何内容</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; 用于存放搜索结果，不能存入笔记</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; 不是可以添加笔记的分类：Search 标签页存放搜索结果，*New 用于新建分类</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>分类名称最多 %1 个字符：&apos;%2&apos; 有 %3 个字符</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>分类名称不能包含换行符或其他控制字符</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>笔记文件 %1 不存在</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>%2 中没有分类 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 就是笔记文件本身：未写入任何内容</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 已存在：未写入任何内容；如需替换，请添加 --force</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>按 &apos;Ctrl + Enter&apos; 应用更改</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>分类不存在：已存入 Default</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>已作为新笔记存入 Default</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>别处已更改：另存为新笔记</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>别处已更改：新笔记存入 Default</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>已保存为新笔记</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(编辑)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(浏览)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>未应用：继续编辑</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>创建于：%1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>无法创建文件 %1</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>创建于：%1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; 不接受值</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; 指定了两次</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>没有要添加的文本</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; 需要一个值</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; 需要一个分类名称</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; 需要一个文件名</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; 不能与 &apos;%2&apos; 一起使用：一次只能给出一个命令</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; 不能与 &apos;%1&apos; 一起使用：一次只能给出一个命令</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; 须与 --add、--list 或 --export 一起使用</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; 须与 --export 一起使用</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Quibbet 笔记</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>打印机无法完成打印作业</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (%Ln 条笔记)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>要用 %1%2 的备份替换所有笔记、分类、提醒和选项吗？

您当前的笔记会先被备份。</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>您的笔记未被更改。</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>已恢复：%1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>没有可备份的笔记文件 %1。</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>备份失败：%1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>跳过备份：磁盘空间不足</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>备份失败：无法创建 %1（%2）</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>稍后备份：文件一直在变化</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>跳过备份：磁盘已满</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>备份失败：无法写入 %1（%2）</translation>
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
        <translation>数据集不处于编辑或插入模式</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>无法修改只读数据集</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>无法对空数据集执行此操作</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>在此窗口打开期间，另一个程序用新的笔记文件替换了 %1，因此未做任何更改。Quibbet 现在显示的是新文件，请重试。</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>未恢复：保留的笔记无效</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>未恢复：保留的分类无效</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>未恢复：无法读取保留的项目</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>未恢复：未知的项目类型</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>已逾期，原定 %1：
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet 已在使用 %1 运行，已将其调到前台</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet 已在使用 %1%2 运行，但没有响应</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (进程 %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet 已在计算机 %2 上使用 %1 运行</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet 已在显示 %2 上使用 %1 运行</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(无)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet 已在使用 %1%2 运行，但无法从此处连接</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>笔记文件 %1 已损坏或不是笔记文件。Quibbet 没有更改它。请先保留该文件的副本，然后从备份中恢复，或使用 sqlite3 工具修复（sqlite3 clipdata.dat .recover），或者在其他文件夹中启动 Quibbet 以新建笔记文件。</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>就在保存时，另一个程序替换了笔记文件 %1，因此未做任何更改。Quibbet 现在使用新文件，请重试。</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>笔记文件 %1 或其所在文件夹为只读，因此未做任何更改。请将其设为可写后重试。</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>%1 所在的磁盘已满，因此未做任何更改。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>另一个程序锁定 %1 已超过五秒，因此未做任何更改。请等它完成后重试。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>无法打开 %1：请检查它是否为文件（而不是文件夹或失效的链接），以及其所在文件夹是否可写。</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>%1 所在的磁盘报告了错误，因此更改可能未完成。请检查磁盘后重试。</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>当前未选择默认打印机</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>退出时保留的笔记：尚未保存</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>上次退出时保留的笔记已保存</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>导入正在进行中</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>文本文件</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>正在导入笔记...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>导入失败：未保存任何内容</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>导入笔记</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>无法保存笔记，未导入任何内容。
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... 另有 %1 个</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>以下文件未导入，文件本身未作更改：
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>此笔记文件还没有备份。Quibbet 在运行时每天备份一次。</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>窗口置顶</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>上一条笔记</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>下一条笔记</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>添加新笔记</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>应用更改</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>删除笔记</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>浏览模式</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>编辑模式</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>笔记内容</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>笔记</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>编辑笔记</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>复制笔记内容</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>添加新分类</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>搜索...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>提醒...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>从备份恢复...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于 Quibbet</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>文件已被替换：已重新加载笔记</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>笔记文件已被删除：已重新写入</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>导入笔记...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>藏青色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>蓝绿色</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>酸橙色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>窗口文本</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>系统颜色 %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>自定义 (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>其他...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>颜色(&amp;C)：</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>从备份恢复</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>您当前的笔记会先被备份。</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>备份时间</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>笔记数</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>分类管理</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>分类名称(*)：</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>分类描述：</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>提醒设置</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>提醒内容：   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>时间 %1 已经过去。请选择将来的时间。</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>查找内容 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>导入笔记</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>未找到其他笔记程序的笔记；请添加文件夹：</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>找到以下笔记，请勾选要导入的项：</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>笔记数</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>文本或 Markdown 文件所在的文件夹</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1（%2 个文件无法读取）</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Quibbet 选项</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>更改显示字体</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>最近删除</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>过去 30 天内删除的项目（最新的在前）：</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>删除时间</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>笔记</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>&quot;%1&quot; 处没有可导入的内容：它不是文件夹或文件，也不是此处有笔记的 xpad、gnote、tomboy、tomboy-ng、knotes 之一</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>已略过 %1：%2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>无法读取 %1 中的任何笔记</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>未导入任何内容：%1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>无新内容：%n 条笔记已存在</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>未找到可导入的笔记</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>%1已导入到 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n 条笔记</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n 个分类</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>没有读取权限</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>不是笔记邮件</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>不是 iCalendar 文件</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>在笔记中途结束：文件不完整</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>不含笔记</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>文件过大（%1 MB），不可能是笔记</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle 和再次启动都无法连接到此 Quibbet</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>显示或隐藏 Quibbet</translation>
    </message>
</context>
</TS>
