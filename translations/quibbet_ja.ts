<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CategoryTabs</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Duplicate category name!</source>
        <translation>同じ名前のカテゴリがすでにあります。</translation>
    </message>
    <message numerus="yes">
        <source>Category gone: %n notes in Default</source>
        <translation>
            <numerusform>カテゴリ消失: %n 件を Default へ</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the category [%1]</source>
        <translation>カテゴリ [%1] を削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Category gone: not renamed</source>
        <translation>カテゴリ消失: 名前は未変更</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1; try &apos;quibbet --help&apos;</source>
        <translation>%1。&apos;quibbet --help&apos; を参照してください</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; には値が必要です</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>不明な引数 &apos;%1&apos;</translation>
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
        <translation>使い方: quibbet [--toggle | --help | --version] [ツールキットのオプション]
小さなメモ帳です。Quibbet は、起動したフォルダーの clipdata.dat ファイルに
メモを保存します。デスクトップのメニューから起動すればホーム フォルダーです。
Quibbet はメモ ファイルごとに 1 つ。同じフォルダーで再び起動すると前面に出ます。

  --toggle   このフォルダーのメモ ファイルを使ってこのデスクトップで動作中の
             Quibbet を F9 と同様に表示/非表示にします。なければ起動します
  --help     このヘルプを表示して終了します
  --version  バージョンを表示して終了します

ツールキットの標準オプション (-platform NAME, -display DISPLAY, -style NAME,
-reverse, -session NAME など) は、そのままツールキットに渡されます。
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; follows the text to add: put a text of several words in quotes</source>
        <translation>&apos;%1&apos; が追加するテキストの後にあります。複数の語からなるテキストは引用符で囲んでください</translation>
    </message>
    <message>
        <source>argument %1 is not text in the encoding of the locale: nothing was changed</source>
        <translation>引数 %1 はロケールの文字コードのテキストではありません。何も変更されませんでした</translation>
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
        <translation>メモ コマンド (スクリプトやランチャー向け):
       quibbet --add [TEXT | -] [--category NAME]
       quibbet --list [--category NAME]
       quibbet --search TEXT
       quibbet --export FILE [--category NAME] [--force]
       quibbet --import SOURCE
現在のフォルダーの clipdata.dat を操作し、ディスプレイ不要でウィンドウも
開きません。変更は、このファイルで動作中の Quibbet にすぐ反映されます。

  --add TEXT       TEXT を新しいメモとして保存します。TEXT がないか - の場合は
                   標準入力 (末尾の改行 1 つを除く) をメモにします。-- で始まる
                   TEXT は --add=TEXT と指定。clipdata.dat がなければ作成します
  --list           カテゴリのメモを新しい順に 1 行 1 件で表示します。作成日時、
                   タブ、本文の順で、本文中の \ は \\、改行は \n、復帰は \r、
                   タブは \t と表記します
  --search TEXT    TEXT を含むメモを全カテゴリから --list と同様に表示します。
                   大文字小文字は区別しません。TEXT 中の % は任意の文字列、
                   _ は任意の 1 文字を表します (「検索」コマンドと同じ)
  --export FILE    カテゴリのメモを「エクスポート」コマンドと同じ形式で FILE に
                   書き出します。既存の FILE を置き換えるのは --force 指定時のみ
  --import SOURCE  他のメモ プログラムのメモを取り込みます: xpad、gnote、
                   tomboy、tomboy-ng、knotes、またはメモのファイルかフォルダー
  --category NAME  追加・表示・エクスポートするカテゴリ。省略時は Default。
                   --add は存在しないカテゴリを作成。Search にはメモを追加不可
  --force          --export で FILE の置き換えを許可します

終了ステータス: 0 成功、1 一致なし、またはメモ ファイルの読み書きに失敗
(何も変更されません)、2 引数または入力が不正 (何も変更されません)。
</translation>
    </message>
</context>
<context>
    <name>ConflictMerge</name>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n 件のメモ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n 個のカテゴリ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n 件のリマインダー</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message>
        <source>%1 merged from another machine</source>
        <translation>他端末の%1を統合</translation>
    </message>
    <message>
        <source>Merged: %1</source>
        <translation>統合: %1</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a notes file of Quibbet. It has not been changed. Start Quibbet in another folder, or move the file away to begin a new one.</source>
        <translation>%1 は Quibbet のメモ ファイルではありません。ファイルは変更されていません。別のフォルダーで Quibbet を起動するか、ファイルを移動して新しいメモ ファイルを作成してください。</translation>
    </message>
</context>
<context>
    <name>DeleteHistory</name>
    <message>
        <source>Undo delete</source>
        <translation>削除を元に戻す</translation>
    </message>
    <message>
        <source>Recently deleted...</source>
        <translation>最近削除した項目...</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>%1 として復元しました</translation>
    </message>
    <message>
        <source>(a category)</source>
        <translation>(カテゴリ)</translation>
    </message>
    <message>
        <source>Undo import</source>
        <translation>インポートを元に戻す</translation>
    </message>
    <message numerus="yes">
        <source>Import undone: %n notes</source>
        <translation>
            <numerusform>インポート取り消し: メモ %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <source>DISPLAY and WAYLAND_DISPLAY are not set</source>
        <translation>DISPLAY と WAYLAND_DISPLAY が設定されていません</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY が設定されていません</translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos; does not answer</source>
        <translation>X ディスプレイ &apos;%1&apos; が応答しません</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set</source>
        <translation>XDG_RUNTIME_DIR が設定されていません</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at %1</source>
        <translation>%1 で応答する Wayland コンポジターがありません</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and no display was found (%1)</source>
        <translation>Quibbet にはグラフィカルなデスクトップが必要ですが、ディスプレイが見つかりませんでした (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、 </translation>
    </message>
    <message>
        <source>; try %1</source>
        <translation>。%1 を試してください</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source>the X display &apos;%1&apos;</source>
        <translation>X ディスプレイ &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the Wayland display at %1</source>
        <translation>%1 の Wayland ディスプレイ</translation>
    </message>
    <message>
        <source>Quibbet needs a graphical desktop, and %1 did not let it open its window</source>
        <translation>Quibbet にはグラフィカルなデスクトップが必要ですが、%1 でウィンドウを開けませんでした</translation>
    </message>
</context>
<context>
    <name>ImportNotes</name>
    <message>
        <source>Text files</source>
        <translation>テキスト ファイル</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>standard input could not be read: nothing was stored</source>
        <translation>標準入力を読み取れませんでした。何も保存されませんでした</translation>
    </message>
    <message>
        <source>standard input holds a NUL byte, which a note cannot keep: nothing was stored</source>
        <translation>標準入力にメモに保存できない NUL バイトが含まれています。何も保存されませんでした</translation>
    </message>
    <message>
        <source>standard input is not UTF-8 text: nothing was stored</source>
        <translation>標準入力が UTF-8 テキストではありません。何も保存されませんでした</translation>
    </message>
    <message>
        <source>standard input holds no text: nothing was stored</source>
        <translation>標準入力にテキストがありません。何も保存されませんでした</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds the results of a search and takes no notes</source>
        <translation>&apos;%1&apos; には検索結果が入るため、メモを追加できません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no category to add a note to: the Search tab holds the results of a search, and *New makes categories</source>
        <translation>&apos;%1&apos; はメモを追加できるカテゴリではありません。Search タブには検索結果が入り、*New はカテゴリを作成するためのものです</translation>
    </message>
    <message>
        <source>a category name has at most %1 characters: &apos;%2&apos; has %3</source>
        <translation>カテゴリ名は最大 %1 文字です。&apos;%2&apos; は %3 文字あります</translation>
    </message>
    <message>
        <source>a category name cannot hold a line end or another control character</source>
        <translation>カテゴリ名に改行などの制御文字は使用できません</translation>
    </message>
    <message>
        <source>the output could not be written</source>
        <translation>出力に書き込めませんでした</translation>
    </message>
    <message>
        <source>there is no notes file %1</source>
        <translation>メモ ファイル %1 がありません</translation>
    </message>
    <message>
        <source>there is no category &apos;%1&apos; in %2</source>
        <translation>%2 にカテゴリ &apos;%1&apos; がありません</translation>
    </message>
    <message>
        <source>%1 is the notes file itself: nothing was written</source>
        <translation>%1 はメモ ファイルそのものです。何も書き込まれませんでした</translation>
    </message>
    <message>
        <source>%1 exists: nothing was written; add --force to replace it</source>
        <translation>%1 はすでに存在します。何も書き込まれませんでした。置き換えるには --force を付けてください</translation>
    </message>
</context>
<context>
    <name>NoteEditing</name>
    <message>
        <source>Press &apos;Ctrl + Enter&apos; to apply changes</source>
        <translation>&apos;Ctrl + Enter&apos; で変更を適用</translation>
    </message>
    <message>
        <source>Category gone: saved in Default</source>
        <translation>カテゴリ消失: Default に保存</translation>
    </message>
    <message>
        <source>Saved as a new note in Default</source>
        <translation>新しいメモとして Default に保存</translation>
    </message>
    <message>
        <source>Changed elsewhere: saved as new</source>
        <translation>外部で変更: 新しいメモとして保存</translation>
    </message>
    <message>
        <source>Changed elsewhere: new in Default</source>
        <translation>外部で変更: Default に新規保存</translation>
    </message>
    <message>
        <source>Saved as a new note</source>
        <translation>新しいメモとして保存しました</translation>
    </message>
    <message>
        <source>(mode:Edit)</source>
        <translation>(編集)</translation>
    </message>
    <message>
        <source>(mode:Browse)</source>
        <translation>(閲覧)</translation>
    </message>
    <message>
        <source>Not applied: Edit mode resumes</source>
        <translation>未適用: 編集を続けます</translation>
    </message>
    <message>
        <source>Created : %1</source>
        <translation>作成: %1</translation>
    </message>
</context>
<context>
    <name>NoteExport</name>
    <message>
        <source>Cannot create file %1</source>
        <translation>ファイル %1 を作成できません</translation>
    </message>
    <message>
        <source>*.txt  (Text files) (*.txt)</source>
        <translation>テキスト ファイル (*.txt)</translation>
    </message>
</context>
<context>
    <name>NoteListView</name>
    <message>
        <source>Created : %1</source>
        <translation>作成: %1</translation>
    </message>
</context>
<context>
    <name>NoteOptions</name>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; に値は指定できません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is given twice</source>
        <translation>&apos;%1&apos; が 2 回指定されています</translation>
    </message>
    <message>
        <source>there is no text to add</source>
        <translation>追加するテキストがありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a value</source>
        <translation>&apos;%1&apos; には値が必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a category</source>
        <translation>&apos;%1&apos; にはカテゴリ名が必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs the name of a file</source>
        <translation>&apos;%1&apos; にはファイル名が必要です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot go with &apos;%2&apos;: give one command at a time</source>
        <translation>&apos;%1&apos; と &apos;%2&apos; は同時に指定できません。コマンドは 1 つずつ指定してください</translation>
    </message>
    <message>
        <source>&apos;--toggle&apos; cannot go with &apos;%1&apos;: give one command at a time</source>
        <translation>&apos;--toggle&apos; と &apos;%1&apos; は同時に指定できません。コマンドは 1 つずつ指定してください</translation>
    </message>
    <message>
        <source>&apos;--category&apos; goes with --add, --list or --export</source>
        <translation>&apos;--category&apos; は --add、--list、--export のいずれかと一緒に指定します</translation>
    </message>
    <message>
        <source>&apos;--force&apos; goes with --export</source>
        <translation>&apos;--force&apos; は --export と一緒に指定します</translation>
    </message>
</context>
<context>
    <name>NotePrint</name>
    <message>
        <source>Quibbet note</source>
        <translation>Quibbet メモ</translation>
    </message>
    <message>
        <source>The printer could not complete the print job</source>
        <translation>プリンターは印刷ジョブを完了できませんでした</translation>
    </message>
</context>
<context>
    <name>NotesBackups</name>
    <message numerus="yes">
        <source> (%Ln notes)</source>
        <translation>
            <numerusform> (メモ %Ln 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace all notes, categories, reminders and options with the backup of %1%2?

Your notes as they are now are backed up first.</source>
        <translation>%1%2 のバックアップで、すべてのメモ、カテゴリ、リマインダー、設定を置き換えますか?

現在のメモは先にバックアップされます。</translation>
    </message>
    <message>
        <source>Your notes have not been changed.</source>
        <translation>メモは変更されていません。</translation>
    </message>
    <message>
        <source>Restored: %1</source>
        <translation>復元: %1</translation>
    </message>
</context>
<context>
    <name>OnlineBackup</name>
    <message>
        <source>There is no notes file %1 to back up.</source>
        <translation>バックアップするメモ ファイル %1 がありません。</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>バックアップ失敗: %1</translation>
    </message>
    <message>
        <source>Backup skipped: disk short</source>
        <translation>バックアップ省略: 空き容量不足</translation>
    </message>
    <message>
        <source>Backup failed: cannot create %1 (%2)</source>
        <translation>バックアップ失敗: %1 を作成できません (%2)</translation>
    </message>
    <message>
        <source>Backup later: file kept changing</source>
        <translation>後でバックアップ: ファイル変更中</translation>
    </message>
    <message>
        <source>Backup skipped: disk full</source>
        <translation>バックアップ省略: ディスク満杯</translation>
    </message>
    <message>
        <source>Backup failed: cannot write %1 (%2)</source>
        <translation>バックアップ失敗: %1 に書き込めません (%2)</translation>
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
        <translation>データセットが編集モードでも挿入モードでもありません</translation>
    </message>
    <message>
        <source>Cannot modify a read-only dataset</source>
        <translation>読み取り専用のデータセットは変更できません</translation>
    </message>
    <message>
        <source>Cannot perform this operation on an empty dataset</source>
        <translation>空のデータセットではこの操作を実行できません</translation>
    </message>
    <message>
        <source>Another program put a new notes file in place of %1 while this was open, so nothing was changed. Quibbet now shows the new file: try again.</source>
        <translation>このウィンドウを開いている間に、別のプログラムが %1 を新しいメモ ファイルに置き換えたため、何も変更されませんでした。Quibbet は新しいファイルを表示しています。もう一度やり直してください。</translation>
    </message>
</context>
<context>
    <name>RecentlyDeleted</name>
    <message>
        <source>Not restored: kept note is invalid</source>
        <translation>復元不可: メモが無効です</translation>
    </message>
    <message>
        <source>Not restored: kept category invalid</source>
        <translation>復元不可: カテゴリが無効です</translation>
    </message>
    <message>
        <source>Not restored: kept item unreadable</source>
        <translation>復元不可: 項目を読み取れません</translation>
    </message>
    <message>
        <source>Not restored: unknown kind of item</source>
        <translation>復元不可: 不明な種類の項目</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Late, due %1:
%2</source>
        <translation>予定時刻 %1 を過ぎています:
%2</translation>
    </message>
</context>
<context>
    <name>SingleStart</name>
    <message>
        <source>Quibbet already runs on %1 and has been brought to the front</source>
        <translation>Quibbet はすでに %1 を使って動作中のため、前面に表示しました</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and does not answer</source>
        <translation>Quibbet はすでに %1%2 を使って動作中ですが、応答しません</translation>
    </message>
    <message>
        <source> (process %1)</source>
        <translation> (プロセス %1)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on the computer %2</source>
        <translation>Quibbet はすでにコンピューター %2 上で %1 を使って動作中です</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1 on display %2</source>
        <translation>Quibbet はすでにディスプレイ %2 上で %1 を使って動作中です</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>Quibbet already runs on %1%2 and cannot be reached from here</source>
        <translation>Quibbet はすでに %1%2 を使って動作中ですが、ここからは接続できません</translation>
    </message>
</context>
<context>
    <name>StoreMessages</name>
    <message>
        <source>The notes file %1 is damaged or is not a notes file. Quibbet has not changed it. Keep a copy of the file, then restore it from a backup or recover it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in another folder to begin a new one.</source>
        <translation>メモ ファイル %1 は破損しているか、メモ ファイルではありません。Quibbet はこのファイルを変更していません。ファイルのコピーを取っておいてから、バックアップから復元するか、sqlite3 ツールで修復してください (sqlite3 clipdata.dat .recover)。または、別のフォルダーで Quibbet を起動して新しいメモ ファイルを作成してください。</translation>
    </message>
    <message>
        <source>Another program replaced the notes file %1 just as this was stored, so nothing was changed. Quibbet now uses the new file: try again.</source>
        <translation>保存しようとしたときに、別のプログラムがメモ ファイル %1 を置き換えたため、何も変更されませんでした。Quibbet は新しいファイルを使用しています。もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The notes file %1 or its folder is read-only, so nothing was changed. Make them writable and try again.</source>
        <translation>メモ ファイル %1 またはそのフォルダーが読み取り専用のため、何も変更されませんでした。書き込み可能にしてから、もう一度やり直してください。</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full, so nothing was changed. Free some space and try again.</source>
        <translation>%1 があるディスクがいっぱいのため、何も変更されませんでした。空き領域を確保してから、もう一度やり直してください。</translation>
    </message>
    <message>
        <source>Another program has kept %1 locked for more than five seconds, so nothing was changed. Try again when it has finished.</source>
        <translation>別のプログラムが %1 を 5 秒以上ロックしているため、何も変更されませんでした。そのプログラムの処理が終わってから、もう一度やり直してください。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: check that it is a file (not a folder or a broken link) and that its folder can be written.</source>
        <translation>%1 を開けません。ファイルであること (フォルダーや壊れたリンクではないこと) と、そのフォルダーに書き込めることを確認してください。</translation>
    </message>
    <message>
        <source>The disk that holds %1 reported an error, so the change may not have been made. Check the disk and try again.</source>
        <translation>%1 があるディスクがエラーを報告したため、変更が行われていない可能性があります。ディスクを確認してから、もう一度やり直してください。</translation>
    </message>
</context>
<context>
    <name>SystemPrinterPort</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>既定のプリンターが選択されていません</translation>
    </message>
</context>
<context>
    <name>ToolCommands</name>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>WayOut</name>
    <message>
        <source>Note kept at exit: not stored yet</source>
        <translation>終了時のメモを保持: 未保存</translation>
    </message>
    <message>
        <source>Note kept at last exit: stored</source>
        <translation>前回終了時のメモを保存しました</translation>
    </message>
</context>
<context>
    <name>app::ImportNotes</name>
    <message>
        <source>An import is under way</source>
        <translation>インポートを実行中です</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>テキスト ファイル</translation>
    </message>
    <message>
        <source>Importing notes...</source>
        <translation>メモをインポート中...</translation>
    </message>
    <message>
        <source>Import failed: nothing stored</source>
        <translation>インポート失敗: 何も保存されず</translation>
    </message>
    <message>
        <source>Import notes</source>
        <translation>メモのインポート</translation>
    </message>
    <message>
        <source>The notes could not be stored; nothing was imported.
%1</source>
        <translation>メモを保存できなかったため、何もインポートされませんでした。
%1</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
    <message>
        <source>These files were left out; they are unchanged:
%1</source>
        <translation>次のファイルは取り込まれませんでした (ファイルは変更されていません):
%1</translation>
    </message>
</context>
<context>
    <name>app::TMiniForm</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>There is no backup of this notes file yet. Quibbet takes one a day while it runs.</source>
        <translation>このメモ ファイルのバックアップはまだありません。Quibbet は動作中に 1 日 1 回バックアップを作成します。</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Prior note</source>
        <translation>前のメモ</translation>
    </message>
    <message>
        <source>Next note</source>
        <translation>次のメモ</translation>
    </message>
    <message>
        <source>Add a new note</source>
        <translation>新しいメモを追加</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>変更を適用</translation>
    </message>
    <message>
        <source>Delete note</source>
        <translation>メモを削除</translation>
    </message>
    <message>
        <source>Browse mode</source>
        <translation>閲覧モード</translation>
    </message>
    <message>
        <source>Edit mode</source>
        <translation>編集モード</translation>
    </message>
    <message>
        <source>Note text</source>
        <translation>メモの本文</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Edit note</source>
        <translation>メモを編集</translation>
    </message>
    <message>
        <source>Copy note content</source>
        <translation>メモの内容をコピー</translation>
    </message>
    <message>
        <source>Add a new category</source>
        <translation>新しいカテゴリを追加</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>検索...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>エクスポート...</translation>
    </message>
    <message>
        <source>Reminder...</source>
        <translation>リマインダー...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>バックアップから復元...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quibbet について</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Notes reloaded: the file was replaced</source>
        <translation>ファイル置換: メモを再読み込み</translation>
    </message>
    <message>
        <source>Notes file deleted: written back</source>
        <translation>ファイル削除: メモを書き戻し</translation>
    </message>
    <message>
        <source>Import notes...</source>
        <translation>メモのインポート...</translation>
    </message>
</context>
<context>
    <name>dialogs::FontChooser</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>えび茶</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>オリーブ</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>濃紺</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青緑</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ライム</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>水色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Window text</source>
        <translation>ウィンドウの文字色</translation>
    </message>
    <message>
        <source>System colour %1</source>
        <translation>システム色 %1</translation>
    </message>
    <message>
        <source>Custom (%1)</source>
        <translation>カスタム (%1)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Other...</source>
        <translation>その他...</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>色(&amp;C):</translation>
    </message>
</context>
<context>
    <name>dialogs::RestoreBackupDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>バックアップから復元</translation>
    </message>
    <message>
        <source>Your notes as they are now are backed up first.</source>
        <translation>現在のメモは先にバックアップされます。</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>取得日時</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ数</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>dialogs::TCategoryManage</name>
    <message>
        <source>Category manage</source>
        <translation>カテゴリの管理</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Category name(*):</source>
        <translation>カテゴリ名(*):</translation>
    </message>
    <message>
        <source>Category Description:</source>
        <translation>カテゴリの説明:</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmRemind</name>
    <message>
        <source>Remind Settings</source>
        <translation>リマインダーの設定</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>開始日時:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Text to remind:   </source>
        <translation>通知するテキスト:   </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>The time %1 has already passed. Choose a time in the future.</source>
        <translation>%1 はすでに過ぎています。これから先の日時を選んでください。</translation>
    </message>
</context>
<context>
    <name>dialogs::TFrmSearch</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Text to find </source>
        <translation>検索する文字列 </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>dialogs::TImportForm</name>
    <message>
        <source>Import notes</source>
        <translation>メモのインポート</translation>
    </message>
    <message>
        <source>No other notes program&apos;s notes found; add a folder:</source>
        <translation>他のメモ プログラムのメモは見つかりませんでした。フォルダーを追加してください:</translation>
    </message>
    <message>
        <source>Notes found; tick those to import:</source>
        <translation>メモが見つかりました。インポートするものにチェックを付けてください:</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>メモ数</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Add folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Folder of text or Markdown files</source>
        <translation>テキストまたは Markdown ファイルのフォルダー</translation>
    </message>
    <message>
        <source>%1 (%2 files unreadable)</source>
        <translation>%1 (読み取れないファイル %2 件)</translation>
    </message>
</context>
<context>
    <name>dialogs::TOptionForm</name>
    <message>
        <source>Quibbet Options</source>
        <translation>Quibbet の設定</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Change displaying font</source>
        <translation>表示フォントの変更</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>dialogs::TRecentlyDeletedForm</name>
    <message>
        <source>Recently deleted</source>
        <translation>最近削除した項目</translation>
    </message>
    <message>
        <source>Deleted in the last 30 days, newest first:</source>
        <translation>過去 30 日間に削除した項目 (新しい順):</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>削除日時</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>dialogs::TShowRemindForm</name>
    <message>
        <source>Remind info</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>import</name>
    <message>
        <source>Nothing to import at &quot;%1&quot;: not a folder, a file or one of xpad, gnote, tomboy, tomboy-ng, knotes with notes here</source>
        <translation>&quot;%1&quot; にはインポートできるものがありません。フォルダーでもファイルでもなく、メモがある xpad、gnote、tomboy、tomboy-ng、knotes のいずれでもありません</translation>
    </message>
    <message>
        <source>Left out %1: %2</source>
        <translation>%1 は取り込みませんでした: %2</translation>
    </message>
    <message>
        <source>No note of %1 could be read</source>
        <translation>%1 のメモを 1 件も読み取れませんでした</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>何もインポートされず: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing new: %n notes there already</source>
        <translation>
            <numerusform>新規なし: メモ %n 件は既存</numerusform>
        </translation>
    </message>
    <message>
        <source>No notes found to import</source>
        <translation>インポートするメモが見つかりません</translation>
    </message>
    <message>
        <source>%1 imported into %2</source>
        <translation>%1を %2にインポート</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>メモ %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n カテゴリ</numerusform>
        </translation>
    </message>
    <message>
        <source>may not be read</source>
        <translation>読み取り権限がありません</translation>
    </message>
    <message>
        <source>is not a note message</source>
        <translation>メモのメッセージではありません</translation>
    </message>
    <message>
        <source>is not an iCalendar file</source>
        <translation>iCalendar ファイルではありません</translation>
    </message>
    <message>
        <source>ends inside a note: the file is incomplete</source>
        <translation>メモの途中で終わっています。ファイルが不完全です</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>holds no note</source>
        <translation>メモが含まれていません</translation>
    </message>
    <message>
        <source>too large (%1 MB) to be a note</source>
        <translation>メモとしては大きすぎます (%1 MB)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>--toggle and a second start cannot reach this Quibbet</source>
        <translation>--toggle や 2 度目の起動からは、この Quibbet に接続できません</translation>
    </message>
</context>
<context>
    <name>platform::PortalHotKey</name>
    <message>
        <source>Show or hide Quibbet</source>
        <translation>Quibbet の表示/非表示</translation>
    </message>
</context>
</TS>
